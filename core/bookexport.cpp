#include "bookexport.h"

#include "amountcells.h"
#include "catalogue.h"
#include "fieldtexts.h"
#include "filewrite.h"
#include "textgrid.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <optional>

namespace {

constexpr lxw_row_t kCompanyRow = 0; // name, address and place below each other
constexpr lxw_row_t kTitleRow = 4;
constexpr lxw_row_t kTableTop = 6; // the column titles; book row r is sheet row kTableTop + r
constexpr int kSheetNameLength = 31;

QString exportFailed(const QString &reason)
{
    return QStringLiteral("Izvoz nije uspio: ") + reason;
}

// The formats of the sheet, made once each; the workbook owns them.
class Formats {
public:
    explicit Formats(lxw_workbook *workbook) : m_workbook(workbook)
    {
        title = workbook_add_format(workbook);
        format_set_bold(title);
        format_set_font_size(title, 14);
        columnTitle = workbook_add_format(workbook);
        format_set_bold(columnTitle);
        format_set_text_wrap(columnTitle);
        format_set_align(columnTitle, LXW_ALIGN_VERTICAL_TOP);
        wrapped = workbook_add_format(workbook);
        format_set_text_wrap(wrapped);
        format_set_align(wrapped, LXW_ALIGN_VERTICAL_TOP);
        runningNumber = numberFormat("0");
        date = numberFormat("dd.mm.yyyy");
    }

    // One format per currency code, so that amounts of one currency sum as
    // they stand; the empty code is a plain number.
    lxw_format *amount(const QString &code)
    {
        lxw_format *&format = m_amounts[code];
        if (!format) {
            const QString pattern = code.isEmpty() ? QStringLiteral("#,##0.00")
                                                   : QStringLiteral("#,##0.00 \"%1\"").arg(code);
            format = numberFormat(pattern.toUtf8().constData());
        }
        return format;
    }

    lxw_format *title = nullptr;
    lxw_format *columnTitle = nullptr;
    lxw_format *wrapped = nullptr;
    lxw_format *runningNumber = nullptr;
    lxw_format *date = nullptr;

private:
    lxw_format *numberFormat(const char *pattern)
    {
        lxw_format *format = workbook_add_format(m_workbook);
        format_set_num_format(format, pattern);
        return format;
    }

    lxw_workbook *m_workbook;
    QHash<QString, lxw_format *> m_amounts;
};

std::optional<double> wholeNumber(const QString &text)
{
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || QString::number(number) != text)
        return std::nullopt;
    return static_cast<double>(number);
}

// Only an amount exactly as the program writes it is a number: anything else
// ("5 EURO", a code alone) would come out as a different amount.
std::optional<AmountValue> exactAmount(const QString &text)
{
    const std::optional<AmountValue> amount = readAmountCell(text);
    if (!amount || amountText(*amount) != text)
        return std::nullopt;
    for (const QChar c : amount->code)
        if (!c.isLetter())
            return std::nullopt;
    return amount;
}

std::optional<lxw_datetime> cellDate(const QString &text)
{
    const QDate date = readDateText(text);
    // A spreadsheet's dates begin with 1900.
    if (!date.isValid() || date.year() < 1900)
        return std::nullopt;
    return lxw_datetime{date.year(), date.month(), date.day(), 0, 0, 0.0};
}

bool isMultiLine(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// A spreadsheet breaks lines at LF alone.
QByteArray sheetText(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines.toUtf8();
}

lxw_error writeText(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, const QString &text,
                    lxw_format *format)
{
    return worksheet_write_string(sheet, row, column, sheetText(text).constData(), format);
}

lxw_error writeEntryCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, const QString &text,
                         const ColumnMasks &masks, Formats &formats)
{
    if (column == 0)
        if (const std::optional<double> number = wholeNumber(text))
            return worksheet_write_number(sheet, row, column, *number, formats.runningNumber);
    if (masks.isDate(static_cast<int>(column)))
        if (std::optional<lxw_datetime> date = cellDate(text))
            return worksheet_write_datetime(sheet, row, column, &*date, formats.date);
    if (masks.isAmount(static_cast<int>(column)))
        if (const std::optional<AmountValue> amount = exactAmount(text))
            return worksheet_write_number(sheet, row, column, amount->value, formats.amount(amount->code));
    return writeText(sheet, row, column, text, isMultiLine(text) ? formats.wrapped : nullptr);
}

QString cellError(lxw_error status, const TextGrid &book, int column, int row)
{
    const QString where = QStringLiteral("stupac \"%1\", %2. redak").arg(book.cell(column, 0)).arg(row);
    if (status == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
        return exportFailed(QStringLiteral("tekst ćelije (%1) dulji je od 32.767 znakova, koliko stane u ćeliju "
                                           "tablice.")
                                .arg(where));
    return exportFailed(QString::fromUtf8(lxw_strerror(status)) + QStringLiteral(" (") + where + QLatin1Char(')'));
}

QString sizeError(const TextGrid &book)
{
    if (kTableTop + static_cast<qint64>(book.rowCount()) > LXW_ROW_MAX)
        return exportFailed(QStringLiteral("knjiga ima više zapisa nego što stane u tablicu (najviše %1).")
                                .arg(LXW_ROW_MAX - kTableTop - 1));
    if (book.columnCount() > LXW_COL_MAX)
        return exportFailed(QStringLiteral("knjiga ima više stupaca nego što stane u tablicu (najviše %1).")
                                .arg(LXW_COL_MAX));
    return {};
}

lxw_error writeHeading(lxw_worksheet *sheet, const ExportHeading &heading, Formats &formats)
{
    const QString lines[] = {heading.company.name, heading.company.address, heading.company.place};
    for (lxw_row_t i = 0; i < 3; ++i)
        if (!lines[i].isEmpty())
            if (const lxw_error status = writeText(sheet, kCompanyRow + i, 0, lines[i], nullptr))
                return status;
    return writeText(sheet, kTitleRow, 0, heading.title, formats.title);
}

// The sheet's cells; empty cells are left out. False with the error at the
// first cell the sheet cannot take.
bool writeTable(lxw_worksheet *sheet, const TextGrid &book, const ColumnMasks &masks, Formats &formats,
                QString &error)
{
    for (int column = 0; column < book.columnCount(); ++column)
        worksheet_set_column_pixels(sheet, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                                    static_cast<uint32_t>(std::max(book.columnWidth(column), 0)), nullptr);
    for (int row = 0; row < book.rowCount(); ++row) {
        for (int column = 0; column < book.columnCount(); ++column) {
            const QString &text = book.cell(column, row);
            if (text.isEmpty())
                continue;
            const auto sheetRow = static_cast<lxw_row_t>(kTableTop + row);
            const auto sheetColumn = static_cast<lxw_col_t>(column);
            const lxw_error status = row == 0 ? writeText(sheet, sheetRow, sheetColumn, text, formats.columnTitle)
                                              : writeEntryCell(sheet, sheetRow, sheetColumn, text, masks, formats);
            if (status != LXW_NO_ERROR) {
                error = cellError(status, book, column, row);
                return false;
            }
        }
    }
    worksheet_freeze_panes(sheet, kTableTop + 1, 0);
    return true;
}

// Builds the workbook at the path, all or nothing.
bool buildWorkbook(const TextGrid &book, const BookKind &kind, const ExportHeading &heading, const QString &path,
                   const QString &scratchFolder, QString &error)
{
    QByteArray tmpdir = QFile::encodeName(scratchFolder);
    lxw_workbook_options options{LXW_FALSE, tmpdir.data(), LXW_FALSE};
    lxw_workbook *workbook = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (!workbook) {
        error = exportFailed(QString::fromUtf8(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED)));
        return false;
    }
    Formats formats(workbook);
    const ColumnMasks masks{kind.dateMask, kind.amountMask};
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, exportSheetName(kind).toUtf8().constData());
    bool written = sheet != nullptr;
    if (!sheet)
        error = exportFailed(QStringLiteral("list tablice nije moguće napraviti."));
    else if (const lxw_error status = writeHeading(sheet, heading, formats)) {
        error = exportFailed(QString::fromUtf8(lxw_strerror(status)));
        written = false;
    } else
        written = writeTable(sheet, book, masks, formats, error);
    // Closing also frees the workbook, so it closes whatever happened.
    const lxw_error closed = workbook_close(workbook);
    if (written && closed != LXW_NO_ERROR) {
        error = exportFailed(QString::fromUtf8(lxw_strerror(closed)));
        written = false;
    }
    return written;
}

} // namespace

QString exportSheetName(const BookKind &kind)
{
    return QString::fromUtf8(kind.displayName).left(kSheetNameLength).trimmed();
}

bool exportBook(const TextGrid &book, const BookKind &kind, const ExportHeading &heading, const QString &path,
                QString &error)
{
    error = sizeError(book);
    if (!error.isEmpty())
        return false;
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        error = exportFailed(QStringLiteral("privremenu mapu nije moguće napraviti: ") + scratch.errorString());
        return false;
    }
    const QString built = scratch.filePath(QStringLiteral("knjiga.xlsx"));
    if (!buildWorkbook(book, kind, heading, built, scratch.path(), error))
        return false;
    QByteArray bytes;
    QString ignored;
    if (!readWholeFile(built, bytes, ignored)) {
        error = exportFailed(QStringLiteral("napravljenu tablicu nije moguće pročitati."));
        return false;
    }
    if (!saveFileAtomically(path, bytes, ignored)) {
        error = exportFailed(QStringLiteral("datoteku %1 nije moguće zapisati. Provjerite postoji li mapa i smije "
                                            "li se u nju pisati.")
                                 .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}
