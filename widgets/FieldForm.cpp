#include "widgets/FieldForm.h"

#include "common/SafeSlot.h"
#include "common/Keyboard.h"
#include "common/Seams.h"
#include "datastore/Convert.h"
#include "datastore/QuerySlot.h"
#include "widgets/Input.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>

namespace fieldform {
namespace {

// F4 or Alt+Down in a coded field runs its pick, so the pick buttons can stay
// out of the Enter/Tab order and the keyboard never stops on them.
class PickKey : public QObject {
public:
    PickKey(QLineEdit *field, QPushButton *button) : QObject(field), m_button(button) { field->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress) return false;
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_F4 || (k->key() == Qt::Key_Down && k->modifiers() == Qt::AltModifier)) {
            m_button->click();
            return true;
        }
        return false;
    }

private:
    QPushButton *m_button;
};

input::Rule ruleOf(Kind k)
{
    switch (k) {
    case Kind::Decimal:
    case Kind::DecimalText: return input::Rule::Decimal;
    case Kind::Digits: return input::Rule::Digits;
    case Kind::Date: return input::Rule::Date;
    default: return input::Rule::Text;
    }
}

// A value as it was read binds as it was read.
void bindStored(TQuery &statement, const QString &param, const QVariant &v)
{
    if (v.isNull()) {
        statement.setNull(param);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Double: statement.setFloat(param, v.toDouble()); break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Bool: statement.setInt(param, v.toLongLong()); break;
    case QMetaType::QDate: statement.setDate(param, v.toDate()); break;
    case QMetaType::QDateTime: statement.setDate(param, v.toDateTime().date()); break;
    default: statement.setText(param, v.toString()); break;
    }
}

} // namespace

void reveal(QWidget *w)
{
    // Brings every tab page and scroll area on the way up to the field.
    for (QWidget *child = w, *p = w->parentWidget(); p; child = p, p = p->parentWidget()) {
        if (auto *stack = qobject_cast<QStackedWidget *>(p)) {
            if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
                tabs->setCurrentWidget(child);
            else
                stack->setCurrentWidget(child);
        }
    }
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (auto *scroll = qobject_cast<QScrollArea *>(p))
            scroll->ensureWidgetVisible(w);
    w->setFocus();
}

QString plainCaption(const QString &caption)
{
    QString c = caption.trimmed();
    while (c.endsWith(u':') || c.endsWith(u' '))
        c.chop(1);
    return c;
}

QString messageName(const FieldDef &d)
{
    if (!d.name.isEmpty())
        return d.name;
    if (d.caption.trimmed().isEmpty() && d.kind == Kind::Memo)
        return QStringLiteral("Megjegyzés");
    return plainCaption(d.caption);
}

FieldForm::FieldForm(const QList<FieldDef> &defs, QWidget *owner, Picker picker)
    : m_defs(defs)
{
    for (FieldDef &d : m_defs) {
        Controls c;
        if (d.kind == Kind::Memo) {
            auto *memo = new QPlainTextEdit(owner);
            memo->setObjectName(d.control);
            memo->setTabChangesFocus(true);
            c.field = memo;
        } else {
            auto *edit = new QLineEdit(owner);
            edit->setObjectName(d.control);
            int limit = d.maxLength;
            if (limit < 0)
                limit = (d.kind == Kind::Text || d.kind == Kind::Pick) ? 75 : 0;
            input::setRule(edit, ruleOf(d.kind), limit);
            c.field = edit;
        }
        if (d.kind == Kind::Pick) {
            auto *button = new QPushButton(d.caption, owner);
            button->setObjectName(d.button.isEmpty() ? d.control + QStringLiteral("Pick") : d.button);
            auto *edit = static_cast<QLineEdit *>(c.field);
            const QString group = d.group;
            QObject::connect(button, &QPushButton::clicked, edit, safeslot::wrap([picker, group, edit] {
                if (picker)
                    picker(group, edit);
                edit->setFocus();
            }));
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::ClickFocus);
            new PickKey(edit, button);
            edit->setToolTip(keyboard::PickFieldTip);
            keyboard::setHint(edit, keyboard::PickFieldHint);
            c.caption = button;
        } else if (!d.caption.isEmpty()) {
            auto *label = new QLabel(d.caption, owner);
            label->setBuddy(c.field);
            c.caption = label;
        }
        if (!d.unit.isEmpty())
            c.unit = new QLabel(d.unit, owner);
        m_controls.insert(d.control, c);
    }
}

const FieldDef *FieldForm::def(const QString &control) const
{
    for (const FieldDef &d : m_defs)
        if (d.control == control)
            return &d;
    return nullptr;
}

QWidget *FieldForm::control(const QString &control) const { return m_controls.value(control).field; }
QLineEdit *FieldForm::edit(const QString &control) const { return qobject_cast<QLineEdit *>(this->control(control)); }
QPlainTextEdit *FieldForm::memo(const QString &control) const { return qobject_cast<QPlainTextEdit *>(this->control(control)); }
QWidget *FieldForm::captionWidget(const QString &control) const { return m_controls.value(control).caption; }
QPushButton *FieldForm::pickButton(const QString &control) const { return qobject_cast<QPushButton *>(captionWidget(control)); }
QLabel *FieldForm::unitLabel(const QString &control) const { return m_controls.value(control).unit; }

void FieldForm::addToGrid(QGridLayout *grid, int row, int column, const QString &control) const
{
    const Controls c = m_controls.value(control);
    if (c.caption)
        grid->addWidget(c.caption, row, column);
    grid->addWidget(c.field, row, column + 1);
    if (c.unit)
        grid->addWidget(c.unit, row, column + 2);
}

QString FieldForm::storedText(const QString &control) const
{
    const QString shown = text(control);
    if (!memo(control))
        return shown;
    const auto set = m_setRemarks.constFind(control);
    if (set != m_setRemarks.cend() && convert::shownLineEnds(*set) == shown)
        return *set;
    return convert::storedLineEnds(shown);
}

QString FieldForm::text(const QString &control) const
{
    if (auto *m = memo(control))
        return m->toPlainText();
    if (auto *e = edit(control))
        return e->text();
    return QString();
}

void FieldForm::setText(const QString &control, const QString &text)
{
    if (auto *m = memo(control)) {
        m_setRemarks.insert(control, text);
        m->setPlainText(convert::shownLineEnds(text));
    }
    else if (auto *e = edit(control))
        input::setWholeText(e, text);
}

void FieldForm::clear()
{
    m_loaded.clear();
    for (const FieldDef &d : m_defs)
        setText(d.control, QString());
}

void FieldForm::load(const TQuery &slot)
{
    m_loaded.clear();
    for (const FieldDef &d : m_defs) {
        setText(d.control, slot.asString(d.column));
        m_loaded.insert(d.control, {text(d.control), slot.value(d.column)});
    }
}

void FieldForm::showAsLoaded(const QString &control, const QString &text)
{
    setText(control, text);
    const auto it = m_loaded.find(control);
    if (it != m_loaded.end())
        it->shown = this->text(control);
}

bool FieldForm::untouched(const QString &control) const
{
    const auto it = m_loaded.constFind(control);
    return it != m_loaded.cend() && it->shown == text(control);
}

bool FieldForm::validate(const QString &dateMessage) const
{
    for (const FieldDef &d : m_defs) {
        const QString t = text(d.control);
        if (t.isEmpty() || untouched(d.control))
            continue;
        QString problem;
        if (d.kind == Kind::Decimal) {
            double v;
            if (!convert::parseNumber(t, &v))
                problem = QStringLiteral("Hibás szám: ") + messageName(d);
        } else if (d.kind == Kind::Digits) {
            qint64 v;
            if (!convert::parseInt(t, &v))
                problem = QStringLiteral("Hibás szám: ") + messageName(d);
        } else if (d.kind == Kind::Date) {
            QDate v;
            if (!convert::parseDate(t, &v))
                problem = dateMessage.isEmpty() ? QStringLiteral("Hibás dátum: ") + messageName(d)
                                                : dateMessage;
        }
        if (!problem.isEmpty()) {
            refuse(d.control, problem);
            return false;
        }
    }
    return true;
}

void FieldForm::refuse(const QString &control, const QString &text) const
{
    seams::message(text);
    reveal(this->control(control));
    if (auto *e = edit(control))
        e->selectAll();
}

bool FieldForm::refuse(const DbValueError &e) const
{
    for (const FieldDef &d : m_defs) {
        if (d.param.compare(e.param(), Qt::CaseInsensitive) == 0) {
            refuse(d.control, e.message(messageName(d)));
            return true;
        }
    }
    return false;
}

void FieldForm::bind(TQuery &statement) const
{
    for (const FieldDef &d : m_defs)
        bindField(statement, d.param, d.control);
}

void FieldForm::bindField(TQuery &statement, const QString &param, const QString &control) const
{
    const FieldDef *d = def(control);
    if (!d)
        return;
    if (untouched(control)) {
        bindStored(statement, param, m_loaded.value(control).stored);
        return;
    }
    const QString t = storedText(control);
    switch (d->kind) {
    case Kind::Text:
    case Kind::Pick:
    case Kind::Memo:
    case Kind::DecimalText:
        statement.setText(param, t);
        break;
    case Kind::Decimal: {
        double v;
        if (!t.isEmpty() && convert::parseNumber(t, &v))
            statement.setFloat(param, v);
        else
            statement.setNull(param);
        break;
    }
    case Kind::Digits: {
        qint64 v;
        if (!t.isEmpty() && convert::parseInt(t, &v))
            statement.setInt(param, v);
        else
            statement.setNull(param);
        break;
    }
    case Kind::Date: {
        QDate v;
        if (!t.isEmpty() && convert::parseDate(t, &v))
            statement.setDate(param, v);
        else
            statement.setNull(param);
        break;
    }
    }
}

QStringList FieldForm::columnList() const
{
    QStringList out;
    for (const FieldDef &d : m_defs)
        out << d.column;
    return out;
}

QStringList FieldForm::paramList() const
{
    QStringList out;
    for (const FieldDef &d : m_defs)
        out << QStringLiteral(":") + d.param;
    return out;
}

QStringList FieldForm::assignments() const
{
    QStringList out;
    for (const FieldDef &d : m_defs)
        out << d.column + QStringLiteral(" = :") + d.param;
    return out;
}

} // namespace fieldform
