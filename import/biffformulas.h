#pragma once

#include <QList>
#include <QString>

// The result a spreadsheet stored with a formula cell of an .xls workbook,
// already as the cell's text.
struct FormulaResult {
    int row = 0;
    int column = 0;
    QString text;
    bool number = false;
    // An error value (#DIV/0!, #N/A, ...): no value to import.
    bool unreadable = false;
};

// The stored formula results of worksheet `sheet` (counting worksheets only),
// read from the workbook stream of the file. False with the reason in error
// when the stream cannot be read.
bool readFormulaResults(const QString &path, int sheet, QList<FormulaResult> &results, QString &error);
