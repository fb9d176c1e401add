#pragma once

#include <QString>

#include <optional>

// An amount as the program writes it: "." between thousands, "," before
// exactly two decimals, whatever the machine's locale (1234.5 -> 1.234,50).
QString formatAmountNumber(double amount);

// Beyond this a double no longer holds every cent exactly, and infinity is no
// amount at all: such values are refused wherever an amount is read.
bool isWritableAmount(double amount);

// An amount from a client's spreadsheet, written as the program writes
// amounts. Blanks are dropped and the empty text is 0. Nothing when the text
// is not a number (letters, two decimal separators, blanks only).
std::optional<QString> stringBroj(const QString &text);
