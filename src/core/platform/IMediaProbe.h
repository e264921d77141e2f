#pragma once

#include <optional>

#include <QString>
#include <QtGlobal>

// Measures source files for the source list: renders a file to learn its duration and reads
// its size from the file system. The real one sits on libavformat; tests hand in fakes.
class IMediaProbe
{
public:
    virtual ~IMediaProbe() = default;

    // The media duration of path in 100-nanosecond units, or nothing when the file cannot be
    // rendered (not a readable media file, or an audio or video stream without a decoder)
    // or reports no duration.
    virtual std::optional<qint64> RenderDuration(const QString &path) = 0;

    // The size of path in bytes, or nothing when the file cannot be opened for reading; then
    // reason, when given, receives the system's reason.
    virtual std::optional<qint64> FileSize(const QString &path, QString *reason) = 0;
};
