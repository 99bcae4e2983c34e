#pragma once
// What the code list and the code picker share: the grid's columns, the
// "Adatok" box over the current row, the group list statement, and the
// general error handler for the reads they do not guard themselves.
#include "widgets/SlotGrid.h"
#include <QGroupBox>
#include <QString>
#include <functional>

class TQuery;

namespace codeview {

// The nine columns of both code grids, in their order.
QList<GridColumn> gridColumns();
inline const QString kGridHint = QStringLiteral("Sorrend: klikk az \"kód\" , \"Megnevezés\" vagy \"ID\" oszlop fejlécre");
inline const QString kEmptyCode = QStringLiteral("11001");

// Box "Adatok": the current row's values of slot, kept up to date.
QGroupBox *dataBox(QWidget *parent, TQuery *slot);

// Closes ZQ102 and opens the picker's group list for group, in KSOR order.
void openGroupList(const QString &group);
// Closes ZQ102 and opens the empty code's row.
void openEmptyCode();

// Runs a step; a database or other failure shows its text and returns false
// (the window stays as it was).
bool guarded(const std::function<void()> &step);

} // namespace codeview
