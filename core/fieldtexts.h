#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// A column title as a hint: titles over 50 characters are broken after the
// first blank at or past character 50, into at most 10 lines, each ended by
// CR LF; the rest of a longer title is dropped.
QString PrelomiTekst(const QString &text);

// One sub-field's contribution to a line of a composite field.
struct SubFieldText {
    QString text;
    bool droppedWhenEmpty = false; // text sub-fields: empty adds nothing, not even "; "
};

// The line an insert button adds: the parts joined by "; " (each part
// followed by it but the last).
QString compositeLine(const QList<SubFieldText> &parts);

// Dates in cells: dd.MM.yyyy on every machine; d.M.yyyy and a trailing dot
// are read too. An unreadable text gives an invalid date.
QString cellDateFormat();
QString dateText(QDate date);
QDate readDateText(const QString &text);

// A date as a user types it into a date field: as cells hold it, or as eight
// digits "15032026". The empty text is the empty date (an invalid QDate);
// nothing when the text is no date.
std::optional<QDate> readTypedDate(const QString &text);
