#include "platform/ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Without a process descriptor the waits fall back to short polls of the pipe.
constexpr int kFallbackPollMs = 20;

void closeFd(int &fd)
{
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

int openPidFd(pid_t pid)
{
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    if (fd >= 0) {
        ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
        return static_cast<int>(fd);
    }
#else
    (void)pid;
#endif
    return -1;
}

} // namespace

ChildProcess::~ChildProcess()
{
    closePipes();
    closeFd(m_pidFd);
    // A child that still runs is left alone; reap it if it has ended so no zombie stays.
    if (m_pid > 0 && !m_exited)
        pollExited();
}

bool ChildProcess::start(const std::vector<std::string> &argv, const std::string &workDir)
{
    m_error.clear();
    if (argv.empty() || argv.front().empty()) {
        m_error = "no program given";
        return false;
    }
    int inPipe[2] = {-1, -1};
    int outPipe[2] = {-1, -1};
    if (::pipe2(inPipe, O_CLOEXEC) != 0) {
        m_error = std::strerror(errno);
        return false;
    }
    if (::pipe2(outPipe, O_CLOEXEC) != 0) {
        m_error = std::strerror(errno);
        closeFd(inPipe[0]);
        closeFd(inPipe[1]);
        return false;
    }

    std::vector<char *> args;
    args.reserve(argv.size() + 1);
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);

    // The child reports a failed exec through this pipe; a successful exec closes it.
    int execPipe[2] = {-1, -1};
    if (::pipe2(execPipe, O_CLOEXEC) != 0) {
        m_error = std::strerror(errno);
        closeFd(inPipe[0]);
        closeFd(inPipe[1]);
        closeFd(outPipe[0]);
        closeFd(outPipe[1]);
        return false;
    }
    const pid_t parent = ::getpid();
    const char *folder = workDir.empty() ? nullptr : workDir.c_str();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Only calls that are safe after fork in a program with threads, until exec.
        ::setpgid(0, 0);
        // The child ends with this program, however this program ends (a crash or a kill
        // included), instead of converting on as an orphan.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
        ::dup2(inPipe[0], STDIN_FILENO);
        ::dup2(outPipe[1], STDOUT_FILENO);
        ::dup2(outPipe[1], STDERR_FILENO);
        for (int sig : {SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGCHLD})
            ::signal(sig, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        int error = 0;
        if (folder && ::chdir(folder) != 0)
            error = errno;
        if (error == 0) {
            ::execve(args[0], args.data(), environ);
            error = errno;
        }
        ssize_t ignored = ::write(execPipe[1], &error, sizeof error);
        (void)ignored;
        ::_exit(127);
    }
    closeFd(execPipe[1]);
    int rc = pid < 0 ? errno : 0;
    if (pid > 0) {
        int error = 0;
        ssize_t got;
        do {
            got = ::read(execPipe[0], &error, sizeof error);
        } while (got < 0 && errno == EINTR);
        if (got == sizeof error) {
            rc = error;
            ::waitpid(pid, nullptr, 0);
        }
    }
    closeFd(execPipe[0]);

    // The child's ends belong to the child alone: holding them here would keep the pipe
    // open after the child ends.
    closeFd(inPipe[0]);
    closeFd(outPipe[1]);
    if (rc != 0) {
        m_error = std::strerror(rc);
        closeFd(inPipe[1]);
        closeFd(outPipe[0]);
        return false;
    }
    m_pid = pid;
    m_exited = false;
    m_exitCode = -1;
    m_inWrite = inPipe[1];
    m_outRead = outPipe[0];
    // Reads must never wait: the pipe is only read after a peek said bytes are there.
    ::fcntl(m_outRead, F_SETFL, ::fcntl(m_outRead, F_GETFL) | O_NONBLOCK);
    m_pidFd = openPidFd(pid);
    return true;
}

bool ChildProcess::pollExited()
{
    if (m_pid <= 0)
        return true;
    if (m_exited)
        return true;
    int status = 0;
    pid_t r;
    do {
        r = ::waitpid(m_pid, &status, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == 0)
        return false;
    m_exited = true;
    if (r < 0)
        m_exitCode = -1; // reaped elsewhere: the code is lost
    else if (WIFEXITED(status))
        m_exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        m_exitCode = 128 + WTERMSIG(status);
    closeFd(m_pidFd);
    return true;
}

int ChildProcess::bytesWaiting() const
{
    if (m_outRead < 0)
        return 0;
    int n = 0;
    if (::ioctl(m_outRead, FIONREAD, &n) != 0)
        return 0;
    return std::max(n, 0);
}

int ChildProcess::readWaiting(char *buffer, int max)
{
    if (m_outRead < 0 || max <= 0)
        return 0;
    ssize_t n;
    do {
        n = ::read(m_outRead, buffer, static_cast<size_t>(max));
    } while (n < 0 && errno == EINTR);
    return n > 0 ? static_cast<int>(n) : 0;
}

void ChildProcess::waitForActivity(int timeoutMs) const
{
    if (timeoutMs <= 0)
        return;
    pollfd fds[2];
    int count = 0;
    // A pipe whose writers are all gone reports a hang-up for ever: watching it would spin.
    const bool watchPipe = m_outRead >= 0 && !m_outHungUp;
    if (watchPipe)
        fds[count++] = {m_outRead, POLLIN, 0};
    if (m_pidFd >= 0)
        fds[count++] = {m_pidFd, POLLIN, 0};
    else if (!m_exited)
        timeoutMs = std::min(timeoutMs, kFallbackPollMs);
    ::poll(fds, static_cast<nfds_t>(count), timeoutMs);
    if (watchPipe && (fds[0].revents & POLLHUP) && !(fds[0].revents & POLLIN))
        m_outHungUp = true;
}

void ChildProcess::waitForExit(int timeoutMs) const
{
    if (timeoutMs <= 0 || m_exited)
        return;
    if (m_pidFd >= 0) {
        pollfd fd{m_pidFd, POLLIN, 0};
        ::poll(&fd, 1, timeoutMs);
        return;
    }
    for (int waited = 0; waited < timeoutMs; waited += kFallbackPollMs) {
        siginfo_t info{};
        if (::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
            info.si_pid == m_pid)
            return;
        ::usleep(static_cast<useconds_t>(std::min(kFallbackPollMs, timeoutMs - waited)) * 1000);
    }
}

void ChildProcess::closePipes()
{
    closeFd(m_inWrite);
    closeFd(m_outRead);
}
