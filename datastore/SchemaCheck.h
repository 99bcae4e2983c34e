#pragma once
// Whether a register holds everything the creation script builds, asked of
// the database itself (its system tables), and the steps that would add what
// it lacks. Nothing here writes.
#include "datastore/SchemaScript.h"
#include <QString>
#include <QStringList>
#include <QVector>

class FbSession;

namespace schema {

struct Step {
    enum Why {
        Missing,   // the register has no such object
        Changed,   // it has one of the name in an older form: run again as CREATE OR ALTER
        Superseded,   // an older trigger of its own giving the same columns: switched off
        Always     // grants and the version stamp, run with every upgrade
    };
    Object object;
    Why why = Missing;
    QString statement;   // what the upgrade runs
    // A new generator starts at the highest identifier these columns already
    // hold ("RESZLET", "IDR"), so that it never hands out one a row has.
    QVector<QPair<QString, QString>> startFrom;
};

struct Plan {
    QVector<Step> steps;
    int storedVersion = 0;   // the register's stamp, 0 without one
    int scriptVersion = 0;
    QString user;            // the login asking
    bool mayChangeSchema = true;   // owner, SYSDBA or RDB$ADMIN
    // Codes held by more than one row where the script puts a unique index:
    // "RESZLET.RKOD: 10005, 10007". The upgrade would fail on them.
    QStringList duplicates;

    // Nothing missing, nothing older: the register is this program's own.
    bool complete() const;
    // Made by a newer program (a higher stamp): left as it is.
    bool newer() const { return storedVersion > scriptVersion; }
    // The steps that add or replace an object (not the grants and the stamp).
    QVector<const Step *> changes() const;
};

// Every row a statement gives, as texts (blanks around them trimmed).
QVector<QStringList> rowsOf(FbSession &session, const QString &sql);

// Compares the register open in session (a transaction is started and ended
// here) with the script's objects. Throws DbError.
Plan check(FbSession &session, const QVector<Object> &objects = creationObjects());

} // namespace schema
