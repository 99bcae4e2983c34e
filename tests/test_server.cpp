// Several workstations on one Firebird server, started by this program on the
// loopback interface: codes of new rows under simultaneous inserts and the
// rows a workstation leaves behind when it never saves its new compartment.
#include "EditorCases.h"
#include "LoopbackServer.h"
#include "editors/EditorProtocol.h"
#include "register/CompartmentEntry.h"
#include <QElapsedTimer>
#include <QSet>
#include <functional>
#include <mutex>
#include <thread>

namespace {

LoopbackServer g_server;

// What one workstation's windows hand to each other.
struct SharedValues {
    QString entryMode, lastCompartment, currentCompartment;
    QList<shared::EditorState> editors;
    QString pickerGroup, pickerValue, rememberedCode, codeEditorMode;

    static QList<shared::EditorState *> editorStates()
    {
        return {&shared::stand, &shared::felling, &shared::treeUse, &shared::afforestation,
                &shared::otherChange, &shared::afforestationChange, &shared::works};
    }
    void capture()
    {
        entryMode = shared::compartmentEntryMode;
        lastCompartment = shared::lastCompartmentCode;
        currentCompartment = shared::currentCompartmentCode;
        editors.clear();
        for (shared::EditorState *e : editorStates())
            editors << *e;
        pickerGroup = shared::pickerGroup;
        pickerValue = shared::pickerValue;
        rememberedCode = shared::rememberedCode;
        codeEditorMode = shared::codeEditorMode;
    }
    void apply() const
    {
        shared::compartmentEntryMode = entryMode;
        shared::lastCompartmentCode = lastCompartment;
        shared::currentCompartmentCode = currentCompartment;
        const auto states = editorStates();
        for (int i = 0; i < states.size(); ++i)
            *states[i] = editors.value(i);
        shared::pickerGroup = pickerGroup;
        shared::pickerValue = pickerValue;
        shared::rememberedCode = rememberedCode;
        shared::codeEditorMode = codeEditorMode;
    }
};

// A fresh database on the server, named by ZELKOR_DATABASE for every
// workstation connected afterwards.
QString newServerDatabase()
{
    static int n = 0;
    const QString file = g_server.dataFolder() + QStringLiteral("/case%1.fdb").arg(++n);
    createDatabase(file, Content::Demo);
    qputenv("ZELKOR_DATABASE", g_server.connectionString(file).toLocal8Bit());
    qputenv("ISC_USER", g_server.user().toLocal8Bit());
    qputenv("ISC_PASSWORD", g_server.password().toLocal8Bit());
    return file;
}

// One workstation: its own data module on the server and its own shared
// values; use() makes its windows the ones that act.
class Workstation {
public:
    Workstation()
    {
        m_data = std::make_unique<TData>();
        m_data->connectDatabase();
        if (s_active)
            s_active->m_values.capture();
        shared::resetAll();
        s_active = this;
    }
    ~Workstation()
    {
        if (s_active == this)
            s_active = nullptr;
    }
    TData &data() { return *m_data; }
    void use()
    {
        if (s_active == this)
            return;
        if (s_active)
            s_active->m_values.capture();
        m_values.apply();
        m_data->makeCurrent();
        s_active = this;
    }
    // The program ends without a word: the connection goes, nothing is tidied.
    void crash() { m_data.reset(); }
    QString scalar(const QString &sql)
    {
        TQuery q(m_data.get(), QStringLiteral("TestScalar"));
        q.load({sql});
        q.open();
        const QString v = q.isEmpty() ? QString() : q.textAt(0, 0);
        q.close();
        return v;
    }

private:
    std::unique_ptr<TData> m_data;
    SharedValues m_values;
    static inline Workstation *s_active = nullptr;
};

std::unique_ptr<TForm8> openNewCompartment()
{
    shared::compartmentEntryMode = QStringLiteral("Új részlet");
    auto w = std::make_unique<TForm8>();
    w->show();
    return w;
}

void addStandRow(TForm8 *w, const QString &species)
{
    ModalScript script;
    script.add([&](QDialog *d) {
        setField(d, "Edit3", species);
        return clickOk(d);
    });
    static_cast<SubRecordPage *>(w->subRecordPage(0))->newClick();
}

// What one workstation stored, one row at a time, as fast as it can.
struct Insert {
    QString predicted, stored, error;
};

struct InsertCase {
    QString table, codeColumn, markerColumn;
    QStringList predictLines, insertLines;
};

QVector<Insert> insertMany(const InsertCase &c, const QString &marker, int count, std::mutex &construction)
{
    QVector<Insert> out;
    std::unique_ptr<TData> data;
    {
        // The data module of the run is a process-wide value: made one at a time.
        std::lock_guard<std::mutex> lock(construction);
        data = std::make_unique<TData>();
    }
    try {
        data->connectDatabase();
        TQuery work(data.get(), QStringLiteral("Work"));
        TQuery check(data.get(), QStringLiteral("Check"));
        for (int i = 0; i < count; ++i) {
            Insert r;
            try {
                r.predicted = editor::predictCode(&work, c.predictLines, c.codeColumn);
                work.load(c.insertLines);
                work.setText(QStringLiteral("p1"), marker + QString::number(i));
                work.setText(QStringLiteral("p2"), QStringLiteral("10001"));
                work.execute();
                data->commit();
                check.load({QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :p1").arg(c.codeColumn, c.table, c.markerColumn)});
                check.setText(QStringLiteral("p1"), marker + QString::number(i));
                check.open();
                r.stored = check.asString(c.codeColumn);
                check.close();
            } catch (const std::exception &e) {
                r.error = QString::fromUtf8(e.what());
                try {
                    data->rollback();
                } catch (...) {
                }
            }
            out << r;
        }
    } catch (const std::exception &e) {
        out << Insert{{}, {}, QString::fromUtf8(e.what())};
    }
    std::lock_guard<std::mutex> lock(construction);
    data.reset();
    return out;
}

} // namespace

Q_DECLARE_METATYPE(InsertCase)

class TestServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void simultaneousInserts_data();
    void simultaneousInserts();
    void twoNewCompartments();
    void rowsOfACrashedWorkstation();
    void rowsLeftOnOneWorkstation();
    void databaseOfTheOlderScript();

private:
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestServer::initTestCase()
{
    QString why;
    // The tests of sharing must run: a server that cannot start fails them.
    if (!g_server.start(&why))
        QFAIL(qPrintable(QStringLiteral("the loopback Firebird server did not start: ") + why));
}

void TestServer::cleanupTestCase() { g_server.stop(); }

void TestServer::init()
{
    shared::resetAll();
    m_messages = std::make_unique<MessageRecorder>();
}

void TestServer::cleanup()
{
    m_messages.reset();
    qunsetenv("ZELKOR_DATABASE");
}

void TestServer::simultaneousInserts_data()
{
    QTest::addColumn<InsertCase>("c");
    QTest::newRow("compartments") << InsertCase{"RESZLET", "RKOD", "RHELYSEG",
                                                {"SELECT  * FROM reszlet", "ORDER BY RKOD"},
                                                {"INSERT INTO reszlet (RHELYSEG) VALUES (:p1)"}};
    QTest::newRow("stand rows") << InsertCase{"ALLOMANY", "AKOD", "AFAF",
                                              {"SELECT  * FROM allomany    ", "          ORDER BY  AKOD "},
                                              {"INSERT INTO allomany (ARKOD, AFAF, AXKOD) VALUES (:p2, :p1, '1')"}};
}

void TestServer::simultaneousInserts()
{
    QFETCH(InsertCase, c);
    newServerDatabase();
    const int perWorkstation = 300;
    std::mutex construction;
    QVector<Insert> a, b;
    QElapsedTimer clock;
    clock.start();
    std::thread ta([&] { a = insertMany(c, QStringLiteral("A"), perWorkstation, construction); });
    std::thread tb([&] { b = insertMany(c, QStringLiteral("B"), perWorkstation, construction); });
    ta.join();
    tb.join();
    qInfo("%d inserts from two workstations in %lld ms", 2 * perWorkstation, clock.elapsed());

    QStringList failures, mismatches;
    QSet<QString> codes;
    for (const QVector<Insert> *side : {&a, &b}) {
        for (const Insert &r : *side) {
            if (!r.error.isEmpty())
                failures << r.error;
            else if (r.stored != r.predicted)
                mismatches << r.predicted + u'→' + r.stored;
            codes.insert(r.stored);
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(QString::number(failures.size()) + " failed, first: " + failures.value(0)));
    QVERIFY2(mismatches.isEmpty(), qPrintable(QString::number(mismatches.size()) + " stored under another code than "
                                              "shown: " + mismatches.mid(0, 5).join(", ")));
    QCOMPARE(int(codes.size()), 2 * perWorkstation);
}

void TestServer::twoNewCompartments()
{
    newServerDatabase();
    Workstation a, b;
    a.use();
    auto wa = openNewCompartment();
    b.use();
    auto wb = openNewCompartment();
    const QString ca = wa->currentCode(), cb = wb->currentCode();
    QVERIFY2(ca != cb, qPrintable("both shown " + ca));

    a.use();
    addStandRow(wa.get(), "KTT");
    b.use();
    wb->fields().setText("Edit1", "Bpuszta");
    wb->Button59Click();
    QVERIFY(wb->saved());
    a.use();
    wa->fields().setText("Edit1", "Apuszta");
    wa->Button59Click();
    QVERIFY(wa->saved());
    QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));

    QCOMPARE(a.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Apuszta'"), ca);
    QCOMPARE(a.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Bpuszta'"), cb);
    QCOMPARE(a.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + ca + "' AND AFAF = 'KTT'"), QString("1"));
    QCOMPARE(a.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + cb + "'"), QString("0"));
    // Each list stands on the workstation's own new compartment.
    QCOMPARE(a.data().ZQ10->asString("RHELYSEG"), QString("Apuszta"));
    QCOMPARE(b.data().ZQ10->asString("RHELYSEG"), QString("Bpuszta"));
}

void TestServer::rowsOfACrashedWorkstation()
{
    newServerDatabase();
    auto a = std::make_unique<Workstation>();
    Workstation b;
    a->use();
    auto wa = openNewCompartment();
    const QString ca = wa->currentCode();
    addStandRow(wa.get(), "KTT");
    QCOMPARE(a->scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + ca + "'"), QString("1"));
    a->crash();
    wa.reset();
    a.reset();

    b.use();
    auto wb = openNewCompartment();
    QVERIFY2(wb->currentCode() != ca, qPrintable("the new compartment took over " + ca));
    QCOMPARE(b.data().ZQ20->rowCount(), 0);
    wb->fields().setText("Edit1", "Bpuszta");
    wb->Button59Click();
    QVERIFY(wb->saved());
    const QString cb = b.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Bpuszta'");
    QCOMPARE(cb, wb->currentCode());
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + cb + "'"), QString("0"));
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + ca + "'"), QString("1"));
}

void TestServer::rowsLeftOnOneWorkstation()
{
    // An earlier run ended while a new compartment had rows and no save.
    TestDb db(Content::Demo);
    const QString next = QString::number(db.scalar("SELECT MAX(RKOD) FROM RESZLET").toLongLong() + 1);
    db.exec("INSERT INTO TERMELES (TRKOD, TJELE, TXKOD) VALUES ('" + next + "', 'KTT', '1')");
    auto w = openNewCompartment();
    QCOMPARE(w->currentCode(), QString::number(next.toLongLong() + 1));
    QCOMPARE(db.data().ZQ30->rowCount(), 0);
    // Without such rows a single workstation keeps getting the highest code + 1.
    db.exec("DELETE FROM TERMELES WHERE TRKOD = '" + next + "'");
    w->Button60Click();
    QVERIFY(!w->isVisible());
    auto again = openNewCompartment();
    QCOMPARE(again->currentCode(), next);
    QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));
}

void TestServer::databaseOfTheOlderScript()
{
    // No reservations in the database: one workstation works as it always did.
    TestDb db(Content::Demo);
    db.exec("DROP PROCEDURE KOD_FOGLALAS");
    const QString next = QString::number(db.scalar("SELECT MAX(RKOD) FROM RESZLET").toLongLong() + 1);
    auto w = openNewCompartment();
    QCOMPARE(w->currentCode(), next);
    w->fields().setText("Edit1", "Lenti");
    w->Button59Click();
    QVERIFY(w->saved());
    QCOMPARE(db.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Lenti'"), next);
    QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));
}

QTEST_MAIN(TestServer)
#include "test_server.moc"
