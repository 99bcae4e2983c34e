// A new register built by the program itself: the reader of the isql scripts,
// and the database it builds compared with the one isql builds from the same scripts.
#include "TestSupport.h"
#include "datastore/DbCreate.h"
#include "datastore/FbSession.h"
#include "datastore/SqlScript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;
using sqlscript::Statement;

namespace {

const QString kSource = QStringLiteral(ZELKOR_SOURCE_DIR);
QStringList creationScripts()
{
    return {kSource + QStringLiteral("/datastore/zelkor.sql"), kSource + QStringLiteral("/datastore/seed.sql")};
}

// Statements as text; a commit or rollback as <COMMIT> / <ROLLBACK>.
QStringList shown(const QVector<Statement> &statements)
{
    QStringList out;
    for (const Statement &s : statements) {
        switch (s.kind) {
        case Statement::Commit: out << QStringLiteral("<COMMIT>"); break;
        case Statement::Rollback: out << QStringLiteral("<ROLLBACK>"); break;
        case Statement::Sql: out << s.text; break;
        }
    }
    return out;
}

QList<int> linesOf(const QVector<Statement> &statements)
{
    QList<int> out;
    for (const Statement &s : statements) out << s.line;
    return out;
}

void writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// Every row of a query, its columns joined by "|".
QStringList rowsOf(FbSession &db, const QString &sql)
{
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    db.run(sql, {}, &cols, &rows, true);
    QStringList out;
    for (const DbRow &r : rows) {
        QStringList values;
        for (int c = 0; c < cols.size(); ++c) values << FbSession::value(r, cols.at(c), c).toString();
        out << values.join(u'|');
    }
    return out;
}

// What two databases must share to be the same register: the database's
// settings, the columns with their types, indices, triggers, procedures and
// views with their code, exceptions, generators with their values, and the seed rows.
QStringList catalogue(const QString &path)
{
    FbSession db;
    db.attach(path, QStringLiteral("SYSDBA"), QStringLiteral("bervalosz"));
    db.startTransaction();
    QStringList out;
    out << rowsOf(db, QStringLiteral("SELECT MON$SQL_DIALECT, MON$PAGE_SIZE, MON$FORCED_WRITES FROM MON$DATABASE"));
    out << rowsOf(db, QStringLiteral("SELECT RDB$CHARACTER_SET_NAME FROM RDB$DATABASE"));
    out << rowsOf(db, QStringLiteral(
        "SELECT RF.RDB$RELATION_NAME, RF.RDB$FIELD_POSITION, RF.RDB$FIELD_NAME, F.RDB$FIELD_TYPE, "
        "F.RDB$FIELD_LENGTH, F.RDB$FIELD_SCALE, F.RDB$CHARACTER_SET_ID, RF.RDB$COLLATION_ID, RF.RDB$NULL_FLAG "
        "FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
        "WHERE COALESCE(RF.RDB$SYSTEM_FLAG, 0) = 0 ORDER BY 1, 2"));
    out << rowsOf(db, QStringLiteral(
        "SELECT I.RDB$INDEX_NAME, I.RDB$RELATION_NAME, I.RDB$UNIQUE_FLAG, I.RDB$INDEX_TYPE, S.RDB$FIELD_NAME "
        "FROM RDB$INDICES I JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = I.RDB$INDEX_NAME "
        "WHERE COALESCE(I.RDB$SYSTEM_FLAG, 0) = 0 ORDER BY 1, S.RDB$FIELD_POSITION"));
    out << rowsOf(db, QStringLiteral(
        "SELECT RDB$TRIGGER_NAME, RDB$RELATION_NAME, RDB$TRIGGER_TYPE, RDB$TRIGGER_SEQUENCE, "
        "RDB$TRIGGER_INACTIVE, RDB$TRIGGER_SOURCE FROM RDB$TRIGGERS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
        "ORDER BY 1"));
    out << rowsOf(db, QStringLiteral(
        "SELECT RDB$PROCEDURE_NAME, RDB$PROCEDURE_SOURCE FROM RDB$PROCEDURES "
        "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 ORDER BY 1"));
    out << rowsOf(db, QStringLiteral(
        "SELECT RDB$EXCEPTION_NAME, RDB$MESSAGE FROM RDB$EXCEPTIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
        "ORDER BY 1"));
    out << rowsOf(db, QStringLiteral(
        "SELECT RDB$RELATION_NAME, RDB$VIEW_SOURCE FROM RDB$RELATIONS "
        "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NOT NULL ORDER BY 1"));
    const QStringList generators = rowsOf(db, QStringLiteral(
        "SELECT TRIM(RDB$GENERATOR_NAME) FROM RDB$GENERATORS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 ORDER BY 1"));
    for (const QString &g : generators)
        out << g + u'=' + rowsOf(db, QStringLiteral("SELECT GEN_ID(%1, 0) FROM RDB$DATABASE").arg(g)).join(u',');
    out << rowsOf(db, QStringLiteral("SELECT * FROM KODOK ORDER BY IDK"));
    out << rowsOf(db, QStringLiteral("SELECT * FROM ERDESZET ORDER BY IDX"));
    db.commit();
    db.detach();
    return out;
}

} // namespace

class TestDbCreate : public QObject {
    Q_OBJECT
private slots:
    void splitsScripts_data();
    void splitsScripts();
    void refusesScripts_data();
    void refusesScripts();
    void readsTheCreationScripts();
    void buildsTheRegisterIsqlBuilds();
    void failedScriptLeavesNoFile_data();
    void failedScriptLeavesNoFile();
    void keepsAnExistingFile();
};

void TestDbCreate::splitsScripts_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("terminators in text and comments")
        << QStringLiteral("INSERT INTO T VALUES ('a;b');\n-- a remark; with a terminator\n"
                          "/* another; */ INSERT INTO T VALUES ('it''s; fine');\n")
        << QStringList{QStringLiteral("INSERT INTO T VALUES ('a;b')"),
                       QStringLiteral("INSERT INTO T VALUES ('it''s; fine')")}
        << QList<int>{1, 3};
    QTest::newRow("trigger between SET TERM")
        << QStringLiteral("SET TERM ^ ;\nCREATE TRIGGER X FOR T BEFORE INSERT AS\nBEGIN\n"
                          "  NEW.A = 1; -- one;\nEND^\n\nSET TERM ; ^\nCOMMIT;\n")
        << QStringList{QStringLiteral("CREATE TRIGGER X FOR T BEFORE INSERT AS\nBEGIN\n  NEW.A = 1; -- one;\nEND"),
                       QStringLiteral("<COMMIT>")}
        << QList<int>{2, 8};
    QTest::newRow("SET TERM inside a comment or a text is not one")
        << QStringLiteral("/* SET TERM ^ ; */ INSERT INTO T VALUES ('SET TERM ^ ;');\nSELECT 1 FROM RDB$DATABASE;")
        << QStringList{QStringLiteral("INSERT INTO T VALUES ('SET TERM ^ ;')"),
                       QStringLiteral("SELECT 1 FROM RDB$DATABASE")}
        << QList<int>{1, 2};
    QTest::newRow("isql settings left out, SQL that begins with SET kept")
        << QStringLiteral("SET NAMES WIN1250;\nSET SQL DIALECT 3;\nset autoddl on;\nSET GENERATOR G TO 5;\n"
                          "SET STATISTICS INDEX IX;\nSHOW TABLES;\nSET TRANSACTION READ COMMITTED;\n")
        << QStringList{QStringLiteral("SET GENERATOR G TO 5"), QStringLiteral("SET STATISTICS INDEX IX")}
        << QList<int>{4, 5};
    QTest::newRow("two-character terminator, small letters")
        << QStringLiteral("set term !! ;\nEXECUTE BLOCK AS\nDECLARE I INTEGER = 0;\nBEGIN I = :I + 1; END!!\n"
                          "set term ;!!\nINSERT INTO T VALUES (1);")
        << QStringList{QStringLiteral("EXECUTE BLOCK AS\nDECLARE I INTEGER = 0;\nBEGIN I = :I + 1; END"),
                       QStringLiteral("INSERT INTO T VALUES (1)")}
        << QList<int>{2, 6};
    QTest::newRow("commit, rollback, and nothing read after EXIT")
        << QStringLiteral("INSERT INTO T VALUES (1);\nROLLBACK;\nINSERT INTO T VALUES (2);\ncommit work;\n"
                          "EXIT;\nINSERT INTO T VALUES (3)")
        << QStringList{QStringLiteral("INSERT INTO T VALUES (1)"), QStringLiteral("<ROLLBACK>"),
                       QStringLiteral("INSERT INTO T VALUES (2)"), QStringLiteral("<COMMIT>"),
                       QStringLiteral("<COMMIT>")}
        << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("quoted name holding a terminator")
        << QStringLiteral("CREATE TABLE \"A;B\" (X INTEGER);")
        << QStringList{QStringLiteral("CREATE TABLE \"A;B\" (X INTEGER)")} << QList<int>{1};
    QTest::newRow("byte order mark, Windows line ends, remarks at the end")
        << QStringLiteral("\uFEFFINSERT INTO T VALUES (1);\r\n\r\nINSERT INTO T VALUES (2);\r\n-- end\r\n/* done */\r\n")
        << QStringList{QStringLiteral("INSERT INTO T VALUES (1)"), QStringLiteral("INSERT INTO T VALUES (2)")}
        << QList<int>{1, 3};
    QTest::newRow("a text over several lines counts its lines")
        << QStringLiteral("INSERT INTO T VALUES ('a\nb\nc');\nINSERT INTO T VALUES (2);")
        << QStringList{QStringLiteral("INSERT INTO T VALUES ('a\nb\nc')"), QStringLiteral("INSERT INTO T VALUES (2)")}
        << QList<int>{1, 4};
}

void TestDbCreate::splitsScripts()
{
    QFETCH(QString, script);
    QFETCH(QStringList, statements);
    QFETCH(QList<int>, lines);
    const QVector<Statement> got = sqlscript::split(script);
    QCOMPARE(shown(got), statements);
    QCOMPARE(linesOf(got), lines);
}

void TestDbCreate::refusesScripts_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");
    QTest::newRow("last statement without terminator")
        << QStringLiteral("INSERT INTO T VALUES (1);\n\nINSERT INTO T VALUES (2)\n")
        << QStringLiteral("A(z) 3. sorban kezdődő utasítás végéről hiányzik a lezáró „;”.");
    QTest::newRow("terminator left as ^")
        << QStringLiteral("SET TERM ^ ;\nCREATE PROCEDURE P AS BEGIN END;\n")
        << QStringLiteral("A(z) 2. sorban kezdődő utasítás végéről hiányzik a lezáró „^”.");
    QTest::newRow("text not closed")
        << QStringLiteral("INSERT INTO T VALUES (1);\nINSERT INTO T VALUES ('abc);\n")
        << QStringLiteral("A(z) 2. sorban kezdődő idézet nincs lezárva.");
    QTest::newRow("comment not closed")
        << QStringLiteral("/* never closed\nINSERT INTO T VALUES (1);")
        << QStringLiteral("A(z) 1. sorban kezdődő megjegyzés nincs lezárva.");
    QTest::newRow("another script read in")
        << QStringLiteral("-- more\nINPUT other.sql;\n")
        << QStringLiteral("A(z) 2. sorban álló „INPUT” parancsot csak az isql tudja végrehajtani.");
    QTest::newRow("a database of its own")
        << QStringLiteral("create database 'x.fdb';")
        << QStringLiteral("A(z) 1. sorban álló „CREATE DATABASE” parancsot csak az isql tudja végrehajtani.");
}

void TestDbCreate::refusesScripts()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    try {
        sqlscript::split(script);
        QFAIL("the script was taken");
    } catch (const sqlscript::ScriptError &e) {
        QCOMPARE(e.text(), message);
    }
}

void TestDbCreate::readsTheCreationScripts()
{
    // The real scripts: every table and trigger arrives as one statement.
    for (const QString &file : creationScripts()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QVector<Statement> all = sqlscript::split(QString::fromUtf8(f.readAll()));
        QVERIFY(!all.isEmpty());
        for (const Statement &s : all) {
            if (s.kind != Statement::Sql) continue;
            QVERIFY2(!s.text.startsWith(QLatin1String("SET TERM"), Qt::CaseInsensitive), qPrintable(s.text));
            if (s.text.startsWith(QLatin1String("CREATE TRIGGER"))) QVERIFY(s.text.endsWith(QLatin1String("END")));
        }
    }
}

void TestDbCreate::buildsTheRegisterIsqlBuilds()
{
    QTemporaryDir dir;
    const QString byProgram = dir.filePath(QStringLiteral("program.fdb"));
    const QString byIsql = dir.filePath(QStringLiteral("isql.fdb"));
    dbcreate::createDatabase(byProgram, creationScripts());
    createDatabase(byIsql, Content::Seed);   // scripts/create-db.sh with the seed data

    const QStringList program = catalogue(byProgram);
    const QStringList isql = catalogue(byIsql);
    QVERIFY(program.size() > 300);
    QCOMPARE(program, isql);
    QVERIFY(program.contains(QStringLiteral("3|8192|1")));   // written through to the disk
    QVERIFY(program.contains(QStringLiteral("WIN1250")));
    // Accented names reach the database as they are written in the seed data.
    QVERIFY(program.filter(QStringLiteral("|Bázakerettye|")).size() == 1);
    // Nothing is left under the temporary name.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{QStringLiteral("isql.fdb"), QStringLiteral("program.fdb")}));
}

void TestDbCreate::failedScriptLeavesNoFile_data()
{
    QTest::addColumn<QByteArray>("seed");
    QTest::addColumn<QString>("message");
    QTest::newRow("the engine refuses a statement")
        << QByteArray("INSERT INTO KODOK (KNEV) VALUES ('jó');\n\nINSERT INTO NINCS_ILYEN VALUES (1);\n")
        << QStringLiteral("bad.sql, 3. sor: ");
    QTest::newRow("the reader refuses the script")
        << QByteArray("INSERT INTO KODOK (KNEV) VALUES ('jó')") << QStringLiteral("bad.sql: A(z) 1. sorban");
    QTest::newRow("a character the database cannot hold")
        << QByteArray("INSERT INTO KODOK (KNEV) VALUES ('\xe2\x82\xac\xe2\x98\x83');\n")
        << QStringLiteral("bad.sql, 1. sor: a(z) „☃” karakter");
}

void TestDbCreate::failedScriptLeavesNoFile()
{
    QFETCH(QByteArray, seed);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.sql"));
    writeFile(bad, seed);
    const QString target = dir.filePath(QStringLiteral("ZELKOR.FDB"));
    try {
        dbcreate::createDatabase(target, {creationScripts().first(), bad});
        QFAIL("the database was made");
    } catch (const DbError &e) {
        QVERIFY2(e.text().startsWith(message), qPrintable(e.text()));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("bad.sql")});
}

void TestDbCreate::keepsAnExistingFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ZELKOR.FDB"));
    writeFile(target, "a user's data");
    QVERIFY_THROWS_EXCEPTION(DbError, dbcreate::createDatabase(target, creationScripts()));
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("a user's data"));
}

QTEST_MAIN(TestDbCreate)
#include "test_dbcreate.moc"
