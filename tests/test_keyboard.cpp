// The keyboard alone: a day's work on the real windows in their real modal
// loops, and the key rules every window shares (Enter on buttons, Escape,
// focus back to the opener, underlined letters, the code picker's hints).
#include "KeyDriver.h"
#include "TestSupport.h"
#include "codes/CodePicker.h"
#include "common/Keyboard.h"
#include "editors/StandEditor.h"
#include "register/CompartmentEntry.h"
#include "register/CompartmentList.h"
#include "report/Report.h"
#include "shell/MainWindow.h"
#include "shell/ReferenceYear.h"
#include "shell/Splash.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace testsupport;

namespace {

// The windows run their own modal loops for the length of a test.
struct RealModalLoops {
    seams::ModalHandler previous = seams::modalHandler();
    RealModalLoops() { seams::setModalHandler({}); }
    ~RealModalLoops() { seams::setModalHandler(previous); }
};

QString focusName()
{
    QWidget *f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}

// Alt + the underlined letter of the named button of the window on top.
void alt(KeyDriver &k, const char *name)
{
    QAbstractButton *b = nullptr;
    for (QAbstractButton *c : KeyDriver::topWindow()->findChildren<QAbstractButton *>(QLatin1String(name)))
        if (c->isVisible())
            b = c;
    const int at = b ? int(b->text().indexOf(u'&')) : -1;
    if (at < 0)
        return k.fail(QStringLiteral("no underlined letter on %1").arg(QLatin1String(name)));
    k.key(Qt::Key(b->text().at(at + 1).toUpper().unicode()), Qt::AltModifier);
}

// Tab (or Shift+Tab) until the named control has the focus.
void tabTo(KeyDriver &k, const char *name, bool back = false)
{
    for (int i = 0; i < 80 && focusName() != QLatin1String(name); ++i)
        k.key(Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    if (focusName() != QLatin1String(name))
        k.fail(QStringLiteral("Tab never reached %1 (stuck on %2)").arg(QLatin1String(name), focusName()));
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TAboutBox::displayMs = 10; }
    void init() { shared::resetAll(); }
    void daysWork();
    void escapeCloses_data();
    void escapeCloses();
    void mnemonics_data();
    void mnemonics();
    void pickHints();
};

void TestKeyboard::daysWork()
{
    TestDb db(Content::Demo);
    QFile::copy(QStringLiteral(ZELKOR_SOURCE_DIR) + "/reports/ErdoReszlet.frf", db.dir() + "/ErdoReszlet.frf");
    MessageRecorder rec;
    RealModalLoops loops;
    QString printed;
    report::setPreviewHandler([&](const report::PreparedReport &r) { printed = r.toPlainText(); });
    TForm1 main;
    main.show();
    main.activateWindow();
    KeyDriver k;
    QString code;
    QString listed;   // the list's "Adatok" box after the search

    k.on("TForm1", [&] { k.key(Qt::Key_B, Qt::AltModifier); });   // "Belépés"
    k.on("TForm5", [&] { k.key(Qt::Key_Down); k.key(Qt::Key_Return); });
    k.on("TForm1", [&] { k.key(Qt::Key_E, Qt::AltModifier); });   // "Erdőrészlet"
    k.on("TForm7", [&] { alt(k, "Button2"); });                    // "Új"
    // The settlement and the ownership picked from the code list with F4.
    k.on("TForm8", [&] { k.key(Qt::Key_F4); });
    k.on("TForm11", [&] { k.type("Pö"); k.key(Qt::Key_Return); });
    k.on("TForm8", [&] {
        code = KeyDriver::topWindow()->findChild<QLineEdit *>("EditKod")->text();
        k.key(Qt::Key_Return);
        k.type("31");
        k.key(Qt::Key_Return);
        k.type("A");
        k.key(Qt::Key_Return);
        k.type("0771");
        k.repeat(Qt::Key_Return, 5);
        k.type("2024");
        k.repeat(Qt::Key_Return, 2);   // to "Tulajdonforma"
        k.key(Qt::Key_F4);
    });
    k.on("TForm11", [&] { k.type("M"); k.key(Qt::Key_Return); });
    k.on("TForm8", [&] {
        k.repeat(Qt::Key_Return, 4);   // to "Részlet területe:"
        k.type("4,2");
        k.key(Qt::Key_Tab, Qt::ControlModifier);   // the page "Állományleírás"
        alt(k, "ButtonUj");
    });
    // First stand row: the species through F4, the rest typed, Enter on "OK".
    k.on("TForm9", [&] { k.type("1"); k.repeat(Qt::Key_Return, 2); k.key(Qt::Key_F4); });
    k.on("TForm11", [&] { k.type("KTT"); k.key(Qt::Key_Return); });
    k.on("TForm9", [&] {
        k.repeat(Qt::Key_Return, 2);
        k.type("70");
        k.repeat(Qt::Key_Return, 2);
        k.type("45");
        k.repeat(Qt::Key_Return, 13);   // through the other fields to "OK"
        if (focusName() != "Button2")
            k.fail("Enter did not reach OK: " + focusName());
        k.key(Qt::Key_Return);
    });
    // Back on the page, where the keys still reach: Tab out of the grid, Enter on "Új".
    k.on("TForm8", [&] { tabTo(k, "ButtonUj"); k.key(Qt::Key_Return); });
    k.on("TForm9", [&] { k.type("2"); k.repeat(Qt::Key_Return, 2); k.key(Qt::Key_F4); });
    k.on("TForm11", [&] { k.type("B"); k.key(Qt::Key_Return); });
    k.on("TForm9", [&] { alt(k, "Button2"); });
    // A felling row on the next page.
    k.on("TForm8", [&] { k.key(Qt::Key_Tab, Qt::ControlModifier); alt(k, "ButtonUj"); });
    k.on("TForm10", [&] { k.type("1"); k.repeat(Qt::Key_Return, 2); k.key(Qt::Key_F4); });
    k.on("TForm11", [&] { k.type("KTT"); k.key(Qt::Key_Return); });
    k.on("TForm10", [&] { k.key(Qt::Key_Return); k.type("90"); k.repeat(Qt::Key_Return, 2); k.key(Qt::Key_F4); });
    k.on("TForm11", [&] { k.key(Qt::Key_Return); });   // the first urgency
    k.on("TForm10", [&] { k.key(Qt::Key_Return); k.type("1,5"); alt(k, "Button2"); });
    // Back to "Részlet" and save.
    k.on("TForm8", [&] { k.repeat(Qt::Key_Tab, 2, Qt::ControlModifier | Qt::ShiftModifier); alt(k, "Button59"); });
    // Found by the search, opened with Enter on its row.
    k.on("TForm7", [&] {
        tabTo(k, "Edit1", true);
        k.type("Pö");
        listed = KeyDriver::topWindow()->findChild<QLineEdit *>("DBEdit2")->text();
        tabTo(k, "DBGrid1");
        k.key(Qt::Key_Return);
    });
    // Changed: a new lot number, saved with Enter on the focused "OK".
    k.on("TForm8", [&] {
        k.key(Qt::Key_Return);
        k.type("32");
        tabTo(k, "Button59");
        k.key(Qt::Key_Return);
    });
    // Its sheet, then Escape closes the list.
    k.on("TForm7", [&] { alt(k, "Button6"); });
    k.until([&] { return !printed.isEmpty(); });
    k.on("TForm7", [&] { k.key(Qt::Key_Escape); });
    k.on("TForm1", [] {});
    const bool ok = k.run();
    report::setPreviewHandler({});
    QVERIFY2(ok, qPrintable((k.failures + rec.texts).join("; ")));
    QCOMPARE(rec.texts, QStringList());

    QCOMPARE(listed, code);
    QCOMPARE(db.scalar("SELECT RHELYSEG || '|' || RTAG || '|' || RRESZLET || '|' || RHRSZ || '|' || REV || '|' || RTUL"
                       " || '|' || CAST(RRHA AS NUMERIC(9, 1)) FROM RESZLET WHERE RKOD = '" + code + "'"),
             QString("Pölöske|32|A|0771|2024|MAG|4.2"));
    QCOMPARE(db.scalar("SELECT LIST(ASSZAM || ':' || AFAF || ':' || COALESCE(CAST(AEANY AS INTEGER) || ':' || CAST(AKOREV AS INTEGER), '-'), ' ') FROM "
                       "(SELECT * FROM ALLOMANY WHERE ARKOD = '" + code + "' ORDER BY ASSZAM)"),
             QString("1:KTT:70:45 2:B:-"));
    QCOMPARE(db.scalar("SELECT TSSZAM || ':' || TJELE || ':' || CAST(TVAGKOR AS INTEGER) || ':' || TSURG1 || ':' || CAST(TEHA1 AS NUMERIC(9, 1)) FROM TERMELES "
                       "WHERE TRKOD = '" + code + "'"),
             QString("1:KTT:90:1:1.5"));
    // The list stays on the changed compartment; the sheet printed it.
    QCOMPARE(db.data().ZQ10->asString("RKOD"), code);
    QVERIFY2(printed.contains("Pölöske") && printed.contains("0771"), qPrintable(printed.left(400)));
    qInfo("a compartment with two stand rows and a felling row, found, changed and printed: %d keys", k.keys);
    QVERIFY(k.keys <= 200);
}

void TestKeyboard::escapeCloses_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    // The reference year's digit rule and the entry windows' number rules see the key first.
    QTest::newRow("reference year") << "TForm24" << "Edit1";
    QTest::newRow("entry, number field") << "TForm8" << "Edit11";
    QTest::newRow("stand editor, number field") << "TForm9" << "Edit5";
    QTest::newRow("code picker") << "TForm11" << "DBGrid1";
    QTest::newRow("compartment list") << "TForm7" << "Edit1";
}

void TestKeyboard::escapeCloses()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    RealModalLoops loops;
    const QString before = db.scalar("SELECT LIST(RTEV) FROM RESZLET");
    shared::compartmentEntryMode = "Részlet módositás";
    shared::stand.mode = "Új állomány";
    shared::pickerGroup = "FAF";
    db.data().ZQ10->load({"SELECT * FROM RESZLET ORDER BY RKOD"});
    db.data().ZQ10->open();
    QDialog *w = window == "TForm24" ? static_cast<QDialog *>(new TForm24)
        : window == "TForm8"         ? new TForm8
        : window == "TForm9"         ? new TForm9
        : window == "TForm11"        ? new TForm11
                                     : static_cast<QDialog *>(new TForm7);
    if (auto *entry = qobject_cast<TForm8 *>(w))
        QVERIFY(entry->loadCurrent());
    int result = -1;
    QTimer::singleShot(0, w, [&] { result = seams::runModal(w); });
    KeyDriver k;
    k.on(window, [&] {
        w->findChild<QWidget *>(field)->setFocus();
        k.type("1");
        k.key(Qt::Key_Escape);
    });
    QVERIFY2(k.run(), qPrintable(k.failures.join("; ")));
    QTRY_COMPARE(result, int(QDialog::Rejected));
    QVERIFY(!w->isVisible());
    QCOMPARE(rec.texts, QStringList());
    QCOMPARE(db.scalar("SELECT LIST(RTEV) FROM RESZLET"), before);
    delete w;
}

void TestKeyboard::mnemonics_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("word starts first") << QStringList{"OK", "Mégsem", "Új", "Módosít"}
                                       << QStringList{"&OK", "&Mégsem", "&Új", "Mó&dosít"};
    QTest::newRow("plain letters next") << QStringList{"Adatok", "Adatok küldése", "Adatok mentése", "Kiválaszt", "Keres"}
                                        << QStringList{"&Adatok", "Adatok &küldése", "Adatok &mentése", "K&iválaszt", "K&eres"};
    QTest::newRow("own letter kept") << QStringList{"&Mentés", "Mégsem", "A && B"}
                                     << QStringList{"&Mentés", "Mé&gsem", "&A && B"};
    QTest::newRow("no letter left") << QStringList{"Ab", "Ba", "AB"} << QStringList{"&Ab", "&Ba", "AB"};
}

void TestKeyboard::mnemonics()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, marked);
    QSet<QChar> used;
    QStringList out;
    for (const QString &c : captions)
        out << keyboard::withMnemonic(c, used);
    QCOMPARE(out, marked);
    // The letters stay the caption's own: without the marks it reads as before.
    for (int i = 0; i < out.size(); ++i)
        QCOMPARE(QString(out[i]).remove(QRegularExpression("&(?!&)")), QString(captions[i]).remove(QRegularExpression("&(?!&)")));
}

void TestKeyboard::pickHints()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    keyboard::install();
    shared::compartmentEntryMode = "Új részlet";
    TForm8 w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *line = w.findChild<QLabel *>("KeyHint");
    QVERIFY(line);
    QLineEdit *coded = w.fields().edit("Edit10");
    QCOMPARE(coded->toolTip(), keyboard::PickFieldTip);
    coded->setFocus();
    QCOMPARE(line->text(), keyboard::PickFieldHint);
    w.fields().edit("Edit2")->setFocus();
    QCOMPARE(line->text(), keyboard::GeneralHint);
    QVERIFY(w.fields().edit("Edit2")->toolTip().isEmpty());
    // The picker says how to choose from it; a window of fixed size grows by the line.
    shared::pickerGroup = "FAF";
    TForm11 picker;
    const int height = picker.height();
    picker.show();
    QVERIFY(picker.findChild<QLabel *>("KeyHint"));
    QVERIFY(picker.height() > height);
    picker.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&picker));
    picker.findChild<QWidget *>("DBGrid1")->setFocus();
    QVERIFY(picker.findChild<QLabel *>("KeyHint")->text().contains("Enter"));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
