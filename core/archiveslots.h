#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>

class AppFolders;

inline constexpr int kSlotCount = 7;

// The date a missing slot carries: earlier than any real date.
QDate zeroDate();

// The file's last write, or midnight of the zero date when it does not exist.
QDateTime GetFileDateTime(const QString &path);

// The day of the last write of slots 1 to 7 (index 0 is slot 1).
using SlotDates = std::array<QDate, kSlotCount>;
SlotDates readSlotDates(const AppFolders &folders);

// Slot numbers ordered by date, oldest first; equal dates keep slot order.
std::array<int, kSlotCount> slotsByDate(const SlotDates &dates);

// The slot the archive on exit overwrites: the first in date order that
// carries today's date, otherwise the oldest.
int ArhivaDatum(const SlotDates &dates, const QDate &today);
