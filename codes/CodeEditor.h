#pragma once
// The code editor "Kódok": one row of the code table, new ("Új kód", copied
// from the code list's current row) or changed ("Kód módositás").
#include "datastore/CodeReservation.h"
#include "datastore/RowCheck.h"
#include <QDialog>
#include <QList>
#include <utility>

class DbValueError;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm3;
class TQuery;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    // Takes the mode from shared::codeEditorMode and the fields from ZQ100's
    // current row; in "Új kód" shows the predicted code. False (after its
    // message) when the row could not be read: the editor is then not shown.
    bool fill(TForm3 *list);

    void Button1Click();   // "OK"
    void Button2Click();   // "Mégsem"

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9;

private:
    bool showPredictedCode();   // false: no code left, the editor must not open
    QList<QLineEdit *> writtenFields() const;
    void rememberLoaded(const TQuery &row);
    void takeOverStoredRow();
    // A value the code table would not hold: the message names the field of its parameter.
    // False when no field of params has the refused parameter.
    bool refuseValue(const DbValueError &e, const QList<std::pair<const char *, QLineEdit *>> &params);
    TForm3 *m_list = nullptr;
    QPushButton *Button1, *Button2;
    reservation::Hold m_reserved;   // the code a new row was shown
    rowcheck::Loaded m_loaded;      // the row as filled in, for a change
    QStringList m_loadedTexts;
};
