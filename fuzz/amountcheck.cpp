#include "fuzzchecks.h"

#include "amountcells.h"
#include "amounttext.h"

#include <QRegularExpression>

namespace {

bool hasAmountForm(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d{2}$"));
    return form.match(text).hasMatch();
}

QString checkNormaliser(const QString &text)
{
    const std::optional<QString> normalised = stringBroj(text);
    if (!normalised)
        return {};
    if (!hasAmountForm(*normalised))
        return QStringLiteral("the normaliser gave \"%1\"").arg(*normalised);
    if (stringBroj(*normalised) != normalised)
        return QStringLiteral("\"%1\" does not normalise to itself").arg(*normalised);
    return {};
}

QString checkAmountCell(const QString &text)
{
    const std::optional<AmountValue> amount = readAmountCell(text);
    if (!amount)
        return {};
    const QString number = formatAmountNumber(amount->value);
    if (!isWritableAmount(amount->value) || !hasAmountForm(number))
        return QStringLiteral("the cell reader gave the number \"%1\"").arg(number);
    const std::optional<AmountValue> again = readAmountCell(amountText(*amount));
    if (!again || formatAmountNumber(again->value) != number)
        return QStringLiteral("\"%1\" does not read back as its number").arg(amountText(*amount));
    // A code of three characters, the only kind a currency field stamps, comes back whole.
    if (amount->code.size() == 3 && again->code != amount->code)
        return QStringLiteral("\"%1\" does not read back with its code").arg(amountText(*amount));
    return {};
}

} // namespace

QString checkAmounts(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    if (const QString broken = checkNormaliser(text); !broken.isEmpty())
        return broken;
    return checkAmountCell(text);
}
