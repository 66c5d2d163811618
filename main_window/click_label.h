#pragma once

#include "ui_frame/click_tracker.h"

#include <QLabel>

namespace orvanta {

// A label the pupil clicks: the topic rows of the Home page and the web link
// of the About page. clicked() fires on a left-button release over the label
// after a press on it and, when the label has the keyboard focus (reached
// with Tab), on Space, Enter or Return. The focused label shows a dotted
// focus rectangle. Screen readers are told it is a button (the web link:
// a link), named by its text.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Clicks the label as Space does: also a screen reader's press action.
    Q_INVOKABLE void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ClickTracker clicks_;
};

} // namespace orvanta
