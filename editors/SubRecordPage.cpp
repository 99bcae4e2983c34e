#include "editors/SubRecordPage.h"
#include "widgets/RightsGate.h"
#include "common/SafeSlot.h"

#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include "widgets/GuardedWrite.h"
#include "editors/FellingEditor.h"
#include "editors/TreeUseEditor.h"
#include "editors/AfforestationEditor.h"
#include "editors/OtherChangeEditor.h"
#include "editors/AfforestationChangeEditor.h"
#include "editors/WorksEditor.h"
#include "editors/StandEditor.h"
#include "widgets/GridHeadings.h"
#include "widgets/SlotGrid.h"
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// Everything in which the seven pages differ.
struct SubRecordKindDef {
    QString page;
    TQuery *TData::*list;
    TQuery *TData::*statement;
    QList<GridColumn> columns;
    QStringList listLines;
    QString order;
    QString label;
    QString deleteOrder;
    QString deleteLabel;
    QStringList deleteLines;
    QString deleteFailure;
    QStringList titleLines;
    QString idColumn;
    QString locateColumn;
    QString newMode;
    QString changeMode;
    shared::EditorState *state;
    QDialog *(*create)(QWidget *);
    bool (*load)(QDialog *);
};

namespace {

template <typename Form> QDialog *make(QWidget *parent) { return new Form(parent); }
template <typename Form> bool loadRow(QDialog *d) { return static_cast<Form *>(d)->loadCurrentRow(); }

QList<GridColumn> fellingColumns()
{
    QList<GridColumn> c = {{"TKOD", "Kód"},        {"TRKOD", "Részletkód"},
                           {"TSSZAM", "Sorszám"},   {"TJSZAM", "Jelzőszám"},
                           {"TJELE", "Fafaj jele"}, {"TVAGKOR", "Vágásérettségi kod"},
                           {"TVAGMUT", "Vágásérettségi mutató"}};
    for (const QString n : {"1", "2", "3"})
        c << GridColumn{"TSURG" + n, "Sürg." + n} << GridColumn{"TEHA" + n, "Érint.t.(ha)"}
          << GridColumn{"THMOD" + n, "H. mód"} << GridColumn{"TERELY" + n, "Erély %"}
          << GridColumn{"TM3EV" + n, "m3/év"} << GridColumn{"TM3RESZL" + n, "m3/részl"};
    c << GridColumn{"IDT", ""};
    return c;
}

const QString byCode = QStringLiteral("A lista, \"Kód\" szerint");

const SubRecordKindDef &kindDef(SubRecordKind kind)
{
    static const SubRecordKindDef defs[] = {
        {"Állományleírás", &TData::ZQ20, &TData::ZQ21,
         {{"AKOD", "Kód"}, {"ARKOD", "Részletkód"}, {"ASSZAM", "Sorszám"}, {"AEANY", "Elegyarány %"},
          {"AKOREV", "Kor (év)"}, {"AM", "Magasság (m)"}, {"ACM", "Átmérő (cm)"}, {"AOSZTALY", "Fatermési osztály"},
          {"AZARODAS", "Záródás %"}, {"ADBHA", "Törzs-szám (db/ha)"}, {"AM3HA", "Fakészlet (m3/ha)"},
          {"AKESZLETM3", "Fakészlet a részletben  (m3)"}, {"ANOVENDEK", "Folyó-növedék (m3/ha/év)"},
          {"AMOD", "Felvétel módja"}, {"AJSZ", "Jelzőszám"}, {"AELM", "Elegyedés módja"}, {"AFAF", "Fafaj jele"},
          {"AER", "Eredet"}, {"AFM", "Törzsminősítés"}, {"AJK", "Jellemző károsító"}, {"AKM", "Károsítás erélye"},
          {"IDA", ""}},
         {"SELECT * FROM allomany", "WHERE ARKOD = :p1"}, "ORDER BY ASSZAM", "Állományleírás", "ORDER BY ASSZAM",
         "A lista, \"Sorszám\" szerint", {"DELETE FROM allomany", "WHERE IDa = :p1"},
         "Hiba82: sor DELETE törlésekor", {"SELECT *", "FROM ALLOMANY", "ORDER BY IDA"}, "IDa", "akod",
         "Új állomány", "Állomány módositás", &shared::stand, make<TForm9>, loadRow<TForm9>},
        {"Fakitermelési terv", &TData::ZQ30, &TData::ZQ31, fellingColumns(),
         {"SELECT * FROM termeles", "WHERE TRKOD = :p1"}, "ORDER BY TSSZAM", "Fakitermelési terv",
         "ORDER BY TJELE", "A lista, \"Fafaj\" szerint", {"DELETE FROM termeles", "WHERE IDt = :p1"},
         "Hiba83: sor DELETE törlésekor", {"SELECT *", "FROM TERMELES", "ORDER BY IDT"}, "IDt", "tkod",
         "Új termelés", "Fakitermelés módositás", &shared::felling, make<TForm10>, loadRow<TForm10>},
        {"Fahasználat", &TData::ZQ50, &TData::ZQ51,
         {{"FKOD", "Kód"}, {"FRKOD", "Részletkód"}, {"FMOD", "Módja"}, {"FERTER", "Ér.ter"},
          {"FHATSZAM", "Hat.szám"}, {"FDATUM", "Dátum"}, {"FMEGJ", "Megjegyzés"}, {"IDF", "ID"}},
         {"SELECT * FROM fahasznalat", "WHERE FRKOD = :p1"}, "ORDER BY FKOD",
         "Üzemtervtől eltérő fahasználatok engedélyezése:", "ORDER BY FKOD", byCode,
         {"DELETE FROM FAHASZNALAT", "WHERE IDf = :p1"}, "Hiba87: sor DELETE törlésekor",
         {"SELECT *", "FROM FAHASZNALAT", "ORDER BY FKOD"}, "IDf", "fkod", "Új fahasználat",
         "Fahasználat módositás", &shared::treeUse, make<TForm12>, loadRow<TForm12>},
        {"Erdösítés", &TData::ZQ60, &TData::ZQ61,
         {{"EKOD", "Kód"}, {"ERKOD", "Részletkód"}, {"EJEL", "Jellege"}, {"EMOD", "Módja"}, {"ECEL", "Céláll."},
          {"EHATSZAM", "Hat.szám"}, {"EDATUM", "Dátum"}, {"EMEGJ", "Megjegyzés"}, {"IDE", ""}},
         {"SELECT * FROM ERDOSITES", "WHERE ERKOD = :p1"}, "ORDER BY EKOD",
         "Üzemtervtől eltérő erdősítési előírás engedélyezése", "ORDER BY EKOD", byCode,
         {"DELETE FROM ERDOSITES", "WHERE IDe = :p1"}, "Hiba88: sor DELETE törlésekor",
         {"SELECT *", "FROM ERDOSITES", "ORDER BY EKOD"}, "IDe", "ekod", "Új erdösités", "Erdösités módositás",
         &shared::afforestation, make<TForm13>, loadRow<TForm13>},
        {"Egyéb", &TData::ZQ70, &TData::ZQ71,
         {{"BKOD", "Kód"}, {"BRKOD", "Részletkód"}, {"BLEIRAS", "Leírás"}, {"BHATSZAM", "Hat.szám"},
          {"BDATUM", "Dátum"}, {"BMEGJ", "Megjegyzés"}, {"IDB", ""}},
         {"SELECT * FROM EGYEB", "WHERE BRKOD = :p1"}, "ORDER BY BKOD", "Egyéb változások", "ORDER BY BKOD",
         byCode, {"DELETE FROM EGYEB", "WHERE IDb = :p1"}, "Hiba89: sor DELETE törlésekor",
         {"SELECT *", "FROM EGYEB", "ORDER BY BKOD"}, "IDb", "bkod", "Új egyéb", "Egyéb módositás",
         &shared::otherChange, make<TForm14>, loadRow<TForm14>},
        {"Változás", &TData::ZQ80, &TData::ZQ81,
         {{"VKOD", "Kód"}, {"VRKOD", "Részletkód"}, {"VMEGJ", "Megjegyzés"}, {"IDV", ""}},
         {"SELECT * FROM VALTOZAS", "WHERE VRKOD = :p1"}, "ORDER BY VKOD",
         "Erdősítés állapotváltozásai részterületenként:", "ORDER BY VKOD", byCode,
         {"DELETE FROM VALTOZAS", "WHERE IDv = :p1"}, "Hiba810: sor DELETE törlésekor",
         {"SELECT *", "FROM VALTOZAS", "ORDER BY VKOD"}, "IDv", "vkod", "Új változás", "Változás módositás",
         &shared::afforestationChange, make<TForm15>, loadRow<TForm15>},
        {"Munkák", &TData::ZQ90, &TData::ZQ91,
         {{"MKOD", "Kód"}, {"MRKOD", "Részletkód"}, {"MMEGJ", "Megjegyzés"}, {"IDM", ""}},
         {"SELECT * FROM MUNKAK", "WHERE MRKOD = :p1"}, "ORDER BY MKOD", "Tárgyévi munkák:", "ORDER BY MKOD",
         byCode, {"DELETE FROM MUNKAK", "WHERE IDm = :p1"}, "Hiba611: sor DELETE törlésekor",
         {"SELECT *", "FROM MUNKAK", "ORDER BY MKOD"}, "IDm", "mkod", "Új munkák", "Munkák módositás",
         &shared::works, make<TForm16>, loadRow<TForm16>},
    };
    return defs[int(kind)];
}

// A failed list statement: the general error handler's text.
void reportFailure(const std::exception &e) { seams::message(QString::fromStdString(e.what())); }

} // namespace

SubRecordPage::SubRecordPage(SubRecordKind kind, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_def(kindDef(kind))
{
    const int n = int(kind) + 1;
    setObjectName(QStringLiteral("Page%1").arg(n));
    auto *layout = new QVBoxLayout(this);
    m_label = new QLabel(m_def.label, this);
    m_label->setObjectName(QStringLiteral("PageLabel"));
    QFont f = m_label->font();
    f.setBold(true);
    m_label->setFont(f);
    layout->addWidget(m_label);

    m_grid = new SlotGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid%1").arg(n));
    m_grid->bind(dm().*m_def.list, m_def.columns);
    gridheadings::fitWhole(m_grid);
    layout->addWidget(m_grid, 1);

    auto *row = new QHBoxLayout;
    m_navigator = new NavigatorBar(this, NavigatorBar::Moves);
    m_navigator->setObjectName(QStringLiteral("DBNavigator%1").arg(n));
    m_navigator->setSlot(dm().*m_def.list);
    row->addWidget(m_navigator);
    row->addStretch();
    m_new = new QPushButton(QStringLiteral("Új"), this);
    m_new->setObjectName(QStringLiteral("ButtonUj"));
    m_change = new QPushButton(QStringLiteral("Módosít"), this);
    m_change->setObjectName(QStringLiteral("ButtonModosit"));
    m_delete = new QPushButton(QStringLiteral("Töröl"), this);
    m_delete->setObjectName(QStringLiteral("ButtonTorol"));
    for (QPushButton *b : {m_new, m_change, m_delete}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    layout->addLayout(row);
    rights::follow({m_new, m_change, m_delete}, rights::Enter);
    m_extra = new QVBoxLayout;
    layout->addLayout(m_extra);

    connect(m_new, &QPushButton::clicked, this, safeslot::wrap([this] { newClick(); }));
    connect(m_change, &QPushButton::clicked, this, safeslot::wrap([this] { changeClick(); }));
    connect(m_delete, &QPushButton::clicked, this, safeslot::wrap([this] { deleteClick(); }));
    connect(m_grid, &SlotGrid::titleClicked, this, safeslot::wrap([this](int i) { titleClick(i); }));
    connect(m_grid, &SlotGrid::rowActivated, this, safeslot::wrap([this] { changeClick(); }));
}

QString SubRecordPage::pageTitle() const { return m_def.page; }

void SubRecordPage::reload(const QString &orderLine)
{
    try {
        TQuery *list = dm().*m_def.list;
        list->load(m_def.listLines + QStringList{orderLine});
        list->setText(QStringLiteral("p1"), shared::currentCompartmentCode);
        list->open();
        list->locate(m_def.locateColumn, m_def.state->lastCode);
    } catch (const std::exception &e) {
        reportFailure(e);
    }
}

void SubRecordPage::showStep(bool setLabel)
{
    reload(m_def.order);
    if (setLabel)
        m_label->setText(m_def.label);
}

void SubRecordPage::runEditor(const QString &mode, bool loadRow)
{
    m_def.state->mode = mode;
    QDialog *editor = m_def.create(this);
    if (!loadRow || m_def.load(editor))
        seams::runModal(editor);
    delete editor;
    m_def.state->mode.clear();
    reload(m_def.order);
}

void SubRecordPage::newClick()
{
    if (rights::refuse(rights::Enter)) return;
    runEditor(m_def.newMode, false);
}

void SubRecordPage::changeClick()
{
    if (rights::refuse(rights::Enter)) return;
    TQuery *list = dm().*m_def.list;
    if (!list->isOpen() || list->currentRow() < 0)
        return;   // no row to change
    runEditor(m_def.changeMode, true);
}

void SubRecordPage::deleteClick()
{
    if (rights::refuse(rights::Enter)) return;
    TQuery *list = dm().*m_def.list;
    if (!list->isOpen() || list->currentRow() < 0)
        return;   // an empty list: nothing to delete, nothing to say
    const QString id = list->asString(m_def.idColumn);
    // Committed at once, so that "A sor törlölve!" holds whatever fails later.
    guarded::Write w(m_def.deleteFailure);
    if (w.run([&] {
            TQuery *statement = dm().*m_def.statement;
            statement->load(m_def.deleteLines);
            statement->setText(QStringLiteral("p1"), id);
            statement->execute();
        }))
        seams::message(QStringLiteral("A sor törlölve!"));
    reload(m_def.deleteOrder);
    m_label->setText(m_def.deleteLabel);
}

void SubRecordPage::titleClick(int column)
{
    if (column != 0)
        return;
    try {
        TQuery *list = dm().*m_def.list;
        list->load(m_def.titleLines);
        list->open();
    } catch (const std::exception &e) {
        reportFailure(e);
    }
    m_label->setText(byCode);
}

SubRecordPage *createSubRecordPage(SubRecordKind kind, QWidget *parent) { return new SubRecordPage(kind, parent); }

void showSubRecordPage(QWidget *page, bool setLabel)
{
    if (auto *p = qobject_cast<SubRecordPage *>(page))
        p->showStep(setLabel);
}
