#pragma once
// The code picker "Kódlista ": lists one code group (shared::pickerGroup) in
// ZQ102, positioned on shared::pickerValue. Accepted means a row was chosen
// (button, double-click or Enter); the result is ZQ102's current row, the
// empty code's row when "Üres, ne szerepeljen adat." is ticked. Any other
// close is a cancel. Callers use pickCode() (codes/CodePick.h).
#include <QDialog>
#include <QElapsedTimer>

class QCheckBox;
class QLabel;
class QPushButton;
class SlotGrid;
class NavigatorBar;

class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);

    // Lists the picker group, positions on the picker value, clears the box.
    void showStep();

    void Button1Click();   // "Kiválaszt"
    void Button2Click();   // "Új kód hozzáadása"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *Label1;
    SlotGrid *DBGrid1;
    NavigatorBar *DBNavigator1;
    QPushButton *Button1;
    QPushButton *Button2;
    QCheckBox *CheckBox1;
    QString m_typed;          // letters typed into the grid for the jump
    QElapsedTimer m_typedAt;
};
