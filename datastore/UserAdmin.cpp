#include "datastore/UserAdmin.h"
#include "datastore/DataModule.h"
#include "datastore/FbStatus.h"
#include "datastore/Rights.h"
#include "datastore/Wire.h"
#include <QRegularExpression>

namespace useradmin {

namespace {

// A connection of its own with the user-management role, closed after one change.
class AdminSession {
public:
    AdminSession()
    {
        m_session.attach(TData::databaseName(), fbapi::userName(), fbapi::password(), QStringLiteral("RDB$ADMIN"),
                         wire::config(TData::databaseName()));
        if (scalar(QStringLiteral("SELECT CURRENT_ROLE FROM RDB$DATABASE")) != QLatin1String("RDB$ADMIN"))
            throw DbError(rights::refusal(rights::Users)
                          + QStringLiteral("\nA felhasználókat az kezelheti, akit adminisztrátorként vettek fel "
                                           "(scripts/server-user.sh)."));
        m_session.startTransaction();
    }
    ~AdminSession()
    {
        try {
            if (m_session.inTransaction()) m_session.rollback();
            m_session.detach();
        } catch (...) {
        }
    }
    QVector<DbRow> rows(const QString &sql, QVector<DbColumn> *cols, const QHash<QString, DbParam> &params = {})
    {
        QVector<DbRow> result;
        if (!m_session.inTransaction()) m_session.startTransaction();
        m_session.run(sql, params, cols, &result, true);
        return result;
    }
    QString scalar(const QString &sql)
    {
        QVector<DbColumn> cols;
        const auto r = rows(sql, &cols);
        return r.isEmpty() ? QString() : FbSession::value(r.first(), cols.first(), 0).toString().trimmed();
    }
    void exec(const QString &sql) { m_session.run(sql, {}, nullptr, nullptr, false); }
    void commit() { m_session.commit(); }

private:
    FbSession m_session;
};

QString quoted(const QString &text)
{
    QString t = text;
    return u'\'' + t.replace(u'\'', QStringLiteral("''")) + u'\'';
}

bool isProgramRole(const QString &role)
{
    for (const auto &r : roles())
        if (r.first == role) return true;
    return false;
}

// Takes every role of the program (and user management) from the user, then gives the one asked.
void giveRole(AdminSession &s, const QString &user, const QString &role)
{
    QVector<DbColumn> cols;
    const auto held = s.rows(QStringLiteral(
        "SELECT TRIM(RDB$RELATION_NAME), TRIM(RDB$GRANTOR) FROM RDB$USER_PRIVILEGES WHERE RDB$PRIVILEGE = 'M' "
        "AND RDB$USER = :p1 AND RDB$USER_TYPE = 8 AND RDB$RELATION_NAME IN "
        "('ZELKOR_OLVASO', 'ZELKOR_ROGZITO', 'ZELKOR_ADMIN', 'RDB$ADMIN')"), &cols,
        {{QStringLiteral("p1"), DbParam{DbParam::Text, user}}});
    for (const DbRow &r : held)
        s.exec(QStringLiteral("REVOKE %1 FROM %2 GRANTED BY %3")
                   .arg(FbSession::value(r, cols.at(0), 0).toString(), user, FbSession::value(r, cols.at(1), 1).toString()));
    const bool admin = role == QLatin1String(rights::AdminRole);
    s.exec(QStringLiteral("ALTER USER %1 %2 ADMIN ROLE").arg(user, admin ? QStringLiteral("GRANT") : QStringLiteral("REVOKE")));
    if (!role.isEmpty()) s.exec(QStringLiteral("GRANT %1 TO %2").arg(role, user));
    if (admin) s.exec(QStringLiteral("GRANT RDB$ADMIN TO %1").arg(user));
}

} // namespace

QList<QPair<QString, QString>> roles()
{
    return {{QString::fromLatin1(rights::ReaderRole), QStringLiteral("Olvasó")},
            {QString::fromLatin1(rights::EntryRole), QStringLiteral("Rögzítő")},
            {QString::fromLatin1(rights::AdminRole), QStringLiteral("Adminisztrátor")}};
}

QString checkName(const QString &user)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9_]{0,30}$"));
    if (!plain.match(user).hasMatch())
        return QStringLiteral("A felhasználónév betűvel kezdődjön, és csak angol betűt, számjegyet és aláhúzást "
                              "tartalmazzon (legfeljebb 31 karakter).");
    if (user.compare(QLatin1String("SYSDBA"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("A SYSDBA felhasználót a program nem kezeli.");
    return {};
}

QString checkPassword(const QString &password)
{
    if (password.size() < 6) return QStringLiteral("A jelszó legalább 6 karakter legyen.");
    for (QChar c : password)
        if (c.unicode() < 0x21 || c.unicode() > 0x7e)
            return QStringLiteral("A jelszó csak ékezet nélküli betűt, számjegyet és írásjelet tartalmazzon.");
    return {};
}

QList<Person> persons()
{
    AdminSession s;
    QVector<DbColumn> cols;
    const auto rows = s.rows(QStringLiteral(
        "SELECT TRIM(U.SEC$USER_NAME), (SELECT FIRST 1 TRIM(P.RDB$RELATION_NAME) FROM RDB$USER_PRIVILEGES P "
        "WHERE P.RDB$USER = U.SEC$USER_NAME AND P.RDB$USER_TYPE = 8 AND P.RDB$PRIVILEGE = 'M' "
        "AND P.RDB$RELATION_NAME IN ('ZELKOR_OLVASO', 'ZELKOR_ROGZITO', 'ZELKOR_ADMIN') "
        "ORDER BY CASE P.RDB$RELATION_NAME WHEN 'ZELKOR_ADMIN' THEN 0 WHEN 'ZELKOR_ROGZITO' THEN 1 ELSE 2 END) "
        "FROM SEC$USERS U WHERE U.SEC$USER_NAME <> 'SYSDBA' ORDER BY 1"), &cols);
    QList<Person> list;
    for (const DbRow &r : rows)
        list.append({FbSession::value(r, cols.at(0), 0).toString(), FbSession::value(r, cols.at(1), 1).toString()});
    return list;
}

void addPerson(const QString &user, const QString &password, const QString &role)
{
    if (const QString why = checkName(user); !why.isEmpty()) throw DbError(why);
    if (const QString why = checkPassword(password); !why.isEmpty()) throw DbError(why);
    if (!isProgramRole(role)) throw DbError(QStringLiteral("Válasszon szerepkört."));
    AdminSession s;
    if (!s.scalar(QStringLiteral("SELECT 1 FROM SEC$USERS WHERE SEC$USER_NAME = UPPER('%1')").arg(user)).isEmpty())
        throw DbError(QStringLiteral("Már van ilyen felhasználó: %1").arg(user.toUpper()));
    s.exec(QStringLiteral("CREATE USER %1 PASSWORD %2").arg(user, quoted(password)));
    giveRole(s, user.toUpper(), role);
    s.commit();
}

void setPassword(const QString &user, const QString &password)
{
    if (const QString why = checkName(user); !why.isEmpty()) throw DbError(why);
    if (const QString why = checkPassword(password); !why.isEmpty()) throw DbError(why);
    AdminSession s;
    s.exec(QStringLiteral("ALTER USER %1 PASSWORD %2").arg(user, quoted(password)));
    s.commit();
}

void setRole(const QString &user, const QString &role)
{
    if (const QString why = checkName(user); !why.isEmpty()) throw DbError(why);
    if (!isProgramRole(role)) throw DbError(QStringLiteral("Válasszon szerepkört."));
    AdminSession s;
    giveRole(s, user.toUpper(), role);
    s.commit();
}

} // namespace useradmin
