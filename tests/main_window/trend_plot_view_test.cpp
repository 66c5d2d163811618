#include "main_window/trend_plot_view.h"
#include "main_window/trend_series.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

using namespace orvanta;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrid(224, 224, 224);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

QColor pixel(const TrendPlotView& view, double x, double y) {
    return QColor(
        view.image().pixel(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))));
}

// Where value `v` at slot i (1-based) stands in the view's plot.
QPointF pointAt(const TrendPlotView& view, int slot, double v) {
    const QRectF area = view.plotArea();
    return {slot * area.width() / 21.0, (100.0 - v) * area.height() / 100.0};
}

// Mostly blue: a blue line drawn smoothly over white.
bool bluish(const QColor& c) {
    return c.blue() > 200 && c.red() < 120 && c.green() < 120;
}

TEST(TrendPlotView, drawsTheGridOnlyAtTenToNinety) {
    TrendPlotView view;
    view.plot({});

    ASSERT_EQ(view.image().size(), QSize(337, 265)); // 5055 x 3975 twips
    // A column away from every point: nine grey rows, white at 0 and 100.
    int greyRows = 0;
    for (int y = 0; y < view.image().height(); ++y) {
        const QColor c = pixel(view, 300, y);
        if (c == kGrid)
            ++greyRows;
        else
            EXPECT_EQ(c, kWhite) << "row " << y;
    }
    EXPECT_EQ(greyRows, 9);
    EXPECT_EQ(pixel(view, 300, 0), kWhite);
    EXPECT_EQ(pixel(view, 300, view.image().height() - 1), kWhite);
}

TEST(TrendPlotView, onePointHasItsDotStemAndSegmentFromTheCorner) {
    TrendPlotView view;
    view.plot({50.0});

    const QPointF point = pointAt(view, 1, 50.0);
    const double bottom = view.plotArea().bottom();
    EXPECT_EQ(pixel(view, point.x(), point.y()), kBlue);
    EXPECT_EQ(pixel(view, point.x(), (point.y() + bottom) / 2), kBlack) << "stem";
    EXPECT_EQ(pixel(view, point.x(), bottom), kBlack) << "stem reaches the bottom edge";
    EXPECT_TRUE(bluish(pixel(view, point.x() / 2, (point.y() + bottom) / 2)))
        << "segment from the bottom-left corner";
    EXPECT_EQ(pixel(view, point.x() + 40, point.y() + 10), kWhite) << "nothing right of it";
}

TEST(TrendPlotView, keepsTheTwentyNewestOfMoreValues) {
    QList<double> values;
    for (int i = 1; i <= 25; ++i)
        values.append(i * 4.0); // 4, 8, ... 100
    TrendPlotView view;
    view.plot(values);

    ASSERT_EQ(view.values().size(), 20);
    EXPECT_EQ(view.values().first(), 24.0); // the 6th value at the leftmost place
    const QPointF first = pointAt(view, 1, 24.0);
    EXPECT_EQ(pixel(view, first.x(), first.y()), kBlue);
    const QPointF last = pointAt(view, 20, 100.0);
    EXPECT_EQ(pixel(view, last.x(), last.y()), kBlue) << "100 sits on the top edge";
    const QPointF slot21 = pointAt(view, 21, 50.0);
    EXPECT_EQ(pixel(view, slot21.x() - 1, slot21.y() + 5), kWhite);
}

TEST(TrendPlotView, retainedImageSurvivesCoveringAndRepainting) {
    TrendPlotView view;
    view.plot({30.0, 80.0});
    view.show();
    const qint64 drawn = view.image().cacheKey();

    const QImage first = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    view.hide();
    view.show();
    view.repaint();
    const QImage again = view.grab().toImage().convertToFormat(QImage::Format_RGB32);

    EXPECT_EQ(view.image().cacheKey(), drawn) << "painting must not redraw the plot";
    EXPECT_EQ(first.copy(view.plotRect()), view.image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(again, first);
}

TEST(TrendPlotView, redrawsItsValuesAtANewSize) {
    TrendPlotView view;
    view.plot({50.0});
    view.show();
    view.resize(212, 102);

    ASSERT_EQ(view.image().size(), QSize(210, 100));
    const QPointF point = pointAt(view, 1, 50.0);
    EXPECT_EQ(pixel(view, point.x(), point.y()), kBlue);
}

} // namespace
