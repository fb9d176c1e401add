#include "clientimport.h"
#include "textgridmodel.h"
#include "workbookbuilder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The payments of the three kinds: two for D-1 in table order, one without an
// amount, one for "d-1" (another case), a text amount.
BookSheet payments()
{
    return {.rows = {
        {txt("Datum placanja"), txt("x"), txt("Valuta"), txt("Iznos"), txt("Dokument"), txt("y")},
        {date(QDate(2024, 3, 10)), {}, txt("EUR"), num(100.5), txt("D-1"), {}},
        {date(QDate(2024, 3, 11)), {}, txt("EUR"), {}, txt("D-1"), {}},
        {date(QDate(2024, 3, 12)), {}, txt("EUR"), num(999), txt("d-1"), {}},
        {date(QDate(2024, 3, 13)), {}, txt("USD"), txt("1.234,56"), txt("D-1"), {}},
    }};
}

// Documents with headings in rows 0 and 1 (goods import, services) or row 0
// (goods export); an empty key ends the walk although a row follows.
BookSheet documents(int kind)
{
    if (kind == 1)
        return {.rows = {
            {txt("datum"), txt("Broj"), txt("a"), txt("b"), txt("Iznos"), txt("Kupac"), txt("JCD"), txt("JCD datum")},
            {date(QDate(2024, 3, 1)), txt("D-1"), {}, {}, formula(7345.6700000000001), txt("Kupac Čakovec"), txt("J1"), date(QDate(2024, 3, 2))},
            {date(QDate(2024, 3, 3)), txt("D-2"), {}, {}, txt("1.234,56"), txt("Drugi"), txt("J2"), txt("x")},
            {{}, {}, {}, {}, num(5), txt("ne"), {}, {}},
            {date(QDate(2024, 3, 4)), txt("D-3"), {}, {}, num(1), txt("iza praznog"), {}, {}},
        }};
    if (kind == 0)
        return {.rows = {
            {txt("r"), txt("Datum"), txt("Datum isprave"), txt("Broj"), txt("Dobavljac"), txt("Iznos"), txt("Zemlja"), txt("Podrijetlo"), txt("JCD"), txt("JCD datum")},
            {txt("podnaslov")},
            {txt("1"), date(QDate(2024, 3, 1)), date(QDate(2024, 2, 28)), txt("D-1"), txt("Šećer d.o.o."), formula(7345.6700000000001), txt("Slovenija"), txt("Italija"), txt("J1"), date(QDate(2024, 3, 2))},
            {txt("2"), date(QDate(2024, 3, 3)), date(QDate(2024, 3, 3)), txt("D-2"), txt("Drugi"), txt("1.234,56"), txt("Austrija"), txt("Austrija"), txt("J2"), txt("x")},
            {txt("3")},
            {txt("4"), {}, {}, txt("D-3")},
        }};
    return {.rows = {
        {txt("r"), txt("Datum"), txt("Datum isprave"), txt("Broj"), txt("x"), txt("Dobavljac"), txt("Zemlja"), txt("Iznos")},
        {txt("podnaslov")},
        {txt("1"), date(QDate(2024, 3, 1)), date(QDate(2024, 2, 28)), txt("D-1"), {}, txt("Usluge Đakovo"), txt("Njemačka"), num(12)},
        {txt("2"), date(QDate(2024, 3, 3)), date(QDate(2024, 3, 3)), txt("D-2"), {}, txt("Drugi"), txt("Austrija"), {}},
        {},
        {txt("4"), {}, {}, txt("D-3")},
    }};
}

const QString kPaymentLines = "10.03.2024; 100,50 EUR\r\n13.03.2024; 1.234,56 USD";

// The whole book after importing into a book without entries.
QList<QStringList> goldenRows(int kind)
{
    if (kind == 0)
        return {
            {"1", "01.03.2024", "D-1; 28.02.2024", "Šećer d.o.o.", "Slovenija", "7.345,67 EUR", "", "", kPaymentLines, "", "", "J1; 02.03.2024", "Italija", ""},
            {"2", "03.03.2024", "D-2; 03.03.2024", "Drugi", "Austrija", "1.234,56 EUR", "", "", "", "", "", "J2; x", "Austrija", ""},
        };
    if (kind == 1)
        return {
            {"1", "20.04.2024", "D-1; 01.03.2024", "Kupac Čakovec", "", "7.345,67 EUR", "", "", kPaymentLines, "", "", "J1; 02.03.2024", "", ""},
            {"2", "20.04.2024", "D-2; 03.03.2024", "Drugi", "", "1.234,56 EUR", "", "", "", "", "", "J2; x", "", ""},
        };
    return {
        {"1", "01.03.2024", "D-1; 28.02.2024", "Usluge Đakovo", "Njemačka", "12,00 EUR", "", "", kPaymentLines, "", ""},
        {"2", "03.03.2024", "D-2; 03.03.2024", "Drugi", "Austrija", "", "", "", "", "", ""},
    };
}

QList<QStringList> entries(const TextGridModel &book)
{
    QList<QStringList> rows;
    for (int r = 1; r < book.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < book.columnCount(); ++c)
            row << book.cell(c, r);
        rows << row;
    }
    return rows;
}

void makeBook(TextGridModel &book, int columns, const QList<QStringList> &rows)
{
    book.edit([&](TextGrid &grid) {
        grid.setColumnCount(columns);
        grid.setRowCount(int(rows.size()) + 1);
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                grid.setCell(c, r + 1, rows[r][c]);
    });
}

int bookColumns(int kind)
{
    return kind == 2 ? 11 : 14;
}

} // namespace

class TestClientImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void goldenRowsOfEachKind_data();
    void goldenRowsOfEachKind();
    void numbersFollowTheBook();
    void amountThatIsNoNumberAppendsNothing_data();
    void amountThatIsNoNumberAppendsNothing();
    void shapeCheck();
    void missingTablesAreNamedAsXls();
    void documentsAlreadyInTheBook();

private:
    ClientTables load(int kind, const QString &suffix, BookSheet docs, BookSheet pays = payments())
    {
        const ImportKind &k = *importKind(kind);
        const QString folder = m_dir.path() + "/" + QString::number(m_folders++);
        QDir().mkpath(folder);
        const auto bytes = [&](const BookSheet &sheet) { return suffix == ".xls" ? xlsBytes(sheet) : xlsxBytes(sheet); };
        const QString xlsSuffix = suffix == ".xls" ? "" : "x";
        writeFile(folder + "/" + k.documentFile + xlsSuffix, bytes(docs));
        writeFile(folder + "/" + k.paymentFile + xlsSuffix, bytes(pays));
        ClientTables tables;
        QString error;
        if (!loadClientTables(k, folder, tables, error))
            qWarning() << error;
        return tables;
    }

    QTemporaryDir m_dir;
    int m_folders = 0;
};

void TestClientImport::goldenRowsOfEachKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("suffix");
    for (int kind = 0; kind < 3; ++kind)
        for (const QString suffix : {".xls", ".xlsx"})
            QTest::newRow(qPrintable(QString("kind %1 %2").arg(kind).arg(suffix))) << kind << suffix;
}

void TestClientImport::goldenRowsOfEachKind()
{
    QFETCH(int, kind);
    QFETCH(QString, suffix);
    const ClientTables tables = load(kind, suffix, documents(kind));
    QVERIFY(hasExpectedShape(*importKind(kind), tables));
    QString error;
    const auto built = buildImportedRows(*importKind(kind), tables, QDate(2024, 4, 20), bookColumns(kind), error);
    QVERIFY2(built, qPrintable(error));
    QCOMPARE(built->documentNumbers, QStringList({"D-1", "D-2"}));
    TextGridModel book(80);
    makeBook(book, bookColumns(kind), {{}});
    QVERIFY(appendImportedRows(book, built->rows, error));
    QCOMPARE(entries(book), goldenRows(kind));
}

void TestClientImport::numbersFollowTheBook()
{
    const ClientTables tables = load(0, ".xls", documents(0));
    QString error;
    const auto built = buildImportedRows(*importKind(0), tables, QDate(), 14, error);
    TextGridModel book(80);
    makeBook(book, 14, {{"7", "x"}, {"3", "y"}});
    QVERIFY(appendImportedRows(book, built->rows, error));
    QCOMPARE(book.rowCount(), 5);
    QCOMPARE(book.cell(0, 3), "8");
    QCOMPARE(book.cell(0, 4), "9");
    QCOMPARE(book.cell(1, 1), "x");
    QCOMPARE(book.cell(3, 3), "Šećer d.o.o.");

    makeBook(book, 14, {{"7"}, {"abc"}});
    QVERIFY(!appendImportedRows(book, built->rows, error));
    QCOMPARE(error, "Redni broj u 2. retku nije broj: \"abc\"");
    QCOMPARE(book.rowCount(), 3);
}

void TestClientImport::amountThatIsNoNumberAppendsNothing_data()
{
    QTest::addColumn<bool>("inPayments");
    QTest::addColumn<QString>("message");
    QTest::newRow("document") << false << "Iznos u tablici usluge_uvoz.xls, u 4. retku, nije broj: \"12a\"";
    QTest::newRow("payment") << true << "Iznos u tablici uplate.xls, u 3. retku, nije broj: \"dvadeset\"";
}

void TestClientImport::amountThatIsNoNumberAppendsNothing()
{
    QFETCH(bool, inPayments);
    QFETCH(QString, message);
    BookSheet docs = documents(2);
    BookSheet pays = payments();
    if (inPayments)
        pays.rows[2][3] = txt("dvadeset"), pays.rows[2][4] = txt("D-2");
    else
        docs.rows[3][7] = txt("12a");
    const ClientTables tables = load(2, ".xls", docs, pays);
    QString error;
    QVERIFY(!buildImportedRows(*importKind(2), tables, QDate(), 11, error));
    QCOMPARE(error, message);
}

void TestClientImport::shapeCheck()
{
    const ImportKind &kind = *importKind(0);
    QVERIFY(hasExpectedShape(kind, load(0, ".xlsx", documents(0))));
    BookSheet wide = documents(0);
    wide.rows[2] << txt("višak");
    const ClientTables tooWide = load(0, ".xlsx", wide);
    QVERIFY(!hasExpectedShape(kind, tooWide));
    QCOMPARE(shapeMessage(kind, "C:/k", tooWide), "Dokumenti " + QDir::toNativeSeparators("C:/k/roba_uvoz.xlsx") + " ili "
                                                       + QDir::toNativeSeparators("C:/k/uplate.xlsx") + " nisu po propisu!");
    BookSheet heading = documents(0);
    heading.rows[0][6] = txt("zemlja");
    QVERIFY(!hasExpectedShape(kind, load(0, ".xls", heading)));
    BookSheet payHeading = payments();
    payHeading.rows[0][0] = txt("Datum plaćanja");
    QVERIFY(!hasExpectedShape(kind, load(0, ".xls", documents(0), payHeading)));
}

void TestClientImport::missingTablesAreNamedAsXls()
{
    const ImportKind &kind = *importKind(1);
    ClientTables tables;
    tables.documentFile = "keep";
    QString error;
    QVERIFY(!loadClientTables(kind, m_dir.path() + "/nema", tables, error));
    const QString folder = m_dir.path() + "/nema";
    QCOMPARE(error, "Dokument " + QDir::toNativeSeparators(folder + "/roba_izvoz.xls") + " ili "
                        + QDir::toNativeSeparators(folder + "/naplate.xls") + " ne postoji!");
    QCOMPARE(tables.documentFile, "keep");
}

void TestClientImport::documentsAlreadyInTheBook()
{
    TextGridModel book(80);
    makeBook(book, 14, {{"1", "", "D-1; 28.02.2024"}, {"2", "", "d-2; 01.01.2024"}});
    QCOMPARE(alreadyImported(book, {"D-1", "D-2", "D-1"}), QStringList({"D-1"}));
}

QTEST_GUILESS_MAIN(TestClientImport)
#include "tst_clientimport.moc"
