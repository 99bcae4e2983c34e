#include "widgets/Input.h"

#include <QPushButton>
#include <QToolButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolTip>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPointer>
#include <QValidator>

namespace input {
namespace {

const QString MinusHint = QStringLiteral("Negatív szám nem adható meg.");

QString ruleHint(Rule rule)
{
    switch (rule) {
    case Rule::Digits: return QStringLiteral("Ide csak számjegy írható.");
    case Rule::Decimal: return QStringLiteral("Ide csak számjegy és tizedesvessző írható.");
    case Rule::Date: return QStringLiteral("Ide csak számjegy és pont írható (éééé.hh.nn).");
    case Rule::Text: break;
    }
    return {};
}

// Shown under the field for a few seconds, without taking the focus away.
void showHint(QLineEdit *field, const QString &text)
{
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field, QRect(), 4000);
}

bool takes(Rule rule, QChar c)
{
    if (rule == Rule::Text || (c >= u'0' && c <= u'9')) return true;
    return (rule == Rule::Decimal && c == u',') || (rule == Rule::Date && c == u'.');
}

// Whether every character of part appears in whole, in the same order.
bool within(const QString &part, const QString &whole)
{
    qsizetype at = 0;
    for (QChar c : part) {
        at = whole.indexOf(c, at);
        if (at < 0) return false;
        ++at;
    }
    return true;
}

QString foreignTo(Rule rule, const QString &text)
{
    QString out;
    for (QChar c : text)
        if (!takes(rule, c)) out += c;
    return out;
}

// Judges the whole text after each change against the text before it.
class RuleValidator : public QValidator {
public:
    RuleValidator(QLineEdit *field, Rule rule, int limit)
        : QValidator(field), m_rule(rule), m_limit(limit), m_before(field->text())
    {
        connect(field, &QLineEdit::textChanged, this, [this](const QString &t) { m_before = t; });
        connect(field, &QLineEdit::inputRejected, this, [this, field] {
            if (!m_why.isEmpty()) showHint(field, m_why);
        });
    }
    void allow(const QString &text) { m_before = text; }

    State validate(QString &input, int &) const override
    {
        m_why.clear();
        if (input == m_before) return Acceptable;
        if (m_rule == Rule::Decimal) input.replace(u'.', u',');
        // Deleting is always allowed, also from a stored text the rule would refuse.
        if (input.size() < m_before.size() && within(input, m_before)) return Acceptable;
        const QString foreign = foreignTo(m_rule, input);
        if (!within(foreign, foreignTo(m_rule, m_before))) {
            m_why = foreign.contains(u'-') && !m_before.contains(u'-') ? MinusHint : ruleHint(m_rule);
            return Invalid;
        }
        if (m_limit > 0 && input.size() > qMax(qsizetype(m_limit), m_before.size())) {
            m_why = QStringLiteral("Ide legfeljebb %1 karakter írható.").arg(m_limit);
            return Invalid;
        }
        return Acceptable;
    }

private:
    Rule m_rule;
    int m_limit;
    QString m_before;       // the text before the change being judged
    mutable QString m_why;  // why the last change was refused
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
        // Buttons press on Enter (common/Keyboard); a check box or radio button
        // ignores it and Qt hands it up to the window, which would press its
        // default button: they move on like fields.
        if (qobject_cast<QPushButton *>(w) || qobject_cast<QToolButton *>(w)) return false;
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

void setRule(QLineEdit *field, Rule rule, int limit)
{
    // The widget's own length limit would cut a pasted text to fit: the validator refuses it instead.
    field->setValidator(new RuleValidator(field, rule, limit));
}

void setWholeText(QLineEdit *field, const QString &text)
{
    if (auto *v = dynamic_cast<RuleValidator *>(const_cast<QValidator *>(field->validator())))
        v->allow(text);
    field->setText(text);
}

void enterMovesFocus(QWidget *window) { new EnterFilter(window); }

} // namespace input
