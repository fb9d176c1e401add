#include "fuzzchecks.h"

#include "cellfile.h"
#include "textgrid.h"

#include <algorithm>

namespace {

constexpr int kSide = 4;
constexpr int kDefaultWidth = 64;
// Headers asking for more cells are left to the reader's tests: the
// properties are the same, but a grid of millions of cells per input would
// slow fuzzing to a few inputs a second.
constexpr qint64 kLargestGridFuzzed = 100'000;

// A rough reading of the header's two counts, as a speed filter only.
qint64 cellsAskedFor(QByteArrayView input)
{
    qint64 counts[2] = {0, 0};
    int which = 0;
    for (char byte : input) {
        if (byte == '\r' || byte == 26 || which > 1)
            break;
        if (byte == ',')
            ++which;
        else if (byte >= '0' && byte <= '9' && which < 2)
            counts[which] = std::min<qint64>(counts[which] * 10 + (byte - '0'), 1'000'000'000);
    }
    return counts[0] * counts[1];
}

TextGrid filledGrid(const QString &text, int width)
{
    TextGrid grid(kDefaultWidth, kSide, kSide);
    for (int r = 0; r < kSide; ++r)
        for (int c = 0; c < kSide; ++c)
            grid.setCell(c, r, text);
    for (int c = 0; c < kSide; ++c)
        grid.setColumnWidth(c, width);
    return grid;
}

bool sameShape(const TextGrid &a, const TextGrid &b)
{
    return a.columnCount() == b.columnCount() && a.rowCount() == b.rowCount();
}

// A cell the file lists has the file's text in every grid; one it does not
// list keeps what each grid held (the two filled grids differ there).
QString checkUnlistedCellsKept(const TextGrid &fresh, const TextGrid &xs, const TextGrid &ys)
{
    for (int r = 0; r < fresh.rowCount(); ++r) {
        for (int c = 0; c < fresh.columnCount(); ++c) {
            if (xs.cell(c, r) == ys.cell(c, r)) {
                if (xs.cell(c, r) != fresh.cell(c, r))
                    return QStringLiteral("a listed cell reads differently into another grid");
                continue;
            }
            const bool kept = c < kSide && r < kSide && xs.cell(c, r) == u"x" && ys.cell(c, r) == u"y"
                && fresh.cell(c, r).isEmpty();
            if (!kept)
                return QStringLiteral("a cell the file does not list lost its text");
        }
    }
    for (int c = 0; c < fresh.columnCount(); ++c) {
        if (xs.columnWidth(c) == ys.columnWidth(c) ? xs.columnWidth(c) != fresh.columnWidth(c)
                                                   : fresh.columnWidth(c) != kDefaultWidth)
            return QStringLiteral("a width the file does not list changed");
    }
    return {};
}

} // namespace

QString checkCellFile(QByteArrayView input)
{
    if (cellsAskedFor(input) > kLargestGridFuzzed)
        return {};
    TextGrid fresh(kDefaultWidth, kSide, kSide);
    const bool accepted = readCellBytes(input, fresh);
    if (!accepted && fresh != TextGrid(kDefaultWidth, kSide, kSide))
        return QStringLiteral("a refused file changed the grid");

    TextGrid xs = filledGrid(QStringLiteral("x"), 10);
    TextGrid ys = filledGrid(QStringLiteral("y"), 20);
    if (readCellBytes(input, xs) != accepted || readCellBytes(input, ys) != accepted)
        return QStringLiteral("accepted into one grid and refused into another");
    if (!accepted)
        return xs == filledGrid(QStringLiteral("x"), 10) ? QString() : QStringLiteral("a refused file changed the grid");
    if (!sameShape(fresh, xs) || !sameShape(fresh, ys))
        return QStringLiteral("the header gave grids of different sizes");
    if (const QString broken = checkUnlistedCellsKept(fresh, xs, ys); !broken.isEmpty())
        return broken;

    TextGrid again(kDefaultWidth, kSide, kSide);
    if (!readCellBytes(cellFileBytes(fresh), again))
        return QStringLiteral("the written grid is refused");
    if (again != fresh)
        return QStringLiteral("read, written and read again, the grid differs");
    return {};
}
