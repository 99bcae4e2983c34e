#pragma once
// Process-wide values that windows hand to each other: the caller sets them
// before it opens a modal window and reads them after it has closed.
#include <QString>

namespace shared {

// A sub-record editor's mode ("Új ..." or the kind's change text) and the
// code of the row it saved last.
struct EditorState {
    QString mode;
    QString lastCode;
};

inline QString compartmentEntryMode;    // "Új részlet" or "Részlet módositás"
inline QString lastCompartmentCode;     // RKOD saved last
inline QString currentCompartmentCode;  // RKOD open in the data-entry window

inline EditorState stand;               // ALLOMANY
inline EditorState felling;             // TERMELES
inline EditorState treeUse;             // FAHASZNALAT
inline EditorState afforestation;       // ERDOSITES
inline EditorState otherChange;         // EGYEB
inline EditorState afforestationChange; // VALTOZAS
inline EditorState works;               // MUNKAK

inline QString pickerGroup;             // code group the picker lists
inline QString pickerValue;             // short name the calling field holds
inline QString rememberedCode;          // KKOD the code list positions on
inline QString codeEditorMode;          // "Új kód" or "Kód módositás"

inline QString rangeMode;               // grouping column "1".."5" of the totals
inline QString pickValue1;              // first column of the chosen range row
inline QString pickValue2;              // second column of the chosen range row

// Clears everything; tests start each case from a fresh run.
inline void resetAll()
{
    compartmentEntryMode.clear(); lastCompartmentCode.clear(); currentCompartmentCode.clear();
    for (EditorState *e : {&stand, &felling, &treeUse, &afforestation, &otherChange, &afforestationChange, &works})
        *e = EditorState{};
    pickerGroup.clear(); pickerValue.clear(); rememberedCode.clear(); codeEditorMode.clear();
    rangeMode.clear(); pickValue1.clear(); pickValue2.clear();
}

} // namespace shared
