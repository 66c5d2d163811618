#include "tools/picture_gen/page_pictures.h"

#include "tools/picture_gen/painting.h"
#include "tools/picture_gen/style.h"

#include <QPainterPath>
#include <QPolygonF>

namespace orvanta::pictures {
namespace {

QRectF Whole(QSize size) {
    return QRectF(0, 0, size.width(), size.height());
}

// Runs `paint` on an antialiased canvas filled with the page colour and
// returns the opaque result.
template <typename Paint> QImage OnFace(QSize size, Paint paint) {
    QImage image = NewCanvas(size, palette().face);
    QPainter p;
    BeginPainting(p, image);
    paint(p);
    p.end();
    return Flatten(image, palette().face);
}

void Gloss(QPainter& p, const QRectF& rect, qreal radius, int alpha) {
    p.setPen(Qt::NoPen);
    p.setBrush(
        VerticalGradient(rect, WithAlpha(palette().paper, alpha), WithAlpha(palette().paper, 0)));
    p.drawRoundedRect(rect, radius, radius);
}

void Books(QPainter& p, const QRectF& box) {
    const Palette& c = palette();
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 20.0, box.height() / 20.0);
    p.setPen(QPen(c.ink, 1.0));
    const struct {
        QRectF r;
        QColor colour;
    } books[] = {
        {{2, 13.5, 16, 4.5}, c.red}, {{3.5, 9, 14, 4.5}, c.blue}, {{2.5, 4.5, 15, 4.5}, c.green}};
    for (const auto& b : books) {
        p.setBrush(VerticalGradient(b.r, b.colour.lighter(120), b.colour));
        p.drawRoundedRect(b.r, 1, 1);
        p.fillRect(QRectF(b.r.right() - 3, b.r.top() + 1, 2, b.r.height() - 2), c.cream);
    }
    p.restore();
}

void Sheet(QPainter& p, const QRectF& box) {
    const Palette& c = palette();
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 20.0, box.height() / 20.0);
    QPainterPath sheet;
    sheet.moveTo(4.5, 2);
    sheet.lineTo(12.5, 2);
    sheet.lineTo(16, 5.5);
    sheet.lineTo(16, 18);
    sheet.lineTo(4.5, 18);
    sheet.closeSubpath();
    p.setPen(QPen(c.ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c.paper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(12.5, 2), QPointF(12.5, 5.5), QPointF(16, 5.5)}));
    p.setPen(QPen(c.orange, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {8.5, 11.5, 14.5})
        p.drawLine(QPointF(7, y), QPointF(y < 14 ? 13.5 : 11, y));
    p.restore();
}

void Pen(QPainter& p, QPointF centre, qreal angle) {
    const Palette& c = palette();
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(QPen(c.ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(VerticalGradient(QRectF(-10, -2.6, 14, 5.2), c.blue.lighter(125), c.darkBlue));
    p.drawRoundedRect(QRectF(-10, -2.6, 14, 5.2), 2, 2);
    p.setBrush(c.ink);
    p.drawRect(QRectF(4, -2.1, 3, 4.2));
    p.setBrush(c.silver);
    p.drawPolygon(QPolygonF({QPointF(7, -2.1), QPointF(11.5, 0), QPointF(7, 2.1)}));
    p.setPen(QPen(c.silver, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-8, -3.6), QPointF(-2, -3.6));
    p.restore();
}

} // namespace

QImage DrawPageButton(ButtonState state, QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const QRectF r = Whole(size);
        const qreal radius = 8;
        switch (state) {
        case ButtonState::Off:
            PaintRoundedPanel(p, r, radius, c.restTop, c.restBottom, c.restEdge);
            Gloss(p, r.adjusted(2, 1.5, -2, -r.height() / 2), radius - 2, 150);
            break;
        case ButtonState::On:
            PaintRoundedPanel(p, r, radius, c.hoverTop, c.hoverBottom, c.hoverEdge);
            Gloss(p, r.adjusted(2, 1.5, -2, -r.height() / 2), radius - 2, 170);
            break;
        case ButtonState::Pressed:
            PaintRoundedPanel(p, r, radius, c.pressTop, c.pressBottom, c.pressEdge);
            p.setPen(QPen(WithAlpha(c.pressEdge, 110), 1));
            p.drawLine(QPointF(radius, 1.5), QPointF(r.width() - radius, 1.5));
            break;
        case ButtonState::Disabled:
            PaintRoundedPanel(p, r, radius, c.face, c.silver, c.steel);
            break;
        }
    });
}

QImage DrawLoadButton(bool hot, QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const QRectF r = Whole(size);
        const qreal radius = size.height() / 2.0;
        if (hot)
            PaintRoundedPanel(p, r, radius, c.lightGreen.lighter(118), c.lightGreen,
                              c.hotAccent.darker(110));
        else
            PaintRoundedPanel(p, r, radius, c.lightGreen, c.green, c.green.darker(145));
        Gloss(p, r.adjusted(3, 1.5, -3, -r.height() / 2), radius - 2, hot ? 190 : 130);
        // A "go" triangle, nudged right of centre so it looks centred.
        const qreal h = size.height();
        const qreal cx = size.width() / 2.0 + 1;
        QPolygonF go({QPointF(cx - 0.3 * h, 0.25 * h), QPointF(cx + 0.3 * h, 0.5 * h),
                      QPointF(cx - 0.3 * h, 0.75 * h)});
        p.setPen(QPen(hot ? c.green.darker(150) : c.paper, 1.0, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(hot ? c.green.darker(150) : c.paper);
        p.drawPolygon(go);
    });
}

QImage DrawFooterPanel(PanelTint tint, QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const QRectF r = Whole(size);
        switch (tint) {
        case PanelTint::SecondTake:
            PaintRoundedPanel(p, r, 6, c.secondTop, c.secondBottom, c.secondEdge);
            break;
        case PanelTint::Remaining:
            PaintRoundedPanel(p, r, 6, c.remainTop, c.remainBottom, c.remainEdge);
            break;
        case PanelTint::Footer:
            PaintRoundedPanel(p, r, 6, c.footerTop, c.footerBottom, c.footerEdge);
            break;
        }
        Gloss(p, r.adjusted(2, 1.5, -2, -r.height() / 2), 4, 120);
    });
}

QImage DrawMarkingTrough(QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const QRectF r = Whole(size);
        PaintRoundedPanel(p, r, 5, c.paper, c.paper, c.troughEdge);
        // A faint shadow under the top edge: the cells sit in a groove.
        p.setPen(QPen(WithAlpha(c.troughEdge, 90), 1));
        p.drawLine(QPointF(4, 1.5), QPointF(size.width() - 4, 1.5));
    });
}

QImage DrawMarkingCell(QSize size) {
    const Palette& c = palette();
    // The cells stand on the white trough.
    QImage image = NewCanvas(size, c.paper);
    QPainter p;
    BeginPainting(p, image);
    const QRectF r = Whole(size);
    PaintRoundedPanel(p, r, 3, c.lightGreen, c.green, c.green.darker(140));
    Gloss(p, r.adjusted(2, 1.5, -2, -r.height() / 2), 2, 170);
    p.end();
    return Flatten(image, c.paper);
}

QImage DrawColumnHead(bool papers, QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const QRectF r = Whole(size);
        const qreal icon = size.height() - 4;
        const QRectF box(size.width() - icon - 4, 2, icon, icon);
        if (papers) {
            PaintRoundedPanel(p, r, 6, c.paperHeadTop, c.paperHeadBottom, c.hoverEdge);
            Gloss(p, r.adjusted(2, 1.5, -2, -r.height() / 2), 4, 140);
            Sheet(p, box);
        } else {
            PaintRoundedPanel(p, r, 6, c.restTop, c.restBottom, c.restEdge);
            Gloss(p, r.adjusted(2, 1.5, -2, -r.height() / 2), 4, 140);
            Books(p, box);
        }
    });
}

QImage DrawGrip(QSize size) {
    const Palette& c = palette();
    QImage image = NewCanvas(size, c.face);
    QPainter p(&image);
    // Six two-pixel dots in a staircase towards the bottom-right corner.
    const int last = size.width() - 2;
    for (int gx = 0; gx <= last; gx += 3) {
        for (int gy = 0; gy <= last; gy += 3) {
            if (gx + gy >= last)
                p.fillRect(gx, gy, 2, 2, c.softInk);
        }
    }
    p.end();
    return Flatten(image, c.face);
}

QImage DrawBullet(QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const qreal d = size.width();
        const QRectF ball(0.5, 0.5, d - 1, d - 1);
        p.setPen(QPen(c.orange.darker(135), 1));
        p.setBrush(VerticalGradient(ball, c.yellow, c.orange));
        p.drawEllipse(ball);
        p.setPen(Qt::NoPen);
        p.setBrush(c.paper);
        p.drawPolygon(QPolygonF(
            {QPointF(0.42 * d, 0.3 * d), QPointF(0.72 * d, 0.5 * d), QPointF(0.42 * d, 0.7 * d)}));
    });
}

QImage DrawHandle(QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const QRectF r = Whole(size);
        const qreal w = size.width();
        const qreal h = size.height();
        PaintRoundedPanel(p, r, w / 2, c.restTop, c.restBottom, c.restEdge);
        p.setPen(Qt::NoPen);
        p.setBrush(c.darkBlue);
        // Arrows both ways: the handle hides the answer sheet and brings it back.
        p.drawPolygon(
            QPolygonF({QPointF(w * 0.3, 5), QPointF(w * 0.75, 8.5), QPointF(w * 0.3, 12)}));
        p.drawPolygon(QPolygonF(
            {QPointF(w * 0.7, h - 12), QPointF(w * 0.25, h - 8.5), QPointF(w * 0.7, h - 5)}));
        for (qreal y : {h / 2 - 4, h / 2, h / 2 + 4})
            p.drawEllipse(QPointF(w / 2, y), 1.1, 1.1);
    });
}

QImage DrawScorePanel(QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const QRectF r = Whole(size);
        PaintRoundedPanel(p, r, 7, c.paper, c.scoreBottom, c.restEdge);
        const qreal split = 30;
        p.setPen(QPen(WithAlpha(c.restEdge, 120), 1));
        p.drawLine(QPointF(split + 0.5, 6), QPointF(split + 0.5, size.height() - 6));
        Pen(p, QPointF(split / 2, size.height() / 2.0), 125);
    });
}

QImage DrawSectionBar(QSize size) {
    const Palette& c = palette();
    return OnFace(size, [&](QPainter& p) {
        const QRectF r = Whole(size);
        PaintRoundedPanel(p, r, 6, c.sectionTop, c.sectionBottom, c.restEdge);
        Gloss(p, r.adjusted(2, 1.5, -2, -r.height() / 2), 4, 130);
        const qreal h = size.height();
        const QPointF knob(size.width() - h / 2 - 3, h / 2);
        const qreal radius = h / 2 - 4;
        p.setPen(QPen(c.restEdge, 1));
        p.setBrush(c.paper);
        p.drawEllipse(knob, radius, radius);
        p.setPen(QPen(c.darkBlue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(
            QPolygonF({knob + QPointF(-4, -1.5), knob + QPointF(0, 2.5), knob + QPointF(4, -1.5)}));
    });
}

} // namespace orvanta::pictures
