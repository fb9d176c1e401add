#include "combos.h"
#include "entryfixture.h"
#include "fieldwidgets.h"
#include "goodsbytes.h"
#include "windowsupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

class TestFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void roadOfOneEntry();
    void zeroAmountsInCompositeLines();
    void compositeLinesDropEmptyTexts_data();
    void compositeLinesDropEmptyTexts();
    void emptyDateCellShowsAnEmptyField();
    void unreadableCellsAreReportedOnce();
    void unreadableCellSurvivesPromijeni_data();
    void unreadableCellSurvivesPromijeni();
    void unreadableRowIsReportedOncePerShowing();
    void changingABookWithoutEntries();
    void entryWithoutItsRunningNumberIsKept();
    void defaultsFollowTheOpenBook();
    void fieldColours_data();
    void fieldColours();
    void columnHintsFromTitles();
    void typedCurrencyJoinsTheList();

private:
    template <typename T>
    T *field(const QString &name)
    {
        auto *found = m_entry->findChild<T *>(name);
        if (!found)
            qFatal("no field %s", qPrintable(name));
        return found;
    }
    void click(const QString &button) { field<QAbstractButton>(button)->click(); }
    void openGoodsBook();

    std::unique_ptr<EntryFixture> m_fixture;
    Tfr_nk_00 *m_entry = nullptr;
    TextGridModel *m_book = nullptr;
};

void TestFields::init()
{
    m_fixture = std::make_unique<EntryFixture>();
    m_entry = &m_fixture->entry;
    m_book = &m_fixture->book;
}

void TestFields::cleanup()
{
    m_fixture.reset();
}

void TestFields::openGoodsBook()
{
    m_entry->se_godina->setValue(2012);
    pick(m_entry->cb_drustva, 0);
    pick(m_entry->cb_nk, 0);
}

void TestFields::roadOfOneEntry()
{
    openGoodsBook();
    QVERIFY(field<QWidget>("pn_roba")->isVisible());
    QVERIFY(!field<QWidget>("pn_usluge")->isVisible());

    field<DateField>("p_roba_1")->setDate(QDate(2012, 3, 15));
    field<QLineEdit>("p_roba_2_1")->setText("Račun 12/2012");
    field<DateField>("p_roba_2_2")->setDate(QDate(2012, 3, 10));
    click("b_p_roba_2");
    field<QLineEdit>("p_roba_3")->setText("Škoda d.d.");
    field<QLineEdit>("p_roba_4")->setText("Češka");

    pick(m_entry->cb_valute, m_entry->cb_valute->findText("USD (840)"));
    QCOMPARE(m_entry->ed_valuta->text(), "USD");
    field<AmountEdit>("p_roba_5")->setValue(1500);
    click("b_p_roba_5");
    QCOMPARE(field<AmountEdit>("p_roba_5")->text(), "1.500,00 USD");

    field<DateField>("p_roba_8_1")->setDate(QDate(2012, 3, 20));
    field<AmountEdit>("p_roba_8_2")->setValue(1000);
    click("b_p_roba_8_2");
    field<QLineEdit>("p_roba_8_3")->setText("virman");
    click("b_p_roba_8");
    field<DateField>("p_roba_8_1")->setDate(QDate(2012, 3, 25));
    field<AmountEdit>("p_roba_8_2")->setValue(500);
    field<QLineEdit>("p_roba_8_3")->clear();
    click("b_p_roba_8");
    field<QLineEdit>("p_roba_11_1")->setText("JCD-778");
    field<DateField>("p_roba_11_2")->setDate(QDate(2012, 3, 12));
    click("b_p_roba_11");

    QTest::mouseClick(m_entry->bt_dodaj, Qt::LeftButton);
    QCOMPARE(m_entry->statusText(0), "R. br.: 1");
    QCOMPARE(m_book->rowCount(), 2);

    QTest::mouseClick(m_entry->bt_isprazni, Qt::LeftButton);
    QVERIFY(field<QLineEdit>("p_roba_3")->text().isEmpty());
    QCOMPARE(field<AmountEdit>("p_roba_5")->text(), "0,00 USD");
    field<QLineEdit>("p_roba_3")->setText("Beta GmbH");
    field<QLineEdit>("p_roba_6")->setText("usluga");
    QTest::mouseClick(m_entry->bt_dodaj, Qt::LeftButton);
    QCOMPARE(m_entry->statusText(0), "R. br.: 2");
    QCOMPARE(m_fixture->selection.currentIndex(), m_book->index(2, 1));

    m_fixture->selection.setCurrentIndex(m_book->index(1, 1), QItemSelectionModel::ClearAndSelect);
    m_entry->Grid_u_polja(1);
    QCOMPARE(field<AmountEdit>("p_roba_5")->amount().code, "USD");
    field<QLineEdit>("p_roba_6")->setText("izmijenjeno");
    QTest::mouseClick(m_entry->bt_promijeni, Qt::LeftButton);

    QTest::mouseClick(m_entry->bt_spremi, Qt::LeftButton);
    QCOMPARE(fileBytes(m_fixture->bookPath("100", 2012, 0)),
             "14,3\r\n" + kGoodsHead
                 + "0,1,1\r\n1,1,15.03.2012\r\n2,1,Ra\xE8un 12/2012; 10.03.2012\r\n3,1,\x8Akoda d.d.\r\n"
                   "4,1,\xC8" "e\x9Aka\r\n5,1,1.500,00 USD\r\n6,1,izmijenjeno\r\n"
                   "8,1,20.03.2012; 1.000,00 USD; virman\t\b25.03.2012; 500,00 USD; \r\n"
                   "11,1,JCD-778; 12.03.2012\r\n"
                   "0,2,2\r\n1,2,15.03.2012\r\n3,2,Beta GmbH\r\n6,2,usluga\r\n");
}

void TestFields::zeroAmountsInCompositeLines()
{
    openGoodsBook();
    field<DateField>("p_roba_8_1")->setDate(QDate(2012, 1, 2));
    field<QLineEdit>("p_roba_8_3")->setText("gotovina");
    click("b_p_roba_8");
    QCOMPARE(field<QPlainTextEdit>("p_roba_8")->toPlainText(), "02.01.2012; 0,00 EUR; gotovina");
    QTest::mouseClick(m_entry->bt_dodaj, Qt::LeftButton);
    QVERIFY(m_book->cell(5, 1).isEmpty()); // an amount of 0 writes nothing
    QCOMPARE(m_book->cell(8, 1), "02.01.2012; 0,00 EUR; gotovina");
}

void TestFields::compositeLinesDropEmptyTexts_data()
{
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("memo");

    QTest::newRow("mark given") << "Ugovor 7" << "Ugovor 7; 05.05.2012";
    QTest::newRow("empty mark and its separator dropped") << "" << "05.05.2012";
}

void TestFields::compositeLinesDropEmptyTexts()
{
    QFETCH(QString, mark);
    QFETCH(QString, memo);
    openGoodsBook();
    field<QLineEdit>("p_roba_2_1")->setText(mark);
    field<DateField>("p_roba_2_2")->setDate(QDate(2012, 5, 5));
    click("b_p_roba_2");
    QCOMPARE(field<QPlainTextEdit>("p_roba_2")->toPlainText(), memo);

    // Sub-fields keep their contents; with every text empty the line is empty.
    field<QLineEdit>("p_roba_10_1")->clear();
    field<QPlainTextEdit>("p_roba_10")->setPlainText("1; 2011");
    field<QSpinBox>("p_roba_10_2")->setValue(2012);
    click("b_p_roba_10");
    QCOMPARE(field<QPlainTextEdit>("p_roba_10")->toPlainText(), "1; 2011\n2012");
}

void TestFields::emptyDateCellShowsAnEmptyField()
{
    openGoodsBook();
    field<DateField>("p_roba_1")->setDate(QDate(2012, 6, 1));
    QTest::mouseClick(m_entry->bt_dodaj, Qt::LeftButton);
    m_book->setCell(1, 1, "");
    m_book->insertRows(2, 1);
    m_book->setCell(0, 2, "2");
    m_book->setCell(1, 2, "07.06.2012");

    m_entry->Grid_u_polja(2);
    QCOMPARE(field<DateField>("p_roba_1")->date(), QDate(2012, 6, 7));
    m_entry->Grid_u_polja(1);
    QVERIFY(field<DateField>("p_roba_1")->isEmpty());
    m_fixture->selection.setCurrentIndex(m_book->index(1, 1), QItemSelectionModel::ClearAndSelect);
    QTest::mouseClick(m_entry->bt_promijeni, Qt::LeftButton);
    QVERIFY(m_book->cell(1, 1).isEmpty());
}

void TestFields::unreadableCellsAreReportedOnce()
{
    openGoodsBook();
    m_book->setCell(0, 1, "1");
    m_book->setCell(1, 1, "15.13.2012");
    m_book->setCell(3, 1, "Partner");
    m_book->setCell(5, 1, "puno USD");
    m_book->setCell(6, 1, "naznaka");
    field<DateField>("p_roba_1")->setDate(QDate(2012, 1, 1));
    field<AmountEdit>("p_roba_5")->setValue(99);

    MessageBoxAnswerer answerer;
    m_entry->Grid_u_polja(1);
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY(answerer.texts[0].contains("1. stupac: \"15.13.2012\""));
    QVERIFY(answerer.texts[0].contains("5. stupac: \"puno USD\""));
    QVERIFY(field<DateField>("p_roba_1")->isEmpty());
    QCOMPARE(field<AmountEdit>("p_roba_5")->amount().value, 0.0);
    QCOMPARE(field<QLineEdit>("p_roba_3")->text(), "Partner");
    QCOMPARE(field<QLineEdit>("p_roba_6")->text(), "naznaka");
}

void TestFields::unreadableCellSurvivesPromijeni_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("dateCell");
    QTest::addColumn<QString>("amountCell");

    QTest::newRow("fields left alone") << false << "2012-03-15" << "puno USD";
    QTest::newRow("fields given values") << true << "20.03.2012" << "12,00 EUR";
}

// A field emptied because its cell could not be shown never erases that cell;
// a value the user puts into it is written as usual.
void TestFields::unreadableCellSurvivesPromijeni()
{
    QFETCH(bool, edited);
    QFETCH(QString, dateCell);
    QFETCH(QString, amountCell);
    openGoodsBook();
    m_book->setCell(0, 1, "1");
    m_book->setCell(1, 1, "2012-03-15");
    m_book->setCell(5, 1, "puno USD");
    m_book->setCell(6, 1, "naznaka");
    m_fixture->selection.setCurrentIndex(m_book->index(1, 1), QItemSelectionModel::ClearAndSelect);
    {
        MessageBoxAnswerer answerer;
        m_entry->Grid_u_polja(1);
        QCOMPARE(answerer.texts.size(), 1);
    }
    QVERIFY(field<DateField>("p_roba_1")->isEmpty());
    if (edited) {
        field<DateField>("p_roba_1")->setDate(QDate(2012, 3, 20));
        field<AmountEdit>("p_roba_5")->setValue(12);
    }
    field<QLineEdit>("p_roba_6")->setText("izmijenjeno");
    QTest::mouseClick(m_entry->bt_promijeni, Qt::LeftButton);

    QCOMPARE(m_book->cell(1, 1), dateCell);
    QCOMPARE(m_book->cell(5, 1), amountCell);
    QCOMPARE(m_book->cell(6, 1), "izmijenjeno");
}

void TestFields::unreadableRowIsReportedOncePerShowing()
{
    openGoodsBook();
    m_book->setCell(0, 1, "1");
    m_book->setCell(1, 1, "15.13.2012");
    m_book->insertRows(2, 1);
    m_book->setCell(0, 2, "2");
    m_book->setCell(1, 2, "01.02.2012");

    MessageBoxAnswerer answerer;
    m_entry->Grid_u_polja(1);
    m_entry->Grid_u_polja(1); // another cell of the same row clicked
    QCOMPARE(answerer.texts.size(), 1);
    m_entry->Grid_u_polja(2);
    m_entry->Grid_u_polja(1); // the row shown again
    QCOMPARE(answerer.texts.size(), 2);
    m_book->setCell(5, 1, "puno USD");
    m_entry->Grid_u_polja(1); // a new fault in the row
    QCOMPARE(answerer.texts.size(), 3);
    QVERIFY(answerer.texts[2].contains("5. stupac: \"puno USD\""));
}

void TestFields::changingABookWithoutEntries()
{
    openGoodsBook();
    field<QLineEdit>("p_roba_3")->setText("Partner");
    MessageBoxAnswerer answerer;
    QTest::mouseClick(m_entry->bt_promijeni, Qt::LeftButton);
    QCOMPARE(answerer.texts, QStringList{"Knjiga još nema zapisa. Novi zapis dodajte gumbom \"Dodaj u novi red\"."});
    QVERIFY(m_book->cell(3, 1).isEmpty());
}

// The user emptied cell (0, 1) in the book view: row 1 is still an entry.
void TestFields::entryWithoutItsRunningNumberIsKept()
{
    openGoodsBook();
    field<QLineEdit>("p_roba_3")->setText("Prvi");
    QTest::mouseClick(m_entry->bt_dodaj, Qt::LeftButton);
    field<QLineEdit>("p_roba_3")->setText("Drugi");
    QTest::mouseClick(m_entry->bt_dodaj, Qt::LeftButton);
    m_book->setCell(0, 1, "");

    field<QLineEdit>("p_roba_3")->setText("Treći");
    QTest::mouseClick(m_entry->bt_dodaj, Qt::LeftButton);
    QCOMPARE(m_book->rowCount(), 4);
    QCOMPARE(m_book->cell(3, 1), "Prvi");
    QCOMPARE(m_book->cell(0, 3), "3");
    QCOMPARE(m_book->cell(3, 3), "Treći");
    QCOMPARE(m_entry->statusText(0), "R. br.: 3");

    // "Promijeni" writes such a row too.
    m_fixture->selection.setCurrentIndex(m_book->index(1, 1), QItemSelectionModel::ClearAndSelect);
    field<QLineEdit>("p_roba_3")->setText("Prvi, izmijenjen");
    MessageBoxAnswerer answerer;
    QTest::mouseClick(m_entry->bt_promijeni, Qt::LeftButton);
    QCOMPARE(answerer.texts, QStringList{});
    QCOMPARE(m_book->cell(3, 1), "Prvi, izmijenjen");
}

// Year fields start at the open book's year, amounts in euros.
void TestFields::defaultsFollowTheOpenBook()
{
    QCOMPARE(m_entry->ed_valuta->text(), "EUR");
    QCOMPARE(m_entry->currencyCode(), "EUR");
    QCOMPARE(field<AmountEdit>("p_roba_5")->text(), "0,00 EUR");
    QCOMPARE(field<AmountEdit>("p_usluge_8_2")->text(), "0,00 EUR");
    QCOMPARE(field<AmountEdit>("p_roba_7")->text(), "0,00"); // a percentage has no code

    m_entry->se_godina->setValue(2026);
    pick(m_entry->cb_drustva, 0);
    pick(m_entry->cb_nk, 0);
    QCOMPARE(field<QSpinBox>("p_roba_10_2")->value(), 2026);
    field<QSpinBox>("p_roba_10_2")->setValue(2020);
    field<QLineEdit>("p_roba_10_1")->setText("7");
    QTest::mouseClick(m_entry->bt_isprazni, Qt::LeftButton);
    QCOMPARE(field<QSpinBox>("p_roba_10_2")->value(), 2026);
    QCOMPARE(field<QLineEdit>("p_roba_10_1")->text(), "7"); // other sub-fields keep theirs

    m_entry->se_godina->setValue(2025);
    QCOMPARE(field<QSpinBox>("p_roba_10_2")->value(), 2025);
    click("b_p_roba_10");
    QCOMPARE(field<QPlainTextEdit>("p_roba_10")->toPlainText(), "7; 2025");
}

void TestFields::fieldColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("text") << "p_roba_3" << QColor(209, 232, 250);
    QTest::newRow("amount") << "p_roba_5" << QColor(209, 232, 250);
    QTest::newRow("memo") << "p_roba_8" << QColor(209, 232, 250);
    QTest::newRow("date") << "p_roba_1" << QColor(207, 231, 250);
    QTest::newRow("sub-field") << "p_roba_2_1" << QColor(244, 244, 247);
}

void TestFields::fieldColours()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    openGoodsBook();
    QWidget *shown = field<QWidget>(name);
    if (auto *memo = qobject_cast<QPlainTextEdit *>(shown))
        shown = memo->viewport();
    const QImage image = shown->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 3), colour);
}

void TestFields::columnHintsFromTitles()
{
    openGoodsBook();
    QCOMPARE(field<QWidget>("p_roba_3")->toolTip(), "Naziv tvrtke nerezidenta");
    QCOMPARE(field<QWidget>("p_roba_12")->toolTip(),
             "Podaci o zemlji u koju se roba uvozi ili iz koje se \nroba izvozi");
    QVERIFY(field<QWidget>("p_roba_8_3")->toolTip().startsWith("Način izvršenog plaćanja ili\nnaplate"));
    QCOMPARE(field<QWidget>("b_p_roba_8")->toolTip(), "Dodaje unijete podatke u novi red donjeg polja.");
    QCOMPARE(field<QWidget>("b_p_roba_8")->property("tag").toInt(), 3);
    QCOMPARE(field<QWidget>("b_p_roba_5")->toolTip(), "Promijeni valutnu oznaku u odabranu valutu");
}

void TestFields::typedCurrencyJoinsTheList()
{
    const QString list = m_entry->folders().listFilePath("valute");
    m_entry->ed_valuta->setText("EU");
    Q_EMIT m_entry->ed_valuta->editingFinished();
    QVERIFY(!QFile::exists(list));

    m_entry->ed_valuta->setText("RSD");
    Q_EMIT m_entry->ed_valuta->editingFinished();
    QCOMPARE(m_entry->cb_valute->itemText(m_entry->cb_valute->findText("RSD") - 1), "PLN (985)");
    QCOMPARE(fileBytes(list), "AUD (036)\r\nCAD (124)\r\nCHF (756)\r\nCZK (203)\r\nDKK (208)\r\nEUR (978)\r\n"
                              "GBP (826)\r\nHRK (191)\r\nHUF (348)\r\nJPY (392)\r\nNOK (578)\r\nPLN (985)\r\n"
                              "RSD\r\nSEK (752)\r\nUSD (840)\r\n");

    m_entry->ed_valuta->clear();
    Q_EMIT m_entry->ed_valuta->editingFinished();
    QCOMPARE(m_entry->cb_valute->count(), 15);
}

QTEST_MAIN(TestFields)
#include "tst_fields.moc"
