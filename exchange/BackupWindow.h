#pragma once
// "Adatok mentése": a copy of the database that opens directly, made while
// the program holds the database open.
#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class TFormBackup : public QDialog {
    Q_OBJECT
public:
    explicit TFormBackup(QWidget *parent = nullptr);

    void Button1Click();   // "Honnan"
    void Button2Click();   // "Hová"
    void Button3Click();   // "Mentés"

private:
    bool running() const { return m_running; }
    void setRunning(bool on);
    void reject() override;

    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
    QLabel *Label1;
    QLabel *LabelStatus;
    QProgressBar *ProgressBar1;
    bool m_running = false;
};
