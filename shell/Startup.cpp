#include "shell/Startup.h"
#include "common/NumericLocale.h"
#include "common/Seams.h"
#include "datastore/FbSession.h"
#include "datastore/FbStatus.h"
#include "exchange/DbBackup.h"
#include "shell/DataFolder.h"
#include "shell/MainWindow.h"
#include "shell/QtTextGaps.h"
#include "shell/Termination.h"

#include <QLibraryInfo>
#include <QTranslator>

ZelkorApplication::ZelkorApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zelkor"));
    setApplicationDisplayName(QStringLiteral("Zelkor"));
    setOrganizationName(QStringLiteral("Zelkor"));
    setDesktopFileName(QStringLiteral("zelkor"));
    pinNumericLocale();   // QApplication took the C library's locale from the environment
}

void ZelkorApplication::reportFailure(const QString &text) { seams::message(text); }

bool ZelkorApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError &e) {
        reportFailure(e.text());
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    } catch (...) {
        reportFailure(QStringLiteral("Ismeretlen hiba történt."));
    }
    return false;
}

void installHungarianTranslations(QCoreApplication &app)
{
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Hungarian, QLocale::Hungary), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    // Installed last, asked first: only the texts qtbase_hu lacks.
    app.installTranslator(new QtTextGaps(&app));
}

int zelkorMain(int argc, char *argv[])
{
    ZelkorApplication app(argc, argv);
    installHungarianTranslations(app);
    fbapi::takeLoginFromEnvironment();
    datafolder::chooseWorkingFolder();
    // What a backup killed half-way left behind goes now.
    dbbackup::removeLitter();
    endOnTermination();
    int rc = 0;
    {
        TForm1 main;
        if (main.startupAborted()) return 0;
        main.show();
        rc = app.exec();
    }
    return rc;
}
