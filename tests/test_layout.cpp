// Every template printed through its window, from the demo register and from
// one whose values are as long as they get: no text cut short with "…", none
// wider than its cell, none touching another.
#include "TestSupport.h"
#include "queries/CustomQuery.h"
#include "queries/GrandTotals.h"
#include "register/CompartmentList.h"
#include "report/Builder.h"
#include "report/PageFont.h"
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

// The short name as long as the longest ones of the code table.
const QString kLongCode = QStringLiteral("GYT-ÁV-RÉT-KMÉ");
const QString kLongText = QStringLiteral("Széldöntés utáni egészségügyi termelés, a hiányok pótlása "
                                         "kocsánytalan tölgy csemetével");

// Values as long as a register holds: the longest settlement name of the
// country, codes as long as the code table's longest, typed texts up to the
// field's limit, numbers with 15 significant digits.
void lengthenValues(TestDb &db)
{
    QStringList set{"RHELYSEG = 'Jászfelsőszentgyörgy'", "RTAG = '1234'", "RRESZLET = 'NY12'",
                    "RHRSZ = '01234/56/B'", "ROLDAL = '1234'", "RFAKIEV = '2011'", "RGAZD = 'Zalaerdő Zrt. Lenti Erdészet'",
                    "RENGEDELY = 'Engedélyezve a 2011. évi bejáráskor, 20/412-3/2011'",
                    "RFELJEGY = '" + kLongText + ".\nA 2011. évi bejáráskor széldöntés nyomai.'"};
    for (const char *c : {"RILL", "RKORZET", "RTUL", "RFATIP", "RKELE", "RTVHAT", "RTERNEV", "RVEDFOK",
                          "RNATURA", "RREND", "RREND2", "RKLI", "RHID", "RGENTAL", "RKORL", "RRET", "RFTF", "RUMOD",
                          "RTFM", "RDOMB", "RTCAL", "RFEK", "RLEJT", "RTFTK", "RTHM", "RZMI", "RCS", "RFAKIMOD",
                          "RTERVJELL", "R1CEL", "R1ELEGY", "R2CEL", "R2ELEGY", "RVADGAZD", "RERDTAJ", "RTERMESZET",
                          "RREZERVTIP"})
        set << QString::fromLatin1(c) + " = '" + kLongCode + "'";
    for (const char *c : {"RAK", "RRHA", "RAHA", "REHA", "RFHA", "RKHA", "RTERVHA"})
        set << QString::fromLatin1(c) + " = 1234.56789012345";
    db.exec("UPDATE RESZLET SET " + set.join(", "));

    set = {"ASSZAM = '123'"};
    for (const char *c : {"AFAF", "AER", "AELM", "AFM"}) set << QString::fromLatin1(c) + " = '" + kLongCode + "'";
    set << "AOSZTALY = 'III'";
    for (const char *c : {"AEANY", "AKOREV", "AZARODAS"}) set << QString::fromLatin1(c) + " = 99.1234567890123";
    for (const char *c : {"AM", "ACM"}) set << QString::fromLatin1(c) + " = 123.456789012345";
    for (const char *c : {"ADBHA", "AM3HA", "AKESZLETM3"}) set << QString::fromLatin1(c) + " = 12345.6789012345";
    set << "ANOVENDEK = 12.3456789012345";
    db.exec("UPDATE ALLOMANY SET " + set.join(", "));

    set = {"TSSZAM = '123'", "TJSZAM = '12345'", "TJELE = '" + kLongCode + "'", "TVAGKOR = 123.456789012345",
           "TVAGMUT = '" + kLongCode + "'"};
    for (int g = 1; g <= 3; ++g) {
        set << QStringLiteral("TSURG%1 = '%2'").arg(g).arg(kLongCode) << QStringLiteral("THMOD%1 = '%2'").arg(g).arg(kLongCode)
            << QStringLiteral("TEHA%1 = 123.456789012345").arg(g) << QStringLiteral("TERELY%1 = 99.1234567890123").arg(g)
            << QStringLiteral("TM3EV%1 = 12345.6789012345").arg(g) << QStringLiteral("TM3RESZL%1 = 12345.6789012345").arg(g);
    }
    db.exec("UPDATE TERMELES SET " + set.join(", "));

    // The printed compartment gets a row of every other kind.
    const QString code = db.scalar("SELECT MIN(RKOD) FROM RESZLET");
    const QString hat = QStringLiteral("'20/1187-2/2011'");
    db.exec("INSERT INTO FAHASZNALAT (FRKOD, FXKOD, FMOD, FERTER, FHATSZAM, FDATUM, FMEGJ) VALUES ('" + code + "', '1', '"
            + kLongCode + "', '1234,56', " + hat + ", DATE '2011-12-31', '" + kLongText + "')");
    db.exec("INSERT INTO ERDOSITES (ERKOD, EXKOD, EJEL, EMOD, ECEL, EHATSZAM, EDATUM, EMEGJ) VALUES ('" + code + "', '1', '"
            + kLongCode + "', '" + kLongCode + "', '" + kLongCode + "', " + hat + ", DATE '2011-12-31', '" + kLongText + "')");
    db.exec("INSERT INTO EGYEB (BXKOD, BRKOD, BLEIRAS, BHATSZAM, BDATUM, BMEGJ) VALUES ('1', '" + code + "', '"
            + kLongText + "', " + hat + ", DATE '2011-12-31', '" + kLongText + "')");
    db.exec("INSERT INTO VALTOZAS (VRKOD, VXKOD, VMEGJ) VALUES ('" + code + "', '1', '" + kLongText + "')");
    db.exec("INSERT INTO MUNKAK (MRKOD, MXKOD, MMEGJ) VALUES ('" + code + "', '1', '" + kLongText + "')");
}

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
        // The whole range, as the range-value picker offers it: its first and last value.
        const char *column[] = {"RHELYSEG FROM RESZLET", "AFAF FROM ALLOMANY", "TSURG1 FROM TERMELES",
                                "RGAZD FROM RESZLET", "RHRSZ FROM RESZLET"};
        const QString from = QString::fromLatin1(column[mode - 1]);
        dm().ZQ12->load({"SELECT MIN(" + from.section(' ', 0, 0) + ") AS tol, MAX(" + from.section(' ', 0, 0)
                         + ") AS ig " + from.section(' ', 1)});
        dm().ZQ12->open();
        w.findChild<QLineEdit *>("Edit1")->setText(dm().ZQ12->asString("TOL"));
        w.findChild<QLineEdit *>("Edit2")->setText(dm().ZQ12->asString("IG"));
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

int decimals(const QString &number)
{
    const qsizetype comma = number.lastIndexOf(QLatin1Char(','));
    return comma < 0 ? 0 : int(number.size() - comma - 1);
}

bool isNumber(const report::PageItem &it)
{
    static const QRegularExpression re(QStringLiteral("^-?[0-9][0-9\\x{00A0} ]*(,[0-9]+)?$"));
    return it.kind == report::PageItem::Text && it.align == 2 && re.match(it.text).hasMatch();
}

// A total printed with other decimals than the rows it sums: each number of
// an "Összesen" or "Mindösszesen" row against the numbers of the same column
// in the rows above it, up to the table's heading.
QStringList totalsUnlikeTheirRows(const report::PreparedReport &r)
{
    QStringList faults;
    for (int pg = 0; pg < r.pages.size(); ++pg) {
        const QList<report::PageItem> items = r.pageItems(pg);
        auto sameRow = [](const report::PageItem &a, const report::PageItem &b) {
            return qAbs(a.rect.center().y() - b.rect.center().y()) < 0.8;
        };
        for (const report::PageItem &label : items) {
            if (label.kind != report::PageItem::Text
                || !(label.text.startsWith("Összesen") || label.text.startsWith("Mindösszesen")))
                continue;
            // The rows above, nearest first, until a bold row (the heading or another total).
            QList<double> rowTops;
            for (const report::PageItem &it : items)
                if (it.kind == report::PageItem::Text && it.rect.bottom() < label.rect.top()) rowTops << it.rect.center().y();
            std::sort(rowTops.begin(), rowTops.end(), std::greater<double>());
            double stopAt = -1;
            for (double y : rowTops) {
                bool bold = false;
                for (const report::PageItem &it : items)
                    if (it.kind == report::PageItem::Text && qAbs(it.rect.center().y() - y) < 0.8 && it.bold) bold = true;
                if (bold) { stopAt = y; break; }
            }
            for (const report::PageItem &total : items) {
                if (!isNumber(total) || !sameRow(total, label)) continue;
                for (const report::PageItem &row : items)
                    if (isNumber(row) && !row.bold && qAbs(row.rect.right() - total.rect.right()) < 0.05
                        && row.rect.center().y() < label.rect.top() && row.rect.center().y() > stopAt
                        && decimals(row.text) != decimals(total.text))
                        faults << QStringLiteral("%1. oldal: a(z) „%2” összeg és a(z) „%3” sor tizedesei eltérnek")
                                      .arg(pg + 1).arg(total.text, row.text);
            }
        }
    }
    faults.removeDuplicates();
    return faults;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void pageFontNotSubstituted_data();
    void pageFontNotSubstituted();
    void faultsFound_data();
    void faultsFound();
    void everyTemplateReadable_data();
    void everyTemplateReadable();
    void totalsListsHeadingsAndNote_data();
    void totalsListsHeadingsAndNote();
};

// Every face a page uses comes from the program's own loaded fonts, whatever
// else the machine has (a condensed or oblique DejaVu, Nimbus Sans).
void TestLayout::pageFontNotSubstituted_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("narrow");
    QTest::addColumn<bool>("mono");
    QTest::newRow("normal") << false << false << false << false;
    QTest::newRow("bold") << true << false << false << false;
    QTest::newRow("italic") << false << true << false << false;
    QTest::newRow("narrow bold") << true << false << true << false;
    QTest::newRow("mono bold") << true << false << false << true;
}

void TestLayout::pageFontNotSubstituted()
{
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, narrow);
    QFETCH(bool, mono);
    const QString family = mono ? report::pageMonoFamily() : report::pageFontFamily();
    QVERIFY2(family.startsWith("Zelkor Lap"), qPrintable(family));
    report::PageItem item;
    item.bold = bold;
    item.italic = italic;
    item.narrow = narrow;
    item.mono = mono;
    const QFontInfo info(report::itemFont(report::pageFontFamily(), item, 9));
    QCOMPARE(info.family(), family);
    QCOMPARE(info.bold(), bold);
}

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
    page.fontFamily = report::pageFontFamily();
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

void TestLayout::everyTemplateReadable_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("detail");
    QTest::addColumn<bool>("longValues");
    for (bool longValues : {false, true}) {
        const char *tag = longValues ? "hosszu" : "demo";
        QTest::addRow("ErdoReszlet %s", tag) << "ErdoReszlet.frf" << int(Sheet) << 0 << false << longValues;
        const QStringList names{"Helyseg", "Faf", "Surg", "Gazd", "Hrsz"};
        for (int mode = 1; mode <= 5; ++mode)
            for (bool detail : {false, true}) {
                const QString file = "Erdo" + names[mode - 1] + (detail ? "Reszl" : "") + ".frf";
                QTest::addRow("%s %s", qPrintable(file), tag) << file << int(Totals) << mode << detail << longValues;
            }
        QTest::addRow("Erdolekerdez %s", tag) << "Erdolekerdez.frf" << int(Custom) << 0 << false << longValues;
    }
}

void TestLayout::everyTemplateReadable()
{
    QFETCH(QString, file);
    QFETCH(int, window);
    QFETCH(int, mode);
    QFETCH(bool, detail);
    QFETCH(bool, longValues);
    TestDb db(Content::Demo);
    copyReportFiles(db.dir());
    if (longValues) lengthenValues(db);
    MessageRecorder rec;
    const report::PreparedReport printed = printThroughWindow(Window(window), mode, detail);
    QVERIFY2(rec.texts.isEmpty(), qPrintable(rec.texts.join('|')));
    QCOMPARE(printed.name, file);
    QVERIFY(dm().ZQ11->rowCount() > 0 || window == Sheet);
    // For looking at the pages: ZELKOR_REPORT_PDF_DIR=/tmp/x build/tests/test_layout
    if (const QString out = qEnvironmentVariable("ZELKOR_REPORT_PDF_DIR"); !out.isEmpty()) {
        const QString name = QFileInfo(file).completeBaseName() + (longValues ? "-hosszu" : "") + ".pdf";
        QVERIFY(printed.writePdf(QDir(out).filePath(name), nullptr));
    }
    const QStringList faults = report::layoutFaults(printed) + totalsUnlikeTheirRows(printed);
    for (const QString &f : faults) qWarning("%s", qPrintable(f));
    QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 hiba a nyomtatványon").arg(faults.size())));
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
    QCOMPARE(printed.tableTexts().value(0), groupHeadings + sums);
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
