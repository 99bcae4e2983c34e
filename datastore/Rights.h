#pragma once
// What the current login may do, asked of the database once per connection.
// The server enforces it; the windows ask here first, so that a refusal comes
// in Hungarian before anything is typed, never as an engine error after.
#include <QString>

class FbSession;

namespace rights {

// The program's roles on a shared server.
inline const char *const ReaderRole = "ZELKOR_OLVASO";
inline const char *const EntryRole = "ZELKOR_ROGZITO";
inline const char *const AdminRole = "ZELKOR_ADMIN";

enum Action {
    Read,            // the register at all
    Enter,           // adding, changing and deleting compartments and sub-records
    Codes,           // the code table
    ReferenceYear,   // "Tárgyév"
    RawAdmin,        // "Adatok" on a server
    Users            // persons, passwords and roles on a server
};

struct Grants {
    bool server = false;   // false: the embedded register, where everything is allowed
    QString user, role;    // as the engine names them ("NONE": no role)
    bool read = true, enter = true, codes = true, referenceYear = true, admin = true;
    bool may(Action action) const;
};

// "server" when the connection string names a host ("host:/path", "host/3051:/path").
bool isServerName(const QString &database);
// The host part of a server connection string ("" for a local file).
QString hostOf(const QString &database);

// The highest of the program's roles granted to the logged-in user ("" for none).
QString grantedRole(FbSession &session);
// Reads what the connection may do (a server register).
Grants read(FbSession &session);

// The Hungarian refusal: "Ehhez nincs jogosultsága: a tárgyév beállítása."
QString refusal(Action action);
// The grants of the current data module (everything when none is connected).
const Grants &current();
bool may(Action action);
// When the current login may not: shows the refusal and returns true.
bool refuse(Action action);

} // namespace rights
