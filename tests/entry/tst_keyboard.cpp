#include "combos.h"
#include "entryfixture.h"
#include "fieldtexts.h"
#include "fieldwidgets.h"
#include "windowsupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

// The entry window driven by the keyboard alone: every key goes to whatever
// control has the focus, as a user's keys do.
class TestKeyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void wholeGoodsRowByKeyboard();
    void arrowKeysOnCommandButtonsOnlyMoveTheFocus_data();
    void arrowKeysOnCommandButtonsOnlyMoveTheFocus();
    void everyCommandButtonIsATabStop();
    void typingIntoDateFields_data();
    void typingIntoDateFields();
    void calendarPicksADate();

private:
    static QWidget *focused() { return QApplication::focusWidget(); }
    // Types the text into the control that has the focus and leaves it with Enter.
    static void enter(const QString &text)
    {
        // One key per character, letters beyond Latin-1 (č, š) included.
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    void openGoodsBook();
    void startAt(QWidget *control);

    std::unique_ptr<EntryFixture> m_fixture;
    Tfr_nk_00 *m_entry = nullptr;
};

void TestKeyboard::init()
{
    m_fixture = std::make_unique<EntryFixture>();
    m_entry = &m_fixture->entry;
    QApplication::setActiveWindow(m_entry);
    QVERIFY(QTest::qWaitForWindowActive(m_entry));
}

void TestKeyboard::cleanup()
{
    m_fixture.reset();
}

void TestKeyboard::openGoodsBook()
{
    m_entry->se_godina->setValue(2026);
    pick(m_entry->cb_drustva, 0);
    pick(m_entry->cb_nk, 0);
}

void TestKeyboard::startAt(QWidget *control)
{
    control->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), control);
}

void TestKeyboard::wholeGoodsRowByKeyboard()
{
    openGoodsBook();
    MessageBoxAnswerer answerer;
    QVERIFY(m_entry->findChild<DateField *>("p_roba_1")->isEmpty());
    startAt(m_entry->findChild<QWidget *>("p_roba_1"));

    enter("15.03.2026");       // 1, typed into the empty date field
    enter("1500 EUR");         // 5
    enter("Partner d.o.o.");   // 3
    enter("Italija");          // 4
    enter("R-12/26");          // 2_1
    enter("10032026");         // 2_2, over today's date
    enter("");                 // b_p_roba_2 adds the line
    QTest::keyClick(focused(), Qt::Key_Down);
    enter("7");                // 10_1
    enter("2025");             // 10_2
    enter("");                 // b_p_roba_10
    QTest::keyClick(focused(), Qt::Key_Down);
    enter("roba");             // 6
    enter("2,5");              // 7
    enter("Odobrenje 1/26");   // 9
    enter("20.3.2026");        // 8_1
    enter("1.500,00 EUR");     // 8_2, as the field shows an amount
    enter("virman");           // 8_3
    enter("");                 // b_p_roba_8
    QTest::keyClick(focused(), Qt::Key_Down);
    enter("JCD-99");           // 11_1
    enter("21032026");         // 11_2
    enter("");                 // b_p_roba_11
    QTest::keyClick(focused(), Qt::Key_Down);
    enter("Njemačka");         // 13
    enter("Italija");          // 12
    QCOMPARE(focused(), m_entry->bt_isprazni);
    QTest::keyClick(focused(), Qt::Key_Right);
    QTest::keyClick(focused(), Qt::Key_Return); // Dodaj u novi red
    QCOMPARE(m_entry->statusText(0), "R. br.: 1");
    QTest::keyClick(focused(), Qt::Key_Right);
    QTest::keyClick(focused(), Qt::Key_Right);
    QTest::keyClick(focused(), Qt::Key_Space); // Spremi
    QCOMPARE(answerer.texts, QStringList());

    const QByteArray bytes = fileBytes(m_fixture->bookPath("100", 2026, 0));
    QVERIFY(bytes.startsWith("14,2\r\ncw 0,40\r\n"));
    QVERIFY2(bytes.endsWith("13,0,Podaci o zemlji podrijetla robe\r\n"
                            "0,1,1\r\n1,1,15.03.2026\r\n2,1,R-12/26; 10.03.2026\r\n3,1,Partner d.o.o.\r\n"
                            "4,1,Italija\r\n5,1,1.500,00 EUR\r\n6,1,roba\r\n7,1,2,50\r\n"
                            "8,1,20.03.2026; 1.500,00 EUR; virman\r\n9,1,Odobrenje 1/26\r\n10,1,7; 2025\r\n"
                            "11,1,JCD-99; 21.03.2026\r\n12,1,Italija\r\n13,1,Njema\xE8ka\r\n"),
             bytes.mid(bytes.indexOf("0,1,")).constData());
}

void TestKeyboard::arrowKeysOnCommandButtonsOnlyMoveTheFocus_data()
{
    QTest::addColumn<QString>("button");
    for (const char *name : {"bt_isprazni", "bt_dodaj", "bt_promijeni", "bt_spremi", "bt_ispis"})
        QTest::newRow(name) << name;
}

void TestKeyboard::arrowKeysOnCommandButtonsOnlyMoveTheFocus()
{
    QFETCH(QString, button);
    const QString path = m_fixture->bookPath("100", 2026, 0);
    openGoodsBook();
    m_fixture->book.setCell(0, 1, "1");
    m_fixture->book.setCell(3, 1, "Partner");
    QVERIFY(m_entry->bt_spremiClick());
    const QByteArray saved = fileBytes(path);
    m_entry->Grid_u_polja(1);
    m_entry->findChild<QLineEdit *>("p_roba_3")->setText("Drugi partner");
    const TextGrid before = m_fixture->book.grid();

    MessageBoxAnswerer answerer;
    auto *pressed = m_entry->findChild<QPushButton *>(button);
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        startAt(pressed);
        QTest::keyClick(focused(), key);
        QVERIFY2(focused() != pressed, qPrintable(QStringLiteral("key %1").arg(key)));
    }
    QCOMPARE(answerer.texts, QStringList());
    QVERIFY(m_fixture->book.grid() == before);
    QCOMPARE(m_fixture->book.rowCount(), 2);
    QCOMPARE(m_entry->findChild<QLineEdit *>("p_roba_3")->text(), "Drugi partner");
    QCOMPARE(fileBytes(path), saved);
    QVERIFY(m_entry->bookChanged() == false);
}

void TestKeyboard::everyCommandButtonIsATabStop()
{
    openGoodsBook();
    const QList<QPushButton *> buttons{m_entry->bt_isprazni, m_entry->bt_dodaj, m_entry->bt_promijeni,
                                       m_entry->bt_spremi, m_entry->bt_ispis};
    startAt(buttons.first());
    for (QPushButton *next : buttons.mid(1)) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), next);
    }
    for (qsizetype back = buttons.size() - 2; back >= 0; --back) {
        QTest::keyClick(focused(), Qt::Key_Left);
        QCOMPARE(focused(), buttons[back]);
    }
    // Enter gives the focused button's command.
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(m_entry->statusText(0), "R. br.: 1");
}

void TestKeyboard::typingIntoDateFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("reported");

    QTest::newRow("into an empty field") << "p_roba_1" << "" << "15.03.2026" << "15.03.2026" << false;
    QTest::newRow("without zeros") << "p_roba_1" << "01.01.2026" << "15.3.2026" << "15.03.2026" << false;
    QTest::newRow("eight digits") << "p_roba_8_1" << "" << "15032026" << "15.03.2026" << false;
    QTest::newRow("deleting empties the field") << "p_roba_2_2" << "01.01.2026" << "" << "" << false;
    QTest::newRow("no date keeps the date") << "p_roba_11_2" << "01.01.2026" << "15.13.2026" << "01.01.2026" << true;
    QTest::newRow("no date keeps the empty field") << "p_roba_1" << "" << "sutra" << "" << true;
}

void TestKeyboard::typingIntoDateFields()
{
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, reported);

    openGoodsBook();
    auto *date = m_entry->findChild<DateField *>(field);
    date->setDate(readDateText(shown));
    MessageBoxAnswerer answerer;
    startAt(date);
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focused(), Qt::Key_Delete);
    if (!typed.isEmpty())
        QTest::keyClicks(focused(), typed);
    QTest::keyClick(focused(), Qt::Key_Tab);

    QVERIFY(focused() != date);
    QCOMPARE(date->text(), kept);
    QCOMPARE(date->isEmpty(), kept.isEmpty());
    if (!kept.isEmpty())
        QCOMPARE(dateText(date->date()), kept);
    QCOMPARE(answerer.texts.size(), reported ? 1 : 0);
    if (reported)
        QVERIFY(answerer.texts[0].startsWith("Upisani tekst nije datum: " + typed));
}

void TestKeyboard::calendarPicksADate()
{
    openGoodsBook();
    auto *date = m_entry->findChild<DateField *>("p_roba_1");
    QVERIFY(date->isEmpty());
    startAt(date);
    QTest::keyClick(focused(), Qt::Key_F4);
    QCalendarWidget *calendar = date->calendar();
    QVERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate::currentDate());
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(calendar->locale().standaloneMonthName(3), "ožujak");
    calendar->setSelectedDate(QDate(2026, 3, 15));
    QTest::keyClick(calendar->focusWidget() ? calendar->focusWidget() : calendar, Qt::Key_Return);
    QVERIFY(!calendar->isVisible());
    QCOMPARE(date->text(), "15.03.2026");
    QCOMPARE(focused(), date);
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(focused(), m_entry->findChild<QWidget *>("p_roba_5"));
    QCOMPARE(date->date(), QDate(2026, 3, 15));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
