#include "report/PreparedReport.h"
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
namespace {

constexpr quint32 kMagic = 0x5A525031;   // "ZRP1"
constexpr quint16 kVersion = 1;
constexpr QRgb kHighlight = 0xffffe14d;

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

} // namespace

QFont itemFont(const QString &family, const PageItem &it, double pointSize)
{
    QFont f(it.mono ? QStringLiteral("Courier New") : family);
    f.setStyleHint(it.mono ? QFont::TypeWriter : QFont::SansSerif);
    f.setPointSizeF(std::max(0.01, pointSize));
    f.setBold(it.bold);
    f.setItalic(it.italic);
    if (it.narrow) f.setStretch(QFont::SemiCondensed);
    return f;
}

void PreparedReport::paintPage(QPainter &p, int page, double pxPerMm, const FindHit *hit) const
{
    if (page < 0 || page >= pages.size()) return;
    const int dpiY = p.device() ? p.device()->logicalDpiY() : 96;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QList<PageItem> &items = pages[page].items;
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
        const QList<PageItem> &items = pages[pg].items;
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
        QList<const PageItem *> texts;
        for (const PageItem &it : pages[pg].items)
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

QByteArray PreparedReport::toCsv() const
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QStringList &row : table) {
        QStringList fields;
        for (const QString &cell : row) fields.append(csvField(QString(cell).replace(QChar(0x00A0), QLatin1Char(' '))));
        bytes += fields.join(QLatin1Char(';')).toUtf8();
        bytes += "\r\n";
    }
    return bytes;
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
    s << kMagic << kVersion << name << pageSizeMm << landscape << fontFamily << qint32(pages.size());
    for (const PreparedPage &p : pages) {
        s << qint32(p.items.size());
        for (const PageItem &it : p.items)
            s << quint8(it.kind) << it.rect << it.text << it.fontSize << it.align << it.bold << it.italic
              << it.mono << it.wrap << it.narrow << it.lineWidth << quint32(it.color);
    }
    s << table;
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
    qint32 pageCount = 0;
    s >> r.name >> r.pageSizeMm >> r.landscape >> r.fontFamily >> pageCount;
    if (s.status() != QDataStream::Ok || pageCount < 0 || pageCount > 100000) return false;
    for (qint32 i = 0; i < pageCount; ++i) {
        qint32 n = 0;
        s >> n;
        if (s.status() != QDataStream::Ok || n < 0 || n > 10000000) return false;
        PreparedPage page;
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
        r.pages.append(page);
    }
    s >> r.table;
    if (s.status() != QDataStream::Ok || !s.atEnd() || r.pages.isEmpty()) return false;
    *this = r;
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
    if (!deserialize(f.readAll())) {
        if (error) *error = QStringLiteral("A(z) %1 fájl nem mentett kimutatás, vagy sérült.").arg(QFileInfo(path).fileName());
        return false;
    }
    return true;
}

} // namespace report
