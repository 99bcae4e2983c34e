// Packed rows: how a fetched row is kept and read back.
#include "datastore/FbSession.h"
#include "datastore/Win1250.h"
#include <firebird/Interface.h>
#include <QDateTime>
#include <QtEndian>
#include <cstring>
#include <ibase.h>

using namespace Firebird;

namespace {

// Layout: width W (1 byte), column count (2 bytes), null bitmap, end offset
// of each column (W bytes each), the values. Column i starts where i - 1 ends.
constexpr int kBitmap = 3;

int headerSize(int columns, int width)
{
    return kBitmap + (columns + 7) / 8 + columns * width;
}

quint32 endOf(const char *d, int column)
{
    const int columns = qFromUnaligned<quint16>(d + 1);
    const char *ends = d + kBitmap + (columns + 7) / 8;
    return d[0] == 2 ? quint32(qFromUnaligned<quint16>(ends + 2 * column)) : qFromUnaligned<quint32>(ends + 4 * column);
}

// Column `column` of a row: its bytes, or false when it is null.
bool columnSpan(const DbRow &row, int column, const char **at, quint32 *len)
{
    const char *d = row.data.constData();
    if (d[kBitmap + column / 8] & (1 << (column % 8))) return false;
    const quint32 start = column == 0 ? quint32(headerSize(qFromUnaligned<quint16>(d + 1), d[0]))
                                      : endOf(d, column - 1);
    *at = d + start;
    *len = endOf(d, column) - start;
    return true;
}

} // namespace

DbRow FbSession::nullRow(int columns)
{
    return packRow(QVector<QByteArrayView>(columns), QVector<bool>(columns, true));
}

DbRow FbSession::packRow(const QVector<QByteArrayView> &values, const QVector<bool> &nulls)
{
    const int n = int(values.size());
    qsizetype payload = 0;
    for (const QByteArrayView &v : values) payload += v.size();
    // Offsets of two bytes while the row stays under 64 KiB (every row but long remarks).
    const int width = headerSize(n, 2) + payload <= 0xFFFF ? 2 : 4;
    DbRow row;
    row.data.resize(headerSize(n, width) + payload, '\0');
    char *d = row.data.data();
    d[0] = char(width);
    qToUnaligned(quint16(n), d + 1);
    char *ends = d + kBitmap + (n + 7) / 8;
    quint32 end = quint32(headerSize(n, width));
    for (int i = 0; i < n; ++i) {
        if (nulls[i]) d[kBitmap + i / 8] = char(d[kBitmap + i / 8] | (1 << (i % 8)));
        if (!values[i].isEmpty()) memcpy(d + end, values[i].data(), size_t(values[i].size()));
        end += quint32(values[i].size());
        if (width == 2) qToUnaligned(quint16(end), ends + 2 * i);
        else qToUnaligned(end, ends + 4 * i);
    }
    return row;
}

bool FbSession::isNull(const DbRow &row, int column)
{
    return row.data.constData()[kBitmap + column / 8] & (1 << (column % 8));
}

QVariant FbSession::value(const DbRow &row, const DbColumn &c, int column)
{
    const char *at = nullptr;
    quint32 len = 0;
    if (!columnSpan(row, column, &at, &len)) return QVariant();
    auto scaled = [&](qint64 v) -> QVariant {
        if (c.scale == 0) return QVariant(v);
        double d = double(v);
        for (int i = 0; i < -c.scale; ++i) d /= 10.0;
        return QVariant(d);
    };
    switch (c.type) {
    case SQL_VARYING:
        return win1250::decode(at, int(len));
    case SQL_TEXT: {
        // Fixed-width text comes padded with blanks.
        int n = int(len);
        while (n > 0 && at[n - 1] == ' ') --n;
        return win1250::decode(at, n);
    }
    case SQL_BLOB:
        return win1250::decode(at, int(len));
    case SQL_SHORT: { short v; memcpy(&v, at, sizeof v); return scaled(v); }
    case SQL_LONG: { qint32 v; memcpy(&v, at, sizeof v); return scaled(v); }
    case SQL_INT64: { qint64 v; memcpy(&v, at, sizeof v); return scaled(v); }
    case SQL_FLOAT: { float v; memcpy(&v, at, sizeof v); return double(v); }
    case SQL_DOUBLE: case SQL_D_FLOAT: { double v; memcpy(&v, at, sizeof v); return v; }
    case SQL_BOOLEAN: return bool(*at);
    case SQL_TYPE_DATE: {
        ISC_DATE d; memcpy(&d, at, sizeof d);
        unsigned y, m, dd;
        fb_get_master_interface()->getUtilInterface()->decodeDate(d, &y, &m, &dd);
        return QDate(int(y), int(m), int(dd));
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP ts; memcpy(&ts, at, sizeof ts);
        unsigned y, m, dd, h, mi, sec, frac;
        IUtil *u = fb_get_master_interface()->getUtilInterface();
        u->decodeDate(ts.timestamp_date, &y, &m, &dd);
        u->decodeTime(ts.timestamp_time, &h, &mi, &sec, &frac);
        return QDateTime(QDate(int(y), int(m), int(dd)), QTime(int(h), int(mi), int(sec)));
    }
    case SQL_TYPE_TIME: {
        ISC_TIME t; memcpy(&t, at, sizeof t);
        unsigned h, mi, sec, frac;
        fb_get_master_interface()->getUtilInterface()->decodeTime(t, &h, &mi, &sec, &frac);
        return QTime(int(h), int(mi), int(sec));
    }
    default:
        return QString::fromLatin1(at, int(len));
    }
}
