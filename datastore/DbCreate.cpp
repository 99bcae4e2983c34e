#include "datastore/DbCreate.h"
#include "datastore/FbStatus.h"
#include "datastore/SqlScript.h"
#include "datastore/Win1250.h"

#include <firebird/Interface.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <ibase.h>

using namespace Firebird;

namespace dbcreate {
namespace {

struct Script {
    QString name;   // the file's name, for messages
    QVector<sqlscript::Statement> statements;
};

// Every script is read and split before the database file is made: a script
// the program cannot follow stops the creation before anything is written.
QVector<Script> readScripts(const QStringList &files)
{
    QVector<Script> out;
    for (const QString &file : files) {
        const QString name = QFileInfo(file).fileName();
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            throw DbError(QStringLiteral("A(z) %1 fájl nem olvasható.").arg(file));
        try {
            out.append({name, sqlscript::split(QString::fromUtf8(f.readAll()))});
        } catch (const sqlscript::ScriptError &e) {
            throw DbError(QStringLiteral("%1: %2").arg(name, e.text()));
        }
    }
    return out;
}

// A parameter block holding the program's login.
IXpbBuilder *loginBlock(IUtil *util, ThrowStatusWrapper *w)
{
    IXpbBuilder *b = util->getXpbBuilder(w, IXpbBuilder::DPB, nullptr, 0);
    b->insertString(w, isc_dpb_user_name, fbapi::userName().toUtf8().constData());
    b->insertString(w, isc_dpb_password, fbapi::password().toUtf8().constData());
    return b;
}

// Runs every statement of the scripts; *where names the one running.
void runScripts(IAttachment *att, ITransaction *&tra, ThrowStatusWrapper *w, const QVector<Script> &all,
                QString *where)
{
    auto commit = [&] {
        if (tra) tra->commit(w);
        tra = nullptr;
    };
    for (const Script &script : all) {
        for (const sqlscript::Statement &st : script.statements) {
            *where = QStringLiteral("%1, %2. sor").arg(script.name).arg(st.line);
            if (st.kind == sqlscript::Statement::Commit) {
                commit();
            } else if (st.kind == sqlscript::Statement::Rollback) {
                if (tra) tra->rollback(w);
                tra = nullptr;
            } else {
                QByteArray sql;
                QString bad;
                if (!win1250::encode(st.text, sql, &bad))
                    throw DbError(QStringLiteral("%1: a(z) „%2” karakter nem írható az adatbázisba.")
                                      .arg(*where, bad));
                if (!tra) tra = att->startTransaction(w, 0, nullptr);
                att->execute(w, tra, unsigned(sql.size()), sql.constData(), 3, nullptr, nullptr, nullptr, nullptr);
                // As isql does: a change of the metadata is committed at once,
                // so that the statements after it see it.
                if (sqlscript::isDefinition(st.text)) commit();
            }
        }
        *where = script.name;
        commit();
    }
    where->clear();
}

} // namespace

void createDatabase(const QString &path, const QStringList &scripts)
{
    if (QFileInfo::exists(path)) throw DbError(QStringLiteral("Már létezik: %1").arg(path));
    const QVector<Script> all = readScripts(scripts);

    fbapi::ensureLockFolder();
    const QString building = QStringLiteral("%1.uj.%2").arg(path).arg(QCoreApplication::applicationPid());
    QFile::remove(building);

    IMaster *master = fb_get_master_interface();
    IUtil *util = master->getUtilInterface();
    fbapi::Status s(master);
    IProvider *provider = master->getDispatcher();
    IAttachment *att = nullptr;
    ITransaction *tra = nullptr;
    QString where;   // the script and line being run, for the message
    // A half-built database is of no use: it goes, with its temporary file.
    auto abandon = [&] {
        fbapi::Status c(master);
        try {
            if (tra) tra->rollback(&c.w);
            if (att) att->dropDatabase(&c.w);
        } catch (...) {
        }
        provider->release();
        QFile::remove(building);
    };
    try {
        IXpbBuilder *dpb = loginBlock(util, &s.w);
        dpb->insertString(&s.w, isc_dpb_lc_ctype, "WIN1250");
        dpb->insertString(&s.w, isc_dpb_set_db_charset, "WIN1250");
        dpb->insertInt(&s.w, isc_dpb_sql_dialect, 3);
        dpb->insertInt(&s.w, isc_dpb_set_db_sql_dialect, 3);
        dpb->insertInt(&s.w, isc_dpb_page_size, 8192);
        // Written without waiting for the disk while it is built (several times
        // faster); then switched to writing through, as a register must be.
        dpb->insertInt(&s.w, isc_dpb_force_write, 0);
        att = provider->createDatabase(&s.w, QFile::encodeName(building).constData(), dpb->getBufferLength(&s.w),
                                       dpb->getBuffer(&s.w));
        dpb->dispose();
        runScripts(att, tra, &s.w, all, &where);
        att->detach(&s.w);
        att = nullptr;

        IXpbBuilder *through = loginBlock(util, &s.w);
        through->insertInt(&s.w, isc_dpb_force_write, 1);
        att = provider->attachDatabase(&s.w, QFile::encodeName(building).constData(),
                                       through->getBufferLength(&s.w), through->getBuffer(&s.w));
        through->dispose();
        att->detach(&s.w);
        att = nullptr;
    } catch (const FbException &e) {
        const DbError error = fbapi::statusError(util, e.getStatus());
        abandon();
        throw DbError(where.isEmpty() ? error.text() : QStringLiteral("%1: %2").arg(where, error.text()), error.codes());
    } catch (...) {
        abandon();
        throw;
    }
    provider->release();
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        throw DbError(QStringLiteral("Az adatbázis nem nevezhető át erre: %1").arg(path));
    }
}

} // namespace dbcreate
