#pragma once

#include <QByteArrayView>
#include <QString>

#include <span>

// A property that a reader must keep for any bytes, beyond not crashing. The
// fuzz targets and the corpus replay in the test suite run the same checks.
struct FuzzCheck {
    // Also the name of the check's fuzz target and of its corpus folder.
    const char *name;
    // The empty text when the property holds, otherwise what broke.
    QString (*check)(QByteArrayView input);
};

std::span<const FuzzCheck> fuzzChecks();
const FuzzCheck *findFuzzCheck(QByteArrayView name);

QString checkCellFile(QByteArrayView input);
QString checkListFile(QByteArrayView input);
QString checkAmounts(QByteArrayView input);
QString checkXls(QByteArrayView input);
QString checkXlsx(QByteArrayView input);
QString checkRestoreEntry(QByteArrayView input);
