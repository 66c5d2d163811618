#include "marking/answer_judge.h"
#include "marking/marking_error.h"
#include "marking/store_update.h"
#include "marking_test_support.h"
#include "tests/support/test_support.h"

#include "data/progress_store.h"
#include "data/record_file.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <map>

using namespace orvanta;
using namespace orvanta::test;

namespace {

constexpr int kSubject = 1;
constexpr int kPapers = 10;

// Subject 1 of the fixture course, as a practice window holds it with paper
// 102 (seven parts) open.
class StoreUpdateTest : public testing::Test {
protected:
    StoreUpdateTest()
        : store(fixtureCourse(), temp.folder(), "Q4") {
        EXPECT_EQ(store.CreateProgressFiles(kSubject), 0u);
    }

    PaperRecordFile open(ProgressFile file) {
        return store.OpenPaperRecords(file, kSubject, kPapers);
    }
    QByteArray bytesOf(ProgressFile file) { return readBytes(store.path(file, kSubject)); }
    std::map<ProgressFile, QByteArray> allBytes() {
        std::map<ProgressFile, QByteArray> bytes;
        for (ProgressFile file : kProgressFiles)
            bytes[file] = bytesOf(file);
        return bytes;
    }

    static FirstTakeRecord firstTake(int paperNumber, const QString& percentage) {
        return {
            paperNumber,
            QStringList(7, QStringLiteral("a")),
            QStringList{kRightCode, kWrongCode, kRightCode, kRightCode, kRightCode, kWrongCode, ""},
            percentage,
            {QStringLiteral("7 Mar 2024"), QStringLiteral("0:7:5")}};
    }

    void markFirstTake(int paperNumber, const QString& percentage) {
        PaperRecordFile answers = open(ProgressFile::FirstAnswers);
        PaperRecordFile results = open(ProgressFile::FirstResults);
        SummaryRows summary = store.ReadSummary(kSubject, kPapers);
        StoreFirstTakeMarking(store, kSubject, answers, results, summary,
                              firstTake(paperNumber, percentage));
    }

    // Replaces a progress file by a folder of the same name: every write to
    // it fails, as a full disk or a locked file would make it fail.
    void breakFile(ProgressFile file) {
        const QString path = store.path(file, kSubject);
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(QDir().mkdir(path));
    }

    TempAppFolder temp;
    ProgressStore store;
};

TEST_F(StoreUpdateTest, firstTakeSetsItsFourSummaryValuesAndAppendsTheTrend) {
    PaperRecordFile answers = open(ProgressFile::FirstAnswers);
    PaperRecordFile results = open(ProgressFile::FirstResults);
    SummaryRows summary = store.ReadSummary(kSubject, kPapers);

    StoreFirstTakeMarking(store, kSubject, answers, results, summary, firstTake(102, "66.7"));

    const QByteArray summaryBytes = bytesOf(ProgressFile::Summary);
    EXPECT_EQ(summaryBytes, "#FSE#>>66.7>>>>>>>>\r\n"
                            "#SSE#>>>>>>>>>>\r\n"
                            "#LTM#>>0:7:5>>>>>>>>\r\n"
                            "#CDD#>>7 Mar 2024>>>>>>>>\r\n"
                            "#FST#>0>1>0>0>0>0>0>0>0>0\r\n"
                            "#SST#>0>0>0>0>0>0>0>0>0>0\r\n");
    EXPECT_EQ(bytesOf(ProgressFile::Trend), "#TRD#>66.7\r\n");
    EXPECT_TRUE(
        bytesOf(ProgressFile::FirstResults).contains("#102#>\xfc>\xfb>\xfc>\xfc>\xfc>\xfb>\r\n"));
    EXPECT_TRUE(bytesOf(ProgressFile::FirstAnswers).contains("#102#>a>a>a>a>a>a>a\r\n"));

    // What the window keeps agrees with the files.
    EXPECT_EQ(summary.rows, store.ReadSummary(kSubject, kPapers).rows);
    EXPECT_EQ(results.lines(), open(ProgressFile::FirstResults).lines());
    EXPECT_EQ(answers.lines(), open(ProgressFile::FirstAnswers).lines());
}

TEST_F(StoreUpdateTest, eachFirstTakeAddsOneTrendEntryNewestLast) {
    markFirstTake(102, "66.7");
    markFirstTake(105, "100");
    EXPECT_EQ(bytesOf(ProgressFile::Trend), "#TRD#>66.7>100\r\n");
}

TEST_F(StoreUpdateTest, secondTakeLeavesTrendAndFirstTakeValuesAlone) {
    markFirstTake(102, "66.7");
    const QByteArray trend = bytesOf(ProgressFile::Trend);
    const QByteArray firstResults = bytesOf(ProgressFile::FirstResults);

    PaperRecordFile answers = open(ProgressFile::SecondAnswers);
    PaperRecordFile results = open(ProgressFile::SecondResults);
    SummaryRows summary = store.ReadSummary(kSubject, kPapers);
    StoreSecondTakeMarking(store, kSubject, answers, results, summary,
                           {102, QStringList(7, "b"), QStringList(7, kRightCode), "100"});

    EXPECT_EQ(bytesOf(ProgressFile::Trend), trend);
    EXPECT_EQ(bytesOf(ProgressFile::FirstResults), firstResults);
    const SummaryRows stored = store.ReadSummary(kSubject, kPapers);
    EXPECT_EQ(stored.value(SummaryRows::FSE, 2), "66.7");
    EXPECT_EQ(stored.value(SummaryRows::LTM, 2), "0:7:5");
    EXPECT_EQ(stored.value(SummaryRows::SSE, 2), "100");
    EXPECT_EQ(stored.value(SummaryRows::SST, 2), "1");
    EXPECT_EQ(stored.value(SummaryRows::SST, 1), "0");
    EXPECT_EQ(summary.rows, stored.rows);
    EXPECT_TRUE(bytesOf(ProgressFile::SecondAnswers).contains("#102#>b>b>b>b>b>b>b\r\n"));
}

TEST_F(StoreUpdateTest, aMarkedTakeIsNotMarkedAgain) {
    markFirstTake(102, "66.7");
    const auto before = allBytes();
    try {
        markFirstTake(102, "100");
        ADD_FAILURE() << "marked twice";
    } catch (const MarkingError& error) {
        EXPECT_EQ(error.reason(), MarkingError::Reason::AlreadyMarked);
    }
    EXPECT_EQ(allBytes(), before);
}

TEST_F(StoreUpdateTest, filesOfTheWrongTakeOrPaperAreRefused) {
    PaperRecordFile second = open(ProgressFile::SecondAnswers);
    PaperRecordFile results = open(ProgressFile::FirstResults);
    SummaryRows summary = store.ReadSummary(kSubject, kPapers);
    EXPECT_THROW(
        StoreFirstTakeMarking(store, kSubject, second, results, summary, firstTake(102, "50")),
        MarkingError);
    PaperRecordFile first = open(ProgressFile::FirstAnswers);
    EXPECT_THROW(
        StoreFirstTakeMarking(store, kSubject, first, results, summary, firstTake(111, "50")),
        MarkingError);
}

TEST_F(StoreUpdateTest, unstorableAnswerChangesNothing) {
    const auto before = allBytes();
    PaperRecordFile answers = open(ProgressFile::FirstAnswers);
    PaperRecordFile results = open(ProgressFile::FirstResults);
    SummaryRows summary = store.ReadSummary(kSubject, kPapers);
    FirstTakeRecord record = firstTake(102, "50");
    record.answers[3] = "3 > 2";
    EXPECT_THROW(StoreFirstTakeMarking(store, kSubject, answers, results, summary, record),
                 MarkingError);
    EXPECT_EQ(allBytes(), before);
}

// A write that fails after others succeeded: the files already rewritten are
// put back byte for byte and the kept lines and rows stay as they were.
enum class Fault {
    SummaryIsFolder,      // the last write, the summary, fails
    TrendIsFolder,        // the trend cannot even be read: nothing is written
    UnstorableResult,     // the results write fails after the answers were written
    UnstorablePercentage, // the trend write fails after answers and results
};

struct FailureRow {
    const char* name;
    bool firstTake;
    Fault fault;
};

class FailedMarkingWrite : public StoreUpdateTest,
                           public testing::WithParamInterface<FailureRow> {};

TEST_P(FailedMarkingWrite, leavesEveryFileAsItWas) {
    const FailureRow& row = GetParam();
    markFirstTake(101, "20"); // earlier history, and the template's "..." lines elsewhere
    const ProgressFile answersFile =
        row.firstTake ? ProgressFile::FirstAnswers : ProgressFile::SecondAnswers;
    const ProgressFile resultsFile =
        row.firstTake ? ProgressFile::FirstResults : ProgressFile::SecondResults;
    PaperRecordFile answers = open(answersFile);
    PaperRecordFile results = open(resultsFile);
    SummaryRows summary = store.ReadSummary(kSubject, kPapers);
    const QStringList answerLines = answers.lines();
    const QStringList resultLines = results.lines();
    const SummaryRows keptSummary = summary;
    const auto before = allBytes();

    const int paper = row.firstTake ? 102 : 101;
    QStringList resultCodes(7, kRightCode);
    QString percentage = "100";
    ProgressFile broken = ProgressFile::Summary;
    switch (row.fault) {
    case Fault::SummaryIsFolder:
        breakFile(ProgressFile::Summary);
        break;
    case Fault::TrendIsFolder:
        broken = ProgressFile::Trend;
        breakFile(ProgressFile::Trend);
        break;
    case Fault::UnstorableResult:
        resultCodes[3] = "a>b";
        break;
    case Fault::UnstorablePercentage:
        percentage = u8("１００"); // full-width digits: not in Windows-1252
        break;
    }

    try {
        if (row.firstTake)
            StoreFirstTakeMarking(
                store, kSubject, answers, results, summary,
                {paper, QStringList(7, "b"), resultCodes, percentage, {"7 Mar 2024", "0:7:5"}});
        else
            StoreSecondTakeMarking(store, kSubject, answers, results, summary,
                                   {paper, QStringList(7, "b"), resultCodes, percentage});
        ADD_FAILURE() << "the failed write went unnoticed";
    } catch (const MarkingError& error) {
        EXPECT_EQ(error.reason(), MarkingError::Reason::StoreFailed);
        EXPECT_TRUE(error.message().contains(QStringLiteral("paper %1").arg(paper)));
        EXPECT_TRUE(error.message().contains("unchanged")) << error.message().toStdString();
        if (row.fault == Fault::SummaryIsFolder || row.fault == Fault::TrendIsFolder) {
            EXPECT_EQ(error.file(), store.path(broken, kSubject));
        }
    }

    for (ProgressFile file : kProgressFiles) {
        if (file != broken || row.fault == Fault::UnstorableResult ||
            row.fault == Fault::UnstorablePercentage) {
            EXPECT_EQ(bytesOf(file), before.at(file)) << ProgressStem(file).toStdString();
        }
    }
    EXPECT_EQ(answers.lines(), answerLines);
    EXPECT_EQ(results.lines(), resultLines);
    EXPECT_EQ(summary.rows, keptSummary.rows);
}

const FailureRow kFailures[] = {
    {"first_take_summary_write_fails", true, Fault::SummaryIsFolder},
    {"first_take_trend_unreadable", true, Fault::TrendIsFolder},
    {"first_take_results_write_fails", true, Fault::UnstorableResult},
    {"first_take_trend_write_fails", true, Fault::UnstorablePercentage},
    {"second_take_summary_write_fails", false, Fault::SummaryIsFolder},
    {"second_take_results_write_fails", false, Fault::UnstorableResult},
};
INSTANTIATE_TEST_SUITE_P(Failures, FailedMarkingWrite, testing::ValuesIn(kFailures),
                         rowName<FailureRow>);

TEST(TrendLine, appendsAndKeepsTheNewestFifty) {
    EXPECT_EQ(AppendedTrendLine("", "66.7"), "#TRD#>66.7");
    EXPECT_EQ(AppendedTrendLine("#TRD#", "66.7"), "#TRD#>66.7");
    EXPECT_EQ(AppendedTrendLine("#TRD#>66.7", "100"), "#TRD#>66.7>100");
    QStringList fifty;
    for (int i = 1; i <= 50; ++i)
        fifty << QString::number(i);
    const QString full = "#TRD#>" + fifty.join(u'>');
    EXPECT_EQ(AppendedTrendLine(full, "51"), "#TRD#>" + fifty.mid(1).join(u'>') + ">51");
}

} // namespace
