#pragma once

#include <QStringList>

// Lists are sorted as a Croatian reader expects: č after c, case not deciding.
QStringList sortedList(QStringList items);

// Where an item goes so that a sorted list stays sorted.
qsizetype sortedPosition(const QStringList &sorted, const QString &item);
