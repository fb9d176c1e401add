#include "printing.h"

#include "textgrid.h"

#include <cmath>

QString reportTemplateFor(int kind, int printOption, TemplateCaller caller)
{
    if (caller == TemplateCaller::BookChoice) {
        if (kind < 0 || kind > 18)
            return {};
        if (kind == 18)
            return QStringLiteral("rcn_00.rtm");
    }
    return printOption == kLandscapeOption ? QStringLiteral("vrt_00.rtm") : QStringLiteral("hrz_00.rtm");
}

QString bookTitleLine(const QString &displayName, const QString &yearText)
{
    QString line = displayName;
    const qsizetype nk = line.indexOf(QLatin1String("NK"));
    if (nk >= 0)
        line.replace(nk, 2, QStringLiteral("Nadzorna knjiga"));
    return line + QStringLiteral(" - ") + yearText + QStringLiteral(". godina");
}

qint64 roundHalfToEven(double value)
{
    return static_cast<qint64>(std::nearbyint(value)); // the default rounding mode: to nearest, ties to even
}

QString runningNumberText(double value)
{
    const qint64 whole = roundHalfToEven(value);
    QString digits = QString::number(std::abs(whole));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char('.'));
    return whole < 0 ? QLatin1Char('-') + digits : digits;
}

std::optional<double> readRunningNumber(const QString &text)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<RunningNumberSpan> runningNumberSpan(const TextGrid &grid, QString &error)
{
    std::optional<RunningNumberSpan> span;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const QString &cell = grid.cell(0, row);
        double number = 0;
        if (!cell.trimmed().isEmpty()) {
            const std::optional<double> read = readRunningNumber(cell);
            if (!read) {
                error = QStringLiteral("Cell does not contain a float value");
                return std::nullopt;
            }
            number = *read;
        }
        if (!span)
            span = RunningNumberSpan{number, number};
        span->smallest = std::min(span->smallest, number);
        span->largest = std::max(span->largest, number);
    }
    return span.value_or(RunningNumberSpan{});
}

double NumberBounds::applied(double value) const
{
    if (value < lower)
        return lower;
    const bool upperApplies = upper != 0 && !(lower != 0 && upper < lower);
    if (upperApplies && value > upper)
        return upper;
    return value;
}
