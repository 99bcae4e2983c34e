// Preparing a long totals list: a detail report of N lines (default 10,000)
// with the 22 sums, as the totals window prints it. Prints figures.
#include "report/PreparedReport.h"
#include "report/Report.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

namespace {
class Rows : public report::RowSource {
public:
    explicit Rows(int n) : m_n(n)
    {
        m_cols << "RKOD" << "RHELYSEG" << "RAK" << "RRHA" << "RAHA" << "REHA" << "RFHA" << "RKHA" << "AEANY"
               << "AKOREV" << "ADBHA" << "AM3HA" << "AKESZLETM3" << "ANOVENDEK" << "TEHA1" << "TM3EV1"
               << "TM3RESZL1" << "TEHA2" << "TM3EV2" << "TM3RESZL2" << "TEHA3" << "TM3EV3" << "TM3RESZL3"
               << "FAKESZL";
    }
    int rowCount() const override { return m_n; }
    QStringList columnNames() const override { return m_cols; }
    QString text(int row, const QString &column) const override
    {
        if (column == QLatin1String("RKOD")) return QString::number(10001 + row);
        if (column == QLatin1String("RHELYSEG")) return QStringLiteral("Zalaszentgrót");
        return QString::number(row % 97 + 0.25 * (row % 4)).replace(u'.', u',');
    }
    double number(int row, const QString &column) const override
    {
        return column.startsWith(u'R') && column.size() < 6 ? 0 : row % 97 + 0.25 * (row % 4);
    }
    bool isNumeric(const QString &column) const override { return column != QLatin1String("RHELYSEG"); }

private:
    int m_n;
    QStringList m_cols;
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int n = argc > 1 ? atoi(argv[1]) : 10000;
    QDir::setCurrent(QStringLiteral(ZELKOR_SOURCE_DIR "/reports"));
    Rows rows(n);
    report::ReportInputs in;
    in.dataSets.insert("frDBHelyseg", &rows);
    in.dataSets.insert("ZQ12", &rows);
    report::Report r;
    r.loadFromFile("ErdoHelysegReszl.frf");
    double best = 1e9;
    int pages = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        const report::PreparedReport p = r.prepare(in);
        best = std::min(best, t.nsecsElapsed() / 1e6);
        pages = int(p.pages.size());
    }
    std::printf("detail list of %d lines: %d pages prepared in %.1f ms (best of 3)\n", n, pages, best);
    return 0;
}
