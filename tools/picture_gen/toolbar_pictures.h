#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

// Toolbar buttons: a pictogram in the upper part of the button, the caption
// label of the window lying over the band below it.
namespace orvanta::pictures {

enum class Pictogram { About, Back, Close, Forward, Home, Mark, Print, Report, Save, Setup, Trash };

// "_off" resting, "_on" under the pointer, "_pressed" while held, "_disabled".
enum class ButtonState { Off, On, Pressed, Disabled };

// Paints `pictogram` into `box` (any size; drawn on a 28-unit grid).
void PaintPictogram(QPainter& painter, Pictogram pictogram, const QRectF& box);

// A pencil lying along the x axis, centred on the origin, its tip at x = 10
// (about 19 units long); the caller turns and scales it.
void PaintPencil(QPainter& painter);

// One toolbar button picture, opaque, of `size`.
QImage DrawToolbarButton(Pictogram pictogram, ButtonState state, QSize size);

} // namespace orvanta::pictures
