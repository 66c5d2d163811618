#pragma once

#include "tests/support/test_support.h"
#include "ui_frame/skin_context.h"

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

// Small placeholder pictures for the frame tests, written into a temporary
// "Graphics" folder, and a skin whose pointer the test moves by hand.
namespace orvanta::test {

// A solid-colour picture file of the given kind.
void writeBmp(const QString& path, QSize size, QColor colour);
void writeGif(const QString& path, QSize size, QColor colour);

// Sizes of the placeholder frame pictures.
inline constexpr QSize kTopEnd(12, 30);
inline constexpr QSize kTopCentre(4, 30);
inline constexpr QSize kSide(5, 4);
inline constexpr QSize kBottom(4, 6);
inline constexpr QSize kBottomCorner(7, 6);
inline constexpr QSize kPopUpCorner(8, 8);
inline constexpr QSize kTitleButton(21, 19);
inline constexpr QSize kInfoMark(32, 32);
inline constexpr QSize kButton(80, 25);

// Writes every picture the frame and the pop-up load into `graphicsFolder`.
void writeFramePictures(const QString& graphicsFolder);

// An application folder with the placeholder pictures and a pointer under
// the test's control.
class SkinFixture {
public:
    explicit SkinFixture(bool withPictures = true);

    SkinContext skin() const;
    QString graphicsFile(const QString& name) const { return app_.folder().graphicsFile(name); }
    void moveCursor(QPoint global) { *cursor_ = global; }

private:
    TempAppFolder app_;
    std::shared_ptr<const PictureSource> pictures_;
    std::shared_ptr<QPoint> cursor_ = std::make_shared<QPoint>(-1000, -1000);
};

} // namespace orvanta::test
