#pragma once

#include <QString>

#include <optional>

// An amount field's value and the currency code of its display format; an
// empty code is a plain number (a percentage, a rate).
struct AmountValue {
    double value = 0;
    QString code;
};

// The code amount fields start with: the euro, Croatia's currency since 2023.
inline constexpr const char *kInitialCurrencyCode = "EUR";

// "1.234,50 EUR", or "1.234,50" without a code.
QString amountText(const AmountValue &amount);

// A cell's amount: when its last three characters hold no comma they are the
// currency code and the number stands before the blank; otherwise the whole
// text is a plain number. Empty when the number cannot be read.
std::optional<AmountValue> readAmountCell(const QString &text);

// An amount as a user types it into an amount field: a number with either
// mark for decimals (as stringBroj reads it), optionally followed by a
// three-letter currency code, which then becomes the amount's code; without
// one the field's code stays. So the field takes back the text it shows.
std::optional<AmountValue> readTypedAmount(const QString &typed, const QString &fieldCode);

// A number as cells hold it: trailing blanks ignored, "." between thousands,
// "," before the decimals; the empty text is 0.
std::optional<double> readCellNumber(const QString &text);
