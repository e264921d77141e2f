#pragma once

#include <QString>

#include <optional>

// The pace of a batch, for the progress dialog and clipwright-cli: the current job's speed
// as a multiple of real time and its time left, the batch's elapsed time and its time left.
// It is fed the moments of the batch (milliseconds on a steady clock), the length of each
// job's cut and how much of it is done. A figure is given only once it is sound: at least
// 3 s of the job and 2% of its work behind it; before that it is empty, never a wild guess.
// The batch's time left takes the cut lengths of the jobs still to come at the speed that
// the finished jobs and the current one showed so far (a failed job's speed is not used).
class BatchPace
{
public:
    struct Figures
    {
        std::optional<double> speed;         // the current job's speed, x real time
        std::optional<qint64> jobLeftMs;     // the current job's time left
        qint64 elapsedMs = 0;                // since the batch started
        std::optional<qint64> batchLeftMs;   // the current job's and the later jobs' time left
        std::optional<int> batchPercent;     // of the batch's work (cut seconds), done
    };

    void StartBatch(qint64 nowMs);
    // A job of cutSeconds starts; laterSeconds are the cut lengths of the jobs after it.
    void StartJob(qint64 nowMs, double cutSeconds, double laterSeconds);
    // doneSeconds of the current job's cut are converted.
    void Progress(qint64 nowMs, double doneSeconds);
    // The current job ended; a failed one's speed is forgotten.
    void EndJob(qint64 nowMs, bool succeeded);

    Figures At(qint64 nowMs) const;

    // Whether a figure taken from work that ran elapsedMs and did `done` of `total` is sound:
    // at least 3 s and 2% of the work behind it.
    static bool Sound(qint64 elapsedMs, double done, double total);

    // "2.4x"
    static QString SpeedText(double speed);
    // "12 s", "3:05", "1:02:03"
    static QString DurationText(qint64 ms);
    // "About 40 s left", "About 3 min left", "About 1 h 5 min left"
    static QString TimeLeftText(qint64 ms);

private:
    bool jobSound(qint64 nowMs) const;
    // The speed measured so far: finished jobs and the current one.
    std::optional<double> measuredSpeed(qint64 nowMs) const;

    qint64 m_batchStart = -1;
    qint64 m_jobStart = -1;
    double m_cut = 0;
    double m_later = 0;
    double m_done = 0;
    double m_doneBefore = 0;     // cut seconds of the jobs that ended
    double m_measuredSeconds = 0; // cut seconds converted by succeeded jobs
    qint64 m_measuredMs = 0;      // the time they took
};
