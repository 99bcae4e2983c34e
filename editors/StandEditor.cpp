// The stand description editor (TForm9): one row of ALLOMANY.
#include "editors/StandEditor.h"

#include "datastore/DataModule.h"
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace editor;
using fieldform::Kind;

namespace {

EditorDef standDef()
{
    EditorDef s;
    s.caption = QStringLiteral("Állományleírás");
    s.pageCaption = QStringLiteral("Állományleírás");
    s.newMode = QStringLiteral("Új állomány");
    s.state = &shared::stand;
    s.listSlot = &TData::ZQ20;
    s.workSlot = &TData::ZQ21;
    s.id = {QStringLiteral("Edit22"), QStringLiteral("IDA")};
    s.code = {QStringLiteral("Edit20"), QStringLiteral("AKOD")};
    s.compartment = {QStringLiteral("Edit21"), QStringLiteral("ARKOD")};
    s.fields = {
        field("Edit1", "ASSZAM", "Sorszám:", Kind::Text, {}, 4),
        field("Edit2", "AJSZ", "Jelzöszám", Kind::Pick, "JSZ"),
        field("Edit3", "AFAF", "Fafaj jele", Kind::Pick, "FAF"),
        field("Edit4", "AER", "Eredet", Kind::Pick, "ER"),
        field("Edit5", "AEANY", "Elegyarány", Kind::Decimal, {}, -1, " %"),
        field("Edit6", "AELM", "Elegyedés módja", Kind::Pick, "ELM"),
        field("Edit7", "AKOREV", "Kor", Kind::Digits, {}, -1, "év"),
        field("Edit8", "AM", "Magasság", Kind::Decimal, {}, -1, "m"),
        field("Edit9", "ACM", "Átmérő", Kind::Decimal, {}, -1, "cm"),
        field("Edit10", "AOSZTALY", "Fatermelési osztály", Kind::DecimalText, {}, 10),
        field("Edit11", "AFM", "Törzs minösítés", Kind::Pick, "FM"),
        field("Edit12", "AZARODAS", "Záródás ", Kind::Decimal, {}, -1, "%"),
        field("Edit13", "ADBHA", "Törzs szám ", Kind::Decimal, {}, -1, "db/ha"),
        field("Edit14", "AM3HA", "Fakészlet", Kind::Decimal, {}, -1, "m3/ha"),
        field("Edit15", "AKESZLETM3", "Fakészlet ", Kind::Decimal, {}, -1, "m3"),
        field("Edit16", "ANOVENDEK", "Folyónövedék", Kind::Decimal, {}, -1, "m3/ha/év"),
        field("Edit17", "AJK", "Jellemzö károsító", Kind::Pick, "JK"),
        field("Edit18", "AKM", "Károsítás erélye", Kind::Pick, "KM"),
        field("Edit19", "AMOD", "Felvétel módja", Kind::Text),
    };
    s.numberNames = {{"Edit14", "Fakészlet (m3/ha)"}, {"Edit15", "Fakészlet (m3)"}};
    s.predictLines = {"SELECT  * FROM allomany    ", "          ORDER BY  AKOD "};
    s.insertLines = {
        "INSERT INTO allomany ( ARKOD, ASSZAM, AJSZ, AFAF, AER, AEANY, AELM, AKOREV, AM,   ACM, AOSZTALY,  AFM, "
        "AZARODAS, ADBHA, AM3HA, AKESZLETM3, ANOVENDEK,  AJK,  AKM, AMOD, AXKOD ) ",
        "   VALUES            (   :p1,    :p2,  :p3,  :p4, :p5,   :p6,  :p7,    :p8, :p9, :p10,     :p11, :p12,     "
        ":p13,  :p14,  :p15,       :p16,      :p17, :p18, :p19, :p20,  :p21 ) "};
    s.insertParams = {{"p1", CompartmentDisplay}};
    s.updateParams = {{"p0", IdDisplay}};
    for (int i = 1; i <= 19; ++i) {
        s.insertParams.append({QStringLiteral("p%1").arg(i + 1), QStringLiteral("Edit%1").arg(i)});
        s.updateParams.append({QStringLiteral("p%1").arg(i), QStringLiteral("Edit%1").arg(i)});
    }
    s.insertParams.append({"p21", ConstantOne});
    s.updateLines = {"UPDATE ALLOMANY         ", "  SET ASSZAM     = :p1, ", "      AJSZ       = :p2, ",
                     "      AFAF       = :p3, ", "      AER        = :p4, ", "      AEANY      = :p5, ",
                     "      AELM       = :p6, ", "      AKOREV     = :p7, ", "      AM         = :p8, ",
                     "      ACM        = :p9, ", "      AOSZTALY   = :p10,  ", "      AFM        = :p11,  ",
                     "      AZARODAS   = :p12,  ", "      ADBHA      = :p13,  ", "      AM3HA      = :p14,  ",
                     "      AKESZLETM3 = :p15,  ", "      ANOVENDEK  = :p16,  ", "      AJK        = :p17,  ",
                     "      AKM        = :p18,  ", "      AMOD       = :p19   ", " WHERE IDA       = :p0    "};
    s.requiredControl = "Edit3";
    s.requiredMessage = "Nincs megadva a fafaj jele!";
    s.loadMessage = "Hiba91 aZ ÁLLAPOT módosítás Edit-ben való megjelenitésekor!";
    s.insertMessage = "Hiba92: Újban, INSERT  a allomanyban ";
    s.updateMessage = "Hiba93: Módositásban, UPDATE a állományban ";
    s.outerMessage = "Hiba94: az append vagy edit közben a állományban!";
    s.refresh = {{&TData::ZQ20, {"SELECT * FROM allomany     "}, false, "akod", &shared::stand},
                 {&TData::ZQ30, {"SELECT * FROM termeles     "}, false, "tkod", &shared::felling}};
    return s;
}

} // namespace

TForm9::TForm9(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    m_core = new EditorCore(this, standDef());
    fieldform::FieldForm &form = m_core->form();

    auto *page = new QVBoxLayout(m_core->firstPage());
    page->addWidget(m_core->keyBox());
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(3, 24);
    QStringList order;
    for (int i = 1; i <= 19; ++i) {
        const QString name = QStringLiteral("Edit%1").arg(i);
        // Left column: identity and measures; right column: the rest.
        const bool left = i <= 10;
        form.addToGrid(grid, left ? i - 1 : i - 11, left ? 0 : 4, name);
        form.edit(name)->setMinimumWidth(left ? 140 : 160);
        order << name;
    }
    page->addLayout(grid);
    page->addWidget(m_core->buttonBox());
    order << "Button2" << "Button3";
    m_core->finish(order);
}
