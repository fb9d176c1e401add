#include "openbook.h"
#include "paths.h"
#include "textgrid.h"

#include <QTest>

class TestOpenBook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void widthsFollowTitleLength_data();
    void widthsFollowTitleLength();
    void missingNamePartsInTheirOrder_data();
    void missingNamePartsInTheirOrder();
};

void TestOpenBook::widthsFollowTitleLength_data()
{
    QTest::addColumn<int>("titleLength");
    QTest::addColumn<int>("width");

    QTest::newRow("short keeps the template's") << 30 << 95;
    QTest::newRow("80 keeps") << 80 << 95;
    QTest::newRow("81 widens") << 81 << 150;
    QTest::newRow("150") << 150 << 150;
    QTest::newRow("199") << 199 << 150;
    QTest::newRow("exactly 200 keeps") << 200 << 95;
    QTest::newRow("201 gets 200") << 201 << 200;
}

void TestOpenBook::widthsFollowTitleLength()
{
    QFETCH(int, titleLength);
    QFETCH(int, width);

    TextGrid grid(80, 3, 5);
    for (int column = 0; column < 3; ++column) {
        grid.setColumnWidth(column, 95);
        grid.setCell(column, 0, QString(titleLength, QLatin1Char('x')));
        grid.setCell(column, 3, QStringLiteral("stari red"));
    }
    layOutTemplate(grid);

    QCOMPARE(grid.rowCount(), 2);
    QCOMPARE(grid.columnWidth(0), 40); // the running number, whatever its title
    QCOMPARE(grid.columnWidth(1), width);
    QCOMPARE(grid.columnWidth(2), width);
}

void TestOpenBook::missingNamePartsInTheirOrder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("appData");
    QTest::addColumn<QString>("message");

    QTest::newRow("nothing chosen") << -1 << 0 << "" << "" << "Greška - Odabir knjige";
    QTest::newRow("no year") << 0 << 0 << "" << "" << "Greška - Odabir godine";
    QTest::newRow("no company") << 0 << 2012 << "" << "" << "Greška - Odabir društva";
    QTest::newRow("no folder") << 0 << 2012 << "100" << "" << "Greška - Application data - spremi knjigu";
    QTest::newRow("complete") << 18 << 2012 << "100" << "/podaci" << "";
}

void TestOpenBook::missingNamePartsInTheirOrder()
{
    QFETCH(int, kind);
    QFETCH(int, year);
    QFETCH(QString, company);
    QFETCH(QString, appData);
    QFETCH(QString, message);
    QCOMPARE(missingNamePart({kind, year, company}, AppFolders(appData)), message);
}

QTEST_APPLESS_MAIN(TestOpenBook)
#include "tst_openbook.moc"
