// The tree-use editor (TForm12): one row of FAHASZNALAT.
#include "editors/TreeUseEditor.h"

#include "datastore/DataModule.h"

using namespace editor;
using fieldform::Kind;

namespace {

EditorDef treeUseDef()
{
    EditorDef s;
    s.caption = QStringLiteral("Fahasználat");
    s.pageCaption = QStringLiteral("Fahasználat");
    s.newMode = QStringLiteral("Új fahasználat");
    s.state = &shared::treeUse;
    s.listSlot = &TData::ZQ50;
    s.workSlot = &TData::ZQ51;
    s.id = {"Edit5", "IDF"};
    s.code = {"Edit6", "FKOD"};
    s.compartment = {"Edit7", "FRKOD"};
    s.fields = {
        field("Edit1", "FMOD", "Módja", Kind::Pick, "HMOD"),
        field("Edit2", "FERTER", "Ér.ter.", Kind::Text),
        field("Edit3", "FHATSZAM", "Hat.szám", Kind::Text),
        field("Edit4", "FDATUM", "Dátum", Kind::Date),
        field("Memo1", "FMEGJ", {}, Kind::Memo),
    };
    s.predictLines = {"SELECT  * FROM FAHASZNALAT    ", "          ORDER BY  FKOD "};
    s.insertLines = {"INSERT INTO FAHASZNALAT ( FRKOD, FXKOD, FMOD, FERTER, FHATSZAM, FDATUM, FMEGJ ) ",
                     "   VALUES               (   :p1,   :p2,  :p3,    :p4,      :p5,    :p6,   :p7 ) "};
    s.insertParams = {{"p1", CompartmentDisplay}, {"p2", ConstantOne}, {"p3", "Edit1"}, {"p4", "Edit2"},
                      {"p5", "Edit3"}, {"p6", "Edit4"}, {"p7", "Memo1"}};
    s.updateLines = {"UPDATE FAHASZNALAT     ", "  SET  FMOD     = :p1, ", "       FERTER   = :p2, ",
                     "       FHATSZAM = :p3, ", "       FDATUM   = :p4, ", "       FMEGJ    = :p5  ",
                     " WHERE IDF      = :p0  "};
    s.updateParams = {{"p0", IdDisplay}, {"p1", "Edit1"}, {"p2", "Edit2"}, {"p3", "Edit3"}, {"p4", "Edit4"},
                      {"p5", "Memo1"}};
    s.requiredControl = "Edit1";
    s.requiredMessage = "Nincs megadva módja!";
    s.dateControl = "Edit4";
    s.loadMessage = "Hiba121 aZ FAHASZNÁLAT módosítás Edit-ben való megjelenitésekor!";
    s.insertMessage = "Hiba122: Újban, INSERT  a fahasználatban ";
    s.updateMessage = "Hiba123: Módositásban, UPDATE a fahasználatban ";
    s.outerMessage = "Hiba124: az append vagy edit közben a fahasználatban!";
    s.refresh = {{&TData::ZQ50,
                  {"SELECT * FROM FAHASZNALAT     ", "         WHERE FRKOD = :p1 ", "         ORDER BY FKOD   "},
                  true, "fkod", &shared::treeUse}};
    return s;
}

} // namespace

TForm12::TForm12(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form12"));
    m_core = new EditorCore(this, treeUseDef());
    remarkLayout(*m_core, {"Edit1", "Edit2", "Edit3", "Edit4"}, "Memo1");
    m_core->finish({"Edit1", "Edit2", "Edit3", "Edit4", "Button2", "Button3", "Memo1"});
}
