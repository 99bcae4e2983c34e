#pragma once
// How a failed write is told to the user: the window's own "Hiba" text, and on
// a second line why it failed, in words a user can act on.
#include <QString>
#include <exception>

namespace failure {

// Said when another workstation holds the row the write needs.
inline const QString LockConflictReason =
    QStringLiteral("Ezt az adatot egy másik felhasználó éppen módosítja. A beírt adatok megmaradtak; "
                   "próbálja újra egy kis idő múlva.");

// Said when the server went away; the program attaches again by itself.
inline const QString LostConnectionReason =
    QStringLiteral("A kapcsolat a kiszolgálóval megszakadt, ezért semmi nem került mentésre. A beírt adatok "
                   "megmaradtak; amint a kiszolgáló újra elérhető, a program magától újra kapcsolódik: "
                   "próbálja újra.");

// The reason for a failure: the lock conflict in plain words; a lost
// connection, a missing right, a full disk or a read-only folder in plain
// words with the engine's text below; the engine's own text otherwise.
QString reason(const std::exception &e);
// hibaText + "\n" + reason(e).
QString message(const QString &hibaText, const std::exception &e);

} // namespace failure
