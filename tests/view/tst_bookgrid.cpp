#include "bookfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QToolTip>

namespace {

// Leftmost and rightmost pixel column of the rect where the predicate holds.
template <typename Ink>
std::pair<int, int> inkExtent(const QImage &image, const QRect &rect, Ink isInk)
{
    int left = rect.right() + 1;
    int right = rect.left() - 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (isInk(image.pixelColor(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

bool isDark(const QColor &c)
{
    return c.lightness() < 110;
}

bool isWhite(const QColor &c)
{
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}

template <typename Editor>
Editor *openEditor(BookGrid *grid, int row, int column)
{
    grid->setCurrentIndex(grid->model()->index(row, column));
    QTest::keyClick(grid, Qt::Key_F2);
    return grid->viewport()->findChild<Editor *>();
}

// Typed as keys, letters beyond ASCII included.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString toolTipAt(QWidget *widget, const QPoint &pos)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return QStringLiteral("an earlier tooltip stays");
    QHelpEvent help(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

const QString kLongText = QStringLiteral("Kemijska industrija Čakovec d.d., Ulica Ivana Gorana Kovačića 12, Zagreb");

} // namespace

class TestBookGrid : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gridSettings();
    void cellsOfAKind_data();
    void cellsOfAKind();
    void titleRowNeverSorts();
    void editors_data();
    void editors();
    void datePickerStartsFromTheCell_data();
    void datePickerStartsFromTheCell();
    void multiLineCellStaysMultiLine();
    void typingReplacesTheCellAndTabMovesOn();
    void rowsFitTheirText();
    void rowsOutOfViewAreFittedWhenReached();
    void titleRowHeight();
    void toolTipsForTextThatDoesNotFit_data();
    void toolTipsForTextThatDoesNotFit();
    void longTitleShowsAsToolTip();
    void copyAndCut();
    void pasteAddsRowsAndColumns();
};

void TestBookGrid::gridSettings()
{
    BookWindow book({"1"});
    BookGrid *grid = book.grid();
    QCOMPARE(grid->verticalHeader()->defaultSectionSize(), 21);
    QCOMPARE(grid->titleRowHeight(), 84);
    QCOMPARE(grid->font().family(), "Arial");
    QCOMPARE(grid->font().pointSize(), 8);
    QCOMPARE(grid->horizontalHeader()->font().family(), "Tahoma");
    QCOMPARE(grid->horizontalHeader()->font().pointSize(), 8);
    QVERIFY(grid->showGrid());
    QCOMPARE(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
    QVERIFY(grid->tabKeyNavigation());
}

void TestBookGrid::cellsOfAKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("rightAligned");

    QTest::newRow("goods: running number") << 0 << 0 << true;
    QTest::newRow("goods: date") << 0 << 1 << false;
    QTest::newRow("goods: amount 5") << 0 << 5 << true;
    QTest::newRow("goods: text 6") << 0 << 6 << false;
    QTest::newRow("goods: amount 7") << 0 << 7 << true;
    QTest::newRow("deposits: running number") << 17 << 0 << true;
    QTest::newRow("deposits: 5 is no amount") << 17 << 5 << false;
    QTest::newRow("deposits: 7 is no amount") << 17 << 7 << false;
    QTest::newRow("deposits: date 10") << 17 << 10 << false;
}

void TestBookGrid::cellsOfAKind()
{
    QFETCH(int, kind);
    QFETCH(int, column);
    QFETCH(bool, rightAligned);

    BookWindow book({"1", "2"}, kind, 12);
    BookGrid *grid = book.grid();
    book.book.setCell(column, 2, "1,00");
    book.book.setCell(column, 0, "R. br.");
    QCOMPARE(grid->cellAlignment(column, 2), rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    QCOMPARE(grid->cellAlignment(column, 0), Qt::AlignHCenter);

    // As drawn: the entry's text at its side of the cell.
    grid->scrollTo(book.cellIndex(2, column));
    const QRect cell = grid->visualRect(book.cellIndex(2, column));
    const QImage cells = grid->viewport()->grab().toImage();
    const auto [left, right] = inkExtent(cells, cell.adjusted(1, 1, -1, -1), isDark);
    QVERIFY(left < right);
    const int gapLeft = left - cell.left();
    const int gapRight = cell.right() - right;
    QVERIFY2(rightAligned ? gapRight < gapLeft : gapLeft < gapRight, qPrintable(QStringLiteral("%1 %2").arg(gapLeft).arg(gapRight)));

    // The title: centred, bold white on the program's blue.
    QHeaderView *titles = grid->horizontalHeader();
    const QRect section(titles->sectionViewportPosition(column), 0, titles->sectionSize(column), titles->height());
    const QImage header = titles->viewport()->grab().toImage();
    QCOMPARE(header.pixelColor(section.left() + 3, section.bottom() - 3), QColor(35, 92, 245));
    const auto [titleLeft, titleRight] = inkExtent(header, section.adjusted(0, 0, -2, 0), isWhite);
    QVERIFY(titleLeft < titleRight);
    QVERIFY(std::abs((titleLeft - section.left()) - (section.right() - 1 - titleRight)) <= 3);
}

void TestBookGrid::titleRowNeverSorts()
{
    BookWindow book({"3", "1", "2"});
    QHeaderView *titles = book.grid()->horizontalHeader();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(0) + 10, 10));
    QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(0) + 10, 10));
    QCOMPARE(book.runningNumbers(), (QStringList{"3", "1", "2"}));
}

void TestBookGrid::editors_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("datePicker");

    QTest::newRow("goods: date column 1") << 0 << 1 << true;
    QTest::newRow("goods: column 10") << 0 << 10 << false;
    QTest::newRow("goods: running number") << 0 << 0 << false;
    QTest::newRow("deposits: date column 10") << 17 << 10 << true;
    QTest::newRow("deposits: date column 11") << 17 << 11 << true;
    QTest::newRow("deposits: column 5") << 17 << 5 << false;
}

void TestBookGrid::editors()
{
    QFETCH(int, kind);
    QFETCH(int, column);
    QFETCH(bool, datePicker);

    BookWindow book({"1", "2"}, kind, 12);
    BookGrid *grid = book.grid();
    if (datePicker) {
        auto *picker = openEditor<QDateEdit>(grid, 2, column);
        QVERIFY(picker);
        QVERIFY(picker->calendarPopup());
        picker->setDate(QDate(2012, 2, 1));
        QTest::keyClick(picker, Qt::Key_Return);
        QTRY_COMPARE(book.book.cell(column, 2), "01.02.2012");
    } else {
        QVERIFY(!openEditor<QDateEdit>(grid, 2, column));
        auto *text = grid->viewport()->findChild<QPlainTextEdit *>();
        QVERIFY(text);
        typeText(text, "Čakovec");
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(book.book.cell(column, 2), "Čakovec");
    }
    QVERIFY(!grid->isEditing());
}

void TestBookGrid::datePickerStartsFromTheCell_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("leftUnchanged");

    const QDate today = QDate::currentDate();
    QTest::newRow("dd.MM.yyyy") << "01.02.2012" << QDate(2012, 2, 1) << "01.02.2012";
    QTest::newRow("short with a trailing dot") << "1.2.2012." << QDate(2012, 2, 1) << "01.02.2012";
    QTest::newRow("empty takes today") << "" << today << today.toString("dd.MM.yyyy");
    QTest::newRow("no date keeps its text") << "nepoznato" << today << "nepoznato";
}

void TestBookGrid::datePickerStartsFromTheCell()
{
    QFETCH(QString, cell);
    QFETCH(QDate, shown);
    QFETCH(QString, leftUnchanged);

    BookWindow book({"1"});
    book.book.setCell(1, 1, cell);
    auto *picker = openEditor<QDateEdit>(book.grid(), 1, 1);
    QVERIFY(picker);
    QCOMPARE(picker->date(), shown);
    QTest::keyClick(picker, Qt::Key_Return);
    QTRY_VERIFY(!book.grid()->isEditing());
    QCOMPARE(book.book.cell(1, 1), leftUnchanged);
}

void TestBookGrid::multiLineCellStaysMultiLine()
{
    BookWindow book({"1"});
    book.book.setCell(13, 1, "prvi\r\ndrugi");
    auto *editor = openEditor<QPlainTextEdit>(book.grid(), 1, 13);
    QVERIFY(editor);
    QCOMPARE(editor->toPlainText(), "prvi\ndrugi");

    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Return, Qt::AltModifier);
    typeText(editor, "treći");
    QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
    typeText(editor, "četvrti");
    QTest::keyClick(editor, Qt::Key_Return);

    QCOMPARE(book.book.cell(13, 1), "prvi\r\ndrugi\r\ntreći\r\nčetvrti");
    QCoreApplication::processEvents();
    QVERIFY(book.grid()->cellTextFits(13, 1));
}

void TestBookGrid::typingReplacesTheCellAndTabMovesOn()
{
    BookWindow book({"1", "2"});
    BookGrid *grid = book.grid();
    grid->setCurrentIndex(book.cellIndex(2, 3));
    QTest::keyClicks(grid, "x");
    auto *editor = grid->viewport()->findChild<QPlainTextEdit *>();
    QVERIFY(editor);
    QTest::keyClicks(editor, "yz");
    QTest::keyClick(editor, Qt::Key_Tab);

    QCOMPARE(book.book.cell(3, 2), "xyz");
    QCOMPARE(grid->currentIndex(), book.cellIndex(2, 4));
}

void TestBookGrid::rowsFitTheirText()
{
    BookWindow book({"1", "2", "3"});
    BookGrid *grid = book.grid();
    book.book.setCell(13, 2, "Uplata 1\r\nUplata 2\r\nUplata 3");
    book.book.setCell(3, 3, kLongText);
    QCoreApplication::processEvents();

    QCOMPARE(grid->rowHeight(1), 21);
    QVERIFY(grid->rowHeight(2) > 21);
    QVERIFY(grid->rowHeight(3) > grid->rowHeight(2));
    for (int row = 1; row <= 3; ++row) {
        for (int column = 0; column < 14; ++column)
            QVERIFY(grid->cellTextFits(column, row));
    }

    // A wider column needs fewer lines; an emptied row is low again.
    const int narrow = grid->rowHeight(3);
    book.book.setColumnWidth(3, 400);
    QCoreApplication::processEvents();
    QVERIFY(grid->rowHeight(3) < narrow);
    book.book.setCell(13, 2, QString());
    QCoreApplication::processEvents();
    QCOMPARE(grid->rowHeight(2), 21);
}

void TestBookGrid::rowsOutOfViewAreFittedWhenReached()
{
    BookWindow book(numbersFrom(1, 3000));
    BookGrid *grid = book.grid();
    book.book.setCell(13, 2500, "Uplata 1\r\nUplata 2\r\nUplata 3\r\nUplata 4");
    book.book.setCell(13, 2501, "Uplata 1\r\nUplata 2\r\nUplata 3\r\nUplata 4");

    grid->scrollTo(book.cellIndex(2501, 13));
    QCoreApplication::processEvents();
    QVERIFY(grid->rowHeight(2500) > 21);
    QVERIFY(grid->cellTextFits(13, 2501));
    QVERIFY(grid->viewport()->rect().contains(grid->visualRect(book.cellIndex(2501, 13))));

    book.window.fitRowHeight(2999);
    QCOMPARE(grid->rowHeight(2999), 21);
}

// Short titles give the title row a row's height; long ones wrap and get more.
void TestBookGrid::titleRowHeight()
{
    BookWindow book({"1"});
    book.window.fitTitleRowHeight();
    QCOMPARE(book.grid()->titleRowHeight(), 21);
    book.book.setCell(3, 0, kLongText);
    book.window.fitTitleRowHeight();
    QVERIFY(book.grid()->titleRowHeight() > 40);
}

void TestBookGrid::toolTipsForTextThatDoesNotFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");

    QTest::newRow("short") << "Zagreb" << false;
    QTest::newRow("long") << kLongText << true;
    QTest::newRow("two lines") << "Uplata 1\r\nUplata 2" << true;
    QTest::newRow("a word wider than the column") << "HR1210010051863000160" << true;
}

void TestBookGrid::toolTipsForTextThatDoesNotFit()
{
    QFETCH(QString, text);
    QFETCH(bool, shown);

    BookWindow book({"1", "2"});
    BookGrid *grid = book.grid();
    book.book.setCell(3, 2, text);
    QCoreApplication::processEvents();
    grid->setRowHeight(2, 21); // lower than its text, as after a narrowing
    const QPoint centre = grid->visualRect(book.cellIndex(2, 3)).center();
    QCOMPARE(toolTipAt(grid->viewport(), centre), shown ? text : QString());
}

void TestBookGrid::longTitleShowsAsToolTip()
{
    BookWindow book({"1"});
    book.book.setCell(3, 0, kLongText + ' ' + kLongText);
    book.book.setCell(4, 0, "Iznos");
    book.grid()->setTitleRowHeight(40);
    QCoreApplication::processEvents();
    QHeaderView *titles = book.grid()->horizontalHeader();
    const QPoint third(titles->sectionViewportPosition(3) + 10, 10);
    const QPoint fourth(titles->sectionViewportPosition(4) + 10, 10);
    QCOMPARE(toolTipAt(titles->viewport(), third), kLongText + ' ' + kLongText);
    QCOMPARE(toolTipAt(titles->viewport(), fourth), QString());
}

void TestBookGrid::copyAndCut()
{
    BookWindow book({"1", "2", "3"});
    BookGrid *grid = book.grid();
    book.book.setCell(1, 2, "prvi\r\ndrugi");
    grid->selectionModel()->select(QItemSelection(book.cellIndex(1, 0), book.cellIndex(2, 1)),
                                   QItemSelectionModel::ClearAndSelect);

    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "1\t1/1\n2\t\"prvi\r\ndrugi\"");
    QCOMPARE(book.book.cell(1, 2), "prvi\r\ndrugi");

    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "1\t1/1\n2\t\"prvi\r\ndrugi\"");
    QCOMPARE(book.runningNumbers(), (QStringList{"", "", "3"}));
    QCOMPARE(book.book.cell(1, 2), QString());
    QCOMPARE(book.book.cell(2, 2), "2/2");
}

void TestBookGrid::pasteAddsRowsAndColumns()
{
    BookWindow book({"1", "2", "3"});
    BookGrid *grid = book.grid();
    QGuiApplication::clipboard()->setText("a\tb\tc\r\nd\te\n");
    grid->setCurrentIndex(book.cellIndex(3, 12));

    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(book.book.columnCount(), 15);
    QCOMPARE(book.book.rowCount(), 5);
    QCOMPARE(book.book.cell(12, 3), "a");
    QCOMPARE(book.book.cell(13, 3), "b");
    QCOMPARE(book.book.cell(14, 3), "c");
    QCOMPARE(book.book.cell(12, 4), "d");
    QCOMPARE(book.book.cell(13, 4), "e");
    QCOMPARE(book.book.cell(14, 4), QString());
    QCOMPARE(book.book.cell(11, 3), "3/11");
    QCOMPARE(book.book.cell(14, 0), QString());
}

QTEST_MAIN(TestBookGrid)
#include "tst_bookgrid.moc"
