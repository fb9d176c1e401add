#include "companynumbers.h"
#include "textgrid.h"

#include <QTest>

namespace {

// A register whose data rows hold these numbers and names, one row per pair.
TextGrid registerOf(const QStringList &numbers, const QStringList &names)
{
    TextGrid grid(64, 5, static_cast<int>(numbers.size()) + 1);
    grid.setCell(0, 0, "Šifra");
    grid.setCell(1, 0, "Naziv");
    for (int i = 0; i < numbers.size(); ++i) {
        grid.setCell(0, i + 1, numbers[i]);
        grid.setCell(1, i + 1, names.value(i));
    }
    return grid;
}

} // namespace

class TestCompanyNumbers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nextNumber_data();
    void nextNumber();
    void firstNumber_data();
    void firstNumber();
    void onlyCompanyUnnamed_data();
    void onlyCompanyUnnamed();
    void findRow_data();
    void findRow();
};

void TestCompanyNumbers::nextNumber_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("dataFiles");
    QTest::addColumn<int>("next");

    QTest::newRow("one company") << QStringList{"100"} << QStringList{} << 101;
    QTest::newRow("101 deleted from 100, 101, 102") << QStringList{"100", "102"} << QStringList{} << 103;
    QTest::newRow("102 deleted, its book stays")
        << QStringList{"100", "101"} << QStringList{"101_2012_roba_uvoz_v_10.txt", "102_2012_roba_uvoz_v_10.txt"}
        << 103;
    QTest::newRow("register ahead of the books")
        << QStringList{"100", "150"} << QStringList{"120_2013_kredit_odobrenja_v_10.txt"} << 151;
    QTest::newRow("numbers out of order") << QStringList{"105", "100", "102"} << QStringList{} << 106;
    QTest::newRow("files that are no books")
        << QStringList{"100"}
        << QStringList{"valute.txt", "p_roba_3.txt", "999.txt", "500_roba.txt", "700_12_roba_uvoz_v_10.txt",
                       "800_2012_roba_uvoz_v_10.txt.bak", "x900_2012_roba_uvoz_v_10.txt"}
        << 101;
    QTest::newRow("book name in capitals") << QStringList{"100"} << QStringList{"130_2012_ROBA_UVOZ_V_10.TXT"}
                                           << 131;
    QTest::newRow("rows without a number") << QStringList{"", "7", "abc"} << QStringList{} << 8;
}

void TestCompanyNumbers::nextNumber()
{
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, dataFiles);
    QFETCH(int, next);
    QCOMPARE(nextCompanyNumber(registerOf(numbers, {}), dataFiles), next);
}

void TestCompanyNumbers::firstNumber_data()
{
    QTest::addColumn<QStringList>("dataFiles");
    QTest::addColumn<int>("first");

    QTest::newRow("empty data folder") << QStringList{} << 100;
    QTest::newRow("books of company 100") << QStringList{"100_2012_roba_uvoz_v_10.txt", "100_2013_roba_uvoz_v_10.txt"}
                                          << 101;
    QTest::newRow("books of a register that is gone") << QStringList{"100_2012_roba_uvoz_v_10.txt",
                                                                     "104_2012_usluge_uvoz_v_10.txt"}
                                                      << 105;
    QTest::newRow("books below 100 only") << QStringList{"7_2012_roba_uvoz_v_10.txt"} << 100;
    QTest::newRow("lists only") << QStringList{"valute.txt", "p_roba_3.txt"} << 100;
}

void TestCompanyNumbers::firstNumber()
{
    QFETCH(QStringList, dataFiles);
    QFETCH(int, first);
    QCOMPARE(firstCompanyNumber(dataFiles), first);
}

void TestCompanyNumbers::onlyCompanyUnnamed_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("unnamed");

    QTest::newRow("fresh register") << QStringList{"100"} << QStringList{""} << true;
    QTest::newRow("one named company") << QStringList{"100"} << QStringList{"Lumbrac d.o.o."} << false;
    QTest::newRow("two companies, the last unnamed") << QStringList{"100", "101"} << QStringList{"Lumbrac", ""}
                                                     << false;
    QTest::newRow("two unnamed companies") << QStringList{"100", "101"} << QStringList{"", ""} << false;
}

void TestCompanyNumbers::onlyCompanyUnnamed()
{
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, names);
    QFETCH(bool, unnamed);
    QCOMPARE(onlyCompanyIsUnnamed(registerOf(numbers, names)), unnamed);
}

void TestCompanyNumbers::findRow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");

    QTest::newRow("same text") << "Karbunica Bravin d.o.o." << 6;
    QTest::newRow("other case") << "karbunica BRAVIN D.O.O." << 6;
    QTest::newRow("names differing in case: the upper one") << "Čakovec trgovina" << 3;
    QTest::newRow("Croatian letters in other case") << "ČAKOVEC TRGOVINA" << 3;
    QTest::newRow("part of a longer name above") << "Lumbrac" << 2;
    QTest::newRow("no partial match") << "Lumbrac Partneri" << 0;
    QTest::newRow("blanks count") << "Lumbrac " << 0;
    QTest::newRow("title row is not searched") << "Naziv" << 0;
    QTest::newRow("empty text, though a name is empty") << "" << 0;
}

void TestCompanyNumbers::findRow()
{
    QFETCH(QString, text);
    QFETCH(int, row);
    const TextGrid companies = registerOf(
        {"100", "101", "102", "103", "104", "105"},
        {"Lumbrac Partneri d.o.o.", "Lumbrac", "čakovec trgovina", "ČAKOVEC TRGOVINA", "", "Karbunica Bravin d.o.o."});
    QCOMPARE(findRowIgnoringCase(companies, 1, text), row);
}

QTEST_APPLESS_MAIN(TestCompanyNumbers)
#include "tst_companynumbers.moc"
