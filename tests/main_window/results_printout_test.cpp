#include "contents_test_support.h"
#include "main_window/logic/results_printout.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <utility>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A line with each text at a given 0-based column, spaces between.
QString columns(std::initializer_list<std::pair<int, const char*>> texts) {
    QString line;
    for (const auto& [column, text] : texts)
        line = line.leftJustified(column, u' ') + QString::fromUtf8(text);
    return line;
}

const QString kRule = columns({{0, " "}, {14, ""}}) + QString(128, u'-');

struct ZoneRow {
    const char* name;
    QStringList items;
    QString line;
};

class PrintZones : public testing::TestWithParam<ZoneRow> {};

TEST_P(PrintZones, startEachItemAtTheNextFourteenColumnZone) {
    EXPECT_EQ(PrintZoneLine(GetParam().items), GetParam().line);
}

const ZoneRow kZoneRows[] = {
    {"zone_one_holds_a_space", {" ", "Fractions"}, columns({{0, " "}, {14, "Fractions"}})},
    {"blank_item_leaves_its_zone_blank",
     {" ", "a", " ", "b"},
     columns({{0, " "}, {14, "a"}, {28, " "}, {42, "b"}})},
    {"empty_item_still_takes_its_zone", {" ", "", "b"}, columns({{0, " "}, {28, "b"}})},
    {"thirteen_characters_fit_their_zone",
     {" ", "1234567890123", "b"},
     columns({{0, " "}, {14, "1234567890123"}, {28, "b"}})},
    {"fourteen_characters_run_on_to_the_next_boundary",
     {" ", "12345678901234", "b"},
     columns({{0, " "}, {14, "12345678901234"}, {42, "b"}})},
};
INSTANTIATE_TEST_SUITE_P(Lines, PrintZones, testing::ValuesIn(kZoneRows), rowName<ZoneRow>);

TEST(ResultsPrintout, printsEveryLineOfAOneTopicSubject) {
    SubjectData subject = makeSubject(1, 5);
    subject.topicNames = QStringList{QStringLiteral("Fractions")};
    setFirst(subject, 1, "85");
    subject.summary.rows[SummaryRows::LTM][0] = QStringLiteral("0:7:5");
    subject.summary.rows[SummaryRows::CDD][0] = QStringLiteral("30/12/2005");
    setFirst(subject, 2, "66.7");
    setSecond(subject, 2, "100");

    const QStringList expected = {
        "",
        "",
        columns({{0, " "}, {14, "Orvanta Sample Course"}}),
        "",
        "",
        "",
        "",
        columns({{0, " "}, {14, "Fractions"}}),
        kRule,
        columns({{0, " "},
                 {14, "Papers"},
                 {28, " "},
                 {42, "First take"},
                 {56, "Time taken"},
                 {70, "Date"},
                 {84, " "},
                 {98, "Second take"}}),
        columns({{0, " "}, {28, " "}, {42, "score"}, {84, " "}, {98, "score"}}),
        kRule,
        columns({{0, " "},
                 {14, "Paper 1"},
                 {28, " "},
                 {42, "85%"},
                 {56, "0:7:5"},
                 {70, "30/12/2005"},
                 {84, " "},
                 {98, "%"}}),
        columns({{0, " "}, {14, "Paper 2"}, {28, " "}, {42, "66.7%"}, {84, " "}, {98, "100%"}}),
        columns({{0, " "}, {14, "Paper 3"}, {28, " "}, {42, "%"}, {84, " "}, {98, "%"}}),
        columns({{0, " "}, {14, "Paper 4"}, {28, " "}, {42, "%"}, {84, " "}, {98, "%"}}),
        columns({{0, " "}, {14, "Paper 5"}, {28, " "}, {42, "%"}, {84, " "}, {98, "%"}}),
    };

    const QStringList lines =
        ResultsPrintoutLines(QStringLiteral("Orvanta Sample Course"), subject);

    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(PrintoutColumns(lines), 142) << "the rule is the widest line";
}

TEST(ResultsPrintout, printsOneBlockOfFivePapersPerTopic) {
    SubjectData subject = makeSubject(7);
    setFirst(subject, paperOf(7, 5), "90");

    const QStringList lines = ResultsPrintoutLines(QStringLiteral("Course"), subject);

    EXPECT_EQ(lines.size(), 5 + 7 * (7 + 5)); // head, then per topic a head of 7 and 5 rows
    QStringList names;
    for (const QString& line : lines) {
        if (line.startsWith(columns({{0, " "}, {14, "Topic "}})))
            names.append(line.trimmed());
    }
    EXPECT_EQ(names, (QStringList{"Topic 1", "Topic 2", "Topic 3", "Topic 4", "Topic 5", "Topic 6",
                                  "Topic 7"}));
    EXPECT_EQ(lines.count(columns(
                  {{0, " "}, {14, "Paper 5"}, {28, " "}, {42, "90%"}, {84, " "}, {98, "%"}})),
              1);
    EXPECT_EQ(lines.filter(QStringLiteral("Paper ")).size(), 35);
}

TEST(ResultsPrintout, printsPapersBeyondAShortPaperCountAsUntouched) {
    const QStringList lines = ResultsPrintoutLines(QStringLiteral("Course"), makeSubject(2, 7));
    EXPECT_EQ(lines.last(),
              columns({{0, " "}, {14, "Paper 5"}, {28, " "}, {42, "%"}, {84, " "}, {98, "%"}}));
}

} // namespace
