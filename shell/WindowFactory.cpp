#include "shell/WindowFactory.h"
#include "shell/Unit24.h"
#include "shell/Unit5.h"
#include "codes/Unit3.h"
#include "exchange/Unit17.h"
#include "exchange/Unit21.h"
#include "exchange/UnitBackup.h"
#include "queries/Unit23.h"
#include "queries/Unit25.h"
#include "register/Unit7.h"
#include "shell/Unit19.h"
#include "shell/Unit20.h"
#include "shell/Unit22.h"

QDialog *createWindowFor(const QString &item, QWidget *parent)
{
    if (item == QLatin1String("Belepes")) return new TForm5(parent);
    if (item == QLatin1String("Tgyv1")) return new TForm24(parent);
    if (item == QLatin1String("kodok")) return new TForm3(parent);
    if (item == QLatin1String("Erdoreszlet")) return new TForm7(parent);
    if (item == QLatin1String("sszesen1")) return new TForm25(parent);
    if (item == QLatin1String("Egyedi1")) return new TForm23(parent);
    if (item == QLatin1String("Adatbzis1")) return new TForm17(parent);
    if (item == QLatin1String("Adatokkldse1")) return new TForm21(parent);
    if (item == QLatin1String("Adatokmentse1")) return new TFormBackup(parent);
    if (item == QLatin1String("Sug1")) return new TForm22(parent);
    if (item == QLatin1String("Nvjegy1")) return new TForm19(parent);
    if (item == QLatin1String("Tvsegitsg1")) return new TForm20(parent);
    return nullptr;
}
