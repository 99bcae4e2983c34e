#include "shell/WindowFactory.h"
#include "shell/ReferenceYear.h"
#include "shell/UnitSelection.h"
#include "codes/CodeList.h"
#include "exchange/TableAdmin.h"
#include "exchange/SendByEmail.h"
#include "exchange/UserWindow.h"
#include "exchange/BackupWindow.h"
#include "exchange/RestoreWindow.h"
#include "queries/CustomQuery.h"
#include "queries/GrandTotals.h"
#include "register/ChangeHistory.h"
#include "register/CompartmentList.h"
#include "shell/AboutWindow.h"
#include "shell/RemoteHelp.h"
#include "shell/HelpWindow.h"

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
    if (item == QLatin1String("Visszaallitas1")) return new TFormRestore(parent);
    if (item == QLatin1String("Sug1")) return new TForm22(parent);
    if (item == QLatin1String("Nvjegy1")) return new TForm19(parent);
    if (item == QLatin1String("Tvsegitsg1")) return new TForm20(parent);
    if (item == QLatin1String("Felhasznalok1")) return new TFormUsers(parent);
    if (item == QLatin1String("Valtozasok1")) return new TFormValtozasok({}, parent);
    return nullptr;
}

rights::Action menuItemAction(const QString &item)
{
    if (item == QLatin1String("Tgyv1")) return rights::ReferenceYear;
    if (item == QLatin1String("Adatbzis1")) return rights::RawAdmin;
    if (item == QLatin1String("Felhasznalok1")) return rights::Users;
    return rights::Read;
}
