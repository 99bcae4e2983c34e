#pragma once
// The compartment data-entry window: the general data of one compartment on
// the page "Részlet" (and the boxes on "Fakitermelési terv" and "Megjegyzés"),
// one list page per sub-record kind.
#include "datastore/CodeReservation.h"
#include "datastore/RowCheck.h"
#include "widgets/FieldForm.h"
#include <QDialog>
#include <memory>

class QLineEdit;
class TQuery;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
    ~TForm8() override;

    // "Módosít" of the list: loads the list's current compartment (ZQ10).
    // False after "Hiba81...": the window must not be shown.
    bool loadCurrent();

    // "Új" of the list: the memo's first lines and the code of the new
    // compartment. False after the message: the window must not be shown.
    bool prepareNew();

    // True once "OK" has stored the compartment.
    bool saved() const { return m_saved; }
    bool newMode() const;
    QString currentCode() const { return m_code; }

    fieldform::FieldForm &fields() { return *m_fields; }
    QTabWidget *pages() const { return m_tabs; }
    // The list page of a sub-record kind, by tab order 0..6.
    QWidget *subRecordPage(int index) const { return m_subPages.value(index); }

    void Button59Click();   // "OK"
    void Button60Click();   // "Mégsem"

    // The memo's first lines for a new compartment.
    static QStringList newRemarkLines();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildGeneralPage(QWidget *page);
    QWidget *buildPlanBox();
    void onShow();
    bool predictCode();
    void openStandAndFellingLists();
    void pageSelected(int index);
    void setCode(const QString &code);
    bool dropUnsavedSubRecords();
    void showRow(const TQuery &row);
    void takeOverStoredRow();

    std::unique_ptr<fieldform::FieldForm> m_fields;
    QTabWidget *m_tabs = nullptr;
    QList<QWidget *> m_subPages;
    QLineEdit *m_idDisplay = nullptr;
    QLineEdit *m_codeDisplay = nullptr;
    QString m_idr;            // key of the update
    QString m_code;           // current compartment code
    TQuery *m_statement = nullptr;   // this window's own reads and writes
    bool m_saved = false;
    bool m_prepared = false;
    bool m_shownOnce = false;
    reservation::Hold m_reserved;   // the code of a new compartment
    rowcheck::Loaded m_loaded;      // the compartment as loaded for a change
    QHash<QString, QString> m_loadedTexts;
};
