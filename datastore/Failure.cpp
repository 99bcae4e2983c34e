#include "datastore/Failure.h"
#include "datastore/FbSession.h"
#include <cerrno>
#include <ibase.h>

namespace failure {

namespace {

// The common refusals in words a user can act on; the engine's own text stays
// below them for whoever looks into it.
QString plainReason(const DbError &db)
{
    if (db.isConnectionLost())
        return LostConnectionReason;
    if (db.has(isc_no_priv))
        return QStringLiteral("Önnek nincs joga ehhez a művelethez az adatbázisban. A beírt adatok megmaradtak; "
                              "a jogosultságot a rendszergazda adhatja meg.");
    if (db.hasOsError(ENOSPC) || db.hasOsError(EDQUOT))
        return QStringLiteral("Nincs elég szabad hely a lemezen.");
    if (db.hasOsError(EROFS) || db.hasOsError(EACCES) || db.has(isc_read_only_database))
        return QStringLiteral("A mappa vagy a fájl csak olvasható, ide nem lehet írni.");
    return {};
}

} // namespace

QString reason(const std::exception &e)
{
    if (const auto *db = dynamic_cast<const DbError *>(&e)) {
        if (db->isLockConflict()) return LockConflictReason;
        const QString plain = plainReason(*db);
        if (!plain.isEmpty())
            return plain + u'\n' + db->text();
        return db->text();
    }
    return QString::fromUtf8(e.what());
}

QString message(const QString &hibaText, const std::exception &e)
{
    const QString why = reason(e).trimmed();
    return why.isEmpty() ? hibaText : hibaText + u'\n' + why;
}

} // namespace failure
