#include "marking_bar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace orvanta {

namespace {

bool isPupilInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Runs the event loop until `clock` reads `dueMs`.
void waitUntil(const QElapsedTimer& clock, qint64 dueMs) {
    while (clock.elapsed() < dueMs) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(dueMs - clock.elapsed()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace

InputBlocker::InputBlocker() {
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        // A close that is swallowed but left accepted would still close.
        event->ignore();
        ++swallowed_;
        return true;
    }
    if (isPupilInput(event->type())) {
        ++swallowed_;
        return true;
    }
    return QObject::eventFilter(watched, event);
}

MarkingBar::MarkingBar(QWidget* bar, QList<QWidget*> cells, QObject* parent)
    : QObject(parent)
    , bar_(bar)
    , cells_(std::move(cells)) {}

void MarkingBar::play(int durationMs) {
    if (playing_)
        return;
    playing_ = true;
    const InputBlocker blocker;
    for (QWidget* cell : cells_)
        cell->hide();
    bar_->raise();
    bar_->show();
    bar_->repaint();
    QElapsedTimer clock;
    clock.start();
    const auto count = cells_.size();
    for (qsizetype k = 1; k <= count; ++k) {
        if (durationMs > 0)
            waitUntil(clock, durationMs * k / count);
        QWidget* cell = cells_.at(k - 1);
        cell->show();
        cell->repaint();
        emit cellShown(static_cast<int>(k));
    }
    bar_->hide();
    playing_ = false;
}

} // namespace orvanta
