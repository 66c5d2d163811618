#pragma once

#include "ui_frame/units.h"

#include <QColor>
#include <QRect>

// What the main window's pages share: their colours and the design lengths
// in twips.
namespace orvanta::page_style {

// The face of the window, the tab strip and every page; the interface
// pictures fill their corners with it.
inline const QColor kFace(244, 245, 235);
// Text of headings and captions.
inline const QColor kInk(43, 58, 85);
// The line near the bottom of the tab strip.
inline const QColor kStripLine(133, 160, 196);
// The report's figures, the edges of its boxes and its legend strip.
inline const QColor kFigureInk(36, 92, 170);
inline const QColor kBoxEdge(150, 172, 200);
inline const QColor kLegendStrip(47, 116, 208);

// A rectangle given in twips, in pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace orvanta::page_style
