// Several workstations on one Firebird server, started by this program on the
// loopback interface: codes of new rows under simultaneous inserts, two
// workstations editing one row (compartment, stand row, felling row, code), a
// row another one holds or deleted, and the rows a workstation leaves behind
// when it never saves its new compartment.
#include "EditorCases.h"
#include "LoopbackServer.h"
#include "Workstation.h"
#include "codes/CodeEditor.h"
#include "editors/EditorProtocol.h"
#include "editors/FellingEditor.h"
#include "editors/StandEditor.h"
#include "register/CompartmentEntry.h"
#include "EntryWindow.h"
#include <QElapsedTimer>
#include <QSet>
#include <functional>
#include <mutex>
#include <thread>

namespace {

LoopbackServer g_server;

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


void addStandRow(TForm8 *w, const QString &species)
{
    ModalScript script;
    script.add([&](QDialog *d) {
        setField(d, "Edit3", species);
        return clickOk(d);
    });
    static_cast<SubRecordPage *>(w->subRecordPage(0))->newClick();
}

// A window that changes one stored row, as the user opens it with "Módosít".
struct EditCase {
    QString table, key;            // the row: SELECT ... FROM table WHERE key
    QString okButton;
    QString fieldA, columnA, valueA;   // what the first workstation changes
    QString fieldB, columnB, valueB;   // what the second one changes
    QString lockedMessage;         // first line when the row is held by another workstation
    std::function<std::unique_ptr<QDialog>(Workstation &)> open;
};

const QString FirstCompartment = QStringLiteral("(SELECT MIN(RKOD) FROM RESZLET)");

std::unique_ptr<QDialog> openCompartment(Workstation &)
{
    TQuery *list = dm().ZQ10;
    list->load({QStringLiteral("SELECT * FROM reszlet"), QStringLiteral("ORDER BY RKOD")});
    list->open();
    return entrywindow::openCurrent();
}

template <typename Editor>
std::unique_ptr<QDialog> openSubRecord(TQuery *list, const QString &table, const QString &link, const QString &order,
                                       shared::EditorState &state, const QString &mode)
{
    list->load({QStringLiteral("SELECT * FROM %1").arg(table), QStringLiteral("WHERE %1 = %2").arg(link, FirstCompartment),
                QStringLiteral("ORDER BY %1").arg(order)});
    list->open();
    state.mode = mode;
    auto w = std::make_unique<Editor>();
    if (!w->loadCurrentRow())
        return nullptr;
    w->show();
    return w;
}

const QList<EditCase> &editCases()
{
    static const QList<EditCase> cases = {
        {"RESZLET", "RKOD = " + FirstCompartment, "Button59", "Edit2", "RTAG", "14A", "Edit3", "RRESZLET", "AB",
         "Hiba85: Módositásban, UPDATE a részletben ", openCompartment},
        {"ALLOMANY",
         "IDA = (SELECT FIRST 1 IDA FROM ALLOMANY WHERE ARKOD = " + FirstCompartment + " ORDER BY ASSZAM)", "Button2",
         "Edit17", "AJK", "szú", "Edit19", "AMOD", "becslés", "Hiba93: Módositásban, UPDATE a állományban ",
         [](Workstation &) {
             return openSubRecord<TForm9>(dm().ZQ20, "allomany", "ARKOD", "ASSZAM", shared::stand,
                                          "Állomány módositás");
         }},
        {"TERMELES",
         "IDT = (SELECT FIRST 1 IDT FROM TERMELES WHERE TRKOD = " + FirstCompartment + " ORDER BY TSSZAM)", "Button2",
         "Edit5", "TVAGMUT", "80 év", "Edit1", "TSSZAM", "9", "Hiba93: Módositásban, UPDATE a termelesben ",
         [](Workstation &) {
             return openSubRecord<TForm10>(dm().ZQ30, "termeles", "TRKOD", "TSSZAM", shared::felling,
                                           "Fakitermelés módositás");
         }},
        {"KODOK", "IDK = (SELECT MIN(IDK) FROM KODOK WHERE KCSSZAM = 'FAF')", "Button1", "Edit3", "KNEV",
         "Kocsánytalan tölgy (új)", "Edit6", "KALCSOP", "lomb", "Hiba73: Módositásban, UPDATE a kódokban ",
         [](Workstation &w) -> std::unique_ptr<QDialog> {
             const QString id = w.scalar("SELECT MIN(IDK) FROM KODOK WHERE KCSSZAM = 'FAF'");
             TQuery *list = dm().ZQ100;
             list->load({QStringLiteral("SELECT * FROM KODOK"), QStringLiteral("ORDER BY IDK")});
             list->open();
             for (int r = 0; r < list->rowCount(); ++r)
                 if (list->textAt(r, list->columnIndex("IDK")) == id)
                     list->setCurrentRow(r);
             shared::codeEditorMode = QStringLiteral("Kód módositás");
             auto e = std::make_unique<TForm4>();
             if (!e->fill(nullptr))
                 return nullptr;
             e->show();
             return e;
         }},
    };
    return cases;
}

QString textOf(QWidget *w, const QString &control) { return fieldText(w, control); }

const QString ChangedMeanwhile = QStringLiteral(
    "Ezeket az adatokat időközben egy másik felhasználó módosította és elmentette, ezért az Ön módosításai nem "
    "kerültek mentésre. A beírt adatok megmaradtak.\n"
    "Betölti a másik felhasználó által mentett adatokat? Az Ön által átírt mezők tartalma megmarad.");

const QString DeletedMeanwhile = QStringLiteral(
    "Ezeket az adatokat időközben egy másik felhasználó törölte, ezért az Ön módosításai nem menthetők. "
    "A beírt adatok megmaradtak.");

const QString HeldByAnother = QStringLiteral(
    "Ezt az adatot egy másik felhasználó éppen módosítja. A beírt adatok megmaradtak; próbálja újra egy kis idő múlva.");

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
    void editedMeanwhile_data();
    void editedMeanwhile();
    void heldByAnother_data();
    void heldByAnother();
    void deletedMeanwhile_data();
    void deletedMeanwhile();
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
    auto wa = entrywindow::openNew();
    b.use();
    auto wb = entrywindow::openNew();
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

void TestServer::editedMeanwhile_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<bool>("reload");
    for (int k = 0; k < editCases().size(); ++k) {
        QTest::newRow(qPrintable(editCases()[k].table + " reloaded")) << k << true;
        QTest::newRow(qPrintable(editCases()[k].table + " kept as typed")) << k << false;
    }
}

void TestServer::editedMeanwhile()
{
    QFETCH(int, k);
    QFETCH(bool, reload);
    const EditCase &c = editCases()[k];
    newServerDatabase();
    Workstation a, b;
    const QString where = " FROM " + c.table + " WHERE " + c.key;
    const QString oldA = a.scalar("SELECT " + c.columnA + where);
    const QString oldB = a.scalar("SELECT " + c.columnB + where);
    QVERIFY(oldA != c.valueA && oldB != c.valueB);

    a.use();
    auto wa = c.open(a);
    QVERIFY(wa);
    b.use();
    auto wb = c.open(b);
    QVERIFY(wb);

    a.use();
    setField(wa.get(), c.fieldA, c.valueA);
    wa->findChild<QPushButton *>(c.okButton)->click();
    QVERIFY(!wa->isVisible());
    QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));

    b.use();
    setField(wb.get(), c.fieldB, c.valueB);
    m_messages->answers << reload;
    wb->findChild<QPushButton *>(c.okButton)->click();
    QCOMPARE(m_messages->texts, QStringList{ChangedMeanwhile});
    QCOMPARE(m_messages->kinds, QList<seams::MessageKind>{seams::MessageKind::Question});
    QVERIFY(wb->isVisible());                          // nothing typed is lost
    QCOMPARE(textOf(wb.get(), c.fieldB), c.valueB);
    QCOMPARE(b.scalar("SELECT " + c.columnA + where), c.valueA);   // the first save stands
    QCOMPARE(b.scalar("SELECT " + c.columnB + where), oldB);
    QCOMPARE(textOf(wb.get(), c.fieldA), reload ? c.valueA : oldA);

    m_messages->clear();
    if (reload) {
        // Saved again over what the other workstation stored: both changes stay.
        wb->findChild<QPushButton *>(c.okButton)->click();
        QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));
        QVERIFY(!wb->isVisible());
        QCOMPARE(b.scalar("SELECT " + c.columnA + where), c.valueA);
        QCOMPARE(b.scalar("SELECT " + c.columnB + where), c.valueB);
    } else {
        // Without taking the other values over, the save keeps being refused.
        m_messages->answers << false;
        wb->findChild<QPushButton *>(c.okButton)->click();
        QCOMPARE(m_messages->texts, QStringList{ChangedMeanwhile});
        QVERIFY(wb->isVisible());
        QCOMPARE(b.scalar("SELECT " + c.columnB + where), oldB);
    }
}

void TestServer::heldByAnother_data()
{
    QTest::addColumn<int>("k");
    for (int k = 0; k < editCases().size(); ++k)
        QTest::newRow(qPrintable(editCases()[k].table)) << k;
}

void TestServer::heldByAnother()
{
    QFETCH(int, k);
    const EditCase &c = editCases()[k];
    newServerDatabase();
    Workstation a, b;
    const QString where = " FROM " + c.table + " WHERE " + c.key;
    a.use();
    auto wa = c.open(a);
    QVERIFY(wa);
    // The other workstation has written to the row and not committed yet.
    b.use();
    b.holdUncommitted("UPDATE " + c.table + " SET " + c.columnB + " = " + c.columnB + " WHERE " + c.key);

    a.use();
    setField(wa.get(), c.fieldA, c.valueA);
    wa->findChild<QPushButton *>(c.okButton)->click();
    QCOMPARE(m_messages->texts.size(), 1);
    QCOMPARE(m_messages->texts[0].section('\n', 0, 0), c.lockedMessage);
    QCOMPARE(m_messages->texts[0].section('\n', 1), HeldByAnother);
    QVERIFY(wa->isVisible());
    QCOMPARE(textOf(wa.get(), c.fieldA), c.valueA);
    QVERIFY(a.scalar("SELECT " + c.columnA + where) != c.valueA);

    // Once the other workstation is done, the same window saves.
    b.use();
    b.data().commit();
    a.use();
    m_messages->clear();
    wa->findChild<QPushButton *>(c.okButton)->click();
    QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));
    QVERIFY(!wa->isVisible());
    QCOMPARE(a.scalar("SELECT " + c.columnA + where), c.valueA);
}

void TestServer::deletedMeanwhile_data() { heldByAnother_data(); }

void TestServer::deletedMeanwhile()
{
    QFETCH(int, k);
    const EditCase &c = editCases()[k];
    newServerDatabase();
    Workstation a, b;
    a.use();
    auto wa = c.open(a);
    QVERIFY(wa);
    b.use();
    b.holdUncommitted("DELETE FROM " + c.table + " WHERE " + c.key);
    b.data().commit();

    a.use();
    setField(wa.get(), c.fieldA, c.valueA);
    wa->findChild<QPushButton *>(c.okButton)->click();
    QCOMPARE(m_messages->texts, QStringList{DeletedMeanwhile});
    QVERIFY(wa->isVisible());
    QCOMPARE(textOf(wa.get(), c.fieldA), c.valueA);
    QCOMPARE(a.scalar("SELECT COUNT(*) FROM " + c.table + " WHERE " + c.columnA + " = '" + c.valueA + "'"),
             QString("0"));
}

void TestServer::rowsOfACrashedWorkstation()
{
    newServerDatabase();
    auto a = std::make_unique<Workstation>();
    Workstation b;
    a->use();
    auto wa = entrywindow::openNew();
    const QString ca = wa->currentCode();
    addStandRow(wa.get(), "KTT");
    QCOMPARE(a->scalar("SELECT COUNT(*) FROM ALLOMANY WHERE ARKOD = '" + ca + "'"), QString("1"));
    // The window goes first (its own statements belong to the data module);
    // its stand row stays behind uncommitted to any compartment all the same.
    wa.reset();
    a->crash();
    a.reset();

    b.use();
    auto wb = entrywindow::openNew();
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
    auto w = entrywindow::openNew();
    QCOMPARE(w->currentCode(), QString::number(next.toLongLong() + 1));
    QCOMPARE(db.data().ZQ30->rowCount(), 0);
    // Without such rows a single workstation keeps getting the highest code + 1.
    db.exec("DELETE FROM TERMELES WHERE TRKOD = '" + next + "'");
    w->Button60Click();
    QVERIFY(!w->isVisible());
    auto again = entrywindow::openNew();
    QCOMPARE(again->currentCode(), next);
    QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));
}

void TestServer::databaseOfTheOlderScript()
{
    // No reservations in the database: one workstation works as it always did.
    TestDb db(Content::Demo);
    db.exec("DROP PROCEDURE KOD_FOGLALAS");
    const QString next = QString::number(db.scalar("SELECT MAX(RKOD) FROM RESZLET").toLongLong() + 1);
    auto w = entrywindow::openNew();
    QCOMPARE(w->currentCode(), next);
    w->fields().setText("Edit1", "Lenti");
    w->Button59Click();
    QVERIFY(w->saved());
    QCOMPARE(db.scalar("SELECT RKOD FROM RESZLET WHERE RHELYSEG = 'Lenti'"), next);
    QVERIFY2(m_messages->texts.isEmpty(), qPrintable(m_messages->texts.join('|')));
}

QTEST_MAIN(TestServer)
#include "test_server.moc"
