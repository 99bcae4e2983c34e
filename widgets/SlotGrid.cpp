#include "widgets/SlotGrid.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "datastore/QuerySlot.h"
#include "datastore/TableObject.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>

SlotGrid::SlotGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setTabKeyNavigation(false);   // Tab leaves the grid; the arrows move in it
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &SlotGrid::titleClicked);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { emit rowActivated(i.row()); });
}

void SlotGrid::bind(TQuery *slot, const QList<GridColumn> &columns)
{
    m_slot = slot;
    m_model = new SlotModel(slot, columns, this);
    setModel(m_model);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &cur) {
                if (!m_syncing && cur.isValid()) m_slot->setCurrentRow(cur.row());
            });
    connect(slot, &TQuery::currentChanged, this, &SlotGrid::syncFromSlot);
    connect(slot, &TQuery::currentChanged, this, [this](int row) {
        if (row >= 0) m_lastRow = row;
    });
    // A commit anywhere closes every slot; a list on screen shows its rows again
    // once the window that committed has finished its step.
    if (TData *db = slot->database())
        connect(db, &TData::allSlotsClosed, this, [this] {
            if (isVisible()) QTimer::singleShot(0, this, &SlotGrid::reopenIfShown);
        });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { syncFromSlot(m_slot->currentRow()); });
    if (auto *t = qobject_cast<TTable *>(slot)) {
        auto update = [this, t] {
            setEditTriggers(t->readOnly() ? QAbstractItemView::NoEditTriggers
                                          : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                                | QAbstractItemView::AnyKeyPressed);
        };
        update();
        connect(t, &TTable::stateChanged, this, update);
    }
    syncFromSlot(slot->currentRow());
}

void SlotGrid::reopenIfShown()
{
    if (!m_slot || m_slot->isOpen() || !isVisible() || m_slot->sqlLines().isEmpty()) return;
    // Opening makes the first row current and would overwrite the row to return to.
    const int last = m_lastRow;
    try {
        if (auto *t = qobject_cast<TTable *>(m_slot)) t->open();
        else m_slot->open();
        if (last > 0) m_slot->setCurrentRow(last);
    } catch (const DbError &) {
        // The list stays empty, as it was before: the next reload reports it.
    }
}

void SlotGrid::syncFromSlot(int row)
{
    if (!m_model) return;
    m_syncing = true;
    if (row >= 0 && row < m_model->rowCount()) {
        const QModelIndex idx = m_model->index(row, qMax(0, currentIndex().column()));
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(idx);
    } else {
        selectionModel()->clearSelection();
    }
    m_syncing = false;
}

void SlotGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState
        && currentIndex().isValid() && event->modifiers() == Qt::NoModifier) {
        emit rowActivated(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(event);
}

NavigatorBar::NavigatorBar(QWidget *parent, int buttons) : QWidget(parent), m_buttons(buttons)
{
    auto *lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(2);
    auto add = [&](const char *name, const QString &text, const QString &tip, auto action) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setToolTip(tip);
        b->setMinimumWidth(28);
        lay->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, action] {
            if (!m_slot) return;
            try {
                action();
            } catch (const DbError &e) {
                seams::message(e.text());
            }
            updateState();
        });
    };
    add("nbFirst", QStringLiteral("|◀"), QStringLiteral("Első sor"), [this] { m_slot->first(); });
    add("nbPrior", QStringLiteral("◀"), QStringLiteral("Előző sor"), [this] { m_slot->prior(); });
    add("nbNext", QStringLiteral("▶"), QStringLiteral("Következő sor"), [this] { m_slot->next(); });
    add("nbLast", QStringLiteral("▶|"), QStringLiteral("Utolsó sor"), [this] { m_slot->last(); });
    if (buttons & Edits) {
        auto table = [this] { return qobject_cast<TTable *>(m_slot); };
        add("nbInsert", QStringLiteral("+"), QStringLiteral("Új sor"), [table] { if (table()) table()->insert(); });
        add("nbDelete", QStringLiteral("−"), QStringLiteral("Sor törlése"), [table] { if (table()) table()->deleteCurrent(); });
        add("nbEdit", QStringLiteral("▲"), QStringLiteral("Sor szerkesztése"), [table] { if (table()) table()->edit(); });
        add("nbPost", QStringLiteral("✓"), QStringLiteral("Mentés"), [table] { if (table()) table()->post(); });
        add("nbCancel", QStringLiteral("✗"), QStringLiteral("Elvetés"), [table] { if (table()) table()->cancel(); });
        add("nbRefresh", QStringLiteral("↻"), QStringLiteral("Frissítés"), [this] { emit refreshRequested(); });
    }
    lay->addStretch();
}

void NavigatorBar::setSlot(TQuery *slot)
{
    m_slot = slot;
    connect(slot, &TQuery::currentChanged, this, &NavigatorBar::updateState);
    connect(slot, &TQuery::reset, this, &NavigatorBar::updateState);
    if (auto *t = qobject_cast<TTable *>(slot)) connect(t, &TTable::stateChanged, this, &NavigatorBar::updateState);
    updateState();
}

QToolButton *NavigatorBar::button(const QString &name) const { return findChild<QToolButton *>(name); }

void NavigatorBar::updateState()
{
    if (!m_slot) return;
    const bool any = !m_slot->isEmpty();
    button(QStringLiteral("nbFirst"))->setEnabled(any && !m_slot->bof());
    button(QStringLiteral("nbPrior"))->setEnabled(any && !m_slot->bof());
    button(QStringLiteral("nbNext"))->setEnabled(any && !m_slot->eof());
    button(QStringLiteral("nbLast"))->setEnabled(any && !m_slot->eof());
    if (m_buttons & Edits) {
        auto *t = qobject_cast<TTable *>(m_slot);
        const bool writable = t && !t->readOnly() && t->isOpen();
        const bool editing = t && t->state() != TTable::Browse;
        button(QStringLiteral("nbInsert"))->setEnabled(writable);
        button(QStringLiteral("nbDelete"))->setEnabled(writable && any);
        button(QStringLiteral("nbEdit"))->setEnabled(writable && any && !editing);
        button(QStringLiteral("nbPost"))->setEnabled(writable && editing);
        button(QStringLiteral("nbCancel"))->setEnabled(writable && editing);
        button(QStringLiteral("nbRefresh"))->setEnabled(t && t->isOpen());
    }
}
