#include "contents_test_support.h"
#include "main_window/logic/trend_series.h"
#include "tests/support/test_support.h"

#include "data/record_file.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

QString trendLine(int first, int last) {
    QString line = QStringLiteral("#TRD#");
    for (int v = first; v <= last; ++v)
        line += u'>' + QString::number(v);
    return line;
}

QList<double> range(int first, int last) {
    QList<double> values;
    for (int v = first; v <= last; ++v)
        values.append(v);
    return values;
}

struct TrendRow {
    const char* name;
    QString line;
    QList<double> values;
    QStringList skipped;
};

class TrendValues : public testing::TestWithParam<TrendRow> {};

TEST_P(TrendValues, areTheNewestReadableScoresOldestFirst) {
    const TrendRow& row = GetParam();
    const TrendSeries series = ReadTrendSeries(row.line);
    EXPECT_EQ(series.values, row.values);
    EXPECT_EQ(series.skipped, row.skipped);
}

const TrendRow kTrendRows[] = {
    {"no_record", QString(), {}, {}},
    {"template", QStringLiteral("#TRD#"), {}, {}},
    {"lone_trailing_separator", QStringLiteral("#TRD#>"), {}, {}},
    {"one_score", QStringLiteral("#TRD#>50"), {50.0}, {}},
    {"three_scores", QStringLiteral("#TRD#>88.8>70>100"), {88.8, 70.0, 100.0}, {}},
    {"trailing_separator_opens_no_entry", QStringLiteral("#TRD#>50>70>"), {50.0, 70.0}, {}},
    {"comma_separator", QStringLiteral("#TRD#>66,7"), {66.7}, {}},
    {"exactly_twenty", trendLine(1, 20), range(1, 20), {}},
    {"twenty_five_keeps_the_6th_to_the_25th", trendLine(1, 25), range(6, 25), {}},
    {"beyond_the_stores_fifty", trendLine(1, 60), range(41, 60), {}},
    {"not_a_number_is_skipped",
     QStringLiteral("#TRD#>50>abc>>70"),
     {50.0, 70.0},
     {QStringLiteral("abc"), QString()}},
    {"skipped_field_leaves_twenty_newest_numbers",
     trendLine(1, 20) + QStringLiteral(">x>21"),
     range(2, 21),
     {QStringLiteral("x")}},
};
INSTANTIATE_TEST_SUITE_P(Lines, TrendValues, testing::ValuesIn(kTrendRows), rowName<TrendRow>);

TEST(TrendValues, refuseALineWhoseFirstSeparatorIsMisplaced) {
    EXPECT_THROW(ReadTrendSeries(QStringLiteral("#TRD# >50"), QStringLiteral("trend1Q4.txt")),
                 RecordFileError);
}

// 210 x 100 units: one horizontal step is 10 units, one percent is 1 unit.
const QRectF kArea(0, 0, 210, 100);

TEST(TrendPlot, oneScoreRisesFromTheBottomLeftCorner) {
    const TrendPlot plot = TrendPlotGeometry({50.0}, kArea);
    ASSERT_EQ(plot.points.size(), 1);
    EXPECT_EQ(plot.points[0], QPointF(10, 50));
    ASSERT_EQ(plot.stems.size(), 1);
    EXPECT_EQ(plot.stems[0], QLineF(10, 50, 10, 100));
    ASSERT_EQ(plot.segments.size(), 1);
    EXPECT_EQ(plot.segments[0], QLineF(0, 100, 10, 50));
}

TEST(TrendPlot, joinsEachPointToTheNext) {
    const TrendPlot plot = TrendPlotGeometry({100.0, 0.0, 40.0}, kArea);
    EXPECT_EQ(plot.points, (QList<QPointF>{{10, 0}, {20, 100}, {30, 60}}))
        << "100 on the top edge, 0 on the bottom edge";
    EXPECT_EQ(plot.segments, (QList<QLineF>{{0, 100, 10, 0}, {10, 0, 20, 100}, {20, 100, 30, 60}}));
    EXPECT_EQ(plot.stems[1], QLineF(20, 100, 20, 100)) << "a score of 0 has no stem to speak of";
}

TEST(TrendPlot, drawsTheNineGridLinesAcrossTheWholeWidth) {
    const QRectF area(5, 7, 210, 100);
    const TrendPlot plot = TrendPlotGeometry({}, area);
    ASSERT_EQ(plot.gridLines.size(), 9);
    for (int g = 1; g <= 9; ++g)
        EXPECT_EQ(plot.gridLines[g - 1], QLineF(5, 7 + 10 * g, 215, 7 + 10 * g)) << "line " << g;
    EXPECT_TRUE(plot.points.isEmpty());
    EXPECT_TRUE(plot.segments.isEmpty());
}

TEST(TrendPlot, placesPointsInsideAnOffsetArea) {
    const TrendPlot plot = TrendPlotGeometry({50.0}, QRectF(5, 7, 210, 100));
    EXPECT_EQ(plot.points[0], QPointF(15, 57));
    EXPECT_EQ(plot.segments[0].p1(), QPointF(5, 107));
}

TEST(TrendPlot, keepsHandEditedScoresOnTheEdges) {
    const TrendPlot plot = TrendPlotGeometry({150.0, -20.0}, kArea);
    EXPECT_EQ(plot.points, (QList<QPointF>{{10, 0}, {20, 100}}));
}

TEST(TrendPlot, drawsOnlyTheTwentyNewest) {
    const TrendPlot plot = TrendPlotGeometry(range(1, 25), kArea);
    ASSERT_EQ(plot.points.size(), 20);
    EXPECT_EQ(plot.points.front(), QPointF(10, 94));
    EXPECT_EQ(plot.points.back(), QPointF(200, 75));
}

TEST(TrendScale, readsFromOneHundredAtTheTopToZeroAtTheBottom) {
    const QList<TrendScaleMark> scale = TrendScale(kArea);
    ASSERT_EQ(scale.size(), 11);
    EXPECT_EQ(scale.front().text, QStringLiteral("100%"));
    EXPECT_EQ(scale.front().y, 0.0);
    EXPECT_EQ(scale[5].text, QStringLiteral("50%"));
    EXPECT_EQ(scale.back().text, QStringLiteral("0%"));
    EXPECT_EQ(scale.back().y, 100.0);
}

} // namespace
