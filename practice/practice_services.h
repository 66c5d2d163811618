#pragma once

#include "marking/clock.h"

#include <QElapsedTimer>
#include <QPoint>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// What the practice window takes from the system, gathered so that tests can
// put their own in: the clocks, the "Invalid operation" message box, the
// pointer placement and button state of the resize drag, and the print
// dialog. The defaults are the real ones.
namespace orvanta {

// A clock that only runs forward: milliseconds since an arbitrary origin.
// The practice clock counts on it, so that a change of the system time or of
// daylight saving time while a paper is open neither stops nor jumps it.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual qint64 msecs() const = 0;
};

class SteadyClock final : public MonotonicClock {
public:
    SteadyClock() { timer_.start(); }
    qint64 msecs() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

struct PracticeServices {
    // The running clock of the first take.
    std::shared_ptr<const MonotonicClock> monotonic = std::make_shared<SteadyClock>();
    // Today's date (lblDate, and the date a marking stores).
    std::shared_ptr<const Clock> calendar = std::make_shared<SystemClock>();
    // Shows the system message box "Invalid operation", titled "Error", with
    // one OK button, over `parent`, and returns when it is closed.
    std::function<void(QWidget* parent)> invalidOperation = showInvalidOperationBox;
    // Puts the system pointer at a global position (QCursor::setPos).
    std::function<void(QPoint global)> placeCursor = placeSystemCursor;
    // Whether the left mouse button is down now.
    std::function<bool()> leftButtonHeld = isLeftButtonHeld;
    // Lets the pupil choose a printer (the print dialog); true to print.
    std::function<bool(QPrinter& printer, QWidget* parent)> choosePrinter = execPrintDialog;
    // How long the marking bar takes to fill, milliseconds (0: at once).
    int markingBarMs = 3000;

    static void showInvalidOperationBox(QWidget* parent);
    static void placeSystemCursor(QPoint global);
    static bool isLeftButtonHeld();
    static bool execPrintDialog(QPrinter& printer, QWidget* parent);
};

} // namespace orvanta
