#pragma once

#include <QFont>

namespace orvanta {

// The interface font: Arial where installed, else its metric twin Liberation
// Sans, so that text takes the room the designs give it.
QFont uiFont(int pointSize, bool bold = false);

} // namespace orvanta
