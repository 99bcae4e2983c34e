#include "report/PageFont.h"
#include <QFile>
#include <QFontDatabase>
#include <QMap>
#include <QtEndian>

namespace report {
namespace {

constexpr quint16 kWindows = 3, kUnicodeBmp = 1, kEnglishUs = 0x409;
enum NameId : quint16 { Copyright = 0, Family = 1, Style = 2, FullName = 4, PostScript = 6, License = 13, LicenseUrl = 14 };

quint16 u16(const QByteArray &d, qsizetype at) { return qFromBigEndian<quint16>(d.constData() + at); }
quint32 u32(const QByteArray &d, qsizetype at) { return qFromBigEndian<quint32>(d.constData() + at); }
void put16(QByteArray &d, quint16 v) { d.append(char(v >> 8)).append(char(v)); }
void put32(QByteArray &d, quint32 v) { put16(d, quint16(v >> 16)); put16(d, quint16(v)); }

QByteArray utf16be(const QString &s)
{
    QByteArray b;
    for (const QChar c : s) put16(b, c.unicode());
    return b;
}

quint32 tableChecksum(const QByteArray &table)
{
    QByteArray t = table;
    while (t.size() % 4) t.append('\0');
    quint32 sum = 0;
    for (qsizetype i = 0; i < t.size(); i += 4) sum += u32(t, i);
    return sum;
}

QString loaded(const char *file, const QString &family, const QString &fallback)
{
    QFile f(QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QLatin1String(file));
    if (!f.open(QIODevice::ReadOnly)) return fallback;
    const int id = QFontDatabase::addApplicationFontFromData(renamedFontData(f.readAll(), family));
    return QFontDatabase::applicationFontFamilies(id).contains(family) ? family : fallback;
}

// Both faces of a family, or its plain name when either is missing.
QString loadedFamily(const char *regular, const char *bold, const QString &family, const QString &fallback)
{
    const QString a = loaded(regular, family, fallback);
    const QString b = loaded(bold, family, fallback);
    return a == family && b == family ? family : fallback;
}

} // namespace

QByteArray renamedFontData(const QByteArray &data, const QString &family)
{
    if (data.size() < 12) return {};
    const quint16 tables = u16(data, 4);
    if (data.size() < 12 + 16 * qsizetype(tables)) return {};
    qsizetype entry = -1;
    for (quint16 i = 0; i < tables; ++i)
        if (data.mid(12 + 16 * i, 4) == "name") entry = 12 + 16 * i;
    if (entry < 0) return {};
    const quint32 at = u32(data, entry + 8), length = u32(data, entry + 12);
    if (qsizetype(at) + length > data.size() || length < 6) return {};
    const QByteArray old = data.mid(at, length);

    // The records kept as they are (the style, the copyright and the licence); the names new.
    QMap<quint16, QByteArray> names;
    const quint16 count = u16(old, 2), strings = u16(old, 4);
    for (quint16 i = 0; i < count && 6 + 12 * (i + 1) <= old.size(); ++i) {
        const qsizetype r = 6 + 12 * i;
        const quint16 id = u16(old, r + 6);
        if (u16(old, r) != kWindows || u16(old, r + 2) != kUnicodeBmp || u16(old, r + 4) != kEnglishUs) continue;
        if (id == Style || id == Copyright || id == License || id == LicenseUrl)
            names.insert(id, old.mid(strings + u16(old, r + 10), u16(old, r + 8)));
    }
    QString style;
    for (qsizetype i = 0; i + 1 < names.value(Style).size(); i += 2) style += QChar(u16(names.value(Style), i));
    if (style.isEmpty()) style = QStringLiteral("Regular");
    names.insert(Family, utf16be(family));
    names.insert(FullName, utf16be(family + QLatin1Char(' ') + style));
    names.insert(PostScript, utf16be(QString(family).remove(QLatin1Char(' ')) + QLatin1Char('-') + style));

    QByteArray table, pool;
    put16(table, 0);
    put16(table, quint16(names.size()));
    put16(table, quint16(6 + 12 * names.size()));
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        for (quint16 v : {kWindows, kUnicodeBmp, kEnglishUs, it.key(), quint16(it.value().size()), quint16(pool.size())})
            put16(table, v);
        pool += it.value();
    }
    table += pool;

    // The new table goes at the end, on a four-byte boundary; its entry points there.
    QByteArray out = data;
    while (out.size() % 4) out.append('\0');
    QByteArray record;
    record += "name";
    put32(record, tableChecksum(table));
    put32(record, quint32(out.size()));
    put32(record, quint32(table.size()));
    out.replace(entry, 16, record);
    out += table;
    return out;
}

QString pageFontFamily()
{
    static const QString family = loadedFamily("DejaVuSans.ttf", "DejaVuSans-Bold.ttf", QStringLiteral("Zelkor Lap Sans"),
                                               QStringLiteral("DejaVu Sans"));
    return family;
}

QString pageMonoFamily()
{
    static const QString family = loadedFamily("DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf",
                                               QStringLiteral("Zelkor Lap Mono"), QStringLiteral("DejaVu Sans Mono"));
    return family;
}

} // namespace report
