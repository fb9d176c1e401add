#include "amountcells.h"

#include "amounttext.h"

#include <QRegularExpression>

QString amountText(const AmountValue &amount)
{
    const QString number = formatAmountNumber(amount.value);
    return amount.code.isEmpty() ? number : number + QLatin1Char(' ') + amount.code;
}

std::optional<AmountValue> readAmountCell(const QString &text)
{
    const QString last = text.right(3);
    if (last.contains(QLatin1Char(','))) {
        const std::optional<double> value = readCellNumber(text);
        if (!value)
            return std::nullopt;
        return AmountValue{*value, {}};
    }
    const std::optional<double> value = readCellNumber(text.left(std::max<qsizetype>(0, text.size() - 4)));
    if (!value)
        return std::nullopt;
    return AmountValue{*value, last};
}

std::optional<AmountValue> readTypedAmount(const QString &typed, const QString &fieldCode)
{
    static const QRegularExpression withCode(QStringLiteral("^(.*[\\d\\s])([A-Za-z]{3})\\s*$"));
    const QRegularExpressionMatch match = withCode.match(typed);
    const QString number = match.hasMatch() ? match.captured(1) : typed;
    const std::optional<QString> normalised = stringBroj(number);
    const std::optional<double> value = normalised ? readCellNumber(*normalised) : std::nullopt;
    if (!value)
        return std::nullopt;
    return AmountValue{*value, match.hasMatch() ? match.captured(2).toUpper() : fieldCode};
}

std::optional<double> readCellNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d*(,\\d*)?$"));
    QString plain = text;
    while (plain.endsWith(QLatin1Char(' ')))
        plain.chop(1);
    plain.remove(QLatin1Char('.'));
    if (plain.isEmpty())
        return 0.0;
    if (!number.match(plain).hasMatch() || plain == QLatin1String("-") || plain == QLatin1String("+")
        || plain.startsWith(QLatin1Char(',')))
        return std::nullopt;
    const double value = plain.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    if (!isWritableAmount(value))
        return std::nullopt;
    return value;
}
