#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class IMediaProbe;

// Measures source files (duration and size) on a few threads at once, so that adding many
// files takes about as long as the slowest few, and hands the results back in the order
// the files were given. A file whose measuring takes longer than the time limit counts as
// one that cannot be rendered; the others go on. Waiting keeps the windows alive.
class SourceMeasuring
{
public:
    struct Result
    {
        // The duration in 100-nanosecond units; nothing when the file cannot be rendered
        // or took too long.
        std::optional<qint64> duration;
        // The size in bytes; nothing when it cannot be opened, with the system's reason.
        std::optional<qint64> size;
        QString sizeReason;
    };

    // Starts measuring paths on up to threads threads (at least one). The probe must be
    // safe to use from several threads and outlive the measuring of every file.
    SourceMeasuring(IMediaProbe &probe, const QStringList &paths, int threads, int limitMs);
    ~SourceMeasuring();

    SourceMeasuring(const SourceMeasuring &) = delete;
    SourceMeasuring &operator=(const SourceMeasuring &) = delete;

    // The result of file index, once measured or out of time.
    Result Take(int index);

    // The threads for measuring: one per core.
    static int DefaultThreads();
    // The time limit of one file.
    static constexpr int kLimitMs = 5000;

private:
    struct Shared;
    void startWorker();

    std::shared_ptr<Shared> m_shared;
    int m_limitMs;
};
