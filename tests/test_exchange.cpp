// Sending the database, the raw table administration, the backup window and
// the help, about and remote-help windows, on a real database.
#include "TestSupport.h"
#include "datastore/FbSession.h"
#include "exchange/TableAdmin.h"
#include "exchange/PasswordDialog.h"
#include "exchange/SendByEmail.h"
#include "exchange/BackupWindow.h"
#include "shell/AboutWindow.h"
#include "shell/RemoteHelp.h"
#include "shell/HelpWindow.h"
#include "widgets/SlotGrid.h"

#include <QClipboard>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace testsupport;

namespace {

// Every row of a table as text, in key order, read through a separate attachment.
QStringList dumpTable(const QString &file, const QString &table, const QString &key)
{
    FbSession s;
    s.attach(file, QStringLiteral("SYSDBA"), QStringLiteral("x"));
    s.startTransaction();
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    s.run(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, key), {}, &cols, &rows, true);
    QStringList out;
    for (const DbRow &r : rows) {
        QStringList cells;
        for (int c = 0; c < cols.size(); ++c) cells << FbSession::value(r, cols.at(c), c).toString();
        out << cells.join(u'|');
    }
    s.commit();
    s.detach();
    return out;
}

void touch(const QString &path, const QByteArray &content = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// Types a code into the password dialog and closes it with the given button.
void answerPassword(ModalScript &script, const QString &code, const QString &button)
{
    script.add([code, button](QDialog *d) {
        auto *edit = d->findChild<QLineEdit *>(QStringLiteral("Password"));
        if (!edit) return int(QDialog::Rejected);
        typeText(edit, code);
        d->findChild<QPushButton *>(button)->click();
        return d->result();
    });
}

bool writable(int table) { return !dm().table(table)->readOnly(); }
int writableCount()
{
    int n = 0;
    for (int i = 1; i <= 10; ++i) n += writable(i);
    return n;
}

} // namespace

class TestExchange : public QObject {
    Q_OBJECT
private slots:
    void folderChange_data();
    void folderChange();
    void movingToFolderWithoutFileEmptiesField();
    void send1WithEmptyField();
    void send1HandsTypedPathToComposer();
    void send1ComposerFailureIsReported();
    void mailtoLinkIsPercentEncoded();
    void clipboardCopy();
    void accessCodes_data();
    void accessCodes();
    void secondCodeAfterFirstShowsErdeszet();
    void keyboardUnlock_data();
    void keyboardUnlock();
    void closingAndReopeningIsLocked();
    void windowOpensClosedTables();
    void postedEditSurvivesRollback();
    void refusedRowStaysInEditing_data();
    void refusedRowStaysInEditing();
    void deleteAsksAndCommits();
    void backupWhileHeldOpen();
    void backupRefusals_data();
    void backupRefusals();
    void backupExistingTargetAsksFirst();
    void backupOfNoDatabaseFailsCleanly();
    void helpWindowShowsGuide();
    void aboutAndRemoteHelp();
    void screenshots();
};

// ---------------------------------------------------------------- e-mail

void TestExchange::folderChange_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");
    QTest::newRow("capitals as found") << QStringList{"ZELKOR.FDB"} << "ZELKOR.FDB";
    QTest::newRow("exact name") << QStringList{"Zelkor.fdb", "mas.txt"} << "Zelkor.fdb";
    QTest::newRow("small letters") << QStringList{"zelkor.fdb"} << "zelkor.fdb";
    QTest::newRow("similar names only") << QStringList{"Zelkor.fdb.bak", "Zelkor2.fdb"} << "";
    QTest::newRow("empty folder") << QStringList{} << "";
}

void TestExchange::folderChange()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString &f : files) touch(dir.filePath(f));
    TForm21 w;
    w.setFolder(dir.path());
    const QString text = w.findChild<QLineEdit *>("Edit1")->text();
    QCOMPARE(text, expected.isEmpty() ? QString() : QDir(dir.path()).filePath(expected));
}

void TestExchange::movingToFolderWithoutFileEmptiesField()
{
    TestDb db(Content::Seed);
    // Opens on the working folder, which holds the database as "ZELKOR.FDB".
    TForm21 w;
    auto *edit = w.findChild<QLineEdit *>("Edit1");
    QCOMPARE(w.currentFolder(), QDir::currentPath());
    QCOMPARE(edit->text(), QDir(db.dir()).filePath("ZELKOR.FDB"));
    QTemporaryDir other;
    w.setFolder(other.path());
    QCOMPARE(edit->text(), QString());
}

void TestExchange::send1WithEmptyField()
{
    MessageRecorder rec;
    QStringList called;
    exchange::runMailComposer = [&](const QStringList &a) { called = a; return QString(); };
    QTemporaryDir dir;
    TForm21 w;
    w.setFolder(dir.path());
    w.findChild<QPushButton *>("Button3")->click();
    QCOMPARE(rec.texts, QStringList{"Nincs kiválasztva! "});
    QVERIFY(called.isEmpty());
}

void TestExchange::send1HandsTypedPathToComposer()
{
    MessageRecorder rec;
    QStringList called;
    exchange::runMailComposer = [&](const QStringList &a) { called = a; return QString(); };
    QTemporaryDir dir;
    const QString file = dir.filePath("masik név.fdb");
    touch(file);
    TForm21 w;
    w.findChild<QLineEdit *>("Edit1")->setText(file);
    w.findChild<QPushButton *>("Button3")->click();
    QVERIFY(rec.texts.isEmpty());
    const int at = int(called.indexOf("--attach"));
    QVERIFY(at >= 0);
    QCOMPARE(called.value(at + 1), file);
    QCOMPARE(called.value(called.indexOf("--subject") + 1), QString("Zelkor 2011 adatok"));
    QCOMPARE(called.value(called.indexOf("--body") + 1), QString("Zelkor 2011 adatok elküldése ellenőrzésre"));
    QCOMPARE(called.last(), exchange::supportAddress());
    QVERIFY(exchange::supportAddress().endsWith("example.hu"));
}

void TestExchange::send1ComposerFailureIsReported()
{
    MessageRecorder rec;
    exchange::runMailComposer = [](const QStringList &) { return QStringLiteral("nincs levelező"); };
    QTemporaryDir dir;
    TForm21 w;
    // A path that names no file is refused before any mail program is asked.
    w.findChild<QLineEdit *>("Edit1")->setText(dir.filePath("nincs.fdb"));
    w.findChild<QPushButton *>("Button3")->click();
    QVERIFY(rec.last().startsWith("A küldendő fájl nem található"));
    touch(dir.filePath("Zelkor.fdb"));
    w.setFolder(dir.path());
    w.findChild<QPushButton *>("Button3")->click();
    QVERIFY(rec.last().contains("nincs levelező"));
    QVERIFY(w.isVisible() || !w.result());   // the window stays
}

void TestExchange::mailtoLinkIsPercentEncoded()
{
    QUrl opened;
    exchange::openUrl = [&](const QUrl &u) { opened = u; return true; };
    TForm21 w;
    w.findChild<QPushButton *>("Button6")->click();
    const QString expected = "mailto:tamogatas@zelkor.example.hu?subject=Zelkor%20adatok&body=Zelkor%202011%20adatok%20"
                             "elk%C3%BCld%C3%A9se%20ellen%C5%91rz%C3%A9sre.%20Figyelmeztet%C3%A9s%3A%20csatolt%20"
                             "f%C3%A1lj%20mell%C3%A9kelni%20kell%21%20";
    QCOMPARE(TForm21::mailtoText(), expected);
    QCOMPARE(opened.toString(QUrl::FullyEncoded), expected);
    QVERIFY(opened.isValid());
}

void TestExchange::clipboardCopy()
{
    TForm21 w;
    auto *edit = w.findChild<QLineEdit *>("Edit1");
    edit->setText("/adat/Zelkor.fdb");
    w.findChild<QPushButton *>("Button4")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("/adat/Zelkor.fdb"));
    QCOMPARE(edit->selectedText(), edit->text());
}

// ---------------------------------------------------------------- administration

void TestExchange::accessCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("writableTables");
    QTest::addColumn<bool>("erdeszetShown");
    QTest::newRow("first code, OK") << "726180935" << "OKBtn" << 9 << false;
    QTest::newRow("first code, Cancel") << "726180935" << "CancelBtn" << 9 << false;
    QTest::newRow("second code") << "qmv" << "OKBtn" << 10 << true;
    QTest::newRow("second code, Cancel") << "qmv" << "CancelBtn" << 10 << true;
    QTest::newRow("second code in capitals") << "QMV" << "OKBtn" << 0 << false;
    QTest::newRow("one digit wrong") << "726180936" << "OKBtn" << 0 << false;
    QTest::newRow("first code with a blank") << "726180935 " << "OKBtn" << 0 << false;
    QTest::newRow("empty") << "" << "OKBtn" << 0 << false;
}

void TestExchange::accessCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, button);
    QFETCH(int, writableTables);
    QFETCH(bool, erdeszetShown);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    ModalScript script;
    answerPassword(script, code, button);
    TForm17 w;
    QCOMPARE(writableCount(), 0);
    w.findChild<QPushButton *>("Button6")->click();
    QCOMPARE(script.opened, QStringList{"TPasswordDlg"});
    QCOMPARE(writableCount(), writableTables);
    QCOMPARE(writable(4), erdeszetShown);
    QCOMPARE(!w.grid(4)->isHidden(), erdeszetShown);
    QCOMPARE(!w.navigator(4)->isHidden(), erdeszetShown);
    for (int i = 1; i <= 10; ++i) QVERIFY(dm().table(i)->isOpen());
    QVERIFY(rec.texts.isEmpty());   // a wrong code says nothing
}

void TestExchange::secondCodeAfterFirstShowsErdeszet()
{
    TestDb db(Content::Seed);
    ModalScript script;
    answerPassword(script, "726180935", "OKBtn");
    answerPassword(script, "qmv", "OKBtn");
    answerPassword(script, "726180935", "OKBtn");
    TForm17 w;
    auto *b = w.findChild<QPushButton *>("Button6");
    b->click();
    QCOMPARE(writableCount(), 9);
    QVERIFY(w.grid(4)->isHidden());
    b->click();
    QCOMPARE(writableCount(), 10);
    QVERIFY(!w.grid(4)->isHidden());
    b->click();                              // the first code narrows nothing
    QCOMPARE(writableCount(), 10);
    QVERIFY(!w.navigator(4)->button("nbInsert")->isHidden());
    QVERIFY(w.navigator(4)->button("nbInsert")->isEnabled());
}

void TestExchange::keyboardUnlock_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("writableTables");
    for (const QChar c : TForm17::unlockLetters()) {
        QTest::newRow(qPrintable(QString("small %1").arg(c))) << QString(c) << 9;
        QTest::newRow(qPrintable(QString("capital %1").arg(c))) << QString(c.toUpper()) << 9;
    }
    QTest::newRow("other letter") << "q" << 0;
    QTest::newRow("digit") << "7" << 0;
}

void TestExchange::keyboardUnlock()
{
    QFETCH(QString, key);
    QFETCH(int, writableTables);
    TestDb db(Content::Seed);
    ModalScript script;
    TForm17 w;
    typeText(w.findChild<QPushButton *>("Button6"), key);
    QCOMPARE(writableCount(), writableTables);
    QVERIFY(script.opened.isEmpty());
    QVERIFY(w.grid(4)->isHidden());
}

void TestExchange::closingAndReopeningIsLocked()
{
    TestDb db(Content::Seed);
    ModalScript script;
    answerPassword(script, "qmv", "OKBtn");
    {
        TForm17 w;
        w.findChild<QPushButton *>("Button6")->click();
        QCOMPARE(writableCount(), 10);
        w.findChild<QPushButton *>("Button1")->click();   // "Mégsem"
        QCOMPARE(writableCount(), 0);
        for (int i = 1; i <= 10; ++i) QVERIFY(dm().table(i)->isOpen());
    }
    TForm17 again;
    QCOMPARE(writableCount(), 0);
    QVERIFY(again.grid(4)->isHidden());
    QVERIFY(!again.navigator(1)->button("nbInsert")->isEnabled());
    QCOMPARE(again.findChild<QTabWidget *>("PageControl1")->currentIndex(), 0);
    QCOMPARE(again.findChild<QTabWidget *>("PageControl1")->tabText(3), QString("Erdeszet"));
}

void TestExchange::windowOpensClosedTables()
{
    TestDb db(Content::Demo);
    dm().commit();                               // closes every table object
    QVERIFY(!dm().IBTable1->isOpen());
    TForm17 w;
    QVERIFY(dm().IBTable1->isOpen());
    QCOMPARE(w.grid(1)->model()->rowCount(), db.scalar("SELECT COUNT(*) FROM RESZLET").toInt());
}

void TestExchange::postedEditSurvivesRollback()
{
    TestDb db(Content::Seed);
    MessageRecorder rec;
    ModalScript script;
    answerPassword(script, "726180935", "OKBtn");
    TForm17 w;
    w.findChild<QPushButton *>("Button6")->click();
    TTable *t = dm().IBTable10;
    QVERIFY(t->locate("KKOD", "11001"));
    const QString id = t->asString("IDK");
    auto *model = w.grid(10)->model();
    const int col = t->columnIndex("KNEV");
    QVERIFY(model->setData(model->index(t->currentRow(), col), QString("Őrségi tölgyes"), Qt::EditRole));
    w.navigator(10)->button("nbPost")->click();
    QVERIFY(rec.texts.isEmpty());
    QCOMPARE(t->state(), TTable::Browse);
    QVERIFY(t->isOpen());
    QCOMPARE(t->asString("IDK"), id);            // stays on the posted row
    dm().rollback();                             // some other window gives up its work
    QCOMPARE(db.scalar("SELECT KNEV FROM KODOK WHERE IDK = " + id), QString("Őrségi tölgyes"));
}

// A typed text the column cannot take is refused by its column in Hungarian,
// before the engine; the row stays in editing with the text as typed.
void TestExchange::refusedRowStaysInEditing_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("hosszú kód") << 10 << "KKOD" << "1234567890"
                                << "Túl hosszú szöveg: KKOD (legfeljebb 5 karakter, most 10)";
    QTest::newRow("nem szám") << 1 << "RRHA" << "12,5ha" << "Hibás szám a(z) RRHA mezőben: 12,5ha";
    QTest::newRow("tört év") << 1 << "REV" << "2011,5" << "Hibás egész szám a(z) REV mezőben: 2011,5";
    QTest::newRow("nem dátum") << 5 << "FDATUM" << "2024.13.45"
                               << "Hibás dátum a(z) FDATUM mezőben: 2024.13.45 (éééé.hh.nn)";
}

void TestExchange::refusedRowStaysInEditing()
{
    QFETCH(int, table);
    QFETCH(QString, column);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    ModalScript script;
    answerPassword(script, "726180935", "OKBtn");
    TForm17 w;
    w.findChild<QPushButton *>("Button6")->click();
    TTable *t = dm().table(table);
    t->first();
    const QString key = t->keyColumn();
    const QString id = t->asString(key);
    const QString sql = "SELECT " + column + " FROM " + t->tableName() + " WHERE " + key + " = " + id;
    const QString before = db.scalar(sql);
    auto *model = w.grid(table)->model();
    const QModelIndex cell = model->index(t->currentRow(), t->columnIndex(column));
    QVERIFY(model->setData(cell, typed, Qt::EditRole));
    w.navigator(table)->button("nbPost")->click();
    QCOMPARE(rec.texts, QStringList{message});
    QCOMPARE(t->state(), TTable::Edit);
    QCOMPARE(model->data(cell, Qt::DisplayRole).toString(), typed);
    w.navigator(table)->button("nbCancel")->click();
    QCOMPARE(db.scalar(sql), before);
}

void TestExchange::deleteAsksAndCommits()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    ModalScript script;
    answerPassword(script, "726180935", "OKBtn");
    TForm17 w;
    w.findChild<QPushButton *>("Button6")->click();
    TTable *t = dm().IBTable2;
    const int before = db.scalar("SELECT COUNT(*) FROM ALLOMANY").toInt();
    QVERIFY(before > 0);
    rec.answers << false;
    w.navigator(2)->button("nbDelete")->click();
    QCOMPARE(rec.last(), QString("Törli a kijelölt sort?"));
    QCOMPARE(t->rowCount(), before);
    rec.answers << true;
    w.navigator(2)->button("nbDelete")->click();
    dm().rollback();
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM ALLOMANY").toInt(), before - 1);
}

// ---------------------------------------------------------------- backup

void TestExchange::backupWhileHeldOpen()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    db.exec("UPDATE KODOK SET KNEV = 'Árvíztűrő tükörfúrógép őrzője' WHERE KKOD = '11001'");
    dm().ZQ10->load({"SELECT * FROM RESZLET"});
    dm().ZQ10->open();                           // the program holds the file in a transaction
    QVERIFY(dm().inTransaction());
    QTemporaryDir out;
    const QString target = out.filePath("mentés 2011.fdb");

    TFormBackup w;
    QCOMPARE(w.findChild<QLineEdit *>("Edit1")->text(), QDir(db.dir()).filePath("ZELKOR.FDB"));
    QCOMPARE(w.findChild<QPushButton *>("Button1")->toolTip(), QString("Az adatbázis elérésiútvonala"));
    QCOMPARE(w.findChild<QPushButton *>("Button2")->toolTip(), QString("Kérem adja meg a mentés helyét"));
    QCOMPARE(w.findChild<QPushButton *>("Button3")->toolTip(), QString("Mentés végrehajtása."));
    ModalScript script;
    script.add([&](QDialog *d) {
        auto *fd = qobject_cast<QFileDialog *>(d);
        if (!fd || fd->defaultSuffix() != "fdb" || fd->acceptMode() != QFileDialog::AcceptSave) return 0;
        fd->selectFile(target);
        return int(QDialog::Accepted);
    });
    w.findChild<QPushButton *>("Button2")->click();
    QCOMPARE(w.findChild<QLineEdit *>("Edit2")->text(), target);
    w.findChild<QPushButton *>("Button3")->click();
    QVERIFY2(rec.last().startsWith("Az adatok mentése sikeresen befejeződött."), qPrintable(rec.last()));
    QVERIFY(QFileInfo(target).size() > 0);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mentés 2011.fdb"});
    QVERIFY(dm().ZQ10->isOpen());                // the program's own work is untouched

    const QString source = db.file();
    bool sawHungarian = false;
    for (TTable *t : dm().allTables()) {
        const QStringList a = dumpTable(source, t->tableName(), t->keyColumn());
        const QStringList b = dumpTable(target, t->tableName(), t->keyColumn());
        QCOMPARE(b, a);
        sawHungarian = sawHungarian || b.join("").contains("Árvíztűrő tükörfúrógép őrzője");
    }
    QVERIFY(sawHungarian);
    QVERIFY(dumpTable(target, "RESZLET", "IDR").size() > 0);
}

void TestExchange::backupRefusals_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::newRow("no source") << "" << "@/m.fdb" << "Nincs megadva az adatbázis elérési útvonala!";
    QTest::newRow("no target") << "*" << "" << "Nincs megadva a mentés helye!";
    QTest::newRow("missing source") << "@/nincs.fdb" << "@/m.fdb" << "Az adatbázis nem található: @/nincs.fdb";
    QTest::newRow("missing folder") << "*" << "@/nincs/m.fdb" << "A mentés helyéül megadott mappa nem létezik: @/nincs";
    QTest::newRow("onto itself") << "*" << "*" << "A mentés helye nem lehet maga az adatbázis!";
}

void TestExchange::backupRefusals()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, message);
    TestDb db(Content::Seed);
    QTemporaryDir out;
    auto fill = [&](QString s) { return s == "*" ? db.file() : s.replace("@", out.path()); };
    MessageRecorder rec;
    TFormBackup w;
    w.findChild<QLineEdit *>("Edit1")->setText(fill(source));
    w.findChild<QLineEdit *>("Edit2")->setText(fill(target));
    w.findChild<QPushButton *>("Button3")->click();
    QCOMPARE(rec.texts, QStringList{fill(message)});
    QVERIFY(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(QFileInfo(db.file()).size() > 0);
}

void TestExchange::backupExistingTargetAsksFirst()
{
    TestDb db(Content::Seed);
    QTemporaryDir out;
    const QString target = out.filePath("regi.fdb");
    touch(target, "régi tartalom");
    MessageRecorder rec;
    TFormBackup w;
    w.findChild<QLineEdit *>("Edit2")->setText(out.filePath("regi"));   // ".fdb" is added
    rec.answers << false;
    w.findChild<QPushButton *>("Button3")->click();
    QCOMPARE(rec.texts, QStringList{QString("A(z) %1 fájl már létezik. Felülírja?").arg(target)});
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), QString("régi tartalom"));
    f.close();
    rec.answers << true;
    w.findChild<QPushButton *>("Button3")->click();
    QVERIFY2(rec.last().startsWith("Az adatok mentése sikeresen"), qPrintable(rec.last()));
    QCOMPARE(dumpTable(target, "KODOK", "IDK"), dumpTable(db.file(), "KODOK", "IDK"));
}

void TestExchange::backupOfNoDatabaseFailsCleanly()
{
    TestDb db(Content::Seed);
    QTemporaryDir out;
    const QString bogus = out.filePath("nem-adatbazis.fdb");
    touch(bogus, QByteArray(8192, 'z'));
    const QString target = out.filePath("celfajl.fdb");
    touch(target, "marad");
    MessageRecorder rec;
    rec.answers << true;
    TFormBackup w;
    w.findChild<QLineEdit *>("Edit1")->setText(bogus);
    w.findChild<QLineEdit *>("Edit2")->setText(target);
    w.findChild<QPushButton *>("Button3")->click();
    QVERIFY2(rec.last().startsWith("Hiba: az adatok mentése nem sikerült.\n"), qPrintable(rec.last()));
    QVERIFY(rec.last().size() > QString("Hiba: az adatok mentése nem sikerült.\n").size());
    QFile f(target);                             // the old file is not touched
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("marad"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    QVERIFY(w.findChild<QPushButton *>("Button3")->isEnabled());
}

// ---------------------------------------------------------------- help, about, remote help

void TestExchange::helpWindowShowsGuide()
{
    TestDb db(Content::Empty, false);
    QCOMPARE(TForm22::helpFile(), QString());
    QDir(db.dir()).mkpath("help");
    QVERIFY(QFile::copy(QStringLiteral(ZELKOR_SOURCE_DIR "/data/help/zelkor-sugo.html"),
                        QDir(db.dir()).filePath("help/zelkor-sugo.html")));
    QCOMPARE(TForm22::helpFile(), QDir(db.dir()).filePath("help/zelkor-sugo.html"));

    ModalScript script;
    QStringList chapters;
    QString text;
    script.add([&](QDialog *d) {
        auto *hw = qobject_cast<THelpWindow *>(d);
        if (!hw) return 0;
        for (int i = 0; i < hw->contents()->count(); ++i) chapters << hw->contents()->item(i)->text().trimmed();
        text = hw->browser()->toPlainText();
        return int(QDialog::Accepted);
    });
    TForm22 w;
    QCOMPARE(w.windowTitle(), QString("Súgó"));
    w.findChild<QPushButton *>("Button1")->click();
    QCOMPARE(script.opened, QStringList{"THelpWindow"});
    QVERIFY(chapters.size() >= 10);
    // Every window the forester meets has its chapter.
    for (const char *word : {"Erdőrészlet", "Kódtábla", "Mindösszesen", "Egyedi", "Adatok mentése",
                             "Adatok küldése", "Adatok", "Állomány", "Belépés"})
        QVERIFY2(text.contains(QString::fromUtf8(word)), word);
}

void TestExchange::aboutAndRemoteHelp()
{
    TForm19 about;
    const QString t = about.findChild<QPlainTextEdit *>("Memo1")->toPlainText();
    QVERIFY(t.startsWith("Zelkor"));
    QVERIFY(t.contains("\n2011\n"));
    QCOMPARE(about.findChild<QPushButton *>("Button3")->text(), QString("Bezárás"));

    QStringList started;
    TForm20::startProgram = [&](const QString &p) { started << p; };
    TForm20 remote;
    QTemporaryDir bin;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    remote.findChild<QPushButton *>("Button1")->click();
    QVERIFY(started.isEmpty());                  // not found: nothing happens
    const QString exe = bin.filePath("ShowMyPC3000.exe");
    touch(exe);
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    remote.findChild<QPushButton *>("Button1")->click();
    qputenv("PATH", oldPath);
    QCOMPARE(started, QStringList{exe});
}

// Pictures of the windows for review, only when ZELKOR_SCREENSHOTS names a folder.
void TestExchange::screenshots()
{
    const QString dir = qEnvironmentVariable("ZELKOR_SCREENSHOTS");
    if (dir.isEmpty()) QSKIP("ZELKOR_SCREENSHOTS not set");
    TestDb db(Content::Demo);
    ModalScript script;
    answerPassword(script, "qmv", "OKBtn");
    TForm17 admin;
    admin.findChild<QPushButton *>("Button6")->click();
    admin.show();
    QVERIFY(admin.grab().save(dir + "/admin-unlocked.png"));
    QDir(db.dir()).mkpath("help");
    QFile::copy(QStringLiteral(ZELKOR_SOURCE_DIR "/data/help/zelkor-sugo.html"), QDir(db.dir()).filePath("help/zelkor-sugo.html"));
    THelpWindow help(TForm22::helpFile());
    help.contents()->setCurrentRow(8);
    help.show();
    QVERIFY(help.grab().save(dir + "/help.png"));
    TFormBackup backup;
    backup.findChild<QLineEdit *>("Edit2")->setText("/media/pendrive/zelkor-2011-05-12.fdb");
    backup.show();
    QVERIFY(backup.grab().save(dir + "/backup.png"));
    TForm21 mail;
    mail.show();
    QVERIFY(mail.grab().save(dir + "/email.png"));
}

QTEST_MAIN(TestExchange)
#include "test_exchange.moc"
