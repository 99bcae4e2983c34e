#pragma once
// Adds to a register what the creation script builds and it lacks, in one
// transaction committed once at the end: the engine changes the metadata
// within the transaction, so an upgrade that stops anywhere before the
// commit (a failure, a killed program, a lost connection) leaves the
// register as it was.
#include "datastore/SchemaCheck.h"
#include <functional>

namespace schema {

// Runs the plan's steps against database on a connection of its own.
// Throws DbError naming the step that failed; nothing is changed then.
void upgrade(const QString &database, const Plan &plan);

// Called after each step has run (and before the commit), with the number of
// steps done and their total; tests stop the program here.
extern std::function<void(int done, int total)> afterStep;

} // namespace schema
