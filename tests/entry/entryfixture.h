#pragma once

#include "bookhistory.h"
#include "catalogue.h"
#include "paths.h"
#include "provisioning.h"
#include "testsupport.h"
#include "textgridmodel.h"
#include "tfr_nk_00.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QTest>

#include <memory>

// An entry window on a fresh data folder, with two companies in the register
// and the book view's current cell standing in as a selection model.
struct EntryFixture {
    EntryFixture()
    {
        QString error;
        if (!provisionProgramFolder(AppFolders(MapaSustava()), error))
            qFatal("%s", qPrintable(error));
        entry.setCompanyLookup([](const QString &name) {
            return name == QLatin1String("Alfa d.o.o.") ? QStringLiteral("100")
                   : name == QLatin1String("Beta")     ? QStringLiteral("101")
                                                        : QString();
        });
        entry.appendCompanyNames({QStringLiteral("Alfa d.o.o."), QStringLiteral("Beta")});
        entry.setBookSelection(&selection);
        entry.show();
    }

    QString bookPath(const QString &company, int year, int kind) const
    {
        return entry.folders().bookFilePath(company, year, *bookKind(kind));
    }

    TempDataHome home;
    TextGridModel book{80};
    BookHistory history{&book};
    ColumnMasks masks;
    QItemSelectionModel selection{&book};
    Tfr_nk_00 entry{&book, &history, &masks};
};

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
