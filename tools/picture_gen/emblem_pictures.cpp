#include "tools/picture_gen/emblem_pictures.h"

#include "tools/picture_gen/painting.h"
#include "tools/picture_gen/style.h"
#include "tools/picture_gen/toolbar_pictures.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace orvanta::pictures {
namespace {

// The emblem in `box`: rounded blue badge, white orbit ring, orange dot on
// the ring at the upper right.
void PaintEmblem(QPainter& p, const QRectF& box) {
    const Palette& c = palette();
    const qreal s = box.width();
    const QRectF badge = box.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal corner = s * 0.24;
    p.setPen(QPen(c.frameOuter, std::max(1.0, s / 40)));
    p.setBrush(VerticalGradient(badge, c.barTop, c.barBottom));
    p.drawRoundedRect(badge, corner, corner);

    const QPointF centre = box.center();
    const qreal ring = s * 0.27;
    p.setPen(QPen(c.paper, std::max(1.6, s * 0.13)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, ring, ring);

    const qreal angle = -50 * M_PI / 180;
    const QPointF dot = centre + QPointF(ring * std::cos(angle), ring * std::sin(angle));
    const qreal dotRadius = std::max(1.8, s * 0.12);
    p.setPen(QPen(c.paper, std::max(0.8, s * 0.035)));
    p.setBrush(VerticalGradient(
        QRectF(dot.x() - dotRadius, dot.y() - dotRadius, 2 * dotRadius, 2 * dotRadius), c.yellow,
        c.orange));
    p.drawEllipse(dot, dotRadius, dotRadius);
}

QPainterPath RoundedRect(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A stacked fraction centred on `centre`, digits of `pixelSize`.
void PaintStackedFraction(QPainter& p, QPointF centre, const QString& top, const QString& bottom,
                          qreal pixelSize) {
    const QFont font = UiFont(pixelSize, true);
    const QFontMetricsF fm(font);
    const qreal width = std::max(fm.horizontalAdvance(top), fm.horizontalAdvance(bottom)) + 4;
    p.setFont(font);
    p.setPen(palette().ink);
    const qreal lineHeight = fm.height();
    p.drawText(QRectF(centre.x() - width / 2, centre.y() - lineHeight - 1, width, lineHeight),
               Qt::AlignCenter, top);
    p.drawText(QRectF(centre.x() - width / 2, centre.y() + 1, width, lineHeight), Qt::AlignCenter,
               bottom);
    p.setPen(QPen(palette().ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre.x() - width / 2, centre.y()),
               QPointF(centre.x() + width / 2, centre.y()));
}

// A white answer box showing what to type; returns the box.
QRectF PaintTypedBox(QPainter& p, const QRectF& box, const QString& text) {
    const Palette& c = palette();
    p.setPen(QPen(c.restEdge, 1));
    p.setBrush(c.paper);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setFont(UiFont(15, true));
    p.setPen(c.darkBlue);
    p.drawText(box, Qt::AlignCenter, text);
    return box;
}

void PaintArrow(QPainter& p, QPointF from, QPointF to) {
    const Palette& c = palette();
    p.setPen(QPen(c.orange, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(from, to - QPointF(2, 0));
    p.drawPolyline(QPolygonF({to + QPointF(-5, -4.5), to, to + QPointF(-5, 4.5)}));
}

void PaintNote(QPainter& p, const QRectF& rect, const QString& text) {
    p.setFont(UiFont(11, false));
    p.setPen(palette().ink);
    p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
}

} // namespace

QImage DrawWindowIcon(QSize size) {
    QImage image = NewCanvas(size);
    QPainter p;
    BeginPainting(p, image);
    PaintEmblem(p, QRectF(0, 0, size.width(), size.height()));
    p.end();
    return image;
}

QImage DrawPencilIcon(QSize size) {
    QImage image = NewCanvas(size);
    QPainter p;
    BeginPainting(p, image);
    const qreal s = size.width();
    p.translate(s / 2, s / 2);
    p.rotate(135);
    p.scale(s / 21.5, s / 21.5);
    PaintPencil(p);
    p.end();
    return image;
}

QImage DrawHandCursor(QSize size) {
    const Palette& c = palette();
    QImage image = NewCanvas(size);
    QPainter p;
    BeginPainting(p, image);
    p.scale(size.width() / 32.0, size.height() / 32.0);
    QPainterPath hand = RoundedRect(QRectF(9.7, 1.5, 4.6, 17), 2.3);
    hand = hand.united(RoundedRect(QRectF(14.3, 9, 4.3, 10), 2.1));
    hand = hand.united(RoundedRect(QRectF(18.6, 10, 4.2, 9.5), 2.1));
    hand = hand.united(RoundedRect(QRectF(22.6, 11.5, 3.9, 8.5), 1.9));
    hand = hand.united(RoundedRect(QRectF(9.7, 14, 16.8, 13), 4.5));
    QTransform thumb;
    thumb.translate(9.5, 22);
    thumb.rotate(-40);
    hand = hand.united(thumb.map(RoundedRect(QRectF(-10, -2.3, 11, 4.6), 2.3)));
    p.setPen(QPen(c.ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c.paper);
    p.drawPath(hand);
    p.setPen(QPen(c.ink, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {14.3, 18.6, 22.6})
        p.drawLine(QPointF(x, 15), QPointF(x, 18));
    p.setPen(QPen(c.ink, 1.3));
    p.setBrush(c.blue);
    p.drawRoundedRect(QRectF(11, 26.5, 14, 4.5), 1.2, 1.2);
    p.end();
    return image;
}

QImage DrawInfoMark(QSize size) {
    const Palette& c = palette();
    QImage image = NewCanvas(size);
    QPainter p;
    BeginPainting(p, image);
    p.scale(size.width() / 32.0, size.height() / 32.0);
    const QRectF disc(1.5, 1.5, 29, 29);
    p.setPen(QPen(c.darkBlue, 1.5));
    p.setBrush(VerticalGradient(disc, c.blue.lighter(130), c.blue));
    p.drawEllipse(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(c.paper);
    p.drawEllipse(QPointF(16, 9.3), 2.6, 2.6);
    p.drawRoundedRect(QRectF(13.8, 13.5, 4.4, 12), 1.8, 1.8);
    p.end();
    return image;
}

QImage DrawLogo(QSize size) {
    const Palette& c = palette();
    QImage image = NewCanvas(size);
    QPainter p;
    BeginPainting(p, image);
    const qreal h = size.height();
    const qreal badge = h - 14;
    PaintEmblem(p, QRectF(7, 7, badge, badge));

    const qreal textLeft = badge + 20;
    const qreal room = size.width() - textLeft - 4;
    // The largest name that fits beside the emblem.
    qreal pixelSize = h * 0.5;
    while (QFontMetricsF(UiFont(pixelSize, true)).horizontalAdvance(QStringLiteral("Orvanta")) >
           room)
        pixelSize -= 1;
    QFont name = UiFont(pixelSize, true);
    p.setFont(name);
    p.setPen(c.darkBlue);
    const QFontMetricsF nameMetrics(name);
    const qreal nameBaseline = h * 0.56;
    p.drawText(QPointF(textLeft, nameBaseline), QStringLiteral("Orvanta"));

    QFont second = UiFont(pixelSize * 0.56, true);
    second.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize * 0.09);
    p.setFont(second);
    p.setPen(c.orange.darker(110));
    p.drawText(QPointF(textLeft + 2,
                       nameBaseline + nameMetrics.descent() + QFontMetricsF(second).ascent() + 2),
               QStringLiteral("PRACTICE"));
    p.end();
    return image;
}

QImage DrawInstruction(QSize size) {
    const Palette& c = palette();
    QImage image = NewCanvas(size);
    QPainter p;
    BeginPainting(p, image);
    const qreal w = size.width();
    const qreal h = size.height();
    p.setPen(QPen(c.restEdge, 1));
    p.setBrush(VerticalGradient(QRectF(0, 0, w, h), c.noteTop, c.cream));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);

    p.setFont(UiFont(13, true));
    p.setPen(c.darkBlue);
    p.drawText(QRectF(10, 4, w - 20, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("How to type fractions"));

    const qreal rowHeight = (h - 26) / 2;
    const qreal row1 = 24 + rowHeight / 2;
    const qreal row2 = 24 + rowHeight * 1.5;
    const qreal boxLeft = 96;
    const qreal boxWidth = 70;
    const qreal noteLeft = boxLeft + boxWidth + 8;

    PaintStackedFraction(p, QPointF(34, row1), QStringLiteral("5"), QStringLiteral("28"), 14);
    PaintArrow(p, QPointF(58, row1), QPointF(boxLeft - 8, row1));
    PaintTypedBox(p, QRectF(boxLeft, row1 - 12, boxWidth, 24), QStringLiteral("5/28"));
    PaintNote(p, QRectF(noteLeft, row1 - rowHeight / 2, w - noteLeft - 6, rowHeight),
              QStringLiteral("a slash / between top and bottom"));

    // The mixed number: whole number, then the fraction beside it.
    p.setFont(UiFont(22, true));
    p.setPen(c.ink);
    p.drawText(QRectF(12, row2 - 14, 16, 28), Qt::AlignCenter, QStringLiteral("8"));
    PaintStackedFraction(p, QPointF(38, row2), QStringLiteral("2"), QStringLiteral("5"), 14);
    PaintArrow(p, QPointF(58, row2), QPointF(boxLeft - 8, row2));
    const QRectF box =
        PaintTypedBox(p, QRectF(boxLeft, row2 - 12, boxWidth, 24), QStringLiteral("8 2/5"));
    // Mark the space between the whole number and the fraction.
    const QFontMetricsF fm(UiFont(15, true));
    const qreal textLeft = box.center().x() - fm.horizontalAdvance(QStringLiteral("8 2/5")) / 2;
    const qreal gapLeft = textLeft + fm.horizontalAdvance(QStringLiteral("8"));
    const qreal gapRight = textLeft + fm.horizontalAdvance(QStringLiteral("8 "));
    const qreal under = box.bottom() - 2.5;
    p.setPen(QPen(c.orange, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(gapLeft + 0.5, under - 2), QPointF(gapLeft + 0.5, under),
                              QPointF(gapRight - 0.5, under), QPointF(gapRight - 0.5, under - 2)}));
    PaintNote(p, QRectF(noteLeft, row2 - rowHeight / 2, w - noteLeft - 6, rowHeight),
              QStringLiteral("whole number, a space, then the fraction"));
    p.end();
    return image;
}

} // namespace orvanta::pictures
