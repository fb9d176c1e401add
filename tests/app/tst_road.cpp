#include "bookgrid.h"
#include "combos.h"
#include "fieldwidgets.h"
#include "program.h"
#include "testsupport.h"
#include "windowsupport.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

// The road of one entry through the real windows: start window, register,
// entry window, book view, and the book file at the end.
class TestRoad : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneEntryFromStartToFile();
};

void TestRoad::oneEntryFromStartToFile()
{
    TempDataHome home;
    prepareProgramFolder();
    Program program;
    program.start.show();
    QTest::mouseClick(program.start.bt_nk1, Qt::LeftButton);
    QVERIFY(program.entry.isVisible());

    auto *register_ = program.companies.findChild<QTableView *>("sg_drustva");
    QVERIFY(register_);
    QCOMPARE(register_->model()->index(1, 0).data().toString(), "100");
    register_->model()->setData(register_->model()->index(1, 1), "Alfa d.o.o.");
    QTest::mouseClick(program.companies.findChild<QPushButton *>("bt_spremi"), Qt::LeftButton);
    QCOMPARE(program.entry.cb_drustva->count(), 1);

    program.entry.se_godina->setValue(2012);
    pick(program.entry.cb_drustva, 0);
    pick(program.entry.cb_nk, 0);
    QVERIFY(program.bookView.isVisible());
    QCOMPARE(program.bookView.windowTitle(), "Alfa d.o.o. - NK - trgovina robom, uvoz");

    program.entry.findChild<DateField *>("p_roba_1")->setDate(QDate(2012, 4, 2));
    program.entry.findChild<QLineEdit *>("p_roba_3")->setText("Partner d.o.o.");
    QTest::mouseClick(program.entry.bt_dodaj, Qt::LeftButton);
    QCOMPARE(program.bookView.currentRow(), 1);
    QTest::mouseClick(program.entry.bt_isprazni, Qt::LeftButton);
    QVERIFY(program.entry.findChild<QLineEdit *>("p_roba_3")->text().isEmpty());

    // Selecting the row in the book view shows it in the fields.
    program.bookView.sg_nk->setCurrentIndex(program.book.index(1, 6));
    QCOMPARE(program.entry.findChild<QLineEdit *>("p_roba_3")->text(), "Partner d.o.o.");
    QCOMPARE(program.entry.statusText(0), "R. br.: 1");

    // Ending the program with the book unsaved asks; Odustani keeps it running.
    {
        MessageBoxAnswerer answerer({"Odustani"});
        QVERIFY(!program.start.close());
        QCOMPARE(answerer.texts, QStringList{"Knjiga je promijenjena. Spremiti promjene?"});
    }
    QTest::mouseClick(program.entry.bt_spremi, Qt::LeftButton);

    QFile book(program.entry.folders().dataFolder() + "/100_2012_roba_uvoz_v_10.txt");
    QVERIFY(book.open(QIODevice::ReadOnly));
    const QByteArray bytes = book.readAll();
    QVERIFY(bytes.startsWith("14,2\r\ncw 0,40\r\n"));
    QVERIFY(bytes.endsWith("13,0,Podaci o zemlji podrijetla robe\r\n0,1,1\r\n1,1,02.04.2012\r\n3,1,Partner d.o.o.\r\n"));
    QVERIFY(program.start.close());
}

QTEST_MAIN(TestRoad)
#include "tst_road.moc"
