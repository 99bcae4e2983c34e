#pragma once
// The one way the program writes. A window says what its write is called in
// messages, what it checks first and what it reopens after a rollback, then
// hands over its statements:
//
//     guarded::Write w(QStringLiteral("Hiba84: ..."), QStringLiteral("Hiba86: ..."));
//     w.checkRow(m_loaded, [this] { takeOverStoredRow(); }).refuseBy(form);
//     if (!w.run([&] { q->execute(); })) return;   // the window stays open
//
// run() starts the transaction when none is active, checks that an updated
// row is still as loaded, runs the statements and commits. A value the
// database cannot hold is refused by its field before anything is written.
// Any other failure shows the window's "Hiba…" text with the reason on a
// second line and rolls back; a rollback that fails too is said with the
// window's second text; either way the lists the window shows reopen.
#include "datastore/RowCheck.h"
#include <QString>
#include <functional>

class DbValueError;
namespace fieldform { class FieldForm; }

namespace guarded {

class Write {
public:
    // failureText: the window's "Hiba…" text of a failed write; stopText: its
    // text for a transaction that cannot start or roll back (default: failureText).
    explicit Write(QString failureText, QString stopText = QString());
    Write(const Write &) = delete;
    Write &operator=(const Write &) = delete;
    // Rolls back what a run started and did not commit (an exception that is no failure of ours).
    ~Write();

    // An update: the row must still be as loaded; takeOver loads the stored row when the user agrees.
    Write &checkRow(const rowcheck::Loaded &loaded, std::function<void()> takeOver);
    // A value the database cannot hold is refused by the field its parameter belongs to.
    Write &refuseBy(const fieldform::FieldForm &form);
    // The same for windows without a field table: true when refuse named the field.
    Write &refuseBy(std::function<bool(const DbValueError &)> refuse);
    // Runs after every rollback, a failed one too: the window's lists reopen.
    Write &afterRollback(std::function<void()> reopen);
    // A later step of the statements fails under another text (a cascade of deletes).
    void setFailureText(const QString &text) { m_failure = text; }

    // True when the statements ran and were committed; false after the message.
    bool run(const std::function<void()> &statements);

    enum class Outcome { NotRun, Committed, NotStarted, RowRefused, ValueRefused, RolledBack, RollbackFailed };
    // How the last run ended.
    Outcome outcome() const { return m_outcome; }

private:
    void rollBack();
    QString m_failure, m_stop;
    const rowcheck::Loaded *m_loaded = nullptr;
    std::function<void()> m_takeOver;
    const fieldform::FieldForm *m_form = nullptr;
    std::function<bool(const DbValueError &)> m_refuse;
    std::function<void()> m_reopen;
    bool m_pending = false;   // started writing, neither committed nor rolled back
    Outcome m_outcome = Outcome::NotRun;
};

} // namespace guarded
