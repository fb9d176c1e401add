#include "fieldmapping.h"

#include "fieldtexts.h"
#include "fieldwidgets.h"
#include "textgridmodel.h"

#include <QPlainTextEdit>
#include <QSpinBox>

#include <algorithm>

namespace {

// Memos separate their lines by LF; cells by CR LF.
QString cellLines(const QString &memoText)
{
    return QString(memoText).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString memoLines(const QString &cellText)
{
    return QString(cellText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString fieldText(const QWidget *field)
{
    if (auto *amount = qobject_cast<const AmountEdit *>(field))
        return amount->formattedText();
    if (auto *date = qobject_cast<const DateField *>(field))
        return date->isEmpty() ? QString() : dateText(date->date());
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(field))
        return cellLines(memo->toPlainText());
    if (auto *year = qobject_cast<const QSpinBox *>(field))
        return year->text();
    if (auto *text = qobject_cast<const QLineEdit *>(field))
        return text->text();
    return {};
}

// False when the cell cannot be shown in the field; the field is then empty.
bool showCell(QWidget *field, const QString &cell)
{
    if (auto *amount = qobject_cast<AmountEdit *>(field)) {
        if (cell.isEmpty())
            return true;
        const std::optional<AmountValue> read = readAmountCell(cell);
        if (read)
            amount->setAmount(*read);
        return read.has_value();
    }
    if (auto *date = qobject_cast<DateField *>(field)) {
        const QDate read = readDateText(cell);
        if (read.isValid())
            date->setDate(read);
        else
            date->clearDate();
        return cell.isEmpty() || read.isValid();
    }
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        memo->setPlainText(memoLines(cell));
    else if (auto *year = qobject_cast<QSpinBox *>(field); year && !cell.isEmpty())
        year->setValue(cell.toInt());
    else if (auto *text = qobject_cast<QLineEdit *>(field))
        text->setText(cell);
    return true;
}

} // namespace

QWidget *FieldMapping::columnField(int column) const
{
    return m_window.findChild<QWidget *>(m_prefix + QString::number(column));
}

void FieldMapping::clearField(QWidget *field) const
{
    if (qobject_cast<DateField *>(field))
        return; // a cleared date field keeps its date
    if (auto *amount = qobject_cast<AmountEdit *>(field))
        amount->setValue(0);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        memo->clear();
    else if (auto *year = qobject_cast<QSpinBox *>(field))
        year->setValue(m_bookYear);
    else if (auto *text = qobject_cast<QLineEdit *>(field))
        text->clear();
}

void FieldMapping::Polja_u_grid(TextGridModel &book, int row, const QList<UnshownCell> &unshownInRow) const
{
    for (int column = 1; column < book.columnCount(); ++column) {
        QWidget *field = columnField(column);
        if (!field)
            continue;
        if (auto *amount = qobject_cast<AmountEdit *>(field); amount && amount->amount().value == 0)
            continue;
        const QString text = fieldText(field);
        const auto stillEmptied = [&](const UnshownCell &unshown) {
            return unshown.column == column && unshown.emptiedField == text;
        };
        if (std::any_of(unshownInRow.begin(), unshownInRow.end(), stillEmptied))
            continue;
        book.setCell(column, row, text);
    }
}

QList<UnshownCell> FieldMapping::Grid_u_polja(const TextGridModel &book, int row) const
{
    QList<UnshownCell> unshown;
    for (int column = 1; column < book.columnCount(); ++column) {
        QWidget *field = columnField(column);
        if (!field)
            continue;
        clearField(field);
        const QString &cell = book.cell(column, row);
        if (!showCell(field, cell))
            unshown << UnshownCell{.column = column, .cell = cell, .emptiedField = fieldText(field)};
    }
    return unshown;
}

void FieldMapping::PoljaIsprazni(int columnCount) const
{
    for (int column = 1; column < columnCount; ++column)
        if (QWidget *field = columnField(column))
            clearField(field);
    resetYearFields();
}

void FieldMapping::resetYearFields() const
{
    for (QSpinBox *year : m_window.findChildren<QSpinBox *>())
        if (year->objectName().startsWith(m_prefix))
            year->setValue(m_bookYear);
}

QString insertedLine(const QWidget &window, const QString &compositeName, int subFields)
{
    QList<SubFieldText> parts;
    for (int k = 1; k <= subFields; ++k) {
        const QWidget *field = window.findChild<QWidget *>(compositeName + QLatin1Char('_') + QString::number(k));
        const bool plainText = !field
                               || (qobject_cast<const QLineEdit *>(field) && !qobject_cast<const AmountEdit *>(field)
                                   && !qobject_cast<const DateField *>(field));
        parts << SubFieldText{fieldText(field), plainText};
    }
    return compositeLine(parts);
}

void appendLine(QWidget &composite, const QString &line)
{
    auto *memo = qobject_cast<QPlainTextEdit *>(&composite);
    if (!memo)
        return;
    const QString text = memo->toPlainText();
    memo->setPlainText(text.isEmpty() ? line : text + QLatin1Char('\n') + line);
}
