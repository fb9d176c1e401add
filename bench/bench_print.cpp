// Printing a goods book through the landscape template: the layout pass
// alone over 10,000 entries, and layout and paint of 1,000 entries to PDF.
#include "bookreport.h"
#include "goodsbook.h"
#include "pdfoutput.h"
#include "textgrid.h"
#include "timing.h"

#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

Report landscapeReport(const TextGrid &book)
{
    Report report;
    QString error;
    if (!loadReportTemplate(report, QStringLiteral(":/shipped/rtm/vrt_00.rtm"), book, error))
        qFatal("%s", qPrintable(error));
    rp_nkBeforePrint(report, {.name = QStringLiteral("Alfa d.o.o."),
                              .address = QStringLiteral("Ilica 1"),
                              .place = QStringLiteral("Zagreb"),
                              .bookLine = QStringLiteral("Nadzorna knjiga - trgovina robom, uvoz - 2012. godina")});
    return report;
}

QList<ReportPage> pagesOf(const Report &report, const TextGrid &book)
{
    const RecordSource records{.first = 1,
                               .count = book.rowCount() - 1,
                               .value = [&book](int row, const QString &field) { return GetFieldValue(book, row, field); }};
    return *layOutReport(report, records, QDate::currentDate());
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TextGrid large(80);
    fillGoodsBook(large, 10'000);
    const Report report = landscapeReport(large);
    qsizetype pages = 0;
    printFigure("print_layout_10k_rows", medianMs([&] { return timeMs([&] { pages = pagesOf(report, large).size(); }); }),
                "ms");
    printFigure("print_pages_10k_rows", double(pages), "pages");

    TextGrid small(80);
    fillGoodsBook(small, 1'000);
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("knjiga.pdf"));
    printFigure("print_pdf_1k_rows", medianMs([&] {
                    return timeMs([&] {
                        QString error;
                        if (!writeReportPdf(pagesOf(report, small), report.page, pdf, error))
                            qFatal("%s", qPrintable(error));
                    });
                }),
                "ms");
    return 0;
}
