#include "windowplacement.h"

#include <QTest>

class TestWindowPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bothWindowsFindTheirPlace_data();
    void bothWindowsFindTheirPlace();
};

void TestWindowPlacement::bothWindowsFindTheirPlace_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("entry");
    QTest::addColumn<QRect>("placedEntry");
    QTest::addColumn<QRect>("bookView");

    // A centred entry window of 756 x 590 with its borders.
    QTest::newRow("1366 x 768: side by side")
        << QRect(0, 0, 1366, 768) << QRect(305, 89, 756, 590) << QRect(0, 89, 756, 590) << QRect(756, 0, 610, 768);
    QTest::newRow("1920 x 1080: the book view takes the rest")
        << QRect(0, 0, 1920, 1080) << QRect(582, 245, 756, 590) << QRect(0, 245, 756, 590) << QRect(756, 0, 1164, 1080);
    QTest::newRow("1024 x 768: the book view keeps a usable width")
        << QRect(0, 0, 1024, 768) << QRect(134, 89, 756, 590) << QRect(0, 89, 756, 590) << QRect(544, 0, 480, 768);
    QTest::newRow("a panel above: the entry window stays below it")
        << QRect(0, 30, 1366, 738) << QRect(305, 0, 756, 590) << QRect(0, 30, 756, 590) << QRect(756, 30, 610, 738);
    QTest::newRow("a screen narrower than the smallest book view")
        << QRect(0, 0, 400, 300) << QRect(0, 0, 756, 590) << QRect(0, 0, 756, 590) << QRect(0, 0, 400, 300);
}

void TestWindowPlacement::bothWindowsFindTheirPlace()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, entry);
    QFETCH(QRect, placedEntry);
    QFETCH(QRect, bookView);

    const WindowPlaces places = placeEntryAndBookView(screen, entry);
    QCOMPARE(places.entryFrame, placedEntry);
    QCOMPARE(places.bookViewFrame, bookView);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
