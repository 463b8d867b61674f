#include "ui/EnterKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace {

bool IsEnter(const QKeyEvent& key)
{
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    // Combinations with Ctrl, Alt or Meta are no plain Enter.
    return !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// Sees every key before the control it is meant for and before that
// control's window, so a button is pressed here and nowhere else: a window
// that presses its buttons on Enter itself, or a message box whose focused
// button reacts to Enter on its own, never gets a second press.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!IsEnter(*key) || !qobject_cast<QPushButton*>(watched))
            return false;
        // A held key presses once: its repeats would land in whatever
        // window the press has just opened (the notice's focused OK).
        if (!key->isAutoRepeat())
            PressButtonByEnter(static_cast<QWidget*>(watched));
        return true;
    }
};

}  // namespace

bool PressButtonByEnter(QWidget* widget)
{
    auto* button = qobject_cast<QPushButton*>(widget);
    if (!button)
        return false;
    if (button->isEnabled() && button->isVisibleTo(button->window()))
        button->click();
    return true;
}

void InstallEnterPressesFocusedButton()
{
    static QPointer<QObject> filter;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new EnterPressesButton(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}
