// The code tables on a real database: the picker and its caller's contract,
// the code list and code editor, and the range-value picker of the totals.
#include "TestSupport.h"
#include "codes/CodePick.h"
#include "codes/CodePicker.h"
#include "codes/RangePicker.h"
#include "codes/CodeList.h"
#include "codes/CodeEditor.h"
#include "common/Shared.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace testsupport;

namespace {
QPushButton *button(QDialog *d, const QString &name) { return d->findChild<QPushButton *>(name); }
QLineEdit *edit(QDialog *d, const QString &name) { return d->findChild<QLineEdit *>(name); }

// Column values of every row of a slot, in its order.
QStringList columnOf(TQuery *q, const QString &column)
{
    QStringList out;
    const int c = q->columnIndex(column);
    for (int r = 0; r < q->rowCount(); ++r) out << q->textAt(r, c);
    return out;
}

QString emptyCodeShortName(TestDb &db) { return db.scalar("SELECT KRNEV FROM KODOK WHERE KKOD = '11001'"); }

// A picker step that chooses the current row with "Kiválaszt".
int choose(QDialog *d)
{
    button(d, "Button1")->click();
    return d->result();
}

// Makes the code list's current row the FAF row with this short name.
bool onFafRow(const QString &shortName)
{
    TQuery *q = dm().ZQ100;
    const int g = q->columnIndex("KCSSZAM"), n = q->columnIndex("KRNEV");
    for (int r = 0; r < q->rowCount(); ++r)
        if (q->textAt(r, g) == "FAF" && q->textAt(r, n) == shortName) {
            q->setCurrentRow(r);
            return true;
        }
    return false;
}

void pressKey(QWidget *w, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
}
} // namespace

class TestCodes : public QObject {
    Q_OBJECT
private slots:
    void init() { shared::resetAll(); }

    void pickerListsGroupInOrder();
    void pickerPositionsByPrefix_data();
    void pickerPositionsByPrefix();
    void emptyCodeTicked();
    void cancelKeepsField_data();
    void cancelKeepsField();
    void enterAndTypingInGrid();
    void newCodeRoundTrip_data();
    void newCodeRoundTrip();
    void listOrdersAndLabels_data();
    void listOrdersAndLabels();
    void listShowsRememberedCode();
    void emptyCodeNotChangedNorDeleted();
    void deleteIsCommittedAtOnce();
    void lastRowNotDeleted();
    void uniquenessRefused_data();
    void uniquenessRefused();
    void changeSaved();
    void emptyNameRefused();
    void predictedCodeAndPosition_data();
    void predictedCodeAndPosition();
    void fullCodeTableRefusesNewCode();
    void rangePicker_data();
    void rangePicker();
    void rangePickerJoinsOnShortNameAlone();
    void rangePickerCancelKeepsBounds();
    void pickerScreenshot();
};

void TestCodes::pickerListsGroupInOrder()
{
    TestDb db(Content::Seed);
    shared::pickerGroup = "FAF";
    TForm11 picker;
    TQuery *q = dm().ZQ102;
    QCOMPARE(QString::number(q->rowCount()), db.scalar("SELECT COUNT(*) FROM KODOK WHERE KCSSZAM = 'FAF'"));
    QVERIFY(q->rowCount() > 5);
    for (const QString &g : columnOf(q, "KCSSZAM")) QCOMPARE(g, QString("FAF"));
    QStringList order = columnOf(q, "KSOR");
    QStringList sorted = order;
    sorted.sort();
    QCOMPARE(order, sorted);
    QCOMPARE(picker.windowTitle(), QString("Kódlista "));
}

void TestCodes::pickerPositionsByPrefix_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("exact") << "VT" << "VT";
    QTest::newRow("prefix of an earlier longer name wins") << "K" << "KTT";
    QTest::newRow("any letter case") << "mo" << "MOT";
    QTest::newRow("no match: first row") << "QQ" << "KTT";
    QTest::newRow("empty: first row") << "" << "KTT";
}

void TestCodes::pickerPositionsByPrefix()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);
    TestDb db(Content::Seed);
    MessageRecorder rec;
    ModalScript script;
    script.add(choose);
    QLineEdit target;
    target.setText(field);
    QVERIFY(pickCode("FAF", &target));
    QCOMPARE(target.text(), expected);
    QCOMPARE(script.opened, QStringList{"TForm11"});
    QCOMPARE(shared::pickerGroup, QString("FAF"));
    QVERIFY(rec.texts.isEmpty());
}

void TestCodes::emptyCodeTicked()
{
    TestDb db(Content::Seed);
    ModalScript script;
    script.add([](QDialog *d) {
        d->findChild<QCheckBox *>("CheckBox1")->setChecked(true);
        return choose(d);
    });
    QLineEdit target;
    target.setText("B");
    QVERIFY(pickCode("FAF", &target));
    QCOMPARE(target.text(), emptyCodeShortName(db));
    QCOMPARE(dm().ZQ102->asString("KKOD"), QString("11001"));
}

void TestCodes::cancelKeepsField_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("close box") << 0 << false;
    QTest::newRow("escape") << 1 << false;
    QTest::newRow("escape with empty ticked") << 1 << true;
}

void TestCodes::cancelKeepsField()
{
    QFETCH(int, how);
    QFETCH(bool, ticked);
    TestDb db(Content::Seed);
    ModalScript script;
    script.add([&](QDialog *d) {
        d->findChild<QCheckBox *>("CheckBox1")->setChecked(ticked);
        dm().ZQ102->last();
        if (how == 0) d->close();
        else QTest::keyClick(d, Qt::Key_Escape);
        return d->result();
    });
    QLineEdit target;
    target.setText("k");   // would become "KTT" if a cancel handed back the row
    QVERIFY(!pickCode("FAF", &target));
    QCOMPARE(target.text(), QString("k"));
}

void TestCodes::enterAndTypingInGrid()
{
    TestDb db(Content::Seed);
    ModalScript script;
    script.add([](QDialog *d) {
        QWidget *grid = d->findChild<QWidget *>("DBGrid1");
        typeText(grid, "mo");
        if (dm().ZQ102->asString("KRNEV") != "MOT") return int(QDialog::Rejected);
        pressEnter(grid);
        return d->result();
    });
    QLineEdit target;
    QVERIFY(pickCode("FAF", &target));
    QCOMPARE(target.text(), QString("MOT"));
}

void TestCodes::newCodeRoundTrip_data()
{
    QTest::addColumn<QString>("leaveOn");   // KRNEV of the row left current in the code list ("": the new one)
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the new code") << "" << "FAF" << "PRÓB";
    QTest::newRow("another group's row") << "ZÁRT" << "CS" << "ZÁRT";
}

void TestCodes::newCodeRoundTrip()
{
    QFETCH(QString, leaveOn);
    QFETCH(QString, group);
    QFETCH(QString, expected);
    TestDb db(Content::Seed);
    MessageRecorder rec;
    ModalScript script;
    QString listedGroup;
    script.add([&](QDialog *d) {           // the picker
        button(d, "Button2")->click();
        listedGroup = dm().ZQ102->asString("KCSSZAM");
        if (d->findChild<QCheckBox *>("CheckBox1")->isChecked()) return int(QDialog::Rejected);
        return choose(d);
    });
    script.add([&](QDialog *d) {           // the code list, on the picker's row
        if (dm().ZQ100->asString("KRNEV") != "B") return int(QDialog::Rejected);
        button(d, "Button2")->click();     // "Másolat"
        if (!leaveOn.isEmpty()) dm().ZQ100->locate("KRNEV", leaveOn);
        button(d, "Button6")->click();     // "Mégsem" closes too
        return d->result();
    });
    script.add([](QDialog *d) {            // the editor
        edit(d, "Edit3")->setText("Próbafa");
        edit(d, "Edit4")->setText(" PRÓB ");
        button(d, "Button1")->click();
        return d->result();
    });
    QLineEdit target;
    target.setText("B");
    QVERIFY(pickCode("FAF", &target));
    QCOMPARE(script.opened, (QStringList{"TForm11", "TForm3", "TForm4"}));
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QCOMPARE(listedGroup, group);
    QCOMPARE(target.text(), expected);
    QCOMPARE(db.scalar("SELECT KCSSZAM FROM KODOK WHERE KRNEV = 'PRÓB'"), QString("FAF"));
}

void TestCodes::listOrdersAndLabels_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("orderBy");
    QTest::addColumn<QString>("label");
    QTest::newRow("Kód") << 0 << "KKOD" << "Kódlista, \"Kód\" szerint";
    QTest::newRow("Megnevezés") << 1 << "KNEV" << "Kólista, \"Megnevezés\" szerint";
    QTest::newRow("Rövidnév") << 2 << "KRNEV" << "Kólista, \"Rövidnév\" szerint";
    QTest::newRow("Csoport") << 3 << "KCSSZAM, KSOR" << "Kódlista, \"Csoportszám\" szerint";
    QTest::newRow("Csoport megnevezés") << 4 << "KCSOPORT, KCSSZAM, KSOR" << "Kólista, \"Csoport\" szerint";
    QTest::newRow("ID") << 8 << "IDK" << "Kólista, \"ID\" szerint";
    QTest::newRow("Alcsoport changes nothing") << 5 << "" << "Kódlista, \"Megnevezés\" szerint";
}

void TestCodes::listOrdersAndLabels()
{
    QFETCH(int, column);
    QFETCH(QString, orderBy);
    QFETCH(QString, label);
    TestDb db(Content::Seed);
    TForm3 list;
    TQuery *q = dm().ZQ100;
    q->last();
    const QStringList before = columnOf(q, "IDK");
    list.DBGrid1TitleClick(column);
    QCOMPARE(list.findChild<QLabel *>("Label1")->text(), label);
    if (orderBy.isEmpty()) {
        QCOMPARE(columnOf(q, "IDK"), before);
        return;
    }
    QCOMPARE(q->currentRow(), 0);
    // The same order the database gives, ties broken the same way as the list's.
    QStringList ids = columnOf(q, "IDK");
    TQuery *check = dm().ZQ11;
    check->load({"SELECT IDK FROM KODOK ORDER BY " + orderBy});
    check->open();
    QCOMPARE(ids.size(), check->rowCount());
    for (int r = 0; r < check->rowCount(); ++r) {
        // Rows equal in the ordering columns may come in any order: compare the keys.
        const QString a = db.scalar("SELECT " + orderBy.section(',', 0, 0) + " FROM KODOK WHERE IDK = " + ids[r]);
        const QString b = db.scalar("SELECT " + orderBy.section(',', 0, 0) + " FROM KODOK WHERE IDK = " + check->textAt(r, 0));
        QCOMPARE(a, b);
    }
}

void TestCodes::listShowsRememberedCode()
{
    TestDb db(Content::Seed);
    const QString kkod = db.scalar("SELECT KKOD FROM KODOK WHERE KRNEV = 'VT' AND KCSSZAM = 'FAF'");
    shared::rememberedCode = kkod;
    TForm3 list;
    QCOMPARE(list.windowTitle(), QString("Kódlista"));
    QCOMPARE(list.findChild<QLabel *>("Label1")->text(), QString("Kódlista, \"Megnevezés\" szerint"));
    QCOMPARE(dm().ZQ100->asString("KKOD"), kkod);
    QCOMPARE(shared::pickerGroup, QString("FAF"));
    QCOMPARE(shared::pickerValue, QString("VT"));
    QVERIFY(!list.findChild<QPushButton *>("Button5")->isEnabled());
    // Closing from the main menu still reloads the picker's list.
    list.reject();
    QVERIFY(dm().ZQ102->isOpen());
    QCOMPARE(dm().ZQ102->asString("KRNEV"), QString("VT"));
}

void TestCodes::emptyCodeNotChangedNorDeleted()
{
    TestDb db(Content::Seed);
    MessageRecorder rec;
    ModalScript script;
    TForm3 list;
    QVERIFY(dm().ZQ100->locate("KKOD", "11001"));
    button(&list, "Button3")->click();
    QCOMPARE(rec.last(), QString("Ez a sor nem módositható!"));
    QVERIFY(script.opened.isEmpty());
    const QString count = db.scalar("SELECT COUNT(*) FROM KODOK");
    pressKey(button(&list, "Button4"), "T");
    QCOMPARE(rec.last(), QString("Ez a sor nem törölhető ki!"));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK"), count);
    // A click on "Töröl" never deletes.
    dm().ZQ100->first();
    button(&list, "Button4")->click();
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK"), count);
    QCOMPARE(rec.texts.size(), 2);
}

void TestCodes::deleteIsCommittedAtOnce()
{
    TestDb db(Content::Seed);
    MessageRecorder rec;
    TForm3 list;
    QVERIFY(onFafRow("MOT"));
    const QString id = dm().ZQ100->asString("IDK");
    pressKey(button(&list, "Button4"), "t");
    QCOMPARE(rec.texts, QStringList{"A kód törlölve!"});
    QVERIFY(dm().ZQ100->isOpen());
    QCOMPARE(list.findChild<QLabel *>("Label1")->text(), QString("Kódlista, \"Megnevezés\" szerint"));
    // A rollback elsewhere must not bring it back.
    dm().ZQ10->load({"SELECT * FROM KODOK"});
    dm().ZQ10->open();
    dm().rollback();
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK WHERE IDK = " + id), QString("0"));
}

void TestCodes::lastRowNotDeleted()
{
    TestDb db(Content::Seed);
    db.exec("DELETE FROM KODOK WHERE KKOD <> '11001' AND NOT (KRNEV = 'B' AND KCSSZAM = 'FAF')");
    MessageRecorder rec;
    TForm3 list;
    QVERIFY(dm().ZQ100->locate("KRNEV", "B"));
    pressKey(button(&list, "Button4"), "T");      // two rows: deleted
    QCOMPARE(rec.last(), QString("A kód törlölve!"));
    db.exec("INSERT INTO KODOK (KNEV, KRNEV, KCSSZAM) VALUES ('Más', 'M', 'X')");
    db.exec("DELETE FROM KODOK WHERE KKOD = '11001'");
    TForm3 again;
    QCOMPARE(dm().ZQ100->rowCount(), 1);
    pressKey(button(&again, "Button4"), "T");
    QCOMPARE(rec.last(), QString("Az utolsó sor nem törölhető ki."));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK"), QString("1"));
    QVERIFY(dm().ZQ100->isOpen());
}

void TestCodes::uniquenessRefused_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("row");        // KRNEV of the FAF row the editor starts from
    QTest::addColumn<QString>("shortName");
    QTest::newRow("new row repeating its source") << "Új kód" << "B" << "B";
    QTest::newRow("new row repeating with blanks") << "Új kód" << "B" << "  GY ";
    QTest::newRow("change taking another row's name") << "Kód módositás" << "B" << "GY";
}

void TestCodes::uniquenessRefused()
{
    QFETCH(QString, mode);
    QFETCH(QString, row);
    QFETCH(QString, shortName);
    TestDb db(Content::Seed);
    MessageRecorder rec;
    const QString count = db.scalar("SELECT COUNT(*) FROM KODOK");
    TForm3 list;
    QVERIFY(onFafRow(row));
    shared::codeEditorMode = mode;
    TForm4 editor;
    QVERIFY(editor.fill(&list));
    QCOMPARE(editor.windowTitle(), mode);
    editor.Edit4->setText(shortName);
    editor.Button1Click();
    QCOMPARE(rec.last(), QString("Már szerepel ilyen kódsor a listában!"));
    QCOMPARE(editor.result(), int(QDialog::Rejected));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK"), count);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK WHERE KCSSZAM = 'FAF' AND KRNEV = '" + shortName.trimmed() + "'"),
             QString("1"));
}

void TestCodes::changeSaved()
{
    TestDb db(Content::Seed);
    MessageRecorder rec;
    TForm3 list;
    QVERIFY(onFafRow("GY"));
    const QString kkod = dm().ZQ100->asString("KKOD");
    shared::codeEditorMode = "Kód módositás";
    TForm4 editor;
    QVERIFY(editor.fill(&list));
    QCOMPARE(editor.Edit2->text(), kkod);                 // no prediction when changing
    editor.Edit3->setText("Közönséges gyertyán");         // same short name: its own row does not count
    editor.Button1Click();
    QVERIFY(rec.texts.isEmpty());
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(db.scalar("SELECT KNEV FROM KODOK WHERE KKOD = '" + kkod + "'"), QString("Közönséges gyertyán"));
    QCOMPARE(dm().ZQ100->asString("KKOD"), kkod);
    QCOMPARE(shared::rememberedCode, kkod);
}

void TestCodes::emptyNameRefused()
{
    TestDb db(Content::Seed);
    MessageRecorder rec;
    TForm3 list;
    shared::codeEditorMode = "Új kód";
    TForm4 editor;
    QVERIFY(editor.fill(&list));
    editor.Edit3->setText("   ");
    editor.Edit4->setText("UJ");
    const QString count = db.scalar("SELECT COUNT(*) FROM KODOK");
    editor.Button1Click();
    QCOMPARE(rec.last(), QString("Nincs megadva a megnevezés!"));
    editor.Edit3->setText(QString::fromUtf8("Hóember ☃"));   // not storable: refused before writing
    editor.Button1Click();
    QVERIFY(rec.last().contains(QString::fromUtf8("☃")));
    QCOMPARE(editor.result(), int(QDialog::Rejected));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK"), count);
}

void TestCodes::fullCodeTableRefusesNewCode()
{
    TestDb db(Content::Seed);
    db.exec("INSERT INTO KODOK (KKOD, KRNEV, KCSSZAM) VALUES ('99999', 'UTOLSO', 'FAF')");
    const QString count = db.scalar("SELECT COUNT(*) FROM KODOK");
    MessageRecorder rec;
    TForm3 list;
    shared::codeEditorMode = "Új kód";
    TForm4 editor;
    QVERIFY(!editor.fill(&list));   // the editor does not open
    QCOMPARE(rec.texts, QStringList{
        "A(z) „Kódok” táblában elfogytak a kódok (10001–99999): új sor nem vehető fel."});
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK"), count);
}

void TestCodes::predictedCodeAndPosition_data()
{
    QTest::addColumn<bool>("emptyTable");
    QTest::newRow("seeded") << false;
    QTest::newRow("empty table gets the first code") << true;
}

void TestCodes::predictedCodeAndPosition()
{
    QFETCH(bool, emptyTable);
    TestDb db(Content::Seed);
    if (emptyTable) db.exec("DELETE FROM KODOK");
    MessageRecorder rec;
    TForm3 list;
    QVERIFY(onFafRow("B") || emptyTable);
    const QString expected = emptyTable
        ? QString("10001")
        : QString::number(db.scalar("SELECT MAX(KKOD) FROM KODOK").toLongLong() + 1);
    shared::codeEditorMode = "Új kód";
    TForm4 editor;
    QVERIFY(editor.fill(&list));
    QCOMPARE(editor.Edit2->text(), expected);
    editor.Edit3->setText("Új fafaj");
    editor.Edit4->setText("UJF");
    editor.Button1Click();
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QCOMPARE(db.scalar("SELECT KRNEV FROM KODOK WHERE KKOD = '" + expected + "'"), QString("UJF"));
    QCOMPARE(db.scalar("SELECT KXKOD FROM KODOK WHERE KKOD = '" + expected + "'"), QString("1"));
    QCOMPARE(db.scalar("SELECT KCSSZAM FROM KODOK WHERE KKOD = '" + expected + "'"),
             emptyTable ? QString("") : QString("FAF"));
    QCOMPARE(dm().ZQ100->asString("KKOD"), expected);
    QCOMPARE(list.findChild<QLabel *>("Label1")->text(), QString("Kódlista, \"Megnevezés\" szerint"));
}

void TestCodes::rangePicker_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("columns");   // columns copied into the two pick values ("": emptied)
    QTest::addColumn<QStringList>("headings");  // the grid's column headings
    QTest::newRow("1 settlement") << "1"
        << QStringList{"SELECT RHELYSEG FROM RESZLET ", "    GROUP BY RHELYSEG ", "    ORDER BY RHELYSEG "}
        << QStringList{"RHELYSEG", ""} << QStringList{"Település"};
    QTest::newRow("2 species") << "2"
        << QStringList{"SELECT AFAF, KNEV FROM ALLOMANY, KODOK ", "    WHERE ALLOMANY.AFAF = KODOK.KRNEV ",
                       "    GROUP BY AFAF, KNEV ", "    ORDER BY AFAF "}
        << QStringList{"AFAF", "KNEV"} << QStringList{"Fafaj", "Megnevezés"};
    QTest::newRow("3 urgency") << "3"
        << QStringList{"SELECT TSURG1, KNEV FROM TERMELES, KODOK ", "    WHERE TERMELES.TSURG1 = KODOK.KRNEV ",
                       "    GROUP BY TSURG1, KNEV ", "    ORDER BY TSURG1 "}
        << QStringList{"TSURG1", "KNEV"} << QStringList{"Sürgősség (1.)", "Megnevezés"};
    QTest::newRow("4 manager") << "4"
        << QStringList{"SELECT RGAZD FROM RESZLET ", "    GROUP BY RGAZD ", "    ORDER BY RGAZD "}
        << QStringList{"RGAZD", ""} << QStringList{"Gazdálkodó"};
    QTest::newRow("5 lot number") << "5"
        << QStringList{"SELECT  RHRSZ, RHELYSEG FROM RESZLET ", "    GROUP BY RHRSZ, RHELYSEG ",
                       "    ORDER BY RHRSZ, RHELYSEG "}
        << QStringList{"RHRSZ", "RHELYSEG"} << QStringList{"Hrsz", "Település"};
}

void TestCodes::rangePicker()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, headings);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    shared::rangeMode = mode;
    shared::pickValue2 = "régi";
    TForm26 picker;
    QCOMPARE(picker.windowTitle(), QString("Kiválaszt"));
    TQuery *q = picker.findChild<TQuery *>("Form26List");
    QCOMPARE(q->sqlLines(), lines);
    QVERIFY(q->rowCount() > 1);
    QAbstractItemModel *grid = picker.findChild<QTableView *>("DBGrid1")->model();
    QStringList shown;
    for (int c = 0; c < grid->columnCount(); ++c) shown << grid->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(shown, headings);
    q->setCurrentRow(1);
    const QString first = q->asString(columns[0]);
    const QString second = columns[1].isEmpty() ? QString() : q->asString(columns[1]);
    button(&picker, "Button1")->click();
    QCOMPARE(picker.result(), int(QDialog::Accepted));
    QCOMPARE(shared::pickValue1, first);
    QCOMPARE(shared::pickValue2, second);
    QVERIFY(!first.isEmpty());
    QVERIFY(rec.texts.isEmpty());
}

void TestCodes::rangePickerJoinsOnShortNameAlone()
{
    TestDb db(Content::Demo);
    const QString compartment = db.scalar("SELECT FIRST 1 RKOD FROM RESZLET");
    db.exec("INSERT INTO ALLOMANY (ARKOD, AFAF, AXKOD) VALUES ('" + compartment + "', 'CS', '1')");
    shared::rangeMode = "2";
    TForm26 picker;
    TQuery *q = picker.findChild<TQuery *>("Form26List");
    QStringList names;
    for (int r = 0; r < q->rowCount(); ++r)
        if (q->textAt(r, 0) == "CS") names << q->textAt(r, 1);
    // "CS" is a species, a stand type and a target stand: one row per distinct name.
    QCOMPARE(names.size(), int(QSet<QString>(names.begin(), names.end()).size()));
    QVERIFY(names.contains("Csertölgy"));
    QVERIFY(names.contains("Cseres"));
}

void TestCodes::rangePickerCancelKeepsBounds()
{
    TestDb db(Content::Demo);
    shared::pickValue1 = "elso";
    shared::pickValue2 = "masodik";
    for (const QString mode : {"1", "2", "5"}) {
        shared::rangeMode = mode;
        TForm26 picker;
        picker.findChild<TQuery *>("Form26List")->last();
        button(&picker, "Button2")->click();
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        QCOMPARE(shared::pickValue1, QString("elso"));
        QCOMPARE(shared::pickValue2, QString("masodik"));
    }
}

void TestCodes::pickerScreenshot()
{
    // Set ZELKOR_PICKER_SHOT to a PNG path to keep a picture of the picker.
    const QString path = qEnvironmentVariable("ZELKOR_PICKER_SHOT");
    if (path.isEmpty()) QSKIP("no picture asked for");
    TestDb db(Content::Seed);
    shared::pickerGroup = "FAF";
    shared::pickerValue = "B";
    TForm11 picker;
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QVERIFY(picker.grab().save(path));
    // The code list and its editor beside it, for a look at their layout.
    TForm3 list;
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QVERIFY(list.grab().save(QString(path).replace(".png", "-list.png")));
    shared::codeEditorMode = "Kód módositás";
    TForm4 editor;
    QVERIFY(editor.fill(&list));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVERIFY(editor.grab().save(QString(path).replace(".png", "-editor.png")));
}

QTEST_MAIN(TestCodes)
#include "test_codes.moc"
