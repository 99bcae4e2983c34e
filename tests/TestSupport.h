#pragma once
// What every test program shares: a fresh real database in a temporary
// working folder, a recorder in place of the message boxes, and a scripted
// hand in place of the modal windows.
#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QWidget;

namespace testsupport {

enum class Content { Empty, Seed, Demo };

// Creates a database file at path from the creation script, with seed data
// (code table, forestry unit) and optionally the demo compartments.
void createDatabase(const QString &path, Content content);

// A temporary folder made the working folder, holding ZELKOR.FDB, with a
// connected data module. Destroying it restores the working folder.
// First column of the first row of a query on a data module, as text ("" when no row).
QString scalar(TData *data, const QString &sql);

class TestDb {
public:
    explicit TestDb(Content content = Content::Seed, bool connect = true);
    ~TestDb();
    TData &data() { return *m_data; }
    QString dir() const { return m_dir.path(); }
    QString file() const { return m_dir.path() + QStringLiteral("/ZELKOR.FDB"); }
    void disconnect();   // destroys the data module (commits)
    void reconnect();    // a new data module on the same file
    // Runs a statement on its own, committed; for setting up a case.
    void exec(const QString &sql);
    QString scalar(const QString &sql) { return testsupport::scalar(m_data.get(), sql); }

private:
    QTemporaryDir m_dir;
    QString m_oldCwd;
    std::unique_ptr<TData> m_data;
};

// Records every message instead of showing it; questions get the queued answers
// (default: false).
struct MessageRecorder {
    MessageRecorder();
    ~MessageRecorder();
    QStringList texts;
    QList<seams::MessageKind> kinds;
    QList<bool> answers;
    QString last() const { return texts.isEmpty() ? QString() : texts.last(); }
    seams::MessageHandler previous;
    void clear() { texts.clear(); kinds.clear(); }
};

// Replaces the modal loop: each opened window is handed to the next step of
// the script (by window class name or any), which acts on it and returns the
// result code. Windows with no step left are closed with Rejected.
struct ModalScript {
    using Step = std::function<int(QDialog *)>;
    ModalScript();
    ~ModalScript();
    void add(Step step) { steps.append(std::move(step)); }
    QList<Step> steps;
    QStringList opened;   // class names of the windows opened, in order
    seams::ModalHandler previous;
};

// Sends each character as its own key event (Hungarian letters too).
void typeText(QWidget *w, const QString &text);
// Presses Enter (with Shift when asked) on a widget.
void pressEnter(QWidget *w, bool shift = false);
// Finds a named child or fails the test.
template <typename T> T *child(QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

} // namespace testsupport
