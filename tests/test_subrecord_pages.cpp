// The sub-record list pages on a real database: predicted codes, inserts
// through "Új", updates keyed by ID, deletes committed at once, the lists.
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
#include "EditorCases.h"

class TestSubRecordPages : public QObject {
    Q_OBJECT
private slots:
    void init() { m_guard.start(); }
    void cleanup() { m_guard.stop(); }
    void predictedCode_data();
    void predictedCode();
    void insertGetsPredictedCode_data() { addKindRows(); }
    void insertGetsPredictedCode();
    void fullTableRefusesNewRow_data() { addKindRows(); }
    void fullTableRefusesNewRow();
    void updateKeyedById_data() { addKindRows(); }
    void updateKeyedById();
    void deleteCommittedAtOnce_data() { addKindRows(); }
    void deleteCommittedAtOnce();
    void emptyListDeleteAndChangeDoNothing_data() { addKindRows(); }
    void emptyListDeleteAndChangeDoNothing();
    void cancelledEditorStillRepositions_data() { addKindRows(); }
    void cancelledEditorStillRepositions();
    void titleClickListsEveryCompartment_data() { addKindRows(); }
    void titleClickListsEveryCompartment();
    void fellingDeleteOrdersBySpecies();

private:
    CaseGuards m_guard;
};

void TestSubRecordPages::predictedCode_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("stand after 10041") << 0 << "10041" << "10042";
    QTest::newRow("tree use after 10017") << 2 << "10017" << "10018";
    QTest::newRow("works after 10009") << 6 << "10009" << "10010";
    for (int i = 0; i < kinds().size(); ++i)
        QTest::newRow(qPrintable("empty " + kinds()[i].table)) << i << QString() << "10001";
}

void TestSubRecordPages::predictedCode()
{
    QFETCH(int, k);
    QFETCH(QString, last);
    QFETCH(QString, expected);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    if (!last.isEmpty()) {
        insertRow(db, info, "10003", "10001");   // an earlier row of another compartment
        insertRow(db, info, last, "10002");
    }
    shared::currentCompartmentCode = "10009";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    QString shown;
    ModalScript script;
    script.add([&](QDialog *d) {
        shown = fieldText(d, info.codeDisplay);
        return int(QDialog::Rejected);
    });
    page->newClick();
    QCOMPARE(shown, expected);
}

void TestSubRecordPages::insertGetsPredictedCode()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Demo);
    const QString last = db.scalar(QStringLiteral("SELECT MAX(%1) FROM %2").arg(info.code, info.table));
    const QString predicted = QString::number(last.toInt() + 1);
    shared::currentCompartmentCode = "10020";
    MessageRecorder rec;
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    page->showStep();
    ModalScript script;
    script.add([&](QDialog *d) {
        [&] {
            QCOMPARE(d->windowTitle(), info.caption);
            QCOMPARE(info.state->mode, info.newMode);
        }();
        for (const auto &[control, value] : info.valid)
            setField(d, control, value);
        return clickOk(d);
    });
    pageButton(page.get(), "ButtonUj")->click();
    QCOMPARE(script.opened, QStringList{info.editor});
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QCOMPARE(sel(db, info, info.comp + "||" + info.xkod, info.code + " = '" + predicted + "'"), QString("100201"));
    QCOMPARE(info.state->lastCode, predicted);
    QVERIFY(info.state->mode.isEmpty());
    TQuery *list = page->grid()->slot();
    QVERIFY(list->isOpen());
    QCOMPARE(list->asString(info.code), predicted);
    for (int r = 0; r < list->rowCount(); ++r)    // back to the compartment's rows
        QCOMPARE(list->textAt(r, list->columnIndex(info.comp)), QString("10020"));
}

void TestSubRecordPages::fullTableRefusesNewRow()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    insertRow(db, info, "99999", "10001");   // the last code a table can give
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    QStringList atOpen, atOk;
    QString shown;
    int result = -1;
    ModalScript script;
    script.add([&](QDialog *d) {
        atOpen = m_guard.messages->texts;
        shown = fieldText(d, info.codeDisplay);
        for (const auto &[control, value] : info.valid)
            setField(d, control, value);
        m_guard.messages->clear();
        result = clickOk(d);
        atOk = m_guard.messages->texts;
        return int(QDialog::Rejected);
    });
    page->newClick();
    const QString full = QStringLiteral("A(z) „%1” táblában elfogytak a kódok (10001–99999): új sor nem vehető fel.")
                             .arg(info.caption);
    QCOMPARE(atOpen, QStringList{full});
    QCOMPARE(shown, QString());
    // OK refuses with the same words; the window stays open and nothing is written.
    QCOMPARE(atOk, QStringList{full});
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(sel(db, info, "COUNT(*)"), QString("1"));
}

void TestSubRecordPages::updateKeyedById()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Demo);
    const QString id = sel(db, info, "FIRST 1 " + info.id, "1 = 1 ORDER BY " + info.code + " DESC");
    const QString byId = info.id + " = " + id;
    const QString code = sel(db, info, info.code, byId), comp = sel(db, info, info.comp, byId);
    const QString count = sel(db, info, "COUNT(*)");
    shared::currentCompartmentCode = comp;
    MessageRecorder rec;
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    page->showStep();
    TQuery *list = page->grid()->slot();
    for (int r = 0; r < list->rowCount(); ++r)
        if (list->textAt(r, list->columnIndex(info.id)) == id)
            list->setCurrentRow(r);
    ModalScript script;
    const QString changed = QStringLiteral("Módosítva: őz, űr");
    script.add([&](QDialog *d) {
        [&] {
            QCOMPARE(d->windowTitle(), info.changeMode);
            QCOMPARE(fieldText(d, info.codeDisplay), code);
        }();
        for (const auto &[control, value] : info.valid)
            if (fieldText(d, control).isEmpty())
                setField(d, control, value);
        setField(d, info.textControl, changed);
        return clickOk(d);
    });
    pageButton(page.get(), "ButtonModosit")->click();
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QCOMPARE(sel(db, info, info.textColumn + "||" + info.code + "||" + info.comp, byId), changed + code + comp);
    QCOMPARE(sel(db, info, "COUNT(*)"), count);
    QCOMPARE(sel(db, info, "COUNT(*)", info.textColumn + " = '" + changed + "'"), QString("1"));   // that row only
    QCOMPARE(info.state->lastCode, code);
    QCOMPARE(list->asString(info.id), id);   // positioned on the changed row
}

void TestSubRecordPages::deleteCommittedAtOnce()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Demo);
    const QString comp = sel(db, info, "FIRST 1 " + info.comp, "1 = 1 ORDER BY " + info.code);
    const int before = sel(db, info, "COUNT(*)").toInt();
    shared::currentCompartmentCode = comp;
    MessageRecorder rec;
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    page->showStep();
    TQuery *list = page->grid()->slot();
    const QString id = list->asString(info.id);
    pageButton(page.get(), "ButtonTorol")->click();
    QCOMPARE(rec.texts, QStringList{"A sor törlölve!"});
    QCOMPARE(page->pageLabel()->text(), info.afterDeleteLabel);
    // A later rollback anywhere cannot bring it back.
    if (!dm().inTransaction())
        dm().startTransaction();
    dm().rollback();
    QCOMPARE(sel(db, info, "COUNT(*)").toInt(), before - 1);
    QCOMPARE(sel(db, info, "COUNT(*)", info.id + " = " + id), QString("0"));
}

void TestSubRecordPages::emptyListDeleteAndChangeDoNothing()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    insertRow(db, info, "10001", "10001");   // a row of another compartment stays
    shared::currentCompartmentCode = "10002";
    MessageRecorder rec;
    ModalScript script;
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    page->showStep();
    QCOMPARE(page->grid()->slot()->rowCount(), 0);
    pageButton(page.get(), "ButtonTorol")->click();
    pageButton(page.get(), "ButtonModosit")->click();
    QVERIFY(rec.texts.isEmpty());
    QVERIFY(script.opened.isEmpty());
    QCOMPARE(sel(db, info, "COUNT(*)"), QString("1"));
}

void TestSubRecordPages::cancelledEditorStillRepositions()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    for (const QString code : {"10001", "10002", "10003"})
        insertRow(db, info, code, "10005");
    shared::currentCompartmentCode = "10005";
    info.state->lastCode = "10002";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    page->showStep();
    TQuery *list = page->grid()->slot();
    QCOMPARE(list->asString(info.code), QString("10002"));
    page->pageLabel()->setText("x");
    list->first();
    ModalScript script;   // closed with Rejected
    page->newClick();
    QCOMPARE(script.opened, QStringList{info.editor});
    QVERIFY(info.state->mode.isEmpty());
    QCOMPARE(list->asString(info.code), QString("10002"));
    QCOMPARE(page->pageLabel()->text(), QString("x"));   // "Új" leaves the label
    QCOMPARE(sel(db, info, "COUNT(*)"), QString("3"));
}

void TestSubRecordPages::titleClickListsEveryCompartment()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    insertRow(db, info, "10002", "10001");
    insertRow(db, info, "10001", "10002");
    insertRow(db, info, "10003", "10003");
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    page->showStep();
    TQuery *list = page->grid()->slot();
    QCOMPARE(list->rowCount(), 1);
    emit page->grid()->titleClicked(1);   // any other title: nothing
    QCOMPARE(list->rowCount(), 1);
    emit page->grid()->titleClicked(0);
    QCOMPARE(list->rowCount(), 3);
    QCOMPARE(page->pageLabel()->text(), QString("A lista, \"Kód\" szerint"));
    page->showStep();   // back to the compartment
    QCOMPARE(list->rowCount(), 1);
}

void TestSubRecordPages::fellingDeleteOrdersBySpecies()
{
    TestDb db(Content::Seed);
    db.exec("INSERT INTO TERMELES (TKOD, TRKOD, TSSZAM, TJELE) VALUES ('10001', '10001', '1', 'MJ')");
    db.exec("INSERT INTO TERMELES (TKOD, TRKOD, TSSZAM, TJELE) VALUES ('10002', '10001', '2', 'KTT')");
    db.exec("INSERT INTO TERMELES (TKOD, TRKOD, TSSZAM, TJELE) VALUES ('10003', '10001', '3', 'CS')");
    shared::currentCompartmentCode = "10001";
    MessageRecorder rec;
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(SubRecordKind::Felling, nullptr));
    page->showStep();
    TQuery *list = page->grid()->slot();
    QCOMPARE(list->asString("TJELE"), QString("MJ"));   // sorszám order
    page->deleteClick();
    QCOMPARE(list->rowCount(), 2);
    QCOMPARE(list->textAt(0, list->columnIndex("TJELE")), QString("CS"));
    QCOMPARE(page->pageLabel()->text(), QString("A lista, \"Fafaj\" szerint"));
    page->showStep();
    QCOMPARE(list->textAt(0, list->columnIndex("TJELE")), QString("KTT"));
    QCOMPARE(page->pageLabel()->text(), QString("Fakitermelési terv"));
}

QTEST_MAIN(TestSubRecordPages)
#include "test_subrecord_pages.moc"
