#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

#include <array>
#include <optional>

// The practice window's geometry as pure arithmetic: the layout pass that
// runs at every size change, the answer-sheet toggle, the bottom-right
// resize with its limits, the grabbed edges and the cursor snapping, and the
// pointer shapes over the window's edges. Window-relative rectangles are in
// pixels (the window computes in pixels once it has its outline); the resize
// and pointer rules work in twips, as the window's outer size is designed.
namespace orvanta {

inline constexpr int kToolbarButtonCount = 6;

// Design sizes, twips.
inline constexpr int kPracticeWidthTwips = 12000;
inline constexpr int kPracticeHeightTwips = 9000;
inline constexpr int kPracticeRightMarginTwips = 12500;  // screen width - left
inline constexpr int kPracticeBottomMarginTwips = 10000; // screen height - top
inline constexpr int kToolbarStripHeightTwips = 765;
inline constexpr int kToolbarButtonWidthTwips = 660;
inline constexpr int kToolbarButtonHeightTwips = 675;
inline constexpr int kToolbarSpacingTwips = 120;
inline constexpr int kPaperSumWidthTwips = 1755;
inline constexpr int kAnswerSheetWidthTwips = 4095;
inline constexpr int kHandleStripWidthTwips = 100;
inline constexpr int kTitleStripHeightTwips = 375;
inline constexpr int kTitleStripLeftTwips = 120;
inline constexpr int kRemainingStripHeightTwips = 375;
inline constexpr int kSizerSizeTwips = 120;
// Dragging never sets an outer width or height at or below these.
inline constexpr int kMinDragWidthTwips = 7300;
inline constexpr int kMinDragHeightTwips = 5000;
// The grab zone along each edge, pixels.
inline constexpr int kGrabZonePixels = 6;

// The sizes the layout pass reads: the frame pieces (from the skinned frame)
// and the window's own panels, pixels.
struct PracticePieceSizes {
    QSize topLeft;        // BTopLeft
    int leftWidth = 0;    // BLeft
    int rightWidth = 0;   // BRight
    int bottomHeight = 0; // BBot
    QSize sizer;
    int toolbarStripHeight = 0; // ScnTabBG
    QSize toolbarButton;
    int toolbarSpacing = 0;
    int paperSumWidth = 0;
    int answerSheetWidth = 0; // AnsBox
    int handleStripWidth = 0; // PicHideAns
    int titleStripHeight = 0; // QnTitleBG
    int titleStripLeft = 0;
    int remainingStripHeight = 0; // RemQnsBG
    int instructionHeight = 0;    // PicInstruction
};

// The design sizes converted to pixels; the frame pieces are left empty for
// the caller to fill from the frame's pictures.
PracticePieceSizes DesignPieceSizes();

// Where the window's own controls go, pixels. Toolbar buttons and PaperSum
// are relative to ScnTabBG, instructionTop to AnsBox; everything else to
// the window.
struct PracticeLayout {
    QRect sizer;
    QRect toolbarStrip;                                    // ScnTabBG
    std::array<QRect, kToolbarButtonCount> toolbarButtons; // ToolBar01..ToolBar06
    QRect paperSum;
    QRect answerSheet;    // AnsBox
    QRect handleStrip;    // PicHideAns
    QRect browser;        // brwWebBrowser
    QRect titleStrip;     // QnTitleBG
    QRect remainingStrip; // RemQnsBG
    int instructionTop = 0;
};

// The layout pass for a window of inner size `inner`. It always lays the
// window out with the answer sheet shown.
//  - ScnTabBG across the top under the top bar, between the side pieces;
//    Save, Mark, Print, Close from its left, Back and Next at its right end,
//    each 120 twips apart; PaperSum over the answer sheet.
//  - AnsBox at the right edge from under the strip down to the bottom piece,
//    PicHideAns to its left, the browser from the left edge to the handle,
//    RemQnsBG under the browser; QnTitleBG over the top of the page, 24 px
//    narrower than the page, 5 px below its top; the sizer 2 px in from the
//    bottom-right corner; the instruction picture at the bottom of AnsBox.
PracticeLayout LayOutPracticeWindow(QSize inner, const PracticePieceSizes& sizes);

// The answer-sheet toggle applied to a layout pass's result: with the sheet
// hidden, AnsBox lies beyond the right edge, the handle strip stands at the
// right edge (one side piece further in) and the page, RemQnsBG and the
// question strip QnTitleBG widen by the sheet's width. With `shown` the
// layout is returned unchanged.
PracticeLayout WithAnswerSheet(PracticeLayout layout, bool shown, QSize inner,
                               const PracticePieceSizes& sizes);

// The footer under the page (RemQnsBG), pixels. One control stands at its
// left end: the remaining-questions panel, or the marking bar while it plays,
// `margin` in from the edge (less when the strip is too narrow for it). The
// other panels stand right-aligned, `margin` in from the right edge and
// `spacing` apart, in the order given, at their own widths. Where they do not
// all fit beside the left one without touching it, they yield in the order
// of `yields`: a panel is dropped, or compacted to its compact width (a
// panel with one shows its figures without their caption), until the rest
// fit. So no panel ever covers another.
struct FooterPanel {
    int width = 0;
    int compactWidth = 0; // 0: the panel cannot be compacted
};
struct FooterYield {
    enum Step { Drop, Compact };
    int panel = 0; // index into the panels
    Step step = Drop;
};
struct FooterLayout {
    QRect first;
    QList<QRect> panels;   // null for a dropped panel
    QList<bool> compacted; // shown at its compact width
};
FooterLayout LayOutFooter(QSize strip, int margin, int spacing, int firstWidth,
                          const QList<FooterPanel>& panels, const QList<FooterYield>& yields);

// The smallest outer size, pixels, that the resize drag sets: the first
// whole pixels above 7300 x 5000 twips.
QSize SmallestPracticeSize();

// The window's first geometry on a screen of `screen` pixels: left = screen
// width - 12500 twips, top = screen height - 10000 twips, 12000 x 9000
// twips, kept on the screen when it is smaller than that.
QRect InitialPracticeGeometry(const QRect& screen);

// Which edges a press at `posTwips` (relative to the window's top-left)
// grabbed, for a window of outer size `outerTwips`.
struct GrabbedEdges {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;

    // Only the bottom-right corner resizes.
    bool resizes() const { return right && bottom; }
    bool any() const { return left || top || right || bottom; }
};
GrabbedEdges GrabbedEdgesAt(QPoint posTwips, QSize outerTwips, QSize grabZoneTwips);

// Where the cursor is put on a press, twips relative to the window: onto the
// grabbed edge. The edges are snapped in the order left, top, right, bottom,
// each from the press position, so the last grabbed edge of that order wins
// (a bottom-right grab ends on the bottom edge, straight below the press).
// Nothing when no edge was grabbed.
std::optional<QPoint> SnappedCursor(const GrabbedEdges& edges, QPoint posTwips, QSize outerTwips);

// One step of the resize drag: the new outer size for the cursor at
// `posTwips` (relative to the window's top-left), or the unchanged size per
// axis. Only a bottom-right grab resizes, and only once the cursor is more
// than two grab zones in on both axes; a width of 7300 twips or less, or a
// height of 5000 twips or less, is never set.
QSize DraggedOuterSize(const GrabbedEdges& edges, QPoint posTwips, QSize currentOuterTwips,
                       QSize grabZoneTwips);

// The pointer shape over the window surface for the pointer at `posTwips`
// (relative to the window) with the left button `leftHeld`. The rules run in
// order, later ones overriding earlier ones: the default arrow when the left
// button is not held; west-east on the left and right edges; north-south on
// the top and bottom edges; north-west-south-east in the top-left and
// bottom-right corners; north-east-south-west in the other two. Nothing
// (keep the present shape) when no rule applies: the left button held away
// from the edges.
std::optional<Qt::CursorShape> PointerShapeAt(bool leftHeld, QPoint posTwips, QSize outerTwips,
                                              QSize grabZoneTwips);

} // namespace orvanta
