#include "fieldwidgets.h"

#include "amounttext.h"
#include "fieldtexts.h"

#include <QCalendarWidget>

AmountEdit::AmountEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight);
    showAmount();
}

void AmountEdit::setAmount(const AmountValue &amount)
{
    m_amount = amount;
    showAmount();
}

void AmountEdit::focusInEvent(QFocusEvent *event)
{
    setText(formatAmountNumber(m_amount.value));
    QLineEdit::focusInEvent(event);
    selectAll();
}

void AmountEdit::focusOutEvent(QFocusEvent *event)
{
    takeTypedValue();
    QLineEdit::focusOutEvent(event);
}

void AmountEdit::takeTypedValue()
{
    const QString typed = text();
    if (typed == amountText(m_amount))
        return;
    // Typed amounts may use either mark for decimals, as people write them.
    const std::optional<QString> normalised = stringBroj(typed);
    const std::optional<double> value = normalised ? readCellNumber(*normalised) : std::nullopt;
    if (value)
        m_amount.value = *value;
    showAmount();
    if (!value)
        Q_EMIT unreadable(typed);
}

void AmountEdit::showAmount()
{
    setText(amountText(m_amount));
}

DateField::DateField(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat(cellDateFormat());
    setCalendarPopup(true);
    setMinimumDate(QDate(1900, 1, 1));
    setSpecialValueText(QStringLiteral(" "));
    setDate(QDate::currentDate());
}

void DateField::mousePressEvent(QMouseEvent *event)
{
    // An empty field's calendar opens at today, not at its empty mark.
    if (isEmpty())
        calendarWidget()->setSelectedDate(QDate::currentDate());
    QDateEdit::mousePressEvent(event);
}
