#pragma once

#include "report.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QStringList>

#include <memory>

// Measures report text in millimetres at the layout resolution.
class TextMeasure {
public:
    TextMeasure();

    // The text broken into the lines a column of the width holds: at line
    // breaks (CR LF or LF), between words, and inside a word too wide alone.
    QStringList wrap(const QString &text, const ReportFont &font, double widthMm);
    double lineHeight(const ReportFont &font);

private:
    struct Metrics {
        QFont font;
        QFontMetricsF metrics;
    };
    const Metrics &metrics(const ReportFont &font);

    QImage m_device;
    QHash<QString, std::shared_ptr<Metrics>> m_metrics;
};
