#include "restore.h"

#include "archiveprogress.h"
#include "paths.h"
#include "restoreentry.h"
#include "zipwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <filesystem>
#include <memory>

#ifndef Q_OS_WIN
#include <langinfo.h>
#include <locale.h>
#endif

namespace {

using Status = RestoreOutcome::Status;

struct ReadFree {
    void operator()(archive *a) const { archive_read_free(a); }
};
struct DiskFree {
    void operator()(archive *a) const { archive_write_free(a); }
};

// libarchive turns the UTF-8 names of a zip into the locale's characters, so
// under a non-UTF-8 locale it loses every Croatian letter.
class Utf8Names {
public:
    Utf8Names()
    {
#ifndef Q_OS_WIN
        if (QByteArray(nl_langinfo(CODESET)) != "UTF-8" && (m_utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr)))
            m_previous = uselocale(m_utf8);
#endif
    }
    ~Utf8Names()
    {
#ifndef Q_OS_WIN
        if (m_utf8) {
            uselocale(m_previous);
            freelocale(m_utf8);
        }
#endif
    }
    Utf8Names(const Utf8Names &) = delete;
    Utf8Names &operator=(const Utf8Names &) = delete;

private:
#ifndef Q_OS_WIN
    locale_t m_utf8 = nullptr;
    locale_t m_previous = nullptr;
#endif
};

// libarchive's secure extraction checks paths relative to the working folder.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString &folder) : m_previous(QDir::currentPath()) { m_entered = QDir::setCurrent(folder); }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;
    bool entered() const { return m_entered; }

private:
    QString m_previous;
    bool m_entered = false;
};

EntryKind kindOf(archive_entry *entry)
{
    if (archive_entry_hardlink(entry))
        return EntryKind::Link;
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
        return EntryKind::File;
    case AE_IFDIR:
        return EntryKind::Folder;
    case AE_IFLNK:
        return EntryKind::Link;
    default:
        return EntryKind::Other;
    }
}

QString entryName(archive_entry *entry)
{
    const char *name = archive_entry_pathname_utf8(entry);
    return name ? QString::fromUtf8(name) : QStringLiteral("?");
}

void setDiskPath(archive_entry *entry, const QString &relative)
{
#ifdef Q_OS_WIN
    archive_entry_copy_pathname_w(entry, reinterpret_cast<const wchar_t *>(relative.utf16()));
#else
    archive_entry_copy_pathname(entry, QFile::encodeName(relative).constData());
#endif
}

QString archiveError(archive *a)
{
    const char *text = archive_error_string(a);
    return text ? QString::fromLocal8Bit(text) : QString();
}

// Unpacks the archive into the staging folder: only files and folders whose
// paths stay inside it.
class Unpacker {
public:
    Unpacker(const QString &archivePath, ArchiveProgress *progress, RestoreOutcome &outcome)
        : m_archivePath(archivePath), m_size(QFileInfo(archivePath).size()), m_progress(progress), m_outcome(outcome)
    {
    }

    // The files unpacked, relative; empty with the outcome's status set on failure.
    QStringList unpack(const QString &staging)
    {
        const Utf8Names names;
        const std::unique_ptr<archive, ReadFree> zip(archive_read_new());
        archive_read_support_format_zip(zip.get());
        if (archive_read_open_filename(zip.get(), QFile::encodeName(m_archivePath).constData(), 64 * 1024)
            != ARCHIVE_OK)
            return failed(Status::ArchiveUnreadable, archiveError(zip.get()));
        const std::unique_ptr<archive, DiskFree> disk(archive_write_disk_new());
        archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_SECURE_SYMLINKS | ARCHIVE_EXTRACT_SECURE_NODOTDOT
                                                       | ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS
                                                       | ARCHIVE_EXTRACT_PERM | ARCHIVE_EXTRACT_TIME);
        const WorkingFolder inStaging(staging);
        if (!inStaging.entered())
            return failed(Status::Incomplete, QStringLiteral("Cannot Create ") + QDir::toNativeSeparators(staging));
        m_progress.overall(0, ArchiveProgress::Phase::Start);
        QStringList files;
        archive_entry *entry = nullptr;
        for (int read; (read = archive_read_next_header(zip.get(), &entry)) != ARCHIVE_EOF;) {
            if (read < ARCHIVE_WARN)
                return failed(Status::ArchiveUnreadable, archiveError(zip.get()));
            const QString name = entryName(entry);
            const EntryKind kind = kindOf(entry);
            const QString relative = restorablePath(name, kind);
            if (relative.isEmpty()) {
                m_outcome.refused << name;
                continue;
            }
            setDiskPath(entry, relative);
            // A folder must stay open for the files that follow it.
            archive_entry_set_perm(entry, (archive_entry_perm(entry) & 0777) | (kind == EntryKind::Folder ? 0700 : 0));
            if (archive_write_header(disk.get(), entry) < ARCHIVE_WARN) {
                m_outcome.refused << name;
                continue;
            }
            if (kind == EntryKind::File && !copyData(zip.get(), disk.get(), relative, archive_entry_size(entry)))
                return {};
            if (archive_write_finish_entry(disk.get()) != ARCHIVE_OK)
                return failed(Status::Incomplete, archiveError(disk.get()));
            if (kind == EntryKind::File)
                files << relative;
        }
        if (archive_write_close(disk.get()) != ARCHIVE_OK)
            return failed(Status::Incomplete, archiveError(disk.get()));
        m_progress.overall(100, ArchiveProgress::Phase::End);
        return files;
    }

private:
    bool copyData(archive *zip, archive *disk, const QString &relative, qint64 size)
    {
        m_progress.file(relative, 0);
        const void *block = nullptr;
        size_t length = 0;
        la_int64_t offset = 0;
        for (int read; (read = archive_read_data_block(zip, &block, &length, &offset)) != ARCHIVE_EOF;) {
            if (read < ARCHIVE_WARN) {
                failed(Status::ArchiveUnreadable, archiveError(zip));
                return false;
            }
            if (archive_write_data_block(disk, block, length, offset) < ARCHIVE_WARN) {
                failed(Status::Incomplete, archiveError(disk));
                return false;
            }
            m_progress.file(relative, percentOf(offset + static_cast<qint64>(length), size));
            m_progress.overall(percentOf(archive_filter_bytes(zip, -1), m_size), ArchiveProgress::Phase::Running);
            if (m_progress.stopped()) {
                failed(Status::Cancelled, {});
                return false;
            }
        }
        return true;
    }

    QStringList failed(Status status, const QString &error)
    {
        m_outcome.status = status;
        m_outcome.error = error;
        m_progress.overall(100, ArchiveProgress::Phase::End);
        return {};
    }

    QString m_archivePath;
    qint64 m_size;
    ProgressSink m_progress;
    RestoreOutcome &m_outcome;
};

// The folders of a path below the data folder, made where missing; false
// when one of them is a link or a file, which could lead elsewhere.
bool makeRealFolders(const QString &dataFolder, const QString &relativeFolder)
{
    QString folder = dataFolder;
    for (const QString &part : relativeFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        folder += QLatin1Char('/') + part;
        const QFileInfo info(folder);
        if (info.isSymLink() || (info.exists() && !info.isDir()))
            return false;
        if (!info.exists() && !QDir().mkdir(folder))
            return false;
    }
    return true;
}

bool replaceFile(const QString &from, const QString &to, QString &error)
{
    const QFileInfo target(to);
    if (target.exists() && !target.isSymLink() && !target.isWritable())
        QFile::setPermissions(to, target.permissions() | QFileDevice::WriteOwner);
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), failed);
    if (failed)
        error = QStringLiteral("Cannot Create ") + QDir::toNativeSeparators(to) + QStringLiteral(": ")
                + QString::fromStdString(failed.message());
    return !failed;
}

void moveIntoDataFolder(const QString &staging, const QStringList &files, const QString &dataFolder,
                        RestoreOutcome &outcome)
{
    for (const QString &relative : files) {
        if (!makeRealFolders(dataFolder, QFileInfo(relative).path() == QLatin1String(".") ? QString()
                                                                                             : QFileInfo(relative).path())) {
            outcome.refused << relative;
            continue;
        }
        if (!replaceFile(staging + QLatin1Char('/') + relative, dataFolder + QLatin1Char('/') + relative,
                         outcome.error)) {
            outcome.status = Status::Incomplete;
            return;
        }
        ++outcome.restored;
    }
}

} // namespace

RestoreOutcome SigurKopZamijeni(const AppFolders &folders, const QString &archivePath, ArchiveProgress *progress)
{
    RestoreOutcome outcome;
    if (!QFileInfo(folders.dataFolder()).isDir()) {
        outcome.status = Status::DataFolderMissing;
        return outcome;
    }
    if (!QFileInfo(archivePath).isFile()) {
        outcome.status = Status::ArchiveMissing;
        return outcome;
    }
    QTemporaryDir staging(folders.programFolder() + QStringLiteral("/Vracanje-XXXXXX"));
    if (!staging.isValid()) {
        outcome.status = Status::Incomplete;
        outcome.error = QStringLiteral("Cannot Create ") + QDir::toNativeSeparators(staging.path());
        return outcome;
    }
    const QStringList files = Unpacker(archivePath, progress, outcome).unpack(staging.path());
    if (outcome.status != Status::Restored)
        return outcome;
    // Stored, not deflated: it only undoes this restore and is replaced by the next one.
    switch (writeArchive(folders.dataFolder(), folders.preRestoreArchivePath(), progress, outcome.error,
                         Compression::Store)) {
    case ArchiveOutcome::Written:
        break;
    case ArchiveOutcome::Cancelled:
        outcome.status = Status::Cancelled;
        return outcome;
    case ArchiveOutcome::Failed:
        outcome.status = Status::SafetyCopyFailed;
        return outcome;
    }
    moveIntoDataFolder(staging.path(), files, folders.dataFolder(), outcome);
    return outcome;
}

QString restoreMessage(const RestoreOutcome &outcome, const QString &archivePath)
{
    const QString archive = QDir::toNativeSeparators(archivePath);
    QString text;
    switch (outcome.status) {
    case Status::DataFolderMissing:
        return QStringLiteral("Nije dobar naziv direktorija u točki 1.");
    case Status::ArchiveMissing:
        return QStringLiteral("Sigurnosna kopija ne postoji: ") + archive + QStringLiteral("\nNišta nije promijenjeno.");
    case Status::ArchiveUnreadable:
        return QStringLiteral("Sigurnosna kopija nije ispravna: ") + archive + QLatin1Char('\n') + outcome.error
               + QStringLiteral("\nNišta nije promijenjeno.");
    case Status::SafetyCopyFailed:
        return QStringLiteral("Trenutne knjige nije moguće arhivirati u ")
               + QDir::toNativeSeparators(QFileInfo(archivePath).path()) + QLatin1Char('\n') + outcome.error
               + QStringLiteral("\nVraćanje nije provedeno, ništa nije promijenjeno.");
    case Status::Cancelled:
        return QStringLiteral("Vraćanje je prekinuto. Ništa nije promijenjeno.");
    case Status::Incomplete:
        text = QStringLiteral("Vraćanje nije dovršeno: ") + outcome.error + QLatin1Char('\n');
        break;
    case Status::Restored:
        break;
    }
    text += QStringLiteral("Vraćeno datoteka: %1.").arg(outcome.restored);
    if (!outcome.refused.isEmpty())
        text += QStringLiteral("\nOvi zapisi arhive nisu vraćeni jer bi pisali izvan mape s knjigama ili nisu obične "
                               "datoteke:\n")
                + outcome.refused.join(QLatin1Char('\n'));
    return text;
}
