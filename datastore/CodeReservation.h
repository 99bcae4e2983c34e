#pragma once
// Codes of new rows when several workstations share one database. A window
// that adds a row shows the code the row will get; the database reserves that
// code for this connection (procedure KOD_FOGLALAS), so no other workstation
// is shown it, and the table's BEFORE INSERT trigger gives the row exactly
// that code: the INSERT statements still never name it. One code per table
// and connection; a new reservation frees the one before.
#include <QMetaObject>
#include <QPointer>
#include <functional>
#include <QString>
#include <optional>

class TData;

namespace reservation {

struct Prediction {
    QString code;   // empty when the highest code is no whole number
    QString last;   // the highest code of the table, empty for an empty table
};

// "RKOD" → "RESZLET"; empty for a column that is no row code.
QString tableOfCode(const QString &codeColumn);

// The code the next row of the table gets, reserved until release(). No value
// when the database reserves no codes (made by an older script): the caller
// predicts as it always did. With wanted: that code again when it is still
// free (after a lost connection), else the next free one. Throws DbError.
std::optional<Prediction> reserve(TData &db, const QString &codeColumn, const QString &wanted = {});

// Told when a window's code was taken while its connection was lost.
QString takenMessage(const QString &shown, const QString &now);

// Frees the code: once the row is committed, or when its window closes
// unsaved. Never throws; nothing reserved, nothing to do.
void release(TData *db, const QString &codeColumn);

// What a window has reserved, freed at the latest when the window goes.
class Hold {
public:
    Hold() = default;
    ~Hold() { release(); }
    Hold(const Hold &) = delete;
    Hold &operator=(const Hold &) = delete;
    // With the code shown: when the connection is lost and attached again,
    // the code is reserved again; moved is told the new one if it was taken.
    void set(TData &db, const QString &codeColumn, const QString &code = {},
             std::function<void(const QString &)> moved = {});
    void release();

private:
    void reserveAgain();
    QPointer<TData> m_db;
    QString m_column, m_code;
    std::function<void(const QString &)> m_moved;
    QMetaObject::Connection m_again;
};

} // namespace reservation
