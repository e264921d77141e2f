#include "conversion/EncoderStopper.h"
#include "conversion/EventPump.h"
#include "platform/ProcessTable.h"
#include "report/Log.h"

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace {

// Attempts after which Stop gives up on a process that will not end.
constexpr int kMaxStopAttempts = 20;

QString fileNameOf(const QString &path)
{
    const int slash = static_cast<int>(path.lastIndexOf(QLatin1Char('/')));
    return slash < 0 ? path : path.mid(slash + 1);
}

} // namespace

qint64 EncoderStopper::FindEncoder(const QString &name)
{
    if (name.isEmpty())
        return 0;
    return ProcessTable::FindLastByName(ProcessTable::Descendants(), name);
}

qint64 EncoderStopper::ProcessIdByName(const QString &name)
{
    const qint64 pid = FindEncoder(name);
    if (pid == 0)
        m_log.Write(QStringLiteral("Get Process id error."));
    return pid;
}

bool EncoderStopper::TerminateByName(const QString &name)
{
    const QList<ProcessEntry> own = ProcessTable::Descendants();
    // Forget processes that have ended, so a reused id starts with a request again.
    std::erase_if(m_askedToEnd, [&own](qint64 pid) {
        return std::none_of(own.begin(), own.end(),
                            [pid](const ProcessEntry &e) { return e.pid == pid; });
    });
    bool lastOk = false;
    for (const ProcessEntry &entry : ProcessTable::WithName(own, name)) {
        // The encoder leads a process group of its own: ending the group ends what it
        // started too. It is asked first, so it can remove its partial output, and ended
        // outright at the next attempt.
        const bool firstAttempt = m_askedToEnd.insert(entry.pid).second;
        const int sig = firstAttempt ? SIGTERM : SIGKILL;
        const pid_t target = entry.processGroup == entry.pid ? -static_cast<pid_t>(entry.pid)
                                                             : static_cast<pid_t>(entry.pid);
        lastOk = ::kill(target, sig) == 0 || errno == ESRCH;
    }
    if (!lastOk)
        m_log.Write(QStringLiteral("Terminate process error."));
    return lastOk;
}

void EncoderStopper::Stop(const QString &path)
{
    for (const QString &name : {fileNameOf(path), QStringLiteral("tcore")}) {
        for (int attempt = 0; ProcessIdByName(name) != 0; ++attempt) {
            if (attempt == kMaxStopAttempts) {
                m_log.Write(QStringLiteral("Terminate process error."));
                break;
            }
            TerminateByName(name);
            EventPump::WaitFor(RetryMs);
        }
    }
}
