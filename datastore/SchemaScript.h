#pragma once
// What the creation script builds, object by object: the one description of
// the schema this program relies on. The start-up check compares a register
// with it and the upgrade adds what the register lacks, so an object added to
// the script reaches old registers without a second list kept by hand.
#include "datastore/SqlScript.h"
#include <QString>
#include <QStringList>
#include <QVector>

namespace schema {

enum class Kind {
    Table, Index, Generator, Exception, Procedure, Function, Trigger, View, Role, Domain,
    Constraint,   // ALTER TABLE t ADD CONSTRAINT c ...
    Column,       // ALTER TABLE t ADD c ...
    Grant,        // run on every upgrade: a grant given twice is one grant
    Stamp,        // COMMENT ON DATABASE: the version of the creation script
    Setting       // the script's own settings of objects (SET GENERATOR, COMMENT ON ...): left out
};

struct Object {
    Kind kind = Kind::Setting;
    QString name;        // upper case; for a Column the column's name
    QString table;       // index, trigger, constraint, column: the table it belongs to
    QString text;        // the statement as the script writes it
    int line = 0;
    // Table: its columns as "NAME" → definition ("RKOD VARCHAR(5)").
    QVector<QPair<QString, QString>> columns;
    QStringList indexColumns;   // Index: its columns
    bool unique = false;        // Index: UNIQUE
    // Trigger, procedure, function, view: the text the engine keeps as the
    // object's source, blanks folded, for telling a changed object from a kept one.
    QString body;
    // Trigger: identifiers the trigger takes from a generator ("IDR" ← "GEN_RESZLET").
    QVector<QPair<QString, QString>> generated;
    QStringList assigned;   // Trigger: the columns it sets ("NEW.RKOD = ...")
};

// The script's statements as objects; a statement the upgrade cannot place is
// a Setting. Throws sqlscript::ScriptError.
QVector<Object> read(const QString &script);

// The built-in creation script's text (the one the program was built with).
QString creationScript();
// The built-in script, read once.
const QVector<Object> &creationObjects();

// The version number the script's COMMENT ON DATABASE stamp carries, 0 without one.
int versionOf(const QString &stampText);
int scriptVersion(const QVector<Object> &objects);

// A source text with its blanks folded and a leading AS dropped, as compared.
QString foldedSource(const QString &source);

// The columns a trigger's source sets ("NEW.RKOD = ..."), in upper case.
QStringList assignedColumns(const QString &source);

// "CREATE TRIGGER X ..." → "CREATE OR ALTER TRIGGER X ...": a code object the
// register holds in an older form is replaced, keeping what depends on it.
QString asCreateOrAlter(const Object &o);

// Hungarian name of a kind, singular ("tábla", "index", ...).
QString kindName(Kind kind);

} // namespace schema
