#include "paths.h"
#include "testsupport.h"
#include "tfr_drustva.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray kTitleLines = "cw 0,64\r\ncw 1,120\r\ncw 2,120\r\ncw 3,120\r\ncw 4,120\r\n"
                               "0,0,\x8A" "ifra\r\n1,0,Naziv\r\n2,0,Adresa\r\n3,0,Mjesto\r\n4,0,OIB\r\n";

const QByteArray kThreeCompanies = "5,4\r\n" + kTitleLines
                                   + "0,1,100\r\n1,1,Alfa d.o.o.\r\n2,1,Ilica 1\r\n3,1,Zagreb\r\n4,1,12345678901\r\n"
                                     "0,2,101\r\n1,2,Beta d.d.\r\n"
                                     "0,3,102\r\n1,3,Gama j.d.o.o.\r\n3,3,\x8A" "ibenik\r\n";

const QStringList kThreeNames{"Alfa d.o.o.", "Beta d.d.", "Gama j.d.o.o."};

// A program folder of its own, with its data folder.
struct Folders {
    Folders() { QDir().mkpath(folders.dataFolder()); }

    TempDataHome home;
    AppFolders folders{home.path()};
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTableView *gridOf(Tfr_drustva &window)
{
    return window.findChild<QTableView *>("sg_drustva");
}

void clickButton(Tfr_drustva &window, const char *name)
{
    QTest::mouseClick(window.findChild<QPushButton *>(name), Qt::LeftButton);
}

QString cellText(QTableView *grid, int column, int row)
{
    return grid->model()->index(row, column).data().toString();
}

QStringList columnTexts(QTableView *grid, int column)
{
    QStringList texts;
    for (int row = 1; row < grid->model()->rowCount(); ++row)
        texts.append(cellText(grid, column, row));
    return texts;
}

QPoint currentCell(QTableView *grid)
{
    return {grid->currentIndex().column(), grid->currentIndex().row()};
}

void clickCell(QTableView *grid, int column, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QPlainTextEdit *openCellEditor(QTableView *grid, int column, int row)
{
    clickCell(grid, column, row);
    QTest::keyClick(grid, Qt::Key_F2);
    return qobject_cast<QPlainTextEdit *>(QApplication::focusWidget());
}

// keyClicks sends Latin-1 only; the Croatian letters go as key texts.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void showActive(Tfr_drustva &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestRegisterWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartHasOneCompanyNumbered100();
    void buttons_data();
    void buttons();
    void typedNameIsSavedAsACellFile();
    void newLineInACell_data();
    void newLineInACell();
    void loadedRowsFitTheirLines();
    void closingDropsWhatWasNotSaved_data();
    void closingDropsWhatWasNotSaved();
    void closingBeforeTheFirstSaveKeepsTheEdits();
    void numberOfADeletedCompanyWithBooksIsNotGivenAgain();
    void deletingTheOnlyCompanyGivesItsRowANewNumber_data();
    void deletingTheOnlyCompanyGivesItsRowANewNumber();
    void freshRegisterStartsPastTheBookFiles();
    void cellsThatCannotBeEdited_data();
    void cellsThatCannotBeEdited();
    void traziFindsTheCompanyAndMakesItCurrent();
    void failedSaveShowsTheErrorAndKeepsTheNames();
    void rejectedRegisterFileIsReported();
    void registerFileOfOneCellStillGivesARegister();

private:
    void readNextMessageBox();

    QString m_shownMessage;
};

// The next message box is read and closed as soon as it shows.
void TestRegisterWindow::readNextMessageBox()
{
    m_shownMessage.clear();
    QTimer::singleShot(0, this, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            m_shownMessage = box->text();
            box->close();
        }
    });
}

void TestRegisterWindow::firstStartHasOneCompanyNumbered100()
{
    Folders f;
    Tfr_drustva window(f.folders);
    QTableView *grid = gridOf(window);
    QVERIFY(grid);
    QCOMPARE(window.windowTitle(), "Društva");
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(columnTexts(grid, 0), QStringList{"100"});
    for (int column = 1; column < 5; ++column)
        QCOMPARE(cellText(grid, column, 1), "");
    QStringList titles;
    QList<int> widths;
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        titles.append(grid->model()->headerData(column, Qt::Horizontal).toString());
        widths.append(grid->columnWidth(column));
    }
    QCOMPARE(titles, (QStringList{"Šifra", "Naziv", "Adresa", "Mjesto", "OIB"}));
    QCOMPARE(widths, (QList<int>{64, 120, 120, 120, 120}));
    QCOMPARE(grid->font().family(), "Tahoma");
    QCOMPARE(grid->font().pointSize(), 8);
    QCOMPARE(window.savedCompanyNames(), QStringList{""});
    QVERIFY(!QFile::exists(f.folders.registerPath()));

    // "Dodaj" adds no row while the only company has no name: what is typed
    // next goes into its name cell.
    showActive(window);
    clickButton(window, "bt_novi_red");
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(currentCell(grid), QPoint(1, 1));
    QTest::keyClicks(QApplication::focusWidget(), "L");
    auto *editor = qobject_cast<QPlainTextEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, "umbrac");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(cellText(grid, 1, 1), "Lumbrac");
    QCOMPARE(cellText(grid, 0, 1), "100");
}

void TestRegisterWindow::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");

    QTest::newRow("add") << "bt_novi_red" << "Dodaj" << "Dodaje novo društvo";
    QTest::newRow("delete") << "bt_oduzmi_red" << "Obriši" << "Briše odabrani red";
    QTest::newRow("save") << "bt_spremi" << "Spremi" << "Sprema bazu.";
}

void TestRegisterWindow::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    Folders f;
    Tfr_drustva window(f.folders);
    auto *button = window.findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), hint);
}

void TestRegisterWindow::typedNameIsSavedAsACellFile()
{
    Folders f;
    Tfr_drustva window(f.folders);
    QSignalSpy saved(&window, &Tfr_drustva::companyNamesSaved);
    showActive(window);
    QTableView *grid = gridOf(window);

    QPlainTextEdit *editor = openCellEditor(grid, 1, 1);
    QVERIFY(editor);
    typeText(editor, "Šibenka d.o.o.");
    QTest::keyClick(editor, Qt::Key_Return);
    editor = openCellEditor(grid, 3, 1);
    QVERIFY(editor);
    QTest::keyClicks(editor, "Zagreb");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(saved.count(), 0);

    clickButton(window, "bt_spremi");
    QCOMPARE(fileBytes(f.folders.registerPath()),
             "5,2\r\n" + kTitleLines + "0,1,100\r\n1,1,\x8A" "ibenka d.o.o.\r\n3,1,Zagreb\r\n");
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.first().first().toStringList(), QStringList{"Šibenka d.o.o."});
    QCOMPARE(saved.first().at(1).toStringList(), QStringList{"100"});
    QCOMPARE(window.savedCompanyNames(), QStringList{"Šibenka d.o.o."});
}

void TestRegisterWindow::newLineInACell_data()
{
    QTest::addColumn<Qt::KeyboardModifier>("modifier");

    QTest::newRow("Alt+Enter") << Qt::AltModifier;
    QTest::newRow("Shift+Enter") << Qt::ShiftModifier;
    QTest::newRow("Ctrl+Enter") << Qt::ControlModifier;
}

void TestRegisterWindow::newLineInACell()
{
    QFETCH(Qt::KeyboardModifier, modifier);
    Folders f;
    Tfr_drustva window(f.folders);
    showActive(window);
    QTableView *grid = gridOf(window);
    const int oneLine = grid->rowHeight(1);

    QPlainTextEdit *editor = openCellEditor(grid, 2, 1);
    QVERIFY(editor);
    for (const char *line : {"Ilica 1", "Gornji grad", "Zagreb"}) {
        QTest::keyClicks(editor, line);
        QTest::keyClick(editor, Qt::Key_Return, modifier);
    }
    QTest::keyClicks(editor, "Hrvatska");
    QCOMPARE(cellText(grid, 2, 1), "");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(cellText(grid, 2, 1), "Ilica 1\r\nGornji grad\r\nZagreb\r\nHrvatska");
    // Rows are fitted as the grid repaints.
    QCoreApplication::processEvents();
    QVERIFY(grid->rowHeight(1) > oneLine);

    clickButton(window, "bt_spremi");
    QCOMPARE(fileBytes(f.folders.registerPath()),
             "5,2\r\n" + kTitleLines + "0,1,100\r\n2,1,Ilica 1\t\bGornji grad\t\bZagreb\t\bHrvatska\r\n");
}

void TestRegisterWindow::loadedRowsFitTheirLines()
{
    Folders f;
    writeBytes(f.folders.registerPath(), "5,3\r\n" + kTitleLines
                                             + "0,1,100\r\n2,1,Ilica 1\t\bGornji grad\t\bZagreb\t\bHrvatska\r\n0,2,101\r\n2,2,Ilica 2\r\n");
    Tfr_drustva window(f.folders);
    showActive(window);
    QTableView *grid = gridOf(window);
    QCOMPARE(cellText(grid, 2, 1), "Ilica 1\r\nGornji grad\r\nZagreb\r\nHrvatska");
    QVERIFY(grid->rowHeight(1) > grid->rowHeight(2));
}

enum class Closing { CloseBox, Escape, Reject };

void TestRegisterWindow::closingDropsWhatWasNotSaved_data()
{
    QTest::addColumn<Closing>("closing");

    QTest::newRow("close box") << Closing::CloseBox;
    QTest::newRow("Esc") << Closing::Escape;
    QTest::newRow("reject") << Closing::Reject;
}

void TestRegisterWindow::closingDropsWhatWasNotSaved()
{
    QFETCH(Closing, closing);
    Folders f;
    writeBytes(f.folders.registerPath(), kThreeCompanies);
    Tfr_drustva window(f.folders);
    QSignalSpy saved(&window, &Tfr_drustva::companyNamesSaved);
    QCOMPARE(window.savedCompanyNames(), kThreeNames);
    showActive(window);
    QTableView *grid = gridOf(window);

    clickCell(grid, 1, 2);
    clickButton(window, "bt_oduzmi_red");
    QCOMPARE(columnTexts(grid, 0), (QStringList{"100", "102"}));
    QCOMPARE(currentCell(grid), QPoint(1, 2));
    clickButton(window, "bt_novi_red");
    QCOMPARE(columnTexts(grid, 0), (QStringList{"100", "102", "103"}));
    QCOMPARE(currentCell(grid), QPoint(1, 3));
    QPlainTextEdit *editor = openCellEditor(grid, 1, 3);
    QVERIFY(editor);
    QTest::keyClicks(editor, "Delta");
    QTest::keyClick(editor, Qt::Key_Return);

    switch (closing) {
    case Closing::CloseBox:
        window.close();
        break;
    case Closing::Escape:
        QTest::keyClick(grid, Qt::Key_Escape);
        break;
    case Closing::Reject:
        window.reject();
        break;
    }
    QVERIFY(!window.isVisible());
    QCOMPARE(columnTexts(grid, 0), (QStringList{"100", "101", "102"}));
    QCOMPARE(columnTexts(grid, 1), kThreeNames);
    QCOMPARE(cellText(grid, 3, 3), "Šibenik");
    QCOMPARE(window.savedCompanyNames(), kThreeNames);
    QCOMPARE(saved.count(), 0);
    QCOMPARE(fileBytes(f.folders.registerPath()), kThreeCompanies);
}

void TestRegisterWindow::closingBeforeTheFirstSaveKeepsTheEdits()
{
    Folders f;
    Tfr_drustva window(f.folders);
    showActive(window);
    QTableView *grid = gridOf(window);
    QPlainTextEdit *editor = openCellEditor(grid, 1, 1);
    QVERIFY(editor);
    QTest::keyClicks(editor, "Lumbrac");
    QTest::keyClick(editor, Qt::Key_Return);
    window.close();
    QCOMPARE(cellText(grid, 1, 1), "Lumbrac");
    QVERIFY(!QFile::exists(f.folders.registerPath()));
}

void TestRegisterWindow::numberOfADeletedCompanyWithBooksIsNotGivenAgain()
{
    Folders f;
    writeBytes(f.folders.registerPath(), kThreeCompanies);
    writeBytes(f.folders.dataFolder() + "/102_2012_roba_uvoz_v_10.txt", "14,1\r\n");
    writeBytes(f.folders.dataFolder() + "/valute.txt", "EUR\r\n");
    Tfr_drustva window(f.folders);
    showActive(window);
    QTableView *grid = gridOf(window);

    clickCell(grid, 1, 3);
    clickButton(window, "bt_oduzmi_red");
    QCOMPARE(columnTexts(grid, 0), (QStringList{"100", "101"}));
    QCOMPARE(currentCell(grid), QPoint(1, 2));
    clickButton(window, "bt_novi_red");
    QCOMPARE(columnTexts(grid, 0), (QStringList{"100", "101", "103"}));
}

void TestRegisterWindow::deletingTheOnlyCompanyGivesItsRowANewNumber_data()
{
    QTest::addColumn<QStringList>("bookFiles");
    QTest::addColumn<QString>("number");

    QTest::newRow("no books") << QStringList{} << "101";
    QTest::newRow("books of the deleted company")
        << QStringList{"100_2012_roba_uvoz_v_10.txt", "100_2013_roba_uvoz_v_10.txt"} << "101";
    QTest::newRow("books of a company deleted earlier")
        << QStringList{"100_2012_roba_uvoz_v_10.txt", "104_2012_usluge_uvoz_v_10.txt"} << "105";
}

// The company named next in that row must never open the deleted company's books.
void TestRegisterWindow::deletingTheOnlyCompanyGivesItsRowANewNumber()
{
    QFETCH(QStringList, bookFiles);
    QFETCH(QString, number);
    Folders f;
    writeBytes(f.folders.registerPath(), "5,2\r\n" + kTitleLines
                                             + "0,1,100\r\n1,1,Alfa\r\n2,1,Ilica 1\r\n3,1,Zagreb\r\n4,1,123\r\n");
    for (const QString &book : bookFiles)
        writeBytes(f.folders.dataFolder() + "/" + book, "14,1\r\n");
    Tfr_drustva window(f.folders);
    showActive(window);
    QTableView *grid = gridOf(window);

    clickCell(grid, 2, 1);
    clickButton(window, "bt_oduzmi_red");
    QCOMPARE(grid->model()->rowCount(), 2);
    QStringList row;
    for (int column = 0; column < 5; ++column)
        row.append(cellText(grid, column, 1));
    QCOMPARE(row, (QStringList{number, "", "", "", ""}));

    // "Dodaj" names that row; "Obriši" on the empty row deletes nothing.
    clickButton(window, "bt_novi_red");
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(currentCell(grid), QPoint(1, 1));
    clickButton(window, "bt_oduzmi_red");
    QCOMPARE(columnTexts(grid, 0), QStringList{number});

    clickButton(window, "bt_spremi");
    QCOMPARE(fileBytes(f.folders.registerPath()), "5,2\r\n" + kTitleLines + "0,1," + number.toLatin1() + "\r\n");
}

void TestRegisterWindow::freshRegisterStartsPastTheBookFiles()
{
    Folders f;
    writeBytes(f.folders.dataFolder() + "/100_2012_roba_uvoz_v_10.txt", "14,1\r\n");
    writeBytes(f.folders.dataFolder() + "/102_2013_kredit_odobrenja_v_10.txt", "18,1\r\n");
    Tfr_drustva window(f.folders);
    QCOMPARE(columnTexts(gridOf(window), 0), QStringList{"103"});
}

void TestRegisterWindow::cellsThatCannotBeEdited_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("editable");

    QTest::newRow("number") << 0 << false;
    QTest::newRow("name") << 1 << true;
    QTest::newRow("OIB") << 4 << true;
}

void TestRegisterWindow::cellsThatCannotBeEdited()
{
    QFETCH(int, column);
    QFETCH(bool, editable);
    Folders f;
    Tfr_drustva window(f.folders);
    showActive(window);
    QTableView *grid = gridOf(window);

    QPlainTextEdit *editor = openCellEditor(grid, column, 1);
    QCOMPARE(editor != nullptr, editable);
    if (editor)
        QTest::keyClick(editor, Qt::Key_Escape);

    // The title row is shown as the header; as a cell it refuses editing too.
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    grid->edit(grid->model()->index(0, column));
}

void TestRegisterWindow::traziFindsTheCompanyAndMakesItCurrent()
{
    Folders f;
    writeBytes(f.folders.registerPath(), kThreeCompanies);
    Tfr_drustva window(f.folders);
    QTableView *grid = gridOf(window);

    QCOMPARE(window.Trazi(1, 0, "BETA D.D."), "101");
    QCOMPARE(currentCell(grid), QPoint(1, 2));
    QCOMPARE(window.Trazi(1, 0, "Beta"), "");
    QCOMPARE(currentCell(grid), QPoint(1, 2));
    QCOMPARE(window.Trazi(1, 0, ""), "");
    QCOMPARE(currentCell(grid), QPoint(1, 2));
    QCOMPARE(window.Trazi(1, 3, "gama j.d.o.o."), "Šibenik");
    QCOMPARE(currentCell(grid), QPoint(1, 3));

    // Printing reads the current row: closing re-reads the file but keeps it.
    showActive(window);
    window.close();
    QCOMPARE(currentCell(grid), QPoint(1, 3));
}

void TestRegisterWindow::failedSaveShowsTheErrorAndKeepsTheNames()
{
    TempDataHome home;
    const AppFolders folders(home.path());
    Tfr_drustva window(folders);
    QSignalSpy saved(&window, &Tfr_drustva::companyNamesSaved);
    showActive(window);
    QTableView *grid = gridOf(window);
    QPlainTextEdit *editor = openCellEditor(grid, 1, 1);
    QVERIFY(editor);
    QTest::keyClicks(editor, "Lumbrac");
    QTest::keyClick(editor, Qt::Key_Return);

    readNextMessageBox();
    clickButton(window, "bt_spremi");
    QCOMPARE(m_shownMessage, "Cannot Create " + QDir::toNativeSeparators(folders.registerPath()));
    QVERIFY(!QFile::exists(folders.registerPath()));
    QCOMPARE(saved.count(), 0);
    QCOMPARE(window.savedCompanyNames(), QStringList{""});
    QCOMPARE(cellText(grid, 1, 1), "Lumbrac");
}

void TestRegisterWindow::rejectedRegisterFileIsReported()
{
    Folders f;
    writeBytes(f.folders.registerPath(), "100000,100000\r\n");
    readNextMessageBox();
    Tfr_drustva window(f.folders);
    QVERIFY(m_shownMessage.contains(QDir::toNativeSeparators(f.folders.registerPath())));
    QTableView *grid = gridOf(window);
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(columnTexts(grid, 0), QStringList{"100"});
}

void TestRegisterWindow::registerFileOfOneCellStillGivesARegister()
{
    Folders f;
    writeBytes(f.folders.registerPath(), "1,1\r\ncw 0,64\r\n0,0,\x8A" "ifra\r\n");
    Tfr_drustva window(f.folders);
    QTableView *grid = gridOf(window);
    QCOMPARE(grid->model()->columnCount(), 5);
    QCOMPARE(window.savedCompanyNames(), QStringList{""});
    QCOMPARE(window.Trazi(1, 0, "Alfa"), "");

    showActive(window);
    clickButton(window, "bt_novi_red");
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(currentCell(grid), QPoint(1, 1));
}

QTEST_MAIN(TestRegisterWindow)
#include "tst_registerwindow.moc"
