#include "codepage.h"

#include <QTest>

class TestCodePage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteComesBackUnchanged();
    void croatianLetters();
    void reducing_data();
    void reducing();
};

void TestCodePage::everyByteComesBackUnchanged()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decodeCp1250(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encodeCp1250(text), all);
    // The five bytes the code page leaves undefined survive too.
    for (int b : {0x81, 0x83, 0x88, 0x90, 0x98})
        QVERIFY(fitsCp1250(text.at(b)));
}

void TestCodePage::croatianLetters()
{
    const QByteArray bytes("\xE8\xE6\xF0\x9A\x9E\xC8\xC6\xD0\x8A\x8E", 10);
    const QString letters = QStringLiteral("čćđšžČĆĐŠŽ");
    QCOMPARE(decodeCp1250(bytes), letters);
    QCOMPARE(encodeCp1250(letters), bytes);
    QCOMPARE(encodeCp1250(QStringLiteral("€")), QByteArray("\x80"));
}

void TestCodePage::reducing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("code page letters stay") << "Čačak d.o.o. € §" << "Čačak d.o.o. € §";
    QTest::newRow("accent the code page lacks") << "à la carte" << "a la carte";
    QTest::newRow("tilde") << "España" << "Espana";
    QTest::newRow("capital with grave") << "ÀÈ" << "AE";
    QTest::newRow("no base letter") << "Ørsted" << "?rsted";
    QTest::newRow("cyrillic") << "Жито" << "????";
    QTest::newRow("outside the basic plane is one character") << "a😀b" << "a?b";
    QTest::newRow("line breaks and tabs stay") << "a\r\nb\tc" << "a\r\nb\tc";
    QTest::newRow("end-of-file mark") << QString("a") + QChar(0x1A) + "b" << "a?b";
}

void TestCodePage::reducing()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const QString reduced = reduceToCp1250(typed);
    QCOMPARE(reduced, kept);
    QCOMPARE(decodeCp1250(encodeCp1250(reduced)), reduced);
}

QTEST_APPLESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
