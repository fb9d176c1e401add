#pragma once

#include <QByteArray>
#include <QStringList>

// A list file: one item per line, Windows-1250, CR LF after every item.
QStringList parseListBytes(QByteArrayView bytes);
QByteArray listBytes(const QStringList &items);

bool readListFile(const QString &path, QStringList &items, QString &error);
bool writeListFile(const QString &path, const QStringList &items, QString &error);
