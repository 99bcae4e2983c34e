#include "widgets/Input.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolTip>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPointer>
#include <QVariant>

namespace input {
namespace {

const QString MinusHint = QStringLiteral("Negatív szám nem adható meg.");

QString keysHint(Keys keys)
{
    switch (keys) {
    case Keys::Digits: return QStringLiteral("Ide csak számjegy írható.");
    case Keys::Decimal: return QStringLiteral("Ide csak számjegy és tizedesvessző írható.");
    case Keys::Date: return QStringLiteral("Ide csak számjegy és pont írható (éééé.hh.nn).");
    }
    return {};
}

// Shown under the field for a few seconds, without taking the focus away.
void showHint(QLineEdit *field, const QString &text)
{
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field, QRect(), 4000);
}

class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit *field, Keys keys) : QObject(field), m_field(field), m_keys(keys) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress) return false;
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Backspace) return false;
        // Navigation and editing keys are no characters; let them through.
        if (k->key() == Qt::Key_Left || k->key() == Qt::Key_Right || k->key() == Qt::Key_Home
            || k->key() == Qt::Key_End || k->key() == Qt::Key_Delete || k->key() == Qt::Key_Tab
            || k->key() == Qt::Key_Backtab || (k->modifiers() & Qt::ControlModifier))
            return false;
        const QString t = k->text();
        if (t.size() != 1) return true;   // Enter and the like: no character to refuse
        const QChar c = t.at(0);
        if (c >= u'0' && c <= u'9') return false;
        if (m_keys == Keys::Decimal && c == u',') return false;
        if (m_keys == Keys::Date && c == u'.') return false;
        if (m_keys == Keys::Decimal && c == u'.') {
            m_field->insert(QStringLiteral(","));
            return true;
        }
        if (c.isPrint())
            showHint(m_field, c == u'-' ? MinusHint : keysHint(m_keys));
        return true;   // dropped
    }

private:
    QLineEdit *m_field;
    Keys m_keys;
};

class EnterFilter : public QObject {
public:
    explicit EnterFilter(QWidget *window) : QObject(window), m_window(window) { qApp->installEventFilter(this); }
    ~EnterFilter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress) return false;
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return false;
        auto *w = qobject_cast<QWidget *>(obj);
        if (!w || !m_window || w->window() != m_window) return false;
        if (qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w)) return false;
        if (qobject_cast<QAbstractButton *>(w)) return false;
        if (w->parent() && qobject_cast<QAbstractItemView *>(w->parent()->parent())) return false;  // grid editor
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->view()->isVisible()) return false;
        if (k->modifiers() == Qt::NoModifier || k->modifiers() == Qt::KeypadModifier) {
            move(w, true);
            return true;
        }
        if (k->modifiers() == Qt::ShiftModifier) {
            move(w, false);
            return true;
        }
        return false;
    }

private:
    void move(QWidget *from, bool forward)
    {
        QWidget *next = from;
        do {
            next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        } while (next != from && !(next->window() == m_window && next->isVisibleTo(m_window) && next->isEnabled()
                                   && (next->focusPolicy() & Qt::TabFocus)));
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    QPointer<QWidget> m_window;
};

} // namespace

void acceptOnly(QLineEdit *field, Keys keys) { field->installEventFilter(new KeyFilter(field, keys)); }

namespace {
const char *const TypingLimit = "zelkorTypingLimit";
}

// The widget's own length limit would cut whatever is set too, so it follows
// the text: never below what the field holds, never above the limit otherwise.
void limitTyping(QLineEdit *field, int limit)
{
    field->setProperty(TypingLimit, limit);
    field->setMaxLength(qMax(limit, int(field->text().size())));
    QObject::connect(field, &QLineEdit::textChanged, field, [field, limit](const QString &text) {
        field->setMaxLength(qMax(limit, int(text.size())));
    });
}

void setWholeText(QLineEdit *field, const QString &text)
{
    const QVariant limit = field->property(TypingLimit);
    if (limit.isValid())
        field->setMaxLength(qMax(limit.toInt(), int(text.size())));
    field->setText(text);
}

void enterMovesFocus(QWidget *window) { new EnterFilter(window); }

} // namespace input
