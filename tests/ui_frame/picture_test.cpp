#include "tests/ui_frame/test_pictures.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/picture_source.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

TEST(PictureSourceTest, readsBmpGifAndIcoByNameIgnoringLetterCase) {
    TempAppFolder app;
    writeBmp(app.folder().graphicsFile("pencil.bmp"), QSize(7, 9), Qt::red);
    writeGif(app.folder().graphicsFile("info_mark.gif"), QSize(32, 30), Qt::blue);
    const PictureSource source(app.folder().graphicsFolder());

    EXPECT_EQ(source.picture("pencil.bmp").size(), QSize(7, 9));
    EXPECT_EQ(source.picture("Pencil.BMP").size(), QSize(7, 9));
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    ASSERT_TRUE(icon.save(app.folder().graphicsFile("OVicon.ico"), "ICO"));
    EXPECT_EQ(source.picture("OVicon.ico").size(), QSize(16, 16));
    const QImage gif = source.picture("info_mark.gif").toImage();
    ASSERT_EQ(gif.size(), QSize(32, 30));
    EXPECT_EQ(gif.pixelColor(31, 29), QColor(Qt::blue));
}

TEST(PictureSourceTest, missingOrDamagedPictureIsNullNotAnError) {
    TempAppFolder app;
    writeBytes(app.folder().graphicsFile("damaged.bmp"), "BM not really a bitmap");
    writeBytes(app.folder().graphicsFile("empty.gif"), "");
    const PictureSource source(app.folder().graphicsFolder());
    EXPECT_TRUE(source.picture("absent.bmp").isNull());
    EXPECT_TRUE(source.picture("damaged.bmp").isNull());
    EXPECT_TRUE(source.picture("empty.gif").isNull());
    EXPECT_TRUE(source.picture("").isNull());
    EXPECT_TRUE(PictureSource("/no/such/folder").picture("x.bmp").isNull());
}

TEST(PictureSourceTest, showsTheFileAsItNowIsAfterItChanges) {
    TempAppFolder app;
    const QString file = app.folder().graphicsFile("button_on.bmp");
    writeBmp(file, QSize(10, 10), Qt::red);
    const PictureSource source(app.folder().graphicsFolder());
    ASSERT_EQ(source.picture("button_on.bmp").size(), QSize(10, 10));

    writeBmp(file, QSize(20, 5), Qt::green);
    EXPECT_EQ(source.picture("button_on.bmp").size(), QSize(20, 5));
    QFile::remove(file);
    EXPECT_TRUE(source.picture("button_on.bmp").isNull());
}

TEST(PictureBoxTest, aMiddleStretchedPanelKeepsItsEnds) {
    TempAppFolder app;
    // A 40 x 20 panel: red ends of 10 pixels, a blue middle.
    QImage panel(40, 20, QImage::Format_RGB32);
    panel.fill(Qt::blue);
    for (int y = 0; y < 20; ++y) {
        for (int x : {0, 9, 30, 39})
            panel.setPixelColor(x, y, Qt::red);
    }
    ASSERT_TRUE(QDir().mkpath(app.folder().graphicsFolder()));
    ASSERT_TRUE(panel.save(app.folder().graphicsFile("panel.bmp"), "BMP"));
    auto source = std::make_shared<const PictureSource>(app.folder().graphicsFolder());
    for (int width : {24, 40, 90}) {
        PictureBox box(source, nullptr, PictureBox::Sizing::StretchMiddle);
        box.setPicture("panel.bmp");
        box.resize(width, 20);
        EXPECT_EQ(box.size(), QSize(width, 20)) << "keeps the size it is given";
        const QImage drawn = box.grab().toImage();
        // The outer columns of each end stay where they are; the middle is blue.
        EXPECT_EQ(drawn.pixelColor(0, 10), QColor(Qt::red)) << width;
        EXPECT_EQ(drawn.pixelColor(width - 1, 10), QColor(Qt::red)) << width;
        if (width >= 40) {
            EXPECT_EQ(drawn.pixelColor(9, 10), QColor(Qt::red)) << width;
            EXPECT_EQ(drawn.pixelColor(width - 10, 10), QColor(Qt::red)) << width;
            EXPECT_EQ(drawn.pixelColor(width / 2, 10), QColor(Qt::blue)) << width;
        }
    }
}

struct LookCase {
    const char* name;
    bool enabled;
    bool underCursor;
    bool pressTrack;
    const char* expected;
};

class ButtonPictureTest : public ::testing::TestWithParam<LookCase> {};

TEST_P(ButtonPictureTest, pictureFollowsStateCursorAndPress) {
    const LookCase& c = GetParam();
    const ButtonPictures four{"save_off.bmp", "save_on.bmp", "save_pressed.bmp",
                              "save_disabled.bmp"};
    EXPECT_EQ(buttonPicture(four, c.enabled, c.underCursor, c.pressTrack),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ButtonPictureTest,
    ::testing::Values(LookCase{"outside", true, false, false, "save_off.bmp"},
                      LookCase{"outside_while_pressed", true, false, true, "save_off.bmp"},
                      LookCase{"hover", true, true, false, "save_on.bmp"},
                      LookCase{"pressed", true, true, true, "save_pressed.bmp"},
                      LookCase{"disabled", false, false, false, "save_disabled.bmp"},
                      LookCase{"disabled_under_press", false, true, true, "save_disabled.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonPictureTest, missingLooksFallBackToOffAndOn) {
    const ButtonPictures twoState{"button_off.bmp", "button_on.bmp", {}, {}};
    EXPECT_EQ(buttonPicture(twoState, false, true, false), "button_off.bmp");
    EXPECT_EQ(buttonPicture(twoState, true, true, true), "button_on.bmp");
}

class PictureButtonTest : public ::testing::Test {
protected:
    PictureButtonTest() {
        window.setGeometry(100, 100, 300, 200);
        button = new PictureButton(fixture.skin().pictures, &window);
        button->setPictures({"button_off.bmp", "button_on.bmp", "prog_blue_max.bmp", {}});
        button->move(40, 30);
        window.show();
    }
    SkinFixture fixture;
    QWidget window;
    PictureButton* button;
};

TEST_F(PictureButtonTest, takesThePictureSizeAndTheHoverRuleEdges) {
    button->updateLook(QPoint(0, 0));
    EXPECT_EQ(button->pictureName(), "button_off.bmp");
    EXPECT_EQ(button->size(), kButton);
    const QPoint topLeft = window.mapToGlobal(QPoint(40, 30));
    struct Probe {
        QPoint offset;
        bool inside;
    };
    for (const Probe& probe :
         {Probe{{0, 0}, true}, Probe{{79, 24}, true}, Probe{{80, 10}, false},
          Probe{{10, 25}, false}, Probe{{-1, 10}, false}, Probe{{10, -1}, false}}) {
        button->updateLook(topLeft + probe.offset);
        EXPECT_EQ(button->pictureName(), probe.inside ? "button_on.bmp" : "button_off.bmp")
            << probe.offset.x() << "," << probe.offset.y();
    }
    button->updateLook(topLeft, true);
    EXPECT_EQ(button->pictureName(), "prog_blue_max.bmp");
}

TEST_F(PictureButtonTest, anyButtonPressesButOnlyTheLeftClicks) {
    QSignalSpy pressed(button, &PictureButton::pressed);
    QSignalSpy released(button, &PictureButton::released);
    QSignalSpy clicked(button, &PictureButton::clicked);
    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(released.count(), 1);
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    // A release away from the button is no click.
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(released.count(), 3);
}

TEST_F(PictureButtonTest, disabledButtonShowsItsLookAndIgnoresClicksAlsoOnItsCaption) {
    auto* caption = new QLabel("Save", &window);
    caption->setGeometry(40, 60, 80, 15);
    button->forwardClicksFrom(caption);
    button->setCaption("On it");
    QSignalSpy clicked(button, &PictureButton::clicked);
    QTest::mouseClick(caption, Qt::LeftButton);
    QTest::mouseClick(button->captionLabel(), Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 2);

    button->setPictures({"button_off.bmp", "button_on.bmp", {}, "prog_white_close.bmp"});
    button->setEnabled(false);
    button->updateLook(button->screenRect().center());
    EXPECT_EQ(button->pictureName(), "prog_white_close.bmp");
    QTest::mouseClick(caption, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 2);
}

TEST_F(PictureButtonTest, missingPictureKeepsTheFallbackSizeAndPaints) {
    button->setFallbackSize(QSize(44, 45));
    button->setPicture("absent.bmp");
    EXPECT_FALSE(button->hasPicture());
    EXPECT_EQ(button->size(), QSize(44, 45));
    EXPECT_FALSE(window.grab().isNull());
}

} // namespace
