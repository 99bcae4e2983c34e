// Who did what: each insert, change and delete of a compartment, a stand row
// and a code leaves one history row written by the database itself, made by
// the program or by plain SQL beside it, and the "Változások" window lists,
// filters and prints it.
#include "TestSupport.h"
#include "datastore/FbStatus.h"
#include "register/ChangeHistory.h"
#include "register/CompartmentList.h"
#include "report/PreparedReport.h"
#include "report/Report.h"
#include "widgets/SlotGrid.h"
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

namespace {
const QString Source = QStringLiteral(ZELKOR_SOURCE_DIR);

// Runs statements with isql-fb on the file, as another tool would (the program is away).
void plainSql(const QString &file, const QString &sql)
{
    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start("isql-fb", {"-q", "-b", "-ch", "UTF8", "-user", "SYSDBA", file});
    isql.write((sql + ";\nCOMMIT;\n").toUtf8());
    isql.closeWriteChannel();
    QVERIFY(isql.waitForFinished(30000));
    QVERIFY2(isql.exitCode() == 0, isql.readAll().constData());
}
} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void eachChangeLeavesOneRow_data();
    void eachChangeLeavesOneRow();
    void windowListsFiltersAndPrints();
};

void TestHistory::eachChangeLeavesOneRow_data()
{
    QTest::addColumn<bool>("outside");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");   // TABLA|KOD|RKOD|MUVELET|OSZLOPOK|REGI|UJ
    const QList<std::tuple<const char *, const char *, const char *>> cases{
        {"compartment insert", "INSERT INTO RESZLET (RKOD, RHELYSEG, RRHA) VALUES ('20001', 'Bak', 2.5)",
         "RESZLET|20001|20001|I|RKOD RHELYSEG RRHA RTEV||RKOD=20001\nRHELYSEG=Bak\nRRHA=2.500000000000000\nRTEV=2011\n"},
        {"compartment update", "UPDATE RESZLET SET RHELYSEG = 'Gősfa', RRHA = NULL WHERE RKOD = '10001'",
         "RESZLET|10001|10001|U|RHELYSEG RRHA|RHELYSEG=Csesztreg\nRRHA=8.420000000000000\n|RHELYSEG=Gősfa\nRRHA=\n"},
        {"compartment delete", "DELETE FROM RESZLET WHERE RKOD = '10002'", ""},
        {"stand insert", "INSERT INTO ALLOMANY (AKOD, ARKOD, AFAF, AM3HA) VALUES ('30001', '10001', 'KTT', 12.5)",
         "ALLOMANY|30001|10001|I|AKOD ARKOD AFAF AM3HA||AKOD=30001\nARKOD=10001\nAFAF=KTT\nAM3HA=12.50000000000000\n"},
        {"stand update", "UPDATE ALLOMANY SET AFAF = 'B' WHERE AKOD = (SELECT MIN(AKOD) FROM ALLOMANY)", ""},
        {"stand delete", "DELETE FROM ALLOMANY WHERE AKOD = (SELECT MIN(AKOD) FROM ALLOMANY)", ""},
        {"code insert", "INSERT INTO KODOK (KKOD, KNEV, KCSOPORT) VALUES ('90001', 'Új kód', 'Helység')",
         "KODOK|90001||I|KKOD KNEV KCSOPORT||KKOD=90001\nKNEV=Új kód\nKCSOPORT=Helység\n"},
        {"code update", "UPDATE KODOK SET KNEV = 'Bakk' WHERE KKOD = '11002'", "KODOK|11002||U|KNEV|KNEV=Bak\n|KNEV=Bakk\n"},
        {"code delete", "DELETE FROM KODOK WHERE KKOD = '11002'", ""}};
    for (bool outside : {false, true})
        for (const auto &[name, sql, expected] : cases)
            QTest::addRow("%s %s", name, outside ? "by plain SQL" : "by the program") << outside << sql << expected;
}

void TestHistory::eachChangeLeavesOneRow()
{
    QFETCH(bool, outside);
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    TestDb db(Content::Demo);
    const QString before = db.scalar("SELECT MAX(IDN) FROM NAPLO");
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
    if (outside) {
        db.disconnect();
        plainSql(db.file(), sql);
        db.reconnect();
    } else {
        db.exec(sql);
    }
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM NAPLO WHERE IDN > " + before), QString("1"));
    const QString last = "FROM NAPLO WHERE IDN > " + before;
    QCOMPARE(db.scalar("SELECT FELHASZNALO " + last), outside ? QString("SYSDBA") : fbapi::computerUser());
    const QDateTime when = QDateTime::fromString(db.scalar("SELECT CAST(IDOPONT AS VARCHAR(24)) " + last).left(19),
                                                 "yyyy-MM-dd HH:mm:ss");
    QVERIFY2(when >= start && when <= QDateTime::currentDateTime().addSecs(1), qPrintable(when.toString()));
    const QString got = db.scalar("SELECT TABLA || '|' || KOD || '|' || COALESCE(RKOD, '') || '|' || MUVELET || '|' || "
                                  "OSZLOPOK || '|' || COALESCE(REGI, '') || '|' || COALESCE(UJ, '') " + last);
    if (!expected.isEmpty()) {
        QCOMPARE(got, expected);
    } else {
        // Deletes keep every old value and no new one; changes name the column both ways.
        const QStringList parts = got.split('|');
        QVERIFY2(parts.value(3) == "D" ? parts.value(5).contains("=") && parts.value(6).isEmpty()
                                       : parts.value(5).count('\n') == 1 && parts.value(6).count('\n') == 1,
                 qPrintable(got));
    }
}

void TestHistory::windowListsFiltersAndPrints()
{
    TestDb db(Content::Demo);
    MessageRecorder rec;
    db.exec("DELETE FROM NAPLO");   // the rows the demo data left when it was loaded
    db.exec("UPDATE RESZLET SET RHELYSEG = 'Gősfa' WHERE RKOD = '10001'");
    db.disconnect();
    plainSql(db.file(), "UPDATE RESZLET SET RTAG = '9' WHERE RKOD = '10001'");
    db.reconnect();

    // From the compartment list: the current compartment's changes, newest first.
    TForm7 list;
    dm().ZQ10->load({"SELECT * FROM reszlet WHERE RKOD = '10001'"});
    dm().ZQ10->open();
    ModalScript script;
    QStringList users, columns;
    int printed = 0;
    QString text;
    script.add([&](QDialog *d) {
        auto *grid = d->findChild<SlotGrid *>("DBGridNaplo");
        TQuery *q = grid->slot();
        for (int r = 0; r < q->rowCount(); ++r) {
            users << q->textAt(r, q->columnIndex("FELHASZNALO"));
            columns << q->textAt(r, q->columnIndex("OSZLOPOK"));
        }
        // Only the changes of one person.
        auto *who = d->findChild<QComboBox *>("ComboUser");
        who->setCurrentIndex(who->findData("SYSDBA"));
        d->findChild<QPushButton *>("ButtonKeres")->click();
        if (q->rowCount() != 1) users << "filter by person failed";
        // A wrong date is refused with a message, the list stays.
        d->findChild<QLineEdit *>("EditTol")->setText("2026.13.45");
        d->findChild<QPushButton *>("ButtonKeres")->click();
        report::setPreviewHandler([&](const report::PreparedReport &r) {
            ++printed;
            text = r.toPlainText();
        });
        d->findChild<QLineEdit *>("EditTol")->setText(QDate::currentDate().toString("yyyy.MM.dd"));
        d->findChild<QPushButton *>("ButtonNyomtat")->click();
        report::setPreviewHandler({});
        return int(QDialog::Rejected);
    });
    QDir::setCurrent(db.dir());
    QFile::copy(Source + "/reports/Valtozasok.frf", "Valtozasok.frf");
    list.ButtonValtozasokClick();
    QCOMPARE(script.opened, QStringList{"TFormValtozasok"});
    QCOMPARE(users, (QStringList{"SYSDBA", fbapi::computerUser()}));
    QCOMPARE(columns, (QStringList{"RTAG", "RHELYSEG"}));
    QCOMPARE(rec.texts.size(), 1);
    QVERIFY(rec.texts.first().startsWith("Hibás dátum („Tól”): 2026.13.45"));
    QCOMPARE(printed, 1);
    QVERIFY2(text.contains("RTAG=9") && text.contains("SYSDBA"), qPrintable(text));
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
