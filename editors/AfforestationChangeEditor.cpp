// The afforestation-change editor (TForm15): one row of VALTOZAS.
#include "editors/AfforestationChangeEditor.h"

#include "datastore/DataModule.h"

using namespace editor;
using fieldform::Kind;

namespace {

EditorDef changeDef()
{
    EditorDef s;
    s.caption = QStringLiteral("Erdősítés változás");
    s.pageCaption = QStringLiteral("Változás");
    s.newMode = QStringLiteral("Új változás");
    s.state = &shared::afforestationChange;
    s.listSlot = &TData::ZQ80;
    s.workSlot = &TData::ZQ81;
    s.id = {"Edit1", "IDV"};
    s.code = {"Edit2", "VKOD"};
    s.compartment = {"Edit3", "VRKOD"};
    s.keysOnCodePage = true;
    s.enterMovesFocus = false;   // Enter in the remark is a line break
    s.fields = {field("Memo1", "VMEGJ", {}, Kind::Memo)};
    s.predictLines = {"SELECT  * FROM VALTOZAS    ", "          ORDER BY VKOD "};
    s.insertLines = {"INSERT INTO valtozas ( VRKOD,  VXKOD, VMEGJ ) ", "   VALUES            (   :p1,    :p2,   :p3 ) "};
    s.insertParams = {{"p1", CompartmentDisplay}, {"p2", ConstantOne}, {"p3", "Memo1"}};
    s.updateLines = {"UPDATE VALTOZAS       ", "  SET  VMEGJ  = :p1  ", " WHERE IDv      = :p0  "};
    s.updateParams = {{"p0", IdDisplay}, {"p1", "Memo1"}};
    s.loadMessage = "Hiba151 az valtozas módosítás Edit-ben való megjelenitésekor!";
    s.insertMessage = "Hiba152: Újban, INSERT  a valtozasban ";
    s.updateMessage = "Hiba153: Módositásban, UPDATE a valtozasban ";
    s.outerMessage = "Hiba154: az append vagy edit közben a valtozasban!";
    s.refresh = {{&TData::ZQ80,
                  {"SELECT * FROM VALTOZAS     ", "         WHERE VRKOD = :p1 ", "         ORDER BY VKOD   "},
                  true, "vkod", &shared::afforestationChange}};
    return s;
}

} // namespace

TForm15::TForm15(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form15"));
    m_core = new EditorCore(this, changeDef());
    remarkLayout(*m_core, {}, "Memo1");
    m_core->finish({"Memo1", "Button2", "Button3"});
}
