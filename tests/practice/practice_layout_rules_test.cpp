// The practice window's geometry: the layout pass, the answer-sheet toggle,
// the first placement, the resize drag's edges, snapping and limits, and the
// pointer shapes.
#include "practice/practice_layout_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvanta;

namespace {

// Frame pieces as the installed pictures give them: a 28 px top bar, 2 px
// sides and bottom.
PracticePieceSizes pieces() {
    PracticePieceSizes s = DesignPieceSizes();
    s.topLeft = QSize(8, 28);
    s.leftWidth = 2;
    s.rightWidth = 2;
    s.bottomHeight = 2;
    s.instructionHeight = 112;
    return s;
}

TEST(PracticeLayoutTest, designSizesComeFromTwips) {
    const PracticePieceSizes s = DesignPieceSizes();
    EXPECT_EQ(s.toolbarStripHeight, 51);
    EXPECT_EQ(s.toolbarButton, QSize(44, 45));
    EXPECT_EQ(s.answerSheetWidth, 273);
    EXPECT_EQ(s.handleStripWidth, 7);
    EXPECT_EQ(s.remainingStripHeight, 25);
    EXPECT_EQ(s.sizer, QSize(8, 8));
}

TEST(PracticeLayoutTest, layoutPassPlacesEveryPanelFromTheWindowSize) {
    const PracticeLayout l = LayOutPracticeWindow(QSize(800, 600), pieces());
    EXPECT_EQ(l.toolbarStrip, QRect(2, 28, 796, 51));
    EXPECT_EQ(l.toolbarButtons[0], QRect(8, 3, 44, 45));
    EXPECT_EQ(l.toolbarButtons[3].left(), 8 + 3 * 52);
    EXPECT_EQ(l.toolbarButtons[5].left(), 796 - 44 - 8);
    EXPECT_EQ(l.toolbarButtons[4].left(), 796 - 44 - 8 - 44 - 8);
    EXPECT_EQ(l.paperSum.left() + l.toolbarStrip.left(), 800 - 273);
    EXPECT_EQ(l.answerSheet, QRect(800 - 273 - 2, 79, 273, 600 - 79 - 2));
    EXPECT_EQ(l.handleStrip, QRect(800 - 273 - 2 - 7, 79, 7, 519));
    EXPECT_EQ(l.browser, QRect(2, 79, 800 - 273 - 7 - 2 - 2, 519 - 25));
    EXPECT_EQ(l.titleStrip, QRect(8, 79 + 5, l.browser.width() - 24, 25));
    EXPECT_EQ(l.remainingStrip, QRect(2, 79 + 494, l.browser.width(), 25));
    EXPECT_EQ(l.sizer.topLeft(), QPoint(800 - 8 - 2, 600 - 8 - 2));
    EXPECT_EQ(l.instructionTop, 519 - 112);
}

TEST(PracticeLayoutTest, hiddenSheetGivesThePageItsWidth) {
    const QSize inner(800, 600);
    const PracticeLayout shown = LayOutPracticeWindow(inner, pieces());
    EXPECT_EQ(WithAnswerSheet(shown, true, inner, pieces()).browser, shown.browser);
    const PracticeLayout hidden = WithAnswerSheet(shown, false, inner, pieces());
    EXPECT_EQ(hidden.answerSheet.left(), 800);
    EXPECT_EQ(hidden.handleStrip.left(), 800 - 7 - 2);
    EXPECT_EQ(hidden.browser.width(), shown.browser.width() + 273);
    EXPECT_EQ(hidden.remainingStrip.width(), hidden.browser.width());
    // The question strip stays as much narrower than the page as before.
    EXPECT_EQ(hidden.titleStrip.topLeft(), shown.titleStrip.topLeft());
    EXPECT_EQ(hidden.titleStrip.height(), shown.titleStrip.height());
    EXPECT_EQ(hidden.titleStrip.width(), hidden.browser.width() - 24);
    EXPECT_EQ(shown.titleStrip.width(), shown.browser.width() - 24);
}

TEST(PracticeLayoutTest, firstPlacementIsFromTheBottomRightOfTheScreen) {
    EXPECT_EQ(InitialPracticeGeometry(QRect(0, 0, 1600, 1200)), QRect(767, 533, 800, 600));
    // A screen smaller than the margins keeps the window on it.
    EXPECT_EQ(InitialPracticeGeometry(QRect(0, 0, 640, 480)), QRect(0, 0, 800, 600));
    EXPECT_EQ(InitialPracticeGeometry(QRect(1600, 0, 1024, 768)).topLeft(),
              QPoint(1600 + 191, 101));
}

constexpr QSize kOuter(12000, 9000);
constexpr QSize kGrab(90, 90);

TEST(PracticeLayoutTest, edgesAreGrabbedWithinSixPixels) {
    const GrabbedEdges corner = GrabbedEdgesAt(QPoint(11950, 8950), kOuter, kGrab);
    EXPECT_TRUE(corner.right && corner.bottom && corner.resizes());
    EXPECT_FALSE(corner.left || corner.top);
    const GrabbedEdges left = GrabbedEdgesAt(QPoint(45, 4000), kOuter, kGrab);
    EXPECT_TRUE(left.left);
    EXPECT_FALSE(left.resizes());
    EXPECT_FALSE(GrabbedEdgesAt(QPoint(90, 4000), kOuter, kGrab).any());
    EXPECT_FALSE(GrabbedEdgesAt(QPoint(11910, 8910), kOuter, kGrab).any());
}

TEST(PracticeLayoutTest, cursorSnapsOntoTheLastGrabbedEdge) {
    EXPECT_EQ(
        SnappedCursor(GrabbedEdgesAt(QPoint(45, 4000), kOuter, kGrab), QPoint(45, 4000), kOuter),
        QPoint(0, 4000));
    EXPECT_EQ(
        SnappedCursor(GrabbedEdgesAt(QPoint(3000, 30), kOuter, kGrab), QPoint(3000, 30), kOuter),
        QPoint(3000, 0));
    // Bottom-right: right first, then bottom, each from the press position.
    EXPECT_EQ(SnappedCursor(GrabbedEdgesAt(QPoint(11950, 8950), kOuter, kGrab), QPoint(11950, 8950),
                            kOuter),
              QPoint(11950, 9000));
    EXPECT_EQ(SnappedCursor(GrabbedEdges{}, QPoint(500, 500), kOuter), std::nullopt);
}

struct DragCase {
    const char* name;
    QPoint press;
    QPoint cursor;
    QSize result;
};

class DragTest : public ::testing::TestWithParam<DragCase> {};

TEST_P(DragTest, onlyTheBottomRightCornerResizesWithinTheLimits) {
    const DragCase& c = GetParam();
    const GrabbedEdges edges = GrabbedEdgesAt(c.press, kOuter, kGrab);
    EXPECT_EQ(DraggedOuterSize(edges, c.cursor, kOuter, kGrab), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DragTest,
    ::testing::Values(
        DragCase{"both_follow", {11950, 8950}, {10000, 7000}, {10000, 7000}},
        DragCase{"width_7000_refused_height_follows", {11950, 8950}, {7000, 6000}, {12000, 6000}},
        DragCase{"width_7300_refused", {11950, 8950}, {7300, 6000}, {12000, 6000}},
        DragCase{"width_7301_taken", {11950, 8950}, {7301, 6000}, {7301, 6000}},
        DragCase{"height_5000_refused", {11950, 8950}, {9000, 5000}, {9000, 9000}},
        DragCase{"within_two_grab_zones_nothing", {11950, 8950}, {150, 8000}, {12000, 9000}},
        DragCase{"right_edge_alone_nothing", {11950, 4000}, {10000, 7000}, {12000, 9000}},
        DragCase{"left_edge_nothing", {45, 8950}, {10000, 7000}, {12000, 9000}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeLayoutTest, pointerShapesFollowTheEdgesWhileTheButtonIsHeld) {
    auto shape = [](bool held, QPoint p) { return PointerShapeAt(held, p, kOuter, kGrab); };
    EXPECT_EQ(shape(false, QPoint(5000, 5000)), Qt::ArrowCursor);
    EXPECT_EQ(shape(true, QPoint(5000, 5000)), std::nullopt);
    EXPECT_EQ(shape(true, QPoint(30, 5000)), Qt::SizeHorCursor);
    EXPECT_EQ(shape(true, QPoint(11990, 5000)), Qt::SizeHorCursor);
    EXPECT_EQ(shape(true, QPoint(5000, 30)), Qt::SizeVerCursor);
    EXPECT_EQ(shape(true, QPoint(5000, 8990)), Qt::SizeVerCursor);
    EXPECT_EQ(shape(true, QPoint(30, 30)), Qt::SizeFDiagCursor);
    EXPECT_EQ(shape(true, QPoint(11990, 8990)), Qt::SizeFDiagCursor);
    EXPECT_EQ(shape(true, QPoint(30, 8990)), Qt::SizeBDiagCursor);
    EXPECT_EQ(shape(true, QPoint(11990, 30)), Qt::SizeBDiagCursor);
    // The edge shapes override the released button's arrow too.
    EXPECT_EQ(shape(false, QPoint(11990, 8990)), Qt::SizeFDiagCursor);
}

// The footer of the first take: the date, the clock and the answered count
// (which can go without its caption) right-aligned, the remaining-questions
// panel at the left end.
const QList<FooterPanel> kFirstTakePanels = {{100, 0}, {100, 0}, {100, 50}};
const QList<FooterYield> kFirstTakeYields = {{0, FooterYield::Drop},
                                             {1, FooterYield::Drop},
                                             {2, FooterYield::Compact},
                                             {2, FooterYield::Drop}};

FooterLayout firstTakeFooter(int width, int firstWidth = 128) {
    return LayOutFooter(QSize(width, 25), 8, 2, firstWidth, kFirstTakePanels, kFirstTakeYields);
}

struct FooterCase {
    const char* name;
    int width;
    QList<int> lefts; // of the three panels; -1: dropped
    int answeredWidth;
};

class FooterTest : public ::testing::TestWithParam<FooterCase> {};

TEST_P(FooterTest, panelsYieldInTheirOrder) {
    const FooterCase& c = GetParam();
    const FooterLayout l = firstTakeFooter(c.width);
    EXPECT_EQ(l.first, QRect(8, 0, 128, 25));
    QList<int> lefts;
    for (const QRect& panel : l.panels)
        lefts << (panel.isNull() ? -1 : panel.left());
    EXPECT_EQ(lefts, c.lefts);
    EXPECT_EQ(l.panels.at(2).width(), c.answeredWidth);
    EXPECT_EQ(l.compacted, QList<bool>({false, false, c.answeredWidth == 50}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FooterTest,
    ::testing::Values(FooterCase{"all_fit_at_the_default_width", 516, {204, 306, 408}, 100},
                      FooterCase{"all_fit_just", 450, {138, 240, 342}, 100},
                      FooterCase{"the_date_goes_first", 449, {-1, 239, 341}, 100},
                      FooterCase{"then_the_clock", 300, {-1, -1, 192}, 100},
                      FooterCase{"then_the_count_loses_its_caption", 203, {-1, -1, 145}, 50},
                      FooterCase{"then_the_count_goes", 150, {-1, -1, -1}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FooterTest, noPanelEverCoversAnotherAtAnyWidth) {
    for (const int first : {128, 200}) {
        for (int width = 60; width <= 900; ++width) {
            const FooterLayout l = firstTakeFooter(width, first);
            QList<QRect> shown{l.first};
            for (const QRect& panel : l.panels) {
                if (!panel.isNull())
                    shown << panel;
            }
            for (qsizetype a = 0; a < shown.size(); ++a) {
                for (qsizetype b = a + 1; b < shown.size(); ++b) {
                    EXPECT_FALSE(shown[a].intersects(shown[b]))
                        << "width " << width << ", panels " << a << " and " << b;
                }
                if (a > 0) {
                    EXPECT_TRUE(QRect(0, 0, width, 25).contains(shown[a])) << "width " << width;
                }
            }
            // The bar or the remaining-questions panel keeps the left end,
            // moved in as far as the strip allows.
            EXPECT_EQ(l.first.left(), std::clamp(width - first, 0, 8)) << "width " << width;
        }
    }
}

} // namespace
