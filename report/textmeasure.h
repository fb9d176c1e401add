#pragma once

#include "report.h"

#include <QFontMetricsF>
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
        ReportFont key;
        QFont font;
        QFontMetricsF metrics;
    };
    const Metrics &metrics(const ReportFont &font);

    QImage m_device;
    // A layout uses a handful of fonts: a short list beats hashing a key.
    QList<std::shared_ptr<Metrics>> m_metrics;
};
