#include "catalogue.h"

#include <QTest>

class TestCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void masksFollowTheChosenKind_data();
    void masksFollowTheChosenKind();
    void noKindChosenKeepsTheMasks();
    void fileCodeAndTemplateNameDiffer_data();
    void fileCodeAndTemplateNameDiffer();
    void kindsOfAGroupShareTheirPanel();
    void displayNamesInKindOrder();
    void clientSpreadsheets();
};

void TestCatalogue::masksFollowTheChosenKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("dateColumns");
    QTest::addColumn<QList<int>>("amountColumns");

    QTest::newRow("goods import") << 0 << QList<int>{1} << QList<int>{5, 7};
    QTest::newRow("credits granted") << 4 << QList<int>{1, 12, 17} << QList<int>{5, 14};
    QTest::newRow("credits taken") << 5 << QList<int>{1, 12, 17} << QList<int>{5, 14};
    QTest::newRow("investments: column 8 is no date column") << 13 << QList<int>{1} << QList<int>{5};
    QTest::newRow("deposits: no amount column") << 17 << QList<int>{1, 10, 11} << QList<int>{};
    QTest::newRow("turnover: column 5 a date") << 18 << QList<int>{1, 5} << QList<int>{2, 6};
}

void TestCatalogue::masksFollowTheChosenKind()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, dateColumns);
    QFETCH(QList<int>, amountColumns);

    ColumnMasks current;
    KoloneFormati(0, current); // a previous choice must not linger
    KoloneFormati(kind, current);
    for (int column = 0; column < 40; ++column) {
        QCOMPARE(current.isDate(column), dateColumns.contains(column));
        QCOMPARE(current.isAmount(column), amountColumns.contains(column));
    }
}

void TestCatalogue::noKindChosenKeepsTheMasks()
{
    ColumnMasks current;
    QCOMPARE(current.dates, 0u);
    QCOMPARE(current.amounts, 0u);
    KoloneFormati(-1, current);
    QCOMPARE(current.dates, 0u);

    KoloneFormati(17, current);
    KoloneFormati(-1, current);
    KoloneFormati(19, current);
    QCOMPARE(current.dates, 0xC02u);
    QCOMPARE(current.amounts, 0u);
}

void TestCatalogue::fileCodeAndTemplateNameDiffer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("fileCode");
    QTest::addColumn<QString>("templateName");

    QTest::newRow("0") << 0 << "roba_uvoz" << "roba_uvoz";
    QTest::newRow("3") << 3 << "usluge_izvoz" << "usluge_izvoz";
    QTest::newRow("4") << 4 << "kredit_odobrenja" << "kredit_odobrenje";
    QTest::newRow("5") << 5 << "kredit_zaduzenja" << "kredit_zaduzenje";
    QTest::newRow("6") << 6 << "nekretnine_kupnja" << "nekretnine_nerezident";
    QTest::newRow("7") << 7 << "nekretnine_prodaja" << "nekretnine_rezident";
    QTest::newRow("8") << 8 << "osiguranje_ino_kredit" << "osiguranje_premije_kredit_nerezident";
    QTest::newRow("9") << 9 << "osiguranje_kod_nerezidenta" << "osiguranje_premije_nerezident";
    QTest::newRow("10") << 10 << "osiguranje_osoba_nerzd" << "osiguranje_premije_osobe_nerezident";
    QTest::newRow("11") << 11 << "vrj_ppr_kupnja" << "papiri_kupnja";
    QTest::newRow("12") << 12 << "vrj_ppr_prodaja" << "papiri_prodaja";
    QTest::newRow("13") << 13 << "ulaganja_nerzd" << "ulaganja_nerezidenta";
    QTest::newRow("14") << 14 << "ulaganja_rzd" << "ulaganja_rezidenta";
    QTest::newRow("15") << 15 << "ost_kapitalni_poslovi_naplata" << "kapital_naplata";
    QTest::newRow("16") << 16 << "ost_kapitalni_poslovi_placanje" << "kapital_placanje";
    QTest::newRow("17") << 17 << "depozitni_poslovi" << "depozit_opci";
    QTest::newRow("18") << 18 << "prometa_rn_inozemstvu" << "depozit_promet";
}

void TestCatalogue::fileCodeAndTemplateNameDiffer()
{
    QFETCH(int, kind);
    QFETCH(QString, fileCode);
    QFETCH(QString, templateName);

    const BookKind *book = bookKind(kind);
    QVERIFY(book);
    QCOMPARE(QString::fromUtf8(book->fileCode), fileCode);
    QCOMPARE(QString::fromUtf8(book->templateName), templateName);
    QCOMPARE(QString::fromUtf8(book->versionTag), QStringLiteral("v_10"));
}

void TestCatalogue::kindsOfAGroupShareTheirPanel()
{
    const QList<QList<int>> groups{{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9, 10}, {11, 12}, {13, 14}, {15, 16}, {17}, {18}};
    const QList<int> columns{14, 11, 18, 12, 9, 15, 9, 10, 12, 8};
    QSet<QByteArray> panels;
    for (qsizetype g = 0; g < groups.size(); ++g) {
        const BookKind *first = bookKind(groups[g].first());
        panels.insert(first->panelName);
        for (int kind : groups[g]) {
            QCOMPARE(QByteArray(bookKind(kind)->panelName), QByteArray(first->panelName));
            QCOMPARE(QByteArray(bookKind(kind)->fieldPrefix), QByteArray(first->fieldPrefix));
            QCOMPARE(bookKind(kind)->dateMask, first->dateMask);
            QCOMPARE(bookKind(kind)->columnCount, columns[g]);
        }
    }
    QCOMPARE(panels.size(), 10);
    QVERIFY(!bookKind(-1));
    QVERIFY(!bookKind(19));
}

void TestCatalogue::displayNamesInKindOrder()
{
    const QStringList names = bookDisplayNames();
    QCOMPARE(names.size(), 19);
    QCOMPARE(names[0], QStringLiteral("NK - trgovina robom, uvoz"));
    QCOMPARE(names[3], QStringLiteral("NK - promet pruženih usluga"));
    QCOMPARE(names[16], QStringLiteral("NK - plaćanja po osnovi ostalih kapitalnih poslova"));
    QCOMPARE(names[18], QStringLiteral("NK - prometa po računu u inozemstvu"));
}

void TestCatalogue::clientSpreadsheets()
{
    QCOMPARE(clientSpreadsheetNames(),
             QStringList({"roba_uvoz.xls", "roba_izvoz.xls", "usluge_uvoz.xls", "uplate.xls", "naplate.xls"}));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
