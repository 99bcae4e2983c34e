#pragma once
// Number texts as printed: decimal comma, a fixed count of decimals, blanks
// between thousands on request.
#include <QString>

namespace report {

// 1234.5, 2, true -> "1 234,50" (no-break space); never "-0,00".
QString formatNumber(double value, int decimals, bool grouped);
// The general form with up to 15 significant digits: 12.5 -> "12,5".
QString generalNumber(double value);
// Reads "12,5", "12.5", "-3", " 1 234,5 "; *ok tells whether it was a number.
double parseNumber(const QString &text, bool *ok);

} // namespace report
