#include "biffformulas.h"
#include "cellvalues.h"
#include "sheettable.h"
#include "workbookerrors.h"

#include <freexl.h>

#include <QDate>
#include <QFile>
#include <QFileInfo>

namespace {

// Larger sheets are not a client's document list; reading them would only
// exhaust memory.
constexpr qint64 kLargestCellCount = 10'000'000;

class FreeXl {
public:
    ~FreeXl()
    {
        if (m_handle)
            freexl_close(m_handle);
    }
    int open(const QString &path) { return freexl_open(QFile::encodeName(path).constData(), &m_handle); }
    const void *handle() const { return m_handle; }

private:
    const void *m_handle = nullptr;
};

QString isoDateText(const char *iso)
{
    const QString text = QString::fromLatin1(iso);
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        return text;
    const QString day = date.toString(QStringLiteral("dd.MM.yyyy"));
    const QString time = text.mid(11);
    return time.isEmpty() || time == QLatin1String("00:00:00") ? day : day + u' ' + time;
}

void putCell(SheetTable &table, int column, int row, const FreeXL_CellValue &value)
{
    switch (value.type) {
    case FREEXL_CELL_INT:
        table.setNumber(column, row, QString::number(value.value.int_value));
        break;
    case FREEXL_CELL_DOUBLE:
        table.setNumber(column, row, numberText(value.value.double_value));
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        table.setText(column, row, QString::fromUtf8(value.value.text_value));
        break;
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
        table.setText(column, row, isoDateText(value.value.text_value));
        break;
    case FREEXL_CELL_TIME:
        table.setText(column, row, QString::fromLatin1(value.value.text_value));
        break;
    }
}

QString openFailure(int code, const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QStringLiteral("datoteka se ne može otvoriti");
    if (!file.isFile() || !file.isReadable())
        return QStringLiteral("datoteka se ne može pročitati");
    if (code == FREEXL_INSUFFICIENT_MEMORY)
        return QStringLiteral("nema dovoljno memorije");
    return QStringLiteral("nije ispravna Excel tablica (.xls)");
}

// FreeXL leaves formula cells empty; the results stored in the file fill them.
bool fillFormulaResults(const QString &path, int sheet, SheetTable &table, QString &error)
{
    QList<FormulaResult> results;
    QString reason;
    if (!readFormulaResults(path, sheet, results, reason)) {
        error = workbookError(path, reason);
        return false;
    }
    for (const FormulaResult &result : results) {
        if (result.column >= table.columnCount() || result.row >= table.rowCount())
            continue;
        if (result.unreadable) {
            error = unreadableFormulaError(path, result.column, result.row);
            return false;
        }
        if (result.number)
            table.setNumber(result.column, result.row, result.text);
        else
            table.setText(result.column, result.row, result.text);
    }
    return true;
}

} // namespace

bool readXlsSheet(const QString &path, int sheet, SheetTable &table, QString &error)
{
    FreeXl xls;
    const int opened = xls.open(path);
    if (opened != FREEXL_OK) {
        error = workbookError(path, openFailure(opened, path));
        return false;
    }
    unsigned int info = 0;
    if (freexl_get_info(xls.handle(), FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED) {
        error = workbookError(path, QStringLiteral("zaštićena je lozinkom"));
        return false;
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(xls.handle(), static_cast<unsigned short>(sheet)) != FREEXL_OK
        || freexl_worksheet_dimensions(xls.handle(), &rows, &columns) != FREEXL_OK) {
        error = workbookError(path, QStringLiteral("nema %1. radnog lista").arg(sheet + 1));
        return false;
    }
    if (qint64(rows) * columns > kLargestCellCount) {
        error = workbookError(path, QStringLiteral("tablica je prevelika"));
        return false;
    }
    SheetTable all(columns, static_cast<int>(rows));
    for (unsigned int row = 0; row < rows; ++row)
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(xls.handle(), row, column, &value) == FREEXL_OK)
                putCell(all, column, static_cast<int>(row), value);
        }
    if (!fillFormulaResults(path, sheet, all, error))
        return false;
    table = all.usedRange();
    return true;
}
