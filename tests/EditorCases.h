#pragma once
// What the editor and list-page tests share: the seven kinds with their
// tables, controls and texts, and small hands for fields and buttons.
#include "TestSupport.h"
#include "common/Shared.h"
#include "editors/SubRecordPage.h"
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace testsupport;

namespace editorcases {

struct KindInfo {
    SubRecordKind kind;
    QString table, id, code, comp, xkod;
    QString editor, caption, newMode, changeMode;
    shared::EditorState *state;
    QList<std::pair<QString, QString>> valid;   // fields that make a savable row
    QString textControl, textColumn;             // a text field the update changes
    QString afterDeleteLabel;
    QString codeDisplay;
};

inline const QList<KindInfo> &kinds()
{
    static const QString date = "2024.05.01";
    static const QList<KindInfo> k = {
        {SubRecordKind::Stand, "ALLOMANY", "IDA", "AKOD", "ARKOD", "AXKOD", "TForm9", "Állományleírás", "Új állomány",
         "Állomány módositás", &shared::stand, {{"Edit3", "KTT"}}, "Edit19", "AMOD", "A lista, \"Sorszám\" szerint", "Edit20"},
        {SubRecordKind::Felling, "TERMELES", "IDT", "TKOD", "TRKOD", "TXKOD", "TForm10", "Fakitermelési terv",
         "Új termelés", "Fakitermelés módositás", &shared::felling, {{"Edit3", "KTT"}}, "Edit5", "TVAGMUT",
         "A lista, \"Fafaj\" szerint", "Edit13"},
        {SubRecordKind::TreeUse, "FAHASZNALAT", "IDF", "FKOD", "FRKOD", "FXKOD", "TForm12", "Fahasználat",
         "Új fahasználat", "Fahasználat módositás", &shared::treeUse, {{"Edit1", "TRV"}, {"Edit4", date}}, "Edit3",
         "FHATSZAM", "A lista, \"Kód\" szerint", "Edit6"},
        {SubRecordKind::Afforestation, "ERDOSITES", "IDE", "EKOD", "ERKOD", "EXKOD", "TForm13", "Erdösítés",
         "Új erdösités", "Erdösités módositás", &shared::afforestation, {{"Edit2", "MAG"}, {"Edit9", date}}, "Edit4",
         "EHATSZAM", "A lista, \"Kód\" szerint", "Edit6"},
        {SubRecordKind::OtherChange, "EGYEB", "IDB", "BKOD", "BRKOD", "BXKOD", "TForm14", "Egyéb változások",
         "Új egyéb", "Egyéb módositás", &shared::otherChange, {{"Edit2", "12/2024"}, {"Edit3", date}}, "Edit1",
         "BLEIRAS", "A lista, \"Kód\" szerint", "Edit5"},
        {SubRecordKind::AfforestationChange, "VALTOZAS", "IDV", "VKOD", "VRKOD", "VXKOD", "TForm15",
         "Erdősítés változás", "Új változás", "Változás módositás", &shared::afforestationChange, {}, "Memo1", "VMEGJ",
         "A lista, \"Kód\" szerint", "Edit2"},
        {SubRecordKind::Works, "MUNKAK", "IDM", "MKOD", "MRKOD", "MXKOD", "TForm16", "Tárgyévi munkák", "Új munkák",
         "Munkák módositás", &shared::works, {}, "Memo1", "MMEGJ", "A lista, \"Kód\" szerint", "Edit2"},
    };
    return k;
}

inline void addKindRows()
{
    QTest::addColumn<int>("k");
    for (int i = 0; i < kinds().size(); ++i)
        QTest::newRow(qPrintable(kinds()[i].table)) << i;
}

inline void setField(QWidget *w, const QString &name, const QString &text)
{
    if (auto *memo = w->findChild<QPlainTextEdit *>(name))
        memo->setPlainText(text);
    else if (auto *e = w->findChild<QLineEdit *>(name))
        e->setText(text);
    else
        QFAIL(qPrintable("no field " + name));
}

inline QString fieldText(QWidget *w, const QString &name)
{
    if (auto *memo = w->findChild<QPlainTextEdit *>(name))
        return memo->toPlainText();
    auto *e = w->findChild<QLineEdit *>(name);
    return e ? e->text() : QStringLiteral("<none>");
}

inline int clickOk(QDialog *d)
{
    d->findChild<QPushButton *>("Button2")->click();
    return d->result();
}

inline QPushButton *pageButton(QWidget *page, const char *name) { return page->findChild<QPushButton *>(name); }

// One value of the kind's table: SELECT what FROM table [WHERE where].
inline QString sel(TestDb &db, const KindInfo &k, const QString &what, const QString &where = {})
{
    return db.scalar("SELECT " + what + " FROM " + k.table + (where.isEmpty() ? QString() : " WHERE " + where));
}

// Inserts a row with a given code (and compartment) through SQL.
inline void insertRow(TestDb &db, const KindInfo &k, const QString &code, const QString &comp)
{
    db.exec(QStringLiteral("INSERT INTO %1 (%2, %3, %4) VALUES ('%5', '%6', '1')")
                .arg(k.table, k.code, k.comp, k.xkod, code, comp));
}

// Every case starts from a fresh run with recorders in place: no real
// message box or modal loop may ever wait for a hand.
struct CaseGuards {
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<ModalScript> modals;
    void start()
    {
        shared::resetAll();
        messages = std::make_unique<MessageRecorder>();
        modals = std::make_unique<ModalScript>();
    }
    void stop()
    {
        modals.reset();
        messages.reset();
    }
};

} // namespace editorcases

using namespace editorcases;
