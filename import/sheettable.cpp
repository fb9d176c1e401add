#include "sheettable.h"

SheetTable::SheetTable(int columns, int rows)
    : m_columns(columns), m_rows(rows), m_texts(qsizetype(columns) * rows), m_numbers(qsizetype(columns) * rows)
{
}

void SheetTable::setNumber(int column, int row, const QString &text)
{
    m_texts[at(column, row)] = text;
    m_numbers[at(column, row)] = true;
}

SheetTable SheetTable::usedRange() const
{
    int firstColumn = m_columns, lastColumn = -1, firstRow = m_rows, lastRow = -1;
    for (int row = 0; row < m_rows; ++row)
        for (int column = 0; column < m_columns; ++column)
            if (!text(column, row).isEmpty()) {
                firstColumn = std::min(firstColumn, column);
                lastColumn = std::max(lastColumn, column);
                firstRow = std::min(firstRow, row);
                lastRow = std::max(lastRow, row);
            }
    if (lastRow < 0)
        return {};
    SheetTable used(lastColumn - firstColumn + 1, lastRow - firstRow + 1);
    used.m_firstSheetRow = m_firstSheetRow + firstRow;
    for (int row = 0; row < used.m_rows; ++row)
        for (int column = 0; column < used.m_columns; ++column) {
            used.m_texts[used.at(column, row)] = text(firstColumn + column, firstRow + row);
            used.m_numbers[used.at(column, row)] = isNumber(firstColumn + column, firstRow + row);
        }
    return used;
}

bool readSheet(const QString &path, int sheet, SheetTable &table, QString &error)
{
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return readXlsxSheet(path, sheet, table, error);
    return readXlsSheet(path, sheet, table, error);
}
