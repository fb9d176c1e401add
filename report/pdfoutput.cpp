#include "pdfoutput.h"

#include "paintpass.h"
#include "reportfont.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

bool writeReportPdf(const QList<ReportPage> &pages, const ReportPageSetup &page, const QString &path,
                    QString &error)
{
    error = QStringLiteral("PDF datoteku nije moguće spremiti: ") + QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kLayoutDpi);
        writer.setCreator(QStringLiteral("Nadzorne knjige"));
        setUpDevice(writer, page);
        if (!paintReport(pages, writer)) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit())
        return false;
    error.clear();
    return true;
}
