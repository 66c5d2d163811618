#include "outline.h"

#include <QWidget>

namespace orvanta {

QPolygon roundedOutline(OutlineShape shape, QSize size) {
    const int w = size.width();
    const int h = size.height();
    QPolygon outline;
    outline << QPoint(0, 5) << QPoint(1, 3) << QPoint(2, 2) << QPoint(3, 1) << QPoint(5, 0)
            << QPoint(w - 5, 0) << QPoint(w - 3, 1) << QPoint(w - 2, 2) << QPoint(w - 2, 3)
            << QPoint(w, 5);
    if (shape == OutlineShape::TopCornersRounded) {
        outline << QPoint(w, h) << QPoint(0, h);
        return outline;
    }
    outline << QPoint(w, h - 7) << QPoint(w - 2, h - 3) << QPoint(w - 3, h - 2) << QPoint(w - 7, h)
            << QPoint(7, h) << QPoint(3, h - 2) << QPoint(2, h - 3) << QPoint(0, h - 7);
    return outline;
}

QRegion outlineRegion(const QPolygon& outline) {
    return QRegion(outline, Qt::WindingFill);
}

void pRoundCorners(QWidget* window, OutlineShape shape) {
    window->setMask(outlineRegion(roundedOutline(shape, window->size())));
}

} // namespace orvanta
