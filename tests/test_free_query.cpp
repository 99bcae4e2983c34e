// The free query grouped by columns of the stand and felling rows: its one-pass
// statement gives exactly the lines and sums of the statement that numbers the
// joined rows, on the demo register with compartments that have no stand or
// felling rows and sub-records whose grouping values are null.
#include "TestSupport.h"
#include "XlsxReader.h"
#include "queries/CustomQuery.h"
#include "queries/GrandTotals.h"
#include "queries/Totals.h"
#include "report/Report.h"
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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

// "Nyomtatás" of the totals window in a mode, summary or detail, with the bounds typed.
void clickTotals(int mode, bool detail, const QString &from, const QString &to)
{
    TForm25 f;
    child<QRadioButton>(&f, QString("RadioButton%1").arg(mode))->setChecked(true);
    child<QCheckBox>(&f, "CheckBox1")->setChecked(detail);
    child<QLineEdit>(&f, "Edit1")->setText(from);
    child<QLineEdit>(&f, "Edit2")->setText(to);
    child<QPushButton>(&f, "Button3")->click();
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
    void clickGrandTotalMatchesStatement_data();
    void clickGrandTotalMatchesStatement();
    void emptyBoundsMeanWholeRange_data();
    void emptyBoundsMeanWholeRange();
    void everyColumnAndSumPrinted_data();
    void everyColumnAndSumPrinted();
    void keyboardMovesAndTickLimit();
    void sumsNotTakenByTickedColumns_data();
    void sumsNotTakenByTickedColumns();

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
    report::setPreviewHandler([](const report::PreparedReport &) {});
    for (const QFileInfo &t : QDir(QStringLiteral(ZELKOR_SOURCE_DIR "/reports")).entryInfoList({"*.frf"}))
        QFile::copy(t.absoluteFilePath(), t.fileName());
}

void TestFreeQuery::cleanupTestCase()
{
    report::setPreviewHandler({});
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
    QTest::newRow("sürgősség, gazdálkodó, jelleg") << QStringList{"TSURG1", "RGAZD", "TJELE"};
    QTest::newRow("település kétszer") << QStringList{"RHELYSEG", "reszlet.rhelyseg"};
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
        // The grand total over the same range against the numbered rows in one group (the mark).
        const QString range = totals::rangeLine(mode, 0);
        const QStringList total = allRows(totals::grandTotalStatement(range), from, to);
        QStringList numberedTotal = allRows(totals::groupedStatement("SELECT RSZUR, ", "RSZUR", "RSZUR", range,
                                                                     {" GROUP BY RSZUR "}), from, to);
        for (QString &row : numberedTotal) row = row.section(u'|', 1);
        QCOMPARE(total.size(), 2);
        QCOMPARE(total, numberedTotal);
    } catch (const std::exception &e) {
        QFAIL(e.what());
    }
}

// A "Nyomtatás" click's grand total, summed from the list's lines where they
// hold every row once and by its own statement elsewhere, against the
// grand-total statement over the same range. Mode 0: the custom query.
void TestFreeQuery::clickGrandTotalMatchesStatement_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("detail");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("columns");
    const char *narrow[][2] = {{"B", "K"}, {"B", "K"}, {"1", "1"}, {"B", "K"}, {"0", "5"}};
    for (int mode = 1; mode <= 5; ++mode)
        for (bool detail : {false, true}) {
            QTest::addRow("mód %d %s", mode, detail ? "tételes" : "összesítő")
                << mode << detail << "" << "zzzzzz" << QStringList{};
            QTest::addRow("mód %d %s, szűk", mode, detail ? "tételes" : "összesítő")
                << mode << detail << narrow[mode - 1][0] << narrow[mode - 1][1] << QStringList{};
        }
    QTest::newRow("egyedi: település") << 0 << false << "" << "" << QStringList{"RHELYSEG"};
    QTest::newRow("egyedi: gazdálkodó, település") << 0 << false << "" << "" << QStringList{"RGAZD", "RHELYSEG"};
    QTest::newRow("egyedi: település, fafaj") << 0 << false << "" << "" << QStringList{"RHELYSEG", "AFAF"};
}

void TestFreeQuery::clickGrandTotalMatchesStatement()
{
    QFETCH(int, mode);
    QFETCH(bool, detail);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, columns);
    MessageRecorder rec;
    dm().frVariables.clear();
    if (mode == 0) {
        QFile list("mezo1.txt");
        QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        list.write((columns.join("\r\n") + "\r\n").toUtf8());
        list.close();
        TForm23 f;
        f.show();
        auto *fields = child<QListWidget>(&f, "ListBox1");
        auto *order = child<QListWidget>(&f, "CheckListBox1");
        for (const QString &c : columns) {
            fields->setCurrentItem(fields->findItems(c, Qt::MatchExactly).value(0));
            f.CheckListBox1DragDrop(fields);
            order->item(order->count() - 1)->setCheckState(Qt::Checked);
        }
        f.Button1Click();
    } else {
        clickTotals(mode, detail, from, to);
    }
    QCOMPARE(rec.texts, QStringList{});
    QVERIFY(dm().ZQ11->rowCount() > 0);

    const QStringList total = allRows(totals::grandTotalStatement(mode ? totals::rangeLine(mode, 0) : QString()),
                                      from, to);
    QCOMPARE(total.size(), 2);   // the header and the one row
    const QStringList cells = total[1].split(u'|');
    QStringList expected, got;
    for (int i = 0; i < totals::sumColumns().size(); ++i) {
        expected << (cells.value(i) == "(null)" ? QString::number(0.0, 'f', 6) : cells.value(i));
        got << QString::number(dm().frVariables.value("v_" + totals::sumColumns()[i]).toDouble(), 'f', 6);
    }
    QCOMPARE(got, expected);
}

void TestFreeQuery::emptyBoundsMeanWholeRange_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("detail");
    QTest::addColumn<bool>("emptyFrom");
    QTest::addColumn<bool>("emptyTo");
    for (int mode = 1; mode <= 5; ++mode)
        for (bool detail : {false, true}) {
            const char *kind = detail ? "tételes" : "összesítő";
            QTest::addRow("mód %d %s, üres tól-ig", mode, kind) << mode << detail << true << true;
            QTest::addRow("mód %d %s, üres tól", mode, kind) << mode << detail << true << false;
            QTest::addRow("mód %d %s, üres ig", mode, kind) << mode << detail << false << true;
        }
}

// An empty "Tól" starts at the first value of the mode's column, an empty
// "Ig" ends at its last: the lines and the grand total are those of the
// range typed from the first value to the last.
void TestFreeQuery::emptyBoundsMeanWholeRange()
{
    QFETCH(int, mode);
    QFETCH(bool, detail);
    QFETCH(bool, emptyFrom);
    QFETCH(bool, emptyTo);
    const char *column[] = {"RHELYSEG FROM RESZLET", "AFAF FROM ALLOMANY", "TSURG1 FROM TERMELES",
                            "RGAZD FROM RESZLET", "RHRSZ FROM RESZLET"};
    const QString c = QString::fromLatin1(column[mode - 1]);
    const QString first = m_db->scalar("SELECT MIN(" + c.section(' ', 0, 0) + ") " + c.section(' ', 1));
    const QString last = m_db->scalar("SELECT MAX(" + c.section(' ', 0, 0) + ") " + c.section(' ', 1));
    QVERIFY(!first.isEmpty() && first != last);
    auto click = [&](const QString &from, const QString &to) {
        MessageRecorder rec;
        dm().frVariables.clear();
        QString printed;
        report::setPreviewHandler([&](const report::PreparedReport &r) { printed = r.toPlainText(); });
        clickTotals(mode, detail, from, to);
        report::setPreviewHandler([](const report::PreparedReport &) {});
        [&] { QCOMPARE(rec.texts, QStringList{}); }();
        QStringList got{printed.remove(QRegularExpression("Nyomtatva: \\S+ \\S+"))};
        for (const QString &s : totals::sumColumns())
            got << QString::number(dm().frVariables.value("v_" + s).toDouble(), 'f', 6);
        return got;
    };
    const QStringList whole = click(first, last);
    QVERIFY(!whole.first().contains("A megadott tartományban nincs adat."));
    QCOMPARE(click(emptyFrom ? QString() : first, emptyTo ? QString() : last), whole);
}

namespace {

// Writes the field list and opens the window on it.
void writeFieldList(const QStringList &lines)
{
    QFile list("mezo1.txt");
    QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
    list.write((lines.join("\r\n") + "\r\n").toUtf8());
}

// "A", ..., "Z", "AA", ...: a worksheet column's letters.
QString columnLetters(int c)
{
    QString s;
    for (++c; c > 0; c = (c - 1) / 26) s.prepend(QChar(u'A' + (c - 1) % 26));
    return s;
}

} // namespace

void TestFreeQuery::everyColumnAndSumPrinted_data()
{
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("egy mező") << QStringList{"RHELYSEG"};
    QTest::newRow("két mező") << QStringList{"RHELYSEG", "AFAF"};
    QTest::newRow("három mező") << QStringList{"RHELYSEG", "AFAF", "TSURG1"};
    QTest::newRow("tizenhárom mező") << QStringList{"RHELYSEG", "RTAG", "RRESZLET", "RHRSZ", "RGAZD", "RTUL", "RKORZET",
                                                   "RILL", "RFATIP", "RKELE", "RTERNEV", "REV", "AFAF"};
}

// The printed list and its workbook hold every ticked column and all 22
// sums, the sums as numbers equal to the list's values at full precision.
// The window is driven by keys: Enter takes a field, Space ticks it.
void TestFreeQuery::everyColumnAndSumPrinted()
{
    QFETCH(QStringList, columns);
    writeFieldList(columns);
    MessageRecorder rec;
    dm().frVariables.clear();
    report::PreparedReport printed;
    report::setPreviewHandler([&](const report::PreparedReport &r) { printed = r; });
    TForm23 f;
    f.show();
    auto *fields = child<QListWidget>(&f, "ListBox1");
    auto *order = child<QListWidget>(&f, "CheckListBox1");
    fields->setFocus();
    fields->setCurrentRow(0);
    for (int i = 0; i < columns.size(); ++i) QTest::keyClick(fields, Qt::Key_Return);
    QCOMPARE(fields->count(), 0);
    for (int i = 0; i < columns.size(); ++i) {
        order->setCurrentRow(i);
        QTest::keyClick(order, Qt::Key_Space);
    }
    QCOMPARE(f.tickedEntries(), columns);
    f.Button1Click();
    report::setPreviewHandler([](const report::PreparedReport &) {});
    QCOMPARE(rec.texts, QStringList{});
    const TQuery *list = dm().ZQ11;
    const int n = int(columns.size());
    QVERIFY(list->rowCount() > 1);

    const QList<QStringList> table = printed.tableTexts();
    const QStringList sums{"Aranykorona (AK)", "Terület (ha)", "Alsó szint (ha)", "Eddigi végh. (ha)",
        "Felúj. szint (ha)", "Kötelez. terület (ha)", "Elegy-arány (%)", "Kor (év)", "Törzsszám (db/ha)",
        "Fakészlet (m³/ha)", "Fakészlet részletben (m³)", "Folyó növedék (m³/ha/év)", "1. érintett terület (ha)",
        "1. fatömeg évente (m³/év)", "1. fatömeg részletben (m³)", "2. érintett terület (ha)",
        "2. fatömeg évente (m³/év)", "2. fatömeg részletben (m³)", "3. érintett terület (ha)",
        "3. fatömeg évente (m³/év)", "3. fatömeg részletben (m³)", "Tárgyévi fakészlet (m³)"};
    QCOMPARE(table.value(0), columns + sums);
    QCOMPARE(table.size(), list->rowCount() + 2);   // the heading, the lines, the line count
    const QString book = QDir::current().filePath("lista.xlsx");
    QString error;
    QVERIFY2(printed.writeXlsx(book, &error), qPrintable(error));
    const testxlsx::Sheet sheet = testxlsx::readXlsx(book);
    for (int r = 0; r < list->rowCount(); ++r) {
        for (int c = 0; c < n; ++c) {
            const QString value = list->valueAt(r, c).isNull() ? QString("(nincs adat)") : list->textAt(r, c);
            QCOMPARE(table[r + 1].value(c), value);
        }
        for (int j = 0; j < sums.size(); ++j) {
            const QVariant v = list->valueAt(r, list->columnIndex(totals::sumColumns()[j]));
            const testxlsx::SheetCell cell = sheet.cells.value(columnLetters(n + j) + QString::number(r + 2));
            if (v.isNull()) {
                QVERIFY(cell.text.isEmpty());
                continue;
            }
            QVERIFY2(cell.number, qPrintable(QString("%1%2: %3").arg(columnLetters(n + j)).arg(r + 2).arg(cell.text)));
            const double stored = cell.text.toDouble(), expected = v.toDouble();
            QVERIFY2(qAbs(stored - expected) <= 1e-14 * qMax(1.0, qAbs(expected)),
                     qPrintable(QString("%1 != %2").arg(cell.text).arg(expected, 0, 'g', 17)));
        }
    }
}

// Delete gives an entry of the order back, the buttons do what the keys do,
// and a tick past what the printed list holds is refused with the reason.
void TestFreeQuery::keyboardMovesAndTickLimit()
{
    QStringList lines;
    // Entries the field list accepts: arithmetic on a column.
    for (int i = 1; i <= 37; ++i) lines << QString("RAK+%1").arg(i);
    writeFieldList(lines);
    MessageRecorder rec;
    TForm23 f;
    f.show();
    auto *fields = child<QListWidget>(&f, "ListBox1");
    auto *order = child<QListWidget>(&f, "CheckListBox1");
    fields->setCurrentRow(1);
    QTest::keyClick(fields, Qt::Key_Return);
    child<QPushButton>(&f, "ButtonAdd")->click();
    QCOMPARE(order->count(), 2);
    QCOMPARE(order->item(0)->text(), QString("RAK+2"));
    QCOMPARE(order->item(1)->text(), QString("RAK+3"));
    order->setCurrentRow(0);
    QTest::keyClick(order, Qt::Key_Delete);
    QCOMPARE(order->count(), 1);
    QVERIFY(!fields->findItems("RAK+2", Qt::MatchExactly).isEmpty());
    child<QPushButton>(&f, "ButtonRemove")->click();
    QCOMPARE(order->count(), 0);
    QCOMPARE(fields->count(), 37);

    fields->setCurrentRow(0);
    for (int i = 0; i < 37; ++i) f.addCurrentField();
    QCOMPARE(order->count(), 37);
    for (int i = 0; i < 37; ++i) order->item(i)->setCheckState(Qt::Checked);
    QCOMPARE(f.tickedEntries().size(), 36);
    QCOMPARE(order->item(36)->checkState(), Qt::Unchecked);
    QCOMPARE(rec.texts, QStringList{"Legfeljebb 36 mező pipálható ki: a nyomtatott lista ennyi "
                                    "csoportosító oszlopnak ad helyet."});
}

void TestFreeQuery::sumsNotTakenByTickedColumns_data()
{
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<int>("sum");           // its place among the 22 sums
    QTest::addColumn<QString>("whole");     // the register's own total of that value
    QTest::newRow("terület") << QStringList{"RRHA"} << 1 << "SELECT SUM(RRHA) FROM RESZLET";
    QTest::newRow("település, aranykorona") << QStringList{"RHELYSEG", "RAK"} << 0 << "SELECT SUM(RAK) FROM RESZLET";
    QTest::newRow("fafaj, fakészlet") << QStringList{"AFAF", "AM3HA"} << 9 << "SELECT SUM(AM3HA) FROM ALLOMANY";
    QTest::newRow("érintett terület") << QStringList{"TEHA1"} << 12 << "SELECT SUM(TEHA1) FROM TERMELES";
}

// A ticked column named as a sum (RRHA beside the sum of RRHA) leaves the sum
// its own: the printed sums of the lines and the grand total add up to the register's.
void TestFreeQuery::sumsNotTakenByTickedColumns()
{
    QFETCH(QStringList, columns);
    QFETCH(int, sum);
    QFETCH(QString, whole);
    writeFieldList(columns);
    MessageRecorder rec;
    dm().frVariables.clear();
    report::PreparedReport printed;
    report::setPreviewHandler([&](const report::PreparedReport &r) { printed = r; });
    TForm23 f;
    f.show();
    auto *order = child<QListWidget>(&f, "CheckListBox1");
    child<QListWidget>(&f, "ListBox1")->setCurrentRow(0);
    for (int i = 0; i < columns.size(); ++i) f.addCurrentField();
    for (int i = 0; i < columns.size(); ++i) order->item(i)->setCheckState(Qt::Checked);
    f.Button1Click();
    report::setPreviewHandler([](const report::PreparedReport &) {});
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join(u'\n')));
    const double expected = m_db->scalar(whole).replace(u',', u'.').toDouble();
    QVERIFY(expected > 0);
    const QString book = QDir::current().filePath("lista.xlsx");
    QString error;
    QVERIFY2(printed.writeXlsx(book, &error), qPrintable(error));
    const testxlsx::Sheet sheet = testxlsx::readXlsx(book);
    const QString letters = columnLetters(int(columns.size()) + sum);
    double lines = 0;
    for (int r = 0; r < dm().ZQ11->rowCount(); ++r)
        lines += sheet.cells.value(letters + QString::number(r + 2)).text.toDouble();
    QCOMPARE(qRound64(lines * 100), qRound64(expected * 100));
    const QString total = QStringLiteral("v_") + totals::sumColumns()[sum];
    QCOMPARE(qRound64(dm().frVariables.value(total).toDouble() * 100), qRound64(expected * 100));
}

QTEST_MAIN(TestFreeQuery)
#include "test_free_query.moc"
