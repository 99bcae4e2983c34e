#include "LoopbackServer.h"
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

namespace {

const QString ServerBinary = QStringLiteral("/usr/sbin/firebird");

// The engine's own folder (plugins, character sets, messages) as Debian installs it.
QString engineRoot()
{
    const QStringList candidates = QDir(QStringLiteral("/usr/lib")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &arch : candidates) {
        const QString dir = QStringLiteral("/usr/lib/%1/firebird/3.0").arg(arch);
        if (QFileInfo::exists(dir + QStringLiteral("/plugins/libEngine12.so")))
            return dir;
    }
    return {};
}

sockaddr_in loopback(int port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(quint16(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// A port nobody listens on now: the one the system hands out for port 0.
int freePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a = loopback(0);
    socklen_t len = sizeof a;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0
        && getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    close(fd);
    return port;
}

bool listening(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in a = loopback(port);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    close(fd);
    return ok;
}

QString madeUpPassword()
{
    const QString letters = QStringLiteral("abcdefghjkmnpqrstuvwxyz23456789");
    QString p;
    for (int i = 0; i < 12; ++i)
        p += letters.at(QRandomGenerator::global()->bounded(int(letters.size())));
    return p;
}

} // namespace

LoopbackServer::~LoopbackServer() { stop(); }

QString LoopbackServer::dataFolder() const { return m_root.path() + QStringLiteral("/data"); }

QString LoopbackServer::connectionString(const QString &file) const
{
    return QStringLiteral("127.0.0.1/%1:%2").arg(m_port).arg(file);
}

bool LoopbackServer::running() const { return m_server && m_server->state() == QProcess::Running; }

QProcessEnvironment LoopbackServer::serverEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), m_root.path());
    env.insert(QStringLiteral("FIREBIRD_LOCK"), m_root.path() + QStringLiteral("/lock"));
    env.insert(QStringLiteral("FIREBIRD_TMP"), m_root.path() + QStringLiteral("/tmp"));
    env.remove(QStringLiteral("ISC_USER"));
    env.remove(QStringLiteral("ISC_PASSWORD"));
    return env;
}

bool LoopbackServer::runIsql(const QStringList &args, const QString &input, QString *why)
{
    QProcess isql;
    isql.setProcessEnvironment(serverEnvironment());
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), QStringList{QStringLiteral("-q")} + args);
    isql.write(input.toUtf8());
    isql.closeWriteChannel();
    if (!isql.waitForFinished(30000) || isql.exitCode() != 0) {
        *why = QStringLiteral("isql-fb %1: %2").arg(args.join(u' '), QString::fromLocal8Bit(isql.readAll()));
        return false;
    }
    return true;
}

bool LoopbackServer::start(QString *why)
{
    if (!QFileInfo(ServerBinary).isExecutable()) {
        *why = ServerBinary + QStringLiteral(" is missing: install firebird3.0-server (scripts/install.sh)");
        return false;
    }
    m_engineRoot = engineRoot();
    if (m_engineRoot.isEmpty()) {
        *why = QStringLiteral("no Firebird 3 engine folder under /usr/lib/*/firebird/3.0");
        return false;
    }
    if (!m_root.isValid()) {
        *why = QStringLiteral("no temporary folder");
        return false;
    }
    const QString root = m_root.path();
    for (const char *sub : {"lock", "tmp", "data"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    // The engine's read-only parts are shared; configuration and state are ours.
    for (const char *part : {"plugins", "firebird.msg"})
        QFile::link(m_engineRoot + u'/' + QString::fromLatin1(part), root + u'/' + QString::fromLatin1(part));
    // The character sets are copied: through a link the engine refuses its own module.
    QDir(root).mkpath(QStringLiteral("intl"));
    for (const QString &f : QDir(m_engineRoot + QStringLiteral("/intl")).entryList(QDir::Files))
        QFile::copy(m_engineRoot + QStringLiteral("/intl/") + f, root + QStringLiteral("/intl/") + f);
    QFile::copy(QFileInfo(m_engineRoot + QStringLiteral("/plugins.conf")).canonicalFilePath(),
                root + QStringLiteral("/plugins.conf"));
    QFile(root + QStringLiteral("/databases.conf")).open(QIODevice::WriteOnly);

    m_port = freePort();
    if (m_port == 0) {
        *why = QStringLiteral("no free loopback port");
        return false;
    }
    QFile conf(root + QStringLiteral("/firebird.conf"));
    if (!conf.open(QIODevice::WriteOnly)) {
        *why = QStringLiteral("cannot write firebird.conf");
        return false;
    }
    conf.write(QStringLiteral("RemoteServicePort = %1\n"
                              "RemoteBindAddress = 127.0.0.1\n"
                              "SecurityDatabase = %2/security3.fdb\n"
                              "ServerMode = Super\n")
                   .arg(m_port)
                   .arg(root)
                   .toUtf8());
    if (!m_wireCrypt.isEmpty())
        conf.write(QStringLiteral("WireCrypt = %1\n").arg(m_wireCrypt).toUtf8());
    conf.close();

    // A security database of our own holding SYSDBA with this run's password.
    m_password = madeUpPassword();
    const QString security = root + QStringLiteral("/security3.fdb");
    if (!runIsql({}, QStringLiteral("CREATE DATABASE '%1';\n").arg(security), why))
        return false;
    if (!runIsql({QStringLiteral("-user"), QStringLiteral("SYSDBA"), security},
                 QStringLiteral("CREATE USER SYSDBA PASSWORD '%1';\nCOMMIT;\n").arg(m_password), why))
        return false;

    return launch(why);
}

bool LoopbackServer::launch(QString *why)
{
    m_server = std::make_unique<QProcess>();
    m_server->setProcessEnvironment(serverEnvironment());
    m_server->setProcessChannelMode(QProcess::MergedChannels);
    // The server goes with the test program, even when that one crashes.
    m_server->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // No "-p PORT": given a port there, the server binds every interface and
    // ignores RemoteBindAddress; the port comes from firebird.conf instead.
    m_server->start(ServerBinary, {});
    if (!m_server->waitForStarted(10000)) {
        *why = QStringLiteral("the server did not start: ") + m_server->errorString();
        return false;
    }
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (m_server->state() != QProcess::Running) {
            *why = QStringLiteral("the server stopped: ") + QString::fromLocal8Bit(m_server->readAll());
            return false;
        }
        if (listening(m_port))
            return true;
        QThread::msleep(100);
    }
    *why = QStringLiteral("the server did not listen on port %1").arg(m_port);
    return false;
}

bool LoopbackServer::runAsSysdba(const QString &file, const QString &sql, QString *why)
{
    return runIsql({QStringLiteral("-b"), QStringLiteral("-user"), QStringLiteral("SYSDBA"), QStringLiteral("-password"),
                    m_password, connectionString(file)},
                   sql, why);
}

void LoopbackServer::kill()
{
    if (!m_server)
        return;
    m_server->kill();
    m_server->waitForFinished(5000);
    m_server.reset();
}

QStringList LoopbackServer::listeningAddresses() const
{
    // /proc/net/tcp lines: "sl local_address rem_address st ...", hex address:port, state 0A = LISTEN.
    QStringList out;
    for (const char *table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile f(QString::fromLatin1(table));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        f.readLine();
        while (!f.atEnd()) {
            const QList<QByteArray> parts = f.readLine().simplified().split(' ');
            if (parts.size() < 4 || parts.at(3) != "0A")
                continue;
            const QList<QByteArray> local = parts.at(1).split(':');
            if (local.size() == 2 && local.at(1).toInt(nullptr, 16) == m_port)
                out << QString::fromLatin1(local.at(0));
        }
    }
    return out;
}

void LoopbackServer::stop()
{
    if (!m_server)
        return;
    if (m_server->state() != QProcess::NotRunning) {
        m_server->terminate();
        if (!m_server->waitForFinished(10000)) {
            m_server->kill();
            m_server->waitForFinished(5000);
        }
    }
    m_server.reset();
}

} // namespace testsupport
