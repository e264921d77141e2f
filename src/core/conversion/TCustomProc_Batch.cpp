// The batch driver: one job per ticked source row, then the completion actions.
#include "conversion/BatchDesktopNotice.h"
#include "conversion/EventPump.h"
#include "conversion/JobFailure.h"
#include "conversion/EncoderNote.h"
#include "conversion/PartialOutput.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"

#include <QStringList>

#include <exception>

namespace {

// A report line for the log; a log that cannot be written does not end the batch here.
void logQuietly(TCommonLib &lib, const QString &message)
{
    try {
        lib.WriteLog(message);
    } catch (...) {
    }
}

} // namespace

void TCustomProc::btnConvertClick()
{
    ConvertedCount = 0;
    ConvertAll(m_sourceList);
}

void TCustomProc::ConvertAll(SourceListModel &list)
{
    BatchEnvironment &env = batchEnvironment;
    const BatchTimings &timings = env.Timings;
    TCommonLib &lib = *m_commonLib;
    IProgressView *view = env.View;

    const auto finish = [&] {
        StopRequested = false;
        if (view)
            view->HideView();
        if (env.SetMainWindowEnabled)
            env.SetMainWindowEnabled(true);
    };

    ConvertedCount = 0;
    CheckedCount = list.checkedCount();
    FailedSources.clear();
    if (list.count() == 0) {
        lib.ShowMsg(QStringLiteral("Please add media files you want to convert into the list."),
                    1);
        finish();
        return;
    }

    // The session stays awake until the batch is over, however it ends.
    BatchDesktopNotice desktop(env, CheckedCount);
    if (env.BatchStarting)
        env.BatchStarting();
    RowIndex = 0;
    while (RowIndex < list.count()) {
        if (list.row(RowIndex).isChecked()) {
            const QString source = list.row(RowIndex).fileName();
            try {
                CommandLine = BuildConvertParameter(source, RowIndex);
                lib.WriteLog(QStringLiteral("parameter: ") + CommandLine);
            } catch (...) {
                // The batch ends here; the error goes on to the general error handler, and
                // the windows are not left disabled behind it.
                ClaimedOutput.Release();
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

            // A stop during the pause before the encoder starts ends the job here: the user
            // asked for no more conversion, so none is started behind the hidden dialog.
            EncoderResult result;
            result.started = true;
            result.exitCode = 0;
            if (RowIndex <= list.count()) {
                if (CurrentRunner)
                    CurrentRunner->Terminate();
                // The runner's end cuts the current look-out pause short, so a job's end is
                // seen at once rather than at the next 100 ms look.
                EventPump::Waiter jobEnd;
                CurrentRunner = std::make_unique<EncoderProcess>(
                    lib.ConvertParameter.EncoderFile, CommandLine,
                    view ? view->OutputCallback() : EncoderOutputCallback());
                CurrentRunner->SetWorkDir(lib.AppDir);
                CurrentRunner->SetTimings(timings.runner);
                CurrentRunner->SetFinishedCallback([&jobEnd] { jobEnd.Wake(); });
                CurrentRunner->Resume();

                EventPump::ProcessPending();
                EventPump::WaitFor(timings.startPauseMs);
                // Only encoders this program started count: one started by anyone else
                // neither holds the batch up nor is touched.
                while (TCommonLib::FindEncoderProcess(QStringLiteral("tcore")) != 0 ||
                       TCommonLib::FindEncoderProcess(QStringLiteral("mcore")) != 0)
                    jobEnd.WaitFor(timings.pollMs);

                // The runner stays the current one until its encoder has ended, so that a
                // stop or the end of the session finds it at any moment of the job.
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

            // An encoder that was killed could not remove its partial output; it is of no
            // use to anyone, whatever ended the job.
            if (result.started && result.exitCode != 0)
                PartialOutput::RemoveFor(lib.ConvertParameter.OutputDir, result.pid);
            // A job that wrote no output gives its name back.
            ClaimedOutput.Release();
            // A job ended by a stop is the user's choice, not a failure.
            const bool stoppedDuringJob = RowIndex > list.count();
            const QString failure = JobFailure::LogLine(source, result, stoppedDuringJob);
            if (!failure.isEmpty()) {
                const QString reason = JobFailure::UserReason(result);
                FailedSources << (reason.isEmpty() ? source : source + QStringLiteral(" (") + reason + QLatin1Char(')'));
                logQuietly(lib, failure);
            } else if (const QString note = EncoderNote::FromOutput(result.lastOutput); !note.isEmpty()) {
                // The output took another name: somebody else's file held the claimed one.
                logQuietly(lib, note);
            }
            if (env.JobEnded && !stoppedDuringJob)
                env.JobEnded(RowIndex, failure.isEmpty());
            ConvertedCount += 1;
        }
        RowIndex += 1;
    }

    // A stop from the dialog moved the row index past the end.
    const bool stopped = StopRequested || RowIndex > list.count();
    const int failed = int(FailedSources.size());
    desktop.JobsEnded(!stopped && !chkShutdown().isChecked(), ConvertedCount - failed, failed);
    if (!StopRequested) {
        if (chkShowOutputDirectory().isChecked())
            lib.OpenFolderInExplorer(lib.ConvertParameter.OutputDir);
        if (chkShutdown().isChecked()) {
            // The program ends with the power-off: keep the user's settings first. A
            // settings file that cannot be written does not hold the power-off up.
            try {
                SaveUserSettings();
            } catch (const std::exception &error) {
                logQuietly(lib, QStringLiteral("Saving the user settings failed: ") +
                                    QString::fromLocal8Bit(error.what()));
            }
            lib.ShutdownComputer();
            if (env.EndProgram)
                env.EndProgram();
            return;
        }
    }
    // Files that failed before a stop are named too: only the power-off above goes
    // without the warning.
    if (!FailedSources.isEmpty())
        lib.ShowMsg(QStringLiteral("These files could not be converted:\n\n") +
                        FailedSources.join(QLatin1Char('\n')) +
                        QStringLiteral("\n\nThe log file log.txt tells why."),
                    1);
    finish();
}
