#include "report/ReportData.h"
#include "report/Format.h"

namespace report {

int RowSource::columnIndex(const QString &name) const
{
    const QStringList names = columnNames();
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QString RowSource::textAt(int row, int column) const { return text(row, columnNames().value(column)); }

bool RowSource::isNumericAt(int column) const { return isNumeric(columnNames().value(column)); }

std::optional<double> RowSource::numberAt(int row, int column) const
{
    const QString t = textAt(row, column);
    if (t.trimmed().isEmpty()) return std::nullopt;
    if (isNumericAt(column)) return number(row, columnNames().value(column));
    bool ok = false;
    const double v = parseNumber(t, &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

} // namespace report
