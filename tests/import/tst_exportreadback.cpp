#include "bookexport.h"
#include "catalogue.h"
#include "gridsupport.h"
#include "printing.h"
#include "sheettable.h"

#include <QTemporaryDir>
#include <QTest>

// An exported book read back through the import's own .xlsx reader: every
// text of the book must come back, save where a rule below says otherwise.
namespace {

constexpr int kTableTop = 6; // sheet rows above the column titles: company lines, a gap, the title, a gap

// A goods import book (date column 1, amount columns 5 and 7) with every
// kind of cell.
TextGrid goodsBook()
{
    const QList<int> widths{40, 80, 150, 120, 120, 100, 120, 60, 230};
    return gridOf(widths,
                  {{"R. br.", "Datum unosa podataka", "Oznaka i datum isprave", "Naziv tvrtke nerezidenta",
                    "Zemlja sjedišta nerezidenta", "Ugovorena vrijednost posla", "Naznaka", "Postotak provizije",
                    "Datum, iznos i način\r\nizvršenog plaćanja"},
                   {"1", "15.03.2012", "UR-1/2012", "Škoda d.d.", "Češka", "1.500,00 EUR", "Strojevi", "2,50",
                    "15.03.2012; 1.000,00 EUR; virman\r\n20.03.2012; 500,00 EUR; virman"},
                   {"2", "31.02.2012", "=SUM(A1:A9)", "Đurđević Žagar S.r.l.", "", "-20,00 USD", "", "1.234,56 EUR",
                    "čćžšđ ČĆŽŠĐ"},
                   {"3a", "1.2.2012.", "", "", "", "5 EURO", "", "EUR", "jedan\rdva"},
                   {"4", "29.02.2012", "", "", "", "1.234.567,89 USD", "", "0,00", ""}});
}

ExportHeading goodsHeading()
{
    return {{"Čakovečki mlinovi d.d.", "Mlinska 1", "Čakovec"},
            bookTitleLine(bookKind(0)->displayName, QStringLiteral("2012"))};
}

struct Expected {
    QString text;
    bool number;
};

} // namespace

class TestExportReadBack : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void headingComesBack();
    void everyBookTextComesBack();

private:
    // The rules by which a text comes back changed, as "column,row" of the book.
    static QHash<QString, Expected> changed();

    QTemporaryDir m_dir;
    TextGrid m_book = goodsBook();
    SheetTable m_sheet;
};

QHash<QString, Expected> TestExportReadBack::changed()
{
    return {
        // A spreadsheet breaks lines at LF alone, so CR LF and CR come back as LF.
        {"8,0", {"Datum, iznos i način\nizvršenog plaćanja", false}},
        {"8,1", {"15.03.2012; 1.000,00 EUR; virman\n20.03.2012; 500,00 EUR; virman", false}},
        {"8,3", {"jedan\ndva", false}},
        // A date comes back in the one form the program writes.
        {"1,3", {"01.02.2012", false}},
        // Running numbers and amounts are numbers: an amount comes back as
        // its value, without thousands or trailing zeros; its currency code
        // lives in the cell's number format, which the reader leaves aside.
        {"0,1", {"1", true}},
        {"0,2", {"2", true}},
        {"0,4", {"4", true}},
        {"5,1", {"1500", true}},
        {"5,2", {"-20", true}},
        {"5,4", {"1234567,89", true}},
        {"7,1", {"2,5", true}},
        {"7,2", {"1234,56", true}},
        {"7,4", {"0", true}},
    };
}

void TestExportReadBack::initTestCase()
{
    const QString path = m_dir.filePath("knjiga.xlsx");
    QString error;
    QVERIFY2(exportBook(m_book, *bookKind(0), goodsHeading(), path, error), qPrintable(error));
    QVERIFY2(readXlsxSheet(path, 0, m_sheet, error), qPrintable(error));
    QCOMPARE(m_sheet.sheetRow(0), 1);
    QCOMPARE(m_sheet.columnCount(), m_book.columnCount());
    QCOMPARE(m_sheet.rowCount(), kTableTop + m_book.rowCount());
}

void TestExportReadBack::headingComesBack()
{
    const QStringList column{"Čakovečki mlinovi d.d.", "Mlinska 1", "Čakovec", "",
                             "Nadzorna knjiga - trgovina robom, uvoz - 2012. godina", ""};
    for (int row = 0; row < kTableTop; ++row) {
        QCOMPARE(m_sheet.text(0, row), column[row]);
        for (int c = 1; c < m_sheet.columnCount(); ++c)
            QCOMPARE(m_sheet.text(c, row), QString());
    }
}

void TestExportReadBack::everyBookTextComesBack()
{
    const QHash<QString, Expected> rules = changed();
    for (int row = 0; row < m_book.rowCount(); ++row)
        for (int column = 0; column < m_book.columnCount(); ++column) {
            const QString where = QStringLiteral("%1,%2").arg(column).arg(row);
            const Expected expected = rules.value(where, {m_book.cell(column, row), false});
            const int sheetRow = kTableTop + row;
            QVERIFY2(m_sheet.text(column, sheetRow) == expected.text,
                     qPrintable(where + ": " + m_sheet.text(column, sheetRow)));
            QVERIFY2(m_sheet.isNumber(column, sheetRow) == expected.number, qPrintable(where));
        }
}

QTEST_GUILESS_MAIN(TestExportReadBack)
#include "tst_exportreadback.moc"
