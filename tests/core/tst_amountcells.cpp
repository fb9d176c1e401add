#include "amountcells.h"

#include <QTest>

#include <cmath>

class TestAmountCells : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textOutAndIn_data();
    void textOutAndIn();
    void readingCells_data();
    void readingCells();
    void readingTypedAmounts_data();
    void readingTypedAmounts();
};

void TestAmountCells::textOutAndIn_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("euro") << 1234.5 << "EUR" << "1.234,50 EUR";
    QTest::newRow("dollars stamped") << 1500.0 << "USD" << "1.500,00 USD";
    QTest::newRow("negative pounds") << -20.0 << "GBP" << "-20,00 GBP";
    QTest::newRow("below one") << -0.5 << "EUR" << "-0,50 EUR";
    QTest::newRow("zero") << 0.0 << "HRK" << "0,00 HRK";
    QTest::newRow("plain number") << 12.5 << "" << "12,50";
    QTest::newRow("millions") << 1234567.891 << "CHF" << "1.234.567,89 CHF";
}

void TestAmountCells::textOutAndIn()
{
    QFETCH(double, value);
    QFETCH(QString, code);
    QFETCH(QString, text);

    QCOMPARE(amountText({value, code}), text);
    const std::optional<AmountValue> read = readAmountCell(text);
    QVERIFY(read);
    QCOMPARE(read->code, code);
    QCOMPARE(read->value, std::round(value * 100) / 100);
}

void TestAmountCells::readingCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("code");

    QTest::newRow("a bare number into a currency field") << "12,50" << true << 12.5 << "";
    QTest::newRow("code of three letters") << "1.234,50 EUR" << true << 1234.5 << "EUR";
    QTest::newRow("whole number with code") << "15 RSD" << true << 15.0 << "RSD";
    QTest::newRow("only a code") << "EUR" << true << 0.0 << "EUR";
    QTest::newRow("letters") << "iznos USD" << false << 0.0 << "";
    QTest::newRow("two commas") << "1,2,50" << false << 0.0 << "";
    QTest::newRow("too large for a double") << "1" + QString(309, u'0') + ",00 EUR" << false << 0.0 << "";
    QTest::newRow("beyond exact cents") << "2.000.000.000.000.000,00" << false << 0.0 << "";
}

void TestAmountCells::readingCells()
{
    QFETCH(QString, cell);
    QFETCH(bool, readable);
    QFETCH(double, value);
    QFETCH(QString, code);

    const std::optional<AmountValue> read = readAmountCell(cell);
    QCOMPARE(read.has_value(), readable);
    if (readable) {
        QCOMPARE(read->value, value);
        QCOMPARE(read->code, code);
    }
}

void TestAmountCells::readingTypedAmounts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("code");

    QTest::newRow("bare number keeps the field's code") << "1500" << true << 1500.0 << "EUR";
    QTest::newRow("decimal dot") << "1234.56" << true << 1234.56 << "EUR";
    QTest::newRow("what the field shows") << "1.500,00 EUR" << true << 1500.0 << "EUR";
    QTest::newRow("the field's code after a blank") << "1500 EUR" << true << 1500.0 << "EUR";
    QTest::newRow("another code becomes the field's") << "20,5 usd" << true << 20.5 << "USD";
    QTest::newRow("code right after the digits") << "-20GBP" << true << -20.0 << "GBP";
    QTest::newRow("trailing blanks after the code") << "7 CHF  " << true << 7.0 << "CHF";
    QTest::newRow("a word is no code") << "1500 eura" << false << 0.0 << "";
    QTest::newRow("a code alone is no amount") << "EUR" << false << 0.0 << "";
    QTest::newRow("letters") << "tisuću" << false << 0.0 << "";
}

void TestAmountCells::readingTypedAmounts()
{
    QFETCH(QString, typed);
    QFETCH(bool, readable);
    QFETCH(double, value);
    QFETCH(QString, code);

    const std::optional<AmountValue> read = readTypedAmount(typed, "EUR");
    QCOMPARE(read.has_value(), readable);
    if (readable) {
        QCOMPARE(read->value, value);
        QCOMPARE(read->code, code);
    }
}

QTEST_APPLESS_MAIN(TestAmountCells)
#include "tst_amountcells.moc"
