#pragma once
// Forestry-unit selection: the chosen unit names the main window and opens the menu.
#include <QDialog>

class QComboBox;
class QPushButton;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
    ~TForm5() override;
    // Caption of the main window for the current row of IBTable4.
    static QString unitCaption();

    void done(int result) override;   // every way of closing applies the selection

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applySelection();
    void fillList();
    QComboBox *DBLookupComboBox1;
    QPushButton *Button2;
};
