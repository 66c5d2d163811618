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

// What a first take stores of the moment it is marked.
struct MarkingMoment {
    QString date;      // MarkingDateText of today, for "CDD"
    QString timeTaken; // TimeTakenText of the time the paper was open, for "LTM"
};

} // namespace orvanta
