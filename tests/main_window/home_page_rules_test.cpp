#include "contents_test_support.h"
#include "main_window/logic/home_page_rules.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct SecondTakeRow {
    const char* name;
    const char* firstScore;
    bool shown;
};

class SecondTakeButton : public testing::TestWithParam<SecondTakeRow> {};

TEST_P(SecondTakeButton, showsOnlyForAFirstScoreOfNinetyNineOrLess) {
    const SecondTakeRow& row = GetParam();
    EXPECT_EQ(SecondTakeButtonVisible(QString::fromUtf8(row.firstScore)), row.shown);
}

const SecondTakeRow kSecondTakeRows[] = {
    {"no_first_score", "", false},
    {"full_score", "100", false},
    {"ninety_nine", "99", true},
    {"ninety_nine_and_a_half", "99.5", false},
    {"just_above_ninety_nine", "99.1", false},
    {"two_thirds", "66.7", true},
    {"nothing_right", "0", true},
    {"comma_separator", "99,5", false},
    {"not_a_number", "abc", false},
    // Hand-edited texts: every digit counts, not just the first decimal.
    {"a_hair_above_ninety_nine", "99.04", false},
    {"far_decimals_above_ninety_nine", "99.0000001", false},
    {"ninety_nine_with_zeros", "99.000", true},
    {"comma_and_far_decimals", "99,04", false},
    {"just_below", "98.99", true},
    {"negative", "-5", true},
};
INSTANTIATE_TEST_SUITE_P(FirstScores, SecondTakeButton, testing::ValuesIn(kSecondTakeRows),
                         rowName<SecondTakeRow>);

struct OpenPaperRow {
    const char* name;
    int topic;
    const char* toolTip;
    int paperNumber;
    int take;
};

class OpenPaperButton : public testing::TestWithParam<OpenPaperRow> {};

// The button is found by its tooltip, as the pupil finds it on the page.
TEST_P(OpenPaperButton, opensTheTopicsPaperInItsTake) {
    const OpenPaperRow& row = GetParam();
    std::optional<PaperButton> found;
    for (int take = 1; take <= 2; ++take) {
        for (int paper = 1; paper <= 5; ++paper) {
            const PaperButton button{paper, take};
            if (button.toolTip() == QString::fromUtf8(row.toolTip))
                found = button;
        }
    }
    ASSERT_TRUE(found) << row.toolTip;
    const std::optional<PaperRequest> request =
        OpenPaper(FirstPaperIndexOfTopic(row.topic), *found);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->paperNumber, row.paperNumber);
    EXPECT_EQ(request->take, row.take);
}

const OpenPaperRow kOpenPaperRows[] = {
    {"load_paper_3_of_topic_2", 2, "Load paper 3", 108, 1},
    {"try_paper_5_of_topic_7_again", 7, "Try paper 5 again", 135, 2},
    {"first_paper_of_the_subject", 1, "Load paper 1", 101, 1},
    {"last_paper_of_topic_10", 10, "Try paper 5 again", 150, 2},
};
INSTANTIATE_TEST_SUITE_P(Buttons, OpenPaperButton, testing::ValuesIn(kOpenPaperRows),
                         rowName<OpenPaperRow>);

TEST(OpenPaper, refusesWhatNoButtonCanAsk) {
    EXPECT_FALSE(OpenPaper(2, 0, 1)) << "2 is not the first paper of a topic";
    EXPECT_FALSE(OpenPaper(51, 0, 1)) << "there is no topic 11";
    EXPECT_FALSE(OpenPaper(6, 5, 1)) << "a topic has five papers";
    EXPECT_FALSE(OpenPaper(6, -1, 1));
    EXPECT_FALSE(OpenPaper(6, 0, 3)) << "there are two takes";
}

TEST(TopicOfFirstIndex, reselectsOnlyTheTenFirstIndexes) {
    const std::pair<int, std::optional<int>> cases[] = {
        {1, 1},
        {6, 2},
        {16, 4},
        {46, 10},
        {2, std::nullopt},
        {51, std::nullopt},
        {0, std::nullopt},
        {-4, std::nullopt},
        {101, std::nullopt},
    };
    for (const auto& [index, topic] : cases)
        EXPECT_EQ(TopicOfFirstIndex(index), topic) << index;
}

TEST(TopicRows, showOnlyTheSubjectsTopics) {
    for (int row = 1; row <= 10; ++row)
        EXPECT_EQ(TopicRowVisible(row, 7), row <= 7) << "row " << row;
}

TEST(LayOutPaperList, showsTheChosenTopicsFivePapers) {
    SubjectData subject = makeSubject(7);
    setFirst(subject, paperOf(2, 1), "66.7");
    setSecond(subject, paperOf(2, 1), "80");
    setFirst(subject, paperOf(2, 2), "100");
    setFirst(subject, paperOf(2, 3), "99");
    setFirst(subject, paperOf(3, 1), "50"); // another topic's paper stays out

    const PaperList list = LayOutPaperList(subject, FirstPaperIndexOfTopic(2), 3000);

    EXPECT_EQ(list.heading, QStringLiteral("Topic 2"));
    const PaperBlock& marked = list.papers[0];
    EXPECT_EQ(marked.paperNumber, 106);
    EXPECT_EQ(marked.firstScore, QStringLiteral("66.7"));
    EXPECT_EQ(marked.secondScore, QStringLiteral("80"));
    EXPECT_TRUE(marked.firstPercentShown);
    EXPECT_TRUE(marked.secondPercentShown);
    EXPECT_TRUE(marked.secondTakeButtonShown) << "a second score does not hide the button";
    EXPECT_EQ(marked.secondScoreLeft, 2560);

    EXPECT_FALSE(list.papers[1].secondTakeButtonShown);
    EXPECT_TRUE(list.papers[2].secondTakeButtonShown);

    const PaperBlock& untouched = list.papers[4];
    EXPECT_EQ(untouched.paperNumber, 110);
    EXPECT_TRUE(untouched.firstScore.isEmpty());
    EXPECT_FALSE(untouched.firstPercentShown);
    EXPECT_FALSE(untouched.secondPercentShown);
    EXPECT_FALSE(untouched.secondTakeButtonShown);
    EXPECT_EQ(untouched.firstScoreLeft, 3000);
}

TEST(LayOutPaperList, readsPapersBeyondAShortPaperCountAsUntouched) {
    SubjectData subject = makeSubject(2, 7); // too few papers for two topics
    setFirst(subject, 7, "40");

    const PaperList list = LayOutPaperList(subject, FirstPaperIndexOfTopic(2), 3000);

    EXPECT_EQ(list.papers[1].firstScore, QStringLiteral("40"));
    EXPECT_TRUE(list.papers[2].firstScore.isEmpty());
    EXPECT_EQ(list.papers[4].paperNumber, 110);
    EXPECT_FALSE(list.papers[4].secondTakeButtonShown);
}

} // namespace
