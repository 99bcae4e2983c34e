#include "shell/WindowFactory.h"
#include "shell/Unit24.h"
#include "shell/Unit5.h"

QDialog *createWindowFor(const QString &item, QWidget *parent)
{
    if (item == QLatin1String("Belepes")) return new TForm5(parent);
    if (item == QLatin1String("Tgyv1")) return new TForm24(parent);
    return nullptr;
}
