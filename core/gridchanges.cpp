#include "gridchanges.h"

#include "textgridmodel.h"

void GridChanges::add(GridChange change)
{
    if (absorbIntoInsertedRows(change))
        return;
    if (change.kind != GridChange::Cell)
        m_openRows = -1;
    m_changes.push_back(std::move(change));
    if (m_changes.back().kind == GridChange::RowsInserted)
        m_openRows = static_cast<qsizetype>(m_changes.size()) - 1;
}

// Rows inserted by this step and not moved since take the texts written into
// them, and further rows inserted right below them.
bool GridChanges::absorbIntoInsertedRows(const GridChange &change)
{
    if (m_openRows < 0)
        return false;
    GridChange &rows = m_changes[m_openRows];
    const qsizetype columns = rows.cells.size() / rows.count;
    if (change.kind == GridChange::Cell) {
        if (change.row < rows.row || change.row >= rows.row + rows.count || change.column >= columns)
            return false;
        rows.cells[(change.row - rows.row) * columns + change.column] = change.after;
        return true;
    }
    if (change.kind == GridChange::RowsInserted && change.row == rows.row + rows.count
        && change.cells.size() == change.count * columns) {
        rows.cells += change.cells;
        rows.count += change.count;
        return true;
    }
    return false;
}

int GridChanges::firstRow() const
{
    if (m_changes.empty() || m_changes.front().kind == GridChange::ColumnsInserted)
        return 1;
    return m_changes.front().row;
}

void GridChanges::undo(TextGridModel &book) const
{
    // Reverse iterators rather than a reversed view: clang with this standard
    // library cannot build the view, and the fuzz targets are built by clang.
    for (auto at = m_changes.rbegin(); at != m_changes.rend(); ++at) {
        const GridChange &change = *at;
        switch (change.kind) {
        case GridChange::Cell:
            book.setCell(change.column, change.row, change.before);
            break;
        case GridChange::RowsInserted:
            book.removeRows(change.row, change.count);
            break;
        case GridChange::RowsRemoved:
            book.insertFilledRows(change.row, change.count, change.cells);
            break;
        case GridChange::ColumnsInserted:
            book.removeColumns(change.column, change.count);
            break;
        }
    }
}

void GridChanges::redo(TextGridModel &book) const
{
    for (const GridChange &change : m_changes) {
        switch (change.kind) {
        case GridChange::Cell:
            book.setCell(change.column, change.row, change.after);
            break;
        case GridChange::RowsInserted:
            book.insertFilledRows(change.row, change.count, change.cells);
            break;
        case GridChange::RowsRemoved:
            book.removeRows(change.row, change.count);
            break;
        case GridChange::ColumnsInserted:
            book.insertColumns(change.column, change.count);
            break;
        }
    }
}
