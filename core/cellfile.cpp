#include "cellfile.h"

#include "codepage.h"
#include "filewrite.h"
#include "textgrid.h"
#include "textgridmodel.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kTab = '\t';
constexpr char kBackspace = '\b';
constexpr char kCtrlZ = 26;
constexpr QByteArrayView kLineEnd("\r\n");

// Far above any real book (a year of entries is thousands of rows), far below
// what would exhaust memory: a header asking for more is not a grid of ours.
constexpr qint64 kMaxCells = 10'000'000;

// The code page as tables learned once from the decoder: a book of a hundred
// thousand rows is converted cell by cell without a converter call per cell.
class Cp1250Tables {
public:
    static const Cp1250Tables &instance()
    {
        static const Cp1250Tables tables;
        return tables;
    }

    QChar toUnicode(char byte) const { return m_toUnicode[static_cast<uchar>(byte)]; }

    // 0 when the code page lacks the character.
    char toByte(QChar c) const { return c.unicode() < 0x80 ? char(c.unicode()) : m_toByte[c.unicode()]; }

private:
    Cp1250Tables()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = static_cast<char>(b);
        const QString decoded = decodeCp1250(all);
        for (int b = 0; b < 256; ++b) {
            m_toUnicode[b] = decoded.at(b);
            if (b >= 0x80)
                m_toByte[decoded.at(b).unicode()] = static_cast<char>(b);
        }
    }

    std::array<QChar, 256> m_toUnicode{};
    std::array<char, 65536> m_toByte{};
};

void appendNumber(QByteArray &out, int value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end - digits);
}

// False, with out as it was, when the code page lacks a character of the text
// or the text holds a byte the reader takes for structure.
bool appendEncoded(QByteArray &out, QStringView text, bool escape)
{
    const Cp1250Tables &tables = Cp1250Tables::instance();
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *byte = out.data() + start;
    for (QChar c : text) {
        const char encoded = tables.toByte(c);
        if ((encoded == 0 && c.unicode() != 0) || encoded == kCtrlZ || encoded == kBackspace) {
            out.truncate(start);
            return false;
        }
        *byte++ = !escape ? encoded : encoded == kCR ? kTab : encoded == kLF ? kBackspace : encoded;
    }
    return true;
}

// Ctrl-Z would end the file there, and a BS would turn the text's tabs into
// line breaks.
constexpr QStringView kReservedInCells(u"\x1A\b");

// A text with a CR has every CR written as TAB and every LF as BS. A character
// the code page lacks, or a reserved one, is reduced as typed text is.
void appendCellText(QByteArray &out, const QString &text)
{
    const bool escape = text.contains(QLatin1Char(kCR));
    if (!appendEncoded(out, text, escape))
        appendEncoded(out, reduceForCodePage(text, kReservedInCells), escape);
}

qsizetype estimatedSize(const TextGrid &grid)
{
    qsizetype size = 0;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            size += grid.cell(c, r).size();
    return size + qsizetype(grid.rowCount()) * grid.columnCount() * 16 + 64;
}

// The text of a cell line: a text with a BS has every TAB read as CR and every
// BS as LF.
QString decodedCellText(QByteArrayView bytes)
{
    const Cp1250Tables &tables = Cp1250Tables::instance();
    const bool unescape = bytes.contains(kBackspace);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes) {
        if (unescape && (byte == kTab || byte == kBackspace))
            byte = byte == kTab ? kCR : kLF;
        *out++ = tables.toUnicode(byte);
    }
    return text;
}

// Leading blanks skipped, then the leading decimal digits; none read as 0.
qint64 leadingNumber(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int>::max())
            return std::numeric_limits<int>::max();
    }
    return value;
}

// A line ends at CR; one LF right after it belongs to the line end. A lone LF
// is an ordinary character.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool next(QByteArrayView &line)
    {
        if (m_pos >= m_bytes.size())
            return false;
        const qsizetype end = m_bytes.indexOf(kCR, m_pos);
        if (end < 0) {
            line = m_bytes.sliced(m_pos);
            m_pos = m_bytes.size();
            return true;
        }
        line = m_bytes.sliced(m_pos, end - m_pos);
        m_pos = end + 1;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == kLF)
            ++m_pos;
        return true;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// "cw", a blank, the column, ",", the width; only 255 characters of the width count.
void readWidthLine(QByteArrayView line, TextGrid &grid)
{
    const qsizetype comma = line.indexOf(',');
    if (comma < 0)
        return;
    const qsizetype columnStart = std::min<qsizetype>(3, comma);
    const qint64 column = leadingNumber(line.sliced(columnStart, comma - columnStart));
    const QByteArrayView widthField = line.sliced(comma + 1);
    const qint64 width = leadingNumber(widthField.first(std::min<qsizetype>(255, widthField.size())));
    if (column < grid.columnCount())
        grid.setColumnWidth(static_cast<int>(column), static_cast<int>(width));
}

void readCellLine(QByteArrayView line, TextGrid &grid)
{
    const qsizetype first = line.indexOf(',');
    if (first < 0)
        return;
    const qsizetype second = line.indexOf(',', first + 1);
    if (second < 0)
        return;
    const qint64 column = leadingNumber(line.first(first));
    const qint64 row = leadingNumber(line.sliced(first + 1, second - first - 1));
    if (column < grid.columnCount() && row < grid.rowCount())
        grid.setCell(static_cast<int>(column), static_cast<int>(row), decodedCellText(line.sliced(second + 1)));
}

// An empty header keeps the counts; a count below 1 is taken as 1.
bool readHeader(QByteArrayView header, TextGrid &grid)
{
    if (header.isEmpty())
        return true;
    const qsizetype comma = header.indexOf(',');
    const qint64 columns = std::max<qint64>(1, leadingNumber(comma < 0 ? header : header.first(comma)));
    const qint64 rows = std::max<qint64>(1, comma < 0 ? 0 : leadingNumber(header.sliced(comma + 1)));
    if (columns * rows > kMaxCells)
        return false;
    grid.setColumnCount(static_cast<int>(columns));
    grid.setRowCount(static_cast<int>(rows));
    return true;
}

} // namespace

QByteArray cellFileBytes(const TextGrid &grid)
{
    QByteArray out;
    out.reserve(estimatedSize(grid));
    appendNumber(out, grid.columnCount());
    out += ',';
    appendNumber(out, grid.rowCount());
    out += kLineEnd;
    for (int c = 0; c < grid.columnCount(); ++c) {
        out += "cw ";
        appendNumber(out, c);
        out += ',';
        appendNumber(out, grid.columnWidth(c));
        out += kLineEnd;
    }
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QString &text = grid.cell(c, r);
            if (text.isEmpty())
                continue;
            appendNumber(out, c);
            out += ',';
            appendNumber(out, r);
            out += ',';
            appendCellText(out, text);
            out += kLineEnd;
        }
    }
    return out;
}

bool readCellBytes(QByteArrayView bytes, TextGrid &grid)
{
    const qsizetype ctrlZ = bytes.indexOf(kCtrlZ);
    if (ctrlZ >= 0)
        bytes = bytes.first(ctrlZ);
    LineReader lines(bytes);

    QByteArrayView line;
    if (!lines.next(line))
        return true;
    if (!readHeader(line, grid))
        return false;
    while (lines.next(line)) {
        if (line.startsWith("cw"))
            readWidthLine(line, grid);
        else
            readCellLine(line, grid);
    }
    return true;
}

bool saveCellFile(const TextGrid &grid, const QString &path, QString &error)
{
    return saveFileAtomically(path, cellFileBytes(grid), error);
}

bool loadCellFile(TextGridModel &model, const QString &path, QString &error)
{
    QByteArray bytes;
    if (!readWholeFile(path, bytes, error))
        return false;
    bool read = false;
    model.edit([&](TextGrid &grid) { read = readCellBytes(bytes, grid); });
    if (!read)
        error = QStringLiteral("Datoteka nije ispravna: ") + QDir::toNativeSeparators(path);
    return read;
}
