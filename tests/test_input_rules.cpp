// One rule for every value: pasted and dropped text obeys what typing obeys,
// a save that touched nothing changes nothing stored, no new row goes under
// a code that cannot be, and every write goes through the one guarded write.
#include "TestSupport.h"
#include "EditorCases.h"
#include "EntryWindow.h"
#include "editors/EditorProtocol.h"
#include "register/CompartmentList.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QToolTip>
#include <QtTest>

namespace {

void paste(QLineEdit *e, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    e->paste();
}

void drop(QLineEdit *e, const QString &text)
{
    QMimeData mime;
    mime.setText(text);
    // The drop goes where the drag was let in.
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(e, &enter);
    QDropEvent event(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(e, &event);
    QVERIFY(event.isAccepted());
}

// Every checked field of the window: a pasted or dropped text is taken whole
// as typing would take it, or refused whole with a hint while the field keeps
// what it had.
void pasteAndDropLikeTyping(QWidget *window)
{
    const QStringList texts{"-5", "4,5", "4.5", "-2011", "2024-05-01", "x1", "12", QString(100, u'7'), QString(100, u'ő')};
    int checked = 0;
    for (QLineEdit *e : window->findChildren<QLineEdit *>()) {
        if (!e->validator() || e->isReadOnly())
            continue;
        ++checked;
        for (const QString &t : texts) {
            e->clear();
            typeText(e, t);
            const QString typed = e->text();
            const bool whole = typed.size() == t.size();   // typing took every character
            for (auto put : {&paste, &drop}) {
                e->clear();
                QToolTip::showText(e->mapToGlobal(QPoint()), QStringLiteral("-"), e);
                put(e, t);
                const QString got = e->text();
                const QString where = e->objectName() + ": " + t.left(12) + " -> " + got.left(12);
                if (whole) {
                    QVERIFY2(got == typed, qPrintable(where));
                } else {
                    QVERIFY2(got.isEmpty(), qPrintable(where));
                    if (e->isVisible())
                        QVERIFY2(QToolTip::text().size() > 1, qPrintable("no hint: " + where));
                }
            }
        }
        // A text longer than the limit is refused with the limit named, not cut.
        e->clear();
        typeText(e, QString(100, u'7'));
        const int limit = int(e->text().size());
        if (limit < 100 && e->isVisible()) {
            e->clear();
            QToolTip::showText(e->mapToGlobal(QPoint()), QStringLiteral("-"), e);
            paste(e, QString(100, u'7'));
            QCOMPARE(e->text(), QString());
            QVERIFY2(QToolTip::text().contains(QString::number(limit)), qPrintable(QToolTip::text()));
        }
        e->clear();
    }
    QVERIFY(checked > 0);
}

// Every value of every table, as text with every digit: the database "byte for byte".
QStringList snapshot(TData &db)
{
    QStringList out;
    TQuery q(&db, QStringLiteral("Snapshot"));
    for (const char *t : {"RESZLET", "ALLOMANY", "TERMELES", "FAHASZNALAT", "ERDOSITES", "EGYEB", "VALTOZAS", "MUNKAK",
                          "KODOK", "ERDESZET"}) {
        q.load({QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(t))});
        q.open();
        for (int r = 0; r < q.rowCount(); ++r) {
            QStringList row{QLatin1String(t)};
            for (int c = 0; c < q.columnCount(); ++c) {
                const QVariant v = q.valueAt(r, c);
                row << (v.isNull() ? QStringLiteral("<null>")
                        : v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 17)
                                                          : v.toString());
            }
            out << row.join(u'|');
        }
        q.close();
    }
    return out;
}

} // namespace

class TestInputRules : public QObject {
    Q_OBJECT
private slots:
    void init() { m_guard.start(); }
    void cleanup() { m_guard.stop(); }

    void entryPasteAndDrop();
    void editorPasteAndDrop_data();
    void editorPasteAndDrop();
    void untouchedSaveChangesNothing();
    void highestCodeNoNumber();
    void noRowUnderEmptyCode();

private:
    CaseGuards m_guard;
};

void TestInputRules::entryPasteAndDrop()
{
    TestDb db(Content::Seed);
    auto w = entrywindow::openNew();
    pasteAndDropLikeTyping(w.get());
    // What was refused is not stored either.
    w->fields().setText("Edit1", "Lenti");
    paste(w->fields().edit("Edit11"), "-5");
    paste(w->fields().edit("Edit8"), "-2011");
    paste(w->fields().edit("Edit2"), QString(100, u'a'));
    w->findChild<QPushButton *>("Button59")->click();
    QVERIFY(w->saved());
    QCOMPARE(db.scalar("SELECT COALESCE(RRHA, 0) + COALESCE(REV, 0) FROM RESZLET"), QString("0"));
    QCOMPARE(db.scalar("SELECT CHAR_LENGTH(RTAG) FROM RESZLET"), QString("0"));
}

void TestInputRules::editorPasteAndDrop_data()
{
    QTest::addColumn<int>("k");
    for (int i = 0; i < 5; ++i)   // the other two hold a remark only
        QTest::newRow(qPrintable(kinds()[i].table)) << i;
}

void TestInputRules::editorPasteAndDrop()
{
    QFETCH(int, k);
    const KindInfo &info = kinds()[k];
    TestDb db(Content::Seed);
    shared::currentCompartmentCode = "10001";
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    m_guard.modals->add([&](QDialog *d) {
        d->show();
        pasteAndDropLikeTyping(d);
        for (const auto &[c, v] : info.valid)
            setField(d, c, v);
        if (k == 0) {
            paste(d->findChild<QLineEdit *>("Edit8"), "-5");    // Magasság
            paste(d->findChild<QLineEdit *>("Edit7"), "4,5");   // Kor, a whole number
        }
        return clickOk(d);
    });
    page->newClick();
    if (QTest::currentTestFailed())
        return;
    if (k == 0)
        QCOMPARE(sel(db, info, "COALESCE(AM, 0) + COALESCE(AKOREV, 0)"), QString("0"));
}

// A register another program made: nulls, long texts, 17 significant digits.
// Each compartment and each sub-record row is opened and saved untouched.
void TestInputRules::untouchedSaveChangesNothing()
{
    TestDb db(Content::Seed);
    const QString longText = QString(75, u'ő');
    db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG) VALUES ('10001', 'Lenti')");
    db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG, RTAG, RRHA, RAHA, REV, RHID, RFELJEGY) VALUES ('10002', '" + longText +
            "', '" + longText + "', 12.345678901234567, 0.10000000000000001, 2011, '11001', 'egy' || ASCII_CHAR(10) || 'kettő')");
    const QStringList subRows{
        "ALLOMANY (AKOD, ARKOD, AFAF, AM, AKOREV, AOSZTALY) VALUES ('%1', '%2', 'KTT', 1.2345678901234567, 33, '12,5/13,5 ab')",
        "TERMELES (TKOD, TRKOD, TJELE, TEHA1, TVAGKOR) VALUES ('%1', '%2', 'KTT', 98.765432109876543, 80)",
        "FAHASZNALAT (FKOD, FRKOD, FMOD, FDATUM) VALUES ('%1', '%2', 'TRV', '2024-05-01')",
        "ERDOSITES (EKOD, ERKOD, EMOD, EDATUM) VALUES ('%1', '%2', 'MAG', '2024-05-01')",
        "EGYEB (BKOD, BRKOD, BHATSZAM, BDATUM) VALUES ('%1', '%2', '12/2024', '2024-05-01')",
        "VALTOZAS (VKOD, VRKOD) VALUES ('%1', '%2')",
        "MUNKAK (MKOD, MRKOD, MMEGJ) VALUES ('%1', '%2', '" + QString(300, u'x') + "')"};
    for (const QString &comp : {"10001", "10002"})
        for (int i = 0; i < subRows.size(); ++i)
            db.exec("INSERT INTO " + subRows[i].arg(QString::number(10001 + i * 2 + (comp == "10002")), comp));
    const QStringList before = snapshot(db.data());
    const int unguarded = db.data().unguardedWrites();
    const int guardedBefore = db.data().guardedWrites();
    int saves = 0;

    for (const QString &code : {"10001", "10002"}) {
        TQuery *list = db.data().ZQ10;
        list->load({"SELECT * FROM RESZLET ORDER BY RKOD"});
        list->open();
        QVERIFY(list->locate("RKOD", code));
        auto w = entrywindow::openCurrent();
        QVERIFY(w);
        w->findChild<QPushButton *>("Button59")->click();
        QVERIFY2(w->saved(), qPrintable(m_guard.messages->texts.join('|')));
        ++saves;
    }
    TQuery *const lists[] = {db.data().ZQ20, db.data().ZQ30, db.data().ZQ50, db.data().ZQ60,
                             db.data().ZQ70, db.data().ZQ80, db.data().ZQ90};
    for (int k = 0; k < kinds().size(); ++k) {
        for (const QString &code : {"10001", "10002"}) {
            shared::currentCompartmentCode = code;
            std::unique_ptr<SubRecordPage> page(createSubRecordPage(kinds()[k].kind, nullptr));
            page->showStep();
            QCOMPARE(lists[k]->rowCount(), 1);
            bool accepted = false;
            m_guard.modals->add([&](QDialog *d) {
                accepted = clickOk(d) == QDialog::Accepted;
                return d->result();
            });
            page->changeClick();
            QVERIFY2(accepted, qPrintable(kinds()[k].table + ": " + m_guard.messages->texts.join('|')));
            ++saves;
        }
    }
    QCOMPARE(snapshot(db.data()), before);
    // Every save went through the guarded write, and nothing wrote around it.
    QCOMPARE(db.data().guardedWrites() - guardedBefore, saves);
    QCOMPARE(db.data().unguardedWrites(), unguarded);
}

// An existing register can hold a highest code that is no whole number.
void TestInputRules::highestCodeNoNumber()
{
    TestDb db(Content::Seed);
    db.exec("INSERT INTO RESZLET (RKOD, RHELYSEG) VALUES ('1000A', 'Lenti')");
    TForm7 list;
    list.findChild<QPushButton *>("Button2")->click();   // "Új"
    QCOMPARE(m_guard.modals->opened, QStringList());       // no window opens
    QCOMPARE(m_guard.messages->texts,
             QStringList{"A legnagyobb részletkód („1000A”) nem szám, ezért új részlet nem vehető fel. "
                         "Javítsa ezt a kódot, mielőtt új részletet visz fel."});
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM RESZLET"), QString("1"));
}

// A sub-record is never stored under an empty compartment code.
void TestInputRules::noRowUnderEmptyCode()
{
    const KindInfo &info = kinds()[0];
    TestDb db(Content::Seed);
    shared::currentCompartmentCode.clear();
    std::unique_ptr<SubRecordPage> page(createSubRecordPage(info.kind, nullptr));
    int result = -1;
    m_guard.modals->add([&](QDialog *d) {
        for (const auto &[c, v] : info.valid)
            setField(d, c, v);
        result = clickOk(d);
        return result;
    });
    page->newClick();
    QCOMPARE(result, 0);
    QCOMPARE(m_guard.messages->texts, QStringList{editor::NoCompartmentMessage});
    QCOMPARE(sel(db, info, "COUNT(*)"), QString("0"));
}

QTEST_MAIN(TestInputRules)
#include "test_input_rules.moc"
