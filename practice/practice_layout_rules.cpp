#include "practice_layout_rules.h"

#include "ui_frame/units.h"

#include <algorithm>

namespace orvanta {

namespace {

// The fixed lengths of the layout pass, given in HIMETRIC.
const int kSizerInset = himetricToPixels(60);       // 0.6 mm
const int kTitleStripDrop = himetricToPixels(120);  // 1.2 mm
const int kTitleStripShort = himetricToPixels(640); // 6.4 mm

} // namespace

PracticePieceSizes DesignPieceSizes() {
    PracticePieceSizes s;
    s.sizer = QSize(twipsToPixels(kSizerSizeTwips), twipsToPixels(kSizerSizeTwips));
    s.toolbarStripHeight = twipsToPixels(kToolbarStripHeightTwips);
    s.toolbarButton =
        QSize(twipsToPixels(kToolbarButtonWidthTwips), twipsToPixels(kToolbarButtonHeightTwips));
    s.toolbarSpacing = twipsToPixels(kToolbarSpacingTwips);
    s.paperSumWidth = twipsToPixels(kPaperSumWidthTwips);
    s.answerSheetWidth = twipsToPixels(kAnswerSheetWidthTwips);
    s.handleStripWidth = twipsToPixels(kHandleStripWidthTwips);
    s.titleStripHeight = twipsToPixels(kTitleStripHeightTwips);
    s.titleStripLeft = twipsToPixels(kTitleStripLeftTwips);
    s.remainingStripHeight = twipsToPixels(kRemainingStripHeightTwips);
    return s;
}

PracticeLayout LayOutPracticeWindow(QSize inner, const PracticePieceSizes& s) {
    const int W = inner.width();
    const int H = inner.height();
    PracticeLayout l;
    l.sizer = QRect(QPoint(W - s.sizer.width() - kSizerInset, H - s.sizer.height() - kSizerInset),
                    s.sizer);

    const int stripTop = s.topLeft.height();
    l.toolbarStrip =
        QRect(s.leftWidth, stripTop, W - s.rightWidth - s.leftWidth, s.toolbarStripHeight);
    const int buttonTop = std::max(0, (s.toolbarStripHeight - s.toolbarButton.height()) / 2);
    int left = s.toolbarSpacing;
    for (int b = 0; b < 4; ++b) {
        l.toolbarButtons[b] = QRect(QPoint(left, buttonTop), s.toolbarButton);
        left += s.toolbarButton.width() + s.toolbarSpacing;
    }
    const int nextLeft = l.toolbarStrip.width() - s.toolbarButton.width() - s.toolbarSpacing;
    l.toolbarButtons[5] = QRect(QPoint(nextLeft, buttonTop), s.toolbarButton);
    l.toolbarButtons[4] = QRect(
        QPoint(nextLeft - s.toolbarButton.width() - s.toolbarSpacing, buttonTop), s.toolbarButton);
    // PaperSum stands over the answer sheet: outer width - 4095 twips, here
    // relative to the strip.
    l.paperSum = QRect(W - s.answerSheetWidth - l.toolbarStrip.left(), 0, s.paperSumWidth,
                       s.toolbarStripHeight);

    const int contentTop = l.toolbarStrip.top() + l.toolbarStrip.height();
    const int contentHeight = H - contentTop - s.bottomHeight;
    l.answerSheet =
        QRect(W - s.answerSheetWidth - s.rightWidth, contentTop, s.answerSheetWidth, contentHeight);
    l.handleStrip = QRect(l.answerSheet.left() - s.handleStripWidth, contentTop, s.handleStripWidth,
                          contentHeight);
    l.browser = QRect(s.leftWidth, contentTop,
                      W - s.answerSheetWidth - s.handleStripWidth - s.leftWidth - s.rightWidth,
                      contentHeight - s.remainingStripHeight);
    l.titleStrip = QRect(s.titleStripLeft, l.browser.top() + kTitleStripDrop,
                         l.browser.width() - kTitleStripShort, s.titleStripHeight);
    l.remainingStrip = QRect(s.leftWidth, l.browser.top() + l.browser.height(), l.browser.width(),
                             s.remainingStripHeight);
    l.instructionTop = contentHeight - s.instructionHeight;
    return l;
}

PracticeLayout WithAnswerSheet(PracticeLayout layout, bool shown, QSize inner,
                               const PracticePieceSizes& s) {
    if (shown)
        return layout;
    const int W = inner.width();
    layout.answerSheet.moveLeft(W);
    layout.handleStrip.moveLeft(layout.answerSheet.left() - s.handleStripWidth - s.rightWidth);
    layout.browser.setWidth(W - s.handleStripWidth - s.leftWidth - s.rightWidth);
    layout.remainingStrip.setWidth(layout.browser.width());
    // The question strip over the page stays as much narrower than the page.
    layout.titleStrip.setWidth(layout.browser.width() - kTitleStripShort);
    return layout;
}

FooterLayout LayOutFooter(QSize strip, int margin, int spacing, int firstWidth,
                          const QList<FooterPanel>& panels, const QList<FooterYield>& yields) {
    FooterLayout l;
    const int firstLeft = std::clamp(strip.width() - firstWidth, 0, margin);
    l.first = QRect(firstLeft, 0, firstWidth, strip.height());

    QList<int> widths;
    for (const FooterPanel& panel : panels)
        widths << panel.width;
    l.compacted = QList<bool>(panels.size(), false);
    auto fits = [&] {
        int needed = l.first.right() + 1 + margin;
        for (int width : widths) {
            if (width > 0)
                needed += spacing + width;
        }
        return needed <= strip.width();
    };
    for (qsizetype y = 0; y < yields.size() && !fits(); ++y) {
        const FooterYield& yield = yields.at(y);
        const FooterPanel& panel = panels.at(yield.panel);
        if (yield.step == FooterYield::Drop) {
            widths[yield.panel] = 0;
            l.compacted[yield.panel] = false;
        } else if (panel.compactWidth > 0) {
            widths[yield.panel] = panel.compactWidth;
            l.compacted[yield.panel] = true;
        }
    }
    if (!fits())
        widths.fill(0);

    l.panels = QList<QRect>(panels.size());
    int right = strip.width() - margin;
    for (qsizetype k = panels.size() - 1; k >= 0; --k) {
        if (widths.at(k) <= 0) {
            l.compacted[k] = false;
            continue;
        }
        right -= widths.at(k);
        l.panels[k] = QRect(right, 0, widths.at(k), strip.height());
        right -= spacing;
    }
    return l;
}

QSize SmallestPracticeSize() {
    return QSize(kMinDragWidthTwips / kTwipsPerPixel + 1, kMinDragHeightTwips / kTwipsPerPixel + 1);
}

QRect InitialPracticeGeometry(const QRect& screen) {
    const QSize size(twipsToPixels(kPracticeWidthTwips), twipsToPixels(kPracticeHeightTwips));
    const int left = screen.left() + screen.width() - twipsToPixels(kPracticeRightMarginTwips);
    const int top = screen.top() + screen.height() - twipsToPixels(kPracticeBottomMarginTwips);
    return QRect(QPoint(std::max(screen.left(), left), std::max(screen.top(), top)), size);
}

GrabbedEdges GrabbedEdgesAt(QPoint p, QSize outer, QSize grab) {
    GrabbedEdges e;
    e.left = p.x() < grab.width();
    e.top = p.y() < grab.height();
    e.right = p.x() > outer.width() - grab.width();
    e.bottom = p.y() > outer.height() - grab.height();
    return e;
}

std::optional<QPoint> SnappedCursor(const GrabbedEdges& edges, QPoint p, QSize outer) {
    std::optional<QPoint> snapped;
    if (edges.left)
        snapped = QPoint(0, p.y());
    if (edges.top)
        snapped = QPoint(p.x(), 0);
    if (edges.right)
        snapped = QPoint(outer.width(), p.y());
    if (edges.bottom)
        snapped = QPoint(p.x(), outer.height());
    return snapped;
}

QSize DraggedOuterSize(const GrabbedEdges& edges, QPoint p, QSize current, QSize grab) {
    QSize size = current;
    if (!edges.resizes() || p.x() <= 2 * grab.width() || p.y() <= 2 * grab.height())
        return size;
    if (p.x() > kMinDragWidthTwips)
        size.setWidth(p.x());
    if (p.y() > kMinDragHeightTwips)
        size.setHeight(p.y());
    return size;
}

std::optional<Qt::CursorShape> PointerShapeAt(bool leftHeld, QPoint p, QSize outer, QSize grab) {
    const bool left = p.x() < grab.width();
    const bool right = p.x() > outer.width() - grab.width();
    const bool top = p.y() < grab.height();
    const bool bottom = p.y() > outer.height() - grab.height();
    std::optional<Qt::CursorShape> shape;
    if (!leftHeld)
        shape = Qt::ArrowCursor;
    if (left || right)
        shape = Qt::SizeHorCursor;
    if (top || bottom)
        shape = Qt::SizeVerCursor;
    if ((left && top) || (right && bottom))
        shape = Qt::SizeFDiagCursor;
    if ((left && bottom) || (right && top))
        shape = Qt::SizeBDiagCursor;
    return shape;
}

} // namespace orvanta
