#include "report/Template.h"
#include "report/Report.h"
#include <QPageSize>
#include <QRegularExpression>

namespace report::tpl {
namespace {

// A template line cut into words, quoted strings and "|" separators.
struct Token {
    enum Kind { Word, Quoted, Bar } kind;
    QString text;
};

struct SyntaxError {
    QString detail;
};

QString quoted(const QString &s) { return QStringLiteral("„%1”").arg(s); }

QList<Token> tokenize(const QString &line)
{
    QList<Token> out;
    int i = 0;
    const int n = int(line.size());
    while (i < n) {
        QChar c = line.at(i);
        if (c.isSpace()) { ++i; continue; }
        if (c == QLatin1Char('|')) { out.append(Token{Token::Bar, {}}); ++i; continue; }
        if (c == QLatin1Char('"')) {
            QString s;
            ++i;
            bool closed = false;
            while (i < n) {
                QChar d = line.at(i);
                if (d == QLatin1Char('"')) { closed = true; ++i; break; }
                if (d == QLatin1Char('\\') && i + 1 < n) {
                    QChar e = line.at(i + 1);
                    // \{ and \} stay escaped for the expression reader.
                    if (e == QLatin1Char('n')) s += QLatin1Char('\n');
                    // \- a soft hyphen: where a narrow cell breaks the word, it shows as "-".
                    else if (e == QLatin1Char('-')) s += QChar(0x00AD);
                    else if (e == QLatin1Char('{') || e == QLatin1Char('}')) s += QChar(0xE010 + (e == QLatin1Char('}')));
                    else s += e;
                    i += 2;
                    continue;
                }
                s += d;
                ++i;
            }
            if (!closed) throw SyntaxError{QStringLiteral("hiányzik a záró idézőjel")};
            out.append(Token{Token::Quoted, s});
            continue;
        }
        int start = i;
        while (i < n && !line.at(i).isSpace() && line.at(i) != QLatin1Char('|') && line.at(i) != QLatin1Char('"')) ++i;
        out.append(Token{Token::Word, line.mid(start, i - start)});
    }
    return out;
}

double number(const QString &word)
{
    bool ok = false;
    double v = QString(word).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || v < 0) throw SyntaxError{QStringLiteral("hibás szám: %1").arg(quoted(word))};
    return v;
}

const QRegularExpression &identifier()
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re;
}

Segment expression(const QString &inner)
{
    Segment seg;
    QString body = inner.trimmed();
    const auto bad = [&] { return SyntaxError{QStringLiteral("hibás kifejezés: %1").arg(quoted(QLatin1Char('{') + inner + QLatin1Char('}')))}; };
    int colon = body.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        static const QRegularExpression fmt(QStringLiteral("^(\\d{1,2})(s?)$"));
        auto m = fmt.match(body.mid(colon + 1).trimmed());
        if (!m.hasMatch()) throw bad();
        seg.decimals = m.captured(1).toInt();
        seg.grouped = !m.captured(2).isEmpty();
        body = body.left(colon).trimmed();
    }
    if (body.startsWith(QLatin1Char('#'))) {
        static const QHash<QString, Segment::Kind> builtins{
            {QStringLiteral("#page"), Segment::Page}, {QStringLiteral("#pages"), Segment::Pages},
            {QStringLiteral("#date"), Segment::Date}, {QStringLiteral("#time"), Segment::Time},
            {QStringLiteral("#row"), Segment::RowNumber}};
        if (!builtins.contains(body)) throw bad();
        seg.kind = builtins.value(body);
        return seg;
    }
    static const QRegularExpression call(QStringLiteral("^(sum|count)\\s*\\((.*)\\)$"));
    auto m = call.match(body);
    QString arg = m.hasMatch() ? m.captured(2).trimmed() : body;
    int dot = arg.indexOf(QLatin1Char('.'));
    QString left = dot < 0 ? arg : arg.left(dot).trimmed();
    QString right = dot < 0 ? QString() : arg.mid(dot + 1).trimmed();
    if (!identifier().match(left).hasMatch()) throw bad();
    if (dot >= 0 && !identifier().match(right).hasMatch()) throw bad();
    seg.text = left;
    seg.column = right;
    if (!m.hasMatch()) seg.kind = dot < 0 ? Segment::Variable : Segment::Field;
    else if (m.captured(1) == QLatin1String("sum")) {
        if (dot < 0) throw bad();
        seg.kind = Segment::Sum;
    } else {
        if (dot >= 0) throw bad();
        seg.kind = Segment::Count;
    }
    return seg;
}

QList<Segment> segments(const QString &text)
{
    QList<Segment> out;
    QString literal;
    int i = 0;
    const int n = int(text.size());
    while (i < n) {
        QChar c = text.at(i);
        if (c == QLatin1Char('}')) throw SyntaxError{QStringLiteral("nyitás nélküli kapcsos zárójel: }")};
        if (c != QLatin1Char('{')) {
            literal += c.unicode() == 0xE010 ? QChar(u'{') : c.unicode() == 0xE011 ? QChar(u'}') : c;
            ++i;
            continue;
        }
        int close = int(text.indexOf(QLatin1Char('}'), i + 1));
        if (close < 0) throw SyntaxError{QStringLiteral("lezáratlan kapcsos zárójel: {")};
        if (!literal.isEmpty()) out.append(Segment{Segment::Literal, literal});
        literal.clear();
        out.append(expression(text.mid(i + 1, close - i - 1)));
        i = close + 1;
    }
    if (!literal.isEmpty()) out.append(Segment{Segment::Literal, literal});
    return out;
}

// Applies one cell option word; returns false when the word is no option.
bool applyOption(CellStyle &st, int *span, const QString &word)
{
    QString key = word, value;
    int eq = int(word.indexOf(QLatin1Char('=')));
    if (eq >= 0) { key = word.left(eq); value = word.mid(eq + 1); }
    if (eq < 0) {
        if (key == QLatin1String("left")) st.align = Align::Left;
        else if (key == QLatin1String("center")) st.align = Align::Center;
        else if (key == QLatin1String("right")) st.align = Align::Right;
        else if (key == QLatin1String("auto")) st.align = Align::Auto;
        else if (key == QLatin1String("bold")) st.bold = true;
        else if (key == QLatin1String("italic")) st.italic = true;
        else if (key == QLatin1String("normal")) st.bold = st.italic = st.gray = false;
        else if (key == QLatin1String("mono")) st.mono = true;
        else if (key == QLatin1String("wrap")) st.wrap = true;
        else if (key == QLatin1String("shade")) st.shade = true;
        else if (key == QLatin1String("gray")) st.gray = true;
        else if (key == QLatin1String("box")) st.box = true;
        else if (key == QLatin1String("light")) st.light = true;
        else if (key == QLatin1String("narrow")) st.narrow = true;
        else if (key == QLatin1String("over")) st.over = 0.15;
        else if (key == QLatin1String("under")) st.under = 0.15;
        else if (key == QLatin1String("plain")) st = CellStyle{};
        else return false;
        return true;
    }
    if (key == QLatin1String("size")) st.size = number(value);
    else if (key == QLatin1String("over")) st.over = number(value);
    else if (key == QLatin1String("under")) st.under = number(value);
    else if (key == QLatin1String("span") && span) {
        *span = int(number(value));
        if (*span < 1) throw SyntaxError{QStringLiteral("hibás szám: %1").arg(quoted(value))};
    } else return false;
    return true;
}

struct Block {
    QString keyword;            // "", "pageheader", "pagefooter", "list", "header", "footer", "empty"
    int line = 0;
    QList<Element> *target = nullptr;
    Element *list = nullptr;    // the list element of a list block
    QList<double> widths;
    CellStyle style;
    bool pendingCondition = false;
    QList<Segment> condition;
    int conditionLine = 0;
    bool pendingJoin = false;
};

void append(Block &b, Element e)
{
    if (b.pendingCondition) {
        e.hasCondition = true;
        e.condition = b.condition;
        b.pendingCondition = false;
    }
    e.joinPrevious = b.pendingJoin && e.kind == Element::Row;
    b.pendingJoin = false;
    b.target->append(std::move(e));
}

Element rowElement(const QList<Token> &tokens, const Block &b, int lineNo)
{
    Element e;
    e.kind = Element::Row;
    e.line = lineNo;
    e.widths = b.widths;
    QList<QList<Token>> parts(1);
    for (int i = 1; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Bar) parts.append(QList<Token>{});
        else parts.last().append(tokens[i]);
    }
    int spans = 0;
    for (const auto &part : parts) {
        Cell cell;
        cell.style = b.style;
        bool haveText = false;
        for (const Token &t : part) {
            if (t.kind == Token::Quoted) {
                if (haveText) throw SyntaxError{QStringLiteral("egy cellában csak egy szöveg állhat")};
                cell.segments = segments(t.text);
                haveText = true;
            } else if (!applyOption(cell.style, &cell.span, t.text)) {
                throw SyntaxError{QStringLiteral("ismeretlen cellabeállítás: %1").arg(quoted(t.text))};
            }
        }
        spans += cell.span;
        e.cells.append(cell);
    }
    if (!e.widths.isEmpty() && spans > e.widths.size())
        throw SyntaxError{QStringLiteral("a cellák %1 oszlopot foglalnak, de csak %2 oszlop van megadva")
                              .arg(spans).arg(e.widths.size())};
    if (e.widths.isEmpty()) e.widths = QList<double>(spans, 1.0);
    return e;
}

void pageLine(Template &t, const QList<Token> &tokens)
{
    for (int i = 1; i < tokens.size(); ++i) {
        const QString w = tokens[i].text.toLower();
        if (w == QLatin1String("portrait")) t.orientation = 0;
        else if (w == QLatin1String("landscape")) t.orientation = 1;
        else {
            static const QHash<QString, QPageSize::PageSizeId> sizes{
                {QStringLiteral("a3"), QPageSize::A3}, {QStringLiteral("a4"), QPageSize::A4},
                {QStringLiteral("a5"), QPageSize::A5}, {QStringLiteral("letter"), QPageSize::Letter}};
            if (!sizes.contains(w)) throw SyntaxError{QStringLiteral("ismeretlen papírméret: %1").arg(quoted(tokens[i].text))};
            t.pageSizeId = sizes.value(w);
            t.pageMm = QPageSize(sizes.value(w)).size(QPageSize::Millimeter);
        }
    }
}

void needArgs(const QList<Token> &tokens, int min, int max)
{
    int n = int(tokens.size()) - 1;
    if (n < min || n > max)
        throw SyntaxError{QStringLiteral("a(z) %1 utasítás paramétereinek száma hibás").arg(quoted(tokens[0].text))};
}

} // namespace

Template parse(const QString &text, const QString &fileName)
{
    Template t;
    t.name = fileName;
    t.pageSizeId = QPageSize::A4;
    QList<Block> stack;
    stack.append(Block{QString(), 0, &t.body});
    const QStringList lines = text.split(QLatin1Char('\n'));
    int lineNo = 0;
    try {
        for (QString line : lines) {
            ++lineNo;
            if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
            const QList<Token> tokens = tokenize(line);
            if (tokens.isEmpty()) continue;
            if (tokens[0].kind != Token::Word)
                throw SyntaxError{QStringLiteral("a sor nem utasítással kezdődik")};
            const QString kw = tokens[0].text;
            if (kw.startsWith(QLatin1Char('#'))) continue;
            Block &b = stack.last();
            const bool top = stack.size() == 1;
            const auto onlyTop = [&] {
                if (!top) throw SyntaxError{QStringLiteral("a(z) %1 csak a sablon legfelső szintjén állhat").arg(quoted(kw))};
            };
            if (kw == QLatin1String("page")) { onlyTop(); needArgs(tokens, 1, 2); pageLine(t, tokens); }
            else if (kw == QLatin1String("margins")) {
                onlyTop();
                needArgs(tokens, 4, 4);
                t.marginLeft = number(tokens[1].text);
                t.marginTop = number(tokens[2].text);
                t.marginRight = number(tokens[3].text);
                t.marginBottom = number(tokens[4].text);
            } else if (kw == QLatin1String("font")) {
                onlyTop();
                needArgs(tokens, 1, 2);
                t.fontSize = number(tokens[1].text);
                if (t.fontSize < 3) throw SyntaxError{QStringLiteral("hibás szám: %1").arg(quoted(tokens[1].text))};
                if (tokens.size() > 2) t.fontFamily = tokens[2].text;
            } else if (kw == QLatin1String("pageheader") || kw == QLatin1String("pagefooter")) {
                onlyTop();
                needArgs(tokens, 0, 0);
                Block nb = b;
                nb.keyword = kw;
                nb.line = lineNo;
                nb.target = kw == QLatin1String("pageheader") ? &t.pageHeader : &t.pageFooter;
                nb.pendingCondition = false;
                nb.pendingJoin = false;
                stack.append(nb);
            } else if (kw == QLatin1String("list")) {
                onlyTop();
                needArgs(tokens, 1, 2);
                if (!identifier().match(tokens[1].text).hasMatch())
                    throw SyntaxError{QStringLiteral("hibás adatforrásnév: %1").arg(quoted(tokens[1].text))};
                Element e;
                e.kind = Element::List;
                e.line = lineNo;
                e.source = tokens[1].text;
                if (tokens.size() > 2) {
                    if (tokens[2].text != QLatin1String("export"))
                        throw SyntaxError{QStringLiteral("ismeretlen listabeállítás: %1").arg(quoted(tokens[2].text))};
                    e.exportTable = true;
                }
                append(b, e);
                Block nb = b;
                nb.keyword = kw;
                nb.line = lineNo;
                nb.list = &b.target->last();
                nb.target = &nb.list->body;
                stack.append(nb);
            } else if (kw == QLatin1String("header") || kw == QLatin1String("footer") || kw == QLatin1String("empty")) {
                if (b.keyword != QLatin1String("list"))
                    throw SyntaxError{QStringLiteral("a(z) %1 csak közvetlenül egy „list” blokkon belül állhat").arg(quoted(kw))};
                needArgs(tokens, 0, 0);
                Block nb = b;
                nb.keyword = kw;
                nb.line = lineNo;
                nb.target = kw == QLatin1String("header") ? &b.list->header
                          : kw == QLatin1String("footer") ? &b.list->footer : &b.list->empty;
                nb.pendingCondition = false;
                nb.pendingJoin = false;
                stack.append(nb);
            } else if (kw == QLatin1String("end")) {
                needArgs(tokens, 0, 0);
                if (top) throw SyntaxError{QStringLiteral("„end” nyitott blokk nélkül")};
                if (b.pendingCondition) throw SyntaxError{QStringLiteral("a „when” után nincs kiírandó elem")};
                if (b.pendingJoin) throw SyntaxError{QStringLiteral("a „join” után nincs sor")};
                stack.removeLast();
            } else if (kw == QLatin1String("columns")) {
                if (tokens.size() < 2) needArgs(tokens, 1, 1);
                QList<double> w;
                for (int i = 1; i < tokens.size(); ++i) {
                    double v = number(tokens[i].text);
                    if (v <= 0) throw SyntaxError{QStringLiteral("hibás szám: %1").arg(quoted(tokens[i].text))};
                    w.append(v);
                }
                b.widths = w;
            } else if (kw == QLatin1String("style")) {
                CellStyle st;
                for (int i = 1; i < tokens.size(); ++i)
                    if (tokens[i].kind != Token::Word || !applyOption(st, nullptr, tokens[i].text))
                        throw SyntaxError{QStringLiteral("ismeretlen cellabeállítás: %1").arg(quoted(tokens[i].text))};
                b.style = st;
            } else if (kw == QLatin1String("row")) {
                append(b, rowElement(tokens, b, lineNo));
            } else if (kw == QLatin1String("rule") || kw == QLatin1String("space") || kw == QLatin1String("keep")) {
                Element e;
                e.line = lineNo;
                e.kind = kw == QLatin1String("rule") ? Element::Rule : kw == QLatin1String("space") ? Element::Space : Element::Keep;
                needArgs(tokens, e.kind == Element::Rule ? 0 : 1, 1);
                e.amount = tokens.size() > 1 ? number(tokens[1].text) : 0.2;
                append(b, e);
            } else if (kw == QLatin1String("newpage")) {
                needArgs(tokens, 0, 0);
                Element e;
                e.line = lineNo;
                e.kind = Element::NewPage;
                append(b, e);
            } else if (kw == QLatin1String("join")) {
                needArgs(tokens, 0, 0);
                b.pendingJoin = true;
            } else if (kw == QLatin1String("when")) {
                needArgs(tokens, 1, 1);
                if (tokens[1].kind != Token::Quoted) throw SyntaxError{QStringLiteral("a „when” után idézőjeles szöveg kell")};
                if (b.pendingCondition) throw SyntaxError{QStringLiteral("a „when” után nincs kiírandó elem")};
                b.pendingCondition = true;
                b.condition = segments(tokens[1].text);
                b.conditionLine = lineNo;
            } else {
                throw SyntaxError{QStringLiteral("ismeretlen utasítás: %1").arg(quoted(kw))};
            }
        }
        if (stack.size() > 1) {
            lineNo = stack.last().line;
            throw SyntaxError{QStringLiteral("a(z) %1 blokk nem zárul le „end” sorral").arg(quoted(stack.last().keyword))};
        }
        if (stack.last().pendingCondition) {
            lineNo = stack.last().conditionLine;
            throw SyntaxError{QStringLiteral("a „when” után nincs kiírandó elem")};
        }
    } catch (const SyntaxError &e) {
        throw ReportError(QStringLiteral("A(z) %1 sablon %2. sora hibás: %3.").arg(fileName).arg(lineNo).arg(e.detail));
    }
    return t;
}

} // namespace report::tpl
