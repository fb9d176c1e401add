#include "sheettable.h"
#include "workbookbuilder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Both readers on workbooks whose cells the test spells out.
class TestWorkbooks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellTexts_data();
    void cellTexts();
    void usedRangeStartsAtFirstUsedCell_data() { formats(); }
    void usedRangeStartsAtFirstUsedCell();
    void formulaErrorNamesFileAndCell_data() { formats(); }
    void formulaErrorNamesFileAndCell();
    void unreadableFiles_data();
    void unreadableFiles();
    void xlsxPartsAsSpreadsheetsWriteThem();

private:
    void formats()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("xls") << ".xls";
        QTest::newRow("xlsx") << ".xlsx";
    }
    bool read(const BookSheet &sheet, const QString &suffix, SheetTable &table, QString &error)
    {
        const QString path = m_dir.filePath("book" + suffix);
        if (!writeFile(path, suffix == ".xls" ? xlsBytes(sheet) : xlsxBytes(sheet)))
            return false;
        return readSheet(path, 0, table, error);
    }

    QTemporaryDir m_dir;
};

void TestWorkbooks::cellTexts_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<BookCell>("cell");
    QTest::addColumn<bool>("system1904");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    for (const QString suffix : {".xls", ".xlsx"}) {
        const auto row = [&](const char *name) { return &QTest::newRow(qPrintable(suffix + " " + name)); };
        *row("Croatian letters") << suffix << txt("Šđčćž ŠĐČĆŽ") << false << "Šđčćž ŠĐČĆŽ" << false;
        *row("text amount") << suffix << txt("1.234,56") << false << "1.234,56" << false;
        *row("binary tail") << suffix << num(7345.6700000000001) << false << "7345,67" << true;
        *row("whole number") << suffix << num(12) << false << "12" << true;
        *row("negative fraction") << suffix << num(-0.5) << false << "-0,5" << true;
        *row("large") << suffix << num(123456789012.25) << false << "123456789012,25" << true;
        *row("small") << suffix << num(0.0000001) << false << "0,0000001" << true;
        *row("date") << suffix << date(QDate(2024, 3, 5)) << false << "05.03.2024" << false;
        *row("date 1904") << suffix << date(QDate(2024, 3, 5), true) << true << "05.03.2024" << false;
        *row("formula number") << suffix << formula(1234.5) << false << "1234,5" << true;
        *row("formula text") << suffix << formulaText("Zagreb Čakovec") << false << "Zagreb Čakovec" << false;
    }
}

void TestWorkbooks::cellTexts()
{
    QFETCH(QString, suffix);
    QFETCH(BookCell, cell);
    QFETCH(bool, system1904);
    QFETCH(QString, text);
    QFETCH(bool, number);
    // A text beside the cell keeps the used range two columns wide.
    const BookSheet sheet{.rows = {{txt("x"), cell}}, .system1904 = system1904};
    SheetTable table;
    QString error;
    QVERIFY2(read(sheet, suffix, table, error), qPrintable(error));
    QCOMPARE(table.columnCount(), 2);
    QCOMPARE(table.text(1, 0), text);
    QCOMPARE(table.isNumber(1, 0), number);
}

void TestWorkbooks::usedRangeStartsAtFirstUsedCell()
{
    QFETCH(QString, suffix);
    const BookSheet sheet{.rows = {{txt("a"), {}, txt("c")}, {}, {{}, num(2)}}, .firstRow = 2, .firstColumn = 1};
    SheetTable table;
    QString error;
    QVERIFY2(read(sheet, suffix, table, error), qPrintable(error));
    QCOMPARE(table.columnCount(), 3);
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(table.text(0, 0), "a");
    QCOMPARE(table.text(2, 0), "c");
    QCOMPARE(table.text(1, 1), "");
    QCOMPARE(table.text(1, 2), "2");
    QCOMPARE(table.sheetRow(2), 5);
}

void TestWorkbooks::formulaErrorNamesFileAndCell()
{
    QFETCH(QString, suffix);
    BookSheet sheet{.rows = {{txt("a"), txt("b")}}};
    sheet.rows.resize(7);
    sheet.rows[6] = {num(1), formulaError()};
    SheetTable table;
    QString error;
    QVERIFY(!read(sheet, suffix, table, error));
    QCOMPARE(error, "Datoteku " + QDir::toNativeSeparators(m_dir.filePath("book" + suffix))
                        + " nije moguće učitati: formula u ćeliji B7 nema izračunatu vrijednost.");
}

void TestWorkbooks::unreadableFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const BookSheet sheet{.rows = {{txt("Datum placanja"), num(1)}}};
    const QByteArray xls = xlsBytes(sheet);
    QTest::newRow("not a spreadsheet") << "a.xls" << QByteArray("Datum;Iznos\r\n1;2\r\n") << "nije ispravna Excel tablica (.xls)";
    QTest::newRow("xlsx renamed") << "b.xls" << xlsxBytes(sheet) << "nije ispravna Excel tablica (.xls)";
    QTest::newRow("truncated xls") << "c.xls" << xls.left(xls.size() / 2) << "nije ispravna Excel tablica (.xls)";
    QTest::newRow("xls renamed") << "d.xlsx" << xls << "nije ispravna Excel tablica (.xlsx)";
    QTest::newRow("zip without workbook") << "e.xlsx" << zipBytes({{"readme.txt", "x"}}) << "nije ispravna Excel tablica (.xlsx)";
    QTest::newRow("broken sheet xml")
        << "f.xlsx"
        << zipBytes({{"xl/workbook.xml", "<workbook xmlns:r=\"urn:r\"><sheets><sheet r:id=\"rId1\"/></sheets></workbook>"},
                     {"xl/_rels/workbook.xml.rels", "<Relationships><Relationship Id=\"rId1\" Target=\"s.xml\"/></Relationships>"},
                     {"xl/s.xml", "<worksheet><sheetData><row><c><v>1</v></row>"}})
        << "nije ispravna Excel tablica (.xlsx)";
    QTest::newRow("missing xls") << "g.xls" << QByteArray() << "datoteka se ne može otvoriti";
    QTest::newRow("missing xlsx") << "h.xlsx" << QByteArray() << "datoteka se ne može otvoriti";
    QTest::newRow("folder named as a workbook") << "folder.xls" << QByteArray() << "datoteka se ne može pročitati";
}

void TestWorkbooks::unreadableFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(name);
    if (name.startsWith("folder"))
        QVERIFY(QDir(m_dir.path()).mkdir(name));
    else if (!bytes.isEmpty())
        QVERIFY(writeFile(path, bytes));
    SheetTable table(1, 1);
    table.setText(0, 0, "before");
    QString error;
    QVERIFY(!readSheet(path, 0, table, error));
    QCOMPARE(error, "Datoteku " + QDir::toNativeSeparators(path) + " nije moguće učitati: " + reason + ".");
    QCOMPARE(table.text(0, 0), "before");
}

// What spreadsheet applications write beyond the builder: inline strings,
// rich-text runs with phonetic hints, cells without references, booleans,
// an absolute relationship target, a custom date format and the 1904 system.
void TestWorkbooks::xlsxPartsAsSpreadsheetsWriteThem()
{
    const QString path = m_dir.filePath("parts.xlsx");
    QVERIFY(writeFile(path, zipBytes({
        {"xl/workbook.xml", "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                            "<workbookPr date1904=\"true\"/><sheets><sheet name=\"A\" r:id=\"rId7\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"rId7\" Target=\"/xl/worksheets/first.xml\"/></Relationships>"},
        {"xl/sharedStrings.xml", "<sst><si><r><t>Dobav</t></r><r><t>ljac</t></r><rPh><t>x</t></rPh></si></sst>"},
        {"xl/styles.xml", "<styleSheet><numFmts><numFmt numFmtId=\"170\" formatCode=\"d/m/yyyy;@\"/></numFmts>"
                          "<cellStyleXfs><xf numFmtId=\"170\"/></cellStyleXfs>"
                          "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"170\"/><xf numFmtId=\"4\"/></cellXfs></styleSheet>"},
        {"xl/worksheets/first.xml",
         "<worksheet><sheetData><row r=\"2\"><c t=\"s\"><v>0</v></c><c t=\"inlineStr\"><is><t>Čvor</t></is></c>"
         "<c t=\"b\"><v>1</v></c></row><row><c s=\"1\"><v>0</v></c><c s=\"2\"><v>1500.5</v></c></row>"
         "</sheetData></worksheet>"},
    })));
    SheetTable table;
    QString error;
    QVERIFY2(readSheet(path, 0, table, error), qPrintable(error));
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.text(0, 0), "Dobavljac");
    QCOMPARE(table.text(1, 0), "Čvor");
    QCOMPARE(table.text(2, 0), "TRUE");
    QCOMPARE(table.text(0, 1), "01.01.1904");
    QCOMPARE(table.text(1, 1), "1500,5");
    QCOMPARE(table.sheetRow(0), 2);
}

QTEST_GUILESS_MAIN(TestWorkbooks)
#include "tst_workbooks.moc"
