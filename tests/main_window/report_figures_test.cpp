#include "contents_test_support.h"
#include "main_window/logic/report_figures.h"
#include "main_window/logic/report_sections.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A subject of seven topics and 35 papers, filled by the row's `mark`.
struct ReportRow {
    const char* name;
    std::function<void(SubjectData&)> mark;
    const char* firstAverage;
    const char* secondAverage;
    const char* papersCompleted;
    const char* weakest;
    const char* strongest;
};

class Overall : public testing::TestWithParam<ReportRow> {};

TEST_P(Overall, showsAveragesPapersAndTopics) {
    const ReportRow& row = GetParam();
    SubjectData subject = makeSubject(7);
    row.mark(subject);

    const OverallFigures overall = BuildReport(subject).overall;

    EXPECT_EQ(overall.firstAverage, QString::fromUtf8(row.firstAverage));
    EXPECT_EQ(overall.secondAverage, QString::fromUtf8(row.secondAverage));
    EXPECT_EQ(overall.papersCompleted, QString::fromUtf8(row.papersCompleted));
    EXPECT_EQ(overall.weakestTopic, QString::fromUtf8(row.weakest));
    EXPECT_EQ(overall.strongestTopic, QString::fromUtf8(row.strongest));
}

void renameTopic(SubjectData& subject, int topic, const char* name) {
    subject.topicNames[topic - 1] = QString::fromUtf8(name);
}

const ReportRow kReportRows[] = {
    {"nothing_marked", [](SubjectData&) {}, "-", "-", "0 / 35", "-", "-"},
    {"one_topic_attempted",
     [](SubjectData& s) {
         setFirst(s, paperOf(1, 1), "50");
         setFirst(s, paperOf(1, 2), "75");
     },
     "62.5%", "-", "2 / 35", "-", "-"},
    {"average_of_62_25_rounds_down_to_even",
     [](SubjectData& s) {
         setFirst(s, paperOf(1, 1), "62.2");
         setFirst(s, paperOf(2, 1), "62.3");
     },
     "62.2%", "-", "2 / 35", " Topic 1", " Topic 2"},
    {"average_of_62_75_rounds_up_to_even",
     [](SubjectData& s) {
         setFirst(s, paperOf(1, 1), "62.7");
         setFirst(s, paperOf(2, 1), "62.8");
         setSecond(s, paperOf(1, 1), "62.7");
         setSecond(s, paperOf(2, 1), "62.8");
     },
     "62.8%", "62.8%", "2 / 35", " Topic 1", " Topic 2"},
    {"topic_average_pools_both_takes",
     [](SubjectData& s) {
         setFirst(s, paperOf(1, 1), "55");
         setFirst(s, paperOf(2, 1), "40");
         setFirst(s, paperOf(2, 2), "60");
         setSecond(s, paperOf(2, 1), "80"); // topic 2: (40 + 60 + 80) / 3 = 60
     },
     "51.7%", "80%", "3 / 35", " Topic 1", " Topic 2"},
    {"equal_averages_go_to_the_higher_topic",
     [](SubjectData& s) {
         setFirst(s, paperOf(1, 1), "70");
         setFirst(s, paperOf(3, 1), "60");
         setFirst(s, paperOf(3, 2), "80");
     },
     "70%", "-", "3 / 35", " Topic 3", " Topic 3"},
    {"mock_examination_counts_but_is_never_named",
     [](SubjectData& s) {
         renameTopic(s, 7, "Mock Examination");
         setFirst(s, paperOf(1, 1), "50");
         setFirst(s, paperOf(7, 1), "90");
     },
     "70%", "-", "2 / 35", " Topic 1", " Topic 1"},
    {"mock_examination_only_is_one_topic",
     [](SubjectData& s) {
         renameTopic(s, 7, "Mock Examination");
         setFirst(s, paperOf(7, 1), "90");
     },
     "90%", "-", "1 / 35", "-", "-"},
    {"two_mock_examinations_leave_no_topic_to_name",
     [](SubjectData& s) {
         renameTopic(s, 6, "Mock Examination");
         renameTopic(s, 7, "Mock Examination");
         setFirst(s, paperOf(6, 1), "30");
         setFirst(s, paperOf(7, 1), "90");
     },
     "60%", "-", "2 / 35", "-", "-"},
    {"unattempted_topic_is_no_candidate",
     [](SubjectData& s) {
         setFirst(s, paperOf(2, 1), "40");
         setFirst(s, paperOf(3, 1), "90");
     },
     "65%", "-", "2 / 35", " Topic 2", " Topic 3"},
    {"second_take_alone_does_not_attempt_a_topic",
     [](SubjectData& s) {
         setFirst(s, paperOf(1, 1), "50");
         setSecond(s, paperOf(2, 1), "90");
     },
     "50%", "90%", "1 / 35", "-", "-"},
    {"score_that_is_not_a_number_is_left_out",
     [](SubjectData& s) {
         setFirst(s, paperOf(1, 1), "abc");
         setFirst(s, paperOf(1, 2), "80");
         setFirst(s, paperOf(2, 1), "60");
         setSecond(s, paperOf(2, 1), "7O");
     },
     "70%", "-", "2 / 35", " Topic 2", " Topic 1"},
    {"scores_beyond_the_topic_count_are_not_counted",
     [](SubjectData& s) {
         setFirst(s, paperOf(1, 1), "50");
         setFirst(s, paperOf(7, 5), "50");
         s.topicCount = 6;
         s.topicNames.removeLast();
     },
     "50%", "-", "1 / 35", "-", "-"},
};
INSTANTIATE_TEST_SUITE_P(Subjects, Overall, testing::ValuesIn(kReportRows), rowName<ReportRow>);

TEST(BuildReport, listsTheScoresItLeftOut) {
    SubjectData subject = makeSubject(7);
    setFirst(subject, paperOf(1, 1), "abc");
    setSecond(subject, paperOf(2, 3), "9O");

    const QList<UnreadableScore> unreadable = BuildReport(subject).unreadableScores;

    ASSERT_EQ(unreadable.size(), 2);
    EXPECT_EQ(unreadable[0].paperNumber, 101);
    EXPECT_EQ(unreadable[0].take, 1);
    EXPECT_EQ(unreadable[0].text, QStringLiteral("abc"));
    EXPECT_EQ(unreadable[1].paperNumber, 108);
    EXPECT_EQ(unreadable[1].take, 2);
}

TEST(FillTopicBars, averagesEachTakeOnItsOwn) {
    SubjectData subject = makeSubject(7);
    setFirst(subject, paperOf(2, 1), "40");
    setFirst(subject, paperOf(2, 2), "60");
    setSecond(subject, paperOf(2, 1), "80");
    setFirst(subject, paperOf(2, 3), "62.5");
    setFirst(subject, paperOf(2, 4), "62.5");
    setFirst(subject, paperOf(2, 5), "x"); // left out

    const TopicBars bars = FillTopicBars(subject, 2);

    EXPECT_EQ(bars.name, QStringLiteral("Topic 2"));
    EXPECT_TRUE(bars.visible);
    EXPECT_EQ(bars.first.label, QStringLiteral("56.2%")) << "56.25 goes to the even digit";
    EXPECT_DOUBLE_EQ(bars.first.average, 56.25) << "the bar's length is not rounded";
    EXPECT_EQ(bars.second.label, QStringLiteral("80%"));
    EXPECT_DOUBLE_EQ(bars.second.average, 80.0);
}

TEST(FillTopicBars, leavesAnUnattemptedTopicEmpty) {
    const TopicBars bars = FillTopicBars(makeSubject(7), 3);
    EXPECT_FALSE(bars.first.hasScore);
    EXPECT_TRUE(bars.first.label.isEmpty());
    EXPECT_EQ(BarLength(1000, bars.first.average), 0);
}

TEST(BuildReport, hidesTopicRowsBeyondTheTopicCount) {
    const ReportFigures figures = BuildReport(makeSubject(7));
    for (int t = 1; t <= 10; ++t) {
        EXPECT_EQ(figures.topics[t - 1].visible, t <= 7) << "row " << t;
        EXPECT_EQ(figures.topics[t - 1].topic, t);
    }
    EXPECT_TRUE(figures.topics[7].name.isEmpty());
}

TEST(BarLength, isTheAverageShareOfTheContainerKeptInside) {
    EXPECT_EQ(BarLength(1000, 62.5), 625);
    EXPECT_EQ(BarLength(1000, 100.0), 1000);
    EXPECT_EQ(BarLength(1000, 0.0), 0);
    EXPECT_EQ(BarLength(1000, 150.0), 1000);
    EXPECT_EQ(BarLength(1000, -5.0), 0);
    EXPECT_EQ(BarLength(0, 50.0), 0);
}

struct SectionsRow {
    const char* name;
    const char* reportPos;
    int bar1, bar2, bar3, panelTop;
    ReportSection open;
};

class Sections : public testing::TestWithParam<SectionsRow> {};

TEST_P(Sections, stackAroundTheOpenPanel) {
    const SectionsRow& row = GetParam();
    const ReportSectionsLayout layout =
        LayOutReportSections(ReportSectionOf(QString::fromUtf8(row.reportPos)), 400, 30, 40, 50);
    EXPECT_EQ(layout.open, row.open);
    EXPECT_EQ(layout.bar1Top, row.bar1);
    EXPECT_EQ(layout.bar2Top, row.bar2);
    EXPECT_EQ(layout.bar3Top, row.bar3);
    EXPECT_EQ(layout.panelTop, row.panelTop);
    EXPECT_EQ(layout.panelHeight, 400 - 30 - 40 - 50);
}

const SectionsRow kSectionsRows[] = {
    {"overall", "1", 0, 310, 350, 30, ReportSection::Overall},
    {"topical", "2", 0, 30, 350, 70, ReportSection::Topical},
    {"trend", "3", 0, 30, 70, 120, ReportSection::Trend},
    {"any_other_text_is_trend", "", 0, 30, 70, 120, ReportSection::Trend},
};
INSTANTIATE_TEST_SUITE_P(ReportPos, Sections, testing::ValuesIn(kSectionsRows),
                         rowName<SectionsRow>);

TEST(Sections, neverGiveThePanelANegativeHeight) {
    EXPECT_EQ(LayOutReportSections(ReportSection::Topical, 50, 30, 30, 30).panelHeight, 0);
}

} // namespace
