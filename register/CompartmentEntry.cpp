// The compartment data-entry window (TForm8).
#include "register/CompartmentEntry.h"
#include "widgets/RightsGate.h"
#include "common/SafeSlot.h"

#include "codes/CodePick.h"
#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/CodeReservation.h"
#include "datastore/Convert.h"
#include "datastore/Failure.h"
#include "datastore/DataModule.h"
#include "datastore/RowCodes.h"
#include "editors/SubRecordPage.h"
#include "widgets/GuardedWrite.h"
#include "widgets/Input.h"
#include "widgets/SaveGuard.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using fieldform::FieldDef;
using fieldform::Kind;

namespace {

const QString NewMode = QStringLiteral("Új részlet");
const QString NoCodeMessage = QStringLiteral("Az új részletnek nincs kódja, ezért nem menthető.");

// An existing register can hold a code such as "1000A": no code can follow it.
QString lastCodeNoNumber(const QString &last)
{
    return QStringLiteral("A legnagyobb részletkód („%1”) nem szám, ezért új részlet nem vehető fel. "
                          "Javítsa ezt a kódot, mielőtt új részletet visz fel.").arg(last);
}

// The general data in statement parameter order p1..p54.
QList<FieldDef> compartmentFields()
{
    const Kind T = Kind::Text, D = Kind::Decimal, P = Kind::Pick;
    const QString ha = QStringLiteral("ha");
    return {
        {"p1", "RHELYSEG", "Helység", "Edit1", P, "HELY"},
        {"p2", "RTAG", "Tag:", "Edit2", T},
        {"p3", "RRESZLET", "Részlet:", "Edit3", T},
        {"p4", "RHRSZ", "HRSZ:", "Edit4", T},
        {"p5", "RAK", "AK:", "Edit90", D},
        {"p6", "ROLDAL", "Oldal:", "Edit5", T},
        {"p7", "RILL", "Illetékes", "Edit6", P, "ILL"},
        {"p8", "RKORZET", "Körzet", "Edit7", P, "KORZET"},
        {"p9", "REV", "Felvétel éve:", "Edit8", Kind::Digits},
        {"p10", "RGAZD", "Gazdálkodó", "Edit9", P, "GAZD"},
        {"p11", "RTUL", "Tulajdonforma", "Edit10", P, "TUL"},
        {"p12", "RRHA", "Részlet területe:", "Edit11", D, {}, -1, ha},
        {"p13", "RFATIP", "Faállomány típusa", "Edit12", P, "FATIP"},
        {"p14", "RKELE", "Keletkezés", "Edit13", P, "KELE"},
        {"p15", "RAHA", "Alsó szint területe:", "Edit14", D, {}, -1, ha},
        {"p16", "RTVHAT", "Természetvédelmi hatóság", "Edit15", P, "TVHAT"},
        {"p17", "REHA", " Eddigi véghasználat ter.:", "Edit16", D, {}, -1, ha},
        {"p18", "RTERNEV", "Védett terület neve", "Edit17", P, "TERNEV"},
        {"p19", "RFHA", "Felújítási szint területe", "Edit18", D, {}, -1, ha},
        {"p20", "RVEDFOK", "Védettség foka", "Edit39", P, "VEDFOK"},
        {"p21", "RKHA", "Kötelezettség területe", "Edit40", D, {}, -1, ha},
        {"p22", "RNATURA", "Natura 2000", "Edit19", P, "NATURA"},
        {"p23", "RREND", "Rendeltetés", "Edit20", P, "REND"},
        {"p24", "RKLI", "Klíma", "Edit21", P, "KLI"},
        {"p25", "RHID", "Hidrológia", "Edit22", P, "HID"},
        {"p26", "RGENTAL", "Talajtípus", "Edit23", P, "GENTAL"},
        {"p27", "RKORL", "Gazdálkodás korlátozása", "Edit24", P, "KORL"},
        {"p28", "RRET", "Termőréteg v.", "Edit25", P, "RET"},
        {"p29", "RFTF", "Fizikai talajféleség", "Edit26", P, "FTF"},
        {"p30", "RUMOD", "Üzemmód", "Edit27", P, "UMOD"},
        {"p31", "RTFM", "Tsz. feletti mag.", "Edit28", P, "TFM"},
        {"p32", "RDOMB", "Domborzat", "Edit29", P, "DOMB"},
        {"p33", "RTCAL", "Távlati célállomány", "Edit30", P, "TCAL"},
        {"p34", "RFEK", "Fekvés", "Edit31", P, "FEK"},
        {"p35", "RLEJT", "Lejtés", "Edit32", P, "LEJT"},
        {"p36", "RTFTK", "- fatermőképességi csoportja", "Edit33", P, "TFTK"},
        {"p37", "RTHM", "Meghat. módja", "Edit34", P, "THM"},
        {"p38", "RZMI", "Záródás min.", "Edit35", P, "ZMI"},
        {"p39", "RCS", "Cserjeborítás", "Edit36", P, "CS"},
        {"p40", "RFAKIEV", "Utolsó fakitermelés éve", "Edit37", T},
        {"p41", "RFAKIMOD", "- módja", "Edit38", P, "FAKIMOD"},
        {"p42", "RTERVHA", "Terület (ha): ", "Edit83", D},
        {"p43", "RTERVJELL", "Jelleg", "Edit84", P, "JELL"},
        {"p44", "R1CEL", "Erdősítés célállománya", "Edit85", P, "TCAL"},
        {"p45", "R1ELEGY", "Erdősítés elegyfafajai", "Edit86", P, "FAF"},
        {"p46", "R2CEL", "Erdősítés célállománya", "Edit87", P, "TCAL"},
        {"p47", "R2ELEGY", "Erdősítés elegyfafajai", "Edit88", P, "FAF"},
        {"p48", "RENGEDELY", "Engedélyezett: ", "Edit89", T},
        {"p49", "RFELJEGY", "", "Memo1", Kind::Memo},
        {"p50", "RVADGAZD", "Vadgazd.", "Edit93", P, "VADGAZD"},
        {"p51", "RERDTAJ", "Erdészeti táj", "Edit94", P, "ERDTAJ"},
        {"p52", "RTERMESZET", "Termöhely tipus / változás", "Edit96", P, "TERMESZET"},
        {"p53", "RREZERVTIP", "Erdő rez. tip.", "Edit95", P, "REZERVTIP"},
        {"p54", "RREND2", "Tov. rendeltetés", "Edit91", P, "REND"},
    };
}

// Trailing blanks and control characters do not make a settlement name.
QString withoutTrailingBlanks(QString s)
{
    while (!s.isEmpty() && (s.back().isSpace() || s.back().category() == QChar::Other_Control))
        s.chop(1);
    return s;
}

const char *const SubTables[][2] = {{"allomany", "aRkod"}, {"termeles", "tRkod"}, {"fahasznalat", "fRkod"},
                                    {"erdosites", "eRkod"}, {"egyeb", "bRkod"}, {"valtozas", "vRkod"},
                                    {"munkak", "mRkod"}};

} // namespace

TForm8::TForm8(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Adatbevitel"));
    m_statement = new TQuery(&dm(), QStringLiteral("Form8Statement"), this);
    m_fields = std::make_unique<fieldform::FieldForm>(compartmentFields(), this, &pickCode);

    auto *main = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    m_idDisplay = new QLineEdit(this);
    m_idDisplay->setObjectName(QStringLiteral("EditID"));
    m_codeDisplay = new QLineEdit(this);
    m_codeDisplay->setObjectName(QStringLiteral("EditKod"));
    for (QLineEdit *e : {m_idDisplay, m_codeDisplay}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setMaximumWidth(90);
    }
    header->addWidget(new QLabel(QStringLiteral("ID"), this));
    header->addWidget(m_idDisplay);
    header->addSpacing(16);
    header->addWidget(new QLabel(QStringLiteral("Kód"), this));
    header->addWidget(m_codeDisplay);
    header->addStretch();
    main->addLayout(header);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    main->addWidget(m_tabs);

    auto *general = new QWidget;
    general->setObjectName(QStringLiteral("TabReszlet"));
    buildGeneralPage(general);
    m_tabs->addTab(general, QStringLiteral("Részlet"));

    const SubRecordKind kinds[] = {SubRecordKind::Stand, SubRecordKind::Felling, SubRecordKind::TreeUse,
                                   SubRecordKind::Afforestation, SubRecordKind::OtherChange,
                                   SubRecordKind::AfforestationChange, SubRecordKind::Works};
    for (SubRecordKind kind : kinds) {
        SubRecordPage *page = createSubRecordPage(kind, nullptr);
        m_subPages << page;
        if (kind == SubRecordKind::Felling)
            page->extraArea()->addWidget(buildPlanBox());
        m_tabs->addTab(page, page->pageTitle());
        if (kind == SubRecordKind::Felling) {
            auto *remarks = new QWidget;
            remarks->setObjectName(QStringLiteral("TabMegjegyzes"));
            auto *l = new QVBoxLayout(remarks);
            l->addWidget(m_fields->control(QStringLiteral("Memo1")));
            m_tabs->addTab(remarks, QStringLiteral("Megjegyzés"));
        }
    }
    m_tabs->setCurrentIndex(0);
    connect(m_tabs, &QTabWidget::currentChanged, this, safeslot::wrap([this](int i) { pageSelected(i); }));

    input::enterMovesFocus(this);
    // Fits a 1280x800 screen with its title bar and panel; smaller screens
    // get what they have, the general page scrolls.
    QSize size(1240, 720);
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size() - QSize(16, 48));
    resize(size);
    // Saved or left, the window's code is no longer shown: free it.
    connect(this, &QDialog::finished, this, [this] { m_reserved.release(); });
}

TForm8::~TForm8() = default;

void TForm8::buildGeneralPage(QWidget *page)
{
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 6, 6);
    auto *scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto *inner = new QWidget;
    scroll->setWidget(inner);
    auto *layout = new QGridLayout(inner);
    layout->setVerticalSpacing(6);

    QStringList order;   // the Enter/Tab order: box by box, down each column
    // A box of fields given column by column.
    auto box = [&](const QString &title, const QList<QStringList> &columns) {
        auto *g = new QGroupBox(title, inner);
        auto *grid = new QGridLayout(g);
        grid->setVerticalSpacing(3);
        for (int c = 0; c < columns.size(); ++c) {
            for (int r = 0; r < columns[c].size(); ++r) {
                m_fields->addToGrid(grid, r, c * 3, columns[c][r]);
                order << columns[c][r];
            }
            grid->setColumnStretch(c * 3 + 1, 1);
        }
        return g;
    };
    layout->addWidget(box({}, {{"Edit1", "Edit2", "Edit3", "Edit4", "Edit90"},
                               {"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"},
                               {"Edit10", "Edit93", "Edit94", "Edit95"}}),
                      0, 0, 1, 3);
    layout->addWidget(box({}, {{"Edit11", "Edit14", "Edit16", "Edit18", "Edit40"},
                               {"Edit12", "Edit13", "Edit15", "Edit17", "Edit39", "Edit19"}}),
                      1, 0, 1, 2);
    layout->addWidget(box(QStringLiteral("TERMŐHELYI ADATOK"), {{"Edit21", "Edit22", "Edit23", "Edit25", "Edit26", "Edit28"},
                                                               {"Edit29", "Edit31", "Edit32", "Edit34", "Edit96"}}),
                      2, 0, 1, 2);
    auto *right = new QVBoxLayout;
    right->addWidget(box({}, {{"Edit20", "Edit91", "Edit24", "Edit27", "Edit30", "Edit33", "Edit35", "Edit36"}}));
    right->addWidget(box({}, {{"Edit37", "Edit38"}}));
    right->addStretch();
    layout->addLayout(right, 1, 2, 2, 1);
    for (int c = 0; c < 3; ++c)
        layout->setColumnStretch(c, 1);
    layout->setRowStretch(3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("OK"), page);
    ok->setObjectName(QStringLiteral("Button59"));
    auto *cancel = new QPushButton(QStringLiteral("Mégsem"), page);
    cancel->setObjectName(QStringLiteral("Button60"));
    rights::follow({ok}, rights::Enter);
    for (QPushButton *b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
        buttons->addWidget(b);
    }
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, safeslot::wrap([this] { Button59Click(); }));
    connect(cancel, &QPushButton::clicked, this, safeslot::wrap([this] { Button60Click(); }));

    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(m_fields->control(order[i - 1]), m_fields->control(order[i]));
    QWidget::setTabOrder(m_fields->control(order.last()), ok);
    QWidget::setTabOrder(ok, cancel);

    // A right click on "Körzet" picks the manager instead.
    QPushButton *korzet = m_fields->pickButton(QStringLiteral("Edit7"));
    korzet->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(korzet, &QWidget::customContextMenuRequested, this,
            [this] { pickCode(QStringLiteral("GAZD"), m_fields->edit(QStringLiteral("Edit9"))); });
}

QWidget *TForm8::buildPlanBox()
{
    auto *g = new QGroupBox(QStringLiteral("ERDŐSÍTÉSI TERV"));
    g->setObjectName(QStringLiteral("GroupBoxTerv"));
    auto *grid = new QGridLayout(g);
    m_fields->addToGrid(grid, 0, 1, QStringLiteral("Edit83"));
    m_fields->addToGrid(grid, 0, 3, QStringLiteral("Edit84"));
    m_fields->addToGrid(grid, 0, 5, QStringLiteral("Edit89"));
    grid->addWidget(new QLabel(QStringLiteral("1. vált. mód:"), g), 1, 0);
    m_fields->addToGrid(grid, 1, 1, QStringLiteral("Edit85"));
    m_fields->addToGrid(grid, 1, 3, QStringLiteral("Edit86"));
    grid->addWidget(new QLabel(QStringLiteral("2. vált. mód:"), g), 2, 0);
    m_fields->addToGrid(grid, 2, 1, QStringLiteral("Edit87"));
    m_fields->addToGrid(grid, 2, 3, QStringLiteral("Edit88"));
    for (int c : {2, 4, 6})
        grid->setColumnStretch(c, 1);
    const QStringList order{"Edit83", "Edit84", "Edit89", "Edit85", "Edit86", "Edit87", "Edit88"};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(m_fields->control(order[i - 1]), m_fields->control(order[i]));
    return g;
}

QStringList TForm8::newRemarkLines()
{
    return {QStringLiteral("Előző azonosító:  "), QStringLiteral("Egyéb fafaj a részletben:"),
            QStringLiteral("Erdőgazdálkodó kód:"), QStringLiteral("Hely kód:"), QStringLiteral("Ügyszám:"),
            QStringLiteral("Megjegyzés:")};
}

bool TForm8::newMode() const { return shared::compartmentEntryMode == NewMode; }

void TForm8::setCode(const QString &code)
{
    m_code = code;
    shared::currentCompartmentCode = code;
    m_codeDisplay->setText(code);
}

bool TForm8::loadCurrent()
{
    try {
        TQuery *list = dm().ZQ10;
        if (!list->isOpen() || list->currentRow() < 0)
            throw DbError(QStringLiteral("no current compartment"));
        setWindowTitle(shared::compartmentEntryMode);
        showRow(*list);
        return true;
    } catch (const std::exception &) {
        seams::message(QStringLiteral("Hiba81 az részlet módosítás Edit-ben való megjelenitésekor!"));
        return false;
    }
}

void TForm8::showRow(const TQuery &row)
{
    m_idr = row.asString(QStringLiteral("IDr"));
    m_idDisplay->setText(m_idr);
    setCode(row.asString(QStringLiteral("RKOD")));
    m_fields->load(row);
    // RHID may hold a code of the code table: show its short name; left
    // alone, the field is stored back as it was.
    const QString storedHid = row.asString(QStringLiteral("RHID"));
    if (!storedHid.trimmed().isEmpty()) {
        // Found decides, not the name: the empty code's short name is empty.
        const QString name = dm().codeLookup(storedHid);
        if (dm().ZQ102->rowCount() > 0)
            m_fields->showAsLoaded(QStringLiteral("Edit22"), name);
    }
    // What the save will check the stored row against.
    m_loaded = rowcheck::capture(row, QStringLiteral("RESZLET"), QStringLiteral("IDR"), m_fields->columnList());
    m_loadedTexts = saveguard::texts(*m_fields);
}

// The row as another workstation saved it; what the user changed stays.
void TForm8::takeOverStoredRow()
{
    TQuery *q = m_statement;
    q->load({QStringLiteral("SELECT * FROM reszlet"), QStringLiteral("WHERE IDr = :p0")});
    q->setText(QStringLiteral("p0"), m_idr);
    q->open();
    if (q->isEmpty())
        return;
    const QHash<QString, QString> typed = saveguard::texts(*m_fields);
    const QHash<QString, QString> loaded = m_loadedTexts;
    showRow(*q);
    saveguard::keepTyped(*m_fields, typed, loaded);
}

void TForm8::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous() && !m_shownOnce) {
        m_shownOnce = true;
        onShow();
    }
}

bool TForm8::prepareNew()
{
    m_prepared = true;
    m_fields->setText(QStringLiteral("Memo1"), newRemarkLines().join(u'\n'));
    return predictCode();
}

void TForm8::onShow()
{
    if (newMode() && !m_prepared && !prepareNew()) {
        QTimer::singleShot(0, this, [this] { QDialog::reject(); });
        return;
    }
    try {
        openStandAndFellingLists();
    } catch (const std::exception &e) {
        seams::message(QString::fromUtf8(e.what()));
    }
    m_fields->control(QStringLiteral("Edit1"))->setFocus();
}

bool TForm8::predictCode()
{
    try {
        // Reserved for this workstation: sub-records added before the save go
        // under this code, and the compartment gets it.
        if (const auto reserved = reservation::reserve(dm(), QStringLiteral("RKOD"))) {
            if (reserved->code.isEmpty()) {
                seams::message(lastCodeNoNumber(reserved->last));
                return false;
            }
            m_reserved.set(dm(), QStringLiteral("RKOD"), reserved->code, [this](const QString &now) {
                const QString shown = m_code;
                setCode(now);
                seams::message(reservation::takenMessage(shown, now));
            });
            if (!rowcodes::available(reserved->code.toLongLong(), QStringLiteral("Erdőrészlet")))
                return false;
            setCode(reserved->code);
            return true;
        }
        TQuery *q = m_statement;
        q->load({QStringLiteral("SELECT MAX(RKOD) AS rkod FROM reszlet")});
        q->open();
        qint64 next = 10001;   // what the database gives the first compartment
        const QString last = q->isEmpty() ? QString() : q->asString(QStringLiteral("rkod")).trimmed();
        q->close();
        if (!last.isEmpty()) {
            qint64 lastCode;
            if (!convert::parseInt(last, &lastCode)) {
                seams::message(lastCodeNoNumber(last));
                return false;
            }
            next = lastCode + 1;
        }
        if (!rowcodes::available(next, QStringLiteral("Erdőrészlet")))
            return false;
        setCode(QString::number(next));
        return true;
    } catch (const std::exception &e) {
        seams::message(failure::reason(e));
        return false;
    }
}

void TForm8::openStandAndFellingLists()
{
    TQuery *stand = dm().ZQ20;
    stand->load({QStringLiteral("SELECT * FROM allomany"), QStringLiteral("WHERE ARKOD = :p1"),
                 QStringLiteral("ORDER BY ASSZAM")});
    stand->setText(QStringLiteral("p1"), m_code);
    stand->open();
    stand->locate(QStringLiteral("akod"), shared::stand.lastCode);
    TQuery *felling = dm().ZQ30;
    felling->load({QStringLiteral("SELECT * FROM termeles"), QStringLiteral("WHERE TRKOD = :p1"),
                   QStringLiteral("ORDER BY TSSZAM")});
    felling->setText(QStringLiteral("p1"), m_code);
    felling->open();
    felling->locate(QStringLiteral("tkod"), shared::felling.lastCode);
}

void TForm8::pageSelected(int index)
{
    showSubRecordPage(m_tabs->widget(index));
}

void TForm8::Button59Click()
{
    QLineEdit *settlement = m_fields->edit(QStringLiteral("Edit1"));
    if (withoutTrailingBlanks(settlement->text()).isEmpty()) {
        seams::message(QStringLiteral("Nincs megadva a Helységnév!"));
        fieldform::reveal(settlement);
        return;
    }
    // Numbers that would not convert are refused before anything is written.
    if (!m_fields->validate())
        return;
    const bool isNew = newMode();
    if (isNew && m_code.isEmpty()) {
        seams::message(NoCodeMessage);
        return;
    }
    guarded::Write w(isNew ? QStringLiteral("Hiba84: Újban, INSERT  a reszletben ")
                           : QStringLiteral("Hiba85: Módositásban, UPDATE a részletben "),
                     QStringLiteral("Hiba86: az append vagy edit közben a részletben!"));
    if (!isNew)
        w.checkRow(m_loaded, [this] { takeOverStoredRow(); });
    // Nothing typed is lost: the window stays open with its lists reopened.
    w.refuseBy(*m_fields).afterRollback([this] { openStandAndFellingLists(); });
    if (!w.run([&] {
            TQuery *q = m_statement;
            if (isNew) {
                q->load({QStringLiteral("INSERT INTO reszlet"),
                         QStringLiteral("(") + m_fields->columnList().join(QStringLiteral(", ")) + QStringLiteral(")"),
                         QStringLiteral("VALUES"),
                         QStringLiteral("(") + m_fields->paramList().join(QStringLiteral(", ")) + QStringLiteral(")")});
            } else {
                q->load({QStringLiteral("UPDATE reszlet"), QStringLiteral("SET"),
                         m_fields->assignments().join(QStringLiteral(",\n")), QStringLiteral("WHERE IDr     = :p0")});
                q->setText(QStringLiteral("p0"), m_idr);
            }
            m_fields->bind(*q);
            q->execute();
        }))
        return;
    shared::lastCompartmentCode = m_code;
    m_saved = true;
    try {
        TQuery *list = dm().ZQ10;
        list->load({QStringLiteral("SELECT * FROM reszlet"), QStringLiteral("ORDER BY RKOD")});
        list->open();
        list->locate(QStringLiteral("rkod"), shared::lastCompartmentCode);
    } catch (const std::exception &e) {
        seams::message(QString::fromUtf8(e.what()));
    }
    accept();
}

void TForm8::Button60Click() { reject(); }

void TForm8::reject()
{
    if (!m_saved && newMode() && !m_code.isEmpty() && !dropUnsavedSubRecords())
        return;
    QDialog::reject();
}

// Rows entered under the predicted code of a compartment that is never saved
// would otherwise join the next new compartment, which gets the same code.
bool TForm8::dropUnsavedSubRecords()
{
    int count = 0;
    try {
        QStringList parts;
        for (const auto &t : SubTables)
            parts << QStringLiteral("(SELECT COUNT(*) FROM %1 WHERE %2 = :p1)").arg(QLatin1String(t[0]), QLatin1String(t[1]));
        TQuery *q = m_statement;
        q->load({QStringLiteral("SELECT ") + parts.join(QStringLiteral(" + ")) + QStringLiteral(" AS db"),
                 QStringLiteral("FROM RDB$DATABASE"),
                 QStringLiteral("WHERE NOT EXISTS (SELECT 1 FROM reszlet WHERE RKOD = :p1)")});
        q->setText(QStringLiteral("p1"), m_code);
        q->open();
        count = q->isEmpty() ? 0 : int(q->asInt(QStringLiteral("db")));
        q->close();
    } catch (const DbError &e) {
        // Without the server the window can still be left: rows it added stay
        // under a code no new compartment is given.
        if (e.isConnectionLost())
            return true;
        seams::message(e.text());
        return false;
    } catch (const std::exception &e) {
        seams::message(QString::fromUtf8(e.what()));
        return false;
    }
    if (count == 0)
        return true;
    if (!seams::question(QStringLiteral("Az új részlet nincs elmentve: a hozzá felvitt %1 sor törlődik. Kilép mentés nélkül?")
                             .arg(count)))
        return false;
    guarded::Write w(QStringLiteral("Hiba80: az el nem mentett részlet sorainak törlésekor"));
    w.afterRollback([this] { openStandAndFellingLists(); });
    return w.run([this] {
        for (const auto &t : SubTables) {
            m_statement->load({QStringLiteral("DELETE FROM %1").arg(QLatin1String(t[0])),
                               QStringLiteral("WHERE %1 = :p1").arg(QLatin1String(t[1]))});
            m_statement->setText(QStringLiteral("p1"), m_code);
            m_statement->execute();
        }
    });
}
