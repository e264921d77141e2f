#pragma once

#include "conversion/ConversionJob.h"
#include "conversion/EncoderProcess.h"
#include "conversion/OutputClaim.h"

#include <QString>

#include <functional>
#include <memory>

class JobBuilder;

// One job of a batch that runs beside others, from its building to its end: it keeps its
// own job record, cut, command line, claimed output name and encoder runner, so that jobs
// running at the same time share nothing (the job builder holds only the last job built).
class RunningJob
{
public:
    // The job of source list row `row` (source path `source`), run in job slot `slot`.
    RunningJob(const QString &source, int row, int slot);
    ~RunningJob();
    RunningJob(const RunningJob &) = delete;
    RunningJob &operator=(const RunningJob &) = delete;

    // Takes over what builder has just built for this job: the record, the cut's length
    // and the claimed output name (the builder no longer holds it).
    void TakeBuilt(JobBuilder &builder, const QString &commandLine);
    // Starts the encoder in workDir; output gets its chunks and finished is called once it
    // ended, both on the runner's thread.
    void Start(const QString &workDir, const EncoderTimings &timings, EncoderOutputCallback output,
               std::function<void()> finished);
    bool Started() const { return m_runner != nullptr; }
    // True once the encoder has ended (or never started).
    bool Finished() const { return !m_runner || m_runner->Finished(); }
    // Ends the job once Finished: waits for the runner's thread, removes the partial output
    // that a killed encoder could not remove, and gives the claimed name back when no
    // output took it. A job that never started gives a started, successful result.
    EncoderResult End();

    const QString Source;
    const int Row;
    const int Slot;
    ConversionJob Job;
    QString CommandLine;
    QString CutSeconds;
    OutputClaim Claim;

private:
    std::unique_ptr<EncoderProcess> m_runner;
};
