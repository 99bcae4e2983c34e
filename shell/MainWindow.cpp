// The main window and its menu (TForm1).
#include "shell/MainWindow.h"
#include "common/SafeSlot.h"
#include "common/Keyboard.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "exchange/RegisterUpgrade.h"
#include "shell/Login.h"
#include "shell/Splash.h"
#include "shell/VersionInfo.h"
#include "shell/WindowFactory.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenuBar>
#include <QGuiApplication>
#include <QScreen>

namespace {
TForm1 *g_main = nullptr;
const char *const kTopItems[] = {"Belepes", "Erdoreszlet", "Lekrdezs1", "kodok", "Segedlet", "Kilep"};

// A database file that is there but cannot be written (read-only, another
// user's) is named as such: it is not a missing database.
QString startupFailureText()
{
    QFile file(TData::databaseName());
    if (file.exists() && !file.open(QIODevice::ReadWrite))
        return QStringLiteral("Az adatbázisfájl nem írható (csak olvasható, vagy más felhasználóé):\n%1\n"
                              "A program működéséhez írási jog szükséges.")
            .arg(QDir::toNativeSeparators(file.fileName()));
    return QStringLiteral("Az adatbáziskezelöt nem találja.\nA program müködéséhez szükséges.");
}
}

TForm1 *mainWindow() { return g_main; }

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    g_main = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    keyboard::install();
    buildMenu();
    resize(560, 80);
    // Centred on the desktop, as a small window holding the menu.
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    startup();
}

TForm1::~TForm1()
{
    if (g_main == this) g_main = nullptr;
}

void TForm1::startup()
{
    // Splash first; the database opens when it has closed.
    {
        auto *splash = new TAboutBox(this);
        seams::runModal(splash);
        delete splash;
    }

    // The data module belongs to the application, so it outlives this window
    // and commits pending work when the run ends.
    TData *data = TData::instance();
    if (!data) data = new TData(qApp);
    try {
        if (!data->connected()
            && !registerupgrade::connectAtStartup(*data, this, [data] { return login::connect(*data); })) {
            m_aborted = true;
            return;
        }
        // No table's rows are read here: each is read when a window first shows it.
    } catch (const std::exception &) {
        if (seams::startupFailure(startupFailureText())) {
            m_aborted = true;
            return;
        }
    }

    // Decimal comma and "." between the parts of a date, everywhere.
    QLocale hu(QLocale::Hungarian, QLocale::Hungary);
    hu.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(hu);

    m_items.value(QStringLiteral("Felhasznalok1"))->setVisible(data->grants().may(rights::Users));

    m_version = ::versionText(programVersionInfo());
    setWindowTitle(versionCaption(m_version));
}

QAction *TForm1::addTop(const char *name, const QString &caption)
{
    QAction *a = menuBar()->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    m_items.insert(a->objectName(), a);
    const QString item = a->objectName();
    connect(a, &QAction::triggered, this, safeslot::wrap([this, item] { openWindow(item); }));
    return a;
}

QAction *TForm1::addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    m_items.insert(a->objectName(), a);
    const QString item = a->objectName();
    connect(a, &QAction::triggered, this, safeslot::wrap([this, item] { openWindow(item); }));
    return a;
}

void TForm1::buildMenu()
{
    addTop("Belepes", QStringLiteral("Belépés"));
    addTop("Erdoreszlet", QStringLiteral("Erdőrészlet"));

    QMenu *lek = menuBar()->addMenu(QStringLiteral("Lekérdezés"));
    lek->menuAction()->setObjectName(QStringLiteral("Lekrdezs1"));
    m_items.insert(QStringLiteral("Lekrdezs1"), lek->menuAction());
    addItem(lek, "sszesen1", QStringLiteral("Mindösszesen"));
    addItem(lek, "Egyedi1", QStringLiteral("Egyedi"));
    addItem(lek, "Valtozasok1", QStringLiteral("Változások"));

    addTop("kodok", QStringLiteral("Kódtábla"));

    QMenu *seg = menuBar()->addMenu(QStringLiteral("Segédlet"));
    seg->menuAction()->setObjectName(QStringLiteral("Segedlet"));
    m_items.insert(QStringLiteral("Segedlet"), seg->menuAction());
    addItem(seg, "Tgyv1", QStringLiteral("Tágyév"));
    addItem(seg, "Adatbzis1", QStringLiteral("Adatok"));
    // Persons and roles: only a server register has them.
    addItem(seg, "Felhasznalok1", QStringLiteral("Felhasználók"))->setVisible(false);
    QAction *sep = seg->addSeparator();
    sep->setObjectName(QStringLiteral("N1"));
    addItem(seg, "Sug1", QStringLiteral("Sugó"));
    addItem(seg, "Nvjegy1", QStringLiteral("Névjegy"));
    addItem(seg, "Tvsegitsg1", QStringLiteral("Távsegitség"));
    addItem(seg, "Adatokkldse1", QStringLiteral("Adatok küldése"));
    addItem(seg, "Adatokmentse1", QStringLiteral("Adatok mentése"));
    addItem(seg, "Visszaallitas1", QStringLiteral("Visszaállítás mentésből"));

    addTop("Kilep", QStringLiteral("Kilépés"));

    // Only "Belépés" and "Kilépés" until a forestry unit is chosen.
    for (const char *n : kTopItems) m_items.value(QString::fromLatin1(n))->setEnabled(false);
    m_items.value(QStringLiteral("Belepes"))->setEnabled(true);
    m_items.value(QStringLiteral("Kilep"))->setEnabled(true);
}

QAction *TForm1::menuItem(const QString &name) const { return m_items.value(name); }

void TForm1::enableMenu()
{
    for (const char *n : kTopItems) m_items.value(QString::fromLatin1(n))->setEnabled(true);
}

void TForm1::openWindow(const QString &item)
{
    if (item == QLatin1String("Kilep")) {
        close();
        return;
    }
    // What the login may not do is refused before the window opens.
    if (rights::refuse(menuItemAction(item))) return;
    // A new window for every call; destroyed when it closes.
    // Destroyed also when what it did escaped it.
    std::unique_ptr<QDialog> w(createWindowFor(item, this));
    if (!w) return;   // not available in this build
    seams::runModal(w.get());
}
