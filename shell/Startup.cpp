#include "shell/Startup.h"
#include "common/NumericLocale.h"
#include "common/Seams.h"
#include "datastore/EngineEnd.h"
#include "datastore/FbSession.h"
#include "datastore/FbStatus.h"
#include "exchange/DbBackup.h"
#include "shell/DataFolder.h"
#include "shell/MainWindow.h"
#include "shell/QtTextGaps.h"
#include "shell/Termination.h"

#include <QDir>
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
    // What a backup killed half-way left behind goes now (backups go to the working folder).
    dbbackup::removeLitter(QDir::currentPath());
    endOnTermination();
    int rc = 0;
    {
        TForm1 main;
        if (!main.startupAborted()) {
            main.show();
            rc = app.exec();
        }
        // Closing the windows commits and detaches; a hang there or in the
        // engine's end must not hold the user's other instances for minutes.
        engineend::endWithin(20000, rc);
    }
    engineend::shutdownEngine(5000);
    return rc;
}
