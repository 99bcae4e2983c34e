// The change history window "Változások" (TFormValtozasok).
#include "register/ChangeHistory.h"
#include "common/Seams.h"
#include "datastore/Convert.h"
#include "datastore/DataModule.h"
#include "widgets/SlotGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Columns = QStringLiteral(
    "SELECT IDOPONT, FELHASZNALO, GEP, "
    "CASE TABLA WHEN 'RESZLET' THEN 'Erdőrészlet' WHEN 'ALLOMANY' THEN 'Állományleírás' "
    "WHEN 'TERMELES' THEN 'Fakitermelési terv' WHEN 'FAHASZNALAT' THEN 'Fahasználat' "
    "WHEN 'ERDOSITES' THEN 'Erdősítés' WHEN 'EGYEB' THEN 'Egyéb változások' "
    "WHEN 'VALTOZAS' THEN 'Erdősítés változás' WHEN 'MUNKAK' THEN 'Tárgyévi munkák' "
    "WHEN 'KODOK' THEN 'Kódtábla' ELSE TABLA END AS TABLA, KOD, RKOD, "
    "CASE MUVELET WHEN 'I' THEN 'felvétel' WHEN 'U' THEN 'módosítás' ELSE 'törlés' END AS MUVELET, "
    "OSZLOPOK, REGI, UJ FROM NAPLO");

// A date typed as "2026.12.11" (a trailing "." too); empty: no bound.
bool dateBound(QLineEdit *edit, const QString &caption, QDate *date)
{
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) return true;
    if (convert::parseDate(text, date) && date->isValid()) return true;
    seams::message(QStringLiteral("Hibás dátum („%1”): %2\nA dátumot így adja meg: 2026.12.31").arg(caption, text));
    edit->setFocus();
    return false;
}

} // namespace

TFormValtozasok::TFormValtozasok(const QString &compartment, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormValtozasok"));
    setWindowTitle(QStringLiteral("Változások"));
    EditTol = new QLineEdit(this);
    EditTol->setObjectName(QStringLiteral("EditTol"));
    EditIg = new QLineEdit(this);
    EditIg->setObjectName(QStringLiteral("EditIg"));
    ComboUser = new QComboBox(this);
    ComboUser->setObjectName(QStringLiteral("ComboUser"));
    EditKod = new QLineEdit(compartment, this);
    EditKod->setObjectName(QStringLiteral("EditKod"));
    EditKod->setMaxLength(TData::CodeWidth);

    auto *filters = new QGridLayout;
    const QList<QPair<QString, QWidget *>> fields{{QStringLiteral("&Tól (dátum):"), EditTol},
                                                  {QStringLiteral("&Ig (dátum):"), EditIg},
                                                  {QStringLiteral("&Felhasználó:"), ComboUser},
                                                  {QStringLiteral("&Részletkód:"), EditKod}};
    for (int i = 0; i < fields.size(); ++i) {
        auto *label = new QLabel(fields[i].first, this);
        label->setBuddy(fields[i].second);
        filters->addWidget(label, 0, 2 * i);
        filters->addWidget(fields[i].second, 0, 2 * i + 1);
    }

    DBGridNaplo = new SlotGrid(this);
    DBGridNaplo->setObjectName(QStringLiteral("DBGridNaplo"));

    auto *buttons = new QHBoxLayout;
    const QList<std::tuple<const char *, QString, void (TFormValtozasok::*)()>> defs{
        {"ButtonKeres", QStringLiteral("Keres"), &TFormValtozasok::ButtonKeresClick},
        {"ButtonNyomtat", QStringLiteral("Nyomtatás"), &TFormValtozasok::ButtonNyomtatClick}};
    for (const auto &[name, caption, slot] : defs) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto *close = new QPushButton(QStringLiteral("Bezár"), this);
    close->setObjectName(QStringLiteral("ButtonBezar"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);

    auto *lay = new QVBoxLayout(this);
    lay->addLayout(filters);
    lay->addWidget(DBGridNaplo, 1);
    lay->addLayout(buttons);
    resize(1100, 560);
    fillUsers();
    ButtonKeresClick();
}

void TFormValtozasok::fillUsers()
{
    ComboUser->addItem(QStringLiteral("(mindenki)"), QString());
    try {
        TQuery *q = dm().ZQ11;
        q->load({QStringLiteral("SELECT DISTINCT FELHASZNALO FROM NAPLO ORDER BY 1")});
        q->open();
        for (int r = 0; r < q->rowCount(); ++r) ComboUser->addItem(q->textAt(r, 0), q->textAt(r, 0));
        q->close();
    } catch (const DbError &e) {
        seams::message(e.text());
    }
}

void TFormValtozasok::ButtonKeresClick()
{
    QDate from, to;
    if (!dateBound(EditTol, QStringLiteral("Tól"), &from) || !dateBound(EditIg, QStringLiteral("Ig"), &to)) return;
    QStringList where;
    if (from.isValid()) where << QStringLiteral("IDOPONT >= :p1");
    if (to.isValid()) where << QStringLiteral("IDOPONT < :p2");
    const QString user = ComboUser->currentData().toString();
    if (!user.isEmpty()) where << QStringLiteral("FELHASZNALO = :p3");
    const QString code = EditKod->text().trimmed();
    if (!code.isEmpty()) where << QStringLiteral("RKOD = :p4");
    QStringList lines{Columns};
    if (!where.isEmpty()) lines << QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND "));
    lines << QStringLiteral("ORDER BY IDN DESC");
    try {
        TQuery *q = dm().ZQ11;
        q->load(lines);
        if (from.isValid()) q->setDate(QStringLiteral("p1"), from);
        if (to.isValid()) q->setDate(QStringLiteral("p2"), to.addDays(1));   // the whole last day
        if (!user.isEmpty()) q->setText(QStringLiteral("p3"), user);
        if (!code.isEmpty()) q->setText(QStringLiteral("p4"), code);
        q->open();
        DBGridNaplo->bind(q, {{QStringLiteral("IDOPONT"), QStringLiteral("Időpont")},
                              {QStringLiteral("FELHASZNALO"), QStringLiteral("Felhasználó")},
                              {QStringLiteral("GEP"), QStringLiteral("Munkaállomás")},
                              {QStringLiteral("TABLA"), QStringLiteral("Tábla")},
                              {QStringLiteral("KOD"), QStringLiteral("Kód")},
                              {QStringLiteral("RKOD"), QStringLiteral("Részlet")},
                              {QStringLiteral("MUVELET"), QStringLiteral("Művelet")},
                              {QStringLiteral("OSZLOPOK"), QStringLiteral("Mezők")},
                              {QStringLiteral("REGI"), QStringLiteral("Régi érték")},
                              {QStringLiteral("UJ"), QStringLiteral("Új érték")}});
    } catch (const DbError &e) {
        seams::message(e.text());
    }
}

void TFormValtozasok::ButtonNyomtatClick()
{
    dm().frVariables.insert(QStringLiteral("v_szuro"),
                            QStringLiteral("%1 – %2, %3%4")
                                .arg(EditTol->text().trimmed(), EditIg->text().trimmed(), ComboUser->currentText(),
                                     EditKod->text().trimmed().isEmpty() ? QString()
                                                                         : QStringLiteral(", részlet: ") + EditKod->text().trimmed()));
    try {
        dm().printReport(QStringLiteral("Valtozasok.frf"), true);
    } catch (const std::exception &e) {
        seams::message(QString::fromUtf8(e.what()));
    }
}
