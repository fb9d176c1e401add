#include "archiveslots.h"
#include "combos.h"
#include "program.h"
#include "testsupport.h"
#include "windowsupport.h"
#include "zipwriter.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Presses OK in the archive window as soon as it is shown modally.
void pressOkInArchiveWindow(Program &program)
{
    auto *timer = new QTimer(&program.archive);
    QObject::connect(timer, &QTimer::timeout, timer, [&program, timer] {
        if (QApplication::activeModalWidget() == &program.archive) {
            timer->deleteLater();
            QTest::mouseClick(program.archive.BitBtn1, Qt::LeftButton);
        }
    });
    timer->start(5);
}

} // namespace

// The archive on exit and the restore, through the real windows.
class TestArchiveFlow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void closingTheProgramArchivesTheDataFolder();
    void restoreRereadsTheOpenBook();
};

void TestArchiveFlow::closingTheProgramArchivesTheDataFolder()
{
    TempDataHome home;
    prepareProgramFolder();
    Program program;
    QFile book(program.entry.folders().dataFolder() + "/100_2026_roba_uvoz_v_10.txt");
    QVERIFY(book.open(QIODevice::WriteOnly));
    book.write("14,2\r\n");
    book.close();
    program.start.show();
    QVERIFY(program.start.close());
    for (int slot = 1; slot <= kSlotCount; ++slot)
        QVERIFY(QFile::exists(program.entry.folders().archiveSlotPath(slot)));
    QVERIFY(!program.progress.isVisible());
}

void TestArchiveFlow::restoreRereadsTheOpenBook()
{
    TempDataHome home;
    prepareProgramFolder();
    Program program;
    const AppFolders &folders = program.entry.folders();
    auto *register_ = program.companies.findChild<QTableView *>("sg_drustva");
    register_->model()->setData(register_->model()->index(1, 1), "Alfa d.o.o.");
    QTest::mouseClick(program.companies.findChild<QPushButton *>("bt_spremi"), Qt::LeftButton);
    const QByteArray registerBytes = fileBytes(folders.registerPath());
    program.entry.se_godina->setValue(2026);
    pick(program.entry.cb_drustva, 0);
    pick(program.entry.cb_nk, 0);
    auto *partner = program.entry.findChild<QLineEdit *>("p_roba_3");
    partner->setText("Prvi");
    QTest::mouseClick(program.entry.bt_dodaj, Qt::LeftButton);
    QVERIFY(program.entry.bt_spremiClick());
    const QString bookPath = folders.dataFolder() + "/100_2026_roba_uvoz_v_10.txt";
    const QByteArray archived = fileBytes(bookPath);
    QCOMPARE(Arhiv(folders, nullptr), 1);

    partner->setText("Drugi");
    QTest::mouseClick(program.entry.bt_dodaj, Qt::LeftButton);
    QVERIFY(program.entry.bt_spremiClick());
    const QByteArray saved = fileBytes(bookPath);
    partner->setText("Treći, nespremljen");
    QTest::mouseClick(program.entry.bt_dodaj, Qt::LeftButton);
    QCOMPARE(program.book.rowCount(), 4);

    {   // Odustani keeps the changed book and restores nothing.
        pressOkInArchiveWindow(program);
        MessageBoxAnswerer answerer({"Odustani"});
        QTest::mouseClick(program.entry.bt_arhiva, Qt::LeftButton);
        QCOMPARE(answerer.texts, QStringList{"Knjiga je promijenjena. Spremiti promjene?"});
        QCOMPARE(fileBytes(bookPath), saved);
        QCOMPARE(program.book.rowCount(), 4);
    }
    {   // Ne drops the changes; the restored book is what the window holds.
        pressOkInArchiveWindow(program);
        MessageBoxAnswerer answerer({"Ne"});
        QTest::mouseClick(program.entry.bt_arhiva, Qt::LeftButton);
        QCOMPARE(answerer.texts.size(), 2);
        QVERIFY(answerer.texts[1].startsWith("Vraćeno datoteka: "));
        QCOMPARE(fileBytes(bookPath), archived);
        QCOMPARE(program.book.rowCount(), 2);
        QCOMPARE(program.book.cell(3, 1), "Prvi");
        QVERIFY(!program.entry.bookChanged());
        QCOMPARE(fileBytes(folders.registerPath()), registerBytes);
    }
    {   // A save now writes the restored book, not the one held before.
        QVERIFY(program.entry.bt_spremiClick());
        QCOMPARE(program.book.rowCount(), 2);
    }
    {   // "Poništi vraćanje" brings back the book as saved before the restore.
        auto *timer = new QTimer(&program.archive);
        QObject::connect(timer, &QTimer::timeout, timer, [&program, timer] {
            if (QApplication::activeModalWidget() == &program.archive) {
                timer->deleteLater();
                QTest::mouseClick(program.archive.bt_ponisti, Qt::LeftButton);
            }
        });
        timer->start(5);
        MessageBoxAnswerer answerer;
        QTest::mouseClick(program.entry.bt_arhiva, Qt::LeftButton);
        QCOMPARE(fileBytes(bookPath), saved);
        QCOMPARE(program.book.rowCount(), 3);
        QCOMPARE(program.book.cell(3, 2), "Drugi");
    }
}

QTEST_MAIN(TestArchiveFlow)
#include "tst_archiveflow.moc"
