#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The small helpers every window builds its controls with: colours set on a
// widget's palette, a caption label, and rectangles designed in twips.
namespace orvanta {

// Paints `widget`'s background in `colour` (its palette's Window role, filled
// automatically).
void fillBackground(QWidget* widget, const QColor& colour);

// Sets the colour `widget` draws its text in (the WindowText role).
void setTextColour(QWidget* widget, const QColor& colour);

// fillBackground and setTextColour at once.
void setColours(QWidget* widget, const QColor& background, const QColor& text);

// A label on `parent` showing `text` in `font` and `colour`. `name` becomes
// its object name unless empty; `toolTip` its tip.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                  const QColor& colour, const QString& toolTip = {});

// A rectangle given in twips, in pixels (each length rounded on its own, as
// the designs place controls).
QRect twipsRect(int left, int top, int width, int height);

} // namespace orvanta
