#pragma once
// Keyboard rules shared by the entry windows.
#include <QObject>

class QLineEdit;
class QWidget;

namespace input {

enum class Keys {
    Digits,    // "0".."9" and Backspace
    Decimal,   // "0".."9", "," and Backspace; "." (the numeric pad's) is typed as ","
    Date       // "0".."9", "." and Backspace
};

// Drops every typed character the field does not accept, Enter included
// (a window-wide Enter rule still sees Enter first). A dropped character is
// never dropped silently: a hint beside the field says what the field takes.
void acceptOnly(QLineEdit *field, Keys keys);

// At most limit characters can be typed into the field. A longer text the
// program puts there (a stored value, see setWholeText) is kept whole: it may
// be shortened, never lengthened.
void limitTyping(QLineEdit *field, int limit);
// Sets the field's text whole, beyond its typing limit.
void setWholeText(QLineEdit *field, const QString &text);

// Enter moves the focus to the next control of the window, Shift+Enter to the
// previous one; the window sees the key before the focused control.
// Multi-line text boxes keep Enter for new lines, buttons for pressing.
void enterMovesFocus(QWidget *window);

} // namespace input
