#include "exchange/DbRestore.h"
#include "datastore/FbStatus.h"
#include "datastore/SchemaCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

namespace dbrestore {
namespace {

using schema::rowsOf;

void checkTables(const QString &database, const QStringList &tables)
{
    FbSession s;
    s.attach(database, fbapi::userName(), fbapi::password());
    s.startTransaction();
    QSet<QString> have;
    for (const QStringList &r : rowsOf(s, QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS")))
        have.insert(r.value(0));
    s.commit();
    s.detach();
    QStringList missing;
    for (const QString &t : tables)
        if (!have.contains(t.toUpper())) missing << t.toUpper();
    if (!missing.isEmpty())
        throw DbError(QStringLiteral("A mentésben lévő adatbázis nem Zelkor nyilvántartás: hiányzik belőle a(z) %1 tábla.")
                          .arg(missing.join(QStringLiteral(", "))));
}

} // namespace

FileKind kindOf(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return FileKind::Unknown;
    const QByteArray h = f.read(0x14);
    if (h.size() < 0x14) return FileKind::Unknown;
    auto u16 = [&](int at) { return unsigned(uchar(h[at])) | (unsigned(uchar(h[at + 1])) << 8); };
    // gbak's format begins with its record kind, never 1; a database with
    // its header page (page type 1), whose page size stands at 0x10 and the
    // on-disk structure version at 0x12.
    if (h[0] == 0) return FileKind::Backup;
    const unsigned pageSize = u16(0x10);
    if (h[0] != 1 || pageSize < 1024 || pageSize > 65536 || (pageSize & (pageSize - 1))) return FileKind::Unknown;
    const unsigned major = u16(0x12) & 0x7FFF;
    return major < 12 ? FileKind::OlderDatabase : FileKind::Database;
}

QString restoreBeside(const QString &source, const QString &target, const QStringList &tables,
                      const dbbackup::Progress &progress)
{
    const FileKind kind = kindOf(source);
    if (kind == FileKind::OlderDatabase)
        throw DbError(QStringLiteral("Ez a fájl nem mentés, hanem az adatbáziskezelő egy régebbi változatával "
                                     "készült nyilvántartás. Készítsen róla mentést a régi program eszközeivel "
                                     "(gbak -b), és azt állítsa vissza."));
    if (kind == FileKind::Unknown)
        throw DbError(QStringLiteral("A fájl sem mentés (.fbk), sem adatbázis: %1").arg(source));
    const QFileInfo t(target);
    const QString partial = t.absolutePath() + QStringLiteral("/.") + t.fileName()
                            + QStringLiteral(".visszaallitas.%1.tmp").arg(QCoreApplication::applicationPid());
    QFile::remove(partial);
    try {
        // A database copy goes through the engine's backup, so that it is
        // read as the engine reads it, and comes back as a new file.
        if (kind == FileKind::Database) {
            QTemporaryDir work;
            const QString fbk = work.filePath(QStringLiteral("visszaallitas.fbk"));
            dbbackup::backup(source, fbk, progress);
            dbbackup::restore(fbk, partial, progress);
        } else {
            dbbackup::restore(source, partial, progress);
        }
        dbbackup::checkOpens(partial);
        checkTables(partial, tables);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    return partial;
}

QString describe(const QString &database)
{
    FbSession s;
    s.attach(database, fbapi::userName(), fbapi::password());
    s.startTransaction();
    const QString count = rowsOf(s, QStringLiteral("SELECT COUNT(*) FROM RESZLET")).value(0).value(0);
    const QString unit = rowsOf(s, QStringLiteral("SELECT FIRST 1 XNEVE FROM ERDESZET ORDER BY IDX")).value(0).value(0);
    s.commit();
    s.detach();
    QString text = QStringLiteral("%1 erdőrészlet").arg(count);
    if (!unit.isEmpty()) text += QStringLiteral(", ") + unit;
    return text;
}

QString keptName(const QString &target) { return target + QStringLiteral(".elozo"); }

void putInPlace(const QString &restored, const QString &target)
{
    const QString kept = keptName(target);
    const bool had = QFileInfo::exists(target);
    if (had) {
        QFile::remove(kept);
        if (!QFile::rename(target, kept))
            throw DbError(QStringLiteral("A meglévő nyilvántartás nem nevezhető át: %1").arg(target));
    }
    if (!QFile::rename(restored, target)) {
        if (had) QFile::rename(kept, target);
        throw DbError(QStringLiteral("A visszaállított nyilvántartás nem kaphatja meg ezt a nevet: %1").arg(target));
    }
}

} // namespace dbrestore
