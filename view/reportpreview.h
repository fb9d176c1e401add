#pragma once

#include "layoutpass.h"

class QWidget;

// Lays the report out, showing a progress dialog with which the user can
// cancel while a long book is laid out; nothing when cancelled.
std::optional<QList<ReportPage>> layOutWithProgress(QWidget *parent, const Report &report, const RecordSource &records);

// The pages in the print preview, from which the user prints them or saves
// them as a PDF file ("Spremi PDF", offering pdfPath).
void showPrintPreview(QWidget *parent, const ReportPageSetup &page, const QList<ReportPage> &pages,
                      const QString &pdfPath);

// Asks for a file name (starting at pdfPath) and writes the pages there; a
// file that cannot be written is reported.
void savePagesAsPdf(QWidget *parent, const ReportPageSetup &page, const QList<ReportPage> &pages,
                    const QString &pdfPath);
