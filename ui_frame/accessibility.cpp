#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLabel>
#include <QMetaObject>
#include <QWidget>

namespace orvanta {

namespace {

constexpr char kKindProperty[] = "orvantaAccessibleKind";

QAccessible::Role roleOf(AccessibleKind kind) {
    switch (kind) {
    case AccessibleKind::Button:
        return QAccessible::Button;
    case AccessibleKind::Link:
        return QAccessible::Link;
    case AccessibleKind::Alert:
        return QAccessible::AlertMessage;
    }
    return QAccessible::Client;
}

// A self-drawn control with a role and, for the pressable kinds, a press
// action that activates it as Space would.
class SelfDrawnControl : public QAccessibleWidget {
public:
    SelfDrawnControl(QWidget* widget, AccessibleKind kind)
        : QAccessibleWidget(widget, roleOf(kind))
        , pressable_(kind != AccessibleKind::Alert) {
        if (pressable_)
            addControllingSignal(QStringLiteral("clicked()"));
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable_ && widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (pressable_ && action == pressAction() && widget()->isEnabled()) {
            QMetaObject::invokeMethod(widget(), "activate");
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QString text(QAccessible::Text t) const override {
        QString value = QAccessibleWidget::text(t);
        if (!value.isEmpty() || t != QAccessible::Name)
            return value;
        // Without a name of its own a button reads the caption lying on it,
        // a message box its title.
        if (!pressable_)
            return widget()->windowTitle();
        if (const auto* label = qobject_cast<const QLabel*>(widget()))
            return label->text();
        const auto* caption = widget()->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        return caption ? caption->text() : QString();
    }

private:
    bool pressable_;
};

QAccessibleInterface* selfDrawnFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant kind = object->property(kKindProperty);
    if (!kind.isValid())
        return nullptr;
    return new SelfDrawnControl(static_cast<QWidget*>(object),
                                static_cast<AccessibleKind>(kind.toInt()));
}

} // namespace

void setAccessibleKind(QWidget* control, AccessibleKind kind) {
    static const bool installed = [] {
        QAccessible::installFactory(selfDrawnFactory);
        return true;
    }();
    Q_UNUSED(installed);
    control->setProperty(kKindProperty, static_cast<int>(kind));
}

void nameForScreenReader(QWidget* control, const QString& name, const QString& description) {
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    if (!description.isEmpty() && control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

void announceAlert(QWidget* box) {
    QAccessibleEvent event(box, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

QString toolTipWithShortcut(const QString& toolTip, const QString& shortcut) {
    const QString shown = QKeySequence(shortcut).toString(QKeySequence::NativeText);
    return QStringLiteral("%1 (%2)").arg(toolTip, shown);
}

} // namespace orvanta
