// Lists keep their rows across a commit and read again only what was
// written: after every kind of write each list on screen holds exactly the
// rows a fresh read of its statement gives, in the same order, on the row
// the window positions it on; the search finds what a scan of every row finds.
#include "TestSupport.h"
#include "EntryWindow.h"
#include "common/Shared.h"
#include "datastore/WriteLog.h"
#include "register/CompartmentEntry.h"
#include "register/CompartmentList.h"
#include "shell/ReferenceYear.h"
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

using namespace testsupport;

namespace {

// 1,500 compartments more than the demo: long enough for the locate index,
// settlements in both letter cases and with accents, so that the Hungarian
// order and the case-blind search are put to work.
const char *const kMore = R"(INSERT INTO RESZLET (RKOD, RHELYSEG, RTAG, RRESZLET, RHRSZ, RRHA)
WITH RECURSIVE A AS (SELECT 0 AS X FROM RDB$DATABASE UNION ALL SELECT X + 1 FROM A WHERE X < 49),
     B AS (SELECT 0 AS Y FROM RDB$DATABASE UNION ALL SELECT Y + 1 FROM B WHERE Y < 29),
     N AS (SELECT X * 30 + Y AS I FROM A CROSS JOIN B)
SELECT 20000 + I, TRIM(SUBSTRING('Árpás  árok   Arló   Öttevényzala  zalaCsehiÉrsekÓzd   ' FROM 7 * MOD(I, 11) + 1 FOR 7)),
       I / 3, ASCII_CHAR(97 + MOD(I, 3)), MOD(I * 7, 50) || '/' || I, I * 0.5 FROM N)";

QStringList texts(const TQuery &q)
{
    QStringList out;
    for (int r = 0; r < q.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < q.columnCount(); ++c) row << q.textAt(r, c);
        out << row.join(u'|');
    }
    return out;
}

// The slot's rows against a fresh read of its own statement.
void sameAsFresh(TQuery *slot, const QString &p1)
{
    QVERIFY2(slot->isOpen(), qPrintable(slot->objectName()));
    TQuery fresh(&dm(), QStringLiteral("Fresh"));
    fresh.load(slot->sqlLines());
    fresh.setText(QStringLiteral("p1"), p1);
    fresh.open();
    const QStringList want = texts(fresh), got = texts(*slot);
    fresh.close();
    QCOMPARE(got.size(), want.size());
    for (int r = 0; r < want.size(); ++r) QCOMPARE(got.at(r), want.at(r));
}

QString code(TQuery *q) { return q->currentRow() < 0 ? QString() : q->asString(QStringLiteral("RKOD")); }

using Write = std::function<void(TForm7 &, MessageRecorder &, ModalScript &)>;

// The data-entry window saving what the step types.
ModalScript::Step entrySave(const QString &settlement)
{
    return [settlement](QDialog *d) {
        auto *w = static_cast<TForm8 *>(d);
        w->fields().setText(QStringLiteral("Edit1"), settlement);
        d->findChild<QPushButton *>(QStringLiteral("Button59"))->click();
        return d->result();
    };
}

void commitStatement(const QString &sql, const QString &p1)
{
    TQuery *q = dm().ZQ11;
    q->load({sql});
    q->setText(QStringLiteral("p1"), p1);
    q->execute();
    dm().commit();
}

} // namespace

Q_DECLARE_METATYPE(Write)

class TestListsKept : public QObject {
    Q_OBJECT
private slots:
    void init() { shared::resetAll(); }
    void listsMatchFreshRead_data();
    void listsMatchFreshRead();
    void searchFindsWhatAScanFinds();
    void writesNamed_data();
    void writesNamed();
};

void TestListsKept::listsMatchFreshRead_data()
{
    QTest::addColumn<Write>("write");
    QTest::addColumn<QString>("where");   // the compartment the list stands on afterwards: "saved", "same"

    // New and change through the data-entry window: the list comes back by code on the saved row.
    QTest::newRow("new") << Write([](TForm7 &w, MessageRecorder &, ModalScript &s) {
        s.add(entrySave(QStringLiteral("Ábrahámhegy")));
        w.Button2Click();
    }) << "saved";
    // A changed settlement moves the row within the settlement order kept from before.
    QTest::newRow("change") << Write([](TForm7 &w, MessageRecorder &, ModalScript &s) {
        dm().ZQ10->setCurrentRow(700);
        s.add(entrySave(QStringLiteral("aaa első")));
        w.Button3Click();
    }) << "saved";
    // The list by code is kept with its locate index: a new row in the middle
    // moves the rows after it, then a save finds its row in place.
    QTest::newRow("change, insert, new") << Write([](TForm7 &w, MessageRecorder &, ModalScript &s) {
        dm().ZQ10->setCurrentRow(500);
        s.add(entrySave(QStringLiteral("Zsira")));
        w.Button3Click();
        commitStatement(QStringLiteral("INSERT INTO reszlet (RKOD, RHELYSEG) VALUES (:p1, 'Bak')"),
                        QStringLiteral("1500"));
        s.add(entrySave(QString::fromUtf8("Árpás")));
        w.Button2Click();
    }) << "saved";
    QTest::newRow("cascade delete") << Write([](TForm7 &w, MessageRecorder &rec, ModalScript &) {
        dm().ZQ10->setCurrentRow(3);
        rec.answers << true;
        w.Button4Click();
    }) << "saved";
    QTest::newRow("reference year") << Write([](TForm7 &, MessageRecorder &, ModalScript &) {
        TForm24 y;
        y.show();
        y.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("2031"));
        y.Button3Click();
    }) << "same";
    QTest::newRow("sub-record") << Write([](TForm7 &, MessageRecorder &, ModalScript &) {
        commitStatement(QStringLiteral("INSERT INTO allomany (ARKOD, ASSZAM, AFAF) VALUES (:p1, '0', 'B')"),
                        QStringLiteral("10001"));
    }) << "same";
    QTest::newRow("sub-record delete") << Write([](TForm7 &, MessageRecorder &, ModalScript &) {
        commitStatement(QStringLiteral("DELETE FROM allomany WHERE ARKOD = :p1"), QStringLiteral("10001"));
    }) << "same";
    QTest::newRow("code") << Write([](TForm7 &, MessageRecorder &, ModalScript &) {
        commitStatement(QStringLiteral("UPDATE kodok SET KSOR = '0' WHERE KKOD = :p1"), QStringLiteral("11005"));
    }) << "same";
    QTest::newRow("compartment by statement") << Write([](TForm7 &, MessageRecorder &, ModalScript &) {
        commitStatement(QStringLiteral("UPDATE reszlet SET RHELYSEG = 'Zsira', RTAG = '9' WHERE RKOD = :p1"),
                        QStringLiteral("10002"));
    }) << "same";
}

void TestListsKept::listsMatchFreshRead()
{
    QFETCH(Write, write);
    QFETCH(QString, where);
    TestDb db(Content::Demo);
    db.exec(QString::fromUtf8(kMore));
    db.exec("INSERT INTO ALLOMANY (ARKOD, ASSZAM, AFAF) VALUES ('10001', '2', 'KST')");
    db.exec("INSERT INTO ALLOMANY (ARKOD, ASSZAM, AFAF) VALUES ('10001', '1', 'CS')");
    MessageRecorder rec;
    ModalScript script;
    TForm7 w;
    w.show();
    // The other lists a window may show meanwhile: one compartment's stand rows, a code group.
    TQuery *stand = dm().ZQ20, *codes = dm().ZQ100;
    stand->load({"SELECT * FROM allomany", "WHERE ARKOD = :p1", "ORDER BY ASSZAM"});
    stand->setText("p1", "10001");
    stand->open();
    codes->load({"SELECT * FROM kodok", "WHERE KCSSZAM = :p1", "ORDER BY KSOR, KKOD"});
    codes->setText("p1", "FAF");
    codes->open();
    TQuery *list = dm().ZQ10;
    list->setCurrentRow(40);
    const QString before = code(list);

    write(w, rec, script);
    QCoreApplication::processEvents();   // the grids on screen reopen their lists
    for (TQuery *q : {stand, codes})
        if (!q->isOpen()) q->open();      // as their windows reopen them

    const QList<QPair<TQuery *, QString>> shown{{list, {}}, {stand, "10001"}, {codes, "FAF"}};
    for (const auto &[q, p1] : shown) {
        sameAsFresh(q, p1);
        if (QTest::currentTestFailed()) return;
    }
    if (where == QLatin1String("saved")) {
        TQuery fresh(&dm(), QStringLiteral("Fresh"));
        fresh.load(list->sqlLines());
        fresh.open();
        fresh.locate(QStringLiteral("RKOD"), shared::lastCompartmentCode);
        QCOMPARE(list->currentRow(), fresh.currentRow());
        // Any code, and a beginning of several, is found where a fresh list has it.
        for (const QString &c : {QStringLiteral("1"), QStringLiteral("10001"), QStringLiteral("1500"), QStringLiteral("2071"),
                                 QStringLiteral("21499"), shared::lastCompartmentCode}) {
            QCOMPARE(list->locate(QStringLiteral("RKOD"), c), fresh.locate(QStringLiteral("RKOD"), c));
            QCOMPARE(list->currentRow(), fresh.currentRow());
        }
    } else {
        QCOMPARE(code(list), before);
    }
    QVERIFY2(rec.texts.isEmpty() || where == QLatin1String("saved"), qPrintable(rec.texts.join(u'\n')));
}

void TestListsKept::searchFindsWhatAScanFinds()
{
    TestDb db(Content::Demo);
    db.exec(QString::fromUtf8(kMore));
    MessageRecorder rec;
    TForm7 w;
    w.show();
    // After a save the list is by code: the search brings the settlement order back.
    dm().ZQ10->load({"SELECT * FROM reszlet", "ORDER BY RKOD"});
    dm().ZQ10->open();
    auto *search = w.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    const QStringList typed{QString::fromUtf8("á"), QString::fromUtf8("Ár"), "arl", "ZALAC",
                            QString::fromUtf8("öt"), "x", ""};
    for (const QString &text : typed) {
        search->setText(text);
        w.Button7Click();
        TQuery fresh(&dm(), QStringLiteral("Fresh"));
        fresh.load(dm().ZQ10->sqlLines());
        fresh.open();
        int want = 0;
        const int c = fresh.columnIndex(QStringLiteral("RHELYSEG"));
        for (int r = 0; r < fresh.rowCount(); ++r)
            if (fresh.textAt(r, c).startsWith(text, Qt::CaseInsensitive)) { want = r; break; }
        QCOMPARE(texts(*dm().ZQ10), texts(fresh));
        QCOMPARE(dm().ZQ10->currentRow(), want);
    }
}

void TestListsKept::writesNamed_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("note");   // table/kind/column=value
    QTest::newRow("insert") << "INSERT INTO reszlet\n(RHELYSEG) VALUES (:p1)" << "RESZLET/insert";
    QTest::newRow("update by id") << "UPDATE reszlet\nSET RTAG = :p1\nWHERE IDr     = :p0" << "RESZLET/keyed/IDR=7";
    QTest::newRow("delete by code") << "DELETE FROM allomany\nWHERE aRkod = :p1" << "ALLOMANY/keyed/ARKOD=10001";
    QTest::newRow("every row") << "UPDATE reszlet   \n  SET RTEV = :p1 " << "RESZLET/many";
    QTest::newRow("two conditions") << "DELETE FROM egyeb WHERE bRkod = :p1 AND BKOD = :p0" << "EGYEB/many";
    QTest::newRow("subquery") << "UPDATE reszlet SET RTAG = (SELECT MAX(ATAG) FROM allomany WHERE ARKOD = :p1) WHERE IDR = :p0"
                              << "RESZLET/many";
    QTest::newRow("text key") << "DELETE FROM kodok WHERE KNEV = :p2" << "KODOK/many";
    QTest::newRow("procedure") << "EXECUTE PROCEDURE X" << "/many";
}

void TestListsKept::writesNamed()
{
    QFETCH(QString, sql);
    QFETCH(QString, note);
    DbParam p0, p1, p2;
    p0.kind = DbParam::Int;
    p0.whole = 7;
    p1.kind = DbParam::Text;
    p1.text = QStringLiteral("10001");
    p2.kind = DbParam::Text;
    p2.text = QStringLiteral("Tölgy");
    const WriteNote n = WriteLog::parse(sql, {{"p0", p0}, {"p1", p1}, {"p2", p2}});
    const QString kind = n.kind == WriteNote::Insert ? "insert" : n.kind == WriteNote::Keyed ? "keyed" : "many";
    QString got = n.table + u'/' + kind;
    if (n.kind == WriteNote::Keyed) got += u'/' + n.column + u'=' + n.value;
    QCOMPARE(got, note);
}

QTEST_MAIN(TestListsKept)
#include "test_lists_kept.moc"
