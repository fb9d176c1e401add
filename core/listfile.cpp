#include "listfile.h"

#include "codepage.h"
#include "filewrite.h"

namespace {

// NUL ends the list when it is read.
constexpr QStringView kEndOfList(u"\0", 1);

} // namespace

// Decoded once as a whole: CR and LF are the same characters in the code page.
QStringList parseListBytes(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    const QString text = decodeCp1250(bytes);

    QStringList items;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        items << text.sliced(start, i - start);
        i += (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        items << text.sliced(start);
    return items;
}

QByteArray listBytes(const QStringList &items)
{
    QByteArray bytes;
    for (const QString &item : items)
        bytes += encodeCp1250(reduceForCodePage(item, kEndOfList)) + "\r\n";
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
