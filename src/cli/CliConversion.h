#pragma once

#include "conversion/BatchPace.h"
#include "CliOptions.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class CliReport;
class IMediaProbe;
class ProgramParts;
class RunningJob;
struct EncoderResult;

// The window's conversions without a window: the output type, quality and output folder
// are chosen on the core's option lists as a user chooses them in the window, the sources
// become rows of the source list as the window adds them, and each job is built by the
// core's job builder, run by its runner and logged to its log.txt.
class CliConversion
{
public:
    CliConversion(ProgramParts &parts, IMediaProbe &probe, CliReport &report);

    // Fills the option lists and applies the user settings, then the type, quality and
    // output folder of options. False and the reason in error for an unknown type or
    // profile.
    bool Choose(const CliOptions &options, QString *error);
    // Adds the files (folders: the supported files inside them) as rows, with the cut of
    // options; what is refused goes to the report. Gives the number of rows added.
    int AddSources(const CliOptions &options);
    // Converts every row, one at a time or several at once (-j, else the window's
    // setting), until all are done or stopSignal (set from a signal handler) is no longer 0.
    // Gives that signal's number, or 0.
    int ConvertAll(const std::atomic<int> &stopSignal);
    // The conversions the run makes at the same time.
    int JobsAtOnce() const;

    // The five quality level names of -q, in the order of the profile list.
    static QStringList LevelNames();

private:
    // Converts one row; false when stopSignal ended it.
    // Builds the job of a row and logs its command line; a job that cannot be built is
    // reported, its output name given back, and the command line empty.
    QString commandLineFor(const QString &source, int row);
    bool convert(const QString &source, int row, const std::atomic<int> &stopSignal);
    // Converts the rows with up to jobsAtOnce jobs side by side.
    void convertSideBySide(int jobsAtOnce, const std::atomic<int> &stopSignal);
    // Builds the job of a row into slot; nothing when it failed (reported).
    std::unique_ptr<RunningJob> build(const QString &source, int row, int slot);
    // Logs and reports how a job ended; output is the name it claimed. False when it was
    // stopped.
    bool reportEnd(const QString &source, QString output,
                   const EncoderResult &result, bool stopped, double seconds);

    ProgramParts &m_parts;
    IMediaProbe &m_probe;
    CliReport &m_report;
    BatchPace m_pace;
    // -j, or the window's setting.
    int m_jobsSetting = 0;
};
