#pragma once
// Keyboard rules shared by the entry windows.
#include <QObject>

class QLineEdit;
class QWidget;

namespace input {

enum class Keys {
    Digits,    // "0".."9" and Backspace
    Decimal    // "0".."9", "," and Backspace
};

// Drops every typed character the field does not accept, Enter included
// (a window-wide Enter rule still sees Enter first).
void acceptOnly(QLineEdit *field, Keys keys);

// Enter moves the focus to the next control of the window, Shift+Enter to the
// previous one; the window sees the key before the focused control.
// Multi-line text boxes keep Enter for new lines, buttons for pressing.
void enterMovesFocus(QWidget *window);

} // namespace input
