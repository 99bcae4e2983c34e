// The data module on a real database: transaction rules, parameters, reading,
// locate, the code lookup, the code-assigning triggers and Hungarian text.
#include "TestSupport.h"
#include "datastore/Convert.h"
#include <QtTest>

using namespace testsupport;

class TestDatastore : public QObject {
    Q_OBJECT
private slots:
    void statementWithNothingOpenIsCommittedAtOnce();
    void commitClosesOpenSlots();
    void rollbackDiscardsPendingStatements();
    void programEndCommits();
    void closingStarterCommits();
    void parameterKinds_data();
    void parameterKinds();
    void numbersReadBackWithComma_data();
    void numbersReadBackWithComma();
    void locate_data();
    void locate();
    void codeLookup_data();
    void codeLookup();
    void triggerAssignsPredictedCode();
    void newCompartmentGetsReferenceYear();
    void hungarianTextRoundTrip();
    void packedRowsKeepEveryColumn_data();
    void packedRowsKeepEveryColumn();
    void settlementsInHungarianOrder();
    void characterOutsideWin1250Refused();
    void valueRefusedBeforeStatement_data();
    void valueRefusedBeforeStatement();
    void conversions_data();
    void conversions();
};

void TestDatastore::statementWithNothingOpenIsCommittedAtOnce()
{
    TestDb db(Content::Empty);
    TData &d = db.data();
    d.commit();                                    // start-up's transaction ended
    QVERIFY(!d.inTransaction());
    d.ZQ11->load({"INSERT INTO ERDESZET (IDX, XNEVE) VALUES (1, 'Próba')"});
    d.ZQ11->execute();
    QVERIFY(!d.inTransaction());                   // committed right after
    db.reconnect();
    QCOMPARE(db.scalar("SELECT XNEVE FROM ERDESZET"), QString("Próba"));
}

void TestDatastore::commitClosesOpenSlots()
{
    TestDb db(Content::Empty);
    TData &d = db.data();
    d.ZQ10->load({"SELECT * FROM KODOK"});
    d.ZQ10->open();
    d.IBTable4->open();
    QVERIFY(d.ZQ10->isOpen() && d.IBTable4->isOpen());
    d.commit();
    QVERIFY(!d.ZQ10->isOpen());
    QVERIFY(!d.IBTable4->isOpen());
    QCOMPARE(d.openCount(), 0);
}

void TestDatastore::rollbackDiscardsPendingStatements()
{
    TestDb db(Content::Empty);
    TData &d = db.data();
    d.ZQ10->load({"SELECT * FROM KODOK"});
    d.ZQ10->open();                                // keeps the transaction open
    d.ZQ11->load({"INSERT INTO ERDESZET (IDX, XNEVE) VALUES (1, 'Elvész')"});
    d.ZQ11->execute();
    QVERIFY(d.inTransaction());
    d.rollback();
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM ERDESZET"), QString("0"));
}

void TestDatastore::programEndCommits()
{
    TestDb db(Content::Empty);
    TData &d = db.data();
    d.ZQ10->load({"SELECT * FROM KODOK"});
    d.ZQ10->open();
    d.IBTable10->open();                           // slots and tables still open at the end
    d.ZQ11->load({"INSERT INTO ERDESZET (IDX, XNEVE) VALUES (1, 'Megmarad')"});
    d.ZQ11->execute();
    db.reconnect();                                // the old module is destroyed (sanitizer build: no use after free)
    QVERIFY(TData::instance() == &db.data());
    QCOMPARE(db.scalar("SELECT XNEVE FROM ERDESZET"), QString("Megmarad"));
}

void TestDatastore::closingStarterCommits()
{
    TestDb db(Content::Empty);
    TData &d = db.data();
    d.commit();
    d.ZQ10->load({"SELECT * FROM KODOK"});
    d.ZQ10->open();                                // starts the transaction
    QVERIFY(d.inTransaction());
    d.ZQ12->load({"SELECT * FROM ERDESZET"});
    d.ZQ12->open();
    d.ZQ10->close();                               // another slot still open
    QVERIFY(d.inTransaction());
    d.ZQ12->close();
    QVERIFY(d.inTransaction());                    // ZQ12 did not start it
    d.commit();
    d.ZQ10->open();
    d.ZQ10->close();                               // the starter closes alone
    QVERIFY(!d.inTransaction());
}

void TestDatastore::parameterKinds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::newRow("text") << "text" << "RHELYSEG" << "Bak" << "Bak";
    QTest::newRow("text keeps blanks") << "text" << "RTAG" << " 12 " << " 12 ";
    QTest::newRow("float with comma") << "float" << "RRHA" << "12,5" << "12,5";
    QTest::newRow("float zero") << "float" << "RRHA" << "0" << "0";
    QTest::newRow("whole number") << "int" << "REV" << "2011" << "2011";
    QTest::newRow("text into integer") << "text" << "REV" << "2010" << "2010";
    QTest::newRow("null number") << "null" << "RRHA" << "" << "";
    QTest::newRow("null text") << "null" << "RTAG" << "" << "";
    QTest::newRow("date") << "date" << "FDATUM" << "2011.05.12" << "2011.05.12";
}

void TestDatastore::parameterKinds()
{
    QFETCH(QString, kind);
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    TestDb db(Content::Empty);
    TData &d = db.data();
    const QString table = column == "FDATUM" ? "FAHASZNALAT" : "RESZLET";
    d.ZQ11->load({QString("INSERT INTO %1 (%2)").arg(table, column), "VALUES (:p1)"});
    if (kind == "text") d.ZQ11->setText("p1", value);
    else if (kind == "float") { double v; QVERIFY(convert::parseNumber(value, &v)); d.ZQ11->setFloat("P1", v); }
    else if (kind == "int") d.ZQ11->setInt("p1", value.toLongLong());
    else if (kind == "date") { QDate v; QVERIFY(convert::parseDate(value, &v)); d.ZQ11->setDate("p1", v); }
    else d.ZQ11->setNull("p1");
    d.ZQ11->execute();
    d.commit();
    d.ZQ12->load({QString("SELECT * FROM %1").arg(table)});
    d.ZQ12->open();
    QCOMPARE(d.ZQ12->asString(column.toLower()), stored);
    QCOMPARE(d.ZQ12->isNull(column), kind == "null");
}

// Rows are packed with two-byte offsets up to 64 KiB and four-byte ones
// beyond; nulls, empty texts and the columns after long ones read back whole.
void TestDatastore::packedRowsKeepEveryColumn_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("rövid sor") << 10;
    QTest::newRow("64 KiB fölött") << 32000;
    QTest::newRow("üres hosszú oszlopok") << 0;
}

void TestDatastore::packedRowsKeepEveryColumn()
{
    QFETCH(int, length);
    TestDb db(Content::Empty);
    TData &d = db.data();
    d.ZQ11->load({QString("SELECT CAST(NULL AS VARCHAR(5)) AS N, '' AS E, CAST(RPAD('', %1, 'a') AS VARCHAR(32000)) AS L1, "
                          "CAST(RPAD('', %1, 'ő') AS VARCHAR(32000)) AS L2, CAST(RPAD('', %1, 'z') AS VARCHAR(32000)) AS L3, "
                          "12.5e0 AS D, "
                          "CAST(NULL AS DOUBLE PRECISION) AS DN, 'vég' AS T FROM RDB$DATABASE").arg(length)});
    d.ZQ11->open();
    QCOMPARE(d.ZQ11->rowCount(), 1);
    QVERIFY(d.ZQ11->isNull("N"));
    QVERIFY(!d.ZQ11->isNull("E"));
    QCOMPARE(d.ZQ11->value("E").toString(), QString());
    QCOMPARE(d.ZQ11->value("L1").toString(), QString(length, 'a'));
    QCOMPARE(d.ZQ11->value("L2").toString(), QString(length, u'ő'));
    QCOMPARE(d.ZQ11->value("L3").toString(), QString(length, 'z'));
    QCOMPARE(d.ZQ11->asFloat("D"), 12.5);
    QVERIFY(d.ZQ11->isNull("DN"));
    QCOMPARE(d.ZQ11->value("T").toString(), QString("vég"));
}

void TestDatastore::numbersReadBackWithComma_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("12,5") << 12.5 << "12,5";
    QTest::newRow("whole") << 3.0 << "3";
    QTest::newRow("15 digits") << 1234567.12345678 << "1234567.12345678";
    QTest::newRow("third") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("negative") << -0.25 << "-0,25";
}

void TestDatastore::numbersReadBackWithComma()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    text.replace('.', ',');
    TestDb db(Content::Empty);
    TData &d = db.data();
    d.ZQ11->load({"INSERT INTO RESZLET (RHELYSEG, RRHA) VALUES ('X', :p1)"});
    d.ZQ11->setFloat("p1", value);
    d.ZQ11->execute();
    d.ZQ12->load({"SELECT RRHA FROM RESZLET"});
    d.ZQ12->open();
    QCOMPARE(d.ZQ12->asString("rrha"), text);
    QCOMPARE(d.ZQ12->asFloat("RRHA"), value);
}

void TestDatastore::locate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("found");
    QTest::newRow("prefix") << "Bu" << "Budapest" << true;
    QTest::newRow("any case") << "bu" << "Budapest" << true;
    QTest::newRow("accented") << "ábr" << "Ábrahámhegy" << true;
    QTest::newRow("empty is the first") << "" << "Abda" << true;
    QTest::newRow("no match keeps first") << "Zz" << "Abda" << false;
}

void TestDatastore::locate()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, found);
    TestDb db(Content::Empty);
    for (const char *n : {"Budapest", "Abda", "Bak", "Ábrahámhegy", "Buják"})
        db.exec(QString("INSERT INTO RESZLET (RHELYSEG) VALUES ('%1')").arg(QString::fromUtf8(n)));
    TData &d = db.data();
    d.ZQ10->load({"SELECT * FROM RESZLET", "ORDER BY RHELYSEG"});
    d.ZQ10->open();
    QCOMPARE(d.ZQ10->locate("rhelyseg", text), found);
    QCOMPARE(d.ZQ10->asString("RHELYSEG"), expected);
}

void TestDatastore::codeLookup_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("shortName");
    QTest::newRow("exact") << "10001" << "KTT";
    QTest::newRow("blanks around") << "  10001 \t" << "KTT";
    QTest::newRow("unknown") << "99999" << "";
    QTest::newRow("empty") << "" << "";
}

void TestDatastore::codeLookup()
{
    QFETCH(QString, code);
    QFETCH(QString, shortName);
    TestDb db(Content::Empty);
    db.exec("INSERT INTO KODOK (KKOD, KRNEV, KCSSZAM) VALUES ('10001', 'KTT', 'FAF')");
    QCOMPARE(db.data().codeLookup(code), shortName);
}

void TestDatastore::triggerAssignsPredictedCode()
{
    TestDb db(Content::Empty);
    auto insertAndCode = [&] {
        db.exec("INSERT INTO ALLOMANY (AFAF) VALUES ('B')");
        return db.scalar("SELECT MAX(AKOD) FROM ALLOMANY");
    };
    QCOMPARE(insertAndCode(), QString("10001"));     // empty table
    db.exec("INSERT INTO ALLOMANY (AKOD, AFAF) VALUES ('10041', 'B')");
    QCOMPARE(insertAndCode(), QString("10042"));     // after 10041
    db.exec("DELETE FROM ALLOMANY WHERE AKOD = '10042'");
    QCOMPARE(insertAndCode(), QString("10042"));     // the highest left + 1
    db.exec("DELETE FROM ALLOMANY WHERE AKOD <> '10001'");
    QCOMPARE(insertAndCode(), QString("10002"));
    QCOMPARE(db.scalar("SELECT COUNT(DISTINCT IDA) FROM ALLOMANY"), QString("2"));
}

void TestDatastore::newCompartmentGetsReferenceYear()
{
    TestDb db(Content::Empty);
    db.exec("INSERT INTO RESZLET (RHELYSEG) VALUES ('Bak')");
    QCOMPARE(db.scalar("SELECT RTEV FROM RESZLET"), QString());   // no year set yet
    db.exec("UPDATE RESZLET SET RTEV = 2011");
    db.exec("INSERT INTO RESZLET (RHELYSEG) VALUES ('Lenti')");
    QCOMPARE(db.scalar("SELECT RTEV FROM RESZLET WHERE RHELYSEG = 'Lenti'"), QString("2011"));
}

void TestDatastore::hungarianTextRoundTrip()
{
    TestDb db(Content::Empty);
    TData &d = db.data();
    const QString text = QString::fromUtf8("Őriszentpéter, tűzifa: árvíztűrő tükörfúrógép ŐŰ");
    d.ZQ11->load({"INSERT INTO RESZLET (RHELYSEG) VALUES (:p1)"});
    d.ZQ11->setText("p1", text);
    d.ZQ11->execute();
    d.ZQ12->load({"SELECT RHELYSEG FROM RESZLET WHERE RHELYSEG = :p1"});
    d.ZQ12->setText("p1", text);
    d.ZQ12->open();
    QCOMPARE(d.ZQ12->rowCount(), 1);
    QCOMPARE(d.ZQ12->asString("RHELYSEG"), text);
}

void TestDatastore::settlementsInHungarianOrder()
{
    TestDb db(Content::Empty);
    for (const char *n : {"Zalaegerszeg", "Ábrahámhegy", "Abda", "Csorna", "Cegléd", "Dabas", "Öttevény", "Ozora"})
        db.exec(QString("INSERT INTO RESZLET (RHELYSEG) VALUES ('%1')").arg(QString::fromUtf8(n)));
    TData &d = db.data();
    d.ZQ10->load({"SELECT * FROM RESZLET", "ORDER BY RHELYSEG"});
    d.ZQ10->open();
    QStringList got;
    for (int r = 0; r < d.ZQ10->rowCount(); ++r) got << d.ZQ10->textAt(r, d.ZQ10->columnIndex("RHELYSEG"));
    const QStringList want = QString::fromUtf8("Abda Ábrahámhegy Cegléd Csorna Dabas Ozora Öttevény Zalaegerszeg").split(' ');
    QCOMPARE(got, want);
}

void TestDatastore::characterOutsideWin1250Refused()
{
    TestDb db(Content::Empty);
    TData &d = db.data();
    d.ZQ11->load({"INSERT INTO RESZLET (RHELYSEG) VALUES (:p1)"});
    d.ZQ11->setText("p1", QString::fromUtf8("Bak ☃"));
    try {
        d.ZQ11->execute();
        QFAIL("the snowman was stored");
    } catch (const DbError &e) {
        QVERIFY(e.text().contains(QString::fromUtf8("☃")));
        QVERIFY(e.text().contains(QString::fromUtf8("nem tud tárolni")));
    }
    d.commit();
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET"), QString("0"));
}

void TestDatastore::valueRefusedBeforeStatement_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("kind");        // 0 text, 1 whole number, 2 floating point
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("param");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("message");  // as it names the field "X"
    QTest::newRow("text wider than its column") << "INSERT INTO ALLOMANY (ASSZAM, AMOD) VALUES (:p1, :p2)" << 0
        << "12345678901" << "p1" << int(DbValueError::TooLong) << "Túl hosszú szöveg: X (legfeljebb 10 karakter, most 11)";
    QTest::newRow("whole number beyond INTEGER") << "UPDATE RESZLET SET REV = :p2 WHERE IDR = :p1" << 1
        << "99999999999" << "p2" << int(DbValueError::TooLarge) << "Túl nagy szám: X (legfeljebb 2147483647)";
    QTest::newRow("year as text beyond INTEGER") << "UPDATE RESZLET SET RTEV = :p1" << 0 << "99999999999" << "p1"
        << int(DbValueError::TooLarge) << "Túl nagy szám: X (legfeljebb 2147483647)";
    QTest::newRow("float beyond INTEGER") << "UPDATE RESZLET SET REV = :p2 WHERE IDR = :p1" << 2 << "3e10" << "p2"
        << int(DbValueError::TooLarge) << "Túl nagy szám: X (legfeljebb 2147483647)";
    QTest::newRow("emoji") << "UPDATE RESZLET SET RTAG = :p2 WHERE IDR = :p1" << 0 << "5 🌲" << "p2"
        << int(DbValueError::Unstorable) << "Nem tárolható karakter: X („🌲”)";
}

// The statement never runs: the pending work of the transaction stays as it was.
void TestDatastore::valueRefusedBeforeStatement()
{
    QFETCH(QString, sql);
    QFETCH(int, kind);
    QFETCH(QString, value);
    QFETCH(QString, param);
    QFETCH(int, problem);
    QFETCH(QString, message);
    TestDb db(Content::Demo);
    TData &d = db.data();
    d.ZQ10->load({"SELECT * FROM RESZLET"});
    d.ZQ10->open();                                    // keeps the transaction open
    d.ZQ12->load({"UPDATE RESZLET SET RTAG = 'függő'"});
    d.ZQ12->execute();
    d.ZQ11->load({sql});
    d.ZQ11->setText("p1", "1");
    if (kind == 0) d.ZQ11->setText(param, value);
    else if (kind == 1) d.ZQ11->setInt(param, value.toLongLong());
    else d.ZQ11->setFloat(param, value.toDouble());
    try {
        d.ZQ11->execute();
        QFAIL("the statement ran");
    } catch (const DbValueError &e) {
        QCOMPARE(e.param(), param);
        QCOMPARE(int(e.problem()), problem);
        QCOMPARE(e.message("X"), message);
        QVERIFY(e.text().endsWith("Semmi nem került mentésre.") || e.text().endsWith("semmi nem került mentésre."));
    }
    QVERIFY(d.inTransaction() && d.ZQ10->isOpen());
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE RTAG = 'függő'"), QString("20"));
}

void TestDatastore::conversions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "12,5" << true << 12.5;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("lone comma") << "," << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "12a" << false << 0.0;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
}

void TestDatastore::conversions()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double v = 0;
    QCOMPARE(convert::parseNumber(text, &v), ok);
    if (ok) QCOMPARE(v, value);
    QDate d;
    QVERIFY(convert::parseDate("2011.05.12.", &d));
    QCOMPARE(convert::dateText(d), QString("2011.05.12"));
    QVERIFY(!convert::parseDate("2011.13.01", &d));
}

QTEST_MAIN(TestDatastore)
#include "test_datastore.moc"
