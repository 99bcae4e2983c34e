#include "exchange/DbBackup.h"
#include "exchange/OldLitter.h"
#include "datastore/FbSession.h"
#include "datastore/FbStatus.h"

#include <firebird/Interface.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace Firebird;

namespace dbbackup {
namespace {

using fbapi::Status;
using fbapi::password;
QString user() { return fbapi::userName(); }

// "host:/path" talks to that server's service manager about "/path";
// a plain path (or a Windows drive letter) uses the embedded engine's.
void splitServer(const QString &database, QString *service, QString *path)
{
    const int colon = int(database.indexOf(u':'));
    if (colon > 1 && !database.startsWith(u'/')) {
        *service = database.left(colon) + QStringLiteral(":service_mgr");
        *path = database.mid(colon + 1);
    } else {
        *service = QStringLiteral("service_mgr");
        *path = database;
    }
}

unsigned readLength(const unsigned char *p) { return unsigned(p[0]) | (unsigned(p[1]) << 8); }

// Starts one service action and reads its verbose lines until it has finished.
// The engine reports a failed action as an error of the last query.
// With sink: the action writes its result to "stdout", which the service
// hands over here in pieces (isc_info_svc_to_eof) instead of lines.
using Sink = std::function<void(const char *data, unsigned length)>;

void runService(const QString &serviceName,
                const std::function<void(IXpbBuilder *, ThrowStatusWrapper *)> &fillStart, const Progress &progress,
                const Sink &sink = {})
{
    IMaster *master = fb_get_master_interface();
    IUtil *util = master->getUtilInterface();
    Status s(master);
    IService *svc = nullptr;
    IXpbBuilder *attachSpb = nullptr;
    IXpbBuilder *startSpb = nullptr;
    try {
        attachSpb = util->getXpbBuilder(&s.w, IXpbBuilder::SPB_ATTACH, nullptr, 0);
        attachSpb->insertString(&s.w, isc_spb_user_name, user().toUtf8().constData());
        attachSpb->insertString(&s.w, isc_spb_password, password().toUtf8().constData());
        svc = master->getDispatcher()->attachServiceManager(
            &s.w, serviceName.toLocal8Bit().constData(), attachSpb->getBufferLength(&s.w),
            attachSpb->getBuffer(&s.w));

        startSpb = util->getXpbBuilder(&s.w, IXpbBuilder::SPB_START, nullptr, 0);
        fillStart(startSpb, &s.w);
        svc->start(&s.w, startSpb->getBufferLength(&s.w), startSpb->getBuffer(&s.w));

        const unsigned char items[] = {sink ? (unsigned char)isc_info_svc_to_eof : (unsigned char)isc_info_svc_line};
        QByteArray buffer(16384, '\0');
        bool done = false;
        while (!done) {
            auto *out = reinterpret_cast<unsigned char *>(buffer.data());
            svc->query(&s.w, 0, nullptr, sizeof items, items, unsigned(buffer.size()), out);
            const unsigned char *p = out;
            const unsigned char *end = out + buffer.size();
            bool gotLine = false;
            while (p < end && *p != isc_info_end) {
                const unsigned char tag = *p++;
                if (tag == isc_info_svc_to_eof) {
                    const unsigned len = readLength(p);
                    p += 2;
                    if (len > 0) sink(reinterpret_cast<const char *>(p), len);
                    p += len;
                    // More follows while the service says its answer was cut short.
                    gotLine = len > 0 || (p < end && *p == isc_info_truncated);
                    if (!gotLine) done = true;
                    break;
                } else if (tag == isc_info_svc_line) {
                    const unsigned len = readLength(p);
                    p += 2;
                    if (len == 0) { done = true; break; }
                    gotLine = true;
                    if (progress) progress(QString::fromUtf8(reinterpret_cast<const char *>(p), int(len)));
                    p += len;
                } else if (tag == isc_info_truncated || tag == isc_info_svc_timeout
                           || tag == isc_info_data_not_ready) {
                    gotLine = true;   // ask again
                } else {
                    break;
                }
            }
            if (!gotLine) done = true;
        }
        startSpb->dispose();
        startSpb = nullptr;
        attachSpb->dispose();
        attachSpb = nullptr;
        svc->detach(&s.w);
        svc = nullptr;
    } catch (const FbException &e) {
        // The codes go with the text: a full disk or a read-only folder is told in words.
        const DbError error = fbapi::statusError(util, e.getStatus());
        if (startSpb) startSpb->dispose();
        if (attachSpb) attachSpb->dispose();
        if (svc) {
            Status s2(master);
            try { svc->detach(&s2.w); } catch (...) { svc->release(); }
        }
        throw error;
    }
}

} // namespace

void backup(const QString &database, const QString &backupFile, const Progress &progress)
{
    QString service, path;
    splitServer(database, &service, &path);
    if (!service.contains(u':')) {
        runService(service, [&](IXpbBuilder *b, ThrowStatusWrapper *st) {
            b->insertTag(st, isc_action_svc_backup);
            b->insertString(st, isc_spb_dbname, path.toLocal8Bit().constData());
            b->insertString(st, isc_spb_bkp_file, backupFile.toLocal8Bit().constData());
            b->insertTag(st, isc_spb_verbose);
        }, progress);
    } else {
        // A path of this machine means nothing to the server (another machine,
        // another user): the server streams the backup here.
        QFile out(backupFile);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw DbError(QStringLiteral("A mentés fájlja nem írható: %1 (%2)").arg(backupFile, out.errorString()));
        out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QString writeError;
        if (progress) progress(QStringLiteral("Mentés a kiszolgálóról..."));
        runService(service, [&](IXpbBuilder *b, ThrowStatusWrapper *st) {
            b->insertTag(st, isc_action_svc_backup);
            b->insertString(st, isc_spb_dbname, path.toLocal8Bit().constData());
            b->insertString(st, isc_spb_bkp_file, "stdout");
        }, progress, [&](const char *data, unsigned length) {
            if (writeError.isEmpty() && out.write(data, length) != qint64(length))
                writeError = out.errorString();
        });
        if (!out.flush() && writeError.isEmpty())
            writeError = out.errorString();
        out.close();
        if (!writeError.isEmpty())
            throw DbError(QStringLiteral("A mentés fájlja nem írható: %1 (%2)").arg(backupFile, writeError));
    }
    if (QFileInfo(backupFile).size() <= 0)
        throw DbError(QStringLiteral("A biztonsági mentés fájlja üres maradt: %1").arg(backupFile));
}

void restore(const QString &backupFile, const QString &target, const Progress &progress)
{
    QString service, path;
    splitServer(target, &service, &path);
    runService(service, [&](IXpbBuilder *b, ThrowStatusWrapper *st) {
        b->insertTag(st, isc_action_svc_restore);
        b->insertString(st, isc_spb_bkp_file, backupFile.toLocal8Bit().constData());
        b->insertString(st, isc_spb_dbname, path.toLocal8Bit().constData());
        b->insertInt(st, isc_spb_options, isc_spb_res_create);
        b->insertTag(st, isc_spb_verbose);
    }, progress);
}

void checkOpens(const QString &database)
{
    FbSession session;
    session.attach(database, user(), password());
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    session.startTransaction();
    session.run(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS"), {}, &cols, &rows, true);
    session.commit();
    session.detach();
}

namespace {

// Our own pieces of work carry the process number: a piece whose process is
// gone was left by a backup that was killed.
bool processAlive(qint64 pid) { return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM); }

qint64 pidOf(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("\\.zelkor(\\d+)\\.tmp$"));
    const auto m = re.match(name);
    return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}

void removeLeftIn(const QString &folder, const QString &pattern)
{
    const QDir dir(folder);
    for (const QFileInfo &f : dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const qint64 pid = pidOf(f.fileName());
        if (pid == 0 || processAlive(pid))
            continue;
        if (f.isDir())
            QDir(f.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(f.absoluteFilePath());
    }
}

QString pidSuffix() { return QStringLiteral(".zelkor%1.tmp").arg(QCoreApplication::applicationPid()); }

} // namespace

QString privateFolder()
{
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QFileInfo(base).isWritable()) base = QDir::tempPath();
    const QString dir = base + QStringLiteral("/zelkor-mentes-%1").arg(getuid());
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return dir;
}

void removeLitter(const QString &targetFolder)
{
    removeLeftIn(privateFolder(), QStringLiteral("*.zelkor*.tmp"));
    if (!targetFolder.isEmpty()) {
        removeLeftIn(targetFolder, QStringLiteral(".*.zelkor*.tmp"));
        oldlitter::removeIn(targetFolder);
    }
    // Folders of earlier runs that kept a whole copy of the register in the temporary folder.
    const QDir temp(QDir::tempPath());
    for (const QFileInfo &f : temp.entryInfoList({QStringLiteral("Zelkor-*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir d(f.absoluteFilePath());
        if (f.ownerId() == getuid() && d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                                               == QStringList{QStringLiteral("zelkor-mentes.fbk")})
            QDir(f.absoluteFilePath()).removeRecursively();
    }
}

void copyDatabase(const QString &source, const QString &target, const Progress &progress)
{
    const QFileInfo t(target);
    removeLitter(t.absolutePath());
    // The backup and the restored copy are made where only this user can read
    // them; beside the target a copy appears only whole, under its own name.
    const QString work = privateFolder() + QStringLiteral("/mentes") + pidSuffix();
    QDir(work).removeRecursively();
    if (!QDir().mkpath(work))
        throw DbError(QStringLiteral("Nem hozható létre ideiglenes mappa a mentéshez."));
    QFile::setPermissions(work, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    struct Tidy {
        QString dir;
        ~Tidy() { QDir(dir).removeRecursively(); }
    } tidy{work};
    const QString fbk = work + QStringLiteral("/zelkor-mentes.fbk");
    backup(source, fbk, progress);
    const QString restored = work + QStringLiteral("/") + t.fileName();
    restore(fbk, restored, progress);
    QFile::remove(fbk);
    checkOpens(restored);

    const QString partial = t.absolutePath() + QStringLiteral("/.") + t.fileName() + pidSuffix();
    QFile::remove(partial);
    if (!QFile::rename(restored, partial)) {
        // Another file system: copied into a file only this user can read until it is whole.
        QFile in(restored), out(partial);
        bool ok = in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly);
        if (ok) out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QByteArray chunk;
        while (ok && !(chunk = in.read(1 << 20)).isEmpty())
            ok = out.write(chunk) == chunk.size();
        ok = ok && out.flush();
        const QString why = out.errorString();
        out.close();
        if (!ok) {
            QFile::remove(partial);
            throw DbError(QStringLiteral("A mentés nem írható ide: %1 (%2)").arg(target, why));
        }
    }
    // The finished copy is the user's file like any other: readable as the user's umask allows.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(partial).constData(), 0666 & ~mask);
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        QFile::remove(partial);
        throw DbError(QStringLiteral("A meglévő fájl nem írható felül: %1").arg(target));
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        throw DbError(QStringLiteral("A mentés nem nevezhető át erre: %1").arg(target));
    }
}

} // namespace dbbackup
