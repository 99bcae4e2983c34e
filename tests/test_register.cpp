// The compartment register on a real database: the list window's orders,
// search, delete and sheet; the data-entry window's new and change saves,
// input refusals, code picks and the rows of an unsaved new compartment.
#include "TestSupport.h"
#include "common/Shared.h"
#include "register/CompartmentList.h"
#include "register/CompartmentEntry.h"
#include "EntryWindow.h"
#include "widgets/SlotGrid.h"
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace testsupport;

namespace {

// Every column of one row as text, in column order.
QStringList rowValues(TData &d, const QString &where)
{
    TQuery q(&d, QStringLiteral("TestRow"));
    q.load({QStringLiteral("SELECT * FROM RESZLET WHERE ") + where});
    q.open();
    QStringList out;
    for (int c = 0; c < q.columnCount() && !q.isEmpty(); ++c)
        out << q.columnNames().at(c) + u'=' + q.textAt(0, c);
    q.close();
    return out;
}

QLineEdit *edit(QWidget *w, const char *name) { return w->findChild<QLineEdit *>(QLatin1String(name)); }
QPushButton *button(QWidget *w, const char *name) { return w->findChild<QPushButton *>(QLatin1String(name)); }

using entrywindow::openNew;

} // namespace

class TestRegister : public QObject {
    Q_OBJECT
private slots:
    void init() { shared::resetAll(); }
    void listOrders_data();
    void listOrders();
    void shownOnLastSaved();
    void searchAsTyped();
    void newCompartment();
    void firstCompartmentOfEmptyTable();
    void fullRegisterRefusesNewCompartment();
    void settlementRefused_data();
    void settlementRefused();
    void badNumberRefused_data();
    void badNumberRefused();
    void databaseFailureKeepsWindow_data();
    void databaseFailureKeepsWindow();
    void changeKeyedByIdr();
    void unchangedSaveRoundTrips();
    void hydrologyCodeKept();
    void codePick();
    void managerPickByRightClick();
    void listAfterEntryWindow_data();
    void listAfterEntryWindow();
    void deleteAsksFirst();
    void deleteCascade();
    void deleteFailingStatementKeepsAll();
    void deleteLastRefused();
    void sheetVariables();
    void unsavedNewRowsRemoved_data();
    void unsavedNewRowsRemoved();
    void screenshots();
};

void TestRegister::listOrders_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Kód") << 0 << "ORDER BY RKOD" << "Kódlista, \"Kód\" szerint";
    QTest::newRow("Helységnév") << 1 << "ORDER BY RHELYSEG, RTAG, RRESZLET" << "Kódlista, \"Helység\" szerint";
    QTest::newRow("Hrsz") << 4 << "ORDER BY RHRSZ" << "Kódlista, \"Helyrajziszám\" szerint";
    QTest::newRow("Tag: nothing") << 2 << "ORDER BY RHELYSEG, RTAG, RRESZLET" << "Lista sorrend: ";
    QTest::newRow("Részlet: nothing") << 3 << "ORDER BY RHELYSEG, RTAG, RRESZLET" << "Lista sorrend: ";
}

void TestRegister::listOrders()
{
    QFETCH(int, column);
    QFETCH(QString, lastLine);
    QFETCH(QString, caption);
    TestDb db(Content::Demo);
    TForm7 w;
    QCOMPARE(w.orderCaption(), QString("Lista sorrend: "));
    QCOMPARE(db.data().ZQ10->rowCount(), 20);
    db.data().ZQ10->setCurrentRow(5);
    auto *grid = w.findChild<SlotGrid *>("DBGrid1");
    emit grid->titleClicked(column);
    QCOMPARE(db.data().ZQ10->sqlLines().last(), lastLine);
    QCOMPARE(w.orderCaption(), caption);
    if (column == 0 || column == 1 || column == 4)
        QCOMPARE(db.data().ZQ10->currentRow(), 0);
    if (column == 0)
        QCOMPARE(db.data().ZQ10->asString("RKOD"), db.scalar("SELECT MIN(RKOD) FROM RESZLET"));
}

void TestRegister::shownOnLastSaved()
{
    TestDb db(Content::Demo);
    shared::lastCompartmentCode = db.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Gősfa' AND RTAG = '5' AND RRESZLET = 'B'");
    TForm7 w;
    w.show();
    QCOMPARE(w.orderCaption(), QString("Erdörészlet, \"Helység, tag, részlet\" szerint"));
    QCOMPARE(db.data().ZQ10->asString("RKOD"), shared::lastCompartmentCode);
    QCOMPARE(edit(&w, "DBEdit3")->text(), QString("Gősfa"));
}

void TestRegister::searchAsTyped()
{
    TestDb db(Content::Demo);
    TForm7 w;
    w.show();
    QLineEdit *search = edit(&w, "Edit1");
    typeText(search, "g");
    QCOMPARE(db.data().ZQ10->asString("RHELYSEG"), QString("Gősfa"));
    QCOMPARE(w.orderCaption(), QString("Részlet lista, \"Helység, tag, részlet\" szerint"));
    search->clear();
    typeText(search, "Zala");
    QCOMPARE(db.data().ZQ10->asString("RHELYSEG"), QString("Zalaszentgrót"));
    search->clear();
    typeText(search, "x");           // begins no settlement: the first row
    QCOMPARE(db.data().ZQ10->currentRow(), 0);
    search->setText("gő");
    button(&w, "Button7")->click();
    QCOMPARE(db.data().ZQ10->asString("RHELYSEG"), QString("Gősfa"));
}

void TestRegister::newCompartment()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    const QString predicted = QString::number(db.scalar("SELECT MAX(RKOD) FROM RESZLET").toLongLong() + 1);
    auto w = openNew();
    QCOMPARE(w->windowTitle(), QString("Adatbevitel"));
    QCOMPARE(edit(w.get(), "EditKod")->text(), predicted);
    QCOMPARE(edit(w.get(), "EditID")->text(), QString());
    QCOMPARE(shared::currentCompartmentCode, predicted);
    QCOMPARE(w->findChild<QPlainTextEdit *>("Memo1")->toPlainText().split('\n'), TForm8::newRemarkLines());
    QCOMPARE(db.data().ZQ20->sqlLines().last(), QString("ORDER BY ASSZAM"));
    QVERIFY(db.data().ZQ20->isOpen() && db.data().ZQ30->isOpen());

    // Every field gets a value of its own; numbers with a decimal comma.
    for (const fieldform::FieldDef &f : w->fields().defs()) {
        if (f.kind == fieldform::Kind::Decimal)
            w->fields().setText(f.control, f.param.mid(1) + ",5");
        else if (f.kind == fieldform::Kind::Digits)
            w->fields().setText(f.control, "2011");
        else
            w->fields().setText(f.control, f.column.toLower() + " ő");
    }
    w->fields().setText("Edit1", "  Bükkszék");    // leading blanks stay
    w->fields().setText("Edit14", "");              // empty number: null
    w->fields().setText("Memo1", "első sor\nmásodik sor");
    button(w.get(), "Button59")->click();
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QVERIFY(w->saved());
    QCOMPARE(shared::lastCompartmentCode, predicted);

    const QString where = "RKOD = '" + predicted + "'";
    QCOMPARE(db.scalar("SELECT RHELYSEG FROM RESZLET WHERE " + where), QString("  Bükkszék"));
    QCOMPARE(db.scalar("SELECT RRHA FROM RESZLET WHERE " + where + " AND RRHA = 12.5"), QString("12,5"));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE " + where + " AND RAHA IS NULL"), QString("1"));
    QCOMPARE(db.scalar("SELECT REV FROM RESZLET WHERE " + where), QString("2011"));
    QCOMPARE(db.scalar("SELECT RFELJEGY FROM RESZLET WHERE " + where), QString("első sor\nmásodik sor"));
    // All 54 columns arrived: every text column holds its own name.
    for (const fieldform::FieldDef &f : w->fields().defs())
        if ((f.kind == fieldform::Kind::Pick || f.kind == fieldform::Kind::Text) && f.column != "RHELYSEG")
            QCOMPARE(db.scalar("SELECT " + f.column + " FROM RESZLET WHERE " + where), f.column.toLower() + " ő");
    QCOMPARE(db.data().ZQ10->asString("RKOD"), predicted);
}

void TestRegister::firstCompartmentOfEmptyTable()
{
    TestDb db(Content::Seed);
    MessageRecorder rec;
    auto w = openNew();
    QVERIFY(w->isVisible());
    QCOMPARE(edit(w.get(), "EditKod")->text(), QString("10001"));
    w->fields().setText("Edit1", "Lenti");
    button(w.get(), "Button59")->click();
    QVERIFY(w->saved());
    QCOMPARE(db.scalar("SELECT RKOD FROM RESZLET"), QString("10001"));
}

void TestRegister::fullRegisterRefusesNewCompartment()
{
    TestDb db(Content::Seed);
    db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG) VALUES ('99999', 'Lenti')");
    MessageRecorder rec;
    auto w = openNew();
    QCOMPARE(rec.texts, QStringList{
        "A(z) „Erdőrészlet” táblában elfogytak a kódok (10001–99999): új sor nem vehető fel."});
    QTRY_VERIFY(!w->isVisible());   // nothing typed yet: the window closes by itself
    QVERIFY(!w->saved());
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET"), QString("1"));
}

void TestRegister::settlementRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("blanks and tab") << " \t ";
}

void TestRegister::settlementRefused()
{
    QFETCH(QString, text);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    auto w = openNew();
    w->fields().setText("Edit1", text);
    w->fields().setText("Edit2", "7");
    button(w.get(), "Button59")->click();
    QCOMPARE(rec.texts, QStringList{"Nincs megadva a Helységnév!"});
    QVERIFY(w->isVisible() && !w->saved());
    QCOMPARE(w->focusWidget(), edit(w.get(), "Edit1"));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET"), QString("20"));
}

void TestRegister::badNumberRefused_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("two commas") << "Edit11" << "1,2,5" << "Hibás szám: Részlet területe";
    QTest::newRow("lone comma") << "Edit90" << "," << "Hibás szám: AK";
    QTest::newRow("leading blank caption") << "Edit16" << "3,,"<< "Hibás szám: Eddigi véghasználat ter.";
    QTest::newRow("on the plan page") << "Edit83" << ",," << "Hibás szám: Terület (ha)";
}

void TestRegister::badNumberRefused()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    auto w = openNew();
    w->fields().setText("Edit1", "Lenti");
    QLineEdit *field = edit(w.get(), control.toLatin1());
    field->setFocus();
    field->clear();
    typeText(field, text + "x");                   // a letter is refused (a point would be a comma)
    QCOMPARE(field->text(), text);
    edit(w.get(), "Edit1")->setFocus();
    button(w.get(), "Button59")->click();
    QCOMPARE(rec.texts, QStringList{message});
    QVERIFY(w->isVisible() && !w->saved());
    QCOMPARE(w->focusWidget(), field);
    QCOMPARE(field->text(), text);
    QCOMPARE(w->fields().text("Edit1"), QString("Lenti"));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET"), QString("20"));
}

void TestRegister::databaseFailureKeepsWindow_data()
{
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<QString>("message");
    QTest::newRow("insert") << true << "Hiba84: Újban, INSERT  a reszletben ";
    QTest::newRow("update") << false << "Hiba85: Módositásban, UPDATE a részletben ";
}

void TestRegister::databaseFailureKeepsWindow()
{
    QFETCH(bool, isNew);
    QFETCH(QString, message);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    db.exec("CREATE EXCEPTION NO_WRITE 'tiltva'");
    db.exec(QString("CREATE TRIGGER B_RESZLET FOR RESZLET ACTIVE BEFORE %1 POSITION 5 AS BEGIN EXCEPTION NO_WRITE; END")
                .arg(isNew ? "INSERT" : "UPDATE"));
    TForm7 list;
    list.DBGrid1TitleClick(0);
    shared::compartmentEntryMode = isNew ? "Új részlet" : "Részlet módositás";
    TForm8 w;
    if (!isNew)
        QVERIFY(w.loadCurrent());
    w.show();
    w.fields().setText("Edit1", "Próbahely");
    w.fields().setText("Edit11", "3,5");
    button(&w, "Button59")->click();
    QCOMPARE(rec.texts.size(), 1);
    QCOMPARE(rec.texts.value(0).section('\n', 0, 0), message);
    QVERIFY(rec.texts.value(0).section('\n', 1).contains("tiltva"));   // the engine's reason
    QVERIFY(w.isVisible() && !w.saved());          // nothing typed is lost
    QCOMPARE(w.fields().text("Edit1"), QString("Próbahely"));
    QCOMPARE(shared::lastCompartmentCode, QString());
    QVERIFY(db.data().ZQ20->isOpen());              // lists reopened after the rollback
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE RHELYSEG = 'Próbahely'"), QString("0"));
}

void TestRegister::changeKeyedByIdr()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    ModalScript script;
    TForm7 w;
    w.show();
    TQuery *list = db.data().ZQ10;
    list->setCurrentRow(3);
    const QString idr = list->asString("IDr"), code = list->asString("RKOD");
    const QStringList before = rowValues(db.data(), "IDR = " + idr);
    script.add([&](QDialog *d) {
        d->show();
        auto *f = static_cast<TForm8 *>(d);
        [&] {
            QCOMPARE(d->windowTitle(), QString("Részlet módositás"));
            QCOMPARE(edit(d, "EditID")->text(), idr);
            QCOMPARE(edit(d, "EditKod")->text(), code);
            QCOMPARE(shared::currentCompartmentCode, code);
        }();
        f->fields().setText("Edit2", "99");
        f->fields().setText("Edit11", "12,5");
        button(d, "Button59")->click();
        return int(d->result());
    });
    button(&w, "Button3")->click();
    QCOMPARE(script.opened, QStringList{"TForm8"});
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QStringList after = rowValues(db.data(), "IDR = " + idr);
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i) {
        if (after[i].startsWith("RTAG="))
            QCOMPARE(after[i], QString("RTAG=99"));
        else if (after[i].startsWith("RRHA="))
            QCOMPARE(after[i], QString("RRHA=12,5"));
        else
            QCOMPARE(after[i], before[i]);          // RKOD and the rest unchanged
    }
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE RTAG = '99'"), QString("1"));
    QCOMPARE(w.orderCaption(), QString("Kódlista, \"Bevitel\" szerint"));
    QCOMPARE(list->asString("RKOD"), code);
    QCOMPARE(list->sqlLines().last(), QString("ORDER BY RKOD"));
}

void TestRegister::unchangedSaveRoundTrips()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    db.exec("UPDATE RESZLET SET RFELJEGY = 'a' || ASCII_CHAR(10) || 'b', RAHA = 0.125, RKHA = 0 WHERE RKOD = '10005'");
    TForm7 w;
    for (int row = 0; row < db.data().ZQ10->rowCount(); ++row) {
        TQuery *list = db.data().ZQ10;
        if (!list->isOpen()) w.DBGrid1TitleClick(0);
        list->setCurrentRow(row);
        const QString idr = list->asString("IDr");
        const QStringList before = rowValues(db.data(), "IDR = " + idr);
        shared::compartmentEntryMode = "Részlet módositás";
        TForm8 f;
        QVERIFY(f.loadCurrent());
        f.show();
        button(&f, "Button59")->click();
        QVERIFY(f.saved());
        QCOMPARE(rowValues(db.data(), "IDR = " + idr), before);
    }
    QVERIFY(rec.texts.isEmpty());
}

void TestRegister::hydrologyCodeKept()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    const QString kkod = db.scalar("SELECT KKOD FROM KODOK WHERE KCSSZAM = 'HID' AND KRNEV = 'IV'");
    db.exec("UPDATE RESZLET SET RHID = '" + kkod + "' WHERE RKOD = '10001'");
    db.exec("UPDATE RESZLET SET RHID = 'VV' WHERE RKOD = '10002'");
    TForm7 w;
    w.DBGrid1TitleClick(0);
    shared::compartmentEntryMode = "Részlet módositás";
    {
        TForm8 f;                                   // a stored code shows its short name
        QVERIFY(f.loadCurrent());
        QCOMPARE(f.fields().text("Edit22"), QString("IV"));
        f.show();
        button(&f, "Button59")->click();
    }
    QCOMPARE(db.scalar("SELECT RHID FROM RESZLET WHERE RKOD = '10001'"), kkod);
    db.data().ZQ10->setCurrentRow(1);
    {
        TForm8 f;                                   // a short name shows as stored
        QVERIFY(f.loadCurrent());
        QCOMPARE(f.fields().text("Edit22"), QString("VV"));
    }
    db.data().ZQ10->setCurrentRow(0);
    {
        TForm8 f;                                   // a changed value is stored as shown
        QVERIFY(f.loadCurrent());
        f.show();
        f.fields().setText("Edit22", "F");
        button(&f, "Button59")->click();
    }
    QCOMPARE(db.scalar("SELECT RHID FROM RESZLET WHERE RKOD = '10001'"), QString("F"));
}

void TestRegister::codePick()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    ModalScript script;
    auto w = openNew();
    w->fields().setText("Edit10", "MAG");
    QString group, value;
    script.add([&](QDialog *) {
        group = shared::pickerGroup;
        value = shared::pickerValue;
        db.data().ZQ102->locate("KRNEV", "ÖNK");
        return int(QDialog::Accepted);
    });
    w->fields().pickButton("Edit10")->click();
    QCOMPARE(group, QString("TUL"));
    QCOMPARE(value, QString("MAG"));
    QCOMPARE(w->fields().text("Edit10"), QString("ÖNK"));
    // F4 in the field picks too.
    script.add([&](QDialog *) { group = shared::pickerGroup; return int(QDialog::Accepted); });
    QTest::keyClick(edit(w.get(), "Edit21"), Qt::Key_F4);
    QCOMPARE(group, QString("KLI"));
    QCOMPARE(script.opened.size(), 2);
}

void TestRegister::managerPickByRightClick()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    ModalScript script;
    auto w = openNew();
    QString group;
    script.add([&](QDialog *) {
        group = shared::pickerGroup;
        db.data().ZQ102->locate("KRNEV", "KERKA");
        return int(QDialog::Accepted);
    });
    QPushButton *korzet = w->fields().pickButton("Edit7");
    QCOMPARE(korzet->text(), QString("Körzet"));
    emit korzet->customContextMenuRequested(QPoint(2, 2));
    QCOMPARE(group, QString("GAZD"));
    QCOMPARE(w->fields().text("Edit9"), QString("KERKA"));
    QCOMPARE(w->fields().text("Edit7"), QString());
}

void TestRegister::listAfterEntryWindow_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("Mégsem") << false;
    QTest::newRow("OK") << true;
}

void TestRegister::listAfterEntryWindow()
{
    QFETCH(bool, save);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    ModalScript script;
    TForm7 w;
    w.show();
    w.DBGrid1TitleClick(4);                        // Hrsz order
    TQuery *list = db.data().ZQ10;
    list->setCurrentRow(7);
    const QString current = list->asString("RKOD");
    script.add([&](QDialog *d) {
        d->show();
        db.exec("UPDATE ALLOMANY SET AKOREV = AKOREV");   // an editor's commit closes every list
        if (save) {
            static_cast<TForm8 *>(d)->fields().setText("Edit1", "Új hely");
            button(d, "Button59")->click();
        } else {
            button(d, "Button60")->click();
        }
        return int(d->result());
    });
    button(&w, "Button2")->click();
    QVERIFY(list->isOpen());
    QCOMPARE(list->rowCount(), save ? 21 : 20);
    if (save) {
        QCOMPARE(list->asString("RHELYSEG"), QString("Új hely"));
        QCOMPARE(w.orderCaption(), QString("Kódlista, \"Bevitel\" szerint"));
    } else {
        QCOMPARE(list->asString("RKOD"), current);
        QCOMPARE(list->sqlLines().last(), QString("ORDER BY RHRSZ"));
        QCOMPARE(w.orderCaption(), QString("Kódlista, \"Helyrajziszám\" szerint"));
    }
}

void TestRegister::deleteAsksFirst()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    TForm7 w;
    w.show();
    rec.answers << false;
    button(&w, "Button4")->click();
    QCOMPARE(rec.kinds, QList<seams::MessageKind>{seams::MessageKind::Question});
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET"), QString("20"));
}

void TestRegister::deleteCascade()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    TForm7 w;
    w.show();
    const QString code = db.data().ZQ10->asString("RKOD");
    const QStringList tables{"ALLOMANY WHERE ARKOD", "TERMELES WHERE TRKOD", "FAHASZNALAT WHERE FRKOD",
                             "ERDOSITES WHERE ERKOD", "EGYEB WHERE BRKOD", "VALTOZAS WHERE VRKOD",
                             "MUNKAK WHERE MRKOD", "RESZLET WHERE RKOD"};
    QVERIFY(db.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + code + "'").toInt() > 0);
    rec.answers << true;
    button(&w, "Button4")->click();
    QCOMPARE(rec.last(), QString("A részlet sor és kapcsolódó részek törlölve!"));
    db.data().rollback();                           // committed at once: nothing comes back
    for (const QString &t : tables)
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM " + t + " = '" + code + "'"), QString("0"));
    QCOMPARE(db.data().ZQ10->rowCount(), 0);        // the rollback above closed it
    w.DBGrid1TitleClick(1);
    QCOMPARE(db.data().ZQ10->rowCount(), 19);
}

void TestRegister::deleteFailingStatementKeepsAll()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    db.exec("CREATE EXCEPTION NO_DELETE 'tiltva'");
    db.exec("CREATE TRIGGER BD_MUNKAK FOR MUNKAK ACTIVE BEFORE DELETE POSITION 0 AS BEGIN EXCEPTION NO_DELETE; END");
    const QString code = db.scalar("SELECT FIRST 1 MRKOD FROM MUNKAK");
    QVERIFY(!code.isEmpty());
    const QString stands = db.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + code + "'");
    TForm7 w;
    w.show();
    QVERIFY(db.data().ZQ10->locate("RKOD", code));
    rec.answers << true;
    button(&w, "Button4")->click();
    QCOMPARE(rec.last().section('\n', 0, 0), QString("Hiba712: munkak sor DELETE törlésekor"));
    QVERIFY(rec.last().section('\n', 1).contains("tiltva"));
    db.data().commit();                             // a later commit brings nothing half-done
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + code + "'"), stands);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE RKOD = '" + code + "'"), QString("1"));
}

void TestRegister::deleteLastRefused()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    db.exec("DELETE FROM RESZLET WHERE RKOD <> '10003'");
    TForm7 w;
    w.show();
    button(&w, "Button4")->click();
    QCOMPARE(rec.texts, QStringList{"Az utolsó sor nem törölhető ki."});
    QCOMPARE(db.data().ZQ10->rowCount(), 1);
    QCOMPARE(w.orderCaption(), QString("Részlet lista, \"Helység\" szerint"));
}

void TestRegister::sheetVariables()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    const QStringList names{"v_m3ha", "v_keszletm3", "v_novendek", "v_erely1", "v_m3ev1", "v_m3reszl1",
                            "v_erely2", "v_m3ev2", "v_m3reszl2", "v_erely3", "v_m3ev3", "v_m3reszl3"};
    const QString code = db.scalar("SELECT FIRST 1 TRKOD FROM TERMELES WHERE TM3EV1 > 0");
    TForm7 w;
    w.show();
    QVERIFY(db.data().ZQ10->locate("RKOD", code));
    button(&w, "Button6")->click();
    QCOMPARE(db.data().frVariables.value("v_m3ha").toDouble(),
             db.scalar("SELECT SUM(AM3HA) FROM ALLOMANY WHERE ARKOD = '" + code + "'").replace(',', '.').toDouble());
    QCOMPARE(db.data().frVariables.value("v_m3ev1").toDouble(),
             db.scalar("SELECT SUM(TM3EV1) FROM TERMELES WHERE TRKOD = '" + code + "'").replace(',', '.').toDouble());
    QCOMPARE(db.data().ZQ12->asString("RKOD"), code);
    QCOMPARE(db.data().ZQ31->sqlLines().first(), QString("SELECT *"));

    // A compartment without sub-records: twelve zeros and empty lists.
    for (const char *t : {"ALLOMANY WHERE ARKOD", "TERMELES WHERE TRKOD"})
        db.exec(QString("DELETE FROM %1 = '%2'").arg(t, code));
    w.DBGrid1TitleClick(0);
    QVERIFY(db.data().ZQ10->locate("RKOD", code));
    button(&w, "Button6")->click();
    for (const QString &n : names) {
        QVERIFY2(db.data().frVariables.contains(n), qPrintable(n));
        QCOMPARE(db.data().frVariables.value(n).toDouble(), 0.0);
    }
    QCOMPARE(db.data().ZQ21->rowCount(), 0);
}

void TestRegister::unsavedNewRowsRemoved_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("leave") << true;
    QTest::newRow("stay") << false;
}

void TestRegister::unsavedNewRowsRemoved()
{
    QFETCH(bool, answer);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    auto w = openNew();
    const QString code = w->currentCode();
    // What the stand and works editors store under the predicted code.
    db.exec("INSERT INTO ALLOMANY (ARKOD, AFAF, AXKOD) VALUES ('" + code + "', 'KTT', '1')");
    db.exec("INSERT INTO MUNKAK (MRKOD, MMEGJ) VALUES ('" + code + "', 'ültetés')");
    rec.answers << answer;
    button(w.get(), "Button60")->click();
    QCOMPARE(rec.kinds, QList<seams::MessageKind>{seams::MessageKind::Question});
    QCOMPARE(w->isVisible(), !answer);
    const QString left = answer ? "0" : "1";
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + code + "'"), left);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM MUNKAK WHERE MRKOD = '" + code + "'"), left);
    if (answer) {
        // The next new compartment gets the same code and none of those rows.
        auto next = openNew();
        QCOMPARE(next->currentCode(), code);
        QCOMPARE(db.data().ZQ20->rowCount(), 0);
    }
}

void TestRegister::screenshots()
{
    const QString dir = qEnvironmentVariable("ZELKOR_SCREENSHOTS");
    if (dir.isEmpty())
        QSKIP("ZELKOR_SCREENSHOTS not set");
    TestDb db(Content::Demo);
    MessageRecorder rec;
    TForm7 list;
    list.show();
    db.data().ZQ10->setCurrentRow(3);
    QTest::qWait(50);
    list.grab().save(dir + "/tform7.png");
    shared::compartmentEntryMode = "Részlet módositás";
    TForm8 f;
    QVERIFY(f.loadCurrent());
    f.show();
    QTest::qWait(50);
    f.grab().save(dir + "/tform8.png");
    f.pages()->setCurrentIndex(2);
    QTest::qWait(50);
    f.grab().save(dir + "/tform8-terv.png");
}

QTEST_MAIN(TestRegister)
#include "test_register.moc"
