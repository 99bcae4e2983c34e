// The program on a Hungarian desk: numbers the engine and the Excel export
// write stay readable by every other program, while the user still sees them
// with a decimal comma. Registered under hu_HU.UTF-8 and C.UTF-8 like every test.
#include "TestSupport.h"
#include "queries/CustomQuery.h"
#include "queries/GrandTotals.h"
#include "report/PreviewDialog.h"
#include "report/Report.h"
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <clocale>
#include <cmath>

using namespace testsupport;

namespace {

bool hungarianRun() { return qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("hu_HU")); }

// The first sheet as Debian's openpyxl reads it, a reader that knows nothing of ours:
// each cell ["n", number] or ["s", text or null].
const char *kDumpSheet = R"(import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
json.dump([[["n", c.value] if isinstance(c.value, (int, float)) else ["s", c.value] for c in row]
           for row in ws.iter_rows()], sys.stdout)
)";

QJsonArray readBack(const QString &path, QString *error)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(kDumpSheet), path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        *error = QString::fromUtf8(p.readAllStandardError()).trimmed().split(u'\n').last();
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}

} // namespace

class TestLocale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void engineWritesNumbersInCForm_data();
    void engineWritesNumbersInCForm();
    void excelReadBack_data();
    void excelReadBack();
};

void TestLocale::initTestCase()
{
    // A run meant to be Hungarian where the locale is missing would pass for nothing.
    if (hungarianRun())
        QVERIFY2(QByteArray(std::setlocale(LC_CTYPE, nullptr)).startsWith("hu_HU"),
                 "hu_HU.UTF-8 is not generated here (scripts/install.sh generates it)");
}

void TestLocale::engineWritesNumbersInCForm_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("text");
    QTest::newRow("double as text") << "CAST(CAST(2.5 AS DOUBLE PRECISION) AS VARCHAR(30))" << "2.500000000000000";
    QTest::newRow("double joined to a text") << "'' || CAST(1234.5 AS DOUBLE PRECISION)" << "1234.500000000000";
}

void TestLocale::engineWritesNumbersInCForm()
{
    QFETCH(QString, expression);
    QFETCH(QString, text);
    TestDb db(Content::Seed);
    QCOMPARE(db.scalar("SELECT " + expression + " FROM RDB$DATABASE"), text);
    // What the user is shown keeps the desk's own form.
    QCOMPARE(QLocale().toString(2.5), QString(hungarianRun() ? "2,5" : "2.5"));
}

void TestLocale::excelReadBack_data()
{
    QTest::addColumn<int>("mode");   // the totals window's mode; 0: the free query
    QTest::addColumn<bool>("detail");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("települések") << 1 << false << QStringList{};
    QTest::newRow("fafajok tételesen") << 2 << true << QStringList{};
    QTest::newRow("sürgősség") << 3 << false << QStringList{};
    QTest::newRow("egyedi: település, fafaj") << 0 << false << QStringList{"RHELYSEG", "AFAF"};
}

// A list saved as Excel ("Mentés Excel-fájlba") reads back cell by cell as the
// list holds it: every number a number equal to the list's value, every text
// the same text. The free query's cells are held to whatever the list makes
// numbers, its sums included as soon as they are numbers.
void TestLocale::excelReadBack()
{
    QFETCH(int, mode);
    QFETCH(bool, detail);
    QFETCH(QStringList, columns);
    TestDb db(Content::Demo);
    for (const QFileInfo &t : QDir(QStringLiteral(ZELKOR_SOURCE_DIR "/reports")).entryInfoList({"*.frf"}))
        QFile::copy(t.absoluteFilePath(), db.dir() + "/" + t.fileName());
    MessageRecorder rec;
    report::PreparedReport printed;
    report::setPreviewHandler([&](const report::PreparedReport &r) { printed = r; });
    if (mode == 0) {
        QFile list(db.dir() + "/mezo1.txt");
        QVERIFY(list.open(QIODevice::WriteOnly));
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
        TForm25 f;
        child<QRadioButton>(&f, QString("RadioButton%1").arg(mode))->setChecked(true);
        child<QCheckBox>(&f, "CheckBox1")->setChecked(detail);
        child<QLineEdit>(&f, "Edit1")->setText("");
        child<QLineEdit>(&f, "Edit2")->setText("zzzzzz");
        child<QPushButton>(&f, "Button3")->click();
    }
    report::setPreviewHandler({});
    QCOMPARE(rec.texts, QStringList{});
    QVERIFY(printed.isListReport());

    const QString path = db.dir() + "/lista.xlsx";
    report::PreviewDialog preview(printed);
    QVERIFY(preview.saveTo(path));
    QString error;
    const QJsonArray sheet = readBack(path, &error);
    QVERIFY2(!sheet.isEmpty(), qPrintable("openpyxl: " + error));

    int row = 0, numbers = 0;
    QStringList faults;
    printed.forEachTableRow([&](const QList<report::TableCell> &cells) {
        const QJsonArray got = sheet.at(row).toArray();
        for (int c = 0; c < cells.size(); ++c) {
            const report::TableCell &cell = cells[c];
            const QJsonArray value = got.at(c).toArray();
            bool same;
            if (cell.numeric) {
                ++numbers;
                const double v = value.at(1).toDouble();
                // Excel keeps 15 significant digits; libxlsxwriter writes 16.
                same = value.at(0) == "n" && std::fabs(v - cell.value) <= 1e-15 * std::max(1.0, std::fabs(cell.value));
            } else {
                same = value.isEmpty() ? cell.text.isEmpty() : value.at(0) == "s" && value.at(1).toString() == cell.text;
            }
            if (!same)
                faults << QString("sor %1, oszlop %2: %3 helyett %4")
                              .arg(row + 1)
                              .arg(c + 1)
                              .arg(cell.numeric ? QString::number(cell.value, 'g', 17) : "„" + cell.text + "”",
                                   QString::fromUtf8(QJsonDocument(value).toJson(QJsonDocument::Compact)));
        }
        ++row;
    });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 5).join('\n')));
    QCOMPARE(row, sheet.size());
    if (mode) QVERIFY(numbers > 0);
}

QTEST_MAIN(TestLocale)
#include "test_locale.moc"
