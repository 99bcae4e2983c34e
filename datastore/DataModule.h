#pragma once
// The data module: the one connection, the one transaction, the ten table
// objects, the query slots and the report objects every window uses.
#include "datastore/FbSession.h"
#include "datastore/QuerySlot.h"
#include "datastore/Rights.h"
#include "datastore/TableObject.h"
#include "datastore/WriteLog.h"
#include "report/ReportData.h"
#include <QMap>
#include <QObject>
#include <QSet>
#include <memory>

namespace report { class Report; }
class SlotRowSource;

class TData : public QObject {
    Q_OBJECT
public:
    explicit TData(QObject *parent = nullptr);
    ~TData() override;   // commits what is still pending

    // Where the database is: ZELKOR_DATABASE, else "ZELKOR.FDB" in the working folder.
    static QString databaseName();
    // Connects and starts the transaction. Throws DbError.
    void connectDatabase();
    bool connected() const { return m_session.attached(); }
    // Ends the connection as the end of the run does (pending work committed),
    // so that the register's file can be replaced; connectDatabase() again after.
    void disconnectDatabase();
    // What this login may do (read once when connecting).
    const rights::Grants &grants() const { return m_grants; }

    // --- the one transaction ---
    bool inTransaction() const { return m_session.inTransaction(); }
    void startTransaction();
    void commit();      // closes every open slot and table object first
    void rollback();    // the same, discarding

    // --- the code lookup: KRNEV of the code-table row with this KKOD; whether
    // a row was found shows in ZQ102's row count ---
    QString codeLookup(const QString &code);
    static constexpr int CodeWidth = 5;   // KKOD and every other code column

    // --- members by name ---
    TQuery *slot(const QString &name) const;        // "ZQ10"
    TTable *table(int number) const;                // 1..10
    QList<TQuery *> allSlots() const { return m_slots; }
    QList<TTable *> allTables() const { return m_tables; }

    TQuery *ZQ10, *ZQ11, *ZQ12, *ZQ20, *ZQ21, *ZQ30, *ZQ31, *ZQ50, *ZQ51, *ZQ60, *ZQ61,
        *ZQ70, *ZQ71, *ZQ80, *ZQ81, *ZQ90, *ZQ91, *ZQ100, *ZQ101, *ZQ102;
    TTable *IBTable1, *IBTable2, *IBTable3, *IBTable4, *IBTable5, *IBTable6, *IBTable7,
        *IBTable8, *IBTable9, *IBTable10;

    // --- report bridge ---
    QString X[12];                                  // row variables X1..X12
    // The first n row variables print a null as "(nincs adat)", so that a
    // missing group value does not look like an empty one (custom query);
    // K1..Kn are those n columns, however many.
    int nullMarkedColumns = 0;
    QMap<QString, QVariant> frVariables;            // named report variables
    report::Report *frNyomtat = nullptr;
    // Report data sets by name: frDBAllomany ... frDBHelyseg.
    const report::RowSource *dataSet(const QString &name) const;
    // Row callback of frDBLekerdez: X1.. from the current result row of ZQ11.
    void fillRowVariables(int row);
    // Variable callback: supplies X1..X12 (exact case), leaves other names alone.
    bool variableCallback(const QString &name, QVariant &value) const;
    // Everything a template may read: data sets, ZQ12, variables, the callback.
    report::ReportInputs reportInputs() const;
    // The print operation: load the template by bare name, show the modal preview.
    // A missing template throws; landscape first for the lists.
    void printReport(const QString &templateFile, bool landscape = false);

    // --- used by slots and table objects ---
    void runForSlot(TQuery *slot, const QString &sql, const QHash<QString, DbParam> &params,
                    QVector<DbColumn> *cols, QVector<DbRow> *rows, bool wantRows);
    void runInOpenTransaction(const QString &sql, const QHash<QString, DbParam> &params,
                              QVector<DbColumn> *cols, QVector<DbRow> *rows, bool wantRows = false);
    // Statements in a transaction of their own that is never committed (FbSession::runHeld).
    void runHeld(const QString &key, const QString &sql, const QHash<QString, DbParam> &params,
                 QVector<DbColumn> *cols, QVector<DbRow> *rows);
    void releaseHeld(const QString &key);
    bool holds(const QString &key) const { return m_session.holds(key); }
    // Every write counts here: inside the guarded write's scope (widgets/GuardedWrite)
    // or, what must never happen, outside it; tests read both counts.
    void enterWriteScope() { ++m_writeScope; }
    void leaveWriteScope() { --m_writeScope; }
    void countWrite() { ++(m_writeScope > 0 ? m_guardedWrites : m_unguardedWrites); }
    int guardedWrites() const { return m_guardedWrites; }
    int unguardedWrites() const { return m_unguardedWrites; }
    // Whether the database reserves the codes of new rows (KOD_FOGLALAS); one
    // made by an older creation script does not.
    bool reservesCodes();
    void slotClosed(TQuery *slot);
    // A slot shows kept rows: the transaction and the open slots as if it had fetched them.
    void markOpen(TQuery *slot);
    // What this workstation wrote; lists kept across a commit read those rows again.
    WriteLog &writes() { return m_writes; }
    // Only this program writes an embedded register: kept rows stay true to
    // it. On a server other workstations write, and lists are read whole.
    bool keepsRows() const { return m_local && m_session.attached(); }
    QString tableKey(const QString &table) const;   // "RESZLET" -> "IDR"; "" for no table object's
    void forget(TQuery *slot);
    int openCount() const { return int(m_open.size()); }

    static TData *instance();
    // Makes this the data module dm() answers with (one per workstation in tests).
    void makeCurrent();

signals:
    // A commit or rollback has just closed every slot and table object.
    void allSlotsClosed();
    // The connection was lost and is attached again: what it held (reserved
    // codes) is gone and must be asked for again.
    void reattached();

private:
    // Runs a statement; when the connection turns out lost and the transaction
    // had written nothing, attaches again and runs it once more.
    template <typename Work> void againIfLost(Work &&work);
    void afterReattach();
    bool m_xNull[12] = {};                          // X[i] came from a null
    int m_xRow = -1;                                // the row K1, K2, ... are read from
    void closeAll();
    void tellWhoWorks();
    void createReportSources();
    FbSession m_session;
    QList<TQuery *> m_slots;
    QList<TTable *> m_tables;
    QSet<TQuery *> m_open;
    TQuery *m_starter = nullptr;
    QMap<QString, SlotRowSource *> m_sources;
    int m_reservesCodes = -1;   // unknown until asked
    rights::Grants m_grants;
    int m_writeScope = 0, m_guardedWrites = 0, m_unguardedWrites = 0;
    void beginIfIdle();
    WriteLog m_writes;
    bool m_local = false;
};

// The data module of the run.
TData &dm();
