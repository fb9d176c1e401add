#include "booklookup.h"

#include "textgrid.h"

namespace {

template <typename Matches>
int firstEntryRow(const TextGrid &grid, int column, const QString &text, Matches matches)
{
    if (text.isEmpty() || column < 0 || column >= grid.columnCount())
        return 0;
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (matches(grid.cell(column, row)))
            return row;
    }
    return 0;
}

} // namespace

int findRowContaining(const TextGrid &grid, int column, const QString &text)
{
    return firstEntryRow(grid, column, text,
                         [&](const QString &cell) { return cell.contains(text, Qt::CaseSensitive); });
}

int findRowEqualTo(const TextGrid &grid, int column, const QString &text)
{
    return firstEntryRow(grid, column, text, [&](const QString &cell) { return cell == text; });
}
