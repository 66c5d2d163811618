#include "trend_plot_view.h"

#include "main_window/trend_series.h"
#include "ui_frame/units.h"

#include <QPainter>

namespace orvanta {

namespace {

QColor colourOf(RgbColour c) {
    return QColor(c.red, c.green, c.blue);
}

// A dot of 30 twips' radius is barely 4 pixels across on the screen; a
// slightly larger one stays plain to see over the black lines.
constexpr double kDotRadiusPixels = twipsToPixels(kTrendDotRadiusTwips) + 1.0;

const QColor kBorderColour(150, 172, 200);

} // namespace

QSize TrendPlotView::designSize() {
    return QSize(twipsToPixels(kTrendPlotWidthTwips) + 2, twipsToPixels(kTrendPlotHeightTwips) + 2);
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
    return QRectF(0, 0, image_.width() - 1, image_.height() - 1);
}

void TrendPlotView::redraw() {
    const QSize size = plotRect().size().expandedTo(QSize(2, 2));
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(colourOf(kTrendBackgroundColour));
    const TrendPlot geometry = TrendPlotGeometry(values_, plotArea());

    QPainter painter(&image_);
    // Grid and stems are crisp one-pixel lines in their exact colours.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colourOf(kTrendGridColour), 0));
    painter.drawLines(geometry.gridLines);

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
    painter.setPen(kBorderColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawImage(plotRect().topLeft(), image_);
}

void TrendPlotView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (plotRect().size() != image_.size())
        redraw();
}

} // namespace orvanta
