#pragma once
// The grand totals "Mindösszesen": totals of the compartment register for a
// range of one grouping column, summary or detail, printed with a grand total.
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm25 : public QDialog {
    Q_OBJECT
public:
    explicit TForm25(QWidget *parent = nullptr);

    // The range mode "1".."5": the position of the selected radio button.
    int selectedMode() const;

    void Button1Click();   // "Tól"
    void Button2Click();   // "Ig"
    void Button3Click();   // "Nyomtatás"

protected:
    void showEvent(QShowEvent *event) override;

private:
    void pickRange();
    QRadioButton *RadioButton[5];
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QLabel *Label1;
    QLabel *Label2;
};
