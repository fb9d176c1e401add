#include "amounttext.h"

#include <QTest>

class TestAmountText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void normalisedAmounts_data();
    void normalisedAmounts();
    void notNumbers_data();
    void notNumbers();
    void twoDecimals_data();
    void twoDecimals();
};

void TestAmountText::normalisedAmounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("amount");

    QTest::newRow("empty") << "" << "0,00";
    QTest::newRow("blanks between thousands") << "1 234,5" << "1.234,50";
    QTest::newRow("no-break space between thousands") << QString("1\u00a0234,5") << "1.234,50";
    QTest::newRow("already written so") << "1.234,56" << "1.234,56";
    QTest::newRow("negative") << "-12,5" << "-12,50";
    QTest::newRow("decimal point") << "1234.56" << "1.234,56";
    QTest::newRow("three decimals after a long whole part") << "1234.500" << "1.234,50";
    QTest::newRow("single thousands dot") << "1.234" << "1.234,00";
    QTest::newRow("single thousands comma") << "12,345" << "12.345,00";
    QTest::newRow("three decimals after zero") << "0.500" << "0,50";
    QTest::newRow("comma thousands, point decimals") << "1,234.56" << "1.234,56";
    QTest::newRow("dot thousands, comma decimals") << "1.234.567,8" << "1.234.567,80";
    QTest::newRow("whole number") << "1234567" << "1.234.567,00";
    QTest::newRow("rounded to two decimals") << "0,126" << "0,13";
    QTest::newRow("largest amount") << "-1000000000000000" << "-1.000.000.000.000.000,00";
}

void TestAmountText::normalisedAmounts()
{
    QFETCH(QString, text);
    QFETCH(QString, amount);
    QCOMPARE(stringBroj(text), std::optional<QString>(amount));
}

void TestAmountText::notNumbers_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("three blanks") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("currency after the number") << "12,50 EUR";
    QTest::newRow("two decimal commas") << "1,2,3";
    QTest::newRow("a repeated single mark is taken for decimals") << "1.234.567";
    QTest::newRow("exponent") << "1e5";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("too large for a double") << "1" + QString(309, u'0');
    QTest::newRow("too large for a double, negative") << "-1" + QString(309, u'0');
    QTest::newRow("beyond exact cents") << "1000000000000001";
}

void TestAmountText::notNumbers()
{
    QFETCH(QString, text);
    QCOMPARE(stringBroj(text), std::nullopt);
}

void TestAmountText::twoDecimals_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0,00";
    QTest::newRow("below a thousand") << 999.5 << "999,50";
    QTest::newRow("a thousand") << 1000.0 << "1.000,00";
    QTest::newRow("millions") << -1234567.891 << "-1.234.567,89";
    QTest::newRow("negative that rounds to zero has no sign") << -0.001 << "0,00";
}

void TestAmountText::twoDecimals()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(formatAmountNumber(number), text);
}

QTEST_APPLESS_MAIN(TestAmountText)
#include "tst_amounttext.moc"
