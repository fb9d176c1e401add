#include "cellfile.h"
#include "gridsupport.h"
#include "textgridmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

constexpr int kDefaultWidth = 64;

using Change = std::function<void(TextGridModel &)>;

TextGrid smallBook()
{
    return gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                  {"1", "01.02.2012", "100,00 EUR"},
                                  {"2", "03.02.2012", "7,50 USD"}});
}

void fill(TextGridModel &model, const TextGrid &grid)
{
    model.edit([&](TextGrid &held) { held = grid; });
}

} // namespace

Q_DECLARE_METATYPE(Change)


class TestTextGridModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void changes_data();
    void changes();
    void refusedChangesLeaveTheModel_data();
    void refusedChangesLeaveTheModel();
    void enteringTextReducesItToTheCodePage_data();
    void enteringTextReducesItToTheCodePage();
    void anUnchangedCellSignalsNothing();
    void theTitleRowIsTheHorizontalHeader();
    void aChangedWidthIsSignalled();
};

void TestTextGridModel::changes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<TextGrid>("expected");

    QTest::newRow("insert rows") << Change([](TextGridModel &m) { QVERIFY(m.insertRows(2, 2)); })
                                 << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                           {"1", "01.02.2012", "100,00 EUR"},
                                                           {},
                                                           {},
                                                           {"2", "03.02.2012", "7,50 USD"}});
    QTest::newRow("append rows") << Change([](TextGridModel &m) { m.setRowCount(4); })
                                 << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                           {"1", "01.02.2012", "100,00 EUR"},
                                                           {"2", "03.02.2012", "7,50 USD"},
                                                           {}});
    QTest::newRow("remove a row") << Change([](TextGridModel &m) { QVERIFY(m.removeRows(1, 1)); })
                                  << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                            {"2", "03.02.2012", "7,50 USD"}});
    QTest::newRow("cut rows") << Change([](TextGridModel &m) { m.setRowCount(1); })
                              << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"}});
    QTest::newRow("insert a column") << Change([](TextGridModel &m) { QVERIFY(m.insertColumns(1, 1)); })
                                     << gridOf({40, 64, 80, 150}, {{"R. br.", "", "Datum", "Iznos"},
                                                                   {"1", "", "01.02.2012", "100,00 EUR"},
                                                                   {"2", "", "03.02.2012", "7,50 USD"}});
    QTest::newRow("remove columns") << Change([](TextGridModel &m) { QVERIFY(m.removeColumns(0, 2)); })
                                    << gridOf({150}, {{"Iznos"}, {"100,00 EUR"}, {"7,50 USD"}});
    QTest::newRow("set data") << Change([](TextGridModel &m) { QVERIFY(m.setData(m.index(2, 1), "04.02.2012", Qt::EditRole)); })
                              << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                        {"1", "01.02.2012", "100,00 EUR"},
                                                        {"2", "04.02.2012", "7,50 USD"}});
    QTest::newRow("set a title") << Change([](TextGridModel &m) { m.setCell(2, 0, "Iznos u valuti"); })
                                 << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos u valuti"},
                                                           {"1", "01.02.2012", "100,00 EUR"},
                                                           {"2", "03.02.2012", "7,50 USD"}});
    QTest::newRow("reset by clearing the entries") << Change([](TextGridModel &m) {
        m.edit([](TextGrid &grid) { grid.clearRows(1, grid.rowCount() - 1); });
    }) << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"}, {}, {}});
    QTest::newRow("reset by loading") << Change([](TextGridModel &m) {
        m.edit([](TextGrid &grid) { QVERIFY(readCellBytes("2,4\r\ncw 1,90\r\n1,3,x\r\n", grid)); });
    }) << gridOf({40, 90}, {{"R. br.", "Datum"}, {"1", "01.02.2012"}, {"2", "03.02.2012"}, {"", "x"}});
}

void TestTextGridModel::changes()
{
    QFETCH(Change, change);
    QFETCH(TextGrid, expected);
    TextGridModel model(kDefaultWidth);
    fill(model, smallBook());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    change(model);
    QCOMPARE(model.grid(), expected);
}

void TestTextGridModel::refusedChangesLeaveTheModel_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("insert past the end") << Change([](TextGridModel &m) { QVERIFY(!m.insertRows(4, 1)); });
    QTest::newRow("remove past the end") << Change([](TextGridModel &m) { QVERIFY(!m.removeRows(2, 2)); });
    QTest::newRow("remove no columns") << Change([](TextGridModel &m) { QVERIFY(!m.removeColumns(0, 0)); });
    QTest::newRow("insert under a cell") << Change([](TextGridModel &m) {
        QVERIFY(!m.insertColumns(0, 1, m.index(1, 1)));
    });
    QTest::newRow("set data outside") << Change([](TextGridModel &m) { QVERIFY(!m.setData(m.index(3, 0), "x", Qt::EditRole)); });
    QTest::newRow("set data in another role") << Change([](TextGridModel &m) {
        QVERIFY(!m.setData(m.index(1, 1), "x", Qt::ToolTipRole));
    });
}

void TestTextGridModel::refusedChangesLeaveTheModel()
{
    QFETCH(Change, change);
    TextGridModel model(kDefaultWidth);
    fill(model, smallBook());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    change(model);
    QCOMPARE(model.grid(), smallBook());
}

void TestTextGridModel::enteringTextReducesItToTheCodePage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("Croatian letters stay") << "Čakovec, Đakovo, Šibenik" << "Čakovec, Đakovo, Šibenik";
    QTest::newRow("accent the code page lacks") << "Crème à la carte" << "Creme a la carte";
    QTest::newRow("Cyrillic") << "Москва d.o.o." << "?????? d.o.o.";
    QTest::newRow("line breaks stay") << "1,00 EUR\r\n2,00 USD" << "1,00 EUR\r\n2,00 USD";
}

void TestTextGridModel::enteringTextReducesItToTheCodePage()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    TextGridModel model(kDefaultWidth);
    fill(model, smallBook());
    QVERIFY(model.setData(model.index(1, 2), typed, Qt::EditRole));
    model.setCell(2, 2, typed);
    QCOMPARE(model.cell(2, 1), kept);
    QCOMPARE(model.data(model.index(2, 2), Qt::DisplayRole).toString(), kept);
}

void TestTextGridModel::anUnchangedCellSignalsNothing()
{
    TextGridModel model(kDefaultWidth);
    fill(model, gridOf({40, 80}, {{"R. br.", "Partner"}, {"1", "Creme d.o.o."}}));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setCell(1, 1, "Crème d.o.o.");
    QCOMPARE(changed.count(), 0);
    model.setCell(1, 1, "Čokolada d.o.o.");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model.index(1, 1));
    QCOMPARE(changed[0][1].toModelIndex(), model.index(1, 1));
}

void TestTextGridModel::theTitleRowIsTheHorizontalHeader()
{
    TextGridModel model(kDefaultWidth);
    fill(model, smallBook());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList titles{"R. br.", "Datum", "Iznos"};
    for (int c = 0; c < titles.size(); ++c)
        QCOMPARE(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), titles[c]);

    QSignalSpy headerChanged(&model, &QAbstractItemModel::headerDataChanged);
    model.setCell(1, 0, "Datum unosa");
    QCOMPARE(headerChanged.count(), 1);
    QCOMPARE(headerChanged[0][0].value<Qt::Orientation>(), Qt::Horizontal);
    QCOMPARE(headerChanged[0][1].toInt(), 1);
    QCOMPARE(headerChanged[0][2].toInt(), 1);
    QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Datum unosa");

    model.setCell(1, 1, "05.02.2012");
    QCOMPARE(headerChanged.count(), 1);
}

void TestTextGridModel::aChangedWidthIsSignalled()
{
    TextGridModel model(kDefaultWidth);
    fill(model, smallBook());
    QSignalSpy widthChanged(&model, &TextGridModel::columnWidthChanged);
    model.setColumnWidth(2, 150);
    QCOMPARE(widthChanged.count(), 0);
    model.setColumnWidth(1, 95);
    QCOMPARE(widthChanged.count(), 1);
    QCOMPARE(widthChanged[0][0].toInt(), 1);
    QCOMPARE(widthChanged[0][1].toInt(), 95);
    QCOMPARE(model.grid().columnWidth(1), 95);
}

QTEST_APPLESS_MAIN(TestTextGridModel)
#include "tst_textgridmodel.moc"
