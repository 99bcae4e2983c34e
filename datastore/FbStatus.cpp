#include "datastore/FbStatus.h"
#include "datastore/Win1250.h"
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <cstring>
#include <ibase.h>
#include <pwd.h>
#include <unistd.h>

namespace fbapi {

QString statusText(Firebird::IUtil *util, Firebird::IStatus *status)
{
    char buf[2048];
    util->formatStatus(buf, sizeof buf, status);
    // The engine's own texts are ASCII; names in them come in the connection's
    // character set, the operating system's texts in the locale's UTF-8.
    const QByteArray bytes(buf, int(strlen(buf)));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError()) return asUtf8.trimmed();
    return win1250::decode(buf, int(strlen(buf))).trimmed();
}

QVector<qint64> statusCodes(Firebird::IStatus *status)
{
    QVector<qint64> codes;
    const intptr_t *v = status->getErrors();
    // The vector is (argument kind, value) pairs ending in isc_arg_end.
    while (v && v[0] != isc_arg_end) {
        if (v[0] == isc_arg_gds) codes << qint64(v[1]);
        else if (v[0] == isc_arg_unix) codes << -qint64(v[1]);
        v += (v[0] == isc_arg_cstring) ? 3 : 2;
    }
    return codes;
}

DbError statusError(Firebird::IUtil *util, Firebird::IStatus *status)
{
    return DbError(statusText(util, status), statusCodes(status));
}

namespace {
QString g_user, g_password;
bool g_login = false;
} // namespace

QString userName()
{
    if (g_login) return g_user;
    const QString u = qEnvironmentVariable("ISC_USER");
    return u.isEmpty() ? QStringLiteral("SYSDBA") : u;
}

QString password()
{
    if (g_login) return g_password;
    const QString p = qEnvironmentVariable("ISC_PASSWORD");
    return p.isEmpty() ? QStringLiteral("bervalosz") : p;
}

void setLogin(const QString &user, const QString &password)
{
    g_user = user;
    g_password = password;
    g_login = true;
}

bool hasLogin() { return g_login; }

void clearLogin()
{
    g_user.clear();
    g_password.clear();
    g_login = false;
}

QString computerUser()
{
    if (const passwd *pw = getpwuid(getuid())) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

void takeLoginFromEnvironment()
{
    if (!qEnvironmentVariableIsSet("ISC_PASSWORD")) return;
    const QString user = qEnvironmentVariable("ISC_USER");
    setLogin(user.isEmpty() ? QStringLiteral("SYSDBA") : user, qEnvironmentVariable("ISC_PASSWORD"));
    qunsetenv("ISC_PASSWORD");
}

void ensureLockFolder()
{
    if (qEnvironmentVariableIsSet("FIREBIRD_LOCK")) return;
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty()) base = QDir::tempPath();
    const QString dir = base + QStringLiteral("/zelkor-firebird-%1").arg(getuid());
    QDir().mkpath(dir);
    qputenv("FIREBIRD_LOCK", QFile::encodeName(dir));
}

} // namespace fbapi
