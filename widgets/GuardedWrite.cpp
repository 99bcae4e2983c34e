#include "widgets/GuardedWrite.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "datastore/Failure.h"
#include "widgets/FieldForm.h"
#include "widgets/SaveGuard.h"

namespace guarded {
namespace {

// Counts the statements run inside it as guarded writes.
struct Scope {
    explicit Scope(TData &db) : db(db) { db.enterWriteScope(); }
    ~Scope() { db.leaveWriteScope(); }
    TData &db;
};

} // namespace

Write::Write(QString failureText, QString stopText)
    : m_failure(std::move(failureText)), m_stop(stopText.isEmpty() ? m_failure : std::move(stopText))
{
}

Write::~Write()
{
    if (m_pending) {
        try {
            dm().rollback();
        } catch (...) {
        }
    }
}

Write &Write::checkRow(const rowcheck::Loaded &loaded, std::function<void()> takeOver)
{
    m_loaded = &loaded;
    m_takeOver = std::move(takeOver);
    return *this;
}

Write &Write::refuseBy(const fieldform::FieldForm &form)
{
    m_form = &form;
    return *this;
}

Write &Write::refuseBy(std::function<bool(const DbValueError &)> refuse)
{
    m_refuse = std::move(refuse);
    return *this;
}

Write &Write::afterRollback(std::function<void()> reopen)
{
    m_reopen = std::move(reopen);
    return *this;
}

void Write::rollBack()
{
    m_pending = false;
    try {
        dm().rollback();
        m_outcome = Outcome::RolledBack;
    } catch (const std::exception &again) {
        m_outcome = Outcome::RollbackFailed;
        seams::message(failure::message(m_stop, again));
    }
    if (m_reopen) {
        try {
            m_reopen();
        } catch (const DbError &e) {
            // A server that went away has been told of with the failure itself.
            if (!e.isConnectionLost())
                seams::message(failure::reason(e));
        } catch (const std::exception &e) {
            seams::message(failure::reason(e));
        }
    }
}

bool Write::run(const std::function<void()> &statements)
{
    TData &db = dm();
    try {
        if (!db.inTransaction())
            db.startTransaction();
    } catch (const std::exception &e) {
        m_outcome = Outcome::NotStarted;
        seams::message(failure::message(m_stop, e));
        return false;
    }
    m_outcome = Outcome::RowRefused;
    if (m_loaded && !saveguard::readyToUpdate(db, *m_loaded, m_failure, m_takeOver ? m_takeOver : [] {}))
        return false;
    const int before = db.guardedWrites();
    try {
        Scope scope(db);
        m_pending = true;
        statements();
        db.commit();
        m_pending = false;
        m_outcome = Outcome::Committed;
        return true;
    } catch (const DbValueError &e) {
        // Refused before it was written; only what this run wrote before it is undone.
        const bool wrote = db.guardedWrites() != before;
        m_pending = false;
        m_outcome = Outcome::ValueRefused;
        if (!(m_form && m_form->refuse(e)) && !(m_refuse && m_refuse(e)))
            seams::message(e.text());
        if (wrote)
            rollBack();
        return false;
    } catch (const std::exception &e) {
        seams::message(failure::message(m_failure, e));
        rollBack();
        return false;
    }
}

} // namespace guarded
