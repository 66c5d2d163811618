#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

// The trend plot of the report (`RC3TrendPlot`): a white area framed by a
// thin border, with a light grey grid at 10..90 percent and, for each of the
// newest first-take scores, a black line from the point down to the bottom
// edge, a blue dot and a blue segment from the previous point (the first
// from the bottom-left corner). The border lies on the area's edges, where
// scores of 0 and 100 stand; the dots and segments are drawn over it and may
// reach a few pixels beyond it, into a margin around the area, so that a dot
// on an edge shows whole.
//
// The plot is drawn once into a retained image when the values are given and
// again only when the view changes size; painting just copies that image, so
// the plot survives being covered and uncovered unchanged.
namespace orvanta {

class TrendPlotView : public QWidget {
    Q_OBJECT
public:
    // The plot's own size, 5055 x 3975 twips, with the margin around it.
    static QSize designSize();

    explicit TrendPlotView(QWidget* parent = nullptr);

    // Draws `values` (percentages, oldest first; of more than 20 the newest
    // 20) into the retained image. An empty list leaves only the grid.
    void plot(const QList<double>& values);
    const QList<double>& values() const { return values_; }

    // The retained drawing, the whole widget (a hidden widget's drawing
    // follows a new size when it is shown).
    const QImage& image() const { return image_; }
    // Where the image lies in the widget.
    QRect plotRect() const { return rect(); }
    // The rectangle the plot's geometry is computed in, image coordinates:
    // from its top-left pixel to its bottom-right pixel, the margin in from
    // the image's edges. The border is drawn on its edges.
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
