#include "fuzzchecks.h"

#include "sheettable.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using SheetReader = bool (*)(const QString &, int, SheetTable &, QString &);

// The readers take a path, so the bytes go through a file of the reader's kind.
QString checkSheet(QByteArrayView input, const QString &fileName, SheetReader read)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(input.data(), input.size()) != input.size())
        return QStringLiteral("the scratch file could not be written");
    file.close();
    SheetTable table;
    QString error;
    if (!read(path, 0, table, error))
        return error.isEmpty() ? QStringLiteral("a refused workbook without a message") : QString();
    if (table.columnCount() < 0 || table.rowCount() < 0)
        return QStringLiteral("a table of %1 x %2 cells").arg(table.columnCount()).arg(table.rowCount());
    // Every cell inside the counts is read, so that the sanitizers see any cell the table lacks.
    qsizetype numbers = 0;
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            numbers += table.isNumber(column, row) && !table.text(column, row).isNull() ? 1 : 0;
    if (numbers > qsizetype(table.columnCount()) * table.rowCount())
        return QStringLiteral("more number cells than cells");
    const SheetTable used = table.usedRange();
    if (used.columnCount() > table.columnCount() || used.rowCount() > table.rowCount())
        return QStringLiteral("the used range is larger than the table");
    return {};
}

} // namespace

QString checkXls(QByteArrayView input)
{
    return checkSheet(input, QStringLiteral("fuzz.xls"), readXlsSheet);
}

QString checkXlsx(QByteArrayView input)
{
    return checkSheet(input, QStringLiteral("fuzz.xlsx"), readXlsxSheet);
}
