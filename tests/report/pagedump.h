#pragma once

#include "layoutpass.h"

#include <QRegularExpression>
#include <QStringList>

// Pages of boxes as a small text: one line per box, millimetres to a tenth,
// so that a golden file shows what moved where.
inline QString mm(double value)
{
    return QString::number(value, 'f', 1);
}

inline QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    return QStringLiteral("left");
}

inline QString pageDump(const QList<ReportPage> &pages)
{
    QStringList lines;
    for (qsizetype number = 0; number < pages.size(); ++number) {
        lines << QStringLiteral("page %1").arg(number + 1);
        for (const TextBox &box : pages[number].texts)
            lines << QStringLiteral("  text %1 %2 %3 %4 %5%6 %7 \"%8\"")
                         .arg(mm(box.rect.left()), mm(box.rect.top()), mm(box.rect.width()), mm(box.rect.height()))
                         .arg(box.font.pointSize)
                         .arg(box.font.bold ? QStringLiteral("b") : QString(), alignmentName(box.alignment), box.text);
        for (const LineBox &box : pages[number].lines)
            lines << QStringLiteral("  line %1 %2 %3 %4 %5")
                         .arg(mm(box.line.x1()), mm(box.line.y1()), mm(box.line.x2()), mm(box.line.y2()),
                              box.dotted ? QStringLiteral("dotted") : QStringLiteral("solid"));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

inline int pageCount(const QString &dump)
{
    return static_cast<int>(dump.count(QRegularExpression(QStringLiteral("^page "), QRegularExpression::MultilineOption)));
}
