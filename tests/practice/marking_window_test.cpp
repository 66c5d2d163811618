// The Mark command of the practice window on real files under Xvfb: the
// confirmations, the stored results, scores, summary rows and trend of a
// first take, the second take with its carried-over parts and model answers,
// reopening marked papers, and markings that cannot be stored.
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/marking_bar.h"
#include "tests/practice/practice_test_support.h"
#include "ui_frame/picture_box.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

const QString R = QStringLiteral("\u00fc");
const QString W = QStringLiteral("\u00fb");

// Paper 101 of English: 15 one-mark parts; these answers get 11 right.
const QStringList kPaper101Answers = {"walks", "is",     "has",     "are",     "was",
                                      "2",     "4",      "1",       "3",       "2",
                                      "that",  "before", "so that", "amongst", "there"};
const QStringList kPaper101Results = {R, W, R, R, W, R, R, R, R, R, R, W, R, R, W};
const QStringList kPaper101Right = {"walks", "are",   "has",     "are",   "is",
                                    "2",     "4",     "1",       "3",     "2",
                                    "which", "after", "so that", "among", "their"};

// Paper 103 of English made of `parts` parts of type `type` keyed "w1".."wN",
// each worth `mark`: question 10007 holds the first 20, question 10009 the
// rest; the progress templates get room for them.
std::function<void(const QString&)> withPaper103(int parts, const QString& type = "T",
                                                 const QString& mark = "1") {
    return [=](const QString& course) {
        QStringList questions = {"10007"};
        if (parts > 20)
            questions << "10009";
        setRecord(course + "/30012", "103", questions);
        for (int q = 0; q < questions.size(); ++q) {
            QStringList keys, types, marks;
            for (int k = q * 20 + 1; k <= std::min(parts, (q + 1) * 20); ++k) {
                keys << QStringLiteral("w%1").arg(k);
                types << type;
                marks << mark;
            }
            setRecord(course + "/30013", questions[q], keys);
            setRecord(course + "/30014", questions[q], types);
            setRecord(course + "/30015", questions[q], marks);
        }
        for (const char* file : {"/30112", "/30113", "/30114", "/30115"})
            setRecord(course + QLatin1String(file), "103", QStringList(parts, QString()));
    };
}

// "w1".."wN" with the parts after the first `right` answered "x".
QStringList answersWithRight(int parts, int right) {
    QStringList answers;
    for (int k = 1; k <= parts; ++k)
        answers << (k <= right ? QStringLiteral("w%1").arg(k) : QStringLiteral("x"));
    return answers;
}

// Clicks Mark with the pop-ups answered in order.
void clickMark(PracticeFixture& f, PracticeWindow* w, const QList<bool>& answers) {
    f.host().popUps().setNextAnswers(answers);
    w->ToolBar(2)->clicked();
}

QByteArray paperRecord(int paperNumber, const QStringList& codes) {
    QByteArray line = '#' + QByteArray::number(paperNumber) + "#";
    for (const QString& code : codes)
        line += '>' + code.toLatin1();
    return line;
}

struct FileState {
    QByteArray bytes;
    QDateTime modified;
};

// Every file of the application folder but the page files, with its bytes
// and modification time.
QMap<QString, FileState> folderState(PracticeFixture& f) {
    QMap<QString, FileState> state;
    const QDir dir(f.folder().path());
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
        if (!info.fileName().startsWith("temppaper"))
            state.insert(info.fileName(), {readBytes(info.filePath()), info.lastModified()});
    }
    return state;
}

QStringList changedFiles(const QMap<QString, FileState>& before,
                         const QMap<QString, FileState>& after) {
    QStringList changed;
    for (auto it = after.begin(); it != after.end(); ++it) {
        const auto old = before.find(it.key());
        if (old == before.end() || old->bytes != it->bytes || old->modified != it->modified)
            changed << it.key();
    }
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (!after.contains(it.key()))
            changed << it.key();
    }
    return changed;
}

bool shownIn(QWidget* child) {
    return child->isVisibleTo(child->parentWidget());
}

TEST(MarkingWindowTest, firstTakeMarkedStoresEverythingAndShowsTheMarkedSheet) {
    PracticeFixture f;
    f.storeRecord(ProgressFile::FirstAnswers, 1, 101, kPaper101Answers);
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    QSignalSpy cells(w->markingBar(), &MarkingBar::cellShown);
    f.monotonic().advanceSeconds(65);
    const int asked = f.host().popUps().askedCount();
    clickMark(f, w, {true});

    EXPECT_EQ(f.host().popUps().askedCount(), asked + 1);
    EXPECT_EQ(f.host().popUps().lastTitle(), "Marking");
    EXPECT_EQ(f.host().popUps().lastMessage(), "Do you want to mark your practice now?");
    EXPECT_EQ(f.host().popUps().lastButtonCount(), 2);
    EXPECT_EQ(cells.size(), 15);
    EXPECT_FALSE(shownIn(w->fmeMark()));

    EXPECT_EQ(w->Status(), "1");
    EXPECT_EQ(w->Scoring()->text(), "11");
    EXPECT_EQ(w->PScoring()->text(), "73.3");
    EXPECT_EQ(w->LTime()->text(), "0:1:5");
    EXPECT_EQ(w->ETime()->text(), "7 Mar 2024");
    EXPECT_TRUE(shownIn(w->LTime()) && shownIn(w->ETime()));
    EXPECT_FALSE(shownIn(w->lblClock()) || shownIn(w->lblDate()));
    EXPECT_FALSE(shownIn(w->TxtRem()));

    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::FirstResults, 1), 101),
              paperRecord(101, kPaper101Results));
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::FirstAnswers, 1), 101),
              paperRecord(101, kPaper101Answers));
    const SummaryRows summary = f.summary(1);
    EXPECT_EQ(summary.value(SummaryRows::FSE, 1), "73.3");
    EXPECT_EQ(summary.value(SummaryRows::LTM, 1), "0:1:5");
    EXPECT_EQ(summary.value(SummaryRows::CDD, 1), "7 Mar 2024");
    EXPECT_EQ(summary.value(SummaryRows::FST, 1), "1");
    EXPECT_EQ(fileLines(f.progressPath(ProgressFile::Trend, 1)),
              QList<QByteArray>({"#TRD#>73.3\r"}));

    // Locked boxes with a tick or a cross beside each, no model answers.
    for (int k = 1; k <= 5; ++k) {
        AnswerFrame* frame = w->Frame(k);
        EXPECT_TRUE(frame->FA()->isReadOnly()) << k;
        EXPECT_TRUE(shownIn(frame->FR())) << k;
        EXPECT_FALSE(shownIn(frame->M())) << k;
    }
    EXPECT_EQ(w->Frame(1)->FR()->text(), "\u2713");
    EXPECT_EQ(w->Frame(2)->FR()->text(), "\u2717");

    // Save and Mark are off; Back and Next still move, showing the marks.
    w->tick(f.cursor());
    EXPECT_EQ(w->ToolBar(1)->pictureName(), "save_disabled.bmp");
    EXPECT_EQ(w->ToolBar(2)->pictureName(), "mark_disabled.bmp");
    EXPECT_FALSE(w->ToolBar(2)->isEnabled());
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->ToolBar(6)->clicked(); }));
    ASSERT_TRUE(pageLoadsAfter(w, [&] { w->ToolBar(6)->clicked(); }));
    EXPECT_EQ(w->QSCount(), "3");
    EXPECT_EQ(w->Frame(4)->FR()->code(), R);
    EXPECT_EQ(w->Frame(5)->FR()->code(), W);
    EXPECT_TRUE(w->Frame(5)->FA()->isReadOnly());
}

struct ConfirmationCase {
    const char* name;
    QStringList stored;   // the paper's answers before it opens
    QString typedInBox2;  // typed into question 1's second box before Mark
    const char* question; // what Mark asks
};

class ConfirmationTest : public ::testing::TestWithParam<ConfirmationCase> {};

// Answering No: the answers are saved, nothing else is written.
TEST_P(ConfirmationTest, asksByTheFirstEmptyPartAndNoOnlySavesTheAnswers) {
    const ConfirmationCase& c = GetParam();
    PracticeFixture f;
    f.storeRecord(ProgressFile::FirstAnswers, 1, 101, c.stored);
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    QStringList expected = c.stored;
    if (!c.typedInBox2.isEmpty()) {
        typeAnswer(w, 2, c.typedInBox2);
        expected[1] += c.typedInBox2;
    }
    const QMap<QString, QByteArray> before = folderSnapshot(f.folder().path());

    clickMark(f, w, {false});
    EXPECT_EQ(f.host().popUps().lastTitle(), "Marking");
    EXPECT_EQ(f.host().popUps().lastMessage(), QString::fromLatin1(c.question));
    EXPECT_EQ(w->Status(), "0");
    EXPECT_FALSE(w->Frame(1)->FA()->isReadOnly());
    EXPECT_TRUE(shownIn(w->TxtRem()));
    EXPECT_TRUE(w->PScoring()->text().isEmpty());

    QMap<QString, QByteArray> after = folderSnapshot(f.folder().path());
    const QString firstFile = QFileInfo(f.progressPath(ProgressFile::FirstAnswers, 1)).fileName();
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::FirstAnswers, 1), 101),
              paperRecord(101, expected));
    after.remove(firstFile);
    QMap<QString, QByteArray> unchanged = before;
    unchanged.remove(firstFile);
    EXPECT_EQ(after.keys(), unchanged.keys());
    EXPECT_TRUE(after == unchanged) << "results, summary or trend changed";
}

QStringList withPart(QStringList answers, int part, const QString& answer) {
    answers[part - 1] = answer;
    return answers;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfirmationTest,
    ::testing::Values(ConfirmationCase{"every_part_answered", kPaper101Answers, "",
                                       kMarkAllAnswered},
                      ConfirmationCase{"one_part_empty", withPart(kPaper101Answers, 9, ""), "",
                                       kMarkNotAllAnswered},
                      ConfirmationCase{"a_part_of_spaces_is_answered",
                                       withPart(kPaper101Answers, 15, "   "), "", kMarkAllAnswered},
                      ConfirmationCase{"the_open_question_is_stored_first",
                                       withPart(kPaper101Answers, 2, ""), "are", kMarkAllAnswered}),
    [](const auto& info) { return std::string(info.param.name); });

struct PercentageCase {
    const char* name;
    int parts;
    int right;
    const char* percentage;
};

class PercentageTest : public ::testing::TestWithParam<PercentageCase> {};

TEST_P(PercentageTest, scoreAndPercentageOfOneMarkParts) {
    const PercentageCase& c = GetParam();
    PracticeFixture f(withPaper103(c.parts));
    f.storeRecord(ProgressFile::FirstAnswers, 1, 103, answersWithRight(c.parts, c.right));
    PracticeWindow* w = f.open(1, 3);
    ASSERT_NE(w, nullptr);
    clickMark(f, w, {true});
    EXPECT_EQ(w->Scoring()->text(), QString::number(c.right));
    EXPECT_EQ(w->PScoring()->text(), c.percentage);
    EXPECT_EQ(f.summary(1).value(SummaryRows::FSE, 3), c.percentage);
    EXPECT_EQ(fileLines(f.progressPath(ProgressFile::Trend, 1)),
              QList<QByteArray>({"#TRD#>" + QByteArray(c.percentage) + '\r'}));
}

INSTANTIATE_TEST_SUITE_P(Cases, PercentageTest,
                         ::testing::Values(PercentageCase{"twenty_of_thirty", 30, 20, "66.7"},
                                           PercentageCase{"one_of_sixteen_half_to_even", 16, 1,
                                                          "6.2"},
                                           PercentageCase{"all_right", 16, 16, "100"},
                                           PercentageCase{"none_right", 16, 0, "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MarkingWindowTest, firstTakeWritesTheSecondTakeRowsBackAndExtendsTheTrend) {
    PracticeFixture f;
    // Paper 104 marked twice before, its files agreeing.
    f.setSummary(1, 4, SummaryRows::FSE, "33.3");
    f.setSummary(1, 4, SummaryRows::FST, "1");
    f.storeRecord(ProgressFile::FirstResults, 1, 104, {W, R, W, W, R, W});
    f.setSummary(1, 4, SummaryRows::SSE, "50");
    f.setSummary(1, 4, SummaryRows::SST, "1");
    f.storeRecord(ProgressFile::SecondResults, 1, 104, {W, R, W, R, R, W});
    const QList<QByteArray> linesBefore = fileLines(f.progressPath(ProgressFile::Summary, 1));
    f.storeRecord(ProgressFile::FirstAnswers, 1, 101, kPaper101Answers);
    f.storeRecord(ProgressFile::FirstAnswers, 1, 103, {"She will not go to work"});

    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    clickMark(f, w, {true});
    EXPECT_EQ(fileLines(f.progressPath(ProgressFile::Trend, 1)),
              QList<QByteArray>({"#TRD#>73.3\r"}));
    w = f.open(1, 3);
    ASSERT_NE(w, nullptr);
    clickMark(f, w, {true});
    EXPECT_EQ(w->PScoring()->text(), "100");
    EXPECT_EQ(fileLines(f.progressPath(ProgressFile::Trend, 1)),
              QList<QByteArray>({"#TRD#>73.3>100\r"}));

    const QList<QByteArray> linesAfter = fileLines(f.progressPath(ProgressFile::Summary, 1));
    ASSERT_EQ(linesAfter.size(), linesBefore.size());
    for (int i = 0; i < linesAfter.size(); ++i) {
        if (linesAfter[i].startsWith("#SSE#") || linesAfter[i].startsWith("#SST#")) {
            EXPECT_EQ(linesAfter[i], linesBefore[i]);
        }
    }
    const SummaryRows summary = f.summary(1);
    EXPECT_EQ(summary.value(SummaryRows::FSE, 4), "33.3");
    EXPECT_EQ(summary.value(SummaryRows::FST, 4), "1");
    EXPECT_EQ(summary.value(SummaryRows::FSE, 3), "100");
}

// The pupil's way through one paper: mark the first take, reopen it, try
// again with every part right the first time, mark, reopen.
TEST(MarkingWindowTest, reopeningMarkedTakesWritesNothingAndAllRightSecondTakeGivesHundred) {
    PracticeFixture f;
    f.storeRecord(ProgressFile::FirstAnswers, 1, 101, kPaper101Right);
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    f.monotonic().advanceSeconds(3600 + 62);
    clickMark(f, w, {true});
    ASSERT_EQ(w->PScoring()->text(), "100");
    f.launcher().UnloadPracticeWindow();
    QTest::qWait(20);

    auto reopen = [&](int take) {
        const QMap<QString, FileState> before = folderState(f);
        const int asked = f.host().popUps().askedCount();
        PracticeWindow* again = f.open(1, 1, take);
        EXPECT_EQ(f.host().popUps().askedCount(), asked);
        EXPECT_EQ(changedFiles(before, folderState(f)), QStringList());
        return again;
    };
    w = reopen(1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Status(), "1");
    EXPECT_EQ(w->PScoring()->text(), "100");
    EXPECT_EQ(w->LTime()->text(), "1:1:2");
    EXPECT_EQ(w->ETime()->text(), "7 Mar 2024");
    EXPECT_EQ(w->Frame(3)->FR()->text(), "\u2713");
    const QByteArray trend = readBytes(f.progressPath(ProgressFile::Trend, 1));
    const QByteArray firstResults = readBytes(f.progressPath(ProgressFile::FirstResults, 1));

    // Every part right the first time: all locked, light blue and ticked.
    w = f.open(1, 1, 2);
    ASSERT_NE(w, nullptr);
    for (int k = 1; k <= 5; ++k) {
        AnswerFrame* frame = w->Frame(k);
        EXPECT_TRUE(frame->FA()->isReadOnly()) << k;
        EXPECT_EQ(frame->FA()->backgroundColour(), kCarriedOverBlue) << k;
        EXPECT_TRUE(shownIn(frame->FR())) << k;
    }
    clickMark(f, w, {true});
    EXPECT_EQ(f.host().popUps().lastMessage(), "Do you want to mark your practice now?");
    EXPECT_EQ(w->Status(), "1");
    EXPECT_EQ(w->PScoring()->text(), "100");
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::SecondResults, 1), 101),
              paperRecord(101, QStringList(15, R)));
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::SecondAnswers, 1), 101),
              paperRecord(101, kPaper101Right));
    const SummaryRows summary = f.summary(1);
    EXPECT_EQ(summary.value(SummaryRows::SSE, 1), "100");
    EXPECT_EQ(summary.value(SummaryRows::SST, 1), "1");
    EXPECT_EQ(summary.value(SummaryRows::FSE, 1), "100");
    EXPECT_EQ(summary.value(SummaryRows::LTM, 1), "1:1:2");
    EXPECT_EQ(readBytes(f.progressPath(ProgressFile::Trend, 1)), trend);
    EXPECT_EQ(readBytes(f.progressPath(ProgressFile::FirstResults, 1)), firstResults);
    f.launcher().UnloadPracticeWindow();
    QTest::qWait(20);

    w = reopen(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Status(), "1");
    EXPECT_EQ(w->PScoring()->text(), "100");
    EXPECT_TRUE(shownIn(w->Frame(1)->SR()));
    EXPECT_FALSE(shownIn(w->Frame(1)->FR()));
    EXPECT_FALSE(shownIn(w->Frame(1)->M()));
    EXPECT_EQ(w->Frame(1)->FA()->backgroundColour(), kCarriedOverBlue);
}

TEST(MarkingWindowTest, secondTakeCountsCarriedOverPartsAndLeavesTheFirstTakeAlone) {
    PracticeFixture f(withPaper103(10));
    f.storeRecord(ProgressFile::FirstAnswers, 1, 103, answersWithRight(10, 6));
    PracticeWindow* w = f.open(1, 3);
    ASSERT_NE(w, nullptr);
    clickMark(f, w, {true});
    ASSERT_EQ(w->PScoring()->text(), "60");
    const QList<ProgressFile> firstTakeFiles = {ProgressFile::FirstAnswers,
                                                ProgressFile::FirstResults, ProgressFile::Trend};
    QList<QByteArray> firstTake;
    for (ProgressFile file : firstTakeFiles)
        firstTake << readBytes(f.progressPath(file, 1));

    w = f.open(1, 3, 2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Frame(7)->FA()->text(), "");
    typeAnswer(w, 7, "w7");
    typeAnswer(w, 8, " W8 ");
    typeAnswer(w, 9, "w10");
    clickMark(f, w, {true});
    // Part 10 is empty; the carried-over parts are not looked at.
    EXPECT_EQ(f.host().popUps().lastMessage(), QString::fromLatin1(kMarkNotAllAnswered));
    EXPECT_EQ(w->Scoring()->text(), "8");
    EXPECT_EQ(w->PScoring()->text(), "80");
    const SummaryRows summary = f.summary(1);
    EXPECT_EQ(summary.value(SummaryRows::SSE, 3), "80");
    EXPECT_EQ(summary.value(SummaryRows::FSE, 3), "60");
    for (int i = 0; i < firstTakeFiles.size(); ++i)
        EXPECT_EQ(readBytes(f.progressPath(firstTakeFiles[i], 1)), firstTake[i]) << i;
    EXPECT_EQ(recordLine(f.progressPath(ProgressFile::SecondResults, 1), 103),
              paperRecord(103, {R, R, R, R, R, R, R, R, W, W}));

    // Right the first time: ticked on light blue. Corrected: ticked on white.
    // Still wrong: crossed, with the key as model answer.
    struct Expected {
        int frame;
        QString code;
        QColor colour;
        bool model;
    };
    for (const Expected& e :
         {Expected{1, R, kCarriedOverBlue, false}, Expected{8, R, kAnswerWhite, false},
          Expected{9, W, kAnswerWhite, true}, Expected{10, W, kAnswerWhite, true}}) {
        AnswerFrame* frame = w->Frame(e.frame);
        EXPECT_EQ(frame->SR()->code(), e.code) << e.frame;
        EXPECT_TRUE(shownIn(frame->SR())) << e.frame;
        EXPECT_FALSE(shownIn(frame->FR())) << e.frame;
        EXPECT_EQ(frame->FA()->backgroundColour(), e.colour) << e.frame;
        EXPECT_TRUE(frame->FA()->isReadOnly()) << e.frame;
        EXPECT_EQ(shownIn(frame->M()), e.model) << e.frame;
    }
    EXPECT_EQ(w->Frame(9)->M()->text(), "w9");
    EXPECT_EQ(w->Frame(10)->M()->text(), "w10");
}

struct ModelAnswerCase {
    const char* name;
    int paperIndex; // of Science
    QStringList secondAnswers;
    QStringList codes;  // second results of question 1's parts
    QStringList models; // their model answers; null where none shows
};

class ModelAnswerTest : public ::testing::TestWithParam<ModelAnswerCase> {};

TEST_P(ModelAnswerTest, partsStillWrongShowTheirExpectedAnswer) {
    const ModelAnswerCase& c = GetParam();
    // The group of question 16007 with two alternatives for its three parts.
    PracticeFixture f([](const QString& course) {
        setRecord(course + "/30033", "16007", {";woodlouse;earthworm", " ", " "});
    });
    const int paper = PaperNumber(c.paperIndex);
    const int parts = static_cast<int>(c.secondAnswers.size());
    f.storeRecord(ProgressFile::FirstResults, 3, paper, QStringList(parts, W));
    f.storeRecord(ProgressFile::SecondAnswers, 3, paper, c.secondAnswers);
    f.setSummary(3, c.paperIndex, SummaryRows::FST, "1");
    f.setSummary(3, c.paperIndex, SummaryRows::FSE, "0");
    PracticeWindow* w = f.open(3, c.paperIndex, 2);
    ASSERT_NE(w, nullptr);
    clickMark(f, w, {true});
    ASSERT_EQ(w->Status(), "1");
    for (int k = 1; k <= c.codes.size(); ++k) {
        AnswerFrame* frame = w->Frame(k);
        EXPECT_EQ(frame->SR()->code(), c.codes[k - 1]) << k;
        EXPECT_EQ(shownIn(frame->M()), !c.models[k - 1].isNull()) << k;
        if (!c.models[k - 1].isNull()) {
            EXPECT_EQ(frame->M()->text(), c.models[k - 1]) << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelAnswerTest,
    ::testing::Values(
        ModelAnswerCase{
            "m_part_shows_its_first_alternative", 1, {"fruitss", "4", "2"}, {W}, {"Fruits"}},
        ModelAnswerCase{"group_gives_unclaimed_alternatives_in_order",
                        4,
                        {"woodlouse", "snail", "x", "6"},
                        {R, W, W},
                        {QString(), "earthworm", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

// Paper 103 is one long answer (type L), wrong in both takes.
TEST(MarkingWindowTest, aLongAnswerStillWrongShowsItsSentenceUnderItsBox) {
    PracticeFixture f;
    f.storeRecord(ProgressFile::FirstResults, 1, 103, {W});
    f.storeRecord(ProgressFile::SecondAnswers, 1, 103, {"she will go to work"});
    f.setSummary(1, 3, SummaryRows::FST, "1");
    f.setSummary(1, 3, SummaryRows::FSE, "0");
    PracticeWindow* w = f.open(1, 3, 2);
    ASSERT_NE(w, nullptr);
    clickMark(f, w, {true});
    AnswerFrame* frame = w->Frame(1);
    EXPECT_EQ(frame->SR()->code(), W);
    EXPECT_TRUE(shownIn(frame->M()));
    EXPECT_EQ(frame->M()->text(), "she will not go to work");
    EXPECT_TRUE(frame->M()->wordWrap());
    EXPECT_GT(frame->M()->y(), frame->FA()->geometry().bottom());
    // One box around the long answer box, none left of the one-line layout.
    ASSERT_EQ(frame->strokes().size(), 1);
    EXPECT_TRUE(frame->strokes().first().box.contains(frame->FA()->geometry()));
}

class StoreFailureTest : public ::testing::TestWithParam<ProgressFile> {};

// A folder in a progress file's place: writing it (or reading it before
// anything is written) fails, whoever runs the test.
TEST_P(StoreFailureTest, aMarkingThatCannotBeStoredLeavesEveryFileAndCanBeRetried) {
    PracticeFixture f;
    f.storeRecord(ProgressFile::FirstAnswers, 1, 101, kPaper101Answers);
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    const QString broken = f.progressPath(GetParam(), 1);
    ASSERT_TRUE(QFile::rename(broken, broken + ".away"));
    ASSERT_TRUE(QDir().mkdir(broken));
    const QMap<QString, QByteArray> before = folderSnapshot(f.folder().path());

    clickMark(f, w, {true, true});
    EXPECT_EQ(f.host().popUps().lastTitle(), "Marking");
    const QString told = f.host().popUps().lastMessage();
    EXPECT_TRUE(told.startsWith("Your marking of Grammar - Paper 1 could not be saved"))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QFileInfo(broken).fileName())) << told.toStdString();
    EXPECT_TRUE(folderSnapshot(f.folder().path()) == before) << "a file changed";
    EXPECT_EQ(w->Status(), "0");
    EXPECT_FALSE(w->Frame(1)->FA()->isReadOnly());
    EXPECT_TRUE(w->PScoring()->text().isEmpty());
    EXPECT_TRUE(shownIn(w->lblClock()));
    EXPECT_EQ(w->session().progress().firstResults, QStringList(15, QString()));

    // Once the file is back, Mark marks the paper once.
    ASSERT_TRUE(QDir().rmdir(broken));
    ASSERT_TRUE(QFile::rename(broken + ".away", broken));
    clickMark(f, w, {true});
    EXPECT_EQ(w->Status(), "1");
    EXPECT_EQ(f.summary(1).value(SummaryRows::FSE, 1), "73.3");
    EXPECT_EQ(fileLines(f.progressPath(ProgressFile::Trend, 1)),
              QList<QByteArray>({"#TRD#>73.3\r"}));
}

INSTANTIATE_TEST_SUITE_P(Files, StoreFailureTest,
                         ::testing::Values(ProgressFile::FirstResults, ProgressFile::Trend,
                                           ProgressFile::Summary),
                         [](const auto& info) {
                             switch (info.param) {
                             case ProgressFile::FirstResults:
                                 return std::string("results");
                             case ProgressFile::Trend:
                                 return std::string("trend");
                             default:
                                 return std::string("summary_written_last");
                             }
                         });

struct UnmarkableCase {
    const char* name;
    const char* type;
    const char* mark;
    QStringList told;
};

class UnmarkableTest : public ::testing::TestWithParam<UnmarkableCase> {};

TEST_P(UnmarkableTest, aPaperThatCannotBeMarkedIsNamedAndNothingIsWritten) {
    const UnmarkableCase& c = GetParam();
    PracticeFixture f(withPaper103(3, c.type, c.mark));
    f.storeRecord(ProgressFile::FirstAnswers, 1, 103, {"w1", "w2", "w3"});
    PracticeWindow* w = f.open(1, 3);
    ASSERT_NE(w, nullptr);
    QSignalSpy cells(w->markingBar(), &MarkingBar::cellShown);
    const QMap<QString, FileState> before = folderState(f);
    clickMark(f, w, {true, true});
    const QString told = f.host().popUps().lastMessage();
    EXPECT_TRUE(told.startsWith("Grammar - Paper 3 cannot be marked: ")) << told.toStdString();
    for (const QString& part : c.told)
        EXPECT_TRUE(told.contains(part)) << told.toStdString();
    EXPECT_EQ(w->Status(), "0");
    EXPECT_EQ(cells.size(), 0);
    // The answers file already holds the answers, so no file is written.
    EXPECT_EQ(changedFiles(before, folderState(f)), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnmarkableTest,
    ::testing::Values(
        UnmarkableCase{"number_keys_that_are_no_numbers",
                       "N",
                       "1",
                       {"the answer key of Question 1 (10007) part (a) is faulty (and 2 more)."}},
        UnmarkableCase{"marks_adding_up_to_zero", "T", "0", {"its marks add up to 0."}}),
    [](const auto& info) { return std::string(info.param.name); });

// The bar fills its fifteen cells in order while nothing the pupil does
// reaches the window.
TEST(MarkingWindowTest, markingBarFillsInOrderAndSwallowsInput) {
    PracticeFixture f;
    PracticeWindow* w = f.open(1, 1);
    ASSERT_NE(w, nullptr);
    w->show();
    QList<int> order;
    bool allShown = true;
    QObject::connect(w->markingBar(), &MarkingBar::cellShown, w, [&](int cell) {
        order << cell;
        allShown = allShown && w->fmeMark()->isVisible() && w->imgBar(cell)->isVisible() &&
                   (cell == 15 || !w->imgBar(cell + 1)->isVisible());
        if (cell == 1) {
            QTest::keyClicks(w->Frame(1)->FA(), "abc");
            QTest::mouseClick(w->ToolBar(6), Qt::LeftButton, {}, QPoint(10, 10));
        }
    });
    w->markingBar()->play(150);
    EXPECT_EQ(order, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_TRUE(allShown);
    EXPECT_FALSE(w->fmeMark()->isVisible());
    EXPECT_EQ(w->Frame(1)->FA()->text(), "");
    EXPECT_EQ(w->QSCount(), "1");
    // Input reaches the window again afterwards.
    QTest::keyClicks(w->Frame(1)->FA(), "abc");
    EXPECT_EQ(w->Frame(1)->FA()->text(), "abc");
}

} // namespace
