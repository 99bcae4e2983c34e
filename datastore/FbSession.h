#pragma once
// The one connection and its one transaction, over Firebird's object API.
// Knows nothing of slots; TData builds the transaction rules on top of it.
#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>
#include <stdexcept>

namespace Firebird {
class IMaster;
class IProvider;
class IUtil;
class IAttachment;
class ITransaction;
class IMessageMetadata;
class IStatus;
}

// Every database failure arrives as this, with a readable text and, when the
// engine raised it, the engine's error codes (isc_lock_conflict, ...) and,
// negated, the operating system's error numbers it passed on.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &text, QVector<qint64> codes = {})
        : std::runtime_error(text.toStdString()), m_text(text), m_codes(std::move(codes)) {}
    QString text() const { return m_text; }
    const QVector<qint64> &codes() const { return m_codes; }
    bool has(qint64 code) const { return m_codes.contains(code); }
    // The operating system's error number the engine passed on (ENOSPC, EROFS...).
    bool hasOsError(int number) const { return m_codes.contains(-qint64(number)); }
    // Another connection holds the row (nowait) or changed it since this transaction saw it.
    bool isLockConflict() const;
    // The server went away (stopped, restarted, the network broke): the
    // attachment and everything it held are gone.
    bool isConnectionLost() const;
private:
    QString m_text;
    QVector<qint64> m_codes;
};

// A value that the statement's column cannot hold, found before the statement
// ran: nothing was written. Names the parameter, so that a window can name its field.
class DbValueError : public DbError {
public:
    enum Problem {
        TooLong,      // limit: the column's width in characters, actual: the text's length
        TooLarge,     // limit: the largest number the column holds
        Unstorable    // character: one that WIN1250 has no form for
    };
    DbValueError(const QString &param, Problem problem, qint64 limit, qint64 actual, const QString &character = {});
    QString param() const { return m_param; }   // "p9"
    Problem problem() const { return m_problem; }
    // The refusal naming the field: "Túl nagy szám: Felvétel éve (legfeljebb 2147483647)".
    QString message(const QString &fieldName) const;
private:
    QString m_param;
    Problem m_problem;
    qint64 m_limit, m_actual;
    QString m_character;
};

// A parameter value: its kind decides how it is sent.
struct DbParam {
    enum Kind { Null, Text, Float, Int, Date };
    Kind kind = Null;
    QString text;
    double number = 0;
    qint64 whole = 0;
    QDate date;
};

// Description of one result column.
struct DbColumn {
    QString name;       // alias, upper case as the engine gives it
    unsigned type = 0;  // SQL_* without the nullable bit
    int scale = 0;
    unsigned length = 0;
    unsigned offset = 0;
    unsigned nullOffset = 0;
    int subType = 0;
};

// Rows are kept packed, so a list of 90,000 lines costs little more than its
// values: one byte W (2 or 4, the width of the offsets), a null bitmap, the
// end offset of each column in W bytes, then the values one after another.
struct DbRow {
    QByteArray data;
};

class FbSession {
public:
    FbSession();
    ~FbSession();

    // role: the SQL role to log in with (empty: none); config: firebird.conf
    // lines for this connection ("WireCrypt = Required").
    void attach(const QString &database, const QString &user, const QString &password,
                const QString &role = {}, const QString &config = {});
    void detach();
    bool attached() const { return m_att != nullptr; }
    // A lost connection is given up at once; the next transaction attaches
    // again, and then this is called (reservations are made again there).
    void setOnReattached(std::function<void()> f) { m_onReattached = std::move(f); }
    // Whether the connection was lost and has not been attached again.
    bool lost() const { return m_lost.has_value(); }

    // A transaction that wrote and lost its connection still counts as one
    // until rollback(): what it wrote is gone, the rest of it must not run.
    bool inTransaction() const { return m_tra != nullptr || m_broken; }
    void startTransaction();
    void commit();
    void rollback();

    // Runs a statement with named parameters (":p1"). For a statement that
    // returns rows, every row is fetched into rows; columns describes them.
    // Returns true when the statement returns rows (a select).
    bool run(const QString &sql, const QHash<QString, DbParam> &params,
             QVector<DbColumn> *columns, QVector<DbRow> *rows, bool wantRows);

    // Transactions of their own, kept apart from the one transaction and
    // never committed: what a statement run in one holds (a reserved code)
    // lasts until releaseHeld() or until the connection goes, however the
    // program ends. Each is read committed and never waits, like the one.
    void runHeld(const QString &key, const QString &sql, const QHash<QString, DbParam> &params,
                 QVector<DbColumn> *columns, QVector<DbRow> *rows);
    void releaseHeld(const QString &key);   // rolls back; nothing held: nothing to do
    bool holds(const QString &key) const { return m_held.contains(key); }

    // Building and decoding of a packed row.
    static DbRow nullRow(int columns);
    // values[i] empty and nulls[i] set: a null column.
    static DbRow packRow(const QVector<QByteArrayView> &values, const QVector<bool> &nulls);
    static bool isNull(const DbRow &row, int column);
    static QVariant value(const DbRow &row, const DbColumn &col, int column);

    // Replaces ":name" markers outside literals and comments by "?", listing the names.
    static QString positional(const QString &sql, QStringList *names);

    // Runs a statement as written, without parameters, in the open
    // transaction: a definition whose body names its own variables (":K").
    void runAsWritten(const QString &sql);

    Firebird::IMaster *master() const { return m_master; }
    Firebird::IUtil *util() const { return m_util; }

private:
    Firebird::ITransaction *begin();
    // The error of a failed call; a lost connection is let go of here.
    DbError failed(Firebird::IStatus *status);
    void dropConnection();
    DbError lostError() const;
    bool runOn(Firebird::ITransaction *tra, const QString &sql, const QHash<QString, DbParam> &params,
               QVector<DbColumn> *columns, QVector<DbRow> *rows, bool wantRows);

    Firebird::IMaster *m_master = nullptr;
    Firebird::IProvider *m_prov = nullptr;
    Firebird::IUtil *m_util = nullptr;
    Firebird::IAttachment *m_att = nullptr;
    Firebird::ITransaction *m_tra = nullptr;
    QHash<QString, Firebird::ITransaction *> m_held;
    QString m_database, m_user, m_password, m_role, m_config;
    std::optional<DbError> m_lost;   // the failure that lost the connection
    bool m_wrote = false;            // the one transaction has run a write
    bool m_broken = false;           // ... and its connection was lost
    std::function<void()> m_onReattached;
};
