#include "cellfile.h"

#include "codepage.h"
#include "filewrite.h"
#include "textgrid.h"
#include "textgridmodel.h"

#include <QDir>

#include <limits>

namespace {

constexpr QChar kCR(u'\r');
constexpr QChar kLF(u'\n');
constexpr QChar kTab(u'\t');
constexpr QChar kBackspace(u'\b');
constexpr char kCtrlZ = 26;

// Far above any real book (a year of entries is thousands of rows), far below
// what would exhaust memory: a header asking for more is not a grid of ours.
constexpr qint64 kMaxCells = 50'000'000;

void appendEscaped(QString &out, const QString &text)
{
    if (!text.contains(kCR)) {
        out += text;
        return;
    }
    for (QChar c : text)
        out += c == kCR ? kTab : c == kLF ? kBackspace : c;
}

QString unescaped(QStringView text)
{
    QString result = text.toString();
    if (!text.contains(kBackspace))
        return result;
    for (QChar &c : result) {
        if (c == kTab)
            c = kCR;
        else if (c == kBackspace)
            c = kLF;
    }
    return result;
}

// Leading blanks skipped, then the leading decimal digits; none read as 0.
qint64 leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return std::numeric_limits<int>::max();
    }
    return value;
}

// A line ends at CR; one LF right after it belongs to the line end. A lone LF
// is an ordinary character.
class LineReader {
public:
    explicit LineReader(QStringView text) : m_text(text) {}

    bool next(QStringView &line)
    {
        if (m_pos >= m_text.size())
            return false;
        const qsizetype end = m_text.indexOf(kCR, m_pos);
        if (end < 0) {
            line = m_text.sliced(m_pos);
            m_pos = m_text.size();
            return true;
        }
        line = m_text.sliced(m_pos, end - m_pos);
        m_pos = end + 1;
        if (m_pos < m_text.size() && m_text[m_pos] == kLF)
            ++m_pos;
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

void readWidthLine(QStringView line, TextGrid &grid)
{
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0)
        return;
    const qint64 column = leadingNumber(line.sliced(std::min<qsizetype>(3, comma), comma - std::min<qsizetype>(3, comma)));
    const qint64 width = leadingNumber(line.sliced(comma + 1).left(255));
    if (column < grid.columnCount())
        grid.setColumnWidth(static_cast<int>(column), static_cast<int>(width));
}

void readCellLine(QStringView line, TextGrid &grid)
{
    const qsizetype first = line.indexOf(u',');
    if (first < 0)
        return;
    const qsizetype second = line.indexOf(u',', first + 1);
    if (second < 0)
        return;
    const qint64 column = leadingNumber(line.first(first));
    const qint64 row = leadingNumber(line.sliced(first + 1, second - first - 1));
    if (column < grid.columnCount() && row < grid.rowCount())
        grid.setCell(static_cast<int>(column), static_cast<int>(row), unescaped(line.sliced(second + 1)));
}

} // namespace

QByteArray cellFileBytes(const TextGrid &grid)
{
    const QLatin1String lineEnd("\r\n");
    QString out;
    out += QString::number(grid.columnCount()) + QLatin1Char(',') + QString::number(grid.rowCount()) + lineEnd;
    for (int c = 0; c < grid.columnCount(); ++c)
        out += QLatin1String("cw ") + QString::number(c) + QLatin1Char(',')
               + QString::number(grid.columnWidth(c)) + lineEnd;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QString &text = grid.cell(c, r);
            if (text.isEmpty())
                continue;
            out += QString::number(c) + QLatin1Char(',') + QString::number(r) + QLatin1Char(',');
            appendEscaped(out, text);
            out += lineEnd;
        }
    }
    return encodeCp1250(out);
}

bool readCellBytes(QByteArrayView bytes, TextGrid &grid)
{
    const qsizetype ctrlZ = bytes.indexOf(kCtrlZ);
    if (ctrlZ >= 0)
        bytes = bytes.first(ctrlZ);
    const QString text = decodeCp1250(bytes);
    LineReader lines(text);

    QStringView header;
    if (!lines.next(header))
        return true;
    if (!header.isEmpty()) {
        const qsizetype comma = header.indexOf(u',');
        const qint64 columns = std::max<qint64>(1, leadingNumber(comma < 0 ? header : header.first(comma)));
        const qint64 rows = std::max<qint64>(1, comma < 0 ? 0 : leadingNumber(header.sliced(comma + 1)));
        if (columns * rows > kMaxCells)
            return false;
        grid.setColumnCount(static_cast<int>(columns));
        grid.setRowCount(static_cast<int>(rows));
    }

    QStringView line;
    while (lines.next(line)) {
        if (line.startsWith(QLatin1String("cw")))
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
