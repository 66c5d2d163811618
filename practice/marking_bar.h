#pragma once

#include <QObject>
#include <QWidget>

#include <QList>

// The marking bar of the practice window: the panel fmeMark and its fifteen
// cells imgBar01..imgBar15, filled one by one while a paper is being marked.
namespace orvanta {

// While it exists, swallows every input from the pupil to every window of
// the program: keys, mouse buttons, the wheel, touch, context menus and
// closing a window. Painting, timers and pointer moves go on. Marking takes
// the whole program for the seconds its bar runs, as nothing may change the
// answers or open another paper meanwhile.
class InputBlocker final : public QObject {
    Q_OBJECT
public:
    InputBlocker();
    ~InputBlocker() override;
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

    // How many inputs were swallowed so far.
    int swallowed() const { return swallowed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int swallowed_ = 0;
};

// Plays the bar once: shows `bar` with every cell hidden, then shows cell k
// (k = 1..15, `cells` in order) once k/15 of `durationMs` has passed on a
// monotonic clock, painting it at once, and hides `bar` again when the last
// cell has shown. Returns then. Meanwhile the event loop runs (painting,
// timers, the page) under an InputBlocker. With `durationMs` 0 or less every
// cell is shown and the bar hidden without waiting.
class MarkingBar final : public QObject {
    Q_OBJECT
public:
    MarkingBar(QWidget* bar, QList<QWidget*> cells, QObject* parent = nullptr);

    void play(int durationMs);
    bool isPlaying() const { return playing_; }

signals:
    // Cell `cell` (1..15) has just been shown and painted.
    void cellShown(int cell);

private:
    QWidget* bar_;
    QList<QWidget*> cells_;
    bool playing_ = false;
};

} // namespace orvanta
