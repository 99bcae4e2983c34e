#pragma once
// Numbers and dates as the program writes them: decimal comma, "yyyy.MM.dd".
#include <QDate>
#include <QString>
#include <QVariant>

namespace convert {

// Shortest general form, up to 15 significant digits, decimal comma: 12,5
QString numberText(double v);
// "yyyy.MM.dd"
QString dateText(const QDate &d);
// A stored value in edit form; null gives "".
QString valueText(const QVariant &v);

// Reads "12,5" (a lone "." is taken as the decimal sign too). False when it
// does not convert: empty text, two separators, letters.
bool parseNumber(const QString &text, double *out);
// Whole number, blanks around allowed.
bool parseInt(const QString &text, qint64 *out);
// "yyyy.MM.dd", a trailing "." allowed, one-digit month and day too.
bool parseDate(const QString &text, QDate *out);

// Remarks are stored with CR LF between lines, as Windows tools reading the
// same database expect; either form (and a lone CR) reads back as lines.
QString storedLineEnds(const QString &lines);
QString shownLineEnds(const QString &stored);

} // namespace convert
