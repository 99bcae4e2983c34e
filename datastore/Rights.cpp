#include "datastore/Rights.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "datastore/FbSession.h"

namespace rights {

namespace {

QVector<DbRow> ask(FbSession &session, const QString &sql, QVector<DbColumn> *cols)
{
    const QString key = QStringLiteral("rights");
    QVector<DbRow> rows;
    try {
        session.runHeld(key, sql, {}, cols, &rows);
    } catch (...) {
        try { session.releaseHeld(key); } catch (...) {}
        throw;
    }
    session.releaseHeld(key);
    return rows;
}

QString text(const DbRow &row, const QVector<DbColumn> &cols, int i)
{
    return FbSession::value(row, cols.at(i), i).toString().trimmed();
}

} // namespace

bool Grants::may(Action action) const
{
    switch (action) {
    case Read: return read;
    case Enter: return enter;
    case Codes: return codes;
    case ReferenceYear: return referenceYear;
    case RawAdmin: return !server || admin;
    case Users: return server && admin;
    }
    return false;
}

bool isServerName(const QString &database)
{
    return database.contains(u':') && !database.startsWith(u'/');
}

QString hostOf(const QString &database)
{
    if (!isServerName(database)) return {};
    QString host = database.section(u':', 0, 0);
    // "host/3051" names the port.
    return host.section(u'/', 0, 0);
}

QString grantedRole(FbSession &session)
{
    QVector<DbColumn> cols;
    const auto rows = ask(session, QStringLiteral(
        "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$USER_PRIVILEGES "
        "WHERE RDB$PRIVILEGE = 'M' AND RDB$USER = CURRENT_USER AND RDB$USER_TYPE = 8 "
        "AND RDB$RELATION_NAME IN ('ZELKOR_OLVASO', 'ZELKOR_ROGZITO', 'ZELKOR_ADMIN')"), &cols);
    QString best;
    for (const DbRow &r : rows) {
        const QString role = text(r, cols, 0);
        if (role == QLatin1String(AdminRole) || best.isEmpty()
            || (role == QLatin1String(EntryRole) && best == QLatin1String(ReaderRole)))
            best = role;
    }
    return best;
}

Grants read(FbSession &session)
{
    Grants g;
    g.server = true;
    QVector<DbColumn> cols;
    const auto who = ask(session, QStringLiteral(
        "SELECT CURRENT_USER, CURRENT_ROLE, (SELECT RDB$OWNER_NAME FROM RDB$RELATIONS "
        "WHERE RDB$RELATION_NAME = 'RESZLET') FROM RDB$DATABASE"), &cols);
    if (who.isEmpty()) return g;
    g.user = text(who.first(), cols, 0);
    g.role = text(who.first(), cols, 1);
    const QString owner = text(who.first(), cols, 2);
    // The owner, SYSDBA and the database's own administrators may do everything.
    if (g.user == owner || g.user == QLatin1String("SYSDBA") || g.role == QLatin1String("RDB$ADMIN"))
        return g;
    g.read = g.enter = g.codes = g.referenceYear = false;
    g.admin = g.role == QLatin1String(AdminRole);
    const auto privileges = ask(session, QStringLiteral(
        "SELECT TRIM(RDB$RELATION_NAME), RDB$PRIVILEGE, TRIM(COALESCE(RDB$FIELD_NAME, '')) "
        "FROM RDB$USER_PRIVILEGES WHERE RDB$RELATION_NAME IN ('RESZLET', 'KODOK') "
        "AND ((RDB$USER = CURRENT_USER AND RDB$USER_TYPE = 8) "
        "OR (RDB$USER = CURRENT_ROLE AND RDB$USER_TYPE = 13) OR RDB$USER = 'PUBLIC')"), &cols);
    for (const DbRow &r : privileges) {
        const QString table = text(r, cols, 0), privilege = text(r, cols, 1), column = text(r, cols, 2);
        if (table == QLatin1String("RESZLET")) {
            if (privilege == QLatin1String("S")) g.read = true;
            if (privilege == QLatin1String("I")) g.enter = true;
            if (privilege == QLatin1String("U") && (column.isEmpty() || column == QLatin1String("RTEV")))
                g.referenceYear = true;
        } else if (privilege == QLatin1String("I")) {
            g.codes = true;
        }
    }
    return g;
}

QString refusal(Action action)
{
    QString what;
    switch (action) {
    case Read: what = QStringLiteral("a nyilvántartás megnyitása"); break;
    case Enter: what = QStringLiteral("erdőrészletek és alrészletek felvétele, módosítása, törlése"); break;
    case Codes: what = QStringLiteral("a kódtábla módosítása"); break;
    case ReferenceYear: what = QStringLiteral("a tárgyév beállítása"); break;
    case RawAdmin: what = QStringLiteral("az adatok közvetlen kezelése"); break;
    case Users: what = QStringLiteral("a felhasználók kezelése"); break;
    }
    return QStringLiteral("Ehhez nincs jogosultsága: %1.").arg(what);
}

const Grants &current()
{
    static const Grants everything;
    TData *data = TData::instance();
    return data ? data->grants() : everything;
}

bool may(Action action) { return current().may(action); }

bool refuse(Action action)
{
    if (may(action)) return false;
    seams::message(refusal(action));
    return true;
}

} // namespace rights
