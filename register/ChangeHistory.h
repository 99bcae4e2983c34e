#pragma once
// "Változások": who changed what and when, as the database recorded it
// (table NAPLO, written by triggers): for one compartment, or for the whole
// register by date and person; printed and exported through the preview.
#include <QDate>
#include <QDialog>

class QComboBox;
class QLineEdit;
class SlotGrid;

class TFormValtozasok : public QDialog {
    Q_OBJECT
public:
    // compartment: the code of the compartment to show ("" for the whole register).
    explicit TFormValtozasok(const QString &compartment = {}, QWidget *parent = nullptr);

    void ButtonKeresClick();
    void ButtonNyomtatClick();

private:
    void fillUsers();

    QLineEdit *EditTol;
    QLineEdit *EditIg;
    QComboBox *ComboUser;
    QLineEdit *EditKod;
    SlotGrid *DBGridNaplo;
};
