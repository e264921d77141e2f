#include "conversion/ParallelJobs.h"

#include "profiles/ConfigInfo.h"

#include <QThread>

#include <algorithm>

namespace ParallelJobs {

int Cores()
{
    return std::max(1, QThread::idealThreadCount());
}

namespace {

int uncapped(int cores, int type)
{
    if (cores <= 1)
        return 1;
    if (!ConfigInfo::HoldsVideo(type))
        return cores;
    if (type == ConfigInfo::kH264OutputType || type == ConfigInfo::kH265OutputType)
        return std::max(1, cores / 4);
    // Rounded up: on 2 cores two jobs fill the core that one leaves half idle.
    return (2 * cores + 2) / 3;
}

} // namespace

int Automatic(int cores, int type)
{
    return std::min(uncapped(cores, type), kMostAutomatic);
}

int For(int setting, int cores, int type)
{
    return setting == kAutomatic ? Automatic(cores, type) : std::max(1, setting);
}

} // namespace ParallelJobs
