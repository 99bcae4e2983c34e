// The login dialog "Bejelentkezés" (TLoginDialog) and the start-up login.
#include "shell/Login.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "datastore/FbStatus.h"
#include "datastore/Rights.h"
#include "datastore/Wire.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <ibase.h>

TLoginDialog::TLoginDialog(const QString &database, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormLogin"));
    setWindowTitle(QStringLiteral("Bejelentkezés"));
    auto *where = new QLabel(QStringLiteral("Nyilvántartás: %1").arg(database), this);
    where->setObjectName(QStringLiteral("LabelDatabase"));
    EditUser = new QLineEdit(this);
    EditUser->setObjectName(QStringLiteral("EditUser"));
    EditUser->setMaxLength(63);
    const QString given = qEnvironmentVariable("ISC_USER");
    EditUser->setText(given.isEmpty() ? fbapi::computerUser() : given);
    EditPassword = new QLineEdit(this);
    EditPassword->setObjectName(QStringLiteral("EditPassword"));
    EditPassword->setEchoMode(QLineEdit::Password);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Felhasználónév:"), EditUser);
    form->addRow(QStringLiteral("&Jelszó:"), EditPassword);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Mégsem"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(where);
    lay->addLayout(form);
    lay->addLayout(buttons);
    if (EditUser->text().isEmpty()) EditUser->setFocus();
    else EditPassword->setFocus();
}

QString TLoginDialog::user() const { return EditUser->text().trimmed(); }
QString TLoginDialog::password() const { return EditPassword->text(); }

namespace login {

namespace {

// The login may attach but holds none of the program's roles (nor other rights).
bool mayOpen(TData &data)
{
    if (data.grants().may(rights::Read)) return true;
    const QString user = data.grants().user;
    data.rollback();
    seams::message(rights::refusal(rights::Read)
                   + QStringLiteral("\nA(z) „%1” felhasználónak nincs szerepköre ebben a nyilvántartásban; "
                                    "az adminisztrátor adhat neki.").arg(user));
    return false;
}

} // namespace

bool askAndConnect(TData &data, const QString &database);

bool connect(TData &data)
{
    const QString database = TData::databaseName();
    // Embedded, or a login given to the program (scripts, tests): as before.
    try {
        if (!rights::isServerName(database) || fbapi::hasLogin() || qEnvironmentVariableIsSet("ISC_PASSWORD")) {
            data.connectDatabase();
            return mayOpen(data);
        }
        return askAndConnect(data, database);
    } catch (const wire::Refused &e) {
        seams::message(e.text());
        return false;
    }
}

bool askAndConnect(TData &data, const QString &database)
{
    for (;;) {
        TLoginDialog dialog(database);
        if (seams::runModal(&dialog) != QDialog::Accepted) return false;
        fbapi::setLogin(dialog.user(), dialog.password());
        try {
            data.connectDatabase();
        } catch (const DbError &e) {
            if (e.has(isc_login) || dialog.user().isEmpty()) {
                seams::message(QStringLiteral("Hibás felhasználónév vagy jelszó."));
                continue;
            }
            throw;
        }
        return mayOpen(data);
    }
}

} // namespace login
