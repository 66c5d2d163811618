#pragma once

#include "practice/practice_services.h"

// A test double of the practice window's running clock.
namespace orvanta {

// Stands still until moved on (tests).
class ManualMonotonicClock final : public MonotonicClock {
public:
    qint64 msecs() const override { return msecs_; }
    void advanceSeconds(qint64 seconds) { msecs_ += seconds * 1000; }
    void advanceMsecs(qint64 msecs) { msecs_ += msecs; }

private:
    qint64 msecs_ = 0;
};

} // namespace orvanta
