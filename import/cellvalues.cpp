#include "cellvalues.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

QString numberText(double value)
{
    if (!std::isfinite(value))
        return QString();
    const double magnitude = std::abs(value);
    const int wholeDigits = magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 0;
    const int leadingZeros = magnitude > 0 && magnitude < 1 ? -static_cast<int>(std::floor(std::log10(magnitude))) - 1 : 0;
    const int decimals = std::clamp(15 - wholeDigits + leadingZeros, 0, 30);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text.replace(u'.', u',');
}

QString serialDateText(double serial, bool system1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958466)
        return numberText(serial);
    const qint64 seconds = std::llround(serial * 86400.0);
    const qint64 days = seconds / 86400;
    const QTime time = QTime(0, 0).addSecs(static_cast<int>(seconds % 86400));
    if (days == 0 && !system1904)
        return time.toString(QStringLiteral("HH:mm:ss"));
    // The 1900 system counts a 29 February 1900 that never was.
    const QDate epoch = system1904 ? QDate(1904, 1, 1) : days < 60 ? QDate(1899, 12, 31) : QDate(1899, 12, 30);
    const QString date = epoch.addDays(days).toString(QStringLiteral("dd.MM.yyyy"));
    return time == QTime(0, 0) ? date : date + u' ' + time.toString(QStringLiteral("HH:mm:ss"));
}

bool isDateFormatId(int formatId)
{
    return (formatId >= 14 && formatId <= 22) || (formatId >= 45 && formatId <= 47);
}

bool isDateFormatCode(const QString &code)
{
    bool quoted = false;
    int bracket = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\\' || c == u'_' || c == u'*')
            ++i;
        else if (c == u'[')
            ++bracket;
        else if (c == u']')
            bracket = std::max(0, bracket - 1);
        else if (bracket == 0 && (c == u'd' || c == u'y' || c == u'h' || c == u's'))
            return true;
    }
    return false;
}

QString cellName(int column, int row)
{
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}
