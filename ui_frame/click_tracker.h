#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRect>

namespace orvanta {

// What makes a click on the program's own clickable pictures and labels: a
// left-button press on the control and the release over it; or, with the
// keyboard focus on it, Space, Enter or Return (not auto-repeated).
class ClickTracker {
public:
    void press(const QMouseEvent* event) {
        if (event->button() == Qt::LeftButton)
            leftDown_ = true;
    }

    // True when this release completes a click on a control of `bounds`.
    bool release(const QMouseEvent* event, const QRect& bounds) {
        if (event->button() != Qt::LeftButton)
            return false;
        const bool click = leftDown_ && bounds.contains(event->position().toPoint());
        leftDown_ = false;
        return click;
    }

    static bool isActivationKey(const QKeyEvent* event) {
        const int key = event->key();
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    }

private:
    bool leftDown_ = false;
};

} // namespace orvanta
