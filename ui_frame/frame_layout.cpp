#include "frame_layout.h"

#include "ui_frame/logic/units.h"

namespace orvanta {

namespace {

struct TitleBarMetrics {
    int titleLeft;
    int iconLeft;
    int closeMargin; // from the right edge to the close button
    int buttonGap;   // between neighbouring title-bar buttons
};

TitleBarMetrics metricsOf(FrameKind kind) {
    switch (kind) {
    case FrameKind::MainWindow:
        return {twipsToPixels(450), himetricToPixels(240), twipsToPixels(60), twipsToPixels(30)};
    case FrameKind::PracticeWindow:
        return {himetricToPixels(800), himetricToPixels(240), himetricToPixels(120),
                himetricToPixels(60)};
    case FrameKind::PopUp:
        break;
    }
    return {twipsToPixels(240), 0, 0, 0};
}

// Gap kept between the end of the title and the first title-bar button.
constexpr int kTitleEndGap = 4;

} // namespace

OutlineShape outlineShapeOf(FrameKind kind) {
    return kind == FrameKind::PopUp ? OutlineShape::AllCornersRounded
                                    : OutlineShape::TopCornersRounded;
}

bool hasTitleBarButtons(FrameKind kind) {
    return kind != FrameKind::PopUp;
}

bool hasMaximiseButton(FrameKind kind) {
    return kind == FrameKind::PracticeWindow;
}

FrameGeometry layOutFrame(FrameKind kind, QSize inner, const FramePieceSizes& s) {
    const int w = inner.width();
    const int h = inner.height();
    FrameGeometry g;

    g.topLeft = QRect(QPoint(0, 0), s.topLeft);
    g.topRight = QRect(QPoint(w - s.topRight.width(), 0), s.topRight);
    g.topCentre = QRect(g.topLeft.x() + g.topLeft.width(), 0,
                        g.topRight.x() - g.topLeft.x() - g.topLeft.width(), s.topCentre.height());

    g.bottomLeft = QRect(QPoint(0, h - s.bottomLeft.height()), s.bottomLeft);
    g.left = QRect(0, g.topLeft.y() + g.topLeft.height(), s.left.width(),
                   g.bottomLeft.y() - g.topLeft.y() - g.topLeft.height());
    g.bottomRight =
        QRect(QPoint(w - s.bottomRight.width(), h - s.bottomRight.height()), s.bottomRight);
    g.right = QRect(w - s.right.width(), g.topRight.y() + g.topRight.height(), s.right.width(),
                    g.bottomRight.y() - g.topRight.y() - g.topRight.height());
    g.bottom =
        QRect(g.bottomLeft.x() + g.bottomLeft.width(), h - s.bottom.height(),
              g.bottomRight.x() - g.bottomLeft.x() - g.bottomLeft.width(), s.bottom.height());

    const TitleBarMetrics m = metricsOf(kind);
    const int barHeight = g.topRight.height();
    auto centredOnBar = [barHeight](int left, QSize size) {
        return QRect(QPoint(left, (barHeight - size.height()) / 2), size);
    };

    int titleEnd = w - m.titleLeft;
    if (hasTitleBarButtons(kind)) {
        g.close = centredOnBar(w - s.close.width() - m.closeMargin, s.close);
        int left = g.close.x();
        if (hasMaximiseButton(kind)) {
            g.maximise = centredOnBar(left - s.maximise.width() - m.buttonGap, s.maximise);
            left = g.maximise.x();
        }
        g.minimise = centredOnBar(left - s.minimise.width() - m.buttonGap, s.minimise);
        titleEnd = g.minimise.x() - kTitleEndGap;
        g.icon = QRect(QPoint(m.iconLeft, (g.topLeft.height() - s.icon.height()) / 2), s.icon);
    }

    // The main and practice windows centre the title on BTopLeft, the pop-up on BTopRight.
    const int titleBarHeight = kind == FrameKind::PopUp ? barHeight : g.topLeft.height();
    g.title = QRect(m.titleLeft, (titleBarHeight - s.titleHeight) / 2,
                    qMax(0, titleEnd - m.titleLeft), s.titleHeight);
    return g;
}

} // namespace orvanta
