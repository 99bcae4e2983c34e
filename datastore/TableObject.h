#pragma once
// A table object: all rows of one table, read-only unless switched, with
// insert, edit, post, cancel and delete for the raw table administration.
#include "datastore/QuerySlot.h"
#include <QMap>

class TTable : public TQuery {
    Q_OBJECT
public:
    enum State { Browse, Edit, Insert };

    TTable(TData *db, const QString &name, const QString &tableName, const QString &keyColumn,
           QObject *parent = nullptr);

    QString tableName() const { return m_table; }
    QString keyColumn() const { return m_key; }

    // Reads the whole table in key order (the statement is fixed).
    void open();

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on);

    // Text width a grid editor allows for a column (0: no limit known).
    int fieldWidth(const QString &column) const { return m_widths.value(column.toUpper(), 0); }
    void setFieldWidth(const QString &column, int width) { m_widths.insert(column.toUpper(), width); }

    State state() const { return m_state; }
    void insert();                                   // appends an empty row and edits it
    void edit();                                     // edits the current row
    void setField(const QString &column, const QString &text);   // as typed; starts editing
    // Shown value of a cell: the edit buffer where it holds one.
    QString displayText(int row, int column) const;
    // Writes the edited row. On refusal (DbError; DbValueError for a value the
    // column cannot hold, its parameter named by columnOf()) the row stays in editing.
    void post();
    QString columnOf(const QString &param) const;
    // The edited values as parameters :p1.. of columns; a text that does not convert throws DbError.
    QHash<QString, DbParam> edits(QStringList *columns) const;
    bool isWholeColumn(int index) const;   // an integer type without decimals
    void cancel();
    void deleteCurrent();

signals:
    void stateChanged(State state);
    // A row was written to the database (after stateChanged); keyText names it.
    void posted(const QString &keyText);

private:
    QString m_table;
    QString m_key;
    bool m_readOnly = true;
    State m_state = Browse;
    QMap<QString, QString> m_buffer;   // column -> typed text
    int m_editRow = -1;
    QMap<QString, int> m_widths;
    QStringList m_postedColumns;   // the columns of the last post, by parameter number
};
