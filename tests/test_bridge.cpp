// The report bridge: row variables X1..X12 from the result rows of ZQ11, the
// variable callback, and the print operation with a real template.
#include "TestSupport.h"
#include "report/PreparedReport.h"
#include "datastore/Convert.h"
#include "report/PreviewDialog.h"
#include "report/Report.h"
#include "register/CompartmentList.h"
#include "queries/GrandTotals.h"
#include "queries/Totals.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace testsupport;

class TestBridge : public QObject {
    Q_OBJECT
private slots:
    void rowVariablesFromFirstTwelveColumns();
    void fewerColumnsKeepHigherVariables();
    void callbackNamesAreExact_data();
    void callbackNamesAreExact();
    void missingTemplateThrows();
    void totalsTemplatePrintsRows();
    void compartmentSheetFromTheList();
    void totalsReportsFromDemo_data();
    void totalsReportsFromDemo();
};

void TestBridge::rowVariablesFromFirstTwelveColumns()
{
    TestDb db(Content::Seed);
    TData &d = db.data();
    d.ZQ11->load({"SELECT 'a' AS c1, 2.5e0 AS c2, CAST(NULL AS INTEGER) AS c3, 4 AS c4, 5 AS c5, 6 AS c6,",
                  "7 AS c7, 8 AS c8, 9 AS c9, 10 AS c10, 11 AS c11, 'tizenkettő' AS c12, 13 AS c13",
                  "FROM RDB$DATABASE"});
    d.ZQ11->open();
    d.dataSet("frDBLekerdez")->onRow(0);
    QCOMPARE(d.X[0], QString("a"));
    QCOMPARE(d.X[1], QString("2,5"));
    QCOMPARE(d.X[2], QString());
    QCOMPARE(d.X[11], QString("tizenkettő"));
}

void TestBridge::fewerColumnsKeepHigherVariables()
{
    TestDb db(Content::Seed);
    TData &d = db.data();
    for (int i = 0; i < 12; ++i) d.X[i] = QString("régi%1").arg(i + 1);
    d.ZQ11->load({"SELECT 'x' AS a, 'y' AS b FROM RDB$DATABASE"});
    d.ZQ11->open();
    d.dataSet("frDBLekerdez")->onRow(0);
    QCOMPARE(d.X[0], QString("x"));
    QCOMPARE(d.X[1], QString("y"));
    QCOMPARE(d.X[2], QString("régi3"));
    QCOMPARE(d.X[11], QString("régi12"));
    QVERIFY(!d.dataSet("frDBHelyseg")->onRow);   // the same rows without the callback
}

void TestBridge::callbackNamesAreExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("supplied");
    QTest::newRow("X1") << "X1" << true;
    QTest::newRow("X12") << "X12" << true;
    QTest::newRow("small x1") << "x1" << false;
    QTest::newRow("X13") << "X13" << false;
    QTest::newRow("named variable") << "v_rAk" << false;
}

void TestBridge::callbackNamesAreExact()
{
    QFETCH(QString, name);
    QFETCH(bool, supplied);
    TestDb db(Content::Seed);
    db.data().X[0] = "egy";
    QVariant v("változatlan");
    QCOMPARE(db.data().variableCallback(name, v), supplied);
    if (!supplied) QCOMPARE(v.toString(), QString("változatlan"));
}

void TestBridge::missingTemplateThrows()
{
    TestDb db(Content::Seed);
    QVERIFY_THROWS_EXCEPTION(std::exception, db.data().printReport("NincsIlyen.frf"));
}

void TestBridge::totalsTemplatePrintsRows()
{
    TestDb db(Content::Demo);
    QFile::copy(QStringLiteral(ZELKOR_SOURCE_DIR) + "/reports/Erdolekerdez.frf", db.dir() + "/Erdolekerdez.frf");
    TData &d = db.data();
    d.ZQ11->load(totals::customStatement({"RHELYSEG"}));
    d.ZQ11->open();
    d.ZQ12->load({"SELECT COUNT(*) AS db FROM RESZLET"});
    d.ZQ12->open();
    d.frVariables["v_fej1"] = "Helység";
    d.frVariables["v_egy"] = "1";
    d.nullMarkedColumns = 1;
    QString printed;
    report::setPreviewHandler([&](const report::PreparedReport &r) { printed = r.toPlainText(); });
    d.printReport("Erdolekerdez.frf", true);
    report::setPreviewHandler({});
    QVERIFY(printed.contains("Csesztreg"));
    QVERIFY(printed.contains("Zalaszentgrót"));
    QVERIFY(report::printerLandscape());
}

void TestBridge::compartmentSheetFromTheList()
{
    TestDb db(Content::Demo);
    QFile::copy(QStringLiteral(ZELKOR_SOURCE_DIR) + "/reports/ErdoReszlet.frf", db.dir() + "/ErdoReszlet.frf");
    MessageRecorder rec;
    TForm7 list;
    list.show();
    dm().ZQ10->first();
    const QString settlement = dm().ZQ10->asString("RHELYSEG");
    const QString code = dm().ZQ10->asString("RKOD");
    const double m3 = db.scalar("SELECT SUM(AKESZLETM3) FROM ALLOMANY WHERE ARKOD = '" + code + "'").replace(',', '.').toDouble();
    QString printed;
    report::setPreviewHandler([&](const report::PreparedReport &r) {
        printed = r.toPlainText();
        const QString dir = qEnvironmentVariable("ZELKOR_SCREENSHOTS");
        QString error;
        if (!dir.isEmpty()) QVERIFY(r.writePdf(dir + "/ErdoReszlet.pdf", &error));
    });
    list.Button6Click();
    report::setPreviewHandler({});
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QVERIFY(printed.contains(settlement));
    QVERIFY(printed.contains(code));
    QCOMPARE(dm().frVariables.value("v_keszletm3").toDouble(), m3);
    QVERIFY(m3 > 0);
}

void TestBridge::totalsReportsFromDemo_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("detail");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("templateFile");
    QTest::newRow("settlements, summary") << 1 << false << "A" << "Zz" << "ErdoHelyseg.frf";
    QTest::newRow("species, detail") << 2 << true << "A" << "Zz" << "ErdoFafReszl.frf";
}

// Prints through the totals window on the demo register; the printed total
// is the area of the compartments in the range, each once.
void TestBridge::totalsReportsFromDemo()
{
    QFETCH(int, mode);
    QFETCH(bool, detail);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, templateFile);
    TestDb db(Content::Demo);
    QFile::copy(QStringLiteral(ZELKOR_SOURCE_DIR) + "/reports/" + templateFile, db.dir() + "/" + templateFile);
    MessageRecorder rec;
    TForm25 w;
    w.show();
    w.findChild<QRadioButton *>(QString("RadioButton%1").arg(mode))->setChecked(true);
    w.findChild<QCheckBox *>("CheckBox1")->setChecked(detail);
    w.findChild<QLineEdit *>("Edit1")->setText(from);
    w.findChild<QLineEdit *>("Edit2")->setText(to);
    QString printed;
    report::setPreviewHandler([&](const report::PreparedReport &r) {
        printed = r.toPlainText();
        const QString dir = qEnvironmentVariable("ZELKOR_SCREENSHOTS");
        QString error;
        if (dir.isEmpty()) return;
        const QString base = dir + "/" + QString(templateFile).remove(".frf");
        QVERIFY(r.writePdf(base + ".pdf", &error));
        QVERIFY(r.writeXlsx(base + ".xlsx", &error));
        report::PreviewDialog preview(r);   // the preview as the user meets it
        preview.resize(1100, 760);
        preview.show();
        QTest::qWait(100);
        preview.grab().save(base + "-preview.png");
    });
    w.Button3Click();
    report::setPreviewHandler({});
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QVERIFY(!printed.isEmpty());
    const QString area = mode == 1
        ? db.scalar("SELECT SUM(RRHA) FROM RESZLET WHERE RHELYSEG >= 'A' AND RHELYSEG <= 'Zz'")
        : db.scalar("SELECT SUM(RRHA) FROM RESZLET WHERE EXISTS (SELECT 1 FROM ALLOMANY WHERE ARKOD = RKOD "
                    "AND AFAF >= 'A' AND AFAF <= 'Zz')");
    double expected = 0;
    QVERIFY(convert::parseNumber(area, &expected));
    QCOMPARE(dm().frVariables.value("v_rRha").toDouble(), expected);
}

QTEST_MAIN(TestBridge)
#include "test_bridge.moc"
