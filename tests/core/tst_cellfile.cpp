#include "cellfile.h"
#include "gridsupport.h"
#include "testsupport.h"
#include "textgrid.h"
#include "textgridmodel.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

constexpr int kDefaultWidth = 64;

TextGrid exampleGrid()
{
    return gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"}, {"1", "01.02.2012", ""}});
}

const QByteArray kExampleBytes("3,2\r\n"
                               "cw 0,40\r\n"
                               "cw 1,80\r\n"
                               "cw 2,150\r\n"
                               "0,0,R. br.\r\n"
                               "1,0,Datum\r\n"
                               "2,0,Iznos\r\n"
                               "0,1,1\r\n"
                               "1,1,01.02.2012\r\n");

// The grid the reader tests read into: three columns, three rows, all filled.
TextGrid filledGrid()
{
    return gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                  {"1", "01.02.2012", "100,00 EUR"},
                                  {"2", "03.02.2012", "7,50 USD"}});
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace


class TestCellFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exampleGridIsWrittenAsItsNineLines();
    void exampleFileReadsBackIntoAFreshGrid();
    void escaping_data();
    void escaping();
    void charactersTheCodePageLacksAreWrittenReduced_data();
    void charactersTheCodePageLacksAreWrittenReduced();
    void reading_data();
    void reading();
    void anAbsurdHeaderIsRefused();
    void savingIntoAMissingFolderFails_data();
    void savingIntoAMissingFolderFails();
    void aFailedSaveLeavesTheOldFileWhole();
    void loadingAMissingFileLeavesTheGrid();
    void loadingARefusedFileLeavesTheGrid();
};

void TestCellFile::exampleGridIsWrittenAsItsNineLines()
{
    TempDataHome home;
    const QString path = home.path() + "/1_2012_roba_uvoz_v_10.txt";
    QVERIFY(writeBytes(path, "an older, longer book that must disappear entirely\r\n"));
    QString error;
    QVERIFY2(saveCellFile(exampleGrid(), path, error), qPrintable(error));
    QCOMPARE(fileBytes(path), kExampleBytes);
}

void TestCellFile::exampleFileReadsBackIntoAFreshGrid()
{
    TempDataHome home;
    const QString path = home.path() + "/primjer.txt";
    QVERIFY(writeBytes(path, kExampleBytes));
    TextGridModel model(kDefaultWidth);
    QString error;
    QVERIFY2(loadCellFile(model, path, error), qPrintable(error));
    QCOMPARE(model.grid(), exampleGrid());
}

void TestCellFile::escaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("CR LF") << "a\r\nb" << QByteArray("a\t\bb") << "a\r\nb";
    QTest::newRow("LF without CR is written raw") << "a\nb" << QByteArray("a\nb") << "a\nb";
    QTest::newRow("lone CR comes back as TAB") << "a\rb" << QByteArray("a\tb") << "a\tb";
    QTest::newRow("TAB beside CR LF comes back as CR") << "a\tb\r\nc" << QByteArray("a\tb\t\bc") << "a\rb\r\nc";
    QTest::newRow("TAB without CR") << "a\tb" << QByteArray("a\tb") << "a\tb";
    QTest::newRow("BS is never written, so TAB stays TAB") << "a\bb\tc" << QByteArray("a?b\tc") << "a?b\tc";
    QTest::newRow("commas") << "1.234,50 EUR, 2,00 USD" << QByteArray("1.234,50 EUR, 2,00 USD")
                            << "1.234,50 EUR, 2,00 USD";
    QTest::newRow("Croatian letters") << "čćđšž ČĆĐŠŽ" << QByteArray("\xE8\xE6\xF0\x9A\x9E \xC8\xC6\xD0\x8A\x8E")
                                      << "čćđšž ČĆĐŠŽ";
}

void TestCellFile::escaping()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QFETCH(QString, readBack);

    TextGrid grid(kDefaultWidth, 1, 2);
    grid.setCell(0, 1, text);
    const QByteArray bytes = cellFileBytes(grid);
    QCOMPARE(bytes, "1,2\r\ncw 0,64\r\n0,1," + written + "\r\n");

    TextGrid fresh(kDefaultWidth);
    QVERIFY(readCellBytes(bytes, fresh));
    QCOMPARE(fresh.cell(0, 1), readBack);
}

void TestCellFile::charactersTheCodePageLacksAreWrittenReduced_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("Cyrillic") << "Жито" << QByteArray("????");
    QTest::newRow("accent the code page lacks") << "à la" << QByteArray("a la");
    QTest::newRow("outside the basic plane") << "a😀b" << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("escaped text") << "Ж\r\n" << QByteArray("?\t\b");
    QTest::newRow("Ctrl-Z") << QString("a") + QChar(0x1A) + "b" << QByteArray("a?b");
    QTest::newRow("Ctrl-Z in escaped text") << QString("a") + QChar(0x1A) + "\r\n" << QByteArray("a?\t\b");
}

// Text set on the grid directly has not been reduced; a Ctrl-Z written for it
// would make the reader drop the rest of the book.
void TestCellFile::charactersTheCodePageLacksAreWrittenReduced()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);

    TextGrid grid(kDefaultWidth, 1, 3);
    grid.setCell(0, 1, text);
    grid.setCell(0, 2, "x");
    const QByteArray bytes = cellFileBytes(grid);
    QCOMPARE(bytes, "1,3\r\ncw 0,64\r\n0,1," + written + "\r\n0,2,x\r\n");

    TextGrid fresh(kDefaultWidth);
    QVERIFY(readCellBytes(bytes, fresh));
    QCOMPARE(fresh.cell(0, 2), QString("x"));
}

void TestCellFile::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextGrid>("expected");

    const TextGrid filled = filledGrid();
    QTest::newRow("empty file") << QByteArray() << filled;
    QTest::newRow("only Ctrl-Z") << QByteArray("\x1A" "1,1\r\n") << filled;
    QTest::newRow("Ctrl-Z ends the file") << QByteArray("3,3\r\n0,1,A\r\n1,1,B\x1A" "C\r\n2,1,D\r\n")
                                          << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                                    {"A", "B", "100,00 EUR"},
                                                                    {"2", "03.02.2012", "7,50 USD"}});
    QTest::newRow("LF inside a line") << QByteArray("3,3\r\n2,2,a\nb\n\r\n")
                                      << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                                {"1", "01.02.2012", "100,00 EUR"},
                                                                {"2", "03.02.2012", "a\nb\n"}});
    QTest::newRow("lone CR ends a line") << QByteArray("3,3\r0,1,A\r1,1,B")
                                         << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                                   {"A", "B", "100,00 EUR"},
                                                                   {"2", "03.02.2012", "7,50 USD"}});
    QTest::newRow("cells and widths the file does not list stay")
        << QByteArray("3,3\r\ncw 1,90\r\n1,2,04.02.2012\r\n")
        << gridOf({40, 90, 150}, {{"R. br.", "Datum", "Iznos"},
                                  {"1", "01.02.2012", "100,00 EUR"},
                                  {"2", "04.02.2012", "7,50 USD"}});
    QTest::newRow("column 20 of 14 is ignored")
        << QByteArray("14,3\r\ncw 20,99\r\ncw 13,70\r\n20,1,x\r\n13,1,y\r\n")
        << gridOf({40, 80, 150, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 70},
                  {{"R. br.", "Datum", "Iznos"},
                   {"1", "01.02.2012", "100,00 EUR", "", "", "", "", "", "", "", "", "", "", "y"},
                   {"2", "03.02.2012", "7,50 USD"}});
    QTest::newRow("rows beyond the header are ignored") << QByteArray("3,2\r\n0,2,x\r\n0,1,y\r\n")
                                                        << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                                                  {"y", "01.02.2012", "100,00 EUR"}});
    QTest::newRow("header 0,0 gives one column and one row") << QByteArray("0,0\r\n")
                                                             << gridOf({40}, {{"R. br."}});
    QTest::newRow("empty header keeps the counts") << QByteArray("\r\n0,2,3\r\n")
                                                   << gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                                                             {"1", "01.02.2012", "100,00 EUR"},
                                                                             {"3", "03.02.2012", "7,50 USD"}});
    QTest::newRow("blanks before numbers") << QByteArray(" 3, 3\r\ncw  2, 99\r\n 1, 2,x\r\n")
                                           << gridOf({40, 80, 99}, {{"R. br.", "Datum", "Iznos"},
                                                                    {"1", "01.02.2012", "100,00 EUR"},
                                                                    {"2", "x", "7,50 USD"}});
    QTest::newRow("a width is read from at most 255 characters")
        << "3,3\r\ncw 0," + QByteArray(255, '0') + "7\r\ncw 1," + QByteArray(254, '0') + "7\r\n"
        << gridOf({0, 7, 150}, {{"R. br.", "Datum", "Iznos"},
                                {"1", "01.02.2012", "100,00 EUR"},
                                {"2", "03.02.2012", "7,50 USD"}});
    QTest::newRow("lines without their commas are skipped") << QByteArray("3,3\r\ncw 1\r\n1\r\n1,2\r\n\r\n")
                                                            << filled;
}

void TestCellFile::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextGrid, expected);
    TextGrid grid = filledGrid();
    QVERIFY(readCellBytes(bytes, grid));
    QCOMPARE(grid, expected);
}

void TestCellFile::anAbsurdHeaderIsRefused()
{
    TextGrid grid = filledGrid();
    QVERIFY(!readCellBytes("2000000000,2000000000\r\ncw 0,1\r\n0,0,x\r\n", grid));
    QCOMPARE(grid, filledGrid());
}

void TestCellFile::savingIntoAMissingFolderFails_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing folder") << "nema/1_2012_roba_uvoz_v_10.txt";
    QTest::newRow("parent is a file") << "datoteka.txt/1_2012_roba_uvoz_v_10.txt";
}

void TestCellFile::savingIntoAMissingFolderFails()
{
    QFETCH(QString, relativePath);
    TempDataHome home;
    QVERIFY(writeBytes(home.path() + "/datoteka.txt", "0,0\r\n"));
    const QString path = home.path() + "/" + relativePath;
    QString error;
    QVERIFY(!saveCellFile(exampleGrid(), path, error));
    QCOMPARE(error, "Cannot Create " + QDir::toNativeSeparators(path));
    QVERIFY(!QFile::exists(path));
}

// Permissions do not stop root, who runs the tests; a name that leaves no
// room for the temporary file's suffix stops everyone.
void TestCellFile::aFailedSaveLeavesTheOldFileWhole()
{
    TempDataHome home;
    const QString path = home.path() + "/" + QString(250, u'k') + ".txt";
    QVERIFY(writeBytes(path, kExampleBytes));
    TextGrid changed = exampleGrid();
    changed.setCell(2, 1, "100,00 EUR");
    QString error;
    QVERIFY(!saveCellFile(changed, path, error));
    QCOMPARE(error, "Cannot Create " + QDir::toNativeSeparators(path));
    QCOMPARE(fileBytes(path), kExampleBytes);
    QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{path.section('/', -1)});
}

void TestCellFile::loadingAMissingFileLeavesTheGrid()
{
    TempDataHome home;
    const QString path = home.path() + "/nema.txt";
    TextGridModel model(kDefaultWidth);
    model.edit([](TextGrid &grid) { grid = filledGrid(); });
    QString error;
    QVERIFY(!loadCellFile(model, path, error));
    QCOMPARE(error, "Cannot open file " + QDir::toNativeSeparators(path));
    QCOMPARE(model.grid(), filledGrid());
}

void TestCellFile::loadingARefusedFileLeavesTheGrid()
{
    TempDataHome home;
    const QString path = home.path() + "/tude.txt";
    QVERIFY(writeBytes(path, "99999,99999\r\n0,0,x\r\n"));
    TextGridModel model(kDefaultWidth);
    model.edit([](TextGrid &grid) { grid = filledGrid(); });
    QString error;
    QVERIFY(!loadCellFile(model, path, error));
    QCOMPARE(error, "Datoteka nije ispravna: " + QDir::toNativeSeparators(path));
    QCOMPARE(model.grid(), filledGrid());
}

QTEST_APPLESS_MAIN(TestCellFile)
#include "tst_cellfile.moc"
