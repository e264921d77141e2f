#include "conversion/EncoderProcess.h"

#include "conversion/CommandLineSplitter.h"
#include "platform/ChildProcess.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>

namespace {

constexpr int kBlockSize = 1023;

using Clock = std::chrono::steady_clock;

int msSince(Clock::time_point t)
{
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count());
}

std::string toNative(const QString &text)
{
    return QFile::encodeName(text).toStdString();
}

QString programFolder(const QString &workDir)
{
    QString dir = workDir;
    if (dir.isEmpty() && QCoreApplication::instance())
        dir = QCoreApplication::applicationDirPath();
    // The folder without its trailing separator, as a current directory is given.
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

} // namespace

bool RunAndCapture(const QString &program, const QString &cmdLine, const EncoderOutputCallback &callback,
                   EncoderResult *result, const QString &workDir, const EncoderTimings &timings)
{
    EncoderResult local;
    EncoderResult &res = result ? *result : local;
    res = EncoderResult();

    // The program is the job's encoder file, never a guess at where a blank ends it.
    const CommandLineSplitter::Result split = CommandLineSplitter::Split(cmdLine, program);
    if (!split.ok) {
        res.errorText =
            QStringLiteral("the command line does not begin with the encoder \"%1\"").arg(program);
        return false;
    }
    std::vector<std::string> argv;
    argv.push_back(toNative(split.program));
    for (const QString &arg : split.arguments)
        argv.push_back(toNative(arg));

    ChildProcess child;
    if (!child.start(argv, toNative(programFolder(workDir)))) {
        res.errorText = QString::fromLocal8Bit(child.errorText().c_str());
        return false;
    }
    res.started = true;
    res.pid = child.pid();

    // One read buffer for the whole run: at most 1023 bytes per read, always zero-ended.
    char buffer[kBlockSize + 2];
    QByteArray tail;
    std::optional<Clock::time_point> lastDelivery;

    for (;;) {
        const bool exited = child.pollExited();
        int waiting = child.bytesWaiting();
        if (waiting > 0) {
            // Only the pass that saw the end can get here early; the spacing still holds.
            if (lastDelivery) {
                const int rest = timings.deliveryPauseMs - msSince(*lastDelivery);
                if (rest > 0) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(rest));
                    waiting = std::max(waiting, child.bytesWaiting());
                }
            }
            // A backlog is drained block by block and only its last block is delivered.
            // Every read is bounded by what the peek reported, so none can wait.
            const bool backlog = waiting > kBlockSize;
            int got = 0;
            for (;;) {
                std::memset(buffer, 0, sizeof buffer);
                got = child.readWaiting(buffer, std::min(waiting, kBlockSize));
                tail.append(buffer, got);
                if (!backlog || got < kBlockSize)
                    break;
                waiting = child.bytesWaiting();
                if (waiting == 0)
                    break;
            }
            if (tail.size() > kBlockSize)
                tail.remove(0, tail.size() - kBlockSize);
            if (got > 0) {
                const QString chunk =
                    QString::fromLocal8Bit(buffer, static_cast<qsizetype>(std::strlen(buffer)));
                if (callback)
                    callback(chunk);
                lastDelivery = Clock::now();
                if (!exited)
                    child.waitForExit(timings.deliveryPauseMs);
            }
        } else if (!exited) {
            // Quiet encoder: sleep until it writes or ends instead of spinning.
            child.waitForActivity(timings.idleWaitMs);
        }
        if (exited)
            break;
    }
    child.closePipes();
    res.ended = true;
    res.exitCode = child.exitCode();
    res.lastOutput = QString::fromLocal8Bit(tail);
    return true;
}

EncoderProcess::EncoderProcess(const QString &encoderFile, const QString &cmdLine,
                               EncoderOutputCallback outputCallback)
    : EncoderFile(encoderFile), CmdLine(cmdLine), OutputCallback(std::move(outputCallback))
{
}

EncoderProcess::~EncoderProcess()
{
    if (m_thread.joinable())
        m_thread.join();
}

void EncoderProcess::Resume()
{
    if (m_thread.joinable() || m_finished)
        return;
    m_thread = std::thread([this] { Execute(); });
}

EncoderResult EncoderProcess::Result() const
{
    std::lock_guard<std::mutex> lock(m_resultMutex);
    return m_result;
}

void EncoderProcess::Execute()
{
    EncoderResult result;
    try {
        RunAndCapture(EncoderFile, CmdLine, OutputCallback, &result, m_workDir, m_timings);
    } catch (...) {
        // A failing callback ends this run; the encoder is left to end on its own.
        result.errorText = QStringLiteral("output handler failed");
    }
    {
        std::lock_guard<std::mutex> lock(m_resultMutex);
        m_result = result;
    }
    m_finished = true;
    if (m_onFinished)
        m_onFinished();
}
