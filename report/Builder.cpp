#include "report/Builder.h"
#include "report/Format.h"
#include "report/Report.h"
#include <QDate>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <map>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTime>
#include <cmath>

namespace report {

using tpl::Element;
using tpl::Segment;

QString defaultFontFamily()
{
    static const QString family = [] {
        // Arial where it exists; elsewhere a face with its metrics (fontconfig
        // lists some with a foundry suffix, "Nimbus Sans [urw]").
        const QStringList have = QFontDatabase::families();
        for (const char *f : {"Arial", "Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica", "DejaVu Sans"}) {
            const QString name = QString::fromLatin1(f);
            for (const QString &h : have)
                if (h == name || h.startsWith(name + QLatin1String(" ["))) return name;
        }
        return QFont().defaultFamily();
    }();
    return family;
}

namespace {

// Placeholders for the page number and count, known only when every page is laid out.
const QChar kPageMark(0xE001);
const QChar kPagesMark(0xE000);
constexpr double kPadH = 0.8;    // mm between a cell's edge and its text
constexpr double kPadV = 0.55;
constexpr double kBandGap = 2.5; // mm between the page header/footer and the body
constexpr double kRefDpi = 1200;
constexpr QRgb kShade = 0xffe9ecef;
constexpr QRgb kLight = 0xffa8adb3;
constexpr QRgb kGrayText = 0xff555a60;

struct CellBox {
    QRectF rect;        // the cell, mm
    QRectF textRect;    // where its text goes, mm
    QString text;       // as printed (elided when too long)
    QString csv;        // as exported
    const tpl::CellStyle *st = nullptr;
    double fontSize = 9;
    int align = 0;
    int span = 1;
};

struct RowBox {
    QList<CellBox> cells;
    double height = 0;
};

bool looksNumeric(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("^\\s*-?[0-9\\x{00A0} ]*[0-9]([,.][0-9]+)?\\s*$"));
    return re.match(s).hasMatch();
}

class Builder {
public:
    Builder(const tpl::Template &t, const ReportInputs &in, bool landscape)
        : t(t), in(in), ref(1, 1, QImage::Format_RGB32)
    {
        ref.setDotsPerMeterX(int(kRefDpi / 0.0254));
        ref.setDotsPerMeterY(int(kRefDpi / 0.0254));
        family = t.fontFamily.isEmpty() ? defaultFontFamily() : t.fontFamily;
        out.name = t.name;
        out.landscape = landscape;
        out.fontFamily = family;
        QSizeF p = t.pageMm;
        out.pageSizeMm = landscape ? QSizeF(p.height(), p.width()) : p;
        x0 = t.marginLeft;
        x1 = out.pageSizeMm.width() - t.marginRight;
        const tpl::Element *marked = nullptr;
        int lists = 0;
        for (const Element &e : t.body) {
            if (e.kind != Element::List) continue;
            ++lists;
            if (e.exportTable && !marked) marked = &e;
        }
        exportList = marked;
        if (!marked && lists == 1)
            for (const Element &e : t.body) if (e.kind == Element::List) exportList = &e;
    }

    PreparedReport run()
    {
        newPage();
        for (const Element &e : t.body) place(e, true);
        finish();
        out.missingVariables = QStringList(missing.begin(), missing.end());
        out.missingVariables.sort();
        return out;
    }

private:
    [[noreturn]] void fail(const QString &detail) const
    {
        throw ReportError(QStringLiteral("A(z) %1 kimutatás nem készíthető el: %2.").arg(t.name, detail));
    }

    // ---- sources and values ----
    const RowSource *source(const QString &name)
    {
        if (auto it = in.dataSets.constFind(name); it != in.dataSets.constEnd() && it.value()) return it.value();
        for (auto it = in.dataSets.constBegin(); it != in.dataSets.constEnd(); ++it)
            if (it.key().compare(name, Qt::CaseInsensitive) == 0 && it.value()) return it.value();
        fail(QStringLiteral("nincs „%1” nevű adatforrás").arg(name));
    }

    QString column(const QString &srcName, const RowSource *src, const QString &name)
    {
        auto &cols = columnCache[src];
        if (cols.isEmpty())
            for (const QString &c : src->columnNames()) cols.insert(c.toUpper(), c);
        auto it = cols.constFind(name.toUpper());
        if (it == cols.constEnd()) fail(QStringLiteral("a(z) „%1” adatforrásnak nincs „%2” mezője").arg(srcName, name));
        return it.value();
    }

    // A value before formatting; a number keeps its text for when no format applies.
    struct Value {
        QString text;
        bool numeric = false;
        double number = 0;
    };

    static void append(const Value &v, const Segment &seg, QString &display, QString &csv)
    {
        if (!v.numeric) {
            display += v.text;
            csv += v.text;
        } else if (seg.decimals < 0) {
            const QString g = v.text.isNull() ? generalNumber(v.number) : v.text;
            display += g;
            csv += g;
        } else {
            display += formatNumber(v.number, seg.decimals, seg.grouped);
            csv += formatNumber(v.number, seg.decimals, false);
        }
    }

    Value field(const Segment &seg)
    {
        const RowSource *src = source(seg.text);
        const QString col = column(seg.text, src, seg.column);
        const int row = currentRow.value(seg.text, 0);
        if (row < 0 || row >= src->rowCount()) return {};
        Value v;
        v.text = src->text(row, col);
        if (seg.decimals < 0 || v.text.trimmed().isEmpty()) return v;   // as stored: edit form
        bool ok = true;
        v.number = src->isNumeric(col) ? src->number(row, col) : parseNumber(v.text, &ok);
        v.numeric = ok;
        return v;
    }

    Value variable(const Segment &seg)
    {
        QVariant var;
        bool found = in.variableCallback && in.variableCallback(seg.text, var);
        if (!found) {
            auto it = in.variables.constFind(seg.text);
            if (it == in.variables.constEnd()) {
                missing.insert(seg.text);
                return {};
            }
            var = it.value();
        }
        Value v;
        switch (var.typeId()) {
        case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
        case QMetaType::LongLong: case QMetaType::ULongLong:
            v.numeric = true;
            v.number = var.toDouble();
            return v;
        default:
            break;
        }
        v.text = var.toString();
        if (seg.decimals >= 0 && !v.text.trimmed().isEmpty()) v.number = parseNumber(v.text, &v.numeric);
        return v;
    }

    // The text as printed and as exported (no thousands separators).
    void evaluate(const QList<Segment> &segs, QString &display, QString &csv)
    {
        display.clear();
        csv.clear();
        for (const Segment &seg : segs) {
            Value v;
            switch (seg.kind) {
            case Segment::Literal: v.text = seg.text; break;
            case Segment::Variable: v = variable(seg); break;
            case Segment::Field: v = field(seg); break;
            case Segment::Sum: {
                const RowSource *src = source(seg.text);
                const QString col = column(seg.text, src, seg.column);
                v.numeric = true;
                for (int r = 0; r < src->rowCount(); ++r) v.number += src->number(r, col);
                break;
            }
            case Segment::Count: v.text = QString::number(source(seg.text)->rowCount()); break;
            case Segment::Page: v.text = kPageMark; break;
            case Segment::Pages: v.text = kPagesMark; break;
            case Segment::Date: v.text = QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd.")); break;
            case Segment::Time: v.text = QTime::currentTime().toString(QStringLiteral("HH:mm")); break;
            case Segment::RowNumber: if (listRow >= 0) v.text = QString::number(listRow + 1); break;
            }
            append(v, seg, display, csv);
        }
    }

    bool conditionHolds(const Element &e)
    {
        if (!e.hasCondition) return true;
        QString display, csv;
        evaluate(e.condition, display, csv);
        return !csv.trimmed().isEmpty();
    }

    // ---- measuring ----
    QFont font(double size, const tpl::CellStyle &st) const
    {
        PageItem it;
        it.fontSize = float(size);
        it.bold = st.bold;
        it.italic = st.italic;
        it.mono = st.mono;
        it.narrow = st.narrow;
        return itemFont(family, it, size);
    }

    // Every cell of every row is measured: shaping each text costs most of
    // the preparation, so widths are summed from cached character advances
    // (without kerning, which only narrows, so a text that fits still fits).
    struct FontInfo {
        QFontMetricsF fm;
        QHash<char16_t, qreal> advance;
    };
    FontInfo &fontInfo(double size, const tpl::CellStyle &st)
    {
        const std::pair<double, int> key{size, int(st.bold) | int(st.italic) << 1 | int(st.mono) << 2
                                                   | int(st.narrow) << 3};
        auto it = m_fonts.find(key);
        if (it == m_fonts.end()) it = m_fonts.emplace(key, FontInfo{QFontMetricsF(font(size, st), &ref), {}}).first;
        return it->second;
    }
    static qreal textWidth(FontInfo &fi, const QString &s)
    {
        qreal w = 0;
        for (const QChar c : s) {
            auto it = fi.advance.constFind(c.unicode());
            if (it == fi.advance.constEnd()) it = fi.advance.insert(c.unicode(), fi.fm.horizontalAdvance(c));
            w += it.value();
        }
        return w;
    }
    std::map<std::pair<double, int>, FontInfo> m_fonts;

    double mm(double px) const { return px / kRefDpi * 25.4; }
    double px(double mm) const { return mm * kRefDpi / 25.4; }

    RowBox measureRow(const Element &e)
    {
        RowBox rb;
        double total = 0;
        for (double w : e.widths) total += w;
        const double width = x1 - x0;
        int col = 0;
        double maxText = 0;
        for (const tpl::Cell &c : e.cells) {
            CellBox box;
            box.st = &c.style;
            box.span = c.span;
            double left = 0, w = 0;
            for (int i = 0; i < col; ++i) left += e.widths.value(i);
            for (int i = col; i < col + c.span; ++i) w += e.widths.value(i);
            col += c.span;
            box.rect = QRectF(x0 + width * left / total, 0, width * w / total, 0);
            evaluate(c.segments, box.text, box.csv);
            box.fontSize = c.style.size > 0 ? c.style.size : t.fontSize;
            tpl::Align a = c.style.align;
            if (a == tpl::Align::Auto) a = looksNumeric(box.text) ? tpl::Align::Right : tpl::Align::Left;
            box.align = a == tpl::Align::Left ? 0 : a == tpl::Align::Center ? 1 : 2;
            FontInfo *fi = &fontInfo(box.fontSize, c.style);
            const double avail = std::max(0.5, box.rect.width() - 2 * kPadH);
            // A number too wide for its column is printed smaller, never cut.
            const double wide = mm(textWidth(*fi, box.text));
            if (!c.style.wrap && wide > avail && looksNumeric(box.text)) {
                box.fontSize = std::max(box.fontSize * 0.5, box.fontSize * avail / wide * 0.98);
                fi = &fontInfo(box.fontSize, c.style);
            }
            const QFontMetricsF &fm = fi->fm;
            double h;
            if (c.style.wrap) {
                h = mm(fm.boundingRect(QRectF(0, 0, px(avail), 1e7), Qt::TextWordWrap, box.text).height());
                h = std::max(h, mm(fm.height()));
            } else {
                QStringList lines = box.text.split(QLatin1Char('\n'));
                for (QString &l : lines)
                    if (mm(textWidth(*fi, l)) > avail) l = fm.elidedText(l, Qt::ElideRight, px(avail));
                box.text = lines.join(QLatin1Char('\n'));
                h = mm(fm.lineSpacing()) * lines.size() - mm(fm.leading());
            }
            box.textRect = QRectF(box.rect.left() + kPadH, 0, avail, h);
            maxText = std::max(maxText, h);
            rb.cells.append(box);
        }
        rb.height = maxText + 2 * kPadV;
        return rb;
    }

    double measure(const QList<Element> &els)
    {
        double h = 0;
        for (const Element &e : els) {
            if (!conditionHolds(e)) continue;
            if (e.kind == Element::Row) h += measureRow(e).height;
            else if (e.kind == Element::Rule) h += e.amount + 0.8;
            else if (e.kind == Element::Space) h += e.amount;
        }
        return h;
    }

    // ---- emitting ----
    void line(double xa, double ya, double xb, double yb, double w, QRgb color)
    {
        PageItem it;
        it.kind = PageItem::Line;
        it.rect = QRectF(QPointF(xa, ya), QPointF(xb, yb));
        it.lineWidth = float(w);
        it.color = color;
        page().items.append(it);
    }

    void emitRow(const RowBox &rb, double top)
    {
        for (const CellBox &c : rb.cells) {
            QRectF r(c.rect.left(), top, c.rect.width(), rb.height);
            if (c.st->shade) {
                PageItem f;
                f.kind = PageItem::Fill;
                f.rect = r;
                f.color = kShade;
                page().items.append(f);
            }
            if (!c.text.isEmpty()) {
                PageItem it;
                it.kind = PageItem::Text;
                it.text = c.text;
                // Texts sit in the middle of their row, whatever their line count.
                const double ty = top + (rb.height - c.textRect.height()) / 2;
                it.rect = QRectF(c.textRect.left(), ty, c.textRect.width(), c.textRect.height());
                it.fontSize = float(c.fontSize);
                it.align = quint8(c.align);
                it.bold = c.st->bold;
                it.italic = c.st->italic;
                it.mono = c.st->mono;
                it.narrow = c.st->narrow;
                it.wrap = c.st->wrap;
                it.color = c.st->gray ? kGrayText : 0xff000000;
                page().items.append(it);
            }
            const QRgb lc = c.st->light ? kLight : 0xff000000;
            if (c.st->box) {
                const double w = 0.15;
                line(r.left(), r.top(), r.right(), r.top(), w, lc);
                line(r.left(), r.bottom(), r.right(), r.bottom(), w, lc);
                line(r.left(), r.top(), r.left(), r.bottom(), w, lc);
                line(r.right(), r.top(), r.right(), r.bottom(), w, lc);
            }
            if (c.st->over > 0) line(r.left(), r.top(), r.right(), r.top(), c.st->over, lc);
            if (c.st->under > 0) line(r.left(), r.bottom(), r.right(), r.bottom(), c.st->under, lc);
        }
    }

    PreparedPage &page() { return out.pages.last(); }

    void newPage()
    {
        out.pages.append(PreparedPage{});
        y = t.marginTop;
        for (const Element &e : t.pageHeader) place(e, false);
        bodyTop = t.pageHeader.isEmpty() ? y : y + kBandGap;
        const double fh = measure(t.pageFooter);
        const double footTop = out.pageSizeMm.height() - t.marginBottom - fh;
        y = footTop;
        for (const Element &e : t.pageFooter) place(e, false);
        bodyBottom = t.pageFooter.isEmpty() ? footTop : footTop - kBandGap;
        y = bodyTop;
        pageHasBody = false;
        pendingBreak = false;
        if (repeatHeader)
            for (const Element &e : *repeatHeader) place(e, false);
    }

    void ensureSpace(double h)
    {
        if (pendingBreak || (pageHasBody && y + h > bodyBottom + 0.01)) newPage();
    }

    // A row of the export table; a spanning cell fills its first column.
    static QStringList tableRow(const RowBox &rb)
    {
        QStringList cells;
        for (const CellBox &c : rb.cells) {
            // Soft hyphens only help a heading fit its printed cell.
            cells.append(QString(c.csv).remove(QChar(0x00AD)).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified());
            for (int i = 1; i < c.span; ++i) cells.append(QString());
        }
        return cells;
    }

    // Places one element; body elements break pages, band elements do not.
    void place(const Element &e, bool body, QList<QStringList> *exportRows = nullptr)
    {
        if (!conditionHolds(e)) return;
        switch (e.kind) {
        case Element::Row: {
            const RowBox rb = measureRow(e);
            if (body) ensureSpace(rb.height);
            emitRow(rb, y);
            y += rb.height;
            if (body) pageHasBody = true;
            if (exportRows) exportRows->append(tableRow(rb));
            break;
        }
        case Element::Rule:
            if (body) ensureSpace(e.amount + 0.8);
            line(x0, y + 0.4 + e.amount / 2, x1, y + 0.4 + e.amount / 2, e.amount, 0xff000000);
            y += e.amount + 0.8;
            if (body) pageHasBody = true;
            break;
        case Element::Space:
            // Space that runs past the page ends it; the next page starts at its top.
            if (body && y + e.amount > bodyBottom) pendingBreak = pageHasBody;
            else y += e.amount;
            break;
        case Element::Keep:
            if (body && pageHasBody && y + e.amount > bodyBottom + 0.01) pendingBreak = true;
            break;
        case Element::NewPage:
            if (body && pageHasBody) pendingBreak = true;
            break;
        case Element::List:
            runList(e);
            break;
        }
    }

    void runList(const Element &L)
    {
        const RowSource *src = source(L.source);
        const bool exporting = &L == exportList;
        const int n = src->rowCount();
        // The header never stays alone at the foot of a page.
        const double firstRow = QFontMetricsF(font(t.fontSize, tpl::CellStyle{}), &ref).lineSpacing();
        ensureSpace(measure(L.header) + mm(firstRow) + 2 * kPadV);
        QList<QStringList> headerRows;
        for (const Element &e : L.header) place(e, true, &headerRows);
        QList<QStringList> *rows = nullptr;
        if (exporting) {
            // The last header row names the columns; the rows above it only group them.
            out.table = {headerRows.isEmpty() ? QStringList() : headerRows.last()};
            rows = &out.table;
        }
        repeatHeader = &L.header;
        if (n == 0)
            for (const Element &e : L.empty) place(e, true);
        for (int r = 0; r < n; ++r) {
            currentRow.insert(L.source, r);
            listRow = r;
            if (src->onRow) src->onRow(r);
            for (const Element &e : L.body) place(e, true, rows);
        }
        listRow = -1;
        currentRow.remove(L.source);
        ensureSpace(measure(L.footer));
        for (const Element &e : L.footer) place(e, true, rows);
        repeatHeader = nullptr;
    }

    void finish()
    {
        const QString count = QString::number(out.pages.size());
        for (int i = 0; i < out.pages.size(); ++i) {
            const QString number = QString::number(i + 1);
            for (PageItem &it : out.pages[i].items) {
                if (it.kind != PageItem::Text) continue;
                it.text.replace(kPageMark, number);
                it.text.replace(kPagesMark, count);
            }
        }
    }

    const tpl::Template &t;
    const ReportInputs &in;
    QImage ref;
    QString family;
    PreparedReport out;
    double x0 = 0, x1 = 0, y = 0, bodyTop = 0, bodyBottom = 0;
    bool pageHasBody = false;
    bool pendingBreak = false;   // the next printed element starts a new page
    const QList<Element> *repeatHeader = nullptr;
    const Element *exportList = nullptr;
    QHash<QString, int> currentRow;
    int listRow = -1;
    QHash<const RowSource *, QHash<QString, QString>> columnCache;
    QSet<QString> missing;
};

} // namespace

PreparedReport buildReport(const tpl::Template &t, const ReportInputs &inputs, bool defaultLandscape)
{
    const bool landscape = t.orientation >= 0 ? t.orientation == 1 : defaultLandscape;
    return Builder(t, inputs, landscape).run();
}

} // namespace report
