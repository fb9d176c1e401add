#include "bookfixture.h"

#include "commandgroup.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

void clickCell(BookGrid *grid, int row, int column)
{
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

void selectCells(BookGrid *grid, int top, int left, int bottom, int right)
{
    grid->selectionModel()->select(
        QItemSelection(grid->model()->index(top, left), grid->model()->index(bottom, right)),
        QItemSelectionModel::ClearAndSelect);
}

} // namespace

class TestBookView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowAndButtons();
    void navigation_data();
    void navigation();
    void selectingACellFillsTheFieldsAndTheStatus();
    void deleting_data();
    void deleting();
    void deleteKeyEmptiesTheSelectedRectangle();
    void deleteKeyInAnEditorLeavesTheOtherCells();
    void trazi_data();
    void trazi();
    void traziFindsEveryNumberOfAGaplessBook();
    void traziWithoutAFindMovesOnlyTheColumn();
    void noEntryRowNoMove();
};

void TestBookView::windowAndButtons()
{
    BookWindow book({"1"});
    QCOMPARE(book.window.windowTitle(), "Nadzorna knjiga");
    QCOMPARE(book.window.size(), QSize(800, 600));
    auto *top = book.find<QWidget>("pn_top");
    QVERIFY(top);
    QCOMPARE(top->height(), 31);

    const QStringList names{"bt_sljedeci", "bt_prethodni", "bt_kraj", "bt_pocetak", "bt_brisi"};
    const QStringList hints{"Idi na sljedećeg", "Idi na prethodnog", "Idi na zadnjega", "Idi na prvoga",
                            "Obriši odabranoga"};
    int previousX = -1;
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto *button = book.find<QToolButton>(names[i]);
        QVERIFY2(button, qPrintable(names[i]));
        QCOMPARE(button->toolTip(), hints[i]);
        QCOMPARE(button->iconSize(), QSize(24, 24));
        QVERIFY(!button->icon().isNull());
        QVERIFY(top->isAncestorOf(button));
        QVERIFY(button->x() > previousX);
        previousX = button->x();
    }
    QCOMPARE(book.find<CommandGroup>("fcButtonGroup1")->buttons().size(), names.size());
    QVERIFY(book.find<QWidget>("pn_sg")->isAncestorOf(book.grid()));
}

void TestBookView::navigation_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("targetRow");

    QTest::newRow("next") << 3 << 1 << "bt_sljedeci" << 2;
    QTest::newRow("next on the last wraps to the first") << 3 << 3 << "bt_sljedeci" << 1;
    QTest::newRow("previous") << 3 << 3 << "bt_prethodni" << 2;
    QTest::newRow("previous on the first wraps to the last") << 3 << 1 << "bt_prethodni" << 3;
    QTest::newRow("last") << 3 << 1 << "bt_kraj" << 3;
    QTest::newRow("first") << 3 << 2 << "bt_pocetak" << 1;
    QTest::newRow("single entry: next stays") << 1 << 1 << "bt_sljedeci" << 1;
    QTest::newRow("single entry: previous stays") << 1 << 1 << "bt_prethodni" << 1;
    QTest::newRow("last of a long book") << 5000 << 1 << "bt_kraj" << 5000;
}

void TestBookView::navigation()
{
    QFETCH(int, entries);
    QFETCH(int, startRow);
    QFETCH(QString, button);
    QFETCH(int, targetRow);

    BookWindow book(numbersFrom(1, entries));
    BookGrid *grid = book.grid();
    grid->setCurrentIndex(book.cellIndex(startRow, 4));
    book.rowToFields.clear();
    book.runningNumberSelected.clear();

    auto *pressed = book.find<QToolButton>(button);
    QTest::mouseClick(pressed, Qt::LeftButton);

    QCOMPARE(grid->currentIndex(), book.cellIndex(targetRow, 1));
    QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{book.cellIndex(targetRow, 1)});
    QVERIFY(grid->viewport()->rect().contains(grid->visualRect(book.cellIndex(targetRow, 1))));
    QCOMPARE(book.rowToFields.size(), 1);
    QCOMPARE(book.rowToFields.first().first().toInt(), targetRow);
    QCOMPARE(book.runningNumberSelected.size(), 0);
    // One radio group: the last pressed stays down.
    for (QAbstractButton *other : book.find<CommandGroup>("fcButtonGroup1")->buttons())
        QCOMPARE(other->isChecked(), other == pressed);
}

void TestBookView::selectingACellFillsTheFieldsAndTheStatus()
{
    BookWindow book({"5", "7", "9"});
    BookGrid *grid = book.grid();
    book.rowToFields.clear();

    clickCell(grid, 2, 3);
    QCOMPARE(book.rowToFields.size(), 1);
    QCOMPARE(book.rowToFields.takeFirst().first().toInt(), 2);
    QCOMPARE(book.runningNumberSelected.takeFirst().first().toString(), "R. br.: 7");

    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(book.rowToFields.takeFirst().first().toInt(), 3);
    QCOMPARE(book.runningNumberSelected.takeFirst().first().toString(), "R. br.: 9");

    // The status keeps the row selected in the grid while the buttons move.
    QTest::mouseClick(book.find<QToolButton>("bt_pocetak"), Qt::LeftButton);
    QCOMPARE(book.rowToFields.takeFirst().first().toInt(), 1);
    QVERIFY(book.runningNumberSelected.isEmpty());

    // Tab moves from cell to cell in the row.
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(grid->currentIndex(), book.cellIndex(1, 2));
    QCOMPARE(book.runningNumberSelected.takeFirst().first().toString(), "R. br.: 5");
}

void TestBookView::deleting_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<QStringList>("numbersLeft");
    QTest::addColumn<int>("rowShown");

    QTest::newRow("the second of 1, 2, 3") << QStringList{"1", "2", "3"} << 2 << QStringList{"1", "3"} << 2;
    QTest::newRow("the last of 1, 2, 3") << QStringList{"1", "2", "3"} << 3 << QStringList{"1", "2"} << 2;
    QTest::newRow("the first of 1, 2") << QStringList{"1", "2"} << 1 << QStringList{"2"} << 1;
    QTest::newRow("the only entry is emptied and kept") << QStringList{"1"} << 1 << QStringList{""} << 1;
}

void TestBookView::deleting()
{
    QFETCH(QStringList, numbers);
    QFETCH(int, currentRow);
    QFETCH(QStringList, numbersLeft);
    QFETCH(int, rowShown);

    BookWindow book(numbers);
    book.grid()->setCurrentIndex(book.cellIndex(currentRow, 3));
    book.rowToFields.clear();
    book.runningNumberSelected.clear();

    QTest::mouseClick(book.find<QToolButton>("bt_brisi"), Qt::LeftButton);

    QCOMPARE(book.runningNumbers(), numbersLeft);
    QCOMPARE(book.book.columnCount(), 14);
    QCOMPARE(book.grid()->currentIndex(), book.cellIndex(rowShown, 3));
    // The fields follow the entry now in the deleted one's place.
    QCOMPARE(book.rowToFields.size(), 1);
    QCOMPARE(book.rowToFields.first().first().toInt(), rowShown);
    QCOMPARE(book.runningNumberSelected.size(), 1);
    QCOMPARE(book.runningNumberSelected.first().first().toString(), "R. br.: " + numbersLeft[rowShown - 1]);
    if (numbers.size() == 1) {
        for (int column = 0; column < book.book.columnCount(); ++column)
            QCOMPARE(book.book.cell(column, 1), QString());
    }
}

void TestBookView::deleteKeyEmptiesTheSelectedRectangle()
{
    BookWindow book(numbersFrom(1, 4));
    const TextGrid before = book.book.grid();
    selectCells(book.grid(), 2, 0, 3, 2);

    QTest::keyClick(book.grid(), Qt::Key_Delete);

    QCOMPARE(book.book.rowCount(), before.rowCount());
    for (int row = 0; row < before.rowCount(); ++row) {
        for (int column = 0; column < before.columnCount(); ++column) {
            const bool inRectangle = row >= 2 && row <= 3 && column <= 2;
            QCOMPARE(book.book.cell(column, row), inRectangle ? QString() : before.cell(column, row));
        }
    }
}

void TestBookView::deleteKeyInAnEditorLeavesTheOtherCells()
{
    BookWindow book(numbersFrom(1, 3));
    BookGrid *grid = book.grid();
    selectCells(grid, 1, 1, 3, 3);
    grid->setCurrentIndex(book.cellIndex(2, 2));
    grid->edit(book.cellIndex(2, 2));
    auto *editor = grid->viewport()->findChild<QPlainTextEdit *>();
    QVERIFY(editor);

    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Return);

    QCOMPARE(book.book.cell(2, 2), QString());
    QCOMPARE(book.book.cell(1, 1), "1/1");
    QCOMPARE(book.book.cell(3, 3), "3/3");
}

void TestBookView::trazi_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");

    QStringList gapAtFour = numbersFrom(1, 14);
    gapAtFour.removeOne("4");
    QTest::newRow("4 finds the entry numbered 14") << gapAtFour << "4" << 13;
    QTest::newRow("ab does not find AB") << QStringList{"AB", "1"} << "ab" << 0;
    QTest::newRow("ab finds cab") << QStringList{"AB", "cab"} << "ab" << 2;
    QTest::newRow("empty text") << QStringList{"1", "2"} << "" << 0;
}

void TestBookView::trazi()
{
    QFETCH(QStringList, numbers);
    QFETCH(QString, text);
    QFETCH(int, row);

    BookWindow book(numbers);
    book.rowToFields.clear();
    book.runningNumberSelected.clear();
    QCOMPARE(book.window.Trazi(0, text), row);
    if (row > 0) {
        QCOMPARE(book.window.currentRow(), row);
        QCOMPARE(book.rowToFields.last().first().toInt(), row);
        QCOMPARE(book.runningNumberSelected.last().first().toString(), "R. br.: " + numbers[row - 1]);
    }
}

void TestBookView::traziFindsEveryNumberOfAGaplessBook()
{
    BookWindow book(numbersFrom(1, 40));
    for (int k = 1; k <= 40; ++k)
        QCOMPARE(book.window.Trazi(0, QString::number(k)), k);
}

void TestBookView::traziWithoutAFindMovesOnlyTheColumn()
{
    BookWindow book(numbersFrom(1, 5));
    book.grid()->setCurrentIndex(book.cellIndex(3, 5));
    QCOMPARE(book.window.Trazi(0, "99"), 0);
    QCOMPARE(book.grid()->currentIndex(), book.cellIndex(3, 0));
}

// Before any book is opened the grid has its title row only.
void TestBookView::noEntryRowNoMove()
{
    TextGridModel empty{80};
    BookHistory history{&empty};
    ColumnMasks masks;
    Tfr_nk_grid window(&empty, &history, &masks);
    QSignalSpy rowToFields(&window, &Tfr_nk_grid::rowToFields);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char *name : {"bt_sljedeci", "bt_prethodni", "bt_kraj", "bt_pocetak", "bt_brisi"})
        QTest::mouseClick(window.findChild<QToolButton *>(name), Qt::LeftButton);
    QCOMPARE(window.Trazi(0, "1"), 0);
    QCOMPARE(empty.rowCount(), 1);
    QVERIFY(rowToFields.isEmpty());
}

QTEST_MAIN(TestBookView)
#include "tst_bookview.moc"
