#include "exchange/RegisterUpgrade.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "datastore/Failure.h"
#include "datastore/FbStatus.h"
#include "datastore/SchemaUpgrade.h"
#include "exchange/DbBackup.h"
#include "exchange/RestoreWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMap>
#include <QStatusBar>
#include <ibase.h>

namespace registerupgrade {
namespace {

// What a missing or older object means to the user: the two things the
// program relies on by name, and the rest counted by kind.
struct Lacks {
    bool referenceYear = false;   // the trigger that gives a new compartment the reference year
    bool codes = false;           // the code reservation between workstations
    QMap<schema::Kind, int> byKind;
    int others = 0;
    QStringList superseded;       // older triggers of the register that give the same codes
};

Lacks lacksOf(const schema::Plan &plan)
{
    Lacks l;
    for (const schema::Step *s : plan.changes()) {
        if (s->why == schema::Step::Superseded) {
            l.superseded << s->object.name;
            l.codes = true;
            continue;
        }
        const QString t = sqlscript::withoutComments(s->object.text).toUpper();
        const bool year = s->object.kind == schema::Kind::Trigger && t.contains(QLatin1String("RTEV"));
        const bool codes = t.contains(QLatin1String("KOD_FOGLALAS")) || t.contains(QLatin1String("KODFOGLALAS"))
                           || t.contains(QLatin1String("ZELKOR_KOD_"));
        l.referenceYear = l.referenceYear || year;
        l.codes = l.codes || codes;
        if (!year && !codes) ++l.others;
        ++l.byKind[s->object.kind];
    }
    return l;
}

const QString kYearLong = QStringLiteral("az új erdőrészletek nem kapják meg a beállított tárgyévet, így kimaradnak "
                                         "a „Tárgyévi fakészlet”-ből");
const QString kCodesLong = QStringLiteral("a munkaállomások nem foglalják le az új sorok kódját, így egy közös "
                                          "szerveren két felhasználó ugyanazt a kódot kaphatja");

QString fileName(const QString &database) { return QDir::toNativeSeparators(database); }

bool isServer(const QString &database)
{
    const qsizetype colon = database.indexOf(u':');
    return colon > 1 && !database.startsWith(u'/');
}

void showStatus(QWidget *mainWindow, const QString &text)
{
    if (auto *w = qobject_cast<QMainWindow *>(mainWindow)) w->statusBar()->showMessage(text);
}

// The plan for the register, asked on a connection of its own.
schema::Plan planFor(const QString &database)
{
    FbSession s;
    s.attach(database, fbapi::userName(), fbapi::password());
    schema::Plan plan = schema::check(s);
    s.detach();
    return plan;
}

QString upgradeFailureText(const DbError &e, const QString &backup)
{
    QString why = failure::reason(e);
    if (e.has(isc_obj_in_use) || e.isLockConflict())
        why += QStringLiteral("\nValószínűleg egy másik munkaállomás is használja a nyilvántartást: zárja be ott a "
                              "Zelkort, és indítsa újra a programot.");
    return QStringLiteral("A nyilvántartás bővítése nem sikerült; a nyilvántartás változatlan maradt.\n%1\n"
                          "A bővítés előtti mentés: %2").arg(why, fileName(backup));
}

} // namespace

QString olderEngineText(const QString &database)
{
    return QStringLiteral("A(z) %1 nyilvántartást az adatbáziskezelő (Firebird) egy régebbi változata készítette, "
                          "ezért a Zelkor így nem tudja megnyitni.\n"
                          "Áthozatala: a régi gépen készítsen róla mentést a régi program eszközeivel (például: "
                          "gbak -b ZELKOR.FDB ZELKOR.FBK), majd állítsa vissza itt a „Segédlet” / "
                          "„Visszaállítás mentésből” menüponttal.")
        .arg(fileName(database));
}

bool isOlderEngine(const std::exception &e)
{
    const auto *db = dynamic_cast<const DbError *>(&e);
    return db && db->has(isc_wrong_ods);
}

QString questionText(const QString &database, const schema::Plan &plan, const QString &backup)
{
    const Lacks l = lacksOf(plan);
    QString text = QStringLiteral("A(z) %1 nyilvántartásból hiányzik néhány rész, amelyre ennek a Zelkornak "
                                  "szüksége van.").arg(fileName(database));
    if (l.referenceYear || l.codes) {
        text += QStringLiteral(" Enélkül:");
        if (l.referenceYear) text += QStringLiteral("\n– ") + kYearLong + u';';
        if (l.codes) text += QStringLiteral("\n– ") + kCodesLong + u'.';
        if (text.endsWith(u';')) text.back() = u'.';
    }
    QStringList counts;
    for (auto it = l.byKind.cbegin(); it != l.byKind.cend(); ++it)
        counts << QStringLiteral("%1 %2").arg(it.value()).arg(schema::kindName(it.key()));
    text += QStringLiteral("\nA bővítés hozzáadja a hiányzó részeket (%1).").arg(counts.join(QStringLiteral(", ")));
    if (!l.superseded.isEmpty())
        text += QStringLiteral(" Kikapcsolja a nyilvántartás régi, sorszámot és kódot adó triggereit (%1): "
                               "ezt a munkát az újak veszik át.").arg(l.superseded.join(QStringLiteral(", ")));
    text += QStringLiteral(" A tárolt adatok – sorok, kódok, szövegek – nem változnak.\nElőtte biztonsági mentés "
                           "készül a fájl mellé:\n%1\nElvégezzem most a bővítést?").arg(fileName(backup));
    return text;
}

QString lackingText(const schema::Plan &plan)
{
    const Lacks l = lacksOf(plan);
    QStringList parts;
    if (l.referenceYear) parts << QStringLiteral("az új erdőrészletek nem kapnak tárgyévet");
    if (l.codes) parts << QStringLiteral("a munkaállomások között nincs kódvédelem");
    if (l.others) parts << QStringLiteral("hiányzik még %1 adatbázis-elem").arg(l.others);
    return QStringLiteral("A nyilvántartás nincs bővítve: %1.").arg(parts.join(QStringLiteral("; ")));
}

QString backupBeside(const QString &database, const QDateTime &when)
{
    const QString path = isServer(database) ? database.mid(database.indexOf(u':') + 1) : database;
    const QFileInfo f(path);
    const QString dir = path.left(path.size() - f.fileName().size());
    return dir + f.completeBaseName() + QStringLiteral("-bovites-elott-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"))
           + QStringLiteral(".fbk");
}

bool connectAtStartup(TData &data, QWidget *mainWindow, const std::function<bool()> &connect)
{
    try {
        if (!connect()) return false;
    } catch (const DbError &e) {
        if (!isOlderEngine(e)) throw;
        const QString database = TData::databaseName();
        if (!seams::question(olderEngineText(database) + QStringLiteral("\nMegnyitja most a visszaállítás ablakát?")))
            return false;
        TFormRestore restore(mainWindow);
        restore.setTarget(database);
        if (seams::runModal(&restore) != QDialog::Accepted) return false;
        if (!connect()) return false;
    }
    check(data, mainWindow);
    return true;
}

void check(TData &data, QWidget *mainWindow)
{
    const QString database = TData::databaseName();
    schema::Plan plan;
    try {
        plan = planFor(database);
    } catch (const DbError &e) {
        // The program works as it did; only the check is missed.
        showStatus(mainWindow, QStringLiteral("A nyilvántartás szerkezete nem ellenőrizhető: %1").arg(e.text()));
        return;
    }
    if (plan.newer()) {
        showStatus(mainWindow, QStringLiteral("A nyilvántartást a Zelkor egy újabb változata készítette."));
        return;
    }
    if (plan.complete()) return;
    const QString lacking = lackingText(plan);

    if (!plan.mayChangeSchema) {
        seams::message(QStringLiteral("A(z) %1 nyilvántartásból hiányzik néhány rész, amelyre a Zelkornak szüksége "
                                      "van. A bővítéséhez a szerveren az adatbázis szerkezetének módosítási joga "
                                      "kell, ez a(z) %2 felhasználónak nincs meg. Kérje meg a rendszergazdát, hogy az "
                                      "adatbázis tulajdonosaként vagy SYSDBA felhasználóként indítsa el egyszer a "
                                      "Zelkort, és fogadja el a bővítést. Addig a program a mostani módon működik.")
                           .arg(fileName(database), plan.user));
        showStatus(mainWindow, lacking);
        return;
    }
    if (!plan.duplicates.isEmpty()) {
        seams::message(QStringLiteral("A(z) %1 nyilvántartás nem bővíthető, mert ezek a kódok több sorban is "
                                      "szerepelnek:\n%2\nJavítsa ki őket (például a „Segédlet” / „Adatok” "
                                      "ablakban), majd indítsa újra a programot. Addig a program a mostani módon "
                                      "működik.")
                           .arg(fileName(database), plan.duplicates.join(u'\n')));
        showStatus(mainWindow, lacking);
        return;
    }
    const QString backup = backupBeside(database, QDateTime::currentDateTime());
    if (!seams::question(questionText(database, plan, backup))) {
        showStatus(mainWindow, lacking);
        return;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString failed;
    try {
        dbbackup::backup(database, backup);
    } catch (const DbError &e) {
        failed = QStringLiteral("A biztonsági mentés nem készült el, ezért a nyilvántartás nem bővült.\n%1").arg(e.text());
    }
    if (failed.isEmpty()) {
        try {
            // The data module's transaction ends first: the new objects are
            // there for the statements it runs next.
            if (data.inTransaction()) data.commit();
            schema::upgrade(database, plan);
        } catch (const DbError &e) {
            failed = upgradeFailureText(e, backup);
        }
    }
    QApplication::restoreOverrideCursor();
    if (!failed.isEmpty()) {
        seams::message(failed);
        showStatus(mainWindow, lacking);
        return;
    }
    seams::message(QStringLiteral("A nyilvántartás bővítése elkészült.\nA bővítés előtti mentés: %1").arg(fileName(backup)));
    showStatus(mainWindow, QString());
}

} // namespace registerupgrade
