#pragma once
// What this workstation has written, statement by statement: which table and,
// where the statement names them by one column, which rows. Lists kept across
// a commit read again only those rows (datastore/KeptRows).
#include "datastore/FbSession.h"
#include <QHash>
#include <QString>
#include <QVector>

struct WriteNote {
    enum Kind { Insert, Keyed, Many };
    quint64 seq = 0;
    QString table;      // upper case; empty: any table
    Kind kind = Many;
    QString column;     // Keyed: the rows whose column ...
    QString value;      // ... holds this value (a whole number or a code)
};

class WriteLog {
public:
    // A statement that ran and may have written.
    void noteStatement(const QString &sql, const QHash<QString, DbParam> &params);
    // Any row of the table may have changed (empty: of any table).
    void noteMany(const QString &table);
    quint64 seq() const { return m_seq; }

    void transactionStarted() { m_txStart = m_seq; }
    // A rollback undid this transaction's writes: lists that saw them are read again whole.
    void rolledBack();

    // Notes on the table after seq; false when the log no longer reaches back that far.
    bool since(quint64 seq, const QString &table, QVector<WriteNote> *notes) const;

    // The note a statement gives; exposed for the tests of the parsing.
    static WriteNote parse(const QString &sql, const QHash<QString, DbParam> &params);

private:
    void add(WriteNote note);
    QVector<WriteNote> m_notes;
    quint64 m_seq = 0;
    quint64 m_txStart = 0;
    quint64 m_floor = 0;   // notes up to this one were dropped
};
