#pragma once
// Row codes (RKOD, AKOD, ... KKOD) are five-digit texts that the database
// gives from 10001 upwards, the highest code + 1: a table can be given
// 89,999 codes. Windows that add a row ask here before they show its code,
// so that a full table is told in words rather than by the engine.
#include <QString>

namespace rowcodes {

inline constexpr qint64 kFirst = 10001;
inline constexpr qint64 kLast = 99999;

// "A(z) „Állományleírás” táblában elfogytak a kódok ...": what names the table as the user knows it.
QString exhaustedMessage(const QString &what);

// Whether the code the table would give next still fits; when it does not,
// the user is told (exhaustedMessage) and false is returned.
bool available(qint64 next, const QString &what);

} // namespace rowcodes
