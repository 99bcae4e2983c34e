// The grand total of the totals window and the custom query: its statement,
// its sums read into the report variables or added up from the list's own
// lines, and the steps around every run (group-mark reset, errors shown).
#include "queries/Totals.h"
#include "datastore/Rights.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "widgets/GuardedWrite.h"
#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <functional>

namespace totals {

QStringList grandTotalStatement(const QString &range)
{
    // Each table's rows summed in a part of its own, with no grouping and so
    // no sort: the rows of the driving table that pass the range, and of the
    // other tables the rows of the compartments those reach.
    const char drive = rangeTable(range);
    QString passes = range;
    passes.remove(QRegularExpression(QStringLiteral("^\\s*WHERE"), QRegularExpression::CaseInsensitiveOption));
    auto condition = [&](char part) -> QString {
        if (passes.trimmed().isEmpty()) return QString();
        if (drive == 'R' || drive == part) return range;
        const bool stand = drive == 'A';
        return QStringLiteral("  WHERE EXISTS (SELECT 1 FROM %1 WHERE %1.%2 = RESZLET.rkod AND %3) ")
            .arg(QLatin1String(stand ? "ALLOMANY" : "TERMELES"), QLatin1String(stand ? "arkod" : "trkod"), passes);
    };
    const QStringList &names = sumColumns();
    auto sums = [&](int from, int to, bool stock) {
        QStringList cols;
        for (int i = from; i < to; ++i)
            cols << QStringLiteral("SUM(%1) AS S_%2").arg(names[i].toUpper(), names[i]);
        if (stock) cols << QStringLiteral("SUM(((( RTEV - REV) * ANOVENDEK * RRHA) + AM3HA)) AS S_fakeszl");
        return cols.join(QStringLiteral(", "));
    };
    QStringList outer;
    for (const QString &name : names) outer << QStringLiteral("S_%1 AS %1").arg(name);
    QStringList lines;
    lines << QStringLiteral("SELECT ") + outer.join(QStringLiteral(", ")) + u' ';
    lines << QStringLiteral("  FROM (SELECT %1 FROM RESZLET ").arg(sums(0, 6, false)) << condition('R')
          << QStringLiteral("  ) R ");
    lines << QStringLiteral("  CROSS JOIN (SELECT %1 FROM ALLOMANY ").arg(sums(6, 12, true))
          << QStringLiteral("  JOIN RESZLET ON RESZLET.rkod || '' = ALLOMANY.arkod || '' ") << condition('A')
          << QStringLiteral("  ) A ");
    lines << QStringLiteral("  CROSS JOIN (SELECT %1 FROM TERMELES ").arg(sums(12, 21, false))
          << QStringLiteral("  JOIN RESZLET ON RESZLET.rkod || '' = TERMELES.trkod || '' ") << condition('T')
          << QStringLiteral("  ) T ");
    lines.removeAll(QString());
    return lines;
}

namespace {

// The lines come in another order than the engine adds its rows in; a
// compensated sum loses no more than one rounding, whatever the order.
struct ExactSum {
    double sum = 0, carry = 0;
    void add(double x)
    {
        const double t = sum + x;
        carry += std::fabs(sum) >= std::fabs(x) ? (sum - t) + x : (x - t) + sum;
        sum = t;
    }
    double value() const { return sum + carry; }
};

// Adds up the sum columns of a slot's lines; takes(row, sum) says whether a
// line brings that sum in. False when a sum column is missing.
bool storeLineSums(const TQuery *slot, const std::function<bool(int, int)> &takes)
{
    const QStringList &names = sumColumns();
    QVector<ExactSum> sums(names.size());
    if (slot->isOpen()) {
        QVector<int> at;
        for (const QString &name : names) {
            at << slot->columnIndex(name);
            if (at.last() < 0) return false;
        }
        for (int r = 0; r < slot->rowCount(); ++r)
            for (int i = 0; i < names.size(); ++i)
                if (takes(r, i))
                    if (const QVariant v = slot->valueAt(r, at[i]); !v.isNull()) sums[i].add(v.toDouble());
    }
    for (int i = 0; i < names.size(); ++i)
        dm().frVariables.insert(QStringLiteral("v_") + names[i], sums[i].value());
    return true;
}

// The table a sum column's values come from (the stock carried forward: the stand rows).
char tableOfSum(int i)
{
    return i < 6 ? 'R' : (i < 12 || i == 21) ? 'A' : 'T';
}

} // namespace

void storeSums(TQuery *slot)
{
    storeLineSums(slot, [](int, int) { return true; });
}

void storeGrandTotal(TQuery *slot, const QString &range, const RangeBounds &bounds)
{
    slot->load(grandTotalStatement(range));
    if (!range.trimmed().isEmpty()) bindBounds(slot, bounds);
    slot->open();
    storeSums(slot);
}

RangeBounds boundsOrEnds(int mode, const QString &from, const QString &to)
{
    RangeBounds b{from, to};
    if (!from.isEmpty() && !to.isEmpty()) return b;
    // The mode's column where its range line compares it (mode 5: the lot number only).
    static const char *const columns[5][2] = {{"RHELYSEG", "RESZLET"}, {"AFAF", "ALLOMANY"},
                                              {"TSURG1", "TERMELES"}, {"RGAZD", "RESZLET"},
                                              {"RHRSZ", "RESZLET"}};
    const auto &c = columns[qBound(1, mode, 5) - 1];
    // The column's own order (its collation) is the one the range compares in.
    TQuery ends(&dm(), QStringLiteral("RangeEnds"));
    TQuery *slot = &ends;
    slot->load({QStringLiteral("SELECT MIN(%1) AS ELSO, MAX(%1) AS UTOLSO FROM %2 ")
                    .arg(QLatin1String(c[0]), QLatin1String(c[1]))});
    slot->open();
    if (from.isEmpty()) {
        b.fromNull = slot->isNull(QStringLiteral("ELSO"));
        b.from = slot->asString(QStringLiteral("ELSO"));
    }
    if (to.isEmpty()) {
        b.toNull = slot->isNull(QStringLiteral("UTOLSO"));
        b.to = slot->asString(QStringLiteral("UTOLSO"));
    }
    slot->close();
    return b;
}

void bindBounds(TQuery *slot, const RangeBounds &bounds)
{
    if (bounds.fromNull) slot->setNull(QStringLiteral("p1"));
    else slot->setText(QStringLiteral("p1"), bounds.from);
    if (bounds.toNull) slot->setNull(QStringLiteral("p2"));
    else slot->setText(QStringLiteral("p2"), bounds.to);
}

bool storeSumsFromLines(const TQuery *list, char driving)
{
    if (!list->isOpen()) return false;
    const int key = list->columnIndex(QStringLiteral("RKOD"));
    if (driving != 'R' && key < 0) return false;
    // The line on which each compartment is first met brings its own values in.
    QVector<bool> first(list->rowCount(), true);
    if (driving != 'R') {
        QSet<QString> seen;
        for (int r = 0; r < list->rowCount(); ++r) {
            const QString code = list->textAt(r, key);
            first[r] = !seen.contains(code);
            seen.insert(code);
        }
    }
    return storeLineSums(list, [&](int row, int sum) { return first[row] || tableOfSum(sum) == driving; });
}

bool resetGroupMark(const QString &failedText, const QString &stopText)
{
    // Nothing reads the mark back: a login that may not write totals without it.
    if (!rights::may(rights::Enter)) return true;
    TQuery reset(&dm(), QStringLiteral("GroupMarkReset"));
    TQuery *slot = &reset;
    guarded::Write w(failedText, stopText);
    w.run([slot] {
        // Rows already unmarked are left alone: rewriting them all made every run slow.
        slot->load({QStringLiteral("UPDATE reszlet   "), QStringLiteral("  SET RSZUR = :p1 "),
                    QStringLiteral("  WHERE RSZUR IS DISTINCT FROM :p1 ")});
        slot->setText(QStringLiteral("p1"), QString());
        slot->execute();
    });
    // A refused reset leaves the marks as they were and the totals are still
    // made; only a transaction that cannot start or end stops them.
    return w.outcome() != guarded::Write::Outcome::NotStarted
        && w.outcome() != guarded::Write::Outcome::RollbackFailed;
}

void showGeneralError(const std::exception &e)
{
    if (const auto *db = dynamic_cast<const DbError *>(&e))
        seams::message(db->text());
    else
        seams::message(QString::fromLocal8Bit(e.what()));
}

} // namespace totals
