// The data module TData: connection, transaction, table objects, query slots.
#include "datastore/DataModule.h"
#include "datastore/Convert.h"
#include "datastore/FbStatus.h"
#include "datastore/Wire.h"
#include "report/Report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

namespace {
TData *g_instance = nullptr;
} // namespace

TData &dm()
{
    Q_ASSERT(g_instance);
    return *g_instance;
}

TData *TData::instance() { return g_instance; }

void TData::makeCurrent() { g_instance = this; }

TData::TData(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("Data"));
    g_instance = this;
    auto mk = [this](const char *name) {
        auto *q = new TQuery(this, QString::fromLatin1(name), this);
        m_slots << q;
        return q;
    };
    ZQ10 = mk("ZQ10"); ZQ11 = mk("ZQ11"); ZQ12 = mk("ZQ12"); ZQ20 = mk("ZQ20"); ZQ21 = mk("ZQ21");
    ZQ30 = mk("ZQ30"); ZQ31 = mk("ZQ31"); ZQ50 = mk("ZQ50"); ZQ51 = mk("ZQ51"); ZQ60 = mk("ZQ60");
    ZQ61 = mk("ZQ61"); ZQ70 = mk("ZQ70"); ZQ71 = mk("ZQ71"); ZQ80 = mk("ZQ80"); ZQ81 = mk("ZQ81");
    ZQ90 = mk("ZQ90"); ZQ91 = mk("ZQ91"); ZQ100 = mk("ZQ100"); ZQ101 = mk("ZQ101"); ZQ102 = mk("ZQ102");
    ZQ70->addLine(QStringLiteral("select * from EGYEB"));
    ZQ80->addLine(QStringLiteral("select * from valtozas"));
    ZQ90->addLine(QStringLiteral("select * from munkak"));

    auto tb = [this](int n, const char *table, const char *key) {
        auto *t = new TTable(this, QStringLiteral("IBTable%1").arg(n), QString::fromLatin1(table),
                             QString::fromLatin1(key), this);
        m_tables << t;
        return t;
    };
    IBTable1 = tb(1, "RESZLET", "IDR");
    IBTable2 = tb(2, "ALLOMANY", "IDA");
    IBTable3 = tb(3, "TERMELES", "IDT");
    IBTable4 = tb(4, "ERDESZET", "IDX");
    IBTable5 = tb(5, "FAHASZNALAT", "IDF");
    IBTable6 = tb(6, "ERDOSITES", "IDE");
    IBTable7 = tb(7, "EGYEB", "IDB");
    IBTable8 = tb(8, "VALTOZAS", "IDV");
    IBTable9 = tb(9, "MUNKAK", "IDM");
    IBTable10 = tb(10, "KODOK", "IDK");
    // The unit's names are cut to this width when typed in the table grid.
    for (const char *c : {"XNEVE", "XHELYSEG", "XUTCA", "XSZERIA", "XVERZIO"})
        IBTable4->setFieldWidth(QString::fromLatin1(c), 45);
    const QList<QPair<const char *, int>> widths = {{"XKOD", 5}, {"XIRSZAM", 4}, {"XADOSZAM", 13},
        {"XBANKSZLA", 25}, {"XADOAZON", 13}, {"XMEGJ", 200}, {"XAKOD", 5}};
    for (const auto &w : widths) IBTable4->setFieldWidth(QString::fromLatin1(w.first), w.second);

    createReportSources();
    m_session.setOnReattached([this] { afterReattach(); });
}

void TData::afterReattach()
{
    // The slots keep the rows they read; the transaction they were open in is gone.
    m_open.clear();
    m_starter = nullptr;
    m_reservesCodes = -1;
    m_writes.noteMany({});
    emit reattached();
}

template <typename Work> void TData::againIfLost(Work &&work)
{
    // Attaching again when the server is still away is tried once per call.
    const bool wasAttached = m_session.attached();
    try {
        work();
    } catch (const DbError &e) {
        // A transaction that wrote before the loss stays broken until rolled back:
        // repeating only the last statement would write half of what was meant.
        if (!e.isConnectionLost() || !wasAttached || m_session.inTransaction()) throw;
        work();
    }
}

TData::~TData()
{
    // The end of the run makes pending work permanent.
    try {
        if (m_session.inTransaction()) commit();
        m_session.detach();
    } catch (...) {
    }
    qDeleteAll(m_sources);
    m_sources.clear();
    delete frNyomtat;
    // The slots call back into this object when they die; they must go while
    // its members still exist, not later among the QObject children.
    const QList<TQuery *> querySlots = m_slots;
    const QList<TTable *> tables = m_tables;
    m_slots.clear();
    m_tables.clear();
    qDeleteAll(tables);
    qDeleteAll(querySlots);
    m_open.clear();
    m_starter = nullptr;
    if (g_instance == this) g_instance = nullptr;
}

QString TData::databaseName()
{
    const QString env = qEnvironmentVariable("ZELKOR_DATABASE");
    if (!env.isEmpty()) return env;
    return QDir::current().absoluteFilePath(QStringLiteral("ZELKOR.FDB"));
}

void TData::connectDatabase()
{
    fbapi::ensureLockFolder();
    const QString name = databaseName();
    // The embedded engine would create nothing, but say plainly what is missing.
    if (!name.contains(u':') || name.startsWith(u'/')) {
        if (!QFileInfo::exists(name))
            throw DbError(QStringLiteral("Az adatbázis nem található: %1").arg(name));
    }
    const QString wireConfig = wire::config(name);
    try {
        m_session.attach(name, fbapi::userName(), fbapi::password(), {}, wireConfig);
    } catch (const DbError &e) {
        wire::rethrow(e, name);
    }
    m_grants = {};
    if (rights::isServerName(name)) {
        // A person logs in with the highest of the program's roles granted to them.
        const QString role = rights::grantedRole(m_session);
        if (!role.isEmpty()) {
            m_session.detach();
            m_session.attach(name, fbapi::userName(), fbapi::password(), role, wireConfig);
        }
        m_grants = rights::read(m_session);
    } else {
        tellWhoWorks();
    }
    m_reservesCodes = -1;
    // Rows kept from another connection are no proof of this one.
    m_writes.noteMany({});
    m_local = !name.contains(u':') || name.startsWith(u'/');
    beginIfIdle();
}

void TData::startTransaction()
{
    m_writes.transactionStarted();
    m_session.startTransaction();
}

void TData::tellWhoWorks()
{
    // On the embedded engine (any user name, no client address) the history
    // names the computer user and this machine; a server knows its client.
    const QString key = QStringLiteral("who");
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    try {
        m_session.runHeld(key, QStringLiteral(
            "SELECT RDB$SET_CONTEXT('USER_SESSION', 'ZELKOR_FELHASZNALO', :p1), "
            "RDB$SET_CONTEXT('USER_SESSION', 'ZELKOR_GEP', :p2) FROM RDB$DATABASE"),
            {{QStringLiteral("p1"), DbParam{DbParam::Text, fbapi::computerUser()}},
             {QStringLiteral("p2"), DbParam{DbParam::Text, QSysInfo::machineHostName()}}}, &cols, &rows);
    } catch (...) {
        m_session.releaseHeld(key);
        throw;
    }
    m_session.releaseHeld(key);
}

// A lost connection is attached again when the next transaction begins.
void TData::beginIfIdle()
{
    if (!m_session.inTransaction()) startTransaction();
}

void TData::disconnectDatabase()
{
    closeAll();
    m_session.detach();
    m_reservesCodes = -1;
}

void TData::closeAll()
{
    const auto open = m_open;
    for (TQuery *q : open) q->closeSilently();
    m_open.clear();
    m_starter = nullptr;
    if (!open.isEmpty()) emit allSlotsClosed();
}

void TData::commit()
{
    closeAll();
    m_session.commit();
}

void TData::rollback()
{
    closeAll();
    m_session.rollback();
    m_writes.rolledBack();
}

void TData::runForSlot(TQuery *slot, const QString &sql, const QHash<QString, DbParam> &params,
                       QVector<DbColumn> *cols, QVector<DbRow> *rows, bool wantRows)
{
    const bool started = !m_session.inTransaction();
    try {
        againIfLost([&] {
            beginIfIdle();
            m_session.run(sql, params, cols, rows, wantRows);
        });
        if (!wantRows) m_writes.noteStatement(sql, params);
    } catch (...) {
        // Nothing else can be pending in a transaction this call started.
        if (started && m_open.isEmpty()) {
            try { m_session.rollback(); m_writes.rolledBack(); } catch (...) {}
        }
        throw;
    }
    if (wantRows) {
        m_open.insert(slot);
        if (started) m_starter = slot;
    } else if (started && m_open.isEmpty()) {
        // A statement that started the transaction is committed right after it.
        m_session.commit();
    }
}

void TData::runInOpenTransaction(const QString &sql, const QHash<QString, DbParam> &params,
                                 QVector<DbColumn> *cols, QVector<DbRow> *rows, bool wantRows)
{
    againIfLost([&] {
        beginIfIdle();
        m_session.run(sql, params, cols, rows, wantRows);
    });
    m_writes.noteStatement(sql, params);
}

void TData::markOpen(TQuery *slot)
{
    const bool started = !m_session.inTransaction();
    if (started) startTransaction();
    m_open.insert(slot);
    if (started) m_starter = slot;
}

QString TData::tableKey(const QString &table) const
{
    for (const TTable *t : m_tables)
        if (t->tableName() == table) return t->keyColumn();
    return {};
}

void TData::runHeld(const QString &key, const QString &sql, const QHash<QString, DbParam> &params,
                    QVector<DbColumn> *cols, QVector<DbRow> *rows)
{
    m_session.runHeld(key, sql, params, cols, rows);
}

void TData::releaseHeld(const QString &key) { m_session.releaseHeld(key); }

bool TData::reservesCodes()
{
    if (m_reservesCodes < 0) {
        const QString key = QStringLiteral("probe");
        QVector<DbRow> rows;
        try {
            againIfLost([&] {
                m_session.runHeld(key,
                                  QStringLiteral("SELECT 1 FROM RDB$PROCEDURES WHERE RDB$PROCEDURE_NAME = 'KOD_FOGLALAS'"),
                                  {}, nullptr, &rows);
            });
        } catch (...) {
            m_session.releaseHeld(key);
            throw;
        }
        m_session.releaseHeld(key);
        m_reservesCodes = rows.isEmpty() ? 0 : 1;
    }
    return m_reservesCodes == 1;
}

void TData::slotClosed(TQuery *slot)
{
    m_open.remove(slot);
    if (m_starter == slot) {
        m_starter = nullptr;
        // Closing the slot that started the transaction ends it when nothing else is open.
        if (m_open.isEmpty() && m_session.inTransaction()) m_session.commit();
    }
}

void TData::forget(TQuery *slot)
{
    m_open.remove(slot);
    if (m_starter == slot) m_starter = nullptr;
}

QString TData::codeLookup(const QString &code)
{
    // Blanks and control characters around the code do not count.
    QString key = code;
    while (!key.isEmpty() && (key.front().isSpace() || key.front().category() == QChar::Other_Control)) key.remove(0, 1);
    while (!key.isEmpty() && (key.back().isSpace() || key.back().category() == QChar::Other_Control)) key.chop(1);
    ZQ102->load({QStringLiteral("SELECT * FROM KODOK      "), QStringLiteral("  WHERE KKOD = :p1 ")});
    // A text wider than the code column is no code: the slot stays closed, no row found.
    if (key.size() > CodeWidth) return {};
    ZQ102->setText(QStringLiteral("p1"), key);
    ZQ102->open();
    if (ZQ102->isEmpty()) return {};
    return ZQ102->asString(QStringLiteral("KRNEV"));
}

TQuery *TData::slot(const QString &name) const
{
    for (TQuery *q : m_slots)
        if (q->objectName().compare(name, Qt::CaseInsensitive) == 0) return q;
    for (TTable *t : m_tables)
        if (t->objectName().compare(name, Qt::CaseInsensitive) == 0) return t;
    return nullptr;
}

TTable *TData::table(int number) const
{
    return number >= 1 && number <= m_tables.size() ? m_tables.at(number - 1) : nullptr;
}
