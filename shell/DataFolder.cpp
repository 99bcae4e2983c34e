#include "shell/DataFolder.h"
#include "common/ProgramFiles.h"
#include "common/Seams.h"
#include "datastore/DbCreate.h"
#include "datastore/FbSession.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace datafolder {
namespace {
const QString kDatabase = QStringLiteral("ZELKOR.FDB");
}

QString userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zelkor");
}

Outcome chooseWorkingFolder()
{
    // A named database, or a folder holding one: nothing changes.
    if (!qEnvironmentVariableIsEmpty("ZELKOR_DATABASE")) return Outcome::AsBefore;
    if (QFileInfo::exists(QDir::current().filePath(kDatabase))) return Outcome::AsBefore;
    const QString share = programfiles::shareDir();
    const QString schema = share + QStringLiteral("/sql/zelkor.sql");
    if (share.isEmpty() || !QFileInfo::exists(schema)) return Outcome::AsBefore;

    const QString dir = userFolder();
    const QString database = QDir(dir).filePath(kDatabase);
    Outcome outcome = Outcome::Opened;
    if (!QFileInfo::exists(database)) {
        if (!seams::question(QStringLiteral("A munkamappában nincs Zelkor adatbázis (ZELKOR.FDB).\n"
                                            "Létrehozzam az új, üres nyilvántartást a saját adatmappájában?\n%1")
                                 .arg(QDir::toNativeSeparators(dir))))
            return Outcome::Declined;
        try {
            if (!QDir().mkpath(dir))
                throw DbError(QStringLiteral("A mappa nem hozható létre: %1").arg(QDir::toNativeSeparators(dir)));
            dbcreate::createDatabase(database, {schema, share + QStringLiteral("/sql/seed.sql")});
        } catch (const DbError &e) {
            seams::message(QStringLiteral("Az új nyilvántartás létrehozása nem sikerült.\n%1").arg(e.text()));
            return Outcome::Failed;
        }
        outcome = Outcome::Created;
    }
    // The register's folder becomes the working folder: the database, the
    // backups and the saved lists go there.
    QDir::setCurrent(dir);
    return outcome;
}

} // namespace datafolder
