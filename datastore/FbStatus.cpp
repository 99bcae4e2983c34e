#include "datastore/FbStatus.h"
#include "datastore/Win1250.h"
#include <cstring>

namespace fbapi {

QString statusText(Firebird::IUtil *util, Firebird::IStatus *status)
{
    char buf[2048];
    util->formatStatus(buf, sizeof buf, status);
    // The engine's texts are ASCII or in the connection's character set.
    return win1250::decode(buf, int(strlen(buf))).trimmed();
}

QString userName()
{
    const QString u = qEnvironmentVariable("ISC_USER");
    return u.isEmpty() ? QStringLiteral("SYSDBA") : u;
}

QString password()
{
    const QString p = qEnvironmentVariable("ISC_PASSWORD");
    return p.isEmpty() ? QStringLiteral("bervalosz") : p;
}

} // namespace fbapi
