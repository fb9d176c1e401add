#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

class TextGridModel;

// A recovery copy left behind by a run that ended without saving its book.
struct LeftBehindCopy {
    enum State { None, Stale, Offered };
    State state = None;
    QDateTime written;
};

// Stale when the book file was written after the copy: the copy holds
// nothing the book does not.
LeftBehindCopy leftBehindCopy(const QString &copyPath, const QString &bookPath);

// The question that offers a copy written at that time.
QString recoveryQuestion(const QDateTime &written);

// Replaces the whole grid with the copy's, titles and widths included.
bool loadRecoveryCopy(TextGridModel &book, const QString &copyPath, QString &error);

// Keeps the recovery copy of the open book while it has unsaved changes:
// a change asks for a write within a few seconds, so that a burst of changes
// is written once. The grid is taken as it is at that moment (a cheap,
// shared copy) and written off the user-interface thread, atomically.
class RecoveryCopy : public QObject {
    Q_OBJECT

public:
    explicit RecoveryCopy(const TextGridModel *book, QObject *parent = nullptr);
    ~RecoveryCopy() override;

    // The copy of the book now open; empty while no book is open.
    void follow(const QString &copyPath);
    const QString &path() const { return m_path; }

    void bookChanged();
    // The book has no unsaved changes (saved, dropped, undone to the saved
    // state): its copy goes.
    void discard();

    static constexpr int kDelayMs = 2000;

Q_SIGNALS:
    // The first failure after writes that worked.
    void writeFailed(const QString &error);

private:
    void write();
    void finishWrite(bool written, const QString &error);

    const TextGridModel *m_book;
    QString m_path;
    QTimer m_delay;
    bool m_failing = false;
    // One writer, so that copies land in the order they were taken.
    QThreadPool m_writer;
};
