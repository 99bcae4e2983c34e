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

// The reason for a failure: the lock conflict in plain words, the engine's own text otherwise.
QString reason(const std::exception &e);
// hibaText + "\n" + reason(e).
QString message(const QString &hibaText, const std::exception &e);

} // namespace failure
