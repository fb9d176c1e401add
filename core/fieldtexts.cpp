#include "fieldtexts.h"

#include <QRegularExpression>

QString PrelomiTekst(const QString &text)
{
    constexpr qsizetype kLineLength = 50;
    constexpr int kMaxLines = 10;
    if (text.size() <= kLineLength)
        return text;

    QString rest = text;
    QString wrapped;
    for (int lines = 0; lines < kMaxLines && !rest.isEmpty(); ++lines) {
        const qsizetype blank = rest.indexOf(QLatin1Char(' '), kLineLength - 1);
        const qsizetype length = blank < 0 ? rest.size() : blank + 1;
        wrapped += rest.left(length) + QStringLiteral("\r\n");
        rest.remove(0, length);
    }
    return wrapped;
}

QString compositeLine(const QList<SubFieldText> &parts)
{
    QString line;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i].droppedWhenEmpty && parts[i].text.isEmpty())
            continue;
        line += parts[i].text;
        if (i + 1 < parts.size())
            line += QStringLiteral("; ");
    }
    return line;
}

QString cellDateFormat()
{
    return QStringLiteral("dd.MM.yyyy");
}

QString dateText(QDate date)
{
    return date.toString(cellDateFormat());
}

QDate readDateText(const QString &text)
{
    QString trimmed = text.trimmed();
    if (trimmed.endsWith(QLatin1Char('.')))
        trimmed.chop(1);
    return QDate::fromString(trimmed, QStringLiteral("d.M.yyyy"));
}

std::optional<QDate> readTypedDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QDate();
    static const QRegularExpression digitsOnly(QStringLiteral("^\\d{8}$"));
    const QDate date = digitsOnly.match(trimmed).hasMatch()
                           ? QDate::fromString(trimmed, QStringLiteral("ddMMyyyy"))
                           : readDateText(trimmed);
    if (!date.isValid())
        return std::nullopt;
    return date;
}
