#include "datastore/SlotModel.h"
#include "datastore/QuerySlot.h"
#include "datastore/TableObject.h"
#include "common/Seams.h"

SlotModel::SlotModel(TQuery *slot, QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_slot(slot), m_columns(std::move(columns))
{
    connect(slot, &TQuery::aboutToReset, this, [this] { beginResetModel(); });
    connect(slot, &TQuery::reset, this, [this] { endResetModel(); });
    connect(slot, &TQuery::rowChanged, this, [this](int row) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

int SlotModel::slotColumn(int gridColumn) const
{
    if (m_columns.isEmpty()) return gridColumn;
    if (gridColumn < 0 || gridColumn >= m_columns.size()) return -1;
    return m_slot->columnIndex(m_columns.at(gridColumn).field);
}

QString SlotModel::fieldName(int gridColumn) const
{
    if (!m_columns.isEmpty())
        return gridColumn >= 0 && gridColumn < m_columns.size() ? m_columns.at(gridColumn).field.toUpper() : QString();
    return gridColumn >= 0 && gridColumn < m_slot->columnCount() ? m_slot->column(gridColumn).name : QString();
}

int SlotModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_slot->rowCount();
}

int SlotModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid()) return 0;
    return m_columns.isEmpty() ? m_slot->columnCount() : int(m_columns.size());
}

QVariant SlotModel::data(const QModelIndex &index, int role) const
{
    const int c = slotColumn(index.column());
    if (c < 0) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (auto *t = qobject_cast<TTable *>(m_slot)) return t->displayText(index.row(), c);
        return m_slot->textAt(index.row(), c);
    }
    if (role == Qt::TextAlignmentRole && m_slot->isNumericColumn(c))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SlotModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (!m_columns.isEmpty()) {
        if (section < 0 || section >= m_columns.size()) return {};
        const GridColumn &g = m_columns.at(section);
        return g.title.isEmpty() ? g.field.toUpper() : g.title;
    }
    if (!m_titles.value(section).isEmpty()) return m_titles.value(section);
    return section < m_slot->columnCount() ? m_slot->column(section).name : QString();
}

void SlotModel::setTitles(const QStringList &titles)
{
    m_titles = titles;
    emit headerDataChanged(Qt::Horizontal, 0, qMax(0, columnCount() - 1));
}

Qt::ItemFlags SlotModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    auto *t = qobject_cast<TTable *>(m_slot);
    if (t && !t->readOnly()) f |= Qt::ItemIsEditable;
    return f;
}

bool SlotModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    auto *t = qobject_cast<TTable *>(m_slot);
    if (!t || t->readOnly() || role != Qt::EditRole) return false;
    const int c = slotColumn(index.column());
    if (c < 0) return false;
    if (t->state() == TTable::Browse) t->setCurrentRow(index.row());
    t->setField(t->column(c).name, value.toString());
    emit dataChanged(index, index);
    return true;
}
