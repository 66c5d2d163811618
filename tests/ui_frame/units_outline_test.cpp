#include "ui_frame/logic/units.h"
#include "ui_frame/outline.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

using namespace orvanta;

namespace {

// Lengths named in the window designs, with the pixels they must come to.
static_assert(twipsToPixels(450) == 30);
static_assert(twipsToPixels(240) == 16);
static_assert(twipsToPixels(6070) == 405);
static_assert(twipsToPixels(7380) == 492);
static_assert(twipsToPixels(1200) == 80);
static_assert(twipsToPixels(375) == 25);
static_assert(twipsToPixels(7) == 0);
static_assert(twipsToPixels(8) == 1);
static_assert(twipsToPixels(-8) == -1);
static_assert(pixelsToTwips(30) == 450);
static_assert(himetricToTwips(240) == 136);
static_assert(himetricToPixels(60) == 2);
static_assert(himetricToPixels(120) == 5);
static_assert(himetricToPixels(640) == 24);
static_assert(himetricToPixels(800) == 30);

std::vector<QPoint> points(const QPolygon& polygon) {
    return {polygon.begin(), polygon.end()};
}

TEST(OutlineTest, mainAndPracticeOutlineHasTwelvePointsInOrder) {
    const std::vector<QPoint> expected{{0, 5},   {1, 3},   {2, 2},     {3, 1},
                                       {5, 0},   {395, 0}, {397, 1},   {398, 2},
                                       {398, 3}, {400, 5}, {400, 300}, {0, 300}};
    EXPECT_EQ(points(roundedOutline(OutlineShape::TopCornersRounded, QSize(400, 300))), expected);
}

TEST(OutlineTest, popUpOutlineHasEighteenPointsInOrder) {
    const std::vector<QPoint> expected{{0, 5},     {1, 3},     {2, 2},     {3, 1},     {5, 0},
                                       {295, 0},   {297, 1},   {298, 2},   {298, 3},   {300, 5},
                                       {300, 153}, {298, 157}, {297, 158}, {293, 160}, {7, 160},
                                       {3, 158},   {2, 157},   {0, 153}};
    EXPECT_EQ(points(roundedOutline(OutlineShape::AllCornersRounded, QSize(300, 160))), expected);
}

struct PixelCase {
    const char* name;
    OutlineShape shape;
    QPoint pixel;
    bool inside;
};

class OutlineRegionTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(OutlineRegionTest, pixelIsCoveredAsTheOutlineSays) {
    const PixelCase& c = GetParam();
    const QRegion region = outlineRegion(roundedOutline(c.shape, QSize(100, 80)));
    EXPECT_EQ(region.contains(c.pixel), c.inside) << c.pixel.x() << "," << c.pixel.y();
}

constexpr auto kTop = OutlineShape::TopCornersRounded;
constexpr auto kAll = OutlineShape::AllCornersRounded;

INSTANTIATE_TEST_SUITE_P(
    Pixels, OutlineRegionTest,
    ::testing::Values(PixelCase{"top_left_corner_cut", kTop, {0, 0}, false},
                      PixelCase{"top_left_rim_kept", kTop, {0, 6}, true},
                      PixelCase{"top_right_corner_cut", kTop, {99, 0}, false},
                      PixelCase{"top_right_rim_kept", kTop, {99, 6}, true},
                      PixelCase{"centre", kTop, {50, 40}, true},
                      PixelCase{"bottom_left_square", kTop, {0, 79}, true},
                      PixelCase{"bottom_right_square", kTop, {99, 79}, true},
                      PixelCase{"right_edge_outside", kTop, {100, 40}, false},
                      PixelCase{"bottom_edge_outside", kTop, {50, 80}, false},
                      PixelCase{"popup_bottom_left_cut", kAll, {0, 79}, false},
                      PixelCase{"popup_bottom_right_cut", kAll, {99, 79}, false},
                      PixelCase{"popup_bottom_middle_kept", kAll, {50, 79}, true},
                      PixelCase{"popup_left_rim_kept", kAll, {0, 70}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OutlineTest, maskFollowsTheWindowSize) {
    QWidget window;
    window.resize(200, 100);
    pRoundCorners(&window, kTop);
    EXPECT_EQ(window.mask().boundingRect(), QRect(0, 0, 200, 100));
    window.resize(500, 260);
    pRoundCorners(&window, kTop);
    EXPECT_EQ(window.mask().boundingRect(), QRect(0, 0, 500, 260));
    EXPECT_FALSE(window.mask().contains(QPoint(499, 0)));
    EXPECT_TRUE(window.mask().contains(QPoint(499, 259)));
}

} // namespace
