#include "archiveslots.h"
#include "paths.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(SlotDates)

namespace {

const QDate kMonday(2026, 3, 2);

constexpr int M = 1000; // a missing slot

// Slot dates as days before Monday.
SlotDates daysBefore(std::initializer_list<int> days)
{
    SlotDates dates;
    int slot = 0;
    for (int day : days)
        dates[slot++] = day == M ? zeroDate() : kMonday.addDays(-day);
    return dates;
}

} // namespace

class TestArchiveSlots : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void slotOfTheDay_data();
    void slotOfTheDay();
    void eightSuccessiveDaysRotate();
    void orderByDateIsStable();
    void missingFileHasTheZeroDate();
    void fileDateIsItsLastWrite();
};

void TestArchiveSlots::slotOfTheDay_data()
{
    QTest::addColumn<SlotDates>("dates");
    QTest::addColumn<int>("slot");

    QTest::newRow("all missing: slot 1") << daysBefore({M, M, M, M, M, M, M}) << 1;
    QTest::newRow("after the first exit, same day: slot 1") << daysBefore({0, 0, 0, 0, 0, 0, 0}) << 1;
    QTest::newRow("after the first exit, next day: slot 1") << daysBefore({1, 1, 1, 1, 1, 1, 1}) << 1;
    QTest::newRow("day after: the oldest, slot 2") << daysBefore({1, 2, 2, 2, 2, 2, 2}) << 2;
    QTest::newRow("today's slot is rewritten") << daysBefore({3, 0, 4, 4, 4, 4, 4}) << 2;
    QTest::newRow("lowest today's slot first") << daysBefore({3, 3, 0, 4, 0, 4, 4}) << 3;
    QTest::newRow("deleted slot is taken next") << daysBefore({1, 2, 3, M, 5, 6, 7}) << 4;
    QTest::newRow("lowest deleted slot first") << daysBefore({1, 2, M, 4, M, 6, 7}) << 3;
    QTest::newRow("deleted slot, but today's exists") << daysBefore({1, 0, M, 4, 5, 6, 7}) << 2;
    QTest::newRow("wraps round to slot 1") << daysBefore({7, 6, 5, 4, 3, 2, 1}) << 1;
    QTest::newRow("a slot dated later than today is not oldest") << daysBefore({-3, 2, 2, 2, 2, 2, 2}) << 2;
}

void TestArchiveSlots::slotOfTheDay()
{
    QFETCH(SlotDates, dates);
    QFETCH(int, slot);
    QCOMPARE(ArhivaDatum(dates, kMonday), slot);
}

// The first exit fills all seven slots; from then on each new day takes the
// oldest slot: 1, 2, ..., 7 and round to 1 again.
void TestArchiveSlots::eightSuccessiveDaysRotate()
{
    const QDate first = kMonday.addDays(-1);
    SlotDates dates;
    dates.fill(first);
    QList<int> written;
    for (int day = 0; day < 8; ++day) {
        const QDate today = kMonday.addDays(day);
        const int slot = ArhivaDatum(dates, today);
        written << slot;
        dates[slot - 1] = today;
        QCOMPARE(ArhivaDatum(dates, today), slot); // a second exit that day
    }
    QCOMPARE(written, (QList<int>{1, 2, 3, 4, 5, 6, 7, 1}));
}

void TestArchiveSlots::orderByDateIsStable()
{
    const std::array<int, kSlotCount> order = slotsByDate(daysBefore({2, 5, 2, M, 5, 0, M}));
    QCOMPARE(std::vector<int>(order.begin(), order.end()), (std::vector<int>{4, 7, 2, 5, 1, 3, 6}));
}

void TestArchiveSlots::missingFileHasTheZeroDate()
{
    QCOMPARE(zeroDate(), QDate(1899, 12, 30));
    const TempDataHome home;
    QCOMPARE(GetFileDateTime(home.path() + "/none.fxc"), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    SlotDates missing;
    missing.fill(zeroDate());
    QCOMPARE(readSlotDates(AppFolders(home.path())), missing);
}

void TestArchiveSlots::fileDateIsItsLastWrite()
{
    const TempDataHome home;
    const AppFolders folders(home.path());
    QVERIFY(QDir().mkpath(folders.archiveFolder()));
    QFile slot(folders.archiveSlotPath(3));
    QVERIFY(slot.open(QIODevice::WriteOnly));
    const QDateTime written(QDate(2024, 5, 17), QTime(23, 59, 30));
    QVERIFY(slot.setFileTime(written, QFileDevice::FileModificationTime));
    slot.close();
    QCOMPARE(GetFileDateTime(slot.fileName()), written);
    QCOMPARE(readSlotDates(folders)[2], QDate(2024, 5, 17));
    QCOMPARE(readSlotDates(folders)[0], zeroDate());
}

QTEST_GUILESS_MAIN(TestArchiveSlots)
#include "tst_archiveslots.moc"
