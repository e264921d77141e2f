#pragma once

#include <chrono>
#include <cstdint>

namespace encoder {

// Writes the progress report to stderr, at most every 500 ms and once at the end, each report
// in one write() and ended by "\r" so that a reader sees whole reports:
//   with video:  frame=%5d q=%.1f size=%8.0fkB time=%.2f bitrate=%6.1fkbits/s
//   audio only:  size=%8.0fkB time=%.2f bitrate=%6.1fkbits/s
class ProgressReporter
{
public:
    struct Status
    {
        int64_t frames = 0;
        double quality = 0.0;
        int64_t bytes = 0;
        double seconds = 0.0;
    };

    ProgressReporter(int fd, bool withVideo);

    // Reports when 500 ms have passed since the last report.
    void update(const Status &status);
    // Reports unconditionally: the last report of a finished conversion.
    void finish(const Status &status);

    // Reports times as offset + scale * time: a run of two passes shows each as half of
    // the whole.
    void mapTime(double scale, double offset)
    {
        m_scale = scale;
        m_offset = offset;
    }

    // The report text for one status (no clock involved).
    static int format(char *buffer, int size, bool withVideo, const Status &status);

private:
    void write(const Status &status);

    int m_fd;
    bool m_withVideo;
    double m_scale = 1.0;
    double m_offset = 0.0;
    std::chrono::steady_clock::time_point m_last;
};

} // namespace encoder
