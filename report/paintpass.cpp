#include "paintpass.h"

#include "reportfont.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr double kSolidWidthMm = 0.3;
constexpr double kDottedWidthMm = 0.2;

void paintPage(QPainter &painter, const ReportPage &page, double pixelsPerMm)
{
    const auto toDevice = [pixelsPerMm](const QPointF &mm) { return mm * pixelsPerMm; };
    for (const LineBox &box : page.lines) {
        QPen pen(Qt::black, (box.dotted ? kDottedWidthMm : kSolidWidthMm) * pixelsPerMm,
                 box.dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(toDevice(box.line.p1()), toDevice(box.line.p2())));
    }
    painter.setPen(Qt::black);
    for (const TextBox &box : page.texts) {
        painter.setFont(reportQFont(box.font));
        const QRectF rect(toDevice(box.rect.topLeft()), toDevice(box.rect.bottomRight()));
        painter.drawText(rect, int(box.alignment) | Qt::TextSingleLine | Qt::TextDontClip, box.text);
    }
}

} // namespace

void setUpDevice(QPagedPaintDevice &device, const ReportPageSetup &page)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), page.orientation, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
}

bool paintReport(const QList<ReportPage> &pages, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double pixelsPerMm = device.logicalDpiX() / 25.4;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, pages[i], pixelsPerMm);
    }
    return painter.end();
}
