#pragma once

#include <QString>

// "Datoteku <path> nije moguće učitati: <reason>."
QString workbookError(const QString &path, const QString &reason);

// A formula whose stored result is an error value, named by its cell.
QString unreadableFormulaError(const QString &path, int column, int row);
