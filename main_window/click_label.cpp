#include "click_label.h"

#include "ui_frame/accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvanta {

ClickLabel::ClickLabel(QWidget* parent)
    : QLabel(parent) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleKind(this, AccessibleKind::Button);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    clicks_.press(event);
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = clicks_.release(event, rect());
    event->accept();
    if (click)
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (!ClickTracker::isActivationKey(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        emit clicked();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace orvanta
