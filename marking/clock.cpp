#include "clock.h"

#include "score.h"

namespace orvanta {

MarkingMoment TakeMarkingMoment(const Clock& clock, const QDateTime& clockStart) {
    const QDateTime now = clock.now();
    return {MarkingDateText(now.date()), TimeTakenText(clockStart.secsTo(now))};
}

} // namespace orvanta
