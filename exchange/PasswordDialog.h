#pragma once
// "Jelszó": asks for the access code of the raw table administration.
#include <QDialog>

class QLineEdit;

class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget *parent = nullptr);
    QString text() const;   // taken whichever button closed the dialog

private:
    QLineEdit *Password;
};
