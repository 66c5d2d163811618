#include "data/progress_store.h"
#include "data/record_file.h"
#include "tests/support/test_support.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

class ProgressStoreTest : public ::testing::Test {
protected:
    ProgressStoreTest()
        : store(fixtureCourse(), temp.folder(), "Q4") {}

    QByteArray bytesOf(ProgressFile file, int subject) {
        return readBytes(store.path(file, subject));
    }

    TempAppFolder temp;
    ProgressStore store;
};

TEST_F(ProgressStoreTest, fileNamesFollowStemSubjectAndCode) {
    EXPECT_EQ(QFileInfo(store.path(ProgressFile::Summary, 2)).fileName(), "marks2Q4.txt");
    EXPECT_EQ(QFileInfo(store.path(ProgressFile::SecondResults, 3)).fileName(), "sresults3Q4.txt");
    EXPECT_EQ(ProgressTemplateResource(1, ProgressFile::Summary), 30111);
    EXPECT_EQ(ProgressTemplateResource(3, ProgressFile::Trend), 30136);
}

TEST_F(ProgressStoreTest, newStoreSaysNothingAnsweredOrMarked) {
    ASSERT_EQ(store.CreateProgressFiles(1), 0u);
    EXPECT_TRUE(store.missingFiles(1).isEmpty());
    EXPECT_EQ(ReadRecordLine(store.path(ProgressFile::FirstAnswers, 1), "101"),
              "#101#" + QString(15, u'>'));
    const SummaryRows summary = store.ReadSummary(1, 10);
    EXPECT_EQ(summary.paperCount(), 10);
    EXPECT_EQ(summary.value(SummaryRows::FSE, 1), "");
    EXPECT_EQ(summary.value(SummaryRows::FST, 10), "0");
    EXPECT_EQ(bytesOf(ProgressFile::Trend, 1), "#TRD#\r\n");
}

TEST_F(ProgressStoreTest, onlyMissingFilesAreCreatedAndTheOthersKept) {
    ASSERT_EQ(store.CreateProgressFiles(2), 0u);
    writeBytes(store.path(ProgressFile::Summary, 2), "pupil's summary");
    QFile::remove(store.path(ProgressFile::Trend, 2));
    EXPECT_EQ(store.CreateMissingProgressFiles(2), QList<ProgressFile>({ProgressFile::Trend}));
    EXPECT_EQ(bytesOf(ProgressFile::Summary, 2), "pupil's summary");
    EXPECT_EQ(bytesOf(ProgressFile::Trend, 2), "#TRD#\r\n");
    EXPECT_TRUE(store.CreateMissingProgressFiles(2).isEmpty());
}

TEST_F(ProgressStoreTest, resetSkipsAbsentSubjectsAndOverwritesResults) {
    CourseDescription course;
    course.code = "Q4";
    course.subjects[0].name = "English";
    course.subjects[2].name = "Science";
    ASSERT_EQ(store.CreateProgressFiles(1), 0u);
    writeBytes(store.path(ProgressFile::Trend, 1), "#TRD#>50\r\n");
    store.ResetProgressStore(course);
    EXPECT_EQ(bytesOf(ProgressFile::Trend, 1), "#TRD#\r\n");
    EXPECT_TRUE(store.missingFiles(3).isEmpty());
    EXPECT_EQ(store.missingFiles(2).size(), 6);
}

TEST_F(ProgressStoreTest, savingOnePaperRewritesPLinesAndKeepsTheOthers) {
    ASSERT_EQ(store.CreateProgressFiles(1), 0u);
    PaperRecordFile answers = store.OpenPaperRecords(ProgressFile::FirstAnswers, 1, 10);
    const QStringList before = answers.lines();
    answers.replace(103, {"she will not go"});
    answers.replace(102, {"a", "", " ", "", "", "", "b"});
    const QByteArray bytes = bytesOf(ProgressFile::FirstAnswers, 1);
    EXPECT_EQ(bytes.count("\r\n"), 10);
    EXPECT_FALSE(bytes.contains("..."));
    const QStringList lines = ReadPaperLines(store.path(ProgressFile::FirstAnswers, 1), 10);
    EXPECT_EQ(lines.at(1), "#102#>a>> >>>>b");
    EXPECT_EQ(lines.at(2), "#103#>she will not go");
    for (int i = 0; i < 10; ++i) {
        if (i != 1 && i != 2) {
            EXPECT_EQ(lines.at(i), before.at(i)) << i;
        }
    }
}

TEST_F(ProgressStoreTest, paperFieldsComeFromTheKeptRecord) {
    ASSERT_EQ(store.CreateProgressFiles(1), 0u);
    PaperRecordFile answers = store.OpenPaperRecords(ProgressFile::FirstAnswers, 1, 10);
    QStringList values;
    for (int i = 1; i <= 15; ++i)
        values << QString::number(i);
    answers.replace(101, values);
    const PaperRecordFile reread = store.OpenPaperRecords(ProgressFile::FirstAnswers, 1, 10);
    EXPECT_EQ(reread.fields(101, 15), values);
    // A record shorter or longer than the paper shows exactly its parts.
    EXPECT_EQ(reread.fields(101, 16), values + QStringList{""});
    EXPECT_EQ(reread.fields(101, 2), values.mid(0, 2));
    EXPECT_THROW(reread.fields(111, 1), RecordFileError);
}

TEST_F(ProgressStoreTest, summaryRowsRoundTripInTheirFixedOrder) {
    ASSERT_EQ(store.CreateProgressFiles(1), 0u);
    SummaryRows summary = store.ReadSummary(1, 10);
    summary.set(SummaryRows::FSE, 3, "66.7");
    summary.set(SummaryRows::LTM, 3, "0:7:5");
    summary.set(SummaryRows::CDD, 3, "08/12/2026");
    summary.set(SummaryRows::FST, 3, "1");
    store.WriteSummary(1, summary);
    const QByteArray bytes = bytesOf(ProgressFile::Summary, 1);
    EXPECT_TRUE(bytes.startsWith("#FSE#>>>66.7>>>>>>>\r\n#SSE#>>>>>>>>>>\r\n#LTM#>>>0:7:5>"));
    EXPECT_TRUE(bytes.endsWith("#FST#>0>0>1>0>0>0>0>0>0>0\r\n#SST#>0>0>0>0>0>0>0>0>0>0\r\n"));
    const SummaryRows reread = store.ReadSummary(1, 10);
    EXPECT_EQ(reread.rows, summary.rows);
}

TEST_F(ProgressStoreTest, trendGrowsByOneEntryPerAppend) {
    ASSERT_EQ(store.CreateProgressFiles(1), 0u);
    EXPECT_EQ(store.AppendTrendEntry(1, "66.7"), "#TRD#>66.7");
    EXPECT_EQ(store.AppendTrendEntry(1, "100"), "#TRD#>66.7>100");
    EXPECT_EQ(bytesOf(ProgressFile::Trend, 1), "#TRD#>66.7>100\r\n");
    writeBytes(store.path(ProgressFile::Trend, 1), "");
    EXPECT_EQ(store.AppendTrendEntry(1, "50"), "#TRD#>50");
}

} // namespace
