#pragma once

#include <QString>

class QWidget;

// What assistive technology (a screen reader) is told about the program's
// self-drawn controls. A picture button or a label that acts as a button
// draws itself; without this it would be announced as a plain panel or as
// text, with nothing to press.
namespace orvanta {

enum class AccessibleKind {
    Button, // announced as a push button; its press action clicks it
    Link,   // announced as a link; its press action follows it
    Alert,  // a message box: announced as an alert when it shows
};

// Gives `control` the role of `kind`. For Button and Link the control must
// have an invokable `activate()` (PictureButton, ClickLabel), which the
// press action calls. Call before the control is first shown: the role is
// read when assistive technology first asks about the control.
void setAccessibleKind(QWidget* control, AccessibleKind kind);

// Sets the name and, when `description` is not empty, the description, each
// only when it changed (a change is an event screen readers announce, and
// some controls are renamed at every timer tick).
void nameForScreenReader(QWidget* control, const QString& name, const QString& description = {});

// Tells assistive technology that `box` (an Alert) has shown its message.
void announceAlert(QWidget* box);

// The tooltip with a keyboard shortcut after it: "Next question (Alt+N)".
// `shortcut` in the portable form of QKeySequence ("Alt+N", "Ctrl+S").
QString toolTipWithShortcut(const QString& toolTip, const QString& shortcut);

} // namespace orvanta
