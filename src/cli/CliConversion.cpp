#include "CliConversion.h"

#include "CliReport.h"
#include "conversion/EventPump.h"
#include "conversion/JobFailure.h"
#include "conversion/EncoderNote.h"
#include "conversion/PartialOutput.h"
#include "conversion/ProgressRefresh.h"
#include "conversion/EncoderProcess.h"
#include "conversion/ParallelJobs.h"
#include "conversion/ProgramRunFolder.h"
#include "conversion/RunningJob.h"
#include "platform/IMediaProbe.h"
#include "preview/TrimMath.h"
#include "profiles/ConfigInfo.h"
#include "settings/CustomProfiles.h"
#include "shell/ProgramParts.h"
#include "sources/SourceAdder.h"
#include "sources/SourceFileError.h"
#include "sources/SourceRow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <exception>
#include <mutex>

namespace {

// How often the wait for the encoder looks for a stop and new progress.
constexpr int kLookMs = 100;
// The runner's pauses: the window spaces its deliveries for the dialog's eye, which also
// holds the end of a job up to half a second; a script's many short files need not wait.
// The report still gives at most two progress events a second.
constexpr EncoderTimings kRunnerTimings{100, 100};

// The latest chunk of encoder output, handed from the runner's thread.
class LatestChunk
{
public:
    void Set(const QString &chunk)
    {
        std::lock_guard lock(m_mutex);
        m_chunk = chunk;
    }
    QString Take()
    {
        std::lock_guard lock(m_mutex);
        QString chunk;
        chunk.swap(m_chunk);
        return chunk;
    }

private:
    std::mutex m_mutex;
    QString m_chunk;
};

// The output time in whole seconds of the chunk's last report and the job's length, as the
// dialog's bar reads them; nothing when the chunk holds no report.
std::optional<std::pair<int, int>> reportedSeconds(const QString &chunk, const QString &cutSeconds,
                                                   const ConversionJob &job)
{
    // The last complete report of the chunk: a report ends with its carriage return, and a
    // chunk can end in the middle of the next one ("time=00:00:0"), which would read as a
    // step back.
    const qsizetype end = chunk.lastIndexOf(QLatin1Char('\r'));
    if (end < 0)
        return std::nullopt;
    const QStringList reports = chunk.left(end).split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    if (reports.isEmpty())
        return std::nullopt;
    ProgressState state;
    state.RefreshCount = 1; // not the first refresh of the job, which the dialog skips
    state.CutSeconds = cutSeconds;
    state.CodecArg = job.CodecArg;
    state.OutputExt = job.OutputExt;
    state.StatusText = reports.last().trimmed();
    state.CurrentPos = -1;
    RefreshProgress(state);
    if (state.CurrentPos < 0 || state.CurrentMax <= 0)
        return std::nullopt;
    return std::make_pair(state.CurrentPos, state.CurrentMax);
}

qint64 steadyMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}


} // namespace

CliConversion::CliConversion(ProgramParts &parts, IMediaProbe &probe,
                             CliReport &report)
    : m_parts(parts), m_probe(probe), m_report(report)
{
}

QStringList CliConversion::LevelNames()
{
    return {QStringLiteral("low"), QStringLiteral("acceptable"), QStringLiteral("normal"),
            QStringLiteral("excellent"), QStringLiteral("superb")};
}

bool CliConversion::Choose(const CliOptions &options, QString *error)
{
    OptionLists &boxes = m_parts.optionLists;
    // As the window starts: the lists filled, the settings loaded, the first type's Normal
    // Quality applied.
    m_parts.outputOptions.FillAll();
    m_parts.settings.Load();
    m_parts.outputOptions.ApplyProfile();

    int type = boxes.outputType().selectedIndex();
    if (!options.type.isEmpty()) {
        type = ConfigInfo::OutputTypeByName(options.type);
        if (type < 0 || type >= boxes.outputType().count()) {
            *error = QCoreApplication::translate("CliConversion", "unknown output type \"%1\" (see --list-types)")
                         .arg(options.type);
            return false;
        }
    }

    int profile = ConfigInfo::QualityNames().indexOf(QStringLiteral("Normal Quality"));
    if (!options.quality.isEmpty()) {
        profile = int(LevelNames().indexOf(options.quality.toLower()));
        if (profile < 0) {
            // A custom profile, by its name as the profile list shows it.
            const int custom = int(boxes.profile().items().indexOf(options.quality));
            if (custom < ConfigInfo::kQualityCount) {
                *error = QCoreApplication::translate("CliConversion", "unknown quality or profile \"%1\" (see --list-profiles)")
                             .arg(options.quality);
                return false;
            }
            profile = custom;
        }
    }

    // As a user chooses them in the window: the type first (its Normal Quality applies), then
    // the quality. The custom profile list holds the names the Options dialog shows.
    boxes.outputType().setSelectedIndex(type);
    m_parts.outputOptions.ApplyProfile();
    if (profile >= ConfigInfo::kQualityCount) {
        OptionListModel &custom = boxes.customProfile();
        custom.clear();
        custom.addItems(CustomProfiles::Names());
    }
    boxes.profile().setSelectedIndex(profile);
    m_parts.outputOptions.ApplyProfile();

    if (!options.outputFolder.isEmpty())
        m_parts.settings.outputFolder().setText(QFileInfo(options.outputFolder).absoluteFilePath());
    m_parts.jobs.SizeLimitMB = options.sizeLimitMB;
    m_jobsSetting = options.jobs.value_or(m_parts.settings.ConversionsAtOnce());
    return true;
}

int CliConversion::JobsAtOnce() const
{
    return std::clamp(ParallelJobs::For(m_jobsSetting, ParallelJobs::Cores(),
                                        m_parts.jobs.OutputType()),
                      1, std::max(1, m_parts.sources.count()));
}

int CliConversion::AddSources(const CliOptions &options)
{
    QStringList paths;
    for (const QString &file : options.files)
        paths << QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    QList<SourceAdding::NotAdded> notAdded;
    const QStringList files = SourceAdding::CollectSourceFiles(paths, &notAdded);
    for (const SourceAdding::NotAdded &refused : notAdded)
        m_report.Refused(refused.path, SourceAdding::ReasonText(refused.reason));

    SourceListModel &list = m_parts.sources;
    SourceAdding::Services services;
    services.probe = &m_probe;
    QString unreadable;
    services.showCodecErrorDialog = [&unreadable](const QString &path) { unreadable = path; };
    int added = 0;
    for (const QString &file : files) {
        unreadable.clear();
        const int before = list.count();
        try {
            SourceAdding::AddSourceFiles(list, {file}, services);
        } catch (const std::exception &error) {
            m_report.Refused(file, QString::fromUtf8(error.what()));
            continue;
        }
        if (!unreadable.isEmpty()) {
            m_report.Refused(file, QCoreApplication::translate("CliConversion", "no playable audio or video, or no duration"));
            continue;
        }
        if (list.count() == before)
            continue; // given twice: converted once, as in the window
        const int row = list.count() - 1;
        if (options.startSeconds || options.endSeconds) {
            // Typed into the Start and End cells and checked as the window checks them.
            const SourceRow &r = list.row(row);
            const TrimMath::TypedTimes times = TrimMath::CheckTypedTimes(
                r.cell(SourceRow::kDurationColumn),
                options.startSeconds ? TrimMath::FormatDuration(*options.startSeconds)
                                     : r.startTime(),
                options.endSeconds ? TrimMath::FormatDuration(*options.endSeconds) : r.endTime(),
                r.cell(SourceRow::kCutColumn));
            list.setCell(row, SourceRow::kStartColumn, times.start);
            list.setCell(row, SourceRow::kEndColumn, times.end);
            list.setCell(row, SourceRow::kCutColumn, times.cut);
        }
        ++added;
    }
    return added;
}

int CliConversion::ConvertAll(const std::atomic<int> &stopSignal)
{
    SourceListModel &list = m_parts.sources;
    m_pace.StartBatch(steadyMs());
    if (const int jobs = JobsAtOnce(); jobs > 1) {
        convertSideBySide(jobs, stopSignal);
        return stopSignal.load();
    }
    for (int row = 0; row < list.count(); ++row) {
        if (stopSignal.load() != 0)
            break;
        if (!convert(list.row(row).fileName(), row, stopSignal))
            break;
    }
    return stopSignal.load();
}

QString CliConversion::commandLineFor(const QString &source, int row)
{
    QString commandLine;
    try {
        commandLine = m_parts.jobs.Build(source, row);
    } catch (const std::exception &error) {
        m_parts.jobs.ClaimedOutput.Release();
        m_report.Failed(source, QString::fromUtf8(error.what()));
        return QString();
    }
    if (commandLine.isEmpty()) {
        m_parts.jobs.ClaimedOutput.Release();
        m_report.Failed(source, QCoreApplication::translate("CliConversion", "the output type gives no encoder command line"));
        return QString();
    }
    m_parts.log.Write(QStringLiteral("parameter: ") + commandLine);
    return commandLine;
}

bool CliConversion::convert(const QString &source, int row, const std::atomic<int> &stopSignal)
{
    const QString commandLine = commandLineFor(source, row);
    if (commandLine.isEmpty())
        return true;
    const ConversionJob job = m_parts.jobs.Job;
    QString output = m_parts.jobs.ClaimedOutput.IsHeld() ? m_parts.jobs.ClaimedOutput.Path() : QString();
    const QString cutSeconds = m_parts.jobs.CutSeconds;

    QElapsedTimer clock;
    clock.start();
    double later = 0;
    const SourceListModel &list = m_parts.sources;
    for (int next = row + 1; next < list.count(); ++next)
        later += m_parts.jobs.CutSecondsOf(list.row(next).fileName(), next).toDouble();
    m_pace.StartJob(steadyMs(), cutSeconds.toDouble(), later);
    LatestChunk latest;
    EventPump::Waiter jobEnd;
    EncoderProcess runner(job.EncoderFile, commandLine,
                          [&latest](const QString &chunk) { latest.Set(chunk); });
    runner.SetWorkDir(m_parts.jobs.ProgramDir);
    runner.SetTimings(kRunnerTimings);
    runner.SetFinishedCallback([&jobEnd] { jobEnd.Wake(); });
    runner.Resume();

    bool stopped = false;
    while (!runner.Finished()) {
        jobEnd.WaitFor(kLookMs);
        if (stopSignal.load() != 0 && !stopped) {
            stopped = true;
            // As the window stops a job: the encoders this program started end.
            m_parts.encoderStopper.Stop(job.EncoderFile);
        }
        const QString chunk = latest.Take();
        const auto reported = chunk.isEmpty() ? std::nullopt : reportedSeconds(chunk, cutSeconds, job);
        if (reported && !stopped) {
            m_pace.Progress(steadyMs(), reported->first);
            const BatchPace::Figures pace = m_pace.At(steadyMs());
            m_report.Progress(source, int(qint64(reported->first) * 100 / reported->second),
                              pace.speed, pace.batchLeftMs);
        }
    }
    const EncoderResult result = runner.Result();
    const double seconds = double(clock.elapsed()) / 1000.0;
    m_pace.EndJob(steadyMs(), result.started && result.exitCode == 0);

    // A killed encoder could not remove its partial output.
    if (result.started && result.exitCode != 0)
        PartialOutput::RemoveFor(job.OutputDir, result.pid);
    m_parts.jobs.ClaimedOutput.Release();
    return reportEnd(source, output, result, stopped, seconds);
}

bool CliConversion::reportEnd(const QString &source, QString output,
                              const EncoderResult &result, bool stopped, double seconds)
{
    const QString failure = JobFailure::LogLine(source, result, stopped);
    if (stopped) {
        m_parts.log.WriteQuietly(QStringLiteral("Conversion stopped: %1").arg(source));
        return false;
    }
    if (!failure.isEmpty()) {
        m_parts.log.WriteQuietly(failure);
        QString reason = JobFailure::UserReason(result);
        if (reason.isEmpty())
            reason = !result.started ? result.errorText : JobFailure::LastLine(result.lastOutput);
        m_report.Failed(source, reason.isEmpty()
                                    ? QStringLiteral("exit code %1").arg(result.exitCode)
                                    : reason);
        return true;
    }
    // Another program wrote under the claimed name meanwhile: the output took the next one.
    const QString note = EncoderNote::FromOutput(result.lastOutput);
    if (!note.isEmpty())
        m_parts.log.WriteQuietly(note);
    const QString moved = EncoderNote::MovedOutput(note);
    if (!moved.isEmpty())
        output = moved;
    const QFileInfo written(output);
    if (output.isEmpty() || !written.isFile() || written.size() == 0) {
        m_report.Failed(source, QCoreApplication::translate("CliConversion", "the encoder wrote no output"));
        return true;
    }
    m_report.Done(source, output, written.size(), seconds);
    return true;
}

std::unique_ptr<RunningJob> CliConversion::build(const QString &source, int row, int slot)
{
    JobBuilder &jobs = m_parts.jobs;
    // A RealMedia job's script goes to the slot's own folder.
    jobs.ScriptFolder = ProgramRunFolder::JobPath(slot);
    const QString commandLine = commandLineFor(source, row);
    jobs.ScriptFolder.clear();
    if (commandLine.isEmpty())
        return nullptr;
    auto job = std::make_unique<RunningJob>(source, row, slot);
    job->TakeBuilt(jobs, commandLine);
    return job;
}

void CliConversion::convertSideBySide(int jobsAtOnce, const std::atomic<int> &stopSignal)
{
    struct Slot
    {
        std::unique_ptr<RunningJob> job;
        QString output;
        LatestChunk latest;
        qint64 startMs = 0;
        int doneSeconds = 0;
    };
    std::vector<Slot> jobSlots(static_cast<size_t>(jobsAtOnce));
    const SourceListModel &list = m_parts.sources;
    // The run's work in cut seconds, for its time left.
    double allSeconds = 0;
    for (int row = 0; row < list.count(); ++row)
        allSeconds += m_parts.jobs.CutSecondsOf(list.row(row).fileName(), row).toDouble();
    double endedSeconds = 0;
    const qint64 runStart = steadyMs();
    EventPump::Waiter jobEnd;
    int row = 0;
    bool stopped = false;
    for (;;) {
        if (stopSignal.load() != 0 && !stopped) {
            stopped = true;
            // As the window stops its jobs: the encoders this program started end.
            QStringList files;
            for (const Slot &slot : jobSlots) {
                if (slot.job && slot.job->Started())
                    files << slot.job->Job.EncoderFile;
            }
            files.removeDuplicates();
            for (const QString &file : files)
                m_parts.encoderStopper.Stop(file);
        }
        // Free jobSlots take the next rows, top to bottom.
        for (size_t i = 0; i < jobSlots.size() && !stopped; ++i) {
            Slot &slot = jobSlots[i];
            while (!slot.job && row < list.count()) {
                const QString source = list.row(row).fileName();
                slot.job = build(source, row, int(i));
                ++row;
                if (!slot.job)
                    continue;
                slot.output = slot.job->Claim.IsHeld() ? slot.job->Claim.Path() : QString();
                slot.startMs = steadyMs();
                slot.doneSeconds = 0;
                slot.job->Start(m_parts.jobs.ProgramDir, kRunnerTimings,
                                [latest = &slot.latest](const QString &chunk) { latest->Set(chunk); },
                                [&jobEnd] { jobEnd.Wake(); });
            }
        }
        bool running = false;
        bool ended = false;
        for (Slot &slot : jobSlots) {
            if (!slot.job)
                continue;
            const QString chunk = slot.latest.Take();
            const auto reported = chunk.isEmpty() || stopped
                                      ? std::nullopt
                                      : reportedSeconds(chunk, slot.job->CutSeconds, slot.job->Job);
            if (reported) {
                slot.doneSeconds = reported->first;
                const qint64 now = steadyMs();
                // The job's own speed and the run's time left, once a sound part is behind.
                std::optional<double> speed;
                std::optional<qint64> left;
                const qint64 jobMs = now - slot.startMs;
                if (BatchPace::Sound(jobMs, reported->first, reported->second))
                    speed = reported->first * 1000.0 / double(jobMs);
                const qint64 runMs = now - runStart;
                double done = endedSeconds + reported->first;
                for (const Slot &other : jobSlots) {
                    if (&other != &slot && other.job)
                        done += other.doneSeconds;
                }
                if (BatchPace::Sound(runMs, done, allSeconds))
                    left = qint64(double(runMs) * (allSeconds - done) / done);
                m_report.Progress(slot.job->Source,
                                  int(qint64(reported->first) * 100 / reported->second), speed,
                                  left);
            }
            if (!slot.job->Finished()) {
                running = true;
                continue;
            }
            std::unique_ptr<RunningJob> job = std::move(slot.job);
            const EncoderResult result = job->End();
            const double seconds = double(steadyMs() - slot.startMs) / 1000.0;
            endedSeconds += job->CutSeconds.toDouble();
            slot.doneSeconds = 0;
            // A job that completed before the stop reached it is done, not stopped.
            const bool complete = result.started && result.exitCode == 0;
            reportEnd(job->Source, slot.output, result, stopped && !complete, seconds);
            ended = true;
        }
        if (!running && !ended && (stopped || row >= list.count()))
            break;
        if (!ended)
            jobEnd.WaitFor(kLookMs);
    }
}
