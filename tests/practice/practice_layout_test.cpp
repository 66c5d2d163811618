// The practice window's layout as the pupil meets it under Xvfb, down to the
// smallest size the resize drag allows: every answer part in reach, the
// footer panels clear of each other, the question strip as wide as the page,
// and the toolbar's press tracking.
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/practice_layout_rules.h"
#include "practice/question_browser.h"
#include "tests/practice/practice_test_support.h"
#include "ui_frame/picture_box.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// `widget`'s rectangle in `ancestor`'s coordinates.
QRect placeIn(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// The part of the answer sheet that shows its frames: the sheet itself when
// it cannot scroll.
QWidget* sheetView(PracticeWindow* w) {
    auto* scroll = w->AnsBox()->findChild<QScrollArea*>();
    return scroll ? scroll->viewport() : w->AnsBox();
}

bool inSight(const QWidget* control, QWidget* view) {
    return view->rect().contains(QRect(control->mapTo(view, QPoint(0, 0)), control->size()));
}

TEST(PracticeWindowLayout, theSmallestSizeIsTheSmallestTheDragSets) {
    EXPECT_EQ(SmallestPracticeSize(), QSize(487, 334)); // just above 7300 x 5000 twips
}

TEST(PracticeWindowLayout, everyPartOfTwentyIsReachableByTabAtTheSmallestSize) {
    PracticeFixture f(withQuestion10005Parts(20));
    PracticeWindow* w = f.open(1, 2);
    ASSERT_NE(w, nullptr);
    w->resize(SmallestPracticeSize());
    ASSERT_EQ(w->size(), SmallestPracticeSize());
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(2, true); }));
    QWidget* view = sheetView(w);
    ASSERT_LT(view->height(), placeIn(w->Frame(20), w->AnsBox()).bottom())
        << "the twenty frames would fit without scrolling";

    for (int k = 1; k <= 20; ++k) {
        AnswerBox* box = w->Frame(k)->FA();
        ASSERT_EQ(w->focusWidget(), box) << "part " << k;
        EXPECT_TRUE(inSight(box, view)) << "part " << k << " is out of sight";
        QTest::keyClick(box, Qt::Key_Tab);
    }
    // Moving on shows the next question's frames from the top.
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(3, true); }));
    EXPECT_TRUE(inSight(w->Frame(1)->FA(), view));
}

TEST(PracticeWindowLayout, everyPartOfTwentyIsReachableByTheScrollBarAtTheSmallestSize) {
    PracticeFixture f(withQuestion10005Parts(20));
    PracticeWindow* w = f.open(1, 2);
    ASSERT_NE(w, nullptr);
    w->resize(SmallestPracticeSize());
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(2, false); }));
    auto* scroll = w->AnsBox()->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr) << "the answer sheet cannot scroll";
    QScrollBar* bar = scroll->verticalScrollBar();
    ASSERT_TRUE(bar->isVisibleTo(w));
    EXPECT_TRUE(placeIn(bar, w).intersects(placeIn(w->AnsBox(), w)));
    bar->setValue(bar->maximum());
    EXPECT_TRUE(inSight(w->Frame(20)->FA(), sheetView(w)));
    bar->setValue(0);
    EXPECT_TRUE(inSight(w->Frame(1)->FA(), sheetView(w)));
}

TEST(PracticeWindowLayout, theInstructionPictureCoversNoFrame) {
    PracticeFixture f;
    PracticeWindow* w = f.open(2, 1); // a fractions paper: the instruction shows
    ASSERT_NE(w, nullptr);
    w->resize(SmallestPracticeSize());
    ASSERT_TRUE(w->AnsBox()->PicInstruction()->isVisibleTo(w));
    const QRect instruction = placeIn(w->AnsBox()->PicInstruction(), w);
    EXPECT_LE(placeIn(sheetView(w), w).bottom(), instruction.top());
    EXPECT_TRUE(inSight(w->Frame(1)->FA(), sheetView(w)));
}

TEST(PracticeWindowLayout, theQuestionStripFollowsThePageWidth) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    const int shortOfThePage = w->brwWebBrowser()->width() - w->QnTitleBG()->width();
    for (bool shown : {false, true}) {
        w->ToggleAnswerSheet();
        ASSERT_EQ(w->answerSheetShown(), shown);
        EXPECT_EQ(w->brwWebBrowser()->width() - w->QnTitleBG()->width(), shortOfThePage);
    }
}

// A press on a toolbar button's caption alone leaves the press tracking
// alone: the button shows its hover picture, not its pressed one, and the
// click on the caption is still the button's.
TEST(PracticeWindowLayout, aPressOnTheCaptionAloneDoesNotPressTheButton) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    PictureButton* next = w->ToolBar(6);
    QLabel* caption = w->lblTB(6);
    ASSERT_EQ(caption->text(), "Next");
    // The middle of the caption's text, at the foot of the button.
    const int textHeight = caption->fontMetrics().height();
    const QPoint middle(caption->width() / 2, caption->height() - 1 - textHeight / 2);
    f.moveCursor(caption->mapToGlobal(middle));

    QTest::mousePress(caption, Qt::LeftButton, {}, middle);
    EXPECT_EQ(w->txtPressTrack(), "0");
    w->tick(f.cursor());
    EXPECT_EQ(next->pictureName(), "forward_on.bmp");
    ASSERT_TRUE(
        pageLoadsAfter(w, [&] { QTest::mouseRelease(caption, Qt::LeftButton, {}, middle); }));
    EXPECT_EQ(w->QSCount(), "2");

    // A press on the picture above the caption presses the button.
    const QPoint picture(next->width() / 2, (next->height() - textHeight) / 2);
    f.moveCursor(next->mapToGlobal(picture));
    QTest::mousePress(next, Qt::LeftButton, {}, picture);
    EXPECT_EQ(w->txtPressTrack(), "1");
    w->tick(f.cursor());
    EXPECT_EQ(next->pictureName(), "forward_pressed.bmp");
    ASSERT_TRUE(pageLoadsAfter(w, [&] { QTest::mouseRelease(next, Qt::LeftButton, {}, picture); }));
    EXPECT_EQ(w->txtPressTrack(), "0");
    EXPECT_EQ(w->QSCount(), "3");
}

// The footer under the page, in both takes, with the answer sheet shown or
// hidden, and while the marking bar plays.
struct FooterCase {
    const char* name;
    int take;
    bool smallest;
    bool sheetHidden;
    bool markingBar;
    QStringList shown; // the footer's panels in sight, left to right
};

class FooterInSight : public ::testing::TestWithParam<FooterCase> {};

TEST_P(FooterInSight, panelsNeverCoverEachOther) {
    const FooterCase& c = GetParam();
    PracticeFixture f;
    // A marked take keeps its ticks and its score, as a marking leaves them.
    const QStringList wrong(15, QStringLiteral("\u00fb"));
    if (c.take == 2) {
        f.storeRecord(ProgressFile::FirstResults, 1, 101, wrong);
        f.setSummary(1, 1, SummaryRows::FST, "1");
        f.setSummary(1, 1, SummaryRows::FSE, "0");
    }
    if (QString(c.name).startsWith("marked")) {
        f.storeRecord(ProgressFile::SecondResults, 1, 101, wrong);
        f.setSummary(1, 1, SummaryRows::SST, "1");
        f.setSummary(1, 1, SummaryRows::SSE, "0");
    }
    PracticeWindow* w = f.open(1, 1, c.take);
    ASSERT_NE(w, nullptr);
    if (c.smallest)
        w->resize(SmallestPracticeSize());
    if (c.sheetHidden)
        w->ToggleAnswerSheet();
    if (c.markingBar)
        w->fmeMark()->show();

    QWidget* strip = w->RemQnsBG();
    QList<QWidget*> panels;
    for (QWidget* panel : strip->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (panel->isVisibleTo(w))
            panels << panel;
    }
    std::sort(panels.begin(), panels.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    QStringList names;
    for (qsizetype a = 0; a < panels.size(); ++a) {
        names << panels[a]->objectName();
        EXPECT_TRUE(strip->rect().contains(panels[a]->geometry())) << names.last().toStdString();
        for (qsizetype b = a + 1; b < panels.size(); ++b)
            EXPECT_FALSE(panels[a]->geometry().intersects(panels[b]->geometry()))
                << panels[a]->objectName().toStdString() << " covers "
                << panels[b]->objectName().toStdString();
    }
    EXPECT_EQ(names, c.shown);
    // What is shown is not cut: the answered count's figures lie inside it.
    if (c.shown.contains("Bot3")) {
        const QRect count = placeIn(w->lblTotalQ(), w->Bot(3));
        EXPECT_TRUE(w->Bot(3)->rect().contains(count));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FooterInSight,
    ::testing::Values(
        FooterCase{
            "first_take_default", 1, false, false, false, {"TxtRem", "Bot1", "Bot2", "Bot3"}},
        FooterCase{"first_take_smallest", 1, true, false, false, {"TxtRem", "Bot3"}},
        FooterCase{"first_take_smallest_sheet_hidden",
                   1,
                   true,
                   true,
                   false,
                   {"TxtRem", "Bot1", "Bot2", "Bot3"}},
        FooterCase{"first_take_smallest_marking", 1, true, false, true, {"fmeMark"}},
        FooterCase{"second_take_default", 2, false, false, false, {"TxtRem", "Bot1", "Bot3"}},
        FooterCase{"second_take_smallest", 2, true, false, false, {"TxtRem", "Bot3"}},
        FooterCase{"marked_second_take_smallest", 2, true, false, false, {"Bot3"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
