#include "marking_error.h"

namespace orvanta {

MarkingError::MarkingError(Reason reason, QString message, QString file, QString cause)
    : std::runtime_error(message.toStdString())
    , reason_(reason)
    , message_(std::move(message))
    , file_(std::move(file))
    , cause_(std::move(cause)) {}

} // namespace orvanta
