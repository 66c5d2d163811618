#include "tests/ui_frame/test_pictures.h"
#include "ui_frame/pop_up.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// Placeholder layout: a 300 x 160 pop-up, a 30 px top bar, a 32 px icon and
// 80 x 25 buttons give icon (16, 46), message left 58, buttons top 119.
constexpr int kMessageLeft = 58;
constexpr int kIconTop = 46;
constexpr int kButtonTop = 119;

class PopUpTest : public ::testing::Test {
protected:
    PopUpTest() { owner.setGeometry(100, 100, 600, 400); }

    SkinFixture fixture;
    QWidget owner;
    PopUpAnswer PopUpResponse; // no answer until a button is chosen
    frmPopUp popUp{fixture.skin(), PopUpResponse, &owner};
};

TEST_F(PopUpTest, loadLaysOutIconMessageAndButtonsInsideTheRoundedFrame) {
    EXPECT_EQ(popUp.size(), QSize(300, 160));
    EXPECT_EQ(popUp.lblTitle()->x(), 16);
    EXPECT_EQ(popUp.ImgInfo()->geometry(), QRect(16, kIconTop, 32, 32));
    EXPECT_EQ(popUp.ImgInfo()->pictureName(), "info_mark.gif");
    EXPECT_EQ(popUp.lblMessage()->pos(), QPoint(kMessageLeft, kIconTop));
    EXPECT_TRUE(popUp.lblMessage()->wordWrap());
    EXPECT_EQ(popUp.But1()->geometry(), QRect(kMessageLeft, kButtonTop, 80, 25));
    EXPECT_EQ(popUp.But2()->y(), kButtonTop);
    EXPECT_EQ(popUp.But2_lbl()->text(), "Cancel");
    EXPECT_EQ(popUp.frame().controls().BBotLeft->pictureName(), "Border_bot_left.gif");
    EXPECT_EQ(popUp.frame().controls().BBotLeft->geometry(), QRect(0, 152, 8, 8));
    EXPECT_FALSE(popUp.mask().contains(QPoint(0, 159)));
    EXPECT_FALSE(popUp.mask().contains(QPoint(299, 159)));
    EXPECT_TRUE(popUp.mask().contains(QPoint(150, 159)));
    EXPECT_EQ(popUp.frame().controls().imgProgClose, nullptr);
}

TEST_F(PopUpTest, oneButtonIsCentredAndReadsOk) {
    popUp.CallPop("Orvanta", "Paper saved", 1, &owner);
    EXPECT_EQ(popUp.lblTitle()->text(), "Orvanta");
    EXPECT_EQ(popUp.lblMessage()->text(), "Paper saved");
    EXPECT_FALSE(popUp.But1()->isHidden());
    EXPECT_TRUE(popUp.But2()->isHidden());
    EXPECT_EQ(popUp.But1()->x(), (300 - 80) / 2);
    EXPECT_EQ(popUp.But1_lbl()->text(), "OK");
}

TEST_F(PopUpTest, twoButtonsStartAtTheMessageAndReadYesNo) {
    popUp.CallPop("Close Practice", "Confirm?", 2, &owner);
    EXPECT_FALSE(popUp.But1()->isHidden());
    EXPECT_FALSE(popUp.But2()->isHidden());
    EXPECT_EQ(popUp.But1()->x(), kMessageLeft);
    EXPECT_EQ(popUp.But2()->x(), kMessageLeft + 80 + 10);
    EXPECT_EQ(popUp.But1_lbl()->text(), "Yes");
    EXPECT_EQ(popUp.But2_lbl()->text(), "No");
}

TEST_F(PopUpTest, messagesShorterThan33CharactersDropBy7Pixels) {
    struct Case {
        QString message;
        int top;
    };
    for (const Case& c : {Case{QString(32, 'x'), kIconTop + 7}, Case{QString(33, 'x'), kIconTop},
                          Case{"Paper saved", kIconTop + 7},
                          Case{"Do you want to mark your practice now?", kIconTop}}) {
        popUp.CallPop("Marking", c.message, 2, &owner);
        EXPECT_EQ(popUp.lblMessage()->y(), c.top) << c.message.size();
        EXPECT_LT(popUp.lblMessage()->geometry().bottom(), kButtonTop);
    }
}

TEST_F(PopUpTest, sitsCentredOnTheWindowThatAsked) {
    popUp.CallPop("Orvanta", "Paper saved", 1, &owner);
    EXPECT_EQ(popUp.pos(), QPoint(100 + (600 - 300) / 2, 100 + (400 - 160) / 2));
    // A control of the window stands for its window.
    auto* control = new QWidget(&owner);
    owner.move(20, 40);
    popUp.CallPop("Orvanta", "Paper saved", 1, control);
    EXPECT_EQ(popUp.pos(), QPoint(20 + 150, 40 + 120));
}

TEST_F(PopUpTest, buttonsAndTheirCaptionsAnswerTrueAndFalse) {
    popUp.CallPop("Close Practice", "Confirm?", 2, &owner);
    popUp.show();
    QTest::mouseClick(popUp.But1(), Qt::LeftButton);
    EXPECT_EQ(PopUpResponseText(PopUpResponse), "True");
    EXPECT_FALSE(popUp.isVisible());

    popUp.show();
    QTest::mouseClick(popUp.But2_lbl(), Qt::LeftButton);
    EXPECT_EQ(PopUpResponseText(PopUpResponse), "False");
    EXPECT_FALSE(popUp.isVisible());

    popUp.CallPop("Orvanta", "Paper saved", 1, &owner);
    PopUpResponse = false;
    popUp.show();
    QTest::mouseClick(popUp.But1_lbl(), Qt::LeftButton);
    EXPECT_EQ(PopUpResponseText(PopUpResponse), "True");
}

TEST_F(PopUpTest, buttonsShowTheirHoverPictureAtEachTick) {
    popUp.CallPop("Close Practice", "Confirm?", 2, &owner);
    popUp.show();
    fixture.moveCursor(popUp.But2()->screenRect().topLeft());
    popUp.frame().ticker().tickNow();
    EXPECT_EQ(popUp.But1()->pictureName(), "button_off.bmp");
    EXPECT_EQ(popUp.But2()->pictureName(), "button_on.bmp");
    fixture.moveCursor(popUp.But2()->screenRect().topRight() + QPoint(1, 0));
    popUp.frame().ticker().tickNow();
    EXPECT_EQ(popUp.But2()->pictureName(), "button_off.bmp");
}

struct KeyCase {
    const char* name;
    int buttons;
    QList<Qt::Key> keys;
    const char* answer;
};

class PopUpKeyTest : public PopUpTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PopUpKeyTest, keyboardChoosesLikeAMessageBox) {
    const KeyCase& c = GetParam();
    popUp.CallPop("Close Practice", "Confirm?", c.buttons, &owner);
    popUp.show();
    popUp.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&popUp));
    ASSERT_TRUE(popUp.But1()->hasFocus());
    for (Qt::Key key : c.keys)
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(PopUpResponseText(PopUpResponse), c.answer);
    EXPECT_FALSE(popUp.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PopUpKeyTest,
    ::testing::Values(
        KeyCase{"enter_chooses_yes", 2, {Qt::Key_Return}, "True"},
        KeyCase{"keypad_enter_chooses_yes", 2, {Qt::Key_Enter}, "True"},
        KeyCase{"space_chooses_yes", 2, {Qt::Key_Space}, "True"},
        KeyCase{"tab_then_space_chooses_no", 2, {Qt::Key_Tab, Qt::Key_Space}, "False"},
        KeyCase{"right_then_enter_chooses_no", 2, {Qt::Key_Right, Qt::Key_Return}, "False"},
        KeyCase{
            "tab_twice_comes_back_to_yes", 2, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, "True"},
        KeyCase{"escape_answers_no", 2, {Qt::Key_Escape}, "False"},
        KeyCase{"escape_dismisses_a_notice", 1, {Qt::Key_Escape}, "True"},
        KeyCase{"enter_dismisses_a_notice", 1, {Qt::Key_Return}, "True"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PopUpTest, focusedButtonShowsAFocusRectangle) {
    popUp.CallPop("Close Practice", "Confirm?", 2, &owner);
    popUp.show();
    popUp.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&popUp));
    auto darkPixelsInRow = [](QWidget* button, int y) {
        const QImage image = button->grab().toImage();
        int dark = 0;
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        return dark;
    };
    EXPECT_GT(darkPixelsInRow(popUp.But1(), 3), 10);
    EXPECT_EQ(darkPixelsInRow(popUp.But2(), 3), 0);
}

TEST_F(PopUpTest, closingByTheWindowManagerAnswersNo) {
    popUp.CallPop("Close Practice", "Confirm?", 2, &owner);
    popUp.show();
    popUp.close();
    EXPECT_EQ(PopUpResponseText(PopUpResponse), "False");
    EXPECT_FALSE(popUp.isVisible());
}

TEST(PopUpMissingPicturesTest, popUpWithoutPicturesStillLaysOutAndAnswers) {
    SkinFixture fixture(false);
    PopUpAnswer response;
    frmPopUp popUp(fixture.skin(), response);
    popUp.CallPop("Marking", "Do you want to mark your practice now?", 2, nullptr);
    popUp.show();
    popUp.frame().ticker().tickNow();
    EXPECT_EQ(popUp.ImgInfo()->size(), QSize(32, 32));
    EXPECT_EQ(popUp.But2()->x(), kMessageLeft + 90);
    EXPECT_FALSE(popUp.grab().isNull());
    QTest::mouseClick(popUp.But2(), Qt::LeftButton);
    EXPECT_EQ(PopUpResponseText(response), "False");
}

TEST(PopUpChannelTest, nextAnswerIsWrittenToTheResponseFieldWithoutShowing) {
    SkinFixture fixture;
    PopUpAnswer PopUpResponse;
    PopUpChannel channel(fixture.skin(), PopUpResponse);
    channel.setNextAnswer(false);
    EXPECT_FALSE(channel.ask("Close Practice", "Confirm?", 2, nullptr));
    EXPECT_EQ(PopUpResponseText(PopUpResponse), "False");
    EXPECT_EQ(channel.lastTitle(), "Close Practice");
    EXPECT_EQ(channel.lastMessage(), "Confirm?");
    EXPECT_EQ(channel.lastButtonCount(), 2);

    channel.setNextAnswer(true);
    EXPECT_TRUE(channel.ask("Marking", "Do you want to mark your practice now?", 2, nullptr));
    EXPECT_EQ(PopUpResponseText(channel.answer()), "True");
    EXPECT_EQ(channel.askedCount(), 2);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST(PopUpAnswerTest, onlyTrueAndFalseReadAsAnswers) {
    // The answer as text is what the windows compared before; a text the
    // pop-up never writes must not read as a Yes.
    const std::pair<const char*, PopUpAnswer> cases[] = {
        {"True", true},        {"False", false},    {"", std::nullopt},      {"true", std::nullopt},
        {"Yes", std::nullopt}, {"1", std::nullopt}, {"True ", std::nullopt},
    };
    for (const auto& [text, answer] : cases) {
        EXPECT_EQ(PopUpAnswerOf(QString::fromUtf8(text)), answer) << '"' << text << '"';
        EXPECT_EQ(PopUpResponseText(answer), answer ? text : "") << '"' << text << '"';
    }
}

} // namespace
