#include "fieldtexts.h"
#include "runningnumbers.h"
#include "textgrid.h"

#include <QTest>

Q_DECLARE_METATYPE(SubFieldText)

class TestEntryRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void runningNumbers_data();
    void runningNumbers();
    void onlyEntryWithoutItsNumberStaysAnEntry();
    void unreadableRunningNumber();
    void wrappingTitles_data();
    void wrappingTitles();
    void compositeLines_data();
    void compositeLines();
    void dates_data();
    void dates();
    void typedDates_data();
    void typedDates();
};

void TestEntryRules::runningNumbers_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("appendRow");

    QTest::newRow("book without entries") << QStringList{""} << 1 << 1 << false;
    QTest::newRow("one entry") << QStringList{"1"} << 2 << 2 << true;
    QTest::newRow("gaps stay") << QStringList{"1", "2", "5"} << 4 << 6 << true;
    QTest::newRow("after the last row was deleted") << QStringList{"1", "2", "5"} << 4 << 6 << true;
    QTest::newRow("not in order") << QStringList{"7", "3"} << 3 << 8 << true;
    QTest::newRow("an emptied row counts as 0") << QStringList{"4", ""} << 3 << 5 << true;
    QTest::newRow("row 1's number emptied, other entries follow") << QStringList{"", "2"} << 3 << 3 << true;
}

void TestEntryRules::runningNumbers()
{
    QFETCH(QStringList, numbers);
    QFETCH(int, row);
    QFETCH(int, number);
    QFETCH(bool, appendRow);

    TextGrid book(80, 14, static_cast<int>(numbers.size()) + 1);
    for (int r = 0; r < numbers.size(); ++r)
        book.setCell(0, r + 1, numbers[r]);
    QString error;
    const std::optional<NewEntry> entry = nextEntry(book, error);
    QVERIFY(entry);
    QCOMPARE(entry->row, row);
    QCOMPARE(entry->number, number);
    QCOMPARE(entry->appendRow, appendRow);
}

void TestEntryRules::onlyEntryWithoutItsNumberStaysAnEntry()
{
    TextGrid book(80, 14, 2);
    book.setCell(3, 1, "Partner d.o.o.");
    QVERIFY(!hasNoEntries(book));
    QString error;
    const std::optional<NewEntry> entry = nextEntry(book, error);
    QVERIFY(entry);
    QCOMPARE(entry->row, 2);
    QCOMPARE(entry->number, 1);
    QVERIFY(entry->appendRow);

    book.setCell(3, 1, "");
    QVERIFY(hasNoEntries(book));
}

void TestEntryRules::unreadableRunningNumber()
{
    TextGrid book(80, 3, 3);
    book.setCell(0, 1, "1");
    book.setCell(0, 2, "x2");
    QString error;
    QVERIFY(!nextEntry(book, error));
    QCOMPARE(error, "Redni broj u 2. retku nije broj: \"x2\"");
}

void TestEntryRules::wrappingTitles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("hint");

    const QString fifty(50, 'a');
    QTest::newRow("50 characters unchanged") << fifty << fifty;
    QTest::newRow("no blank after position 49") << QString(120, 'b') << QString(120, 'b') + "\r\n";
    QTest::newRow("broken after the blank")
        << QString(49, 'c') + " dd ee" << QString(49, 'c') + " \r\ndd ee\r\n";
    QTest::newRow("a blank before 49 does not count")
        << "ab " + QString(60, 'x') << "ab " + QString(60, 'x') + "\r\n";

    QString many;
    QString tenLines;
    for (int i = 0; i < 12; ++i) {
        const QString line = QString(49, QChar('a' + i)) + ' ';
        many += line;
        if (i < 10)
            tenLines += line + "\r\n";
    }
    QTest::newRow("at most ten lines") << many << tenLines;
}

void TestEntryRules::wrappingTitles()
{
    QFETCH(QString, title);
    QFETCH(QString, hint);
    QCOMPARE(PrelomiTekst(title), hint);
}

void TestEntryRules::compositeLines_data()
{
    QTest::addColumn<QList<SubFieldText>>("parts");
    QTest::addColumn<QString>("line");

    QTest::newRow("payment") << QList<SubFieldText>{{"15.03.2012"}, {"1.500,00 USD"}, {"virman", true}}
                             << "15.03.2012; 1.500,00 USD; virman";
    QTest::newRow("empty middle text drops its separator")
        << QList<SubFieldText>{{"15.03.2012"}, {"", true}, {"virman", true}} << "15.03.2012; virman";
    QTest::newRow("empty last text leaves the separator")
        << QList<SubFieldText>{{"15.03.2012"}, {"0,00 HRK"}, {"", true}} << "15.03.2012; 0,00 HRK; ";
    QTest::newRow("all texts empty") << QList<SubFieldText>{{"", true}, {"", true}} << "";
    QTest::newRow("one date") << QList<SubFieldText>{{"01.02.2012"}} << "01.02.2012";
}

void TestEntryRules::compositeLines()
{
    QFETCH(QList<SubFieldText>, parts);
    QFETCH(QString, line);
    QCOMPARE(compositeLine(parts), line);
}

void TestEntryRules::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");

    QTest::newRow("short date") << "01.02.2012" << QDate(2012, 2, 1);
    QTest::newRow("without zeros") << "1.2.2012" << QDate(2012, 2, 1);
    QTest::newRow("trailing dot") << "15.03.2012." << QDate(2012, 3, 15);
    QTest::newRow("not a date") << "2012-03-15" << QDate();
    QTest::newRow("no such day") << "31.02.2012" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestEntryRules::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(readDateText(text), date);
    if (date.isValid())
        QCOMPARE(readDateText(dateText(date)), date);
}

void TestEntryRules::typedDates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QDate>("date");

    QTest::newRow("as the field shows it") << "15.03.2026" << true << QDate(2026, 3, 15);
    QTest::newRow("without zeros") << "15.3.2026" << true << QDate(2026, 3, 15);
    QTest::newRow("eight digits") << "15032026" << true << QDate(2026, 3, 15);
    QTest::newRow("blanks around") << " 1.2.2012. " << true << QDate(2012, 2, 1);
    QTest::newRow("empty is the empty date") << "" << true << QDate();
    QTest::newRow("blanks are the empty date") << "   " << true << QDate();
    QTest::newRow("eight digits, no such day") << "31022026" << false << QDate();
    QTest::newRow("seven digits") << "1532026" << false << QDate();
    QTest::newRow("year first") << "2026-03-15" << false << QDate();
    QTest::newRow("letters") << "jučer" << false << QDate();
}

void TestEntryRules::typedDates()
{
    QFETCH(QString, typed);
    QFETCH(bool, readable);
    QFETCH(QDate, date);

    const std::optional<QDate> read = readTypedDate(typed);
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(*read, date);
}

QTEST_APPLESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
