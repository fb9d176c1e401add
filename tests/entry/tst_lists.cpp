#include "combos.h"
#include "entryfixture.h"
#include "rememberedlists.h"
#include "windowsupport.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QSpinBox>

class TestLists : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void listedIsAnUpperCaseSubstring_data();
    void listedIsAnUpperCaseSubstring();
    void leavingAFieldLearnsItsValue();
    void emptyFieldLearnsNothing();
    void learnedInOneBookOfferedInTheOther();
    void doubleClickForgetsThePickedEntry();
    void listsComeBackSortedAfterARestart();
    void doubleClickAfterARestartRemovesNothingUnpicked();
    void switchingWindowsLearnsNothingHalfTyped();
    void hintsExplainDeleting();
    void currencyFileReplacesTheShippedList();

private:
    QLineEdit *field(const QString &name) { return m_fixture->entry.findChild<QLineEdit *>(name); }
    QComboBox *list(const QString &name) { return m_fixture->entry.findChild<QComboBox *>("cb_" + name); }
    QStringList entries(const QString &name);
    void type(const QString &name, const QString &text);
    QString listPath(const QString &name) { return m_fixture->entry.folders().listFilePath(name); }

    std::unique_ptr<EntryFixture> m_fixture;
};

void TestLists::init()
{
    m_fixture = std::make_unique<EntryFixture>();
}

void TestLists::cleanup()
{
    m_fixture.reset();
}

QStringList TestLists::entries(const QString &name)
{
    QStringList items;
    for (int i = 0; i < list(name)->count(); ++i)
        items << list(name)->itemText(i);
    return items;
}

// Typing a value and leaving the field, as a user does.
void TestLists::type(const QString &name, const QString &text)
{
    field(name)->setText(text);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(field(name), &out);
}

void TestLists::listedIsAnUpperCaseSubstring_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("listed");

    QTest::newRow("part of an entry") << "Ital" << true;
    QTest::newRow("other case") << "ITALIJA" << true;
    QTest::newRow("longer than the entry") << "Italija d.o.o." << false;
    QTest::newRow("Croatian letters of either case") << "ČEŠKA" << true;
    QTest::newRow("another country") << "Austrija" << false;
}

void TestLists::listedIsAnUpperCaseSubstring()
{
    QFETCH(QString, typed);
    QFETCH(bool, listed);
    QCOMPARE(isListed(typed, {"Italija", "Češka"}), listed);
}

void TestLists::leavingAFieldLearnsItsValue()
{
    QVERIFY(entries("p_roba_4").isEmpty());
    type("p_roba_4", "Italija");
    QCOMPARE(fileBytes(listPath("p_roba_4")), QByteArray("Italija\r\n"));
    type("p_roba_4", "Ital");
    type("p_roba_4", "ITALIJA");
    type("p_roba_4", "Italija d.o.o.");
    type("p_roba_4", "Austrija");
    // Not sorted until the next start: new entries go to the end.
    QCOMPARE(entries("p_roba_4"), QStringList({"Italija", "Italija d.o.o.", "Austrija"}));
    QCOMPARE(fileBytes(listPath("p_roba_4")), QByteArray("Italija\r\nItalija d.o.o.\r\nAustrija\r\n"));

    // The country lists of the goods books are sorted from the start.
    type("p_roba_12", "Slovenija");
    type("p_roba_12", "Austrija");
    QCOMPARE(entries("p_roba_12"), QStringList({"Austrija", "Slovenija"}));
}

void TestLists::emptyFieldLearnsNothing()
{
    type("p_usluge_3", "");
    QVERIFY(entries("p_usluge_3").isEmpty());
    QVERIFY(!QFile::exists(listPath("p_usluge_3")));
}

void TestLists::learnedInOneBookOfferedInTheOther()
{
    m_fixture->entry.se_godina->setValue(2012);
    pick(m_fixture->entry.cb_drustva, 0);
    pick(m_fixture->entry.cb_nk, 0);
    type("p_roba_3", "Škoda d.d.");
    pick(m_fixture->entry.cb_nk, 1);
    QCOMPARE(entries("p_roba_3"), QStringList{"Škoda d.d."});
    QCOMPARE(fileBytes(listPath("p_roba_3")), QByteArray("\x8Akoda d.d.\r\n"));
}

void TestLists::doubleClickForgetsThePickedEntry()
{
    type("p_roba_8_3", "virman");
    type("p_roba_8_3", "gotovina");
    type("p_roba_8_3", "kompenzacija");
    pick(list("p_roba_8_3"), 1);
    QCOMPARE(field("p_roba_8_3")->text(), "gotovina");
    field("p_roba_8_3")->setText("nešto drugo");
    QTest::mouseDClick(field("p_roba_8_3"), Qt::LeftButton);
    QVERIFY(field("p_roba_8_3")->text().isEmpty());
    QCOMPARE(entries("p_roba_8_3"), QStringList({"virman", "kompenzacija"}));
    QCOMPARE(fileBytes(listPath("p_roba_8_3")), QByteArray("virman\r\nkompenzacija\r\n"));

    // Nothing picked: the double-click only clears the field.
    field("p_roba_8_3")->setText("virman");
    QTest::mouseDClick(field("p_roba_8_3"), Qt::LeftButton);
    QCOMPARE(entries("p_roba_8_3"), QStringList({"virman", "kompenzacija"}));
}

void TestLists::listsComeBackSortedAfterARestart()
{
    {
        QFile file(listPath("p_kredit_11"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Zagreba\xE8ka banka\r\nAddiko\r\n\xC8" "akovec banka\r\nErste\r\n");
    }
    TextGridModel book(80);
    BookHistory history(&book);
    ColumnMasks masks;
    Tfr_nk_00 restarted(&book, &history, &masks);
    auto *bank = restarted.findChild<QComboBox *>("cb_p_kredit_11");
    QStringList shown;
    for (int i = 0; i < bank->count(); ++i)
        shown << bank->itemText(i);
    QCOMPARE(shown, QStringList({"Addiko", "Čakovec banka", "Erste", "Zagrebačka banka"}));

    auto *input = restarted.findChild<QLineEdit *>("p_kredit_11");
    input->setText("PBZ");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(input, &out);
    QCOMPARE(fileBytes(listPath("p_kredit_11")),
             QByteArray("Addiko\r\n\xC8" "akovec banka\r\nErste\r\nPBZ\r\nZagreba\xE8ka banka\r\n"));
}

void TestLists::doubleClickAfterARestartRemovesNothingUnpicked()
{
    const QByteArray saved = "Austrija\r\nItalija\r\nSlovenija\r\n";
    {
        QFile file(listPath("p_usluge_4"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(saved);
    }
    TextGridModel book(80);
    BookHistory history(&book);
    ColumnMasks masks;
    Tfr_nk_00 restarted(&book, &history, &masks);
    restarted.show();
    auto *country = restarted.findChild<QLineEdit *>("p_usluge_4");
    auto *countries = restarted.findChild<QComboBox *>("cb_p_usluge_4");
    QCOMPARE(countries->currentIndex(), -1);
    country->setText("Austrija");
    QTest::mouseDClick(country, Qt::LeftButton);
    QVERIFY(country->text().isEmpty());
    QCOMPARE(countries->count(), 3);
    QCOMPARE(fileBytes(listPath("p_usluge_4")), saved);

    // Once picked, an entry is the one removed.
    pick(countries, 1);
    QTest::mouseDClick(country, Qt::LeftButton);
    QCOMPARE(fileBytes(listPath("p_usluge_4")), QByteArray("Austrija\r\nSlovenija\r\n"));
}

// Typing goes on after a visit to another window; only leaving the field for
// another control of the entry window finishes it.
void TestLists::switchingWindowsLearnsNothingHalfTyped()
{
    Tfr_nk_00 &entry = m_fixture->entry;
    QApplication::setActiveWindow(&entry);
    QVERIFY(QTest::qWaitForWindowActive(&entry));
    m_fixture->entry.se_godina->setValue(2012);
    pick(entry.cb_drustva, 0);
    pick(entry.cb_nk, 0);
    QLineEdit *country = field("p_roba_4");
    country->setFocus();
    QVERIFY(country->hasFocus());
    QTest::keyClicks(country, "Ital");

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(entries("p_roba_4").isEmpty());

    QApplication::setActiveWindow(&entry);
    QVERIFY(QTest::qWaitForWindowActive(&entry));
    QVERIFY(country->hasFocus());
    QTest::keyClicks(country, "ija");
    QTest::keyClick(country, Qt::Key_Tab);
    QVERIFY(!country->hasFocus());
    QCOMPARE(entries("p_roba_4"), QStringList{"Italija"});
    QCOMPARE(fileBytes(listPath("p_roba_4")), QByteArray("Italija\r\n"));
}

void TestLists::hintsExplainDeleting()
{
    QCOMPARE(list("p_depozit_2_3")->toolTip(),
             "Padajuća lista prethodno upisanih pojmova.\nPojmovi se automatski dodaju u listu.\n=======\n"
             "Postupak brisanja pojmova iz padajuće liste:\n"
             "- dva puta kliknuti u polje za unos teksta pored padajuće liste");
    QCOMPARE(field("p_depozit_2_3")->toolTip(),
             "Naziv tvrtke nerezidenta s kojim je sklopljen posao\n=======\n"
             "Postupak brisanja pojmova iz padajuće liste:\n"
             "- dva puta kliknuti u polje za unos teksta pored padajuće liste");
}

void TestLists::currencyFileReplacesTheShippedList()
{
    QCOMPARE(m_fixture->entry.cb_valute->count(), 14);
    {
        QFile file(listPath("valute"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("USD (840)\r\nBAM\r\nEUR (978)\r\n");
    }
    TextGridModel book(80);
    BookHistory history(&book);
    ColumnMasks masks;
    Tfr_nk_00 restarted(&book, &history, &masks);
    QStringList shown;
    for (int i = 0; i < restarted.cb_valute->count(); ++i)
        shown << restarted.cb_valute->itemText(i);
    QCOMPARE(shown, QStringList({"BAM", "EUR (978)", "USD (840)"}));
}

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
