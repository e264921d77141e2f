#pragma once

// Runs a piece of a test in a forked child process, so that what it changes for the whole
// process (a file size limit, a mount namespace with a small file system) ends with it.
//
// The body returns empty text when all went well, or what went wrong. A body that cannot
// set up what it needs returns kSkipPrefix followed by why.

#include <cerrno>
#include <csignal>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace childrun {

inline const std::string kSkipPrefix = "skip: ";

struct Outcome
{
    bool passed = false;
    bool skipped = false;
    std::string message;
};

inline Outcome Run(const std::function<std::string()> &body)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return {false, false, std::string("pipe: ") + std::strerror(errno)};
    const pid_t pid = ::fork();
    if (pid < 0)
        return {false, false, std::string("fork: ") + std::strerror(errno)};
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string message;
        try {
            message = body();
        } catch (const std::exception &error) {
            message = std::string("uncaught: ") + error.what();
        } catch (...) {
            message = "uncaught exception";
        }
        size_t done = 0;
        while (done < message.size()) {
            const ssize_t n = ::write(pipeFds[1], message.data() + done, message.size() - done);
            if (n <= 0)
                break;
            done += size_t(n);
        }
        // No destructors or exit handlers of the parent's test run.
        ::_exit(message.empty() ? 0 : 1);
    }
    ::close(pipeFds[1]);
    std::string message;
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        message.append(buffer, size_t(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    Outcome outcome;
    outcome.message = message;
    outcome.skipped = message.rfind(kSkipPrefix, 0) == 0;
    outcome.passed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!WIFEXITED(status))
        outcome.message += " (child ended by signal " + std::to_string(WTERMSIG(status)) + ")";
    return outcome;
}

// In the child: files may grow to at most bytes; a write beyond fails with EFBIG instead
// of ending the process.
inline bool LimitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{bytes, bytes};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// In the child: mounts a tmpfs of sizeKb kilobytes on folder, seen by this process alone.
// Empty text on success, else why not (the caller then skips).
inline std::string MountSmallTmpfs(const std::string &folder, int sizeKb)
{
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWNS) != 0) {
        // Without the right to mount here, a user namespace of our own may still give it.
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return std::string("no mount namespace: ") + std::strerror(errno);
        const auto writeFile = [](const char *path, const std::string &text) {
            const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
            if (fd < 0)
                return false;
            const bool ok = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
            ::close(fd);
            return ok;
        };
        if (!writeFile("/proc/self/setgroups", "deny") ||
            !writeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !writeFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return "cannot map the user into its namespace";
    }
    // Nothing mounted here may reach the rest of the system.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("cannot make mounts private: ") + std::strerror(errno);
    const std::string options = "size=" + std::to_string(sizeKb) + "k";
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0)
        return std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    return {};
}

// In the child: fills the file system of folder until no byte more fits.
inline bool FillFileSystem(const std::string &folder)
{
    const int fd = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    char block[4096] = {};
    ssize_t n;
    while ((n = ::write(fd, block, sizeof block)) > 0) {
    }
    const int error = errno;
    // The last partial block, byte by byte.
    while (::write(fd, block, 1) == 1) {
    }
    ::close(fd);
    return n < 0 && error == ENOSPC;
}

} // namespace childrun
