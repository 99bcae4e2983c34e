#pragma once
// What every piece of code talking to the engine's object API shares: the
// status holder, its readable text and the user the program logs in as.
#include "datastore/FbSession.h"
#include <firebird/Interface.h>
#include <QString>

namespace fbapi {

// A status of the engine that throws on failure and is given back afterwards.
struct Status {
    explicit Status(Firebird::IMaster *m) : st(m->getStatus()), w(st) {}
    ~Status() { st->dispose(); }
    Firebird::IStatus *st;
    Firebird::ThrowStatusWrapper w;
};

// The engine's message for a failed call.
QString statusText(Firebird::IUtil *util, Firebird::IStatus *status);
// The engine's error codes of a failed call, in order.
QVector<qint64> statusCodes(Firebird::IStatus *status);
// A DbError carrying both.
DbError statusError(Firebird::IUtil *util, Firebird::IStatus *status);

// The login given at start (held in memory only), else ISC_USER /
// ISC_PASSWORD when set, else the program's own login.
QString userName();
QString password();
void setLogin(const QString &user, const QString &password);
bool hasLogin();
void clearLogin();
// The computer user's name (the login of the embedded register's history).
QString computerUser();
// Takes ISC_USER / ISC_PASSWORD as the login and removes the password from
// the environment, so that no program started later inherits it.
void takeLoginFromEnvironment();

// Every user of the machine needs a lock folder of their own, or the second
// one cannot open any database with the embedded engine. Sets FIREBIRD_LOCK
// when it is not set; call before the engine is first used.
void ensureLockFolder();

} // namespace fbapi
