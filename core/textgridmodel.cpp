#include "textgridmodel.h"

#include "codepage.h"

TextGridModel::TextGridModel(int defaultColumnWidth, QObject *parent)
    : QAbstractTableModel(parent), m_grid(defaultColumnWidth)
{
}

void TextGridModel::setCell(int column, int row, const QString &text)
{
    const QString reduced = reduceToCp1250(text);
    if (m_grid.cell(column, row) == reduced)
        return;
    const QString before = m_grid.cell(column, row);
    m_grid.setCell(column, row, reduced);
    const QModelIndex changed = index(row, column);
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    if (row == 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    record({.kind = GridChange::Cell, .row = row, .column = column, .before = before, .after = reduced});
}

void TextGridModel::record(GridChange change)
{
    if (m_recorder)
        m_recorder->recordChange(std::move(change));
}

void TextGridModel::setRows(int firstRow, const QList<QStringList> &rows)
{
    if (rows.isEmpty())
        return;
    for (int r = 0; r < rows.size(); ++r)
        for (int column = 0; column < m_grid.columnCount(); ++column)
            m_grid.setCell(column, firstRow + r, column < rows[r].size() ? reduceToCp1250(rows[r][column]) : QString());
    const int lastRow = firstRow + static_cast<int>(rows.size()) - 1;
    Q_EMIT dataChanged(index(firstRow, 0), index(lastRow, m_grid.columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

void TextGridModel::setColumnWidth(int column, int width)
{
    if (m_grid.columnWidth(column) == width)
        return;
    m_grid.setColumnWidth(column, width);
    Q_EMIT columnWidthChanged(column, width);
}

void TextGridModel::setRowCount(int rows)
{
    const int old = m_grid.rowCount();
    if (rows > old)
        insertRows(old, rows - old);
    else if (rows < old)
        removeRows(rows, old - rows);
}

int TextGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.rowCount();
}

int TextGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.columnCount();
}

QVariant TextGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_grid.cell(index.column(), index.row());
    return {};
}

bool TextGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    setCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < m_grid.columnCount() && m_grid.rowCount() > 0)
        return m_grid.cell(section, 0);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool TextGridModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count < 1 || row < 0 || row > m_grid.rowCount())
        return false;
    beginInsertRows({}, row, row + count - 1);
    m_grid.insertRows(row, count);
    endInsertRows();
    record({.kind = GridChange::RowsInserted, .row = row, .count = count,
            .cells = QList<QString>(qsizetype(count) * m_grid.columnCount())});
    return true;
}

void TextGridModel::insertFilledRows(int row, int count, const QList<QString> &cells)
{
    beginInsertRows({}, row, row + count - 1);
    m_grid.insertRows(row, count, cells);
    endInsertRows();
    record({.kind = GridChange::RowsInserted, .row = row, .count = count, .cells = cells});
}

bool TextGridModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count < 1 || row < 0 || row + count > m_grid.rowCount())
        return false;
    QList<QString> removed = m_recorder ? m_grid.rowCells(row, count) : QList<QString>();
    beginRemoveRows({}, row, row + count - 1);
    m_grid.removeRows(row, count);
    endRemoveRows();
    record({.kind = GridChange::RowsRemoved, .row = row, .count = count, .cells = std::move(removed)});
    return true;
}

bool TextGridModel::insertColumns(int column, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count < 1 || column < 0 || column > m_grid.columnCount())
        return false;
    beginInsertColumns({}, column, column + count - 1);
    m_grid.insertColumns(column, count);
    endInsertColumns();
    record({.kind = GridChange::ColumnsInserted, .column = column, .count = count});
    return true;
}

bool TextGridModel::removeColumns(int column, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count < 1 || column < 0 || column + count > m_grid.columnCount())
        return false;
    beginRemoveColumns({}, column, column + count - 1);
    m_grid.removeColumns(column, count);
    endRemoveColumns();
    // Nothing removes columns but taking back their insertion; a removal
    // outside that cannot be taken back and ends the history.
    if (m_recorder)
        m_recorder->recordReplacement();
    return true;
}
