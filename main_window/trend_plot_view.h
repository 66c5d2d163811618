#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

// The trend plot of the report (`RC3TrendPlot`): a white area with a light
// grey grid at 10..90 percent and, for each of the newest first-take scores,
// a black line from the point down to the bottom edge, a blue dot and a blue
// segment from the previous point (the first from the bottom-left corner).
//
// The plot is drawn once into a retained image when the values are given and
// again only when the area changes size; painting just copies that image, so
// the plot survives being covered and uncovered unchanged.
namespace orvanta {

class TrendPlotView : public QWidget {
    Q_OBJECT
public:
    // The plot's own size: 5055 x 3975 twips, inside a 1-pixel border.
    static QSize designSize();

    explicit TrendPlotView(QWidget* parent = nullptr);

    // Draws `values` (percentages, oldest first; of more than 20 the newest
    // 20) into the retained image. An empty list leaves only the grid.
    void plot(const QList<double>& values);
    const QList<double>& values() const { return values_; }

    // The retained drawing, the widget's size less its 1-pixel border (a
    // hidden widget's drawing follows a new size when it is shown); the
    // plot's coordinates run from (0, 0) at its top-left pixel to
    // (width - 1, height - 1) at its bottom-right pixel.
    const QImage& image() const { return image_; }
    // Where the image lies in the widget.
    QRect plotRect() const { return rect().adjusted(1, 1, -1, -1); }
    // The rectangle the plot's geometry is computed in, image coordinates.
    QRectF plotArea() const;

    QSize sizeHint() const override { return designSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();

    QList<double> values_;
    QImage image_;
};

} // namespace orvanta
