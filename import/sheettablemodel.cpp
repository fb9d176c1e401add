#include "sheettablemodel.h"

void SheetTableModel::setTable(const SheetTable &table)
{
    beginResetModel();
    m_table = table;
    endResetModel();
}

int SheetTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int SheetTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

QVariant SheetTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return m_table.text(index.column(), index.row());
}
