#include "trend_series.h"

#include "data/record_file.h"
#include "marking/score.h"

#include <algorithm>

namespace orvanta {

namespace {

constexpr int kGridStep = 10;

double heightOf(double percent, const QRectF& area) {
    const double shown = std::clamp(percent, 0.0, 100.0);
    return area.top() + (100.0 - shown) * area.height() / 100.0;
}

double positionOf(int slot, const QRectF& area) {
    return area.left() + slot * area.width() / kTrendHorizontalSteps;
}

} // namespace

TrendSeries ReadTrendSeries(const QString& line, const QString& source) {
    TrendSeries series;
    QString entries = line;
    if (entries.endsWith(u'>'))
        entries.chop(1);
    const int count = static_cast<int>(entries.count(u'>'));
    if (count == 0)
        return series;
    // The trend keeps at most 50 entries; a longer hand-made line is still
    // read whole rather than refused, since only its newest entries are shown.
    const QStringList fields =
        SplitRecordLine(entries, count, std::max(count, kTrendCapacity), source);
    for (const QString& field : fields) {
        const std::optional<qint64> tenths = ParsePercentageTenths(field);
        if (tenths)
            series.values.append(static_cast<double>(*tenths) / 10.0);
        else
            series.skipped.append(field);
    }
    if (series.values.size() > kTrendPointsShown)
        series.values.remove(0, series.values.size() - kTrendPointsShown);
    return series;
}

TrendPlot TrendPlotGeometry(const QList<double>& values, const QRectF& area) {
    TrendPlot plot;
    for (int g = kGridStep; g < 100; g += kGridStep) {
        const double y = area.top() + g * area.height() / 100.0;
        plot.gridLines.append(QLineF(area.left(), y, area.right(), y));
    }
    const qsizetype first = std::max<qsizetype>(values.size() - kTrendPointsShown, 0);
    QPointF previous = area.bottomLeft();
    for (qsizetype i = first; i < values.size(); ++i) {
        const QPointF point(positionOf(static_cast<int>(i - first) + 1, area),
                            heightOf(values.at(i), area));
        plot.stems.append(QLineF(point, QPointF(point.x(), area.bottom())));
        plot.points.append(point);
        plot.segments.append(QLineF(previous, point));
        previous = point;
    }
    return plot;
}

QList<TrendScaleMark> TrendScale(const QRectF& area) {
    QList<TrendScaleMark> marks;
    for (int v = 100; v >= 0; v -= kGridStep)
        marks.append({QStringLiteral("%1%").arg(v), heightOf(v, area)});
    return marks;
}

} // namespace orvanta
