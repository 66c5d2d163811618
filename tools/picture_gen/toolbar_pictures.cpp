#include "tools/picture_gen/toolbar_pictures.h"

#include "tools/picture_gen/painting.h"
#include "tools/picture_gen/style.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace orvanta::pictures {
namespace {

constexpr qreal kGrid = 28.0; // pictograms are designed on a 28 x 28 grid
constexpr qreal kOutline = 1.5;

QPen OutlinePen(qreal width = kOutline) {
    return QPen(palette().ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen StrokePen(QColor colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Fill with a gentle top-lit gradient of `colour`, then outline.
void Shape(QPainter& p, const QPainterPath& path, QColor colour) {
    const QRectF r = path.boundingRect();
    p.setPen(OutlinePen());
    p.setBrush(VerticalGradient(r, colour.lighter(118), colour));
    p.drawPath(path);
}

QPainterPath Rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0) {
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(x, y, w, h, radius, radius);
    else
        path.addRect(x, y, w, h);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void Home(QPainter& p) {
    const Palette& c = palette();
    Shape(p, Rect(18.5, 4.5, 3.5, 7), c.red.darker(120));
    Shape(p, Rect(6.5, 12.5, 15, 12), c.cream);
    Shape(p, Rect(9.5, 17, 4.5, 7.5, 1), c.blue);
    Shape(p, Rect(16, 15.5, 3.5, 3.5), c.yellow);
    Shape(p, Polygon({{2.5, 14.5}, {14, 3.5}, {25.5, 14.5}}), c.red);
}

void Report(QPainter& p) {
    const Palette& c = palette();
    Shape(p, Rect(3.5, 4, 21, 20, 3), c.paper);
    p.setPen(StrokePen(c.silver, 1));
    for (qreal y : {9.0, 13.0, 17.0})
        p.drawLine(QPointF(6.5, y), QPointF(21.5, y));
    const qreal base = 20.5;
    Shape(p, Rect(6.8, 13.5, 4, base - 13.5), c.green);
    Shape(p, Rect(12, 9.5, 4, base - 9.5), c.orange);
    Shape(p, Rect(17.2, 6.5, 4, base - 6.5), c.blue);
    p.setPen(OutlinePen());
    p.drawLine(QPointF(5.5, base), QPointF(22.5, base));
}

void Printer(QPainter& p) {
    const Palette& c = palette();
    Shape(p, Rect(8.5, 3, 11, 9), c.paper);
    Shape(p, Rect(3, 10, 22, 10.5, 3), c.steel);
    Shape(p, Rect(8.5, 16, 11, 9.5), c.paper);
    p.setPen(StrokePen(c.softInk, 1));
    p.drawLine(QPointF(10.5, 19.5), QPointF(17.5, 19.5));
    p.drawLine(QPointF(10.5, 22.5), QPointF(15.5, 22.5));
    p.setPen(Qt::NoPen);
    p.setBrush(c.lightGreen);
    p.drawEllipse(QPointF(21.5, 13.3), 1.4, 1.4);
}

QPainterPath Gear(qreal cx, qreal cy, qreal outer, qreal inner, int teeth) {
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        // Tooth tops and roots alternate, two points each.
        const qreal r = (i % 4 < 2) ? outer : inner;
        const qreal a = (i + 0.5) * 2 * M_PI / steps;
        const QPointF pt(cx + r * std::cos(a), cy + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    path.addEllipse(QPointF(cx, cy), 2.3, 2.3);
    return path;
}

void Setup(QPainter& p) {
    p.save();
    p.scale(0.78, 0.78);
    Printer(p);
    p.restore();
    QPainterPath gear = Gear(19.5, 19.5, 7.6, 5.6, 8);
    gear.setFillRule(Qt::OddEvenFill);
    Shape(p, gear, palette().orange);
}

void Trash(QPainter& p) {
    const Palette& c = palette();
    p.setPen(OutlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(11, 3, 6, 4), 1.5, 1.5);
    Shape(p, Polygon({{7, 9.5}, {21, 9.5}, {19.5, 25}, {8.5, 25}}), c.teal);
    Shape(p, Rect(4.5, 6.2, 19, 3.6, 1.5), c.teal.darker(115));
    p.setPen(StrokePen(WithAlpha(c.paper, 200), 1.4));
    for (qreal x : {11.2, 14.0, 16.8})
        p.drawLine(QPointF(x, 13), QPointF(x, 22));
}

void About(QPainter& p) {
    const Palette& c = palette();
    p.setPen(StrokePen(c.darkBlue, kOutline));
    p.setBrush(VerticalGradient(QRectF(3, 3, 22, 22), c.blue.lighter(125), c.blue));
    p.drawEllipse(QPointF(14, 14), 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(c.paper);
    p.drawEllipse(QPointF(14, 8.6), 2.1, 2.1);
    p.drawRoundedRect(QRectF(12.2, 12, 3.6, 9.8), 1.4, 1.4);
}

void Close(QPainter& p) {
    const Palette& c = palette();
    p.setPen(StrokePen(c.red.darker(135), kOutline));
    p.setBrush(VerticalGradient(QRectF(3, 3, 22, 22), c.red.lighter(120), c.red));
    p.drawEllipse(QPointF(14, 14), 11, 11);
    p.setPen(StrokePen(c.paper, 3.2));
    p.drawLine(QPointF(9.8, 9.8), QPointF(18.2, 18.2));
    p.drawLine(QPointF(18.2, 9.8), QPointF(9.8, 18.2));
}

QPainterPath RightArrow() {
    return Polygon(
        {{3.5, 10.5}, {13, 10.5}, {13, 4.5}, {24.5, 14}, {13, 23.5}, {13, 17.5}, {3.5, 17.5}});
}

void Forward(QPainter& p) {
    Shape(p, RightArrow(), palette().green);
}

void Back(QPainter& p) {
    p.save();
    p.translate(kGrid, 0);
    p.scale(-1, 1);
    Shape(p, RightArrow(), palette().green);
    p.restore();
}

void Save(QPainter& p) {
    const Palette& c = palette();
    Shape(p, Polygon({{4, 4}, {21, 4}, {24, 7}, {24, 24}, {4, 24}}), c.blue);
    Shape(p, Rect(8.5, 4, 10.5, 7.5), c.silver);
    p.setPen(Qt::NoPen);
    p.setBrush(c.ink);
    p.drawRect(QRectF(15.2, 5.6, 2, 4.3));
    Shape(p, Rect(7, 14.5, 14, 9.5, 1), c.paper);
    p.setPen(StrokePen(c.softInk, 1));
    p.drawLine(QPointF(9.5, 17.8), QPointF(18.5, 17.8));
    p.drawLine(QPointF(9.5, 20.8), QPointF(16.5, 20.8));
}

} // namespace

void PaintPencil(QPainter& p) {
    const Palette& c = palette();
    Shape(p, Rect(-8.5, -2.3, 3, 4.6, 1.2), c.pink);
    Shape(p, Rect(-5.8, -2.3, 1.6, 4.6), c.silver);
    Shape(p, Rect(-4.2, -2.3, 10.2, 4.6), c.yellow);
    Shape(p, Polygon({{6, -2.3}, {10, 0}, {6, 2.3}}), c.cream);
    p.setPen(Qt::NoPen);
    p.setBrush(c.ink);
    p.drawPolygon(QPolygonF({QPointF(8.6, -0.8), QPointF(10.2, 0), QPointF(8.6, 0.8)}));
}

namespace {

void Mark(QPainter& p) {
    const Palette& c = palette();
    Shape(p, Rect(3.5, 3, 15.5, 21.5, 1.5), c.paper);
    p.setPen(StrokePen(c.silver, 1));
    p.drawLine(QPointF(6.5, 7.5), QPointF(16, 7.5));
    p.drawLine(QPointF(6.5, 10.5), QPointF(13, 10.5));
    p.setPen(StrokePen(c.green, 3));
    QPainterPath tick;
    tick.moveTo(6.5, 16);
    tick.lineTo(9.6, 19.5);
    tick.lineTo(15.5, 11.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    p.save();
    p.translate(20.3, 14.8);
    p.rotate(120);
    PaintPencil(p);
    p.restore();
}

} // namespace

void PaintPictogram(QPainter& painter, Pictogram pictogram, const QRectF& box) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGrid, box.height() / kGrid);
    switch (pictogram) {
    case Pictogram::About:
        About(painter);
        break;
    case Pictogram::Back:
        Back(painter);
        break;
    case Pictogram::Close:
        Close(painter);
        break;
    case Pictogram::Forward:
        Forward(painter);
        break;
    case Pictogram::Home:
        Home(painter);
        break;
    case Pictogram::Mark:
        Mark(painter);
        break;
    case Pictogram::Print:
        Printer(painter);
        break;
    case Pictogram::Report:
        Report(painter);
        break;
    case Pictogram::Save:
        Save(painter);
        break;
    case Pictogram::Setup:
        Setup(painter);
        break;
    case Pictogram::Trash:
        Trash(painter);
        break;
    }
    painter.restore();
}

QImage DrawToolbarButton(Pictogram pictogram, ButtonState state, QSize size) {
    const Palette& c = palette();
    const Metrics& m = metrics();

    QImage layer = NewCanvas(size);
    QPainter lp;
    BeginPainting(lp, layer);
    const qreal side = m.pictogram;
    PaintPictogram(lp, pictogram, QRectF((size.width() - side) / 2.0, m.pictogramTop, side, side));
    lp.end();

    QImage image = NewCanvas(size, c.face);
    QPainter p;
    BeginPainting(p, image);
    const QRectF whole(0, 0, size.width(), size.height());
    switch (state) {
    case ButtonState::Off:
        p.drawImage(0, 0, layer);
        break;
    case ButtonState::On:
        PaintRoundedPanel(p, whole, 7, c.hoverTop, c.hoverBottom, c.hoverEdge);
        p.drawImage(0, 0, layer);
        break;
    case ButtonState::Pressed:
        PaintRoundedPanel(p, whole, 7, c.pressTop, c.pressBottom, c.pressEdge);
        // A soft shadow under the top edge makes the button look pushed in.
        p.setPen(QPen(WithAlpha(c.pressEdge, 110), 1.0));
        p.drawLine(QPointF(5, 1.5), QPointF(size.width() - 5, 1.5));
        p.drawImage(1, 1, layer);
        break;
    case ButtonState::Disabled:
        p.drawImage(0, 0, Greyed(layer, c.face));
        break;
    }
    p.end();
    return Flatten(image, c.face);
}

} // namespace orvanta::pictures
