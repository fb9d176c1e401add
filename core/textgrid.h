#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A grid of texts addressed as (column, row), row 0 holding the titles, with
// a width in pixels per column. The value behind the book and the register.
class TextGrid {
public:
    explicit TextGrid(int defaultColumnWidth = 64, int columns = 1, int rows = 1);

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    int defaultColumnWidth() const { return m_defaultWidth; }

    // Cells that stay keep their text; new cells are empty, new columns get
    // the default width.
    void setColumnCount(int columns);
    void setRowCount(int rows);

    const QString &cell(int column, int row) const { return m_cells[at(column, row)]; }
    void setCell(int column, int row, const QString &text) { m_cells[at(column, row)] = text; }

    int columnWidth(int column) const { return m_widths[column]; }
    void setColumnWidth(int column, int width) { m_widths[column] = width; }

    void insertRows(int row, int count);
    // Rows holding the cells, row by row.
    void insertRows(int row, int count, const QList<QString> &cells);
    // The cells of the rows, row by row.
    QList<QString> rowCells(int row, int count) const { return m_cells.mid(at(0, row), qsizetype(count) * m_columns); }
    void removeRows(int row, int count);
    void insertColumns(int column, int count);
    void removeColumns(int column, int count);
    void clearRows(int firstRow, int lastRow);

    bool operator==(const TextGrid &other) const = default;

private:
    qsizetype at(int column, int row) const { return qsizetype(row) * m_columns + column; }
    void spliceColumns(int column, int removed, int inserted);

    int m_defaultWidth;
    int m_columns = 0;
    int m_rows = 0;
    QList<int> m_widths;
    // Row by row: one block for a whole book, however many rows it has.
    QList<QString> m_cells;
};
