#pragma once

#include "conversion/BatchEnvironment.h"
#include "conversion/EncoderProcess.h"
#include "conversion/EventPump.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CompletionActions;
class JobBuilder;
class JobRefused;
class Log;
class MessageBoxes;
class RunningJob;
class SourceListModel;
class UserSettings;

// Runs a batch: one job per ticked source row, started top to bottom, one at a time or
// several side by side ("Conversions at the same time"), then the completion actions (open
// the output folder, power off) once after the last job, unless the user stopped it.
class BatchRunner
{
public:
    // Where a batch stands. A batch ends in Finished or Stopped; Idle before the first.
    enum class State {
        Idle,
        Running,
        // The progress dialog was closed: no job after the current one; the completion
        // actions still run.
        Ending,
        // Stop was pressed: no job after the current one, and no completion actions.
        Stopping,
        Finished,
        Stopped,
    };

    BatchRunner(JobBuilder &jobs, SourceListModel &sources, UserSettings &settings,
                CompletionActions &completion, Log &log, MessageBoxes &boxes);
    ~BatchRunner();

    // The windows and services the batch uses; start-up fills it.
    BatchEnvironment Environment;

    // Converts every ticked row of the source list. Keeps the windows responsive while it
    // waits.
    void Run();
    State state() const { return m_state; }
    // The source row the batch stands on.
    int CurrentRow() const { return m_row; }
    // The progress dialog was closed, or Stop pressed: see State. Outside a batch nothing
    // changes.
    void RequestEnd();
    void RequestStop();

    // Jobs finished in the running batch, ticked rows at its start, progress refreshes of
    // the current job.
    int ConvertedCount = 0;
    int CheckedCount = 0;
    int RefreshCount = 0;
    // The current job's encoder command line.
    QString CommandLine;
    // The runner of the current job; empty between jobs.
    std::unique_ptr<EncoderProcess> CurrentRunner;
    // Sources whose encoder could not start or failed in the running batch.
    QStringList FailedSources;

    // The jobs the running batch runs at the same time (1: one after the other).
    int JobsAtOnce() const { return m_jobsAtOnce; }
    // The jobs running side by side now, by slot (empty slots hold nothing); empty when the
    // batch runs one job at a time.
    const std::vector<std::unique_ptr<RunningJob>> &RunningJobs() const { return m_running; }
    // Whether an encoder of the batch runs now.
    bool JobRunning() const;
    // The encoder files of the jobs running now, each once.
    QStringList RunningEncoderFiles() const;

private:
    bool stopping() const { return m_state == State::Ending || m_state == State::Stopping; }
    // Runs the job of the current row; false when the batch cannot go on.
    void runJob(const QString &source);
    // Runs the ticked rows with up to jobsAtOnce jobs side by side.
    void runSideBySide(int jobsAtOnce);
    // Builds and starts the job of the current row in slot; false when it was not started
    // (refused, or a stop came first).
    bool startInSlot(int slot, EventPump::Waiter &jobEnd);
    // Ends the finished job of slot and counts it.
    void endInSlot(int slot);
    // Notes a failed source: the warning lists them in row order.
    void noteFailure(int row, const QString &text);
    // Names a file whose job was refused before it started, and counts it as done.
    void noteRefused(const QString &source, const JobRefused &refused);
    void completionActions();
    void finish();

    JobBuilder &m_jobs;
    SourceListModel &m_sources;
    UserSettings &m_settings;
    CompletionActions &m_completion;
    Log &m_log;
    MessageBoxes &m_boxes;
    State m_state = State::Idle;
    int m_row = 0;
    int m_jobsAtOnce = 1;
    std::vector<std::unique_ptr<RunningJob>> m_running;
    QList<int> m_failedRows;
};
