#include "conversion/BatchRunner.h"

#include "conversion/BatchDesktopNotice.h"
#include "conversion/CompletionActions.h"
#include "conversion/EncoderNote.h"
#include "conversion/EncoderStopper.h"
#include "conversion/EventPump.h"
#include "conversion/JobBuilder.h"
#include "conversion/JobFailure.h"
#include "conversion/ParallelJobs.h"
#include "conversion/PartialOutput.h"
#include "conversion/ProgramRunFolder.h"
#include "conversion/RunningJob.h"
#include "report/Log.h"
#include "report/MessageBoxes.h"
#include "settings/UserSettings.h"
#include "sources/SourceListModel.h"

#include <QCoreApplication>

#include <algorithm>
#include <exception>
#include <numeric>

BatchRunner::BatchRunner(JobBuilder &jobs, SourceListModel &sources, UserSettings &settings,
                         CompletionActions &completion, Log &log, MessageBoxes &boxes)
    : m_jobs(jobs), m_sources(sources), m_settings(settings), m_completion(completion),
      m_log(log), m_boxes(boxes)
{
}

BatchRunner::~BatchRunner() = default;

void BatchRunner::RequestEnd()
{
    if (m_state == State::Running)
        m_state = State::Ending;
}

void BatchRunner::RequestStop()
{
    if (m_state == State::Running || m_state == State::Ending)
        m_state = State::Stopping;
}

bool BatchRunner::JobRunning() const
{
    if (CurrentRunner)
        return true;
    return std::any_of(m_running.begin(), m_running.end(),
                       [](const auto &job) { return job && job->Started(); });
}

QStringList BatchRunner::RunningEncoderFiles() const
{
    QStringList files;
    if (CurrentRunner)
        files << CurrentRunner->EncoderFile;
    for (const auto &job : m_running) {
        if (job && job->Started())
            files << job->Job.EncoderFile;
    }
    files.removeDuplicates();
    return files;
}

void BatchRunner::noteFailure(int row, const QString &text)
{
    FailedSources << text;
    m_failedRows << row;
}

void BatchRunner::finish()
{
    m_state = stopping() ? State::Stopped : State::Finished;
    if (Environment.View)
        Environment.View->HideView();
    if (Environment.SetMainWindowEnabled)
        Environment.SetMainWindowEnabled(true);
}

void BatchRunner::Run()
{
    BatchEnvironment &env = Environment;
    SourceListModel &list = m_sources;

    ConvertedCount = 0;
    CheckedCount = list.checkedCount();
    FailedSources.clear();
    m_failedRows.clear();
    m_state = State::Running;
    // Several jobs at once only when there are several to run: a batch of one runs as
    // every batch ran before.
    m_jobsAtOnce = std::clamp(ParallelJobs::For(m_settings.ConversionsAtOnce(),
                                                ParallelJobs::Cores(), m_jobs.OutputType()),
                              1, std::max(1, CheckedCount));
    if (list.count() == 0) {
        m_boxes.Show(QCoreApplication::translate("BatchRunner", "Please add media files you want to convert into the list."),
                     1);
        finish();
        return;
    }

    // The session stays awake until the batch is over, however it ends.
    BatchDesktopNotice desktop(env, CheckedCount);
    if (env.BatchStarting)
        env.BatchStarting();
    if (env.View)
        env.View->ShowJobSlots(m_jobsAtOnce);
    if (m_jobsAtOnce > 1) {
        runSideBySide(m_jobsAtOnce);
    } else {
        for (m_row = 0; m_row < list.count() && !stopping(); ++m_row) {
            if (list.row(m_row).isChecked())
                runJob(list.row(m_row).fileName());
        }
    }

    const bool stopped = stopping();
    const int failed = int(FailedSources.size());
    desktop.JobsEnded(!stopped && !m_settings.powerOffWhenDone().isChecked(),
                      ConvertedCount - failed, failed);
    if (m_state != State::Stopping) {
        if (m_settings.showOutputFolder().isChecked())
            m_completion.OpenFolder(m_jobs.Job.OutputDir);
        if (m_settings.powerOffWhenDone().isChecked()) {
            // The program ends with the power-off: keep the user's settings first. A
            // settings file that cannot be written does not hold the power-off up.
            try {
                m_settings.Save();
            } catch (const std::exception &error) {
                m_log.WriteQuietly(QStringLiteral("Saving the user settings failed: ") +
                                   QString::fromLocal8Bit(error.what()));
            }
            m_completion.PowerOff();
            if (env.EndProgram)
                env.EndProgram();
            return;
        }
    }
    // Files that failed before a stop are named too: only the power-off above goes
    // without the warning.
    if (!FailedSources.isEmpty()) {
        // Jobs side by side end in any order; the list goes by rows.
        std::vector<int> order(size_t(FailedSources.size()));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [this](int a, int b) { return m_failedRows[a] < m_failedRows[b]; });
        QStringList byRow;
        for (int i : order)
            byRow << FailedSources[i];
        FailedSources = byRow;
    }
    if (!FailedSources.isEmpty())
        m_boxes.Show(QCoreApplication::translate("BatchRunner", "These files could not be converted:\n\n") +
                         FailedSources.join(QLatin1Char('\n')) +
                         QCoreApplication::translate("BatchRunner", "\n\nThe log file log.txt tells why."),
                     1);
    finish();
}

void BatchRunner::noteRefused(const QString &source, const JobRefused &refused)
{
    // This file cannot be converted as asked; the others still can.
    m_jobs.ClaimedOutput.Release();
    noteFailure(m_row, source + QStringLiteral(" (") + refused.UserReason() + QLatin1Char(')'));
    m_log.WriteQuietly(
        QStringLiteral("Conversion failed: %1 | not started: %2").arg(source, refused.Reason()));
    if (Environment.JobEnded)
        Environment.JobEnded(m_row, false);
    ConvertedCount += 1;
}

void BatchRunner::runJob(const QString &source)
{
    BatchEnvironment &env = Environment;
    const BatchTimings &timings = env.Timings;
    IProgressView *view = env.View;

    try {
        CommandLine = m_jobs.Build(source, m_row);
        m_log.Write(QStringLiteral("parameter: ") + CommandLine);
    } catch (const JobRefused &refused) {
        noteRefused(source, refused);
        return;
    } catch (...) {
        // The batch ends here; the error goes on to the general error handler, and the
        // windows are not left disabled behind it.
        m_jobs.ClaimedOutput.Release();
        finish();
        throw;
    }
    RefreshCount = 0;
    if (view) {
        view->ResetCurrentBar();
        view->ShowView();
    }
    if (env.SetMainWindowEnabled)
        env.SetMainWindowEnabled(false);

    EventPump::ProcessPending();
    EventPump::WaitFor(timings.showPauseMs);
    EventPump::ProcessPending();

    // A stop during the pause before the encoder starts ends the job here: the user asked
    // for no more conversion, so none is started behind the hidden dialog.
    EncoderResult result;
    result.started = true;
    result.exitCode = 0;
    if (!stopping()) {
        if (CurrentRunner)
            CurrentRunner->Terminate();
        // The runner's end cuts the current look-out pause short, so a job's end is seen at
        // once rather than at the next 100 ms look.
        EventPump::Waiter jobEnd;
        CurrentRunner = std::make_unique<EncoderProcess>(
            m_jobs.Job.EncoderFile, CommandLine,
            view ? view->OutputCallback() : EncoderOutputCallback());
        CurrentRunner->SetWorkDir(m_jobs.ProgramDir);
        CurrentRunner->SetTimings(timings.runner);
        CurrentRunner->SetFinishedCallback([&jobEnd] { jobEnd.Wake(); });
        CurrentRunner->Resume();

        EventPump::ProcessPending();
        EventPump::WaitFor(timings.startPauseMs);
        // Only encoders this program started count: one started by anyone else neither
        // holds the batch up nor is touched.
        while (EncoderStopper::FindEncoder(QStringLiteral("tcore")) != 0 ||
               EncoderStopper::FindEncoder(QStringLiteral("mcore")) != 0)
            jobEnd.WaitFor(timings.pollMs);

        // The runner stays the current one until its encoder has ended, so that a stop or
        // the end of the session finds it at any moment of the job.
        while (!CurrentRunner->Finished())
            jobEnd.WaitFor(timings.pollMs);
        std::unique_ptr<EncoderProcess> runner = std::move(CurrentRunner);
        result = runner->Result();
        // Destroying the runner waits for its thread; the encoder has ended.
        runner.reset();
        // The job's last deliveries still queued for the dialog belong to this job.
        if (view)
            view->FlushOutput();
    }

    // An encoder that was killed could not remove its partial output; it is of no use to
    // anyone, whatever ended the job.
    if (result.started && result.exitCode != 0)
        PartialOutput::RemoveFor(m_jobs.Job.OutputDir, result.pid);
    // A job that wrote no output gives its name back.
    m_jobs.ClaimedOutput.Release();
    // A job ended by a stop is the user's choice, not a failure.
    const bool stoppedDuringJob = stopping();
    const QString failure = JobFailure::LogLine(source, result, stoppedDuringJob);
    if (!failure.isEmpty()) {
        const QString reason = JobFailure::UserReason(result);
        noteFailure(m_row, reason.isEmpty() ? source
                                            : source + QStringLiteral(" (") + reason +
                                                  QLatin1Char(')'));
        m_log.WriteQuietly(failure);
    } else if (const QString note = EncoderNote::FromOutput(result.lastOutput);
               !note.isEmpty()) {
        // The output took another name: somebody else's file held the claimed one.
        m_log.WriteQuietly(note);
    }
    if (env.JobEnded && !stoppedDuringJob)
        env.JobEnded(m_row, failure.isEmpty());
    ConvertedCount += 1;
}

void BatchRunner::runSideBySide(int jobsAtOnce)
{
    const BatchTimings &timings = Environment.Timings;
    SourceListModel &list = m_sources;
    m_running.clear();
    m_running.resize(size_t(jobsAtOnce));
    // Any job's end cuts the current wait short.
    EventPump::Waiter jobEnd;
    m_row = 0;
    try {
        for (;;) {
            // Free slots take the next ticked rows, top to bottom.
            for (int slot = 0; slot < jobsAtOnce && !stopping(); ++slot) {
                while (!m_running[size_t(slot)] && !stopping()) {
                    while (m_row < list.count() && !list.row(m_row).isChecked())
                        ++m_row;
                    if (m_row >= list.count())
                        break;
                    startInSlot(slot, jobEnd);
                    ++m_row;
                }
            }
            bool ended = false;
            bool running = false;
            for (int slot = 0; slot < jobsAtOnce; ++slot) {
                if (!m_running[size_t(slot)])
                    continue;
                if (m_running[size_t(slot)]->Finished()) {
                    endInSlot(slot);
                    ended = true;
                } else {
                    running = true;
                }
            }
            if (!running && !ended)
                break;
            if (!ended)
                jobEnd.WaitFor(timings.pollMs);
        }
    } catch (...) {
        // The batch ends here: the jobs already running are stopped and cleaned up before
        // the error goes on to the general error handler.
        EncoderStopper stopper(m_log);
        stopper.RetryMs = timings.stopRetryMs;
        for (const QString &file : RunningEncoderFiles())
            stopper.Stop(file);
        for (auto &job : m_running) {
            while (job && !job->Finished())
                jobEnd.WaitFor(timings.pollMs);
            if (job)
                job->End();
        }
        m_running.clear();
        finish();
        throw;
    }
    m_running.clear();
}

bool BatchRunner::startInSlot(int slot, EventPump::Waiter &jobEnd)
{
    BatchEnvironment &env = Environment;
    IProgressView *view = env.View;
    const QString source = m_sources.row(m_row).fileName();
    // A RealMedia job's script goes to the slot's own folder.
    m_jobs.ScriptFolder = ProgramRunFolder::JobPath(slot);
    try {
        CommandLine = m_jobs.Build(source, m_row);
        m_jobs.ScriptFolder.clear();
        m_log.Write(QStringLiteral("parameter: ") + CommandLine);
    } catch (const JobRefused &refused) {
        m_jobs.ScriptFolder.clear();
        noteRefused(source, refused);
        return false;
    } catch (...) {
        m_jobs.ScriptFolder.clear();
        m_jobs.ClaimedOutput.Release();
        throw;
    }
    auto job = std::make_unique<RunningJob>(source, m_row, slot);
    job->TakeBuilt(m_jobs, CommandLine);
    RunningJob &started = *job;
    m_running[size_t(slot)] = std::move(job);
    if (view) {
        view->ShowView();
        view->SlotJobStarted(started);
    }
    if (env.SetMainWindowEnabled)
        env.SetMainWindowEnabled(false);

    EventPump::ProcessPending();
    EventPump::WaitFor(env.Timings.showPauseMs);
    EventPump::ProcessPending();
    // A stop during the pause starts no encoder; the slot's job then ends unstarted.
    if (stopping())
        return false;
    started.Start(m_jobs.ProgramDir, env.Timings.runner,
                  view ? view->SlotOutputCallback(slot) : EncoderOutputCallback(),
                  [&jobEnd] { jobEnd.Wake(); });
    return true;
}

void BatchRunner::endInSlot(int slot)
{
    BatchEnvironment &env = Environment;
    std::unique_ptr<RunningJob> job = std::move(m_running[size_t(slot)]);
    const EncoderResult result = job->End();
    if (env.View) {
        // The job's last deliveries still queued for the dialog belong to this job.
        env.View->FlushOutput();
        env.View->SlotJobEnded(slot);
    }
    // A job ended by a stop is the user's choice, not a failure.
    const bool stoppedDuringJob = stopping();
    const QString failure = JobFailure::LogLine(job->Source, result, stoppedDuringJob);
    if (!failure.isEmpty()) {
        const QString reason = JobFailure::UserReason(result);
        noteFailure(job->Row, reason.isEmpty() ? job->Source
                                               : job->Source + QStringLiteral(" (") + reason +
                                                     QLatin1Char(')'));
        m_log.WriteQuietly(failure);
    } else if (const QString note = EncoderNote::FromOutput(result.lastOutput); !note.isEmpty()) {
        m_log.WriteQuietly(note);
    }
    if (env.JobEnded && !stoppedDuringJob)
        env.JobEnded(job->Row, failure.isEmpty());
    ConvertedCount += 1;
}
