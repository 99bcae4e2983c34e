#include "common/Keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

namespace keyboard {
namespace {

const char *const HintProperty = "zelkorKeyHint";
const QString HintLineName = QStringLiteral("KeyHint");

bool isEnter(const QKeyEvent *k)
{
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
        && (k->modifiers() == Qt::NoModifier || k->modifiers() == Qt::KeypadModifier);
}

// Qt's own boxes keep their own keys and captions.
bool ownWindow(const QWidget *w)
{
    return (qobject_cast<const QDialog *>(w) || qobject_cast<const QMainWindow *>(w))
        && !qobject_cast<const QMessageBox *>(w) && !qobject_cast<const QFileDialog *>(w);
}

// A grid cell being edited takes Escape for itself: it undoes the cell. The
// cell's editor is the focused control inside the grid.
bool inEditedGrid(QWidget *w)
{
    for (QWidget *p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (qobject_cast<QAbstractItemView *>(p))
            return true;
    return false;
}

QLabel *hintLine(QWidget *window) { return window->findChild<QLabel *>(HintLineName, Qt::FindDirectChildrenOnly); }

void showHintFor(QWidget *focused)
{
    if (!focused)
        return;
    if (QLabel *line = hintLine(focused->window())) {
        const QString own = hint(focused);
        line->setText(own.isEmpty() ? GeneralHint : own);
    }
}

// A window holding controls with hints gets its line at the bottom; a window
// of fixed size grows by the line.
void addHintLine(QWidget *window)
{
    auto *box = qobject_cast<QBoxLayout *>(window->layout());
    if (!box || hintLine(window))
        return;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    if (std::none_of(all.begin(), all.end(), [](const QWidget *w) { return !hint(w).isEmpty(); }))
        return;
    auto *line = new QLabel(GeneralHint, window);
    line->setObjectName(HintLineName);
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    QPalette p = line->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Disabled, QPalette::WindowText));
    line->setPalette(p);
    const bool fixed = window->minimumHeight() == window->maximumHeight();
    const int grow = line->sizeHint().height() + qMax(0, box->spacing());
    box->addWidget(line);
    if (fixed)
        window->setFixedHeight(window->height() + grow);
    showHintFor(window->focusWidget());
}

class KeyRules : public QObject {
public:
    explicit KeyRules(QObject *parent) : QObject(parent)
    {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [](QWidget *, QWidget *now) { showHintFor(now); });
    }

    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (e->type() == QEvent::Show) {
            auto *w = qobject_cast<QWidget *>(obj);
            if (w && w->isWindow() && ownWindow(w)) {
                assignMnemonics(w);
                addHintLine(w);
            }
            return false;
        }
        if (e->type() != QEvent::KeyPress)
            return false;
        auto *w = qobject_cast<QWidget *>(obj);
        if (!w)
            return false;
        auto *k = static_cast<QKeyEvent *>(e);
        // Enter presses the focused button, as Space does; buttons that do not
        // take Enter as their default would otherwise pass it on to the window.
        if (isEnter(k) && (qobject_cast<QPushButton *>(w) || qobject_cast<QToolButton *>(w)) && w->isEnabled()) {
            static_cast<QAbstractButton *>(w)->click();
            return true;
        }
        // Escape closes the window as its "Mégsem" / close box does, whatever
        // the focused control does with keys.
        if (k->key() == Qt::Key_Escape && k->modifiers() == Qt::NoModifier) {
            auto *dialog = qobject_cast<QDialog *>(w->window());
            if (!dialog || !ownWindow(dialog) || !dialog->isVisible() || inEditedGrid(w))
                return false;
            // Only the key's first receiver: a key passed on to the parents is the same key.
            QWidget *focused = dialog->focusWidget();
            if (focused && focused != w && w->isAncestorOf(focused))
                return false;
            dialog->reject();
            return true;
        }
        return false;
    }
};

int firstFree(const QString &caption, const QSet<QChar> &used)
{
    const auto wordStart = [&](int i) { return i == 0 || !caption.at(i - 1).isLetterOrNumber(); };
    const auto free = [&](int i) { return caption.at(i).isLetterOrNumber() && !used.contains(caption.at(i).toUpper()); };
    for (int i = 0; i < caption.size(); ++i)
        if (wordStart(i) && free(i))
            return i;
    for (int i = 0; i < caption.size(); ++i)
        if (caption.at(i) < QChar(128) && free(i))
            return i;
    for (int i = 0; i < caption.size(); ++i)
        if (free(i))
            return i;
    return -1;
}

// The letter after a single '&', or a null char.
QChar ownMnemonic(const QString &caption)
{
    for (int i = caption.indexOf(u'&'); i >= 0 && i + 1 < caption.size(); i = caption.indexOf(u'&', i + 2))
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1).toUpper();
    return {};
}

void assignMenu(QWidget *menuOrBar)
{
    QSet<QChar> used;
    for (QAction *a : menuOrBar->actions()) {
        if (a->isSeparator())
            continue;
        a->setText(withMnemonic(a->text(), used));
        if (QMenu *sub = a->menu())
            assignMenu(sub);
    }
}

bool takesMnemonic(const QAbstractButton *b)
{
    // Pick buttons (focus by click only) and the navigator's arrows stay plain.
    return !qobject_cast<const QToolButton *>(b) && (b->focusPolicy() & Qt::TabFocus) && !b->text().isEmpty();
}

// Buttons of one scope in creation order; a stack's pages are scopes of their own.
void collect(QWidget *parent, QList<QAbstractButton *> &buttons, QList<QWidget *> &pages, QSet<QChar> &used)
{
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow())
            continue;
        if (auto *stack = qobject_cast<QStackedWidget *>(w)) {
            for (int i = 0; i < stack->count(); ++i)
                pages << stack->widget(i);
            continue;
        }
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && takesMnemonic(b))
            buttons << b;
        if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy())
            if (const QChar c = ownMnemonic(l->text()); !c.isNull())
                used.insert(c);
        collect(w, buttons, pages, used);
    }
}

void assignScope(QWidget *root, QSet<QChar> used)
{
    QList<QAbstractButton *> buttons;
    QList<QWidget *> pages;
    collect(root, buttons, pages, used);
    for (QAbstractButton *b : buttons)
        if (const QChar c = ownMnemonic(b->text()); !c.isNull())
            used.insert(c);
    for (QAbstractButton *b : buttons)
        b->setText(withMnemonic(b->text(), used));
    for (QWidget *page : pages)
        assignScope(page, used);
}

} // namespace

void install()
{
    static QPointer<KeyRules> rules;
    if (!rules && qobject_cast<QApplication *>(QCoreApplication::instance()))
        rules = new KeyRules(qApp);
}

void setHint(QWidget *w, const QString &text) { w->setProperty(HintProperty, text); }

QString hint(const QWidget *w) { return w->property(HintProperty).toString(); }

QString withMnemonic(const QString &caption, QSet<QChar> &used)
{
    if (const QChar own = ownMnemonic(caption); !own.isNull()) {
        used.insert(own);
        return caption;
    }
    const int at = firstFree(caption, used);
    if (at < 0)
        return caption;
    used.insert(caption.at(at).toUpper());
    return caption.left(at) + u'&' + caption.mid(at);
}

void assignMnemonics(QWidget *window)
{
    if (auto *main = qobject_cast<QMainWindow *>(window))
        assignMenu(main->menuBar());
    assignScope(window, {});
}

FocusReturn::FocusReturn() : m_opener(QApplication::focusWidget())
{
    if (!m_opener)
        m_opener = QApplication::activeWindow();   // a window holding nothing but its menu
}

// The window manager is not relied on to give the keyboard back: when the
// closed window was not the opener's own child it may hand it to nobody.
FocusReturn::~FocusReturn()
{
    if (!m_opener || !m_opener->isVisible() || !m_opener->isEnabled())
        return;
    m_opener->window()->activateWindow();
    if (!m_opener->isWindow())
        m_opener->setFocus(Qt::OtherFocusReason);
}

} // namespace keyboard
