#include "fieldwidgets.h"

#include "amounttext.h"
#include "fieldtexts.h"

#include "looks.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

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
    const std::optional<AmountValue> read = readTypedAmount(typed, m_amount.code);
    if (read)
        m_amount = *read;
    showAmount();
    if (!read)
        Q_EMIT unreadable(typed);
}

void AmountEdit::showAmount()
{
    setText(amountText(m_amount));
}

namespace {

// The calendar button: a small down arrow, as on a drop-down list.
QIcon calendarButtonIcon()
{
    QPixmap arrow(12, 12);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(10.5, 3.5), QPointF(6, 9)}));
    return QIcon(arrow);
}

} // namespace

DateField::DateField(QWidget *parent) : QLineEdit(parent)
{
    QAction *button = addAction(calendarButtonIcon(), QLineEdit::TrailingPosition);
    button->setToolTip(QStringLiteral("Kalendar (F4)"));
    connect(button, &QAction::triggered, this, &DateField::openCalendar);
    setDate(QDate::currentDate());
}

void DateField::setDate(QDate date)
{
    m_date = date;
    setText(date.isValid() ? dateText(date) : QString());
}

// Made when first opened: a window holds dozens of date fields.
QCalendarWidget *DateField::calendar()
{
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        setCalendarLook(m_calendar);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DateField::pickDate);
        connect(m_calendar, &QCalendarWidget::activated, this, &DateField::pickDate);
    }
    return m_calendar;
}

void DateField::openCalendar()
{
    takeTypedDate();
    calendar();
    // An empty field's calendar opens at today.
    m_calendar->setSelectedDate(isEmpty() ? QDate::currentDate() : m_date);
    m_calendar->adjustSize();
    QPoint below = mapToGlobal(QPoint(0, height()));
    if (const QScreen *shown = screen()) {
        const QRect room = shown->availableGeometry();
        below.setX(std::clamp(below.x(), room.left(), std::max(room.left(), room.right() - m_calendar->width())));
        if (below.y() + m_calendar->height() > room.bottom())
            below.setY(mapToGlobal(QPoint(0, 0)).y() - m_calendar->height());
    }
    m_calendar->move(below);
    m_calendar->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateField::pickDate(QDate date)
{
    m_calendar->hide();
    setDate(date);
    setFocus(Qt::OtherFocusReason);
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4) {
        openCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::PopupFocusReason)
        takeTypedDate();
    QLineEdit::focusOutEvent(event);
}

void DateField::takeTypedDate()
{
    const QString typed = text();
    if (typed == (isEmpty() ? QString() : dateText(m_date)))
        return;
    const std::optional<QDate> read = readTypedDate(typed);
    setDate(read ? *read : m_date);
    if (!read)
        Q_EMIT unreadable(typed);
}
