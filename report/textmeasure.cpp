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
    for (const std::shared_ptr<Metrics> &known : m_metrics)
        if (known->key.pointSize == font.pointSize && known->key.bold == font.bold && known->key.family == font.family)
            return *known;
    const QFont qfont = reportQFont(font);
    m_metrics << std::make_shared<Metrics>(Metrics{font, qfont, QFontMetricsF(qfont, &m_device)});
    return *m_metrics.constLast();
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
