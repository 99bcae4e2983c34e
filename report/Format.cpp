#include "report/Format.h"
#include <cmath>

namespace report {

QString formatNumber(double value, int decimals, bool grouped)
{
    if (!std::isfinite(value)) return QString();
    QString s = QString::number(value, 'f', decimals);
    bool negative = s.startsWith(QLatin1Char('-'));
    if (negative) s.remove(0, 1);
    // A value that rounds to zero prints without its sign.
    if (negative && s.count(QLatin1Char('0')) + s.count(QLatin1Char('.')) == s.size()) negative = false;
    int dot = s.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? s : s.left(dot);
    QString frac = dot < 0 ? QString() : s.mid(dot + 1);
    if (grouped) {
        for (int i = int(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, QChar(0x00A0));
    }
    QString out = negative ? QStringLiteral("-") + whole : whole;
    if (!frac.isEmpty()) out += QLatin1Char(',') + frac;
    return out;
}

QString generalNumber(double value)
{
    if (!std::isfinite(value)) return QString();
    if (value == 0) return QStringLiteral("0");
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

double parseNumber(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    t.remove(QChar(0x00A0));
    t.remove(QLatin1Char(' '));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool good = false;
    double v = t.isEmpty() ? 0 : t.toDouble(&good);
    if (ok) *ok = good;
    return good ? v : 0;
}

} // namespace report
