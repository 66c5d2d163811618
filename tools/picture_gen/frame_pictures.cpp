#include "tools/picture_gen/frame_pictures.h"

#include "tools/picture_gen/painting.h"
#include "tools/picture_gen/style.h"

#include <QPainterPath>
#include <QPolygonF>

namespace orvanta::pictures {
namespace {

// Outline of a bar whose top corners may be rounded; open at the bottom, as
// the bar runs on into the side borders.
QPainterPath BarOutline(const QRectF& r, qreal radius, bool roundLeft, bool roundRight) {
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    if (roundLeft) {
        path.lineTo(r.left(), r.top() + radius);
        path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    } else {
        path.lineTo(r.topLeft());
    }
    if (roundRight) {
        path.lineTo(r.right() - radius, r.top());
        path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    } else {
        path.lineTo(r.topRight());
    }
    path.lineTo(r.bottomRight());
    path.closeSubpath();
    return path;
}

// Paints a stretch of the top bar. `bar` is the whole bar in image
// coordinates; it may run past the image on either side.
void PaintTopBar(QPainter& p, const QRectF& bar, FrameLook look, bool roundLeft, bool roundRight) {
    const Palette& c = palette();
    const qreal r = metrics().windowCornerRadius;
    const bool active = look == FrameLook::Active;
    p.fillRect(bar, c.frameOuter);
    p.setPen(Qt::NoPen);
    p.setBrush(c.frameInner);
    p.drawPath(BarOutline(bar.adjusted(1, 1, -1, 0), r - 1, roundLeft, roundRight));
    const QRectF inside = bar.adjusted(2, 2, -2, 0);
    p.setBrush(VerticalGradient(inside, active ? c.barTop : c.whiteBarTop,
                                active ? c.barBottom : c.whiteBarBottom));
    p.drawPath(BarOutline(inside, r - 2, roundLeft, roundRight));
    // A line under the bar parts it from the window's content.
    p.fillRect(QRectF(inside.left(), bar.bottom() - 1, inside.width(), 1),
               active ? c.barEdge : c.whiteBarEdge);
}

// The bar behind a title-bar button: the centre piece where the button sits.
QImage TitleButtonBackground(TitleButtonLook look, QSize size) {
    const int barHeight = metrics().topBarHeight;
    const FrameLook frame =
        look == TitleButtonLook::Inactive ? FrameLook::Inactive : FrameLook::Active;
    QImage bar = NewCanvas(QSize(size.width(), barHeight));
    QPainter p;
    BeginPainting(p, bar);
    PaintTopBar(p, QRectF(-40, 0, size.width() + 80, barHeight), frame, false, false);
    p.end();
    return bar.copy(0, (barHeight - size.height()) / 2, size.width(), size.height());
}

void PaintTitleGlyph(QPainter& p, TitleGlyph glyph, QColor colour, QColor fill) {
    // On the 20 x 20 button; two-pixel strokes on whole pixels stay crisp.
    const QPen pen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case TitleGlyph::Close:
        p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
        p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
        break;
    case TitleGlyph::Min:
        p.drawLine(QPointF(6, 14), QPointF(14, 14));
        break;
    case TitleGlyph::Max:
        p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(QRectF(5.75, 5.75, 8.5, 8.5));
        p.fillRect(QRectF(5, 5, 10, 3), colour);
        break;
    case TitleGlyph::Norm:
        p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(QRectF(8.25, 4.75, 7, 7));
        p.fillRect(QRectF(7.5, 4, 8.5, 2.5), colour);
        p.setBrush(fill);
        p.drawRect(QRectF(4.75, 8.25, 7, 7));
        p.fillRect(QRectF(4, 7.5, 8.5, 2.5), colour);
        break;
    }
}

QPolygonF PopUpBottomLeftOutline(int size) {
    // The pop-up's outline near its bottom-left corner, in the corner
    // picture's coordinates (the window's bottom edge is y = size).
    const qreal h = size;
    return QPolygonF({QPointF(0, -1), QPointF(0, h - 7), QPointF(2, h - 3), QPointF(3, h - 2),
                      QPointF(7, h), QPointF(size + 1, h), QPointF(size + 1, -1)});
}

} // namespace

QImage DrawTopBarPiece(TopPiece piece, FrameLook look, QSize size) {
    QImage image = NewCanvas(size);
    QPainter p;
    BeginPainting(p, image);
    const qreal w = size.width();
    const qreal h = size.height();
    switch (piece) {
    case TopPiece::Left:
        PaintTopBar(p, QRectF(0, 0, w + 40, h), look, true, false);
        break;
    case TopPiece::Centre:
        PaintTopBar(p, QRectF(-40, 0, w + 80, h), look, false, false);
        break;
    case TopPiece::Right:
        PaintTopBar(p, QRectF(-40, 0, w + 40, h), look, false, true);
        break;
    }
    p.end();
    return Flatten(image, palette().frameOuter);
}

QImage DrawBorder(Edge edge, QSize size) {
    const Palette& c = palette();
    QImage image = NewCanvas(size, c.frameInner);
    QPainter p(&image);
    switch (edge) {
    case Edge::Left:
        p.fillRect(0, 0, 1, size.height(), c.frameOuter);
        break;
    case Edge::Right:
        p.fillRect(size.width() - 1, 0, 1, size.height(), c.frameOuter);
        break;
    case Edge::Bottom:
        p.fillRect(0, size.height() - 1, size.width(), 1, c.frameOuter);
        break;
    }
    p.end();
    return Flatten(image, c.frameOuter);
}

QImage DrawSquareCorner(Corner corner, QSize size) {
    const Palette& c = palette();
    QImage image = NewCanvas(size, c.frameInner);
    QPainter p(&image);
    const int w = size.width();
    const int h = size.height();
    // Outer column and outer bottom row meet in the corner.
    p.fillRect(0, h - 1, w, 1, c.frameOuter);
    p.fillRect(corner == Corner::BottomLeft ? 0 : w - 1, 0, 1, h, c.frameOuter);
    p.end();
    return Flatten(image, c.frameOuter);
}

QImage DrawRoundCorner(Corner corner, QSize size) {
    const Palette& c = palette();
    const Metrics& m = metrics();
    const int s = size.width();
    const qreal r = m.popUpCornerRadius;
    // Circles round the point where the side and bottom rings would meet; above
    // that point they run on as straight bands, as the side border does.
    const QPointF centre(r, s - r);
    auto band = [&](qreal radius) {
        QPainterPath disc;
        disc.addEllipse(centre, radius, radius);
        QPainterPath above;
        above.addRect(QRectF(centre.x() - radius, -s, 2 * s, centre.y() + s));
        QPainterPath right;
        right.addRect(QRectF(centre.x(), -s, 2 * s, centre.y() + s + radius));
        return disc.united(above).united(right);
    };
    QImage image = NewCanvas(size, c.frameOuter);
    QPainter p;
    BeginPainting(p, image);
    p.setPen(Qt::NoPen);
    p.setBrush(c.frameInner);
    p.drawPath(band(r - 1));
    p.setBrush(c.face);
    p.drawPath(band(r - 2));
    p.end();

    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QPolygonF outline = PopUpBottomLeftOutline(s);
    const QRgb inside = c.face.rgb();
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            // Generous: a pixel the window's outline may keep in any rounding
            // stays opaque, so no gap shows where the outline cuts.
            bool inRegion = false;
            for (QPointF probe :
                 {QPointF(x + 0.5, y + 0.5), QPointF(x + 0.1, y + 0.1), QPointF(x + 0.9, y + 0.1),
                  QPointF(x + 0.1, y + 0.9), QPointF(x + 0.9, y + 0.9)})
                inRegion = inRegion || outline.containsPoint(probe, Qt::WindingFill);
            // The window's content shows through the inside of the corner.
            if (!inRegion || (out.pixel(x, y) | 0xff000000) == (inside | 0xff000000))
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return corner == Corner::BottomLeft ? out : out.mirrored(true, false);
}

QImage DrawTitleButton(TitleGlyph glyph, TitleButtonLook look, QSize size) {
    const Palette& c = palette();
    QImage image =
        TitleButtonBackground(look, size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    BeginPainting(p, image);
    p.scale(size.width() / 20.0, size.height() / 20.0);
    const QRectF face(0.5, 0.5, 19, 19);
    QColor glyphColour = c.paper;
    QColor glyphFill = Qt::transparent;
    switch (look) {
    case TitleButtonLook::Rest:
        p.setPen(QPen(WithAlpha(c.paper, 95), 1));
        p.setBrush(WithAlpha(c.paper, 40));
        p.drawRoundedRect(face, 4, 4);
        glyphFill = Mix(c.barTop, c.barBottom, 0.5);
        break;
    case TitleButtonLook::Hot:
        if (glyph == TitleGlyph::Close) {
            p.setPen(QPen(c.closeHot.darker(130), 1));
            p.setBrush(VerticalGradient(face, c.closeHot.lighter(115), c.closeHot));
            glyphFill = c.closeHot;
        } else {
            p.setPen(QPen(c.paper, 1));
            p.setBrush(VerticalGradient(face, c.paper, c.whiteBarBottom));
            glyphColour = c.barBottom;
            glyphFill = c.paper;
        }
        p.drawRoundedRect(face, 4, 4);
        break;
    case TitleButtonLook::Inactive:
        p.setPen(QPen(c.whiteBarEdge, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face, 4, 4);
        glyphColour = c.whiteGlyph;
        glyphFill = Mix(c.whiteBarTop, c.whiteBarBottom, 0.5);
        break;
    }
    PaintTitleGlyph(p, glyph, glyphColour, glyphFill);
    p.end();
    return Flatten(image, c.face);
}

QImage DrawTab(bool front, bool hot, QSize size) {
    const Palette& c = palette();
    QImage image = NewCanvas(size, c.face);
    QPainter p;
    BeginPainting(p, image);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() + 2);
    const QPainterPath shape = BarOutline(r, 6, true, true);
    QColor top;
    QColor bottom;
    if (front) {
        top = c.paper;
        bottom = c.face;
    } else if (hot) {
        top = c.backTabHotTop;
        bottom = c.backTabHotBottom;
    } else {
        top = c.backTabTop;
        bottom = c.backTabBottom;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(VerticalGradient(QRectF(0, 0, size.width(), size.height()), top, bottom));
    p.drawPath(shape);
    if (front || hot) {
        p.save();
        p.setClipPath(shape);
        p.fillRect(QRectF(0, 0, size.width(), front ? 3.5 : 2.5),
                   hot ? c.hotAccent : c.frontAccent);
        p.restore();
    }
    // Outline the sides and the top only: the bottom joins the strip below.
    QPainterPath edge;
    edge.moveTo(r.left(), size.height() + 1);
    edge.lineTo(r.left(), r.top() + 6);
    edge.arcTo(QRectF(r.left(), r.top(), 12, 12), 180, -90);
    edge.lineTo(r.right() - 6, r.top());
    edge.arcTo(QRectF(r.right() - 12, r.top(), 12, 12), 90, -90);
    edge.lineTo(r.right(), size.height() + 1);
    p.setPen(QPen(c.tabEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(edge);
    p.end();
    return Flatten(image, c.face);
}

} // namespace orvanta::pictures
