#pragma once

#include <QString>

// The first two numbers of a version: "1.3.1.6" gives "1.3". Empty when the
// version has fewer than two numbers.
QString versionLabel(const QString &version);

// The program's own version as the start window shows it.
QString VerzijaPrograma();
