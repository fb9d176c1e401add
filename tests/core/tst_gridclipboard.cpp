#include "gridclipboard.h"

#include <QTest>

using Rows = QList<QStringList>;

class TestGridClipboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void written_data();
    void written();
    void read_data();
    void read();
    void roundTrip();
};

void TestGridClipboard::written_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("text");

    QTest::newRow("one cell") << Rows{{"1"}} << "1";
    QTest::newRow("two by two") << Rows{{"1", "a"}, {"2", "b"}} << "1\ta\n2\tb";
    QTest::newRow("empty cells keep their places") << Rows{{"", "a", ""}} << "\ta\t";
    QTest::newRow("line break quoted") << Rows{{"prvi\r\ndrugi", "x"}} << "\"prvi\r\ndrugi\"\tx";
    QTest::newRow("quotes doubled") << Rows{{"5\" disk"}} << "\"5\"\" disk\"";
    QTest::newRow("tab quoted") << Rows{{"a\tb"}} << "\"a\tb\"";
}

void TestGridClipboard::written()
{
    QFETCH(Rows, rows);
    QFETCH(QString, text);
    QCOMPARE(clipboardTextOfCells(rows), text);
}

void TestGridClipboard::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("nothing") << "" << Rows{};
    QTest::newRow("spreadsheet rows end in CR LF") << "1\ta\r\n2\tb\r\n" << Rows{{"1", "a"}, {"2", "b"}};
    QTest::newRow("last row without a line end") << "1\ta\n2\tb" << Rows{{"1", "a"}, {"2", "b"}};
    QTest::newRow("rows of different lengths") << "1\n2\tb\tc\n" << Rows{{"1"}, {"2", "b", "c"}};
    QTest::newRow("empty row between") << "1\n\n3" << Rows{{"1"}, {""}, {"3"}};
    QTest::newRow("tab at the end makes an empty cell") << "a\t" << Rows{{"a", ""}};
    QTest::newRow("LF in a quoted cell becomes CR LF") << "\"prvi\ndrugi\"\tx\n" << Rows{{"prvi\r\ndrugi", "x"}};
    QTest::newRow("doubled quotes") << "\"5\"\" disk\"" << Rows{{"5\" disk"}};
    QTest::newRow("quote inside an unquoted cell") << "5\" disk\tx" << Rows{{"5\" disk", "x"}};
    QTest::newRow("unclosed quote runs to the end") << "\"a\tb" << Rows{{"a\tb"}};
}

void TestGridClipboard::read()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QCOMPARE(cellsOfClipboardText(text), rows);
}

void TestGridClipboard::roundTrip()
{
    const Rows rows{{"1", "Kemija d.d.\r\nZagreb", ""}, {"\"Š\"", "a\tb", "1.234,50 EUR"}};
    QCOMPARE(cellsOfClipboardText(clipboardTextOfCells(rows)), rows);
}

QTEST_APPLESS_MAIN(TestGridClipboard)
#include "tst_gridclipboard.moc"
