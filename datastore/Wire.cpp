#include "datastore/Wire.h"
#include "datastore/Rights.h"
#include <ibase.h>

namespace wire {

namespace {
bool unencryptedAllowed(const QString &database)
{
    return qEnvironmentVariable("ZELKOR_TITKOSITAS_NELKUL") == QLatin1String("1")
           || rights::hostOf(database).compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}
} // namespace

QString config(const QString &database)
{
    if (!rights::isServerName(database)) return {};
    return unencryptedAllowed(database) ? QStringLiteral("WireCrypt = Enabled") : QStringLiteral("WireCrypt = Required");
}

void rethrow(const DbError &failure, const QString &database)
{
    if (failure.has(isc_wirecrypt_incompatible) || failure.has(isc_miss_wirecrypt))
        throw Refused(QStringLiteral(
            "A kiszolgáló (%1) csak titkosítatlan kapcsolatot enged: a nyilvántartás adatai és a jelszó "
            "olvashatóan mennének át a hálózaton, ezért a program nem kapcsolódik.\n"
            "Kérje meg a rendszergazdát, hogy a kiszolgáló firebird.conf fájljában a WireCrypt beállítás "
            "Enabled vagy Required legyen. Ha a hálózat megbízható, és ezt tudatosan vállalja, indítsa a "
            "programot a ZELKOR_TITKOSITAS_NELKUL=1 környezeti változóval.").arg(rights::hostOf(database)),
                      failure.codes());
    throw failure;
}

} // namespace wire
