#include "conversion/RunningJob.h"

#include "conversion/JobBuilder.h"
#include "conversion/PartialOutput.h"

#include <utility>

RunningJob::RunningJob(const QString &source, int row, int slot)
    : Source(source), Row(row), Slot(slot)
{
}

RunningJob::~RunningJob()
{
    // Destroying the runner waits for its thread; the claim goes back as End gives it.
    m_runner.reset();
    Claim.Release();
}

void RunningJob::TakeBuilt(JobBuilder &builder, const QString &commandLine)
{
    Job = builder.Job;
    CutSeconds = builder.CutSeconds;
    CommandLine = commandLine;
    Claim = std::exchange(builder.ClaimedOutput, OutputClaim());
}

void RunningJob::Start(const QString &workDir, const EncoderTimings &timings,
                       EncoderOutputCallback output, std::function<void()> finished)
{
    m_runner = std::make_unique<EncoderProcess>(Job.EncoderFile, CommandLine, std::move(output));
    m_runner->SetWorkDir(workDir);
    m_runner->SetTimings(timings);
    m_runner->SetFinishedCallback(std::move(finished));
    m_runner->Resume();
}

EncoderResult RunningJob::End()
{
    EncoderResult result;
    result.started = true;
    result.exitCode = 0;
    if (m_runner) {
        result = m_runner->Result();
        m_runner.reset();
    }
    if (result.started && result.exitCode != 0)
        PartialOutput::RemoveFor(Job.OutputDir, result.pid);
    Claim.Release();
    return result;
}
