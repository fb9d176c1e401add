#include "textgrid.h"

#include <algorithm>

TextGrid::TextGrid(int defaultColumnWidth, int columns, int rows)
    : m_defaultWidth(defaultColumnWidth), m_columns(0)
{
    setColumnCount(columns);
    setRowCount(rows);
}

void TextGrid::setColumnCount(int columns)
{
    columns = std::max(columns, 0);
    m_widths.resize(columns, m_defaultWidth);
    for (QStringList &row : m_rows)
        row.resize(columns);
    m_columns = columns;
}

void TextGrid::setRowCount(int rows)
{
    const int old = rowCount();
    if (rows <= old) {
        m_rows.resize(std::max(rows, 0));
        return;
    }
    insertRows(old, rows - old);
}

void TextGrid::insertRows(int row, int count)
{
    m_rows.insert(row, count, QStringList(m_columns));
}

void TextGrid::removeRows(int row, int count)
{
    m_rows.remove(row, count);
}

void TextGrid::insertColumns(int column, int count)
{
    m_widths.insert(column, count, m_defaultWidth);
    for (QStringList &row : m_rows)
        row.insert(column, count, QString());
    m_columns += count;
}

void TextGrid::removeColumns(int column, int count)
{
    m_widths.remove(column, count);
    for (QStringList &row : m_rows)
        row.remove(column, count);
    m_columns -= count;
}

void TextGrid::clearRows(int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row)
        m_rows[row] = QStringList(m_columns);
}
