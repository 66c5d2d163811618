#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace orvanta {

// Starts the windowing system's own move of `window`, as if its caption had
// been grabbed. False when the platform cannot (offscreen, or X11 without a
// window manager); the window has then not moved.
bool MoveForm(QWidget* window);

// Lets the pupil drag a borderless window by its handles (top bar pieces and
// title) with any mouse button. A press asks the system to move the window
// (MoveForm); where it cannot, the window follows the pointer by hand until
// the button is released.
class WindowMover : public QObject {
    Q_OBJECT
public:
    explicit WindowMover(QWidget* window);

    void addHandle(QWidget* handle);
    // True between a press that the system could not take over and its release.
    bool isMovingByHand() const { return movingByHand_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool movingByHand_ = false;
    QPoint pressGlobal_;
    QPoint windowStart_;
};

} // namespace orvanta
