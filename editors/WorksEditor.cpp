// The works editor (TForm16): one row of MUNKAK.
#include "editors/WorksEditor.h"

#include "datastore/DataModule.h"

using namespace editor;
using fieldform::Kind;

namespace {

EditorDef worksDef()
{
    EditorDef s;
    s.caption = QStringLiteral("Tárgyévi munkák");
    s.pageCaption = QStringLiteral("Munkák");
    s.newMode = QStringLiteral("Új munkák");
    s.state = &shared::works;
    s.listSlot = &TData::ZQ90;
    s.workSlot = &TData::ZQ91;
    s.id = {"Edit1", "IDM"};
    s.code = {"Edit2", "MKOD"};
    s.compartment = {"Edit3", "MRKOD"};
    s.keysOnCodePage = true;
    s.enterMovesFocus = false;   // Enter in the remark is a line break
    s.fields = {field("Memo1", "MMEGJ", {}, Kind::Memo)};
    s.predictLines = {"SELECT  * FROM MUNKAK    ", "          ORDER BY MKOD "};
    s.insertLines = {"INSERT INTO MUNKAK ( MRKOD,  MXKOD, MMEGJ ) ", "   VALUES            (   :p1,    :p2,   :p3 ) "};
    s.insertParams = {{"p1", CompartmentDisplay}, {"p2", ConstantOne}, {"p3", "Memo1"}};
    s.updateLines = {"UPDATE MUNKAK       ", "  SET  MMEGJ  = :p1  ", " WHERE IDm      = :p0  "};
    s.updateParams = {{"p0", IdDisplay}, {"p1", "Memo1"}};
    s.loadMessage = "Hiba161 az munkak módosítás Edit-ben való megjelenitésekor!";
    s.insertMessage = "Hiba162: Újban, INSERT  a munkakban ";
    s.updateMessage = "Hiba153: Módositásban, UPDATE a munkakban ";
    s.outerMessage = "Hiba164: az append vagy edit közben a munkakban!";
    s.refresh = {{&TData::ZQ90,
                  {"SELECT * FROM MUNKAK     ", "         WHERE mRKOD = :p1 ", "         ORDER BY MKOD   "},
                  true, "mkod", &shared::works}};
    return s;
}

} // namespace

TForm16::TForm16(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form16"));
    m_core = new EditorCore(this, worksDef());
    remarkLayout(*m_core, {}, "Memo1");
    m_core->finish({"Memo1", "Button2", "Button3"});
}
