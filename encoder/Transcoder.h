#pragma once

#include "EncoderOptions.h"
#include "LibavPtr.h"
#include "ProgressReporter.h"

#include <memory>
#include <optional>
#include <string>

namespace encoder {

// Where the pictures and sound come from: a media file, optionally delivered at a constant
// frame rate before the output's own settings apply (the script source of mcore).
struct SourceSpec
{
    std::string path;
    std::optional<double> deliveredFps;
};

// One conversion: demux, decode, one filter graph per stream (cut, timing, size, aspect,
// volume, resampling, channel layout, the encoder's frame size), encode, mux.
// The calling thread reads and decodes the source; each output stream runs its filters and
// encoder on a thread of its own, fed through a small FrameQueue, and writes its packets to
// the muxer, which interleaves them. The outputs are the same as with one thread.
class Transcoder
{
public:
    Transcoder(EncoderOptions options, SourceSpec source);
    ~Transcoder();
    Transcoder(const Transcoder &) = delete;
    Transcoder &operator=(const Transcoder &) = delete;

    // Opens the source and plans the output streams. Throws EncoderError.
    void open();
    // Whether the progress report carries the video fields (an output type that holds video).
    bool reportsVideo() const;
    // Whether a picture stream of the source is converted.
    bool convertsVideo() const;
    // Converts into writePath (a complete file when it returns; nothing is written in the
    // analysis pass) and returns the seconds converted. Throws EncoderError.
    double run(const std::string &writePath, ProgressReporter &progress);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace encoder
