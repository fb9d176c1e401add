#include "bookexport.h"
#include "printing.h"
#include "catalogue.h"
#include "gridsupport.h"
#include "xlsxsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kLongPayment = "15.03.2012; 1.000,00 EUR; virman\r\n20.03.2012; 500,00 EUR; virman";

// A goods import book with every kind of cell: dates, amounts in two
// currencies and without a code, cells of date and amount columns that are
// neither, multi-line cells and Croatian letters.
TextGrid goodsBook()
{
    const QList<int> widths{40, 80, 150, 120, 120, 100, 120, 60, 230, 120, 150, 150, 120, 120};
    return gridOf(widths,
                  {{"R. br.", "Datum unosa podataka", "Oznaka i datum isprave", "Naziv tvrtke nerezidenta",
                    "Zemlja sjedišta nerezidenta", "Ugovorena vrijednost posla", "Naznaka", "Postotak provizije",
                    "Datum, iznos i način\r\nizvršenog plaćanja"},
                   {"1", "15.03.2012", "UR-1/2012", "Škoda d.d.", "Češka", "1.500,00 EUR", "Strojevi", "2,50",
                    kLongPayment},
                   {"2", "31.02.2012", "=SUM(A1:A9)", "Đurđević Žagar S.r.l.", "", "-20,00 USD", "", "1.234,50 EUR"},
                   {"3a", "1.2.2012.", "", "", "", "5 EURO", "", "EUR"}});
}

ExportHeading goodsHeading()
{
    return {{"Alfa d.o.o.", "Ilica 1", "Zagreb"}, bookTitleLine(bookKind(0)->displayName, QStringLiteral("2026"))};
}

} // namespace

class TestBookExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cells_data();
    void cells();
    void oneNumberFormatPerCurrency();
    void headerRowIsFrozenAndColumnsKeepTheirWidths();
    void sheetIsNamedAfterTheKind_data();
    void sheetIsNamedAfterTheKind();
    void titleLineSpellsOutTheBook_data();
    void titleLineSpellsOutTheBook();
    void unwritableFolderLeavesNoFile_data();
    void unwritableFolderLeavesNoFile();
    void failedExportKeepsTheOldFile();

private:
    QTemporaryDir m_dir;
    XlsxWorkbook m_goods;
};

void TestBookExport::initTestCase()
{
    const QString path = m_dir.filePath("goods.xlsx");
    QString error;
    QVERIFY2(exportBook(goodsBook(), *bookKind(0), goodsHeading(), path, error), qPrintable(error));
    m_goods = readXlsx(path);
    QVERIFY(!m_goods.cells.isEmpty());
}

void TestBookExport::cells_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("numberFormat");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("wrapped");

    const QString eur = R"(#,##0.00 "EUR")";
    QTest::newRow("company name") << "A1" << "s" << "Alfa d.o.o." << "General" << false << false;
    QTest::newRow("company address") << "A2" << "s" << "Ilica 1" << "General" << false << false;
    QTest::newRow("company place") << "A3" << "s" << "Zagreb" << "General" << false << false;
    QTest::newRow("title line") << "A5" << "s" << "Nadzorna knjiga - trgovina robom, uvoz - 2026. godina"
                                << "General" << true << false;
    QTest::newRow("column title") << "B7" << "s" << "Datum unosa podataka" << "General" << true << true;
    QTest::newRow("two-line column title") << "I7" << "s" << "Datum, iznos i način\nizvršenog plaćanja"
                                           << "General" << true << true;
    QTest::newRow("running number") << "A8" << "n" << "1" << "0" << false << false;
    QTest::newRow("date") << "B8" << "n" << "40983" << "dd.mm.yyyy" << false << false;
    QTest::newRow("date in the short form") << "B10" << "n" << "40940" << "dd.mm.yyyy" << false << false;
    QTest::newRow("no such date") << "B9" << "s" << "31.02.2012" << "General" << false << false;
    QTest::newRow("Croatian letters") << "D9" << "s" << "Đurđević Žagar S.r.l." << "General" << false << false;
    QTest::newRow("formula text stays text") << "C9" << "s" << "=SUM(A1:A9)" << "General" << false << false;
    QTest::newRow("amount in EUR") << "F8" << "n" << "1500" << eur << false << false;
    QTest::newRow("amount in USD") << "F9" << "n" << "-20" << R"(#,##0.00 "USD")" << false << false;
    QTest::newRow("amount without code") << "H8" << "n" << "2.5" << "#,##0.00" << false << false;
    QTest::newRow("second amount in EUR") << "H9" << "n" << "1234.5" << eur << false << false;
    QTest::newRow("amount that is not one") << "F10" << "s" << "5 EURO" << "General" << false << false;
    QTest::newRow("code without amount") << "H10" << "s" << "EUR" << "General" << false << false;
    QTest::newRow("running number that is not one") << "A10" << "s" << "3a" << "General" << false << false;
    QTest::newRow("multi-line cell") << "I8" << "s"
                                     << "15.03.2012; 1.000,00 EUR; virman\n20.03.2012; 500,00 EUR; virman"
                                     << "General" << false << true;
}

void TestBookExport::cells()
{
    QFETCH(QString, reference);
    QFETCH(QString, type);
    QFETCH(QString, value);
    QFETCH(QString, numberFormat);
    QFETCH(bool, bold);
    QFETCH(bool, wrapped);

    QVERIFY2(m_goods.cells.contains(reference), qPrintable(reference));
    const XlsxCell cell = m_goods.cells.value(reference);
    QCOMPARE(cell.type, type);
    if (type == "n")
        QCOMPARE(cell.value.toDouble(), value.toDouble());
    else
        QCOMPARE(cell.value, value);
    const XlsxStyle style = m_goods.styleOf(reference);
    QCOMPARE(style.numberFormat, numberFormat);
    QCOMPARE(style.bold, bold);
    QCOMPARE(style.wrapped, wrapped);
}

void TestBookExport::oneNumberFormatPerCurrency()
{
    QCOMPARE(m_goods.cells.value("F8").style, m_goods.cells.value("H9").style);
    QVERIFY(m_goods.cells.value("F8").style != m_goods.cells.value("F9").style);
    // Empty cells stay empty: no cell, not an empty text or a zero.
    for (const QString reference : {"A4", "A6", "E9", "G9", "C10"})
        QVERIFY2(!m_goods.cells.contains(reference), qPrintable(reference));
    QCOMPARE(m_goods.cells.lastKey(), "I8"); // nothing past the book
}

void TestBookExport::headerRowIsFrozenAndColumnsKeepTheirWidths()
{
    QCOMPARE(m_goods.frozenTopLeft, "A8");
    const QList<int> pixels{40, 80, 150, 120, 120, 100, 120, 60, 230, 120, 150, 150, 120, 120};
    for (int column = 0; column < pixels.size(); ++column)
        QCOMPARE(widthInPixels(m_goods.columnWidths.value(column + 1)), pixels[column]);
}

void TestBookExport::sheetIsNamedAfterTheKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("sheetName");

    QTest::newRow("goods import") << 0 << "NK - trgovina robom, uvoz";
    QTest::newRow("turnover abroad, Croatian letter") << 18 << "NK - prometa po računu u inozem";
    QTest::newRow("insurance, cut to 31") << 10 << "NK - za premije i isplate u sve";
}

void TestBookExport::sheetIsNamedAfterTheKind()
{
    QFETCH(int, kind);
    QFETCH(QString, sheetName);

    const QString path = m_dir.filePath(QString("kind%1.xlsx").arg(kind));
    QString error;
    QVERIFY2(exportBook(gridOf({40}, {{"R. br."}}), *bookKind(kind), {}, path, error), qPrintable(error));
    QCOMPARE(readXlsx(path).sheetNames, QStringList{sheetName});
}

void TestBookExport::titleLineSpellsOutTheBook_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("title");

    QTest::newRow("goods import") << 0 << 2012 << "Nadzorna knjiga - trgovina robom, uvoz - 2012. godina";
    QTest::newRow("deposits") << 17 << 2026 << "Nadzorna knjiga - depozitnih poslova - 2026. godina";
}

void TestBookExport::titleLineSpellsOutTheBook()
{
    QFETCH(int, kind);
    QFETCH(int, year);
    QFETCH(QString, title);

    QCOMPARE(bookTitleLine(bookKind(kind)->displayName, QString::number(year)), title);
}

void TestBookExport::unwritableFolderLeavesNoFile_data()
{
    QTest::addColumn<QString>("folder");

    QTest::newRow("missing folder") << "nema/ni/ove";
    QTest::newRow("a file where the folder should be") << "datoteka.txt";
}

void TestBookExport::unwritableFolderLeavesNoFile()
{
    QFETCH(QString, folder);

    QTemporaryDir dir;
    QFile file(dir.filePath("datoteka.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = dir.filePath(folder + "/knjiga.xlsx");
    QString error;
    QVERIFY(!exportBook(goodsBook(), *bookKind(0), goodsHeading(), path, error));
    QCOMPARE(error, "Izvoz nije uspio: datoteku " + QDir::toNativeSeparators(path)
                        + " nije moguće zapisati. Provjerite postoji li mapa i smije li se u nju pisati.");
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"datoteka.txt"});
}

void TestBookExport::failedExportKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("knjiga.xlsx");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("stara tablica");
    old.close();

    TextGrid book = goodsBook();
    book.setCell(6, 2, QString(32768, 'x'));
    QString error;
    QVERIFY(!exportBook(book, *bookKind(0), goodsHeading(), path, error));
    QCOMPARE(error, "Izvoz nije uspio: tekst ćelije (stupac \"Naznaka\", 2. redak) dulji je od 32.767 znakova, "
                    "koliko stane u ćeliju tablice.");
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), "stara tablica");
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"knjiga.xlsx"});
}

QTEST_GUILESS_MAIN(TestBookExport)
#include "tst_bookexport.moc"
