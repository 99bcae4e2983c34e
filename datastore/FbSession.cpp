#include "datastore/FbSession.h"
#include "common/NumericLocale.h"
#include "datastore/FbStatus.h"
#include "datastore/Win1250.h"

#include <firebird/Interface.h>
#include <QHash>
#include <QTime>
#include <cmath>
#include <cstring>
#include <limits>
#include <ibase.h>
#include <memory>

using namespace Firebird;

namespace {

constexpr unsigned kWin1250 = 51;   // the engine's number of the WIN1250 character set

// Transaction parameters: read committed, newest committed version, no waiting, writable.
const unsigned char kTpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                              isc_tpb_rec_version, isc_tpb_nowait};

using fbapi::Status;

unsigned bytesPerCharacter(unsigned charSet)
{
    switch (charSet) {
    case 3: return 3;   // UNICODE_FSS
    case 4: return 4;   // UTF8
    default: return 1;  // WIN1250, NONE, OCTETS and the other single-byte sets
    }
}

// The largest whole number a column of this type holds; 0 for no whole-number column.
qint64 wholeLimit(unsigned type, int scale)
{
    if (scale != 0) return 0;
    switch (type) {
    case SQL_SHORT: return 32767;
    case SQL_LONG: return 2147483647;
    case SQL_INT64: return std::numeric_limits<qint64>::max();
    default: return 0;
    }
}

QString valueErrorText(DbValueError::Problem problem, qint64 limit, qint64 actual, const QString &character)
{
    switch (problem) {
    case DbValueError::TooLong:
        return QStringLiteral("A szöveg túl hosszú: legfeljebb %1 karakter fér el, most %2. Semmi nem került mentésre.")
            .arg(limit).arg(actual);
    case DbValueError::TooLarge:
        return QStringLiteral("A szám túl nagy: legfeljebb %1 fér el. Semmi nem került mentésre.").arg(limit);
    case DbValueError::Unstorable:
        return QStringLiteral("A szöveg olyan karaktert tartalmaz (%1), amelyet az adatbázis nem tud tárolni. "
                              "Kérem, írja át, semmi nem került mentésre.")
            .arg(character);
    }
    return {};
}

// Every bound value against the column its parameter stands for, as the
// engine describes it, so that a refusal comes before the statement runs.
void checkValues(IMessageMetadata *described, fbapi::Status &s, const QStringList &names,
                 const QHash<QString, DbParam> &params, const QVector<QByteArray> &encoded)
{
    const int count = int(qMin<unsigned>(described->getCount(&s.w), unsigned(names.size())));
    for (int i = 0; i < count; ++i) {
        const DbParam p = params.value(names.at(i));
        const unsigned type = described->getType(&s.w, unsigned(i)) & ~1u;
        const qint64 whole = wholeLimit(type, described->getScale(&s.w, unsigned(i)));
        auto tooLarge = [&] { return DbValueError(names.at(i), DbValueError::TooLarge, whole, 0); };
        switch (p.kind) {
        case DbParam::Text:
            if (type == SQL_VARYING || type == SQL_TEXT) {
                const qint64 width = described->getLength(&s.w, unsigned(i))
                                     / bytesPerCharacter(described->getCharSet(&s.w, unsigned(i)));
                if (encoded.at(i).size() > width)
                    throw DbValueError(names.at(i), DbValueError::TooLong, width, encoded.at(i).size());
            } else if (whole) {
                bool ok = false;
                const qint64 v = p.text.trimmed().toLongLong(&ok);
                if (ok && (v > whole || v < -whole)) throw tooLarge();
            }
            break;
        case DbParam::Int:
            if (whole && (p.whole > whole || p.whole < -whole)) throw tooLarge();
            break;
        case DbParam::Float:
            if (whole && (std::fabs(p.number) >= double(whole) + 1.0)) throw tooLarge();
            break;
        default:
            break;
        }
    }
}

} // namespace

DbValueError::DbValueError(const QString &param, Problem problem, qint64 limit, qint64 actual,
                           const QString &character)
    : DbError(valueErrorText(problem, limit, actual, character)), m_param(param), m_problem(problem),
      m_limit(limit), m_actual(actual), m_character(character)
{
}

QString DbValueError::message(const QString &fieldName) const
{
    switch (m_problem) {
    case TooLong:
        return QStringLiteral("Túl hosszú szöveg: %1 (legfeljebb %2 karakter, most %3)").arg(fieldName).arg(m_limit).arg(m_actual);
    case TooLarge:
        return QStringLiteral("Túl nagy szám: %1 (legfeljebb %2)").arg(fieldName).arg(m_limit);
    case Unstorable:
        return QStringLiteral("Nem tárolható karakter: %1 („%2”)").arg(fieldName, m_character);
    }
    return text();
}

bool DbError::isLockConflict() const
{
    return has(isc_lock_conflict) || has(isc_update_conflict) || has(isc_deadlock);
}

bool DbError::isConnectionLost() const
{
    for (const qint64 code : {isc_network_error, isc_net_read_err, isc_net_write_err, isc_lost_db_connection,
                              isc_conn_lost, isc_att_shutdown, isc_shutdown, isc_net_connect_err})
        if (has(code)) return true;
    return false;
}

FbSession::FbSession() = default;

FbSession::~FbSession()
{
    try {
        detach();
    } catch (...) {
    }
}

void FbSession::attach(const QString &database, const QString &user, const QString &password, const QString &role,
                       const QString &config)
{
    // The engine is loaded here, not earlier: FIREBIRD_LOCK must be set before.
    if (!m_master) {
        pinNumericLocale();   // the engine prints numbers as text with printf
        m_master = fb_get_master_interface();
        m_util = m_master->getUtilInterface();
    }
    m_database = database;
    m_user = user;
    m_password = password;
    m_role = role;
    m_config = config;
    Status s(m_master);
    try {
        if (!m_prov) m_prov = m_master->getDispatcher();
        IXpbBuilder *b = m_util->getXpbBuilder(&s.w, IXpbBuilder::DPB, nullptr, 0);
        b->insertString(&s.w, isc_dpb_user_name, user.toUtf8().constData());
        b->insertString(&s.w, isc_dpb_password, password.toUtf8().constData());
        b->insertString(&s.w, isc_dpb_lc_ctype, "WIN1250");
        b->insertInt(&s.w, isc_dpb_sql_dialect, 3);
        if (!role.isEmpty()) b->insertString(&s.w, isc_dpb_sql_role_name, role.toUtf8().constData());
        if (!config.isEmpty()) b->insertString(&s.w, isc_dpb_config, config.toUtf8().constData());
        // A server that is away is said so within seconds, not after minutes.
        b->insertInt(&s.w, isc_dpb_connect_timeout, 15);
        m_att = m_prov->attachDatabase(&s.w, database.toLocal8Bit().constData(),
                                       b->getBufferLength(&s.w), b->getBuffer(&s.w));
        b->dispose();
    } catch (const FbException &e) {
        throw fbapi::statusError(m_util, e.getStatus());
    }
    m_lost.reset();
}

DbError FbSession::failed(IStatus *status)
{
    DbError error = fbapi::statusError(m_util, status);
    if (error.isConnectionLost() && m_att) {
        m_lost = error;
        dropConnection();
    }
    return error;
}

DbError FbSession::lostError() const
{
    return m_lost ? *m_lost : DbError(QStringLiteral("Connection lost to database"), {isc_lost_db_connection});
}

void FbSession::dropConnection()
{
    // Nothing of the attachment can be used again; the handles are only let go of.
    m_broken = m_tra && m_wrote;
    m_wrote = false;
    QList<ITransaction *> gone = m_held.values();
    m_held.clear();
    if (m_tra) gone << m_tra;
    m_tra = nullptr;
    for (ITransaction *t : gone)
        if (t) t->release();
    Status s(m_master);
    try {
        m_att->detach(&s.w);
    } catch (const FbException &) {
        m_att->release();
    }
    m_att = nullptr;
}

void FbSession::detach()
{
    if (!m_att) return;
    const QStringList held = m_held.keys();
    for (const QString &key : held) {
        try {
            releaseHeld(key);
        } catch (const DbError &) {
        }
    }
    Status s(m_master);
    try {
        if (m_tra) {
            m_tra->commit(&s.w);
            m_tra = nullptr;
        }
        m_att->detach(&s.w);
        m_att = nullptr;
    } catch (const FbException &e) {
        m_att = nullptr;
        throw fbapi::statusError(m_util, e.getStatus());
    }
}

ITransaction *FbSession::begin()
{
    if (!m_att && m_lost) {
        attach(m_database, m_user, m_password, m_role, m_config);
        if (m_onReattached) m_onReattached();
    }
    if (!m_att) throw DbError(QStringLiteral("Nincs kapcsolat az adatbázissal."));
    Status s(m_master);
    try {
        return m_att->startTransaction(&s.w, sizeof kTpb, kTpb);
    } catch (const FbException &e) {
        throw failed(e.getStatus());
    }
}

void FbSession::startTransaction()
{
    if (m_broken) throw lostError();
    if (!m_tra) {
        m_tra = begin();
        m_wrote = false;
    }
}

void FbSession::runHeld(const QString &key, const QString &sql, const QHash<QString, DbParam> &params,
                        QVector<DbColumn> *columns, QVector<DbRow> *rows)
{
    ITransaction *tra = m_held.value(key);
    if (!tra) {
        // Attaching again inside begin() may reserve codes anew and fill m_held.
        tra = begin();
        if (ITransaction *meanwhile = m_held.value(key)) {
            tra->release();
            tra = meanwhile;
        } else {
            m_held.insert(key, tra);
        }
    }
    runOn(tra, sql, params, columns, rows, rows != nullptr);
}

void FbSession::releaseHeld(const QString &key)
{
    ITransaction *tra = m_held.take(key);
    if (!tra) return;
    Status s(m_master);
    try {
        tra->rollback(&s.w);
    } catch (const FbException &e) {
        tra->release();
        const DbError error = failed(e.getStatus());
        // Gone with the connection anyway.
        if (!error.isConnectionLost()) throw error;
    }
}

void FbSession::commit()
{
    if (m_broken) {
        // What the transaction wrote went with the connection.
        m_broken = false;
        throw lostError();
    }
    if (!m_tra) return;
    Status s(m_master);
    try {
        m_tra->commit(&s.w);
        m_tra = nullptr;
        m_wrote = false;
    } catch (const FbException &e) {
        // A commit cut off may have written or not: it is not tried again by itself.
        m_wrote = true;
        throw failed(e.getStatus());
    }
}

void FbSession::rollback()
{
    m_broken = false;
    if (!m_tra) return;
    Status s(m_master);
    try {
        m_tra->rollback(&s.w);
        m_tra = nullptr;
        m_wrote = false;
    } catch (const FbException &e) {
        // A rollback that fails leaves nothing usable behind: forget the handle.
        const DbError error = failed(e.getStatus());
        if (m_tra) m_tra->release();
        m_tra = nullptr;
        m_broken = false;
        if (!error.isConnectionLost()) throw error;
    }
}

QString FbSession::positional(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    const int n = int(sql.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            const int end = int(sql.indexOf(c, i + 1));
            const int stop = end < 0 ? n : end + 1;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            const int end = int(sql.indexOf(u'\n', i));
            const int stop = end < 0 ? n : end;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            const int end = int(sql.indexOf(QStringLiteral("*/"), i + 2));
            const int stop = end < 0 ? n : end + 2;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == u':' && i + 1 < n && (sql.at(i + 1).isLetter() || sql.at(i + 1) == u'_')) {
            int j = i + 1;
            while (j < n && (sql.at(j).isLetterOrNumber() || sql.at(j) == u'_')) ++j;
            names->append(sql.mid(i + 1, j - i - 1).toLower());
            out += u'?';
            i = j - 1;
        } else {
            out += c;
        }
    }
    return out;
}

bool FbSession::run(const QString &sql, const QHash<QString, DbParam> &params,
                    QVector<DbColumn> *columns, QVector<DbRow> *rows, bool wantRows)
{
    if (m_broken) throw lostError();
    if (!m_tra) throw DbError(QStringLiteral("Nincs aktív tranzakció."));
    const bool isSelect = runOn(m_tra, sql, params, columns, rows, wantRows);
    if (!isSelect) m_wrote = true;
    return isSelect;
}

bool FbSession::runOn(ITransaction *tra, const QString &sql, const QHash<QString, DbParam> &params,
                      QVector<DbColumn> *columns, QVector<DbRow> *rows, bool wantRows)
{

    QStringList names;
    const QString text = positional(sql, &names);

    // Text parameters are encoded first: a character WIN1250 cannot hold
    // stops the statement before anything reaches the database.
    QVector<QByteArray> encoded(names.size());
    for (int i = 0; i < names.size(); ++i) {
        const DbParam p = params.value(names.at(i));
        if (p.kind != DbParam::Text) continue;
        QString bad;
        if (!win1250::encode(p.text, encoded[i], &bad))
            throw DbValueError(names.at(i), DbValueError::Unstorable, 0, 0, bad);
    }

    Status s(m_master);
    IStatement *stmt = nullptr;
    IMessageMetadata *inMeta = nullptr;
    IMessageMetadata *outMeta = nullptr;
    IResultSet *rs = nullptr;
    auto cleanup = [&] {
        Status c(m_master);
        try {
            if (rs) rs->close(&c.w);
        } catch (...) {
        }
        if (inMeta) inMeta->release();
        if (outMeta) outMeta->release();
        if (stmt) stmt->release();
    };

    try {
        const QByteArray sqlBytes = [&] {
            QByteArray b;
            win1250::encode(text, b);
            return b;
        }();
        stmt = m_att->prepare(&s.w, tra, unsigned(sqlBytes.size()), sqlBytes.constData(), 3,
                              IStatement::PREPARE_PREFETCH_METADATA);
        if (!names.isEmpty()) {
            IMessageMetadata *described = stmt->getInputMetadata(&s.w);
            try {
                checkValues(described, s, names, params, encoded);
            } catch (...) {
                described->release();
                throw;
            }
            described->release();
        }

        // Input message built from what the caller bound, not from the
        // described types: the engine converts (a text year into an integer column).
        std::vector<unsigned char> inBuf;
        if (!names.isEmpty()) {
            IMetadataBuilder *mb = m_master->getMetadataBuilder(&s.w, unsigned(names.size()));
            for (int i = 0; i < names.size(); ++i) {
                const DbParam p = params.value(names.at(i));
                switch (p.kind) {
                case DbParam::Text:
                    mb->setType(&s.w, i, SQL_VARYING + 1);
                    mb->setLength(&s.w, i, unsigned(qMax<qsizetype>(1, encoded[i].size())));
                    mb->setCharSet(&s.w, i, kWin1250);
                    break;
                case DbParam::Float:
                    mb->setType(&s.w, i, SQL_DOUBLE + 1);
                    mb->setLength(&s.w, i, sizeof(double));
                    break;
                case DbParam::Int:
                    mb->setType(&s.w, i, SQL_INT64 + 1);
                    mb->setLength(&s.w, i, sizeof(qint64));
                    mb->setScale(&s.w, i, 0);
                    break;
                case DbParam::Date:
                    mb->setType(&s.w, i, SQL_TYPE_DATE + 1);
                    mb->setLength(&s.w, i, sizeof(ISC_DATE));
                    break;
                case DbParam::Null:
                    mb->setType(&s.w, i, SQL_VARYING + 1);
                    mb->setLength(&s.w, i, 1);
                    mb->setCharSet(&s.w, i, kWin1250);
                    break;
                }
            }
            inMeta = mb->getMetadata(&s.w);
            mb->release();
            inBuf.assign(inMeta->getMessageLength(&s.w), 0);
            for (int i = 0; i < names.size(); ++i) {
                const DbParam p = params.value(names.at(i));
                unsigned char *at = inBuf.data() + inMeta->getOffset(&s.w, i);
                short *nul = reinterpret_cast<short *>(inBuf.data() + inMeta->getNullOffset(&s.w, i));
                *nul = (p.kind == DbParam::Null) ? -1 : 0;
                switch (p.kind) {
                case DbParam::Text: {
                    const unsigned short len = (unsigned short)encoded[i].size();
                    memcpy(at, &len, sizeof len);
                    memcpy(at + sizeof len, encoded[i].constData(), len);
                    break;
                }
                case DbParam::Float: memcpy(at, &p.number, sizeof(double)); break;
                case DbParam::Int: memcpy(at, &p.whole, sizeof(qint64)); break;
                case DbParam::Date: {
                    const ISC_DATE d = m_util->encodeDate(unsigned(p.date.year()), unsigned(p.date.month()),
                                                          unsigned(p.date.day()));
                    memcpy(at, &d, sizeof d);
                    break;
                }
                case DbParam::Null: break;
                }
            }
        }

        const unsigned type = stmt->getType(&s.w);
        const bool isSelect = (type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd);
        outMeta = stmt->getOutputMetadata(&s.w);
        const unsigned count = outMeta->getCount(&s.w);
        QVector<DbColumn> cols;
        cols.resize(int(count));
        for (unsigned i = 0; i < count; ++i) {
            DbColumn &c = cols[int(i)];
            const char *alias = outMeta->getAlias(&s.w, i);
            c.name = QString::fromLatin1(alias).toUpper();
            c.type = outMeta->getType(&s.w, i) & ~1u;
            c.scale = outMeta->getScale(&s.w, i);
            c.length = outMeta->getLength(&s.w, i);
            c.offset = outMeta->getOffset(&s.w, i);
            c.nullOffset = outMeta->getNullOffset(&s.w, i);
            c.subType = outMeta->getSubType(&s.w, i);
        }
        if (columns) *columns = cols;

        std::vector<unsigned char> outBuf(count ? outMeta->getMessageLength(&s.w) : 0);
        // Packs the current output message into a row (blobs read first).
        bool hasBlob = false;
        for (const DbColumn &c : cols) hasBlob = hasBlob || c.type == SQL_BLOB;
        std::vector<QByteArray> blobs(hasBlob ? count : 0);
        auto readBlob = [&](const char *at) {
            QByteArray content;
            ISC_QUAD id;
            memcpy(&id, at, sizeof id);
            IBlob *blob = m_att->openBlob(&s.w, tra, &id, 0, nullptr);
            char seg[8192];
            for (;;) {
                unsigned got = 0;
                const int r = blob->getSegment(&s.w, sizeof seg, seg, &got);
                if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT) content.append(seg, got);
                else break;
            }
            blob->close(&s.w);
            return content;
        };
        QVector<QByteArrayView> values(qsizetype{count});
        QVector<bool> nulls(qsizetype{count});
        auto packRow = [&]() {
            for (unsigned i = 0; i < count; ++i) {
                const DbColumn &c = cols[int(i)];
                values[int(i)] = QByteArrayView();
                nulls[int(i)] = *reinterpret_cast<const short *>(outBuf.data() + c.nullOffset) != 0;
                if (nulls[int(i)]) continue;
                const char *at = reinterpret_cast<const char *>(outBuf.data() + c.offset);
                if (c.type == SQL_VARYING) {
                    unsigned short n;
                    memcpy(&n, at, sizeof n);
                    values[int(i)] = QByteArrayView(at + sizeof n, n);
                } else if (c.type == SQL_BLOB) {
                    blobs[i] = readBlob(at);
                    values[int(i)] = QByteArrayView(blobs[i]);
                } else {
                    values[int(i)] = QByteArrayView(at, c.length);
                }
            }
            return FbSession::packRow(values, nulls);
        };

        if (isSelect) {
            if (!wantRows) {
                // A select given to execute: run it, read nothing.
                rs = stmt->openCursor(&s.w, tra, inMeta, inBuf.empty() ? nullptr : inBuf.data(), outMeta, 0);
            } else {
                rs = stmt->openCursor(&s.w, tra, inMeta, inBuf.empty() ? nullptr : inBuf.data(), outMeta, 0);
                if (rows) rows->clear();
                while (rs->fetchNext(&s.w, outBuf.data()) == IStatus::RESULT_OK)
                    if (rows) rows->append(packRow());
            }
        } else {
            // An executed procedure or a RETURNING clause gives its one row.
            if (wantRows && !count)
                throw DbError(QStringLiteral("Az utasítás nem ad vissza sorokat."));
            stmt->execute(&s.w, tra, inMeta, inBuf.empty() ? nullptr : inBuf.data(),
                          count ? outMeta : nullptr, count ? outBuf.data() : nullptr);
            // RETURNING values come back as one row.
            if (count && rows) {
                rows->clear();
                rows->append(packRow());
            }
        }
        cleanup();
        return isSelect;
    } catch (const DbError &) {
        cleanup();
        throw;
    } catch (const FbException &e) {
        DbError error = fbapi::statusError(m_util, e.getStatus());
        cleanup();
        if (error.isConnectionLost() && m_att) {
            m_lost = error;
            dropConnection();
        }
        throw error;
    }
}

void FbSession::runAsWritten(const QString &sql)
{
    if (!m_tra) throw DbError(QStringLiteral("Nincs aktív tranzakció."));
    QByteArray bytes;
    QString bad;
    if (!win1250::encode(sql, bytes, &bad))
        throw DbError(QStringLiteral("A(z) „%1” karakter nem írható az adatbázisba.").arg(bad));
    Status s(m_master);
    try {
        m_att->execute(&s.w, m_tra, unsigned(bytes.size()), bytes.constData(), 3, nullptr, nullptr, nullptr, nullptr);
    } catch (const FbException &e) {
        throw fbapi::statusError(m_util, e.getStatus());
    }
}
