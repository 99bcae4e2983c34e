#include "report/LayoutCheck.h"
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <algorithm>

namespace report {
namespace {

// The resolution the builder measures texts at when it lays out a page.
constexpr double kRefDpi = 1200;
constexpr double kTolerance = 0.05;   // mm; rounding of the measurements

const QImage &referenceDevice()
{
    static const QImage ref = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(int(kRefDpi / 0.0254));
        img.setDotsPerMeterY(int(kRefDpi / 0.0254));
        return img;
    }();
    return ref;
}

QString quoted(const QString &text)
{
    QString t = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (t.size() > 40) t = t.left(39) + QChar(0x2026);
    return QStringLiteral("„%1”").arg(t);
}

QString mmText(double v) { return QString::number(v, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); }

} // namespace

QRectF textExtent(const QString &family, const PageItem &it)
{
    const QFontMetricsF fm(itemFont(family, it, it.fontSize), &referenceDevice());
    const double px = kRefDpi / 25.4;
    // The same rectangle and flags the painter draws the text with.
    int flags = Qt::AlignTop | (it.align == 1 ? Qt::AlignHCenter : it.align == 2 ? Qt::AlignRight : Qt::AlignLeft);
    if (it.wrap) flags |= Qt::TextWordWrap;
    const QRectF area(it.rect.left() * px, it.rect.top() * px, it.rect.width() * px, it.rect.height() * px);
    const QRectF b = fm.boundingRect(area, flags, it.text);
    return QRectF(b.left() / px, b.top() / px, b.width() / px, b.height() / px);
}

QStringList layoutFaults(const PreparedReport &report)
{
    QStringList faults;
    for (int pg = 0; pg < report.pages.size(); ++pg) {
        const QString where = QStringLiteral("%1. oldal: ").arg(pg + 1);
        QList<const PageItem *> texts;
        QList<QRectF> extents;
        const QList<PageItem> items = report.pageItems(pg);
        for (const PageItem &it : items) {
            if (it.kind != PageItem::Text || it.text.trimmed().isEmpty()) continue;
            const QRectF e = textExtent(report.fontFamily, it);
            // The engine ends a text that does not fit its cell with "…".
            for (const QString &line : it.text.split(QLatin1Char('\n')))
                if (line.endsWith(QChar(0x2026))) {
                    faults << where + quoted(it.text) + QStringLiteral(" csonka");
                    break;
                }
            if (e.left() < it.rect.left() - kTolerance || e.right() > it.rect.right() + kTolerance)
                faults << where + quoted(it.text)
                              + QStringLiteral(" kilóg a cellájából (%1 mm széles, a helye %2 mm)")
                                    .arg(mmText(e.width()), mmText(it.rect.width()));
            texts << &it;
            extents << e;
        }
        // Texts in reading order: only those whose lines overlap can touch.
        QList<int> order(texts.size());
        for (int i = 0; i < order.size(); ++i) order[i] = i;
        std::sort(order.begin(), order.end(), [&](int a, int b) { return extents[a].top() < extents[b].top(); });
        for (int i = 0; i < order.size(); ++i) {
            const QRectF &a = extents[order[i]];
            for (int j = i + 1; j < order.size(); ++j) {
                const QRectF &b = extents[order[j]];
                if (b.top() >= a.bottom()) break;
                if (a.intersects(b))
                    faults << where + quoted(texts[order[i]]->text) + QStringLiteral(" és ")
                                  + quoted(texts[order[j]]->text) + QStringLiteral(" összeér");
            }
        }
    }
    // A fault of a repeated row once, with its count.
    QStringList once;
    QHash<QString, int> seen;
    for (const QString &f : faults)
        if (seen[f]++ == 0) once << f;
    for (QString &f : once)
        if (seen[f] > 1) f += QStringLiteral(" (%1 helyen)").arg(seen[f]);
    return once;
}

} // namespace report
