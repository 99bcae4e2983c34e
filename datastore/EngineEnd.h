#pragma once
// How the program lets go of the database engine when it ends.

namespace engineend {

// From here on the process ends within limitMs whatever happens: a detach or
// an engine shutdown that never returns must not keep holding the lock folder
// the user's other instances share. The process then ends with exitCode.
void endWithin(int limitMs, int exitCode);

// Closes the engine's attachments and stops its threads while the program
// still runs, instead of leaving it to the library's own end at exit.
void shutdownEngine(int waitMs);

} // namespace engineend
