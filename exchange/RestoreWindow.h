#pragma once
// "Visszaállítás mentésből": a register brought back from a backup file (a
// .fbk of gbak, or a copy made by "Adatok mentése"), restored beside its
// place, checked, and put in place after a question.
#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class TFormRestore : public QDialog {
    Q_OBJECT
public:
    explicit TFormRestore(QWidget *parent = nullptr);

    void setTarget(const QString &path);   // the register's file; the program's own by default

    void ButtonSourceClick();    // "Mentés..."
    void ButtonTargetClick();    // "Hová..."
    void ButtonRestoreClick();   // "Visszaállítás"

private:
    void setRunning(bool on);
    void reject() override;
    // Refuses what cannot be restored; the reason is shown. The target with ".fdb" added where it has no suffix.
    bool acceptable(const QString &source, QString *target);

    QLineEdit *EditSource;
    QLineEdit *EditTarget;
    QPushButton *ButtonSource;
    QPushButton *ButtonTarget;
    QPushButton *ButtonRestore;
    QPushButton *ButtonClose;
    QLabel *LabelStatus;
    QProgressBar *ProgressBar1;
    bool m_running = false;
};
