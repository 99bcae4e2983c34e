#pragma once
// The wire to a shared server: the program asks for an encrypted connection
// and refuses one the server would only keep unencrypted, unless the server
// is this machine ("localhost") or ZELKOR_TITKOSITAS_NELKUL=1 allows it knowingly.
#include "datastore/FbSession.h"

namespace wire {

// A connection refused because it would go unencrypted; text() says so in Hungarian.
class Refused : public DbError {
public:
    using DbError::DbError;
};

// What the connection asks of the server ("" for a local file).
QString config(const QString &database);
// The refusal for a failed attach that failed on encryption; otherwise the failure itself.
[[noreturn]] void rethrow(const DbError &failure, const QString &database);

} // namespace wire
