// What a window's handlers owe the rest of the program: a failure that
// escapes one is said in that window, which stays open (Qt's dispatch never
// sees it); a window's own reads and writes leave the lists of others alone;
// Enter on a check box moves on as in a field.
#include "TestSupport.h"
#include "codes/CodePicker.h"
#include "codes/RangePicker.h"
#include "queries/GrandTotals.h"
#include "shell/MainWindow.h"
#include "shell/ReferenceYear.h"
#include "widgets/Input.h"
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace testsupport;

namespace {

// A write the database refuses: its trigger raises an exception.
void refusedWrite()
{
    TQuery q(&dm(), QStringLiteral("Refused"));
    q.load({QStringLiteral("UPDATE RESZLET SET RTAG = 'x'")});
    q.execute();
}

} // namespace

class TestHandlers : public QObject {
    Q_OBJECT
private slots:
    void failureStaysInWindow_data();
    void failureStaysInWindow();
    void ownStatementsLeaveListsAlone_data();
    void ownStatementsLeaveListsAlone();
    void enterOnCheckBoxMovesOn();
};

// Each row: a window and a handler of it that opens another window, whose
// work the database refuses. Nothing catches on the way up but the handler's
// own guard (this program has no general error handler).
void TestHandlers::failureStaysInWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("főablak, Tárgyév") << "TForm1";
    QTest::newRow("kódválasztó, Új kód hozzáadása") << "TForm11";
    QTest::newRow("mindösszesen, Tól") << "TForm25";
}

void TestHandlers::failureStaysInWindow()
{
    QFETCH(QString, window);
    TestDb db(Content::Demo);
    db.exec("CREATE EXCEPTION E_NOPE 'tiltva'");
    db.exec("CREATE TRIGGER BU_NOPE FOR RESZLET BEFORE UPDATE AS BEGIN EXCEPTION E_NOPE; END");
    MessageRecorder rec;
    ModalScript script;
    std::unique_ptr<QWidget> w;
    std::function<void()> handler;
    if (window == "TForm1") {
        auto *main = new TForm1;   // the splash is answered by the empty script
        w.reset(main);
        handler = [main] { main->menuItem("Tgyv1")->trigger(); };
    } else if (window == "TForm11") {
        shared::pickerGroup = "FAF";
        w.reset(new TForm11);
        handler = [&w] { w->findChild<QPushButton *>("Button2")->click(); };
    } else {
        w.reset(new TForm25);
        handler = [&w] { w->findChild<QPushButton *>("Button1")->click(); };
    }
    w->show();
    script.add([](QDialog *) {
        refusedWrite();
        return int(QDialog::Rejected);
    });
    handler();
    QCOMPARE(script.opened.size(), window == "TForm1" ? 2 : 1);
    QCOMPARE(rec.texts.size(), 1);
    QVERIFY2(rec.last().contains("tiltva"), qPrintable(rec.last()));
    QVERIFY(w->isVisible());
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE RTAG = 'x'"), QString("0"));
}

// A list another window left in ZQ11 (the custom query's rows, which the
// report reads) keeps its statement while these windows do their own work,
// and their writes go through the guarded write.
void TestHandlers::ownStatementsLeaveListsAlone_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("tartomány választó") << "TForm26";
    QTest::newRow("tárgyév") << "TForm24";
}

void TestHandlers::ownStatementsLeaveListsAlone()
{
    QFETCH(QString, window);
    TestDb db(Content::Demo);
    MessageRecorder rec;
    const QStringList list{"SELECT RKOD FROM RESZLET ORDER BY RKOD"};
    dm().ZQ11->load(list);
    dm().ZQ11->open();
    const int rows = dm().ZQ11->rowCount();
    const int guarded = dm().guardedWrites(), unguarded = dm().unguardedWrites();
    if (window == "TForm26") {
        shared::rangeMode = "1";
        TForm26 picker;
        picker.findChild<QPushButton *>("Button1")->click();
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QVERIFY(!shared::pickValue1.isEmpty());
        QVERIFY(dm().ZQ11->isOpen());
        QCOMPARE(dm().ZQ11->rowCount(), rows);
    } else {
        TForm24 year;
        year.show();
        year.findChild<QLineEdit *>("Edit1")->setText("2031");
        year.findChild<QPushButton *>("Button3")->click();
        QCOMPARE(year.result(), int(QDialog::Accepted));
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET WHERE RTEV IS DISTINCT FROM 2031"), QString("0"));
        QCOMPARE(dm().guardedWrites(), guarded + 1);
    }
    QCOMPARE(dm().ZQ11->sqlLines(), list);
    QCOMPARE(dm().unguardedWrites(), unguarded);
    QCOMPARE(rec.texts, QStringList());
}

// Qt gives a check box's unused Enter to its window, which would press the
// default button: under the Enter rule it moves on, Shift+Enter back.
void TestHandlers::enterOnCheckBoxMovesOn()
{
    QDialog d;
    auto *before = new QLineEdit(&d);
    auto *box = new QCheckBox(QStringLiteral("Részletes"), &d);
    auto *after = new QLineEdit(&d);
    auto *ok = new QPushButton(QStringLiteral("OK"), &d);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    auto *lay = new QVBoxLayout(&d);
    for (QWidget *w : {static_cast<QWidget *>(before), static_cast<QWidget *>(box), static_cast<QWidget *>(after),
                       static_cast<QWidget *>(ok)})
        lay->addWidget(w);
    input::enterMovesFocus(&d);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(after));
    QCOMPARE(d.result(), 0);
    QVERIFY(d.isVisible());
    QVERIFY(!box->isChecked());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(before));
    QVERIFY(d.isVisible());
}

QTEST_MAIN(TestHandlers)
#include "test_handlers.moc"
