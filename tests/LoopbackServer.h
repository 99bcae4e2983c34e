#pragma once
// A Firebird server of the tests' own on the loopback interface: a private
// configuration folder, lock folder and security database with a SYSDBA
// password made up for the run, on a free port. It never touches a server
// the machine may run as a service.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace testsupport {

class LoopbackServer {
public:
    LoopbackServer() = default;
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer &) = delete;
    LoopbackServer &operator=(const LoopbackServer &) = delete;

    // Prepares the folder and starts the server; on failure says why.
    bool start(QString *why);
    void stop();
    bool running() const;
    // The server dies at once (as at a power cut); launch() starts it again
    // on the same port, configuration and databases.
    void kill();
    bool launch(QString *why);
    // The local addresses listening on the server's port, as /proc/net/tcp{,6}
    // spell them: "0100007F" is 127.0.0.1.
    QStringList listeningAddresses() const;

    // A folder the server may open databases in.
    QString dataFolder() const;
    // "127.0.0.1/port:file", what ZELKOR_DATABASE names.
    QString connectionString(const QString &file) const;
    int port() const { return m_port; }
    QString user() const { return QStringLiteral("SYSDBA"); }
    QString password() const { return m_password; }
    // Set-up only: statements run on a database of this server as SYSDBA.
    bool runAsSysdba(const QString &file, const QString &sql, QString *why);
    // The server's WireCrypt setting (Enabled, Required, Disabled); before start().
    void setWireCrypt(const QString &level) { m_wireCrypt = level; }
    // The environment a program needs to talk to this server as a client.
    QProcessEnvironment clientEnvironment() const { return serverEnvironment(); }

private:
    bool runIsql(const QStringList &args, const QString &input, QString *why);
    QProcessEnvironment serverEnvironment() const;

    QTemporaryDir m_root;
    std::unique_ptr<QProcess> m_server;
    QString m_engineRoot;
    QString m_password;
    int m_port = 0;
    QString m_wireCrypt;
};

} // namespace testsupport
