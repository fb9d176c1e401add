#pragma once

#include "report.h"

#include <QDate>
#include <QLineF>
#include <QList>

#include <functional>
#include <optional>

// One line of text on a page, in millimetres from the sheet's top left.
struct TextBox {
    QRectF rect;
    QString text;
    ReportFont font;
    Qt::Alignment alignment;
};

struct LineBox {
    QLineF line;
    bool dotted = false;
};

struct ReportPage {
    QList<TextBox> texts;
    QList<LineBox> lines;
};

// The records a report walks: first .. first + count - 1 (none when count is
// 0 or less), and the value of a named field of a record.
struct RecordSource {
    int first = 0;
    int count = 0;
    std::function<QString(int record, const QString &field)> value;
};

// Told the number of records laid out so far; returning false cancels.
using LayoutProgress = std::function<bool(int done)>;

// The report's pages: the title band once, the page header and footer on
// every page, the detail band once per record. A detail band that does not
// fit the rest of a page starts the next one; one taller than a whole page
// is split between lines. Nothing when cancelled.
std::optional<QList<ReportPage>> layOutReport(const Report &report, const RecordSource &records,
                                              const QDate &printDate, const LayoutProgress &progress = {});
