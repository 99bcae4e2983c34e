#include "datastore/WriteLog.h"
#include <QRegularExpression>

namespace {

constexpr int MaxNotes = 4096;

QString simplified(const QString &sql)
{
    // Comments never appear in the program's writes; one line, single blanks.
    return sql.simplified();
}

// The value of a key condition as the engine compares it, or empty when the
// program cannot tell the same rows in memory (a text that is no code).
QString keyValue(const DbParam &p)
{
    if (p.kind == DbParam::Int) return QString::number(p.whole);
    if (p.kind != DbParam::Text) return {};
    QString v = p.text;
    while (v.endsWith(u' ')) v.chop(1);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    return digits.match(v).hasMatch() ? v : QString();
}

} // namespace

WriteNote WriteLog::parse(const QString &sql, const QHash<QString, DbParam> &params)
{
    const QString s = simplified(sql);
    static const QRegularExpression insert(QStringLiteral("^INSERT INTO (\\w+)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression keyed(
        QStringLiteral("^(?:UPDATE (\\w+) SET (.*)|DELETE FROM (\\w+)) WHERE (\\w+) ?= ?:(\\w+)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anyWrite(
        QStringLiteral("^(?:INSERT INTO|UPDATE OR INSERT INTO|UPDATE|DELETE FROM|MERGE INTO) (\\w+)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression reads(QStringLiteral("^(?:SELECT|SAVEPOINT|RELEASE SAVEPOINT|ROLLBACK TO)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    WriteNote n;
    QRegularExpressionMatch m = insert.match(s);
    if (m.hasMatch() && !s.contains(QLatin1String("SELECT"), Qt::CaseInsensitive)) {
        n.table = m.captured(1).toUpper();
        n.kind = WriteNote::Insert;
        return n;
    }
    m = keyed.match(s);
    // A subquery in the assignments could name another condition: not keyed then.
    if (m.hasMatch() && !m.captured(2).contains(QLatin1String("SELECT"), Qt::CaseInsensitive)) {
        n.table = (m.captured(1).isEmpty() ? m.captured(3) : m.captured(1)).toUpper();
        n.value = keyValue(params.value(m.captured(5).toLower()));
        if (!n.value.isEmpty()) {
            n.kind = WriteNote::Keyed;
            n.column = m.captured(4).toUpper();
        }
        return n;
    }
    m = anyWrite.match(s);
    if (m.hasMatch()) {
        n.table = m.captured(1).toUpper();
        return n;
    }
    n.table = reads.match(s).hasMatch() ? QStringLiteral("-") : QString();   // "-": wrote nothing
    return n;
}

void WriteLog::noteStatement(const QString &sql, const QHash<QString, DbParam> &params)
{
    WriteNote n = parse(sql, params);
    if (n.table == QLatin1String("-")) return;
    add(std::move(n));
}

void WriteLog::noteMany(const QString &table)
{
    WriteNote n;
    n.table = table.toUpper();
    add(std::move(n));
}

void WriteLog::add(WriteNote note)
{
    note.seq = ++m_seq;
    m_notes.append(std::move(note));
    if (m_notes.size() > MaxNotes) {
        const int drop = MaxNotes / 2;
        m_floor = m_notes.at(drop - 1).seq;
        m_notes.remove(0, drop);
    }
}

void WriteLog::rolledBack()
{
    QStringList tables;
    for (const WriteNote &n : std::as_const(m_notes))
        if (n.seq > m_txStart && !tables.contains(n.table)) tables << n.table;
    for (const QString &t : std::as_const(tables)) noteMany(t);
    m_txStart = m_seq;
}

bool WriteLog::since(quint64 seq, const QString &table, QVector<WriteNote> *notes) const
{
    if (seq < m_floor) return false;
    for (const WriteNote &n : m_notes)
        if (n.seq > seq && (n.table.isEmpty() || n.table == table)) notes->append(n);
    return true;
}
