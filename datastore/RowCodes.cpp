#include "datastore/RowCodes.h"
#include "common/Seams.h"

namespace rowcodes {

QString exhaustedMessage(const QString &what)
{
    return QStringLiteral("A(z) „%1” táblában elfogytak a kódok (%2–%3): új sor nem vehető fel.")
        .arg(what)
        .arg(kFirst)
        .arg(kLast);
}

bool available(qint64 next, const QString &what)
{
    if (next <= kLast) return true;
    seams::message(exhaustedMessage(what));
    return false;
}

} // namespace rowcodes
