// A stand-in encoder for the runner and batch tests: it writes what it is told to its
// standard error or output and exits. Modes:
//   write N           N bytes 'a' at once, exit 0
//   flood N           N bytes at once (byte i is 'A' + i % 26), wait 300 ms, exit 0
//   nul               "abc", a zero byte, "def", exit 0
//   exit K            nothing, exit code K at once
//   silent MS         nothing for MS milliseconds, exit 0
//   reports N MS      N video progress reports, one every MS milliseconds, exit 0
//   pwd               the current directory, exit 0
//   child MS          starts a copy of itself "silent MS" and waits for it
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

void writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            return;
        data += n;
        size -= static_cast<size_t>(n);
    }
}

void sleepMs(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const long a = argc > 2 ? std::atol(argv[2]) : 0;
    const long b = argc > 3 ? std::atol(argv[3]) : 0;
    if (mode == "write") {
        const std::string s(static_cast<size_t>(a), 'a');
        writeAll(2, s.data(), s.size());
        return 0;
    }
    if (mode == "flood") {
        std::string s(static_cast<size_t>(a), ' ');
        for (long i = 0; i < a; ++i)
            s[static_cast<size_t>(i)] = static_cast<char>('A' + i % 26);
        writeAll(2, s.data(), s.size());
        sleepMs(300);
        return 0;
    }
    if (mode == "nul") {
        writeAll(1, "abc\0def", 7);
        return 0;
    }
    if (mode == "exit")
        return static_cast<int>(a);
    if (mode == "silent") {
        sleepMs(a);
        return 0;
    }
    if (mode == "reports") {
        for (long i = 1; i <= a; ++i) {
            char line[160];
            const int n = std::snprintf(line, sizeof line,
                                        "frame=%5ld q=3.0 size=%8.0fkB time=%ld.00 "
                                        "bitrate= 279.4kbits/s\r",
                                        i * 25, double(i * 10), i);
            writeAll(2, line, static_cast<size_t>(n));
            sleepMs(b);
        }
        return 0;
    }
    if (mode == "pwd") {
        char dir[4096];
        if (::getcwd(dir, sizeof dir))
            writeAll(1, dir, std::strlen(dir));
        return 0;
    }
    if (mode == "child") {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const std::string ms = std::to_string(a);
            ::execl("/proc/self/exe", argv[0], "silent", ms.c_str(), static_cast<char *>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return 0;
    }
    std::fprintf(stderr, "Error: unknown mode\n");
    return 2;
}
