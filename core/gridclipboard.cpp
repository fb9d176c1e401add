#include "gridclipboard.h"

namespace {

constexpr QChar kTab(u'\t');
constexpr QChar kLF(u'\n');
constexpr QChar kCR(u'\r');
constexpr QChar kQuote(u'"');

QString quotedIfNeeded(const QString &cell)
{
    const bool needsQuotes = cell.contains(kTab) || cell.contains(kLF) || cell.contains(kCR) || cell.contains(kQuote);
    if (!needsQuotes)
        return cell;
    QString doubled = cell;
    doubled.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + doubled + kQuote;
}

QString withCellLineBreaks(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(kCR, kLF);
    lines.replace(kLF, QStringLiteral("\r\n"));
    return lines;
}

// Reads the clipboard text one cell at a time.
class ClipboardReader {
public:
    explicit ClipboardReader(const QString &text) : m_text(text) {}

    QList<QStringList> rows()
    {
        QList<QStringList> rows;
        if (m_text.isEmpty())
            return rows;
        QStringList row;
        for (;;) {
            row += withCellLineBreaks(nextCell());
            const Separator separator = takeSeparator();
            if (separator == Separator::Cell)
                continue;
            rows += row;
            row.clear();
            if (separator == Separator::End || m_pos == m_text.size())
                return rows;
        }
    }

private:
    enum class Separator { Cell, Row, End };

    QString nextCell()
    {
        if (m_pos == m_text.size() || m_text[m_pos] != kQuote)
            return textUpToSeparator();
        const QString quoted = quotedCell();
        return quoted + textUpToSeparator();
    }

    QString quotedCell()
    {
        QString cell;
        ++m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos++];
            if (c != kQuote) {
                cell += c;
            } else if (m_pos < m_text.size() && m_text[m_pos] == kQuote) {
                cell += kQuote;
                ++m_pos;
            } else {
                break;
            }
        }
        return cell;
    }

    QString textUpToSeparator()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != kTab && m_text[m_pos] != kLF && m_text[m_pos] != kCR)
            ++m_pos;
        return m_text.sliced(start, m_pos - start);
    }

    Separator takeSeparator()
    {
        if (m_pos == m_text.size())
            return Separator::End;
        if (m_text[m_pos++] == kTab)
            return Separator::Cell;
        if (m_text[m_pos - 1] == kCR && m_pos < m_text.size() && m_text[m_pos] == kLF)
            ++m_pos;
        return Separator::Row;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

QString clipboardTextOfCells(const QList<QStringList> &rows)
{
    QStringList lines;
    lines.reserve(rows.size());
    for (const QStringList &row : rows) {
        QStringList cells;
        cells.reserve(row.size());
        for (const QString &cell : row)
            cells += quotedIfNeeded(cell);
        lines += cells.join(kTab);
    }
    return lines.join(kLF);
}

QList<QStringList> cellsOfClipboardText(const QString &text)
{
    return ClipboardReader(text).rows();
}
