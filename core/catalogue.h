#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// One kind of supervisory book. The kind's index (0..18) is its place in the
// entry window's book combo and in bookCatalogue().
struct BookKind {
    const char *displayName;  // UTF-8
    const char *fileCode;     // part of the book file name
    const char *templateName; // empty book in the template folder
    const char *fieldPrefix;  // entry controls are fieldPrefix + column
    const char *panelName;
    const char *versionTag;
    std::uint32_t dateMask;   // bit n: column n holds dates
    std::uint32_t amountMask; // bit n: column n holds money amounts
    int columnCount;          // column 0 (running number) included
};

inline constexpr int kBookKindCount = 19;

const std::array<BookKind, kBookKindCount> &bookCatalogue();

// Null for an index outside 0..18 (no kind chosen).
const BookKind *bookKind(int kind);

QStringList bookDisplayNames();

// The client spreadsheets of the import, in the order the import reads them.
QStringList clientSpreadsheetNames();

// The masks of the open book, read when its cells are drawn and edited.
struct ColumnMasks {
    std::uint32_t dates = 0;
    std::uint32_t amounts = 0;

    bool isDate(int column) const { return inMask(dates, column); }
    bool isAmount(int column) const { return inMask(amounts, column); }

private:
    static bool inMask(std::uint32_t mask, int column)
    {
        return column >= 0 && column < 32 && (mask >> column) & 1u;
    }
};

// Sets the current masks from the chosen kind; a kind outside 0..18 leaves them.
void KoloneFormati(int kind, ColumnMasks &current);
