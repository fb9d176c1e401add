#pragma once

#include "companynumbers.h"

#include <QString>

struct BookKind;
class TextGrid;

// What stands above the table of an exported book.
struct ExportHeading {
    CompanyLines company; // the book's company in the register
    QString title; // bookTitleLine()
};

// The kind's display name cut to the 31 characters a sheet name may hold.
QString exportSheetName(const BookKind &kind);

// Writes the whole book, title row included, as an .xlsx workbook of one
// sheet: the heading, then the column titles as a frozen header row and the
// entries below. Running numbers, the kind's date columns and its amount
// columns go out as numbers (dates dd.mm.yyyy, amounts with two decimals and
// their currency code in the number format); a cell that does not read as
// one goes out as its text. The workbook is built aside and replaces the
// file only when complete; on failure the file is as it was and error says
// why, in Croatian.
bool exportBook(const TextGrid &book, const BookKind &kind, const ExportHeading &heading, const QString &path,
                QString &error);
