#pragma once

// What the benchmark drivers share: the process's CPU time and an idle event loop.

#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

namespace bench {

// CPU seconds the process has used, user and system.
inline double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
           + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop as the program does, sleeping when there is nothing to do.
inline void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace bench
