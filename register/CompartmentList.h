#pragma once
// The compartment list: every compartment in ZQ10, search by settlement,
// orders by title click, new/change through the data-entry window, delete
// with all sub-records, and the compartment sheet.
#include <QDialog>
#include <QStringList>

class TQuery;

class QLabel;
class QLineEdit;
class SlotGrid;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    QString orderCaption() const;

    void Button1Click();   // "Kiválaszt"
    void Button2Click();   // "Új"
    void Button3Click();   // "Módosít"
    void Button4Click();   // "Töröl"
    void Button5Click();   // "Mégsem"
    void Button6Click();   // "Nyomtatás"
    void Button7Click();   // "Keres"
    void ButtonValtozasokClick();   // "Változások" of the current compartment
    void DBGrid1TitleClick(int column);
    void Edit1Change();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Reloads ZQ10 with the statement, positions it and sets the order caption.
    void reload(const QStringList &lines, const QString &column, const QString &value, const QString &caption);
    void search();
    void runEntryWindow(bool isNew);
    bool deleteCascade(const QString &code, const QString &idr);
    void showData();

    QLineEdit *m_search;
    QLabel *m_orderCaption;
    SlotGrid *m_grid;
    QList<QLineEdit *> m_data;
    QStringList m_lines;   // statement of the list as it stands
    TQuery *m_statement = nullptr;   // this window's own counting and deleting
    bool m_shownOnce = false;
};
