#include "report/PreparedReport.h"
#include "report/Format.h"
#include "report/PageFont.h"
#include "report/TextFit.h"
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace report {

TextStyle textStyle(const CellShape &c)
{
    TextStyle s;
    s.size = c.fontSize;
    s.bold = c.has(CellShape::Bold);
    s.italic = c.has(CellShape::Italic);
    s.mono = c.has(CellShape::Mono);
    s.narrow = c.has(CellShape::Narrow);
    return s;
}
namespace {

constexpr quint32 kMagic = 0x5A525031;   // "ZRP1"
constexpr quint16 kVersion = 2;          // 2: rows kept as values and shapes
constexpr QRgb kHighlight = 0xffffe14d;
constexpr QRgb kShade = 0xffe9ecef;
constexpr QRgb kLight = 0xffa8adb3;
constexpr QRgb kGrayText = 0xff555a60;
constexpr QRgb kBlack = 0xff000000;

int textFlags(const PageItem &it)
{
    int flags = Qt::AlignTop | Qt::TextDontClip;
    flags |= it.align == 1 ? Qt::AlignHCenter : it.align == 2 ? Qt::AlignRight : Qt::AlignLeft;
    if (it.wrap) flags |= Qt::TextWordWrap;
    return flags;
}

QRectF scaled(const QRectF &r, double f) { return QRectF(r.x() * f, r.y() * f, r.width() * f, r.height() * f); }

QString csvField(const QString &s)
{
    if (!s.contains(QLatin1Char(';')) && !s.contains(QLatin1Char('"')) && !s.contains(QLatin1Char('\n'))
        && !s.contains(QLatin1Char('\r')))
        return s;
    return QLatin1Char('"') + QString(s).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (error) *error = QStringLiteral("A(z) %1 fájl nem írható.").arg(QFileInfo(path).fileName());
        return false;
    }
    return true;
}

PageItem lineItem(double xa, double ya, double xb, double yb, double w, QRgb color)
{
    PageItem it;
    it.kind = PageItem::Line;
    it.rect = QRectF(QPointF(xa, ya), QPointF(xb, yb));
    it.lineWidth = float(w);
    it.color = color;
    return it;
}

// Lines along a row: the cells' own segments, joined where one ends where the next begins.
void appendJoined(QList<PageItem> &items, QList<PageItem> &segments)
{
    for (int i = 0; i < segments.size(); ++i) {
        PageItem line = segments[i];
        while (i + 1 < segments.size()) {
            const PageItem &next = segments[i + 1];
            if (std::abs(next.rect.left() - line.rect.right()) > 0.01 || next.lineWidth != line.lineWidth
                || next.color != line.color)
                break;
            line.rect.setRight(next.rect.right());
            ++i;
        }
        items.append(line);
    }
    segments.clear();
}

} // namespace

QFont itemFont(const QString &family, const PageItem &it, double pointSize)
{
    QFont f(it.mono ? pageMonoFamily() : family);
    f.setStyleHint(it.mono ? QFont::TypeWriter : QFont::SansSerif);
    f.setPointSizeF(std::max(0.01, pointSize));
    f.setBold(it.bold);
    f.setItalic(it.italic);
    if (it.narrow) f.setStretch(QFont::SemiCondensed);
    return f;
}

QString PreparedReport::cellText(const CellShape &shape, CellValue value) const
{
    if (value.isText()) return texts.value(qsizetype(value.textIndex()));
    return shape.decimals < 0 ? generalNumber(value.number())
                              : formatNumber(value.number(), shape.decimals, shape.grouped);
}

QList<PageItem> PreparedReport::pageItems(int page) const
{
    if (page < 0 || page >= pages.size()) return {};
    const PreparedPage &pg = pages[page];
    QList<PageItem> items = pg.items;
    QList<PageItem> fills, textItems, lines, over, under;
    for (const PrintedRow &r : pg.rows) {
        const RowShape &shape = shapes[r.shape];
        for (int i = 0; i < shape.cells.size(); ++i) {
            const CellShape &c = shape.cells[i];
            const QRectF cell(c.left, r.top, c.width, r.height);
            if (c.has(CellShape::Shade)) {
                PageItem f;
                f.kind = PageItem::Fill;
                f.rect = cell;
                f.color = kShade;
                fills.append(f);
            }
            const QString text = cellText(c, values[r.first + i]);
            if (!text.isEmpty()) {
                const TextStyle style = textStyle(c);
                const double avail = std::max(0.5, c.width - 2 * kCellPadH);
                const FittedText fit = fitText(fontFamily, style, c.has(CellShape::Wrap), text, avail);
                PageItem it;
                it.kind = PageItem::Text;
                it.text = fit.text;
                // Texts sit in the middle of their row, whatever their line count.
                it.rect = QRectF(c.left + kCellPadH, r.top + (r.height - fit.heightMm) / 2, avail, fit.heightMm);
                it.fontSize = float(fit.fontSize);
                it.align = c.align < 3 ? c.align : looksNumeric(text) ? 2 : 0;
                it.bold = style.bold;
                it.italic = style.italic;
                it.mono = style.mono;
                it.narrow = style.narrow;
                it.wrap = c.has(CellShape::Wrap);
                it.color = c.has(CellShape::Gray) ? kGrayText : kBlack;
                textItems.append(it);
            }
            const QRgb lc = c.has(CellShape::Light) ? kLight : kBlack;
            if (c.has(CellShape::Box)) {
                const double w = 0.15;
                lines << lineItem(cell.left(), cell.top(), cell.right(), cell.top(), w, lc)
                      << lineItem(cell.left(), cell.bottom(), cell.right(), cell.bottom(), w, lc)
                      << lineItem(cell.left(), cell.top(), cell.left(), cell.bottom(), w, lc)
                      << lineItem(cell.right(), cell.top(), cell.right(), cell.bottom(), w, lc);
            }
            if (c.over > 0) over << lineItem(cell.left(), cell.top(), cell.right(), cell.top(), c.over, lc);
            if (c.under > 0) under << lineItem(cell.left(), cell.bottom(), cell.right(), cell.bottom(), c.under, lc);
        }
        appendJoined(lines, over);
        appendJoined(lines, under);
    }
    // Shading under the texts, lines over both.
    items << fills << textItems << lines;
    return items;
}

void PreparedReport::paintPage(QPainter &p, int page, double pxPerMm, const FindHit *hit) const
{
    if (page < 0 || page >= pages.size()) return;
    const int dpiY = p.device() ? p.device()->logicalDpiY() : 96;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QList<PageItem> items = pageItems(page);
    for (int i = 0; i < items.size(); ++i) {
        const PageItem &it = items[i];
        switch (it.kind) {
        case PageItem::Fill:
            p.fillRect(scaled(it.rect, pxPerMm), QColor::fromRgba(it.color));
            break;
        case PageItem::Line: {
            QPen pen(QColor::fromRgba(it.color), std::max(0.5, it.lineWidth * pxPerMm));
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawLine(QPointF(it.rect.left(), it.rect.top()) * pxPerMm,
                       QPointF(it.rect.right(), it.rect.bottom()) * pxPerMm);
            break;
        }
        case PageItem::Text: {
            // Points on paper -> pixels at this scale -> the point size this device needs for them.
            const QFont f = itemFont(fontFamily, it, it.fontSize * 25.4 / 72.0 * pxPerMm * 72.0 / std::max(1, dpiY));
            p.setFont(f);
            const QRectF r = scaled(it.rect, pxPerMm);
            if (hit && hit->page == page && hit->item == i) {
                QRectF mark = r;
                if (!it.wrap && !it.text.contains(QLatin1Char('\n'))) {
                    const QFontMetricsF fm(f, p.device());
                    const double w = fm.horizontalAdvance(it.text);
                    const double left = it.align == 1 ? r.center().x() - w / 2 : it.align == 2 ? r.right() - w : r.left();
                    mark = QRectF(left + fm.horizontalAdvance(it.text.left(hit->start)), r.top(),
                                  fm.horizontalAdvance(it.text.mid(hit->start, hit->length)), fm.height());
                }
                p.fillRect(mark.adjusted(-1, -1, 1, 1), QColor::fromRgba(kHighlight));
            }
            p.setPen(QColor::fromRgba(it.color));
            p.drawText(r, textFlags(it), it.text);
            break;
        }
        }
    }
    p.restore();
}

void PreparedReport::paintPages(QPagedPaintDevice &device, int first, int last) const
{
    QPainter p;
    if (!p.begin(&device)) return;
    const double f = device.logicalDpiX() / 25.4;
    first = std::max(0, first);
    last = std::min(last, pageCount() - 1);
    for (int i = first; i <= last; ++i) {
        if (i > first) device.newPage();
        paintPage(p, i, f);
    }
    p.end();
}

QList<FindHit> PreparedReport::findAll(const QString &needle) const
{
    QList<FindHit> hits;
    if (needle.isEmpty()) return hits;
    for (int pg = 0; pg < pages.size(); ++pg) {
        const QList<PageItem> items = pageItems(pg);
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].kind != PageItem::Text) continue;
            for (qsizetype at = items[i].text.indexOf(needle, 0, Qt::CaseInsensitive); at >= 0;
                 at = items[i].text.indexOf(needle, at + needle.size(), Qt::CaseInsensitive))
                hits.append({pg, i, int(at), int(needle.size())});
        }
    }
    return hits;
}

QString PreparedReport::toPlainText() const
{
    QStringList out;
    for (int pg = 0; pg < pages.size(); ++pg) {
        if (pg > 0) out.append(QStringLiteral("\f"));
        const QList<PageItem> items = pageItems(pg);
        QList<const PageItem *> texts;
        for (const PageItem &it : items)
            if (it.kind == PageItem::Text) texts.append(&it);
        // A printed line: items whose first text lines share a middle.
        const auto mid = [](const PageItem *it) {
            const int lines = int(it->text.count(QLatin1Char('\n'))) + 1;
            return it->rect.top() + (it->wrap ? 1.5 : it->rect.height() / lines / 2);
        };
        std::stable_sort(texts.begin(), texts.end(), [&](const PageItem *a, const PageItem *b) {
            const double ma = mid(a), mb = mid(b);
            if (std::abs(ma - mb) > 1.2) return ma < mb;
            return a->rect.left() < b->rect.left();
        });
        QStringList line;
        double lineMid = -1e9;
        for (const PageItem *it : texts) {
            if (!line.isEmpty() && std::abs(mid(it) - lineMid) > 1.2) {
                out.append(line.join(QLatin1Char('\t')));
                line.clear();
            }
            if (line.isEmpty()) lineMid = mid(it);
            line.append(QString(it->text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
        if (!line.isEmpty()) out.append(line.join(QLatin1Char('\t')));
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool PreparedReport::writePdf(const QString &path, QString *error) const
{
    {
        // QPdfWriter does not tell when it cannot create the file.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (error) *error = QStringLiteral("A(z) %1 fájl nem írható.").arg(QFileInfo(path).fileName());
            return false;
        }
    }
    QPdfWriter writer(path);
    const QSizeF portrait(std::min(pageSizeMm.width(), pageSizeMm.height()),
                          std::max(pageSizeMm.width(), pageSizeMm.height()));
    writer.setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    writer.setResolution(600);
    writer.setTitle(name);
    writer.setCreator(QStringLiteral("Zelkor"));
    paintPages(writer, 0, pageCount() - 1);
    if (QFileInfo(path).size() == 0) {
        if (error) *error = QStringLiteral("A(z) %1 fájl nem írható.").arg(QFileInfo(path).fileName());
        return false;
    }
    return true;
}

void PreparedReport::forEachTableRow(const std::function<void(const QList<TableCell> &)> &visit) const
{
    if (!hasTable) return;
    QList<TableCell> cells;
    bool first = true, pending = false, header = false, joined = false;
    QList<bool> keep;   // the columns of a joined heading that have a heading
    auto flush = [&] {
        if (!pending) return;
        if (header && joined)
            for (const TableCell &c : cells) keep.append(!c.text.isEmpty());
        if (!keep.isEmpty()) {
            QList<TableCell> kept;
            for (int i = 0; i < cells.size(); ++i)
                if (keep.value(i, true)) kept.append(cells[i]);
            cells = kept;
        }
        visit(cells);
        cells.clear();
        pending = false;
    };
    for (const PreparedPage &pg : pages) {
        for (const PrintedRow &r : pg.rows) {
            if (!(r.flags & (PrintedRow::TableHeader | PrintedRow::TableRow))) continue;
            if (!pending || !(r.flags & PrintedRow::TableJoin)) {
                flush();
                // A list without a header still has its (empty) header line.
                if (first && !(r.flags & PrintedRow::TableHeader)) visit({});
                first = false;
                pending = true;
                header = r.flags & PrintedRow::TableHeader;
            } else if (header) {
                joined = true;
            }
            const RowShape &shape = shapes[r.shape];
            for (int i = 0; i < shape.cells.size(); ++i) {
                const CellShape &c = shape.cells[i];
                const CellValue v = values[r.first + i];
                TableCell cell;
                if (v.isText()) {
                    // Soft hyphens only help a heading fit its printed cell.
                    cell.text = QString(texts.value(qsizetype(v.textIndex())))
                                    .remove(QChar(0x00AD))
                                    .replace(QLatin1Char('\n'), QLatin1Char(' '))
                                    .simplified();
                } else {
                    cell.numeric = true;
                    cell.value = v.number();
                    cell.decimals = c.decimals;
                    cell.grouped = c.grouped;
                    cell.text = c.decimals < 0 ? generalNumber(cell.value) : formatNumber(cell.value, c.decimals, false);
                }
                cells.append(cell);
                for (int k = 1; k < c.span; ++k) cells.append(TableCell{});
            }
        }
    }
    flush();
    if (first) visit({});
}

QList<QStringList> PreparedReport::tableTexts() const
{
    QList<QStringList> rows;
    forEachTableRow([&rows](const QList<TableCell> &cells) {
        QStringList row;
        for (const TableCell &c : cells) row << c.text;
        rows << row;
    });
    return rows;
}

QByteArray PreparedReport::toCsv() const
{
    QByteArray bytes("\xEF\xBB\xBF");
    forEachTableRow([&bytes](const QList<TableCell> &cells) {
        QStringList fields;
        for (const TableCell &cell : cells) fields.append(csvField(QString(cell.text).replace(QChar(0x00A0), QLatin1Char(' '))));
        bytes += fields.join(QLatin1Char(';')).toUtf8();
        bytes += "\r\n";
    });
    return bytes;
}

bool PreparedReport::writeCsv(const QString &path, QString *error) const
{
    if (!isListReport()) {
        if (error) *error = QStringLiteral("Ez a kimutatás nem lista, táblázatba nem menthető.");
        return false;
    }
    return writeBytes(path, toCsv(), error);
}

QByteArray PreparedReport::serialize() const
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << kMagic << kVersion << name << pageSizeMm << landscape << fontFamily << hasTable << texts;
    s << qint32(shapes.size());
    for (const RowShape &shape : shapes) {
        s << qint32(shape.cells.size());
        for (const CellShape &c : shape.cells)
            s << c.left << c.width << c.fontSize << c.over << c.under << c.flags << c.align << c.span << c.decimals
              << c.grouped;
    }
    s << qint32(values.size());
    for (const CellValue v : values) s << v.bits();
    s << qint32(pages.size());
    for (const PreparedPage &p : pages) {
        s << qint32(p.items.size());
        for (const PageItem &it : p.items)
            s << quint8(it.kind) << it.rect << it.text << it.fontSize << it.align << it.bold << it.italic
              << it.mono << it.wrap << it.narrow << it.lineWidth << quint32(it.color);
        s << qint32(p.rows.size());
        for (const PrintedRow &r : p.rows) s << r.top << r.height << r.first << r.shape << r.flags;
    }
    return bytes;
}

bool PreparedReport::deserialize(const QByteArray &data)
{
    QDataStream s(data);
    s.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    s >> magic >> version;
    if (magic != kMagic || version != kVersion) return false;
    PreparedReport r;
    s >> r.name >> r.pageSizeMm >> r.landscape >> r.fontFamily >> r.hasTable >> r.texts;
    if (s.status() != QDataStream::Ok || r.texts.isEmpty() || !r.texts.first().isEmpty()) return false;
    const auto count = [&s](qint32 limit) {
        qint32 n = -1;
        s >> n;
        return s.status() == QDataStream::Ok && n >= 0 && n <= limit ? n : -1;
    };
    const qint32 shapeCount = count(0xFFFF);
    if (shapeCount < 0) return false;
    for (qint32 i = 0; i < shapeCount; ++i) {
        const qint32 n = count(10000);
        if (n < 0) return false;
        RowShape shape;
        for (qint32 j = 0; j < n; ++j) {
            CellShape c;
            s >> c.left >> c.width >> c.fontSize >> c.over >> c.under >> c.flags >> c.align >> c.span >> c.decimals
              >> c.grouped;
            shape.cells.append(c);
        }
        r.shapes.append(shape);
    }
    const qint32 valueCount = count(std::numeric_limits<qint32>::max());
    if (valueCount < 0) return false;
    r.values.reserve(valueCount);
    for (qint32 i = 0; i < valueCount; ++i) {
        quint64 bits = 0;
        s >> bits;
        const CellValue v = CellValue::fromBits(bits);
        if (v.isText() && v.textIndex() >= quint32(r.texts.size())) return false;
        r.values.append(v);
    }
    const qint32 pageCount = count(100000);
    if (pageCount < 0) return false;
    for (qint32 i = 0; i < pageCount; ++i) {
        PreparedPage page;
        const qint32 n = count(10000000);
        if (n < 0) return false;
        for (qint32 j = 0; j < n; ++j) {
            PageItem it;
            quint8 kind = 0;
            quint32 color = 0;
            s >> kind >> it.rect >> it.text >> it.fontSize >> it.align >> it.bold >> it.italic >> it.mono
              >> it.wrap >> it.narrow >> it.lineWidth >> color;
            if (s.status() != QDataStream::Ok || kind > PageItem::Fill) return false;
            it.kind = PageItem::Kind(kind);
            it.color = color;
            page.items.append(it);
        }
        const qint32 rows = count(10000000);
        if (rows < 0) return false;
        for (qint32 j = 0; j < rows; ++j) {
            PrintedRow row;
            s >> row.top >> row.height >> row.first >> row.shape >> row.flags;
            if (s.status() != QDataStream::Ok || row.shape >= r.shapes.size()
                || qint64(row.first) + r.shapes[row.shape].cells.size() > r.values.size())
                return false;
            page.rows.append(row);
        }
        r.pages.append(page);
    }
    if (s.status() != QDataStream::Ok || !s.atEnd() || r.pages.isEmpty()) return false;
    *this = std::move(r);
    return true;
}

bool PreparedReport::save(const QString &path, QString *error) const
{
    return writeBytes(path, serialize(), error);
}

bool PreparedReport::load(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("A(z) %1 fájl nem olvasható.").arg(QFileInfo(path).fileName());
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (!deserialize(bytes)) {
        QDataStream head(bytes);
        quint32 magic = 0;
        quint16 version = 0;
        head >> magic >> version;
        if (error)
            *error = magic == kMagic && version < kVersion
                ? QStringLiteral("A(z) %1 fájlt a program egy korábbi változata mentette, ez nem nyitja meg.")
                      .arg(QFileInfo(path).fileName())
                : QStringLiteral("A(z) %1 fájl nem mentett kimutatás, vagy sérült.").arg(QFileInfo(path).fileName());
        return false;
    }
    return true;
}

} // namespace report
