#include "commandgroup.h"

#include "fieldnavigator.h"

#include <QAbstractButton>

CommandGroup::CommandGroup(QObject *parent) : QObject(parent), m_keys(new FieldNavigator(this)) {}

void CommandGroup::addButton(QAbstractButton *button)
{
    button->setCheckable(true);
    button->setFocusPolicy(static_cast<Qt::FocusPolicy>(button->focusPolicy() | Qt::TabFocus));
    m_keys->watch(button);
    m_buttons << button;
    connect(button, &QAbstractButton::clicked, this, [this, button] { showGiven(button); });
}

void CommandGroup::showGiven(QAbstractButton *given)
{
    for (QAbstractButton *button : m_buttons)
        button->setChecked(button == given);
}
