#include "listfile.h"

#include "codepage.h"
#include "filewrite.h"

QStringList parseListBytes(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);

    QStringList items;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        items << decodeCp1250(bytes.sliced(start, i - start));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size())
        items << decodeCp1250(bytes.sliced(start));
    return items;
}

QByteArray listBytes(const QStringList &items)
{
    QByteArray bytes;
    for (const QString &item : items)
        bytes += encodeCp1250(item) + "\r\n";
    return bytes;
}

bool readListFile(const QString &path, QStringList &items, QString &error)
{
    QByteArray bytes;
    if (!readWholeFile(path, bytes, error))
        return false;
    items = parseListBytes(bytes);
    return true;
}

bool writeListFile(const QString &path, const QStringList &items, QString &error)
{
    return saveFileAtomically(path, listBytes(items), error);
}
