#pragma once

#include <QString>

#include <optional>

class TextGrid;

// Who asks for a report template: choosing a book looks at the book kind
// first (the turnover book has a template of its own), changing the print
// option does not.
enum class TemplateCaller { BookChoice, PrintOption };

inline constexpr int kLandscapeOption = 1;

// The report template's file name for the kind and the print option's item
// index; empty when a book choice names no kind.
QString reportTemplateFor(int kind, int printOption, TemplateCaller caller);

// "NK - trgovina robom, uvoz" and "2012" give
// "Nadzorna knjiga - trgovina robom, uvoz - 2012. godina".
QString bookTitleLine(const QString &displayName, const QString &yearText);

// Halves go to the even neighbour: 2.5 -> 2, 3.5 -> 4.
qint64 roundHalfToEven(double value);

// A running number as the "od" and "do" fields show it: whole, with "."
// between thousands.
QString runningNumberText(double value);

// What the user typed into a running-number field: "." between thousands,
// "," before decimals. Nothing when it is not a number.
std::optional<double> readRunningNumber(const QString &text);

// The smallest and largest running number of the book's entries, an empty
// cell counting as 0; nothing, with the grid's error, when a cell is not a
// number.
struct RunningNumberSpan {
    double smallest = 0;
    double largest = 0;
};
std::optional<RunningNumberSpan> runningNumberSpan(const TextGrid &grid, QString &error);

// The bounds of a running-number field. An upper bound of 0 means none, and
// one below a non-zero lower bound is not applied.
struct NumberBounds {
    double lower = 1;
    double upper = 0;

    double applied(double value) const;
};

// What "Ispis" asks the book view to print: entries first .. first + count - 1
// of the book grid (none when count is 0 or less).
struct PrintRequest {
    int first = 1;
    int count = 0;
    QString titleLine;
    QString pdfPath; // offered when the pages are saved as PDF
};
