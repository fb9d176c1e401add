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
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int defaultColumnWidth() const { return m_defaultWidth; }

    // Cells that stay keep their text; new cells are empty, new columns get
    // the default width.
    void setColumnCount(int columns);
    void setRowCount(int rows);

    const QString &cell(int column, int row) const { return m_rows[row][column]; }
    void setCell(int column, int row, const QString &text) { m_rows[row][column] = text; }

    int columnWidth(int column) const { return m_widths[column]; }
    void setColumnWidth(int column, int width) { m_widths[column] = width; }

    void insertRows(int row, int count);
    void removeRows(int row, int count);
    void insertColumns(int column, int count);
    void removeColumns(int column, int count);
    void clearRows(int firstRow, int lastRow);

    bool operator==(const TextGrid &other) const = default;

private:
    int m_defaultWidth;
    int m_columns;
    QList<int> m_widths;
    QList<QStringList> m_rows;
};
