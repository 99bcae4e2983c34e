// Every template printed through its window, from the demo register and from
// one whose values are as long as they get: no text cut short with "…", none
// wider than its cell, none touching another.
#include "TestSupport.h"
#include "queries/CustomQuery.h"
#include "queries/GrandTotals.h"
#include "register/CompartmentList.h"
#include "report/Builder.h"
#include "report/LayoutCheck.h"
#include "report/Report.h"
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

using namespace testsupport;

namespace {

enum Window { Sheet, Totals, Custom };

// The templates and the field list in the working folder, as the program finds them.
void copyReportFiles(const QString &dir)
{
    const QString src = QStringLiteral(ZELKOR_SOURCE_DIR);
    for (const QString &f : QDir(src + "/reports").entryList({"*.frf"})) QFile::copy(src + "/reports/" + f, dir + "/" + f);
    QFile::copy(src + "/data/mezo1.txt", dir + "/mezo1.txt");
}

// Prints through the window that prints the template; returns what the preview got.
report::PreparedReport printThroughWindow(Window window, int mode, bool detail)
{
    report::PreparedReport printed;
    report::setPreviewHandler([&](const report::PreparedReport &r) { printed = r; });
    if (window == Sheet) {
        TForm7 list;
        list.show();
        // The compartment with the most kinds of sub-records, first in code order.
        TQuery *q = dm().ZQ10;
        for (int r = 0; r < q->rowCount(); ++r)
            if (q->textAt(r, q->columnIndex("RKOD")) == "10001") q->setCurrentRow(r);
        list.Button6Click();
    } else if (window == Totals) {
        TForm25 w;
        w.show();
        w.findChild<QRadioButton *>(QString("RadioButton%1").arg(mode))->setChecked(true);
        w.findChild<QCheckBox *>("CheckBox1")->setChecked(detail);
        w.findChild<QLineEdit *>("Edit1")->setText("0");
        w.findChild<QLineEdit *>("Edit2")->setText("zzzz");
        w.Button3Click();
    } else {
        TForm23 f;
        f.show();
        auto *fields = f.findChild<QListWidget *>("ListBox1");
        auto *order = f.findChild<QListWidget *>("CheckListBox1");
        for (const char *e : {"RHELYSEG", "AFAF", "TSURG1"}) {
            fields->setCurrentItem(fields->findItems(e, Qt::MatchExactly).value(0));
            f.CheckListBox1DragDrop(fields);
            order->item(order->count() - 1)->setCheckState(Qt::Checked);
        }
        f.Button1Click();
    }
    report::setPreviewHandler({});
    return printed;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void faultsFound_data();
    void faultsFound();
    void totalsListsHeadingsAndNote_data();
    void totalsListsHeadingsAndNote();
};

void TestLayout::faultsFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fault");
    QTest::newRow("rendben") << "columns 1 9\nrow \"Fakészlet\" | \"Elegyarány\"" << "";
    QTest::newRow("csonka") << "columns 1 9\nrow \"Fakészlet részletben\" | \"x\""
                            << "1. oldal: „Fakészl…” csonka";
    QTest::newRow("kilóg") << "columns 1 9\nrow wrap \"Fakészletrészletben\" | \"x\""
                           << "1. oldal: „Fakészletrészletben” kilóg a cellájából";
    QTest::newRow("elválasztva") << "columns 1 9\nrow wrap \"Fa\\-készlet\\-rész\\-let\\-ben\" | \"x\"" << "";
    QTest::newRow("ismétlődő sor") << "columns 1 9\nrow \"Fakészlet részletben\" | \"x\"\nrow \"Fakészlet részletben\" | \"y\""
                                   << "1. oldal: „Fakészl…” csonka (2 helyen)";
}

// The check itself: it must see what a reader sees.
void TestLayout::faultsFound()
{
    QFETCH(QString, text);
    QFETCH(QString, fault);
    report::Report r;
    r.loadFromText(text, QStringLiteral("proba.frf"));
    const QStringList faults = report::layoutFaults(r.prepare({}));
    if (fault.isEmpty()) QCOMPARE(faults, QStringList());
    else QVERIFY2(!faults.isEmpty() && faults[0].startsWith(fault), qPrintable(faults.join('|')));

    // Two texts whose cells overlap touch, wherever their cells come from.
    report::PreparedReport page;
    page.fontFamily = report::defaultFontFamily();
    page.pages.append(report::PreparedPage{});
    report::PageItem a;
    a.text = "Törzsszám";
    a.rect = QRectF(10, 10, 30, 4);
    report::PageItem b = a;
    b.text = "Fakészlet";
    b.rect.translate(12, 1);
    page.pages[0].items = {a, b};
    QCOMPARE(report::layoutFaults(page), QStringList{"1. oldal: „Törzsszám” és „Fakészlet” összeér"});
}

void TestLayout::totalsListsHeadingsAndNote_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("detail");
    QTest::addColumn<QStringList>("groupHeadings");
    QTest::addColumn<QString>("note");
    const QString species = "Egy részlet több fafajjal is szerepelhet, ezért a sorok összege több lehet a "
                            "mindösszesennél, amely minden részletet egyszer számol.";
    const QString urgency = "Egy részlet több sürgősséggel is szerepelhet, ezért a sorok összege több lehet a "
                            "mindösszesennél, amely minden részletet egyszer számol.";
    const QList<QStringList> groups{{"Település"}, {"Fafaj"}, {"Sürgősség (1.)"}, {"Gazdálkodó"}, {"Hrsz", "Település"}};
    for (int mode = 1; mode <= 5; ++mode)
        for (bool detail : {false, true})
            QTest::addRow("%d%s", mode, detail ? " tételes" : "")
                << mode << detail << (detail ? QStringList{"Kód"} : QStringList()) + groups[mode - 1]
                << (mode == 2 ? species : mode == 3 ? urgency : QString());
}

// The export keeps the columns' names; a list where a compartment can stand
// on several lines says so under its grand total.
void TestLayout::totalsListsHeadingsAndNote()
{
    QFETCH(int, mode);
    QFETCH(bool, detail);
    QFETCH(QStringList, groupHeadings);
    QFETCH(QString, note);
    TestDb db(Content::Demo);
    copyReportFiles(db.dir());
    MessageRecorder rec;
    const report::PreparedReport printed = printThroughWindow(Totals, mode, detail);
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    const QStringList sums{"Aranykorona (AK)", "Terület (ha)", "Alsó szint (ha)", "Eddigi végh. (ha)",
        "Felúj. szint (ha)", "Kötelez. terület (ha)", "Elegy-arány (%)", "Kor (év)", "Törzsszám (db/ha)",
        "Fakészlet (m³/ha)", "Fakészlet részletben (m³)", "Folyó növedék (m³/ha/év)", "1. érintett terület (ha)",
        "1. fatömeg évente (m³/év)", "1. fatömeg részletben (m³)", "2. érintett terület (ha)",
        "2. fatömeg évente (m³/év)", "2. fatömeg részletben (m³)", "3. érintett terület (ha)",
        "3. fatömeg évente (m³/év)", "3. fatömeg részletben (m³)", "Tárgyévi fakészlet (m³)"};
    QCOMPARE(printed.table.value(0), groupHeadings + sums);
    const QStringList lines = printed.toPlainText().split('\n');
    qsizetype total = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith("Mindösszesen\t")) total = i;
    QVERIFY(total > 0);
    const qsizetype at = lines.indexOf(note.isEmpty() ? QString("-") : note);
    if (note.isEmpty()) {
        QVERIFY(!printed.toPlainText().contains("több lehet a mindösszesennél"));
    } else {
        // Under the grand total, after the line count.
        QVERIFY2(at > total && at <= total + 2, qPrintable(lines.mid(total, 3).join(" / ")));
    }
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
