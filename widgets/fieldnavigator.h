#pragma once

#include <QObject>

class QWidget;

// Enter and Down move to the next control, Up to the previous one, as on a
// paper form; inside a memo the keys keep their meaning. On a button Enter
// gives its command, as Space does, and every arrow key only moves the
// focus: Right and Down forward, Left and Up back.
class FieldNavigator : public QObject {
    Q_OBJECT

public:
    explicit FieldNavigator(QObject *parent = nullptr) : QObject(parent) {}

    void watch(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
