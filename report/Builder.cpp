#include "report/Builder.h"
#include "report/Format.h"
#include "report/PageFont.h"
#include "report/Report.h"
#include "report/TextFit.h"
#include <QDate>
#include <QHash>
#include <QSet>
#include <QTime>
#include <unordered_map>

namespace report {

using tpl::Element;
using tpl::Segment;

namespace {

// Placeholders for the page number and count, known only when every page is laid out.
const QChar kPageMark(0xE001);
const QChar kPagesMark(0xE000);
constexpr double kBandGap = 2.5; // mm between the page header/footer and the body

class Builder {
public:
    Builder(const tpl::Template &t, const ReportInputs &in, bool landscape) : t(t), in(in)
    {
        family = t.fontFamily.isEmpty() ? pageFontFamily() : t.fontFamily;
        out.name = t.name;
        out.landscape = landscape;
        out.fontFamily = family;
        out.texts = {QString()};
        textIndex.insert(QString(), 0);
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
        return std::move(out);
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

    int column(const QString &srcName, const RowSource *src, const QString &name)
    {
        const int c = src->columnIndex(name);
        if (c < 0) fail(QStringLiteral("a(z) „%1” adatforrásnak nincs „%2” mezője").arg(srcName, name));
        return c;
    }

    // The row a field reads: the current one inside its list, else the first.
    int rowOf(const RowSource *src) const { return src == listSource ? listRow : 0; }

    quint32 intern(const QString &s)
    {
        auto it = textIndex.constFind(s);
        if (it != textIndex.constEnd()) return it.value();
        const quint32 i = quint32(out.texts.size());
        out.texts.append(s);
        textIndex.insert(s, i);
        return i;
    }
    CellValue textValue(const QString &s) { return CellValue::text(intern(s)); }

    // A variable: text, or a number (doubles and whole numbers).
    QVariant variable(const QString &name)
    {
        QVariant var;
        if (in.variableCallback && in.variableCallback(name, var)) return var;
        auto it = in.variables.constFind(name);
        if (it == in.variables.constEnd()) {
            missing.insert(name);
            return {};
        }
        return it.value();
    }

    static bool isNumber(const QVariant &v)
    {
        switch (v.typeId()) {
        case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
        case QMetaType::LongLong: case QMetaType::ULongLong:
            return true;
        default:
            return false;
        }
    }

    // The text of one expression as printed; used where a cell is more than one expression.
    QString segmentText(const Segment &seg)
    {
        auto formatted = [&seg](double v) {
            return seg.decimals < 0 ? generalNumber(v) : formatNumber(v, seg.decimals, seg.grouped);
        };
        switch (seg.kind) {
        case Segment::Literal: return seg.text;
        case Segment::Variable: {
            const QVariant v = variable(seg.text);
            if (isNumber(v)) return formatted(v.toDouble());
            const QString s = v.toString();
            bool ok = false;
            const double d = seg.decimals >= 0 && !s.trimmed().isEmpty() ? parseNumber(s, &ok) : 0;
            return ok ? formatted(d) : s;
        }
        case Segment::Field: {
            const RowSource *src = source(seg.text);
            const int col = column(seg.text, src, seg.column);
            const int row = rowOf(src);
            if (row < 0 || row >= src->rowCount()) return {};
            const QString s = src->textAt(row, col);
            if (seg.decimals < 0 || s.trimmed().isEmpty()) return s;
            const std::optional<double> d = src->numberAt(row, col);
            return d ? formatted(*d) : s;
        }
        case Segment::Sum: return formatted(sum(seg));
        case Segment::Count: return QString::number(source(seg.text)->rowCount());
        case Segment::Page: return kPageMark;
        case Segment::Pages: return kPagesMark;
        case Segment::Date: return QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd."));
        case Segment::Time: return QTime::currentTime().toString(QStringLiteral("HH:mm"));
        case Segment::RowNumber: return listRow >= 0 ? QString::number(listRow + 1) : QString();
        }
        return {};
    }

    double sum(const Segment &seg)
    {
        const RowSource *src = source(seg.text);
        const int col = column(seg.text, src, seg.column);
        double v = 0;
        for (int r = 0; r < src->rowCount(); ++r) v += src->numberAt(r, col).value_or(0);
        return v;
    }

    // How one cell of a template row is evaluated, worked out once per row.
    struct CellPlan {
        enum Kind { Text, Field, Variable, Sum } kind = Text;
        const tpl::Cell *cell = nullptr;
        const RowSource *src = nullptr;
        int column = -1;
        bool numericColumn = false;
    };
    // A template row: its shape and cells, and the height of its one-line texts.
    struct RowPlan {
        quint16 shape = 0;
        QList<CellPlan> cells;
        double lineHeight = 0;
        bool hasPageMarks = false;
        bool varies = false;   // needs measuring per row (wrapped cells)
    };

    RowPlan &plan(const Element &e)
    {
        auto found = plans.find(&e);
        if (found != plans.end()) return found->second;
        RowPlan p;
        RowShape shape;
        double total = 0;
        for (double w : e.widths) total += w;
        const double width = x1 - x0;
        int col = 0;
        for (const tpl::Cell &c : e.cells) {
            CellShape s;
            double left = 0, w = 0;
            for (int i = 0; i < col; ++i) left += e.widths.value(i);
            for (int i = col; i < col + c.span; ++i) w += e.widths.value(i);
            col += c.span;
            s.left = float(x0 + width * left / total);
            s.width = float(width * w / total);
            s.fontSize = float(c.style.size > 0 ? c.style.size : t.fontSize);
            s.align = c.style.align == tpl::Align::Left ? 0 : c.style.align == tpl::Align::Center ? 1
                    : c.style.align == tpl::Align::Right ? 2 : 3;
            const std::pair<bool, CellShape::Flag> flags[] = {
                {c.style.bold, CellShape::Bold}, {c.style.italic, CellShape::Italic}, {c.style.mono, CellShape::Mono},
                {c.style.wrap, CellShape::Wrap}, {c.style.narrow, CellShape::Narrow}, {c.style.gray, CellShape::Gray},
                {c.style.shade, CellShape::Shade}, {c.style.box, CellShape::Box}, {c.style.light, CellShape::Light}};
            for (const auto &[on, flag] : flags)
                if (on) s.flags |= flag;
            s.over = float(c.style.over);
            s.under = float(c.style.under);
            s.span = quint8(c.span);

            CellPlan cp;
            cp.cell = &c;
            if (c.segments.size() == 1) {
                const Segment &seg = c.segments.first();
                s.decimals = qint8(seg.decimals);
                s.grouped = seg.grouped;
                if (seg.kind == Segment::Field) {
                    cp.kind = CellPlan::Field;
                    cp.src = source(seg.text);
                    cp.column = column(seg.text, cp.src, seg.column);
                    cp.numericColumn = cp.src->isNumericAt(cp.column);
                } else if (seg.kind == Segment::Variable) {
                    cp.kind = CellPlan::Variable;
                } else if (seg.kind == Segment::Sum) {
                    cp.kind = CellPlan::Sum;
                }
            }
            for (const Segment &seg : c.segments)
                p.hasPageMarks = p.hasPageMarks || seg.kind == Segment::Page || seg.kind == Segment::Pages;
            if (c.style.wrap) p.varies = true;
            else p.lineHeight = std::max(p.lineHeight, lineHeight(s));
            shape.cells.append(s);
            p.cells.append(cp);
        }
        if (out.shapes.size() >= 0xFFFF) fail(QStringLiteral("túl sok különböző sor"));
        p.shape = quint16(out.shapes.size());
        out.shapes.append(shape);
        return plans.emplace(&e, std::move(p)).first->second;
    }

    double lineHeight(const CellShape &s) const
    {
        FontMeasure &m = fontMeasure(family, textStyle(s));
        return m.lineSpacingMm() - m.leadingMm();
    }

    CellValue value(const CellPlan &cp)
    {
        const tpl::Cell &c = *cp.cell;
        switch (cp.kind) {
        case CellPlan::Field: {
            const Segment &seg = c.segments.first();
            const int row = rowOf(cp.src);
            if (row < 0 || row >= cp.src->rowCount()) return CellValue::text(0);
            if (seg.decimals >= 0) {
                if (const std::optional<double> d = cp.src->numberAt(row, cp.column)) return CellValue::number(*d);
                return textValue(cp.src->textAt(row, cp.column));
            }
            // As stored; a number whose stored form is its general form stays a number.
            const QString s = cp.src->textAt(row, cp.column);
            if (cp.numericColumn && !s.isEmpty()) {
                const std::optional<double> d = cp.src->numberAt(row, cp.column);
                if (d && generalNumber(*d) == s) return CellValue::number(*d);
            }
            return textValue(s);
        }
        case CellPlan::Variable: {
            const Segment &seg = c.segments.first();
            const QVariant v = variable(seg.text);
            if (isNumber(v)) return CellValue::number(v.toDouble());
            const QString s = v.toString();
            if (seg.decimals >= 0 && !s.trimmed().isEmpty()) {
                bool ok = false;
                const double d = parseNumber(s, &ok);
                if (ok) return CellValue::number(d);
            }
            return textValue(s);
        }
        case CellPlan::Sum:
            return CellValue::number(sum(c.segments.first()));
        case CellPlan::Text:
            break;
        }
        QString s;
        for (const Segment &seg : c.segments) s += segmentText(seg);
        return textValue(s);
    }

    bool conditionHolds(const Element &e)
    {
        if (!e.hasCondition) return true;
        QString s;
        for (const Segment &seg : e.condition) s += segmentText(seg);
        return !s.trimmed().isEmpty();
    }

    // Evaluates a row's cells into vals and returns the row's height.
    double evaluate(const RowPlan &p, QList<CellValue> &vals)
    {
        vals.resize(p.cells.size());
        double h = p.lineHeight;
        const RowShape &shape = out.shapes[p.shape];
        for (int i = 0; i < p.cells.size(); ++i) {
            const CellValue v = value(p.cells[i]);
            vals[i] = v;
            const CellShape &s = shape.cells[i];
            const bool wrap = s.has(CellShape::Wrap);
            if (!wrap && !(v.isText() && out.texts[v.textIndex()].contains(u'\n'))) continue;
            const QString text = out.cellText(s, v);
            const double avail = std::max(0.5, s.width - 2 * kCellPadH);
            h = std::max(h, fitText(family, textStyle(s), wrap, text, avail).heightMm);
        }
        return h + 2 * kCellPadV;
    }

    double measure(const QList<Element> &els)
    {
        double h = 0;
        for (const Element &e : els) {
            if (!conditionHolds(e)) continue;
            if (e.kind == Element::Row) {
                QList<CellValue> vals;
                h += evaluate(plan(e), vals);
            }
            else if (e.kind == Element::Rule) h += e.amount + 0.8;
            else if (e.kind == Element::Space) h += e.amount;
        }
        return h;
    }

    // ---- emitting ----
    PreparedPage &page() { return out.pages.last(); }

    void emitRow(const RowPlan &p, const QList<CellValue> &vals, double height, quint16 flags)
    {
        PrintedRow r;
        r.top = float(y);
        r.height = float(height);
        r.first = quint32(out.values.size());
        r.shape = p.shape;
        r.flags = flags;
        out.values.append(vals);
        if (p.hasPageMarks) marked.append({int(out.pages.size()) - 1, int(page().rows.size())});
        page().rows.append(r);
    }

    void rule(double amount)
    {
        PageItem it;
        it.kind = PageItem::Line;
        const double ly = y + 0.4 + amount / 2;
        it.rect = QRectF(QPointF(x0, ly), QPointF(x1, ly));
        it.lineWidth = float(amount);
        page().items.append(it);
    }

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

    // Places one element; body elements break pages, band elements do not.
    // flags: what the row is in the export table.
    void place(const Element &e, bool body, quint16 flags = 0)
    {
        if (!conditionHolds(e)) return;
        switch (e.kind) {
        case Element::Row: {
            const RowPlan &p = plan(e);
            // Own values: a page break places the page's header rows in between.
            QList<CellValue> vals;
            const double h = evaluate(p, vals);
            if (body) ensureSpace(h);
            emitRow(p, vals, h, flags);
            y += h;
            if (body) pageHasBody = true;
            break;
        }
        case Element::Rule:
            if (body) ensureSpace(e.amount + 0.8);
            rule(e.amount);
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
        TextStyle base;
        base.size = t.fontSize;
        ensureSpace(measure(L.header) + fontMeasure(family, base).lineSpacingMm() + 2 * kCellPadV);
        // The last header row names the table's columns, with the rows it is
        // joined to; the rows above them only group them.
        QList<std::pair<int, int>> lastHeader;   // page, row
        for (const Element &e : L.header) {
            const qsizetype before = page().rows.size();
            place(e, true);
            if (page().rows.size() == before) continue;
            if (!e.joinPrevious) lastHeader.clear();
            lastHeader.append({int(out.pages.size()) - 1, int(page().rows.size()) - 1});
        }
        if (exporting) {
            out.hasTable = true;
            for (qsizetype i = 0; i < lastHeader.size(); ++i)
                out.pages[lastHeader[i].first].rows[lastHeader[i].second].flags
                    |= PrintedRow::TableHeader | (i > 0 ? PrintedRow::TableJoin : 0);
        }
        const quint16 rowFlags = exporting ? PrintedRow::TableRow : 0;
        repeatHeader = &L.header;
        if (n == 0)
            for (const Element &e : L.empty) place(e, true);
        listSource = src;
        for (int r = 0; r < n; ++r) {
            listRow = r;
            if (src->onRow) src->onRow(r);
            for (const Element &e : L.body)
                place(e, true, quint16(rowFlags | (exporting && e.joinPrevious ? PrintedRow::TableJoin : 0)));
        }
        listRow = -1;
        listSource = nullptr;
        ensureSpace(measure(L.footer));
        for (const Element &e : L.footer) place(e, true, rowFlags);
        repeatHeader = nullptr;
    }

    // Page numbers go into the rows that print them, now that the count is known.
    void finish()
    {
        const QString count = QString::number(out.pages.size());
        for (const auto &[pg, row] : marked) {
            const PrintedRow &r = out.pages[pg].rows[row];
            const QString number = QString::number(pg + 1);
            const int cells = int(out.shapes[r.shape].cells.size());
            for (int i = 0; i < cells; ++i) {
                CellValue &v = out.values[r.first + i];
                if (!v.isText()) continue;
                const QString &s = out.texts[v.textIndex()];
                if (!s.contains(kPageMark) && !s.contains(kPagesMark)) continue;
                v = textValue(QString(s).replace(kPageMark, number).replace(kPagesMark, count));
            }
        }
    }

    const tpl::Template &t;
    const ReportInputs &in;
    QString family;
    PreparedReport out;
    double x0 = 0, x1 = 0, y = 0, bodyTop = 0, bodyBottom = 0;
    bool pageHasBody = false;
    bool pendingBreak = false;   // the next printed element starts a new page
    const QList<Element> *repeatHeader = nullptr;
    const Element *exportList = nullptr;
    const RowSource *listSource = nullptr;
    int listRow = -1;
    // Node-based: a plan stays where it is while others are added.
    std::unordered_map<const Element *, RowPlan> plans;
    QHash<QString, quint32> textIndex;
    QList<std::pair<int, int>> marked;   // rows (page, index) that print page numbers
    QSet<QString> missing;
};

} // namespace

PreparedReport buildReport(const tpl::Template &t, const ReportInputs &inputs, bool defaultLandscape)
{
    const bool landscape = t.orientation >= 0 ? t.orientation == 1 : defaultLandscape;
    return Builder(t, inputs, landscape).run();
}

} // namespace report
