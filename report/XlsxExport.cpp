// The export table as an Excel workbook: a spreadsheet sums the stored values,
// not the rounded ones the CSV holds.
#include "report/PreparedReport.h"
#include "report/Format.h"
#include "common/NumericLocale.h"
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <xlsxwriter.h>

namespace report {
namespace {

// The printed form as an Excel number format: "# ##0,0" → "#,##0.0" (Excel
// shows its own separators).
QByteArray numberFormat(int decimals, bool grouped)
{
    QByteArray f = grouped ? "#,##0" : "0";
    if (decimals > 0) f += '.' + QByteArray(decimals, '0');
    return f;
}

} // namespace

bool PreparedReport::writeXlsx(const QString &path, QString *error) const
{
    const QString fileName = QFileInfo(path).fileName();
    if (!isListReport()) {
        if (error) *error = QStringLiteral("Ez a kimutatás nem lista, táblázatba nem menthető.");
        return false;
    }
    // libxlsxwriter prints numbers, widths and margins with printf.
    const CNumericScope cNumbers;
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook *book = workbook_new(file.constData());
    if (!book) {
        if (error) *error = QStringLiteral("A(z) %1 fájl nem írható.").arg(fileName);
        return false;
    }
    QString sheetName = QFileInfo(name).completeBaseName().left(31);
    if (sheetName.isEmpty()) sheetName = QStringLiteral("Kimutatás");
    lxw_worksheet *sheet = workbook_add_worksheet(book, sheetName.toUtf8().constData());
    lxw_format *header = workbook_add_format(book);
    format_set_bold(header);
    format_set_text_wrap(header);
    format_set_align(header, LXW_ALIGN_VERTICAL_TOP);
    QHash<QByteArray, lxw_format *> formats;
    auto numberStyle = [&](const TableCell &c) -> lxw_format * {
        if (c.decimals < 0) return nullptr;   // general form, as printed
        const QByteArray key = numberFormat(c.decimals, c.grouped);
        lxw_format *&f = formats[key];
        if (!f) {
            f = workbook_add_format(book);
            format_set_num_format(f, key.constData());
        }
        return f;
    };

    QList<double> widths;   // characters
    lxw_row_t row = 0;
    forEachTableRow([&](const QList<TableCell> &cells) {
        for (int c = 0; c < cells.size(); ++c) {
            const TableCell &cell = cells[c];
            double chars = 0;
            if (row == 0) {
                if (!cell.text.isEmpty())
                    worksheet_write_string(sheet, row, lxw_col_t(c), cell.text.toUtf8().constData(), header);
                // A heading may take two lines in its column.
                chars = std::max<double>(8, cell.text.size() / 2.0 + 1);
            } else if (cell.numeric) {
                worksheet_write_number(sheet, row, lxw_col_t(c), cell.value, numberStyle(cell));
                chars = (cell.decimals < 0 ? cell.text : formatNumber(cell.value, cell.decimals, cell.grouped)).size();
            } else if (!cell.text.isEmpty()) {
                worksheet_write_string(sheet, row, lxw_col_t(c), cell.text.toUtf8().constData(), nullptr);
                chars = cell.text.size();
            }
            if (widths.size() <= c) widths.resize(c + 1, 0);
            widths[c] = std::max(widths[c], chars);
        }
        ++row;
    });
    for (int c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::min(60.0, widths[c] + 2), nullptr);
    worksheet_freeze_panes(sheet, 1, 0);
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR) {
        if (error) *error = QStringLiteral("A(z) %1 fájl nem írható.").arg(fileName);
        return false;
    }
    return true;
}

} // namespace report
