// The report bridge: query slots seen by the report engine as row sources,
// the row variables X1..X12 and K1, K2, ..., and the print operation.
#include "datastore/DataModule.h"
#include "datastore/Convert.h"
#include "common/Seams.h"
#include "report/Report.h"

class SlotRowSource : public report::RowSource {
public:
    explicit SlotRowSource(TQuery *slot) : m_slot(slot) {}
    int rowCount() const override { return m_slot->rowCount(); }
    QStringList columnNames() const override { return m_slot->columnNames(); }
    QString text(int row, const QString &column) const override
    {
        return m_slot->textAt(row, m_slot->columnIndex(column));
    }
    double number(int row, const QString &column) const override
    {
        const QVariant v = m_slot->valueAt(row, m_slot->columnIndex(column));
        if (v.isNull()) return 0;
        if (v.typeId() == QMetaType::QString) {
            double d = 0;
            return convert::parseNumber(v.toString(), &d) ? d : 0;
        }
        return v.toDouble();
    }
    bool isNumeric(const QString &column) const override
    {
        const int c = m_slot->columnIndex(column);
        return c >= 0 && m_slot->isNumericColumn(c);
    }
    int columnIndex(const QString &name) const override { return m_slot->columnIndex(name); }
    QString textAt(int row, int column) const override { return m_slot->textAt(row, column); }
    bool isNumericAt(int column) const override { return m_slot->isNumericColumn(column); }
    std::optional<double> numberAt(int row, int column) const override
    {
        const QVariant v = m_slot->valueAt(row, column);
        if (v.isNull()) return std::nullopt;
        if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QDate) {
            double d = 0;
            return convert::parseNumber(v.toString(), &d) ? std::optional<double>(d) : std::nullopt;
        }
        return v.toDouble();
    }

private:
    TQuery *m_slot;
};

void TData::createReportSources()
{
    const QList<QPair<const char *, TQuery *>> sets = {
        {"frDBAllomany", ZQ21}, {"frDBTermeles", ZQ31}, {"frDBFahasznalat", ZQ51},
        {"frDBErdosites", ZQ61}, {"frDBEgyeb", ZQ71}, {"frDBValtozas", ZQ81},
        {"frDBMunkak", ZQ91}, {"frDBLekerdez", ZQ11}, {"frDBHelyseg", ZQ11},
        // ZQ12 has no report data set; templates read its first row by the slot's name.
        {"ZQ12", ZQ12}};
    for (const auto &s : sets) m_sources.insert(QString::fromLatin1(s.first), new SlotRowSource(s.second));
    m_sources.value(QStringLiteral("frDBLekerdez"))->onRow = [this](int row) { fillRowVariables(row); };
}

const report::RowSource *TData::dataSet(const QString &name) const { return m_sources.value(name); }

void TData::fillRowVariables(int row)
{
    // The first twelve columns of the row, in edit form; higher ones keep their texts.
    const int n = qMin(12, ZQ11->columnCount());
    for (int i = 0; i < n; ++i) {
        X[i] = ZQ11->textAt(row, i);
        m_xNull[i] = ZQ11->valueAt(row, i).isNull();
    }
    m_xRow = row;
}

bool TData::variableCallback(const QString &name, QVariant &value) const
{
    // X1..X12: the row's first twelve columns. K1, K2, ...: its first
    // nullMarkedColumns columns (the custom query's ticked ones, however
    // many), blank past them, so that a template never prints a sum as one.
    const QChar kind = name.isEmpty() ? QChar() : name.at(0);
    if (kind != u'X' && kind != u'K') return false;
    bool ok = false;
    const int i = name.mid(1).toInt(&ok) - 1;
    if (!ok || i < 0 || name != QString(kind) + QString::number(i + 1)) return false;
    if (kind == u'X') {
        if (i >= 12) return false;
        value = i < nullMarkedColumns && m_xNull[i] ? QStringLiteral("(nincs adat)") : X[i];
        return true;
    }
    value = QString();
    if (i >= nullMarkedColumns || m_xRow < 0 || m_xRow >= ZQ11->rowCount() || i >= ZQ11->columnCount()) return true;
    value = ZQ11->valueAt(m_xRow, i).isNull() ? QStringLiteral("(nincs adat)") : ZQ11->textAt(m_xRow, i);
    return true;
}

report::ReportInputs TData::reportInputs() const
{
    report::ReportInputs in;
    for (auto it = m_sources.constBegin(); it != m_sources.constEnd(); ++it) in.dataSets.insert(it.key(), it.value());
    in.variables = frVariables;
    in.variableCallback = [this](const QString &name, QVariant &value) { return variableCallback(name, value); };
    return in;
}

void TData::printReport(const QString &templateFile, bool landscape)
{
    if (landscape) report::setPrinterLandscape(true);   // nothing sets it back
    if (!frNyomtat) frNyomtat = new report::Report;
    // A missing template throws: the general error handler shows it, no preview opens.
    frNyomtat->loadFromFile(templateFile);
    frNyomtat->showReport(reportInputs());
}
