#pragma once

#include <QString>

#include <optional>

class TextGrid;

// Where "Dodaj u novi red" writes and under which running number: row 1 of a
// book without entries, otherwise a new last row numbered one more than the
// largest number in column 0. Numbers are never reused in the middle, so
// gaps stay; a number freed at the end is given again.
struct NewEntry {
    int row = 1;
    int number = 1;
    bool appendRow = false;
};

// A book without entries is the title row and one entirely empty row; a row
// whose running number was emptied is still an entry.
bool hasNoEntries(const TextGrid &book);

// Empty when a running number cannot be read; then error names the row.
std::optional<NewEntry> nextEntry(const TextGrid &book, QString &error);

// The largest running number of the book's entries, 0 without any; empty as
// nextEntry.
std::optional<int> largestRunningNumber(const TextGrid &book, QString &error);
