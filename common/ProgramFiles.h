#pragma once
// The files that come with the program (report templates, mezo1.txt, the
// help, the database creation script) and where the program finds them.
#include <QString>

namespace programfiles {

// The installed folder of those files, <prefix>/share/zelkor beside the
// program's <prefix>/bin; empty when the program does not run from an
// installed tree (a build folder, where the working folder holds them).
QString shareDir();
// Points shareDir() elsewhere; an empty text restores the installed one.
void setShareDir(const QString &dir);

// A file named by its bare name (or a name under a folder, "help/x.html"):
// the working folder's copy when there is one, so that a folder's own
// templates win; else the installed copy; else the working-folder path, so
// that a message names where it was looked for.
QString find(const QString &name);

} // namespace programfiles
