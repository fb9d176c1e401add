#pragma once

#include "printing.h"

#include <QLineEdit>

// A number edit for a running number: shows its value whole, with "."
// between thousands, and keeps it inside its bounds whenever the value or
// a bound changes and when it loses the focus.
class RunningNumberEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit RunningNumberEdit(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    NumberBounds bounds() const { return m_bounds; }
    void setBounds(NumberBounds bounds);

Q_SIGNALS:
    void entered();
    // After the typed text has been taken and the bounds applied.
    void left();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void takeTypedText();
    void display(double value);

    double m_value = 1;
    NumberBounds m_bounds;
};
