#include "bookgrid.h"
#include "goodsbytes.h"
#include "programsupport.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QToolButton>

namespace {

// A saved goods book of three entries, as the program writes it.
const QByteArray kSavedBook =
    "14,4\r\n"
    + kGoodsHead
    + "0,1,1\r\n1,1,15.03.2012\r\n3,1,Alfa GmbH\r\n5,1,1.500,00 EUR\r\n"
    "0,2,2\r\n1,2,16.03.2012\r\n3,2,Beta AG\r\n"
    "0,3,3\r\n3,3,Gama SA\r\n6,3,usluga\r\n";

using Command = std::function<void(Program &)>;

void selectCell(Program &program, int row, int column)
{
    program.bookView.sg_nk->setFocus();
    program.bookView.sg_nk->setCurrentIndex(program.book.index(row, column));
}

QWidget *focusIn(QWidget *window)
{
    QWidget *focused = QApplication::focusWidget();
    return focused && focused->window() == window ? focused : window;
}

// The keys as the user presses them: into whatever has the focus in the window.
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("the window never became active");
    QTest::keyClick(focusIn(window), key, modifiers);
}

void undoIn(QWidget *window)
{
    press(window, Qt::Key_Z, Qt::ControlModifier);
}

void redoIn(QWidget *window)
{
    press(window, Qt::Key_Y, Qt::ControlModifier);
}

QByteArray savedBytes(Program &program)
{
    QTest::mouseClick(program.entry.bt_spremi, Qt::LeftButton);
    return fileBytes(goodsBookPath(program));
}

const QStringList kMenuTexts(const Program &program)
{
    QStringList texts;
    for (const QAction *action : program.bookView.sg_nk->actions())
        texts << action->text();
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void eachChangeIsOneStepUndoneAndRedone_data();
    void eachChangeIsOneStepUndoneAndRedone();
    void aMixOfStepsUndoneToTheStartGivesTheBookAsOpened();
    void undoingToTheSavedStateLeavesNothingToAsk();
    void theFieldsFollowTheRowAfterAnUndo();
    void theContextMenuNamesTheSteps();
    void aFieldKeepsCtrlZForItsOwnTyping();
    void openingAnotherBookStartsANewHistory();

private:
    std::unique_ptr<TempDataHome> m_home;
    std::unique_ptr<Program> m_program;
};

void TestHistory::init()
{
    m_home = std::make_unique<TempDataHome>();
    prepareProgramFolder();
    m_program = std::make_unique<Program>();
    nameFirstCompany(*m_program, "Alfa d.o.o.");
    writeFile(goodsBookPath(*m_program), kSavedBook);
    m_program->entry.show();
    openGoodsBook(*m_program);
    QVERIFY(QTest::qWaitForWindowExposed(&m_program->bookView));
}

void TestHistory::cleanup()
{
    m_program.reset();
    m_home.reset();
}

void TestHistory::eachChangeIsOneStepUndoneAndRedone_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("inBookView");

    QTest::newRow("add") << Command([](Program &p) { addEntry(p, "Delta"); }) << "Dodaj u novi red" << false;
    QTest::newRow("change") << Command([](Program &p) {
        selectCell(p, 2, 3);
        p.entry.findChild<QLineEdit *>("p_roba_6")->setText("izmijenjeno");
        QTest::mouseClick(p.entry.bt_promijeni, Qt::LeftButton);
    }) << "Promijeni" << false;
    QTest::newRow("delete row") << Command([](Program &p) {
        selectCell(p, 2, 3);
        QTest::mouseClick(p.bookView.bt_brisi, Qt::LeftButton);
    }) << "Obriši odabranoga" << true;
    QTest::newRow("clear cells") << Command([](Program &p) {
        selectCell(p, 1, 3);
        p.bookView.sg_nk->selectionModel()->select(
            QItemSelection(p.book.index(1, 3), p.book.index(2, 5)), QItemSelectionModel::ClearAndSelect);
        press(&p.bookView, Qt::Key_Delete, Qt::NoModifier);
    }) << "Brisanje ćelija" << true;
    QTest::newRow("cut") << Command([](Program &p) {
        selectCell(p, 3, 6);
        press(&p.bookView, Qt::Key_X, Qt::ControlModifier);
    }) << "Izreži" << true;
    QTest::newRow("paste adding rows and a column") << Command([](Program &p) {
        QGuiApplication::clipboard()->setText("a\tb\nc\td\ne\tf\n");
        selectCell(p, 3, 13);
        press(&p.bookView, Qt::Key_V, Qt::ControlModifier);
    }) << "Zalijepi" << true;
    QTest::newRow("cell edited") << Command([](Program &p) {
        selectCell(p, 1, 6);
        press(&p.bookView, Qt::Key_N, Qt::NoModifier);
        QTest::keyClicks(focusIn(&p.bookView), "ovo");
        QTest::keyClick(focusIn(&p.bookView), Qt::Key_Return);
    }) << "Uređivanje ćelije" << true;
}

void TestHistory::eachChangeIsOneStepUndoneAndRedone()
{
    QFETCH(Command, command);
    QFETCH(QString, step);
    QFETCH(bool, inBookView);
    Program &program = *m_program;
    QWidget *window = inBookView ? static_cast<QWidget *>(&program.bookView) : &program.entry;

    command(program);
    QCOMPARE(program.history.stepCount(), 1);
    QCOMPARE(program.history.undoText(), step);
    const QByteArray changed = savedBytes(program);
    QVERIFY(changed != kSavedBook);

    undoIn(window);
    QCOMPARE(savedBytes(program), kSavedBook);
    redoIn(window);
    QCOMPARE(savedBytes(program), changed);
    undoIn(window);
    press(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(savedBytes(program), changed);
}

void TestHistory::aMixOfStepsUndoneToTheStartGivesTheBookAsOpened()
{
    Program &program = *m_program;
    addEntry(program, "Delta");
    addEntry(program, "Epsilon");
    selectCell(program, 2, 3);
    program.entry.findChild<QLineEdit *>("p_roba_6")->setText("izmijenjeno");
    QTest::mouseClick(program.entry.bt_promijeni, Qt::LeftButton);
    selectCell(program, 1, 3);
    QTest::mouseClick(program.bookView.bt_brisi, Qt::LeftButton);
    QGuiApplication::clipboard()->setText("x\ty\n");
    selectCell(program, 4, 12);
    press(&program.bookView, Qt::Key_V, Qt::ControlModifier);
    selectCell(program, 2, 3);
    press(&program.bookView, Qt::Key_Delete, Qt::NoModifier);
    QCOMPARE(program.history.stepCount(), 6);

    for (int step = 0; step < 6; ++step)
        undoIn(step % 2 ? static_cast<QWidget *>(&program.entry) : &program.bookView);
    QVERIFY(program.history.isClean());
    QVERIFY(!program.entry.bookChanged());
    QCOMPARE(savedBytes(program), kSavedBook);
}

void TestHistory::undoingToTheSavedStateLeavesNothingToAsk()
{
    Program &program = *m_program;
    addEntry(program, "Delta");
    undoIn(&program.entry);
    {
        MessageBoxAnswerer answerer;
        pick(program.entry.cb_nk, 1);
        pick(program.entry.cb_nk, 0);
        QVERIFY(answerer.texts.isEmpty());
    }
    addEntry(program, "Delta");
    QTest::mouseClick(program.entry.bt_spremi, Qt::LeftButton);
    addEntry(program, "Epsilon");
    undoIn(&program.entry);
    QVERIFY(!program.entry.bookChanged());
    undoIn(&program.entry);
    QVERIFY(program.entry.bookChanged());
    MessageBoxAnswerer answerer({"Odustani"});
    QVERIFY(!program.start.close());
    QCOMPARE(answerer.texts, QStringList{"Knjiga je promijenjena. Spremiti promjene?"});
}

void TestHistory::theFieldsFollowTheRowAfterAnUndo()
{
    Program &program = *m_program;
    auto *partner = program.entry.findChild<QLineEdit *>("p_roba_3");
    selectCell(program, 2, 3);
    partner->setText("Beta Holding AG");
    QTest::mouseClick(program.entry.bt_promijeni, Qt::LeftButton);
    selectCell(program, 3, 3);
    QCOMPARE(partner->text(), "Gama SA");

    undoIn(&program.bookView);
    QCOMPARE(program.bookView.currentRow(), 2);
    QCOMPARE(partner->text(), "Beta AG");
    QCOMPARE(program.entry.statusText(0), "R. br.: 2");
    redoIn(&program.entry);
    QCOMPARE(partner->text(), "Beta Holding AG");

    addEntry(program, "Delta");
    QCOMPARE(program.bookView.currentRow(), 4);
    undoIn(&program.entry);
    QCOMPARE(program.book.rowCount(), 4);
    QCOMPARE(program.bookView.currentRow(), 3);
    QCOMPARE(partner->text(), "Gama SA");
}

void TestHistory::theContextMenuNamesTheSteps()
{
    Program &program = *m_program;
    QCOMPARE(program.bookView.sg_nk->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(kMenuTexts(program), (QStringList{"Poništi", "Ponovi"}));
    QVERIFY(!program.history.undoAction()->isEnabled());

    addEntry(program, "Delta");
    QCOMPARE(kMenuTexts(program), (QStringList{"Poništi: Dodaj u novi red", "Ponovi"}));
    program.history.undoAction()->trigger();
    QCOMPARE(kMenuTexts(program), (QStringList{"Poništi", "Ponovi: Dodaj u novi red"}));
    QCOMPARE(program.book.rowCount(), 4);
}

// Typing in a field is taken back first; then the keys reach the book.
void TestHistory::aFieldKeepsCtrlZForItsOwnTyping()
{
    Program &program = *m_program;
    addEntry(program, "Delta");
    auto *naznaka = program.entry.findChild<QLineEdit *>("p_roba_6");
    naznaka->setFocus();
    QTest::keyClicks(naznaka, "ab");
    undoIn(&program.entry);
    QCOMPARE(naznaka->text(), "");
    QCOMPARE(program.book.rowCount(), 5);
    undoIn(&program.entry);
    QCOMPARE(program.book.rowCount(), 4);
}

void TestHistory::openingAnotherBookStartsANewHistory()
{
    Program &program = *m_program;
    addEntry(program, "Delta");
    QTest::mouseClick(program.entry.bt_spremi, Qt::LeftButton);
    pick(program.entry.cb_nk, 1);
    QCOMPARE(program.history.stepCount(), 0);
    pick(program.entry.cb_nk, 0);
    undoIn(&program.entry);
    QCOMPARE(program.book.rowCount(), 5);
    QVERIFY(!program.history.undoAction()->isEnabled());
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
