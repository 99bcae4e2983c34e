// The register a forester brings along: one made by the program this one
// replaces (tests/data/old-register.sql: the ten tables and nothing of this
// program's own), recognised at start-up, left alone or upgraded with consent
// (also when the upgrade is killed half-way and on a shared server), a file of
// an older on-disk structure, and restores from backup files.
#include "EntryWindow.h"
#include "LoopbackServer.h"
#include "TestSupport.h"
#include "Workstation.h"
#include "datastore/DbCreate.h"
#include "datastore/FbStatus.h"
#include "datastore/SchemaUpgrade.h"
#include "exchange/BackupWindow.h"
#include "exchange/DbRestore.h"
#include "exchange/RegisterUpgrade.h"
#include "exchange/RestoreWindow.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <csignal>

using namespace testsupport;

namespace {

const QString kSource = QStringLiteral(ZELKOR_SOURCE_DIR);
const QList<QPair<QString, QString>> kTables = {
    {"RESZLET", "IDR"}, {"ALLOMANY", "IDA"}, {"TERMELES", "IDT"}, {"ERDESZET", "IDX"}, {"FAHASZNALAT", "IDF"},
    {"ERDOSITES", "IDE"}, {"EGYEB", "IDB"}, {"VALTOZAS", "IDV"}, {"MUNKAK", "IDM"}, {"KODOK", "IDK"}};

// The old register, built once through the engine's API and copied for each case.
void makeOldRegister(const QString &path)
{
    static QTemporaryDir cache;
    const QString tpl = cache.filePath("regi.fdb");
    if (!QFile::exists(tpl)) dbcreate::createDatabase(tpl, {kSource + "/tests/data/old-register.sql"});
    QFile::remove(path);
    QVERIFY(QFile::copy(tpl, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

FbSession *attached(FbSession &s, const QString &database)
{
    s.attach(database, fbapi::userName(), fbapi::password());
    return &s;
}

// Every stored row of the ten tables as the engine hands it over, byte for byte.
QStringList storedRows(const QString &database)
{
    FbSession s;
    attached(s, database)->startTransaction();
    QStringList out;
    for (const auto &t : kTables) {
        QVector<DbColumn> cols;
        QVector<DbRow> rows;
        s.run(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(t.first, t.second), {}, &cols, &rows, true);
        for (const DbRow &r : rows) out << t.first + u':' + QString::fromLatin1(r.data.toHex());
    }
    s.commit();
    return out;
}

schema::Plan planOf(const QString &database)
{
    FbSession s;
    return schema::check(*attached(s, database));
}

QStringList stepsOf(const schema::Plan &p)
{
    QStringList out;
    for (const schema::Step &s : p.steps) out << schema::kindName(s.object.kind) + u' ' + s.object.name;
    return out;
}

QString scalarIn(const QString &database, const QString &sql)
{
    FbSession s;
    attached(s, database)->startTransaction();
    return schema::rowsOf(s, sql).value(0).value(0);
}

// A folder with an old register as ZELKOR.FDB, made the working folder.
struct OldRegister {
    QTemporaryDir dir;
    QString old = QDir::currentPath();
    QString file() const { return dir.filePath("ZELKOR.FDB"); }
    OldRegister()
    {
        makeOldRegister(file());
        QDir::setCurrent(dir.path());
    }
    ~OldRegister()
    {
        delete TData::instance();
        QDir::setCurrent(old);
    }
};

QString statusOf(TForm1 &w) { return w.statusBar()->currentMessage(); }

LoopbackServer g_server;

// The workstations of a case log in to the loopback server as this user; the
// embedded defaults come back when the case ends, however it ends.
struct ServerLogin {
    ServerLogin(const QString &database, const QString &user, const QString &password)
    {
        qputenv("ZELKOR_DATABASE", database.toLocal8Bit());
        qputenv("ISC_USER", user.toLocal8Bit());
        qputenv("ISC_PASSWORD", password.toLocal8Bit());
    }
    ~ServerLogin()
    {
        qunsetenv("ZELKOR_DATABASE");
        qunsetenv("ISC_USER");
        qunsetenv("ISC_PASSWORD");
    }
};

bool serverUp()
{
    QString why;
    if (g_server.running() || g_server.start(&why)) return true;
    qWarning("the loopback server did not start: %s", qPrintable(why));
    return false;
}

} // namespace

class TestUpgrade : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() { g_server.stop(); }
    void freshRegistersAreComplete_data();
    void freshRegistersAreComplete();
    void declinedWorksAsBefore();
    void acceptedUpgrade();
    void killedHalfWay_data();
    void killedHalfWay();
    void twoWorkstationsAfterUpgrade();
    void noRightsOnTheServer();
    void duplicateCodesStopTheUpgrade();
    void olderOnDiskStructure_data();
    void olderOnDiskStructure();
    void restore_data();
    void restore();
};

void TestUpgrade::freshRegistersAreComplete_data()
{
    QTest::addColumn<bool>("byIsql");
    QTest::newRow("made by isql") << true;
    QTest::newRow("made through the engine's API") << false;
}

void TestUpgrade::freshRegistersAreComplete()
{
    QFETCH(bool, byIsql);
    // Every statement of the creation script is one the upgrade places.
    for (const schema::Object &o : schema::creationObjects())
        QVERIFY2(o.kind != schema::Kind::Setting, qPrintable(QString("line %1: %2").arg(o.line).arg(o.text.left(60))));
    QTemporaryDir dir;
    const QString file = dir.filePath("uj.fdb");
    if (byIsql) createDatabase(file, Content::Seed);
    else dbcreate::createDatabase(file, {kSource + "/datastore/zelkor.sql", kSource + "/datastore/seed.sql"});
    const schema::Plan p = planOf(file);
    QVERIFY2(p.complete(), qPrintable(stepsOf(p).join(", ")));
    QVERIFY(p.scriptVersion > 0);
    QCOMPARE(p.storedVersion, p.scriptVersion);
}

void TestUpgrade::declinedWorksAsBefore()
{
    OldRegister reg;
    const QStringList rows = storedRows(reg.file());
    const QStringList lacking = stepsOf(planOf(reg.file()));
    MessageRecorder rec;
    rec.answers << false;
    TForm1 main;
    QVERIFY(!main.startupAborted());
    QCOMPARE(rec.texts.size(), 1);
    const QString q = rec.texts.first();
    QCOMPARE(rec.kinds.first(), seams::MessageKind::Question);
    QVERIFY2(q.startsWith("A(z) " + reg.file() + " nyilvántartásból hiányzik néhány rész"), qPrintable(q));
    QVERIFY(q.contains("az új erdőrészletek nem kapják meg a beállított tárgyévet"));
    QVERIFY(q.contains("két felhasználó ugyanazt a kódot kaphatja"));
    // KODFOGLALAS, KODMUTATAS and NAPLO; KOD_SZABAD, KOD_FOGLALAS, KOD_ELENGEDES and NAPLO_IR.
    QVERIFY2(q.contains("3 tábla") && q.contains("19 trigger") && q.contains("4 eljárás"), qPrintable(q));
    QVERIFY2(q.contains(QRegularExpression("régi, sorszámot és kódot adó triggereit \\([A-Z_, ]*ALLOMANY_BI")), qPrintable(q));
    QVERIFY(q.contains(reg.dir.path() + "/ZELKOR-bovites-elott-"));
    QVERIFY2(statusOf(main).startsWith("A nyilvántartás nincs bővítve: az új erdőrészletek nem kapnak tárgyévet; "
                                       "a munkaállomások között nincs kódvédelem; hiányzik még "),
             qPrintable(statusOf(main)));

    // Nothing is changed, and the program works as it did.
    QCOMPARE(stepsOf(planOf(reg.file())), lacking);
    QCOMPARE(QDir(reg.dir.path()).entryList({"*.fbk"}, QDir::Files), QStringList());
    auto w = entrywindow::openNew();
    QCOMPARE(w->currentCode(), QString("10004"));
    w->fields().setText("Edit1", "Szalafő");
    w->Button59Click();
    QVERIFY(w->saved());
    QCOMPARE(testsupport::scalar(&dm(), "SELECT COUNT(*) FROM RESZLET WHERE RKOD = '10004' AND RTEV IS NULL"),
             QString("1"));
    QCOMPARE(storedRows(reg.file()).mid(0, 3), rows.mid(0, 3));
    QCOMPARE(rec.texts.size(), 1);
}

void TestUpgrade::acceptedUpgrade()
{
    OldRegister reg;
    const QStringList rows = storedRows(reg.file());
    MessageRecorder rec;
    rec.answers << true;
    TForm1 main;
    QCOMPARE(rec.texts.size(), 2);
    QVERIFY2(rec.texts.at(1).startsWith("A nyilvántartás bővítése elkészült.\nA bővítés előtti mentés: " + reg.dir.path()
                                        + "/ZELKOR-bovites-elott-"),
             qPrintable(rec.texts.at(1)));
    QCOMPARE(statusOf(main), QString());
    QVERIFY(planOf(reg.file()).complete());
    QCOMPARE(storedRows(reg.file()), rows);

    // The backup beside the file holds the register as it was.
    const QStringList backups = QDir(reg.dir.path()).entryList({"ZELKOR-bovites-elott-*.fbk"}, QDir::Files);
    QCOMPARE(backups.size(), 1);
    QTemporaryDir out;
    dbbackup::restore(reg.dir.filePath(backups.first()), out.filePath("vissza.fdb"));
    QCOMPARE(storedRows(out.filePath("vissza.fdb")), rows);
    QVERIFY(!planOf(out.filePath("vissza.fdb")).complete());

    // A new compartment gets the reference year; new rows the next identifiers and codes.
    auto w = entrywindow::openNew();
    QCOMPARE(w->currentCode(), QString("10004"));
    w->fields().setText("Edit1", "Őriszentpéter");
    w->Button59Click();
    QVERIFY(w->saved());
    QCOMPARE(testsupport::scalar(&dm(), "SELECT RTEV FROM RESZLET WHERE RKOD = '10004'"), QString("2011"));
    TQuery insert(&dm(), "TestInsert");
    insert.load({"INSERT INTO ALLOMANY (ARKOD, AFAF, AXKOD) VALUES ('10004', 'KTT', '1')"});
    insert.execute();
    dm().commit();
    QCOMPARE(testsupport::scalar(&dm(), "SELECT IDA || '/' || AKOD FROM ALLOMANY WHERE ARKOD = '10004'"),
             QString("501/10501"));
}

void TestUpgrade::killedHalfWay_data()
{
    QTest::addColumn<int>("at");   // the step after which the program dies; 0: the last, -1: never
    QTest::newRow("after the first step") << 1;
    QTest::newRow("half-way") << 20;
    QTest::newRow("after the last step, before the commit") << 0;
    QTest::newRow("not killed") << -1;
}

void TestUpgrade::killedHalfWay()
{
    QFETCH(int, at);
    QTemporaryDir dir;
    const QString file = dir.filePath("ZELKOR.FDB");
    makeOldRegister(file);
    const QStringList rows = storedRows(file);
    const schema::Plan before = planOf(file);
    const int stop = at == 0 ? int(before.steps.size()) : at;
    QVERIFY(stop < before.steps.size() || at == 0 || at == -1);

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--upgrade-killed-at", file, QString::number(stop)});
    QVERIFY(child.waitForFinished(120000));
    if (at == -1) {
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY(planOf(file).complete());
    } else {
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // The old schema, whole: the same objects missing, nothing half there.
        QCOMPARE(stepsOf(planOf(file)), stepsOf(before));
    }
    QCOMPARE(storedRows(file), rows);
    // The register opens and a later upgrade completes.
    schema::upgrade(file, planOf(file));
    QVERIFY(planOf(file).complete());
}

void TestUpgrade::twoWorkstationsAfterUpgrade()
{
    QVERIFY(serverUp());
    const QString file = g_server.dataFolder() + "/regi-szerver.fdb";
    makeOldRegister(file);
    ServerLogin login(g_server.connectionString(file), g_server.user(), g_server.password());
    MessageRecorder rec;
    rec.answers << true;
    {
        Workstation a;
        registerupgrade::check(a.data(), nullptr);
        QVERIFY2(rec.last().startsWith("A nyilvántartás bővítése elkészült."), qPrintable(rec.texts.join('|')));
        // The backup is beside the file, on the server.
        QCOMPARE(QDir(g_server.dataFolder()).entryList({"regi-szerver-bovites-elott-*.fbk"}, QDir::Files).size(), 1);
        Workstation b;
        a.use();
        auto wa = entrywindow::openNew();
        b.use();
        auto wb = entrywindow::openNew();
        QVERIFY2(wa->currentCode() != wb->currentCode(), qPrintable("both shown " + wa->currentCode()));
        wb->fields().setText("Edit1", "Szalafő");
        wb->Button59Click();
        a.use();
        wa->fields().setText("Edit1", "Őriszentpéter");
        wa->Button59Click();
        QVERIFY(wa->saved() && wb->saved());
        QCOMPARE(a.scalar("SELECT COUNT(DISTINCT RKOD) FROM RESZLET"), QString("5"));
        QCOMPARE(a.scalar("SELECT RKOD FROM RESZLET WHERE RKOD > '10003' AND RHELYSEG = 'Őriszentpéter'"),
                 wa->currentCode());
    }
}

void TestUpgrade::noRightsOnTheServer()
{
    QVERIFY(serverUp());
    const QString file = g_server.dataFolder() + "/regi-vendeg.fdb";
    makeOldRegister(file);
    const QString database = g_server.connectionString(file);
    {
        FbSession admin;
        admin.attach(database, g_server.user(), g_server.password());
        admin.startTransaction();
        admin.runAsWritten("CREATE OR ALTER USER ZKVENDEG PASSWORD 'vendeg1'");
        admin.commit();
    }
    MessageRecorder rec;
    QMainWindow main;
    {
        ServerLogin guest(database, "ZKVENDEG", "vendeg1");
        Workstation w;
        registerupgrade::check(w.data(), &main);
    }
    QCOMPARE(rec.texts.size(), 1);
    QCOMPARE(rec.kinds.first(), seams::MessageKind::Plain);
    QVERIFY2(rec.texts.first().contains("a szerveren az adatbázis szerkezetének módosítási joga kell, ez a(z) "
                                        "ZKVENDEG felhasználónak nincs meg"), qPrintable(rec.texts.first()));
    QVERIFY(main.statusBar()->currentMessage().startsWith("A nyilvántartás nincs bővítve: "));
    ServerLogin owner(database, g_server.user(), g_server.password());
    QVERIFY(!planOf(database).complete());
}

void TestUpgrade::duplicateCodesStopTheUpgrade()
{
    OldRegister reg;
    {
        FbSession s;
        attached(s, reg.file())->startTransaction();
        s.runAsWritten("UPDATE RESZLET SET RKOD = '10001' WHERE RKOD = '10003'");
        s.commit();
    }
    const QStringList lacking = stepsOf(planOf(reg.file()));
    MessageRecorder rec;
    TForm1 main;
    QCOMPARE(rec.texts.size(), 1);
    QVERIFY2(rec.texts.first().contains("mert ezek a kódok több sorban is szerepelnek:\nRESZLET.RKOD: 10001\n"),
             qPrintable(rec.texts.first()));
    QVERIFY(statusOf(main).startsWith("A nyilvántartás nincs bővítve: "));
    QCOMPARE(stepsOf(planOf(reg.file())), lacking);
}

void TestUpgrade::olderOnDiskStructure_data()
{
    QTest::addColumn<bool>("restore");
    QTest::newRow("declined: the program ends") << false;
    QTest::newRow("restored from a backup made by the old tools") << true;
}

void TestUpgrade::olderOnDiskStructure()
{
    QFETCH(bool, restore);
    OldRegister reg;
    const QStringList rows = storedRows(reg.file());
    const QString fbk = reg.dir.filePath("regi-gepen.fbk");
    dbbackup::backup(reg.file(), fbk);
    {
        // The header page says the file is of an older on-disk structure (ODS 11, Firebird 2.x).
        QFile f(reg.file());
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(0x12));
        const QByteArray ods = f.read(2);
        QCOMPARE(uchar(ods[0]), uchar(12));
        QVERIFY(f.seek(0x12));
        f.write(QByteArray("\x0b\x80", 2));
    }
    MessageRecorder rec;
    rec.answers << restore << true << false;   // restore?, replace the old file?, upgrade?
    ModalScript script;
    script.add([](QDialog *d) { return d->result(); });   // the splash
    script.add([&](QDialog *d) {
        d->findChild<QLineEdit *>("EditSource")->setText(fbk);
        d->findChild<QPushButton *>("ButtonRestore")->click();
        return d->result();
    });
    TForm1 main;
    QVERIFY(!rec.texts.isEmpty());
    QCOMPARE(rec.texts.first(), registerupgrade::olderEngineText(reg.file())
                                    + "\nMegnyitja most a visszaállítás ablakát?");
    QVERIFY(!rec.texts.join('|').contains("Az adatbáziskezelöt nem találja."));
    QCOMPARE(main.startupAborted(), !restore);
    if (!restore) return;
    QCOMPARE(script.opened, QStringList({"TAboutBox", "TFormRestore"}));
    QCOMPARE(storedRows(reg.file()), rows);
    QVERIFY(QFile::exists(reg.file() + ".elozo"));
    // The restored register is an old one: the upgrade is offered, here declined.
    QVERIFY(rec.texts.last().contains("nyilvántartásból hiányzik néhány rész"));
    QVERIFY(statusOf(main).startsWith("A nyilvántartás nincs bővítve: "));
}

void TestUpgrade::restore_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow(".fbk made by gbak -b") << "gbak";
    QTest::newRow("copy made by \"Adatok mentése\"") << "copy";
}

void TestUpgrade::restore()
{
    QFETCH(QString, kind);
    QTemporaryDir out;
    const QString old = out.filePath("regi.fdb");
    makeOldRegister(old);
    const QStringList rows = storedRows(old);
    QString backup;
    if (kind == "gbak") {
        backup = out.filePath("regi.fbk");
        QProcess gbak;
        gbak.start("gbak", {"-b", "-user", fbapi::userName(), "-password", fbapi::password(), old, backup});
        QVERIFY(gbak.waitForFinished(60000));
        QCOMPARE(gbak.exitCode(), 0);
    } else {
        backup = out.filePath("masolat.fdb");
        qputenv("ZELKOR_DATABASE", old.toLocal8Bit());
        MessageRecorder rec;
        TFormBackup w;
        w.findChild<QLineEdit *>("Edit2")->setText(backup);
        w.findChild<QPushButton *>("Button3")->click();
        qunsetenv("ZELKOR_DATABASE");
        QVERIFY2(rec.last().startsWith("Az adatok mentése sikeresen"), qPrintable(rec.last()));
    }
    QCOMPARE(dbrestore::kindOf(backup), kind == "gbak" ? dbrestore::FileKind::Backup : dbrestore::FileKind::Database);

    TestDb db(Content::Demo);   // the program's own register, open
    const QString before = db.scalar("SELECT COUNT(*) FROM RESZLET");
    QMainWindow main;
    TFormRestore w(&main);
    QCOMPARE(w.findChild<QLineEdit *>("EditTarget")->text(), db.file());
    w.findChild<QLineEdit *>("EditSource")->setText(backup);
    MessageRecorder rec;
    rec.answers << false;
    w.findChild<QPushButton *>("ButtonRestore")->click();
    const QString question = QString("A(z) %1 helyére a mentésből visszaállított nyilvántartás kerül (3 erdőrészlet, "
                                     "Őrségi Erdészet).\nA mostani fájl ZELKOR.FDB.elozo néven megmarad.\nFolytatja?")
                                 .arg(db.file());
    QCOMPARE(rec.texts, QStringList{question});
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET"), before);   // declined: nothing changed
    QCOMPARE(QDir(db.dir()).entryList(QDir::Files | QDir::Hidden), QStringList{"ZELKOR.FDB"});

    rec.answers << true << false;   // replace, then the upgrade of the restored register: not now
    w.findChild<QPushButton *>("ButtonRestore")->click();
    QCOMPARE(rec.texts.at(2), QString("A visszaállítás elkészült: %1\n(3 erdőrészlet, Őrségi Erdészet)").arg(db.file()));
    QVERIFY(rec.texts.at(3).contains("nyilvántartásból hiányzik néhány rész"));
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(dm().connected());
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET"), QString("3"));
    QCOMPARE(storedRows(db.file()), rows);
    QCOMPARE(scalarIn(db.file() + ".elozo", "SELECT COUNT(*) FROM RESZLET"), before);
    QVERIFY(main.statusBar()->currentMessage().startsWith("A nyilvántartás nincs bővítve: "));

    // What is no backup is refused, and nothing changes.
    rec.clear();
    w.findChild<QLineEdit *>("EditSource")->setText(kSource + "/datastore/seed.sql");
    w.findChild<QPushButton *>("ButtonRestore")->click();
    QCOMPARE(rec.texts.size(), 1);
    QVERIFY2(rec.texts.first().startsWith("Hiba: a visszaállítás nem sikerült; a nyilvántartás nem változott.\n"),
             qPrintable(rec.texts.first()));
    QCOMPARE(storedRows(db.file()), rows);
}

// Re-run with --upgrade-killed-at FILE N, the program upgrades FILE and dies
// after step N, as a program killed in the middle of the upgrade.
int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--upgrade-killed-at") {
        QCoreApplication app(argc, argv);
        const QString file = QString::fromLocal8Bit(argv[2]);
        const int at = QByteArray(argv[3]).toInt();
        schema::afterStep = [at](int done, int) {
            if (done == at) ::raise(SIGKILL);
        };
        schema::upgrade(file, planOf(file));
        return 0;
    }
    QApplication app(argc, argv);
    TestUpgrade test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_upgrade.moc"
