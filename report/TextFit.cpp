#include "report/TextFit.h"
#include "report/PreparedReport.h"
#include <QImage>
#include <map>
#include <memory>
#include <tuple>

namespace report {
namespace {

constexpr double kRefDpi = 1200;

double toMm(double px) { return px / kRefDpi * 25.4; }
double toPx(double mm) { return mm * kRefDpi / 25.4; }

const QImage &referenceDevice()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(int(kRefDpi / 0.0254));
        i.setDotsPerMeterY(int(kRefDpi / 0.0254));
        return i;
    }();
    return image;
}

} // namespace

FontMeasure::FontMeasure(const QFont &font) : m_fm(font, &referenceDevice()) {}

double FontMeasure::widthMm(QStringView text)
{
    double w = 0;
    for (const QChar c : text) {
        auto it = m_advance.constFind(c.unicode());
        if (it == m_advance.constEnd()) it = m_advance.insert(c.unicode(), m_fm.horizontalAdvance(c));
        w += it.value();
    }
    return toMm(w);
}

double FontMeasure::lineSpacingMm() const { return toMm(m_fm.lineSpacing()); }
double FontMeasure::leadingMm() const { return toMm(m_fm.leading()); }
double FontMeasure::heightMm() const { return toMm(m_fm.height()); }

double FontMeasure::wrappedHeightMm(const QString &text, double widthMm) const
{
    return toMm(m_fm.boundingRect(QRectF(0, 0, toPx(widthMm), 1e7), Qt::TextWordWrap, text).height());
}

QString FontMeasure::elided(const QString &text, double widthMm) const
{
    return m_fm.elidedText(text, Qt::ElideRight, toPx(widthMm));
}

FontMeasure &fontMeasure(const QString &family, const TextStyle &style)
{
    using Key = std::tuple<QString, double, int>;
    static std::map<Key, std::unique_ptr<FontMeasure>> cache;
    const Key key{family, style.size,
                  int(style.bold) | int(style.italic) << 1 | int(style.mono) << 2 | int(style.narrow) << 3};
    auto it = cache.find(key);
    if (it == cache.end()) {
        PageItem item;
        item.bold = style.bold;
        item.italic = style.italic;
        item.mono = style.mono;
        item.narrow = style.narrow;
        it = cache.emplace(key, std::make_unique<FontMeasure>(itemFont(family, item, style.size))).first;
    }
    return *it->second;
}

bool looksNumeric(QStringView s)
{
    // [blanks] [-] digits with blanks (thousands) [,. digits] [blanks]
    qsizetype i = 0, n = s.size();
    while (i < n && s[i].isSpace()) ++i;
    while (n > i && s[n - 1].isSpace()) --n;
    if (i < n && s[i] == u'-') ++i;
    bool digit = false, lastDigit = false;
    for (; i < n; ++i) {
        const QChar c = s[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            digit = lastDigit = true;
        } else if (c == u' ' || c == QChar(0x00A0)) {
            lastDigit = false;
        } else {
            break;
        }
    }
    if (!digit || !lastDigit) return false;
    if (i == n) return true;
    if (s[i] != u',' && s[i] != u'.') return false;
    if (++i == n) return false;
    for (; i < n; ++i)
        if (s[i].unicode() < '0' || s[i].unicode() > '9') return false;
    return true;
}

FittedText fitText(const QString &family, const TextStyle &style, bool wrap, const QString &text, double availMm)
{
    FittedText out;
    out.text = text;
    out.fontSize = style.size;
    FontMeasure *m = &fontMeasure(family, style);
    if (wrap) {
        out.heightMm = std::max(m->wrappedHeightMm(text, availMm), m->heightMm());
        return out;
    }
    const double wide = m->widthMm(text);
    if (wide > availMm && looksNumeric(text)) {
        TextStyle smaller = style;
        smaller.size = std::max(style.size * 0.5, style.size * availMm / wide * 0.98);
        out.fontSize = smaller.size;
        m = &fontMeasure(family, smaller);
    }
    qsizetype lines = 1;
    if (text.contains(u'\n')) {
        QStringList parts = text.split(u'\n');
        for (QString &l : parts)
            if (m->widthMm(l) > availMm) l = m->elided(l, availMm);
        out.text = parts.join(u'\n');
        lines = parts.size();
    } else if (out.fontSize == style.size && wide > availMm) {
        out.text = m->elided(text, availMm);
    }
    out.heightMm = m->lineSpacingMm() * double(lines) - m->leadingMm();
    return out;
}

} // namespace report
