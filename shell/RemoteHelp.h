#pragma once
// "Távsegitség": starts the remote-support program when the system has it.
#include <QDialog>
#include <functional>

class TForm20 : public QDialog {
    Q_OBJECT
public:
    explicit TForm20(QWidget *parent = nullptr);
    static QString programName() { return QStringLiteral("ShowMyPC3000.exe"); }
    // Starts a found program; tests replace it.
    static std::function<void(const QString &path)> startProgram;
    void Button1Click();
};
