#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

namespace orvanta {

// Where the mouse pointer is, in global (screen) coordinates. Windows read it
// through this so that tests can put the pointer anywhere.
using CursorReader = std::function<QPoint()>;

// The system pointer (QCursor::pos()).
CursorReader systemCursor();

// A window's 100 ms timer for its hover pictures. At each tick the pointer is
// read once and handed to every piece of that tick's work, so all controls of
// a window judge the same position.
class HoverTicker : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 100;

    explicit HoverTicker(CursorReader cursor, QObject* parent = nullptr);

    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }

    // Runs one tick now: reads the pointer once and emits tick().
    void tickNow();

signals:
    void tick(const QPoint& cursor);

private:
    CursorReader cursor_;
    QTimer timer_;
};

} // namespace orvanta
