#pragma once
// Rows a list slot keeps when it closes (a commit closes every slot), so that
// opening it again costs what was written since, not what the table holds:
// the written rows are read again by their identifier and put where the
// list's order has them; another order of the same rows is read as
// identifiers only. Only plain lists qualify: "SELECT * FROM table [WHERE ...]
// ORDER BY columns" over one of the ten tables.
#include "datastore/FbSession.h"
#include "datastore/WriteLog.h"
#include <QHash>
#include <QStringList>
#include <QVector>
#include <optional>

class TData;

struct ListShape {
    QString table;        // upper case
    QString idColumn;     // the table's identifier (IDR, ...)
    QString where;        // the condition as written, may be empty
    QStringList order;    // ORDER BY columns, upper case
    QVector<bool> descending;

    // Empty when the statement is no plain list of a table the data module knows.
    static std::optional<ListShape> of(const QString &sql, const TData &db);
    bool sameRows(const ListShape &o) const { return table == o.table && where == o.where; }
    bool sameOrder(const ListShape &o) const { return order == o.order && descending == o.descending; }
};

bool sameParams(const QHash<QString, DbParam> &a, const QHash<QString, DbParam> &b);

struct KeptRows {
    ListShape shape;
    QHash<QString, DbParam> params;
    QVector<DbColumn> columns;
    QVector<DbRow> rows;
    quint64 seq = 0;       // the write log as far as these rows show it
    qint64 maxId = -1;     // the highest identifier among the rows; -1 until needed
    int locateColumn = -1; // the slot's locate index, kept in step with the rows (empty: none)
    QVector<QPair<QString, int>> locate;

    // Brings the rows up to date with what was written since seq and into
    // the order of want. False: they cannot be (many rows written, the log
    // too short, a statement failed): read the list whole.
    bool catchUp(TData &db, const ListShape &want);

private:
    int idIndex() const;
    qint64 idAt(int row) const;
    bool applyNotes(TData &db, const QVector<WriteNote> &notes);
    bool reorder(TData &db, const ListShape &want);
    int compare(TData &db, const DbRow &a, const DbRow &b);
    int compareText(TData &db, const QString &column, const QString &a, const QString &b);
    int insertPosition(TData &db, const DbRow &row);
    bool sameSortKey(const DbRow &a, const DbRow &b) const;
    QString locateKey(const DbRow &row) const;
    void locateInserted(int at, const DbRow &row);
};
