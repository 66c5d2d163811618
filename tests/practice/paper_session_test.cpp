// What a practice window holds of its paper, on the fixture course's files:
// the content through the scratch file, the progress of both takes with the
// second take's carry-over, the saving of the answers, and the reasons a
// paper cannot be opened.
#include "data/file_calls.h"
#include "practice/logic/paper_session.h"

#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

const QString R = QStringLiteral("\u00fc");
const QString W = QStringLiteral("\u00fb");

class PaperSessionTest : public ::testing::Test {
protected:
    PaperSessionTest()
        : course(copyFixtureCourse(app.path() + QStringLiteral("/course")))
        , store(course, app.folder(), QStringLiteral("Q4")) {
        for (int s = 1; s <= 3; ++s)
            EXPECT_EQ(store.CreateProgressFiles(s), 0u);
    }

    PaperHandOver handOver(int paperNumber, int take = 1) const {
        PaperHandOver h;
        h.subject = 1;
        h.courseCode = QStringLiteral("Q4");
        h.topicFirstIndex = 1;
        h.paperCount = 10;
        h.paperNumber = paperNumber;
        h.take = take;
        h.topicName = QStringLiteral("Grammar");
        return h;
    }

    PaperSession loaded(int paperNumber, int take = 1) {
        PaperSession session(handOver(paperNumber, take), course, app.folder());
        session.checkHandOver();
        session.loadContent();
        session.loadProgress();
        return session;
    }

    void storeRecord(ProgressFile file, int paperNumber, const QStringList& values) {
        PaperRecordFile records = store.OpenPaperRecords(file, 1, 10);
        records.replace(paperNumber, values);
    }

    QString path(ProgressFile file) const { return store.path(file, 1); }

    TempAppFolder app;
    ResourceLibrary course;
    ProgressStore store;
};

TEST_F(PaperSessionTest, contentComesThroughTheScratchFileWhichIsGoneAfterwards) {
    PaperSession session = loaded(101);
    EXPECT_EQ(session.content().questions, QStringList({"10001", "10002", "10003"}));
    EXPECT_EQ(session.content().partCounts, QList<int>({5, 5, 5}));
    EXPECT_EQ(session.partCount(), 15);
    EXPECT_EQ(session.content().totalMarks, 15);
    EXPECT_EQ(session.offsetOf(3), 10);
    EXPECT_EQ(session.partsOf(2), 5);
    EXPECT_FALSE(QFile::exists(app.folder().tableScratchFile()));
}

TEST_F(PaperSessionTest, firstTakeReadsTheFirstAnswersAndResultsAndTheSummary) {
    storeRecord(ProgressFile::FirstAnswers, 104, {"a", "", "c", "", "", ""});
    storeRecord(ProgressFile::FirstResults, 104, {R, W, R, "", "", ""});
    SummaryRows summary = store.ReadSummary(1, 10);
    summary.set(SummaryRows::FST, 4, "1");
    summary.set(SummaryRows::FSE, 4, "33.3");
    store.WriteSummary(1, summary);
    PaperSession session = loaded(104);
    EXPECT_EQ(session.take(), Take::First);
    EXPECT_EQ(session.progress().answers, QStringList({"a", "", "c", "", "", ""}));
    EXPECT_EQ(session.progress().firstResults.mid(0, 3), QStringList({R, W, R}));
    EXPECT_EQ(session.status(), "1");
    EXPECT_EQ(session.percentage(), "33.3");
    EXPECT_TRUE(session.repairNotices().isEmpty());
    EXPECT_EQ(session.progress().answerFile->path(), path(ProgressFile::FirstAnswers));
    EXPECT_EQ(session.progress().resultFile->path(), path(ProgressFile::FirstResults));
}

TEST_F(PaperSessionTest, secondTakeCarriesOverWithoutTouchingTheFiles) {
    storeRecord(ProgressFile::FirstAnswers, 104, {"a", "b", "c", "d", "e", "f"});
    storeRecord(ProgressFile::FirstResults, 104, {R, W, R, W, "", R});
    storeRecord(ProgressFile::SecondAnswers, 104, {"x", "y", "", "", "", ""});
    const QByteArray secondBefore = readBytes(path(ProgressFile::SecondAnswers));
    PaperSession session = loaded(104, 2);
    EXPECT_EQ(session.take(), Take::Second);
    EXPECT_EQ(session.progress().answers, QStringList({"a", "y", "c", "", "", "f"}));
    EXPECT_EQ(session.progress().secondResults, QStringList({R, "", R, "", "", R}));
    EXPECT_EQ(session.progress().answerFile->path(), path(ProgressFile::SecondAnswers));
    EXPECT_EQ(session.progress().resultFile->path(), path(ProgressFile::SecondResults));
    EXPECT_EQ(session.status(), "0");
    EXPECT_EQ(session.timeTaken(), "");
    EXPECT_EQ(readBytes(path(ProgressFile::SecondAnswers)), secondBefore);
}

TEST_F(PaperSessionTest, savingRewritesTheFileWithPLinesKeepingTheOthersByteIdentical) {
    storeRecord(ProgressFile::FirstAnswers, 107, {"seven", "", "", "", "", ""});
    const QList<QByteArray> before = readBytes(path(ProgressFile::FirstAnswers)).split('\n');
    PaperSession session = loaded(103);
    session.progress().answers = {"she will not go"};
    session.saveAnswers();
    QList<QByteArray> after = readBytes(path(ProgressFile::FirstAnswers)).split('\n');
    ASSERT_EQ(after.takeLast(), QByteArray()); // the last line ends with CR LF too
    ASSERT_EQ(after.size(), 10);
    EXPECT_EQ(after.at(2), "#103#>she will not go\r");
    for (int i = 0; i < 10; ++i) {
        if (i != 2) {
            EXPECT_TRUE(before.contains(after.at(i))) << i;
        }
    }
}

// Back and Next save on every move; moves without typing must not rewrite
// (and sync) a file that already holds the answers.
TEST_F(PaperSessionTest, savingAnswersTheFileAlreadyHoldsTouchesNoFile) {
    storeRecord(ProgressFile::FirstAnswers, 103, {"she will not go"});
    PaperSession session = loaded(103);
    file_calls::clearFaultPlan();
    session.saveAnswers();
    EXPECT_EQ(file_calls::callCount(), 0);

    session.progress().answers = {"she will go"};
    session.saveAnswers();
    EXPECT_GT(file_calls::callCount(), 0);
    EXPECT_TRUE(readBytes(path(ProgressFile::FirstAnswers)).contains("#103#>she will go\r"));
    const int afterWrite = file_calls::callCount();
    session.saveAnswers();
    EXPECT_EQ(file_calls::callCount(), afterWrite);
}

TEST_F(PaperSessionTest, aFailedSaveKeepsTheFileAndTheAnswers) {
    PaperSession session = loaded(101);
    const QString file = path(ProgressFile::FirstAnswers);
    const QByteArray before = readBytes(file);
    ASSERT_TRUE(QFile::rename(file, file + ".away"));
    ASSERT_TRUE(QDir().mkdir(file));
    session.progress().answers[0] = "walks";
    EXPECT_THROW(session.saveAnswers(), RecordFileError);
    EXPECT_EQ(session.progress().answers.value(0), "walks");
    ASSERT_TRUE(QDir().rmdir(file));
    ASSERT_TRUE(QFile::rename(file + ".away", file));
    EXPECT_EQ(readBytes(file), before);
    session.saveAnswers();
    EXPECT_TRUE(readBytes(file).contains("#101#>walks>"));
}

struct BrokenCase {
    const char* name;
    std::function<void(const QString& folder, const QString& course)> damage;
    const char* reasonPart;
};

class BrokenPaperTest : public PaperSessionTest,
                        public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenPaperTest, aPaperThatCannotBeReadSaysWhyWithoutFolders) {
    const BrokenCase& c = GetParam();
    c.damage(app.path(), app.path() + QStringLiteral("/course"));
    PaperSession session(handOver(103), course, app.folder());
    try {
        session.checkHandOver();
        session.loadContent();
        session.loadProgress();
        FAIL() << "the paper opened";
    } catch (const PaperOpenError& e) {
        EXPECT_TRUE(e.reason().contains(QString::fromLatin1(c.reasonPart)))
            << e.reason().toStdString();
        EXPECT_FALSE(e.reason().contains(app.path())) << e.reason().toStdString();
    }
    EXPECT_FALSE(QFile::exists(app.folder().tableScratchFile()));
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenPaperTest,
                         ::testing::Values(BrokenCase{"missing_answer_key",
                                                      [](const QString&, const QString& course) {
                                                          QFile::remove(course + "/30013");
                                                      },
                                                      "answer key"},
                                           BrokenCase{"paper_not_in_the_paper_list",
                                                      [](const QString&, const QString& course) {
                                                          writeBytes(course + "/30012",
                                                                     "...\r\n#101#>10001\r\n...");
                                                      },
                                                      "103"},
                                           BrokenCase{"oversized_answers_file",
                                                      [](const QString& folder, const QString&) {
                                                          QFile file(folder + "/first1Q4.txt");
                                                          file.open(QIODevice::ReadWrite);
                                                          file.resize(5 * 1024 * 1024);
                                                      },
                                                      "first1Q4.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A progress file that is missing or damaged no longer keeps the paper shut:
// it is mended on the way in, and the pupil is told which file.
struct MendedCase {
    const char* name;
    const char* file;
    QByteArray bytes; // empty: the file is removed
};

class MendedPaperTest : public PaperSessionTest,
                        public ::testing::WithParamInterface<MendedCase> {};

TEST_P(MendedPaperTest, opensAndNamesTheMendedFile) {
    const MendedCase& c = GetParam();
    const QString damaged = app.file(QString::fromLatin1(c.file));
    if (c.bytes.isEmpty())
        QFile::remove(damaged);
    else
        writeBytes(damaged, c.bytes);
    PaperSession session = loaded(103);
    ASSERT_EQ(session.repairNotices().size(), 1);
    EXPECT_TRUE(session.repairNotices().first().text.contains(QString::fromLatin1(c.file)))
        << session.repairNotices().first().text.toStdString();
    EXPECT_EQ(session.progress().answers, QStringList({""}));
    EXPECT_EQ(session.status(), "0");
}

INSTANTIATE_TEST_SUITE_P(Cases, MendedPaperTest,
                         ::testing::Values(MendedCase{"missing_answers_file", "first1Q4.txt", {}},
                                           MendedCase{"record_too_short", "fresults1Q4.txt",
                                                      "#101#>\r\n#102#>\r\n#103#\r\n"},
                                           MendedCase{"summary_missing", "marks1Q4.txt", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PaperSessionTest, aHandOverOutsideTheSubjectIsRefused) {
    auto refused = [&](PaperHandOver h) {
        PaperSession session(h, course, app.folder());
        EXPECT_THROW(session.checkHandOver(), PaperOpenError);
    };
    PaperHandOver h = handOver(111);
    refused(h);
    h = handOver(101);
    h.subject = 4;
    refused(h);
    h = handOver(101, 3);
    refused(h);
    h = handOver(101);
    h.paperCount = 51;
    refused(h);
}

} // namespace
