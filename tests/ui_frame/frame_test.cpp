#include "tests/ui_frame/test_pictures.h"
#include "ui_frame/skinned_frame.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A top-level window wearing a skinned frame, as the program's windows do.
struct SkinnedWindow {
    SkinnedWindow(const SkinFixture& fixture, FrameKind kind, QSize size = QSize(400, 300)) {
        window.setGeometry(QRect(QPoint(120, 80), size));
        frame = new SkinnedFrame(&window, kind, fixture.skin());
        frame->setTitle("Fractions - Paper 3");
    }
    const FrameControls& c() const { return frame->controls(); }
    QWidget window;
    SkinnedFrame* frame;
};

QColor titleColour(const QLabel* title) {
    return title->palette().color(QPalette::WindowText);
}

TEST(SkinnedFrameTest, isFramelessAndLaysTheMainWindowFrameOutAroundItsEdges) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::MainWindow);
    const FrameControls& c = w.c();
    EXPECT_TRUE(w.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(c.BTopLeft->geometry(), QRect(0, 0, 12, 30));
    EXPECT_EQ(c.BTopCentre->geometry(), QRect(12, 0, 376, 30));
    EXPECT_EQ(c.BTopRight->geometry(), QRect(388, 0, 12, 30));
    EXPECT_EQ(c.BBotLeft->geometry(), QRect(0, 294, 7, 6));
    EXPECT_EQ(c.BLeft->geometry(), QRect(0, 30, 5, 264));
    EXPECT_EQ(c.BBotRight->geometry(), QRect(393, 294, 7, 6));
    EXPECT_EQ(c.BRight->geometry(), QRect(395, 30, 5, 264));
    EXPECT_EQ(c.BBot->geometry(), QRect(7, 294, 386, 6));
    // Close 60 twips from the right edge, minimise 30 twips to its left, centred on the bar.
    EXPECT_EQ(c.imgProgClose->geometry(), QRect(375, 5, 21, 19));
    EXPECT_EQ(c.imgProgMin->geometry(), QRect(352, 5, 21, 19));
    EXPECT_EQ(c.imgProgMax, nullptr);
    EXPECT_EQ(c.Title->x(), 30);
    EXPECT_EQ(c.Title->text(), "Fractions - Paper 3");
    EXPECT_EQ(w.window.windowTitle(), "Fractions - Paper 3");
    EXPECT_EQ(c.ImgIco->x(), 9);
    EXPECT_LE(c.Title->geometry().right(), c.imgProgMin->x());
}

TEST(SkinnedFrameTest, practiceWindowHasMaximiseBetweenCloseAndMinimise) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::PracticeWindow);
    EXPECT_EQ(w.c().imgProgClose->x(), 400 - 21 - 5);
    EXPECT_EQ(w.c().imgProgMax->x(), 374 - 21 - 2);
    EXPECT_EQ(w.c().imgProgMin->x(), 351 - 21 - 2);
}

TEST(SkinnedFrameTest, resizeMovesTheFrameAndTheRoundedOutline) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::PracticeWindow);
    w.window.show();
    w.window.resize(640, 480);
    EXPECT_EQ(w.window.mask().boundingRect(), QRect(0, 0, 640, 480));
    EXPECT_FALSE(w.window.mask().contains(QPoint(639, 0)));
    EXPECT_FALSE(w.window.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(w.window.mask().contains(QPoint(639, 479)));
    EXPECT_EQ(w.c().BTopRight->x(), 628);
    EXPECT_EQ(w.c().BBot->width(), 640 - 14);
    EXPECT_EQ(w.c().imgProgClose->x(), 640 - 21 - 5);
}

TEST(SkinnedFrameTest, activationPaintsBlueAndWhiteLooksAndKeepsTheFocusField) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::PracticeWindow);
    const FrameControls& c = w.c();
    EXPECT_EQ(w.frame->focusField(), "0");
    EXPECT_EQ(c.BTopLeft->pictureName(), "border_white_top_left.bmp");

    w.frame->paintActivation(true);
    EXPECT_EQ(w.frame->focusField(), "1");
    EXPECT_EQ(titleColour(c.Title), QColor(255, 255, 255));
    EXPECT_EQ(c.BTopLeft->pictureName(), "border_top_left.bmp");
    EXPECT_EQ(c.BTopCentre->pictureName(), "border_top_center.bmp");
    EXPECT_EQ(c.BTopRight->pictureName(), "border_top_right.bmp");
    EXPECT_EQ(c.imgProgClose->pictureName(), "prog_blueoff_close.bmp");
    EXPECT_EQ(c.imgProgMax->pictureName(), "prog_blueoff_max.bmp");
    EXPECT_EQ(c.imgProgMin->pictureName(), "prog_blueoff_min.bmp");

    w.frame->paintActivation(false);
    EXPECT_EQ(w.frame->focusField(), "0");
    EXPECT_EQ(titleColour(c.Title), QColor(128, 128, 128));
    EXPECT_EQ(c.BTopLeft->pictureName(), "border_white_top_left.bmp");
    EXPECT_EQ(c.BTopCentre->pictureName(), "border_white_top_center.bmp");
    EXPECT_EQ(c.BTopRight->pictureName(), "border_white_top_right.bmp");
    EXPECT_EQ(c.imgProgClose->pictureName(), "prog_white_close.bmp");
    EXPECT_EQ(c.imgProgMax->pictureName(), "prog_white_max.bmp");
    EXPECT_EQ(c.imgProgMin->pictureName(), "prog_white_min.bmp");
}

TEST(SkinnedFrameTest, windowActivationEventsDriveThePainting) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::MainWindow);
    w.window.show();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    EXPECT_EQ(w.frame->focusField(), "1");
    EXPECT_EQ(w.c().BTopCentre->pictureName(), "border_top_center.bmp");

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(w.frame->focusField(), "0");
    EXPECT_EQ(w.c().BTopCentre->pictureName(), "border_white_top_center.bmp");
}

TEST(SkinnedFrameTest, titleBarHoverUsesTheRectangleEdgesOnlyWhileActive) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::MainWindow);
    w.window.show();
    const QRect close = w.c().imgProgClose->screenRect();
    const QRect min = w.c().imgProgMin->screenRect();
    w.frame->paintActivation(true);

    struct Probe {
        const char* name;
        QPoint cursor;
        const char* close;
        const char* min;
    };
    for (const Probe& p : {
             Probe{"close_top_left", close.topLeft(), "prog_blue_close.bmp",
                   "prog_blueoff_min.bmp"},
             Probe{"close_bottom_right_pixel", close.bottomRight(), "prog_blue_close.bmp",
                   "prog_blueoff_min.bmp"},
             Probe{"close_right_edge", close.topRight() + QPoint(1, 0), "prog_blueoff_close.bmp",
                   "prog_blueoff_min.bmp"},
             Probe{"close_bottom_edge", close.bottomLeft() + QPoint(0, 1), "prog_blueoff_close.bmp",
                   "prog_blueoff_min.bmp"},
             Probe{"min_inside", min.center(), "prog_blueoff_close.bmp", "prog_blue_min.bmp"},
         }) {
        fixture.moveCursor(p.cursor);
        w.frame->ticker().tickNow();
        EXPECT_EQ(w.c().imgProgClose->pictureName(), p.close) << p.name;
        EXPECT_EQ(w.c().imgProgMin->pictureName(), p.min) << p.name;
    }

    w.frame->paintActivation(false);
    fixture.moveCursor(close.center());
    w.frame->ticker().tickNow();
    EXPECT_EQ(w.c().imgProgClose->pictureName(), "prog_white_close.bmp");
    EXPECT_EQ(w.c().imgProgMin->pictureName(), "prog_white_min.bmp");
}

TEST(SkinnedFrameTest, windowHoverWorkRunsEachTickWithTheSameCursor) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::MainWindow);
    QSignalSpy ticks(w.frame, &SkinnedFrame::hoverTick);
    fixture.moveCursor(QPoint(7, 9));
    w.frame->ticker().tickNow();
    ASSERT_EQ(ticks.count(), 1);
    EXPECT_EQ(ticks.at(0).at(0).toPoint(), QPoint(7, 9));
    EXPECT_FALSE(w.frame->ticker().isActive());
    w.window.show();
    EXPECT_TRUE(w.frame->ticker().isActive());
    w.window.hide();
    EXPECT_FALSE(w.frame->ticker().isActive());
}

TEST(SkinnedFrameTest, maximisedWindowShowsTheRestorePairAndRestores) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::PracticeWindow);
    w.window.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    ASSERT_TRUE(w.window.isMaximized());
    w.frame->paintActivation(true);
    PictureButton* max = w.c().imgProgMax;

    fixture.moveCursor(QPoint(-50, -50));
    w.frame->ticker().tickNow();
    EXPECT_EQ(max->pictureName(), "prog_blueoff_norm.bmp");
    fixture.moveCursor(max->screenRect().center());
    w.frame->ticker().tickNow();
    EXPECT_EQ(max->pictureName(), "prog_blue_norm.bmp");

    QTest::mouseClick(max, Qt::LeftButton);
    EXPECT_FALSE(w.window.isMaximized());
    fixture.moveCursor(max->screenRect().center());
    w.frame->ticker().tickNow();
    EXPECT_EQ(max->pictureName(), "prog_blue_max.bmp");
    QTest::mouseClick(max, Qt::LeftButton);
    EXPECT_TRUE(w.window.isMaximized());
}

TEST(SkinnedFrameTest, minimiseMinimisesAndCloseIsLeftToTheWindow) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::MainWindow);
    w.window.show();
    QSignalSpy closeClicks(w.frame, &SkinnedFrame::closeClicked);
    QTest::mouseClick(w.c().imgProgClose, Qt::LeftButton);
    EXPECT_EQ(closeClicks.count(), 1);
    EXPECT_TRUE(w.window.isVisible());
    QTest::mouseClick(w.c().imgProgMin, Qt::LeftButton);
    EXPECT_TRUE(w.window.isMinimized());
}

TEST(SkinnedFrameTest, anyMouseButtonOnTheTopBarOrTitleDragsTheWindow) {
    SkinFixture fixture;
    SkinnedWindow w(fixture, FrameKind::MainWindow);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    struct Drag {
        QWidget* handle;
        Qt::MouseButton button;
    };
    for (const Drag& d :
         {Drag{w.c().BTopCentre, Qt::RightButton}, Drag{w.c().Title, Qt::LeftButton},
          Drag{w.c().BTopLeft, Qt::MiddleButton}}) {
        const QPoint start = w.window.pos();
        QTest::mousePress(d.handle, d.button, {}, QPoint(5, 5));
        QTest::mouseMove(d.handle, QPoint(35, 25));
        EXPECT_EQ(w.window.pos(), start + QPoint(30, 20)) << d.handle->objectName().toStdString();
        QTest::mouseRelease(d.handle, d.button, {}, QPoint(35, 25));
    }
    // The body of the window is no handle.
    const QPoint start = w.window.pos();
    QTest::mousePress(&w.window, Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mouseMove(&w.window, QPoint(230, 170));
    QTest::mouseRelease(&w.window, Qt::LeftButton, {}, QPoint(230, 170));
    EXPECT_EQ(w.window.pos(), start);
}

TEST(SkinnedFrameTest, missingPicturesLeaveAWorkingWindow) {
    SkinFixture fixture(false);
    SkinnedWindow w(fixture, FrameKind::PracticeWindow);
    w.window.show();
    w.frame->paintActivation(true);
    fixture.moveCursor(w.c().imgProgClose->screenRect().center());
    w.frame->ticker().tickNow();
    w.window.resize(500, 400);
    EXPECT_EQ(w.c().imgProgClose->pictureName(), "prog_blue_close.bmp");
    EXPECT_FALSE(w.c().imgProgClose->hasPicture());
    EXPECT_GT(w.c().BTopCentre->height(), 0);
    EXPECT_GT(w.c().imgProgClose->width(), 0);
    EXPECT_FALSE(w.window.grab().isNull());
}

} // namespace
