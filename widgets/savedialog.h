#pragma once

#include <QString>

class QWidget;

// Asks where to write a file, starting at the suggested path, in Croatian.
// The file name gets the suffix when it has none; a file that exists is
// replaced only when the user says so. Empty when the user cancels.
QString askSavePath(QWidget *parent, const QString &title, const QString &nameFilter, const QString &suffix,
                    const QString &suggested);
