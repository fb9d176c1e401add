#include "bookreport.h"
#include "cellfile.h"
#include "pagedump.h"
#include "pdfoutput.h"
#include "printing.h"
#include "reportpreview.h"
#include "textgrid.h"
#include "windowsupport.h"

#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kGolden = QStringLiteral(NK_GOLDEN_DIR);
const TitleBlock kTitle{.name = QStringLiteral("Alfa d.o.o."),
                        .address = QStringLiteral("Ilica 1"),
                        .place = QStringLiteral("Zagreb"),
                        .bookLine = QStringLiteral("Nadzorna knjiga - trgovina robom, uvoz - 2012. godina")};

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// A golden case: the book, and the kind and print option it is printed with.
struct PrintCase {
    TextGrid book;
    int kind = 0;
    int option = 0;
};

PrintCase readCase(const QString &folder)
{
    PrintCase printCase;
    if (!readCellBytes(readBytes(folder + QStringLiteral("/book.txt")), printCase.book))
        qFatal("bad book in %s", qPrintable(folder));
    for (const QString &line : QString::fromUtf8(readBytes(folder + QStringLiteral("/case.txt"))).split('\n')) {
        const QStringList parts = line.split(' ');
        if (parts.value(0) == QLatin1String("kind"))
            printCase.kind = parts.value(1).toInt();
        if (parts.value(0) == QLatin1String("option"))
            printCase.option = parts.value(1).toInt();
    }
    return printCase;
}

Report preparedReport(const PrintCase &printCase, QString &templateName)
{
    templateName = reportTemplateFor(printCase.kind, printCase.option, TemplateCaller::BookChoice);
    Report report;
    QString error;
    if (!loadReportTemplate(report, QStringLiteral(":/shipped/rtm/") + templateName, printCase.book, error))
        qFatal("%s", qPrintable(error));
    rp_nkBeforePrint(report, kTitle);
    return report;
}

QList<ReportPage> wholeBookPages(const Report &report, const TextGrid &book)
{
    const RecordSource records{.first = 1,
                               .count = book.rowCount() - 1,
                               .value = [&book](int row, const QString &field) { return GetFieldValue(book, row, field); }};
    return *layOutReport(report, records, QDate(2012, 5, 7));
}

TextGrid bookOfColumns(int columns)
{
    TextGrid book(64, columns, 2);
    for (int column = 0; column < columns; ++column)
        book.setCell(column, 1, QStringLiteral("c%1").arg(column));
    return book;
}

// Answers the save dialog as a user does: notes the name it offers and
// accepts the one given.
class SaveDialogAnswerer : public QObject {
public:
    explicit SaveDialogAnswerer(QString answer) : m_answer(std::move(answer))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            offered = dialog->selectedFiles().value(0);
            dialog->selectFile(m_answer);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        m_timer.start(5);
    }

    QString offered;

private:
    QString m_answer;
    QTimer m_timer;
};

QString pdfText(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        qFatal("pdftotext (poppler-utils) did not run");
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class TestPrintLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // NK_UPDATE_GOLDEN=1 writes the dumps after a deliberate change;
    // NK_GOLDEN_PDF=folder writes each case as a PDF there, to look at.
    void goldenLayouts_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("pages");
        QTest::newRow("landscape, 10 columns: one title and one data line") << "landscape_10_columns" << 1;
        QTest::newRow("landscape, 14 columns: columns 10 and up on the second line") << "landscape_14_columns" << 1;
        QTest::newRow("kind 18 through rcn_00.rtm, portrait chosen") << "turnover_kind_18" << 1;
        QTest::newRow("portrait: the regions of the book's columns") << "portrait_regions" << 1;
        QTest::newRow("a four-line payment grows its band") << "multiline_payment" << 1;
        QTest::newRow("three pages: header on each, pages 1 to 3") << "three_pages" << 3;
    }

    void goldenLayouts()
    {
        QFETCH(QString, folder);
        QFETCH(int, pages);
        const QString path = kGolden + QLatin1Char('/') + folder;
        const PrintCase printCase = readCase(path);
        QString templateName;
        const Report report = preparedReport(printCase, templateName);
        const QString dump = QStringLiteral("template ") + templateName + QLatin1Char('\n')
                             + pageDump(wholeBookPages(report, printCase.book));
        if (qEnvironmentVariableIsSet("NK_UPDATE_GOLDEN")) {
            QFile out(path + QStringLiteral("/pages.txt"));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(dump.toUtf8());
        }
        if (qEnvironmentVariableIsSet("NK_GOLDEN_PDF")) {
            const QString pdf = qEnvironmentVariable("NK_GOLDEN_PDF") + QLatin1Char('/') + folder + QStringLiteral(".pdf");
            QString error;
            QVERIFY2(writeReportPdf(wholeBookPages(report, printCase.book), report.page, pdf, error), qPrintable(error));
        }
        QCOMPARE(pageCount(dump), pages);
        QCOMPARE(dump, QString::fromUtf8(readBytes(path + QStringLiteral("/pages.txt"))));
    }

    void templateChoice_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("option");
        QTest::addColumn<TemplateCaller>("caller");
        QTest::addColumn<QString>("name");
        const auto book = TemplateCaller::BookChoice;
        const auto option = TemplateCaller::PrintOption;
        QTest::newRow("goods, landscape") << 0 << 1 << book << "vrt_00.rtm";
        QTest::newRow("goods, portrait") << 0 << 0 << book << "hrz_00.rtm";
        QTest::newRow("goods, nothing chosen") << 0 << -1 << book << "hrz_00.rtm";
        QTest::newRow("kind 18 chosen, landscape") << 18 << 1 << book << "rcn_00.rtm";
        QTest::newRow("kind 18 chosen, portrait") << 18 << 0 << book << "rcn_00.rtm";
        QTest::newRow("then the option: landscape") << 18 << 1 << option << "vrt_00.rtm";
        QTest::newRow("then the option: portrait") << 18 << 0 << option << "hrz_00.rtm";
        QTest::newRow("kind 18 chosen again") << 18 << 1 << book << "rcn_00.rtm";
        QTest::newRow("no kind chosen") << -1 << 1 << book << "";
    }

    void templateChoice()
    {
        QFETCH(int, kind);
        QFETCH(int, option);
        QFETCH(TemplateCaller, caller);
        QFETCH(QString, name);
        QCOMPARE(reportTemplateFor(kind, option, caller), name);
    }

    void fieldValues_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("Polje5") << 14 << "Polje5" << "c5";
        QTest::newRow("POLJE5") << 14 << "POLJE5" << "c5";
        QTest::newRow("polje0") << 14 << "polje0" << "c0";
        QTest::newRow("POLJE9 without conditions") << 10 << "POLJE9" << "c9";
        QTest::newRow("POLJE13 without conditions") << 14 << "POLJE13" << "c13";
        QTest::newRow("POLJE17 without conditions") << 18 << "POLJE17" << "c17";
        QTest::newRow("POLJE18 of 18 columns") << 18 << "POLJE18" << "";
        QTest::newRow("POLJE18 of 19 columns") << 19 << "POLJE18" << "c18";
        QTest::newRow("a column the book lacks") << 9 << "Polje12" << "";
        QTest::newRow("Polje19") << 20 << "Polje19" << "";
        QTest::newRow("Polje31") << 32 << "Polje31" << "";
        QTest::newRow("Polje05") << 14 << "Polje05" << "";
        QTest::newRow("Polje") << 14 << "Polje" << "";
        QTest::newRow("another name") << 14 << "Naziv" << "";
    }

    void fieldValues()
    {
        QFETCH(int, columns);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QCOMPARE(GetFieldValue(bookOfColumns(columns), 1, field), value);
    }

    void titlesShortenTheApprovalInLandscapeOnly()
    {
        TextGrid book = bookOfColumns(14);
        book.setCell(9, 0, QStringLiteral("Oznaka i datum odobrenja ili rješenja"));
        book.setCell(3, 0, QStringLiteral("oznaka i datum odobrenja (malim slovima)"));
        QString error;
        Report landscape;
        QVERIFY(loadReportTemplate(landscape, QStringLiteral(":/shipped/rtm/vrt_00.rtm"), book, error));
        QCOMPARE(landscape.find(QStringLiteral("rp_tt_9"), ComponentKind::Memo)->text,
                 QStringLiteral("Oznaka i datum odobrenja ili rješenja*"));
        QCOMPARE(landscape.find(QStringLiteral("rp_tt_3"), ComponentKind::Memo)->text, book.cell(3, 0));
        Report portrait;
        QVERIFY(loadReportTemplate(portrait, QStringLiteral(":/shipped/rtm/hrz_00.rtm"), book, error));
        QCOMPARE(portrait.find(QStringLiteral("rp_mm_9"), ComponentKind::Memo)->text, book.cell(9, 0));
        QVERIFY(portrait.find(QStringLiteral("ppRegion13"), ComponentKind::Region)->visible);
        QVERIFY(!portrait.find(QStringLiteral("ppRegion14"), ComponentKind::Region)->visible);
    }

    void aMissingTemplateKeepsTheLoadedOne()
    {
        const TextGrid book = bookOfColumns(14);
        Report report;
        QString error;
        QVERIFY(loadReportTemplate(report, QStringLiteral(":/shipped/rtm/vrt_00.rtm"), book, error));
        const QString missing = m_dir.filePath(QStringLiteral("hrz_00.rtm"));
        QVERIFY(!loadReportTemplate(report, missing, book, error));
        QCOMPARE(error, QStringLiteral("File not found: ") + QDir::toNativeSeparators(missing));
        QVERIFY(report.find(QStringLiteral("ppRegion5"), ComponentKind::Region));
    }

    void theTitleLineReplacesTheFirstNk()
    {
        QCOMPARE(bookTitleLine(QStringLiteral("NK - trgovina robom, uvoz"), QStringLiteral("2012")),
                 QStringLiteral("Nadzorna knjiga - trgovina robom, uvoz - 2012. godina"));
        QCOMPARE(bookTitleLine(QStringLiteral("NK - NK"), QStringLiteral("2013")),
                 QStringLiteral("Nadzorna knjiga - NK - 2013. godina"));
    }

    void aPdfHoldsEveryEntryAsText()
    {
        const PrintCase printCase = readCase(kGolden + QStringLiteral("/three_pages"));
        QString templateName;
        const Report report = preparedReport(printCase, templateName);
        const QString pdf = m_dir.filePath(QStringLiteral("knjiga.pdf"));
        QString error;
        QVERIFY2(writeReportPdf(wholeBookPages(report, printCase.book), report.page, pdf, error), qPrintable(error));
        const QString text = pdfText(pdf);
        QCOMPARE(text.count(QLatin1Char('\f')), 3);
        QVERIFY(text.contains(kTitle.name));
        QVERIFY(text.contains(kTitle.bookLine));
        QVERIFY(text.contains(QStringLiteral("Šimunić GmbH, Graz")));
        QVERIFY(text.contains(QStringLiteral("Češka")));
        for (int row = 1; row < printCase.book.rowCount(); ++row) {
            QVERIFY2(text.contains(QStringLiteral("UR-%1/2012").arg(row)), qPrintable(QString::number(row)));
            // A payment wraps in its column: its words come out whole.
            const QString payments = printCase.book.cell(8, row);
            for (const QString &part : payments.split(QRegularExpression(QStringLiteral("; |\r\n| "))))
                QVERIFY2(text.contains(part), qPrintable(part));
        }
    }

    void aPdfThatCannotBeWrittenLeavesNoFile()
    {
        const QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("nema/mape/knjiga.pdf"));
        QString error;
        QVERIFY(!writeReportPdf({ReportPage()}, ReportPageSetup(), pdf, error));
        QCOMPARE(error, QStringLiteral("PDF datoteku nije moguće spremiti: ") + QDir::toNativeSeparators(pdf));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }

    // The user saves from the preview: the name offered is the book's, the
    // file holds the book's pages.
    void savePdfWritesTheChosenFile()
    {
        const PrintCase printCase = readCase(kGolden + QStringLiteral("/three_pages"));
        QString templateName;
        const Report report = preparedReport(printCase, templateName);
        const QString offered = m_dir.filePath(QStringLiteral("roba_uvoz_v_10.pdf"));
        const QString chosen = m_dir.filePath(QStringLiteral("poslano.pdf"));
        SaveDialogAnswerer dialog(chosen);
        MessageBoxAnswerer messages;
        savePagesAsPdf(nullptr, report.page, wholeBookPages(report, printCase.book), offered);
        QCOMPARE(QDir::cleanPath(dialog.offered), QDir::cleanPath(offered));
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(!QFile::exists(offered));
        const QString text = pdfText(chosen);
        QCOMPARE(text.count(QLatin1Char('\f')), 3);
        QVERIFY(text.contains(QStringLiteral("UR-1/2012")));
    }

    // A "folder" that is a file cannot be written even by an administrator.
    void savePdfIntoAFolderThatCannotBeWritten()
    {
        const QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("zakljucano"));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString chosen = folder + QStringLiteral("/knjiga.pdf");
        const PrintCase printCase = readCase(kGolden + QStringLiteral("/three_pages"));
        QString templateName;
        const Report report = preparedReport(printCase, templateName);
        SaveDialogAnswerer dialog(chosen);
        MessageBoxAnswerer messages;
        savePagesAsPdf(nullptr, report.page, wholeBookPages(report, printCase.book), chosen);
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("PDF datoteku nije moguće spremiti: ") + QDir::toNativeSeparators(chosen)});
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"zakljucano"});
        QCOMPARE(QFileInfo(folder).size(), 0);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
