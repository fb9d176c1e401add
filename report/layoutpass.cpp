#include "layoutpass.h"

#include "reportfont.h"
#include "textmeasure.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// Boxes of one band, from the band's top.
struct Block {
    QList<TextBox> texts;
    QList<LineBox> lines;
    double height = 0;

    void appendShifted(const Block &other, double dy)
    {
        for (TextBox box : other.texts) {
            box.rect.translate(0, dy);
            texts << box;
        }
        for (LineBox box : other.lines) {
            box.line.translate(0, dy);
            lines << box;
        }
    }
};

QString filledIn(QString text, const QString &first, const QString &second = {})
{
    if (text.isEmpty())
        text = QStringLiteral("%1");
    return text.replace(QLatin1String("%1"), first).replace(QLatin1String("%2"), second);
}

// Lays out the components of one band for one record or one page.
class BandLayouter {
public:
    BandLayouter(TextMeasure &measure, double left, std::function<QString(const ReportComponent &)> textOf)
        : m_measure(measure), m_left(left), m_textOf(std::move(textOf))
    {
    }

    Block layOut(const ReportBand &band)
    {
        Block block;
        block.height = layOutContainer(band.components, QPointF(m_left, 0), band.height, block);
        return block;
    }

private:
    // Returns the height of the container: its least height or the bottom
    // of its lowest content, whichever is more.
    double layOutContainer(const QList<ReportComponent> &components, QPointF origin, double leastHeight, Block &out)
    {
        double bottom = leastHeight;
        QHash<QString, double> regionBottoms;
        QSet<QString> placing;
        const std::function<double(const ReportComponent &)> regionBottom = [&](const ReportComponent &region) {
            if (const auto known = regionBottoms.constFind(region.name); known != regionBottoms.constEnd())
                return *known;
            placing.insert(region.name);
            double top = region.rect.top();
            if (const ReportComponent *above = regionNamed(components, region.below); above && !placing.contains(above->name))
                top = regionBottom(*above);
            double height = 0;
            if (region.visible)
                height = layOutContainer(region.children, origin + QPointF(region.rect.left(), top),
                                         region.rect.height(), out);
            placing.remove(region.name);
            return regionBottoms[region.name] = top + height;
        };

        QList<const ReportComponent *> stretching;
        for (const ReportComponent &component : components) {
            switch (component.kind) {
            case ComponentKind::Region:
                bottom = std::max(bottom, regionBottom(component));
                break;
            case ComponentKind::Line:
                if (component.isVerticalLine() && component.grows) {
                    stretching << &component;
                    break;
                }
                out.lines << LineBox{.line = QLineF(component.rect.topLeft() + origin, component.rect.bottomRight() + origin),
                                     .dotted = component.dotted};
                bottom = std::max(bottom, component.rect.bottom());
                break;
            default:
                bottom = std::max(bottom, component.rect.top() + placeText(component, origin, out));
                break;
            }
        }
        for (const ReportComponent *line : stretching) {
            const QPointF top = line->rect.topLeft() + origin;
            out.lines << LineBox{.line = QLineF(top, QPointF(top.x(), origin.y() + bottom)), .dotted = line->dotted};
        }
        return bottom;
    }

    static const ReportComponent *regionNamed(const QList<ReportComponent> &components, const QString &name)
    {
        if (name.isEmpty())
            return nullptr;
        for (const ReportComponent &component : components)
            if (component.kind == ComponentKind::Region && component.name == name)
                return &component;
        return nullptr;
    }

    // Memos and data fields wrap; one that does not grow keeps the lines its
    // height holds. Returns the height the component takes.
    double placeText(const ReportComponent &component, QPointF origin, Block &out)
    {
        const QString text = m_textOf(component);
        const bool wraps = component.kind == ComponentKind::Memo || component.kind == ComponentKind::DataField;
        const QStringList lines = wraps ? m_measure.wrap(text, component.font, component.rect.width()) : QStringList{text};
        const double lineHeight = m_measure.lineHeight(component.font);
        qsizetype shown = lines.size();
        if (!component.grows)
            shown = std::clamp<qsizetype>(static_cast<qsizetype>(component.rect.height() / lineHeight + 1e-6), 1,
                                          lines.size());
        const QPointF topLeft = component.rect.topLeft() + origin;
        for (qsizetype i = 0; i < shown; ++i) {
            if (lines[i].isEmpty())
                continue;
            out.texts << TextBox{.rect = QRectF(topLeft.x(), topLeft.y() + double(i) * lineHeight, component.rect.width(),
                                                lineHeight),
                                 .text = lines[i],
                                 .font = component.font,
                                 .alignment = component.alignment};
        }
        return component.grows ? std::max(component.rect.height(), double(shown) * lineHeight) : component.rect.height();
    }

    TextMeasure &m_measure;
    double m_left;
    std::function<QString(const ReportComponent &)> m_textOf;
};

// The highest cut at or above y that no line of text crosses.
double cutBetweenLines(const Block &block, double y)
{
    bool moved = true;
    while (moved) {
        moved = false;
        for (const TextBox &box : block.texts)
            if (box.rect.top() < y - 1e-9 && box.rect.bottom() > y + 1e-9) {
                y = box.rect.top();
                moved = true;
            }
    }
    return y;
}

// Splits the block at y: what lies above stays in head, the rest moves up
// into the returned tail. Vertical lines crossing the cut are cut too.
Block splitBlock(const Block &block, double y, Block &head)
{
    Block tail;
    tail.height = block.height - y;
    head.height = y;
    for (const TextBox &box : block.texts) {
        if (box.rect.bottom() <= y + 1e-9)
            head.texts << box;
        else
            tail.texts << TextBox{box.rect.translated(0, -y), box.text, box.font, box.alignment};
    }
    for (const LineBox &box : block.lines) {
        const double top = std::min(box.line.y1(), box.line.y2());
        const double bottom = std::max(box.line.y1(), box.line.y2());
        if (bottom <= y + 1e-9) {
            head.lines << box;
        } else if (top >= y - 1e-9) {
            tail.lines << LineBox{box.line.translated(0, -y), box.dotted};
        } else {
            head.lines << LineBox{QLineF(box.line.x1(), top, box.line.x2(), y), box.dotted};
            tail.lines << LineBox{QLineF(box.line.x1(), 0, box.line.x2(), bottom - y), box.dotted};
        }
    }
    return tail;
}

class PageBuilder {
public:
    PageBuilder(const Report &report, const QDate &printDate)
        : m_report(report), m_printDate(printDate.toString(QStringLiteral("dd.MM.yyyy")))
    {
        const QSizeF sheet = report.page.size();
        m_detailBottom = sheet.height() - report.page.margins.bottom() - footer(1, 1).height;
    }

    void addRecord(const std::function<QString(const QString &)> &value)
    {
        BandLayouter layouter(m_measure, left(), [&](const ReportComponent &component) {
            return component.kind == ComponentKind::DataField ? value(component.field) : component.text;
        });
        Block block = layouter.layOut(m_report.detail);
        if (m_pages.isEmpty())
            startPage();
        while (m_cursor + block.height > m_detailBottom + 1e-9) {
            if (!m_pageHasDetails) {
                if (m_detailBottom - m_cursor <= 1e-9)
                    break; // headers fill the page: nothing could be placed anywhere
                double cut = cutBetweenLines(block, m_detailBottom - m_cursor);
                if (cut <= 1e-9)
                    cut = m_detailBottom - m_cursor; // a single line taller than a page
                Block head;
                block = splitBlock(block, cut, head);
                place(head);
            }
            startPage();
        }
        place(block);
    }

    QList<ReportPage> finish()
    {
        if (m_pages.isEmpty())
            startPage();
        const int total = static_cast<int>(m_pages.size());
        const double sheetHeight = m_report.page.size().height();
        for (int number = 1; number <= total; ++number) {
            const Block block = footer(number, total);
            appendTo(m_pages[number - 1], block, sheetHeight - m_report.page.margins.bottom() - block.height);
        }
        return m_pages;
    }

private:
    double left() const { return m_report.page.margins.left(); }

    Block fixedBand(const ReportBand &band, int page = 0, int total = 0)
    {
        BandLayouter layouter(m_measure, left(), [&](const ReportComponent &component) {
            switch (component.kind) {
            case ComponentKind::PrintDate:
                return filledIn(component.text, m_printDate);
            case ComponentKind::PageNumber:
                return filledIn(component.text, QString::number(page), QString::number(total));
            case ComponentKind::DataField:
                return QString();
            default:
                return component.text;
            }
        });
        return layouter.layOut(band);
    }

    Block footer(int page, int total) { return fixedBand(m_report.pageFooter, page, total); }

    void startPage()
    {
        m_pages.append(ReportPage());
        m_cursor = m_report.page.margins.top();
        m_pageHasDetails = false;
        if (m_pages.size() == 1)
            place(fixedBand(m_report.title));
        place(fixedBand(m_report.pageHeader));
        m_pageHasDetails = false;
    }

    void place(const Block &block)
    {
        appendTo(m_pages.last(), block, m_cursor);
        m_cursor += block.height;
        m_pageHasDetails = true;
    }

    static void appendTo(ReportPage &page, const Block &block, double y)
    {
        Block shifted;
        shifted.appendShifted(block, y);
        page.texts << shifted.texts;
        page.lines << shifted.lines;
    }

    const Report &m_report;
    QString m_printDate;
    TextMeasure m_measure;
    QList<ReportPage> m_pages;
    double m_cursor = 0;
    double m_detailBottom = 0;
    bool m_pageHasDetails = false;
};

} // namespace

std::optional<QList<ReportPage>> layOutReport(const Report &report, const RecordSource &records,
                                              const QDate &printDate, const LayoutProgress &progress)
{
    PageBuilder builder(report, printDate);
    for (int done = 0; done < records.count; ++done) {
        const int record = records.first + done;
        builder.addRecord([&](const QString &field) { return records.value ? records.value(record, field) : QString(); });
        if (progress && !progress(done + 1))
            return std::nullopt;
    }
    return builder.finish();
}
