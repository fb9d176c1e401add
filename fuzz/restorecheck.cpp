#include "fuzzchecks.h"

#include "restoreentry.h"

#include <QDir>

// The first byte picks the entry's kind, the rest is its UTF-8 path.
QString checkRestoreEntry(QByteArrayView input)
{
    if (input.isEmpty())
        return {};
    const auto kind = EntryKind(quint8(input.front()) % 4);
    const QString entry = QString::fromUtf8(input.sliced(1));
    const QString accepted = restorablePath(entry, kind);
    if (accepted.isEmpty())
        return {};
    if (kind != EntryKind::File && kind != EntryKind::Folder)
        return QStringLiteral("a link or device entry \"%1\" was accepted").arg(entry);
    const QString root = QStringLiteral("/scratch/data");
    const QString joined = QDir::cleanPath(root + u'/' + accepted);
    if (!joined.startsWith(root + u'/'))
        return QStringLiteral("\"%1\" lands on \"%2\"").arg(entry, joined);
    if (accepted.contains(u'\\') || accepted.contains(QChar(0)) || accepted.contains(u':'))
        return QStringLiteral("\"%1\" was accepted as \"%2\"").arg(entry, accepted);
    return {};
}
