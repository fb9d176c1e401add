// glib's headers before Qt's: Qt's keyword macros would break them.
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include "biffformulas.h"

#include "cellvalues.h"

#include <QFile>
#include <QHash>
#include <QtEndian>

#include <cstring>
#include <memory>

namespace {

enum : quint16 {
    kFormula = 0x0006,
    kEof = 0x000A,
    kDateMode = 0x0022,
    kBoundSheet = 0x0085,
    kXf = 0x00E0,
    kString = 0x0207,
    kFormat = 0x041E,
    kBof = 0x0809,
};

constexpr qsizetype kLargestStream = qsizetype(1) << 30;

struct GObjectDeleter {
    void operator()(void *object) const { g_object_unref(object); }
};
template <typename T>
using GPtr = std::unique_ptr<T, GObjectDeleter>;

struct Record {
    quint16 type = 0;
    QByteArrayView body;
};

// Walks the records of the stream from an offset; stops at its end or at a
// record that runs past it.
class RecordReader {
public:
    RecordReader(QByteArrayView stream, qsizetype offset) : m_stream(stream), m_pos(offset) {}

    bool next(Record &record)
    {
        if (m_pos < 0 || m_pos + 4 > m_stream.size())
            return false;
        const quint16 length = qFromLittleEndian<quint16>(m_stream.data() + m_pos + 2);
        if (m_pos + 4 + length > m_stream.size())
            return false;
        record.type = qFromLittleEndian<quint16>(m_stream.data() + m_pos);
        record.body = m_stream.sliced(m_pos + 4, length);
        m_pos += 4 + length;
        return true;
    }

private:
    QByteArrayView m_stream;
    qsizetype m_pos;
};

quint16 u16(QByteArrayView body, qsizetype at)
{
    return at + 2 <= body.size() ? qFromLittleEndian<quint16>(body.data() + at) : 0;
}

quint32 u32(QByteArrayView body, qsizetype at)
{
    return at + 4 <= body.size() ? qFromLittleEndian<quint32>(body.data() + at) : 0;
}

// An XLUnicodeString: character count, a flags byte (bit 0: two bytes per
// character), then the characters; rich-text runs and extensions skipped.
QString unicodeString(QByteArrayView body, qsizetype at)
{
    const quint16 count = u16(body, at);
    if (at + 3 > body.size())
        return {};
    const quint8 flags = static_cast<quint8>(body[at + 2]);
    qsizetype pos = at + 3;
    if (flags & 0x08)
        pos += 2;
    if (flags & 0x04)
        pos += 4;
    const qsizetype available = std::max<qsizetype>(0, body.size() - pos);
    if (flags & 0x01) {
        const qsizetype chars = std::min<qsizetype>(count, available / 2);
        QString text(chars, Qt::Uninitialized);
        for (qsizetype i = 0; i < chars; ++i)
            text[i] = QChar(qFromLittleEndian<quint16>(body.data() + pos + 2 * i));
        return text;
    }
    return QString::fromLatin1(body.sliced(pos, std::min<qsizetype>(count, available)));
}

struct Globals {
    bool system1904 = false;
    QList<quint32> worksheetOffsets;
    QList<quint16> xfFormats;
    QHash<quint16, QString> formatCodes;

    bool isDateXf(quint16 xf) const
    {
        if (xf >= xfFormats.size())
            return false;
        const quint16 format = xfFormats[xf];
        return isDateFormatId(format) || isDateFormatCode(formatCodes.value(format));
    }
};

Globals readGlobals(QByteArrayView stream)
{
    Globals globals;
    RecordReader records(stream, 0);
    Record record;
    while (records.next(record) && record.type != kEof) {
        switch (record.type) {
        case kDateMode:
            globals.system1904 = u16(record.body, 0) == 1;
            break;
        case kBoundSheet:
            if (record.body.size() >= 6 && record.body[5] == 0)
                globals.worksheetOffsets << u32(record.body, 0);
            break;
        case kXf:
            globals.xfFormats << u16(record.body, 2);
            break;
        case kFormat:
            globals.formatCodes.insert(u16(record.body, 0), unicodeString(record.body, 2));
            break;
        }
    }
    return globals;
}

// The eight result bytes of a FORMULA record: a double, or when the last two
// bytes are FFFF a typed value (0 text in the next STRING record, 1 boolean,
// 2 error, 3 empty text).
FormulaResult formulaResult(QByteArrayView body, const Globals &globals, bool &textFollows)
{
    FormulaResult result;
    result.row = u16(body, 0);
    result.column = u16(body, 2);
    textFollows = false;
    const QByteArrayView value = body.sliced(6, 8);
    if (u16(value, 6) != 0xFFFF) {
        double number = 0;
        std::memcpy(&number, value.data(), sizeof number);
        number = qFromLittleEndian(number);
        result.number = !globals.isDateXf(u16(body, 4));
        result.text = result.number ? numberText(number) : serialDateText(number, globals.system1904);
        return result;
    }
    switch (static_cast<quint8>(value[0])) {
    case 0:
        textFollows = true;
        break;
    case 1:
        result.text = value[2] ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        break;
    case 3:
        break;
    default:
        result.unreadable = true;
    }
    return result;
}

QList<FormulaResult> worksheetFormulas(QByteArrayView stream, quint32 offset, const Globals &globals)
{
    QList<FormulaResult> results;
    RecordReader records(stream, offset);
    Record record;
    int depth = 0;
    bool textFollows = false;
    while (records.next(record)) {
        if (record.type == kBof)
            ++depth;
        else if (record.type == kEof && --depth <= 0)
            break;
        // Embedded charts have substreams of their own.
        if (depth != 1)
            continue;
        if (record.type == kFormula && record.body.size() >= 20) {
            results << formulaResult(record.body, globals, textFollows);
        } else if (record.type == kString && textFollows) {
            results.last().text = unicodeString(record.body, 0);
            textFollows = false;
        }
    }
    return results;
}

bool readWorkbookStream(const QString &path, QByteArray &stream)
{
    GError *failure = nullptr;
    GPtr<GsfInput> input(gsf_input_stdio_new(QFile::encodeName(path).constData(), &failure));
    g_clear_error(&failure);
    if (!input)
        return false;
    GPtr<GsfInfile> ole(gsf_infile_msole_new(input.get(), &failure));
    g_clear_error(&failure);
    if (!ole)
        return false;
    GPtr<GsfInput> workbook(gsf_infile_child_by_name(ole.get(), "Workbook"));
    if (!workbook)
        return false;
    const gsf_off_t size = gsf_input_size(workbook.get());
    if (size <= 0 || size > kLargestStream)
        return false;
    stream.resize(static_cast<qsizetype>(size));
    return gsf_input_read(workbook.get(), static_cast<size_t>(size), reinterpret_cast<guint8 *>(stream.data()));
}

} // namespace

bool readFormulaResults(const QString &path, int sheet, QList<FormulaResult> &results, QString &error)
{
    QByteArray stream;
    if (!readWorkbookStream(path, stream)) {
        error = QStringLiteral("nije moguće pročitati rezultate formula");
        return false;
    }
    const Globals globals = readGlobals(stream);
    if (sheet < 0 || sheet >= globals.worksheetOffsets.size()) {
        error = QStringLiteral("nema %1. radnog lista").arg(sheet + 1);
        return false;
    }
    results = worksheetFormulas(stream, globals.worksheetOffsets[sheet], globals);
    return true;
}
