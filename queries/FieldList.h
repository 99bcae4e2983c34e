#pragma once
// The entries of the custom query's field list (mezo1.txt) go into its
// statement as written, so each must be a plain column of the three tables the
// query joins, or arithmetic on such columns and numbers (+ - * / and
// parentheses): never a function, a subquery, a quote, a comment or a second
// statement, which could do anything on the server.
#include <QSet>
#include <QString>
#include <QStringList>

class TData;

namespace fieldlist {

// The columns an entry may name: those of RESZLET, ALLOMANY and TERMELES, upper case.
QSet<QString> queryColumns(TData &db);

// Why the entry is refused, in words; empty when it may be used.
QString refusal(const QString &entry, const QSet<QString> &columns);

// The usable entries of the file's lines (blank lines skipped); every refused
// line is named by its number in refused ("3. sor („…”): reason").
QStringList usableEntries(const QStringList &lines, const QSet<QString> &columns, QStringList *refused);

// What the custom query offers from the file's lines: the usable entries; the
// refused lines are told in one message, each by its number. Only these can be
// chosen, so nothing else from the file ever reaches the server.
QStringList choosable(const QStringList &lines);

} // namespace fieldlist
