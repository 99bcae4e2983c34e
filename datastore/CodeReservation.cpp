#include "datastore/CodeReservation.h"
#include "datastore/DataModule.h"
#include "datastore/RowCodes.h"
#include <algorithm>

namespace reservation {

namespace {
QString contextName(const QString &table) { return QStringLiteral("ZELKOR_KOD_") + table; }

DbParam text(const QString &value)
{
    DbParam p;
    p.kind = DbParam::Text;
    p.text = value;
    return p;
}
} // namespace

QString tableOfCode(const QString &codeColumn)
{
    static const QHash<QString, QString> tables = {
        {"RKOD", "RESZLET"}, {"AKOD", "ALLOMANY"}, {"TKOD", "TERMELES"}, {"FKOD", "FAHASZNALAT"},
        {"EKOD", "ERDOSITES"}, {"BKOD", "EGYEB"}, {"VKOD", "VALTOZAS"}, {"MKOD", "MUNKAK"}, {"KKOD", "KODOK"}};
    return tables.value(codeColumn.toUpper());
}

std::optional<Prediction> reserve(TData &db, const QString &codeColumn, const QString &wanted)
{
    const QString table = tableOfCode(codeColumn);
    if (table.isEmpty() || !db.reservesCodes())
        return std::nullopt;
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    for (int attempt = 0;; ++attempt) {
        try {
            // The code reserved before is given back by undoing its insert; the
            // transaction itself lives on until release().
            if (db.holds(table))
                db.runHeld(table, QStringLiteral("ROLLBACK TO SAVEPOINT RESERVED"), {}, nullptr, nullptr);
            else
                db.runHeld(table, QStringLiteral("SAVEPOINT RESERVED"), {}, nullptr, nullptr);
            if (wanted.isEmpty())
                db.runHeld(table, QStringLiteral("EXECUTE PROCEDURE KOD_FOGLALAS(:p1)"),
                           {{QStringLiteral("p1"), text(table)}}, &cols, &rows);
            else
                db.runHeld(table, QStringLiteral("EXECUTE PROCEDURE KOD_FOGLALAS(:p1, :p2)"),
                           {{QStringLiteral("p1"), text(table)}, {QStringLiteral("p2"), text(wanted)}}, &cols, &rows);
            break;
        } catch (const DbError &e) {
            release(&db, codeColumn);
            // The connection went under the reservation: once more on a new one.
            if (!e.isConnectionLost() || attempt > 0)
                throw;
        } catch (...) {
            release(&db, codeColumn);
            throw;
        }
    }
    Prediction p;
    if (!rows.isEmpty() && cols.size() >= 2) {
        p.code = FbSession::value(rows.first(), cols.at(0), 0).toString().trimmed();
        p.last = FbSession::value(rows.first(), cols.at(1), 1).toString().trimmed();
    }
    if (p.code.isEmpty()) {
        release(&db, codeColumn);   // nothing was reserved
        // A full table: the code past the last, which the window refuses in words.
        const bool digits = !p.last.isEmpty()
            && std::all_of(p.last.cbegin(), p.last.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (digits)
            p.code = QString::number(rowcodes::kLast + 1);
    }
    return p;
}

void release(TData *db, const QString &codeColumn)
{
    const QString table = tableOfCode(codeColumn);
    if (!db || table.isEmpty() || !db->holds(table))
        return;
    try {
        // The trigger must not hand the freed code to a later insert of this
        // connection, and inserts by other means may take it again.
        db->runHeld(table, QStringLiteral("EXECUTE PROCEDURE KOD_ELENGEDES(:p1)"), {{QStringLiteral("p1"), text(table)}},
                    nullptr, nullptr);
    } catch (const std::exception &) {
        try {
            // A database of an older script only knows the context.
            QVector<DbRow> rows;
            db->runHeld(table, QStringLiteral("SELECT RDB$SET_CONTEXT('USER_SESSION', :p1, NULL) FROM RDB$DATABASE"),
                        {{QStringLiteral("p1"), text(contextName(table))}}, nullptr, &rows);
        } catch (const std::exception &) {
            // A lost connection has taken the reservation and its context with it.
        }
    }
    try {
        db->releaseHeld(table);
    } catch (const std::exception &) {
    }
}

QString takenMessage(const QString &shown, const QString &now)
{
    return QStringLiteral("A kapcsolat a kiszolgálóval megszakadt, és közben a(z) %1 kódot más kapta meg. "
                          "Az új sor kódja: %2. A beírt adatok megmaradtak.")
        .arg(shown, now);
}

void Hold::set(TData &db, const QString &codeColumn, const QString &code, std::function<void(const QString &)> moved)
{
    if (m_db && (m_db != &db || m_column != codeColumn))
        release();
    m_db = &db;
    m_column = codeColumn;
    m_code = code;
    m_moved = std::move(moved);
    QObject::disconnect(m_again);
    if (!m_code.isEmpty())
        m_again = QObject::connect(&db, &TData::reattached, &db, [this] { reserveAgain(); });
}

void Hold::reserveAgain()
{
    if (!m_db)
        return;
    try {
        const auto again = reserve(*m_db, m_column, m_code);
        if (!again || again->code.isEmpty() || again->code == m_code)
            return;
        m_code = again->code;
        if (m_moved)
            m_moved(m_code);
    } catch (const std::exception &) {
        // Lost again: the next attach tries once more.
    }
}

void Hold::release()
{
    QObject::disconnect(m_again);
    if (m_db)
        reservation::release(m_db.data(), m_column);
    m_db = nullptr;
}

} // namespace reservation
