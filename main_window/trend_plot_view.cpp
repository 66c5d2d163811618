#include "trend_plot_view.h"

#include "main_window/trend_series.h"
#include "ui_frame/units.h"

#include <QPainter>

#include <algorithm>

namespace orvanta {

namespace {

QColor colourOf(RgbColour c) {
    return QColor(c.red, c.green, c.blue);
}

// A dot of 30 twips' radius is barely 4 pixels across on the screen; a
// slightly larger one stays plain to see over the black lines.
constexpr double kDotRadiusPixels = twipsToPixels(kTrendDotRadiusTwips) + 1.0;

const QColor kBorderColour(150, 172, 200);

// Room around the plot area for the part of a dot beyond an edge.
constexpr int kMargin = static_cast<int>(kDotRadiusPixels) + 1;

} // namespace

QSize TrendPlotView::designSize() {
    return QSize(twipsToPixels(kTrendPlotWidthTwips), twipsToPixels(kTrendPlotHeightTwips)) +
           QSize(2 * kMargin, 2 * kMargin);
}

TrendPlotView::TrendPlotView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(designSize());
    redraw();
}

void TrendPlotView::plot(const QList<double>& values) {
    values_ = values;
    if (values_.size() > kTrendPointsShown)
        values_.remove(0, values_.size() - kTrendPointsShown);
    redraw();
}

QRectF TrendPlotView::plotArea() const {
    const QSize size = image_.size();
    return QRectF(kMargin, kMargin, std::max(1, size.width() - 2 * kMargin - 1),
                  std::max(1, size.height() - 2 * kMargin - 1));
}

void TrendPlotView::redraw() {
    const QSize size = plotRect().size().expandedTo(QSize(2 * kMargin + 2, 2 * kMargin + 2));
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(colourOf(kTrendBackgroundColour));
    const QRectF area = plotArea();
    const TrendPlot geometry = TrendPlotGeometry(values_, area);

    QPainter painter(&image_);
    // Grid, border and stems are crisp one-pixel lines in their exact colours.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colourOf(kTrendGridColour), 0));
    painter.drawLines(geometry.gridLines);
    painter.setPen(QPen(kBorderColour, 0));
    painter.drawRect(area);

    const QColor blue = colourOf(kTrendPointColour);
    for (qsizetype i = 0; i < geometry.points.size(); ++i) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(colourOf(kTrendStemColour), 0));
        painter.drawLine(geometry.stems.at(i));

        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(blue);
        painter.drawEllipse(geometry.points.at(i), kDotRadiusPixels, kDotRadiusPixels);

        painter.setPen(QPen(blue, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(geometry.segments.at(i));
    }
    painter.end();
    update();
}

void TrendPlotView::paintEvent(QPaintEvent*) {
    // A hidden widget hears of its new size only when it is shown.
    if (plotRect().size() != image_.size())
        redraw();
    QPainter painter(this);
    painter.drawImage(plotRect().topLeft(), image_);
}

void TrendPlotView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (plotRect().size() != image_.size())
        redraw();
}

} // namespace orvanta
