#pragma once

class QKeyEvent;
class QWidget;

// Enter, as people expect it outside dialogs too: it presses the focused button.
namespace EnterKey {

// Enter or Return, alone or with Shift; with Ctrl, Alt or Meta it is another command.
bool pressed(const QKeyEvent *event);

// Clicks the button that has the focus, if it lies in `within`; false when there is none.
bool clickFocusedButton(const QWidget *within);

} // namespace EnterKey
