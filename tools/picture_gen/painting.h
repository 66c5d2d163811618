#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>
#include <QSize>

// Small drawing helpers shared by every picture.
namespace orvanta::pictures {

// A 32-bit image of `size` filled with `fill` (transparent by default).
QImage NewCanvas(QSize size, QColor fill = Qt::transparent);

// Antialiased painter on `image`.
void BeginPainting(QPainter& painter, QImage& image);

QLinearGradient VerticalGradient(const QRectF& rect, QColor top, QColor bottom);

// Fills and outlines a rounded rectangle with a one-pixel edge; the rectangle
// is the outer edge of the outline.
void PaintRoundedPanel(QPainter& painter, const QRectF& rect, qreal radius, QColor top,
                       QColor bottom, QColor edge);

// Opaque copy of `image` laid over `matte`.
QImage Flatten(const QImage& image, QColor matte);

// Grey, faded copy of `image` (same alpha), for disabled looks.
QImage Greyed(const QImage& image, QColor towards);

// Liberation Sans at a pixel size; the generator refuses to run without it,
// so the pictures look the same wherever they are built.
QFont UiFont(qreal pixelSize, bool bold);

// True when Liberation Sans is installed and resolves as itself.
bool UiFontAvailable();

// `c` with its alpha set to `alpha` (0..255).
QColor WithAlpha(QColor c, int alpha);

// `a` mixed towards `b` by `t` (0 gives a, 1 gives b).
QColor Mix(QColor a, QColor b, qreal t);

} // namespace orvanta::pictures
