#pragma once
// A new database built by the program itself from the creation script and
// its seed data, through the engine's API: no isql, no terminal.
#include <QString>
#include <QStringList>

namespace dbcreate {

// Creates the database file at path (which must not exist) and runs the
// scripts in it, in order, each ending in a commit. The file is built under a
// temporary name beside path and takes its name only when it is complete, so a
// failure leaves nothing a later start could take for a register.
// Throws DbError naming the script and line that failed.
void createDatabase(const QString &path, const QStringList &scripts);

} // namespace dbcreate
