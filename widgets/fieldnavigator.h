#pragma once

#include <QObject>

class QWidget;

// Enter and Down move to the next control, Up to the previous one, as on a
// paper form; inside a memo the keys keep their meaning.
class FieldNavigator : public QObject {
    Q_OBJECT

public:
    explicit FieldNavigator(QObject *parent = nullptr) : QObject(parent) {}

    void watch(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
