// The check of a subject's files: what it mends, what it only tells, and
// that nothing the pupil did is lost by a repair.
#include "marking/marking_error.h"
#include "marking/progress_check.h"
#include "marking_test_support.h"
#include "progress_test_support.h"
#include "tests/support/test_support.h"

#include "data/progress_store.h"
#include "data/record_file.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

constexpr int kSubject = 1;

class ProgressCheckTest : public testing::Test {
protected:
    ProgressCheckTest()
        : store(fixtureCourse(), temp.folder(), QStringLiteral("Q4")) {
        EXPECT_EQ(store.CreateProgressFiles(kSubject), 0u);
        // Two papers marked, one of them tried again.
        first102 = markFirstTake(store, kSubject, 102, answersOf(store, kSubject, 102, "is"));
        first108 = markFirstTake(store, kSubject, 108, answersOf(store, kSubject, 108, "are"));
        marked = store.ReadSummary(kSubject, kFixturePapers);
    }

    QString path(ProgressFile file) const { return store.path(file, kSubject); }
    QString name(ProgressFile file) const { return QFileInfo(path(file)).fileName(); }

    ProgressCheck check(ProgressRepair repair = ProgressRepair::Repair) {
        return CheckSubjectProgress(store, kSubject, kFixturePapers, {}, repair);
    }

    QString noticesText(const ProgressCheck& c) const {
        QStringList texts;
        for (const ProgressNotice& n : c.notices)
            texts << n.text;
        return texts.join(u'\n');
    }

    bool markingAgainIsRefused(int paper) {
        try {
            markFirstTake(store, kSubject, paper, answersOf(store, kSubject, paper, "x"));
        } catch (const MarkingError& e) {
            return e.reason() == MarkingError::Reason::AlreadyMarked;
        }
        return false;
    }

    TempAppFolder temp;
    ProgressStore store;
    PaperMarking first102;
    PaperMarking first108;
    SummaryRows marked;
};

TEST_F(ProgressCheckTest, filesAsTheProgramWritesThemNeedNothing) {
    const QByteArray summary = readBytes(path(ProgressFile::Summary));
    const ProgressCheck c = check();
    EXPECT_TRUE(c.clean()) << noticesText(c).toStdString();
    EXPECT_TRUE(c.summaryReadable);
    EXPECT_EQ(readBytes(path(ProgressFile::Summary)), summary);
}

// A summary made again from its template while the results and the trend
// say two papers are marked: the scores come back from the results, the
// trend agrees again, and marking those papers again does not count twice.
TEST_F(ProgressCheckTest, aLostSummaryGetsItsScoresBackFromTheResults) {
    QFile::remove(path(ProgressFile::Summary));
    ASSERT_EQ(store.CreateMissingProgressFiles(kSubject),
              QList<ProgressFile>({ProgressFile::Summary}));

    const ProgressCheck c = check();
    ASSERT_EQ(c.notices.size(), 1) << noticesText(c).toStdString();
    EXPECT_TRUE(c.notices[0].repaired);
    EXPECT_EQ(c.notices[0].text,
              "marks1Q4.txt had lost the scores of paper 102 and paper 108. They "
              "have been worked out again.");

    const SummaryRows now = store.ReadSummary(kSubject, kFixturePapers);
    EXPECT_EQ(now.value(SummaryRows::FSE, 2), first102.percentage);
    EXPECT_EQ(now.value(SummaryRows::FSE, 8), first108.percentage);
    EXPECT_EQ(now.value(SummaryRows::FST, 2), "1");
    EXPECT_EQ(now.value(SummaryRows::LTM, 2), ""); // nothing else holds it
    EXPECT_TRUE(check(ProgressRepair::ReportOnly).clean());
    EXPECT_TRUE(markingAgainIsRefused(102));
    EXPECT_EQ(store.ReadTrendLine(kSubject).count(u'>'), 2);
}

TEST_F(ProgressCheckTest, lostResultsOfAMarkedPaperAreJudgedAgainFromItsAnswers) {
    const QByteArray results = readBytes(path(ProgressFile::FirstResults));
    QFile::remove(path(ProgressFile::FirstResults));
    const ProgressCheck c = check();
    EXPECT_EQ(noticesText(c), "fresults1Q4.txt was missing and has been made again.\n"
                              "fresults1Q4.txt had lost the ticks and crosses of paper 102 and "
                              "paper 108. They were worked out again from your answers.");
    EXPECT_EQ(readBytes(path(ProgressFile::FirstResults)), results);
    EXPECT_EQ(store.ReadSummary(kSubject, kFixturePapers).rows, marked.rows);
}

TEST_F(ProgressCheckTest, aMarkedPaperWithoutAnswersOrResultsIsToldAndKeepsItsScore) {
    QFile::remove(path(ProgressFile::FirstResults));
    QFile::remove(path(ProgressFile::FirstAnswers));
    const ProgressCheck c = check();
    const QString told = noticesText(c);
    EXPECT_TRUE(told.contains("paper 102 and paper 108 are marked, but first1Q4.txt and "
                              "fresults1Q4.txt hold neither answers nor ticks for them. Their "
                              "scores stay."))
        << told.toStdString();
    EXPECT_EQ(store.ReadSummary(kSubject, kFixturePapers).rows, marked.rows);
}

// Hand-edited or damaged summary rows: mended so that Mark works, a copy of
// the file as it was kept, no score shown for a paper never taken.
struct DamagedSummary {
    const char* name;
    const char* from;
    const char* to;
    bool copyKept;
};

class DamagedSummaryTest : public ProgressCheckTest,
                           public testing::WithParamInterface<DamagedSummary> {};

TEST_P(DamagedSummaryTest, isMendedAndMarkingWorksAgain) {
    const DamagedSummary& d = GetParam();
    QByteArray bytes = readBytes(path(ProgressFile::Summary));
    ASSERT_TRUE(bytes.contains(d.from));
    bytes.replace(d.from, d.to);
    writeBytes(path(ProgressFile::Summary), bytes);

    const ProgressCheck c = check();
    ASSERT_FALSE(c.notices.isEmpty());
    EXPECT_TRUE(c.notices[0].text.startsWith("marks1Q4.txt was damaged and has been mended."))
        << c.notices[0].text.toStdString();
    for (const ProgressNotice& notice : c.notices) {
        EXPECT_TRUE(notice.repaired);
        EXPECT_LT(notice.text.size(), 150) << notice.text.toStdString();
    }
    EXPECT_EQ(QFileInfo::exists(path(ProgressFile::Summary) + ".damaged"), d.copyKept);
    if (d.copyKept) {
        EXPECT_EQ(readBytes(path(ProgressFile::Summary) + ".damaged"), bytes);
    }
    const SummaryRows now = store.ReadSummary(kSubject, kFixturePapers);
    EXPECT_EQ(now.rows, marked.rows);
    EXPECT_TRUE(check(ProgressRepair::ReportOnly).clean());

    // Marking another paper is not refused, and adds one trend entry.
    EXPECT_NO_THROW(markFirstTake(store, kSubject, 104, answersOf(store, kSubject, 104, "x")));
    EXPECT_EQ(store.ReadTrendLine(kSubject).count(u'>'), 3);
}

const DamagedSummary kDamagedSummaries[] = {
    {"extra_empty_fields", "#SSE#>>>>>>>>>>", "#SSE#>>>>>>>>>>>>", false},
    {"extra_fields_holding_text", "#SST#>0>0>0>0>0>0>0>0>0>0", "#SST#>0>0>0>0>0>0>0>0>0>0>x>y",
     true},
    {"a_field_too_many_shifts_the_scores", "#FSE#>", "#FSE#>>", true},
    {"a_row_lost", "#SSE#", "#XXX#", false},
};

INSTANTIATE_TEST_SUITE_P(Rows, DamagedSummaryTest, testing::ValuesIn(kDamagedSummaries),
                         rowName<DamagedSummary>);

// Summary rows of the right length holding a value for a take that neither
// its flag nor its results say was marked: the main window would show a
// score, and offer a second try, for a paper never taken.
struct StrayValue {
    const char* name;
    SummaryRows::Row row;
    int paper;
    const char* value;
    const char* told;
};

class StrayValueTest : public ProgressCheckTest, public testing::WithParamInterface<StrayValue> {};

TEST_P(StrayValueTest, isClearedAndTheFileKeptAsItWas) {
    const StrayValue& v = GetParam();
    SummaryRows edited = marked;
    edited.set(v.row, v.paper - 100, QString::fromLatin1(v.value));
    store.WriteSummary(kSubject, edited);
    const QByteArray bytes = readBytes(path(ProgressFile::Summary));

    const ProgressCheck c = check();
    EXPECT_EQ(noticesText(c), v.told);
    EXPECT_EQ(store.ReadSummary(kSubject, kFixturePapers).rows, marked.rows);
    EXPECT_EQ(readBytes(path(ProgressFile::Summary) + ".damaged"), bytes);
    EXPECT_TRUE(check(ProgressRepair::ReportOnly).clean());
}

const StrayValue kStrayValues[] = {
    {"first_score_of_a_paper_never_taken", SummaryRows::FSE, 104, "80",
     "marks1Q4.txt showed a score for paper 104, which was never marked. It was cleared. The "
     "file as it was is kept as marks1Q4.txt.damaged."},
    {"date_of_a_paper_never_taken", SummaryRows::CDD, 105, "7 Mar 2024",
     "marks1Q4.txt showed a score for paper 105, which was never marked. It was cleared. The "
     "file as it was is kept as marks1Q4.txt.damaged."},
    {"second_score_of_a_paper_tried_once", SummaryRows::SSE, 102, "90",
     "marks1Q4.txt showed a second score for paper 102, which was never marked. It was "
     "cleared.\nmarks1Q4.txt has been mended. The file as it was is kept as "
     "marks1Q4.txt.damaged."},
};

INSTANTIATE_TEST_SUITE_P(Rows, StrayValueTest, testing::ValuesIn(kStrayValues),
                         rowName<StrayValue>);

// A take marked but without results keeps its values: a paper of no parts
// has none to miss, and the flag says it was marked.
TEST_F(ProgressCheckTest, aFlaggedTakeKeepsItsScoreInARowOfTheRightLength) {
    SummaryRows edited = marked;
    edited.set(SummaryRows::SST, 2, QStringLiteral("1"));
    edited.set(SummaryRows::SSE, 2, QStringLiteral("90"));
    store.WriteSummary(kSubject, edited);
    check();
    EXPECT_EQ(store.ReadSummary(kSubject, kFixturePapers).value(SummaryRows::SSE, 2), "90");
}

TEST_F(ProgressCheckTest, aTrendWithMoreScoresThanMarkedPapersIsToldAndLeftAlone) {
    writeBytes(path(ProgressFile::Trend), "#TRD#>50>50>60\r\n");
    const ProgressCheck c = check();
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_FALSE(c.notices[0].repaired);
    EXPECT_EQ(c.notices[0].text, "trend1Q4.txt holds 3 recent scores, but only 2 first tries are "
                                 "marked. The extra scores stay in your trend.");
    EXPECT_EQ(readBytes(path(ProgressFile::Trend)), "#TRD#>50>50>60\r\n");
}

TEST_F(ProgressCheckTest, aRepairThatCannotBeWrittenIsToldAndChangesNothing) {
    QByteArray bytes = readBytes(path(ProgressFile::FirstAnswers));
    bytes.replace("#103#>\r\n", "");
    writeBytes(path(ProgressFile::FirstAnswers), bytes);
    ASSERT_EQ(chmod(QFile::encodeName(path(ProgressFile::FirstAnswers)).constData(), 0444), 0);

    const ProgressCheck c = check();
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_FALSE(c.written);
    EXPECT_FALSE(c.notices[0].repaired);
    EXPECT_TRUE(c.notices[0].text.contains("first1Q4.txt needs mending, but it could not be "
                                           "written"))
        << c.notices[0].text.toStdString();
    EXPECT_EQ(readBytes(path(ProgressFile::FirstAnswers)), bytes);
    // What can be read still reads, by key.
    EXPECT_EQ(
        store.OpenPaperRecords(ProgressFile::FirstAnswers, kSubject, kFixturePapers).fields(102, 7),
        answersOf(store, kSubject, 102, "is"));
}

TEST_F(ProgressCheckTest, papersAreNamedByTopicWhenTheTopicsAreKnown) {
    QFile::remove(path(ProgressFile::Summary));
    store.CreateMissingProgressFiles(kSubject);
    const ProgressCheck c = CheckSubjectProgress(
        store, kSubject, kFixturePapers, {QStringLiteral("Grammar"), QStringLiteral("Mock")});
    EXPECT_TRUE(noticesText(c).contains("Grammar - Paper 2 and Mock - Paper 3"))
        << noticesText(c).toStdString();
}

} // namespace
