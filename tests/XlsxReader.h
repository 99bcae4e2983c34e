#pragma once
// A small reader of the Excel workbooks the report preview writes: enough of
// zip and of the sheet's XML to check cells, formats, widths and the frozen row.
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QXmlStreamReader>
#include <zlib.h>

namespace testxlsx {

// The members of a zip file by name: enough of the format for what the Excel
// export writes (stored or deflated members, no zip64).
inline QHash<QString, QByteArray> unzip(const QByteArray &zip)
{
    QHash<QString, QByteArray> files;
    auto u16 = [&zip](qsizetype at) { return quint32(quint8(zip[at])) | quint32(quint8(zip[at + 1])) << 8; };
    auto u32 = [&](qsizetype at) { return u16(at) | u16(at + 2) << 16; };
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0) return files;
    qsizetype at = u32(end + 16);
    for (quint32 n = u16(end + 10); n > 0 && u32(at) == 0x02014b50; --n) {
        const quint32 method = u16(at + 10), packed = u32(at + 20), size = u32(at + 24);
        const quint32 nameLen = u16(at + 28), extraLen = u16(at + 30), commentLen = u16(at + 32);
        const QString name = QString::fromUtf8(zip.mid(at + 46, nameLen));
        const qsizetype local = u32(at + 42);
        const QByteArray data = zip.mid(local + 30 + u16(local + 26) + u16(local + 28), packed);
        if (method == 0) {
            files.insert(name, data);
        } else {
            QByteArray out(qsizetype(size), '\0');
            z_stream zs{};
            inflateInit2(&zs, -MAX_WBITS);
            zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
            zs.avail_in = uInt(data.size());
            zs.next_out = reinterpret_cast<Bytef *>(out.data());
            zs.avail_out = uInt(out.size());
            const int rc = inflate(&zs, Z_FINISH);
            inflateEnd(&zs);
            if (rc == Z_STREAM_END) files.insert(name, out);
        }
        at += 46 + nameLen + extraLen + commentLen;
    }
    return files;
}

// One cell of a worksheet as read back: a number or a text, and its number format.
struct SheetCell {
    bool number = false;
    QString text;      // a text cell's text, a number cell's stored digits
    QString format;    // "General" when none
    bool operator==(const SheetCell &o) const { return number == o.number && text == o.text && format == o.format; }
};

// The first worksheet's cells by reference ("B3"), its frozen rows and its columns' widths.
struct Sheet {
    QHash<QString, SheetCell> cells;
    int frozenRows = 0;
    QList<double> widths;
};

inline Sheet readXlsx(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QHash<QString, QByteArray> files = unzip(f.readAll());
    QStringList shared;
    for (QXmlStreamReader x(files.value("xl/sharedStrings.xml")); !x.atEnd();)
        if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"t") shared << x.readElementText();
    // Excel's built-in formats are not written out.
    QHash<int, QString> numFmts{{0, "General"}, {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"}};
    QList<QString> xfFormats;
    bool inCellXfs = false;
    for (QXmlStreamReader x(files.value("xl/styles.xml")); !x.atEnd();) {
        const auto token = x.readNext();
        if (token == QXmlStreamReader::EndElement && x.name() == u"cellXfs") inCellXfs = false;
        if (token != QXmlStreamReader::StartElement) continue;
        if (x.name() == u"numFmt")
            numFmts.insert(x.attributes().value("numFmtId").toInt(), x.attributes().value("formatCode").toString());
        else if (x.name() == u"cellXfs") inCellXfs = true;
        else if (x.name() == u"xf" && inCellXfs)
            xfFormats << numFmts.value(x.attributes().value("numFmtId").toInt(), "?");
    }
    Sheet sheet;
    QString ref, type;
    int style = 0;
    for (QXmlStreamReader x(files.value("xl/worksheets/sheet1.xml")); !x.atEnd();) {
        if (x.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = x.attributes();
        if (x.name() == u"pane") {
            sheet.frozenRows = a.value("ySplit").toInt();
        } else if (x.name() == u"col") {
            for (int c = a.value("min").toInt(); c <= a.value("max").toInt(); ++c) {
                if (sheet.widths.size() < c) sheet.widths.resize(c);
                sheet.widths[c - 1] = a.value("width").toDouble();
            }
        } else if (x.name() == u"c") {
            ref = a.value("r").toString();
            type = a.value("t").toString();
            style = a.value("s").toInt();
        } else if (x.name() == u"v") {
            const QString v = x.readElementText();
            SheetCell c;
            c.number = type.isEmpty() || type == u"n";
            c.text = type == u"s" ? shared.value(v.toInt()) : v;
            c.format = xfFormats.value(style, "General");
            sheet.cells.insert(ref, c);
        }
    }
    return sheet;
}

} // namespace testxlsx
