#include "cellfile.h"
#include "combos.h"
#include "entryfixture.h"
#include "fieldpanels.h"
#include "fieldwidgets.h"
#include "windowsupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

class TestPanels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyKindFillsItsOwnBook_data();
    void everyKindFillsItsOwnBook();
    void depositDatesGoIntoTheirComposites();
    void creditContractDateComesFirst();

private:
    void open(int kind);
    template <typename T>
    T *control(const QString &name)
    {
        return m_fixture->entry.findChild<T *>(name);
    }

    std::unique_ptr<EntryFixture> m_fixture;
};

void TestPanels::init()
{
    m_fixture = std::make_unique<EntryFixture>();
}

void TestPanels::cleanup()
{
    m_fixture.reset();
}

void TestPanels::open(int kind)
{
    m_fixture->entry.se_godina->setValue(2012);
    pick(m_fixture->entry.cb_drustva, 0);
    pick(m_fixture->entry.cb_nk, kind);
}

void TestPanels::everyKindFillsItsOwnBook_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < kBookKindCount; ++kind)
        QTest::newRow(bookKind(kind)->fileCode) << kind;
}

// Every column field of the kind's panel exists with its kind of input; what
// it writes into a row it shows again from that row, and the row reaches the
// kind's own book file.
void TestPanels::everyKindFillsItsOwnBook()
{
    QFETCH(int, kind);
    open(kind);
    const PanelDef &panel = panelFor(*bookKind(kind));
    QVERIFY(control<QWidget>(panel.panelName)->isVisible());

    QStringList expected{"1"};
    for (int c = 1; c <= static_cast<int>(panel.columns.size()); ++c) {
        const QString name = fieldName(panel, c);
        switch (panel.columns[c - 1].input) {
        case Input::Text:
            QVERIFY2(control<QLineEdit>(name) && !control<AmountEdit>(name), qPrintable(name));
            control<QLineEdit>(name)->setText("Tekst " + QString::number(c) + " čćž");
            expected << "Tekst " + QString::number(c) + " čćž";
            break;
        case Input::Date:
            QVERIFY2(control<DateField>(name), qPrintable(name));
            control<DateField>(name)->setDate(QDate(2012, 1, c));
            expected << QDate(2012, 1, c).toString("dd.MM.yyyy");
            break;
        case Input::Amount:
            QVERIFY2(control<AmountEdit>(name) && control<QWidget>("b_" + name), qPrintable(name));
            control<AmountEdit>(name)->setAmount({1000.0 * c + 0.5, "EUR"});
            expected << QString::number(c) + ".000,50 EUR";
            break;
        case Input::Number:
            QVERIFY2(control<AmountEdit>(name) && !control<QWidget>("b_" + name), qPrintable(name));
            control<AmountEdit>(name)->setValue(c + 0.25);
            expected << QString::number(c) + ",25";
            break;
        case Input::Composite:
            QVERIFY2(control<QPlainTextEdit>(name), qPrintable(name));
            QCOMPARE(control<QWidget>("b_" + name)->property("tag").toInt(),
                     static_cast<int>(panel.columns[c - 1].subFields.size()));
            control<QPlainTextEdit>(name)->setPlainText("prvi red\ndrugi red");
            expected << "prvi red\r\ndrugi red";
            break;
        case Input::Year:
            QFAIL("a year is never a column");
        }
    }
    QVERIFY(!control<QWidget>(fieldName(panel, static_cast<int>(panel.columns.size()) + 1)));

    QTest::mouseClick(m_fixture->entry.bt_dodaj, Qt::LeftButton);
    QTest::mouseClick(m_fixture->entry.bt_isprazni, Qt::LeftButton);
    m_fixture->entry.Grid_u_polja(1);
    QTest::mouseClick(m_fixture->entry.bt_dodaj, Qt::LeftButton);
    QVERIFY(m_fixture->entry.bt_spremiClick());

    TextGrid saved;
    QVERIFY(readCellBytes(fileBytes(m_fixture->bookPath("100", 2012, kind)), saved));
    QCOMPARE(saved.columnCount(), bookKind(kind)->columnCount);
    QCOMPARE(saved.rowCount(), 3);
    for (int c = 0; c < saved.columnCount(); ++c) {
        QCOMPARE(saved.cell(c, 1), expected[c]);
        if (c > 0)
            QCOMPARE(saved.cell(c, 2), expected[c]);
    }
    QCOMPARE(saved.cell(0, 2), "2");
}

void TestPanels::depositDatesGoIntoTheirComposites()
{
    open(17);
    control<DateField>("p_depozit_8_1")->setDate(QDate(2012, 4, 30));
    control<DateField>("p_depozit_9_1")->setDate(QDate(2012, 5, 31));
    control<QAbstractButton>("b_p_depozit_8")->click();
    control<QAbstractButton>("b_p_depozit_9")->click();
    control<QAbstractButton>("b_p_depozit_9")->click();
    QCOMPARE(control<QPlainTextEdit>("p_depozit_8")->toPlainText(), "30.04.2012");
    QCOMPARE(control<QPlainTextEdit>("p_depozit_9")->toPlainText(), "31.05.2012\n31.05.2012");
}

void TestPanels::creditContractDateComesFirst()
{
    open(5);
    control<DateField>("p_kredit_2_1")->setDate(QDate(2012, 2, 1));
    control<QLineEdit>("p_kredit_2_2")->setText("Ugovor 44/2012");
    control<QAbstractButton>("b_p_kredit_2")->click();
    QCOMPARE(control<QPlainTextEdit>("p_kredit_2")->toPlainText(), "01.02.2012; Ugovor 44/2012");
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
