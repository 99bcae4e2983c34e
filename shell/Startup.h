#pragma once
// Program entry and the general error handler.
#include <QApplication>

// A failure no window catches itself (a database error, a missing file) is
// shown in a message box; the window stays open and the program goes on.
class ZelkorApplication : public QApplication {
public:
    ZelkorApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
    // Shows the text of a failure that reached the event loop.
    static void reportFailure(const QString &text);
};

// Loads Qt's Hungarian texts for its own dialogs and buttons.
void installHungarianTranslations(QCoreApplication &app);

int zelkorMain(int argc, char *argv[]);
