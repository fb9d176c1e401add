#include "fuzzchecks.h"

#include "listfile.h"

QString checkListFile(QByteArrayView input)
{
    const QStringList items = parseListBytes(input);
    const QByteArray written = listBytes(items);
    if (parseListBytes(written) != items)
        return QStringLiteral("read, written and read again, the list differs");
    if (written.contains('\0') || (!written.isEmpty() && !written.endsWith("\r\n")))
        return QStringLiteral("the written list is not one item a line");
    return {};
}
