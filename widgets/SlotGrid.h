#pragma once
// Grids over query slots, and the navigator bar under them.
#include "datastore/SlotModel.h"
#include <QTableView>
#include <QWidget>

class TQuery;
class QToolButton;

// A grid bound to a slot: its rows are the slot's rows, and the selected row
// and the slot's current row follow each other.
class SlotGrid : public QTableView {
    Q_OBJECT
public:
    explicit SlotGrid(QWidget *parent = nullptr);
    // Binds to a slot with the given columns (none: all of the slot's).
    void bind(TQuery *slot, const QList<GridColumn> &columns = {});
    TQuery *slot() const { return m_slot; }
    SlotModel *slotModel() const { return m_model; }

signals:
    void titleClicked(int column);     // a column title was clicked
    void rowActivated(int row);        // double-click or Enter on a row

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void syncFromSlot(int row);
    void reopenIfShown();
    TQuery *m_slot = nullptr;
    int m_lastRow = -1;   // the slot's current row before a commit closed it
    SlotModel *m_model = nullptr;
    bool m_syncing = false;
};

// First, previous, next, last; for a writable table object also insert,
// delete, edit, post, cancel and refresh.
class NavigatorBar : public QWidget {
    Q_OBJECT
public:
    enum Buttons { Moves = 1, Edits = 2 };
    explicit NavigatorBar(QWidget *parent = nullptr, int buttons = Moves);
    void setSlot(TQuery *slot);
    QToolButton *button(const QString &name) const;   // "nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", ...

signals:
    void refreshRequested();

private:
    void updateState();
    TQuery *m_slot = nullptr;
    int m_buttons;
};
