#pragma once

#include <QString>

// Cell values of both workbook formats as the program writes them.

// As many decimals as the value needs at a spreadsheet's fifteen significant
// digits, "," before them, no grouping: 7345.6700000000001 -> "7345,67",
// 12 -> "12", -0.5 -> "-0,5".
QString numberText(double value);

// A date serial number of the 1900 or the 1904 date system as dd.MM.yyyy,
// with " HH:mm:ss" when it has a time of day; a serial below 1 is a time only.
QString serialDateText(double serial, bool system1904);

// Whether a number format shows its number as a date or a time: the built-in
// date formats and custom codes with day, month-with-year, year, hour or
// second parts outside quotes and brackets.
bool isDateFormatId(int formatId);
bool isDateFormatCode(const QString &code);

// "B7" for column 1, row 6.
QString cellName(int column, int row);
