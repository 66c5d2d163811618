#include "marking/clock.h"
#include "marking/marking_error.h"
#include "marking/score.h"
#include "marking_test_support.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct PercentageRow {
    const char* name;
    qint64 score;
    qint64 total;
    const char* text;
};

class Percentage : public testing::TestWithParam<PercentageRow> {};

TEST_P(Percentage, isRoundedToTenthsWithHalvesToEven) {
    const PercentageRow& row = GetParam();
    EXPECT_EQ(PercentageText(row.score, row.total), u8(row.text));
}

const PercentageRow kPercentages[] = {
    {"two_thirds", 20, 30, "66.7"},
    {"one_third", 1, 3, "33.3"},
    {"one_sixth", 1, 6, "16.7"},
    {"one_sixteenth_half_down_to_even", 1, 16, "6.2"},
    {"three_sixteenths_half_up_to_even", 3, 16, "18.8"},
    {"five_sixteenths_half_down", 5, 16, "31.2"},
    {"seven_sixteenths_half_up", 7, 16, "43.8"},
    {"five_eighths_exact", 5, 8, "62.5"},
    {"one_eighth_exact", 1, 8, "12.5"},
    {"one_eightieth_half_down", 1, 80, "1.2"},
    {"seventy_nine_eightieths_half_up", 79, 80, "98.8"},
    {"one_two_thousandth_half_to_zero", 1, 2000, "0"},
    {"three_two_thousandths_half_up", 3, 2000, "0.2"},
    {"whole_number_without_decimal", 1, 2, "50"},
    {"all_right", 30, 30, "100"},
    {"none_right", 0, 30, "0"},
};
INSTANTIATE_TEST_SUITE_P(Scores, Percentage, testing::ValuesIn(kPercentages),
                         rowName<PercentageRow>);

TEST(Percentage, zeroTotalIsAContentFault) {
    try {
        PercentageText(0, 0);
        ADD_FAILURE() << "a percentage of nothing";
    } catch (const MarkingError& error) {
        EXPECT_EQ(error.reason(), MarkingError::Reason::ZeroTotal);
    }
    EXPECT_THROW(PercentageText(-1, 10), MarkingError);
}

TEST(Score, addsTheMarksOfRightPartsOnly) {
    const QStringList results = {kRightCode, kWrongCode, kRightCode, "", kRightCode, kRightCode};
    const QStringList marks = {"2", "3", "1", "4", "", "x"};
    EXPECT_EQ(Score(results, marks), 3);
    EXPECT_EQ(TotalMarks(marks), 10);
    EXPECT_EQ(Score(results, {"1"}), 1); // parts beyond the marks earn nothing
}

TEST(TimeTaken, plainNumbersWithWholeElapsedHours) {
    const std::pair<qint64, const char*> rows[] = {
        {0, "0:0:0"},        {65, "0:1:5"},     {425, "0:7:5"}, {3612, "1:0:12"},
        {86399, "23:59:59"}, {90000, "25:0:0"}, {-5, "0:0:0"},
    };
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(TimeTakenText(seconds), u8(text)) << seconds;
}

TEST(MarkingDate, isDayMonthNameAndFullYearOnEveryMachine) {
    EXPECT_EQ(MarkingDateText(QDate(2005, 12, 30)), "30 Dec 2005");
    EXPECT_EQ(MarkingDateText(QDate(2024, 3, 7)), "7 Mar 2024");
}

struct ParseRow {
    const char* name;
    const char* text;
    std::optional<qint64> tenths;
};

class StoredPercentage : public testing::TestWithParam<ParseRow> {};

TEST_P(StoredPercentage, readsAsWholeTenths) {
    EXPECT_EQ(ParsePercentageTenths(u8(GetParam().text)), GetParam().tenths);
}

const ParseRow kStoredPercentages[] = {
    {"point", "66.7", 667},
    {"comma_of_a_comma_locale", "66,7", 667},
    {"whole", "100", 1000},
    {"zero", "0", 0},
    {"blanks", " 50 ", 500},
    {"second_decimal_half_to_even_down", "62.25", 622},
    {"second_decimal_half_to_even_up", "62.35", 624},
    {"just_above_half", "62.251", 623},
    {"empty", "", std::nullopt},
    {"word", "abc", std::nullopt},
    {"percent_sign", "66.7%", std::nullopt},
    {"both_separators", "1,000.5", std::nullopt},
    {"exponent", "1e2", std::nullopt},
    {"too_many_digits", "12345678901", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Texts, StoredPercentage, testing::ValuesIn(kStoredPercentages),
                         rowName<ParseRow>);

struct AverageRow {
    const char* name;
    QStringList texts;
    const char* average;
};

class Average : public testing::TestWithParam<AverageRow> {};

TEST_P(Average, isExactWithHalvesToEven) {
    PercentageTally tally;
    for (const QString& text : GetParam().texts)
        EXPECT_TRUE(tally.addText(text)) << text.toStdString();
    EXPECT_EQ(tally.averageText(), u8(GetParam().average));
}

const AverageRow kAverages[] = {
    {"fifty_and_seventy_five", {"50", "75"}, "62.5"},
    {"ends_on_half_rounds_down_to_even", {"62.2", "62.3"}, "62.2"},
    {"ends_on_half_rounds_up_to_even", {"62.7", "62.8"}, "62.8"},
    {"comma_and_point_mixed", {"62,7", "62.8"}, "62.8"},
    {"three_equal", {"66.7", "66.7", "66.7"}, "66.7"},
    {"thirds_of_a_tenth", {"0.1", "0.1", "0.2"}, "0.1"},
    {"empty_texts_are_skipped", {"", "100", ""}, "100"},
    {"nothing_gives_empty_text", {}, ""},
};
INSTANTIATE_TEST_SUITE_P(Averages, Average, testing::ValuesIn(kAverages), rowName<AverageRow>);

TEST(Average, malformedTextIsRefusedAndNotCounted) {
    PercentageTally tally;
    EXPECT_FALSE(tally.addText("sixty"));
    EXPECT_EQ(tally.count(), 0);
    EXPECT_EQ(tally.averageValue(), 0.0);
}

TEST(Average, comparesExactly) {
    PercentageTally pooled; // (40 + 60 + 80) / 3
    for (const char* text : {"40", "60", "80"})
        pooled.addText(text);
    PercentageTally sixty;
    sixty.addText("60");
    EXPECT_EQ(pooled.compareAverage(sixty), 0);
    EXPECT_DOUBLE_EQ(pooled.averageValue(), 60.0);

    PercentageTally thirds; // 66.6666... against 66.7
    for (const char* text : {"100", "100", "0"})
        thirds.addText(text);
    PercentageTally rounded;
    rounded.addText("66.7");
    EXPECT_LT(thirds.compareAverage(rounded), 0);
    EXPECT_GT(rounded.compareAverage(thirds), 0);
    EXPECT_LT(PercentageTally().compareAverage(rounded), 0);
}

} // namespace
