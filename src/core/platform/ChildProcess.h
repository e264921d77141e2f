#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// One console program started without a window: standard input from a pipe that is never
// written, standard output and standard error joined into one pipe that the owner polls.
// The child runs in a process group of its own, so that stopping it reaches whatever it
// started in turn. Nothing here ever blocks on an empty pipe.
class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // Starts argv[0] with the given arguments in workDir (empty: the caller's). False when a
    // pipe or the process could not be made; errorText() then says why.
    bool start(const std::vector<std::string> &argv, const std::string &workDir);

    pid_t pid() const { return m_pid; }
    bool started() const { return m_pid > 0; }
    const std::string &errorText() const { return m_error; }

    // Looks whether the child has ended, without waiting; reaps it when it has.
    bool pollExited();
    bool exited() const { return m_exited; }
    // Exit code of an ended child; 128 + signal number when a signal ended it.
    int exitCode() const { return m_exitCode; }

    // Bytes waiting in the output pipe (0 on any error).
    int bytesWaiting() const;
    // Reads at most max bytes that are already waiting; 0 when there are none.
    int readWaiting(char *buffer, int max);

    // Sleeps until output arrives, the child ends or timeoutMs passes.
    void waitForActivity(int timeoutMs) const;
    // Sleeps until the child ends or timeoutMs passes.
    void waitForExit(int timeoutMs) const;

    // Closes every pipe end this object holds.
    void closePipes();

private:
    pid_t m_pid = -1;
    int m_inWrite = -1;
    int m_outRead = -1;
    int m_pidFd = -1;
    mutable bool m_outHungUp = false;
    bool m_exited = false;
    int m_exitCode = -1;
    std::string m_error;
};
