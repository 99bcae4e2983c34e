// The grand totals and the custom query on a real database: every row of
// every table counted once per group, the ranges compared as text, the
// group-mark reset, the custom query's order and header.
#include "TestSupport.h"
#include "common/Shared.h"
#include "queries/Totals.h"
#include "queries/CustomQuery.h"
#include "queries/GrandTotals.h"
#include "report/Report.h"
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include "widgets/SlotGrid.h"
#include <QtTest>

using namespace testsupport;

namespace {

// Five compartments with known sub-records:
//  10001 Bak, G1, "010/1": two stand rows (KST, CS), three felling rows (urgency 1, 1, 2)
//  10002 Bak, G2, "011":   one stand row (KST), no felling row
//  10003 Csesztreg, G1, "011": no stand row, one felling row (urgency 2)
//  10004 no settlement, manager or lot number
//  10005 empty settlement
void insertCompartments(TestDb &db)
{
    db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG, RGAZD, RHRSZ, RAK, RRHA, RAHA, REHA, RFHA, RKHA, REV, RTEV, RSZUR)"
            " VALUES ('10001', 'Bak', 'G1', '010/1', 10, 4, 1, 2, 3, 0.5, 2008, 2011, 'x')");
    db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG, RGAZD, RHRSZ, RAK, RRHA, RAHA, REHA, RFHA, RKHA, REV, RTEV, RSZUR)"
            " VALUES ('10002', 'Bak', 'G2', '011', 5, 2, 0.5, 0, 1, 0, 2010, 2011, 'y')");
    db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG, RGAZD, RHRSZ, RAK, RRHA, REV, RTEV)"
            " VALUES ('10003', 'Csesztreg', 'G1', '011', 7, 3, 2011, 2011)");
    db.exec("INSERT INTO RESZLET (RKOD, RAK, RRHA, REV, RTEV) VALUES ('10004', 100, 50, 2011, 2011)");
    db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG, RAK, RRHA, REV, RTEV) VALUES ('10005', '', 1, 1, 2011, 2011)");
    const char *stand = "INSERT INTO ALLOMANY (ARKOD, AFAF, AEANY, AKOREV, ADBHA, AM3HA, AKESZLETM3, ANOVENDEK)"
                        " VALUES ('%1', '%2', %3, %4, %5, %6, %7, %8)";
    db.exec(QString(stand).arg("10001", "KST", "60", "40", "100", "200", "800", "5"));
    db.exec(QString(stand).arg("10001", "CS", "40", "30", "50", "100", "400", "3"));
    db.exec(QString(stand).arg("10002", "KST", "100", "20", "30", "50", "100", "2"));
    db.exec("INSERT INTO TERMELES (TRKOD, TSURG1, TEHA1, TM3EV1, TM3RESZL1) VALUES ('10001', '1', 1, 10, 20)");
    db.exec("INSERT INTO TERMELES (TRKOD, TSURG1, TEHA1, TM3EV1, TM3RESZL1, TEHA2, TM3EV2, TM3RESZL2)"
            " VALUES ('10001', '1', 2, 20, 40, 1, 5, 6)");
    db.exec("INSERT INTO TERMELES (TRKOD, TSURG1, TEHA1, TM3EV1, TM3RESZL1, TEHA3, TM3EV3, TM3RESZL3)"
            " VALUES ('10001', '2', 3, 30, 60, 0.5, 7, 8)");
    db.exec("INSERT INTO TERMELES (TRKOD, TSURG1, TEHA1, TM3EV1, TM3RESZL1) VALUES ('10003', '2', 4, 40, 80)");
}

QString num(double v) { return QString::number(v, 'f', 3).remove(QRegularExpression("\\.?0+$")); }

double var(const QString &sum) { return dm().frVariables.value("v_" + sum).toDouble(); }

// "rAk,aM3ha,tEha1,fakeszl" of the grand-total variables.
QString grandSums()
{
    return QStringList{num(var("rAk")), num(var("aM3ha")), num(var("tEha1")), num(var("fakeszl"))}.join(',');
}

// "key:rAk,aM3ha,tEha1,fakeszl" per row of ZQ11; key = the grouping columns joined by "/".
QStringList listRows(int keyColumns)
{
    TQuery *q = dm().ZQ11;
    QStringList rows;
    for (int r = 0; r < q->rowCount(); ++r) {
        q->setCurrentRow(r);
        QStringList key;
        for (int c = 0; c < keyColumns; ++c) key << q->textAt(r, c);
        rows << key.join('/') + ':' + QStringList{num(q->asFloat("rAk")), num(q->asFloat("aM3ha")),
                                                  num(q->asFloat("tEha1")), num(q->asFloat("fakeszl"))}.join(',');
    }
    return rows;
}

void runTotals(TForm25 &f, int mode, bool detail, const QString &from, const QString &to)
{
    child<QRadioButton>(&f, QString("RadioButton%1").arg(mode))->setChecked(true);
    child<QCheckBox>(&f, "CheckBox1")->setChecked(detail);
    child<QLineEdit>(&f, "Edit1")->setText(from);
    child<QLineEdit>(&f, "Edit2")->setText(to);
    child<QPushButton>(&f, "Button3")->click();
}

void writeFieldList(const QStringList &lines)
{
    QFile f("mezo1.txt");
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write((lines.join("\r\n") + "\r\n").toUtf8());
}

// Opens the custom query and chooses the given entries (ticked) in this order.
void chooseColumns(TForm23 &f, const QStringList &entries, bool tick = true)
{
    auto *fields = child<QListWidget>(&f, "ListBox1");
    auto *order = child<QListWidget>(&f, "CheckListBox1");
    for (const QString &e : entries) {
        const auto found = fields->findItems(e, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(e));
        fields->setCurrentItem(found.first());
        f.CheckListBox1DragDrop(fields);
        if (tick) order->item(order->count() - 1)->setCheckState(Qt::Checked);
    }
}

QStringList entries(QListWidget *list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i) t << list->item(i)->text();
    return t;
}

} // namespace

class TestQueries : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void totalsCountEachRowOnce_data();
    void totalsCountEachRowOnce();
    void everySumOfTheGrandTotal();
    void variablesAndTemplateInputs_data();
    void variablesAndTemplateInputs();
    void lotNumberModeIgnoresHiddenSettlement();
    void groupMarkReset();
    void groupMarkResetFailureStillTotals();
    void demoTotalsMatchPerTableSums_data();
    void demoTotalsMatchPerTableSums();
    void customQueryGroupsAndOrders_data();
    void customQueryGroupsAndOrders();
    void customQueryWithNothingTicked();
    void customQueryHeader_data();
    void customQueryHeader();
    void customQueryPrintout_data();
    void customQueryPrintout();
    void dragAndDropRules();
    void fromSetsBothBoundsToOnlyUpper();

private:
    std::unique_ptr<TestDb> m_db;
    std::unique_ptr<MessageRecorder> m_rec;
};

void TestQueries::initTestCase() {}

void TestQueries::cleanupTestCase()
{
    m_rec.reset();
    m_db.reset();
}

void TestQueries::init()
{
    // One data module at a time: cases with a database of their own drop this one.
    if (!m_db) {
        m_db = std::make_unique<TestDb>(Content::Seed);
        insertCompartments(*m_db);
    }
    shared::resetAll();
    dm().frVariables.clear();
    m_rec.reset();   // its destructor puts the real message boxes back
    m_rec = std::make_unique<MessageRecorder>();
}

void TestQueries::totalsCountEachRowOnce_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("detail");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("grand");    // rAk,aM3ha,tEha1,fakeszl
    QTest::addColumn<QStringList>("rows");
    // 10001: RAK 10 once (not six times), stand rows 200+100 once, felling rows 1+2+3 once;
    // fakeszl per stand row: (2011-2008)*5*4+200 = 260, 3*3*4+100 = 136; 10002: 1*2*2+50 = 54.
    QTest::newRow("település") << 1 << false << "Bak" << "Bak" << "15,350,6,450" << QStringList{"Bak:15,350,6,450"};
    QTest::newRow("település tételes") << 1 << true << "Bak" << "Bak" << "15,350,6,450"
                                       << QStringList{"10001/Bak:10,300,6,396", "10002/Bak:5,50,0,54"};
    QTest::newRow("fafaj") << 2 << false << "CS" << "KST" << "15,350,6,450"
                           << QStringList{"CS:10,100,6,136", "KST:15,250,6,314"};
    QTest::newRow("fafaj tételes") << 2 << true << "CS" << "KST" << "15,350,6,450"
                                   << QStringList{"10001/CS:10,100,6,136", "10001/KST:10,200,6,260",
                                                  "10002/KST:5,50,0,54"};
    // Without a felling row 10002 has no urgency and drops out.
    QTest::newRow("sürgősség") << 3 << false << "1" << "2" << "17,300,10,396"
                               << QStringList{"1:10,300,3,396", "2:17,300,7,396"};
    QTest::newRow("sürgősség tételes") << 3 << true << "1" << "2" << "17,300,10,396"
                                       << QStringList{"10001/1:10,300,3,396", "10001/2:10,300,3,396",
                                                      "10003/2:7,0,4,0"};
    QTest::newRow("gazdálkodó") << 4 << false << "G1" << "G1" << "17,300,10,396" << QStringList{"G1:17,300,10,396"};
    // Null managers (10004, 10005) never pass the range.
    QTest::newRow("gazdálkodó, null kiesik") << 4 << false << "" << "G9" << "22,350,10,450"
                                             << QStringList{"G1:17,300,10,396", "G2:5,50,0,54"};
    QTest::newRow("hrsz") << 5 << false << "011" << "011" << "12,50,4,54"
                          << QStringList{"011/Bak:5,50,0,54", "011/Csesztreg:7,0,4,0"};
    QTest::newRow("hrsz tételes") << 5 << true << "010" << "011" << "22,350,10,450"
                                  << QStringList{"10001/010/1/Bak:10,300,6,396", "10002/011/Bak:5,50,0,54",
                                                 "10003/011/Csesztreg:7,0,4,0"};
    // Empty bounds run from the first settlement (the empty one) to the last; the null one is dropped.
    QTest::newRow("üres határok") << 1 << false << "" << "" << "23,350,10,450"
                                  << QStringList{":1,0,0,0", "Bak:15,350,6,450", "Csesztreg:7,0,4,0"};
    QTest::newRow("alsó határ a felső fölött") << 1 << false << "Csesztreg" << "Bak" << "0,0,0,0" << QStringList{};
    QTest::newRow("tételes, semmi") << 2 << true << "Z" << "Zz" << "0,0,0,0" << QStringList{};
}

void TestQueries::totalsCountEachRowOnce()
{
    QFETCH(int, mode);
    QFETCH(bool, detail);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, grand);
    QFETCH(QStringList, rows);
    TForm25 f;
    runTotals(f, mode, detail, from, to);
    QCOMPARE(grandSums(), grand);
    QStringList got = listRows(mode == 5 ? 2 + detail : 1 + detail);
    if (detail) {   // detail rows are ordered by the grouping value only
        got.sort();
        rows.sort();
    }
    QCOMPARE(got, rows);
    QCOMPARE(dm().ZQ11->columnCount(), 22 + (mode == 5 ? 2 : 1) + (detail ? 1 : 0));
}

void TestQueries::everySumOfTheGrandTotal()
{
    TForm25 f;
    runTotals(f, 1, false, "Bak", "Bak");
    const QStringList expected{"15", "6", "1.5", "2", "4", "0.5", "200", "90", "180", "350", "1300", "10",
                               "6", "60", "120", "1", "5", "6", "0.5", "7", "8", "450"};
    QStringList got;
    for (const QString &name : totals::sumColumns()) got << num(var(name));
    QCOMPARE(got, expected);
    // The list row carries the same 22 columns under the same names, in order.
    QStringList names = dm().ZQ11->columnNames().mid(1);
    QStringList upper;
    for (const QString &n : totals::sumColumns()) upper << n.toUpper();
    QCOMPARE(names, upper);
}

void TestQueries::variablesAndTemplateInputs_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("melyik");
    QTest::newRow("1") << 1 << "Település: ";
    QTest::newRow("2") << 2 << "Fafaj: ";
    QTest::newRow("3") << 3 << "Sürgősség1: ";
    QTest::newRow("4") << 4 << "Gazdálkodó: ";
    QTest::newRow("5") << 5 << "Helyrajziszám: ";
}

void TestQueries::variablesAndTemplateInputs()
{
    QFETCH(int, mode);
    QFETCH(QString, melyik);
    TForm25 f;
    runTotals(f, mode, false, "A", "Ő");
    QCOMPARE(dm().frVariables.value("v_melyik").toString(), melyik);
    QCOMPARE(dm().frVariables.value("v_tol").toString(), QString("A-tól"));
    QCOMPARE(dm().frVariables.value("v_ig").toString(), QString("Ő-ig"));
    for (const QString &name : totals::sumColumns())
        QCOMPARE(dm().frVariables.value("v_" + name).typeId(), QMetaType::Double);
}

void TestQueries::lotNumberModeIgnoresHiddenSettlement()
{
    TForm25 f;
    child<QLineEdit>(&f, "Edit3")->setText("Bak");
    child<QLineEdit>(&f, "Edit4")->setText("Bak");
    runTotals(f, 5, false, "011", "011");
    QCOMPARE(listRows(2), (QStringList{"011/Bak:5,50,0,54", "011/Csesztreg:7,0,4,0"}));
}

void TestQueries::groupMarkReset()
{
    m_db->exec("UPDATE RESZLET SET RSZUR = 'jel' WHERE RKOD IN ('10001', '10003')");
    TForm25 f;
    runTotals(f, 1, false, "Bak", "Csesztreg");
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM RESZLET WHERE RSZUR IS DISTINCT FROM ''"), QString("0"));
    QCOMPARE(num(var("rAk")), QString("22"));
    runTotals(f, 2, false, "CS", "KST");
    QCOMPARE(dm().ZQ12->rowCount(), 1);   // one mark: one grand-total row
    QVERIFY(!m_rec->texts.contains("Hiba251: RSZUR, UPDATE a részletben "));

    m_db->exec("UPDATE RESZLET SET RSZUR = 'jel'");
    TForm23 q;
    q.show();
    q.Button1Click();
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM RESZLET WHERE RSZUR IS DISTINCT FROM ''"), QString("0"));
}

void TestQueries::groupMarkResetFailureStillTotals()
{
    m_db.reset();
    TestDb db(Content::Seed);
    MessageRecorder &rec = *m_rec;
    insertCompartments(db);
    db.exec("CREATE EXCEPTION E_NOPE 'tiltva'");
    db.exec("CREATE TRIGGER BU_NOPE FOR RESZLET BEFORE UPDATE AS BEGIN EXCEPTION E_NOPE; END");
    TForm25 f;
    runTotals(f, 1, false, "Bak", "Bak");
    QCOMPARE(rec.texts.value(0).section('\n', 0, 0), QString("Hiba251: RSZUR, UPDATE a részletben "));
    QVERIFY(rec.texts.value(0).section('\n', 1).contains("tiltva"));
    // The marks still differ ('x', 'y'); the grand total still covers both.
    QCOMPARE(listRows(1), QStringList{"Bak:15,350,6,450"});
    QCOMPARE(grandSums(), QString("15,350,6,450"));
    runTotals(f, 2, false, "CS", "KST");   // the species total has a statement of its own
    QCOMPARE(grandSums(), QString("15,350,6,450"));

    rec.clear();
    TForm23 q;
    writeFieldList({"RHELYSEG"});
    q.show();
    chooseColumns(q, {"RHELYSEG"});
    q.Button1Click();
    QCOMPARE(rec.texts.value(0).section('\n', 0, 0), QString("Hiba231: RSZUR, UPDATE a részletben "));
    QVERIFY(rec.texts.value(0).section('\n', 1).contains("tiltva"));
    QVERIFY(dm().ZQ11->isOpen());
}

void TestQueries::demoTotalsMatchPerTableSums_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("perTable");   // expected per group, from each table on its own
    QTest::newRow("település") << 1 << "RHELYSEG"
        << "SELECT RHELYSEG, (SELECT SUM(RAK) FROM RESZLET R2 WHERE R2.RHELYSEG = R.RHELYSEG),"
           " (SELECT SUM(AM3HA) FROM ALLOMANY JOIN RESZLET R2 ON ARKOD = R2.RKOD WHERE R2.RHELYSEG = R.RHELYSEG),"
           " (SELECT SUM(TEHA1) FROM TERMELES JOIN RESZLET R2 ON TRKOD = R2.RKOD WHERE R2.RHELYSEG = R.RHELYSEG)"
           " FROM RESZLET R WHERE RHELYSEG IS NOT NULL GROUP BY RHELYSEG";
    QTest::newRow("gazdálkodó") << 4 << "RGAZD"
        << "SELECT RGAZD, (SELECT SUM(RAK) FROM RESZLET R2 WHERE R2.RGAZD = R.RGAZD),"
           " (SELECT SUM(AM3HA) FROM ALLOMANY JOIN RESZLET R2 ON ARKOD = R2.RKOD WHERE R2.RGAZD = R.RGAZD),"
           " (SELECT SUM(TEHA1) FROM TERMELES JOIN RESZLET R2 ON TRKOD = R2.RKOD WHERE R2.RGAZD = R.RGAZD)"
           " FROM RESZLET R WHERE RGAZD IS NOT NULL GROUP BY RGAZD";
}

void TestQueries::demoTotalsMatchPerTableSums()
{
    QFETCH(int, mode);
    QFETCH(QString, column);
    QFETCH(QString, perTable);
    m_db.reset();
    TestDb db(Content::Demo);
    TQuery check(&dm(), "Check");
    check.load({perTable});
    check.open();
    QMap<QString, QString> expected;
    for (int r = 0; r < check.rowCount(); ++r) {
        check.setCurrentRow(r);
        expected[check.textAt(r, 0)] = QStringList{num(check.valueAt(r, 1).toDouble()), num(check.valueAt(r, 2).toDouble()),
                                                   num(check.valueAt(r, 3).toDouble())}.join(',');
    }
    check.close();
    QVERIFY(expected.size() > 1);
    TForm25 f;
    runTotals(f, mode, false, expected.firstKey(), expected.lastKey());
    QMap<QString, QString> got;
    TQuery *q = dm().ZQ11;
    for (int r = 0; r < q->rowCount(); ++r) {
        q->setCurrentRow(r);
        got[q->asString(column)] = QStringList{num(q->asFloat("rAk")), num(q->asFloat("aM3ha")),
                                               num(q->asFloat("tEha1"))}.join(',');
    }
    QCOMPARE(got, expected);
}

void TestQueries::customQueryGroupsAndOrders_data()
{
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("rows");
    // Nulls come first; the empty settlement before "Bak".
    QTest::newRow("egy oszlop") << QStringList{"RHELYSEG"}
                                << QStringList{":100,0,0,0", ":1,0,0,0", "Bak:15,350,6,450", "Csesztreg:7,0,4,0"};
    QTest::newRow("két tábla") << QStringList{"RHELYSEG", "AFAF"}
                               << QStringList{"/:100,0,0,0", "/:1,0,0,0", "Bak/CS:10,100,6,136",
                                              "Bak/KST:15,250,6,314", "Csesztreg/:7,0,4,0"};
    QTest::newRow("fordított sorrend") << QStringList{"AFAF", "RHELYSEG"}
                                       << QStringList{"/:100,0,0,0", "/:1,0,0,0", "/Csesztreg:7,0,4,0",
                                                      "CS/Bak:10,100,6,136", "KST/Bak:15,250,6,314"};
    QTest::newRow("két részletoszlop") << QStringList{"RGAZD", "RHELYSEG"}
                                       << QStringList{"/:100,0,0,0", "/:1,0,0,0", "G1/Bak:10,300,6,396",
                                                      "G1/Csesztreg:7,0,4,0", "G2/Bak:5,50,0,54"};
    QTest::newRow("sürgősség és gazdálkodó") << QStringList{"TSURG1", "RGAZD"}
                                             << QStringList{"/:101,0,0,0", "/G2:5,50,0,54",
                                                            "1/G1:10,300,3,396", "2/G1:17,300,7,396"};
}

void TestQueries::customQueryGroupsAndOrders()
{
    QFETCH(QStringList, columns);
    QFETCH(QStringList, rows);
    writeFieldList({"RHELYSEG", "RGAZD", "AFAF", "TSURG1"});
    TForm23 f;
    f.show();
    chooseColumns(f, columns);
    f.Button1Click();
    QCOMPARE(listRows(columns.size()), rows);
    // Every compartment once in the grand total, whatever is ticked.
    QCOMPARE(grandSums(), QString("123,350,10,450"));
    // The ticked columns come under their places' names, headed in the grid by the entries.
    auto *grid = child<SlotGrid>(&f, "DBGrid1");
    for (int i = 0; i < columns.size(); ++i) {
        QCOMPARE(dm().ZQ11->columnNames().value(i), QString("K%1").arg(i + 1));
        QCOMPARE(grid->model()->headerData(i, Qt::Horizontal).toString(), columns[i]);
    }
    QCOMPARE(child<QPlainTextEdit>(&f, "Memo1")->toPlainText(), columns.join('\n'));
}

void TestQueries::customQueryWithNothingTicked()
{
    writeFieldList({"RHELYSEG", "AFAF"});
    TForm23 f;
    f.show();
    chooseColumns(f, {"RHELYSEG"}, false);
    f.Button1Click();
    QCOMPARE(m_rec->texts.size(), 1);     // the database's refusal, nothing printed
    QVERIFY(!m_rec->last().startsWith("Hiba23"));
    QVERIFY(!dm().ZQ11->isOpen());
    QCOMPARE(num(var("rAk")), QString("123"));   // set before the refusal
}

void TestQueries::customQueryHeader_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("header");
    QTest::newRow("rövid") << QStringList{"RHELYSEG"} << "RHELYSEG        ";
    QTest::newRow("hosszú") << QStringList{"RESZLET.RHELYSEG_HOSSZU"} << "RESZLET.RHELYSEG";
    QTest::newRow("kettő") << QStringList{"RHELYSEG", "AFAF"} << "RHELYSEG         AFAF            ";
    QTest::newRow("üres sor") << QStringList{""} << QString(15, ' ');
}

void TestQueries::customQueryHeader()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, header);
    QCOMPARE(totals::headerText(lines), header);
}

void TestQueries::customQueryPrintout_data()
{
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QStringList>("rows");
    // A null group value and an empty one must not print alike.
    QTest::newRow("egy oszlop") << QStringList{"RHELYSEG"}
                                << QStringList{"RHELYSEG", "Aranykorona (AK)", "Terület (ha)"}
                                << QStringList{"(nincs adat)", "", "Bak", "Csesztreg"};
    QTest::newRow("két tábla") << QStringList{"RHELYSEG", "AFAF"}
                               << QStringList{"RHELYSEG", "AFAF", "Aranykorona (AK)"}
                               << QStringList{"(nincs adat)/(nincs adat)", "/(nincs adat)", "Bak/CS", "Bak/KST",
                                              "Csesztreg/(nincs adat)"};
}

// The printed list: its columns headed by the ticked entries and the sums' names.
void TestQueries::customQueryPrintout()
{
    QFETCH(QStringList, columns);
    QFETCH(QStringList, headings);
    QFETCH(QStringList, rows);
    writeFieldList({"RHELYSEG", "RGAZD", "AFAF", "TSURG1"});
    QFile::copy(QStringLiteral(ZELKOR_SOURCE_DIR "/reports/Erdolekerdez.frf"), "Erdolekerdez.frf");
    QList<QStringList> table;
    report::setPreviewHandler([&](const report::PreparedReport &r) { table = r.tableTexts(); });
    TForm23 f;
    f.show();
    chooseColumns(f, columns);
    f.Button1Click();
    report::setPreviewHandler({});
    QVERIFY2(m_rec->texts.isEmpty(), qPrintable(m_rec->texts.join('|')));
    QVERIFY(table.size() > rows.size());
    QCOMPARE(table[0].size(), columns.size() + 22);
    QCOMPARE(table[0].mid(0, headings.size()), headings);
    QCOMPARE(table[0].last(), QString("Tárgyévi fakészlet (m³)"));
    QStringList printed;
    for (int r = 1; r <= rows.size(); ++r) printed << QStringList(table[r].mid(0, columns.size())).join('/');
    QCOMPARE(printed, rows);
    // The row variables themselves keep a null as the empty text.
    QCOMPARE(dm().X[columns.size() - 1], columns.size() == 1 ? QString("Csesztreg") : QString());
}

void TestQueries::dragAndDropRules()
{
    writeFieldList({"RHELYSEG", "AFAF", "RHELYSEG", "TSURG1"});
    TForm23 f;
    f.show();
    auto *fields = child<QListWidget>(&f, "ListBox1");
    auto *order = child<QListWidget>(&f, "CheckListBox1");
    chooseColumns(f, {"RHELYSEG", "AFAF", "TSURG1"});
    QCOMPARE(entries(order), (QStringList{"RHELYSEG", "AFAF", "TSURG1"}));
    QCOMPARE(entries(fields), QStringList{"RHELYSEG"});
    // The second copy finds its twin chosen: both lists stay as they are.
    fields->setCurrentRow(0);
    f.CheckListBox1DragDrop(fields);
    QCOMPARE(entries(fields), QStringList{"RHELYSEG"});
    QCOMPARE(order->count(), 3);
    // A drop from the list itself does nothing.
    f.CheckListBox1DragDrop(order);
    QCOMPARE(order->count(), 3);
    // Back to the field list: ticked entries not already there, last to first; unticked stay.
    order->item(1)->setCheckState(Qt::Unchecked);
    f.ListBox1DragDrop(order);
    QCOMPARE(entries(fields), (QStringList{"RHELYSEG", "TSURG1"}));
    QCOMPARE(entries(order), (QStringList{"RHELYSEG", "AFAF"}));
    QCOMPARE(order->item(0)->checkState(), Qt::Checked);
}

void TestQueries::fromSetsBothBoundsToOnlyUpper()
{
    TForm25 f;
    f.show();
    child<QRadioButton>(&f, "RadioButton3")->setChecked(true);
    QStringList modes;
    ModalScript script;
    auto pick = [&modes](const QString &v1, const QString &v2) {
        return [&modes, v1, v2](QDialog *) {
            modes << shared::rangeMode;
            shared::pickValue1 = v1;
            shared::pickValue2 = v2;
            return int(QDialog::Accepted);
        };
    };
    script.add(pick("1", "Azonnali"));
    script.add(pick("2", "Sürgős"));
    child<QPushButton>(&f, "Button1")->click();
    QCOMPARE(child<QLineEdit>(&f, "Edit1")->text(), QString("1"));
    QCOMPARE(child<QLineEdit>(&f, "Edit2")->text(), QString("1"));
    QCOMPARE(child<QLineEdit>(&f, "Edit3")->text(), QString("Azonnali"));
    QCOMPARE(child<QLineEdit>(&f, "Edit4")->text(), QString("Azonnali"));
    child<QPushButton>(&f, "Button2")->click();
    QCOMPARE(child<QLineEdit>(&f, "Edit1")->text(), QString("1"));
    QCOMPARE(child<QLineEdit>(&f, "Edit2")->text(), QString("2"));
    QCOMPARE(child<QLineEdit>(&f, "Edit3")->text(), QString("Azonnali"));
    QCOMPARE(child<QLineEdit>(&f, "Edit4")->text(), QString("Sürgős"));
    QCOMPARE(modes, (QStringList{"3", "3"}));
    // A cancelled pick still takes the last picked values.
    child<QPushButton>(&f, "Button2")->click();
    QCOMPARE(child<QLineEdit>(&f, "Edit2")->text(), QString("2"));
}

QTEST_MAIN(TestQueries)
#include "test_queries.moc"
