#pragma once

#include "archiveprogress.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>

#include <archive.h>
#include <archive_entry.h>

#include <clocale>

// One entry of a zip as libarchive reads it back.
struct ZipEntry {
    QByteArray bytes;
    int mode = 0;
    qint64 mtime = 0;
};

// Every entry of the zip by name; reading happens under a UTF-8 locale.
inline QMap<QString, ZipEntry> readZip(const QString &path)
{
    QMap<QString, ZipEntry> entries;
    const std::string previous = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    archive *zip = archive_read_new();
    archive_read_support_format_zip(zip);
    if (archive_read_open_filename(zip, QFile::encodeName(path).constData(), 65536) == ARCHIVE_OK) {
        archive_entry *entry = nullptr;
        while (archive_read_next_header(zip, &entry) == ARCHIVE_OK) {
            ZipEntry &read = entries[QString::fromUtf8(archive_entry_pathname_utf8(entry))];
            read.mode = static_cast<int>(archive_entry_mode(entry));
            read.mtime = archive_entry_mtime(entry);
            char buffer[65536];
            for (la_ssize_t n; (n = archive_read_data(zip, buffer, sizeof buffer)) > 0;)
                read.bytes.append(buffer, n);
        }
    }
    archive_read_free(zip);
    std::setlocale(LC_CTYPE, previous.c_str());
    return entries;
}

// An entry to craft: a regular file unless a type and a link target are given.
struct CraftedEntry {
    QByteArray name;
    QByteArray bytes;
    int type = AE_IFREG;
    QByteArray symlink = {};
};

// A zip made with libarchive from the entries as they stand.
inline QByteArray craftZip(const QList<CraftedEntry> &entries)
{
    QByteArray zip(1 << 20, '\0');
    size_t used = 0;
    archive *out = archive_write_new();
    archive_write_set_format_zip(out);
    archive_write_open_memory(out, zip.data(), static_cast<size_t>(zip.size()), &used);
    for (const CraftedEntry &crafted : entries) {
        archive_entry *entry = archive_entry_new();
        archive_entry_copy_pathname(entry, crafted.name.constData());
        archive_entry_set_filetype(entry, static_cast<unsigned>(crafted.type));
        archive_entry_set_perm(entry, 0644);
        if (!crafted.symlink.isEmpty())
            archive_entry_copy_symlink(entry, crafted.symlink.constData());
        archive_entry_set_size(entry, crafted.type == AE_IFREG ? crafted.bytes.size() : 0);
        archive_write_header(out, entry);
        if (crafted.type == AE_IFREG)
            archive_write_data(out, crafted.bytes.constData(), static_cast<size_t>(crafted.bytes.size()));
        archive_entry_free(entry);
    }
    archive_write_close(out);
    archive_write_free(out);
    zip.truncate(static_cast<qsizetype>(used));
    return zip;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Asks the work to stop at the first file it reports.
class StopAtFirstFile : public ArchiveProgress {
public:
    bool fcArhivaOverallProgress(double, Phase) override { return m_stop; }
    bool fcArhivaFileProgress(const QString &, double) override
    {
        m_stop = true;
        return true;
    }

private:
    bool m_stop = false;
};
