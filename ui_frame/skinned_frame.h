#pragma once

#include "ui_frame/frame_layout.h"
#include "ui_frame/hover_ticker.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/skin_context.h"

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace orvanta {

class WindowMover;

// The controls of a skinned frame, named as in the window designs. Pieces a
// kind of window does not have are null (the pop-up has no title-bar
// buttons and no icon; only practice windows have imgProgMax).
struct FrameControls {
    PictureBox* BTopLeft = nullptr;
    PictureBox* BTopCentre = nullptr;
    PictureBox* BTopRight = nullptr;
    PictureBox* BLeft = nullptr;
    PictureBox* BRight = nullptr;
    PictureBox* BBotLeft = nullptr;
    PictureBox* BBot = nullptr;
    PictureBox* BBotRight = nullptr;
    PictureBox* ImgIco = nullptr;
    QLabel* Title = nullptr; // "lblTitle" in the pop-up
    PictureButton* imgProgClose = nullptr;
    PictureButton* imgProgMax = nullptr;
    PictureButton* imgProgMin = nullptr;
};

// The skinned frame of a top-level window: no system frame, a top bar,
// sides and bottom drawn from the graphics folder, title text, title-bar
// buttons, the rounded outline, dragging, activation painting and the
// window's 100 ms hover timer.
//
// Attach it in the window's constructor, before the window is shown; the
// frame makes the window frameless and creates its pieces as children of the
// window (create the window's own controls afterwards so that they lie above
// the frame). From then on the frame
//  - lays its pieces out and cuts the window to its outline at every resize;
//  - paints the active look (blue top bar, white title, focus field "1") when
//    the window is activated and the inactive look (white top bar, grey
//    title, "0") when it is deactivated; a window starts inactive. The pop-up
//    always wears the active top bar and has no focus field;
//  - starts its timer when the window is shown and stops it when hidden. At
//    every tick it reads the cursor once, emits hoverTick(cursor) for the
//    window's own hover work, then updates the title-bar buttons, but only
//    while the focus field reads "1";
//  - moves the window when a mouse button (any) is pressed on the top bar
//    or the title;
//  - minimises the window from imgProgMin, maximises and restores it from
//    imgProgMax (nothing while minimised), and emits closeClicked() from
//    imgProgClose: closing is the window's own command.
class SkinnedFrame : public QObject {
    Q_OBJECT
public:
    SkinnedFrame(QWidget* window, FrameKind kind, SkinContext skin);

    FrameKind kind() const { return kind_; }
    QWidget* window() const { return window_; }
    const FrameControls& controls() const { return controls_; }
    const SkinContext& skin() const { return skin_; }

    // Title text in the top bar and the window's caption.
    void setTitle(const QString& title);
    // The window icon picture on the top bar (ImgIco), e.g. "OVicon.ico".
    void setIconPicture(const QString& fileName);

    // The activation painting: active or inactive look and focus field.
    void paintActivation(bool active);
    // Whether the active look is painted (never for the pop-up).
    bool activeLook() const { return activeLook_; }
    // The same as text: "1" while the window is active, "0" otherwise;
    // empty for the pop-up.
    QString focusField() const;

    // The title-bar hover rule for one tick (nothing unless the focus field is "1").
    void updateTitleBarHover(const QPoint& cursor);

    HoverTicker& ticker() { return ticker_; }

    // Lays the frame out at the window's current size and cuts the outline.
    // Runs by itself at every resize.
    void layOut();
    const FrameGeometry& geometry() const { return geometry_; }

signals:
    // Once per tick, with the cursor read for that tick, before the
    // title-bar buttons are updated.
    void hoverTick(const QPoint& cursor);
    void closeClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPieces();
    void loadFixedPictures();
    void onTick(const QPoint& cursor);
    void toggleMaximised();
    QString maximisePicture(const char* colour) const;
    FramePieceSizes pieceSizes() const;

    QWidget* window_;
    FrameKind kind_;
    SkinContext skin_;
    FrameControls controls_;
    FrameGeometry geometry_;
    bool activeLook_ = false;
    HoverTicker ticker_;
    WindowMover* mover_ = nullptr;
};

} // namespace orvanta
