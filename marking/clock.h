#pragma once

#include <QDateTime>
#include <QString>

// The time of day as the marking sees it, injected so that tests and the
// windows can set it: nothing in the marking reads the system clock itself.
namespace orvanta {

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until it is set or moved on.
class ManualClock final : public Clock {
public:
    explicit ManualClock(QDateTime start)
        : now_(std::move(start)) {}
    QDateTime now() const override { return now_; }
    void set(QDateTime moment) { now_ = std::move(moment); }
    void advanceSeconds(qint64 seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_;
};

// What a first take stores of the moment it is marked.
struct MarkingMoment {
    QString date;      // MarkingDateText of today, for "CDD"
    QString timeTaken; // TimeTakenText of the time since clockStart, for "LTM"
};

// Reads `clock` once: today's date and the time since `clockStart` (the end
// of loading of the practice window), counted in real elapsed seconds, so a
// change of daylight saving time in between does not add or lose an hour.
MarkingMoment TakeMarkingMoment(const Clock& clock, const QDateTime& clockStart);

} // namespace orvanta
