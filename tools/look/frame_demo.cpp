// Shows the skinned frame and the pop-up on placeholder pictures and saves
// screenshots, for looking at the geometry by eye. Not a test and not
// shipped; run it under Xvfb:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bin/ui_frame_demo OUTPUT_FOLDER
#include "tests/ui_frame/test_pictures.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/pop_up.h"
#include "ui_frame/skinned_frame.h"
#include "ui_frame/window_mover.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTextStream>

using namespace orvanta;
using namespace orvanta::test;

namespace {

void save(const QString& folder, const QString& name, const QRect& area, int zoom = 1) {
    QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                                area.height());
    if (zoom > 1)
        shot = shot.scaled(shot.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shot.save(folder + u'/' + name);
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QTest::qWait(50);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTextStream log(stdout);

    SkinFixture fixture;
    QPoint cursor(-100, -100);
    SkinContext skin = fixture.skin();
    skin.cursor = [&cursor] { return cursor; };

    // A magenta backdrop: whatever the outlines cut away shows magenta.
    QWidget backdrop;
    backdrop.setWindowFlags(Qt::FramelessWindowHint);
    backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
    backdrop.setStyleSheet("background: magenta");
    backdrop.show();

    QWidget contents;
    contents.setObjectName("Contents");
    contents.setGeometry(twipsToPixels(60), twipsToPixels(60), twipsToPixels(6070),
                         twipsToPixels(7380));
    contents.setStyleSheet("QWidget#Contents { background: rgb(244, 245, 235) }");
    SkinnedFrame mainFrame(&contents, FrameKind::MainWindow, skin);
    mainFrame.setTitle("Orvanta Practice Year 4");
    contents.show();

    QWidget practice;
    practice.setObjectName("Test1");
    practice.setGeometry(450, 30, 520, 340);
    practice.setStyleSheet("QWidget#Test1 { background: white }");
    SkinnedFrame practiceFrame(&practice, FrameKind::PracticeWindow, skin);
    practiceFrame.setTitle("Fractions - Paper 3");
    practice.show();
    practice.activateWindow();
    settle();
    log << "practice active: " << practiceFrame.focusField() << ", main: " << mainFrame.focusField()
        << '\n';
    log << "system move available: " << (MoveForm(&practice) ? "yes" : "no") << '\n';

    cursor = practiceFrame.controls().imgProgClose->screenRect().center();
    practiceFrame.ticker().tickNow();
    mainFrame.ticker().tickNow();
    settle();
    save(out, "frame_windows.png", QRect(0, 0, 1000, 520));
    save(out, "frame_practice_top_right.png",
         QRect(practice.geometry().topRight() - QPoint(80, 0), QSize(81, 36)), 8);
    save(out, "frame_practice_top_left.png", QRect(practice.geometry().topLeft(), QSize(40, 36)),
         8);

    PopUpAnswer PopUpResponse;
    frmPopUp question(skin, PopUpResponse, &contents);
    question.CallPop("Marking",
                     "You have not answered all the questions.  Do you still want to mark your "
                     "practice?",
                     2, &contents);
    question.show();
    question.activateWindow();
    settle();
    cursor = question.But2()->screenRect().center();
    question.frame().ticker().tickNow();
    settle();
    save(out, "popup_two_buttons.png", question.geometry().adjusted(-10, -10, 10, 10), 2);
    save(out, "popup_bottom_corners.png",
         QRect(question.geometry().bottomLeft() - QPoint(0, 12), QSize(24, 13)), 12);
    save(out, "frame_windows_with_popup.png", QRect(0, 0, 1000, 520));
    question.hide();

    frmPopUp notice(skin, PopUpResponse, &practice);
    notice.CallPop("Orvanta", "Paper saved", 1, &practice);
    notice.show();
    notice.activateWindow();
    settle();
    save(out, "popup_one_button.png", notice.geometry().adjusted(-10, -10, 10, 10), 2);

    frmPopUp shortOne(skin, PopUpResponse, &practice);
    shortOne.CallPop("Close Practice", "Confirm?", 2, &practice);
    notice.hide();
    shortOne.show();
    shortOne.activateWindow();
    settle();
    save(out, "popup_confirm.png", shortOne.geometry().adjusted(-10, -10, 10, 10), 2);
    shortOne.hide();

    // Drag the practice window by its top bar with the right button.
    const QPoint before = practice.pos();
    QWidget* bar = practiceFrame.controls().BTopCentre;
    QTest::mousePress(bar, Qt::RightButton, {}, QPoint(50, 10));
    QTest::mouseMove(bar, QPoint(90, 40));
    QTest::mouseRelease(bar, Qt::RightButton, {}, QPoint(90, 40));
    settle();
    log << "right-button drag moved the practice window by " << (practice.pos() - before).x() << ","
        << (practice.pos() - before).y() << '\n';
    save(out, "frame_after_drag.png", QRect(0, 0, 1000, 520));
    return 0;
}
