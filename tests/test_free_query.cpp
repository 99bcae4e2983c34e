// The free query grouped by columns of the stand and felling rows: its one-pass
// statement gives exactly the lines and sums of the statement that numbers the
// joined rows, on the demo register with compartments that have no stand or
// felling rows and sub-records whose grouping values are null.
#include "TestSupport.h"
#include "queries/Totals.h"
#include <QtTest>

using namespace testsupport;

namespace {

// Every row of the statement, every column as text (sums to 6 decimals).
QStringList allRows(const QStringList &statement, const QString &from = {}, const QString &to = {})
{
    TQuery q(&dm(), "Compare");
    q.load(statement);
    if (statement.join(' ').contains(":p1")) {
        q.setText("p1", from);
        q.setText("p2", to);
    }
    q.open();
    QStringList rows;
    for (int r = 0; r < q.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < q.columnNames().size(); ++c) {
            const QVariant v = q.valueAt(r, c);
            if (v.isNull())
                cells << QStringLiteral("(null)");
            else if (c >= q.columnNames().size() - totals::sumColumns().size())
                cells << QString::number(v.toDouble(), 'f', 6);
            else
                cells << v.toString();
        }
        rows << cells.join(u'|');
    }
    const QStringList names = q.columnNames();
    q.close();
    rows.prepend(names.join(u'|'));
    return rows;
}

} // namespace

class TestFreeQuery : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void onePassMatchesNumbered_data();
    void onePassMatchesNumbered();
    void totalsListsMatchNumbered_data();
    void totalsListsMatchNumbered();

private:
    std::unique_ptr<TestDb> m_db;
};

void TestFreeQuery::initTestCase()
{
    m_db = std::make_unique<TestDb>(Content::Demo);
    // Besides the demo: a compartment with neither stand nor felling rows, one
    // whose stand and felling rows have no species or urgency, one with no settlement.
    m_db->exec("INSERT INTO RESZLET (RKOD, RHELYSEG, RGAZD, RAK, RRHA, REV, RTEV)"
               " VALUES ('99901', 'Bak', 'G9', 3, 2, 2010, 2011)");
    m_db->exec("INSERT INTO RESZLET (RKOD, RHELYSEG, RGAZD, RAK, RRHA, REV, RTEV)"
               " VALUES ('99902', 'Bak', NULL, 4, 1, 2008, 2011)");
    m_db->exec("INSERT INTO RESZLET (RKOD, RAK, RRHA, REV, RTEV) VALUES ('99903', 9, 5, 2011, 2011)");
    m_db->exec("INSERT INTO ALLOMANY (ARKOD, AEANY, AM3HA, ANOVENDEK) VALUES ('99902', 50, 120, 4)");
    m_db->exec("INSERT INTO ALLOMANY (ARKOD, AFAF, AEANY, AM3HA, ANOVENDEK) VALUES ('99902', 'KST', 50, 80, 2)");
    m_db->exec("INSERT INTO TERMELES (TRKOD, TEHA1, TM3EV1) VALUES ('99902', 1.5, 12)");
    m_db->exec("INSERT INTO TERMELES (TRKOD, TSURG1, TEHA1, TM3EV1) VALUES ('99903', '1', 2, 20)");
    QVERIFY(m_db->scalar("SELECT COUNT(*) FROM RESZLET WHERE NOT EXISTS "
                         "(SELECT 1 FROM ALLOMANY WHERE ARKOD = RKOD)").toInt() > 1);
}

void TestFreeQuery::cleanupTestCase()
{
    m_db.reset();
}

void TestFreeQuery::onePassMatchesNumbered_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("település, fafaj") << QStringList{"RHELYSEG", "AFAF"};
    QTest::newRow("fafaj, település") << QStringList{"AFAF", "RHELYSEG"};
    QTest::newRow("fafaj") << QStringList{"AFAF"};
    QTest::newRow("sürgősség") << QStringList{"TSURG1"};
    QTest::newRow("fafaj, sürgősség") << QStringList{"AFAF", "TSURG1"};
    QTest::newRow("gazdálkodó, sürgősség, mód") << QStringList{"RGAZD", "TSURG1", "AMOD"};
    QTest::newRow("három tábla, minősítve") << QStringList{"TERMELES.TJELE", "RESZLET.RHELYSEG", "ALLOMANY.AER"};
    QTest::newRow("kétszer ugyanaz") << QStringList{"AFAF", "allomany.afaf"};
    QTest::newRow("azonosítók") << QStringList{"IDA", "RHELYSEG"};
}

void TestFreeQuery::onePassMatchesNumbered()
{
    QFETCH(QStringList, lines);
    const QStringList onePass = totals::customStatement(lines);
    const QStringList numbered = totals::numberedCustomStatement(lines);
    QVERIFY(!onePass.join(' ').contains("ROW_NUMBER"));
    const QStringList expected = allRows(numbered);
    QVERIFY(expected.size() > 3);
    QCOMPARE(allRows(onePass), expected);
}

// The totals window's lists (one pass from the table the range is on) against
// the numbered statement over the same keys and range.
void TestFreeQuery::totalsListsMatchNumbered_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("detail");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    const char *keys[] = {"RHELYSEG", "aFAF", "TSURG1", "RGAZD", "RHRSZ, RHELYSEG"};
    const char *narrow[][2] = {{"B", "K"}, {"B", "K"}, {"1", "1"}, {"B", "K"}, {"0", "5"}};
    for (int mode = 1; mode <= 5; ++mode)
        for (bool detail : {false, true}) {
            const QString k = (detail ? QStringLiteral("RKOD, ") : QString()) + QLatin1String(keys[mode - 1]);
            QTest::addRow("mód %d %s", mode, detail ? "tételes" : "összesítő") << mode << detail << k << "" << "zzzzzz";
            QTest::addRow("mód %d %s, szűk", mode, detail ? "tételes" : "összesítő") << mode << detail << k
                << narrow[mode - 1][0] << narrow[mode - 1][1];
        }
}

void TestFreeQuery::totalsListsMatchNumbered()
{
    QFETCH(int, mode);
    QFETCH(bool, detail);
    QFETCH(QString, keys);
    QFETCH(QString, from);
    QFETCH(QString, to);
    const QStringList list = totals::listStatement(mode, detail);
    const QStringList numbered = totals::groupedStatement(
        list.first().left(list.first().indexOf(QRegularExpression("(SUM|MAX)\\("))), keys, keys,
        totals::rangeLine(mode, detail ? 2 : 1), list.mid(list.size() - 2));
    QVERIFY(!list.join(' ').contains("ROW_NUMBER"));
    try {
        const QStringList expected = allRows(numbered, from, to);
        QVERIFY(expected.size() > 1);
        QCOMPARE(allRows(list, from, to), expected);
        // The grand total over the same range, grouped by the compartments' mark.
        const QString range = totals::rangeLine(mode, 0);
        const QStringList total = allRows(totals::grandTotalStatement(range), from, to);
        QCOMPARE(total.size(), 2);
        QCOMPARE(total, allRows(totals::groupedStatement("SELECT RSZUR, ", "RSZUR", "RSZUR", range,
                                                         {" GROUP BY RSZUR "}), from, to));
    } catch (const std::exception &e) {
        QFAIL(e.what());
    }
}

QTEST_MAIN(TestFreeQuery)
#include "test_free_query.moc"
