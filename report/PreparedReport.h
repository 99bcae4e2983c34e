#pragma once
// A prepared report: its pages in millimetres, kept lean for lists of tens of
// thousands of lines. A printed row is stored as its cells' values and the
// index of its shape (positions and style, shared by every row printed from
// one template row); the texts, lines and shading of a page are made from
// them when the page is drawn, searched or written. Rules and anything that
// is no row stay positioned items. The rows of a list report are also the
// table behind the CSV and Excel export. It can be saved and loaded again in
// the program's own format (*.zrp).
#include <QFont>
#include <QList>
#include <QRectF>
#include <QRgb>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstring>
#include <functional>

class QPainter;
class QPagedPaintDevice;

namespace report {

struct PageItem;
// The font of a text item at pointSize points on its device.
QFont itemFont(const QString &family, const PageItem &item, double pointSize);

// What is drawn: a text, a line or a shaded area.
struct PageItem {
    enum Kind : quint8 { Text = 0, Line = 1, Fill = 2 };
    Kind kind = Text;
    QRectF rect;            // mm from the page's top-left corner; a line runs topLeft -> bottomRight
    QString text;
    float fontSize = 9;     // points
    quint8 align = 0;       // 0 left, 1 centre, 2 right
    bool bold = false;
    bool italic = false;
    bool mono = false;
    bool wrap = false;
    bool narrow = false;    // semi-condensed face
    float lineWidth = 0.2f; // mm
    QRgb color = 0xff000000;
};

// One cell of a row shape.
struct CellShape {
    enum Flag : quint16 {
        Bold = 1, Italic = 2, Mono = 4, Wrap = 8, Narrow = 16, Gray = 32, Shade = 64, Box = 128, Light = 256
    };
    float left = 0, width = 0;  // the cell, mm from the page's left edge
    float fontSize = 9;         // points
    float over = 0, under = 0;  // lines above and below, mm thick; 0: none
    quint16 flags = 0;
    quint8 align = 0;           // 0 left, 1 centre, 2 right, 3 by the text (numbers right)
    quint8 span = 1;            // table columns it covers
    qint8 decimals = -1;        // a number's decimals; -1: its general form
    bool grouped = false;       // blanks between thousands
    bool has(Flag f) const { return flags & f; }
};

struct RowShape {
    QList<CellShape> cells;
};

struct TextStyle;
// The face a cell's text is measured and drawn with.
TextStyle textStyle(const CellShape &c);

// A cell's value in eight bytes: a number, or the index of its text in the
// report's text list, kept in the payload of a NaN (no stored number is NaN).
class CellValue {
public:
    static CellValue number(double v)
    {
        CellValue c;
        if (std::isnan(v)) return text(0);
        std::memcpy(&c.m_bits, &v, sizeof v);
        return c;
    }
    static CellValue text(quint32 index)
    {
        CellValue c;
        c.m_bits = kTextTag | index;
        return c;
    }
    bool isText() const { return (m_bits & kTagMask) == kTextTag; }
    quint32 textIndex() const { return quint32(m_bits); }
    double number() const
    {
        double v;
        std::memcpy(&v, &m_bits, sizeof v);
        return v;
    }
    quint64 bits() const { return m_bits; }
    static CellValue fromBits(quint64 b)
    {
        CellValue c;
        c.m_bits = b;
        return c;
    }

private:
    static constexpr quint64 kTagMask = 0xFFFFFFFF00000000ull;
    static constexpr quint64 kTextTag = 0x7FF9A5A500000000ull;   // a quiet NaN no arithmetic makes
    quint64 m_bits = kTextTag;
};

// A row as printed.
struct PrintedRow {
    enum Flag : quint16 { TableHeader = 1, TableRow = 2, TableJoin = 4 };   // TableJoin: continues the row above
    float top = 0, height = 0;   // mm
    quint32 first = 0;           // its values start here in the report's values
    quint16 shape = 0;
    quint16 flags = 0;           // part of the export table
};

struct PreparedPage {
    QList<PageItem> items;
    QList<PrintedRow> rows;
};

// One occurrence of a searched text; item indexes pageItems(page).
struct FindHit {
    int page = -1;
    int item = -1;
    int start = 0;
    int length = 0;
};

// A cell of the export table.
struct TableCell {
    QString text;           // as in the CSV: numbers with decimal comma, no thousands blanks
    bool numeric = false;   // number: value at full precision, printed with decimals (-1: general)
    double value = 0;
    int decimals = -1;
    bool grouped = false;
};

class PreparedReport {
public:
    QString name;               // the template's file name
    QSizeF pageSizeMm{210, 297};   // as printed (landscape: wider than high)
    bool landscape = false;
    QString fontFamily;
    QList<PreparedPage> pages;
    QList<RowShape> shapes;
    QList<CellValue> values;    // the printed rows' cells
    QStringList texts;          // texts of the cells, each once; texts[0] is empty
    bool hasTable = false;      // a list report: its rows form the export table
    // Variables the template asked for that nobody supplied (printed empty);
    // not saved with the report.
    QStringList missingVariables;

    int pageCount() const { return int(pages.size()); }
    bool isListReport() const { return hasTable; }

    // The page's texts, lines and shaded areas as drawn, its rows included.
    QList<PageItem> pageItems(int page) const;
    // The text a cell prints (before it is fitted into its cell).
    QString cellText(const CellShape &shape, CellValue value) const;

    // Paints one page with pxPerMm device pixels per millimetre, from the
    // painter's origin; hit (when on this page) is highlighted.
    void paintPage(QPainter &painter, int page, double pxPerMm, const FindHit *hit = nullptr) const;
    // Paints the pages first..last (0-based) on a printer or PDF writer that
    // has been set up with pageLayout-compatible size, one sheet each.
    void paintPages(QPagedPaintDevice &device, int first, int last) const;

    // Every occurrence of needle (case-insensitive), in page and reading order.
    QList<FindHit> findAll(const QString &needle) const;

    // The pages' texts, a line per printed line, cells separated by tabs,
    // pages by a form feed line.
    QString toPlainText() const;

    // The export table row by row: the last header row first (an empty row
    // when the list has no header), then the list's rows and its footer rows.
    // Printed rows joined to the one above form one table row; in a table
    // whose heading is joined so, a column with an empty heading is left out.
    void forEachTableRow(const std::function<void(const QList<TableCell> &)> &visit) const;
    QList<QStringList> tableTexts() const;
    // ";" separated, decimal comma, UTF-8 with byte order mark, CR LF lines.
    QByteArray toCsv() const;

    // Each returns false and sets *error (Hungarian) when it fails.
    bool writePdf(const QString &path, QString *error) const;
    // An Excel workbook of the export table: numbers as numbers at full
    // precision in their printed format, the header row frozen.
    bool writeXlsx(const QString &path, QString *error) const;
    bool writeCsv(const QString &path, QString *error) const;
    bool save(const QString &path, QString *error) const;
    bool load(const QString &path, QString *error);

    QByteArray serialize() const;
    bool deserialize(const QByteArray &data);
};

} // namespace report
