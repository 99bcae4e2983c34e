#pragma once
// The code list "Kódlista": the whole code table in ZQ100, in the order of the
// title clicked; copies, changes and deletes codes. On every close it leaves
// the picker group, the picker value and ZQ102 on its current row.
// Opened from the main menu "Kódtábla" and from the code picker.
#include <QDialog>

class QLabel;
class QPushButton;
class SlotGrid;
class NavigatorBar;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    // Name order, positioned on the remembered code; the label says so.
    void reloadByName(const QStringList &lines);
    void setOrderLabel(const QString &text);

    void Button1Click();            // "Kiválaszt"
    void Button2Click();            // "Másolat"
    void Button3Click();            // "Módosít"
    void deleteCurrent();           // key T/t on "Töröl"
    void Button6Click();            // "Mégsem"
    void DBGrid1TitleClick(int column);

    void done(int result) override; // the close step runs on every close

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openEditor(const QString &mode);
    void closeStep();

    QLabel *Label1;
    SlotGrid *DBGrid1;
    NavigatorBar *DBNavigator1;
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6;
};
