// The report engine: templates, filling, pages, PDF/CSV/text output, the saved
// report format, the preview window and every template of reports/.
#include "common/Seams.h"
#include "report/PreviewDialog.h"
#include "report/Report.h"
#include "XlsxReader.h"
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace report;
using namespace testxlsx;

namespace {

// Rows held in memory; the engine sees it as it sees a query slot.
class ListSource : public RowSource {
public:
    ListSource(QStringList columns, QList<QStringList> rows, QStringList numeric = {})
        : m_columns(std::move(columns)), m_rows(std::move(rows)), m_numeric(std::move(numeric)) {}
    int rowCount() const override { return int(m_rows.size()); }
    QStringList columnNames() const override { return m_columns; }
    QString text(int row, const QString &column) const override
    {
        return m_rows.value(row).value(int(m_columns.indexOf(column)));
    }
    double number(int row, const QString &column) const override
    {
        return text(row, column).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    bool isNumeric(const QString &column) const override { return m_numeric.contains(column); }

private:
    QStringList m_columns;
    QList<QStringList> m_rows;
    QStringList m_numeric;
};

PreparedReport prepareText(const QString &text, const ReportInputs &in)
{
    Report r;
    r.loadFromText(text, QStringLiteral("proba.frf"));
    return r.prepare(in);
}

QList<QStringList> parseCsv(const QByteArray &bytes)
{
    // Enough of CSV for what the engine writes: ";" fields, "" quoting, CR LF lines.
    QString text = QString::fromUtf8(bytes.mid(3));
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) { field += c; ++i; }
            else if (c == QLatin1Char('"')) quoted = false;
            else field += c;
        } else if (c == QLatin1Char('"')) quoted = true;
        else if (c == QLatin1Char(';')) { row << field; field.clear(); }
        else if (c == QLatin1Char('\r')) {}
        else if (c == QLatin1Char('\n')) { row << field; rows << row; row.clear(); field.clear(); }
        else field += c;
    }
    return rows;
}

const QStringList kSums{"RAK", "RRHA", "RAHA", "REHA", "RFHA", "RKHA", "AEANY", "AKOREV", "ADBHA", "AM3HA",
                        "AKESZLETM3", "ANOVENDEK", "TEHA1", "TM3EV1", "TM3RESZL1", "TEHA2", "TM3EV2",
                        "TM3RESZL2", "TEHA3", "TM3EV3", "TM3RESZL3", "FAKESZL"};
const QStringList kSumVars{"v_rAk", "v_rRha", "v_rAha", "v_rEha", "v_rFha", "v_rKha", "v_aEany", "v_aKorev",
                           "v_aDbha", "v_aM3ha", "v_akeszletm3", "v_aNovendek", "v_tEha1", "v_tM3ev1",
                           "v_tM3reszl1", "v_tEha2", "v_tM3ev2", "v_tM3reszl2", "v_tEha3", "v_tM3ev3",
                           "v_tM3reszl3", "v_fakeszl"};

QString reportsDir() { return QStringLiteral(ZELKOR_SOURCE_DIR "/reports"); }

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_messages.clear();
        seams::setMessageHandler([this](seams::MessageKind, const QString &t) { m_messages << t; return true; });
        setPrinterLandscape(false);
        setPreviewHandler({});
    }
    void cleanup()
    {
        seams::setMessageHandler({});
        setPreviewHandler({});
    }

    void syntaxErrorsNameTheLine_data();
    void syntaxErrorsNameTheLine();
    void missingOrBadTemplateFile();
    void failedPreparationShowsMessageAndNoPreview();
    void bandRepeatsPerRowAfterOnRow();
    void variablesAskTheCallbackFirst_data();
    void variablesAskTheCallbackFirst();
    void numberFormats_data();
    void numberFormats();
    void pageBreaksRepeatHeaderAndNumberPages();
    void orientationOfTemplateWinsOverPrinterFlag();
    void pdfIsValidAndHoldsTheValues();
    void csvHasBomSemicolonsAndDecimalComma();
    void xlsxHoldsNumbersAtFullPrecision();
    void savedReportLoadsAgain();
    void previewNavigatesFindsAndSaves();
    void everyTemplatePrepares_data();
    void everyTemplatePrepares();

private:
    QStringList m_messages;
};

void TestReport::syntaxErrorsNameTheLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString head = QStringLiteral("A(z) proba.frf sablon ");
    QTest::newRow("ismeretlen utasítás") << "page A4\nrows \"x\"" << head + "2. sora hibás: ismeretlen utasítás: „rows”.";
    QTest::newRow("idézőjel") << "row \"abc" << head + "1. sora hibás: hiányzik a záró idézőjel.";
    QTest::newRow("end blokk nélkül") << "row \"a\"\nend" << head + "2. sora hibás: „end” nyitott blokk nélkül.";
    QTest::newRow("lezáratlan lista") << "# x\nlist frDBHelyseg\n  row \"a\"" << head + "2. sora hibás: a(z) „list” blokk nem zárul le „end” sorral.";
    QTest::newRow("cellabeállítás") << "row bolt \"a\"" << head + "1. sora hibás: ismeretlen cellabeállítás: „bolt”.";
    QTest::newRow("túl sok cella") << "columns 1 1\nrow \"a\" | \"b\" | \"c\"" << head + "2. sora hibás: a cellák 3 oszlopot foglalnak, de csak 2 oszlop van megadva.";
    QTest::newRow("kifejezés") << "row \"{a.b.c}\"" << head + "1. sora hibás: hibás kifejezés: „{a.b.c}”.";
    QTest::newRow("beépített név") << "row \"{#oldal}\"" << head + "1. sora hibás: hibás kifejezés: „{#oldal}”.";
    QTest::newRow("formátum") << "row \"{v_x:ab}\"" << head + "1. sora hibás: hibás kifejezés: „{v_x:ab}”.";
    QTest::newRow("kapcsos") << "row \"{v_x\"" << head + "1. sora hibás: lezáratlan kapcsos zárójel: {.";
    QTest::newRow("fejléc lista nélkül") << "header\nend" << head + "1. sora hibás: a(z) „header” csak közvetlenül egy „list” blokkon belül állhat.";
    QTest::newRow("when a végén") << "row \"a\"\nwhen \"{v_x}\"" << head + "2. sora hibás: a „when” után nincs kiírandó elem.";
    QTest::newRow("papírméret") << "page B9" << head + "1. sora hibás: ismeretlen papírméret: „B9”.";
}

void TestReport::syntaxErrorsNameTheLine()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    Report r;
    try {
        r.loadFromText(text, QStringLiteral("proba.frf"));
        QFAIL("no error");
    } catch (const ReportError &e) {
        QCOMPARE(e.text(), message);
    }
    QVERIFY(!r.isLoaded());
}

void TestReport::missingOrBadTemplateFile()
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Report r;
    QString missing, badUtf8;
    try { r.loadFromFile(QStringLiteral("ErdoReszlet.frf")); } catch (const ReportError &e) { missing = e.text(); }
    QFile f(dir.filePath(QStringLiteral("Rossz.frf")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("row \"\xE1rv\xEDz\"\n");   // Latin-2 bytes, not UTF-8
    f.close();
    try { r.loadFromFile(QStringLiteral("Rossz.frf")); } catch (const ReportError &e) { badUtf8 = e.text(); }
    QFile good(dir.filePath(QStringLiteral("Jo.frf")));
    QVERIFY(good.open(QIODevice::WriteOnly));
    good.write("\xEF\xBB\xBFrow \"\xC3\xA1rv\xC3\xADz\"\n");   // with a byte order mark
    good.close();
    r.loadFromFile(QStringLiteral("Jo.frf"));
    QDir::setCurrent(old);
    QCOMPARE(missing, QStringLiteral("A(z) ErdoReszlet.frf sablon nem található."));
    QCOMPARE(badUtf8, QStringLiteral("A(z) Rossz.frf sablon nem UTF-8 kódolású szövegfájl."));
    QVERIFY(r.isLoaded());
    QCOMPARE(r.prepare({}).toPlainText().trimmed(), QStringLiteral("árvíz"));
}

void TestReport::failedPreparationShowsMessageAndNoPreview()
{
    int previews = 0;
    setPreviewHandler([&](const PreparedReport &) { ++previews; });
    Report r;
    r.loadFromText(QStringLiteral("row \"{frDBNincs.X}\""), QStringLiteral("proba.frf"));
    r.showReport({});
    ListSource s({"RKOD"}, {{"10001"}});
    ReportInputs in;
    in.dataSets.insert(QStringLiteral("ZQ12"), &s);
    r.loadFromText(QStringLiteral("row \"{ZQ12.RNINCS}\""), QStringLiteral("proba.frf"));
    r.showReport(in);
    QCOMPARE(previews, 0);
    QCOMPARE(m_messages, QStringList({
        "A(z) proba.frf kimutatás nem készíthető el: nincs „frDBNincs” nevű adatforrás.",
        "A(z) proba.frf kimutatás nem készíthető el: a(z) „ZQ12” adatforrásnak nincs „RNINCS” mezője."}));
    // Column names are matched regardless of case, as the database does.
    r.loadFromText(QStringLiteral("row \"{ZQ12.rkod}\""), QStringLiteral("proba.frf"));
    r.showReport(in);
    QCOMPARE(previews, 1);
}

void TestReport::bandRepeatsPerRowAfterOnRow()
{
    ListSource s({"NEV"}, {{"Bükk"}, {"Tölgy"}, {"Gyertyán"}});
    QList<int> calls;
    QString x1;
    s.onRow = [&](int row) { calls << row; x1 = s.text(row, "NEV") + "!"; };
    ReportInputs in;
    in.dataSets.insert("frDBLekerdez", &s);
    in.variableCallback = [&](const QString &name, QVariant &v) {
        if (name != "X1") return false;
        v = x1;
        return true;
    };
    const PreparedReport p = prepareText(
        "row \"eleje\"\nlist frDBLekerdez\n  row \"{#row}\" | \"{frDBLekerdez.NEV}\" | \"{X1}\"\nend\nrow \"vége\"", in);
    QCOMPARE(calls, QList<int>({0, 1, 2}));
    QCOMPARE(p.toPlainText(), QStringLiteral("eleje\n1\tBükk\tBükk!\n2\tTölgy\tTölgy!\n3\tGyertyán\tGyertyán!\nvége\n"));
}

void TestReport::variablesAskTheCallbackFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<bool>("missing");
    QTest::newRow("X1 a kérdezőtől") << "X1" << "sorváltozó" << false;
    QTest::newRow("x1 a listából") << "x1" << "listában" << false;
    QTest::newRow("X2 senkitől") << "X2" << "" << true;
    QTest::newRow("szám változó") << "v_m3ha" << "12,5" << false;
}

void TestReport::variablesAskTheCallbackFirst()
{
    QFETCH(QString, name);
    QFETCH(QString, printed);
    QFETCH(bool, missing);
    ReportInputs in;
    in.variables.insert("X1", "listában X1");
    in.variables.insert("x1", "listában");
    in.variables.insert("v_m3ha", 12.5);
    QStringList asked;
    in.variableCallback = [&](const QString &n, QVariant &v) {
        asked << n;
        if (n != "X1") return false;   // exact case, like the data module's callback
        v = "sorváltozó";
        return true;
    };
    const PreparedReport p = prepareText("row \"[{" + name + "}]\"", in);
    QCOMPARE(asked, QStringList{name});
    QCOMPARE(p.toPlainText().trimmed(), "[" + printed + "]");
    QCOMPARE(p.missingVariables.contains(name), missing);
}

void TestReport::numberFormats_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("exported");
    const QString nb(QChar(0x00A0));
    QTest::newRow("két tizedes") << QVariant(12.5) << ":2" << "12,50" << "12,50";
    QTest::newRow("szövegből") << QVariant("12,5") << ":2" << "12,50" << "12,50";
    QTest::newRow("kerekít") << QVariant(2.345678) << ":3" << "2,346" << "2,346";
    QTest::newRow("egész") << QVariant(1234.6) << ":0" << "1235" << "1235";
    QTest::newRow("ezres tagolás") << QVariant(1234567.25) << ":1s" << "1" + nb + "234" + nb + "567,3" << "1234567,3";
    QTest::newRow("negatív") << QVariant(-1234.5) << ":2s" << "-1" + nb + "234,50" << "-1234,50";
    QTest::newRow("nincs negatív nulla") << QVariant(-0.001) << ":2" << "0,00" << "0,00";
    QTest::newRow("általános alak") << QVariant(0.1 + 0.2) << "" << "0,3" << "0,3";
    QTest::newRow("szöveg marad") << QVariant("Bükk") << ":2" << "Bükk" << "Bükk";
    QTest::newRow("üres marad") << QVariant("") << ":2" << "" << "";
}

void TestReport::numberFormats()
{
    QFETCH(QVariant, value);
    QFETCH(QString, format);
    QFETCH(QString, printed);
    QFETCH(QString, exported);
    ListSource s({"N"}, {{"1"}});
    ReportInputs in;
    in.dataSets.insert("frDBHelyseg", &s);
    in.variables.insert("v", value);
    const PreparedReport p = prepareText("list frDBHelyseg\n  header\n    row \"fej\"\n  end\n  row \"{v" + format + "}\"\nend", in);
    QCOMPARE(p.toPlainText().split('\n').value(1), printed);
    QCOMPARE(p.tableTexts().value(1).value(0), exported);
}

void TestReport::pageBreaksRepeatHeaderAndNumberPages()
{
    QList<QStringList> rows;
    for (int i = 1; i <= 150; ++i) rows << QStringList{QString::number(i), QString::number(i * 1.5, 'f', 1).replace('.', ',')};
    ListSource s({"SSZ", "M3"}, rows, {"M3"});
    ReportInputs in;
    in.dataSets.insert("frDBHelyseg", &s);
    const PreparedReport p = prepareText(
        "page A4 portrait\npagefooter\n  row right \"{#page}. oldal / {#pages}\"\nend\n"
        "row bold size=16 \"Cím\"\nlist frDBHelyseg\n  header\n    row \"Sorszám\" | \"Fakészlet\"\n  end\n"
        "  row \"{frDBHelyseg.SSZ}\" | right \"{frDBHelyseg.M3:2}\"\n  footer\n"
        "    row \"Összesen\" | right \"{sum(frDBHelyseg.M3):2}\"\n  end\nend", in);
    const int n = p.pageCount();
    QVERIFY2(n >= 3, qPrintable(QString::number(n)));
    const QStringList pages = p.toPlainText().split("\f\n");
    QCOMPARE(pages.size(), n);
    QStringList data;
    for (int i = 0; i < n; ++i) {
        QStringList lines = pages[i].split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.last(), QStringLiteral("%1. oldal / %2").arg(i + 1).arg(n));
        QCOMPARE(lines.count("Sorszám\tFakészlet"), 1);          // the header on every page
        QCOMPARE(lines.contains("Cím"), i == 0);
        QCOMPARE(lines.contains("Összesen\t16987,50"), i == n - 1);
        for (const QString &l : lines)
            if (!l.isEmpty() && l.at(0).isDigit() && !l.contains("oldal")) data << l;
        // Nothing is printed below the footer's top or off the page.
        for (const PageItem &it : p.pageItems(i)) QVERIFY(it.rect.bottom() <= 297 - 11.9);
    }
    QCOMPARE(data.size(), 150);
    QCOMPARE(data.first(), QStringLiteral("1\t1,50"));
    QCOMPARE(data.last(), QStringLiteral("150\t225,00"));
}

void TestReport::orientationOfTemplateWinsOverPrinterFlag()
{
    setPrinterLandscape(true);
    QVERIFY(prepareText("row \"a\"", {}).landscape);
    QCOMPARE(prepareText("row \"a\"", {}).pageSizeMm, QSizeF(297, 210));
    QVERIFY(!prepareText("page A4 portrait\nrow \"a\"", {}).landscape);
    setPrinterLandscape(false);
    QVERIFY(!prepareText("row \"a\"", {}).landscape);
    QVERIFY(prepareText("page A4 landscape\nrow \"a\"", {}).landscape);
}

void TestReport::pdfIsValidAndHoldsTheValues()
{
    ReportInputs in;
    in.variables.insert("v_rRha", 12.5);
    const PreparedReport p = prepareText("page A4 landscape\nrow \"Terület: {v_rRha:2} ha\"", in);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.pdf");
    QString error;
    QVERIFY(p.writePdf(path, &error));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 1000);
    QVERIFY(!p.writePdf(dir.filePath("nincs/ilyen/x.pdf"), &error));
    QCOMPARE(error, QStringLiteral("A(z) x.pdf fájl nem írható."));
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
    QProcess proc;
    proc.start(pdftotext, {path, "-"});
    QVERIFY(proc.waitForFinished(30000));
    QVERIFY(QString::fromUtf8(proc.readAllStandardOutput()).contains("Terület: 12,50 ha"));
}

void TestReport::csvHasBomSemicolonsAndDecimalComma()
{
    ListSource s({"RHELYSEG", "RRHA"}, {{"Pécs; belterület", "1234,5"}, {"Ág \"Nagy\"", ""}}, {"RRHA"});
    ReportInputs in;
    in.dataSets.insert("frDBHelyseg", &s);
    in.variables.insert("v_rRha", 1234.5);
    const PreparedReport p = prepareText(
        "list frDBHelyseg\n  header\n    row span=2 \"csoport\"\n    row \"Település\" | \"Terület\\n(ha)\"\n  end\n"
        "  row \"{frDBHelyseg.RHELYSEG}\" | \"{frDBHelyseg.RRHA:2s}\"\n"
        "  footer\n    row \"Összesen\" | \"{v_rRha:2s}\"\n  end\nend", in);
    QVERIFY(p.isListReport());
    const QByteArray csv = p.toCsv();
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    QVERIFY(csv.contains("\r\n"));
    QCOMPARE(parseCsv(csv), QList<QStringList>({{"Település", "Terület (ha)"},
                                                 {"Pécs; belterület", "1234,50"},
                                                 {"Ág \"Nagy\"", ""},
                                                 {"Összesen", "1234,50"}}));
    // Printed with a thousands separator, exported without one.
    QVERIFY(p.toPlainText().contains(QStringLiteral("1") + QChar(0x00A0) + "234,50"));
    // Two lists and none marked for export: not a list report.
    ListSource t({"A"}, {{"1"}});
    in.dataSets.insert("frDBAllomany", &t);
    const PreparedReport two = prepareText("list frDBHelyseg\n  row \"x\"\nend\nlist frDBAllomany\n  row \"y\"\nend", in);
    QVERIFY(!two.isListReport());
    QString error;
    QVERIFY(!two.writeCsv(QDir::temp().filePath("nem.csv"), &error));
    QVERIFY(!error.isEmpty());
}

void TestReport::xlsxHoldsNumbersAtFullPrecision()
{
    // Printed (and in the CSV) rounded to whole numbers; the workbook keeps the values.
    ListSource s({"RHELYSEG", "RRHA", "RKOR"},
                 {{"Pécs", "1807,5", "12"}, {"12", "807,46", ""}, {"Ág", "", "7"}}, {"RRHA", "RKOR"});
    ReportInputs in;
    in.dataSets.insert("frDBHelyseg", &s);
    in.variables.insert("v_rRha", 2614.96);
    const PreparedReport p = prepareText(
        "list frDBHelyseg\n  header\n    row span=3 \"csoport\"\n    row \"Település\" | \"Terület\\n(ha)\" | \"Kor\"\n  end\n"
        "  row \"{frDBHelyseg.RHELYSEG}\" | \"{frDBHelyseg.RRHA:0s}\" | \"{frDBHelyseg.RKOR}\"\n"
        "  footer\n    row \"Mindösszesen\" | \"{v_rRha:0s}\" | \"\"\n  end\nend", in);
    QCOMPARE(parseCsv(p.toCsv()).value(1).value(1), QStringLiteral("1808"));
    QTemporaryDir dir;
    PreviewDialog dlg(p);
    QVERIFY(dlg.findChild<QToolButton *>("SaveXlsxButton"));
    QVERIFY(dlg.saveTo(dir.filePath("lista.xlsx")));
    const Sheet sheet = readXlsx(dir.filePath("lista.xlsx"));
    const QHash<QString, SheetCell> expected{
        // One header row: the column headings, the grouping row above them left out.
        {"A1", {false, "Település", "General"}}, {"B1", {false, "Terület (ha)", "General"}},
        {"C1", {false, "Kor", "General"}},
        {"A2", {false, "Pécs", "General"}}, {"B2", {true, "1807.5", "#,##0"}}, {"C2", {true, "12", "General"}},
        // A text that looks like a number stays text.
        {"A3", {false, "12", "General"}}, {"B3", {true, "807.46", "#,##0"}},
        {"A4", {false, "Ág", "General"}}, {"C4", {true, "7", "General"}},
        {"A5", {false, "Mindösszesen", "General"}}, {"B5", {true, "2614.96", "#,##0"}}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const SheetCell got = sheet.cells.value(it.key());
        QVERIFY2(got == it.value(), qPrintable(QStringLiteral("%1: %2 %3 %4").arg(it.key(), got.number ? "szám" : "szöveg",
                                                                                     got.text, got.format)));
    }
    QCOMPARE(sheet.cells.size(), expected.size());
    QCOMPARE(sheet.frozenRows, 1);
    QCOMPARE(sheet.widths.size(), 3);
    QVERIFY(sheet.widths[0] >= QStringLiteral("Mindösszesen").size());
    // A report that is no list has no workbook.
    PreviewDialog single(prepareText("row \"egy\"", {}));
    QVERIFY(!single.findChild<QToolButton *>("SaveXlsxButton")->isVisibleTo(&single));
    QVERIFY(!single.saveTo(dir.filePath("egy.xlsx")));
    QCOMPARE(m_messages, QStringList{"Ez a kimutatás nem lista, táblázatba nem menthető."});
}

void TestReport::savedReportLoadsAgain()
{
    ListSource s({"A", "B"}, {{"Bükk", "1,5"}, {"Cser", "2"}}, {"B"});
    ReportInputs in;
    in.dataSets.insert("frDBHelyseg", &s);
    const PreparedReport p = prepareText(
        "page A4 landscape\nfont 7\nrow bold shade box \"Cím\"\nlist frDBHelyseg\n  row \"{frDBHelyseg.A}\" | right wrap \"{frDBHelyseg.B:2}\"\nend\nrule 0.4", in);
    QTemporaryDir dir;
    QString error;
    QVERIFY(p.save(dir.filePath("k.zrp"), &error));
    PreparedReport back;
    QVERIFY(back.load(dir.filePath("k.zrp"), &error));
    QCOMPARE(back.serialize(), p.serialize());
    QCOMPARE(back.toPlainText(), p.toPlainText());
    QCOMPARE(back.toCsv(), p.toCsv());
    QVERIFY(back.landscape);
    QFile junk(dir.filePath("rossz.zrp"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(p.serialize().left(60));
    junk.close();
    PreparedReport bad = back;
    QVERIFY(!bad.load(junk.fileName(), &error));
    QCOMPARE(error, QStringLiteral("A(z) rossz.zrp fájl nem mentett kimutatás, vagy sérült."));
    QCOMPARE(bad.serialize(), back.serialize());   // a failed load changes nothing
}

void TestReport::previewNavigatesFindsAndSaves()
{
    QList<QStringList> rows;
    for (int i = 1; i <= 120; ++i) rows << QStringList{i == 100 ? QStringLiteral("Gyertyános") : QStringLiteral("Bükkös")};
    ListSource s({"A"}, rows);
    ReportInputs in;
    in.dataSets.insert("frDBHelyseg", &s);
    PreviewDialog dlg(prepareText("list frDBHelyseg\n  row \"{frDBHelyseg.A}\"\nend", in));
    const int n = dlg.report().pageCount();
    QVERIFY(n >= 2);
    auto *label = dlg.findChild<QLabel *>("PageLabel");
    QCOMPARE(label->text(), QStringLiteral("1 / %1").arg(n));
    dlg.findChild<QToolButton *>("NextPageButton")->click();
    QCOMPARE(label->text(), QStringLiteral("2 / %1").arg(n));
    dlg.findChild<QToolButton *>("LastPageButton")->click();
    QCOMPARE(dlg.currentPage(), n - 1);
    QVERIFY(!dlg.findChild<QToolButton *>("NextPageButton")->isEnabled());
    dlg.findChild<QToolButton *>("FirstPageButton")->click();
    QCOMPARE(dlg.currentPage(), 0);
    const double z = dlg.zoom();
    dlg.findChild<QToolButton *>("ZoomInButton")->click();
    QVERIFY(dlg.zoom() > z);
    QVERIFY(dlg.findNext("gyertyán"));
    QCOMPARE(dlg.currentHit().page, dlg.currentPage());
    QVERIFY(dlg.currentPage() > 0);
    QVERIFY(dlg.report().pageItems(dlg.currentPage()).value(dlg.currentHit().item).text == "Gyertyános");
    QVERIFY(dlg.findNext("bükk"));
    QVERIFY(dlg.findNext("bükk"));
    QCOMPARE(dlg.currentHit().page, 0);
    auto *edit = dlg.findChild<QLineEdit *>("FindEdit");
    edit->setText("fenyő");
    dlg.findChild<QToolButton *>("FindButton")->click();
    QCOMPARE(m_messages, QStringList{"A keresett szöveg nem található."});
    QTemporaryDir dir;
    QVERIFY(dlg.saveTo(dir.filePath("lista.csv")));
    QVERIFY(dlg.saveTo(dir.filePath("lista.pdf")));
    QVERIFY(dlg.saveTo(dir.filePath("lista.zrp")));
    PreviewDialog other(prepareText("row \"más\"", {}));
    QVERIFY(other.loadFrom(dir.filePath("lista.zrp")));
    QCOMPARE(other.report().pageCount(), n);
    QCOMPARE(other.findChild<QLabel *>("PageLabel")->text(), QStringLiteral("1 / %1").arg(n));
    QVERIFY(!other.loadFrom(dir.filePath("lista.csv")));
    QCOMPARE(other.report().pageCount(), n);
}

void TestReport::everyTemplatePrepares_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("groupColumns");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("ErdoReszlet") << "ErdoReszlet.frf" << QStringList() << false;
    const QList<QPair<QString, QStringList>> modes{
        {"Helyseg", {"RHELYSEG"}}, {"Faf", {"AFAF"}}, {"Surg", {"TSURG1"}}, {"Gazd", {"RGAZD"}}, {"Hrsz", {"RHRSZ", "RHELYSEG"}}};
    for (const auto &m : modes) {
        QTest::newRow(qPrintable(m.first)) << "Erdo" + m.first + ".frf" << m.second << true;
        QTest::newRow(qPrintable(m.first + "Reszl")) << "Erdo" + m.first + "Reszl.frf" << QStringList{"RKOD"} + m.second << true;
    }
    QTest::newRow("Erdolekerdez") << "Erdolekerdez.frf" << QStringList() << true;
}

void TestReport::everyTemplatePrepares()
{
    QFETCH(QString, file);
    QFETCH(QStringList, groupColumns);
    QFETCH(bool, landscape);
    const QString old = QDir::currentPath();
    QDir::setCurrent(reportsDir());
    Report r;
    r.loadFromFile(file);
    QDir::setCurrent(old);

    // Columns as the statements of the printing windows return them.
    const QStringList reszlet{"IDR", "RKOD", "RHELYSEG", "RTAG", "RRESZLET", "RHRSZ", "RAK", "ROLDAL", "RILL", "RKORZET",
        "REV", "RGAZD", "RTUL", "RRHA", "RFATIP", "RKELE", "RAHA", "RTVHAT", "REHA", "RTERNEV", "RFHA", "RVEDFOK",
        "RKHA", "RNATURA", "RREND", "RREND2", "RKLI", "RHID", "RGENTAL", "RKORL", "RRET", "RFTF", "RUMOD", "RTFM",
        "RDOMB", "RTCAL", "RFEK", "RLEJT", "RTFTK", "RTHM", "RZMI", "RCS", "RFAKIEV", "RFAKIMOD", "RTERVHA",
        "RTERVJELL", "R1CEL", "R1ELEGY", "R2CEL", "R2ELEGY", "RENGEDELY", "RFELJEGY", "RVADGAZD", "RERDTAJ",
        "RTERMESZET", "RREZERVTIP", "RTEV", "RSZUR", "RXKOD"};
    QStringList reszletRow;
    for (const QString &c : reszlet) reszletRow << (c == "RRHA" ? "12,5" : c == "RFELJEGY" ? "Előző azonosító: 7\nÜgyszám: 12" : c.toLower());
    ListSource zq12(reszlet, {reszletRow}, {"RRHA"});
    const QStringList allomany{"IDA", "AKOD", "ARKOD", "ASSZAM", "AJSZ", "AFAF", "AER", "AEANY", "AELM", "AKOREV", "AM",
        "ACM", "AOSZTALY", "AFM", "AZARODAS", "ADBHA", "AM3HA", "AKESZLETM3", "ANOVENDEK", "AJK", "AKM", "AMOD", "AXKOD"};
    const QStringList termeles{"IDT", "TKOD", "TRKOD", "TSSZAM", "TJSZAM", "TJELE", "TVAGKOR", "TVAGMUT", "TSURG1", "TEHA1",
        "THMOD1", "TERELY1", "TM3EV1", "TM3RESZL1", "TSURG2", "TEHA2", "THMOD2", "TERELY2", "TM3EV2", "TM3RESZL2",
        "TSURG3", "TEHA3", "THMOD3", "TERELY3", "TM3EV3", "TM3RESZL3", "TXKOD", "TMEGJ"};
    auto rowOf = [](const QStringList &cols, const QString &tag) {
        QStringList row;
        for (const QString &c : cols) row << tag + c.toLower();
        return row;
    };
    ListSource all(allomany, {rowOf(allomany, "a"), rowOf(allomany, "b")});
    ListSource ter(termeles, {rowOf(termeles, "a")});
    ListSource fah({"IDF", "FKOD", "FRKOD", "FXKOD", "FMOD", "FERTER", "FHATSZAM", "FDATUM", "FMEGJ"}, {});
    ListSource erd({"IDE", "EKOD", "ERKOD", "EXKOD", "EJEL", "EMOD", "ECEL", "EHATSZAM", "EDATUM", "EMEGJ"}, {});
    ListSource egy({"IDB", "BKOD", "BXKOD", "BRKOD", "BLEIRAS", "BHATSZAM", "BDATUM", "BMEGJ"}, {});
    ListSource val({"IDV", "VKOD", "VRKOD", "VXKOD", "VMEGJ"}, {{"1", "10001", "10001", "1", "megjegyzés"}});
    ListSource mun({"IDM", "MKOD", "MRKOD", "MXKOD", "MMEGJ"}, {});
    QList<QStringList> totalRows;
    for (int i = 0; i < 3; ++i) {
        QStringList row;
        for (const QString &g : groupColumns) row << g.toLower() + QString::number(i);
        for (int k = 0; k < kSums.size(); ++k) row << QString::number(1000 + k + i * 0.25).replace('.', ',');
        totalRows << row;
    }
    ListSource totals(groupColumns + kSums, totalRows, kSums);
    QList<QStringList> queryRows;
    for (int i = 0; i < 3; ++i) {
        QStringList row{QStringLiteral("rhelyseg%1").arg(i)};
        for (int k = 0; k < kSums.size(); ++k) row << QString::number(1000 + k + i * 0.25).replace('.', ',');
        queryRows << row;
    }
    ListSource lekerdez(QStringList{"RHELYSEG"} + kSums, queryRows);

    ReportInputs in;
    in.dataSets = {{"ZQ12", &zq12}, {"frDBAllomany", &all}, {"frDBTermeles", &ter}, {"frDBFahasznalat", &fah},
                   {"frDBErdosites", &erd}, {"frDBEgyeb", &egy}, {"frDBValtozas", &val}, {"frDBMunkak", &mun},
                   {"frDBHelyseg", &totals}, {"frDBLekerdez", &lekerdez}};
    for (const QString &v : kSumVars) in.variables.insert(v, 12.5);
    for (const QString &v : {"v_m3ha", "v_keszletm3", "v_novendek", "v_erely1", "v_m3ev1", "v_m3reszl1", "v_erely2",
                             "v_m3ev2", "v_m3reszl2", "v_erely3", "v_m3ev3", "v_m3reszl3"})
        in.variables.insert(v, 12.5);
    in.variables.insert("v_melyik", "Település: ");
    in.variables.insert("v_tol", "Abaliget-tól");
    in.variables.insert("v_ig", "Zsámbék-ig");
    in.variables.insert("v_fej1", "RHELYSEG        ");
    for (int i = 1; i <= 36; ++i) in.variables.insert(QStringLiteral("v_oszlop%1").arg(i), i == 1 ? "RHELYSEG" : "");
    QString x[12];
    lekerdez.onRow = [&](int row) { for (int i = 0; i < 12; ++i) x[i] = lekerdez.text(row, lekerdez.columnNames()[i]); };
    in.variables.insert("v_egy", "1");   // the free query's one-column layout
    in.variables.insert("v_ketto", "");
    in.variables.insert("v_tobb", "");
    in.variableCallback = [&](const QString &name, QVariant &v) {
        for (int i = 0; i < 12; ++i)
            if (name == QStringLiteral("X%1").arg(i + 1) || (i == 0 && name == "K1")) { v = x[i]; return true; }
        return false;
    };
    setPrinterLandscape(!landscape);   // the template's own orientation must win
    const PreparedReport p = r.prepare(in);
    // For checking the layout by eye: ZELKOR_REPORT_PDF_DIR=/tmp/x ./test_report
    if (const QString out = qEnvironmentVariable("ZELKOR_REPORT_PDF_DIR"); !out.isEmpty())
        QVERIFY(p.writePdf(QDir(out).filePath(QFileInfo(file).completeBaseName() + ".pdf"), nullptr));
    QCOMPARE(p.landscape, landscape);
    QCOMPARE(p.missingVariables, QStringList());
    QVERIFY(p.pageCount() >= 1);
    const QString text = p.toPlainText();
    QVERIFY2(text.contains("1. oldal / "), qPrintable(text.left(300)));
    if (file == "ErdoReszlet.frf") {
        QVERIFY(text.contains("Erdőrészlet lap"));
        QVERIFY(text.contains("TERMŐHELYI ADATOK") && text.contains("ERDŐSÍTÉSI TERV"));
        for (const QString &c : reszlet)
            if (!QStringList{"RTEV", "RSZUR", "RXKOD", "RRHA", "RFELJEGY"}.contains(c))
                QVERIFY2(text.contains(c.toLower()), qPrintable(c));
        QVERIFY(text.contains("12,50"));                         // the area with two decimals
        QVERIFY(text.contains("Előző azonosító: 7 Ügyszám: 12") || text.contains("Ügyszám: 12"));
        QVERIFY(text.contains("aafaf") && text.contains("bafaf") && text.contains("atjele"));
        QVERIFY(text.contains("Nincs fakitermelési terv.") == false);
        QVERIFY(text.contains("megjegyzés"));
        QVERIFY(!p.isListReport());
    } else {
        QVERIFY(text.contains("12,50"));                         // grand-total areas
        QVERIFY(p.isListReport());
        const QList<QStringList> csv = parseCsv(p.toCsv());
        if (file == "Erdolekerdez.frf") {
            QCOMPARE(csv.size(), 1 + 3 + 1);                      // header, rows, row count
            QCOMPARE(csv[1].value(0), QStringLiteral("rhelyseg0"));
            QCOMPARE(csv[0].size(), 1 + 22);
            QCOMPARE(csv[1].value(1), QStringLiteral("1000,00"));   // the sums in their printed form
            QCOMPARE(csv[2].value(2), QStringLiteral("1001,25"));
            QVERIFY(text.contains("RHELYSEG"));
        } else {
            QCOMPARE(csv.size(), 1 + 3 + 2);                      // header, rows, grand total, count
            QVERIFY(text.contains("Település: Abaliget-tól Zsámbék-ig"));
            QCOMPARE(csv[0].size(), groupColumns.size() + 22);
            QCOMPARE(csv[1].mid(0, groupColumns.size()).join(','), QStringList(totalRows[0].mid(0, groupColumns.size())).join(','));
            QCOMPARE(csv[1].value(groupColumns.size() + 1), QStringLiteral("1001,00"));   // area, 2 decimals
            QCOMPARE(csv[4].value(0), QStringLiteral("Mindösszesen"));
            QCOMPARE(csv[4].value(groupColumns.size() + 1), QStringLiteral("12,50"));
            if (file.contains("Reszl")) QCOMPARE(csv[0].value(0), QStringLiteral("Kód"));
        }
    }
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
