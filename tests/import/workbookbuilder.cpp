// glib's headers before Qt's: Qt's keyword macros would break them.
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>

#include "workbookbuilder.h"

#include <archive.h>
#include <archive_entry.h>

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {

// Little-endian record bodies.
class Bytes {
public:
    Bytes &u8(int value) { m_data.append(char(value)); return *this; }
    Bytes &u16(int value) { return raw<quint16>(static_cast<quint16>(value)); }
    Bytes &u32(quint32 value) { return raw<quint32>(value); }
    Bytes &f64(double value)
    {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        return raw<quint64>(bits);
    }
    // XLUnicodeString with two bytes per character.
    Bytes &unicode(const QString &text)
    {
        u16(int(text.size())).u8(1);
        for (const QChar c : text)
            u16(c.unicode());
        return *this;
    }
    Bytes &bytes(const QByteArray &data) { m_data.append(data); return *this; }
    const QByteArray &data() const { return m_data; }

private:
    template <typename T>
    Bytes &raw(T value)
    {
        char le[sizeof(T)];
        qToLittleEndian(value, le);
        m_data.append(le, sizeof(T));
        return *this;
    }
    QByteArray m_data;
};

QByteArray record(int type, const QByteArray &body)
{
    return Bytes().u16(type).u16(int(body.size())).bytes(body).data();
}

QByteArray bof(int substream)
{
    return record(0x0809, Bytes().u16(0x0600).u16(substream).u16(0x0DBB).u16(0x07CC).u32(0x41).u32(6).data());
}

enum Xf { kGeneralXf = 0, kDateXf = 1 };

QByteArray xf(int format)
{
    return record(0x00E0, Bytes().u16(0).u16(format).u16(0x0001).bytes(QByteArray(14, '\0')).data());
}

// The shared strings in records of at most 8224 bytes, split between strings.
QByteArray sstRecords(const QStringList &strings)
{
    QByteArray out;
    Bytes body;
    body.u32(quint32(strings.size())).u32(quint32(strings.size()));
    int type = 0x00FC;
    for (const QString &text : strings) {
        const QByteArray one = Bytes().unicode(text).data();
        if (body.data().size() + one.size() > 8224) {
            out += record(type, body.data());
            body = Bytes();
            type = 0x003C;
        }
        body.bytes(one);
    }
    return out + record(type, body.data());
}

QByteArray formulaRecord(int row, int column, int format, const QByteArray &result)
{
    const QByteArray tokens = Bytes().u8(0x1E).u16(1).data();
    return record(0x0006, Bytes().u16(row).u16(column).u16(format).bytes(result).u16(0).u32(0).u16(int(tokens.size()))
                              .bytes(tokens).data());
}

QByteArray cellRecords(int row, int column, const BookCell &cell, QStringList &strings)
{
    switch (cell.kind) {
    case BookCell::Empty:
        return {};
    case BookCell::Text:
        strings << cell.text;
        return record(0x00FD, Bytes().u16(row).u16(column).u16(kGeneralXf).u32(quint32(strings.size() - 1)).data());
    case BookCell::Number:
        return record(0x0203, Bytes().u16(row).u16(column).u16(kGeneralXf).f64(cell.number).data());
    case BookCell::Date:
        return record(0x0203, Bytes().u16(row).u16(column).u16(kDateXf).f64(cell.number).data());
    case BookCell::Formula:
        return formulaRecord(row, column, kGeneralXf, Bytes().f64(cell.number).data());
    case BookCell::FormulaText:
        return formulaRecord(row, column, kGeneralXf, Bytes().u8(0).u8(0).u32(0).u16(0xFFFF).data())
               + record(0x0207, Bytes().unicode(cell.text).data());
    case BookCell::FormulaError:
        return formulaRecord(row, column, kGeneralXf, Bytes().u8(2).u8(0).u8(0x07).u8(0).u16(0).u16(0xFFFF).data());
    }
    return {};
}

QByteArray worksheetStream(const BookSheet &sheet, QStringList &strings)
{
    int columns = 0;
    for (const QList<BookCell> &row : sheet.rows)
        columns = std::max(columns, int(row.size()));
    QByteArray cells;
    for (int r = 0; r < sheet.rows.size(); ++r)
        for (int c = 0; c < sheet.rows[r].size(); ++c)
            cells += cellRecords(sheet.firstRow + r, sheet.firstColumn + c, sheet.rows[r][c], strings);
    const QByteArray dimension = record(0x0200, Bytes().u32(sheet.firstRow).u32(quint32(sheet.firstRow + sheet.rows.size()))
                                                    .u16(sheet.firstColumn).u16(sheet.firstColumn + columns).u16(0).data());
    return bof(0x0010) + dimension + cells + record(0x000A, {});
}

QByteArray workbookStream(const BookSheet &sheet)
{
    QStringList strings;
    const QByteArray worksheet = worksheetStream(sheet, strings);
    const QByteArray head = bof(0x0005) + record(0x0042, Bytes().u16(1200).data())
                            + record(0x0022, Bytes().u16(sheet.system1904 ? 1 : 0).data())
                            + record(0x041E, Bytes().u16(164).unicode(QStringLiteral("dd.mm.yyyy")).data())
                            + xf(0) + xf(14);
    const QByteArray tail = sstRecords(strings) + record(0x000A, {});
    const QByteArray name = "List1";
    const qsizetype boundSheetSize = 4 + 8 + name.size();
    const quint32 sheetOffset = quint32(head.size() + boundSheetSize + tail.size());
    const QByteArray boundSheet = record(0x0085, Bytes().u32(sheetOffset).u8(0).u8(0).u8(int(name.size())).u8(0).bytes(name).data());
    return head + boundSheet + tail + worksheet;
}

QString xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString xlsxCell(int row, int column, const BookCell &cell, QStringList &strings)
{
    const QString ref = QStringLiteral(" r=\"%1%2\"").arg(QChar(u'A' + column)).arg(row + 1);
    const QString number = QString::number(cell.number, 'g', 17);
    switch (cell.kind) {
    case BookCell::Empty:
        return {};
    case BookCell::Text:
        strings << cell.text;
        return QStringLiteral("<c%1 t=\"s\"><v>%2</v></c>").arg(ref).arg(strings.size() - 1);
    case BookCell::Number:
        return QStringLiteral("<c%1><v>%2</v></c>").arg(ref, number);
    case BookCell::Date:
        return QStringLiteral("<c%1 s=\"1\"><v>%2</v></c>").arg(ref, number);
    case BookCell::Formula:
        return QStringLiteral("<c%1><f>1+1</f><v>%2</v></c>").arg(ref, number);
    case BookCell::FormulaText:
        return QStringLiteral("<c%1 t=\"str\"><f>A1</f><v>%2</v></c>").arg(ref, xmlEscaped(cell.text));
    case BookCell::FormulaError:
        return QStringLiteral("<c%1 t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>").arg(ref);
    }
    return {};
}

} // namespace

BookCell date(const QDate &day, bool system1904)
{
    const QDate epoch = system1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    return {BookCell::Date, {}, double(epoch.daysTo(day))};
}

QByteArray xlsBytes(const BookSheet &sheet)
{
    const QByteArray stream = workbookStream(sheet);
    GsfOutput *memory = gsf_output_memory_new();
    GsfOutfile *ole = gsf_outfile_msole_new(memory);
    GsfOutput *workbook = gsf_outfile_new_child(ole, "Workbook", FALSE);
    gsf_output_write(workbook, size_t(stream.size()), reinterpret_cast<const guint8 *>(stream.constData()));
    gsf_output_close(workbook);
    g_object_unref(workbook);
    gsf_output_close(GSF_OUTPUT(ole));
    g_object_unref(ole);
    const QByteArray bytes(reinterpret_cast<const char *>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory))),
                           qsizetype(gsf_output_size(memory)));
    g_object_unref(memory);
    return bytes;
}

QByteArray xlsxBytes(const BookSheet &sheet)
{
    QStringList strings;
    QString rows;
    for (int r = 0; r < sheet.rows.size(); ++r) {
        rows += QStringLiteral("<row r=\"%1\">").arg(sheet.firstRow + r + 1);
        for (int c = 0; c < sheet.rows[r].size(); ++c)
            rows += xlsxCell(sheet.firstRow + r, sheet.firstColumn + c, sheet.rows[r][c], strings);
        rows += QStringLiteral("</row>");
    }
    QString shared;
    for (const QString &text : strings)
        shared += QStringLiteral("<si><t xml:space=\"preserve\">%1</t></si>").arg(xmlEscaped(text));
    const QString ns = QStringLiteral("xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"");
    const QString relNs = QStringLiteral("xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"");
    return zipBytes({
        {QStringLiteral("[Content_Types].xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {QStringLiteral("xl/workbook.xml"),
         QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook %1 %2><workbookPr date1904=\"%3\"/>"
                        "<sheets><sheet name=\"List1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>")
             .arg(ns, relNs, sheet.system1904 ? QStringLiteral("1") : QStringLiteral("0"))
             .toUtf8()},
        {QStringLiteral("xl/_rels/workbook.xml.rels"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
         "Target=\"worksheets/sheet1.xml\"/></Relationships>"},
        {QStringLiteral("xl/styles.xml"),
         QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><styleSheet %1><numFmts count=\"1\">"
                        "<numFmt numFmtId=\"164\" formatCode=\"dd\\.mm\\.yyyy\"/></numFmts>"
                        "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\"/></cellStyleXfs>"
                        "<cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/></cellXfs></styleSheet>")
             .arg(ns)
             .toUtf8()},
        {QStringLiteral("xl/sharedStrings.xml"),
         QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst %1>%2</sst>").arg(ns, shared).toUtf8()},
        {QStringLiteral("xl/worksheets/sheet1.xml"),
         QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet %1><sheetData>%2</sheetData></worksheet>")
             .arg(ns, rows)
             .toUtf8()},
    });
}

namespace {

la_ssize_t appendToBytes(archive *, void *bytes, const void *data, size_t size)
{
    static_cast<QByteArray *>(bytes)->append(static_cast<const char *>(data), qsizetype(size));
    return la_ssize_t(size);
}

} // namespace

QByteArray zipBytes(const QList<std::pair<QString, QByteArray>> &parts)
{
    QByteArray out;
    archive *zip = archive_write_new();
    archive_write_set_format_zip(zip);
    archive_write_set_bytes_in_last_block(zip, 1);
    archive_write_open(zip, &out, nullptr, appendToBytes, nullptr);
    for (const auto &[name, content] : parts) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, content.size());
        archive_write_header(zip, entry);
        archive_write_data(zip, content.constData(), size_t(content.size()));
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
