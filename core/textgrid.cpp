#include "textgrid.h"

#include <algorithm>

TextGrid::TextGrid(int defaultColumnWidth, int columns, int rows)
    : m_defaultWidth(defaultColumnWidth)
{
    setColumnCount(columns);
    setRowCount(rows);
}

void TextGrid::setColumnCount(int columns)
{
    columns = std::max(columns, 0);
    if (columns > m_columns)
        spliceColumns(m_columns, 0, columns - m_columns);
    else if (columns < m_columns)
        spliceColumns(columns, m_columns - columns, 0);
}

void TextGrid::setRowCount(int rows)
{
    m_rows = std::max(rows, 0);
    m_cells.resize(qsizetype(m_rows) * m_columns);
}

void TextGrid::insertRows(int row, int count)
{
    m_cells.insert(at(0, row), qsizetype(count) * m_columns, QString());
    m_rows += count;
}

void TextGrid::insertRows(int row, int count, const QList<QString> &cells)
{
    m_cells.insert(at(0, row), qsizetype(count) * m_columns, QString());
    std::copy(cells.begin(), cells.end(), m_cells.begin() + at(0, row));
    m_rows += count;
}

void TextGrid::removeRows(int row, int count)
{
    m_cells.remove(at(0, row), qsizetype(count) * m_columns);
    m_rows -= count;
}

void TextGrid::insertColumns(int column, int count)
{
    spliceColumns(column, 0, count);
}

void TextGrid::removeColumns(int column, int count)
{
    spliceColumns(column, count, 0);
}

void TextGrid::clearRows(int firstRow, int lastRow)
{
    std::fill(m_cells.begin() + at(0, firstRow), m_cells.begin() + at(0, lastRow + 1), QString());
}

// Removes `removed` columns at `column` and puts `inserted` empty ones there.
void TextGrid::spliceColumns(int column, int removed, int inserted)
{
    const int columns = m_columns - removed + inserted;
    QList<QString> cells(qsizetype(m_rows) * columns);
    for (int row = 0; row < m_rows; ++row) {
        const auto source = m_cells.begin() + at(0, row);
        const auto target = cells.begin() + qsizetype(row) * columns;
        std::move(source, source + column, target);
        std::move(source + column + removed, source + m_columns, target + column + inserted);
    }
    m_cells = std::move(cells);
    m_widths.remove(column, removed);
    m_widths.insert(column, inserted, m_defaultWidth);
    m_columns = columns;
}
