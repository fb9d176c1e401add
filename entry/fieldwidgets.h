#pragma once

#include "amountcells.h"

#include <QDateEdit>
#include <QLineEdit>

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

// A date field that can also be empty: an empty date cell shows as an empty
// field, never as another row's date.
class DateField : public QDateEdit {
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    bool isEmpty() const { return date() == minimumDate(); }
    void clearDate() { setDate(minimumDate()); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
