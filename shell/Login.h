#pragma once
// "Bejelentkezés": the user name and password of a person's own login on a
// shared server, asked at start. The password stays in memory only.
#include <QDialog>

class QLineEdit;
class TData;

class TLoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit TLoginDialog(const QString &database, QWidget *parent = nullptr);
    QString user() const;
    QString password() const;

private:
    QLineEdit *EditUser;
    QLineEdit *EditPassword;
};

namespace login {

// Connects the data module: on a server with the person's own login (asked
// unless given in the environment), else as before. False when the user gave
// up or the login may not open the register (already said why); a failure of
// another kind is thrown.
bool connect(TData &data);

} // namespace login
