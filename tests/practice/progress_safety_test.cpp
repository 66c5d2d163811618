// The practice window and the pupil's files when something is wrong with
// them: damaged records are read by key and mended without a later paper
// losing its answers, junk beyond a paper's parts stays out of the answer
// boxes, read-only and symbolically linked files, and the answers typed
// since the last move, which are saved whenever the window goes.
#include "data/file_calls.h"
#include "data/file_change.h"
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/practice_window.h"
#include "tests/practice/practice_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// Part counts of the fixture's English papers 101..110.
constexpr int kParts[] = {15, 7, 1, 6, 15, 5, 6, 7, 1, 10};

QByteArray answeredRecord(int paper) {
    QByteArray line = '#' + QByteArray::number(paper) + '#';
    for (int i = 0; i < kParts[paper - 101]; ++i)
        line += ">p" + QByteArray::number(paper);
    return line;
}

QString firstAnswers(PracticeFixture& f) {
    return f.progressPath(ProgressFile::FirstAnswers, 1);
}

// Answers stored for papers 104..110, as a pupil who has been at it a while.
void answerLaterPapers(PracticeFixture& f) {
    for (int paper = 104; paper <= 110; ++paper)
        f.storeRecord(ProgressFile::FirstAnswers, 1, paper,
                      QStringList(kParts[paper - 101], QStringLiteral("p%1").arg(paper)));
}

void setReadOnly(const QString& path, bool readOnly) {
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), readOnly ? 0444 : 0644), 0);
}

// Paper 101 open with "walks" typed into its first box and its answers file
// made read-only by the user; null when the paper did not open.
PracticeWindow* typedWithReadOnlyAnswers(PracticeFixture& f) {
    PracticeWindow* w = f.open(1, 1);
    if (!w)
        return nullptr;
    setReadOnly(firstAnswers(f), true);
    typeAnswer(w, 1, "walks");
    return w;
}

struct DamagedRecords {
    const char* name;
    std::function<void(QList<QByteArray>& lines)> damage;
};

class DamagedRecordsTest : public ::testing::TestWithParam<DamagedRecords> {};

TEST_P(DamagedRecordsTest, areMendedByKeyAndNoLaterPaperLosesItsAnswers) {
    PracticeFixture f;
    answerLaterPapers(f);
    QList<QByteArray> lines = fileLines(firstAnswers(f));
    GetParam().damage(lines);
    writeBytes(firstAnswers(f), lines.join('\n') + '\n');

    f.host().popUps().setNextAnswer(true); // what was mended
    PracticeWindow* w = f.open(1, 2);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(f.host().popUps().lastMessage().startsWith("first1Q4.txt was damaged"))
        << f.host().popUps().lastMessage().toStdString();
    typeAnswer(w, 1, "typed");
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->ToolBar(6)->clicked(); }));

    const QList<QByteArray> after = fileLines(firstAnswers(f));
    ASSERT_EQ(after.size(), 10);
    EXPECT_EQ(after.at(0), "#101#>>>>>>>>>>>>>>>\r");
    EXPECT_EQ(after.at(1), "#102#>typed>>>>>>\r");
    EXPECT_EQ(after.at(2), "#103#>\r");
    for (int paper = 104; paper <= 110; ++paper)
        EXPECT_EQ(after.at(paper - 101), answeredRecord(paper) + '\r') << paper;
}

const DamagedRecords kDamagedRecords[] = {
    {"record_missing",
     [](QList<QByteArray>& lines) {
         lines.removeIf([](const QByteArray& line) { return line.startsWith("#103#"); });
     }},
    {"records_swapped",
     [](QList<QByteArray>& lines) {
         const auto a = lines.indexOf(answeredRecord(104) + '\r');
         const auto b = lines.indexOf(answeredRecord(106) + '\r');
         ASSERT_GE(a, 0);
         ASSERT_GE(b, 0);
         lines.swapItemsAt(a, b);
     }},
    {"record_repeated",
     [](QList<QByteArray>& lines) { lines.insert(1, answeredRecord(108) + '\r'); }},
};

INSTANTIATE_TEST_SUITE_P(Cases, DamagedRecordsTest, ::testing::ValuesIn(kDamagedRecords),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgressSafetyTest, fieldsBeyondThePapersPartsStayOutOfTheBoxesAndDoNotBlameThePupil) {
    PracticeFixture f;
    QByteArray bytes = readBytes(firstAnswers(f));
    bytes.replace("#102#>>>>>>>", "#102#>a>b>c>d>e>f>g>junk>more");
    writeBytes(firstAnswers(f), bytes);

    f.host().popUps().setNextAnswer(true);
    PracticeWindow* w = f.open(1, 2);
    ASSERT_NE(w, nullptr);
    const QString mended = f.host().popUps().lastMessage();
    EXPECT_TRUE(mended.contains("kept as first1Q4.txt.damaged")) << mended.toStdString();
    EXPECT_TRUE(readBytes(firstAnswers(f) + ".damaged").contains("g>junk>more"));
    EXPECT_EQ(w->session().progress().answers.value(6), "g");
    // Part 7 is the last part of the last question.
    const int last = w->session().questionCount();
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->GoToQuestion(last); }));
    EXPECT_EQ(w->Frame(w->session().partsOf(last))->FA()->text(), "g");

    f.host().popUps().setNextAnswer(true);
    w->SavePaper();
    EXPECT_EQ(f.host().popUps().lastMessage(), "Paper saved");
    EXPECT_EQ(recordLine(firstAnswers(f), 102), "#102#>a>b>c>d>e>f>g");
}

TEST(ProgressSafetyTest, aReadOnlyAnswersFileIsToldAndLeftAsItWas) {
    PracticeFixture f;
    const QByteArray before = readBytes(firstAnswers(f));
    PracticeWindow* w = typedWithReadOnlyAnswers(f);
    ASSERT_NE(w, nullptr);

    f.host().popUps().setNextAnswer(true);
    w->SavePaper();
    EXPECT_EQ(f.host().popUps().lastMessage(),
              "Your answers could not be saved (first1Q4.txt is read-only). They are kept while "
              "this paper is open.");
    EXPECT_EQ(readBytes(firstAnswers(f)), before);
    EXPECT_FALSE(QFileInfo(firstAnswers(f)).isWritable() && geteuid() != 0);
    EXPECT_EQ(w->session().progress().answers.value(0), "walks");
    setReadOnly(firstAnswers(f), false);
}

TEST(ProgressSafetyTest, aSymbolicallyLinkedAnswersFileKeepsItsLinkAndItsTargetGetsTheAnswers) {
    PracticeFixture f;
    const QString elsewhere = f.file("elsewhere/first.txt");
    QDir().mkpath(QFileInfo(elsewhere).absolutePath());
    ASSERT_TRUE(QFile::rename(firstAnswers(f), elsewhere));
    ASSERT_TRUE(QFile::link(elsewhere, firstAnswers(f)));
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    typeAnswer(w, 1, "walks");

    f.host().popUps().setNextAnswer(true);
    w->SavePaper();
    EXPECT_EQ(f.host().popUps().lastMessage(), "Paper saved");
    EXPECT_TRUE(QFileInfo(firstAnswers(f)).isSymLink());
    EXPECT_EQ(recordLine(elsewhere, 101), "#101#>walks>>>>>>>>>>>>>>");
}

// Answers typed since the last move are saved however the window goes.
TEST(ProgressSafetyTest, unloadingFromOutsideSavesTheTypedAnswers) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    typeAnswer(w, 1, "walks");
    const int asked = f.host().popUps().askedCount();
    EXPECT_TRUE(f.launcher().UnloadPracticeWindow()); // erase, program closing
    EXPECT_EQ(f.host().popUps().askedCount(), asked);
    EXPECT_FALSE(f.launcher().hasOpenPracticeWindow());
    EXPECT_EQ(recordLine(firstAnswers(f), 101), "#101#>walks>>>>>>>>>>>>>>");
}

TEST(ProgressSafetyTest, aMarkedTakeIsNotSavedWhenItGoes) {
    PracticeFixture f;
    f.storeRecord(ProgressFile::FirstResults, 1, 103, {QStringLiteral("\u00fb")});
    f.setSummary(1, 3, SummaryRows::FST, "1");
    f.setSummary(1, 3, SummaryRows::FSE, "0");
    PracticeWindow* w = f.open(1, 3);
    ASSERT_NE(w, nullptr);
    const QMap<QString, QByteArray> before = folderSnapshot(f.folder().path());
    EXPECT_TRUE(f.launcher().UnloadPracticeWindow());
    QMap<QString, QByteArray> after = folderSnapshot(f.folder().path());
    after.insert("temppaper10007.mht", before.value("temppaper10007.mht"));
    EXPECT_EQ(after, before);
}

TEST(ProgressSafetyTest, aCloseWhoseSaveFailsIsToldAndKeepsTheWindowOpen) {
    PracticeFixture f;
    PracticeWindow* w = typedWithReadOnlyAnswers(f);
    ASSERT_NE(w, nullptr);

    f.host().popUps().setNextAnswers({true, true}); // "Confirm?", then the failure
    w->ClosePaper();
    EXPECT_TRUE(f.host().popUps().lastMessage().startsWith("Your answers could not be saved"))
        << f.host().popUps().lastMessage().toStdString();
    EXPECT_TRUE(f.launcher().hasOpenPracticeWindow());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(f.host().refreshCount, 0);

    // Writable again, the same Close saves and goes.
    setReadOnly(firstAnswers(f), false);
    f.host().popUps().setNextAnswer(true);
    w->ClosePaper();
    EXPECT_FALSE(f.launcher().hasOpenPracticeWindow());
    EXPECT_EQ(recordLine(firstAnswers(f), 101), "#101#>walks>>>>>>>>>>>>>>");
}

TEST(ProgressSafetyTest, anUnloadFromOutsideWhoseSaveFailsAsksAndYesKeepsTheWindow) {
    PracticeFixture f;
    const QByteArray before = readBytes(firstAnswers(f));
    PracticeWindow* w = typedWithReadOnlyAnswers(f);
    ASSERT_NE(w, nullptr);

    f.host().popUps().setNextAnswer(true);
    EXPECT_FALSE(f.launcher().OpenPaper(f.handOver(1, 2)));
    EXPECT_EQ(f.host().popUps().lastTitle(), "Close Practice");
    EXPECT_EQ(f.host().popUps().lastButtonCount(), 2);
    EXPECT_TRUE(f.host().popUps().lastMessage().contains("first1Q4.txt is read-only"))
        << f.host().popUps().lastMessage().toStdString();
    EXPECT_EQ(f.launcher().practiceWindow(), w);
    EXPECT_EQ(w->Frame(1)->FA()->text(), "walks");

    // No closes it all the same: what could not be saved is not.
    f.host().popUps().setNextAnswer(false);
    EXPECT_TRUE(f.launcher().UnloadPracticeWindow());
    EXPECT_FALSE(f.launcher().hasOpenPracticeWindow());
    EXPECT_EQ(readBytes(firstAnswers(f)), before);
    setReadOnly(firstAnswers(f), false);
}

// A disk that fills up after the marking's commit point: the marking holds,
// the window shows it and says a file is still to be written, and the next
// reading of the files finishes it, with one trend entry.
TEST(ProgressSafetyTest, aMarkingThatHoldsButCannotFinishIsShownToldAndFinishedLater) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 3);
    ASSERT_NE(w, nullptr);
    typeAnswer(w, 1, "she will not go to work");
    // The save of the answers takes 6 file calls; the marking stages its
    // 4 files (16 calls), syncs the folder and writes its journal (6): its
    // first rename is call 30, and everything fails from the second on.
    file_calls::setFaultPlan({.failFrom = 31});
    f.host().popUps().setNextAnswers({true, true});
    w->ToolBar(2)->clicked();
    file_calls::clearFaultPlan();

    EXPECT_EQ(w->Status(), "1");
    EXPECT_TRUE(w->Frame(1)->FA()->isReadOnly());
    const QString told = f.host().popUps().lastMessage();
    EXPECT_TRUE(told.startsWith("Grammar - Paper 3 is marked, but fresults1Q4.txt could not be "
                                "written yet (No space left on device)."))
        << told.toStdString();

    EXPECT_TRUE(f.launcher().UnloadPracticeWindow());
    const SummaryRows summary = f.summary(1); // reading finishes the change
    EXPECT_EQ(summary.value(SummaryRows::FST, 3), "1");
    EXPECT_EQ(fileLines(f.progressPath(ProgressFile::Trend, 1)).size(), 1);
    EXPECT_EQ(fileLines(f.progressPath(ProgressFile::Trend, 1)).first().count('>'), 1);
    EXPECT_FALSE(QFileInfo::exists(ChangeJournalPath(f.folder().path())));
}

} // namespace
