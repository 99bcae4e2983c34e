#include "datastore/QuerySlot.h"
#include <malloc.h>
#include "datastore/Convert.h"
#include "datastore/SlotModel.h"
#include "datastore/DataModule.h"
#include "datastore/KeptRows.h"
#include "datastore/TableObject.h"
#include <algorithm>

#include <firebird/Interface.h>

TQuery::TQuery(TData *db, const QString &name, QObject *parent) : QObject(parent), m_db(db)
{
    setObjectName(name);
    m_model = new SlotModel(this, {}, this);
    // ZQ10 gets DSQ10, IBTable1 gets DS1
    QString ds = name;
    if (ds.startsWith(QLatin1String("ZQ"))) ds = QStringLiteral("DSQ") + ds.mid(2);
    else if (ds.startsWith(QLatin1String("IBTable"))) ds = QStringLiteral("DS") + ds.mid(7);
    m_model->setObjectName(ds);
}

TQuery::~TQuery()
{
    if (m_db) m_db->forget(this);
}

void TQuery::close()
{
    if (!m_open) return;
    closeSilently();
    m_db->slotClosed(this);
}

void TQuery::closeSilently()
{
    if (!m_open && m_rows.isEmpty()) return;
    emit aboutToReset();
    const bool wasOpen = m_open;
    m_open = false;
    if (wasOpen) keepRows();
    const bool many = m_rows.size() > 10000;
    m_rows = {};
    m_locate.clear();
    // A long list's rows leave the heap full of holes; handing them back
    // keeps the next statement's peak where the first one's was.
    if (many) malloc_trim(0);
    m_current = -1;
    emit reset();
    emit currentChanged(-1);
}

void TQuery::clearSql()
{
    m_lines.clear();
    m_params.clear();
}

void TQuery::addLine(const QString &line) { m_lines.append(line); }

void TQuery::load(const QStringList &lines)
{
    close();
    clearSql();
    m_lines = lines;
}

void TQuery::setText(const QString &name, const QString &value)
{
    DbParam p;
    p.kind = DbParam::Text;
    p.text = value;
    m_params.insert(name.toLower(), p);
}

void TQuery::setFloat(const QString &name, double value)
{
    DbParam p;
    p.kind = DbParam::Float;
    p.number = value;
    m_params.insert(name.toLower(), p);
}

void TQuery::setInt(const QString &name, qint64 value)
{
    DbParam p;
    p.kind = DbParam::Int;
    p.whole = value;
    m_params.insert(name.toLower(), p);
}

void TQuery::setDate(const QString &name, const QDate &value)
{
    if (!value.isValid()) return setNull(name);
    DbParam p;
    p.kind = DbParam::Date;
    p.date = value;
    m_params.insert(name.toLower(), p);
}

void TQuery::setNull(const QString &name) { m_params.insert(name.toLower(), DbParam{}); }

void TQuery::keepRows()
{
    m_kept.reset();
    if (!m_db->keepsRows()) return;
    // An edited table row is not what the table holds.
    if (auto *t = qobject_cast<TTable *>(this); t && t->state() != TTable::Browse) return;
    auto shape = ListShape::of(sqlText(), *m_db);
    if (!shape) return;
    auto kept = std::make_unique<KeptRows>();
    kept->shape = *shape;
    kept->params = m_params;
    kept->columns = m_columns;
    kept->rows = std::move(m_rows);
    kept->seq = m_seenSeq;
    kept->locateColumn = m_locateColumn;
    kept->locate = std::move(m_locate);
    m_kept = std::move(kept);
}

// The rows kept when the same list closed, brought up to date.
bool TQuery::openKept()
{
    std::unique_ptr<KeptRows> kept = std::move(m_kept);
    if (!kept || !m_db->keepsRows()) return false;
    const auto shape = ListShape::of(sqlText(), *m_db);
    if (!shape || !kept->shape.sameRows(*shape) || !sameParams(kept->params, m_params)) return false;
    m_db->markOpen(this);
    if (!kept->catchUp(*m_db, *shape)) return false;
    m_open = true;
    m_seenSeq = kept->seq;
    replaceRows(std::move(kept->columns), std::move(kept->rows), 0);
    // The locate index followed the rows through the catch-up.
    m_locateColumn = kept->locateColumn;
    m_locate = std::move(kept->locate);
    return true;
}

void TQuery::open()
{
    close();
    if (openKept()) return;
    // The kept rows go before the fetch, not after it: one list in memory at a time.
    if (m_kept) {
        const bool many = m_kept->rows.size() > 10000;
        m_kept.reset();
        if (many) malloc_trim(0);
    }
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    const quint64 seen = m_db->writes().seq();
    m_db->runForSlot(this, sqlText(), m_params, &cols, &rows, true);
    m_seenSeq = seen;
    // Open before the rows are announced: whoever shows the current row asks.
    m_open = true;
    replaceRows(std::move(cols), std::move(rows), 0);
}

void TQuery::execute()
{
    close();
    m_db->runForSlot(this, sqlText(), m_params, nullptr, nullptr, false);
    m_db->countWrite();
}

void TQuery::replaceRows(QVector<DbColumn> cols, QVector<DbRow> rows, int current)
{
    emit aboutToReset();
    m_columns = std::move(cols);
    m_rows = std::move(rows);
    m_locate.clear();
    m_index.clear();
    for (int i = int(m_columns.size()) - 1; i >= 0; --i)   // the first of equal names wins
        m_index.insert(m_columns.at(i).name, i);
    m_current = m_rows.isEmpty() ? -1 : qBound(0, current, int(m_rows.size()) - 1);
    emit reset();
    emit currentChanged(m_current);
}

void TQuery::setCurrentRow(int row)
{
    if (m_rows.isEmpty()) return;
    row = qBound(0, row, rowCount() - 1);
    if (row == m_current) return;
    m_current = row;
    emit currentChanged(row);
}

QStringList TQuery::columnNames() const
{
    QStringList names;
    for (const DbColumn &c : m_columns) names << c.name;
    return names;
}

int TQuery::columnIndex(const QString &name) const { return m_index.value(name.toUpper(), -1); }

int TQuery::requireColumn(const QString &name) const
{
    const int i = columnIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("%1: nincs ilyen mező: %2").arg(objectName(), name));
    return i;
}

bool TQuery::isNumericColumn(int index) const
{
    switch (m_columns.at(index).type) {
    case SQL_SHORT: case SQL_LONG: case SQL_INT64: case SQL_FLOAT: case SQL_DOUBLE: case SQL_D_FLOAT:
        return true;
    default:
        return false;
    }
}

bool TQuery::isDateColumn(int index) const { return m_columns.at(index).type == SQL_TYPE_DATE; }

QVariant TQuery::valueAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return {};
    return FbSession::value(m_rows.at(row), m_columns.at(column), column);
}

QString TQuery::textAt(int row, int column) const { return convert::valueText(valueAt(row, column)); }

QVariant TQuery::value(const QString &column) const
{
    const int c = requireColumn(column);
    return valueAt(m_current, c);
}

bool TQuery::isNull(const QString &column) const { return value(column).isNull(); }

QString TQuery::asString(const QString &column) const { return convert::valueText(value(column)); }

double TQuery::asFloat(const QString &column) const
{
    const QVariant v = value(column);
    if (v.isNull()) return 0;
    if (v.typeId() == QMetaType::QString) {
        double d = 0;
        if (!convert::parseNumber(v.toString(), &d))
            throw DbError(QStringLiteral("'%1' nem érvényes szám.").arg(v.toString()));
        return d;
    }
    return v.toDouble();
}

qint64 TQuery::asInt(const QString &column) const
{
    const QVariant v = value(column);
    if (v.isNull()) return 0;
    if (v.typeId() == QMetaType::QString) {
        qint64 n = 0;
        if (!convert::parseInt(v.toString(), &n))
            throw DbError(QStringLiteral("'%1' nem érvényes egész szám.").arg(v.toString()));
        return n;
    }
    if (v.typeId() == QMetaType::Double) return qRound64(v.toDouble());
    return v.toLongLong();
}

bool TQuery::locate(const QString &column, const QString &text)
{
    const int c = requireColumn(column);
    if (rowCount() >= 1000) {
        if (m_locateColumn != c || m_locate.isEmpty()) {
            QHash<QString, int> first;
            for (int r = rowCount() - 1; r >= 0; --r) first.insert(textAt(r, c).toCaseFolded(), r);
            m_locate.clear();
            m_locate.reserve(first.size());
            for (auto it = first.constBegin(); it != first.constEnd(); ++it) m_locate.append({it.key(), it.value()});
            std::sort(m_locate.begin(), m_locate.end());
            m_locateColumn = c;
        }
        // Values beginning with the text stand together in value order.
        const QString key = text.toCaseFolded();
        auto it = std::lower_bound(m_locate.cbegin(), m_locate.cend(), qMakePair(key, -1));
        int best = -1;
        for (; it != m_locate.cend() && it->first.startsWith(key); ++it)
            if (best < 0 || it->second < best) best = it->second;
        if (best < 0) return false;
        setCurrentRow(best);
        return true;
    }
    for (int r = 0; r < rowCount(); ++r) {
        if (textAt(r, c).startsWith(text, Qt::CaseInsensitive)) {
            setCurrentRow(r);
            return true;
        }
    }
    return false;
}
