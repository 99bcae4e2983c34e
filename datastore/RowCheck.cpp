#include "datastore/RowCheck.h"
#include "datastore/DataModule.h"

namespace rowcheck {

Loaded capture(const TQuery &slot, const QString &table, const QString &keyColumn, const QStringList &columns)
{
    Loaded l;
    l.table = table;
    l.keyColumn = keyColumn;
    l.key = slot.asString(keyColumn);
    l.columns = columns;
    for (const QString &c : columns)
        l.values << slot.value(c);
    return l;
}

Outcome lockIfUnchanged(TData &db, const Loaded &loaded)
{
    // A savepoint lets a refused check take its lock back without touching
    // anything else pending in the one transaction.
    const QString savepoint = QStringLiteral("ROW_CHECK");
    auto undo = [&] {
        db.runInOpenTransaction(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepoint, {}, nullptr, nullptr);
    };
    db.runInOpenTransaction(QStringLiteral("SAVEPOINT ") + savepoint, {}, nullptr, nullptr);
    DbParam key;
    key.kind = DbParam::Text;
    key.text = loaded.key;
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    try {
        db.runInOpenTransaction(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :p0 WITH LOCK")
                                    .arg(loaded.columns.join(QStringLiteral(", ")), loaded.table, loaded.keyColumn),
                                {{QStringLiteral("p0"), key}}, &cols, &rows, true);
    } catch (const DbError &e) {
        undo();
        if (e.isLockConflict())
            return {State::Locked, e};
        throw;
    }
    if (rows.isEmpty()) {
        undo();
        return {State::Deleted, std::nullopt};
    }
    for (int i = 0; i < loaded.columns.size(); ++i) {
        if (FbSession::value(rows.first(), cols.at(i), i) != loaded.values.value(i)) {
            undo();
            return {State::Changed, std::nullopt};
        }
    }
    db.runInOpenTransaction(QStringLiteral("RELEASE SAVEPOINT ") + savepoint, {}, nullptr, nullptr);
    return {};
}

} // namespace rowcheck
