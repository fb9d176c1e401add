#include "fuzzchecks.h"

#include <algorithm>

namespace {

const FuzzCheck kChecks[] = {
    {.name = "cellfile", .check = checkCellFile},
    {.name = "listfile", .check = checkListFile},
    {.name = "amounts", .check = checkAmounts},
    {.name = "xls", .check = checkXls},
    {.name = "xlsx", .check = checkXlsx},
    {.name = "restoreentry", .check = checkRestoreEntry},
};

} // namespace

std::span<const FuzzCheck> fuzzChecks()
{
    return kChecks;
}

const FuzzCheck *findFuzzCheck(QByteArrayView name)
{
    const auto found = std::ranges::find_if(kChecks, [name](const FuzzCheck &c) { return name == c.name; });
    return found == std::end(kChecks) ? nullptr : found;
}
