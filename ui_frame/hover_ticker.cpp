#include "hover_ticker.h"

#include <QCursor>

namespace orvanta {

CursorReader systemCursor() {
    return [] { return QCursor::pos(); };
}

HoverTicker::HoverTicker(CursorReader cursor, QObject* parent)
    : QObject(parent)
    , cursor_(cursor ? std::move(cursor) : systemCursor()) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &HoverTicker::tickNow);
}

void HoverTicker::tickNow() {
    emit tick(cursor_());
}

} // namespace orvanta
