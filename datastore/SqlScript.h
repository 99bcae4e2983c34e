#pragma once
// Reads an isql script (the database creation script, the seed data) into the
// statements the engine runs, so the program can build a database without isql.
#include <QString>
#include <QVector>
#include <stdexcept>

namespace sqlscript {

struct Statement {
    enum Kind { Sql, Commit, Rollback };
    Kind kind = Sql;
    QString text;   // without its terminator; comments inside are kept
    int line = 0;   // first line of the statement, from 1
};

// A script the reader cannot follow (an unterminated statement or comment,
// a command that only isql can carry out).
class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }
private:
    QString m_text;
};

// Splits the script at its terminators, following SET TERM. isql's own
// settings (SET NAMES, SET SQL DIALECT, SET AUTODDL, ...) are left out;
// SQL statements that begin with SET (SET GENERATOR, SET STATISTICS) are kept.
QVector<Statement> split(const QString &script);

// The text with each comment replaced by a blank; quoted text is kept as it is.
QString withoutComments(const QString &text);

// True for a statement that changes the metadata (CREATE, ALTER, DROP, ...):
// isql commits each of these at once, and so does the program.
bool isDefinition(const QString &statement);

} // namespace sqlscript
