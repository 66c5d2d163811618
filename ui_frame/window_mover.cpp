#include "window_mover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace orvanta {

bool MoveForm(QWidget* window) {
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

WindowMover::WindowMover(QWidget* window)
    : QObject(window)
    , window_(window) {}

void WindowMover::addHandle(QWidget* handle) {
    handle->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (movingByHand_)
            return true; // a second button during a drag changes nothing
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (MoveForm(window_))
            return true;
        movingByHand_ = true;
        pressGlobal_ = mouse->globalPosition().toPoint();
        windowStart_ = window_->pos();
        return true;
    }
    case QEvent::MouseMove: {
        if (!movingByHand_)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        window_->move(windowStart_ + mouse->globalPosition().toPoint() - pressGlobal_);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (movingByHand_ && mouse->buttons() == Qt::NoButton)
            movingByHand_ = false;
        return true;
    }
    default:
        return false;
    }
}

} // namespace orvanta
