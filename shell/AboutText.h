#pragma once
// The program's title and the maker's contact lines, shown by the splash and
// the about window. The contact data are placeholders of the maker's.
#include <QString>
#include <QStringList>
#include "exchange/SendByEmail.h"

namespace about {

inline QString title() { return QStringLiteral("Zelkor"); }
inline QString subtitle() { return QStringLiteral("Erdőrészlet-nyilvántartó program"); }
inline QStringList contactLines()
{
    return {QStringLiteral("Zelkor Erdészeti Informatika Kft."),
            QStringLiteral("Programozó: Zelkor fejlesztőcsapat"),
            QStringLiteral("8900 Zalaegerszeg, Erdő utca 1."),
            QStringLiteral("Tel./fax: +36 92 000 000   Mobil: +36 30 000 0000"),
            QStringLiteral("E-mail: ") + exchange::supportAddress() + QStringLiteral("   Web: www.zelkor.example.hu")};
}

} // namespace about
