#include "datastore/Convert.h"
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace convert {

QString numberText(double v)
{
    if (v == 0) return QStringLiteral("0");   // no "-0"
    QString s = QString::number(v, 'g', 15);
    s.replace(u'.', u',');
    return s;
}

QString dateText(const QDate &d) { return d.isValid() ? d.toString(QStringLiteral("yyyy.MM.dd")) : QString(); }

QString valueText(const QVariant &v)
{
    if (v.isNull() || !v.isValid()) return {};
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return numberText(v.toDouble());
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Short:
        return QString::number(v.toLongLong());
    case QMetaType::QDate:
        return dateText(v.toDate());
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("Igen") : QStringLiteral("Nem");
    default:
        return v.toString();
    }
}

bool parseNumber(const QString &text, double *out)
{
    QString t = text.trimmed();
    if (t.isEmpty()) return false;
    if (t.count(u',') + t.count(u'.') > 1) return false;
    t.replace(u',', u'.');
    if (t == u"." || t == u"-" || t == u"+" ) return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return false;
    *out = v;
    return true;
}

bool parseInt(const QString &text, qint64 *out)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (ok) *out = v;
    return ok;
}

bool parseDate(const QString &text, QDate *out)
{
    QString t = text.trimmed();
    if (t.endsWith(u'.')) t.chop(1);
    const QStringList parts = t.split(u'.');
    if (parts.size() != 3 || parts.at(0).size() != 4) return false;
    bool okY, okM, okD;
    const int y = parts.at(0).toInt(&okY), m = parts.at(1).toInt(&okM), d = parts.at(2).toInt(&okD);
    if (!okY || !okM || !okD || parts.at(1).size() > 2 || parts.at(2).size() > 2) return false;
    const QDate date(y, m, d);
    if (!date.isValid()) return false;
    *out = date;
    return true;
}

QString shownLineEnds(const QString &stored)
{
    QString t = stored;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

QString storedLineEnds(const QString &lines)
{
    return shownLineEnds(lines).replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace convert
