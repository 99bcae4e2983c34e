#pragma once
// Consistent copies of a database the program itself holds open: the engine's
// own backup through its service manager, then a restore of that backup.
#include <QString>
#include <functional>

namespace dbbackup {

// Called with every line the engine reports while it works.
using Progress = std::function<void(const QString &line)>;

// Writes a backup (.fbk) of database into backupFile. Throws DbError.
void backup(const QString &database, const QString &backupFile, const Progress &progress = {});
// Creates a new database at target from backupFile; target must not exist. Throws DbError.
void restore(const QString &backupFile, const QString &target, const Progress &progress = {});
// Attaches to a database and detaches again; throws DbError when it does not open.
void checkOpens(const QString &database);

// Backup of source restored into target, so that target opens as a database.
// A server streams the backup to this machine. The backup and the restore are
// made in a folder only this user reads; the copy replaces target only once
// it opens: a failure never leaves a half-written target behind.
void copyDatabase(const QString &source, const QString &target, const Progress &progress = {});

// This user's folder for the pieces of a backup under way (mode 0700).
QString privateFolder();
// Removes what backups killed half-way left (in the private folder and, when
// given, hidden partial copies in targetFolder); pieces of a backup still
// running in another instance are kept. Called at start and by every backup.
void removeLitter(const QString &targetFolder = {});

} // namespace dbbackup
