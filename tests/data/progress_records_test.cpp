#include "data/progress_records.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

const QStringList kTemplate = {"...", "#101#>>", "#102#>", "#103#>>>", "..."};

struct PaperCase {
    const char* name;
    QStringList file;
    QStringList lines; // the regular form
    QStringList missing;
    QStringList repeated;
    QStringList shorter;
    QStringList longer;
    bool outOfOrder;
    bool dropsText;
};

class PaperRecordsByKey : public testing::TestWithParam<PaperCase> {};

TEST_P(PaperRecordsByKey, keepEveryRecordWithItsOwnText) {
    const PaperCase& c = GetParam();
    const PaperRecordsReading r = ReadPaperRecordsByKey(c.file, 3, kTemplate);
    EXPECT_EQ(r.lines, c.lines);
    EXPECT_EQ(r.findings.missing, c.missing);
    EXPECT_EQ(r.findings.repeated, c.repeated);
    EXPECT_EQ(r.findings.shorter, c.shorter);
    EXPECT_EQ(r.findings.longer, c.longer);
    EXPECT_EQ(r.findings.outOfOrder, c.outOfOrder);
    EXPECT_EQ(r.findings.dropsText, c.dropsText);
    const bool regular = c.missing.isEmpty() && c.repeated.isEmpty() && c.shorter.isEmpty() &&
                         c.longer.isEmpty() && !c.outOfOrder;
    EXPECT_EQ(r.findings.needsRewrite(), !regular);
}

const PaperCase kPaperCases[] = {
    {"template_as_made",
     kTemplate,
     {"#101#>>", "#102#>", "#103#>>>"},
     {},
     {},
     {},
     {},
     false,
     false},
    {"answered",
     {"#101#>a>b", "#102#>c", "#103#>d>>f"},
     {"#101#>a>b", "#102#>c", "#103#>d>>f"},
     {},
     {},
     {},
     {},
     false,
     false},
    {"record_missing_is_added_empty_at_its_place",
     {"#101#>a>b", "#103#>d>e>f"},
     {"#101#>a>b", "#102#>", "#103#>d>e>f"},
     {"102"},
     {},
     {},
     {},
     false,
     false},
    {"records_swapped_go_back_to_paper_order",
     {"#103#>d>e>f", "#101#>a>b", "#102#>c"},
     {"#101#>a>b", "#102#>c", "#103#>d>e>f"},
     {},
     {},
     {},
     {},
     true,
     false},
    {"a_repeat_of_the_same_text_is_dropped",
     {"#101#>a>b", "#102#>c", "#102#>c", "#103#>d>e>f"},
     {"#101#>a>b", "#102#>c", "#103#>d>e>f"},
     {},
     {"102"},
     {},
     {},
     false,
     false},
    {"a_repeat_with_other_text_keeps_the_first_and_says_text_is_dropped",
     {"#101#>a>b", "#102#>c", "#102#>x", "#103#>d>e>f"},
     {"#101#>a>b", "#102#>c", "#103#>d>e>f"},
     {},
     {"102"},
     {},
     {},
     false,
     true},
    {"a_short_record_is_filled_up",
     {"#101#>a", "#102#", "#103#>d>e>f"},
     {"#101#>a>", "#102#>", "#103#>d>e>f"},
     {},
     {},
     {"101", "102"},
     {},
     false,
     false},
    {"empty_fields_beyond_the_parts_are_cut",
     {"#101#>a>b>>", "#102#>c", "#103#>d>e>f"},
     {"#101#>a>b", "#102#>c", "#103#>d>e>f"},
     {},
     {},
     {},
     {"101"},
     false,
     false},
    {"text_beyond_the_parts_is_cut_and_said",
     {"#101#>a>b>junk", "#102#>c", "#103#>d>e>f"},
     {"#101#>a>b", "#102#>c", "#103#>d>e>f"},
     {},
     {},
     {},
     {"101"},
     false,
     true},
    {"a_line_merely_holding_a_key_is_no_record",
     {"#101#>a>#102#", "#102#>c", "#103#>d>e>f"},
     {"#101#>a>#102#", "#102#>c", "#103#>d>e>f"},
     {},
     {},
     {},
     {},
     false,
     false},
};

INSTANTIATE_TEST_SUITE_P(Cases, PaperRecordsByKey, testing::ValuesIn(kPaperCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaperRecordsByKeyTest, aPaperItsTemplateLacksIsNoFinding) {
    const PaperRecordsReading r = ReadPaperRecordsByKey({"#101#>a>b"}, 4, kTemplate);
    EXPECT_EQ(r.lines.value(3), "#104#");
    EXPECT_TRUE(r.findings.missing == QStringList({"102", "103"}));
}

const QStringList kSummaryTemplate = {"...",      "#FSE#>>>",    "#SSE#>>>",    "#LTM#>>>",
                                      "#CDD#>>>", "#FST#>0>0>0", "#SST#>0>0>0", "..."};

TEST(SummaryByKeyTest, rowsAreReadByKeyWithOneFieldPerPaper) {
    const SummaryReading r =
        ReadSummaryByKey({"#SST#>0>0>0", "#FSE#>50>>", "#SSE#>>>", "#LTM#>0:7:5>>",
                          "#CDD#>7 Mar 2024>>", "#FST#>1>0>0"},
                         3, kSummaryTemplate);
    EXPECT_EQ(r.rows[0], QStringList({"50", "", ""}));
    EXPECT_EQ(r.rows[4], QStringList({"1", "0", "0"}));
    EXPECT_TRUE(r.findings.outOfOrder);
    EXPECT_FALSE(r.rowDamaged[0]);
}

TEST(SummaryByKeyTest, damagedRowsAreFilledOrCutAndMarked) {
    // FSE has a field too many at the front, LTM is missing, FST is short.
    const SummaryReading r = ReadSummaryByKey(
        {"#FSE#>>50>>", "#SSE#>>>", "#CDD#>>>", "#FST#>1", "#SST#>0>0>0"}, 3, kSummaryTemplate);
    EXPECT_EQ(r.rows[0], QStringList({"", "50", ""}));
    EXPECT_EQ(r.rows[2], QStringList({"", "", ""}));
    EXPECT_EQ(r.rows[4], QStringList({"1", "0", "0"}));
    EXPECT_EQ(r.findings.longer, QStringList({"FSE"}));
    EXPECT_EQ(r.findings.missing, QStringList({"LTM"}));
    EXPECT_EQ(r.findings.shorter, QStringList({"FST"}));
    EXPECT_FALSE(r.findings.dropsText); // the field cut off was empty
    EXPECT_TRUE(r.rowDamaged[0]);
    EXPECT_FALSE(r.rowDamaged[1]);
    EXPECT_TRUE(r.rowDamaged[2]);
    EXPECT_TRUE(r.rowDamaged[4]);
}

TEST(TrendEntriesTest, readsTheTrendRecordWherever) {
    EXPECT_EQ(TrendEntries({"...", "#TRD#>66.7>100"}), QStringList({"66.7", "100"}));
    EXPECT_EQ(TrendEntries({"#TRD#"}), QStringList());
    EXPECT_EQ(TrendEntries({}), QStringList());
}

} // namespace
