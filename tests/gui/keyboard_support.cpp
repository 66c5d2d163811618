#include "keyboard_support.h"

#include "tests/practice/practice_test_support.h"
#include "ui_frame/pop_up.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta::test {

namespace {

// How long the display is given to activate a window before the test
// activates it itself; a bound, not a measure.
constexpr int kActivationWaitMs = 2000;

} // namespace

KeyboardPopUps::KeyboardPopUps() {
    poll_.setInterval(20);
    connect(&poll_, &QTimer::timeout, this, &KeyboardPopUps::answerShownPopUp);
    poll_.start();
}

void KeyboardPopUps::expect(const QString& title, QList<int> keys) {
    expected_.append({title, std::move(keys)});
}

void KeyboardPopUps::answerShownPopUp() {
    auto* popUp = qobject_cast<frmPopUp*>(QApplication::activeModalWidget());
    if (!popUp || !popUp->isVisible())
        return;
    // Answered once: the keys close it before the next poll.
    poll_.stop();
    KeyboardProgram::makeActive(popUp);
    messages_ << popUp->lblMessage()->text();
    if (expected_.isEmpty()) {
        ADD_FAILURE() << "unexpected pop-up: " << popUp->lblTitle()->text().toStdString() << ": "
                      << popUp->lblMessage()->text().toStdString();
        KeyboardProgram::press(Qt::Key_Escape);
    } else {
        const Expected next = expected_.takeFirst();
        EXPECT_EQ(popUp->lblTitle()->text(), next.title);
        // The keys go to the pop-up's focused button, which Tab and the
        // arrows move, whether or not the display gave the pop-up the focus.
        for (int key : next.keys) {
            QWidget* focused = popUp->focusWidget() ? popUp->focusWidget() : popUp;
            QTest::keyClick(focused, static_cast<Qt::Key>(key));
        }
    }
    poll_.start();
}

void KeyboardProgram::start() {
    ProgramUnderTest::start();
    contents().show();
    keysGoTo(&contents());
    EXPECT_TRUE(makeActive(&contents()));
}

QWidget* KeyboardProgram::keyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget* focused = QApplication::focusWidget())
        return focused;
    QWidget* window = QApplication::activeWindow();
    if (!window)
        return nullptr;
    return window->focusWidget() ? window->focusWidget() : window;
}

void KeyboardProgram::keysGoTo(QWidget* window) {
    keyWindow() = window;
}

QPointer<QWidget>& KeyboardProgram::keyWindow() {
    static QPointer<QWidget> window;
    return window;
}

void KeyboardProgram::reactivateKeyWindow() {
    // A modal pop-up or an open list has the keys while it is shown.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    QWidget* window = keyWindow();
    if (window && window->isVisible() && QApplication::activeWindow() != window)
        makeActive(window);
}

void KeyboardProgram::press(int key, Qt::KeyboardModifiers modifiers) {
    reactivateKeyWindow();
    QWidget* target = keyTarget();
    if (!target) {
        ADD_FAILURE() << "no widget has the keyboard focus for key " << key;
        return;
    }
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void KeyboardProgram::type(const QString& text) {
    reactivateKeyWindow();
    QWidget* target = keyTarget();
    if (!target) {
        ADD_FAILURE() << "no widget has the keyboard focus to type " << text.toStdString();
        return;
    }
    QTest::keyClicks(target, text);
}

bool KeyboardProgram::tabTo(const QWidget* target, int limit) {
    QStringList visited;
    for (int k = 0; k < limit && keyTarget() != target; ++k) {
        const QWidget* at = keyTarget();
        visited << (at ? at->objectName() + u'/' + QLatin1String(at->metaObject()->className())
                       : QStringLiteral("(none)"));
        press(Qt::Key_Tab);
    }
    if (keyTarget() == target)
        return true;
    ADD_FAILURE() << "Tab never reached " << target->objectName().toStdString()
                  << "; it went through " << visited.mid(0, 30).join(u' ').toStdString();
    return false;
}

bool KeyboardProgram::makeActive(QWidget* window) {
    if (QApplication::activeWindow() == window)
        return true;
    // Without a window manager the display may never hand the window the
    // input focus, or take it away again when a pop-up closes; after a short
    // wait the application is told directly, as a window manager's focus
    // event would tell it. The window's last focused control gets the focus
    // back.
    window->raise();
    window->activateWindow();
    if (QTest::qWaitForWindowActive(window, kActivationWaitMs))
        return true;
    QApplication::setActiveWindow(window);
    return QApplication::activeWindow() == window;
}

PracticeWindow* KeyboardProgram::openPaperByKey(int key) {
    PracticeWindow* w = openPaperBy([key] { press(key); });
    if (!w)
        return nullptr;
    w->tick(kPointerAway);
    keysGoTo(w);
    return makeActive(w) ? w : nullptr;
}

bool KeyboardProgram::pageLoadsAfterKey(PracticeWindow* window, int key,
                                        Qt::KeyboardModifiers modifiers) {
    return pageLoadsAfter(window, [&] { press(key, modifiers); });
}

bool KeyboardProgram::waitUntilClosed(PracticeWindow* window) {
    QPointer<PracticeWindow> alive(window);
    if (!QTest::qWaitFor([&] { return alive.isNull(); }, kPageTimeoutMs))
        return false;
    keysGoTo(&contents());
    return makeActive(&contents());
}

} // namespace orvanta::test
