#pragma once
// What a window does before it updates a row that several workstations may
// edit: the row must still be as the window loaded it. Otherwise the user is
// told in plain words, nothing is written, everything typed stays in the
// window, and the values the other workstation saved can be taken over.
#include "datastore/RowCheck.h"
#include <QHash>
#include <QString>
#include <functional>

class TData;

namespace fieldform { class FieldForm; }

namespace saveguard {

inline const QString ChangedMeanwhile = QStringLiteral(
    "Ezeket az adatokat időközben egy másik felhasználó módosította és elmentette, ezért az Ön módosításai nem "
    "kerültek mentésre. A beírt adatok megmaradtak.\n"
    "Betölti a másik felhasználó által mentett adatokat? Az Ön által átírt mezők tartalma megmarad.");
inline const QString DeletedMeanwhile = QStringLiteral(
    "Ezeket az adatokat időközben egy másik felhasználó törölte, ezért az Ön módosításai nem menthetők. "
    "A beírt adatok megmaradtak.");

// True when the update may go on: the row is unchanged and held for it.
// Otherwise the reason has been shown (for a row held by another workstation:
// updateFailure and the reason on a second line), and when the user agreed,
// reload() has taken the stored row into the window.
bool readyToUpdate(TData &db, const rowcheck::Loaded &loaded, const QString &updateFailure,
                   const std::function<void()> &reload);

// Every field's text, by control name.
QHash<QString, QString> texts(const fieldform::FieldForm &form);

// After the form has been filled from the stored row: the fields the user had
// changed (typed differs from loaded) get back what was typed.
void keepTyped(fieldform::FieldForm &form, const QHash<QString, QString> &typed,
               const QHash<QString, QString> &loaded);

} // namespace saveguard
