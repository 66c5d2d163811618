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

// Where value `v` at slot i (1-based) stands in the view's image.
QPointF pointAt(const TrendPlotView& view, int slot, double v) {
    const QRectF area = view.plotArea();
    return area.topLeft() +
           QPointF(slot * area.width() / 21.0, (100.0 - v) * area.height() / 100.0);
}

// Mostly blue: a blue line drawn smoothly over white.
bool bluish(const QColor& c) {
    return c.blue() > 200 && c.red() < 120 && c.green() < 120;
}

TEST(TrendPlotView, drawsTheGridOnlyAtTenToNinety) {
    TrendPlotView view;
    view.plot({});

    const QRectF area = view.plotArea();
    ASSERT_EQ(area.size().toSize() + QSize(1, 1), QSize(337, 265)); // 5055 x 3975 twips
    // A column away from every point: nine grey rows between the edges,
    // none on the edges at 0 and 100.
    int greyRows = 0;
    const int x = static_cast<int>(area.left()) + 300;
    for (int y = static_cast<int>(area.top()) + 1; y < area.bottom(); ++y) {
        const QColor c = pixel(view, x, y);
        if (c == kGrid)
            ++greyRows;
        else
            EXPECT_EQ(c, kWhite) << "row " << y;
    }
    EXPECT_EQ(greyRows, 9);
    EXPECT_NE(pixel(view, x, area.top()), kGrid);
    EXPECT_NE(pixel(view, x, area.bottom()), kGrid);
}

TEST(TrendPlotView, onePointHasItsDotStemAndSegmentFromTheCorner) {
    TrendPlotView view;
    view.plot({50.0});

    const QPointF point = pointAt(view, 1, 50.0);
    const double bottom = view.plotArea().bottom();
    EXPECT_EQ(pixel(view, point.x(), point.y()), kBlue);
    EXPECT_EQ(pixel(view, point.x(), (point.y() + bottom) / 2), kBlack) << "stem";
    EXPECT_EQ(pixel(view, point.x(), bottom), kBlack) << "stem reaches the bottom edge";
    EXPECT_TRUE(
        bluish(pixel(view, (view.plotArea().left() + point.x()) / 2, (point.y() + bottom) / 2)))
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

// A score of 100 stands on the top edge and one of 0 on the bottom edge: their
// dots show whole, over the border and beyond it, and a first score of 0 draws
// its segment from the corner over the bottom border, where it can be seen.
TEST(TrendPlotView, dotsOnTheEdgesShowWholeAndSegmentsLieOverTheBorder) {
    TrendPlotView view;
    view.plot({0.0, 100.0});
    view.show();
    const QImage shown = view.grab().toImage();
    const QRectF area = view.plotArea().translated(view.plotRect().topLeft());
    auto at = [&](double x, double y) {
        const QPoint p(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
        return shown.rect().contains(p) ? shown.pixelColor(p) : QColor();
    };
    const double x0 = area.left() + area.width() / 21.0;
    const double x100 = area.left() + 2 * area.width() / 21.0;
    EXPECT_EQ(at(x0, area.bottom()), kBlue);
    EXPECT_EQ(at(x100, area.top()), kBlue);
    // As far beyond the edge as within it.
    for (int beyond : {1, 2}) {
        EXPECT_TRUE(bluish(at(x0, area.bottom() + beyond))) << beyond << " below the bottom edge";
        EXPECT_TRUE(bluish(at(x0, area.bottom() - beyond))) << beyond << " above the bottom edge";
        EXPECT_TRUE(bluish(at(x100, area.top() - beyond))) << beyond << " above the top edge";
        EXPECT_TRUE(bluish(at(x100, area.top() + beyond))) << beyond << " below the top edge";
    }
    EXPECT_TRUE(bluish(at((area.left() + x0) / 2, area.bottom()))) << "segment over the border";
    // Away from the points the border shows on the edges.
    const QColor border = at((x100 + area.right()) / 2, area.bottom());
    EXPECT_NE(border, kWhite);
    EXPECT_FALSE(bluish(border));
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
    EXPECT_EQ(view.plotRect(), view.rect()) << "the drawing covers the whole view";
    EXPECT_EQ(again, first);
}

TEST(TrendPlotView, redrawsItsValuesAtANewSize) {
    TrendPlotView view;
    view.plot({50.0});
    view.show();
    view.resize(212, 102);

    ASSERT_EQ(view.image().size(), view.plotRect().size());
    ASSERT_EQ(view.plotRect().size(), QSize(212, 102));
    const QPointF point = pointAt(view, 1, 50.0);
    EXPECT_EQ(pixel(view, point.x(), point.y()), kBlue);
}

} // namespace
