#pragma once
// One list page of the data-entry window per sub-record kind: the rows of the
// current compartment, "Új" and "Módosít" opening the kind's editor, "Töröl".
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;
class NavigatorBar;
class SlotGrid;

enum class SubRecordKind { Stand, Felling, TreeUse, Afforestation, OtherChange, AfforestationChange, Works };

struct SubRecordKindDef;

class SubRecordPage : public QWidget {
    Q_OBJECT
public:
    SubRecordPage(SubRecordKind kind, QWidget *parent = nullptr);

    SubRecordKind kind() const { return m_kind; }
    // The tab caption of the page ("Állományleírás").
    QString pageTitle() const;
    SlotGrid *grid() const { return m_grid; }
    QLabel *pageLabel() const { return m_label; }
    // Room under the buttons for the caller's own controls (the felling page's
    // "ERDŐSÍTÉSI TERV" box).
    QVBoxLayout *extraArea() const { return m_extra; }

    // Lists the current compartment's rows and positions on the last saved
    // code; the label is set too unless told not to (the window's first show).
    void showStep(bool setLabel = true);

    void newClick();
    void changeClick();
    void deleteClick();
    void titleClick(int column);

private:
    void reload(const QString &orderLine);
    void runEditor(const QString &mode, bool loadRow);

    SubRecordKind m_kind;
    const SubRecordKindDef &m_def;
    QLabel *m_label;
    SlotGrid *m_grid;
    NavigatorBar *m_navigator;
    QPushButton *m_new, *m_change, *m_delete;
    QVBoxLayout *m_extra;
};

// The page of a kind; objectName "Page" + kind number, grid "DBGrid<n>" (1..7
// in the order of the enumeration).
SubRecordPage *createSubRecordPage(SubRecordKind kind, QWidget *parent);
// The show step of a page made by createSubRecordPage (when its tab is selected).
void showSubRecordPage(QWidget *page, bool setLabel = true);
