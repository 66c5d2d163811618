// The notes of the marked sheet in the real practice window under Xvfb: shown
// only once a take is marked, per question, in both takes and on reopening,
// and never changing what the judge stored.
#include "marking/paper_marking.h"
#include "practice/answer_notes.h"
#include "practice/answer_sheet.h"
#include "tests/practice/practice_test_support.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// English paper 101 of the fixture: five T parts ("walks", "are", "has",
// "are", "is"), five Q parts, then M, T, T, M, T (";that;which", "after",
// "so that", ";among;amongst", "their"). Five near misses, the rest right.
const QStringList kNearMisses = {"walk", "are", "has",  "are.",  "is",      "2",       "7",    "1",
                                 "3",    "2",   "whch", "after", "so that", "amongts", "their"};

void clickMark(PracticeFixture& f, PracticeWindow* w) {
    f.host().popUps().setNextAnswers({true});
    w->ToolBar(2)->clicked();
}

// frame -> tooltip of this take's result label, for the frames with one.
QMap<int, QString> crossTips(PracticeWindow* w) {
    QMap<int, QString> tips;
    for (int k = 1; k <= kAnswerFrameCount; ++k) {
        const AnswerFrame* frame = w->Frame(k);
        const QString tip = (w->take() == Take::First ? frame->FR() : frame->SR())->toolTip();
        if (!tip.isEmpty())
            tips.insert(k, tip);
    }
    return tips;
}

bool stripShown(PracticeWindow* w) {
    return w->answerNotes()->isVisibleTo(w->AnsBox());
}

TEST(NotesWindowTest, aMarkedFirstTakeNotesItsNearMissesAndStoresTheJudgesMarks) {
    PracticeFixture f;
    f.storeRecord(ProgressFile::FirstAnswers, 1, 101, kNearMisses);
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(stripShown(w));
    EXPECT_TRUE(crossTips(w).isEmpty());

    clickMark(f, w);
    ASSERT_EQ(w->Status(), "1");
    // The marks are the judge's alone.
    const PaperMarking judged = MarkPaperAnswers(w->session().content(), kNearMisses);
    EXPECT_EQ(w->PScoring()->text(), judged.percentage);
    EXPECT_EQ(w->PScoring()->text(), "66.7");
    EXPECT_EQ(w->session().progress().firstResults, judged.results);

    EXPECT_TRUE(stripShown(w));
    EXPECT_EQ(crossTips(w), (QMap<int, QString>{{1, "Check your spelling."},
                                                {4, "Leave out the full stop at the end."}}));
    EXPECT_EQ(w->answerNotes()->listedCount(), 2);
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->ToolBar(6)->clicked(); }));
    EXPECT_EQ(crossTips(w),
              (QMap<int, QString>{{2, "Type the number of one of the options shown."}}));
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->ToolBar(6)->clicked(); }));
    EXPECT_EQ(crossTips(w),
              (QMap<int, QString>{{1, "Check your spelling."}, {4, "Check your spelling."}}));

    // Reopened, the marked sheet shows its notes again.
    w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(stripShown(w));
    EXPECT_EQ(crossTips(w).keys(), QList<int>({1, 4}));
}

TEST(NotesWindowTest, aMarkedSecondTakeNotesWhatIsStillWrong) {
    PracticeFixture f;
    f.storeRecord(ProgressFile::FirstAnswers, 1, 101, kNearMisses);
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    clickMark(f, w);

    w = f.open(1, 1, 2);
    ASSERT_NE(w, nullptr);
    // Taking the paper again: the first take's notes are not shown.
    EXPECT_FALSE(stripShown(w));
    EXPECT_TRUE(crossTips(w).isEmpty());
    typeAnswer(w, 1, "wlaks");
    typeAnswer(w, 4, "are");
    clickMark(f, w);
    ASSERT_EQ(w->Status(), "1");

    EXPECT_TRUE(stripShown(w));
    EXPECT_EQ(crossTips(w),
              (QMap<int, QString>{{1, "Check your spelling against the answer shown."}}));
    EXPECT_EQ(w->answerNotes()->noteMark(1), nullptr);
    EXPECT_TRUE(w->Frame(1)->M()->isVisibleTo(w->Frame(1)));
    EXPECT_TRUE(w->Frame(1)->FR()->toolTip().isEmpty());
}

} // namespace
