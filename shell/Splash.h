#pragma once
// The splash window shown while the program starts.
#include <QDialog>

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
    // How long the splash stays; tests shorten it, users cannot.
    static int displayMs;
};
