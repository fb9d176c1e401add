#include "zipwriter.h"

#include "archiveprogress.h"
#include "archiveslots.h"
#include "paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <archive.h>
#include <archive_entry.h>

#include <filesystem>
#include <memory>

namespace {

constexpr qint64 kBlockSize = 256 * 1024;

struct ArchiveFree {
    void operator()(archive *a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(archive_entry *e) const { archive_entry_free(e); }
};
using WriteArchive = std::unique_ptr<archive, ArchiveFree>;
using Entry = std::unique_ptr<archive_entry, EntryFree>;

bool matchesMask(const QString &name)
{
    for (const char *suffix : {".txt", ".xls", ".xlsx", ".pdf"})
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    return false;
}

la_ssize_t writeToSaveFile(archive *, void *file, const void *buffer, size_t length)
{
    return static_cast<QSaveFile *>(file)->write(static_cast<const char *>(buffer), static_cast<qint64>(length));
}

int fileMode(const QString &path)
{
    std::error_code failed;
    const auto perms = std::filesystem::status(QFile::encodeName(path).toStdString(), failed).permissions();
    return failed ? 0644 : static_cast<int>(perms) & 0777;
}

struct ArchivedFile {
    QString relative;
    QString path;
    qint64 size;
};

class ZipWriter {
public:
    ZipWriter(QSaveFile &out, ArchiveProgress *progress, Compression compression)
        : m_zip(archive_write_new()), m_progress(progress), m_block(kBlockSize, Qt::Uninitialized)
    {
        archive_write_set_format_zip(m_zip.get());
        archive_write_set_bytes_per_block(m_zip.get(), static_cast<int>(kBlockSize));
        archive_write_set_bytes_in_last_block(m_zip.get(), 1);
        m_ready = archive_write_set_options(m_zip.get(),
                                            compression == Compression::Deflate
                                                ? "zip:compression=deflate,zip:compression-level=1,zip:hdrcharset=UTF-8"
                                                : "zip:compression=store,zip:hdrcharset=UTF-8")
                      == ARCHIVE_OK
                  && archive_write_open2(m_zip.get(), &out, nullptr, writeToSaveFile, nullptr, nullptr) == ARCHIVE_OK;
    }

    ArchiveOutcome write(const QList<ArchivedFile> &files, QString &error)
    {
        if (!m_ready)
            return fail(error);
        qint64 total = 0;
        for (const ArchivedFile &file : files)
            total += file.size;
        m_total = total;
        m_progress.overall(0, ArchiveProgress::Phase::Start);
        for (const ArchivedFile &file : files) {
            if (m_progress.stopped())
                break;
            if (!add(file, error))
                return finish(ArchiveOutcome::Failed);
        }
        if (m_progress.stopped())
            return finish(ArchiveOutcome::Cancelled);
        if (archive_write_close(m_zip.get()) != ARCHIVE_OK)
            return fail(error);
        return finish(ArchiveOutcome::Written);
    }

private:
    bool add(const ArchivedFile &file, QString &error)
    {
        QFile in(file.path);
        if (!in.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(file.path);
            return false;
        }
        const Entry entry(archive_entry_new());
        archive_entry_set_pathname_utf8(entry.get(), file.relative.toUtf8().constData());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), static_cast<mode_t>(fileMode(file.path)));
        archive_entry_set_size(entry.get(), file.size);
        archive_entry_set_mtime(entry.get(), QFileInfo(in).lastModified().toSecsSinceEpoch(), 0);
        if (archive_write_header(m_zip.get(), entry.get()) != ARCHIVE_OK)
            return failed(error);
        qint64 written = 0;
        m_progress.file(file.relative, 0);
        while (written < file.size && !m_progress.stopped()) {
            const qint64 read = in.read(m_block.data(), m_block.size());
            if (read <= 0)
                break;
            if (archive_write_data(m_zip.get(), m_block.constData(), static_cast<size_t>(read)) != read)
                return failed(error);
            written += read;
            m_done += read;
            m_progress.file(file.relative, percentOf(written, file.size));
            m_progress.overall(percentOf(m_done, m_total), ArchiveProgress::Phase::Running);
        }
        return true;
    }

    bool failed(QString &error)
    {
        const char *text = archive_error_string(m_zip.get());
        error = text ? QString::fromLocal8Bit(text) : QStringLiteral("Arhiva nije zapisana.");
        return false;
    }

    ArchiveOutcome fail(QString &error)
    {
        failed(error);
        return finish(ArchiveOutcome::Failed);
    }

    // An unfinished archive is still closed, into a file that is then dropped.
    ArchiveOutcome finish(ArchiveOutcome outcome)
    {
        m_progress.overall(100, ArchiveProgress::Phase::End);
        return outcome;
    }

    WriteArchive m_zip;
    ProgressSink m_progress;
    bool m_ready = false;
    qint64 m_total = 0;
    qint64 m_done = 0;
    // One block for every file: a fresh one each time costs a page fault per page.
    QByteArray m_block;
};

QList<ArchivedFile> filesToArchive(const QString &dataFolder)
{
    QList<ArchivedFile> files;
    const QDir root(dataFolder);
    for (const QString &relative : archivedFiles(dataFolder)) {
        const QString path = root.filePath(relative);
        files.append({.relative = relative, .path = path, .size = QFileInfo(path).size()});
    }
    return files;
}

// A copy that appears whole or not at all, with the source's last-write time.
void copySlotIfMissing(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to))
        return;
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return;
    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (qint64 read; (read = in.read(block.data(), block.size())) > 0;)
        if (out.write(block.constData(), read) != read)
            return;
    if (out.flush())
        out.setFileTime(in.fileTime(QFileDevice::FileModificationTime), QFileDevice::FileModificationTime);
    out.commit();
}

} // namespace

QStringList archivedFiles(const QString &dataFolder)
{
    QStringList files;
    const QDir root(dataFolder);
    QDirIterator found(dataFolder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                       QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QString path = found.next();
        if (matchesMask(found.fileName()))
            files << root.relativeFilePath(path);
    }
    files.sort();
    return files;
}

ArchiveOutcome writeArchive(const QString &dataFolder, const QString &target, ArchiveProgress *progress,
                            QString &error, Compression compression)
{
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("Cannot Create ") + QDir::toNativeSeparators(target);
        return ArchiveOutcome::Failed;
    }
    const ArchiveOutcome outcome = ZipWriter(out, progress, compression).write(filesToArchive(dataFolder), error);
    if (outcome != ArchiveOutcome::Written) {
        out.cancelWriting();
        return outcome;
    }
    if (!out.commit()) {
        error = QStringLiteral("Cannot Create ") + QDir::toNativeSeparators(target);
        return ArchiveOutcome::Failed;
    }
    return outcome;
}

int Arhiv(const AppFolders &folders, ArchiveProgress *progress, const QDate &today)
{
    if (!QFileInfo(folders.dataFolder()).isDir() || !QFileInfo(folders.archiveFolder()).isDir())
        return 0;
    const bool first = !QFileInfo::exists(folders.archiveSlotPath(1));
    const int slot = first ? 1 : ArhivaDatum(readSlotDates(folders), today);
    QString error;
    if (writeArchive(folders.dataFolder(), folders.archiveSlotPath(slot), progress, error) != ArchiveOutcome::Written)
        return 0;
    if (first)
        for (int copy = 2; copy <= kSlotCount; ++copy)
            copySlotIfMissing(folders.archiveSlotPath(1), folders.archiveSlotPath(copy));
    return slot;
}
