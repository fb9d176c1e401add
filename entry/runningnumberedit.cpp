#include "runningnumberedit.h"

RunningNumberEdit::RunningNumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight);
    display(m_value);
    connect(this, &QLineEdit::editingFinished, this, &RunningNumberEdit::takeTypedText);
}

void RunningNumberEdit::setValue(double value)
{
    display(m_bounds.applied(value));
}

void RunningNumberEdit::setBounds(NumberBounds bounds)
{
    m_bounds = bounds;
    setValue(m_value);
}

void RunningNumberEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT entered();
}

void RunningNumberEdit::focusOutEvent(QFocusEvent *event)
{
    takeTypedText();
    QLineEdit::focusOutEvent(event);
    Q_EMIT left();
}

// Text that is not a number gives way to the value it replaced.
void RunningNumberEdit::takeTypedText()
{
    if (text() == runningNumberText(m_value))
        return;
    setValue(readRunningNumber(text()).value_or(m_value));
}

void RunningNumberEdit::display(double value)
{
    m_value = value;
    const QString shown = runningNumberText(value);
    if (text() != shown)
        setText(shown);
}
