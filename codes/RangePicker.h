#pragma once
// The range-value picker "Kiválaszt" of the grand totals window.
// Reads shared::rangeMode ("1" settlement, "2" tree species, "3" urgency,
// "4" manager, "5" lot number) and lists that column's distinct values in a
// statement of its own ("Form26List"): the caller reads only the pick values.
// "Kiválaszt" writes shared::pickValue1 / shared::pickValue2 from the chosen
// row and accepts; "Mégsem" (or any other close) leaves both untouched.
// Use: shared::rangeMode = "2"; auto *w = new TForm26(this);
//      if (seams::runModal(w) == QDialog::Accepted) ...; delete w;
#include <QDialog>
#include <QStringList>

class QPushButton;
class SlotGrid;
class TQuery;

class TForm26 : public QDialog {
    Q_OBJECT
public:
    explicit TForm26(QWidget *parent = nullptr);

    // The statement listed for a range mode ("" for an unknown mode).
    static QStringList statementFor(const QString &mode);

    void Button1Click();   // "Kiválaszt"
    void Button2Click();   // "Mégsem"

private:
    SlotGrid *DBGrid1;
    QPushButton *Button1, *Button2;
    TQuery *m_list;
};
