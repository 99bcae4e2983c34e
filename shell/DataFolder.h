#pragma once
// Where the program works when it is started from the desktop menu: a folder
// that holds ZELKOR.FDB is used as it is; otherwise the user's own data folder,
// with a new, empty register made there on the first start (after asking).

#include <QString>

namespace datafolder {

enum class Outcome {
    AsBefore,   // the working folder (or ZELKOR_DATABASE) is used unchanged
    Opened,     // the user's data folder with its register became the working folder
    Created,    // a new register was made in the user's data folder, now the working folder
    Declined,   // the user did not want a new register; nothing was made
    Failed      // the new register could not be made; the user was told why
};

// $XDG_DATA_HOME/zelkor (~/.local/share/zelkor when it is not set).
QString userFolder();

// Chooses the working folder before the main window opens. Only an installed
// program (one that has its creation script) moves to the user's folder; run
// from a build folder it behaves as it always did.
Outcome chooseWorkingFolder();

} // namespace datafolder
