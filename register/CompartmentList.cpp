// The compartment list (TForm7).
#include "register/CompartmentList.h"
#include "widgets/RightsGate.h"
#include "register/ChangeHistory.h"
#include "common/SafeSlot.h"

#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include "widgets/GuardedWrite.h"
#include "register/CompartmentEntry.h"
#include "widgets/SlotGrid.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QStringList SettlementOrder{QStringLiteral("SELECT * FROM RESZLET"),
                                  QStringLiteral("ORDER BY RHELYSEG, RTAG, RRESZLET")};

QString errorText(const std::exception &e)
{
    if (auto *db = dynamic_cast<const DbError *>(&e))
        return db->text();
    return QString::fromUtf8(e.what());
}

} // namespace

TForm7::TForm7(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Erdőrészlet"));
    m_statement = new TQuery(&dm(), QStringLiteral("Form7Statement"), this);
    auto *main = new QVBoxLayout(this);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Helységnév:"), this));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_search->setToolTip(QStringLiteral("Kezdö betükre rákeres"));
    m_search->setMaximumWidth(260);
    searchRow->addWidget(m_search);
    auto *find = new QPushButton(QStringLiteral("Keres"), this);
    find->setObjectName(QStringLiteral("Button7"));
    find->setDefault(true);   // Enter in the search field searches, never closes
    searchRow->addWidget(find);
    searchRow->addSpacing(24);
    m_orderCaption = new QLabel(QStringLiteral("Lista sorrend: "), this);
    m_orderCaption->setObjectName(QStringLiteral("Label8"));
    QFont bold = m_orderCaption->font();
    bold.setBold(true);
    m_orderCaption->setFont(bold);
    searchRow->addWidget(m_orderCaption, 1);
    main->addLayout(searchRow);

    m_grid = new SlotGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setToolTip(QStringLiteral("Sorrend: klikk az \"kód\" , \"Megnevezés\" vagy \"Kód\" oszlop fejlécre"));
    QList<GridColumn> columns{{"RKOD", "Kód"}, {"RHELYSEG", "Helységnév"}, {"RTAG", "Tag"},
                              {"RRESZLET", "Részlet"}, {"RHRSZ", "Hrsz"}, {"ROLDAL", "Oldal"}};
    for (const char *c : {"RRHA", "RAHA", "REHA", "RFHA", "RKHA"})
        columns.append(GridColumn{QString::fromLatin1(c), QString()});
    columns.append(GridColumn{"RILL", "Illetékes"});
    columns.append(GridColumn{"RKORZET", "Körzet"});
    for (const char *c : {"REV", "RGAZD", "RTUL", "RFATIP", "RKELE", "RTVHAT", "RTERNEV", "RVEDFOK", "RNATURA",
                          "RREND", "RKORL", "RUMOD", "RTCAL", "RTFTK", "RZMI", "RCS", "RKLI", "IDR", "RXKOD",
                          "RGENTAL", "RRET", "RTFM", "RFEK", "RTHM", "RHID", "RFTF", "RDOMB", "RLEJT", "RFAKIEV",
                          "RFAKIMOD"})
        columns.append(GridColumn{QString::fromLatin1(c), QString()});
    m_grid->bind(dm().ZQ10, columns);
    main->addWidget(m_grid, 1);
    connect(m_grid, &SlotGrid::titleClicked, this, safeslot::wrap([this](int i) { DBGrid1TitleClick(i); }));
    connect(m_grid, &SlotGrid::rowActivated, this, safeslot::wrap([this] { Button3Click(); }));

    auto *nav = new NavigatorBar(this);
    nav->setObjectName(QStringLiteral("DBNavigator1"));
    nav->setSlot(dm().ZQ10);
    main->addWidget(nav);

    auto *box = new QGroupBox(QStringLiteral("Adatok"), this);
    auto *boxLayout = new QHBoxLayout(box);
    const QStringList captions{"ID:", "Kód:", "Helység:", "Tag:", "Részlet:", "Hrsz:"};
    for (int i = 0; i < captions.size(); ++i) {
        boxLayout->addWidget(new QLabel(captions[i], box));
        auto *e = new QLineEdit(box);
        e->setObjectName(QStringLiteral("DBEdit%1").arg(i + 1));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        boxLayout->addWidget(e, i == 2 ? 3 : 1);
        m_data << e;
    }
    main->addWidget(box);
    connect(dm().ZQ10, &TQuery::currentChanged, this, &TForm7::showData);
    connect(dm().ZQ10, &TQuery::reset, this, &TForm7::showData);

    auto *buttons = new QHBoxLayout;
    const QList<QPair<QString, QString>> bar{{"Button1", "Kiválaszt"}, {"Button2", "Új"}, {"Button3", "Módosít"},
                                            {"Button4", "Töröl"}, {"Button6", "Nyomtatás"},
                                            {"ButtonValtozasok", "Változások"}, {"Button5", "Mégsem"}};
    const QList<void (TForm7::*)()> handlers{&TForm7::Button1Click, &TForm7::Button2Click, &TForm7::Button3Click,
                                             &TForm7::Button4Click, &TForm7::Button6Click,
                                             &TForm7::ButtonValtozasokClick, &TForm7::Button5Click};
    buttons->addStretch();
    for (int i = 0; i < bar.size(); ++i) {
        auto *b = new QPushButton(bar[i].second, this);
        b->setObjectName(bar[i].first);
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, safeslot::wrap([this, h = handlers[i]] { (this->*h)(); }));
    }
    main->addLayout(buttons);
    rights::follow({findChild<QPushButton *>(QStringLiteral("Button2")), findChild<QPushButton *>(QStringLiteral("Button4"))},
                   rights::Enter);

    connect(m_search, &QLineEdit::textEdited, this, safeslot::wrap([this] { Edit1Change(); }));
    connect(find, &QPushButton::clicked, this, safeslot::wrap([this] { Button7Click(); }));

    // Window creation: the settlement order, caption unchanged.
    reload(SettlementOrder, {}, {}, orderCaption());
    setFixedSize(1200, 640);
}

QString TForm7::orderCaption() const { return m_orderCaption->text(); }

void TForm7::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || m_shownOnce)
        return;
    m_shownOnce = true;
    reload(SettlementOrder, QStringLiteral("RKOD"), shared::lastCompartmentCode,
           QStringLiteral("Erdörészlet, \"Helység, tag, részlet\" szerint"));
}

void TForm7::reload(const QStringList &lines, const QString &column, const QString &value, const QString &caption)
{
    try {
        TQuery *list = dm().ZQ10;
        list->load(lines);
        list->open();
        m_lines = lines;
        if (!column.isEmpty())
            list->locate(column, value);
        m_orderCaption->setText(caption);
    } catch (const std::exception &e) {
        seams::message(errorText(e));
    }
}

void TForm7::showData()
{
    TQuery *list = dm().ZQ10;
    const bool row = list->isOpen() && list->currentRow() >= 0;
    const QStringList cols{"IDR", "RKOD", "RHELYSEG", "RTAG", "RRESZLET", "RHRSZ"};
    for (int i = 0; i < m_data.size(); ++i)
        m_data[i]->setText(row ? list->asString(cols[i]) : QString());
}

void TForm7::DBGrid1TitleClick(int column)
{
    if (column == 0)
        reload({QStringLiteral("SELECT *"), QStringLiteral("FROM RESZLET"), QStringLiteral("ORDER BY RKOD")}, {}, {},
               QStringLiteral("Kódlista, \"Kód\" szerint"));
    else if (column == 1)
        reload({QStringLiteral("SELECT *"), QStringLiteral("FROM RESZLET"),
                QStringLiteral("ORDER BY RHELYSEG, RTAG, RRESZLET")},
               {}, {}, QStringLiteral("Kódlista, \"Helység\" szerint"));
    else if (column == 4)
        reload({QStringLiteral("SELECT *"), QStringLiteral("FROM RESZLET"), QStringLiteral("ORDER BY RHRSZ")}, {}, {},
               QStringLiteral("Kódlista, \"Helyrajziszám\" szerint"));
}

void TForm7::search()
{
    reload(SettlementOrder, QStringLiteral("RHELYSEG"), m_search->text(),
           QStringLiteral("Részlet lista, \"Helység, tag, részlet\" szerint"));
}

// The field's text after the key: the search always sees what the user sees.
void TForm7::Edit1Change() { search(); }
void TForm7::Button7Click() { search(); }

void TForm7::ButtonValtozasokClick()
{
    TQuery *list = dm().ZQ10;
    const QString code = (list->isOpen() && list->currentRow() >= 0) ? list->asString(QStringLiteral("RKOD")) : QString();
    auto *w = new TFormValtozasok(code, this);
    seams::runModal(w);
    delete w;
}

void TForm7::Button1Click() { accept(); }
void TForm7::Button5Click() { reject(); }

void TForm7::Button2Click()
{
    if (rights::refuse(rights::Enter)) return;
    shared::compartmentEntryMode = QStringLiteral("Új részlet");
    runEntryWindow(true);
}

void TForm7::Button3Click()
{
    shared::compartmentEntryMode = QStringLiteral("Részlet módositás");
    runEntryWindow(false);
}

void TForm7::runEntryWindow(bool isNew)
{
    TQuery *list = dm().ZQ10;
    const QString wasCurrent =
        (list->isOpen() && list->currentRow() >= 0) ? list->asString(QStringLiteral("RKOD")) : QString();
    auto *entry = new TForm8(this);
    if (isNew ? entry->prepareNew() : entry->loadCurrent())
        seams::runModal(entry);
    const bool saved = entry->saved();
    delete entry;
    // A save has reloaded the list by code on the saved compartment: only the
    // caption follows. A commit in the editors alone closed the list: reopen it
    // (its kept rows) on the compartment that was current.
    if (saved) {
        m_lines = list->sqlLines();
        m_orderCaption->setText(QStringLiteral("Kódlista, \"Bevitel\" szerint"));
    } else {
        reload(m_lines, QStringLiteral("RKOD"), wasCurrent, orderCaption());
    }
}

void TForm7::Button4Click()
{
    if (rights::refuse(rights::Enter)) return;
    TQuery *list = dm().ZQ10;
    const auto afterDelete = [this] {
        reload(SettlementOrder, QStringLiteral("RKOD"), shared::lastCompartmentCode,
               QStringLiteral("Részlet lista, \"Helység\" szerint"));
    };
    try {
        TQuery *count = m_statement;
        count->load({QStringLiteral("SELECT count(*) AS db FROM reszlet")});
        count->open();
        const qint64 db = count->asInt(QStringLiteral("db"));
        count->close();
        if (db < 2) {
            seams::message(QStringLiteral("Az utolsó sor nem törölhető ki."));
            afterDelete();
            return;
        }
    } catch (const std::exception &e) {
        seams::message(errorText(e));
        return;
    }
    if (!list->isOpen() || list->currentRow() < 0)
        return;
    const QString code = list->asString(QStringLiteral("RKOD"));
    const QString idr = list->asString(QStringLiteral("IDr"));
    if (!seams::question(QStringLiteral("A(z) %1 kódú részlet minden hozzá tartozó sorával együtt véglegesen "
                                        "törlődik. Biztosan törli?")
                             .arg(code)))
        return;
    if (deleteCascade(code, idr))
        seams::message(QStringLiteral("A részlet sor és kapcsolódó részek törlölve!"));
    afterDelete();
}

// The compartment and its sub-records go together or not at all, and at once:
// no later rollback can bring back half of them.
bool TForm7::deleteCascade(const QString &code, const QString &idr)
{
    struct Step {
        QStringList lines;
        QString message;
    };
    const QList<Step> steps{
        {{"DELETE FROM allomany", "WHERE aRkod = :p1"}, "Hiba711: allomany sor DELETE törlésekor"},
        {{"DELETE FROM termeles", "WHERE tRkod = :p1"}, "Hiba712: termeles sor DELETE törlésekor"},
        {{"DELETE FROM fahasznalat", "WHERE fRkod = :p1"}, "Hiba713: fahasznalat sor DELETE törlésekor"},
        {{"DELETE FROM erdosites", "WHERE eRkod = :p1"}, "Hiba712: erdosites sor DELETE törlésekor"},
        {{"DELETE FROM egyeb", "WHERE bRkod = :p1"}, "Hiba712: egyeb sor DELETE törlésekor"},
        {{"DELETE FROM valtozas", "WHERE vRkod = :p1"}, "Hiba712: valtozas sor DELETE törlésekor"},
        {{"DELETE FROM munkak", "WHERE mRkod = :p1"}, "Hiba712: munkak sor DELETE törlésekor"},
        {{"DELETE FROM reszlet", "WHERE IDr = :p1"}, "Hiba71: részlet sor DELETE törlésekor"},
    };
    guarded::Write w(steps.first().message);
    return w.run([&] {
        for (int i = 0; i < steps.size(); ++i) {
            w.setFailureText(steps[i].message);
            m_statement->load(steps[i].lines);
            m_statement->setText(QStringLiteral("p1"), i == steps.size() - 1 ? idr : code);
            m_statement->execute();
        }
    });
}

void TForm7::Button6Click()
{
    TQuery *list = dm().ZQ10;
    if (!list->isOpen() || list->currentRow() < 0)
        return;
    const QString code = list->asString(QStringLiteral("RKOD"));
    try {
        TData &d = dm();
        auto run = [&code](TQuery *q, const QStringList &lines) {
            q->load(lines);
            q->setText(QStringLiteral("p1"), code);
            q->open();
        };
        run(d.ZQ12, {"SELECT *", "FROM RESZLET", "WHERE RKOD = :p1"});
        run(d.ZQ21, {"SELECT SUM(am3ha) AS m3ha, SUM(akeszletm3) AS keszletm3, SUM(anovendek) AS novendek",
                     "FROM allomany", "WHERE aRkod = :p1"});
        for (const char *v : {"m3ha", "keszletm3", "novendek"})
            d.frVariables[QStringLiteral("v_") + QLatin1String(v)] = d.ZQ21->asFloat(QLatin1String(v));
        run(d.ZQ21, {"SELECT *", "FROM allomany", "WHERE aRkod = :p1"});
        run(d.ZQ31, {"SELECT SUM(TERELY1) AS erely1, SUM(TM3EV1) AS m3ev1, SUM(TM3RESZL1) AS m3reszl1, "
                     "SUM(TERELY2) AS erely2, SUM(TM3EV2) AS m3ev2, SUM(TM3RESZL2) AS m3reszl2, SUM(TERELY3) AS "
                     "erely3, SUM(TM3EV3) AS m3ev3, SUM(TM3RESZL3) AS m3reszl3",
                     "FROM termeles", "WHERE tRkod = :p1"});
        for (const char *v : {"erely1", "m3ev1", "m3reszl1", "erely2", "m3ev2", "m3reszl2", "erely3", "m3ev3",
                              "m3reszl3"})
            d.frVariables[QStringLiteral("v_") + QLatin1String(v)] = d.ZQ31->asFloat(QLatin1String(v));
        run(d.ZQ31, {"SELECT *", "FROM termeles", "WHERE tRkod = :p1"});
        run(d.ZQ51, {"SELECT *", "FROM fahasznalat", "WHERE fRkod = :p1"});
        run(d.ZQ61, {"SELECT *", "FROM erdosites", "WHERE eRkod = :p1"});
        run(d.ZQ71, {"SELECT *", "FROM egyeb", "WHERE bRkod = :p1"});
        run(d.ZQ81, {"SELECT *", "FROM valtozas", "WHERE vRkod = :p1"});
        run(d.ZQ91, {"SELECT *", "FROM munkak", "WHERE mRkod = :p1"});
        d.printReport(QStringLiteral("ErdoReszlet.frf"));
    } catch (const std::exception &e) {
        seams::message(errorText(e));
    }
}
