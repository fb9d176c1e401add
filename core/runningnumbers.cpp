#include "runningnumbers.h"

#include "textgrid.h"

#include <limits>

bool hasNoEntries(const TextGrid &book)
{
    if (book.rowCount() != 2)
        return book.rowCount() < 2;
    for (int column = 0; column < book.columnCount(); ++column)
        if (!book.cell(column, 1).isEmpty())
            return false;
    return true;
}

std::optional<NewEntry> nextEntry(const TextGrid &book, QString &error)
{
    if (hasNoEntries(book))
        return NewEntry{.row = 1, .number = 1, .appendRow = book.rowCount() < 2};
    const std::optional<int> largest = largestRunningNumber(book, error);
    if (!largest)
        return std::nullopt;
    return NewEntry{.row = book.rowCount(), .number = *largest + 1, .appendRow = true};
}

std::optional<int> largestRunningNumber(const TextGrid &book, QString &error)
{
    long long largest = 0;
    for (int row = 1; row < book.rowCount(); ++row) {
        const QString &text = book.cell(0, row);
        if (text.isEmpty())
            continue;
        bool isNumber = false;
        const long long number = text.trimmed().toLongLong(&isNumber);
        if (!isNumber) {
            error = QStringLiteral("Redni broj u %1. retku nije broj: \"%2\"").arg(row).arg(text);
            return std::nullopt;
        }
        largest = std::max(largest, number);
    }
    if (largest >= std::numeric_limits<int>::max()) {
        error = QStringLiteral("Redni broj je prevelik: %1").arg(largest);
        return std::nullopt;
    }
    return static_cast<int>(largest);
}
