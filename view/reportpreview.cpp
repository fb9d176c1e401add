#include "reportpreview.h"

#include "messages.h"
#include "paintpass.h"
#include "pdfoutput.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QToolBar>

namespace {

constexpr int kProgressStep = 100;

} // namespace

std::optional<QList<ReportPage>> layOutWithProgress(QWidget *parent, const Report &report, const RecordSource &records)
{
    QProgressDialog progress(QStringLiteral("Priprema stranica za ispis..."), QStringLiteral("Odustani"), 0,
                             std::max(records.count, 0), parent);
    progress.setObjectName(QStringLiteral("pd_ispis"));
    progress.setWindowTitle(QStringLiteral("Ispis"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    return layOutReport(report, records, QDate::currentDate(), [&progress](int done) {
        if (done % kProgressStep == 0)
            progress.setValue(done);
        return !progress.wasCanceled();
    });
}

void showPrintPreview(QWidget *parent, const ReportPageSetup &page, const QList<ReportPage> &pages,
                      const QString &pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    setUpDevice(printer, page);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("pv_ispis"));
    preview.setWindowTitle(QStringLiteral("Pregled ispisa"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter *target) { paintReport(pages, *target); });
    if (auto *toolBar = preview.findChild<QToolBar *>()) {
        QAction *save = toolBar->addAction(QStringLiteral("Spremi PDF"));
        save->setObjectName(QStringLiteral("ac_spremi_pdf"));
        save->setToolTip(QStringLiteral("Sprema stranice kao PDF datoteku"));
        QObject::connect(save, &QAction::triggered, &preview,
                         [&] { savePagesAsPdf(&preview, page, pages, pdfPath); });
    }
    preview.resize(1000, 700);
    preview.exec();
}

void savePagesAsPdf(QWidget *parent, const ReportPageSetup &page, const QList<ReportPage> &pages,
                    const QString &pdfPath)
{
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Spremi PDF"), pdfPath,
                                                      QStringLiteral("PDF datoteke (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeReportPdf(pages, page, path, error))
        showMessage(parent, error);
}
