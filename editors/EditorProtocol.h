#pragma once
// The one protocol of the sub-record editors. Each editor window is a table of
// fields, statements and texts (an EditorDef); the EditorCore it holds builds
// the common controls, predicts the code of a new row, loads the list's current
// row, checks the input, writes with the shared transaction and refreshes.
#include "common/Shared.h"
#include "datastore/CodeReservation.h"
#include "datastore/RowCheck.h"
#include "widgets/FieldForm.h"
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

class DbValueError;
class QDialog;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TData;
class TQuery;

namespace editor {

using SlotMember = TQuery *TData::*;

// Where a statement parameter takes its value from: a field's objectName
// (its kind decides the parameter type), or one of the key displays.
inline const QString IdDisplay = QStringLiteral("@id");
inline const QString CompartmentDisplay = QStringLiteral("@compartment");
inline const QString ConstantOne = QStringLiteral("=1");

struct Param {
    QString name;     // "p3"
    QString source;   // "Edit3", IdDisplay, CompartmentDisplay, ConstantOne
};

// A list reloaded and positioned after a save attempt.
struct Refresh {
    SlotMember slot;
    QStringList lines;
    bool byCompartment;           // binds p1 to the current compartment code
    QString locateColumn;         // "akod"
    shared::EditorState *state;   // whose last code to locate
};

struct KeyDisplay {
    QString control;   // "Edit22"
    QString column;    // "IDA"
};

struct EditorDef {
    QString caption;               // "Állományleírás"
    QString pageCaption;           // first page
    QString newMode;               // "Új állomány"
    shared::EditorState *state;
    SlotMember listSlot;
    SlotMember workSlot;
    KeyDisplay id, code, compartment;
    bool keysOnCodePage = false;   // the remark editors keep them out of sight
    QList<fieldform::FieldDef> fields;
    QStringList predictLines;
    QStringList insertLines;
    QList<Param> insertParams;
    QStringList updateLines;
    QList<Param> updateParams;
    QString requiredControl;       // checked with trailing blanks removed
    QString requiredMessage;
    QString dateControl;           // a required date
    QString lookupControl;         // loaded through the code lookup
    QList<std::pair<QString, QString>> numberNames;   // control, name in messages (default: caption)
    QString loadMessage, insertMessage, updateMessage, outerMessage;
    QList<Refresh> refresh;
    bool enterMovesFocus = true;
};

// One field of an editor's table.
inline fieldform::FieldDef field(const QString &control, const QString &column, const QString &caption,
                                 fieldform::Kind kind, const QString &group = {}, int maxLength = -1,
                                 const QString &unit = {})
{
    fieldform::FieldDef d;
    d.column = column;
    d.caption = caption;
    d.control = control;
    d.kind = kind;
    d.group = group;
    d.maxLength = maxLength;
    d.unit = unit;
    return d;
}

inline const QString DateMessage = QStringLiteral("A dátum formátuma nem megfelelö!");
inline const QString NoCompartmentMessage =
    QStringLiteral("Nincs kiválasztott részlet: a sor nem menthető részletkód nélkül.");

// The predicted code of a new row: the last code of the whole table in
// ascending order plus one; "10001" for an empty table, "" when the last code
// is no whole number. The code is reserved for this connection until
// reservation::release(), so that no other workstation is shown it; lines are
// the statement of a database that reserves nothing. Throws DbError.
QString predictCode(TQuery *work, const QStringList &lines, const QString &codeColumn);

// Binds one statement's parameters by name; numbers and dates converted, an
// empty number or date as null.
void bindParams(TQuery &statement, const QList<Param> &params, const fieldform::FieldForm &form,
                const QString &idText, const QString &compartmentText);

// Composed into every editor window (not a base class): owns the common controls.
class EditorCore : public QObject {
    Q_OBJECT
public:
    EditorCore(QDialog *window, const EditorDef &def);
    ~EditorCore() override;

    const EditorDef &def() const { return m_def; }
    fieldform::FieldForm &form() { return *m_form; }
    QWidget *firstPage() const { return m_firstPage; }
    QTabWidget *pages() const { return m_pages; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QLineEdit *idEdit() const { return m_idEdit; }
    QLineEdit *codeEdit() const { return m_codeEdit; }
    QLineEdit *compartmentEdit() const { return m_compEdit; }
    // The three key displays with their labels, in one row, for the window's layout.
    QWidget *keyBox() const { return m_keyBox; }
    // OK and Mégsem, right-aligned.
    QWidget *buttonBox() const { return m_buttonBox; }
    bool isNew() const { return m_def.state->mode == m_def.newMode; }

    // After the window has laid out its page: focus order (fields and buttons
    // by objectName, then pick buttons and key displays follow), Enter rule,
    // fixed size, prediction and compartment code.
    void finish(const QStringList &focusOrder);
    // Fills the fields from the list slot's current row; false after the load message.
    bool loadCurrentRow();
    // "OK".
    void save();

private:
    bool checkInput();
    bool refuseValue(const DbValueError &e, const QList<Param> &params);
    bool write();   // false: the window stays open
    void showRow(const TQuery &row);
    void takeOverStoredRow();
    void refreshLists();

    QDialog *m_window;
    EditorDef m_def;
    std::unique_ptr<fieldform::FieldForm> m_form;
    QTabWidget *m_pages = nullptr;
    QWidget *m_firstPage = nullptr;
    QWidget *m_keyBox = nullptr;
    QWidget *m_buttonBox = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QLineEdit *m_idEdit = nullptr;
    QLineEdit *m_codeEdit = nullptr;
    QLineEdit *m_compEdit = nullptr;
    bool m_codesExhausted = false;   // the table has no code left for a new row
    reservation::Hold m_reserved;   // the code a new row was shown
    rowcheck::Loaded m_loaded;      // the row as loaded for a change
    QHash<QString, QString> m_loadedTexts;
};

// The page of the smaller editors: key displays, the fields one under the
// other, the remark box, OK and Mégsem.
void remarkLayout(EditorCore &core, const QStringList &fieldControls, const QString &memo);

} // namespace editor
