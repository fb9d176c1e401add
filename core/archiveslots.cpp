#include "archiveslots.h"

#include "paths.h"

#include <QFileInfo>

#include <algorithm>
#include <numeric>

QDate zeroDate()
{
    return QDate(1899, 12, 30);
}

QDateTime GetFileDateTime(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() ? file.lastModified() : QDateTime(zeroDate(), QTime(0, 0));
}

SlotDates readSlotDates(const AppFolders &folders)
{
    SlotDates dates;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        dates[slot - 1] = GetFileDateTime(folders.archiveSlotPath(slot)).date();
    return dates;
}

std::array<int, kSlotCount> slotsByDate(const SlotDates &dates)
{
    std::array<int, kSlotCount> order;
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&dates](int a, int b) { return dates[a - 1] < dates[b - 1]; });
    return order;
}

int ArhivaDatum(const SlotDates &dates, const QDate &today)
{
    const std::array<int, kSlotCount> order = slotsByDate(dates);
    const auto todays = std::find_if(order.begin(), order.end(), [&](int slot) { return dates[slot - 1] == today; });
    return todays != order.end() ? *todays : order.front();
}
