#include "booklookup.h"
#include "textgrid.h"

#include <QTest>

namespace {

// Column 0 of row r + 1 holds numbers[r]; row 0 holds the title "4".
TextGrid bookNumbered(const QStringList &numbers)
{
    TextGrid grid(80, 3, static_cast<int>(numbers.size()) + 1);
    grid.setCell(0, 0, QStringLiteral("4"));
    for (int row = 1; row <= numbers.size(); ++row)
        grid.setCell(0, row, numbers[row - 1]);
    return grid;
}

QStringList numbersWithout(int first, int last, int missing)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n) {
        if (n != missing)
            numbers += QString::number(n);
    }
    return numbers;
}

} // namespace

class TestBookLookup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void containing_data();
    void containing();
    void equalTo_data();
    void equalTo();
    void everyNumberOfAGaplessBookFindsItsRow();
};

void TestBookLookup::containing_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");

    const QStringList gapAtFour = numbersWithout(1, 14, 4);
    QTest::newRow("4 is found inside 14") << gapAtFour << 0 << "4" << 13;
    QTest::newRow("the first of several matches") << QStringList{"21", "12", "2"} << 0 << "2" << 1;
    QTest::newRow("case distinguished") << QStringList{"AB", "xab"} << 0 << "ab" << 2;
    QTest::newRow("other case only") << QStringList{"AB"} << 0 << "ab" << 0;
    QTest::newRow("empty text") << QStringList{"1", ""} << 0 << "" << 0;
    QTest::newRow("title row not searched") << QStringList{"1"} << 0 << "4" << 0;
    QTest::newRow("column beyond the grid") << QStringList{"1"} << 3 << "1" << 0;
    QTest::newRow("another column") << QStringList{"1"} << 1 << "1" << 0;
}

void TestBookLookup::containing()
{
    QFETCH(QStringList, numbers);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, row);
    QCOMPARE(findRowContaining(bookNumbered(numbers), column, text), row);
}

void TestBookLookup::equalTo_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");

    QTest::newRow("14 before 4") << QStringList{"1", "14", "4"} << "4" << 3;
    QTest::newRow("4 missing") << numbersWithout(1, 14, 4) << "4" << 0;
    QTest::newRow("empty text finds no empty cell") << QStringList{"1", ""} << "" << 0;
    QTest::newRow("title row not searched") << QStringList{"1"} << "4" << 0;
}

void TestBookLookup::equalTo()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, text);
    QFETCH(int, row);
    QCOMPARE(findRowEqualTo(bookNumbered(numbers), 0, text), row);
}

void TestBookLookup::everyNumberOfAGaplessBookFindsItsRow()
{
    const TextGrid grid = bookNumbered(numbersWithout(1, 120, 0));
    for (int k = 1; k <= 120; ++k) {
        QCOMPARE(findRowContaining(grid, 0, QString::number(k)), k);
        QCOMPARE(findRowEqualTo(grid, 0, QString::number(k)), k);
    }
}

QTEST_APPLESS_MAIN(TestBookLookup)
#include "tst_booklookup.moc"
