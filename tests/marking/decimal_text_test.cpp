#include "marking/decimal_text.h"
#include "marking_test_support.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct CompareRow {
    const char* name;
    const char* a;
    const char* b;
    int order; // -1: a below b, 0: equal, 1: a above b
};

class DecimalOrder : public testing::TestWithParam<CompareRow> {};

TEST_P(DecimalOrder, comparesEveryDigit) {
    const CompareRow& row = GetParam();
    const std::optional<DecimalText> a = ParseDecimalText(u8(row.a));
    const std::optional<DecimalText> b = ParseDecimalText(u8(row.b));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(CompareDecimals(*a, *b), row.order);
    EXPECT_EQ(CompareDecimals(*b, *a), -row.order);
}

const CompareRow kOrders[] = {
    {"equal_when_written_differently", "99.000", "099", 0},
    {"a_far_decimal_counts", "99.0000001", "99", 1},
    {"more_whole_digits_is_more", "100", "99.99", 1},
    {"fraction_digit_by_digit", "0.45", "0.5", -1},
    {"shorter_equal_led_fraction_is_less", "0.5", "0.55", -1},
    {"negatives_run_the_other_way", "-2", "-1", -1},
    {"negative_below_positive", "-0.5", "0.1", -1},
    {"zero_has_no_sign", "-0", "0", 0},
    {"grouped_thousands", "1,000", "999.9", 1},
};
INSTANTIATE_TEST_SUITE_P(Orders, DecimalOrder, testing::ValuesIn(kOrders), rowName<CompareRow>);

} // namespace
