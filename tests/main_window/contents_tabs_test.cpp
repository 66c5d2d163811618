#include "contents_fixture.h"
#include "main_window/about_page.h"
#include "main_window/click_label.h"
#include "main_window/erase_page.h"
#include "main_window/home_page.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/pop_up.h"
#include "ui_frame/skinned_frame.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

class TabsTest : public ContentsTest {
protected:
    void SetUp() override {
        start();
        showWindow();
    }
    QStringList toolbarCaptions() {
        QStringList captions;
        for (int i = 0; i < 4; ++i)
            captions << (c().ToolBar[i]->isVisible() ? c().lblTB[i]->text() : QString());
        return captions;
    }
    QStringList toolbarTips() {
        QStringList tips;
        for (int i = 0; i < 4; ++i) {
            if (!c().ToolBar[i]->isVisible())
                continue;
            EXPECT_EQ(c().lblTB[i]->toolTip(), c().ToolBar[i]->toolTip());
            tips << c().ToolBar[i]->toolTip();
        }
        return tips;
    }
};

TEST_F(TabsTest, theHelpTabTurnsTheToolbarIntoAboutTrashAndSetupAndBack) {
    click(c().Tab[1]);
    EXPECT_EQ(c().LChose(), "2");
    click(c().Tab[3]);

    EXPECT_EQ(c().txtTabPos(), "4");
    EXPECT_EQ(c().txtToolBarPos(), "1");
    EXPECT_EQ(c().LChose(), "2");
    EXPECT_EQ(toolbarCaptions(), QStringList({"About", "Trash", "", "Setup"}));
    EXPECT_EQ(toolbarTips(), QStringList({"About Orvanta", "Trash past results", "Printer Setup"}));
    EXPECT_TRUE(c().Body_About->isVisible());
    EXPECT_FALSE(c().Body_Home->isVisible());

    click(c().Tab[0]);
    EXPECT_EQ(toolbarCaptions(), QStringList({"Home", "Report", "Print", "Close"}));
    EXPECT_EQ(toolbarTips(), QStringList({"Load Home page", "Load Report card", "Print results",
                                          "Close program"}));
    EXPECT_TRUE(c().Body_Home->isVisible());
    EXPECT_FALSE(c().Body_About->isVisible());
}

TEST_F(TabsTest, printAndSetupLeaveThePageOnScreenAndReportShowsTheReport) {
    int setUps = 0;
    c().resultsPrinter() =
        ResultsPrinter(popUpMessages(c().popUps(), &c()),
                       PrintDialogs{[&](QPrinter&, QWidget*) { return ++setUps, false; },
                                    [](QWidget*, const QString&) { return QString(); }},
                       &c());

    // No printer here: Print offers a PDF file, which the pupil declines.
    c().popUps().setNextAnswer(false);
    click(c().ToolBar[2]);
    EXPECT_EQ(c().txtToolBarPos(), "3");
    EXPECT_EQ(c().popUps().lastTitle(), "Print");
    EXPECT_TRUE(c().Body_Home->isVisible());

    click(c().ToolBar[1]);
    EXPECT_EQ(c().txtToolBarPos(), "2");
    EXPECT_TRUE(c().Body_Report->isVisible());
    EXPECT_FALSE(c().Body_Home->isVisible());

    click(c().Tab[3]);
    click(c().ToolBar[3]);
    EXPECT_EQ(c().txtToolBarPos(), "4");
    EXPECT_EQ(setUps, 1);
    EXPECT_TRUE(c().Body_About->isVisible());
    click(c().Tab[3]);
    EXPECT_EQ(c().txtToolBarPos(), "1");
}

TEST_F(TabsTest, aSubjectTabOpensTheReportAtItsFirstSectionAgain) {
    click(c().ToolBar[1]);
    c().setTxtReportPos("3"); // as a click on the third section's bar leaves it
    click(c().ToolBar[0]);
    click(c().ToolBar[1]);
    EXPECT_EQ(c().Body_Report->reportPos(), "3");
    click(c().Tab[1]);
    click(c().ToolBar[1]);
    EXPECT_EQ(c().Body_Report->reportPos(), "1");
}

TEST_F(TabsTest, aReportPositionSetAsTextOpensTheSectionThePageReadsFromIt) {
    // Texts other than "1" and "2" open Trend Analysis on the page; the
    // field then reads "3", the section that is open.
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1"}, {"2", "2"}, {"3", "3"}, {"7", "3"}, {"", "3"}, {"x", "3"}, {" 1", "3"},
    };
    for (const auto& [text, reads] : cases) {
        c().setTxtReportPos(QString::fromUtf8(text));
        EXPECT_EQ(c().txtReportPos(), reads) << '"' << text << '"';
        click(c().ToolBar[1]);
        EXPECT_EQ(c().Body_Report->reportPos(), reads) << '"' << text << '"';
        EXPECT_EQ(c().Body_Report->openSection(), ReportSectionOf(QString::fromUtf8(text)));
    }
}

TEST_F(TabsTest, aPressOnOneToolbarButtonShowsWhicheverButtonIsUnderThePointerPressed) {
    moveCursorTo(c().ToolBar[1]);
    QTest::mousePress(c().ToolBar[1], Qt::LeftButton, {}, c().ToolBar[1]->rect().center());
    EXPECT_EQ(c().txtPressTrack(), "1");
    tick();
    EXPECT_EQ(c().ToolBar[1]->pictureName(), "report_pressed.bmp");

    moveCursorTo(c().ToolBar[0]);
    tick();
    EXPECT_EQ(c().ToolBar[0]->pictureName(), "home_pressed.bmp");
    EXPECT_EQ(c().ToolBar[1]->pictureName(), "report_off.bmp");

    // Released over another button: no command, and the pressed look ends.
    QTest::mouseRelease(c().ToolBar[1], Qt::LeftButton, {}, QPoint(-30, 10));
    EXPECT_EQ(c().txtPressTrack(), "0");
    EXPECT_EQ(c().txtToolBarPos(), "1");
    tick();
    EXPECT_EQ(c().ToolBar[0]->pictureName(), "home_on.bmp");

    // Any mouse button counts as a press.
    QTest::mousePress(c().ToolBar[3], Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(c().txtPressTrack(), "1");
    QTest::mouseRelease(c().ToolBar[3], Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(c().txtPressTrack(), "0");
}

TEST_F(TabsTest, tabsShowFrontAndBackPicturesAndTheirHoverLook) {
    moveCursorTo(c().Tab[0]);
    tick();
    EXPECT_EQ(c().Tab[0]->pictureName(), "tabs_front_on.bmp");
    EXPECT_EQ(c().Tab[1]->pictureName(), "tabs_back_off.bmp");

    moveCursorTo(c().Tab[2]);
    tick();
    EXPECT_EQ(c().Tab[0]->pictureName(), "tabs_front_off.bmp");
    EXPECT_EQ(c().Tab[2]->pictureName(), "tabs_back_on.bmp");

    c().TabClick(3);
    tick();
    EXPECT_EQ(c().Tab[2]->pictureName(), "tabs_front_on.bmp");
    EXPECT_EQ(c().Tab[0]->pictureName(), "tabs_back_off.bmp");
}

TEST_F(TabsTest, theKeyboardReachesTheTabsAndEnterChoosesOne) {
    c().activateWindow();
    c().Tab[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c().Tab[2], Qt::Key_Return);
    EXPECT_EQ(c().txtTabPos(), "3");
    EXPECT_EQ(c().LChose(), "3");
    c().ToolBar[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c().ToolBar[0], Qt::Key_Space);
    EXPECT_TRUE(c().Body_Home->isVisible());
    EXPECT_EQ(c().Tab[0]->focusPolicy(), Qt::TabFocus);
    EXPECT_EQ(c().ToolBar[3]->focusPolicy(), Qt::TabFocus);
}

TEST_F(TabsTest, closeUnloadsThePracticeWindowThenClosesTheWindow) {
    launcher_.onUnload = [this] { c().RefreshContents(); };
    click(c().Body_Home->Pa[0]);
    ASSERT_TRUE(launcher_.hasOpenPracticeWindow());

    click(c().ToolBar[3]);

    EXPECT_EQ(launcher_.unloads, 1);
    EXPECT_FALSE(launcher_.hasOpenPracticeWindow());
    EXPECT_FALSE(c().isVisible());
}

TEST_F(TabsTest, theTitleBarCloseButtonClosesTheProgramToo) {
    click(c().Body_Home->Pa[0]);
    c().frame().controls().imgProgClose->clicked();
    EXPECT_EQ(launcher_.unloads, 1);
    EXPECT_FALSE(c().isVisible());
}

TEST_F(TabsTest, theAboutPageNamesTheCourseThePlatformAndTheVersion) {
    click(c().Tab[3]);
    AboutPage& about = *c().Body_About;
    EXPECT_EQ(about.ProgramName->text(), "Orvanta Sample Course");
    EXPECT_EQ(about.lblPlatform->text(), AboutPage::platformLine());
    EXPECT_TRUE(about.lblPlatform->text().startsWith("For "));
    EXPECT_NE(about.lblPlatform->text(), "For Windows");
    EXPECT_EQ(about.lblVersion->text(), "Version 2.0");
    EXPECT_TRUE(about.Logo->hasPicture());
    EXPECT_EQ(about.lbl_OVURL->toolTip(), "Go to Orvanta home page");
    EXPECT_EQ(about.lbl_OVURL->cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(about.lblNotice->text().isEmpty());
}

struct LinkRow {
    const char* name;
    bool browserFound;
    bool opens;
    int urlsOpened;
    const char* warning;
};

const LinkRow kLinkRows[] = {
    {"opens_the_makers_page", true, true, 1, nullptr},
    {"no_browser_found", false, true, 0, "Browser Not Found: Could not find associated Browser"},
    {"browser_fails", true, false, 1, "URL Failed: Web Page not Opened"},
};

TEST_F(TabsTest, theLinkOpensTheMakersPageOrSaysWhyNot) {
    click(c().Tab[3]);
    for (const LinkRow& row : kLinkRows) {
        SCOPED_TRACE(row.name);
        web_.browserFound = row.browserFound;
        web_.opens = row.opens;
        web_.openedUrls.clear();
        web_.warnings.clear();

        click(c().Body_About->lbl_OVURL);

        ASSERT_EQ(web_.openedUrls.size(), row.urlsOpened);
        if (row.urlsOpened > 0) {
            EXPECT_EQ(web_.openedUrls.first(), QUrl("https://www.orvanta.example/eduprog.html"));
        }
        EXPECT_EQ(web_.warnings,
                  row.warning ? QStringList{QString::fromLatin1(row.warning)} : QStringList{});
    }
}

// Runs `answer` on the pop-up once it is on screen; a pop-up left open
// afterwards (a failed expectation) is closed so that the test ends.
void answerPopUpLater(std::function<void(frmPopUp*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* popUp = qobject_cast<frmPopUp*>(QApplication::activeModalWidget());
        if (!popUp) {
            ADD_FAILURE() << "no pop-up is open";
            return;
        }
        popUp->activateWindow();
        if (QTest::qWaitForWindowActive(popUp))
            answer(popUp);
        else
            ADD_FAILURE() << "the pop-up did not come on screen";
        if (popUp->isVisible()) {
            ADD_FAILURE() << "the pop-up is still open";
            popUp->close();
        }
    });
}

TEST_F(TabsTest, thePopUpAnswersThroughThePopUpResponseField) {
    c().popUps().setNextAnswer(false);
    EXPECT_FALSE(c().popUps().ask("Close Practice", "Confirm?", 2, &c()));
    EXPECT_EQ(c().PopUpResponse(), "False");

    // The real pop-up, answered with its second button and with Enter.
    answerPopUpLater([](frmPopUp* popUp) {
        EXPECT_EQ(popUp->But2_lbl()->text(), "No");
        QTest::mouseClick(popUp->But2(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    c().setPopUpResponse("True");
    EXPECT_FALSE(c().popUps().ask("Close Practice", "Confirm?", 2, &c()));
    EXPECT_EQ(c().PopUpResponse(), "False");

    answerPopUpLater(
        [](frmPopUp*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
    EXPECT_TRUE(c().popUps().ask("Marking", "Do you want to mark your practice now?", 2, &c()));
    EXPECT_EQ(c().PopUpResponse(), "True");
}

} // namespace
