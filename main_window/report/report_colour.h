#pragma once

#include "main_window/logic/rgb_colour.h"

#include <QColor>

// The report's designed colours, named window-free in the rules, as the
// widgets and the printout paint them.
namespace orvanta {

inline QColor colourOf(RgbColour c) {
    return QColor(c.red, c.green, c.blue);
}

} // namespace orvanta
