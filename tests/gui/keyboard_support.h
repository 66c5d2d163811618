#pragma once

#include "practice/practice_window.h"
#include "tests/gui/program_under_test.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

// The whole program driven from the keyboard: key presses go to the widget that has the
// focus, as a pupil's keyboard would send them, and the pop-ups are answered
// by key presses too. Only what a window manager would do is done by hand:
// a window that opens is made the active one.
namespace orvanta::test {

// Answers the program's pop-ups by keys, in order: each expected pop-up
// names its title and the keys pressed on its focused button. A pop-up that
// was not expected fails the test and is closed with Escape.
class KeyboardPopUps : public QObject {
    Q_OBJECT
public:
    KeyboardPopUps();
    void expect(const QString& title, QList<int> keys);
    // The messages of the pop-ups answered so far.
    const QStringList& messages() const { return messages_; }
    bool allAnswered() const { return expected_.isEmpty(); }

private:
    void answerShownPopUp();

    struct Expected {
        QString title;
        QList<int> keys;
    };
    QList<Expected> expected_;
    QStringList messages_;
    QTimer poll_;
};

class KeyboardProgram : public ProgramUnderTest {
public:
    // Starts the program and shows the main window, active.
    void start();

    KeyboardPopUps& popUps() { return popUps_; }

    // --- The keyboard -----------------------------------------------------

    // The widget keys go to: the focused widget of an open drop-down list,
    // else the application's focus widget, else the active window's last
    // focused control.
    static QWidget* keyTarget();
    // The window the keys are meant for: before each key it is made the
    // active window again when the display took that away (a pop-up closed),
    // unless a pop-up or a list is open.
    static void keysGoTo(QWidget* window);
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void type(const QString& text);
    // Presses Tab until `target` has the focus; false when it never does
    // (after `limit` presses).
    static bool tabTo(const QWidget* target, int limit = 80);
    // What a window manager does for a window that opens: activates it,
    // with a bounded wait.
    static bool makeActive(QWidget* window);

    // Presses `key` on the focused paper button of the main window and
    // returns the practice window it opens, active, once its first page has
    // loaded; null when none did.
    PracticeWindow* openPaperByKey(int key);
    // Presses the key and waits for the practice window's next page.
    static bool pageLoadsAfterKey(PracticeWindow* window, int key,
                                  Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Waits until the practice window is gone, then activates the main window.
    bool waitUntilClosed(PracticeWindow* window);

private:
    static QPointer<QWidget>& keyWindow();
    static void reactivateKeyWindow();

    KeyboardPopUps popUps_;
};

} // namespace orvanta::test
