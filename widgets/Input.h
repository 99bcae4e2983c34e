#pragma once
// Keyboard rules shared by the entry windows.
#include <QObject>

class QLineEdit;
class QWidget;

namespace input {

enum class Rule {
    Text,      // anything, up to the limit
    Digits,    // "0".."9"
    Decimal,   // "0".."9" and ","; a "." (the numeric pad's) becomes ","
    Date       // "0".."9" and "."
};

// What the field takes, checked by a validator: typed, pasted and dropped
// text obey the same rule. A change that breaks it is refused whole (the field
// keeps what it had) and never silently: a hint under the field says what the
// field takes, or how many characters. limit 0: no length limit. A longer or
// other text the program puts there (a stored value, see setWholeText) is
// kept whole: it may be shortened, never lengthened or given new characters
// the rule does not take.
void setRule(QLineEdit *field, Rule rule, int limit = 0);
// Sets the field's text whole, whatever its rule.
void setWholeText(QLineEdit *field, const QString &text);

// Enter moves the focus to the next control of the window, Shift+Enter to the
// previous one; the window sees the key before the focused control.
// Multi-line text boxes keep Enter for new lines, buttons for pressing.
void enterMovesFocus(QWidget *window);

} // namespace input
