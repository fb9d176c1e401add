#include "fuzzchecks.h"

#include <algorithm>

namespace {

const FuzzCheck kChecks[] = {
    {.name = "cellfile", .check = checkCellFile},
    {.name = "listfile", .check = checkListFile},
    {.name = "amounts", .check = checkAmounts},
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
