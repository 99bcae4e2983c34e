#include "exchange/DbBackup.h"
#include "datastore/FbSession.h"
#include "datastore/FbStatus.h"

#include <firebird/Interface.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUuid>

using namespace Firebird;

namespace dbbackup {
namespace {

using fbapi::Status;
using fbapi::password;
using fbapi::statusText;
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
void runService(const QString &serviceName,
                const std::function<void(IXpbBuilder *, ThrowStatusWrapper *)> &fillStart, const Progress &progress)
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

        const unsigned char items[] = {isc_info_svc_line};
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
                if (tag == isc_info_svc_line) {
                    const unsigned len = readLength(p);
                    p += 2;
                    if (len == 0) { done = true; break; }
                    gotLine = true;
                    if (progress) progress(QString::fromLocal8Bit(reinterpret_cast<const char *>(p), int(len)));
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
        const QString text = statusText(util, e.getStatus());
        if (startSpb) startSpb->dispose();
        if (attachSpb) attachSpb->dispose();
        if (svc) {
            Status s2(master);
            try { svc->detach(&s2.w); } catch (...) { svc->release(); }
        }
        throw DbError(text);
    }
}

} // namespace

void backup(const QString &database, const QString &backupFile, const Progress &progress)
{
    QString service, path;
    splitServer(database, &service, &path);
    runService(service, [&](IXpbBuilder *b, ThrowStatusWrapper *st) {
        b->insertTag(st, isc_action_svc_backup);
        b->insertString(st, isc_spb_dbname, path.toLocal8Bit().constData());
        b->insertString(st, isc_spb_bkp_file, backupFile.toLocal8Bit().constData());
        b->insertTag(st, isc_spb_verbose);
    }, progress);
    if (!service.contains(u':') && QFileInfo(backupFile).size() <= 0)
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

void copyDatabase(const QString &source, const QString &target, const Progress &progress)
{
    QTemporaryDir work;
    if (!work.isValid())
        throw DbError(QStringLiteral("Nem hozható létre ideiglenes mappa a mentéshez."));
    const QString fbk = work.filePath(QStringLiteral("zelkor-mentes.fbk"));
    backup(source, fbk, progress);

    const QFileInfo t(target);
    const QString partial = t.absolutePath() + QStringLiteral("/.") + t.fileName() + QStringLiteral(".")
                            + QUuid::createUuid().toString(QUuid::Id128).left(8) + QStringLiteral(".tmp");
    try {
        restore(fbk, partial, progress);
        checkOpens(partial);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
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
