// The seven sub-record editors on a real database: every field written and
// loaded, conversions, checks, the keyboard.
#include "TestSupport.h"
#include "common/Shared.h"
#include "editors/SubRecordPage.h"
#include "editors/FellingEditor.h"
#include "editors/TreeUseEditor.h"
#include "editors/AfforestationChangeEditor.h"
#include "editors/StandEditor.h"
#include "widgets/SlotGrid.h"
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

#include "EditorCases.h"

class TestEditors : public QObject {
    Q_OBJECT
private slots:
    void init() { m_guard.start(); }
    void cleanup() { m_guard.stop(); }
    void everyFieldWrittenAndLoaded_data() { addKindRows(); }
    void everyFieldWrittenAndLoaded();
    void numbersToNullAndFloat();
    void badNumberRefused_data();
    void badNumberRefused();
    void keyFilters_data();
    void keyFilters();
    void requiredBeforeDate_data();
    void requiredBeforeDate();
    void remarkKeepsLineBreaks_data();
    void remarkKeepsLineBreaks();
    void unshownColumnsKept_data();
    void unshownColumnsKept();
    void speciesShownAsShortNameOrStored_data();
    void speciesShownAsShortNameOrStored();
    void fellingUrgencyPicksUseOneGroup();
    void enterMovesFocus();
    void screenshots();

private:
    CaseGuards m_guard;
};

// Every field of every editor, by control, column and kind (t text, n number,
// w whole number, d date, m remark).
QString fieldTable(int k)
{
    switch (k) {
    case 0: return "Edit1 ASSZAM t,Edit2 AJSZ t,Edit3 AFAF t,Edit4 AER t,Edit5 AEANY n,Edit6 AELM t,Edit7 AKOREV w,"
                   "Edit8 AM n,Edit9 ACM n,Edit10 AOSZTALY w,Edit11 AFM t,Edit12 AZARODAS n,Edit13 ADBHA n,"
                   "Edit14 AM3HA n,Edit15 AKESZLETM3 n,Edit16 ANOVENDEK n,Edit17 AJK t,Edit18 AKM t,Edit19 AMOD t";
    case 1: return "Edit1 TSSZAM t,Edit2 TJSZAM t,Edit3 TJELE t,Edit4 TVAGKOR w,Edit5 TVAGMUT t,Edit6 TSURG1 t,"
                   "Edit7 TEHA1 n,Edit8 THMOD1 t,Edit9 TERELY1 n,Edit10 TM3EV1 n,Edit11 TM3RESZL1 n,Edit15 TSURG2 t,"
                   "Edit16 TEHA2 n,Edit17 THMOD2 t,Edit18 TERELY2 n,Edit19 TM3EV2 n,Edit20 TM3RESZL2 n,"
                   "Edit21 TSURG3 t,Edit22 TEHA3 n,Edit23 THMOD3 t,Edit24 TERELY3 n,Edit25 TM3EV3 n,Edit26 TM3RESZL3 n";
    case 2: return "Edit1 FMOD t,Edit2 FERTER t,Edit3 FHATSZAM t,Edit4 FDATUM d,Memo1 FMEGJ m";
    case 3: return "Edit1 EJEL t,Edit2 EMOD t,Edit3 ECEL t,Edit4 EHATSZAM t,Edit9 EDATUM d,Memo1 EMEGJ m";
    case 4: return "Edit1 BLEIRAS t,Edit2 BHATSZAM t,Edit3 BDATUM d,Memo1 BMEGJ m";
    case 5: return "Memo1 VMEGJ m";
    default: return "Memo1 MMEGJ m";
    }
}

// A distinct value per field and round.
QString valueFor(QChar kind, int i, int round)
{
    const QString n = QString::number(i);
    switch (kind.unicode()) {
    case 'n': return QString::number(i + 100 * round) + ",5";
    case 'w': return QString::number(i * 10 + round);
    case 'd': return QStringLiteral("202%1.0%2.%3").arg(round + 3).arg(round + 1).arg(i + 10);
    case 'm': return (round ? "Új\nsor " : "Első\nmásodik ő ") + n;
    default: return (round ? "U" : "Ő") + n;
    }
}

void TestEditors::everyFieldWrittenAndLoaded()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    shared::currentCompartmentCode = "10007";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    const QStringList fields = fieldTable(k).split(',');
    QStringList loaded, expected[2];
    ModalScript script;
    for (int round = 0; round < 2; ++round)
        script.add([&, round](QDialog *d) {
            for (int i = 0; i < fields.size(); ++i) {
                const QStringList f = fields[i].split(' ');
                if (round == 1)
                    loaded << fieldText(d, f[0]);
                setField(d, f[0], valueFor(f[2].at(0), i, round));
                expected[round] << valueFor(f[2].at(0), i, round);
            }
            return clickOk(d);
        });
    auto stored = [&] {
        QStringList out;
        for (const QString &f : fields)
            out << sel(db, info, f.split(' ')[1]).replace("\r\n", "\n");   // remarks are stored with CR LF
        return out;
    };
    page->newClick();
    QCOMPARE(stored(), expected[0]);
    QCOMPARE(sel(db, info, info.comp + "||" + info.xkod + "||" + info.code), QString("10007110001"));
    shared::currentCompartmentCode = "10099";   // the update keeps the row's compartment
    page->changeClick();
    QCOMPARE(loaded, expected[0]);
    QCOMPARE(stored(), expected[1]);
    QCOMPARE(sel(db, info, info.comp + "||" + info.xkod + "||" + info.code), QString("10007110001"));
}

void TestEditors::numbersToNullAndFloat()
{
    TestDb db(Content::Seed);
    shared::felling.mode = "Új termelés";
    shared::currentCompartmentCode = "10001";
    TForm10 form;
    setField(&form, "Edit3", "KTT");
    setField(&form, "Edit16", "2,5");    // area of group 2
    setField(&form, "Edit9", "12,5");
    QCOMPARE(clickOk(&form), int(QDialog::Accepted));
    QCOMPARE(db.scalar("SELECT TEHA2 * 2 FROM TERMELES"), QString("5"));
    QCOMPARE(db.scalar("SELECT TERELY1 FROM TERMELES"), QString("12,5"));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM TERMELES WHERE TEHA3 IS NULL AND TERELY3 IS NULL AND TM3EV3 IS NULL "
                       "AND TM3RESZL3 IS NULL AND TVAGKOR IS NULL AND TSURG3 = '' AND THMOD3 = ''"),
             QString("1"));
}

void TestEditors::badNumberRefused_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("Elegyarány") << 0 << "Edit5" << "1,2,3" << "Hibás szám: Elegyarány";
    QTest::newRow("Fakészlet m3") << 0 << "Edit15" << "," << "Hibás szám: Fakészlet (m3)";
    QTest::newRow("Érint.t. 2") << 1 << "Edit16" << "2,,5" << "Hibás szám: Érint.t. 2";
    QTest::newRow("m3/részl 3") << 1 << "Edit26" << "x" << "Hibás szám: m3/részl 3";
    // Whole numbers are read as whole numbers, as in the data-entry window.
    QTest::newRow("stand Kor") << 0 << "Edit7" << "4,5" << "Hibás szám: Kor";
    QTest::newRow("felling Kor") << 1 << "Edit4" << "4,5" << "Hibás szám: Kor";
}

void TestEditors::badNumberRefused()
{
    QFETCH(int, k);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    info.state->mode = info.newMode;
    MessageRecorder rec;
    std::unique_ptr<QDialog> form(k == 0 ? static_cast<QDialog *>(new TForm9) : new TForm10);
    form->show();
    setField(form.get(), "Edit3", "KTT");
    setField(form.get(), control, text);
    QCOMPARE(clickOk(form.get()), 0);
    QCOMPARE(rec.texts, QStringList{message});
    QCOMPARE(fieldText(form.get(), control), text);           // nothing typed is lost
    QCOMPARE(form->focusWidget(), form->findChild<QWidget *>(control));
    QCOMPARE(sel(db, info, "COUNT(*)"), QString("0"));
}

void TestEditors::keyFilters_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Kor digits") << 0 << "Edit7" << "4a,5" << "45";
    QTest::newRow("Magasság comma") << 0 << "Edit8" << "2ő1,5" << "21,5";
    QTest::newRow("Fatermelési osztály") << 0 << "Edit10" << "2,x5" << "2,5";
    QTest::newRow("Fafaj any") << 0 << "Edit3" << "Ő t" << "Ő t";
    QTest::newRow("felling Kor") << 1 << "Edit4" << "1,00" << "100";
    QTest::newRow("Mutató any") << 1 << "Edit5" << "Ár,1" << "Ár,1";
    QTest::newRow("tree-use date") << 2 << "Edit4" << "2024.a05,01." << "2024.0501.";
    QTest::newRow("other-change date") << 4 << "Edit3" << "2023.12.3x1" << "2023.12.31";
}

void TestEditors::keyFilters()
{
    QFETCH(int, k);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TestDb db(Content::Seed);
    const KindInfo &info = kinds()[k];
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    QString got;
    ModalScript script;
    script.add([&](QDialog *d) {
        typeText(d->findChild<QLineEdit *>(control), typed);
        got = fieldText(d, control);
        return int(QDialog::Rejected);
    });
    page->newClick();
    QCOMPARE(got, expected);
}

void TestEditors::requiredBeforeDate_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("required");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("requiredMessage");
    QTest::newRow("stand") << 0 << "Edit3" << "" << "Nincs megadva a fafaj jele!";
    QTest::newRow("felling") << 1 << "Edit3" << "" << "Nincs megadva a fafaj jele!";
    QTest::newRow("tree use") << 2 << "Edit1" << "Edit4" << "Nincs megadva módja!";
    QTest::newRow("afforestation") << 3 << "Edit2" << "Edit9" << "Nincs megadva módja!";
    QTest::newRow("other change") << 4 << "Edit2" << "Edit3" << "Nincs megadva hat.szám!";
}

void TestEditors::requiredBeforeDate()
{
    QFETCH(int, k);
    QFETCH(QString, required);
    QFETCH(QString, date);
    QFETCH(QString, requiredMessage);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    MessageRecorder rec;
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    ModalScript script;
    script.add([&](QDialog *d) {
        d->show();
        setField(d, required, "   ");   // blanks only
        if (!date.isEmpty())
            setField(d, date, "2024.13.01");
        clickOk(d);
        [&] {
            QCOMPARE(rec.texts, QStringList{requiredMessage});
            QCOMPARE(d->focusWidget(), d->findChild<QWidget *>(required));
        }();
        if (!date.isEmpty()) {
            setField(d, required, " X");   // a leading blank is kept
            clickOk(d);
            [&] {
                QCOMPARE(rec.last(), QString("A dátum formátuma nem megfelelö!"));
                QCOMPARE(d->focusWidget(), d->findChild<QWidget *>(date));
            }();
            setField(d, date, "");       // a date is required
            clickOk(d);
            [&] { QCOMPARE(rec.texts.size(), 3); }();
            setField(d, date, "2024.02.29.");
        } else {
            setField(d, required, " X");
        }
        return clickOk(d);
    });
    page->newClick();
    QCOMPARE(sel(db, info, "COUNT(*)"), QString("1"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ' X'")
                           .arg(info.table, k == 0 ? "AFAF" : k == 1 ? "TJELE" : k == 2 ? "FMOD" : k == 3 ? "EMOD" : "BHATSZAM")),
             QString("1"));
}

void TestEditors::remarkKeepsLineBreaks_data()
{
    QTest::addColumn<int>("k");
    QTest::newRow("tree use") << 2;
    QTest::newRow("afforestation change") << 5;
    QTest::newRow("works") << 6;
}

void TestEditors::remarkKeepsLineBreaks()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    const QString remark = QStringLiteral("Első sor\nmásodik\nharmadik ő");
    QString loaded;
    ModalScript script;
    script.add([&](QDialog *d) {
        for (const auto &[control, value] : info.valid)
            setField(d, control, value);
        auto *memo = d->findChild<QPlainTextEdit *>("Memo1");
        typeText(memo, "Első sor");
        pressEnter(memo);
        typeText(memo, "második");
        pressEnter(memo);
        typeText(memo, "harmadik ő");
        return clickOk(d);
    });
    script.add([&](QDialog *d) {
        loaded = fieldText(d, "Memo1");
        return int(QDialog::Rejected);
    });
    page->newClick();
    QCOMPARE(db.scalar(QStringLiteral("SELECT %1 FROM %2").arg(info.textControl == "Memo1" ? info.textColumn : "FMEGJ", info.table)),
             QString(remark).replace("\n", "\r\n"));   // stored with CR LF line ends
    page->changeClick();
    QCOMPARE(loaded, remark);
}

void TestEditors::unshownColumnsKept_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("columns");
    QTest::newRow("VALTOZAS") << 5 << "VSSZAM || VELSOEV || VKOTTER1 || VKESZULTSEG1 || VAPOLAS2 || VXKOD";
    QTest::newRow("MUNKAK") << 6 << "MVEGREV || MMOD || METER || MBRUTTO || MFAFAJOK || MXKOD";
}

void TestEditors::unshownColumnsKept()
{
    QFETCH(int, k);
    QFETCH(QString, columns);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Demo);
    const QString comp = sel(db, info, "FIRST 1 " + info.comp, "1 = 1 ORDER BY " + info.code);
    const QString where = info.comp + " = '" + comp + "'";
    const QString before = sel(db, info, columns, where);
    QVERIFY(!before.isEmpty());
    shared::currentCompartmentCode = comp;
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    page->showStep();
    ModalScript script;
    script.add([&](QDialog *d) {
        setField(d, "Memo1", "");
        return clickOk(d);
    });
    page->changeClick();
    QCOMPARE(sel(db, info, columns, where), before);
    QCOMPARE(sel(db, info, info.textColumn, where), QString());
}

void TestEditors::speciesShownAsShortNameOrStored_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short name as stored") << "KTT" << "KTT";
    QTest::newRow("a code of the code table") << "@KTT" << "KTT";
    QTest::newRow("code with blanks") << "@KST " << "KST";
    QTest::newRow("anything else") << "Ismeretlen fa" << "Ismeretlen fa";
}

void TestEditors::speciesShownAsShortNameOrStored()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    TestDb db(Content::Seed);
    if (stored.startsWith('@')) {   // the KKOD of the code-table row with that short name
        const QString name = stored.mid(1).trimmed();
        stored = db.scalar("SELECT KKOD FROM KODOK WHERE KCSSZAM = 'FAF' AND KRNEV = '" + name + "'")
                 + (stored.endsWith(' ') ? " " : "");
    }
    db.exec("INSERT INTO TERMELES (TKOD, TRKOD, TJELE, TXKOD) VALUES ('10001', '10001', '" + stored + "', '1')");
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(SubRecordKind::Felling, nullptr));
    page->showStep();
    QString got;
    ModalScript script;
    script.add([&](QDialog *d) {
        got = fieldText(d, "Edit3");
        return clickOk(d);   // saved unchanged
    });
    page->changeClick();
    QCOMPARE(got, shown);
    QCOMPARE(db.scalar("SELECT TJELE FROM TERMELES"), shown);
}

void TestEditors::fellingUrgencyPicksUseOneGroup()
{
    TestDb db(Content::Seed);
    shared::felling.mode = "Új termelés";
    TForm10 form;
    QStringList groups;
    ModalScript script;
    for (int i = 0; i < 4; ++i)
        script.add([&](QDialog *picker) {
            groups << shared::pickerGroup;
            dm().ZQ102->load({"SELECT * FROM KODOK WHERE KCSSZAM = :p1 ORDER BY KKOD"});
            dm().ZQ102->setText("p1", shared::pickerGroup);
            dm().ZQ102->open();
            picker->setResult(QDialog::Accepted);
            return int(QDialog::Accepted);
        });
    for (const char *field : {"Edit6", "Edit15", "Edit21", "Edit17"})
        form.findChild<QPushButton *>(QString(field) + "Pick")->click();
    QCOMPARE(groups, QStringList({"SURG1", "SURG1", "SURG1", "HMOD"}));
    const QString first = db.scalar("SELECT FIRST 1 KRNEV FROM KODOK WHERE KCSSZAM = 'SURG1' ORDER BY KKOD");
    QCOMPARE(fieldText(&form, "Edit15"), first);
}

void TestEditors::enterMovesFocus()
{
    TestDb db(Content::Seed);
    shared::treeUse.mode = "Új fahasználat";
    TForm12 form;
    form.show();
    auto *hat = form.findChild<QLineEdit *>("Edit3");
    hat->setFocus();
    pressEnter(hat);
    QCOMPARE(form.focusWidget(), form.findChild<QWidget *>("Edit4"));
    pressEnter(form.focusWidget(), true);
    QCOMPARE(form.focusWidget(), static_cast<QWidget *>(hat));

    shared::stand.mode = "Új állomány";
    TForm9 stand;
    stand.show();
    QCOMPARE(stand.focusWidget(), stand.findChild<QWidget *>("Edit1"));
    for (int i = 1; i < 19; ++i)   // every field in order, Enter only
        pressEnter(stand.focusWidget());
    QCOMPARE(stand.focusWidget(), stand.findChild<QWidget *>("Edit19"));
    pressEnter(stand.focusWidget());
    QCOMPARE(stand.focusWidget(), stand.findChild<QWidget *>("Button2"));
    pressEnter(stand.focusWidget());   // Enter on OK saves: here refused, nothing given
    QCOMPARE(m_guard.messages->last(), QString("Nincs megadva a fafaj jele!"));
    QVERIFY(stand.isVisible());
}

void TestEditors::screenshots()
{
    TestDb db(Content::Demo);
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(dir);
    shared::currentCompartmentCode = "10001";
    SubRecordPage page(SubRecordKind::Stand);
    page.resize(1100, 420);
    page.showStep();
    QVERIFY(page.grab().save(dir + "/stand_page.png"));
    shared::stand.mode = "Állomány módositás";
    TForm9 stand;
    QVERIFY(stand.loadCurrentRow());
    QVERIFY(stand.grab().save(dir + "/stand_editor.png"));
    QVERIFY(stand.width() <= 1366 && stand.height() <= 740);
    SubRecordPage felling(SubRecordKind::Felling);
    felling.showStep();
    shared::felling.mode = "Fakitermelés módositás";
    TForm10 form;
    QVERIFY(form.loadCurrentRow());
    QVERIFY(form.grab().save(dir + "/felling_editor.png"));
    QVERIFY(form.width() <= 1366 && form.height() <= 740);
}

QTEST_MAIN(TestEditors)
#include "test_editors.moc"
