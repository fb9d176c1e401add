#include "restoreentry.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

bool onlyDotsAndBlanks(const QString &part)
{
    return std::all_of(part.begin(), part.end(), [](QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(' '); });
}

} // namespace

QString restorablePath(const QString &entryPath, EntryKind kind)
{
    if (kind != EntryKind::File && kind != EntryKind::Folder)
        return {};
    if (entryPath.isEmpty() || entryPath.contains(QLatin1Char(':')) || entryPath.contains(QChar(0))
        || entryPath.startsWith(QLatin1Char('/')) || entryPath.startsWith(QLatin1Char('\\')))
        return {};
    QStringList kept;
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    for (const QString &part : entryPath.split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (onlyDotsAndBlanks(part))
            return {};
        kept << part;
    }
    return kept.join(QLatin1Char('/'));
}
