#pragma once

#include "LibavPtr.h"

#include <string>

namespace encoder {

// The source file opened for demuxing. It is opened again from its beginning where a seek
// fails, keeping which streams are left unread.
class SourceInput
{
public:
    explicit SourceInput(std::string path);

    // Opens the source and reads its stream information. Throws EncoderError for a missing,
    // empty or unreadable source and for a folder.
    void open();
    // Opens the source again from its beginning; the streams keep their places and whether
    // they are read. Throws EncoderError, also when the file changed meanwhile.
    void reopen();
    // Seeks to startSeconds after the input's start, landing on a key frame at or before it.
    // False when the format cannot seek (it may have read on while trying: reopen it).
    bool seekTo(double startSeconds);
    // The next packet of the streams that are read; negative at the end or on a failure.
    int read(AVPacket *packet);
    // Throws EncoderError when the last read failed for any reason but the source's end.
    void checkRead() const;

    AVFormatContext *context() const { return m_input.get(); }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    InputContextPtr m_input;
};

} // namespace encoder
