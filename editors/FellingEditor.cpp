// The felling plan editor (TForm10): one row of TERMELES.
#include "editors/FellingEditor.h"

#include "datastore/DataModule.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace editor;
using fieldform::Kind;

namespace {

// The three urgency groups: their field names, top to bottom.
const QStringList groupFields[3] = {
    {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11"},
    {"Edit15", "Edit16", "Edit17", "Edit18", "Edit19", "Edit20"},
    {"Edit21", "Edit22", "Edit23", "Edit24", "Edit25", "Edit26"},
};

EditorDef fellingDef()
{
    EditorDef s;
    s.caption = QStringLiteral("Fakitermelési terv");
    s.pageCaption = QStringLiteral("Fakitermelési terv");
    s.newMode = QStringLiteral("Új termelés");
    s.state = &shared::felling;
    s.listSlot = &TData::ZQ30;
    s.workSlot = &TData::ZQ31;
    s.id = {"Edit12", "IDT"};
    s.code = {"Edit13", "TKOD"};
    s.compartment = {"Edit14", "TRKOD"};
    s.fields = {
        // TSSZAM is ten characters wide: a longer text could never be stored.
        field("Edit1", "TSSZAM", "Sorszám", Kind::Text, {}, 10),
        field("Edit2", "TJSZAM", "Jelzöszám", Kind::Pick, "JSZ"),
        field("Edit3", "TJELE", "Fafaj jele", Kind::Pick, "FAF"),
        field("Edit4", "TVAGKOR", "Kor", Kind::Digits),
        field("Edit5", "TVAGMUT", "Mutató", Kind::Text),
    };
    const QString areaCaption[3] = {"Érint.t.:", "Érint.t.:", "Érint.t:"};
    for (int g = 0; g < 3; ++g) {
        const QStringList &f = groupFields[g];
        const QString n = QString::number(g + 1);
        s.fields << field(f[0], "TSURG" + n, "Sürg. " + n, Kind::Pick, "SURG1")
                 << field(f[1], "TEHA" + n, areaCaption[g], Kind::Decimal, {}, -1, "ha")
                 << field(f[2], "THMOD" + n, "H. mód. " + n, Kind::Pick, "HMOD")
                 << field(f[3], "TERELY" + n, "Erély", Kind::Decimal, {}, -1, "%")
                 << field(f[4], "TM3EV" + n, {}, Kind::Decimal, {}, -1, "m3/ha")
                 << field(f[5], "TM3RESZL" + n, {}, Kind::Decimal, {}, -1, "m3/részl");
        s.numberNames << std::pair{f[1], "Érint.t. " + n} << std::pair{f[3], "Erély " + n}
                      << std::pair{f[4], "m3/ha " + n} << std::pair{f[5], "m3/részl " + n};
    }
    s.predictLines = {"SELECT  * FROM termeles    ", "          ORDER BY  TKOD "};
    s.insertLines = {
        "INSERT INTO termeles ( TRKOD, TSSZAM, TJSZAM, TJELE, TVAGKOR, TVAGMUT, TSURG1, TEHA1, THMOD1, TERELY1, "
        "TM3EV1, TM3RESZL1, TSURG2, TEHA2, THMOD2, TERELY2, TM3EV2, TM3RESZL2, TSURG3, TEHA3, THMOD3, TERELY3, "
        "TM3EV3, TM3RESZL3, TXKOD ) ",
        "   VALUES            (   :p1,    :p2,    :p3,   :p4,     :p5,     :p6,    :p7,   :p8,    :p9,    :p10,   "
        ":p11,      :p12,   :p13,  :p14,   :p15,    :p16,   :p17,      :p18,   :p19,  :p20,   :p21,    :p22,   "
        ":p23,      :p24,  :p25 ) "};
    // Fields in statement order: the head, then the groups.
    QStringList ordered = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"};
    for (const QStringList &g : groupFields)
        ordered << g;
    s.insertParams = {{"p1", CompartmentDisplay}};
    s.updateParams = {{"p0", IdDisplay}};
    for (int i = 0; i < ordered.size(); ++i) {
        s.insertParams.append({QStringLiteral("p%1").arg(i + 2), ordered[i]});
        s.updateParams.append({QStringLiteral("p%1").arg(i + 1), ordered[i]});
    }
    s.insertParams.append({"p25", ConstantOne});
    s.updateLines = {"UPDATE TERMELES        ", "  SET TSSZAM    = :p1, ", "      TJSZAM    = :p2, ",
                     "      TJELE     = :p3, ", "      TVAGKOR   = :p4, ", "      TVAGMUT   = :p5, ",
                     "      TSURG1    = :p6, ", "      TEHA1     = :p7, ", "      THMOD1    = :p8, ",
                     "      TERELY1   = :p9, ", "      TM3EV1    = :p10,  ", "      TM3RESZL1 = :p11,  ",
                     "      TSURG2    = :p12,  ", "      TEHA2     = :p13,  ", "      THMOD2    = :p14,  ",
                     "      TERELY2   = :p15,  ", "      TM3EV2    = :p16,  ", "      TM3RESZL2 = :p17,  ",
                     "      TSURG3    = :p18,  ", "      TEHA3     = :p19,  ", "      THMOD3    = :p20,  ",
                     "      TERELY3   = :p21,  ", "      TM3EV3    = :p22,  ", "      TM3RESZL3 = :p23   ",
                     " WHERE IDT       = :p0   "};
    s.requiredControl = "Edit3";
    s.requiredMessage = "Nincs megadva a fafaj jele!";
    s.lookupControl = "Edit3";
    s.loadMessage = "Hiba91 aZ kitermelés módosítás Edit-ben való megjelenitésekor!";
    s.insertMessage = "Hiba92: Újban, INSERT  a termelesben ";
    s.updateMessage = "Hiba93: Módositásban, UPDATE a termelesben ";
    s.outerMessage = "Hiba94: az append vagy edit közben a termelésben!";
    s.refresh = {{&TData::ZQ30, {"SELECT * FROM termeles     "}, false, "tkod", &shared::felling},
                 {&TData::ZQ20, {"SELECT * FROM allomany     "}, false, "akod", &shared::stand}};
    return s;
}

} // namespace

TForm10::TForm10(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    m_core = new EditorCore(this, fellingDef());
    fieldform::FieldForm &form = m_core->form();

    auto *page = new QVBoxLayout(m_core->firstPage());
    page->addWidget(m_core->keyBox());
    auto *head = new QGridLayout;
    QStringList order;
    for (int i = 1; i <= 5; ++i) {
        const QString name = QStringLiteral("Edit%1").arg(i);
        form.addToGrid(head, i - 1, 0, name);
        order << name;
    }
    head->setColumnStretch(3, 1);
    page->addLayout(head);

    auto *groups = new QGridLayout;
    groups->setHorizontalSpacing(6);
    for (int g = 0; g < 3; ++g) {
        for (int r = 0; r < 6; ++r) {
            const QString &name = groupFields[g][r];
            form.addToGrid(groups, r, g * 4, name);
            form.edit(name)->setMinimumWidth(110);
            order << name;
        }
        if (g < 2)
            groups->setColumnMinimumWidth(g * 4 + 3, 70);   // room for the widest unit
    }
    page->addSpacing(8);
    page->addLayout(groups);
    page->addWidget(m_core->buttonBox());
    order << "Button2" << "Button3";
    m_core->finish(order);
}
