#include "cellvalues.h"
#include "sheettable.h"
#include "workbookerrors.h"

#include <archive.h>
#include <archive_entry.h>

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <memory>

namespace {

constexpr la_int64_t kLargestPart = la_int64_t(1) << 28;
constexpr qint64 kLargestCellCount = 10'000'000;

const QString kNotAWorkbook = QStringLiteral("nije ispravna Excel tablica (.xlsx)");

struct ArchiveDeleter {
    void operator()(archive *a) const { archive_read_free(a); }
};

// The workbook's XML parts; pictures and other media are never needed.
bool isWantedPart(const QString &name)
{
    return name.startsWith(QLatin1String("xl/")) && (name.endsWith(QLatin1String(".xml")) || name.endsWith(QLatin1String(".rels")));
}

// The XML parts of the package that a sheet needs, by name.
bool readParts(const QString &path, QHash<QString, QByteArray> &parts, QString &reason)
{
    std::unique_ptr<archive, ArchiveDeleter> zip(archive_read_new());
    archive_read_support_format_zip(zip.get());
    if (archive_read_open_filename(zip.get(), QFile::encodeName(path).constData(), 1 << 16) != ARCHIVE_OK) {
        reason = QFile::exists(path) ? kNotAWorkbook : QStringLiteral("datoteka se ne može otvoriti");
        return false;
    }
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(zip.get(), &entry)) == ARCHIVE_OK) {
        const QString name = QString::fromUtf8(archive_entry_pathname(entry));
        if (!isWantedPart(name))
            continue;
        if (archive_entry_size(entry) > kLargestPart) {
            reason = QStringLiteral("tablica je prevelika");
            return false;
        }
        QByteArray bytes;
        char buffer[1 << 16];
        la_ssize_t got = 0;
        while ((got = archive_read_data(zip.get(), buffer, sizeof buffer)) > 0) {
            bytes.append(buffer, got);
            if (bytes.size() > kLargestPart) {
                reason = QStringLiteral("tablica je prevelika");
                return false;
            }
        }
        if (got < 0) {
            reason = kNotAWorkbook;
            return false;
        }
        parts.insert(name, bytes);
    }
    if (status != ARCHIVE_EOF || !parts.contains(QStringLiteral("xl/workbook.xml"))) {
        reason = kNotAWorkbook;
        return false;
    }
    return true;
}

bool isTrue(QStringView value)
{
    return value == u"1" || value == u"true";
}

struct WorkbookInfo {
    bool system1904 = false;
    QStringList sheetIds;
};

WorkbookInfo readWorkbookInfo(const QByteArray &xml)
{
    WorkbookInfo info;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"workbookPr")
            info.system1904 = isTrue(reader.attributes().value(QStringLiteral("date1904")));
        else if (reader.name() == u"sheet")
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                if (attribute.name() == u"id")
                    info.sheetIds << attribute.value().toString();
    }
    return info;
}

// The package path of a relationship's target, relative to xl/ or absolute.
QString sheetPart(const QByteArray &relsXml, const QString &id)
{
    QXmlStreamReader reader(relsXml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"Relationship"
            || reader.attributes().value(QStringLiteral("Id")) != id)
            continue;
        const QString target = reader.attributes().value(QStringLiteral("Target")).toString();
        return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
    }
    return {};
}

// The text of the element the reader stands on, its <t> children joined
// (rich-text runs), phonetic hints left out.
QString textContent(QXmlStreamReader &reader)
{
    QString text;
    int depth = 1;
    bool inPhonetic = false;
    while (depth > 0 && !reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (reader.name() == u"t" && !inPhonetic) {
                text += reader.readElementText(QXmlStreamReader::IncludeChildElements);
                break;
            }
            ++depth;
            inPhonetic = inPhonetic || reader.name() == u"rPh";
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (reader.name() == u"rPh")
                inPhonetic = false;
            break;
        default:
            break;
        }
    }
    return text;
}

QStringList readSharedStrings(const QByteArray &xml)
{
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"si")
            strings << textContent(reader);
    return strings;
}

// For each cell style (index of cellXfs), whether it shows numbers as dates.
QList<bool> readDateStyles(const QByteArray &xml)
{
    QHash<int, QString> codes;
    QList<bool> dateStyles;
    bool inCellXfs = false;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement && reader.name() == u"cellXfs")
            inCellXfs = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const int formatId = attributes.value(QStringLiteral("numFmtId")).toInt();
        if (reader.name() == u"numFmt")
            codes.insert(formatId, attributes.value(QStringLiteral("formatCode")).toString());
        else if (reader.name() == u"cellXfs")
            inCellXfs = true;
        else if (reader.name() == u"xf" && inCellXfs)
            dateStyles << (isDateFormatId(formatId) || isDateFormatCode(codes.value(formatId)));
    }
    return dateStyles;
}

struct SheetContext {
    bool system1904 = false;
    QStringList sharedStrings;
    QList<bool> dateStyles;
};

struct ParsedCell {
    int column = 0;
    int row = 0;
    QString text;
    bool number = false;
};

// "B7" -> column 1, row 6; false for anything else.
bool parseCellName(QStringView name, int &column, int &row)
{
    qsizetype i = 0;
    column = 0;
    while (i < name.size() && name[i] >= u'A' && name[i] <= u'Z' && column <= 16384)
        column = column * 26 + (name[i++].unicode() - u'A' + 1);
    bool isNumber = false;
    row = name.sliced(i).toInt(&isNumber);
    --column;
    --row;
    return i > 0 && isNumber && column >= 0 && column < 16384 && row >= 0 && row < 1048576;
}

QString isoDateCellText(const QString &iso)
{
    const QDateTime moment = QDateTime::fromString(iso, Qt::ISODate);
    if (moment.isValid())
        return moment.time() == QTime(0, 0) ? moment.toString(QStringLiteral("dd.MM.yyyy"))
                                             : moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    const QDate date = QDate::fromString(iso, Qt::ISODate);
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : iso;
}

enum class CellOutcome { Value, Unreadable, Broken };

// The reader stands on a <c> element; reads to its end.
CellOutcome readCell(QXmlStreamReader &reader, const SheetContext &context, ParsedCell &cell)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    const QString type = attributes.value(QStringLiteral("t")).toString();
    const int style = attributes.value(QStringLiteral("s")).toInt();
    QString value;
    bool hasValue = false;
    bool hasFormula = false;
    while (reader.readNextStartElement()) {
        if (reader.name() == u"v") {
            value = reader.readElementText();
            hasValue = true;
        } else if (reader.name() == u"is") {
            value = textContent(reader);
            hasValue = true;
        } else {
            hasFormula = hasFormula || reader.name() == u"f";
            reader.skipCurrentElement();
        }
    }
    if (hasFormula && (!hasValue || type == u"e"))
        return CellOutcome::Unreadable;
    if (type == u"s") {
        bool isIndex = false;
        const int index = value.toInt(&isIndex);
        if (!isIndex || index < 0 || index >= context.sharedStrings.size())
            return CellOutcome::Broken;
        cell.text = context.sharedStrings[index];
    } else if (type == u"b") {
        cell.text = isTrue(value) ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    } else if (type == u"d") {
        cell.text = isoDateCellText(value);
    } else if (type == u"str" || type == u"inlineStr" || type == u"e") {
        cell.text = value;
    } else if (hasValue) {
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        if (!isNumber)
            return CellOutcome::Broken;
        const bool isDate = style >= 0 && style < context.dateStyles.size() && context.dateStyles[style];
        cell.number = !isDate;
        cell.text = isDate ? serialDateText(number, context.system1904) : numberText(number);
    }
    return CellOutcome::Value;
}

bool readCells(const QByteArray &xml, const QString &path, const SheetContext &context, QList<ParsedCell> &cells,
               QString &error)
{
    QXmlStreamReader reader(xml);
    int row = -1;
    int column = -1;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"row") {
            bool given = false;
            const int number = reader.attributes().value(QStringLiteral("r")).toInt(&given);
            row = given ? number - 1 : row + 1;
            column = -1;
            continue;
        }
        if (reader.name() != u"c")
            continue;
        const QString name = reader.attributes().value(QStringLiteral("r")).toString();
        ParsedCell cell;
        if (name.isEmpty()) {
            cell.column = column + 1;
            cell.row = row;
        } else if (!parseCellName(name, cell.column, cell.row)) {
            error = workbookError(path, kNotAWorkbook);
            return false;
        }
        column = cell.column;
        switch (readCell(reader, context, cell)) {
        case CellOutcome::Unreadable:
            error = unreadableFormulaError(path, cell.column, cell.row);
            return false;
        case CellOutcome::Broken:
            error = workbookError(path, kNotAWorkbook);
            return false;
        case CellOutcome::Value:
            if (!cell.text.isEmpty())
                cells << cell;
        }
    }
    if (reader.hasError()) {
        error = workbookError(path, kNotAWorkbook);
        return false;
    }
    return true;
}

bool tableOfCells(const QList<ParsedCell> &cells, const QString &path, SheetTable &table, QString &error)
{
    if (cells.isEmpty()) {
        table = SheetTable();
        return true;
    }
    int firstColumn = cells[0].column, lastColumn = firstColumn, firstRow = cells[0].row, lastRow = firstRow;
    for (const ParsedCell &cell : cells) {
        firstColumn = std::min(firstColumn, cell.column);
        lastColumn = std::max(lastColumn, cell.column);
        firstRow = std::min(firstRow, cell.row);
        lastRow = std::max(lastRow, cell.row);
    }
    if (qint64(lastColumn - firstColumn + 1) * (lastRow - firstRow + 1) > kLargestCellCount) {
        error = workbookError(path, QStringLiteral("tablica je prevelika"));
        return false;
    }
    SheetTable used(lastColumn - firstColumn + 1, lastRow - firstRow + 1);
    used.setFirstSheetRow(firstRow);
    for (const ParsedCell &cell : cells) {
        if (cell.number)
            used.setNumber(cell.column - firstColumn, cell.row - firstRow, cell.text);
        else
            used.setText(cell.column - firstColumn, cell.row - firstRow, cell.text);
    }
    table = used;
    return true;
}

} // namespace

bool readXlsxSheet(const QString &path, int sheet, SheetTable &table, QString &error)
{
    QHash<QString, QByteArray> parts;
    QString reason;
    if (!readParts(path, parts, reason)) {
        error = workbookError(path, reason);
        return false;
    }
    const WorkbookInfo info = readWorkbookInfo(parts.value(QStringLiteral("xl/workbook.xml")));
    const QString part = sheet >= 0 && sheet < info.sheetIds.size()
                             ? sheetPart(parts.value(QStringLiteral("xl/_rels/workbook.xml.rels")), info.sheetIds[sheet])
                             : QString();
    if (!parts.contains(part)) {
        error = workbookError(path, QStringLiteral("nema %1. radnog lista").arg(sheet + 1));
        return false;
    }
    const SheetContext context{
        .system1904 = info.system1904,
        .sharedStrings = readSharedStrings(parts.value(QStringLiteral("xl/sharedStrings.xml"))),
        .dateStyles = readDateStyles(parts.value(QStringLiteral("xl/styles.xml"))),
    };
    QList<ParsedCell> cells;
    return readCells(parts.value(part), path, context, cells, error) && tableOfCells(cells, path, table, error);
}
