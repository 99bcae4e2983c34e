// Nothing typed or stored is lost or changed silently: stored values come back
// whole, numbers are taken as typed or refused visibly, values the database
// cannot hold are refused by name before anything is written, windows keep
// their input on a database failure, and every visible list shows its rows.
// Grouped by window.
#include "TestSupport.h"
#include "EditorCases.h"
#include "codes/CodeEditor.h"
#include "codes/CodeList.h"
#include "codes/CodePicker.h"
#include "register/CompartmentEntry.h"
#include "EntryWindow.h"
#include "register/CompartmentList.h"
#include "widgets/SlotGrid.h"
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>

using namespace testsupport;

namespace {

QLineEdit *edit(QWidget *w, const QString &name) { return w->findChild<QLineEdit *>(name); }
QPushButton *button(QWidget *w, const QString &name) { return w->findChild<QPushButton *>(name); }

using entrywindow::openCurrent;

const QString DecimalHint = QStringLiteral("Ide csak számjegy és tizedesvessző írható.");
const QString DigitsHint = QStringLiteral("Ide csak számjegy írható.");
const QString MinusHint = QStringLiteral("Negatív szám nem adható meg.");

void addNumberColumns()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("hint");   // the last refusal shown beside the field; "" for none
}

// Types into the field key by key; what it shows and the refusal beside it.
void typeNumber(QWidget *window)
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, hint);
    QToolTip::hideText();
    auto *field = edit(window, control);
    QVERIFY(field);
    field->setFocus();
    field->clear();
    typeText(field, typed);
    QCOMPARE(field->text(), shown);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), hint);
}

} // namespace

class TestValuesKept : public QObject {
    Q_OBJECT
private slots:
    void init() { m_guard.start(); }
    void cleanup() { m_guard.stop(); }

    // Compartment list
    void listShowsFirstRowData();

    // Data-entry window
    void hydrologyShownByLookup_data();
    void hydrologyShownByLookup();
    void fellingListShownAfterCodeAdded();
    void entryNumbersTypedAsMeant_data();
    void entryNumbersTypedAsMeant();
    void entryValueRefusedByName_data();
    void entryValueRefusedByName();

    // Sub-record editors
    void storedTextKeptWhole_data();
    void storedTextKeptWhole();
    void editorNumbersTypedAsMeant_data();
    void editorNumbersTypedAsMeant();
    void editorValueRefusedByName_data();
    void editorValueRefusedByName();
    void editorKeepsInputOnDatabaseFailure_data() { addKindRows(); }
    void editorKeepsInputOnDatabaseFailure();

    // Code editor
    void codeValueRefusedByName();

    // Every window that writes
    void writeFailureShowsReason_data();
    void writeFailureShowsReason();
    void remarkLineEnds_data();
    void remarkLineEnds();

private:
    CaseGuards m_guard;
};

// ---------------------------------------------------------------- compartment list

void TestValuesKept::listShowsFirstRowData()
{
    TestDb db(Content::Demo);
    TForm7 w;
    w.show();
    TQuery *list = db.data().ZQ10;
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(!list->asString("IDr").isEmpty());
    QCOMPARE(edit(&w, "DBEdit1")->text(), list->asString("IDr"));
    QCOMPARE(edit(&w, "DBEdit3")->text(), list->asString("RHELYSEG"));
}

// ---------------------------------------------------------------- data-entry window

void TestValuesKept::hydrologyShownByLookup_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the empty code") << "11001" << "";
    QTest::newRow("a short name") << "VV" << "VV";
    QTest::newRow("longer than any code") << "Időszakos vízhatású" << "Időszakos vízhatású";
    QTest::newRow("no such code") << "99999" << "99999";
}

void TestValuesKept::hydrologyShownByLookup()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    TestDb db(Content::Demo);
    db.exec("UPDATE RESZLET SET RHID = '" + stored + "' WHERE RKOD = '10001'");
    TForm7 list;
    list.DBGrid1TitleClick(0);
    auto w = openCurrent();
    QVERIFY(w);
    QCOMPARE(w->fields().text("Edit22"), shown);
    button(w.get(), "Button59")->click();               // saved unchanged
    QVERIFY(w->saved());
    QCOMPARE(db.scalar("SELECT RHID FROM RESZLET WHERE RKOD = '10001'"), stored);
}

void TestValuesKept::fellingListShownAfterCodeAdded()
{
    TestDb db(Content::Demo);
    const QString code = db.scalar("SELECT FIRST 1 TRKOD FROM TERMELES ORDER BY TRKOD");
    const int rows = db.scalar("SELECT COUNT(*) FROM TERMELES WHERE TRKOD = '" + code + "'").toInt();
    QVERIFY(rows > 0);
    TForm7 list;
    list.show();
    QVERIFY(db.data().ZQ10->locate("RKOD", code));
    auto w = openCurrent();
    QVERIFY(w);
    w->pages()->setCurrentIndex(2);                       // "Fakitermelési terv"
    auto *grid = w->subRecordPage(1)->findChild<SlotGrid *>();
    QVERIFY(grid && grid->isVisible());
    QCOMPARE(grid->model()->rowCount(), rows);
    // "Jelleg" of the plan box: the picker, "Új kód hozzáadása", a copy saved in the code editor.
    m_guard.modals->add([&](QDialog *picker) {
        button(picker, "Button2")->click();
        return int(QDialog::Accepted);
    });
    m_guard.modals->add([&](QDialog *codeList) {
        button(codeList, "Button2")->click();
        return int(QDialog::Accepted);
    });
    m_guard.modals->add([&](QDialog *editor) {
        edit(editor, "Edit4")->setText("ÚJJ");
        button(editor, "Button1")->click();
        return int(QDialog::Accepted);
    });
    w->fields().pickButton("Edit84")->click();
    QCOMPARE(m_guard.modals->opened, QStringList({"TForm11", "TForm3", "TForm4"}));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK WHERE KRNEV = 'ÚJJ'"), QString("1"));
    QTRY_COMPARE(grid->model()->rowCount(), rows);
    QVERIFY(db.data().ZQ30->isOpen());
}

void TestValuesKept::entryNumbersTypedAsMeant_data()
{
    addNumberColumns();
    QTest::newRow("area with a point") << "Edit11" << "12.5" << "12,5" << "";
    QTest::newRow("area with a comma") << "Edit14" << "0,25" << "0,25" << "";
    QTest::newRow("letters and a minus") << "Edit90" << "abc-7" << "7" << MinusHint;
    QTest::newRow("a letter") << "Edit83" << "3x" << "3" << DecimalHint;
    QTest::newRow("year with a point") << "Edit8" << "2011.5" << "20115" << DigitsHint;
    QTest::newRow("negative year") << "Edit8" << "-2011" << "2011" << MinusHint;
}

void TestValuesKept::entryNumbersTypedAsMeant()
{
    TestDb db(Content::Demo);
    shared::compartmentEntryMode = QStringLiteral("Új részlet");
    TForm8 w;
    w.show();
    typeNumber(&w);
    if (QTest::currentTestFailed())
        return;
    QFETCH(QString, control);
    QFETCH(QString, shown);
    w.fields().setText("Edit1", "Lenti");
    button(&w, "Button59")->click();
    QVERIFY(w.saved());
    const QString column = w.fields().def(control)->column;
    QCOMPARE(db.scalar("SELECT " + column + " FROM RESZLET WHERE RHELYSEG = 'Lenti'"), shown);
}

void TestValuesKept::entryValueRefusedByName_data()
{
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("year too large") << true << "Edit8" << "99999999999"
                                    << "Túl nagy szám: Felvétel éve (legfeljebb 2147483647)";
    QTest::newRow("Chinese settlement") << false << "Edit1" << "Lenti 字" << "Nem tárolható karakter: Helység („字”)";
    QTest::newRow("emoji in a coded field") << true << "Edit10" << "ÁLL 🌲" << "Nem tárolható karakter: Tulajdonforma („🌲”)";
    QTest::newRow("remark too long") << false << "Memo1" << QString(8001, u'a')
                                     << "Túl hosszú szöveg: Megjegyzés (legfeljebb 8000 karakter, most 8001)";
}

// Refused before anything is written, naming the field; the window keeps
// everything typed and the work pending in the transaction.
void TestValuesKept::entryValueRefusedByName()
{
    QFETCH(bool, isNew);
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, message);
    TestDb db(Content::Demo);
    TForm7 list;
    list.DBGrid1TitleClick(0);
    const QString before = db.scalar("SELECT LIST(RHELYSEG || COALESCE(REV, '') || RFELJEGY, '|') FROM RESZLET");
    std::unique_ptr<TForm8> w;
    if (isNew) {
        shared::compartmentEntryMode = QStringLiteral("Új részlet");
        w = std::make_unique<TForm8>();
        w->show();
        w->fields().setText("Edit1", "Lenti");
    } else {
        w = openCurrent();
    }
    QVERIFY(w);
    w->fields().setText(control, value);
    w->fields().setText("Edit2", "77");
    button(w.get(), "Button59")->click();
    QCOMPARE(m_guard.messages->texts, QStringList{message});
    QVERIFY(w->isVisible() && !w->saved());
    QCOMPARE(w->fields().text(control), value);
    QCOMPARE(w->fields().text("Edit2"), QString("77"));
    QCOMPARE(w->focusWidget(), w->fields().control(control));
    QVERIFY(db.data().ZQ20->isOpen());                         // no rollback closed the lists
    db.data().rollback();
    QCOMPARE(db.scalar("SELECT LIST(RHELYSEG || COALESCE(REV, '') || RFELJEGY, '|') FROM RESZLET"), before);
}

// ---------------------------------------------------------------- sub-record editors

void TestValuesKept::storedTextKeptWhole_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("limit");
    QTest::newRow("Sorszám") << 0 << "Edit1" << "ASSZAM" << "12/a1" << 4;
    QTest::newRow("Fatermelési osztály") << 0 << "Edit10" << "AOSZTALY" << "12,5/13,5 ab" << 10;
    QTest::newRow("Változás leírása") << 4 << "Edit1" << "BLEIRAS" << QString(110, u'ő') << 75;
}

// A limit restricts typing only: a longer stored value is shown whole, saved
// back whole by an untouched OK, and can be shortened but not lengthened.
void TestValuesKept::storedTextKeptWhole()
{
    QFETCH(int, k);
    QFETCH(QString, control);
    QFETCH(QString, column);
    QFETCH(QString, stored);
    QFETCH(int, limit);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    insertRow(db, info, "10001", "10001");
    const QString savable = k == 4 ? ", BHATSZAM = '1', BDATUM = '2024-05-01'" : ", AFAF = 'KTT'";
    db.exec(QStringLiteral("UPDATE %1 SET %2 = '%3'").arg(info.table, column, stored) + savable);
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    page->showStep();
    QString shown, afterTyping, afterDelete, typedEmpty;
    m_guard.modals->add([&](QDialog *d) {
        auto *field = edit(d, control);
        shown = field->text();
        field->setFocus();
        field->end(false);
        typeText(field, "9");                    // longer than the limit: refused
        afterTyping = field->text();
        return clickOk(d);                       // nothing changed: stored back whole
    });
    m_guard.modals->add([&](QDialog *d) {
        auto *field = edit(d, control);
        field->end(false);
        field->backspace();                      // shortening is always allowed
        afterDelete = field->text();
        typeText(field, "9");                    // but not back beyond what it was
        afterTyping += "|" + field->text();
        field->clear();
        typeText(field, QString(limit + 3, u'7'));
        typedEmpty = field->text();              // a fresh text stops at the limit
        return int(QDialog::Rejected);
    });
    page->changeClick();
    QCOMPARE(shown, stored);
    QCOMPARE(sel(db, info, column), stored);
    QVERIFY2(m_guard.messages->texts.isEmpty(), qPrintable(m_guard.messages->texts.join('|')));
    page->changeClick();
    QCOMPARE(afterDelete, stored.chopped(1));
    QCOMPARE(afterTyping, stored + "|" + stored.chopped(1));
    QCOMPARE(typedEmpty, QString(limit, u'7'));
}

void TestValuesKept::editorNumbersTypedAsMeant_data()
{
    addNumberColumns();
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("column");
    QTest::newRow("Elegyarány") << "Edit5" << "33.3" << "33,3" << "" << 0 << "AEANY";
    QTest::newRow("Kor") << "Edit7" << "4.5" << "45" << DigitsHint << 0 << "AKOREV";
    QTest::newRow("Fatermelési osztály") << "Edit10" << "2.5" << "2,5" << "" << 0 << "AOSZTALY";
    QTest::newRow("Érint.t. 2") << "Edit16" << "-2.5" << "2,5" << MinusHint << 1 << "TEHA2";
    QTest::newRow("felling Kor") << "Edit4" << "1,00" << "100" << DigitsHint << 1 << "TVAGKOR";
}

void TestValuesKept::editorNumbersTypedAsMeant()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    m_guard.modals->add([&](QDialog *d) {
        d->show();
        typeNumber(d);
        setField(d, "Edit3", "KTT");
        return clickOk(d);
    });
    page->newClick();
    if (QTest::currentTestFailed())
        return;
    QFETCH(QString, column);
    QFETCH(QString, shown);
    QCOMPARE(sel(db, info, column), shown);
}

void TestValuesKept::editorValueRefusedByName_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("felling Mutató") << 1 << "Edit5" << "Ár 🌲" << "Nem tárolható karakter: Mutató („🌲”)";
    QTest::newRow("stand species") << 0 << "Edit3" << "KTT 字" << "Nem tárolható karakter: Fafaj jele („字”)";
    QTest::newRow("tree-use remark") << 2 << "Memo1" << QString(1001, u'x')
                                     << "Túl hosszú szöveg: Megjegyzés (legfeljebb 1000 karakter, most 1001)";
    QTest::newRow("works remark") << 6 << "Memo1" << "ültetés 🌲" << "Nem tárolható karakter: Megjegyzés („🌲”)";
    QTest::newRow("other-change number") << 4 << "Edit2" << "12/2024 ☃" << "Nem tárolható karakter: Hat.szám („☃”)";
}

void TestValuesKept::editorValueRefusedByName()
{
    QFETCH(int, k);
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, message);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    bool stayed = false;
    QString kept;
    QWidget *focus = nullptr, *field = nullptr;
    m_guard.modals->add([&](QDialog *d) {
        d->show();
        for (const auto &[c, v] : info.valid)
            setField(d, c, v);
        setField(d, control, value);
        const int result = clickOk(d);
        stayed = d->isVisible() && result == 0;
        kept = fieldText(d, control);
        focus = d->focusWidget();
        field = d->findChild<QWidget *>(control);
        return result;
    });
    page->newClick();
    QCOMPARE(m_guard.messages->texts, QStringList{message});
    QVERIFY(stayed);
    QCOMPARE(kept, value);
    QCOMPARE(focus, field);
    QCOMPARE(sel(db, info, "COUNT(*)"), QString("0"));
}

// After the database refuses the write ("Hiba92" and its kind) the editor stays
// open with everything typed, and a second OK saves it once the cause is gone.
void TestValuesKept::editorKeepsInputOnDatabaseFailure()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    const QStringList insertMessages{"Hiba92: Újban, INSERT  a allomanyban ", "Hiba92: Újban, INSERT  a termelesben ",
                                     "Hiba122: Újban, INSERT  a fahasználatban ", "Hiba132: Újban, INSERT  a erdositesben ",
                                     "Hiba142: Újban, INSERT  a egyebben ", "Hiba152: Újban, INSERT  a valtozasban ",
                                     "Hiba162: Újban, INSERT  a munkakban "};
    TestDb db(Content::Seed);
    db.exec("CREATE EXCEPTION NO_WRITE 'tiltva'");
    db.exec(QStringLiteral("CREATE TRIGGER BI_NO_WRITE FOR %1 ACTIVE BEFORE INSERT POSITION 5 AS BEGIN EXCEPTION NO_WRITE; END")
                .arg(info.table));
    shared::currentCompartmentCode = "10001";
    shared::stand.lastCode = "10007";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    QStringList firstTry, secondTry;
    m_guard.modals->add([&](QDialog *d) {
        d->show();
        for (const auto &[c, v] : info.valid)
            setField(d, c, v);
        setField(d, info.textControl, "megőrzött szöveg");
        const int result = clickOk(d);
        firstTry << QString::number(result) << QString::number(d->isVisible()) << fieldText(d, info.textControl);
        for (const auto &[c, v] : info.valid)
            firstTry << fieldText(d, c);
        db.exec("DROP TRIGGER BI_NO_WRITE");
        secondTry << QString::number(clickOk(d));
        return d->result();
    });
    page->newClick();
    QStringList expected{"0", "1", "megőrzött szöveg"};
    for (const auto &[c, v] : info.valid)
        expected << v;
    QCOMPARE(firstTry, expected);
    QCOMPARE(m_guard.messages->texts.value(0).section('\n', 0, 0), insertMessages[k]);
    QVERIFY(m_guard.messages->texts.value(0).section('\n', 1).contains("tiltva"));   // the engine's reason
    QCOMPARE(secondTry, QStringList{QString::number(QDialog::Accepted)});
    QCOMPARE(sel(db, info, info.textColumn), QString("megőrzött szöveg"));
    QCOMPARE(sel(db, info, "COUNT(*)"), QString("1"));
}

// ---------------------------------------------------------------- code editor

void TestValuesKept::codeValueRefusedByName()
{
    TestDb db(Content::Seed);
    TForm3 list;
    shared::codeEditorMode = "Új kód";
    TForm4 editor;
    QVERIFY(editor.fill(&list));
    editor.show();
    const QString count = db.scalar("SELECT COUNT(*) FROM KODOK");
    editor.Edit3->setText("Új név");
    editor.Edit4->setText("UJ字");
    editor.Button1Click();
    QCOMPARE(m_guard.messages->texts, QStringList{"Nem tárolható karakter: Rövidnév („字”)"});
    QCOMPARE(editor.focusWidget(), static_cast<QWidget *>(editor.Edit4));
    editor.Edit4->setText("UJ");
    editor.Edit6->setText("alcsoport ☃");
    editor.Button1Click();
    QCOMPARE(m_guard.messages->last(), QString("Nem tárolható karakter: Alcsoport („☃”)"));
    QCOMPARE(editor.focusWidget(), static_cast<QWidget *>(editor.Edit6));
    QCOMPARE(editor.result(), 0);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM KODOK"), count);
}

// ---------------------------------------------------------------- every window that writes

// A write the database itself refuses keeps its "Hiba" text on the first line
// and says why on the second, in every window that writes.
void TestValuesKept::writeFailureShowsReason_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("trigger");   // table and event the database refuses
    QTest::addColumn<QString>("first");
    QTest::newRow("data-entry window") << "entry" << "RESZLET BEFORE INSERT" << "Hiba84: Újban, INSERT  a reszletben ";
    QTest::newRow("code editor") << "code" << "KODOK BEFORE INSERT" << "Hiba72: Újban, INSERT  a kódokban ";
    QTest::newRow("compartment delete") << "list" << "ALLOMANY BEFORE DELETE" << "Hiba711: allomany sor DELETE törlésekor";
    QTest::newRow("felling delete") << "page" << "TERMELES BEFORE DELETE" << "Hiba83: sor DELETE törlésekor";
}

void TestValuesKept::writeFailureShowsReason()
{
    QFETCH(QString, window);
    QFETCH(QString, trigger);
    QFETCH(QString, first);
    TestDb db(Content::Demo);
    db.exec("CREATE EXCEPTION NO_WRITE 'tiltva'");
    db.exec("CREATE TRIGGER T_NO_WRITE FOR " + trigger.section(' ', 0, 0) + " ACTIVE " + trigger.section(' ', 1) +
            " POSITION 5 AS BEGIN EXCEPTION NO_WRITE; END");
    if (window == "entry") {
        TForm7 list;
        list.DBGrid1TitleClick(0);
        shared::compartmentEntryMode = "Új részlet";
        TForm8 w;
        w.show();
        w.fields().setText("Edit1", "Próbahely");
        button(&w, "Button59")->click();
        QVERIFY(w.isVisible());
    } else if (window == "code") {
        TForm3 list;
        shared::codeEditorMode = "Új kód";
        TForm4 editor;
        QVERIFY(editor.fill(&list));
        editor.show();
        editor.Edit3->setText("Új név");
        editor.Edit4->setText("UJ");
        editor.Button1Click();
        QCOMPARE(editor.Edit3->text(), QString("Új név"));   // stays open with the input
        QCOMPARE(editor.result(), 0);
    } else if (window == "list") {
        TForm7 w;
        w.show();
        m_guard.messages->answers << true;
        button(&w, "Button4")->click();
    } else {
        const QString code = db.scalar("SELECT FIRST 1 TRKOD FROM TERMELES");
        QVERIFY(!code.isEmpty());
        shared::currentCompartmentCode = code;
        std::unique_ptr<SubRecordPage> page(createSubRecordPage(SubRecordKind::Felling, nullptr));
        page->showStep();
        page->deleteClick();
    }
    const QStringList texts = m_guard.messages->texts;
    QVERIFY2(!texts.isEmpty(), "no message");
    QCOMPARE(texts.last().section('\n', 0, 0), first);
    QVERIFY2(texts.last().section('\n', 1).contains("tiltva"), qPrintable(texts.last()));
}

// Remarks are stored with CR LF line ends; either form reads back as lines,
// and an untouched OK stores the CR LF form.
void TestValuesKept::remarkLineEnds_data()
{
    QTest::addColumn<bool>("entry");   // the data-entry window, else the afforestation-change editor
    QTest::addColumn<QString>("storedEnd");
    QTest::newRow("data-entry window, LF") << true << "ASCII_CHAR(10)";
    QTest::newRow("data-entry window, CR LF") << true << "ASCII_CHAR(13) || ASCII_CHAR(10)";
    QTest::newRow("editor, LF") << false << "ASCII_CHAR(10)";
    QTest::newRow("editor, CR LF") << false << "ASCII_CHAR(13) || ASCII_CHAR(10)";
}

void TestValuesKept::remarkLineEnds()
{
    QFETCH(bool, entry);
    QFETCH(QString, storedEnd);
    TestDb db(Content::Seed);
    const QString value = "'első' || " + storedEnd + " || 'második'";
    QString shown, stored;
    if (entry) {
        db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG, RFELJEGY) VALUES ('10001', 'Lenti', " + value + ")");
        TForm7 list;
        list.DBGrid1TitleClick(0);
        auto w = openCurrent();
        QVERIFY(w);
        shown = w->fields().text("Memo1");
        w->fields().memo("Memo1")->appendPlainText("harmadik");   // a line typed after them
        button(w.get(), "Button59")->click();
        QVERIFY2(w->saved(), qPrintable(m_guard.messages->texts.join('|')));
        stored = db.scalar("SELECT RFELJEGY FROM RESZLET");
    } else {
        const KindInfo &info = kinds()[5];
        insertRow(db, info, "10001", "10001");
        db.exec("UPDATE VALTOZAS SET VMEGJ = " + value);
        shared::currentCompartmentCode = "10001";
        std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
        page->showStep();
        m_guard.modals->add([&](QDialog *d) {
            auto *memo = d->findChild<QPlainTextEdit *>("Memo1");
            shown = memo->toPlainText();
            memo->appendPlainText("harmadik");
            return clickOk(d);
        });
        page->changeClick();
        stored = sel(db, info, "VMEGJ");
    }
    QCOMPARE(shown.toUtf8(), QByteArray("első\nmásodik"));
    QCOMPARE(stored.toUtf8(), QByteArray("első\r\nmásodik\r\nharmadik"));
}

QTEST_MAIN(TestValuesKept)
#include "test_values_kept.moc"
