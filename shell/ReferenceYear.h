#pragma once
// Reference year: written into every compartment, used by the totals to
// carry the growing stock forward.
#include <QDialog>

class QLineEdit;
class QPushButton;
class TQuery;

class TForm24 : public QDialog {
    Q_OBJECT
public:
    explicit TForm24(QWidget *parent = nullptr);
    void Button3Click();   // "OK"

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QLineEdit *Edit1;   // new reference year
    QLineEdit *Edit2;   // stored reference year
    QPushButton *Button3;
    QPushButton *Button4;
    TQuery *m_statement;   // the window's own reads and its update
};
