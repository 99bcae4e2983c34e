#pragma once
// The keyboard rules of every window, written once: Enter presses the focused
// button, Escape closes a window as its close box does, every button and menu
// item gets an underlined letter, a window with coded fields shows a hint line
// that follows the focus, and a closed window gives the focus back to the
// control that opened it.
#include <QPointer>
#include <QSet>
#include <QString>

class QWidget;

namespace keyboard {

// What a coded field says in its tooltip and, while it has the focus, in the
// window's hint line.
inline const QString PickFieldTip = QStringLiteral(
    "Kódos mező: az F4 vagy az Alt+Le nyíl megnyitja a kódlistát. Ott a rövidnév első betűit gépelve "
    "a megfelelő sorra ugrik, az Enter átveszi a kódot, az Esc változtatás nélkül visszalép.");
inline const QString PickFieldHint =
    QStringLiteral("F4 vagy Alt+Le: kódlista – gépeléssel keres, Enter: átvesz, Esc: vissza");
// The hint line when the focused control has no hint of its own.
inline const QString GeneralHint =
    QStringLiteral("Tab: következő mező, Shift+Tab: előző · Alt + aláhúzott betű: gomb · Esc: bezárás");

// Installs the rules for the whole application; once is enough, more is harmless.
void install();

// The hint the window's hint line shows while w has the focus. A window
// holding such a control gets a hint line when it is shown.
void setHint(QWidget *w, const QString &hint);
QString hint(const QWidget *w);

// The caption with an '&' before one of its letters not in used (word
// beginnings first, then plain ASCII letters, then any letter or digit); the
// letter is added to used. A caption that has its '&' keeps it (and its letter
// counts as used); one without a free letter stays as it is.
QString withMnemonic(const QString &caption, QSet<QChar> &used);
// Underlined letters for the buttons of a window and, for a main window, its
// menu; each tab page is a scope of its own beside what is always shown.
void assignMnemonics(QWidget *window);

// Held while a window opened by another runs: the control that had the focus
// gets it back when the window has closed.
class FocusReturn {
public:
    FocusReturn();
    ~FocusReturn();
    FocusReturn(const FocusReturn &) = delete;
    FocusReturn &operator=(const FocusReturn &) = delete;

private:
    QPointer<QWidget> m_opener;
};

} // namespace keyboard
