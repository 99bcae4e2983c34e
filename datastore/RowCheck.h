#pragma once
// Whether a row is still as a window loaded it. A save writes back every
// column the window shows, so a change another workstation saved in the
// meantime would be undone without a word; the check before the update
// refuses that instead.
#include "datastore/FbSession.h"
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <optional>

class TData;
class TQuery;

namespace rowcheck {

// The columns a save writes, with their values as the window loaded them.
struct Loaded {
    QString table, keyColumn, key;
    QStringList columns;
    QVector<QVariant> values;
    bool isSet() const { return !table.isEmpty(); }
};

// From the current row of a slot; the key is read from keyColumn.
Loaded capture(const TQuery &slot, const QString &table, const QString &keyColumn, const QStringList &columns);

enum class State {
    Unchanged,   // as loaded; now locked by this workstation for the update
    Changed,     // another workstation saved other values
    Deleted,     // another workstation deleted the row
    Locked       // another workstation is writing the row right now
};

struct Outcome {
    State state = State::Unchanged;
    std::optional<DbError> error;   // Locked: what the engine said
};

// Locks the row in the open transaction (started when needed) and compares it
// with what was loaded. Only when it is unchanged does the lock stay, until
// the update that follows is committed or rolled back. Other failures throw.
Outcome lockIfUnchanged(TData &db, const Loaded &loaded);

} // namespace rowcheck
