#pragma once

#include <QString>

// Where archiving and restoring report how far they are. Both calls return
// true when the user asked the work to stop.
class ArchiveProgress {
public:
    enum class Phase { Start, Running, End };

    virtual ~ArchiveProgress() = default;
    virtual bool fcArhivaOverallProgress(double percent, Phase phase) = 0;
    virtual bool fcArhivaFileProgress(const QString &file, double percent) = 0;
};

// An optional progress that remembers a request to stop.
class ProgressSink {
public:
    explicit ProgressSink(ArchiveProgress *progress) : m_progress(progress) {}

    bool overall(double percent, ArchiveProgress::Phase phase)
    {
        m_stop = (m_progress && m_progress->fcArhivaOverallProgress(percent, phase)) || m_stop;
        return m_stop;
    }
    bool file(const QString &name, double percent)
    {
        m_stop = (m_progress && m_progress->fcArhivaFileProgress(name, percent)) || m_stop;
        return m_stop;
    }
    bool stopped() const { return m_stop; }

private:
    ArchiveProgress *m_progress;
    bool m_stop = false;
};

// Percent of a whole, 100 for nothing to do.
inline double percentOf(qint64 done, qint64 whole)
{
    return whole > 0 ? 100.0 * static_cast<double>(done) / static_cast<double>(whole) : 100.0;
}
