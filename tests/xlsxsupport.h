#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <archive.h>
#include <archive_entry.h>

#include <cmath>
#include <memory>

// An .xlsx workbook as its own XML states it, read with libarchive and
// QXmlStreamReader, so that tests judge what a spreadsheet will read.
struct XlsxCell {
    QString type;  // "s" shared string, "n" number (the attribute's default)
    QString value; // the string itself for "s", else the <v> text
    int style = 0;
};

struct XlsxStyle {
    QString numberFormat;
    bool bold = false;
    bool wrapped = false;
};

struct XlsxWorkbook {
    QStringList sheetNames;
    QMap<QString, XlsxCell> cells; // by reference, "A1"
    QList<XlsxStyle> styles;       // the cell formats, by index
    QMap<int, double> columnWidths; // by column, from 1
    QString frozenTopLeft;          // the first unfrozen cell, empty when nothing is frozen

    XlsxStyle styleOf(const QString &reference) const { return styles.value(cells.value(reference).style); }
};

// The parts of the package by name.
inline QHash<QString, QByteArray> xlsxParts(const QString &path)
{
    QHash<QString, QByteArray> parts;
    std::unique_ptr<archive, decltype(&archive_read_free)> reader(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(reader.get());
    if (archive_read_open_filename(reader.get(), path.toLocal8Bit().constData(), 64 * 1024) != ARCHIVE_OK)
        return parts;
    archive_entry *entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        QByteArray bytes;
        char buffer[64 * 1024];
        la_ssize_t read = 0;
        while ((read = archive_read_data(reader.get(), buffer, sizeof buffer)) > 0)
            bytes.append(buffer, read);
        parts.insert(QString::fromUtf8(archive_entry_pathname(entry)), bytes);
    }
    return parts;
}

namespace xlsxdetail {

inline QStringList sharedStrings(const QByteArray &xml)
{
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"si")
            strings << QString();
        else if (reader.isStartElement() && reader.name() == u"t" && !strings.isEmpty())
            strings.last() += reader.readElementText();
    }
    return strings;
}

inline QString builtInNumberFormat(int id)
{
    static const QHash<int, QString> formats{{0, "General"}, {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"}};
    return formats.value(id, QString("built-in %1").arg(id));
}

inline QList<XlsxStyle> styles(const QByteArray &xml)
{
    QHash<int, QString> numberFormats;
    QList<bool> boldFonts;
    QList<XlsxStyle> cellStyles;
    bool inCellFormats = false;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == u"cellXfs")
            inCellFormats = false;
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == u"numFmt")
            numberFormats.insert(attributes.value("numFmtId").toInt(), attributes.value("formatCode").toString());
        else if (reader.name() == u"font")
            boldFonts << false;
        else if (reader.name() == u"b" && !boldFonts.isEmpty())
            boldFonts.last() = true;
        else if (reader.name() == u"cellXfs")
            inCellFormats = true;
        else if (inCellFormats && reader.name() == u"xf") {
            const int id = attributes.value("numFmtId").toInt();
            cellStyles << XlsxStyle{numberFormats.value(id, builtInNumberFormat(id)),
                                    boldFonts.value(attributes.value("fontId").toInt()), false};
        } else if (inCellFormats && reader.name() == u"alignment")
            cellStyles.last().wrapped = attributes.value("wrapText") == u"1";
    }
    return cellStyles;
}

inline void readSheet(const QByteArray &xml, const QStringList &strings, XlsxWorkbook &book)
{
    QXmlStreamReader reader(xml);
    QString reference;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == u"col") {
            for (int column = attributes.value("min").toInt(); column <= attributes.value("max").toInt(); ++column)
                book.columnWidths.insert(column, attributes.value("width").toDouble());
        } else if (reader.name() == u"pane" && attributes.value("state") == u"frozen") {
            book.frozenTopLeft = attributes.value("topLeftCell").toString();
        } else if (reader.name() == u"c") {
            reference = attributes.value("r").toString();
            const QString type = attributes.hasAttribute("t") ? attributes.value("t").toString() : QString("n");
            book.cells.insert(reference, XlsxCell{type, QString(), attributes.value("s").toInt()});
        } else if (reader.name() == u"v") {
            XlsxCell &cell = book.cells[reference];
            const QString value = reader.readElementText();
            cell.value = cell.type == u"s" ? strings.value(value.toInt()) : value;
        }
    }
}

} // namespace xlsxdetail

// The workbook's first sheet with the names of all; empty when the file is
// no package.
inline XlsxWorkbook readXlsx(const QString &path)
{
    const QHash<QString, QByteArray> parts = xlsxParts(path);
    XlsxWorkbook book;
    QXmlStreamReader workbook(parts.value("xl/workbook.xml"));
    while (!workbook.atEnd())
        if (workbook.readNext() == QXmlStreamReader::StartElement && workbook.name() == u"sheet")
            book.sheetNames << workbook.attributes().value("name").toString();
    book.styles = xlsxdetail::styles(parts.value("xl/styles.xml"));
    xlsxdetail::readSheet(parts.value("xl/worksheets/sheet1.xml"),
                          xlsxdetail::sharedStrings(parts.value("xl/sharedStrings.xml")), book);
    return book;
}

// A column width as a spreadsheet shows it, in pixels of its default font
// (seven pixels to a digit).
inline int widthInPixels(double width)
{
    constexpr int kDigit = 7;
    return static_cast<int>(std::trunc((256 * width + std::trunc(128.0 / kDigit)) / 256 * kDigit));
}
