#pragma once
// Entry forms built from a table of field definitions: one row per column of
// the edited table, which names the statement parameter, the control and its
// input rules. The form creates the controls, loads them from a slot's current
// row, refuses values that would not convert, and binds the parameters.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class DbValueError;
class TQuery;

namespace fieldform {

enum class Kind {
    Text,      // typed, stored as typed
    Decimal,   // digits and ",", stored as a floating-point number, empty = null
    Digits,    // digits only, stored as a whole number, empty = null
    Date,      // "yyyy.MM.dd", empty = null
    Pick,      // text with a pick button beside it (code group)
    Memo,      // several lines of text
    DecimalText   // typed like Decimal, stored as the text typed
};

struct FieldDef {
    QString param;       // "p12"
    QString column;      // "RRHA"
    QString caption;     // label text, or the pick button's caption
    QString control;     // objectName of the field: "Edit11"
    Kind kind = Kind::Text;
    QString group;       // code group of a pick: "TUL"
    int maxLength = -1;  // typing limit; -1: 75 for Text and Pick, no limit otherwise; 0: no limit
    QString unit;        // text after the field ("ha"), optional
    QString button;      // objectName of the pick button; default control + "Pick"
    QString name;        // how messages name the field; default: the plain caption
};

// What a pick button runs: pickCode of codes/CodePick.h. Handed in by the
// window, because this folder sits below the code picker.
using Picker = std::function<bool(const QString &group, QLineEdit *field)>;

class FieldForm {
public:
    // Creates every control as a child of owner (not yet laid out); a pick
    // button click, or F4 / Alt+Down in the field, runs picker(group, field).
    FieldForm(const QList<FieldDef> &defs, QWidget *owner, Picker picker = {});

    const QList<FieldDef> &defs() const { return m_defs; }
    const FieldDef *def(const QString &control) const;

    QWidget *control(const QString &control) const;      // the QLineEdit or QPlainTextEdit
    QLineEdit *edit(const QString &control) const;       // nullptr for a memo
    QPlainTextEdit *memo(const QString &control) const;  // nullptr for a line
    QWidget *captionWidget(const QString &control) const; // QLabel, or the QPushButton of a pick
    QPushButton *pickButton(const QString &control) const;
    QLabel *unitLabel(const QString &control) const;     // nullptr without a unit

    // Places caption, field and unit in three columns of a grid row.
    void addToGrid(QGridLayout *grid, int row, int column, const QString &control) const;

    QString text(const QString &control) const;
    // As written: a changed remark with CR LF, an untouched one exactly as it was set.
    QString storedText(const QString &control) const;
    void setText(const QString &control, const QString &text);
    void clear();

    // Every field := its column of the slot's current row, in edit form. A
    // field left as loaded is written back as stored (null, every digit).
    void load(const TQuery &slot);
    // Shows another text for a loaded field (a code's short name) that still
    // counts as untouched while it is shown.
    void showAsLoaded(const QString &control, const QString &text);
    // The field shows what load() or showAsLoaded() put there.
    bool untouched(const QString &control) const;

    // Checks what the save will convert (untouched fields are as stored). On the
    // first field that does not convert: shows the message, puts the focus into it
    // and returns false.
    // Numbers: "Hibás szám: " + caption; dates: dateMessage (or "Hibás dátum: " + caption).
    bool validate(const QString &dateMessage = QString()) const;

    // Binds every parameter of the table to the slot (call validate first;
    // a value that still does not convert is bound as null).
    void bind(TQuery &statement) const;
    // Binds one field to a parameter of another name: untouched as stored,
    // otherwise converted by its kind (whole numbers as whole numbers).
    void bindField(TQuery &statement, const QString &param, const QString &control) const;

    // Shows the message, brings the field into view, focuses and selects it.
    void refuse(const QString &control, const QString &text) const;
    // A value the database would not hold, refused before the write: the
    // message names the field whose parameter it was (false: no such field).
    bool refuse(const DbValueError &e) const;

    // "RHELYSEG, RTAG, ..." and ":p1, :p2, ..." and "RHELYSEG = :p1, ..." in table order.
    QStringList columnList() const;
    QStringList paramList() const;
    QStringList assignments() const;

private:
    struct Controls {
        QWidget *field = nullptr;
        QWidget *caption = nullptr;
        QLabel *unit = nullptr;
    };
    QList<FieldDef> m_defs;
    QHash<QString, Controls> m_controls;
    QHash<QString, QString> m_setRemarks;   // a remark as last set, line ends as stored
    struct Loaded {
        QString shown;    // the text the field showed after loading
        QVariant stored;  // the column's value
    };
    QHash<QString, Loaded> m_loaded;
};

// Shows the tab pages holding w, scrolls it into view and focuses it.
void reveal(QWidget *w);

// The caption without a trailing colon and blanks, for messages.
QString plainCaption(const QString &caption);
// How messages name a field: its plain caption; the remark box is "Megjegyzés".
QString messageName(const FieldDef &d);

} // namespace fieldform
