#pragma once
// The database speaks WIN1250; text crosses the API here and nowhere else.
#include <QByteArray>
#include <QString>

namespace win1250 {
QString decode(const char *data, int length);
// False when a character has no WIN1250 form; *bad receives it.
bool encode(const QString &text, QByteArray &out, QString *bad = nullptr);
}
