// The statements of the totals window and the custom query.
#include "queries/Totals.h"
#include <QRegularExpression>

namespace totals {

namespace {

// One summed column: its result name, the value the numbered rows carry for
// it, and the condition under which a joined row brings it in.
struct SumColumn {
    const char *name;
    const char *value;
    const char *counts;
};

// Within a group the joined rows of one compartment are its chosen stand rows
// times its chosen felling rows. So the compartment counts in its first row,
// a stand row in its row with the compartment's lowest chosen felling row,
// and a felling row in its row with the lowest chosen stand row. One window
// (one sort) numbers them all.
#define ONCE_R "N_R = 1"
#define ONCE_A "IDT IS NOT DISTINCT FROM M_T"
#define ONCE_T "IDA IS NOT DISTINCT FROM M_A"
const SumColumn kSums[] = {
    {"rAk", "RAK", ONCE_R},           {"rRha", "RRHA", ONCE_R},
    {"rAha", "RAHA", ONCE_R},         {"rEha", "REHA", ONCE_R},
    {"rFha", "RFHA", ONCE_R},         {"rKha", "RKHA", ONCE_R},
    {"aEany", "AEANY", ONCE_A},       {"aKorev", "AKOREV", ONCE_A},
    {"aDbha", "ADBHA", ONCE_A},       {"aM3ha", "AM3HA", ONCE_A},
    {"akeszletm3", "AKESZLETM3", ONCE_A}, {"aNovendek", "ANOVENDEK", ONCE_A},
    {"tEha1", "TEHA1", ONCE_T},       {"tM3ev1", "TM3EV1", ONCE_T},
    {"tM3reszl1", "TM3RESZL1", ONCE_T}, {"tEha2", "TEHA2", ONCE_T},
    {"tM3ev2", "TM3EV2", ONCE_T},     {"tM3reszl2", "TM3RESZL2", ONCE_T},
    {"tEha3", "TEHA3", ONCE_T},       {"tM3ev3", "TM3EV3", ONCE_T},
    {"tM3reszl3", "TM3RESZL3", ONCE_T},
    // The growing stock of a stand row carried to the reference year.
    {"fakeszl", "N_FAKESZL", ONCE_A},
};

const char kValues[] =
    "RAK, RRHA, RAHA, REHA, RFHA, RKHA, AEANY, AKOREV, ADBHA, AM3HA, AKESZLETM3, ANOVENDEK, "
    "TEHA1, TM3EV1, TM3RESZL1, TEHA2, TM3EV2, TM3RESZL2, TEHA3, TM3EV3, TM3RESZL3, IDA, IDT, "
    "((( RTEV - REV) * ANOVENDEK * RRHA) + AM3HA) AS N_FAKESZL";

// The summed columns of each table, in the order of the sum list.
const char *const kCompartmentValues[] = {"RAK", "RRHA", "RAHA", "REHA", "RFHA", "RKHA"};
const char *const kStandValues[] = {"AEANY", "AKOREV", "ADBHA", "AM3HA", "AKESZLETM3", "ANOVENDEK"};
const char *const kFellingValues[] = {"TEHA1", "TM3EV1", "TM3RESZL1", "TEHA2", "TM3EV2", "TM3RESZL2",
                                      "TEHA3", "TM3EV3", "TM3RESZL3"};

struct Mode {
    const char *range[3];        // grand total, summary, detail
    const char *columns;         // grouping columns of the summary
    const char *summaryHead;
    const char *summaryGroup;
    const char *summaryTemplate;
    const char *detailHead;
    const char *detailGroup;
    const char *detailTemplate;
    const char *order;
    const char *caption;
};

// A detail list is grouped by its grouping value before the compartment: the
// grouping's own sort then gives the printed order (compartments in code
// order under each value), with no second sort of every line.
const Mode kModes[5] = {
    {{" WHERE (RHELYSEG >= :p1) AND (RHELYSEG <= :p2) ", " WHERE (RHELYSEG >= :p1) AND (RHELYSEG <= :p2) ",
      " WHERE (RHELYSEG >= :p1) AND (RHELYSEG <= :p2) "},
     "RHELYSEG", "SELECT    RHELYSEG, ", "GROUP BY RHELYSEG ", "ErdoHelyseg.frf",
     "SELECT RKOD, RHELYSEG, ", "GROUP BY RHELYSEG, rKOD ", "ErdoHelysegReszl.frf",
     "ORDER BY RHELYSEG ", "Település: "},
    {{" WHERE ( aFAF >= :p1) AND ( aFAF <= :p2) ", " WHERE ( aFAF >= :p1) AND ( aFAF <= :p2) ",
      " WHERE ( aFAF >= :p1) AND ( aFAF <= :p2) "},
     "aFAF", "SELECT    aFAF,     ", "GROUP BY aFAF ", "ErdoFaf.frf",
     "SELECT RKOD,aFAF, ", "GROUP BY aFAF, rKOD ", "ErdoFafReszl.frf",
     "ORDER BY aFAF ", "Fafaj: "},
    {{" WHERE ( TSURG1 >= :p1) AND ( TSURG1 <= :p2) ", " WHERE ( TSURG1 >= :p1) AND ( TSURG1 <= :p2) ",
      " WHERE ( TSURG1 >= :p1) AND ( TSURG1 <= :p2) "},
     "TSURG1", "SELECT    TSURG1,   ", "GROUP BY TSURG1 ", "ErdoSurg.frf",
     "SELECT RKOD, TSURG1, ", "GROUP BY TSURG1, rKOD ", "ErdoSurgReszl.frf",
     "ORDER BY TSURG1 ", "Sürgősség1: "},
    {{" WHERE ( RGAZD >= :p1) AND ( RGAZD <= :p2) ", " WHERE ( RGAZD >= :p1) AND ( RGAZD <= :p2) ",
      " WHERE ( RGAZD >= :p1) AND ( RGAZD <= :p2) "},
     "RGAZD", "SELECT    RGAZD,    ", "GROUP BY RGAZD ", "ErdoGazd.frf",
     "SELECT RKOD, RGAZD, ", "GROUP BY RGAZD, rKOD ", "ErdoGazdReszl.frf",
     "ORDER BY RGAZD ", "Gazdálkodó: "},
    {{" WHERE ( RHRSZ >= :p1) AND ( RHRSZ <= :p2) ", " WHERE (RHRSZ >= :p1) AND ( RHRSZ <= :p2)  ",
      " WHERE ( RHRSZ >= :p1) AND  ( RHRSZ <= :p2)    "},
     "RHRSZ, RHELYSEG", "SELECT    RHRSZ, RHELYSEG, ", "GROUP BY RHRSZ, RHELYSEG ", "ErdoHrsz.frf",
     "SELECT RKOD, RHRSZ, RHELYSEG, ", "GROUP BY RHRSZ, RHELYSEG, rKOD ", "ErdoHrszReszl.frf",
     "ORDER BY RHRSZ, RHELYSEG ", "Helyrajziszám: "},
};

const Mode &mode(int m)
{
    return kModes[qBound(1, m, 5) - 1];
}

// The name a custom column comes under: K1, K2, ... by its place, as the
// template names the ticked values. Never a column's own name, which would
// clash with the sum of the same column (RRHA beside the sum of RRHA).
QString customColumnName(const QString &, int position)
{
    return QStringLiteral("K%1").arg(position);
}

} // namespace

const QStringList &sumColumns()
{
    static const QStringList names = [] {
        QStringList n;
        for (const SumColumn &s : kSums) n << QString::fromLatin1(s.name);
        return n;
    }();
    return names;
}

QStringList joinLines()
{
    return {QStringLiteral("  FROM reszlet     "),
            QStringLiteral("LEFT JOIN ALLOMANY ON ALLOMANY.arkod = RESZLET.rkod "),
            QStringLiteral("LEFT JOIN TERMELES ON TERMELES.trkod = RESZLET.rkod ")};
}

QString sumList()
{
    QStringList parts;
    for (const SumColumn &s : kSums)
        parts << QStringLiteral("SUM(CASE WHEN %1 THEN %2 END) AS %3")
                     .arg(QLatin1String(s.counts), QLatin1String(s.value), QLatin1String(s.name));
    return parts.join(QStringLiteral(", ")) + u' ';
}

QStringList groupedStatement(const QString &selectHead, const QString &innerCols,
                             const QString &groupKeys, const QString &rangeLine,
                             const QStringList &tail)
{
    QStringList lines;
    lines << selectHead + sumList();
    lines << QStringLiteral("  FROM (SELECT %1, %2, ").arg(innerCols, QLatin1String(kValues));
    lines << QStringLiteral("    ROW_NUMBER() OVER (PARTITION BY %1, IDR) AS N_R, ").arg(groupKeys);
    lines << QStringLiteral("    MIN(IDA) OVER (PARTITION BY %1, IDR) AS M_A, ").arg(groupKeys);
    lines << QStringLiteral("    MIN(IDT) OVER (PARTITION BY %1, IDR) AS M_T ").arg(groupKeys);
    lines << joinLines();
    if (!rangeLine.isEmpty()) lines << rangeLine;
    lines << QStringLiteral("  ) ");
    lines << tail;
    return lines;
}

QString rangeLine(int m, int which)
{
    return QString::fromUtf8(mode(m).range[qBound(0, which, 2)]);
}

// The totals of the window are built from the row set of the table the range
// (and the grouping) is on, the driving table: every row of each table is
// brought in once, in one union, and summed per group.
//   R: the compartments passing the range, their stand rows, their felling rows.
//   A: the stand rows passing the range; the compartments of those stand rows
//      with their felling rows summed per compartment, once per group.
//   T: the same with felling rows.
// The parts are unioned and summed per group: no numbering of joined rows.
namespace {

enum class Drive { R, A, T };

Drive driveOf(const QString &range)
{
    if (range.contains(QLatin1String("aFAF"), Qt::CaseInsensitive)) return Drive::A;
    if (range.contains(QLatin1String("TSURG1"), Qt::CaseInsensitive)) return Drive::T;
    return Drive::R;
}

// The stand and felling rows summed per compartment first, so that joining
// them to the compartments costs one row per compartment. The growing stock
// carried forward is sum((RTEV - REV) * ANOVENDEK * RRHA + AM3HA) over the
// stand rows; per compartment that is (RTEV - REV) * RRHA * N + M, where N and
// M sum only the rows that have both values (a row missing either adds nothing).
#define STAND_SUMS                                                                                   \
    "SUM(AEANY) AS AEANY, SUM(AKOREV) AS AKOREV, SUM(ADBHA) AS ADBHA, SUM(AM3HA) AS AM3HA, "              \
    "SUM(AKESZLETM3) AS AKESZLETM3, SUM(ANOVENDEK) AS ANOVENDEK, "                                        \
    "SUM(CASE WHEN AM3HA IS NOT NULL THEN ANOVENDEK END) AS F_NOV, "                                      \
    "SUM(CASE WHEN ANOVENDEK IS NOT NULL THEN AM3HA END) AS F_M3 "
#define FELLING_SUMS                                                                                 \
    "SUM(TEHA1) AS TEHA1, SUM(TM3EV1) AS TM3EV1, SUM(TM3RESZL1) AS TM3RESZL1, "                           \
    "SUM(TEHA2) AS TEHA2, SUM(TM3EV2) AS TM3EV2, SUM(TM3RESZL2) AS TM3RESZL2, "                           \
    "SUM(TEHA3) AS TEHA3, SUM(TM3EV3) AS TM3EV3, SUM(TM3RESZL3) AS TM3RESZL3 "
const char kStandPerCompartment[] = "(SELECT ARKOD AS L_RKOD, " STAND_SUMS "FROM ALLOMANY GROUP BY ARKOD) SA ";
const char kFellingPerCompartment[] = "(SELECT TRKOD AS L_RKOD, " FELLING_SUMS "FROM TERMELES GROUP BY TRKOD) ST ";

// The same sums for every compartment, those without rows included (null
// sums), so that joining them keeps every compartment.
const char kStandEveryCompartment[] =
    "(SELECT RESZLET.RKOD AS L_RKOD, " STAND_SUMS
    "FROM RESZLET LEFT JOIN ALLOMANY ON ALLOMANY.arkod = RESZLET.rkod GROUP BY RESZLET.RKOD) SA ";
const char kFellingEveryCompartment[] =
    "(SELECT RESZLET.RKOD AS L_RKOD, " FELLING_SUMS
    "FROM RESZLET LEFT JOIN TERMELES ON TERMELES.trkod = RESZLET.rkod GROUP BY RESZLET.RKOD) ST ";

// One part of the union, summed per group: its table's values in their sum
// positions, nulls elsewhere. perCompartment: the stand values come summed
// per compartment (the stock carried forward then uses the factored form).
QString unionPart(const QString &keys, const char *tables, bool first, bool perCompartment = false,
                  const char *aggregate = "SUM")
{
    const QString none = QStringLiteral("CAST(NULL AS DOUBLE PRECISION)");
    QStringList cols;
    int n = 0;
    auto add = [&](bool mine, const QString &value) {
        const QString name = sumColumns().at(n++);
        const QString v = mine ? QStringLiteral("%1(%2)").arg(QLatin1String(aggregate), value) : none;
        cols << (first ? v + QStringLiteral(" AS S_") + name : v);
    };
    const QLatin1String which(tables);
    for (const char *x : kCompartmentValues) add(which.contains(u'R'), QString::fromLatin1(x));
    for (const char *x : kStandValues) add(which.contains(u'A'), QString::fromLatin1(x));
    for (const char *x : kFellingValues) add(which.contains(u'T'), QString::fromLatin1(x));
    add(which.contains(u'A'), perCompartment ? QStringLiteral("((RTEV - REV) * RRHA * F_NOV) + F_M3")
                                     : QStringLiteral("((( RTEV - REV) * ANOVENDEK * RRHA) + AM3HA)"));
    return QStringLiteral("  SELECT %1, %2 ").arg(keys, cols.join(QStringLiteral(", ")));
}

// A detail list: each line is one compartment (with one value of its own or
// of the driving sub-record's column). Its own values and the other tables'
// per-compartment sums are taken as they are, only the driving sub-record's
// rows are summed: one grouped pass, no union.
QStringList compartmentLines(const QString &head, Drive drive, const QString &range, const QStringList &tail)
{
    QStringList cols;
    int n = 0;
    auto add = [&](bool summed, const QString &value) {
        cols << QStringLiteral("%1(%2) AS %3").arg(QLatin1String(summed ? "SUM" : "MAX"), value, sumColumns().at(n++));
    };
    for (const char *x : kCompartmentValues) add(false, QString::fromLatin1(x));
    for (const char *x : kStandValues) add(drive == Drive::A, QString::fromLatin1(x));
    for (const char *x : kFellingValues) add(drive == Drive::T, QString::fromLatin1(x));
    if (drive == Drive::A)
        add(true, QStringLiteral("((( RTEV - REV) * ANOVENDEK * RRHA) + AM3HA)"));
    else
        add(false, QStringLiteral("((RTEV - REV) * RRHA * F_NOV) + F_M3"));

    QStringList lines;
    lines << head + cols.join(QStringLiteral(", ")) + u' ' << QStringLiteral("  FROM RESZLET ");
    const QString every = QStringLiteral("  JOIN %1ON %2.L_RKOD = RESZLET.rkod || '' ");
    if (drive == Drive::A)
        lines << QStringLiteral("  JOIN ALLOMANY ON ALLOMANY.arkod || '' = RESZLET.rkod || '' ");
    else
        lines << every.arg(QLatin1String(kStandEveryCompartment), QStringLiteral("SA"));
    if (drive == Drive::T)
        lines << QStringLiteral("  JOIN TERMELES ON TERMELES.trkod || '' = RESZLET.rkod || '' ");
    else
        lines << every.arg(QLatin1String(kFellingEveryCompartment), QStringLiteral("ST"));
    lines << range << tail;
    return lines;
}

QStringList drivenStatement(const QString &head, const QStringList &keys, const QString &range,
                            const QStringList &tail)
{
    const Drive drive = driveOf(range);
    if (!keys.isEmpty() && keys.first().compare(QLatin1String("RKOD"), Qt::CaseInsensitive) == 0)
        return compartmentLines(head, drive, range, tail);
    const QString plain = keys.join(QStringLiteral(", "));
    // Links are joined as expressions: the engine then hashes one side instead
    // of looking up an index once per row, several times faster over whole tables.
    const QString joinA = QStringLiteral("  JOIN ALLOMANY ON ALLOMANY.arkod || '' = RESZLET.rkod || '' ");
    const QString joinT = QStringLiteral("  JOIN TERMELES ON TERMELES.trkod || '' = RESZLET.rkod || '' ");
    const QString joinSA = QStringLiteral("  JOIN ") + QLatin1String(kStandPerCompartment)
                           + QStringLiteral("ON SA.L_RKOD = RESZLET.rkod || '' ");
    const QString joinST = QStringLiteral("  JOIN ") + QLatin1String(kFellingPerCompartment)
                           + QStringLiteral("ON ST.L_RKOD = %1 ");
    const QString groupPlain = QStringLiteral("  GROUP BY ") + plain + u' ';

    QStringList lines;
    QStringList sums;
    for (const QString &s : sumColumns()) sums << QStringLiteral("SUM(S_%1) AS %1").arg(s);
    lines << head + sums.join(QStringLiteral(", ")) + u' ';
    lines << QStringLiteral("  FROM ( ");
    const QString unionAll = QStringLiteral("  UNION ALL ");
    // A compartment reached by passing rows of the driving sub-record brings
    // its own values and the other sub-record's sums once per group: grouped
    // by (group, compartment) they are all equal, MAX takes them.
    const QString perGroupAndCompartment = QStringLiteral("  GROUP BY %1, RESZLET.RKOD ").arg(plain);
    switch (drive) {
    case Drive::R:
        lines << unionPart(plain, "R", true) << QStringLiteral("  FROM RESZLET ") << range << groupPlain;
        lines << unionAll << unionPart(plain, "A", false, true) << QStringLiteral("  FROM RESZLET ") << joinSA
              << range << groupPlain;
        lines << unionAll << unionPart(plain, "T", false) << QStringLiteral("  FROM RESZLET ")
              << joinST.arg(QStringLiteral("RESZLET.rkod || ''")) << range << groupPlain;
        break;
    case Drive::A:
        lines << unionPart(plain, "A", true) << QStringLiteral("  FROM RESZLET ") << joinA << range << groupPlain;
        lines << unionAll << unionPart(plain, "RT", false, false, "MAX") << QStringLiteral("  FROM RESZLET ")
              << joinA
              << QStringLiteral("  JOIN ") + QLatin1String(kFellingEveryCompartment)
                     + QStringLiteral("ON ST.L_RKOD = RESZLET.rkod || '' ")
              << range << perGroupAndCompartment;
        break;
    case Drive::T:
        lines << unionPart(plain, "T", true) << QStringLiteral("  FROM RESZLET ") << joinT << range << groupPlain;
        lines << unionAll << unionPart(plain, "RA", false, true, "MAX") << QStringLiteral("  FROM RESZLET ")
              << joinT
              << QStringLiteral("  JOIN ") + QLatin1String(kStandEveryCompartment)
                     + QStringLiteral("ON SA.L_RKOD = RESZLET.rkod || '' ")
              << range << perGroupAndCompartment;
        break;
    }
    lines << QStringLiteral("  ) ");
    lines << tail;
    return lines;
}

// The table a ticked line's column belongs to ('R', 'A', 'T'), from its
// qualifier or its name (the columns of each table begin with its letter, the
// row ids end with it); 0 for anything that is not one plain column.
char tableOf(const QString &line)
{
    static const QRegularExpression plain(
        QStringLiteral("^\\s*(?:(RESZLET|ALLOMANY|TERMELES)\\.)?([A-Z_][A-Z0-9_$]*)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = plain.match(line);
    if (!m.hasMatch()) return 0;
    const QString table = m.captured(1).toUpper(), name = m.captured(2).toUpper();
    if (!table.isEmpty()) return table.at(0).toLatin1();
    if (name == QLatin1String("IDR") || name == QLatin1String("IDA") || name == QLatin1String("IDT"))
        return name.at(2).toLatin1();
    const char first = name.at(0).toLatin1();
    return (first == 'R' || first == 'A' || first == 'T') ? first : 0;
}

// The free query keyed by compartment columns and the columns of one
// sub-record table (`sub`, 'A' or 'T'): that table's rows are summed per
// compartment and key values first (a compartment without such rows gives one
// pair with null keys), the pairs joined to their compartments and to the
// other table's sums per compartment, and summed per line. One grouping less
// than the union below, and no union.
QStringList pairedStatement(const QStringList &lines, const QList<char> &tables, char sub)
{
    const bool stand = sub == 'A';
    QStringList outer, keys, inner, innerKeys;
    for (int i = 0; i < lines.size(); ++i) {
        const QString g = QStringLiteral("G%1").arg(i + 1);
        if (tables[i] == sub) {
            inner << lines[i] + QStringLiteral(" AS ") + g;
            // Qualified: a bare name would be taken for the sum of that column named alike.
            innerKeys << (lines[i].contains(u'.') ? lines[i]
                                                  : QLatin1String(stand ? "ALLOMANY." : "TERMELES.") + lines[i].trimmed());
            keys << QStringLiteral("P.") + g;
        } else {
            keys << lines[i];
        }
        outer << keys.last() + QStringLiteral(" AS ") + customColumnName(lines[i], i + 1);
    }
    QStringList sums;
    int n = 0;
    auto add = [&](const QString &value) {
        sums << QStringLiteral("SUM(%1) AS %2").arg(value, sumColumns().at(n++));
    };
    const QString standFrom = stand ? QStringLiteral("P.") : QStringLiteral("SA.");
    const QString fellingFrom = stand ? QStringLiteral("ST.") : QStringLiteral("P.");
    for (const char *x : kCompartmentValues) add(QLatin1String(x));
    for (const char *x : kStandValues) add(standFrom + QLatin1String(x));
    for (const char *x : kFellingValues) add(fellingFrom + QLatin1String(x));
    add(QStringLiteral("((RTEV - REV) * RRHA * %1F_NOV) + %1F_M3").arg(standFrom));

    const QString table = QLatin1String(stand ? "ALLOMANY" : "TERMELES");
    const QString pairs = QStringLiteral("  JOIN (SELECT RESZLET.RKOD AS D_RKOD, %1, %2FROM RESZLET "
                                         "LEFT JOIN %3 ON %3.%4 = RESZLET.rkod GROUP BY RESZLET.RKOD, %5) P "
                                         "ON P.D_RKOD = RESZLET.rkod || '' ")
                              .arg(inner.join(QStringLiteral(", ")),
                                   QLatin1String(stand ? STAND_SUMS : FELLING_SUMS), table,
                                   QLatin1String(stand ? "arkod" : "trkod"), innerKeys.join(QStringLiteral(", ")));
    const QString other = QStringLiteral("  JOIN %1ON %2.L_RKOD = RESZLET.rkod || '' ")
                              .arg(QLatin1String(stand ? kFellingEveryCompartment : kStandEveryCompartment),
                                   QLatin1String(stand ? "ST" : "SA"));
    const QString keyText = keys.join(QStringLiteral(", "));
    return {QStringLiteral("SELECT ") + outer.join(QStringLiteral(", ")) + QStringLiteral(", ")
                + sums.join(QStringLiteral(", ")) + u' ',
            QStringLiteral("  FROM RESZLET "), pairs, other,
            QStringLiteral("     GROUP BY ") + keyText, QStringLiteral("     ORDER BY ") + keyText};
}

// The free query grouped by columns of any of the three tables, in one pass:
// each table's rows are brought in once per group from a union of up to three parts.
//   R: every compartment with the distinct values its stand and felling rows
//      give the ticked stand and felling columns (null when it has none);
//   A: every stand row with the distinct felling values of its compartment;
//   T: every felling row with the distinct stand values of its compartment.
// The groups are the value combinations of the joined rows, so a compartment
// without stand or felling rows keeps its line, under a null value.
QStringList tableKeyedStatement(const QStringList &lines, const QList<char> &tables)
{
    QStringList outer, groups, standKeys, fellingKeys;
    for (int i = 0; i < lines.size(); ++i) {
        const QString g = QStringLiteral("G%1").arg(i + 1);
        outer << g + QStringLiteral(" AS ") + customColumnName(lines[i], i + 1);
        groups << g;
        if (tables[i] == 'A') standKeys << lines[i] + QStringLiteral(" AS ") + g;
        if (tables[i] == 'T') fellingKeys << lines[i] + QStringLiteral(" AS ") + g;
    }
    // The distinct stand (felling) values of every compartment, those without rows included.
    const QString distinctA = QStringLiteral(
        "  JOIN (SELECT DISTINCT RESZLET.RKOD AS D_RKOD, %1 FROM RESZLET "
        "LEFT JOIN ALLOMANY ON ALLOMANY.arkod = RESZLET.rkod) DA ON DA.D_RKOD = RESZLET.rkod || '' ")
                                  .arg(standKeys.join(QStringLiteral(", ")));
    const QString distinctT = QStringLiteral(
        "  JOIN (SELECT DISTINCT RESZLET.RKOD AS D_RKOD, %1 FROM RESZLET "
        "LEFT JOIN TERMELES ON TERMELES.trkod = RESZLET.rkod) DT ON DT.D_RKOD = RESZLET.rkod || '' ")
                                  .arg(fellingKeys.join(QStringLiteral(", ")));
    // The key select list and group line of the part driven by table `own`.
    auto keysOf = [&](char own, QString *group) {
        QStringList select, plain;
        for (int i = 0; i < lines.size(); ++i) {
            const char t = tables[i];
            const QString g = QStringLiteral("G%1").arg(i + 1);
            const QString expr = (t == 'R' || t == own) ? lines[i] : QLatin1String(t == 'A' ? "DA." : "DT.") + g;
            select << expr + QStringLiteral(" AS ") + g;
            plain << expr;
        }
        *group = QStringLiteral("  GROUP BY ") + plain.join(QStringLiteral(", ")) + u' ';
        return select.join(QStringLiteral(", "));
    };
    auto others = [&](char own) {
        QStringList joins;
        if (own != 'A' && !standKeys.isEmpty()) joins << distinctA;
        if (own != 'T' && !fellingKeys.isEmpty()) joins << distinctT;
        return joins;
    };
    // A table none of whose columns is ticked is summed per compartment and
    // brought in with the compartments: one part less.
    QStringList compartmentJoins = others('R');
    QString compartmentTables = QStringLiteral("R");
    if (standKeys.isEmpty()) {
        compartmentJoins << QStringLiteral("  JOIN ") + QLatin1String(kStandEveryCompartment)
                                + QStringLiteral("ON SA.L_RKOD = RESZLET.rkod || '' ");
        compartmentTables += u'A';
    }
    if (fellingKeys.isEmpty()) {
        compartmentJoins << QStringLiteral("  JOIN ") + QLatin1String(kFellingEveryCompartment)
                                + QStringLiteral("ON ST.L_RKOD = RESZLET.rkod || '' ");
        compartmentTables += u'T';
    }

    QStringList sums;
    for (const QString &s : sumColumns()) sums << QStringLiteral("SUM(S_%1) AS %1").arg(s);
    QStringList out;
    out << QStringLiteral("SELECT ") + outer.join(QStringLiteral(", ")) + QStringLiteral(", ")
               + sums.join(QStringLiteral(", ")) + u' ';
    out << QStringLiteral("  FROM ( ");
    QString group;
    out << unionPart(keysOf('R', &group), compartmentTables.toLatin1().constData(), true, standKeys.isEmpty())
        << QStringLiteral("  FROM RESZLET ") << compartmentJoins << group;
    if (!standKeys.isEmpty())
        out << QStringLiteral("  UNION ALL ") << unionPart(keysOf('A', &group), "A", false)
            << QStringLiteral("  FROM RESZLET ")
            << QStringLiteral("  JOIN ALLOMANY ON ALLOMANY.arkod || '' = RESZLET.rkod || '' ") << others('A')
            << group;
    if (!fellingKeys.isEmpty())
        out << QStringLiteral("  UNION ALL ") << unionPart(keysOf('T', &group), "T", false)
            << QStringLiteral("  FROM RESZLET ")
            << QStringLiteral("  JOIN TERMELES ON TERMELES.trkod || '' = RESZLET.rkod || '' ") << others('T')
            << group;
    out << QStringLiteral("  ) ");
    const QString groupText = groups.join(QStringLiteral(", "));
    out << QStringLiteral("     GROUP BY ") + groupText << QStringLiteral("     ORDER BY ") + groupText;
    return out;
}

QStringList splitKeys(const QString &cols)
{
    QStringList keys;
    for (const QString &k : cols.split(u',', Qt::SkipEmptyParts)) keys << k.trimmed();
    return keys;
}

} // namespace

QStringList listStatement(int m, bool detail)
{
    const Mode &md = mode(m);
    const QString cols = detail ? QStringLiteral("RKOD, ") + QLatin1String(md.columns)
                                : QString::fromLatin1(md.columns);
    return drivenStatement(QString::fromLatin1(detail ? md.detailHead : md.summaryHead), splitKeys(cols),
                           rangeLine(m, detail ? 2 : 1),
                           {QString::fromLatin1(detail ? md.detailGroup : md.summaryGroup),
                            QString::fromLatin1(md.order)});
}

QString templateFor(int m, bool detail)
{
    return QString::fromLatin1(detail ? mode(m).detailTemplate : mode(m).summaryTemplate);
}

QString modeCaption(int m)
{
    return QString::fromUtf8(mode(m).caption);
}

namespace {
// The lines as distinct compartment columns, or nothing when any line is not one.
QStringList compartmentColumns(const QStringList &lines)
{
    static const QRegularExpression compartmentColumn(
        QStringLiteral("^\\s*(?:RESZLET\\.)?(R[A-Z0-9_]*)\\s*$"), QRegularExpression::CaseInsensitiveOption);
    QStringList columns;
    for (const QString &line : lines) {
        const auto m = compartmentColumn.match(line);
        if (!m.hasMatch() || columns.contains(m.captured(1).toUpper())) return {};
        columns << m.captured(1).toUpper();
    }
    return columns;
}
} // namespace

bool compartmentKeyed(const QStringList &lines)
{
    return !lines.isEmpty() && compartmentColumns(lines).size() == lines.size();
}

QStringList customStatement(const QStringList &lines)
{
    // Grouped by compartment columns only: every compartment falls in one
    // group with all its rows, and the totals are summed as the window's
    // (one pass, no numbering of joined rows).
    // A column named as a sum (RRHA) goes the way below, whose rows carry
    // their keys under names of their own.
    const QStringList columns = compartmentColumns(lines);
    bool clash = false;
    for (const QString &c : columns) clash = clash || sumColumns().contains(c, Qt::CaseInsensitive);
    if (compartmentKeyed(lines) && !clash) {
        const QString list = columns.join(QStringLiteral(", "));
        QStringList named;
        for (int i = 0; i < columns.size(); ++i) named << columns[i] + QStringLiteral(" AS ") + customColumnName(columns[i], i + 1);
        return drivenStatement(QStringLiteral("SELECT ") + named.join(QStringLiteral(", ")) + QStringLiteral(", "), columns, QString(),
                               {QStringLiteral("     GROUP BY ") + list, QStringLiteral("     ORDER BY ") + list});
    }

    QList<char> tables;
    for (const QString &line : lines)
        if (const char t = tableOf(line)) tables << t;
    if (!lines.isEmpty() && tables.size() == lines.size()) {
        if (tables.contains('A') && !tables.contains('T')) return pairedStatement(lines, tables, 'A');
        if (tables.contains('T') && !tables.contains('A')) return pairedStatement(lines, tables, 'T');
        return tableKeyedStatement(lines, tables);
    }
    return numberedCustomStatement(lines);
}

QStringList numberedCustomStatement(const QStringList &lines)
{
    QStringList inner, outer, keys, groups;
    for (int i = 0; i < lines.size(); ++i) {
        const QString g = QStringLiteral("G%1").arg(i + 1);
        inner << lines[i] + QStringLiteral(" AS ") + g;
        keys << lines[i];
        outer << g + QStringLiteral(" AS ") + customColumnName(lines[i], i + 1);
        groups << g;
    }
    const QString groupText = groups.join(QStringLiteral(", "));
    // Rows come in the order of the grouping columns, as the check list shows them.
    return groupedStatement(QStringLiteral("SELECT ") + outer.join(QStringLiteral(", ")) + QStringLiteral(", "),
                            inner.join(QStringLiteral(", ")), keys.join(QStringLiteral(", ")), QString(),
                            {QStringLiteral("     GROUP BY ") + groupText,
                             QStringLiteral("     ORDER BY ") + groupText});
}

QString headerText(const QStringList &lines)
{
    QStringList pieces;
    for (const QString &l : lines) pieces << (l + QString(15, u' ')).left(16);
    return pieces.join(u' ');
}

char rangeTable(const QString &range)
{
    switch (driveOf(range)) {
    case Drive::A: return 'A';
    case Drive::T: return 'T';
    case Drive::R: break;
    }
    return 'R';
}

char drivingTable(int m)
{
    return rangeTable(rangeLine(m, 0));
}

} // namespace totals
