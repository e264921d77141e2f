#pragma once

#include "FilterGraph.h"
#include "FrameQueue.h"
#include "LibavPtr.h"
#include "StreamEncoder.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace encoder {

// One output stream, converted on a thread of its own: it takes the decoded frames that the
// reading thread hands over through a small FrameQueue, gives them steady timestamps, runs
// them through its filters, numbers the filtered frames, ends where the cut's length ends,
// and encodes them. The first failure goes to onFailure and ends the thread's work.
class OutputStream
{
public:
    struct Setup
    {
        bool isVideo = false;
        AVRational timeBase{1, 1}; // of the source stream
        int64_t startOffset = 0;   // the input's start time in that time base
        double startSeconds = 0.0; // where the cut begins in the source
        // Pictures: the source's frame rate when known, else the output's, gives a frame
        // without a duration its length.
        AVRational sourceRate{0, 1};
        AVRational frameRate{25, 1};
        int64_t limit = INT64_MAX; // the most frames or samples the cut allows
        std::string filterChain;
        int filterFrameSize = 0; // sound: samples per filtered frame
        int filterThreads = 0;   // threads of the filters that work in slices (0: per core)
        size_t queueCapacity = 1;
    };

    OutputStream(Setup setup, std::unique_ptr<StreamEncoder> encoder,
                 std::function<void(std::exception_ptr)> onFailure);
    ~OutputStream(); // stops the thread
    OutputStream(const OutputStream &) = delete;
    OutputStream &operator=(const OutputStream &) = delete;

    // Starts the stream's thread, named for whoever looks at the threads (top -H, perf).
    void start(const char *threadName);

    // Reading thread: queues a decoded frame (taking its content). While this stream's queue
    // is full, other (when there is one) is let work on what it was given. A stream that
    // wants no more (its cut is complete, or a failure ended the conversion) is read no
    // further.
    void handOver(AVFrame *decoded, OutputStream *other);
    bool wantsFrames() const { return !m_readDone; }
    // Reading thread: lets the thread take what is queued, even less than a block.
    void publish() { m_queue.publish(); }
    // Reading thread: no more frames; the thread finishes the stream.
    void close() { m_queue.close(); }

    // Ends the thread's work at once (a failure elsewhere).
    void abort() { m_queue.abort(); }
    // Waits for the thread to end.
    void join();

    // Frames (pictures) or samples (sound) encoded so far; safe from any thread.
    int64_t produced() const { return m_produced.load(); }
    const StreamEncoder &encoder() const { return *m_encoder; }

private:
    void run();
    void filter(AVFrame *decoded);
    void pull();
    void encodePicture(AVFrame *picture);
    void encodeSound(AVFrame *sound);
    void finish();

    Setup m_setup;
    std::unique_ptr<StreamEncoder> m_encoder;
    std::function<void(std::exception_ptr)> m_onFailure;
    FrameQueue m_queue;
    std::thread m_thread;
    bool m_readDone = false; // reading thread only

    // The stream's thread only.
    FilterGraph m_filters;
    FramePtr m_filtered;
    int64_t m_shift = 0;                // mends jumps of damaged timestamps
    int64_t m_nextPts = AV_NOPTS_VALUE; // where the next frame should start, from the input's start
    bool m_done = false;                // the filters have ended or the cut is reached
    std::atomic<int64_t> m_produced{0};
};

} // namespace encoder
