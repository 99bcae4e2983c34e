// The user administration window "Felhasználók" (TFormUsers).
#include "exchange/UserWindow.h"
#include "common/SafeSlot.h"
#include "common/Seams.h"
#include "datastore/FbSession.h"
#include "datastore/UserAdmin.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString roleCaption(const QString &role)
{
    for (const auto &r : useradmin::roles())
        if (r.first == role) return r.second;
    return QStringLiteral("(nincs)");
}
} // namespace

TFormUsers::TFormUsers(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormUsers"));
    setWindowTitle(QStringLiteral("Felhasználók"));
    GridUsers = new QTableWidget(0, 2, this);
    GridUsers->setObjectName(QStringLiteral("GridUsers"));
    GridUsers->setHorizontalHeaderLabels({QStringLiteral("Felhasználónév"), QStringLiteral("Szerepkör")});
    GridUsers->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridUsers->setSelectionMode(QAbstractItemView::SingleSelection);
    GridUsers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridUsers->horizontalHeader()->setStretchLastSection(true);
    EditUser = new QLineEdit(this);
    EditUser->setObjectName(QStringLiteral("EditUser"));
    EditUser->setMaxLength(31);
    EditPassword = new QLineEdit(this);
    EditPassword->setObjectName(QStringLiteral("EditPassword"));
    EditPassword->setEchoMode(QLineEdit::Password);
    ComboRole = new QComboBox(this);
    ComboRole->setObjectName(QStringLiteral("ComboRole"));
    for (const auto &r : useradmin::roles()) ComboRole->addItem(r.second, r.first);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Felhasználónév:"), EditUser);
    form->addRow(QStringLiteral("&Jelszó:"), EditPassword);
    form->addRow(QStringLiteral("&Szerepkör:"), ComboRole);

    auto *buttons = new QHBoxLayout;
    const QList<std::tuple<const char *, QString, void (TFormUsers::*)()>> defs{
        {"ButtonAdd", QStringLiteral("Felvétel"), &TFormUsers::ButtonAddClick},
        {"ButtonPassword", QStringLiteral("Új jelszó"), &TFormUsers::ButtonPasswordClick},
        {"ButtonRole", QStringLiteral("Szerepkör beállítása"), &TFormUsers::ButtonRoleClick}};
    for (const auto &[name, caption, slot] : defs) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, safeslot::wrap(this, slot));
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto *close = new QPushButton(QStringLiteral("Bezár"), this);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(GridUsers, 1);
    lay->addLayout(form);
    lay->addLayout(buttons);
    resize(520, 420);
    connect(GridUsers, &QTableWidget::itemSelectionChanged, this, safeslot::wrap(this, &TFormUsers::rowChosen));
    reload();
}

void TFormUsers::reload()
{
    QList<useradmin::Person> list;
    try {
        list = useradmin::persons();
    } catch (const DbError &e) {
        seams::message(e.text());
    }
    GridUsers->setRowCount(int(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        GridUsers->setItem(i, 0, new QTableWidgetItem(list[i].user));
        auto *role = new QTableWidgetItem(roleCaption(list[i].role));
        role->setData(Qt::UserRole, list[i].role);
        GridUsers->setItem(i, 1, role);
    }
}

void TFormUsers::rowChosen()
{
    const int row = GridUsers->currentRow();
    if (row < 0 || !GridUsers->item(row, 0)) return;
    EditUser->setText(GridUsers->item(row, 0)->text());
    const int role = ComboRole->findData(GridUsers->item(row, 1)->data(Qt::UserRole));
    if (role >= 0) ComboRole->setCurrentIndex(role);
}

bool TFormUsers::run(const std::function<void()> &change, const QString &done)
{
    try {
        change();
    } catch (const DbError &e) {
        // What was typed stays for another try.
        seams::message(e.text());
        return false;
    }
    EditPassword->clear();
    reload();
    seams::message(done);
    return true;
}

void TFormUsers::ButtonAddClick()
{
    const QString user = EditUser->text().trimmed(), password = EditPassword->text(),
                  role = ComboRole->currentData().toString();
    run([&] { useradmin::addPerson(user, password, role); },
        QStringLiteral("Felvéve: %1 (%2).").arg(user.toUpper(), roleCaption(role)));
}

void TFormUsers::ButtonPasswordClick()
{
    const QString user = EditUser->text().trimmed(), password = EditPassword->text();
    run([&] { useradmin::setPassword(user, password); },
        QStringLiteral("A(z) %1 felhasználó jelszava megváltozott.").arg(user.toUpper()));
}

void TFormUsers::ButtonRoleClick()
{
    const QString user = EditUser->text().trimmed(), role = ComboRole->currentData().toString();
    run([&] { useradmin::setRole(user, role); },
        QStringLiteral("A(z) %1 felhasználó szerepköre: %2.").arg(user.toUpper(), roleCaption(role)));
}
