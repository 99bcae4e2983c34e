#include "widgets/SaveGuard.h"
#include "common/Seams.h"
#include "datastore/Failure.h"
#include "widgets/FieldForm.h"

namespace saveguard {

bool readyToUpdate(TData &db, const rowcheck::Loaded &loaded, const QString &updateFailure,
                   const std::function<void()> &reload)
{
    if (!loaded.isSet())
        return true;
    rowcheck::Outcome outcome;
    try {
        outcome = rowcheck::lockIfUnchanged(db, loaded);
    } catch (const std::exception &e) {
        seams::message(failure::message(updateFailure, e));
        return false;
    }
    switch (outcome.state) {
    case rowcheck::State::Unchanged:
        return true;
    case rowcheck::State::Locked:
        seams::message(failure::message(updateFailure, *outcome.error));
        return false;
    case rowcheck::State::Deleted:
        seams::message(DeletedMeanwhile);
        return false;
    case rowcheck::State::Changed:
        if (seams::question(ChangedMeanwhile)) {
            try {
                reload();
            } catch (const std::exception &e) {
                seams::message(QString::fromUtf8(e.what()));
            }
        }
        return false;
    }
    return false;
}

QHash<QString, QString> texts(const fieldform::FieldForm &form)
{
    QHash<QString, QString> out;
    for (const fieldform::FieldDef &d : form.defs())
        out.insert(d.control, form.text(d.control));
    return out;
}

void keepTyped(fieldform::FieldForm &form, const QHash<QString, QString> &typed,
               const QHash<QString, QString> &loaded)
{
    for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
        if (it.value() != loaded.value(it.key()))
            form.setText(it.key(), it.value());
    }
}

} // namespace saveguard
