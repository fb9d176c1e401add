#include "archiveslots.h"
#include "paths.h"
#include "testsupport.h"
#include "tfr_konfiguracija.h"
#include "tfrmprogress.h"
#include "windowsupport.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

namespace {

QStringList column(QTableWidget *grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row)
        texts << grid->item(row, column)->text();
    return texts;
}

void writeSlot(const AppFolders &folders, int slot, const QDate &day)
{
    QDir().mkpath(folders.archiveFolder());
    QFile file(folders.archiveSlotPath(slot));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.setFileTime(QDateTime(day, QTime(10, 0)), QFileDevice::FileModificationTime));
}

// Shows the window modally and closes it with the button, or with the close
// box when none is given; returns what ModalFormKon returned.
bool showAndClose(Tfr_konfiguracija &window, QAbstractButton *button)
{
    QTimer::singleShot(0, &window, [&window, button] {
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            window.close();
    });
    return window.ModalFormKon();
}

} // namespace

class TestArchiveWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sevenZeroRowsWithoutSlots();
    void rowsSortedByDateAndCurrentRowKept();
    void placeholdersReplaced();
    void okCancelAndCloseBox();
    void undoButtonFollowsItsFile();
    void openWithoutDataFolder();
    void progressWindowPhases();
    void cancelOnlyStopsTheCurrentWork();

private:
    std::unique_ptr<TempDataHome> m_home;
    AppFolders m_folders;
};

void TestArchiveWindow::init()
{
    m_home = std::make_unique<TempDataHome>();
    m_folders = AppFolders(m_home->path());
}

void TestArchiveWindow::cleanup()
{
    m_home.reset();
}

void TestArchiveWindow::sevenZeroRowsWithoutSlots()
{
    Tfr_konfiguracija window(m_folders);
    window.show();
    QTableWidget *grid = window.findChild<QTableWidget *>("sg_pricuva");
    QVERIFY(grid);
    QCOMPARE(window.windowTitle(), "Arhiva");
    QCOMPARE(window.size(), QSize(578, 361));
    QCOMPARE(window.findChild<QTabWidget *>()->tabText(0), "Sigurnosne kopije");
    QCOMPARE(window.findChild<QLabel *>("Label60")->text(),
             "Odabrati sigurnosnu kopiju (kliknuti na određeni red) i kliknuti na \"OK\"");
    QCOMPARE(grid->rowCount(), 7);
    QCOMPARE(grid->columnCount(), 3);
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), "Red. broj");
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), "Datum dokumenta");
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), "Naziv dokumenta");
    QCOMPARE((QList<int>{grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)}), (QList<int>{60, 95, 100}));
    QCOMPARE(column(grid, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(column(grid, 1), QStringList(7, "30.12.1899"));
    QCOMPARE(column(grid, 2), (QStringList{"arhiva_1.fxc", "arhiva_2.fxc", "arhiva_3.fxc", "arhiva_4.fxc",
                                           "arhiva_5.fxc", "arhiva_6.fxc", "arhiva_7.fxc"}));
    QCOMPARE(grid->currentRow(), 0);
    QVERIFY(grid->editTriggers() == QAbstractItemView::NoEditTriggers);
}

void TestArchiveWindow::rowsSortedByDateAndCurrentRowKept()
{
    for (int slot = 1; slot <= 7; ++slot)
        writeSlot(m_folders, slot, QDate(2026, 3, 10).addDays(slot % 3));
    Tfr_konfiguracija window(m_folders);
    QTableWidget *grid = window.findChild<QTableWidget *>("sg_pricuva");
    QCOMPARE(showAndClose(window, window.BitBtn2), false);
    QCOMPARE(column(grid, 2), (QStringList{"arhiva_3.fxc", "arhiva_6.fxc", "arhiva_1.fxc", "arhiva_4.fxc",
                                           "arhiva_7.fxc", "arhiva_2.fxc", "arhiva_5.fxc"}));
    QCOMPARE(column(grid, 0), (QStringList{"3", "6", "1", "4", "7", "2", "5"}));
    QCOMPARE(column(grid, 1).mid(0, 3), (QStringList{"10.03.2026", "10.03.2026", "11.03.2026"}));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(4, 1)).center());
    QCOMPARE(grid->currentRow(), 4);
    writeSlot(m_folders, 7, QDate(2026, 1, 1));
    QCOMPARE(showAndClose(window, window.BitBtn1), true);
    QCOMPARE(column(grid, 2).first(), "arhiva_7.fxc");
    QCOMPARE(grid->currentRow(), 4);
    QCOMPARE(window.chosenArchive(), m_folders.archiveFolder() + "/" + grid->item(4, 2)->text());
}

void TestArchiveWindow::placeholdersReplaced()
{
    Tfr_konfiguracija window(m_folders);
    const QString text = window.findChild<QTextEdit *>("reArhiva")->toPlainText();
    QVERIFY(!text.contains("[x]"));
    QVERIFY(text.contains("<" + QDir::toNativeSeparators(m_folders.dataFolder()) + ">"));
    QVERIFY(text.contains("<" + QDir::toNativeSeparators(m_folders.archiveFolder()) + ">"));
    QVERIFY(text.contains("Kad korisnik u programu klikne gumb Spremi, program sprema dokumente u sljedeću mapu:"));
    QVERIFY(text.contains("upozorenje: zamjena je nepovratna"));
    QVERIFY(window.findChild<QTextEdit *>("reArhiva")->isReadOnly());
    QCOMPARE(window.findChild<QLabel *>("lb_data")->text(), QDir::toNativeSeparators(m_folders.dataFolder()));
    QCOMPARE(withFolders("[x]\\LumbracPartneri\\Raravazo veveve\\Arhiva|[x]\\LumbracPartneri\\Raravazo veveve\\Data",
                         AppFolders("/d")),
             QDir::toNativeSeparators("/d/LumbracPartneri/Raravazo veveve/Arhiva|/d/LumbracPartneri/Raravazo veveve/Data"));
    QCOMPARE(window.findChild<QPushButton *>("Button1")->text(), "Otvori");
    QCOMPARE(window.findChild<QPushButton *>("Button1")->toolTip(),
             "Otvaranje mape s nadzornim knjigama u zadanom pregledniku ");
}

void TestArchiveWindow::okCancelAndCloseBox()
{
    Tfr_konfiguracija window(m_folders);
    QCOMPARE(window.findChild<QPushButton *>("BitBtn1")->text(), "OK");
    QCOMPARE(window.findChild<QPushButton *>("BitBtn2")->text(), "Cancel");
    QCOMPARE(showAndClose(window, nullptr), false);
    QCOMPARE(showAndClose(window, window.BitBtn2), false);
    QCOMPARE(showAndClose(window, window.BitBtn1), true);
    QCOMPARE(window.chosenArchive(), m_folders.archiveSlotPath(1));
}

void TestArchiveWindow::undoButtonFollowsItsFile()
{
    Tfr_konfiguracija window(m_folders);
    auto *undo = window.findChild<QPushButton *>("bt_ponisti");
    QCOMPARE(undo->text(), "Poništi vraćanje");
    window.show();
    QVERIFY(!undo->isEnabled());
    window.hide();
    QDir().mkpath(m_folders.archiveFolder());
    QFile file(m_folders.preRestoreArchivePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    window.show();
    QVERIFY(undo->isEnabled());
    window.hide();
    QCOMPARE(showAndClose(window, undo), true);
    QCOMPARE(window.chosenArchive(), m_folders.preRestoreArchivePath());
}

void TestArchiveWindow::openWithoutDataFolder()
{
    Tfr_konfiguracija window(m_folders);
    MessageBoxAnswerer answerer;
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QCOMPARE(answerer.texts, QStringList{"Mapa nije kreirana."});
}

void TestArchiveWindow::progressWindowPhases()
{
    TfrmProgress progress;
    QVERIFY(!progress.pn_glavni->isVisibleTo(&progress));
    QCOMPARE(progress.btCancel->text(), "&Cancel");
    QVERIFY(!progress.fcArhivaOverallProgress(0, ArchiveProgress::Phase::Start));
    QVERIFY(progress.isVisible());
    QVERIFY(progress.pn_glavni->isVisible() && progress.pn_drugi->isVisible());
    QCOMPARE(progress.pos(), QPoint(0, 0));
    QCOMPARE(progress.height(), 187);
    QCOMPARE(progress.windowTitle(), "Arhiviram. Molim pričekajte.");
    QVERIFY(!progress.fcArhivaFileProgress("100_2026_roba_uvoz_v_10.txt", 49.6));
    QCOMPARE(progress.gFile->value(), 50);
    QCOMPARE(progress.lbFile->text(), "100_2026_roba_uvoz_v_10.txt");
    QVERIFY(!progress.fcArhivaOverallProgress(12.4, ArchiveProgress::Phase::Running));
    QCOMPARE(progress.gOverall->value(), 12);
    QVERIFY(!progress.fcArhivaOverallProgress(100, ArchiveProgress::Phase::End));
    QVERIFY(!progress.isVisible());
}

void TestArchiveWindow::cancelOnlyStopsTheCurrentWork()
{
    TfrmProgress progress;
    progress.fcArhivaOverallProgress(0, ArchiveProgress::Phase::Start);
    QTest::mouseClick(progress.btCancel, Qt::LeftButton);
    QVERIFY(progress.fcArhivaFileProgress("a.txt", 10));
    QVERIFY(progress.fcArhivaOverallProgress(100, ArchiveProgress::Phase::End));
    QVERIFY(!progress.fcArhivaOverallProgress(0, ArchiveProgress::Phase::Start));
}

QTEST_MAIN(TestArchiveWindow)
#include "tst_archivewindow.moc"
