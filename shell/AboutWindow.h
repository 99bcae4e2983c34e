#pragma once
// "Névjegy": the program's title, the year and the maker's contact lines.
#include <QDialog>

class TForm19 : public QDialog {
    Q_OBJECT
public:
    explicit TForm19(QWidget *parent = nullptr);
    static QString aboutText();
};
