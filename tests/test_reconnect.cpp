// The shared server goes away under open windows and comes back: the windows
// keep what was typed, save once it is back without a restart, can be left
// while it is away; rows inserted by other means never take a code a window
// shows; the tests' own server listens on the loopback interface alone.
#include "EditorCases.h"
#include "EntryWindow.h"
#include "LoopbackServer.h"
#include "Workstation.h"
#include "editors/SubRecordPage.h"
#include "exchange/DbBackup.h"
#include "register/CompartmentEntry.h"
#include <QProcess>

namespace {

LoopbackServer g_server;

QString newServerDatabase()
{
    static int n = 0;
    const QString file = g_server.dataFolder() + QStringLiteral("/again%1.fdb").arg(++n);
    createDatabase(file, Content::Demo);
    qputenv("ZELKOR_DATABASE", g_server.connectionString(file).toLocal8Bit());
    qputenv("ISC_USER", g_server.user().toLocal8Bit());
    qputenv("ISC_PASSWORD", g_server.password().toLocal8Bit());
    return file;
}

// A statement run by isql-fb, as a tool outside the program would.
QString isql(const QString &file, const QString &sql)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-user"), g_server.user(),
                                        QStringLiteral("-password"), g_server.password(),
                                        g_server.connectionString(file)});
    p.write(sql.toUtf8() + "\nCOMMIT;\n");
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAll()).trimmed();
}

const QString Lost = QStringLiteral("A kapcsolat a kiszolgálóval megszakadt");

} // namespace

class TestReconnect : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The backup's private folder is the user's: other test programs running
        // beside this one back up too, so this one gets a runtime folder of its own.
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        QString why;
        if (!g_server.start(&why))
            QFAIL(qPrintable(QStringLiteral("the loopback Firebird server did not start: ") + why));
    }
    void cleanupTestCase() { g_server.stop(); }
    void init()
    {
        shared::resetAll();
        m_messages = std::make_unique<MessageRecorder>();
    }
    void cleanup()
    {
        m_messages.reset();
        qunsetenv("ZELKOR_DATABASE");
    }

    void listensOnLoopbackOnly()
    {
        const QStringList addresses = g_server.listeningAddresses();
        QVERIFY(!addresses.isEmpty());
        for (const QString &a : addresses)
            QCOMPARE(a, QStringLiteral("0100007F"));
    }

    void serverRestarted_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("killed") << true;
        QTest::newRow("stopped") << false;
    }
    void serverRestarted()
    {
        QFETCH(bool, killed);
        newServerDatabase();
        Workstation a, b, c;
        a.use();
        auto wa = entrywindow::openNew();
        const QString ca = wa->currentCode();
        ModalScript stand;
        stand.add([](QDialog *d) {
            setField(d, "Edit3", "KTT");
            return clickOk(d);
        });
        static_cast<SubRecordPage *>(wa->subRecordPage(0))->newClick();
        wa->fields().setText("Edit1", "Apuszta");
        b.use();
        TQuery *list = dm().ZQ10;
        list->load({QStringLiteral("SELECT * FROM reszlet"), QStringLiteral("ORDER BY RKOD")});
        list->open();
        auto wb = entrywindow::openCurrent();
        QVERIFY(wb);
        wb->fields().setText("Edit2", "77B");
        c.use();
        auto wc = entrywindow::openNew();
        wc->fields().setText("Edit1", "Cpuszta");

        if (killed) {
            g_server.kill();
        } else {
            g_server.stop();
        }
        // While the server is away: said in words, nothing typed is lost, a window can be left.
        a.use();
        wa->Button59Click();
        QVERIFY(!wa->saved());
        QVERIFY(wa->isVisible());
        QVERIFY2(m_messages->last().contains(Lost), qPrintable(m_messages->last()));
        QCOMPARE(wa->fields().text("Edit1"), QString("Apuszta"));
        c.use();
        wc->Button60Click();
        QVERIFY(!wc->isVisible());

        QString why;
        QVERIFY2(g_server.launch(&why), qPrintable(why));
        m_messages->clear();
        a.use();
        wa->Button59Click();
        QVERIFY2(wa->saved(), qPrintable(m_messages->texts.join('|')));
        b.use();
        wb->Button59Click();
        QVERIFY2(wb->saved(), qPrintable(m_messages->texts.join('|')));
        QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));
        QCOMPARE(a.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Apuszta'"), ca);
        QCOMPARE(a.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + ca + "' AND AFAF = 'KTT'"), QString("1"));
        QCOMPARE(b.scalar("SELECT COUNT(*) FROM RESZLET WHERE RTAG = '77B'"), QString("1"));
    }

    void codeTakenWhileAway()
    {
        newServerDatabase();
        Workstation a, b;
        a.use();
        auto wa = entrywindow::openNew();
        const QString shown = wa->currentCode();
        g_server.kill();
        QString why;
        QVERIFY2(g_server.launch(&why), qPrintable(why));
        // Another workstation is back first and is given the code the window showed.
        b.use();
        auto wb = entrywindow::openNew();
        QCOMPARE(wb->currentCode(), shown);
        a.use();
        wa->fields().setText("Edit1", "Apuszta");
        wa->Button59Click();
        QVERIFY2(wa->saved(), qPrintable(m_messages->texts.join('|')));
        QCOMPARE(m_messages->texts.size(), 1);
        QVERIFY2(m_messages->last().contains(shown), qPrintable(m_messages->last()));
        QVERIFY(wa->currentCode() != shown);
        QCOMPARE(a.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Apuszta'"), wa->currentCode());
        b.use();
        wb->fields().setText("Edit1", "Bpuszta");
        wb->Button59Click();
        QVERIFY(wb->saved());
        QCOMPARE(b.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Bpuszta'"), shown);
    }

    void insertsByOtherMeans()
    {
        const QString file = newServerDatabase();
        Workstation a, b;
        a.use();
        auto wa = entrywindow::openNew();
        const QString shown = wa->currentCode();
        // Rows left under the next free code by a compartment never saved.
        const QString orphan = QString::number(shown.toLongLong() + 1);
        b.use();
        b.scalar("SELECT 1 FROM RDB$DATABASE");
        const QString out = isql(file, "INSERT INTO ALLOMANY (ARKOD, AFAF) VALUES ('" + orphan + "', 'KTT');\n"
                                       "INSERT INTO RESZLET (RHELYSEG) VALUES ('isql1');\n"
                                       "INSERT INTO RESZLET (RHELYSEG) VALUES ('isql2');");
        QVERIFY2(out.isEmpty(), qPrintable(out));
        // The raw tables of another workstation add one too.
        TTable *raw = b.data().IBTable1;
        raw->open();
        raw->setReadOnly(false);
        raw->insert();
        raw->setField(QStringLiteral("RHELYSEG"), QStringLiteral("nyers"));
        raw->post();
        b.data().commit();
        const QStringList others = {b.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'isql1'"),
                                    b.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'isql2'"),
                                    b.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'nyers'")};
        for (const QString &code : others) {
            QVERIFY(!code.isEmpty());
            QVERIFY2(code != shown && code != orphan, qPrintable(code));
        }
        a.use();
        wa->fields().setText("Edit1", "Apuszta");
        wa->Button59Click();
        QVERIFY2(wa->saved(), qPrintable(m_messages->texts.join('|')));
        QCOMPARE(a.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Apuszta'"), shown);
        // Once the window is gone its code is free for any insert again.
        wa.reset();
        const QString next = QString::number(a.scalar("SELECT MAX(RKOD) FROM RESZLET").toLongLong() + 1);
        QVERIFY(isql(file, "INSERT INTO RESZLET (RHELYSEG) VALUES ('isql3');").isEmpty());
        QCOMPARE(a.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'isql3'"), next);
    }

    void backupFromServer()
    {
        newServerDatabase();
        Workstation a;
        const QString count = a.scalar("SELECT COUNT(*) FROM RESZLET");
        QTemporaryDir shared;
        // What a backup killed half-way left: a partial copy beside the target and a private piece.
        const QString deadPid = QStringLiteral("999999");
        QFile(shared.filePath(".mentes.fdb.zelkor" + deadPid + ".tmp")).open(QIODevice::WriteOnly);
        QDir().mkpath(dbbackup::privateFolder() + "/mentes.zelkor" + deadPid + ".tmp");
        const QString target = shared.filePath("mentes.fdb");
        // The server streams the backup: no path of this machine is handed to it.
        dbbackup::copyDatabase(TData::databaseName(), target);
        dbbackup::checkOpens(target);
        QCOMPARE(QDir(shared.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"mentes.fdb"});
        QCOMPARE(QDir(dbbackup::privateFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{});
        QCOMPARE(QFileInfo(dbbackup::privateFolder()).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions{});
        qputenv("ZELKOR_DATABASE", target.toLocal8Bit());
        TData copy;
        copy.connectDatabase();
        QCOMPARE(scalar(&copy, "SELECT COUNT(*) FROM RESZLET"), count);
    }

    // Partial copies of the earlier backup code carry no process number: one
    // goes once nobody has written it for a while and no process holds it open.
    void oldPartialCopies()
    {
        QTemporaryDir shared;
        auto make = [&](const QString &name, int ageSeconds) {
            QFile f(shared.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write("x");
            f.flush();
            f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
        };
        make(".mentes.fdb.a1B2c3D4.tmp", 3600);
        make(".friss.fdb.Qw3rTy7u.tmp", 5);
        make(".nyitott.fdb.Zx9cVb8n.tmp", 3600);
        make(".jegyzet.txt.Zx9cVb8n.tmp", 3600);
        QFile open(shared.filePath(".nyitott.fdb.Zx9cVb8n.tmp"));
        QVERIFY(open.open(QIODevice::Append));
        dbbackup::removeLitter(shared.path());
        QStringList left = QDir(shared.path()).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        QCOMPARE(left, (QStringList{".friss.fdb.Qw3rTy7u.tmp", ".jegyzet.txt.Zx9cVb8n.tmp", ".nyitott.fdb.Zx9cVb8n.tmp"}));
        open.close();
        dbbackup::removeLitter(shared.path());
        QCOMPARE(QDir(shared.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{".friss.fdb.Qw3rTy7u.tmp", ".jegyzet.txt.Zx9cVb8n.tmp"}));
    }

private:
    QTemporaryDir m_runtime;
    std::unique_ptr<MessageRecorder> m_messages;
};

QTEST_MAIN(TestReconnect)
#include "test_reconnect.moc"
