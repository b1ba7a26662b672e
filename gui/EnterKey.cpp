#include "EnterKey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace EnterKey {

bool pressed(const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool clickFocusedButton(const QWidget *within)
{
    auto *button = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
    if (!button || !within->isAncestorOf(button) || !button->isEnabled())
        return false;
    button->click();
    return true;
}

} // namespace EnterKey
