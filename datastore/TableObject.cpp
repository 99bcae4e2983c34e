#include "datastore/TableObject.h"
#include "datastore/Convert.h"
#include "datastore/DataModule.h"
#include <firebird/Interface.h>

TTable::TTable(TData *db, const QString &name, const QString &tableName, const QString &keyColumn,
               QObject *parent)
    : TQuery(db, name, parent), m_table(tableName), m_key(keyColumn.toUpper())
{
}

void TTable::open()
{
    cancel();
    load({QStringLiteral("SELECT * FROM %1").arg(m_table), QStringLiteral("ORDER BY %1").arg(m_key)});
    TQuery::open();
    // Grids and navigators decide what they offer from the state: tell them now that it is open.
    emit stateChanged(m_state);
}

void TTable::setReadOnly(bool on)
{
    if (on) cancel();
    if (m_readOnly == on) return;
    m_readOnly = on;
    emit stateChanged(m_state);
}

void TTable::insert()
{
    if (m_readOnly) throw DbError(QStringLiteral("A tábla csak olvasható."));
    if (!isOpen()) throw DbError(QStringLiteral("A tábla nincs megnyitva."));
    if (m_state != Browse) post();
    // An empty row at the end stands for the new row until it is posted.
    emit aboutToReset();
    m_rows.append(FbSession::nullRow(columnCount()));
    rowsEdited();
    emit reset();
    m_buffer.clear();
    m_editRow = rowCount() - 1;
    m_state = Insert;
    m_current = -1;
    setCurrentRow(m_editRow);
    emit stateChanged(m_state);
}

void TTable::edit()
{
    if (m_readOnly) throw DbError(QStringLiteral("A tábla csak olvasható."));
    if (m_state != Browse || currentRow() < 0) return;
    m_buffer.clear();
    m_editRow = currentRow();
    m_state = Edit;
    emit stateChanged(m_state);
}

void TTable::setField(const QString &column, const QString &text)
{
    requireColumn(column);
    if (m_state == Browse) edit();
    if (m_state == Browse) return;
    m_buffer.insert(column.toUpper(), text);
    emit rowChanged(m_editRow);
}

QString TTable::displayText(int row, int column) const
{
    if (m_state != Browse && row == m_editRow) {
        const auto it = m_buffer.constFind(m_columns.at(column).name);
        if (it != m_buffer.constEnd()) return it.value();
    }
    return textAt(row, column);
}

bool TTable::isWholeColumn(int index) const
{
    const DbColumn &c = column(index);
    return c.scale == 0 && (c.type == SQL_SHORT || c.type == SQL_LONG || c.type == SQL_INT64);
}

// Typed texts become values of the column's type; a refusal names the column.
QHash<QString, DbParam> TTable::edits(QStringList *columns) const
{
    QStringList &cols = *columns;
    QHash<QString, DbParam> params;
    int n = 1;
    for (auto it = m_buffer.constBegin(); it != m_buffer.constEnd(); ++it, ++n) {
        const int c = requireColumn(it.key());
        const QString pname = QStringLiteral("p%1").arg(n);
        DbParam p;
        const QString t = it.value();
        if (t.isEmpty() && (isNumericColumn(c) || isDateColumn(c))) {
            p.kind = DbParam::Null;
        } else if (isWholeColumn(c)) {
            // "2011,5" in a whole-number column would be rounded by the engine without a word.
            qint64 n = 0;
            if (!convert::parseInt(t, &n))
                throw DbError(QStringLiteral("Hibás egész szám a(z) %1 mezőben: %2").arg(it.key(), t));
            p.kind = DbParam::Int;
            p.whole = n;
        } else if (isNumericColumn(c)) {
            double d = 0;
            if (!convert::parseNumber(t, &d))
                throw DbError(QStringLiteral("Hibás szám a(z) %1 mezőben: %2").arg(it.key(), t));
            p.kind = DbParam::Float;
            p.number = d;
        } else if (isDateColumn(c)) {
            QDate d;
            if (!convert::parseDate(t, &d))
                throw DbError(QStringLiteral("Hibás dátum a(z) %1 mezőben: %2 (éééé.hh.nn)").arg(it.key(), t));
            p.kind = DbParam::Date;
            p.date = d;
        } else {
            p.kind = DbParam::Text;
            p.text = t;
        }
        cols << it.key();
        params.insert(pname, p);
    }

    return params;
}

void TTable::post()
{
    if (m_state == Browse) return;
    if (m_buffer.isEmpty() && m_state == Edit) { cancel(); return; }

    QStringList cols;
    QHash<QString, DbParam> params = edits(&cols);

    QString sql;
    if (m_state == Insert) {
        QStringList marks;
        for (int i = 1; i <= cols.size(); ++i) marks << QStringLiteral(":p%1").arg(i);
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                  .arg(m_table, cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")), m_key);
    } else {
        QStringList sets;
        for (int i = 0; i < cols.size(); ++i) sets << QStringLiteral("%1 = :p%2").arg(cols.at(i)).arg(i + 1);
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = :p0").arg(m_table, sets.join(QStringLiteral(", ")), m_key);
        DbParam key;
        key.kind = DbParam::Int;
        key.whole = valueAt(m_editRow, requireColumn(m_key)).toLongLong();
        params.insert(QStringLiteral("p0"), key);
    }

    QVector<DbRow> ret;
    QVector<DbColumn> retCols;
    const bool current = m_seenSeq == m_db->writes().seq();
    try {
        m_db->runInOpenTransaction(sql, params, &retCols, &ret);
        m_db->countWrite();
        // Typed by hand, an identifier may be any number: no list guesses which rows moved.
        m_db->writes().noteMany(m_table);
    } catch (const DbValueError &) {
        m_postedColumns = cols;   // the refusal is named by its column: see columnOf()
        throw;
    }
    QString keyText;
    if (m_state == Insert && !ret.isEmpty()) keyText = convert::valueText(FbSession::value(ret.first(), retCols.first(), 0));
    else keyText = textAt(m_editRow, requireColumn(m_key));

    m_state = Browse;
    m_buffer.clear();
    m_editRow = -1;
    // Re-read so the grid shows what the database holds (codes, identifiers).
    QVector<DbColumn> cols2;
    QVector<DbRow> rows2;
    m_db->runInOpenTransaction(sqlText(), m_params, &cols2, &rows2, true);
    if (current) m_seenSeq = m_db->writes().seq();
    replaceRows(std::move(cols2), std::move(rows2), 0);
    locate(m_key, keyText);
    for (int r = 0; r < rowCount(); ++r)
        if (textAt(r, requireColumn(m_key)) == keyText) { setCurrentRow(r); break; }
    emit stateChanged(m_state);
    emit posted(keyText);
}

QString TTable::columnOf(const QString &param) const
{
    const int n = param.mid(1).toInt();
    return n >= 1 && n <= m_postedColumns.size() ? m_postedColumns.at(n - 1) : param;
}

void TTable::cancel()
{
    if (m_state == Browse) return;
    const bool wasInsert = m_state == Insert;
    m_state = Browse;
    m_buffer.clear();
    if (wasInsert && m_editRow >= 0 && m_editRow < rowCount()) {
        emit aboutToReset();
        m_rows.remove(m_editRow);
        rowsEdited();
        if (m_current >= rowCount()) m_current = rowCount() - 1;
        emit reset();
        emit currentChanged(m_current);
    } else if (m_editRow >= 0) {
        emit rowChanged(m_editRow);
    }
    m_editRow = -1;
    emit stateChanged(m_state);
}

void TTable::deleteCurrent()
{
    if (m_readOnly) throw DbError(QStringLiteral("A tábla csak olvasható."));
    if (m_state == Insert) { cancel(); return; }
    cancel();
    const int row = currentRow();
    if (row < 0) return;
    DbParam key;
    key.kind = DbParam::Int;
    key.whole = valueAt(row, requireColumn(m_key)).toLongLong();
    const bool current = m_seenSeq == m_db->writes().seq();
    m_db->runInOpenTransaction(QStringLiteral("DELETE FROM %1 WHERE %2 = :p0").arg(m_table, m_key),
                               {{QStringLiteral("p0"), key}}, nullptr, nullptr);
    m_db->countWrite();
    if (current) m_seenSeq = m_db->writes().seq();
    emit aboutToReset();
    m_rows.remove(row);
    rowsEdited();
    m_current = rowCount() == 0 ? -1 : qMin(row, rowCount() - 1);
    emit reset();
    emit currentChanged(m_current);
}
