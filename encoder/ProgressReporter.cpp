#include "ProgressReporter.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace encoder {

ProgressReporter::ProgressReporter(int fd, bool withVideo)
    : m_fd(fd), m_withVideo(withVideo), m_last(std::chrono::steady_clock::now())
{
}

void ProgressReporter::update(const Status &status)
{
    auto now = std::chrono::steady_clock::now();
    if (now - m_last < std::chrono::milliseconds(500))
        return;
    m_last = now;
    write(status);
}

void ProgressReporter::finish(const Status &status)
{
    m_last = std::chrono::steady_clock::now();
    write(status);
}

int ProgressReporter::format(char *buffer, int size, bool withVideo, const Status &status)
{
    double kbytes = static_cast<double>(status.bytes) / 1024.0;
    double kbits = status.seconds > 0 ? static_cast<double>(status.bytes) * 8.0 / status.seconds / 1000.0 : 0.0;
    if (withVideo)
        return std::snprintf(buffer, size,
                             "frame=%5d q=%.1f size=%8.0fkB time=%.2f bitrate=%6.1fkbits/s\r",
                             static_cast<int>(status.frames), status.quality, kbytes,
                             status.seconds, kbits);
    return std::snprintf(buffer, size, "size=%8.0fkB time=%.2f bitrate=%6.1fkbits/s\r", kbytes,
                         status.seconds, kbits);
}

void ProgressReporter::write(const Status &status)
{
    char line[256];
    Status shown = status;
    shown.seconds = m_offset + m_scale * status.seconds;
    int length = format(line, sizeof line, m_withVideo, shown);
    if (length <= 0)
        return;
    if (length >= static_cast<int>(sizeof line))
        length = sizeof line - 1;
    // One write per report; a full pipe only delays us, it never splits the report.
    ssize_t written;
    do {
        written = ::write(m_fd, line, static_cast<size_t>(length));
    } while (written < 0 && errno == EINTR);
}

} // namespace encoder
