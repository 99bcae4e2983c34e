#pragma once
#include <functional>
// The register a forester brings along: opened at start-up, asked whether it
// holds everything this program relies on, and upgraded with the user's
// consent (a backup beside it first, then the missing objects in one step).
#include "datastore/SchemaCheck.h"
#include <QDateTime>
#include <QString>

class QWidget;
class TData;

namespace registerupgrade {

// Connects the data module at start-up and checks the register. A register
// made by an older engine gets its own message and the offer of a restore;
// false when it cannot be opened and the program ends. Other failures throw.
// connect makes the connection (asking for a login where one is needed);
// false from it ends the program too.
bool connectAtStartup(TData &data, QWidget *mainWindow, const std::function<bool()> &connect);

// Asks the register whether it lacks anything of the creation script; where
// it does, asks the user, backs it up and upgrades it. Declined, or not
// possible, the main window's status says what the register lacks.
void check(TData &data, QWidget *mainWindow);

// The message for a register of an older on-disk structure.
QString olderEngineText(const QString &database);
// Whether a failure is the engine's "unsupported on-disk structure".
bool isOlderEngine(const std::exception &e);

// What the upgrade adds and why, in the question; what a register left as it is lacks, in the status.
QString questionText(const QString &database, const schema::Plan &plan, const QString &backup);
QString lackingText(const schema::Plan &plan);
// The backup made before the upgrade, beside the database (on its server for a server's).
QString backupBeside(const QString &database, const QDateTime &when);

} // namespace registerupgrade
