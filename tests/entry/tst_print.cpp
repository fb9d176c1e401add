#include "combos.h"
#include "entryfixture.h"
#include "runningnumberedit.h"
#include "windowsupport.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// The goods book of company "Alfa d.o.o." open, its entries numbered as given.
struct PrintFixture : EntryFixture {
    explicit PrintFixture(const QStringList &numbers = {})
    {
        entry.setReportTemplateLoader([this](const QString &path, QString &) {
            loaded << QFileInfo(path).fileName();
            return true;
        });
        QObject::connect(&entry, &Tfr_nk_00::printRequested, &entry,
                         [this](const PrintRequest &request) { requests << request; });
        pick(entry.cb_drustva, 0);
        pick(entry.cb_nk, 0);
        if (numbers.isEmpty())
            return;
        book.edit([&](TextGrid &grid) {
            grid.setRowCount(static_cast<int>(numbers.size()) + 1);
            for (int row = 1; row < grid.rowCount(); ++row)
                grid.setCell(0, row, numbers[row - 1]);
        });
    }

    void printRange(double from, double to)
    {
        entry.cb_ispis_od->setCurrentIndex(2);
        entry.ce_ispis_od->setValue(from);
        entry.ce_ispis_do->setValue(to);
        entry.bt_ispis->click();
    }

    QStringList loaded;
    QList<PrintRequest> requests;
};

QStringList numbersFrom(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theControlsStartAsTheyShould()
    {
        EntryFixture fixture;
        Tfr_nk_00 &entry = fixture.entry;
        QCOMPARE(entry.findChild<QComboBox *>(QStringLiteral("cb_ispis"))->currentIndex(), -1);
        QCOMPARE(entry.cb_ispis->placeholderText(), QStringLiteral("Odabrati..."));
        QCOMPARE(entry.cb_ispis->itemText(1), QStringLiteral("vodoravni ispis"));
        QCOMPARE(entry.findChild<QComboBox *>(QStringLiteral("cb_ispis_od"))->currentIndex(), 0);
        QCOMPARE(entry.findChild<QLabel *>(QStringLiteral("Label57"))->text(), QStringLiteral("Ispis"));
        for (const char *name : {"ce_ispis_od", "ce_ispis_do"}) {
            auto *edit = entry.findChild<RunningNumberEdit *>(QLatin1String(name));
            QCOMPARE(edit->value(), 1.0);
            QCOMPARE(edit->text(), QStringLiteral("1"));
        }
    }

    void templatesFollowTheBookAndTheOption()
    {
        PrintFixture fixture;
        QCOMPARE(fixture.loaded, QStringList{"hrz_00.rtm"});
        pick(fixture.entry.cb_nk, 18);
        pick(fixture.entry.cb_ispis, 1);
        pick(fixture.entry.cb_ispis, 0);
        pick(fixture.entry.cb_ispis, 1);
        pick(fixture.entry.cb_nk, 18);
        pick(fixture.entry.cb_nk, 0);
        QCOMPARE(fixture.loaded, (QStringList{"hrz_00.rtm", "rcn_00.rtm", "vrt_00.rtm", "hrz_00.rtm", "vrt_00.rtm",
                                              "rcn_00.rtm", "vrt_00.rtm"}));
    }

    void nothingPrintsWithoutCompanyOrBook()
    {
        EntryFixture fixture;
        MessageBoxAnswerer answerer;
        fixture.entry.bt_ispis->click();
        pick(fixture.entry.cb_drustva, 0);
        fixture.entry.bt_ispis->click();
        QCOMPARE(answerer.texts, (QStringList{"Nije odabrano drustvo. Provjerite.",
                                              "Nije odabrana nadzorna knjiga. Provjerite."}));
    }

    void theWholeBookAndTheSelectedEntry()
    {
        PrintFixture fixture(numbersFrom(1, 10));
        fixture.entry.bt_ispis->click();
        fixture.selection.setCurrentIndex(fixture.book.index(4, 2), QItemSelectionModel::ClearAndSelect);
        fixture.entry.cb_ispis_od->setCurrentIndex(1);
        fixture.entry.bt_ispis->click();
        QCOMPARE(fixture.requests.size(), 2);
        QCOMPARE(fixture.requests[0].first, 1);
        QCOMPARE(fixture.requests[0].count, 10);
        QCOMPARE(fixture.requests[0].titleLine,
                 QStringLiteral("Nadzorna knjiga - trgovina robom, uvoz - %1. godina").arg(QDate::currentDate().year()));
        QVERIFY(fixture.requests[0].pdfPath.endsWith(QStringLiteral("_roba_uvoz_v_10.pdf")));
        QCOMPARE(fixture.requests[1].first, 4);
        QCOMPARE(fixture.requests[1].count, 1);
    }

    void aRangeOfRunningNumbers_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("endRow");
        QTest::newRow("3 to 5") << numbersFrom(1, 10) << 3.0 << 5.0 << 3 << 3 << 5;
        QTest::newRow("2.5 looks up 2, 3.5 looks up 4") << numbersFrom(1, 10) << 2.5 << 3.5 << 2 << 3 << 4;
        QTest::newRow("do below od: nothing") << numbersFrom(1, 10) << 6.0 << 4.0 << 6 << -1 << 4;
        QTest::newRow("4 is not 14") << QStringList{"1", "2", "3"} + numbersFrom(5, 14) << 3.0 << 14.0 << 3 << 11 << 13;
    }

    void aRangeOfRunningNumbers()
    {
        QFETCH(QStringList, numbers);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, endRow);
        PrintFixture fixture(numbers);
        fixture.printRange(from, to);
        QCOMPARE(fixture.requests.size(), 1);
        QCOMPARE(fixture.requests[0].first, first);
        QCOMPARE(fixture.requests[0].count, count);
        QCOMPARE(fixture.selection.currentIndex(), fixture.book.index(endRow, 0));
    }

    void aRunningNumberNotInTheBookStopsThePrint()
    {
        PrintFixture fixture(QStringList{"1", "2", "3"} + numbersFrom(5, 14));
        MessageBoxAnswerer answerer;
        fixture.printRange(4, 6);
        QCOMPARE(answerer.texts, QStringList{"Nepravilan unos rednih brojeva \"od\" i \"do\". Provjerite."});
        QVERIFY(fixture.requests.isEmpty());
    }

    void theBoundsFollowTheRunningNumbers()
    {
        PrintFixture fixture(numbersFrom(3, 12));
        Tfr_nk_00 &entry = fixture.entry;
        entry.ce_ispis_od->setValue(40);
        entry.ce_ispis_odEnter();
        QCOMPARE(entry.ce_ispis_od->value(), 12.0);
        entry.ce_ispis_od->setValue(7);
        entry.ce_ispis_odExit();
        entry.ce_ispis_doEnter();
        QCOMPARE(entry.ce_ispis_do->value(), 8.0);
        entry.ce_ispis_do->setValue(1000);
        QCOMPARE(entry.ce_ispis_do->value(), 12.0);
        QCOMPARE(entry.ce_ispis_do->text(), QStringLiteral("12"));
    }

    void aRunningNumberThatIsNoNumberKeepsTheBounds()
    {
        PrintFixture fixture({QStringLiteral("1"), QStringLiteral("x")});
        MessageBoxAnswerer answerer;
        fixture.entry.ce_ispis_od->setValue(50);
        fixture.entry.ce_ispis_odEnter();
        QCOMPARE(answerer.texts, QStringList{"Cell does not contain a float value"});
        QCOMPARE(fixture.entry.ce_ispis_od->value(), 50.0);
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
