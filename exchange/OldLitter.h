#pragma once
// Partial copies the program's earlier backups left beside their target
// (".NAME.fdb.XXXXXXXX.tmp", with no process number in the name).
#include <QString>

namespace oldlitter {

// Removes those in folder that no live program is still writing: untouched
// for ten minutes and held open by no process.
void removeIn(const QString &folder);

// Whether any process of the machine (that this user may look at) holds path open.
bool heldOpen(const QString &path);

} // namespace oldlitter
