#include "combos.h"
#include "entryfixture.h"
#include "fieldwidgets.h"
#include "windowsupport.h"
#include "xlsxsupport.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// Answers the file dialogs a test provokes: notes the path each offers and
// types the next path given, or cancels when none is left.
class FileDialogAnswerer : public QObject {
public:
    explicit FileDialogAnswerer(QStringList paths) : m_paths(std::move(paths))
    {
        connect(&m_timer, &QTimer::timeout, this, &FileDialogAnswerer::answer);
        m_timer.start(5);
    }

    QStringList offered;

private:
    void answer()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        offered << dialog->selectedFiles().value(0);
        if (m_paths.isEmpty()) {
            dialog->reject();
            return;
        }
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        name->setText(m_paths.takeFirst());
        QTest::keyClick(name, Qt::Key_Return);
    }

    QStringList m_paths;
    QTimer m_timer;
};

// The user's documents folder, as the desktop names it.
class TempDocuments {
public:
    TempDocuments()
    {
        QDir().mkpath(path());
        QFile dirs(m_config.filePath("user-dirs.dirs"));
        if (!dirs.open(QIODevice::WriteOnly))
            qFatal("cannot write user-dirs.dirs");
        dirs.write("XDG_DOCUMENTS_DIR=\"" + path().toUtf8() + "\"\n");
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }
    ~TempDocuments() { qunsetenv("XDG_CONFIG_HOME"); }

    QString path() const { return m_config.filePath("Dokumenti"); }

private:
    QTemporaryDir m_config;
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void izvozStandsBesideIspis();
    void unsavedRowsGoOutAndTheBookFileStays();
    void nothingChosenStopsBeforeTheDialog_data();
    void nothingChosenStopsBeforeTheDialog();
    void unwritableFolderGivesAMessageAndNoFile();
    void existingFileIsReplacedOnlyWhenTheUserSays();

private:
    void openGoodsBook();
    void addEntry();
    void clickIzvoz() { QTest::mouseClick(m_entry->bt_izvoz, Qt::LeftButton); }

    std::unique_ptr<TempDocuments> m_documents;
    std::unique_ptr<EntryFixture> m_fixture;
    Tfr_nk_00 *m_entry = nullptr;
    std::unique_ptr<QTemporaryDir> m_out; // where the user saves
};

void TestExport::init()
{
    m_documents = std::make_unique<TempDocuments>();
    m_out = std::make_unique<QTemporaryDir>();
    m_fixture = std::make_unique<EntryFixture>();
    m_entry = &m_fixture->entry;
    m_entry->setCompanyLinesLookup([](const QString &number) {
        return number == "100" ? CompanyLines{"Alfa d.o.o.", "Ilica 1", "Zagreb"} : CompanyLines{};
    });
}

void TestExport::cleanup()
{
    m_fixture.reset();
    m_documents.reset();
    m_out.reset();
}

void TestExport::openGoodsBook()
{
    m_entry->se_godina->setValue(2012);
    pick(m_entry->cb_drustva, 0);
    pick(m_entry->cb_nk, 0);
}

void TestExport::addEntry()
{
    m_entry->findChild<DateField *>("p_roba_1")->setDate(QDate(2012, 3, 15));
    m_entry->findChild<QLineEdit *>("p_roba_3")->setText("Škoda d.d.");
    pick(m_entry->cb_valute, m_entry->cb_valute->findText("USD (840)"));
    m_entry->findChild<AmountEdit *>("p_roba_5")->setValue(1500);
    QTest::mouseClick(m_entry->findChild<QToolButton *>("b_p_roba_5"), Qt::LeftButton);
    QTest::mouseClick(m_entry->bt_dodaj, Qt::LeftButton);
}

void TestExport::izvozStandsBesideIspis()
{
    QCOMPARE(m_entry->bt_izvoz, m_entry->bg_komande->findChild<QPushButton *>("bt_izvoz"));
    QCOMPARE(m_entry->bt_izvoz->text(), "Izvoz");
    QCOMPARE(m_entry->bt_izvoz->toolTip(), "Izvoz nadzorne knjige u tablicu (.xlsx)");
    QVERIFY(!m_entry->bt_izvoz->isVisible());

    openGoodsBook();
    QVERIFY(m_entry->bt_izvoz->isVisible());
    QCOMPARE(m_entry->bt_izvoz->y(), m_entry->bt_ispis->y());
    QCOMPARE(m_entry->bt_izvoz->x(), m_entry->bt_ispis->x() + m_entry->bt_ispis->width());
    // The whole command bar fits the window as created.
    QVERIFY(m_entry->bt_izvoz->mapTo(m_entry, QPoint(m_entry->bt_izvoz->width(), 0)).x() <= m_entry->width());
    QCOMPARE(m_entry->width(), 754);
}

void TestExport::unsavedRowsGoOutAndTheBookFileStays()
{
    openGoodsBook();
    addEntry();
    QVERIFY(m_entry->bookChanged());
    const QString path = m_out->filePath("knjiga.xlsx");
    FileDialogAnswerer dialogs({path});
    MessageBoxAnswerer messages;
    clickIzvoz();

    QCOMPARE(dialogs.offered, QStringList{m_documents->path() + "/100_2012_roba_uvoz_v_10.xlsx"});
    QCOMPARE(messages.texts, QStringList{"Nadzorna knjiga je izvezena u " + QDir::toNativeSeparators(path)});
    const XlsxWorkbook book = readXlsx(path);
    QCOMPARE(book.sheetNames, QStringList{"NK - trgovina robom, uvoz"});
    QCOMPARE(book.cells.value("A1").value, "Alfa d.o.o.");
    QCOMPARE(book.cells.value("A3").value, "Zagreb");
    QCOMPARE(book.cells.value("A5").value, "Nadzorna knjiga - trgovina robom, uvoz - 2012. godina");
    QCOMPARE(book.cells.value("A7").value, "R. br.");
    QCOMPARE(book.cells.value("A8").value, "1");
    QCOMPARE(book.cells.value("B8").value, "40983");
    QCOMPARE(book.cells.value("D8").value, "Škoda d.d.");
    QCOMPARE(book.cells.value("F8").value, "1500");
    QCOMPARE(book.styleOf("F8").numberFormat, R"(#,##0.00 "USD")");

    QVERIFY(!QFile::exists(m_fixture->bookPath("100", 2012, 0)));
    QVERIFY(m_entry->bookChanged());
}

void TestExport::nothingChosenStopsBeforeTheDialog_data()
{
    QTest::addColumn<bool>("companyChosen");
    QTest::addColumn<QString>("message");

    QTest::newRow("no company") << false << "Nije odabrano drustvo. Provjerite.";
    QTest::newRow("no book") << true << "Nije odabrana nadzorna knjiga. Provjerite.";
}

void TestExport::nothingChosenStopsBeforeTheDialog()
{
    QFETCH(bool, companyChosen);
    QFETCH(QString, message);

    FileDialogAnswerer dialogs({m_out->filePath("knjiga.xlsx")});
    MessageBoxAnswerer messages;
    if (companyChosen) {
        // A template that cannot be read leaves the command bar shown and no
        // book open.
        pick(m_entry->cb_drustva, 0);
        QVERIFY(QFile::remove(m_entry->folders().templatePath(*bookKind(0))));
    }
    pick(m_entry->cb_nk, 0);
    QVERIFY(m_entry->bt_izvoz->isVisible());
    messages.texts.clear();
    clickIzvoz();

    QCOMPARE(messages.texts, QStringList{message});
    QVERIFY(dialogs.offered.isEmpty());
    QVERIFY(QDir(m_out->path()).isEmpty());
}

void TestExport::unwritableFolderGivesAMessageAndNoFile()
{
    openGoodsBook();
    QFile file(m_out->filePath("datoteka.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = m_out->filePath("datoteka.txt/knjiga.xlsx");
    FileDialogAnswerer dialogs({path});
    MessageBoxAnswerer messages;
    clickIzvoz();

    QCOMPARE(messages.texts, QStringList{"Izvoz nije uspio: datoteku " + QDir::toNativeSeparators(path)
                                         + " nije moguće zapisati. Provjerite postoji li mapa i smije li se u nju "
                                           "pisati."});
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"datoteka.txt"});
    QCOMPARE(file.size(), 0);
}

void TestExport::existingFileIsReplacedOnlyWhenTheUserSays()
{
    openGoodsBook();
    addEntry();
    const QString path = m_out->filePath("knjiga.xlsx");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("stara tablica");
    old.close();
    const QString question = "Datoteka " + QDir::toNativeSeparators(path) + " već postoji. Zamijeniti je?";
    {
        // "Ne" brings the dialog back; cancelling it writes nothing.
        FileDialogAnswerer dialogs({path});
        MessageBoxAnswerer messages({"Ne"});
        clickIzvoz();
        QCOMPARE(dialogs.offered.size(), 2);
        QCOMPARE(messages.texts, QStringList{question});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "stara tablica");
        old.close();
    }
    FileDialogAnswerer dialogs({path});
    MessageBoxAnswerer messages({"Da"});
    clickIzvoz();
    QCOMPARE(messages.texts.value(0), question);
    QCOMPARE(readXlsx(path).cells.value("D8").value, "Škoda d.d.");
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
