// Start-up, main menu, forestry-unit selection, reference year and the
// general error handler.
#include "TestSupport.h"
#include "shell/Startup.h"
#include "shell/MainWindow.h"
#include "shell/ReferenceYear.h"
#include "shell/UnitSelection.h"
#include "shell/Splash.h"
#include "shell/Termination.h"
#include "shell/VersionInfo.h"

#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <unistd.h>

using namespace testsupport;

namespace {
const char *kTop[] = {"Belepes", "Erdoreszlet", "Lekrdezs1", "kodok", "Segedlet", "Kilep"};
}

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TAboutBox::displayMs = 10; }
    void init() { shared::resetAll(); }
    void versionText_data();
    void versionText();
    void startupCaptionAndMenu();
    void startupWithoutDatabase_data();
    void startupWithoutDatabase();
    void startupReadOnlyDatabase_data();
    void startupReadOnlyDatabase();
    void startupFailureEscapeIsClose_data();
    void startupFailureEscapeIsClose();
    void selectionCaption_data();
    void selectionCaption();
    void selectionWithEmptyUnitTable();
    void referenceYearKeys_data();
    void referenceYearKeys();
    void referenceYearWritesEveryRow();
    void referenceYearLengthRefused();
    void referenceYearOnEmptyTable();
    void errorHandlerKeepsWindowOpen();
    void screenshot();
    // Last: after it the application's event loops count as ended.
    void terminationEndsThroughNormalEnd();
};

void TestShell::versionText_data()
{
    QTest::addColumn<int>("fileMajor");
    QTest::addColumn<int>("productMinor");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.3") << 1 << 3 << "1.03";
    QTest::newRow("minor 12") << 1 << 12 << "1.012";
    QTest::newRow("2.0") << 2 << 0 << "2.00";
}

void TestShell::versionText()
{
    QFETCH(int, fileMajor);
    QFETCH(int, productMinor);
    QFETCH(QString, text);
    FixedFileInfo info;
    info.fileVersionMS = quint32(fileMajor) << 16 | 7;      // the file's minor does not count
    info.productVersionMS = 9u << 16 | quint32(productMinor);  // nor the product's major
    QCOMPARE(::versionText(info), text);
    QCOMPARE(versionCaption(text), "Zelkor -  Verzió: " + text + " 2011");
    QCOMPARE(versionCaption(::versionText(std::nullopt)), QString("Zelkor -  Verzió:  2011"));
}

void TestShell::startupCaptionAndMenu()
{
    TestDb db(Content::Seed, false);
    MessageRecorder rec;
    TForm1 main;
    QVERIFY(!main.startupAborted());
    QVERIFY(rec.texts.isEmpty());
    QCOMPARE(main.windowTitle(), versionCaption(::versionText(programVersionInfo())));
    for (const char *n : kTop)
        QCOMPARE(main.menuItem(n)->isEnabled(), QString(n) == "Belepes" || QString(n) == "Kilep");
    // The main window comes before any table's rows: a window reads them when it shows them.
    for (TTable *t : dm().allTables()) QVERIFY(!t->isOpen());

    // The selection window enables the whole menu when it closes.
    ModalScript script;
    script.add([](QDialog *d) { d->findChild<QPushButton *>("Button2")->click(); return d->result(); });
    main.openWindow("Belepes");
    QCOMPARE(script.opened, QStringList{"TForm5"});
    for (const char *n : kTop) QVERIFY(main.menuItem(n)->isEnabled());
    QCOMPARE(main.windowTitle(), QString("Zelkor - Zalai Erdészet  2011"));
    delete TData::instance();
}

void TestShell::startupWithoutDatabase_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed ends the program") << true;
    QTest::newRow("closed goes on without database") << false;
}

void TestShell::startupWithoutDatabase()
{
    QFETCH(bool, confirm);
    QTemporaryDir empty;
    const QString old = QDir::currentPath();
    QDir::setCurrent(empty.path());
    MessageRecorder rec;
    rec.answers << confirm;
    {
        TForm1 main;
        QCOMPARE(rec.texts, QStringList{"Az adatbáziskezelöt nem találja.\nA program müködéséhez szükséges."});
        QCOMPARE(rec.kinds.first(), seams::MessageKind::StartupFailure);
        QCOMPARE(main.startupAborted(), confirm);
        if (!confirm) QVERIFY(main.windowTitle().startsWith("Zelkor -  Verzió: "));
    }
    delete TData::instance();
    QDir::setCurrent(old);
}

void TestShell::startupReadOnlyDatabase_data()
{
    QTest::addColumn<QString>("file");   // "" for a read-only copy made here
    QTest::newRow("read-only file") << "";
    // Not even root may write a read-only kernel file: the same case where tests run as root.
    QTest::newRow("file nobody may write") << "/sys/kernel/address_bits";
}

// A database file that is there but cannot be written is named as such.
void TestShell::startupReadOnlyDatabase()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    if (file.isEmpty()) {
        if (::geteuid() == 0)
            QSKIP("root may write a read-only file");
        file = dir.filePath("ZELKOR.FDB");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (!QFile::exists(file)) {
        QSKIP("no such file here");
    }
    qputenv("ZELKOR_DATABASE", file.toLocal8Bit());
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    MessageRecorder rec;
    rec.answers << true;
    {
        TForm1 main;
        QCOMPARE(rec.texts.size(), 1);
        QCOMPARE(rec.texts.first(), "Az adatbázisfájl nem írható (csak olvasható, vagy más felhasználóé):\n" +
                                        QDir::toNativeSeparators(file) + "\nA program működéséhez írási jog szükséges.");
        QCOMPARE(rec.kinds.first(), seams::MessageKind::StartupFailure);
        QVERIFY(main.startupAborted());
    }
    delete TData::instance();
    qunsetenv("ZELKOR_DATABASE");
    QDir::setCurrent(old);
}

void TestShell::startupFailureEscapeIsClose_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("close box") << false;
    QTest::newRow("Escape") << true;
}

// The real start-up failure box: Escape answers as its close box does.
void TestShell::startupFailureEscapeIsClose()
{
    QFETCH(bool, escape);
    QTimer::singleShot(50, [escape] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    QTimer::singleShot(3000, [] {   // never left hanging
        if (QWidget *w = QApplication::activeModalWidget()) w->hide();
    });
    // The real box, not the tests' fallback answer.
    const seams::MessageHandler fallback = seams::messageHandler();
    seams::setMessageHandler({});
    const bool confirmed = seams::startupFailure("Az adatbáziskezelöt nem találja.\nA program müködéséhez szükséges.");
    seams::setMessageHandler(fallback);
    QVERIFY(confirmed);
}

// SIGTERM (logout, shutdown) makes every event loop return, so that the
// program ends as after "Kilépés" and commits its pending work.
void TestShell::terminationEndsThroughNormalEnd()
{
    endOnTermination();
    QEventLoop outer, inner;   // a modal window's loop inside the main one
    int innerRc = -1;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        innerRc = inner.exec();
    });
    QTimer::singleShot(5000, [&] { inner.exit(7); outer.exit(7); });
    QCOMPARE(outer.exec(), 0);
    QCOMPARE(innerRc, 0);
}

void TestShell::selectionCaption_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("short") << "Bakonyi Erdészet" << "Zelkor - Bakonyi Erdészet  2011";
    QTest::newRow("cut to 25") << "Zalaegerszegi Erdőgazdálkodási Egység"
                               << "Zelkor - Zalaegerszegi Erdőgazdálk  2011";
}

void TestShell::selectionCaption()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    TestDb db(Content::Empty);
    db.exec("INSERT INTO ERDESZET (IDX, XNEVE) VALUES (1, 'Első egység')");
    db.exec(QString("INSERT INTO ERDESZET (IDX, XNEVE) VALUES (2, '%1')").arg(name));
    TForm5 w;
    w.show();
    auto *combo = w.findChild<QComboBox *>("DBLookupComboBox1");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentIndex(), -1);          // nothing chosen yet
    QCOMPARE(TForm5::unitCaption(), caption);     // the last row is current on show
    combo->showPopup();
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    combo->hidePopup();
    QCOMPARE(TForm5::unitCaption(), QString("Zelkor - Első egység  2011"));
}

void TestShell::selectionWithEmptyUnitTable()
{
    TestDb db(Content::Empty, false);
    MessageRecorder rec;
    TForm1 main;
    ModalScript script;
    script.add([](QDialog *d) { d->reject(); return 0; });    // close box
    main.openWindow("Belepes");
    QCOMPARE(main.windowTitle(), QString("Zelkor -   2011"));
    for (const char *n : kTop) QVERIFY(main.menuItem(n)->isEnabled());
    delete TData::instance();
}

void TestShell::referenceYearKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digits") << "2011" << "2011";
    QTest::newRow("letters and signs dropped") << "2a0,1.1" << "2011";
    QTest::newRow("zeros") << "0000" << "0000";
}

void TestShell::referenceYearKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    TestDb db(Content::Seed);
    TForm24 w;
    w.show();
    auto *e = w.findChild<QLineEdit *>("Edit1");
    QCOMPARE(e->text(), QString::number(QDate::currentDate().year()));
    e->clear();
    typeText(e, typed);
    pressEnter(e);
    QCOMPARE(e->text(), kept);
}

void TestShell::referenceYearWritesEveryRow()
{
    TestDb db(Content::Demo);
    TForm24 w;
    w.show();
    QCOMPARE(w.findChild<QLineEdit *>("Edit2")->text(), QString("2011"));
    auto *e = w.findChild<QLineEdit *>("Edit1");
    e->setText("2015");
    MessageRecorder rec;
    w.findChild<QPushButton *>("Button3")->click();
    QVERIFY(rec.texts.isEmpty());
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE RTEV = 2015"),
             db.scalar("SELECT COUNT(*) FROM RESZLET"));
}

void TestShell::referenceYearLengthRefused()
{
    TestDb db(Content::Demo);
    TForm24 w;
    w.show();
    auto *e = w.findChild<QLineEdit *>("Edit1");
    e->setText("201");
    MessageRecorder rec;
    w.findChild<QPushButton *>("Button3")->click();
    QCOMPARE(rec.texts, QStringList{"Tágyév hossza nem négy karakter!"});
    QVERIFY(w.isVisible());
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE RTEV = 201"), QString("0"));
}

void TestShell::referenceYearOnEmptyTable()
{
    TestDb db(Content::Seed);
    TForm24 w;
    w.show();
    QCOMPARE(w.findChild<QLineEdit *>("Edit2")->text(), QString("0"));
    MessageRecorder rec;
    w.findChild<QPushButton *>("Button3")->click();
    QVERIFY(rec.texts.isEmpty());
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

void TestShell::errorHandlerKeepsWindowOpen()
{
    TestDb db(Content::Seed);
    MessageRecorder rec;
    QDialog w;
    auto *b = new QPushButton("Hibás lekérdezés", &w);
    QObject::connect(b, &QPushButton::clicked, [] {
        dm().ZQ11->load({"SELECT * FROM NINCS_ILYEN_TABLA"});
        dm().ZQ11->open();
    });
    w.show();
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(rec.texts.size(), 1);
    QVERIFY(rec.last().contains("NINCS_ILYEN_TABLA"));
    QVERIFY(w.isVisible());
}

// Only when ZELKOR_SCREENSHOTS names a folder: the main window after the selection.
void TestShell::screenshot()
{
    const QString dir = qEnvironmentVariable("ZELKOR_SCREENSHOTS");
    if (dir.isEmpty()) QSKIP("ZELKOR_SCREENSHOTS not set");
    TestDb db(Content::Demo, false);
    TForm1 main;
    ModalScript script;
    script.add([](QDialog *d) { d->accept(); return 1; });
    main.openWindow("Belepes");
    main.show();
    QTest::qWait(100);
    QVERIFY(main.grab().save(dir + "/main-window.png"));
    delete TData::instance();
}

int main(int argc, char **argv)
{
    ZelkorApplication app(argc, argv);   // the general error handler is part of what is tested
    TestShell t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_shell.moc"
