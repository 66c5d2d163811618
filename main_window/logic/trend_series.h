#pragma once

#include "main_window/logic/rgb_colour.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// The trend plot of the report: the newest first-take percentages of the
// subject's trend line, oldest on the left, and where everything of the plot
// is drawn inside a given rectangle.
namespace orvanta {

inline constexpr int kTrendPointsShown = 20;
inline constexpr int kTrendHorizontalSteps = 21; // point i stands at i / 21 of the width
inline constexpr int kTrendPlotWidthTwips = 5055;
inline constexpr int kTrendPlotHeightTwips = 3975;
inline constexpr int kTrendDotRadiusTwips = 30; // the dot's radius in a twips-scaled plot

inline constexpr RgbColour kTrendBackgroundColour{255, 255, 255};
inline constexpr RgbColour kTrendGridColour{224, 224, 224};
inline constexpr RgbColour kTrendStemColour{0, 0, 0};    // vertical line under a point
inline constexpr RgbColour kTrendPointColour{0, 0, 255}; // dots and connecting segments

inline const QString kTrendCaption = QStringLiteral("Recent Papers Attempted");

struct TrendSeries {
    QList<double> values; // at most 20 percentages, oldest first
    QStringList skipped;  // fields that are not numbers, as stored, oldest first
};

// The values of a trend line such as "#TRD#>88.8>70>100" (the line as
// ReadRecordLine gives it; empty when the file has no trend record). A ">" at
// the very end of the line opens no entry. Fields that are not numbers (only
// a hand-edited file has them) are skipped; of the rest the 20 newest are
// kept, so the plot always shows the newest readable scores.
// Throws RecordFileError (Malformed) when the line's first ">" is not right
// after its key.
TrendSeries ReadTrendSeries(const QString& line, const QString& source = {});

// Everything drawn in the plot rectangle `area` for `values` (oldest first;
// of more than 20 the newest 20 are drawn), in the rectangle's own units. With W and H the
// width and height: value i (1-based) stands at x = i W / 21 and
// y = (100 - v) H / 100 from the top-left corner, so 100 is on the top edge
// and 0 on the bottom edge; a value outside 0..100 is drawn on the nearer
// edge.
struct TrendPlot {
    QList<QLineF> gridLines; // light grey, full width, at 10, 20, ..., 90 percent
    QList<QLineF> stems;     // black, from each point straight down to the bottom edge
    QList<QPointF> points;   // blue dots, oldest first
    QList<QLineF> segments;  // blue, the first from the bottom-left corner to point 1,
                             // then from each point to the next
};
TrendPlot TrendPlotGeometry(const QList<double>& values, const QRectF& area);

// One line of the scale beside the plot: "100%" at the top edge down to "0%"
// at the bottom edge, in steps of 10 (eleven marks). `y` is the height of its
// value in `area`'s units, where the label's middle belongs.
struct TrendScaleMark {
    QString text;
    double y = 0.0;
};
QList<TrendScaleMark> TrendScale(const QRectF& area);

} // namespace orvanta
