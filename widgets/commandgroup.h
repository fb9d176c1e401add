#pragma once

#include <QList>
#include <QObject>

class FieldNavigator;
class QAbstractButton;

// Buttons that give commands, the last one given drawn pressed. Unlike an
// exclusive button group, whose arrow keys click the next button and whose
// Tab reaches only the pressed one, a command runs only on a click, Space or
// Enter, arrow keys only move the focus, and every button is a Tab stop.
class CommandGroup : public QObject {
    Q_OBJECT

public:
    explicit CommandGroup(QObject *parent = nullptr);

    void addButton(QAbstractButton *button);
    const QList<QAbstractButton *> &buttons() const { return m_buttons; }

private:
    void showGiven(QAbstractButton *given);

    QList<QAbstractButton *> m_buttons;
    FieldNavigator *m_keys;
};
