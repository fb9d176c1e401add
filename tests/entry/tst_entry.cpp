#include "combos.h"
#include "entryfixture.h"
#include "windowsupport.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {

const QByteArray kGoodsTitles =
    "0,0,R. br.\r\n"
    "1,0,Datum unosa podataka\r\n"
    "2,0,Oznaka i datum isprave\r\n"
    "3,0,Naziv tvrtke nerezidenta\r\n"
    "4,0,Zemlja sjedi\x9Ata nerezidenta\r\n"
    "5,0,Ugovorena vrijednost posla\r\n"
    "6,0,Naznaka\r\n"
    "7,0,Postotak provizije\r\n"
    "8,0,Datum, iznos i na\xE8in izvr\x9A" "enog pla\xE6" "anja ili naplate\r\n"
    "9,0,Oznaka i datum odobrenja ili rje\x9A" "enja\r\n"
    "10,0,Oznaka rednog broja i godina unosa podataka\r\n"
    "11,0,Broj i datum jedinstvene car. deklaracije (JCD)\r\n"
    "12,0,Podaci o zemlji u koju se roba uvozi ili iz koje se roba izvozi\r\n"
    "13,0,Podaci o zemlji podrijetla robe\r\n";

const QByteArray kGoodsTemplate = "14,2\r\n"
                                  "cw 0,40\r\ncw 1,80\r\ncw 2,150\r\ncw 3,120\r\ncw 4,120\r\ncw 5,100\r\ncw 6,120\r\n"
                                  "cw 7,60\r\ncw 8,150\r\ncw 9,120\r\ncw 10,150\r\ncw 11,150\r\ncw 12,120\r\n"
                                  "cw 13,120\r\n"
                                  + kGoodsTitles;

// A saved goods book with widths of its own, a two-line payment cell and
// Croatian letters.
const QByteArray kSavedGoodsBook = "14,3\r\n"
                                   "cw 0,44\r\ncw 1,81\r\ncw 2,152\r\ncw 3,133\r\ncw 4,120\r\ncw 5,101\r\ncw 6,120\r\n"
                                   "cw 7,60\r\ncw 8,230\r\ncw 9,120\r\ncw 10,150\r\ncw 11,150\r\ncw 12,120\r\n"
                                   "cw 13,120\r\n"
                                   + kGoodsTitles
                                   + "0,1,1\r\n1,1,15.03.2012\r\n3,1,\x8Akoda d.d.\r\n5,1,1.500,00 USD\r\n"
                                     "8,1,15.03.2012; 1.000,00 USD; virman\t\b20.03.2012; 500,00 USD; virman\r\n"
                                     "0,2,2\r\n3,2,\xC8" "e\x9Aka tvrtka\r\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firstBookOnAFreshMachine();
    void savedBookReopensAndSavesTheSameBytes();
    void bookBeforeCompany();
    void savingWithoutCompanyWritesNothing();
    void laterBookChoicesKeepTheUsersSize();
    void changedBookAsksBeforeAnotherChoice_data();
    void changedBookAsksBeforeAnotherChoice();
    void yearChangeReopensTheBook();
    void missingTemplateLeavesNothingToSave();
    void refusedBookFileIsNeverOverwritten_data();
    void refusedBookFileIsNeverOverwritten();
    void nothingIsAskedAboutAGridThatIsNoBook_data();
    void nothingIsAskedAboutAGridThatIsNoBook();
    void pickingTheChosenCompanyAgainChangesNothing();
    void enterMovesToTheNextControl();
    void companyListIsAsWideAsTheLongestName();

private:
    void chooseCompanyAndYear(int company, int year);
    QString bookPath(const QString &company, int year, int kind) const { return m_fixture->bookPath(company, year, kind); }

    std::unique_ptr<EntryFixture> m_fixture;
    TextGridModel *m_book = nullptr;
    ColumnMasks *m_masks = nullptr;
    Tfr_nk_00 *m_entry = nullptr;
};

void TestEntry::init()
{
    m_fixture = std::make_unique<EntryFixture>();
    m_book = &m_fixture->book;
    m_masks = &m_fixture->masks;
    m_entry = &m_fixture->entry;
}

void TestEntry::cleanup()
{
    m_fixture.reset();
}

void TestEntry::chooseCompanyAndYear(int company, int year)
{
    m_entry->se_godina->setValue(year);
    pick(m_entry->cb_drustva, company);
}

void TestEntry::firstBookOnAFreshMachine()
{
    QSignalSpy viewNeeded(m_entry, &Tfr_nk_00::bookViewNeeded);
    QSignalSpy caption(m_entry, &Tfr_nk_00::bookViewCaptionChanged);
    QVERIFY(!m_entry->bg_komande->isVisible());
    QVERIFY(m_entry->bt_karbunica->isHidden());

    chooseCompanyAndYear(0, 2012);
    pick(m_entry->cb_nk, 0);

    QCOMPARE(viewNeeded.count(), 1);
    QCOMPARE(caption.value(0).value(0).toString(), "Alfa d.o.o. - NK - trgovina robom, uvoz");
    QCOMPARE(m_book->rowCount(), 2);
    QCOMPARE(m_book->columnCount(), 14);
    for (int column = 0; column < 14; ++column)
        QVERIFY(m_book->cell(column, 1).isEmpty());
    QVERIFY(m_masks->isDate(1) && m_masks->isAmount(5) && m_masks->isAmount(7));
    QVERIFY(m_entry->statusText(0).isEmpty() && m_entry->statusText(1).isEmpty());
    QVERIFY(m_entry->bg_komande->isVisible());
    QVERIFY(m_entry->bt_karbunica->isVisible());
    QCOMPARE(m_entry->height(), 560);

    QTest::mouseClick(m_entry->bt_spremi, Qt::LeftButton);
    QCOMPARE(fileBytes(bookPath("100", 2012, 0)), kGoodsTemplate);
    QVERIFY(QFile::exists(m_entry->folders().dataFolder() + "/100_2012_roba_uvoz_v_10.txt"));
    QVERIFY(QRegularExpression("^Spremljeno u \\d\\d:\\d\\d:\\d\\d sati$").match(m_entry->statusText(1)).hasMatch());
}

void TestEntry::savedBookReopensAndSavesTheSameBytes()
{
    writeFile(bookPath("101", 2013, 0), kSavedGoodsBook);
    chooseCompanyAndYear(1, 2013);
    pick(m_entry->cb_nk, 0);

    QCOMPARE(m_book->rowCount(), 3);
    QCOMPARE(m_book->grid().columnWidth(8), 230); // the book's own width overrides the template's
    QCOMPARE(m_book->cell(8, 1), "15.03.2012; 1.000,00 USD; virman\r\n20.03.2012; 500,00 USD; virman");
    QCOMPARE(m_book->cell(3, 2), "Češka tvrtka");
    QVERIFY(!m_entry->bookChanged());

    QVERIFY(m_entry->bt_spremiClick());
    QCOMPARE(fileBytes(bookPath("101", 2013, 0)), kSavedGoodsBook);
}

void TestEntry::bookBeforeCompany()
{
    writeFile(bookPath("100", 2012, 0), kSavedGoodsBook);
    m_entry->se_godina->setValue(2012);
    QSignalSpy viewNeeded(m_entry, &Tfr_nk_00::bookViewNeeded);
    {
        MessageBoxAnswerer answerer;
        pick(m_entry->cb_nk, 0);
        QCOMPARE(answerer.texts, QStringList{"Greška - Odabir društva"});
    }
    // The template is shown and the later steps ran all the same.
    QCOMPARE(viewNeeded.count(), 1);
    QCOMPARE(m_book->rowCount(), 2);
    QVERIFY(m_entry->bt_karbunica->isHidden());

    // Choosing the company afterwards opens that company's book.
    pick(m_entry->cb_drustva, 0);
    QCOMPARE(m_entry->companyNumber(), "100");
    QCOMPARE(m_book->rowCount(), 3);
    QCOMPARE(m_book->cell(3, 2), "Češka tvrtka");
    QVERIFY(m_entry->bt_karbunica->isVisible());
}

void TestEntry::savingWithoutCompanyWritesNothing()
{
    {
        MessageBoxAnswerer answerer;
        pick(m_entry->cb_nk, 3);
        QCOMPARE(m_book->rowCount(), 2); // the template of the services book
        m_book->setCell(3, 1, "Partner");
        QVERIFY(!m_entry->bt_spremiClick());
        QCOMPARE(answerer.texts, QStringList({"Greška - Odabir društva", "Greška - Odabir društva"}));
    }
    QVERIFY(QDir(m_entry->folders().dataFolder()).isEmpty());
}

void TestEntry::laterBookChoicesKeepTheUsersSize()
{
    chooseCompanyAndYear(0, 2012);
    pick(m_entry->cb_nk, 0);
    QCOMPARE(m_entry->height(), 560);
    m_entry->resize(800, 700);
    pick(m_entry->cb_nk, 2);
    QCOMPARE(m_entry->size(), QSize(800, 700));
}

void TestEntry::changedBookAsksBeforeAnotherChoice_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("shownKind");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<bool>("saved");

    QTest::newRow("Da saves, then opens") << "Da" << 1 << "" << true;
    QTest::newRow("Ne drops, then opens") << "Ne" << 1 << "" << false;
    QTest::newRow("Odustani keeps book and choice") << "Odustani" << 0 << "Novi partner" << false;
}

void TestEntry::changedBookAsksBeforeAnotherChoice()
{
    QFETCH(QString, answer);
    QFETCH(int, shownKind);
    QFETCH(QString, partner);
    QFETCH(bool, saved);

    chooseCompanyAndYear(0, 2012);
    pick(m_entry->cb_nk, 0);
    m_book->setCell(3, 1, "Novi partner");
    QVERIFY(m_entry->bookChanged());

    // While the question is open the window still shows the open book.
    int kindWhileAsking = -1;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (kindWhileAsking < 0 && qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            kindWhileAsking = m_entry->cb_nk->currentIndex();
    });
    watcher.start(0);
    MessageBoxAnswerer answerer({answer});
    pick(m_entry->cb_nk, 1);
    QCOMPARE(answerer.texts, QStringList{"Knjiga je promijenjena. Spremiti promjene?"});
    QCOMPARE(kindWhileAsking, 0);
    QCOMPARE(m_entry->cb_nk->currentIndex(), shownKind);
    QCOMPARE(m_book->cell(3, 1), partner);
    QCOMPARE(QFile::exists(bookPath("100", 2012, 0)), saved);
    if (saved)
        QVERIFY(fileBytes(bookPath("100", 2012, 0)).contains("3,1,Novi partner\r\n"));
}

void TestEntry::yearChangeReopensTheBook()
{
    writeFile(bookPath("100", 2013, 0), kSavedGoodsBook);
    chooseCompanyAndYear(0, 2012);
    pick(m_entry->cb_nk, 0);
    QCOMPARE(m_book->rowCount(), 2);

    m_entry->se_godina->setValue(2013);
    QCOMPARE(m_book->rowCount(), 3);
    m_book->setCell(6, 2, "izmjena");

    // Cancelling keeps the year the book was opened with, so a save goes there.
    MessageBoxAnswerer answerer({"Odustani"});
    m_entry->se_godina->setValue(2014);
    QCOMPARE(m_entry->se_godina->value(), 2013);
    QVERIFY(m_entry->bt_spremiClick());
    QVERIFY(fileBytes(bookPath("100", 2013, 0)).contains("6,2,izmjena\r\n"));
    QVERIFY(!QFile::exists(bookPath("100", 2014, 0)));
}

void TestEntry::missingTemplateLeavesNothingToSave()
{
    chooseCompanyAndYear(0, 2012);
    QVERIFY(QFile::remove(m_entry->folders().templatePath(*bookKind(17))));
    MessageBoxAnswerer answerer;
    pick(m_entry->cb_nk, 17);
    QVERIFY(!m_entry->bt_spremiClick());
    QCOMPARE(answerer.texts.value(0), "Cannot open file " + QDir::toNativeSeparators(
                                                               m_entry->folders().templatePath(*bookKind(17))));
    QCOMPARE(answerer.texts.value(1), "Greška - Odabir knjige");
    QVERIFY(QDir(m_entry->folders().dataFolder()).isEmpty());
}

void TestEntry::refusedBookFileIsNeverOverwritten_data()
{
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::addColumn<QString>("error");

    QTest::newRow("not a cell file") << false << "Datoteka nije ispravna: ";
    QTest::newRow("cannot be opened") << true << "Cannot open file ";
}

void TestEntry::refusedBookFileIsNeverOverwritten()
{
    QFETCH(bool, folderInItsPlace);
    QFETCH(QString, error);
    const QString path = bookPath("100", 2012, 0);
    const QByteArray refused = "100000,100000\r\n0,1,1\r\n3,1,Partner\r\n";
    if (folderInItsPlace)
        QVERIFY(QDir().mkpath(path));
    else
        writeFile(path, refused);

    chooseCompanyAndYear(0, 2012);
    MessageBoxAnswerer answerer;
    pick(m_entry->cb_nk, 0);
    QCOMPARE(answerer.texts.value(0), error + QDir::toNativeSeparators(path));
    QCOMPARE(m_book->rowCount(), 2); // the template, never the user's book

    QVERIFY(!m_entry->bt_spremiClick());
    QCOMPARE(answerer.texts.value(1), "Greška - Odabir knjige");
    QCOMPARE(answerer.texts.size(), 2);
    if (folderInItsPlace)
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(fileBytes(path), refused);
}

void TestEntry::nothingIsAskedAboutAGridThatIsNoBook_data()
{
    QTest::addColumn<bool>("templateMissing");

    QTest::newRow("template missing") << true;
    QTest::newRow("book file refused") << false;
}

// Only an open book can be saved, so only an open book is asked about.
void TestEntry::nothingIsAskedAboutAGridThatIsNoBook()
{
    QFETCH(bool, templateMissing);
    if (templateMissing)
        QVERIFY(QFile::remove(m_entry->folders().templatePath(*bookKind(0))));
    else
        writeFile(bookPath("100", 2012, 0), "100000,100000\r\n");
    chooseCompanyAndYear(0, 2012);
    pick(m_entry->cb_nk, 1);
    {
        MessageBoxAnswerer answerer;
        pick(m_entry->cb_nk, 0);
        QCOMPARE(answerer.texts.size(), 1);
    }
    m_book->setCell(3, 1, "upisano u prazno");

    MessageBoxAnswerer answerer;
    pick(m_entry->cb_nk, 3);
    QCOMPARE(answerer.texts, QStringList{});
    QCOMPARE(m_entry->cb_nk->currentIndex(), 3);
    QCOMPARE(m_book->columnCount(), 11); // the services book is open
    QVERIFY(m_book->cell(3, 1).isEmpty());
    QVERIFY(m_entry->bt_spremiClick());
    QVERIFY(QFile::exists(bookPath("100", 2012, 3)));
}

void TestEntry::pickingTheChosenCompanyAgainChangesNothing()
{
    writeFile(bookPath("100", 2013, 0), kSavedGoodsBook);
    chooseCompanyAndYear(0, 2013);
    pick(m_entry->cb_nk, 0);
    m_book->setCell(6, 2, "izmjena");

    MessageBoxAnswerer answerer;
    pick(m_entry->cb_drustva, 0);
    QCOMPARE(answerer.texts, QStringList{});
    QCOMPARE(m_book->cell(6, 2), "izmjena");
    QVERIFY(m_entry->bookChanged());
    QCOMPARE(m_entry->companyNumber(), "100");
}

void TestEntry::enterMovesToTheNextControl()
{
    QApplication::setActiveWindow(m_entry);
    QVERIFY(QTest::qWaitForWindowActive(m_entry));
    const auto focused = [](QWidget *control) {
        QWidget *focus = QApplication::focusWidget();
        return focus && (focus == control || control->isAncestorOf(focus));
    };
    m_entry->cb_drustva->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(focused(m_entry->se_godina));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QVERIFY(focused(m_entry->cb_nk));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QVERIFY(focused(m_entry->se_godina));
    QCOMPARE(m_entry->cb_nk->currentIndex(), -1); // the key moved, it did not pick
}

void TestEntry::companyListIsAsWideAsTheLongestName()
{
    const QString longName = "Međunarodna trgovačka i savjetodavna tvrtka za uvoz i izvoz d.o.o.";
    m_entry->appendCompanyNames({longName});
    m_entry->cb_drustva->showPopup();
    const int listWidth = m_entry->cb_drustva->view()->minimumWidth();
    m_entry->cb_drustva->hidePopup();
    const int textWidth = QFontMetrics(m_entry->cb_drustva->font()).horizontalAdvance(longName);
    QVERIFY2(listWidth > textWidth, qPrintable(QString("%1 <= %2").arg(listWidth).arg(textWidth)));
    QVERIFY(listWidth > m_entry->cb_drustva->width());
    QVERIFY(listWidth < textWidth + 60); // the scroll bar, not the 500 set at creation
}

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
