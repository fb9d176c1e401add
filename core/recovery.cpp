#include "recovery.h"

#include "cellfile.h"
#include "filewrite.h"
#include "textgridmodel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

LeftBehindCopy leftBehindCopy(const QString &copyPath, const QString &bookPath)
{
    const QFileInfo copy(copyPath);
    if (!copy.exists())
        return {};
    const QFileInfo book(bookPath);
    const QDateTime written = copy.lastModified();
    if (book.exists() && book.lastModified() > written)
        return {LeftBehindCopy::Stale, written};
    return {LeftBehindCopy::Offered, written};
}

QString recoveryQuestion(const QDateTime &written)
{
    return QStringLiteral("Pronađene su nespremljene promjene ove knjige od %1. Vratiti ih?")
        .arg(written.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
}

bool loadRecoveryCopy(TextGridModel &book, const QString &copyPath, QString &error)
{
    QByteArray bytes;
    if (!readWholeFile(copyPath, bytes, error))
        return false;
    TextGrid copy(book.grid().defaultColumnWidth());
    if (!readCellBytes(bytes, copy)) {
        error = QStringLiteral("Datoteka nije ispravna: ") + QDir::toNativeSeparators(copyPath);
        return false;
    }
    book.edit([&](TextGrid &grid) { grid = std::move(copy); });
    return true;
}

RecoveryCopy::RecoveryCopy(const TextGridModel *book, QObject *parent) : QObject(parent), m_book(book)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &RecoveryCopy::write);
    m_writer.setMaxThreadCount(1);
}

RecoveryCopy::~RecoveryCopy()
{
    m_writer.waitForDone();
}

void RecoveryCopy::follow(const QString &copyPath)
{
    m_delay.stop();
    m_path = copyPath;
}

// The first change after a write starts the wait; later ones join it.
void RecoveryCopy::bookChanged()
{
    if (!m_path.isEmpty() && !m_delay.isActive())
        m_delay.start();
}

void RecoveryCopy::discard()
{
    m_delay.stop();
    m_writer.waitForDone();
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

void RecoveryCopy::write()
{
    const TextGrid snapshot = m_book->grid();
    const QString path = m_path;
    m_writer.start([this, snapshot, path] {
        QString error;
        const bool written = QDir().mkpath(QFileInfo(path).path()) && saveCellFile(snapshot, path, error);
        if (!written && error.isEmpty())
            error = QStringLiteral("Cannot Create ") + QDir::toNativeSeparators(path);
        QMetaObject::invokeMethod(this, [this, written, error] { finishWrite(written, error); }, Qt::QueuedConnection);
    });
}

void RecoveryCopy::finishWrite(bool written, const QString &error)
{
    if (!written && !m_failing)
        Q_EMIT writeFailed(error);
    m_failing = !written;
}
