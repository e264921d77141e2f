#pragma once

#include "LibavPtr.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace encoder {

// The output file's container: its streams, its header (with the index moved to the front
// when asked), the packets of every stream's thread interleaved into it, and its trailer.
// The analysis pass of two writes nothing: its muxer takes the packets and drops them.
class Muxer
{
public:
    // Sets up the container. outputName is the output as the user named it, for messages.
    // Throws EncoderError when the container cannot be written or cannot take the index in
    // front.
    Muxer(const std::string &container, const std::string &writePath, bool analysis,
          bool frontIndex, std::string outputName);

    // Adds an output stream (before start). Throws EncoderError when out of memory.
    AVStream *addStream();
    // Whether the encoders must put their set-up data in the header rather than the stream.
    bool wantsGlobalHeader() const;
    AVFormatContext *context() const { return m_output.get(); }

    // Creates the file and writes the header. Throws EncoderError.
    void start();
    // Writes one packet, already in its stream's time base; safe from any stream's thread.
    // Throws EncoderError when the output cannot be written.
    void write(AVPacket *packet);
    // Writes the trailer (and moves the index to the front) and closes the file. Throws
    // EncoderError.
    void finish();

    // The bytes written so far: the file's size once finished.
    int64_t bytesWritten() const { return m_bytesWritten.load(); }

private:
    [[noreturn]] void throwWriteError(int code) const;

    std::string m_writePath;
    std::string m_outputName;
    bool m_analysis;
    bool m_frontIndex;
    OutputContextPtr m_output;
    std::mutex m_mutex; // one writer at a time; the muxer interleaves by itself
    std::atomic<int64_t> m_bytesWritten{0};
};

} // namespace encoder
