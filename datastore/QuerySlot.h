#pragma once
// A query slot: a named, reusable statement of the data module. It keeps its
// statement, its parameters and, once opened, all of its rows with a current row.
#include "datastore/FbSession.h"
#include <QDate>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>

class TData;
class SlotModel;
struct KeptRows;

class TQuery : public QObject {
    Q_OBJECT
public:
    TQuery(TData *db, const QString &name, QObject *parent = nullptr);
    ~TQuery() override;

    // --- statement ---
    void close();
    void clearSql();                       // text and parameters
    void addLine(const QString &line);
    // close, clear, add the lines: the usual way to load a statement
    void load(const QStringList &lines);
    QString sqlText() const { return m_lines.join(u'\n'); }
    QStringList sqlLines() const { return m_lines; }

    // --- parameters, by name ("p1"); any letter case ---
    void setText(const QString &name, const QString &value);
    void setFloat(const QString &name, double value);
    void setInt(const QString &name, qint64 value);
    void setDate(const QString &name, const QDate &value);
    void setNull(const QString &name);

    // Opens a statement that returns rows; all rows are read, the first is current.
    void open();
    // Executes a statement that writes.
    void execute();
    bool isOpen() const { return m_open; }

    // --- rows ---
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int currentRow() const { return m_current; }      // -1 when there is no row
    void setCurrentRow(int row);
    void first() { setCurrentRow(0); }
    void last() { setCurrentRow(rowCount() - 1); }
    void next() { if (m_current + 1 < rowCount()) setCurrentRow(m_current + 1); }
    void prior() { if (m_current > 0) setCurrentRow(m_current - 1); }
    bool bof() const { return m_current <= 0; }
    bool eof() const { return m_current < 0 || m_current >= rowCount() - 1; }

    QStringList columnNames() const;
    int columnIndex(const QString &name) const;      // any letter case; -1 when absent
    const DbColumn &column(int index) const { return m_columns.at(index); }
    int columnCount() const { return int(m_columns.size()); }
    bool isNumericColumn(int index) const;
    bool isDateColumn(int index) const;

    // Current row, column by name in any case. Unknown column: DbError.
    QVariant value(const QString &column) const;
    bool isNull(const QString &column) const;
    QString asString(const QString &column) const;   // edit form: "12,5", "yyyy.MM.dd", "" for null
    double asFloat(const QString &column) const;     // null gives 0
    qint64 asInt(const QString &column) const;       // null gives 0; a text that is no number: DbError

    QVariant valueAt(int row, int column) const;
    QString textAt(int row, int column) const;

    // Makes current the first row whose column begins with text, without regard
    // to letter case. Returns false (current row unchanged) when none does.
    bool locate(const QString &column, const QString &text);

    SlotModel *model() const { return m_model; }    // the data source grids bind to
    TData *database() const { return m_db; }

signals:
    void aboutToReset();
    void reset();                  // rows replaced: opened, reopened or closed
    void currentChanged(int row);
    void rowChanged(int row);      // a row's values were rewritten in place

protected:
    friend class TTable;
    friend class TData;
    void replaceRows(QVector<DbColumn> cols, QVector<DbRow> rows, int current);
    int requireColumn(const QString &name) const;
    void closeSilently();          // closes without the transaction rules (commit/rollback closing all)
    void rowsEdited() { m_locate.clear(); }   // rows changed in place (table editing)
    // What the rows show of the write log; a table object that read itself again moves it on.
    quint64 m_seenSeq = 0;

    TData *m_db;
    QStringList m_lines;
    QHash<QString, DbParam> m_params;
    QVector<DbColumn> m_columns;
    QHash<QString, int> m_index;
    QVector<DbRow> m_rows;
    int m_current = -1;
    bool m_open = false;
    SlotModel *m_model = nullptr;

private:
    bool openKept();
    void keepRows();
    std::unique_ptr<KeptRows> m_kept;   // the rows of a closed list
    // First row of each distinct case-folded value of one column, by value:
    // a locate in a long list looks up instead of reading every row.
    int m_locateColumn = -1;
    QVector<QPair<QString, int>> m_locate;
};
