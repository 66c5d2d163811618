#include "marking_error.h"

namespace orvanta {

MarkingError::MarkingError(Reason reason, QString message)
    : std::runtime_error(message.toStdString())
    , reason_(reason)
    , message_(std::move(message)) {}

} // namespace orvanta
