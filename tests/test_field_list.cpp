// The custom query's field list: plain columns of the three joined tables and
// arithmetic on them are offered; any other line of mezo1.txt is refused with
// its number named and never reaches the server.
#include "EditorCases.h"
#include "queries/CustomQuery.h"
#include "queries/FieldList.h"
#include <QFile>
#include <QListWidget>

class TestFieldList : public QObject {
    Q_OBJECT
private slots:
    void init() { m_messages = std::make_unique<MessageRecorder>(); }
    void cleanup() { m_messages.reset(); }

    void entries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("refusal");   // a word of the reason; empty: accepted
        QTest::newRow("column") << "RHELYSEG" << "";
        QTest::newRow("lower case, table named") << "allomany.afaf" << "";
        QTest::newRow("arithmetic") << "(RRHA + RAHA) / 2 * TEHA1 - 0.5" << "";
        QTest::newRow("subquery") << "(SELECT COUNT(*) FROM KODOK)" << "SELECT";
        QTest::newRow("function call") << "GEN_ID(GEN_RESZLET,1000)" << "függvényhívás";
        QTest::newRow("quote") << "RHELYSEG || 'x'" << "idézőjel";
        QTest::newRow("semicolon") << "RHELYSEG; DELETE FROM RESZLET" << "pontosvessző";
        QTest::newRow("comment") << "RHELYSEG -- x" << "megjegyzés";
        QTest::newRow("block comment") << "RHELYSEG /* x */" << "megjegyzés";
        QTest::newRow("unknown column") << "RDB$DB_KEY" << "ismeretlen oszlop";
        QTest::newRow("other table") << "KODOK.KNEV" << "ismeretlen tábla";
        QTest::newRow("two columns") << "RHELYSEG RTAG" << "RTAG";
        QTest::newRow("unbalanced") << "(RAK + 1" << "zárójel";
        QTest::newRow("concatenation") << "RHELYSEG || RTAG" << "„|”";
    }
    void entries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, refusal);
        TestDb db(Content::Demo);
        const QString generator = db.scalar("SELECT GEN_ID(GEN_RESZLET, 0) FROM RDB$DATABASE");
        QFile f("mezo1.txt");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QStringLiteral("RTAG\r\n%1\r\n").arg(entry).toUtf8());
        f.close();
        TForm23 w;
        w.show();
        auto *list = w.findChild<QListWidget *>("ListBox1");
        if (refusal.isEmpty()) {
            QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));
            QCOMPARE(list->count(), 2);
            return;
        }
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QString("RTAG"));
        QCOMPARE(m_messages->texts.size(), 1);
        QVERIFY2(m_messages->last().contains("2. sor („" + entry.trimmed() + "”)"), qPrintable(m_messages->last()));
        QVERIFY2(m_messages->last().contains(refusal), qPrintable(m_messages->last()));
        QCOMPARE(db.scalar("SELECT GEN_ID(GEN_RESZLET, 0) FROM RDB$DATABASE"), generator);
    }

private:
    std::unique_ptr<MessageRecorder> m_messages;
};

QTEST_MAIN(TestFieldList)
#include "test_field_list.moc"
