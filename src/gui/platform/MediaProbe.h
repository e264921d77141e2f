#pragma once

#include "platform/IMediaProbe.h"

// The media probe on libavformat: a file counts as rendered when it opens, its stream
// information can be found and every audio and video stream in it has a decoder.
class MediaProbe : public IMediaProbe
{
public:
    // Gives up on a single file after timeoutMs, so a file on a stalled mount cannot hang
    // the window that is adding it.
    explicit MediaProbe(int timeoutMs = 15000);

    std::optional<qint64> RenderDuration(const QString &path) override;
    std::optional<qint64> FileSize(const QString &path, QString *reason) override;

private:
    int m_timeoutMs;
};
