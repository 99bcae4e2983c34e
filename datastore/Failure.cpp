#include "datastore/Failure.h"
#include "datastore/FbSession.h"

namespace failure {

QString reason(const std::exception &e)
{
    if (const auto *db = dynamic_cast<const DbError *>(&e)) {
        if (db->isLockConflict()) return LockConflictReason;
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
