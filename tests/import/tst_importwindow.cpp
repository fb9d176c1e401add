#include "bookhistory.h"
#include "paths.h"
#include "provisioning.h"
#include "testsupport.h"
#include "textgridmodel.h"
#include "tfr_karbunica.h"
#include "windowsupport.h"
#include "workbookbuilder.h"

#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The import window on the offscreen platform, found by its control names.
class TestImportWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void folderRememberedAcrossRestart();
    void failedCheckLeavesPokreniIdle();
    void secondPressAsksFirst();
    void unreadableWorkbookKeepsWindowShut();

private:
    void writeServices(const QString &folder, int extraColumns = 0);
    void emptyBook();

    std::unique_ptr<TempDataHome> m_home;
    TextGridModel m_book{80};
    BookHistory m_history{&m_book};
};

void TestImportWindow::init()
{
    m_home = std::make_unique<TempDataHome>();
    QString error;
    QVERIFY(provisionProgramFolder(AppFolders(MapaSustava()), error));
    emptyBook();
}

void TestImportWindow::emptyBook()
{
    m_book.edit([](TextGrid &grid) {
        grid.setColumnCount(11);
        grid.setRowCount(2);
        grid.clearRows(1, 1);
    });
}

void TestImportWindow::writeServices(const QString &folder, int extraColumns)
{
    QDir().mkpath(folder);
    BookSheet docs{.rows = {
        {txt("r"), txt("Datum"), txt("Datum isprave"), txt("Broj"), txt("x"), txt("Dobavljac"), txt("Zemlja"), txt("Iznos")},
        {txt("podnaslov")},
        {txt("1"), date(QDate(2024, 3, 1)), date(QDate(2024, 2, 28)), txt("D-1"), {}, txt("Usluge"), txt("Njemačka"), num(12)},
    }};
    for (int i = 0; i < extraColumns; ++i)
        docs.rows[2] << txt("višak");
    const BookSheet pays{.rows = {{txt("Datum placanja"), {}, txt("Valuta"), txt("Iznos"), txt("Dokument"), txt("y")}}};
    QVERIFY(writeFile(folder + "/usluge_uvoz.xls", xlsBytes(docs)));
    QVERIFY(writeFile(folder + "/uplate.xlsx", xlsxBytes(pays)));
}

void TestImportWindow::folderRememberedAcrossRestart()
{
    const AppFolders folders(MapaSustava());
    {
        Tfr_karbunica window(&m_book, &m_history, folders);
        MessageBoxAnswerer answerer;
        window.show();
        auto *folder = window.findChild<QLineEdit *>("ed_kbn_mapa");
        folder->setFocus();
        QTest::keyClicks(folder, "  C:\\Klijent\\Uvoz\\ ");
        window.ed_kbn_mapaExit();
        QCOMPARE(folder->text(), "C:\\Klijent\\Uvoz");
        window.reject();
    }
    Tfr_karbunica again(&m_book, &m_history, folders);
    QCOMPARE(again.findChild<QLineEdit *>("ed_kbn_mapa")->text(), "C:\\Klijent\\Uvoz");
}

void TestImportWindow::failedCheckLeavesPokreniIdle()
{
    const QString folder = m_home->path() + "/klijent";
    writeServices(folder, 1);
    Tfr_karbunica window(&m_book, &m_history, AppFolders(MapaSustava()));
    window.findChild<QLineEdit *>("ed_kbn_mapa")->setText(folder);
    QVERIFY(window.otvoriExcel(2));
    MessageBoxAnswerer answerer;
    window.show();
    QTRY_COMPARE(answerer.texts.size(), 2);
    QCOMPARE(answerer.texts[0], "Dokument " + QDir::toNativeSeparators(folder + "/usluge_uvoz.xls") + " ili "
                                    + QDir::toNativeSeparators(folder + "/uplate.xlsx") + " nisu po propisu!");
    QCOMPARE(answerer.texts[1], "Tablice nisu u skladu s propisom!");
    QVERIFY(!window.isLightGreen());
    QCOMPARE(window.findChild<QLabel *>("lb_br_kolona")->text(), "Broj kolona: 9");
    QTest::mouseClick(window.findChild<QPushButton *>("Button1"), Qt::LeftButton);
    QCOMPARE(m_book.rowCount(), 2);
    QVERIFY(m_book.cell(0, 1).isEmpty());
}

void TestImportWindow::secondPressAsksFirst()
{
    const QString folder = m_home->path() + "/klijent";
    writeServices(folder);
    Tfr_karbunica window(&m_book, &m_history, AppFolders(MapaSustava()));
    window.findChild<QLineEdit *>("ed_kbn_mapa")->setText(folder);
    QVERIFY(window.otvoriExcel(2));
    {
        MessageBoxAnswerer answerer;
        window.show();
        QVERIFY(answerer.texts.isEmpty());
    }
    QVERIFY(window.isLightGreen());
    QCOMPARE(window.findChild<QLabel *>("lb_excel_1")->text(), "usluge_uvoz.xls");
    QCOMPARE(window.findChild<QLabel *>("lb_excel_2")->text(), "uplate.xlsx");
    QVERIFY(window.findChild<QDateEdit *>("dt_unos")->isHidden());
    auto *pokreni = window.findChild<QPushButton *>("Button1");
    {
        MessageBoxAnswerer answerer;
        QTest::mouseClick(pokreni, Qt::LeftButton);
        QCOMPARE(answerer.texts, QStringList({"Broj uvezenih redova: 1"}));
    }
    QCOMPARE(m_book.rowCount(), 2);
    QCOMPARE(m_book.cell(0, 1), "1");
    QCOMPARE(m_book.cell(5, 1), "12,00 EUR");
    {
        MessageBoxAnswerer answerer({"Ne"});
        QTest::mouseClick(pokreni, Qt::LeftButton);
        QCOMPARE(answerer.texts, QStringList({"Dokumenti D-1 su već uvezeni. Uvesti ih ponovno?"}));
    }
    QCOMPARE(m_book.rowCount(), 2);
    {
        MessageBoxAnswerer answerer({"Da"});
        QTest::mouseClick(pokreni, Qt::LeftButton);
        QCOMPARE(answerer.texts.size(), 2);
    }
    QCOMPARE(m_book.rowCount(), 3);
    QCOMPARE(m_book.cell(0, 2), "2");

    // Each import is one step: undone, the book is as the first import left it.
    QCOMPARE(m_history.undoText(), "Uvoz");
    m_history.undo();
    QCOMPARE(m_book.rowCount(), 2);
    QCOMPARE(m_book.cell(0, 1), "1");
}

void TestImportWindow::unreadableWorkbookKeepsWindowShut()
{
    const QString folder = m_home->path() + "/klijent";
    writeServices(folder);
    QVERIFY(writeFile(folder + "/usluge_uvoz.xls", xlsxBytes({.rows = {{txt("x")}}})));
    Tfr_karbunica window(&m_book, &m_history, AppFolders(MapaSustava()));
    window.findChild<QLineEdit *>("ed_kbn_mapa")->setText(folder);
    MessageBoxAnswerer answerer;
    QVERIFY(!window.otvoriExcel(2));
    QCOMPARE(answerer.texts, QStringList({"Datoteku " + QDir::toNativeSeparators(folder + "/usluge_uvoz.xls")
                                          + " nije moguće učitati: nije ispravna Excel tablica (.xls)."}));
    QCOMPARE(m_book.rowCount(), 2);

    window.findChild<QLineEdit *>("ed_kbn_mapa")->setText(folder + "/nema");
    QVERIFY(window.otvoriExcel(2));
    QCOMPARE(answerer.texts.last(), "Dokument " + QDir::toNativeSeparators(folder + "/nema/usluge_uvoz.xls") + " ili "
                                        + QDir::toNativeSeparators(folder + "/nema/uplate.xls") + " ne postoji!");
}

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
