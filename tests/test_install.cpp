// The installed program: the tree `cmake --install` lays down, where the
// program finds its templates and help there, and the first start from the
// desktop menu, which makes the user's register in the user's data folder.
#include "TestSupport.h"
#include "common/ProgramFiles.h"
#include "datastore/FbSession.h"
#include "report/Report.h"
#include "shell/DataFolder.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/Splash.h"
#include "shell/Startup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>
#include <cstdio>

using namespace testsupport;

namespace {

const QString kSource = QStringLiteral(ZELKOR_SOURCE_DIR);
const QString kQuestion = QStringLiteral("A munkamappában nincs Zelkor adatbázis (ZELKOR.FDB).\n"
                                         "Létrehozzam az új, üres nyilvántartást a saját adatmappájában?\n");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Key=value lines of the [Desktop Entry] group.
QMap<QString, QString> desktopEntry(const QString &path)
{
    QMap<QString, QString> out;
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(readAll(path)).split(u'\n')) {
        if (line.startsWith(u'[')) inGroup = (line == QLatin1String("[Desktop Entry]"));
        else if (inGroup && line.contains(u'=')) out.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return out;
}

// Working folder, XDG_DATA_HOME and ZELKOR_DATABASE of one case, put back afterwards.
struct StartPlace {
    QTemporaryDir cwd;
    QTemporaryDir home;
    QString oldCwd = QDir::currentPath();
    QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    QByteArray oldDatabase = qgetenv("ZELKOR_DATABASE");
    StartPlace()
    {
        QDir::setCurrent(cwd.path());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        qunsetenv("ZELKOR_DATABASE");
    }
    ~StartPlace()
    {
        QDir::setCurrent(oldCwd);
        qputenv("XDG_DATA_HOME", oldHome);
        if (oldDatabase.isNull()) qunsetenv("ZELKOR_DATABASE");
        else qputenv("ZELKOR_DATABASE", oldDatabase);
        programfiles::setShareDir({});
    }
    QString userFolder() const { return home.path() + QStringLiteral("/zelkor"); }
};

// The launcher as the installed program runs it (zelkorMain), in a process of
// its own started with --launcher: the question is answered "Igen", the splash
// let through; once the main window is up, what the user would see is printed
// (every message, the working folder, the main window's caption) and it quits.
int runLauncher(int argc, char *argv[])
{
    auto say = [](const char *what, const QString &text) {
        std::printf("%s: %s\n", what, text.toUtf8().constData());
        std::fflush(stdout);
    };
    seams::setMessageHandler([say](seams::MessageKind kind, const QString &text) {
        say(kind == seams::MessageKind::Question ? "question" : "message", text);
        return true;
    });
    seams::setModalHandler([say](QDialog *d) {
        if (!qobject_cast<TAboutBox *>(d)) return int(QDialog::Rejected);
        QTimer::singleShot(0, qApp, [say] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *main = qobject_cast<TForm1 *>(w); main && main->isVisible()) say("main", main->windowTitle());
            say("folder", QDir::currentPath());
            qApp->quit();
        });
        return int(QDialog::Accepted);
    });
    return zelkorMain(argc, argv);
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void installedTree_data();
    void installedTree();
    void desktopEntryAndIcon();
    void programFilesFromTheInstalledTree();
    void firstStartMakesTheRegister();
    void laterStartOpensIt();
    void startsAsBefore_data();
    void startsAsBefore();
    void declinedMakesNothing();
    void failedCreationIsTold();
    void launcherFromTheMenu();

private:
    QTemporaryDir m_prefix;
    QString share() const { return m_prefix.path() + QStringLiteral("/share/zelkor"); }
};

void TestInstall::initTestCase()
{
    TAboutBox::displayMs = 10;
    QVERIFY(m_prefix.isValid());
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(ZELKOR_CMAKE_COMMAND),
            {QStringLiteral("--install"), QStringLiteral(ZELKOR_BINARY_DIR), QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(p.waitForFinished(120000));
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, p.readAll().constData());
}

void TestInstall::installedTree_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("source");   // the file it must equal; empty: not compared
    QTest::newRow("program") << "bin/zelkor" << "";
    for (const QFileInfo &f : QDir(kSource + "/reports").entryInfoList({"*.frf"}, QDir::Files))
        QTest::newRow(qPrintable(f.fileName())) << "share/zelkor/" + f.fileName() << f.absoluteFilePath();
    QTest::newRow("field list") << "share/zelkor/mezo1.txt" << kSource + "/data/mezo1.txt";
    QTest::newRow("help") << "share/zelkor/help/zelkor-sugo.html" << kSource + "/data/help/zelkor-sugo.html";
    QTest::newRow("creation script") << "share/zelkor/sql/zelkor.sql" << kSource + "/datastore/zelkor.sql";
    QTest::newRow("seed data") << "share/zelkor/sql/seed.sql" << kSource + "/datastore/seed.sql";
    QTest::newRow("menu entry") << "share/applications/zelkor.desktop" << kSource + "/packaging/zelkor.desktop";
    QTest::newRow("icon") << "share/icons/hicolor/scalable/apps/zelkor.svg" << kSource + "/packaging/zelkor.svg";
}

void TestInstall::installedTree()
{
    QFETCH(QString, installed);
    QFETCH(QString, source);
    const QFileInfo f(m_prefix.path() + u'/' + installed);
    QVERIFY2(f.isFile(), qPrintable(installed));
    if (source.isEmpty()) QVERIFY(f.isExecutable());
    else QCOMPARE(readAll(f.absoluteFilePath()), readAll(source));
}

void TestInstall::desktopEntryAndIcon()
{
    const auto entry = desktopEntry(m_prefix.path() + "/share/applications/zelkor.desktop");
    QCOMPARE(entry.value("Type"), QString("Application"));
    QCOMPARE(entry.value("Name"), QString("Zelkor"));
    QCOMPARE(entry.value("Exec"), QString("zelkor"));
    QCOMPARE(entry.value("Icon"), QString("zelkor"));
    QCOMPARE(entry.value("Terminal"), QString("false"));
    QVERIFY(entry.value("Categories").split(u';').contains("Office"));
    QCOMPARE(entry.value("GenericName"), QString("Erdőrészlet-nyilvántartás"));
    QVERIFY(entry.value("Comment").startsWith("Az erdőterv erdőrészleteinek nyilvántartása"));

    QXmlStreamReader svg(readAll(m_prefix.path() + "/share/icons/hicolor/scalable/apps/zelkor.svg"));
    QVERIFY(svg.readNextStartElement());
    QCOMPARE(svg.name().toString(), QString("svg"));
    while (!svg.atEnd()) svg.readNext();
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
}

void TestInstall::programFilesFromTheInstalledTree()
{
    StartPlace place;
    programfiles::setShareDir(share());
    // Nothing in the working folder: the installed copies are used.
    QCOMPARE(programfiles::find("ErdoReszlet.frf"), share() + "/ErdoReszlet.frf");
    QCOMPARE(TForm22::helpFile(), share() + "/help/zelkor-sugo.html");
    report::Report r;
    r.loadFromFile("ErdoHelyseg.frf");
    QCOMPARE(r.templateName(), QString("ErdoHelyseg.frf"));

    // A folder's own copy wins over the installed one.
    QFile::copy(kSource + "/data/mezo1.txt", place.cwd.filePath("mezo1.txt"));
    QCOMPARE(programfiles::find("mezo1.txt"), place.cwd.filePath("mezo1.txt"));
    // Found nowhere: the working folder is named, for the message.
    QCOMPARE(programfiles::find("Nincs.frf"), place.cwd.filePath("Nincs.frf"));
    QVERIFY_THROWS_EXCEPTION(report::ReportError, r.loadFromFile("Nincs.frf"));
}

void TestInstall::firstStartMakesTheRegister()
{
    StartPlace place;
    programfiles::setShareDir(share());
    MessageRecorder rec;
    rec.answers << true;
    QCOMPARE(datafolder::userFolder(), place.userFolder());
    QCOMPARE(datafolder::chooseWorkingFolder(), datafolder::Outcome::Created);
    QCOMPARE(rec.texts, QStringList{kQuestion + place.userFolder()});
    QCOMPARE(rec.kinds, QList<seams::MessageKind>{seams::MessageKind::Question});
    QCOMPARE(QDir::currentPath(), place.userFolder());
    QCOMPARE(QDir(place.userFolder()).entryList(QDir::Files), QStringList{"ZELKOR.FDB"});

    // The main window comes up on the new register, and the unit can be chosen.
    rec.clear();
    {
        ModalScript script;
        script.add([](QDialog *) { return int(QDialog::Accepted); });   // the splash
        TForm1 main;
        QVERIFY(!main.startupAborted());
        QVERIFY(rec.texts.isEmpty());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(main.windowTitle().startsWith("Zelkor -  Verzió: "));
        script.add([](QDialog *d) { d->findChild<QPushButton *>("Button2")->click(); return d->result(); });
        main.openWindow("Belepes");
        QCOMPARE(main.windowTitle(), QString("Zelkor - Zalai Erdészet  2011"));
        QVERIFY(main.menuItem("Erdoreszlet")->isEnabled());
    }
    {
        TQuery q(TData::instance(), "Codes");   // gone before the data module it belongs to
        q.load({"SELECT COUNT(*) FROM KODOK"});
        q.open();
        QVERIFY(q.textAt(0, 0).toInt() > 300);
        q.close();
    }
    delete TData::instance();
}

void TestInstall::laterStartOpensIt()
{
    StartPlace place;
    programfiles::setShareDir(share());
    QDir().mkpath(place.userFolder());
    createDatabase(place.userFolder() + "/ZELKOR.FDB", Content::Demo);
    MessageRecorder rec;
    QCOMPARE(datafolder::chooseWorkingFolder(), datafolder::Outcome::Opened);
    QVERIFY(rec.texts.isEmpty());
    QCOMPARE(QDir::currentPath(), place.userFolder());
}

void TestInstall::startsAsBefore_data()
{
    QTest::addColumn<QString>("why");
    QTest::newRow("folder holding ZELKOR.FDB") << "database here";
    QTest::newRow("ZELKOR_DATABASE set") << "named database";
    QTest::newRow("not installed (a build folder)") << "no share folder";
    QTest::newRow("installed tree without its creation script") << "no script";
}

void TestInstall::startsAsBefore()
{
    QFETCH(QString, why);
    StartPlace place;
    programfiles::setShareDir(share());
    QTemporaryDir emptyShare;
    if (why == "database here") createDatabase(place.cwd.filePath("ZELKOR.FDB"), Content::Seed);
    if (why == "named database") qputenv("ZELKOR_DATABASE", "szerver:/srv/zelkor/ZELKOR.FDB");
    if (why == "no share folder") programfiles::setShareDir(place.cwd.filePath("nincs"));
    if (why == "no script") programfiles::setShareDir(emptyShare.path());
    MessageRecorder rec;
    QCOMPARE(datafolder::chooseWorkingFolder(), datafolder::Outcome::AsBefore);
    QVERIFY(rec.texts.isEmpty());
    QCOMPARE(QDir::currentPath(), QDir(place.cwd.path()).canonicalPath());
    QVERIFY(!QFileInfo::exists(place.userFolder()));
}

void TestInstall::declinedMakesNothing()
{
    StartPlace place;
    programfiles::setShareDir(share());
    MessageRecorder rec;
    rec.answers << false;
    QCOMPARE(datafolder::chooseWorkingFolder(), datafolder::Outcome::Declined);
    QCOMPARE(rec.texts, QStringList{kQuestion + place.userFolder()});
    QVERIFY(!QFileInfo::exists(place.userFolder()));
    QCOMPARE(QDir::currentPath(), QDir(place.cwd.path()).canonicalPath());
}

void TestInstall::failedCreationIsTold()
{
    StartPlace place;
    // An installed tree whose seed data the engine refuses.
    QTemporaryDir broken;
    QDir().mkpath(broken.filePath("sql"));
    QFile::copy(share() + "/sql/zelkor.sql", broken.filePath("sql/zelkor.sql"));
    QFile seed(broken.filePath("sql/seed.sql"));
    QVERIFY(seed.open(QIODevice::WriteOnly));
    seed.write("INSERT INTO KODOK (NINCS_ILYEN) VALUES (1);\n");
    seed.close();
    programfiles::setShareDir(broken.path());

    MessageRecorder rec;
    rec.answers << true;
    QCOMPARE(datafolder::chooseWorkingFolder(), datafolder::Outcome::Failed);
    QCOMPARE(rec.texts.size(), 2);
    const QStringList told = rec.texts.last().split(u'\n');
    QCOMPARE(told.first(), QString("Az új nyilvántartás létrehozása nem sikerült."));
    QVERIFY2(told.at(1).startsWith("seed.sql, 1. sor: "), qPrintable(rec.texts.last()));
    // No register, not even half of one, and the working folder is as it was:
    // the start-up then says that the database is missing.
    QCOMPARE(QDir(place.userFolder()).entryList(QDir::Files), QStringList{});
    QCOMPARE(QDir::currentPath(), QDir(place.cwd.path()).canonicalPath());
}

void TestInstall::launcherFromTheMenu()
{
    // Beside the installed program, so that it finds share/zelkor as the program does.
    const QString launcher = m_prefix.path() + "/bin/zelkor-launcher-test";
    QFile::remove(launcher);
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), launcher));
    QTemporaryDir cwd, home;   // an empty working folder and an empty XDG_DATA_HOME
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", home.path());
    env.remove("ZELKOR_DATABASE");
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(cwd.path());
    p.start(launcher, {"--launcher"});
    QVERIFY(p.waitForFinished(120000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, qPrintable(out + p.readAllStandardError()));

    const QString folder = home.path() + "/zelkor";
    const QStringList lines = out.trimmed().split(u'\n');
    QCOMPARE(lines.size(), 5);   // the question is three lines
    QCOMPARE(lines.mid(0, 3).join(u'\n'), "question: " + kQuestion + folder);
    QVERIFY2(lines.at(3).startsWith("main: Zelkor -  Verzió: "), qPrintable(out));
    QCOMPARE(lines.at(4), "folder: " + folder);

    // The new register: the code table and the forestry unit of the seed data.
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"ZELKOR.FDB"});
    FbSession db;
    db.attach(folder + "/ZELKOR.FDB", "SYSDBA", "bervalosz");
    db.startTransaction();
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    db.run("SELECT (SELECT COUNT(*) FROM KODOK), (SELECT COUNT(*) FROM ERDESZET), "
           "(SELECT COUNT(*) FROM RESZLET) FROM RDB$DATABASE", {}, &cols, &rows, true);
    QCOMPARE(rows.size(), 1);
    QVERIFY(FbSession::value(rows.at(0), cols.at(0), 0).toInt() > 300);
    QCOMPARE(FbSession::value(rows.at(0), cols.at(1), 1).toInt(), 1);
    QCOMPARE(FbSession::value(rows.at(0), cols.at(2), 2).toInt(), 0);
    db.commit();
    db.detach();
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--launcher") == 0) return runLauncher(argc, argv);
    QApplication app(argc, argv);
    TestInstall test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_install.moc"
