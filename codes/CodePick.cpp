#include "codes/CodePick.h"
#include "codes/CodePicker.h"
#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include <QDialog>
#include <QLineEdit>

bool pickCode(const QString &group, QLineEdit *field)
{
    shared::pickerGroup = group;
    shared::pickerValue = field ? field->text() : QString();
    auto *picker = new TForm11(field ? field->window() : nullptr);
    const int result = seams::runModal(picker);
    delete picker;
    if (result != QDialog::Accepted)
        return false;
    // Read the result before anything else uses ZQ102 (the code lookup shares it).
    TQuery *list = dm().ZQ102;
    const QString chosen = (list->isOpen() && list->currentRow() >= 0) ? list->asString("KRNEV") : QString();
    if (field)
        field->setText(chosen);
    return true;
}
