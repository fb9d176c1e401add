#pragma once

#include "layoutpass.h"

// Writes the pages as a PDF file, replacing the file only when the whole
// document is written; on failure the old file (or none) stays and error
// names the file.
bool writeReportPdf(const QList<ReportPage> &pages, const ReportPageSetup &page, const QString &path,
                    QString &error);
