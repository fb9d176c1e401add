#include "paths.h"

#include "catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <shlobj.h>
#include <windows.h>
#endif

QString MapaSustava()
{
#ifdef Q_OS_WIN
    wchar_t buffer[MAX_PATH + 1] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, buffer)))
        return {};
    return QString::fromWCharArray(buffer).replace(QLatin1Char('\\'), QLatin1Char('/'));
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}

QString AppFolders::programFolder() const
{
    return m_appData + QStringLiteral("/LumbracPartneri/Raravazo veveve");
}

QString AppFolders::dataFolder() const
{
    return programFolder() + QStringLiteral("/Data");
}

QString AppFolders::templateFolder() const
{
    return programFolder() + QStringLiteral("/kng");
}

QString AppFolders::reportFolder() const
{
    return programFolder() + QStringLiteral("/rtm");
}

QString AppFolders::archiveFolder() const
{
    return programFolder() + QStringLiteral("/Arhiva");
}

QString AppFolders::recoveryFolder() const
{
    return programFolder() + QStringLiteral("/Oporavak");
}

QString AppFolders::registerPath() const
{
    return programFolder() + QStringLiteral("/nk_drustva_txt.txt");
}

QString AppFolders::importSettingsPath() const
{
    return programFolder() + QStringLiteral("/karbunica.ini");
}

QString AppFolders::archiveSlotPath(int slot) const
{
    return archiveFolder() + QStringLiteral("/arhiva_%1.fxc").arg(slot);
}

QString AppFolders::preRestoreArchivePath() const
{
    return archiveFolder() + QStringLiteral("/arhiva_prije_vracanja.fxc");
}

QString AppFolders::templatePath(const BookKind &kind) const
{
    return templateFolder() + QLatin1Char('/') + QString::fromUtf8(kind.templateName)
           + QStringLiteral(".txt");
}

QString AppFolders::bookFilePath(const QString &company, int year, const BookKind &kind) const
{
    return dataFolder() + QLatin1Char('/') + bookFileName(company, year, kind);
}

QString AppFolders::recoveryCopyPath(const QString &company, int year, const BookKind &kind) const
{
    return recoveryFolder() + QLatin1Char('/') + bookFileName(company, year, kind);
}

QString AppFolders::listFilePath(const QString &fieldName) const
{
    return dataFolder() + QLatin1Char('/') + fieldName + QStringLiteral(".txt");
}

static const QString manualFileName = QStringLiteral("upute_nk.pdf");

QString installedManualPath(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/nadzorne-knjige/") + manualFileName);
}

QString findManual(const QString &executableFolder)
{
    for (const QString &place : {executableFolder + QLatin1Char('/') + manualFileName,
                                 installedManualPath(executableFolder)}) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return {};
}

QString bookFileName(const QString &company, int year, const BookKind &kind)
{
    return company + QLatin1Char('_') + QString::number(year) + QLatin1Char('_')
           + QString::fromUtf8(kind.fileCode) + QLatin1Char('_')
           + QString::fromUtf8(kind.versionTag) + QStringLiteral(".txt");
}
