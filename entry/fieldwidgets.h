#pragma once

#include "amountcells.h"

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

// An amount field: a value and the currency code of its display format. It
// shows "1.234,50 EUR" while not edited; while edited, the bare number.
class AmountEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit AmountEdit(QWidget *parent = nullptr);

    const AmountValue &amount() const { return m_amount; }
    void setAmount(const AmountValue &amount);
    void setValue(double value) { setAmount({value, m_amount.code}); }
    void setCode(const QString &code) { setAmount({m_amount.value, code}); }

    // What the field gives to the book grid and to composite fields.
    QString formattedText() const { return amountText(m_amount); }

Q_SIGNALS:
    // The typed text is no number; the field keeps its value.
    void unreadable(const QString &typed);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void takeTypedValue();
    void showAmount();

    AmountValue m_amount;
};

// A date field that may be empty, typed as a whole: "15.03.2026",
// "15.3.2026" or "15032026". Leaving the field takes the typed date; text
// that is no date is reported and the field keeps its date; deleting the
// text empties it. F4 or the button at its right opens the calendar.
class DateField : public QLineEdit {
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(QDate date);
    bool isEmpty() const { return !m_date.isValid(); }
    void clearDate() { setDate(QDate()); }

    QCalendarWidget *calendar();
    void openCalendar();

Q_SIGNALS:
    // The typed text is no date; the field keeps its date.
    void unreadable(const QString &typed);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void takeTypedDate();
    void pickDate(QDate date);

    QDate m_date;
    QCalendarWidget *m_calendar = nullptr;
};
