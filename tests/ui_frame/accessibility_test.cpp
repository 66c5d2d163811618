// What assistive technology learns about the self-drawn controls: picture
// buttons are buttons named by their captions with a press action that
// honours the enable, and the pop-up is an alert that reads its message.
#include "tests/ui_frame/test_pictures.h"
#include "ui_frame/accessibility.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/pop_up.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString nameOf(QWidget* widget) {
    return accessible(widget)->text(QAccessible::Name);
}

class AccessibleButtonTest : public testing::Test {
protected:
    SkinFixture fixture;
    QWidget window;
    PictureButton* button = new PictureButton(fixture.skin().pictures, &window);
};

TEST_F(AccessibleButtonTest, isAButtonNamedByItsCaptionUnlessNamedOtherwise) {
    EXPECT_EQ(accessible(button)->role(), QAccessible::Button);
    EXPECT_EQ(nameOf(button), "");
    button->setCaption(QStringLiteral("Yes"));
    EXPECT_EQ(nameOf(button), "Yes");
    button->setAccessibleName(QStringLiteral("Paper 1, first attempt"));
    EXPECT_EQ(nameOf(button), "Paper 1, first attempt");
    button->setToolTip(QStringLiteral("Load paper 1"));
    EXPECT_EQ(accessible(button)->text(QAccessible::Description), "Load paper 1");
}

TEST_F(AccessibleButtonTest, pressActionClicksOnlyAnEnabledButton) {
    QSignalSpy clicks(button, &PictureButton::clicked);
    QAccessibleActionInterface* actions = accessible(button)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);

    button->setEnabled(false);
    EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    button->activate();
    EXPECT_EQ(clicks.count(), 1) << "a disabled button is not pressed";
}

TEST_F(AccessibleButtonTest, spaceAndEnterClickAFocusedButtonOnceEach) {
    button->setFocusPolicy(Qt::TabFocus);
    window.show();
    button->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(button, &PictureButton::clicked);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QTest::keyClick(button, Qt::Key_A);
    EXPECT_EQ(clicks.count(), 3);
}

TEST(ToolTipShortcutTest, followsTheTipInBrackets) {
    EXPECT_EQ(toolTipWithShortcut(QStringLiteral("Next question"), QStringLiteral("Alt+N")),
              "Next question (Alt+N)");
    EXPECT_EQ(toolTipWithShortcut(QStringLiteral("Save paper"), QStringLiteral("Ctrl+S")),
              "Save paper (Ctrl+S)");
}

TEST(AccessiblePopUpTest, isAnAlertNamedByItsTitleWithItsMessageOnEveryButton) {
    SkinFixture fixture;
    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    PopUpAnswer response;
    frmPopUp popUp(fixture.skin(), response, &owner);
    popUp.CallPop(QStringLiteral("Marking"),
                  QStringLiteral("Do you want to mark your practice now?"), 2, &owner);
    EXPECT_EQ(accessible(&popUp)->role(), QAccessible::AlertMessage);
    EXPECT_EQ(nameOf(&popUp), "Marking");
    EXPECT_EQ(accessible(&popUp)->text(QAccessible::Description),
              "Do you want to mark your practice now?");
    EXPECT_EQ(nameOf(popUp.But1()), "Yes");
    EXPECT_EQ(nameOf(popUp.But2()), "No");
    EXPECT_EQ(accessible(popUp.But2())->text(QAccessible::Description),
              "Do you want to mark your practice now?");

    QWidget* focused = nullptr;
    QTimer::singleShot(0, &popUp, [&] {
        popUp.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&popUp));
        focused = QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    popUp.exec();
    EXPECT_EQ(focused, popUp.But1());
    EXPECT_EQ(PopUpResponseText(response), "False") << "the arrow moved to No";
}

} // namespace
