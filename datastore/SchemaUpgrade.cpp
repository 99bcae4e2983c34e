#include "datastore/SchemaUpgrade.h"
#include "datastore/FbStatus.h"

namespace schema {

std::function<void(int, int)> afterStep;

namespace {

// The block that moves a new generator past the identifiers already stored.
QString startStatement(const Step &step)
{
    QString body = QStringLiteral("EXECUTE BLOCK AS\nDECLARE N BIGINT = 0;\nDECLARE M BIGINT;\nBEGIN\n");
    for (const auto &tc : step.startFrom)
        body += QStringLiteral("  SELECT MAX(%2) FROM %1 INTO M;\n  IF (M > N) THEN N = M;\n").arg(tc.first, tc.second);
    body += QStringLiteral("  IF (N > 0) THEN EXECUTE STATEMENT 'ALTER SEQUENCE %1 RESTART WITH ' || N;\nEND")
                .arg(step.object.name);
    return body;
}

QString stepName(const Step &step)
{
    const Object &o = step.object;
    if (o.kind == Kind::Grant || o.kind == Kind::Stamp) return QStringLiteral("A létrehozó szkript %1. sora").arg(o.line);
    return QStringLiteral("%1 (%2, a létrehozó szkript %3. sora)").arg(o.name, kindName(o.kind)).arg(o.line);
}

} // namespace

void upgrade(const QString &database, const Plan &plan)
{
    fbapi::ensureLockFolder();
    FbSession session;
    session.attach(database, fbapi::userName(), fbapi::password());
    // The session's transaction never waits: an object another workstation
    // holds stops the upgrade at once instead of hanging the start.
    session.startTransaction();
    QString where;
    try {
        const int total = int(plan.steps.size());
        int done = 0;
        for (const Step &step : plan.steps) {
            where = stepName(step);
            session.runAsWritten(step.statement);
            if (!step.startFrom.isEmpty()) session.runAsWritten(startStatement(step));
            ++done;
            if (afterStep) afterStep(done, total);
        }
        where = QStringLiteral("A véglegesítés");
        session.commit();
    } catch (const DbError &e) {
        // Nothing of a failed upgrade is kept: the transaction goes unfinished.
        try {
            session.rollback();
        } catch (...) {
        }
        throw DbError(QStringLiteral("%1: %2").arg(where, e.text()), e.codes());
    }
    session.detach();
}

} // namespace schema
