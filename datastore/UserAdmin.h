#pragma once
// Persons, passwords and roles of a shared register, for its administrator.
// Each call logs in again with the role RDB$ADMIN (the administrator's login
// holds it besides the program's administrator role), so the daily connection
// never carries more than the program's role.
#include <QList>
#include <QString>

namespace useradmin {

struct Person {
    QString user;
    QString role;   // ZELKOR_OLVASO, ZELKOR_ROGZITO, ZELKOR_ADMIN or "" (none)
};

// The roles as the window names them, in order: reader, entry, administrator.
QList<QPair<QString, QString>> roles();

// A refusal in Hungarian for a user name or password this cannot take ("" when fine).
QString checkName(const QString &user);
QString checkPassword(const QString &password);

// Every call throws DbError (Hungarian text) on failure, having changed nothing.
QList<Person> persons();
void addPerson(const QString &user, const QString &password, const QString &role);
void setPassword(const QString &user, const QString &password);
void setRole(const QString &user, const QString &role);

} // namespace useradmin
