// The afforestation editor (TForm13): one row of ERDOSITES.
#include "editors/AfforestationEditor.h"

#include "datastore/DataModule.h"

using namespace editor;
using fieldform::Kind;

namespace {

EditorDef afforestationDef()
{
    EditorDef s;
    s.caption = QStringLiteral("Erdösítés");
    s.pageCaption = QStringLiteral("Erdösítés");
    s.newMode = QStringLiteral("Új erdösités");
    s.state = &shared::afforestation;
    s.listSlot = &TData::ZQ60;
    s.workSlot = &TData::ZQ61;
    s.id = {"Edit5", "IDE"};
    s.code = {"Edit6", "EKOD"};
    s.compartment = {"Edit7", "ERKOD"};
    s.fields = {
        field("Edit1", "EJEL", "Jellege", Kind::Pick, "JELL"),
        field("Edit2", "EMOD", "Módja", Kind::Pick, "EMOD"),
        field("Edit3", "ECEL", "Célállomány", Kind::Pick, "TCAL"),
        field("Edit4", "EHATSZAM", "Hat.szám:", Kind::Text),
        field("Edit9", "EDATUM", "Dátum:", Kind::Date),
        field("Memo1", "EMEGJ", {}, Kind::Memo),
    };
    s.predictLines = {"SELECT  * FROM ERDOSITES    ", "          ORDER BY  EKOD "};
    s.insertLines = {"INSERT INTO erdosites ( ERKOD,  EXKOD, EJEL, EMOD, ECEL, EHATSZAM, EDATUM, EMEGJ ) ",
                     "   VALUES             (   :p1,   :p2,  :p3,  :p4,  :p5,      :p6,    :p7,    :p8 ) "};
    s.insertParams = {{"p1", CompartmentDisplay}, {"p2", ConstantOne}, {"p3", "Edit1"}, {"p4", "Edit2"},
                      {"p5", "Edit3"}, {"p6", "Edit4"}, {"p7", "Edit9"}, {"p8", "Memo1"}};
    s.updateLines = {"UPDATE ERDOSITES       ", "  SET  EMOD     = :p1, ", "       EJEL     = :p2, ",
                     "       ECEL     = :p3, ", "       EHATSZAM = :p4, ", "       EDATUM   = :p5, ",
                     "       EMEGJ    = :p6  ", " WHERE IDe      = :p0  "};
    s.updateParams = {{"p0", IdDisplay}, {"p1", "Edit2"}, {"p2", "Edit1"}, {"p3", "Edit3"}, {"p4", "Edit4"},
                      {"p5", "Edit9"}, {"p6", "Memo1"}};
    s.requiredControl = "Edit2";
    s.requiredMessage = "Nincs megadva módja!";
    s.dateControl = "Edit9";
    s.loadMessage = "Hiba131 az erdösités módosítás Edit-ben való megjelenitésekor!";
    s.insertMessage = "Hiba132: Újban, INSERT  a erdositesben ";
    s.updateMessage = "Hiba133: Módositásban, UPDATE a erdositesban ";
    s.outerMessage = "Hiba134: az append vagy edit közben a erdositesban!";
    s.refresh = {{&TData::ZQ60,
                  {"SELECT * FROM ERDOSITES     ", "         WHERE ERKOD = :p1 ", "         ORDER BY EKOD   "},
                  true, "ekod", &shared::afforestation}};
    return s;
}

} // namespace

TForm13::TForm13(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form13"));
    m_core = new EditorCore(this, afforestationDef());
    remarkLayout(*m_core, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit9"}, "Memo1");
    m_core->finish({"Memo1", "Edit1", "Edit2", "Edit3", "Edit4", "Button2", "Button3", "Edit9"});
}
