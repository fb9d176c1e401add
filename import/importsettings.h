#pragma once

#include <QString>

// The value of an INI file's key, or the default when the file has none or
// an empty one.
QString ProcitajPostavku(const QString &file, const QString &section, const QString &key, const QString &defaultValue);

// Writes the value, creating the file when needed; false when writing failed.
bool SpremiPostavku(const QString &file, const QString &section, const QString &key, const QString &value);

// The folder as typed, without surrounding blanks and without one final
// "\" or "/".
QString tidiedFolder(const QString &typed);
