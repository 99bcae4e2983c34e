#pragma once
// "Felhasználók": the administrator adds a person, sets a password or a role
// on a shared server.
#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QTableWidget;

class TFormUsers : public QDialog {
    Q_OBJECT
public:
    explicit TFormUsers(QWidget *parent = nullptr);

    void ButtonAddClick();
    void ButtonPasswordClick();
    void ButtonRoleClick();

private:
    void reload();
    void rowChosen();
    bool run(const std::function<void()> &change, const QString &done);

    QTableWidget *GridUsers;
    QLineEdit *EditUser;
    QLineEdit *EditPassword;
    QComboBox *ComboRole;
};
