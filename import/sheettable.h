#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One worksheet as texts in the program's formats, from its first used row
// and column to its last: numbers with "," before the decimals, dates as
// dd.MM.yyyy, texts as they are, empty cells empty. Cells that held numbers
// are marked, so that an amount is never read back through a text rule.
class SheetTable {
public:
    SheetTable() = default;
    SheetTable(int columns, int rows);

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }

    const QString &text(int column, int row) const { return m_texts[at(column, row)]; }
    bool isNumber(int column, int row) const { return m_numbers[at(column, row)]; }
    void setText(int column, int row, const QString &text) { m_texts[at(column, row)] = text; }
    void setNumber(int column, int row, const QString &text);

    // The part from the first to the last non-empty row and column.
    SheetTable usedRange() const;

    // The worksheet row (counted from 1, as the spreadsheet shows it) of a
    // table row.
    int sheetRow(int row) const { return m_firstSheetRow + row + 1; }
    void setFirstSheetRow(int row) { m_firstSheetRow = row; }

    bool operator==(const SheetTable &other) const = default;

private:
    qsizetype at(int column, int row) const { return qsizetype(row) * m_columns + column; }

    int m_columns = 0;
    int m_rows = 0;
    int m_firstSheetRow = 0;
    QStringList m_texts;
    QList<bool> m_numbers;
};

// Reads worksheet `sheet` (0 = the first) of an .xls (BIFF8) or, by its
// suffix, an .xlsx workbook. Formula cells give the result stored in the file.
// On failure error is a Croatian message that names the file, and for a
// formula without a readable result also the cell ("B7").
bool readSheet(const QString &path, int sheet, SheetTable &table, QString &error);
bool readXlsSheet(const QString &path, int sheet, SheetTable &table, QString &error);
bool readXlsxSheet(const QString &path, int sheet, SheetTable &table, QString &error);
