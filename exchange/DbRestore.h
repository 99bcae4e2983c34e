#pragma once
// A register brought back from a backup file: a .fbk written by gbak (of any
// engine version whose backups this engine restores) or a database copy made
// by "Adatok mentése". It is restored beside its target under a temporary
// name and checked before anything replaces the target.
#include "exchange/DbBackup.h"
#include <QString>
#include <QStringList>

namespace dbrestore {

enum class FileKind {
    Backup,          // gbak's backup format
    Database,        // a database file this engine opens
    OlderDatabase,   // a database file of an older on-disk structure
    Unknown
};

// What a file is, from its first bytes (the header page of a database).
FileKind kindOf(const QString &file);

// The register restored from source into a new file beside target, checked to
// open and to hold every one of tables; returns that file's path. Throws
// DbError; nothing is left behind then.
QString restoreBeside(const QString &source, const QString &target, const QStringList &tables,
                      const dbbackup::Progress &progress = {});

// "3 erdőrészlet, Őrségi Erdészet": what a register holds, for the question.
QString describe(const QString &database);

// Where putInPlace keeps the file it replaces.
QString keptName(const QString &target);

// The restored file takes target's name; a target that was there is kept as
// keptName(target). Throws DbError, leaving target as it was.
void putInPlace(const QString &restored, const QString &target);

} // namespace dbrestore
