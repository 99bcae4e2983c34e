// Logins of one's own on a shared server, started by this program on the
// loopback interface: three persons, one per role, set up by SYSDBA with the
// README's script; each may do what the role allows and is refused in
// Hungarian, before anything is typed, for the rest. The administrator
// manages persons from the program; no started program inherits a password.
#include "LoopbackServer.h"
#include "TestSupport.h"
#include "codes/CodeList.h"
#include "datastore/FbStatus.h"
#include "exchange/SendByEmail.h"
#include "exchange/UserWindow.h"
#include "queries/GrandTotals.h"
#include "register/CompartmentEntry.h"
#include "register/CompartmentList.h"
#include "report/Report.h"
#include "shell/Login.h"
#include "shell/MainWindow.h"
#include "shell/RemoteHelp.h"
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testsupport;

namespace {

LoopbackServer g_server;
QString g_file;
const QString Source = QStringLiteral(ZELKOR_SOURCE_DIR);

// Runs scripts/server-user.sh as the README has it, the passwords on its input.
QString serverUser(const QString &login, const QString &loginPassword, const QString &user, const QString &role,
                   const QString &what, const QString &newPassword)
{
    QProcess p;
    QProcessEnvironment env = g_server.clientEnvironment();
    env.insert(QStringLiteral("ISC_USER"), login);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(Source + QStringLiteral("/scripts/server-user.sh"),
            {g_server.connectionString(g_file), user, role, what});
    p.write((loginPassword + u'\n' + newPassword + u'\n').toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return p.exitCode() == 0 ? QString() : QString::fromLocal8Bit(p.readAll());
}

// A data module logged in as the person, the way the program starts.
std::unique_ptr<TData> logIn(const QString &user, const QString &password)
{
    fbapi::setLogin(user, password);
    auto data = std::make_unique<TData>();
    if (!login::connect(*data)) return nullptr;
    return data;
}

bool enabled(QWidget *w, const char *name) { return w->findChild<QPushButton *>(QString::fromLatin1(name))->isEnabled(); }

} // namespace

class TestRoles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void eachRoleMayWhatItAllows_data();
    void eachRoleMayWhatItAllows();
    void loginDialogAsksAgainOnWrongPassword();
    void loginWithoutRoleIsToldSo();
    void administratorManagesPersons();
    void startedProgramsGetNoPassword();
    void unencryptedServerIsRefused();

private:
    QTemporaryDir m_work;
};

void TestRoles::initTestCase()
{
    QString why;
    QVERIFY2(g_server.start(&why), qPrintable(why));
    g_file = g_server.dataFolder() + QStringLiteral("/roles.fdb");
    createDatabase(g_file, Content::Demo);
    qputenv("ZELKOR_DATABASE", g_server.connectionString(g_file).toLocal8Bit());
    qunsetenv("ISC_USER");
    qunsetenv("ISC_PASSWORD");
    // SYSDBA sets up the first administrator; the administrator the others.
    QCOMPARE(serverUser("SYSDBA", g_server.password(), "adel", "admin", "new", "adel-jelszo"), QString());
    QCOMPARE(serverUser("ADEL", "adel-jelszo", "robi", "rogzito", "new", "robi-jelszo"), QString());
    QCOMPARE(serverUser("ADEL", "adel-jelszo", "olga", "olvaso", "new", "olga-jelszo"), QString());
    QVERIFY2(g_server.runAsSysdba(g_file, "CREATE USER NORA PASSWORD 'nora-jelszo';\nCOMMIT;\n", &why), qPrintable(why));
    // The totals print from the working folder's templates.
    QDir::setCurrent(m_work.path());
    for (const QString &f : QDir(Source + "/reports").entryList({"*.frf"}))
        QFile::copy(Source + "/reports/" + f, f);
    QFile::copy(Source + "/data/mezo1.txt", "mezo1.txt");
}

void TestRoles::cleanup()
{
    shared::resetAll();
    report::setPreviewHandler({});
}

void TestRoles::eachRoleMayWhatItAllows_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("admin");
    QTest::newRow("reader") << "OLGA" << "ZELKOR_OLVASO" << false << false;
    QTest::newRow("entry") << "ROBI" << "ZELKOR_ROGZITO" << true << false;
    QTest::newRow("administrator") << "ADEL" << "ZELKOR_ADMIN" << true << true;
}

void TestRoles::eachRoleMayWhatItAllows()
{
    QFETCH(QString, user);
    QFETCH(QString, role);
    QFETCH(bool, enter);
    QFETCH(bool, admin);
    MessageRecorder rec;
    auto data = logIn(user.toLower(), user.toLower() + "-jelszo");
    QVERIFY(data);
    QCOMPARE(data->grants().role, role);
    QVERIFY(rec.texts.isEmpty());

    // The menu refuses up front what the role may not open.
    {
        ModalScript script;
        TForm1 main;
        QVERIFY(!main.startupAborted());
        QCOMPARE(main.menuItem("Felhasznalok1")->isVisible(), admin);
        for (const char *item : {"Tgyv1", "Adatbzis1", "Felhasznalok1"}) {
            rec.clear();
            script.opened.clear();
            main.openWindow(item);
            QCOMPARE(script.opened.isEmpty(), !admin);
            if (!admin) QVERIFY2(rec.last().startsWith("Ehhez nincs jogosultsága: "), qPrintable(rec.last()));
        }
    }

    // The windows show what the role may do.
    rec.clear();
    {
        TForm7 list;
        QCOMPARE(enabled(&list, "Button2"), enter);   // Új
        QCOMPARE(enabled(&list, "Button4"), enter);   // Töröl
        QVERIFY(enabled(&list, "Button3"));           // Módosít: everyone may look
        TForm8 entry;
        QVERIFY(entry.loadCurrent());
        QCOMPARE(enabled(&entry, "Button59"), enter);
        QCOMPARE(enabled(&entry, "ButtonUj"), enter);
        TForm3 codes;
        QCOMPARE(enabled(&codes, "Button3"), admin);
    }

    // "Mindösszesen" prints for everyone, with no box before it.
    rec.clear();
    int printed = 0;
    report::setPreviewHandler([&](const report::PreparedReport &) { ++printed; });
    {
        TForm25 totals;
        totals.findChild<QRadioButton *>("RadioButton1")->setChecked(true);
        totals.findChild<QLineEdit *>("Edit1")->setText("A");
        totals.findChild<QLineEdit *>("Edit2")->setText("Zz");
        totals.findChild<QPushButton *>("Button3")->click();
    }
    QCOMPARE(rec.texts, QStringList());
    QCOMPARE(printed, 1);

    // The server holds to the same line whatever the windows do.
    const auto writes = [&](const QString &sql) {
        try {
            data->startTransaction();
            TQuery q(data.get(), "W");
            q.load({sql});
            q.execute();
            data->rollback();
            return true;
        } catch (const DbError &) {
            data->rollback();
            return false;
        }
    };
    QCOMPARE(writes("INSERT INTO ALLOMANY (ARKOD, AFAF) VALUES ('10001', 'KTT')"), enter);
    QCOMPARE(writes("UPDATE RESZLET SET RHELYSEG = RHELYSEG"), enter);
    QCOMPARE(writes("EXECUTE PROCEDURE KOD_FOGLALAS 'RESZLET'"), enter);
    QCOMPARE(writes("UPDATE RESZLET SET RTEV = 2012"), admin);
    QCOMPARE(writes("INSERT INTO KODOK (KNEV) VALUES ('x')"), admin);
    for (const QString &t : rec.texts) QVERIFY2(!t.contains("permission"), qPrintable(t));

    // The history names the login and the workstation it came from.
    if (enter) {
        data->startTransaction();
        TQuery q(data.get(), "W");
        q.load({"UPDATE RESZLET SET RTAG = '" + user + "' WHERE RKOD = '10001'"});
        q.execute();
        data->commit();
        const QString last = scalar(data.get(), "SELECT FIRST 1 FELHASZNALO || '|' || GEP FROM NAPLO ORDER BY IDN DESC");
        QCOMPARE(last.section('|', 0, 0), user);
        QVERIFY2(last.section('|', 1).endsWith("(127.0.0.1)"), qPrintable(last));
    }
}

void TestRoles::loginDialogAsksAgainOnWrongPassword()
{
    MessageRecorder rec;
    ModalScript script;
    for (const char *password : {"rossz", "robi-jelszo"})
        script.add([password](QDialog *d) {
            d->findChild<QLineEdit *>("EditUser")->setText("robi");
            d->findChild<QLineEdit *>("EditPassword")->setText(QString::fromLatin1(password));
            d->findChild<QPushButton *>("ButtonOK")->click();
            return d->result();
        });
    // A login given by nobody: the dialog asks.
    fbapi::clearLogin();
    TData data;
    QVERIFY(login::connect(data));
    QCOMPARE(script.opened, (QStringList{"TLoginDialog", "TLoginDialog"}));
    QCOMPARE(rec.texts, QStringList{"Hibás felhasználónév vagy jelszó."});
    QCOMPARE(data.grants().user, QString("ROBI"));
}

void TestRoles::loginWithoutRoleIsToldSo()
{
    MessageRecorder rec;
    fbapi::setLogin("nora", "nora-jelszo");
    {
        ModalScript script;
        TForm1 main;
        QVERIFY(main.startupAborted());
    }
    delete TData::instance();
    QCOMPARE(rec.texts.size(), 1);
    QVERIFY2(rec.texts.first().startsWith("Ehhez nincs jogosultsága: a nyilvántartás megnyitása."), qPrintable(rec.texts.first()));
    QVERIFY(rec.texts.first().contains("NORA"));
}

void TestRoles::administratorManagesPersons()
{
    MessageRecorder rec;
    auto admin = logIn("adel", "adel-jelszo");
    QVERIFY(admin);
    const auto act = [](const QString &user, const QString &password, int role, const char *button) {
        ModalScript script;
        TFormUsers w;
        w.findChild<QLineEdit *>("EditUser")->setText(user);
        w.findChild<QLineEdit *>("EditPassword")->setText(password);
        w.findChild<QComboBox *>("ComboRole")->setCurrentIndex(role);
        w.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    };
    act("uj_ember", "elso-jelszo", 0, "ButtonAdd");
    QCOMPARE(rec.last(), QString("Felvéve: UJ_EMBER (Olvasó)."));
    act("rossz nev", "elso-jelszo", 0, "ButtonAdd");
    QVERIFY(rec.last().startsWith("A felhasználónév betűvel kezdődjön"));
    {
        auto person = logIn("uj_ember", "elso-jelszo");
        QVERIFY(person);
        QCOMPARE(person->grants().role, QString("ZELKOR_OLVASO"));
    }
    admin->makeCurrent();
    fbapi::setLogin("adel", "adel-jelszo");
    act("uj_ember", "", 1, "ButtonRole");
    act("uj_ember", "masik-jelszo", 1, "ButtonPassword");
    QCOMPARE(rec.last(), QString("A(z) UJ_EMBER felhasználó jelszava megváltozott."));
    rec.clear();
    auto person = logIn("uj_ember", "masik-jelszo");
    QVERIFY(person);
    QCOMPARE(person->grants().role, QString("ZELKOR_ROGZITO"));
    // A person who is no administrator manages nobody.
    act("harmadik", "elso-jelszo", 0, "ButtonAdd");
    QVERIFY2(rec.last().startsWith("Ehhez nincs jogosultsága: a felhasználók kezelése."), qPrintable(rec.last()));
}

void TestRoles::startedProgramsGetNoPassword()
{
    // A fake mail program and remote-support program that write down their environment.
    QTemporaryDir bin;
    const QString out = bin.path() + "/env.txt";
    for (const char *name : {"xdg-email", "remote-help"}) {
        QFile f(bin.path() + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QString("#!/bin/sh\nenv >> %1\n").arg(out).toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", (bin.path() + ":" + qEnvironmentVariable("PATH")).toLocal8Bit());
    qputenv("ISC_USER", "ADEL");
    qputenv("ISC_PASSWORD", "titok-jelszo");
    QCOMPARE(exchange::runMailComposer({"--subject", "x"}), QString());
    TForm20::startProgram(bin.path() + "/remote-help");
    const auto written = [&out] {
        QFile f(out);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QTRY_COMPARE(written().count("ISC_USER=ADEL"), 2);
    QVERIFY(!written().contains("titok-jelszo"));

    // At start the program keeps the password in memory only.
    fbapi::takeLoginFromEnvironment();
    QVERIFY(!qEnvironmentVariableIsSet("ISC_PASSWORD"));
    QCOMPARE(fbapi::password(), QString("titok-jelszo"));
    qunsetenv("ISC_USER");
}

void TestRoles::unencryptedServerIsRefused()
{
    LoopbackServer plain;
    plain.setWireCrypt("Disabled");
    QString why;
    QVERIFY2(plain.start(&why), qPrintable(why));
    const QString file = plain.dataFolder() + "/plain.fdb";
    createDatabase(file, Content::Seed);
    qputenv("ZELKOR_DATABASE", plain.connectionString(file).toLocal8Bit());
    fbapi::setLogin("olga", "olga-jelszo");
    {
        MessageRecorder rec;
        TData data;
        QVERIFY(!login::connect(data));
        QCOMPARE(rec.texts.size(), 1);
        QVERIFY2(rec.texts.first().startsWith("A kiszolgáló (127.0.0.1) csak titkosítatlan kapcsolatot enged"),
                 qPrintable(rec.texts.first()));
        QVERIFY(!data.connected());
    }
    // Allowed knowingly, the person logs in.
    QVERIFY2(plain.runAsSysdba(file, "CREATE USER OLGA PASSWORD 'olga-jelszo';\nGRANT ZELKOR_OLVASO TO OLGA;\nCOMMIT;\n", &why),
             qPrintable(why));
    qputenv("ZELKOR_TITKOSITAS_NELKUL", "1");
    {
        MessageRecorder rec;
        TData data;
        QVERIFY(login::connect(data));
        QCOMPARE(data.grants().role, QString("ZELKOR_OLVASO"));
        QVERIFY(rec.texts.isEmpty());
    }
    qunsetenv("ZELKOR_TITKOSITAS_NELKUL");
    qputenv("ZELKOR_DATABASE", g_server.connectionString(g_file).toLocal8Bit());
}

QTEST_MAIN(TestRoles)
#include "test_roles.moc"
