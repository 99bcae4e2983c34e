// The other-change editor (TForm14): one row of EGYEB.
#include "editors/OtherChangeEditor.h"

#include "datastore/DataModule.h"

using namespace editor;
using fieldform::Kind;

namespace {

EditorDef otherChangeDef()
{
    EditorDef s;
    s.caption = QStringLiteral("Egyéb változások");
    s.pageCaption = QStringLiteral("Egyéb");
    s.newMode = QStringLiteral("Új egyéb");
    s.state = &shared::otherChange;
    s.listSlot = &TData::ZQ70;
    s.workSlot = &TData::ZQ71;
    s.id = {"Edit4", "IDB"};
    s.code = {"Edit5", "BKOD"};
    s.compartment = {"Edit6", "BRKOD"};
    s.fields = {
        field("Edit1", "BLEIRAS", "Változás leírása:", Kind::Text),
        field("Edit2", "BHATSZAM", "Hat.szám:", Kind::Text),
        field("Edit3", "BDATUM", "Dátum:", Kind::Date),
        field("Memo1", "BMEGJ", {}, Kind::Memo),
    };
    s.predictLines = {"SELECT  * FROM EGYEB    ", "          ORDER BY BKOD "};
    s.insertLines = {"INSERT INTO egyeb ( BRKOD,  BXKOD, BLEIRAS, BHATSZAM, BDATUM, BMEGJ ) ",
                     "   VALUES         (   :p1,    :p2,     :p3,      :p4,    :p5,   :p6 ) "};
    s.insertParams = {{"p1", CompartmentDisplay}, {"p2", ConstantOne}, {"p3", "Edit1"},
                      {"p4", "Edit2"},           {"p5", "Edit3"},     {"p6", "Memo1"}};
    s.updateLines = {"UPDATE EGYEB       ", "  SET  BLEIRAS  = :p1, ", "       BHATSZAM = :p2, ",
                     "       BDATUM   = :p3, ", "       BMEGJ    = :p4  ", " WHERE IDb      = :p0  "};
    s.updateParams = {{"p0", IdDisplay}, {"p1", "Edit1"}, {"p2", "Edit2"}, {"p3", "Edit3"}, {"p4", "Memo1"}};
    s.requiredControl = "Edit2";
    s.requiredMessage = "Nincs megadva hat.szám!";
    s.dateControl = "Edit3";
    s.loadMessage = "Hiba141 az egyéb módosítás Edit-ben való megjelenitésekor!";
    s.insertMessage = "Hiba142: Újban, INSERT  a egyebben ";
    s.updateMessage = "Hiba143: Módositásban, UPDATE a egyebben ";
    s.outerMessage = "Hiba144: az append vagy edit közben a egyebben!";
    s.refresh = {{&TData::ZQ70,
                  {"SELECT * FROM EGYEB     ", "         WHERE BRKOD = :p1 ", "         ORDER BY BKOD   "},
                  true, "bkod", &shared::otherChange}};
    return s;
}

} // namespace

TForm14::TForm14(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form14"));
    m_core = new EditorCore(this, otherChangeDef());
    remarkLayout(*m_core, {"Edit1", "Edit2", "Edit3"}, "Memo1");
    m_core->finish({"Edit1", "Edit2", "Edit3", "Memo1", "Button2", "Button3"});
}
