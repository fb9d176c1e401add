#include "fieldnavigator.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

void FieldNavigator::watch(QWidget *control)
{
    control->installEventFilter(this);
    // A spin box's edit receives the keys itself.
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(control))
        spin->findChild<QWidget *>()->installEventFilter(this);
}

bool FieldNavigator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QTextEdit *>(widget))
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (button && enter) {
        button->click();
        return true;
    }
    const bool forward = enter || key == Qt::Key_Down || (button && key == Qt::Key_Right);
    const bool back = key == Qt::Key_Up || (button && key == Qt::Key_Left);
    if (!forward && !back)
        return false;
    // A Tab follows the tab order the window declares.
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(widget, &tab);
    return true;
}
