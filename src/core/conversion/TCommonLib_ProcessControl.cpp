// Finding and ending the encoders this program started.
#include "conversion/EventPump.h"
#include "platform/ProcessTable.h"
#include "shell/TCommonLib.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <set>

namespace {

// Attempts after which StopEncoder gives up on a process that will not end.
constexpr int kMaxStopAttempts = 20;

QString fileNameOf(const QString &path)
{
    const int slash = static_cast<int>(path.lastIndexOf(QLatin1Char('/')));
    return slash < 0 ? path : path.mid(slash + 1);
}

// Processes already asked to end: a second attempt no longer asks.
std::set<qint64> &askedToEnd()
{
    static std::set<qint64> asked;
    return asked;
}

} // namespace

// Only this program's own processes are looked at: an encoder of anyone else, one started
// by hand included, is neither waited for nor ended.
qint64 TCommonLib::FindEncoderProcess(const QString &name)
{
    if (name.isEmpty())
        return 0;
    return ProcessTable::FindLastByName(ProcessTable::Descendants(), name);
}

qint64 TCommonLib::GetProcessIdByName(const QString &name)
{
    const qint64 pid = FindEncoderProcess(name);
    if (pid == 0)
        WriteLog(QStringLiteral("Get Process id error."));
    return pid;
}

bool TCommonLib::TerminateProcessByName(const QString &name)
{
    EnableDebugPrivilege();
    const QList<ProcessEntry> own = ProcessTable::Descendants();
    // Forget processes that have ended, so a reused id starts with a request again.
    std::erase_if(askedToEnd(), [&own](qint64 pid) {
        return std::none_of(own.begin(), own.end(),
                            [pid](const ProcessEntry &e) { return e.pid == pid; });
    });
    bool lastOk = false;
    for (const ProcessEntry &entry : ProcessTable::WithName(own, name)) {
        // The encoder leads a process group of its own: ending the group ends what it
        // started too. It is asked first, so it can remove its partial output, and ended
        // outright at the next attempt.
        const bool firstAttempt = askedToEnd().insert(entry.pid).second;
        const int sig = firstAttempt ? SIGTERM : SIGKILL;
        const pid_t target = entry.processGroup == entry.pid ? -static_cast<pid_t>(entry.pid)
                                                             : static_cast<pid_t>(entry.pid);
        lastOk = ::kill(target, sig) == 0 || errno == ESRCH;
    }
    if (!lastOk)
        WriteLog(QStringLiteral("Terminate process error."));
    return lastOk;
}

void TCommonLib::StopEncoder(const QString &path)
{
    for (const QString &name : {fileNameOf(path), QStringLiteral("tcore")}) {
        for (int attempt = 0; GetProcessIdByName(name) != 0; ++attempt) {
            if (attempt == kMaxStopAttempts) {
                WriteLog(QStringLiteral("Terminate process error."));
                break;
            }
            TerminateProcessByName(name);
            EventPump::WaitFor(StopRetryMs);
        }
    }
}

bool TCommonLib::EnableDebugPrivilege()
{
    return true;
}

bool TCommonLib::EnableShutdownPrivilege()
{
    return true;
}
