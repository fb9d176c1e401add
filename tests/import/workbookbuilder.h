#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QDate>
#include <QList>
#include <QString>

// Client workbooks spelled out by tests and benchmarks: the same cells as an
// .xls (BIFF8 records in an OLE2 file written by libgsf) and as an .xlsx (XML
// parts zipped by libarchive).
struct BookCell {
    enum Kind { Empty, Text, Number, Date, Formula, FormulaText, FormulaError };
    Kind kind = Empty;
    QString text;
    double number = 0;

};

inline BookCell txt(const QString &text) { return {BookCell::Text, text, 0}; }
inline BookCell num(double number) { return {BookCell::Number, {}, number}; }
// A date cell: its serial number shown in a date format.
BookCell date(const QDate &day, bool system1904 = false);
// A formula with its stored result.
inline BookCell formula(double result) { return {BookCell::Formula, {}, result}; }
inline BookCell formulaText(const QString &result) { return {BookCell::FormulaText, result, 0}; }
inline BookCell formulaError() { return {BookCell::FormulaError, {}, 0}; }

struct BookSheet {
    QList<QList<BookCell>> rows;
    // Where the first row and column stand in the worksheet.
    int firstRow = 0;
    int firstColumn = 0;
    bool system1904 = false;
};

QByteArray xlsBytes(const BookSheet &sheet);
QByteArray xlsxBytes(const BookSheet &sheet);

// A zip package of the given parts, name -> content.
QByteArray zipBytes(const QList<std::pair<QString, QByteArray>> &parts);

bool writeFile(const QString &path, const QByteArray &bytes);
Q_DECLARE_METATYPE(BookCell)
