#pragma once
// The item model between a query slot (or table object) and every grid.
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

class TQuery;

// One grid column: the slot's column and its title ("" shows the column name).
struct GridColumn {
    QString field;
    QString title;
};

class SlotModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // No columns given: every column of the slot under its own name.
    SlotModel(TQuery *slot, QList<GridColumn> columns = {}, QObject *parent = nullptr);

    TQuery *slot() const { return m_slot; }
    QList<GridColumn> columns() const { return m_columns; }
    // The slot's column shown in a grid column; "" when there is none.
    QString fieldName(int gridColumn) const;
    // Titles by place for a model of every slot column ("" keeps the column's name).
    void setTitles(const QStringList &titles);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    int slotColumn(int gridColumn) const;
    TQuery *m_slot;
    QList<GridColumn> m_columns;
    QStringList m_titles;
};
