#pragma once
// The caller's side of a code pick, written once for every coded field.
#include <QString>

class QLineEdit;

// Opens the code picker for a group; the field takes the chosen short name
// (KRNEV of dm().ZQ102's current row). Returns true when a row was chosen;
// a cancel (close box, Escape) keeps the field's text.
bool pickCode(const QString &group, QLineEdit *field);
