#pragma once

#include "conversion/ConversionJob.h"
#include "conversion/OutputClaim.h"

#include <QString>

#include <stdexcept>

class Log;
class OptionLists;
class OutputOptions;
class SourceListModel;
class UserSettings;

// A job that is not built because it cannot be converted as asked (its cut holds no time, it
// does not fit the size limit): the batch names the file and goes on with the next one.
class JobRefused : public std::runtime_error
{
public:
    // reason for the log, in English; userReason for the user (the same when empty).
    JobRefused(const QString &source, const QString &reason, const QString &userReason = {});
    const QString &Reason() const { return m_reason; }
    const QString &UserReason() const { return m_userReason; }

private:
    QString m_reason;
    QString m_userReason;
};

// Builds a source row's conversion job from the option lists, the row's cut and the output
// folder: the job record, its encoder command line, and the output name held on disk.
class JobBuilder
{
public:
    JobBuilder(OutputOptions &options, SourceListModel &sources, UserSettings &settings, Log &log);

    // The program's folder with trailing "/": the encoders are found through it. Defaults
    // to AppPaths' program folder (the running executable's).
    QString ProgramDir;
    // The record of the last job built.
    ConversionJob Job;
    // The last job's start time text and length in whole seconds, as text.
    QString CutStart;
    QString CutSeconds;
    // The size each output must end at or below, in MB (MiB); 0 for none. A job that cannot
    // fit is refused by Build with JobRefused.
    double SizeLimitMB = 0;
    // The output name the current job holds on disk from its building to its end.
    OutputClaim ClaimedOutput;
    // The folder, with trailing "/", the RealMedia script of the next job is written to;
    // empty for this program's own folder (ProgramRunFolder). Jobs that run at the same
    // time each have their own.
    QString ScriptFolder;

    // The output type selected for the jobs.
    int OutputType() const;

    // Builds the job for source path s of list row `row`: fills the job record, CutStart and
    // CutSeconds, rewrites the RealMedia script, makes sure the output folder exists, and
    // claims the output name. Returns the encoder command line, or empty text when the
    // output type gives none. Throws JobRefused, with the job record's cut filled, for a cut
    // of 0 seconds or less, and for a job that cannot fit the size limit.
    QString Build(const QString &s, int row = -1);
    // The cut comes from the job's own row when it holds s, else from the last row for s
    // (the same name, letter case counting); -1 when there is none.
    int CutRowFor(const QString &s, int row);
    // The Start Time of that row, or empty text.
    QString CutStartOf(const QString &s, int row = -1);
    // End minus start of that row in whole seconds, or empty text.
    QString CutSecondsOf(const QString &s, int row = -1);
    // The output folder field's text with trailing "/"; the folder is created if missing.
    QString PreparedOutputFolder();

private:
    // Lowers the job's bitrates so that output type t's output of source s ends within
    // SizeLimitMB (H.264 and H.265 in two passes); throws with the reason when it cannot.
    void fitIntoSizeLimit(int t, const QString &s);

    OutputOptions &m_options;
    SourceListModel &m_sources;
    UserSettings &m_settings;
    Log &m_log;
};
