#pragma once

#include "ui_frame/picture_box.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace orvanta {

class ClickLabel;

// The About page (`Body_About`), top to bottom: the course title
// (`ProgramName`), the platform the program runs on, the logo, the link to
// the maker's web page (`lbl_OVURL`, with a hand pointer and its tooltip), a
// legal notice, and the version at the lower right.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(std::shared_ptr<const PictureSource> pictures, QWidget* parent = nullptr);

    // "For Linux" and so on, for the platform the program was built for.
    static QString platformLine();

    void setCourseTitle(const QString& title);

    QLabel* ProgramName = nullptr;
    QLabel* lblPlatform = nullptr;
    PictureBox* Logo = nullptr;
    ClickLabel* lbl_OVURL = nullptr;
    QLabel* lblNotice = nullptr;
    QLabel* lblVersion = nullptr;

signals:
    void linkClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void setHandPointer();

    std::shared_ptr<const PictureSource> pictures_;
};

} // namespace orvanta
