#include "amounttext.h"

#include <QRegularExpression>

#include <cmath>

namespace {

QString withoutBlanks(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            kept += c;
    }
    return kept;
}

// One mark after a whole leading thousands group ("1.234", "-12,345"). A
// longer or zero-led leading part ("1234.500", "0.500") cannot be grouped, so
// there the mark is the decimal separator.
bool isSingleThousandsMark(const QString &text)
{
    static const QRegularExpression grouped(QStringLiteral("^[+-]?[1-9]\\d{0,2}[.,]\\d{3}$"));
    return grouped.match(text).hasMatch();
}

// The decimal separator of the text, or none: when both marks occur, the
// last one; a single thousands mark is no decimal separator.
QChar decimalSeparator(const QString &text)
{
    const qsizetype dot = text.lastIndexOf(u'.');
    const qsizetype comma = text.lastIndexOf(u',');
    if (dot >= 0 && comma >= 0)
        return text[std::max(dot, comma)];
    if ((dot < 0 && comma < 0) || isSingleThousandsMark(text))
        return {};
    return dot >= 0 ? QChar(u'.') : QChar(u',');
}

// The text with "." as its only decimal mark and no thousands marks.
QString withPlainDecimalPoint(const QString &text)
{
    const QChar decimal = decimalSeparator(text);
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (!decimal.isNull() && c == decimal)
            plain += u'.';
        else if (c != u'.' && c != u',')
            plain += c;
    }
    return plain;
}

std::optional<double> plainNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    const double value = text.toDouble();
    if (!isWritableAmount(value))
        return std::nullopt;
    return value;
}

QString withThousandsMarks(QStringView digits)
{
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u'.';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

bool isWritableAmount(double amount)
{
    constexpr double kLargestAmount = 1e15;
    return std::isfinite(amount) && std::abs(amount) <= kLargestAmount;
}

QString formatAmountNumber(double amount)
{
    const QString fixed = QString::number(std::abs(amount), 'f', 2);
    const qsizetype point = fixed.size() - 3;
    const QString unsignedText = withThousandsMarks(QStringView(fixed).first(point)) + u',' + fixed.sliced(point + 1);
    const bool roundsToZero = fixed == QLatin1String("0.00");
    return amount < 0 && !roundsToZero ? u'-' + unsignedText : unsignedText;
}

std::optional<QString> stringBroj(const QString &text)
{
    if (text.isEmpty())
        return formatAmountNumber(0);
    const std::optional<double> amount = plainNumber(withPlainDecimalPoint(withoutBlanks(text)));
    if (!amount)
        return std::nullopt;
    return formatAmountNumber(*amount);
}
