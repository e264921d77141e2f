#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// Called on the runner's thread with each chunk of the encoder's console output: the bytes
// of one read, at most 1023, cut at a zero byte. A chunk may hold several reports or end in
// the middle of one.
using EncoderOutputCallback = std::function<void(const QString &chunk)>;

// The pauses of the polling loop. Tests shorten them; the program uses the defaults.
struct EncoderTimings
{
    int deliveryPauseMs = 500; // least time between two deliveries
    int idleWaitMs = 100;      // longest sleep while the encoder is quiet (it wakes on output)
};

// What became of one encoder run, beyond the plain success of RunAndCapture.
struct EncoderResult
{
    bool started = false; // the process was created
    bool ended = false;   // it was seen to end
    qint64 pid = 0;       // its process id
    int exitCode = -1;    // its exit code; 128 + signal when a signal ended it
    QString errorText;    // why it could not be started
    QString lastOutput;   // the last bytes it wrote (up to 1023), delivered or not
};

// Starts program hidden with the arguments that follow it in cmdLine (which begins with
// program, unquoted, as the log shows it), with its output joined into one pipe, polls it
// until it ends and hands the output to callback: at most one chunk per delivery pause, the
// latest block of any backlog. Returns true when the process was started and has ended,
// false when a pipe or the process could not be made, or cmdLine does not begin with
// program (then no chunk is delivered). The program folder (workDir; empty for the
// executable's folder) is the current directory.
bool RunAndCapture(const QString &program, const QString &cmdLine, const EncoderOutputCallback &callback,
                   EncoderResult *result = nullptr, const QString &workDir = QString(),
                   const EncoderTimings &timings = EncoderTimings());

// The runner of one job: a worker thread that runs RunAndCapture once with the job's
// encoder file and command line. Created suspended; Resume starts it; Terminate only raises
// a flag that the loop does not look at (the runner ends when the encoder ends); destroying
// it waits for the thread to finish.
class EncoderProcess
{
public:
    EncoderProcess(const QString &encoderFile, const QString &cmdLine,
                   EncoderOutputCallback outputCallback);
    ~EncoderProcess();
    EncoderProcess(const EncoderProcess &) = delete;
    EncoderProcess &operator=(const EncoderProcess &) = delete;

    // Settings that apply from the next Resume.
    void SetWorkDir(const QString &dir) { m_workDir = dir; }
    void SetTimings(const EncoderTimings &timings) { m_timings = timings; }
    // Called on the runner's thread once the run has ended and its result is complete.
    void SetFinishedCallback(std::function<void()> finished) { m_onFinished = std::move(finished); }

    // Starts the thread; a second call does nothing.
    void Resume();
    void Terminate() { m_terminated = true; }
    bool Terminated() const { return m_terminated; }
    // True once Execute has returned.
    bool Finished() const { return m_finished; }
    // The run's outcome; complete once Finished is true.
    EncoderResult Result() const;

    const QString EncoderFile;
    const QString CmdLine;
    const EncoderOutputCallback OutputCallback;

private:
    void Execute();

    QString m_workDir;
    EncoderTimings m_timings;
    std::function<void()> m_onFinished;
    std::thread m_thread;
    std::atomic<bool> m_terminated{false};
    std::atomic<bool> m_finished{false};
    mutable std::mutex m_resultMutex;
    EncoderResult m_result;
};
