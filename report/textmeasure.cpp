#include "textmeasure.h"

#include "reportfont.h"

#include <QTextLayout>

namespace {

constexpr double kMmPerPixel = 25.4 / kLayoutDpi;

} // namespace

TextMeasure::TextMeasure() : m_device(1, 1, QImage::Format_Mono)
{
    const int dotsPerMeter = qRound(kLayoutDpi / 0.0254);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

const TextMeasure::Metrics &TextMeasure::metrics(const ReportFont &font)
{
    const QString key = QStringLiteral("%1|%2|%3").arg(font.family).arg(font.pointSize).arg(font.bold);
    auto &entry = m_metrics[key];
    if (!entry) {
        const QFont qfont = reportQFont(font);
        entry = std::make_shared<Metrics>(Metrics{qfont, QFontMetricsF(qfont, &m_device)});
    }
    return *entry;
}

double TextMeasure::lineHeight(const ReportFont &font)
{
    return metrics(font).metrics.lineSpacing() * kMmPerPixel;
}

QStringList TextMeasure::wrap(const QString &text, const ReportFont &font, double widthMm)
{
    const Metrics &measured = metrics(font);
    const double width = widthMm / kMmPerPixel;
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines;
    for (const QString &paragraph : unified.split(QLatin1Char('\n'))) {
        if (measured.metrics.horizontalAdvance(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, measured.font, &m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}
