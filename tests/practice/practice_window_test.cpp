// The practice window on real files under Xvfb: loading both takes, moving
// between questions with the answers stored and saved, the page files, the
// answer frames, Save, Close, the clock, the resize drag, the page's refusals,
// printing, and papers that cannot be opened.
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/question_browser.h"
#include "tests/practice/practice_test_support.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/skinned_frame.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

const QString kRight = QStringLiteral("\u00fc");
const QString kWrong = QStringLiteral("\u00fb");

QStringList boxTexts(PracticeWindow* w, int count) {
    QStringList texts;
    for (int k = 1; k <= count; ++k)
        texts << w->Frame(k)->FA()->text();
    return texts;
}

int visibleFrames(PracticeWindow* w) {
    int visible = 0;
    for (int k = 1; k <= kAnswerFrameCount; ++k)
        visible += w->Frame(k)->isVisibleTo(w->AnsBox()) ? 1 : 0;
    return visible;
}

QStringList remainingItems(PracticeWindow* w) {
    QStringList items;
    for (int i = 0; i < w->RemQns()->count(); ++i)
        items << w->RemQns()->itemText(i);
    return items;
}

void storeRecord(PracticeFixture& f, ProgressFile file, int subject, int paperNumber,
                 const QStringList& values) {
    f.storeRecord(file, subject, paperNumber, values);
}

void setSummary(PracticeFixture& f, int subject, int paperIndex, SummaryRows::Row row,
                const QString& value) {
    f.setSummary(subject, paperIndex, row, value);
}

TEST(PracticeWindowTest, firstTakeLoadsContentAnswersAndCountsParts) {
    PracticeFixture f;
    storeRecord(f, ProgressFile::FirstAnswers, 1, 101,
                {"walks", "", "has", "", "", "2", "", "", "", "", "", "", "", "", "among"});
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "Test1");
    EXPECT_EQ(w->windowTitle(), "Grammar - Paper 1");
    EXPECT_EQ(w->QnTitle()->text(), "Question 1");
    EXPECT_EQ(w->QSCount(), "1");
    EXPECT_EQ(w->Status(), "0");
    EXPECT_EQ(w->TopicCount(), "1");
    // Three questions, fifteen parts: the total counts parts.
    EXPECT_EQ(w->session().questionCount(), 3);
    EXPECT_EQ(w->lblTotalQ()->text(), "15");
    EXPECT_EQ(w->lblAnsweredQ()->text(), "4");
    EXPECT_EQ(boxTexts(w, 5), QStringList({"walks", "", "has", "", ""}));
    EXPECT_EQ(visibleFrames(w), 5);
    EXPECT_TRUE(w->Frame(1)->QL()->isVisibleTo(w->Frame(1)));
    EXPECT_EQ(w->Frame(1)->QL()->text(), "(a)");
    EXPECT_EQ(w->Frame(5)->QL()->text(), "(e)");
    EXPECT_EQ(w->lblDate()->text(), "7 Mar 2024");
    EXPECT_EQ(remainingItems(w), QStringList({"1", "2", "3"}));
    EXPECT_TRUE(w->lblClock()->isVisibleTo(w));
    EXPECT_FALSE(w->LTime()->isVisibleTo(w));
    // The page file of question 10001 is the only page file; no scratch file is left.
    EXPECT_EQ(f.filesStartingWith("temppaper"), QStringList({"temppaper10001.mht"}));
    EXPECT_EQ(w->pageFile(), f.file("temppaper10001.mht"));
    EXPECT_EQ(f.filesStartingWith("temptext"), QStringList());
}

TEST(PracticeWindowTest, secondTakeCarriesOverThePartsRightTheFirstTime) {
    PracticeFixture f;
    const QStringList firstResults = {kRight, kWrong, kRight, "", "", "", "",    "",
                                      "",     "",     "",     "", "", "", kRight};
    storeRecord(f, ProgressFile::FirstResults, 1, 101, firstResults);
    storeRecord(f, ProgressFile::FirstAnswers, 1, 101,
                {"walks", "is", "has", "", "", "", "", "", "", "", "", "", "", "", "their"});
    storeRecord(f, ProgressFile::SecondAnswers, 1, 101,
                {"typed", "am", "", "", "", "", "", "", "", "", "", "", "", "", ""});
    setSummary(f, 1, 1, SummaryRows::FST, "1");
    setSummary(f, 1, 1, SummaryRows::FSE, "20");
    const QByteArray secondBefore = readBytes(f.progressPath(ProgressFile::SecondAnswers, 1));

    PracticeWindow* w = f.open(1, 1, 2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "Test2");
    EXPECT_EQ(w->Status(), "0"); // SST of the paper
    EXPECT_EQ(boxTexts(w, 3), QStringList({"walks", "am", "has"}));
    EXPECT_EQ(w->session().progress().secondResults.value(0), kRight);
    EXPECT_EQ(w->session().progress().secondResults.value(14), kRight);
    EXPECT_EQ(w->session().progress().answers.value(14), "their");
    // Right the first time: locked, light blue, ticked; the others open and white.
    AnswerFrame* right = w->Frame(1);
    EXPECT_TRUE(right->FA()->isReadOnly());
    EXPECT_EQ(right->FA()->backgroundColour(), kCarriedOverBlue);
    EXPECT_TRUE(right->FR()->isVisibleTo(right));
    EXPECT_EQ(right->FR()->code(), kRight);
    EXPECT_EQ(right->FR()->x(), right->FA()->geometry().right() + 1 + 7);
    AnswerFrame* wrong = w->Frame(2);
    EXPECT_FALSE(wrong->FA()->isReadOnly());
    EXPECT_EQ(wrong->FA()->backgroundColour(), kAnswerWhite);
    EXPECT_FALSE(wrong->FR()->isVisibleTo(wrong));
    EXPECT_EQ(w->focusWidget(), wrong->FA()) << "the caret waits in the first open box";
    EXPECT_NE(w->Frame(1)->SR(), nullptr);
    EXPECT_EQ(w->lblClock(), nullptr);
    EXPECT_EQ(w->lblSecondAttempt()->text(), "Second Attempt");
    // The carried-over answers reach the second file with the next save only.
    EXPECT_EQ(readBytes(f.progressPath(ProgressFile::SecondAnswers, 1)), secondBefore);
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(2, true); }));
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::SecondAnswers, 1), 101),
              "#101#>walks>am>has>>>>>>>>>>>>their");
}

class CaptionTest : public ::testing::TestWithParam<std::tuple<int, int, const char*>> {};

TEST_P(CaptionTest, captionNamesTheTopicAndThePapersPlaceInIt) {
    const auto [subject, paperIndex, caption] = GetParam();
    PracticeFixture f;
    PracticeWindow* w = f.open(subject, paperIndex);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_EQ(w->frame().controls().Title->text(), caption);
}

INSTANTIATE_TEST_SUITE_P(ThirdPaperOfATopic, CaptionTest,
                         ::testing::Values(std::make_tuple(1, 3, "Grammar - Paper 3"),
                                           std::make_tuple(1, 8, "Mock Examination - Paper 3"),
                                           std::make_tuple(2, 3, "Fractions - Paper 3")),
                         [](const auto& info) {
                             return "subject" + std::to_string(std::get<0>(info.param)) + "_paper" +
                                    std::to_string(std::get<1>(info.param));
                         });

TEST(PracticeWindowTest, movesStoreAndSaveTheAnswersKeepingOtherPapersLines) {
    PracticeFixture f;
    const QString firstFile = f.progressPath(ProgressFile::FirstAnswers, 1);
    storeRecord(f, ProgressFile::FirstAnswers, 1, 104, {"x", "y", "z", "", "", ""});
    const QList<QByteArray> before = fileLines(firstFile);
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);

    typeAnswer(w, 1, "walks");
    typeAnswer(w, 3, "has");
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->ToolBar(6)->clicked(); }));
    EXPECT_EQ(w->QSCount(), "2");
    EXPECT_EQ(w->QnTitle()->text(), "Question 2");
    EXPECT_EQ(recordLine(firstFile, 101), "#101#>walks>>has>>>>>>>>>>>>");
    EXPECT_TRUE(w->Frame(1)->FA()->hasFocus());

    // Exactly P lines; every other paper's line byte for byte as it was.
    const QList<QByteArray> after = fileLines(firstFile);
    ASSERT_EQ(after.size(), 10);
    for (const QByteArray& line : after) {
        if (!line.startsWith("#101#")) {
            EXPECT_TRUE(before.contains(line)) << line.toStdString();
        }
    }

    typeAnswer(w, 2, "4");
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->ToolBar(5)->clicked(); }));
    EXPECT_EQ(w->QSCount(), "1");
    EXPECT_EQ(boxTexts(w, 3), QStringList({"walks", "", "has"}));
    EXPECT_EQ(recordLine(firstFile, 101), "#101#>walks>>has>>>>4>>>>>>>>");

    // The selector moves too, leaving the focus where it was.
    typeAnswer(w, 2, "are");
    const int item = w->RemQns()->findText("3");
    ASSERT_GE(item, 0);
    ASSERT_TRUE(pageLoadsAfter(w, [&] { emit w->RemQns()->activated(item); }));
    EXPECT_EQ(w->QSCount(), "3");
    EXPECT_FALSE(w->Frame(1)->FA()->hasFocus());
    EXPECT_EQ(recordLine(firstFile, 101), "#101#>walks>are>has>>>>4>>>>>>>>");
    EXPECT_EQ(f.filesStartingWith("temppaper"), QStringList({"temppaper10003.mht"}));
}

TEST(PracticeWindowTest, movesBeyondTheEndsAreIgnored) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 3); // a paper of one question
    ASSERT_NE(w, nullptr);
    const QByteArray before = readBytes(f.progressPath(ProgressFile::FirstAnswers, 1));
    w->GoToQuestion(0, true);
    w->GoToQuestion(2, true);
    EXPECT_EQ(w->QSCount(), "1");
    EXPECT_EQ(readBytes(f.progressPath(ProgressFile::FirstAnswers, 1)), before);
    w->tick(f.cursor());
    EXPECT_FALSE(w->ToolBar(5)->isEnabled());
    EXPECT_FALSE(w->ToolBar(6)->isEnabled());
    EXPECT_EQ(w->ToolBar(5)->pictureName(), "back_disabled.bmp");
    EXPECT_EQ(w->ToolBar(6)->pictureName(), "forward_disabled.bmp");
}

TEST(PracticeWindowTest, choosingTheCurrentQuestionShowsItsPageAgain) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    const int item = w->RemQns()->findText("1");
    ASSERT_TRUE(pageLoadsAfter(w, [&] { emit w->RemQns()->activated(item); }));
    EXPECT_EQ(f.filesStartingWith("temppaper"), QStringList({"temppaper10001.mht"}));
}

TEST(PracticeWindowTest, remainingListTrimsWhileTheAnsweredCountCountsSpaces) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    for (int k = 1; k <= 5; ++k)
        typeAnswer(w, k, k == 4 ? "   " : "a");
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(2); }));
    for (int k = 1; k <= 5; ++k)
        typeAnswer(w, k, "1");
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(3); }));
    w->tick(f.cursor());
    EXPECT_EQ(w->lblAnsweredQ()->text(), "10");
    // Question 1's part of spaces keeps it in the list; question 2 is done.
    EXPECT_EQ(remainingItems(w), QStringList({"1", "3"}));
}

TEST(PracticeWindowTest, aQuestionOfOnePartShowsNoPartLetter) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 3);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(visibleFrames(w), 1);
    EXPECT_FALSE(w->Frame(1)->QL()->isVisibleTo(w->Frame(1)));
    // Question 10007 is a long answer: frame 1 is 2100 twips high.
    EXPECT_EQ(w->Frame(1)->heightTwips(), kLongFrameHeightTwips);
    EXPECT_TRUE(w->Frame(1)->FA()->isLongAnswer());
}

class PackingTest : public ::testing::TestWithParam<int> {};

TEST_P(PackingTest, sixteenPartsOrMorePackTheFrames) {
    const int take = GetParam();
    PracticeFixture f(withQuestion10005Parts(16));
    if (take == 2) {
        storeRecord(f, ProgressFile::FirstResults, 1, 102, QStringList(22, kWrong));
        setSummary(f, 1, 2, SummaryRows::FST, "1");
        setSummary(f, 1, 2, SummaryRows::FSE, "0");
    }
    PracticeWindow* w = f.open(1, 2, take);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->lblTotalQ()->text(), "22");
    const int spacedStep = w->Frame(2)->y() - w->Frame(1)->y();
    EXPECT_EQ(spacedStep, 25 + 7); // 375 + 105 twips
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(2); }));
    EXPECT_EQ(visibleFrames(w), 16);
    EXPECT_EQ(w->Frame(16)->QL()->text(), "(p)");
    // Frame k at 50 + (k - 1) * (375 + gap) twips: -10 in the first take, 0 in the second.
    const int gap = take == 1 ? -10 : 0;
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(w->Frame(k)->y(), twipsToPixels(50 + (k - 1) * (375 + gap))) << k;
}

INSTANTIATE_TEST_SUITE_P(BothTakes, PackingTest, ::testing::Values(1, 2),
                         [](const auto& info) { return "take" + std::to_string(info.param); });

TEST(PracticeWindowTest, saveWritesTheAnswersAndSaysSo) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(3); }));
    typeAnswer(w, 2, "after");
    typeAnswer(w, 5, "their");
    f.host().popUps().setNextAnswer(true);
    w->ToolBar(1)->clicked();
    EXPECT_EQ(f.host().popUps().lastTitle(), "Orvanta");
    EXPECT_EQ(f.host().popUps().lastMessage(), "Paper saved");
    EXPECT_EQ(f.host().popUps().lastButtonCount(), 1);
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::FirstAnswers, 1), 101),
              "#101#>>>>>>>>>>>>after>>>their");
    EXPECT_EQ(w->QSCount(), "3");
}

TEST(PracticeWindowTest, closeAnsweredNoLeavesEverythingAndYesSavesAndUnloads) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    typeAnswer(w, 1, "walks");
    f.monotonic().advanceSeconds(30);
    f.host().popUps().setNextAnswer(false);
    w->ToolBar(4)->clicked();
    EXPECT_EQ(f.host().popUps().lastTitle(), "Close Practice");
    EXPECT_EQ(f.host().popUps().lastMessage(), "Confirm?");
    EXPECT_EQ(f.host().popUps().lastButtonCount(), 2);
    ASSERT_TRUE(f.launcher().hasOpenPracticeWindow());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Frame(1)->FA()->text(), "walks");
    EXPECT_EQ(w->clockText(), "0:0:30");
    EXPECT_EQ(f.host().refreshCount, 0);

    // Yes: the typed text is saved, the page file goes, the main window refreshes.
    f.host().popUps().setNextAnswer(true);
    w->frame().controls().imgProgClose->clicked();
    EXPECT_FALSE(f.launcher().hasOpenPracticeWindow());
    EXPECT_EQ(f.host().refreshCount, 1);
    EXPECT_EQ(f.filesStartingWith("temppaper"), QStringList());
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::FirstAnswers, 1), 101),
              "#101#>walks>>>>>>>>>>>>>>");
}

TEST(PracticeWindowTest, openingAnotherPaperSavesTheBoxesFirst) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    typeAnswer(w, 1, "walks");
    // The same paper again: the new window's page file outlives the old window.
    PracticeWindow* again = f.open(1, 1);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(f.host().refreshCount, 1);
    QTest::qWait(50); // the old window is deleted from the event loop
    EXPECT_EQ(f.filesStartingWith("temppaper"), QStringList({"temppaper10001.mht"}));
    EXPECT_EQ(again->Frame(1)->FA()->text(), "walks");
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::FirstAnswers, 1), 101),
              "#101#>walks>>>>>>>>>>>>>>");
}

TEST(PracticeWindowTest, clockReadsHoursMinutesSecondsWithoutLeadingZeros) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    f.monotonic().advanceSeconds(65);
    w->tick(f.cursor());
    EXPECT_EQ(w->lblClock()->text(), "0:1:5");
    f.monotonic().advanceSeconds(25 * 3600);
    w->tick(f.cursor());
    EXPECT_EQ(w->lblClock()->text(), "25:1:5");
}

TEST(PracticeWindowTest, aMarkedFirstTakeOpensMarkedWithoutWritingAnything) {
    PracticeFixture f;
    storeRecord(f, ProgressFile::FirstResults, 1, 101,
                {kRight, kWrong, kRight, kRight, kWrong, kRight, kRight, kRight, kRight, kRight,
                 kRight, kWrong, kRight, kRight, kWrong});
    setSummary(f, 1, 1, SummaryRows::FST, "1");
    setSummary(f, 1, 1, SummaryRows::FSE, "66.7");
    setSummary(f, 1, 1, SummaryRows::LTM, "0:7:5");
    const QMap<QString, QByteArray> before = folderSnapshot(f.folder().path());
    const int asked = f.host().popUps().askedCount();

    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Status(), "1");
    EXPECT_EQ(w->PScoring()->text(), "66.7");
    EXPECT_EQ(w->LTime()->text(), "0:7:5");
    EXPECT_TRUE(w->LTime()->isVisibleTo(w));
    EXPECT_FALSE(w->lblClock()->isVisibleTo(w));
    EXPECT_FALSE(w->TxtRem()->isVisibleTo(w));
    EXPECT_TRUE(w->Frame(1)->FA()->isReadOnly());
    EXPECT_TRUE(w->Frame(2)->FR()->isVisibleTo(w->Frame(2)));
    EXPECT_EQ(w->Frame(1)->FR()->text(), "\u2713");
    EXPECT_EQ(w->Frame(2)->FR()->text(), "\u2717");
    EXPECT_FALSE(w->Frame(1)->M()->isVisibleTo(w->Frame(1)));
    w->tick(f.cursor());
    EXPECT_FALSE(w->ToolBar(1)->isEnabled());
    EXPECT_EQ(w->ToolBar(1)->pictureName(), "save_disabled.bmp");
    EXPECT_EQ(w->ToolBar(2)->pictureName(), "mark_disabled.bmp");
    EXPECT_EQ(f.host().popUps().askedCount(), asked);
    QMap<QString, QByteArray> after = folderSnapshot(f.folder().path());
    after.remove("temppaper10001.mht");
    EXPECT_EQ(after, before);
}

TEST(PracticeWindowTest, aHandEditedStatusIsKeptAndNeitherSavesNorMarks) {
    for (const char* field : {"x", "", "2"}) {
        PracticeFixture f;
        setSummary(f, 1, 1, SummaryRows::FST, QString::fromLatin1(field));
        const QMap<QString, QByteArray> before = folderSnapshot(f.folder().path());
        PracticeWindow* w = f.open(1, 1);
        ASSERT_NE(w, nullptr) << field;
        EXPECT_EQ(w->Status(), field);
        EXPECT_EQ(w->takeStatus(), TakeStatus::Unknown) << field;
        w->tick(f.cursor());
        EXPECT_FALSE(w->ToolBar(1)->isEnabled()) << field;
        EXPECT_FALSE(w->ToolBar(2)->isEnabled()) << field;
        // Not shown as marked either: no results, the clock runs.
        EXPECT_FALSE(w->Frame(1)->FR()->isVisibleTo(w->Frame(1))) << field;
        EXPECT_TRUE(w->lblClock()->isVisibleTo(w)) << field;
        const int asked = f.host().popUps().askedCount();
        w->MarkPaper();
        EXPECT_EQ(f.host().popUps().askedCount(), asked) << field;
        EXPECT_TRUE(w->SaveBeforeUnload()) << field;
        QMap<QString, QByteArray> after = folderSnapshot(f.folder().path());
        after.remove("temppaper10001.mht");
        EXPECT_EQ(after, before) << field;
    }
}

TEST(PracticeWindowTest, aMarkedSecondTakeShowsTheModelAnswersOfThePartsStillWrong) {
    PracticeFixture f;
    storeRecord(f, ProgressFile::FirstResults, 1, 101,
                QStringList(10, kWrong) + QStringList{kRight, kWrong, kRight, kRight, kWrong});
    storeRecord(f, ProgressFile::SecondResults, 1, 101,
                QStringList(10, kRight) + QStringList{kRight, kRight, kRight, kRight, kWrong});
    storeRecord(f, ProgressFile::SecondAnswers, 1, 101,
                QStringList(10, "a") + QStringList{"that", "after", "so that", "among", "the"});
    setSummary(f, 1, 1, SummaryRows::FST, "1");
    setSummary(f, 1, 1, SummaryRows::FSE, "20");
    setSummary(f, 1, 1, SummaryRows::SST, "1");
    setSummary(f, 1, 1, SummaryRows::SSE, "93.3");
    PracticeWindow* w = f.open(1, 1, 2);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(3); }));
    EXPECT_EQ(w->PScoring()->text(), "93.3");
    AnswerFrame* still = w->Frame(5);
    EXPECT_TRUE(still->SR()->isVisibleTo(still));
    EXPECT_FALSE(still->FR()->isVisibleTo(still));
    EXPECT_EQ(still->SR()->code(), kWrong);
    EXPECT_TRUE(still->M()->isVisibleTo(still));
    EXPECT_EQ(still->M()->text(), "their");
    EXPECT_FALSE(w->Frame(2)->M()->isVisibleTo(w->Frame(2)));
    EXPECT_EQ(w->Frame(1)->FA()->backgroundColour(), kCarriedOverBlue);
    EXPECT_EQ(w->Frame(2)->FA()->backgroundColour(), kAnswerWhite);
    EXPECT_TRUE(w->Frame(2)->FA()->isReadOnly());
}

TEST(PracticeWindowTest, aFailedAnswerWriteIsToldAndTheAnswersStayInMemory) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    // A folder in the file's place: the write must fail, whoever runs the test.
    const QString firstFile = f.progressPath(ProgressFile::FirstAnswers, 1);
    ASSERT_TRUE(QFile::rename(firstFile, firstFile + ".away"));
    ASSERT_TRUE(QDir().mkdir(firstFile));
    typeAnswer(w, 1, "walks");
    f.host().popUps().setNextAnswer(true);
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(2); }));
    EXPECT_EQ(f.host().popUps().lastTitle(), "Orvanta");
    EXPECT_TRUE(f.host().popUps().lastMessage().contains("could not be saved"));
    EXPECT_EQ(w->session().progress().answers.value(0), "walks");

    // Once the file can be written again, the next save writes everything.
    ASSERT_TRUE(QDir().rmdir(firstFile));
    ASSERT_TRUE(QFile::rename(firstFile + ".away", firstFile));
    f.host().popUps().setNextAnswer(true);
    w->SavePaper();
    EXPECT_EQ(f.host().popUps().lastMessage(), "Paper saved");
    EXPECT_EQ(recordLine(firstFile, 101), "#101#>walks>>>>>>>>>>>>>>");
}

TEST(PracticeWindowTest, refusedCharactersNeverReachTheAnswerFile) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    typeAnswer(w, 1, "a>b");
    QTest::keyClick(w->Frame(1)->FA(), Qt::Key_Return);
    EXPECT_TRUE(w->AnsBox()->hintLabel()->isVisibleTo(w->AnsBox()));
    EXPECT_EQ(w->AnsBox()->hintLabel()->text(), kLineBreakHint);
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(2); }));
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::FirstAnswers, 1), 101),
              "#101#>ab>>>>>>>>>>>>>>");
    EXPECT_FALSE(w->AnsBox()->hintLabel()->isVisibleTo(w->AnsBox()));
}

TEST(PracticeWindowTest, copyingAndTheRightButtonInThePageAreInvalidOperations) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    QWidget* proxy = w->brwWebBrowser()->focusProxy();
    ASSERT_NE(proxy, nullptr);
    QTest::keyClick(proxy, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(proxy, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.invalidOperations(), 2);
    QTest::keyClick(proxy, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(proxy, Qt::Key_C);
    QTest::mouseClick(proxy, Qt::LeftButton, {}, QPoint(50, 120));
    EXPECT_EQ(f.invalidOperations(), 2);
    QTest::mousePress(proxy, Qt::RightButton, {}, QPoint(50, 120));
    EXPECT_EQ(f.invalidOperations(), 3);
    EXPECT_EQ(w->brwWebBrowser()->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST(PracticeWindowTest, dragOnTheBottomRightCornerResizesWithinItsLimits) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    const QPoint origin = w->geometry().topLeft();
    ASSERT_EQ(w->size(), QSize(800, 600));
    auto dragCorner = [&](const QList<QPoint>& to) {
        f.moveCursor(origin + QPoint(w->width() - 2, w->height() - 2));
        f.scriptDrag(to);
        QTest::mousePress(w->Sizer(), Qt::LeftButton);
    };
    // 7000 twips wide is refused while the height still follows.
    dragCorner({origin + QPoint(7000 / 15, 450)});
    EXPECT_EQ(w->size(), QSize(800, 450));
    dragCorner({origin + QPoint(700, 500)});
    EXPECT_EQ(w->size(), QSize(700, 500));
    EXPECT_EQ(w->brwWebBrowser()->width(), 700 - 273 - 7 - 2 - 2);
    // 4995 twips high is refused too.
    dragCorner({origin + QPoint(720, 333)});
    EXPECT_EQ(w->size(), QSize(720, 500));
    // Within two grab zones of the window's corner nothing changes.
    dragCorner({origin + QPoint(10, 10)});
    EXPECT_EQ(w->size(), QSize(720, 500));
}

TEST(PracticeWindowTest, pressingNearTheLeftEdgeSnapsThePointerWithoutResizing) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    const QPoint origin = w->geometry().topLeft();
    f.moveCursor(origin + QPoint(3, 300));
    f.scriptDrag({origin + QPoint(200, 300)});
    QTest::mousePress(w->frame().controls().BLeft, Qt::LeftButton, {}, QPoint(1, 200));
    EXPECT_EQ(w->size(), QSize(800, 600));
    // Snapped onto the edge; the button is not even looked at.
    EXPECT_EQ(f.cursor(), origin + QPoint(0, 300));
}

TEST(PracticeWindowTest, hidingTheSheetWidensThePageUntilTheNextToggle) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    const int pageWidth = w->brwWebBrowser()->width();
    w->ToggleAnswerSheet();
    EXPECT_FALSE(w->answerSheetShown());
    EXPECT_EQ(w->brwWebBrowser()->width(), pageWidth + 273);
    EXPECT_EQ(w->PicHideAns()->x(), w->width() - 7 - 2);
    EXPECT_EQ(w->ImgHandle()->toolTip(), "Show answer sheet");
    // A resize lays the sheet out shown; the tooltip stays until the next click.
    w->resize(760, 580);
    EXPECT_EQ(w->AnsBox()->x(), 760 - 273 - 2);
    EXPECT_EQ(w->ImgHandle()->toolTip(), "Show answer sheet");
    w->ToggleAnswerSheet();
    EXPECT_TRUE(w->answerSheetShown());
    EXPECT_EQ(w->ImgHandle()->toolTip(), "Hide answer sheet");
    EXPECT_EQ(w->AnsBox()->x(), 760 - 273 - 2);
}

TEST(PracticeWindowTest, toolbarButtonsShowPressedWhileHeldOverThem) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    PictureButton* print = w->ToolBar(3);
    f.moveCursor(print->mapToGlobal(QPoint(10, 10)));
    QTest::mousePress(print, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(w->txtPressTrack(), "1");
    w->tick(f.cursor());
    EXPECT_EQ(print->pictureName(), "print_pressed.bmp");
    f.moveCursor(print->mapToGlobal(QPoint(100, 10)));
    w->tick(f.cursor());
    EXPECT_EQ(print->pictureName(), "print_off.bmp");
    QTest::mouseRelease(print, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(w->txtPressTrack(), "0");
}

TEST(PracticeWindowTest, printWritesTheQuestionThroughThePrinterChosen) {
    PracticeFixture f;
    const QString pdf = f.file("question.pdf");
    PracticeServices services = f.services();
    services.choosePrinter = [pdf](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    PracticeWindows launcher(PracticeEnvironment{f.course(), f.folder(), f.skin()}, f.host(),
                             services);
    ASSERT_TRUE(launcher.OpenPaper(f.handOver(1, 1)));
    PracticeWindow* w = launcher.practiceWindow();
    QSignalSpy loaded(w, &PracticeWindow::pageLoaded);
    ASSERT_TRUE(loaded.wait(kPageTimeoutMs));
    QSignalSpy printed(w, &PracticeWindow::printFinished);
    w->ToolBar(3)->clicked();
    ASSERT_TRUE(printed.wait(kPageTimeoutMs));
    EXPECT_TRUE(printed.first().first().toBool());
    EXPECT_TRUE(readBytes(pdf).startsWith("%PDF"));
}

TEST(PracticeWindowTest, warmUpStartsTheEngineBeforeTheFirstPaper) {
    PracticeFixture f;
    QSignalSpy warmed(&f.launcher(), &PracticeWindows::warmedUp);
    f.launcher().warmUp();
    f.launcher().warmUp(); // once is enough
    ASSERT_TRUE(warmed.wait(kPageTimeoutMs));
    EXPECT_NE(f.launcher().profile(), nullptr);
    EXPECT_FALSE(f.launcher().hasOpenPracticeWindow());
    EXPECT_EQ(f.filesStartingWith("temp"), QStringList()); // warming writes nothing
    EXPECT_NE(f.open(2, 1), nullptr);
    QTest::qWait(100);
    EXPECT_EQ(warmed.size(), 1);
}

TEST(PracticeWindowTest, aPaperWithoutItsAnswerKeyCannotBeOpened) {
    PracticeFixture f([](const QString& course) { QFile::remove(course + "/30013"); });
    const QMap<QString, QByteArray> before = folderSnapshot(f.folder().path());
    f.host().popUps().setNextAnswer(true);
    EXPECT_FALSE(f.launcher().OpenPaper(f.handOver(1, 1)));
    EXPECT_TRUE(f.host().popUps().lastMessage().contains("answer key"))
        << f.host().popUps().lastMessage().toStdString();
    EXPECT_EQ(folderSnapshot(f.folder().path()), before);
}

} // namespace
