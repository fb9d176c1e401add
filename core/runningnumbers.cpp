#include "runningnumbers.h"

#include "textgrid.h"

#include <limits>

std::optional<NewEntry> nextEntry(const TextGrid &book, QString &error)
{
    if (book.rowCount() < 2 || book.cell(0, 1).isEmpty())
        return NewEntry{};

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
    return NewEntry{book.rowCount(), static_cast<int>(largest) + 1, true};
}
