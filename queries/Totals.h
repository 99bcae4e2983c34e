#pragma once
// Statements and steps shared by the grand totals and the custom query:
// the joined row set, the 22 sums counted soundly, the group-mark reset.
//
// Why the sums are not a plain SUM over the join: a compartment with two
// stand rows and three felling rows appears in six joined rows. Within each
// group, one joined row per compartment, per stand row and per felling row is
// picked to bring that table's values in, so each row of each table enters
// each group once.
#include <QString>
#include <QStringList>
#include <exception>

class TQuery;

namespace totals {

// The 22 result columns in order: rAk ... fakeszl. Report variables are "v_" + name.
const QStringList &sumColumns();

// The three lines of the joined row set.
QStringList joinLines();

// "SUM(CASE WHEN N_R = 1 THEN RAK END) AS rAk, ..." over the numbered rows.
QString sumList();

// A grouped statement over the numbered, range-limited joined rows:
//   selectHead  the outer select's leading text, e.g. "SELECT    RHELYSEG, "
//   innerCols   what the numbered rows carry besides the values, e.g. "RHELYSEG"
//   groupKeys   the grouping expressions the rows are numbered within
//   rangeLine   a WHERE line or empty
//   tail        the outer group and order lines
QStringList groupedStatement(const QString &selectHead, const QString &innerCols,
                             const QString &groupKeys, const QString &rangeLine,
                             const QStringList &tail);

// Grand totals window: mode 1..5.
QString rangeLine(int mode, int which);   // which: 0 grand total, 1 summary, 2 detail
// One row of the 22 sums over the rows the range line takes in (all rows
// for an empty one), each row of each table once.
QStringList grandTotalStatement(const QString &rangeLine);
QStringList listStatement(int mode, bool detail);
QString templateFor(int mode, bool detail);
QString modeCaption(int mode);            // v_melyik

// Custom query: the ticked lines of the field list, in check-list order.
QStringList customStatement(const QStringList &lines);
// The same statement for any column expressions, by numbering the joined
// rows within each group (slower; used when a line is not one plain column).
QStringList numberedCustomStatement(const QStringList &lines);
QString headerText(const QStringList &lines);   // v_fej1

// The bounds a run compares with: an empty "Tól" is the first value of the
// mode's column, an empty "Ig" the last (both empty: everything). A table
// without values gives null bounds, which nothing passes.
struct RangeBounds {
    QString from, to;
    bool fromNull = false, toNull = false;
};
// The ends are read through a statement of its own.
RangeBounds boundsOrEnds(int mode, const QString &from, const QString &to);
// Binds the bounds to :p1 and :p2 of a loaded statement.
void bindBounds(TQuery *slot, const RangeBounds &bounds);

// Reads the 22 sums of the grand-total statement into dm().frVariables
// (a null sum: 0).
void storeSums(TQuery *slot);
// Runs the grand-total statement for the range line in the slot (p1, p2 the
// bounds when there is a range) and stores its sums.
void storeGrandTotal(TQuery *slot, const QString &rangeLine, const RangeBounds &bounds = {});

// The table whose rows the window's range is on: 'R' (settlement, manager,
// lot number), 'A' (species) or 'T' (urgency).
char drivingTable(int mode);
char rangeTable(const QString &rangeLine);   // the same for a range line ('R' when empty)
// True when the custom statement groups by compartment columns only, so that
// every compartment stands on exactly one of its lines.
bool compartmentKeyed(const QStringList &lines);
// Stores the grand total summed from the list's own lines where they hold
// every counted row once: driven by compartments (each compartment on one
// line), or a detail list (each line names its compartment: the driving
// rows' sums are added, the compartment's own values and the other table's
// sums once per compartment). Returns false, storing nothing, otherwise.
bool storeSumsFromLines(const TQuery *list, char driving);

// The group-mark reset: RSZUR := '' in every compartment, committed, by a
// statement of its own (no list slot is closed or reloaded by it).
// Update or commit failure: failedText, rollback, true (go on).
// Start or rollback failure: stopText, false (the click ends).
bool resetGroupMark(const QString &failedText, const QString &stopText);

// What the program's general error handler does: show the failure's text.
void showGeneralError(const std::exception &e);

} // namespace totals
