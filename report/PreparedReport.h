#pragma once
// A prepared report: its pages as positioned texts, lines and shaded areas in
// millimetres, and for list reports the table behind the CSV export. It can be
// painted on any device, written as PDF, CSV or plain text, and saved and
// loaded again in the program's own format (*.zrp).
#include <QFont>
#include <QList>
#include <QRectF>
#include <QRgb>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;

namespace report {

struct PageItem;
// The font of a text item at pointSize points on its device.
QFont itemFont(const QString &family, const PageItem &item, double pointSize);

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

struct PreparedPage {
    QList<PageItem> items;
};

// One occurrence of a searched text.
struct FindHit {
    int page = -1;
    int item = -1;
    int start = 0;
    int length = 0;
};

class PreparedReport {
public:
    QString name;               // the template's file name
    QSizeF pageSizeMm{210, 297};   // as printed (landscape: wider than high)
    bool landscape = false;
    QString fontFamily;
    QList<PreparedPage> pages;
    // Export table of a list report: the header row first, then the rows.
    QList<QStringList> table;
    // Variables the template asked for that nobody supplied (printed empty);
    // not saved with the report.
    QStringList missingVariables;

    int pageCount() const { return int(pages.size()); }
    bool isListReport() const { return !table.isEmpty(); }

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
    // ";" separated, decimal comma, UTF-8 with byte order mark, CR LF lines.
    QByteArray toCsv() const;

    // Each returns false and sets *error (Hungarian) when it fails.
    bool writePdf(const QString &path, QString *error) const;
    bool writeCsv(const QString &path, QString *error) const;
    bool save(const QString &path, QString *error) const;
    bool load(const QString &path, QString *error);

    QByteArray serialize() const;
    bool deserialize(const QByteArray &data);
};

} // namespace report
