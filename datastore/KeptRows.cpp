#include "datastore/KeptRows.h"
#include "datastore/Convert.h"
#include "datastore/DataModule.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <firebird/Interface.h>

namespace {

// More written rows than this are read with the whole list.
constexpr int MaxRereadRows = 400;

bool isText(const DbColumn &c) { return c.type == SQL_TEXT || c.type == SQL_VARYING; }

} // namespace

std::optional<ListShape> ListShape::of(const QString &sql, const TData &db)
{
    static const QRegularExpression plain(
        QStringLiteral("^SELECT \\* FROM (\\w+)(?: WHERE (.+?))?(?: ORDER BY ([\\w ,]+))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = plain.match(sql.simplified());
    if (!m.hasMatch()) return std::nullopt;
    ListShape s;
    s.table = m.captured(1).toUpper();
    s.idColumn = db.tableKey(s.table);
    s.where = m.captured(2);
    // A condition with a subquery or a literal might hide a second statement shape.
    if (s.idColumn.isEmpty() || s.where.contains(u'\'') || s.where.contains(u'(')) return std::nullopt;
    if (s.where.contains(QLatin1String("ORDER"), Qt::CaseInsensitive)) return std::nullopt;
    // Without an order the engine's own order of the rows is no order to keep.
    if (m.captured(3).isEmpty()) return std::nullopt;
    static const QRegularExpression item(QStringLiteral("^(\\w+)(?: (ASC|ASCENDING|DESC|DESCENDING))?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    for (const QString &part : m.captured(3).split(u',')) {
        const QRegularExpressionMatch im = item.match(part.trimmed());
        if (!im.hasMatch() || im.captured(1).at(0).isDigit()) return std::nullopt;
        s.order << im.captured(1).toUpper();
        s.descending << im.captured(2).startsWith(u'D', Qt::CaseInsensitive);
    }
    return s;
}

bool sameParams(const QHash<QString, DbParam> &a, const QHash<QString, DbParam> &b)
{
    if (a.size() != b.size()) return false;
    for (auto it = a.constBegin(); it != a.constEnd(); ++it) {
        const auto o = b.constFind(it.key());
        if (o == b.constEnd()) return false;
        const DbParam &x = it.value(), &y = o.value();
        if (x.kind != y.kind || x.text != y.text || x.whole != y.whole || x.date != y.date) return false;
        if (x.kind == DbParam::Float && !(x.number == y.number)) return false;
    }
    return true;
}

int KeptRows::idIndex() const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).name == shape.idColumn) return i;
    return -1;
}

qint64 KeptRows::idAt(int row) const
{
    const int c = idIndex();
    return FbSession::value(rows.at(row), columns.at(c), c).toLongLong();
}

bool KeptRows::catchUp(TData &db, const ListShape &want)
{
    if (idIndex() < 0) return false;
    for (const QString &col : want.order) {
        bool found = false;
        for (const DbColumn &c : columns) found = found || c.name == col;
        if (!found) return false;
    }
    QVector<WriteNote> notes;
    if (!db.writes().since(seq, shape.table, &notes)) return false;
    const quint64 now = db.writes().seq();
    try {
        if (!notes.isEmpty() && !applyNotes(db, notes)) return false;
        if (!shape.sameOrder(want) && !reorder(db, want)) return false;
    } catch (const DbError &) {
        return false;
    }
    seq = now;
    return true;
}

bool KeptRows::applyNotes(TData &db, const QVector<WriteNote> &notes)
{
    // Rows the notes name, as the rows show them now (their old values), and
    // the conditions that find them, and rows newly meeting them, as they are now.
    QHash<QString, QSet<QString>> keyed;   // column -> values
    bool inserted = false;
    for (const WriteNote &n : notes) {
        if (n.kind == WriteNote::Many) return false;
        if (n.kind == WriteNote::Insert) inserted = true;
        else keyed[n.column].insert(n.value);
    }
    QVector<int> keyCols;
    QStringList keyNames;
    for (auto it = keyed.constBegin(); it != keyed.constEnd(); ++it) {
        int c = -1;
        for (int i = 0; i < columns.size(); ++i)
            if (columns.at(i).name == it.key()) c = i;
        if (c < 0) return false;
        keyCols << c;
        keyNames << it.key();
    }
    // Whole-number keys (identifiers, codes) are compared as numbers: the
    // scan of a long list then costs no text per row.
    QVector<QSet<qint64>> wholeKeys(keyCols.size());
    QVector<bool> whole(keyCols.size(), false);
    for (int k = 0; k < keyCols.size(); ++k) {
        const DbColumn &c = columns.at(keyCols[k]);
        if (c.scale != 0 || (c.type != SQL_SHORT && c.type != SQL_LONG && c.type != SQL_INT64)) continue;
        whole[k] = true;
        for (const QString &v : keyed.value(keyNames[k])) {
            bool ok = false;
            const qint64 n = v.trimmed().toLongLong(&ok);
            if (ok) wholeKeys[k].insert(n);
        }
    }
    QHash<qint64, int> oldAt;   // identifier -> row
    const int idc = idIndex();
    for (int r = 0; r < rows.size(); ++r) {
        for (int k = 0; k < keyCols.size(); ++k) {
            const QVariant value = FbSession::value(rows.at(r), columns.at(keyCols[k]), keyCols[k]);
            const bool hit = whole[k] ? (!value.isNull() && wholeKeys[k].contains(value.toLongLong()))
                                      : keyed.value(keyNames[k]).contains(convert::valueText(value).trimmed());
            if (hit) {
                oldAt.insert(FbSession::value(rows.at(r), columns.at(idc), idc).toLongLong(), r);
                break;
            }
        }
        if (oldAt.size() > MaxRereadRows) return false;
    }

    QStringList any;
    QHash<QString, DbParam> p = params;
    int n = 0;
    for (auto it = keyed.constBegin(); it != keyed.constEnd(); ++it) {
        for (const QString &v : it.value()) {
            const QString name = QStringLiteral("zk%1").arg(++n);
            any << QStringLiteral("%1 = :%2").arg(it.key(), name);
            DbParam dp;
            dp.kind = DbParam::Text;
            dp.text = v;
            p.insert(name, dp);
        }
    }
    if (n > MaxRereadRows) return false;
    QStringList ids;
    for (auto it = oldAt.constBegin(); it != oldAt.constEnd(); ++it) ids << QString::number(it.key());
    if (!ids.isEmpty()) any << QStringLiteral("%1 IN (%2)").arg(shape.idColumn, ids.join(u','));
    if (inserted) {
        if (maxId < 0) {
            maxId = 0;
            for (int r = 0; r < rows.size(); ++r) maxId = qMax(maxId, idAt(r));
        }
        any << QStringLiteral("%1 > :zmax").arg(shape.idColumn);
        DbParam dp;
        dp.kind = DbParam::Int;
        dp.whole = maxId;
        p.insert(QStringLiteral("zmax"), dp);
    }
    QString sql = QStringLiteral("SELECT * FROM %1 WHERE ").arg(shape.table);
    if (!shape.where.isEmpty()) sql += QStringLiteral("(%1) AND ").arg(shape.where);
    sql += QStringLiteral("(%1)").arg(any.join(QStringLiteral(" OR ")));
    QVector<DbColumn> cols;
    QVector<DbRow> fresh;
    db.runInOpenTransaction(sql, p, &cols, &fresh, true);
    if (cols.size() != columns.size()) return false;
    for (int i = 0; i < cols.size(); ++i)
        if (cols.at(i).name != columns.at(i).name || cols.at(i).type != columns.at(i).type) return false;
    columns = cols;   // offsets as this statement gave them; the rows are packed alike
    if (fresh.size() > MaxRereadRows) return false;

    // A row whose sort columns kept their values stays where it was.
    QSet<int> gone;
    for (auto it = oldAt.constBegin(); it != oldAt.constEnd(); ++it) gone.insert(it.value());
    QVector<DbRow> toPlace;
    for (DbRow &row : fresh) {
        const qint64 id = FbSession::value(row, columns.at(idc), idc).toLongLong();
        if (maxId >= 0) maxId = qMax(maxId, id);
        const auto old = oldAt.constFind(id);
        if (old != oldAt.constEnd() && sameSortKey(rows.at(old.value()), row)) {
            if (!locate.isEmpty() && locateKey(rows.at(old.value())) != locateKey(row)) locate.clear();
            rows[old.value()] = std::move(row);
            gone.remove(old.value());
        } else {
            toPlace.append(std::move(row));
        }
    }
    if (!gone.isEmpty()) {
        QVector<DbRow> left;
        left.reserve(rows.size() - gone.size());
        for (int r = 0; r < rows.size(); ++r)
            if (!gone.contains(r)) left.append(std::move(rows[r]));
        rows = std::move(left);
        // The first row of a value may have gone: the index is built again when needed.
        locate.clear();
    }
    for (DbRow &row : toPlace) {
        const int at = insertPosition(db, row);
        if (!locate.isEmpty()) locateInserted(at, row);
        rows.insert(at, std::move(row));
    }
    return true;
}

QString KeptRows::locateKey(const DbRow &row) const
{
    return convert::valueText(FbSession::value(row, columns.at(locateColumn), locateColumn)).toCaseFolded();
}

// The rows from at on move down one; the new row may be its value's first.
void KeptRows::locateInserted(int at, const DbRow &row)
{
    for (auto &entry : locate)
        if (entry.second >= at) ++entry.second;
    const QString key = locateKey(row);
    auto it = std::lower_bound(locate.begin(), locate.end(), qMakePair(key, -1));
    if (it != locate.end() && it->first == key) it->second = qMin(it->second, at);
    else locate.insert(it, qMakePair(key, at));
}

bool KeptRows::reorder(TData &db, const ListShape &want)
{
    QStringList items;
    for (int i = 0; i < want.order.size(); ++i)
        items << want.order.at(i) + (want.descending.at(i) ? QStringLiteral(" DESC") : QString());
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(shape.idColumn, shape.table);
    if (!shape.where.isEmpty()) sql += QStringLiteral(" WHERE ") + shape.where;
    sql += QStringLiteral(" ORDER BY ") + items.join(QStringLiteral(", "));
    QVector<DbColumn> cols;
    QVector<DbRow> ids;
    db.runInOpenTransaction(sql, params, &cols, &ids, true);
    if (ids.size() != rows.size()) return false;
    QHash<qint64, int> at;
    at.reserve(rows.size());
    for (int r = 0; r < rows.size(); ++r) at.insert(idAt(r), r);
    QVector<DbRow> ordered;
    ordered.reserve(rows.size());
    QVector<int> movedTo(rows.size(), -1);
    for (const DbRow &idRow : ids) {
        const auto it = at.constFind(FbSession::value(idRow, cols.at(0), 0).toLongLong());
        if (it == at.constEnd() || movedTo.at(it.value()) >= 0) return false;
        movedTo[it.value()] = int(ordered.size());
        ordered.append(std::move(rows[it.value()]));
    }
    rows = std::move(ordered);
    // A value every row holds alone (a code) follows its row; otherwise which
    // row comes first changes, and the index is built again when needed.
    if (locate.size() == rows.size()) {
        for (auto &entry : locate) entry.second = movedTo.at(entry.second);
    } else {
        locate.clear();
    }
    shape.order = want.order;
    shape.descending = want.descending;
    return true;
}

bool KeptRows::sameSortKey(const DbRow &a, const DbRow &b) const
{
    for (const QString &name : shape.order) {
        for (int c = 0; c < columns.size(); ++c) {
            if (columns.at(c).name != name) continue;
            if (FbSession::value(a, columns.at(c), c) != FbSession::value(b, columns.at(c), c)) return false;
        }
    }
    return true;
}

// The engine decides the order of texts: the columns sort by the Hungarian
// collation of their own declaration, which only it knows exactly.
int KeptRows::compareText(TData &db, const QString &column, const QString &a, const QString &b)
{
    const QString t = QStringLiteral("TYPE OF COLUMN %1.%2").arg(shape.table, column);
    const QString sql = QStringLiteral("SELECT IIF(CAST(:a AS %1) < CAST(:b AS %1), -1, "
                                       "IIF(CAST(:a AS %1) = CAST(:b AS %1), 0, 1)) FROM RDB$DATABASE").arg(t);
    DbParam pa, pb;
    pa.kind = pb.kind = DbParam::Text;
    pa.text = a;
    pb.text = b;
    QVector<DbColumn> cols;
    QVector<DbRow> out;
    db.runInOpenTransaction(sql, {{QStringLiteral("a"), pa}, {QStringLiteral("b"), pb}}, &cols, &out, true);
    return out.isEmpty() ? 0 : int(FbSession::value(out.first(), cols.first(), 0).toLongLong());
}

int KeptRows::compare(TData &db, const DbRow &a, const DbRow &b)
{
    for (int k = 0; k < shape.order.size(); ++k) {
        int c = 0;
        while (columns.at(c).name != shape.order.at(k)) ++c;
        const QVariant va = FbSession::value(a, columns.at(c), c), vb = FbSession::value(b, columns.at(c), c);
        int r = 0;
        // Nulls come first in an ascending order.
        if (va.isNull() || vb.isNull()) r = va.isNull() == vb.isNull() ? 0 : (va.isNull() ? -1 : 1);
        else if (isText(columns.at(c))) r = va.toString() == vb.toString() ? 0 : compareText(db, shape.order.at(k), va.toString(), vb.toString());
        else if (va.typeId() == QMetaType::QDate) r = va.toDate() < vb.toDate() ? -1 : (vb.toDate() < va.toDate() ? 1 : 0);
        else r = va.toDouble() < vb.toDouble() ? -1 : (vb.toDouble() < va.toDouble() ? 1 : 0);
        if (shape.descending.at(k)) r = -r;
        if (r != 0) return r;
    }
    return 0;
}

// After the rows it sorts equal to: where a new row usually goes (the end of the list by code).
int KeptRows::insertPosition(TData &db, const DbRow &row)
{
    int lo = 0, hi = int(rows.size());
    if (hi > 0 && compare(db, row, rows.last()) >= 0) return hi;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (compare(db, row, rows.at(mid)) < 0) hi = mid;
        else lo = mid + 1;
    }
    return lo;
}
