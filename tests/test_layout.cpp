// The printed pages as a reader sees them: no text cut short with "…", none
// wider than its cell, none touching another.
#include "report/Builder.h"
#include "report/LayoutCheck.h"
#include "report/Report.h"
#include <QtTest>

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void faultsFound_data();
    void faultsFound();
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

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
