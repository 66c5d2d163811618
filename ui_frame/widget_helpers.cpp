#include "widget_helpers.h"

#include "ui_frame/logic/units.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace orvanta {

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    setTextColour(widget, text);
    fillBackground(widget, background);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                  const QColor& colour, const QString& toolTip) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setFont(font);
    label->setToolTip(toolTip);
    setTextColour(label, colour);
    return label;
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace orvanta
