#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

// Icons, the logo and the pictures with transparent backgrounds. Each is
// returned with alpha; the GIF and ICO writers decide how to keep it.
namespace orvanta::pictures {

// The program's emblem: a blue badge with a white orbit and an orange dot.
QImage DrawWindowIcon(QSize size);

// The practice window's icon: a pencil.
QImage DrawPencilIcon(QSize size);

// Pointing hand for the web link; its hot spot is kHandHotSpot (32 x 32).
QImage DrawHandCursor(QSize size);
inline constexpr QPoint kHandHotSpot{12, 2};

// Blue "i" beside the pop-up's message.
QImage DrawInfoMark(QSize size);

// "Orvanta Practice" with the emblem, for the About page.
QImage DrawLogo(QSize size);

// How to type a fraction (5/28) and a mixed number (8 2/5).
QImage DrawInstruction(QSize size);

} // namespace orvanta::pictures
