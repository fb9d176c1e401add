#include "bookreport.h"

#include "textgrid.h"

#include <QFileInfo>

namespace {

constexpr int kLastValueField = 18;

void setMemoText(Report &report, const QString &name, const QString &text)
{
    if (ReportComponent *memo = report.find(name, ComponentKind::Memo))
        memo->text = text;
}

void setLabelText(Report &report, const QString &name, const QString &text)
{
    if (ReportComponent *label = report.find(name, ComponentKind::Label))
        label->text = text;
}

void setRegionVisible(Report &report, const QString &name, bool visible)
{
    if (ReportComponent *region = report.find(name, ComponentKind::Region))
        region->visible = visible;
}

void placeBelow(Report &report, const QString &name, const QString &above)
{
    if (ReportComponent *region = report.find(name, ComponentKind::Region))
        region->below = above;
}

// A book of ten columns or fewer fits one title line and one entry line.
void keepFirstLines(Report &report, int columns)
{
    if (columns > 10)
        return;
    setRegionVisible(report, QStringLiteral("ppRegion6"), false);
    placeBelow(report, QStringLiteral("ppRegion7"), QStringLiteral("ppRegion5"));
    setRegionVisible(report, QStringLiteral("ppRegion2"), false);
    setRegionVisible(report, QStringLiteral("ppRegion3"), false);
    placeBelow(report, QStringLiteral("ppRegion4"), QStringLiteral("ppRegion1"));
}

} // namespace

void rp_titlovi_vrt_grid_u_report(Report &report, const TextGrid &book)
{
    for (int column = 0; column < book.columnCount(); ++column) {
        QString title = book.cell(column, 0);
        if (title.contains(QLatin1String("Oznaka i datum odobrenja"), Qt::CaseSensitive))
            title = QStringLiteral("Oznaka i datum odobrenja ili rješenja*");
        setMemoText(report, QStringLiteral("rp_tt_") + QString::number(column), title);
    }
}

void rp_titlovi_grid_u_report(Report &report, const TextGrid &book)
{
    for (int column = 0; column < book.columnCount(); ++column)
        setMemoText(report, QStringLiteral("rp_mm_") + QString::number(column), book.cell(column, 0));
}

void rp_regioni_visible(Report &report, int columns)
{
    for (int column = 0; column < columns; ++column)
        setRegionVisible(report, QStringLiteral("ppRegion") + QString::number(column), true);
}

bool loadReportTemplate(Report &report, const QString &path, const TextGrid &book, QString &error)
{
    if (!report.load(path, error))
        return false;
    const QString name = QFileInfo(path).fileName();
    if (name == QLatin1String("hrz_00.rtm")) {
        rp_regioni_visible(report, book.columnCount());
        rp_titlovi_grid_u_report(report, book);
        return true;
    }
    rp_titlovi_vrt_grid_u_report(report, book);
    if (name == QLatin1String("vrt_00.rtm"))
        keepFirstLines(report, book.columnCount());
    return true;
}

void rp_nkBeforePrint(Report &report, const TitleBlock &title)
{
    setLabelText(report, QStringLiteral("rp_nzv_drs"), title.name);
    setLabelText(report, QStringLiteral("rp_adr_drs"), title.address);
    setLabelText(report, QStringLiteral("rp_mjs_drs"), title.place);
    setMemoText(report, QStringLiteral("rp_nzv_knj"), title.bookLine);
}

QString GetFieldValue(const TextGrid &book, int row, const QString &field)
{
    const QString name = field.toUpper();
    if (!name.startsWith(QLatin1String("POLJE")))
        return {};
    bool isNumber = false;
    const int column = QStringView(name).mid(5).toInt(&isNumber);
    if (!isNumber || column < 0 || column > kLastValueField || name.size() > 5 + QString::number(column).size())
        return {};
    if (column >= book.columnCount() || row < 0 || row >= book.rowCount())
        return {};
    return book.cell(column, row);
}
