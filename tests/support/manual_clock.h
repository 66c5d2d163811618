#pragma once

#include "marking/clock.h"

#include <QDateTime>

#include <utility>

// A test double of the time of day.
namespace orvanta {

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

} // namespace orvanta
