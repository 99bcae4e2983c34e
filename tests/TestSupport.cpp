#include "TestSupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <stdexcept>

namespace testsupport {

namespace {
// A test never shows a real box or runs a real modal loop: nobody would close
// it. Unexpected ones are reported and answered with "no" / rejected.
const bool g_fallbacks = [] {
    seams::setMessageHandler([](seams::MessageKind, const QString &text) {
        qWarning("unexpected message box: %s", qPrintable(text));
        return false;
    });
    seams::setModalHandler([](QDialog *d) {
        qWarning("unexpected modal window: %s", d->metaObject()->className());
        return int(QDialog::Rejected);
    });
    return true;
}();

// One template file per content kind and test program; each test copies it.
QString templateFor(Content content)
{
    static QTemporaryDir cache;
    const QString name = cache.path() + QStringLiteral("/tpl%1.fdb").arg(int(content));
    if (!QFile::exists(name)) {
        const QString src = QStringLiteral(ZELKOR_SOURCE_DIR);
        QStringList args{name};
        if (content != Content::Empty) args << src + QStringLiteral("/datastore/seed.sql");
        if (content == Content::Demo) args << src + QStringLiteral("/datastore/demo.sql");
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(src + QStringLiteral("/scripts/create-db.sh"), args);
        p.waitForFinished(120000);
        if (p.exitCode() != 0 || !QFile::exists(name))
            throw std::runtime_error("create-db.sh failed: " + p.readAll().toStdString());
    }
    return name;
}
} // namespace

void createDatabase(const QString &path, Content content)
{
    QFile::remove(path);
    if (!QFile::copy(templateFor(content), path)) throw std::runtime_error("copy of the test database failed");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

TestDb::TestDb(Content content, bool connect)
{
    m_oldCwd = QDir::currentPath();
    createDatabase(file(), content);
    QDir::setCurrent(m_dir.path());
    if (connect) reconnect();
}

TestDb::~TestDb()
{
    m_data.reset();
    QDir::setCurrent(m_oldCwd);
}

void TestDb::disconnect() { m_data.reset(); }

void TestDb::reconnect()
{
    m_data.reset();
    m_data = std::make_unique<TData>();
    m_data->connectDatabase();
}

void TestDb::exec(const QString &sql)
{
    TQuery q(m_data.get(), QStringLiteral("TestExec"));
    q.load({sql});
    q.execute();
    if (m_data->inTransaction()) m_data->commit();
}

QString scalar(TData *data, const QString &sql)
{
    TQuery q(data, QStringLiteral("TestScalar"));
    q.load({sql});
    q.open();
    const QString v = q.isEmpty() ? QString() : q.textAt(0, 0);
    q.close();
    return v;
}

MessageRecorder::MessageRecorder()
{
    previous = seams::messageHandler();
    seams::setMessageHandler([this](seams::MessageKind kind, const QString &text) {
        texts << text;
        kinds << kind;
        return answers.isEmpty() ? false : answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder() { seams::setMessageHandler(previous); }

ModalScript::ModalScript()
{
    previous = seams::modalHandler();
    seams::setModalHandler([this](QDialog *d) {
        opened << QString::fromLatin1(d->metaObject()->className());
        if (steps.isEmpty()) return int(QDialog::Rejected);
        Step s = steps.takeFirst();
        return s(d);
    });
}

ModalScript::~ModalScript() { seams::setModalHandler(previous); }

void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &release);
    }
}

void pressEnter(QWidget *w, bool shift)
{
    QTest::keyClick(w, Qt::Key_Return, shift ? Qt::ShiftModifier : Qt::NoModifier);
}

} // namespace testsupport
