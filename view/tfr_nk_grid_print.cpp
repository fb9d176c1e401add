// The book view's report: the template prepared for the open book, and the
// print of a range of its entries.
#include "tfr_nk_grid.h"

#include "printing.h"
#include "reportpreview.h"
#include "textgridmodel.h"

bool Tfr_nk_grid::loadReportTemplate(const QString &path, QString &error)
{
    return ::loadReportTemplate(rp_nk, path, m_book->grid(), error);
}

void Tfr_nk_grid::printReport(const PrintRequest &request, const TitleBlock &title)
{
    rp_nkBeforePrint(rp_nk, title);
    const TextGrid &book = m_book->grid();
    const RecordSource records{.first = request.first,
                               .count = request.count,
                               .value = [&book](int row, const QString &field) { return GetFieldValue(book, row, field); }};
    const std::optional<QList<ReportPage>> pages = layOutWithProgress(this, rp_nk, records);
    if (pages)
        showPrintPreview(this, rp_nk.page, *pages, request.pdfPath);
}
