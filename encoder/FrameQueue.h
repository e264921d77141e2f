#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

struct AVFrame;

namespace encoder {

// The hand-over of decoded frames from the reading thread to one output stream's thread
// (filters and encoder). Bounded: at most `capacity` frames are queued or still held by the
// consumer, so a stream that runs ahead makes the reader wait instead of piling up frames.
// Frames move in blocks: a waiting consumer is woken once `block` frames are queued (or the
// producer ends or publishes), a waiting producer once `block` frames are free again, and
// nobody is woken who does not wait. The frame shells are reused, never allocated per frame.
//
// One producer thread and one consumer thread.
class FrameQueue
{
public:
    enum class Result {
        Accepted, // the queue took the frame's content
        Full,     // tryPush only: the queue is full, the frame is untouched
        Refused,  // the consumer wants no more frames, or the queue was aborted
    };

    FrameQueue(size_t capacity, size_t block);
    ~FrameQueue(); // frees the frames still queued or held
    FrameQueue(const FrameQueue &) = delete;
    FrameQueue &operator=(const FrameQueue &) = delete;

    // Producer: takes over the frame's content (the frame is left blank), waiting while the
    // queue is full. A refused frame is left untouched.
    Result push(AVFrame *frame);
    // Producer: as push, but returns Full instead of waiting.
    Result tryPush(AVFrame *frame);
    // Producer: lets a waiting consumer take what is queued, even less than a block (called
    // before the producer waits elsewhere, so this consumer is not left idle).
    void publish();
    // Producer: no more frames; the consumer gets the queued ones, then the end.
    void close();

    // Consumer: the next frame, owned by the queue and valid until the next pop (the consumer
    // may change or unreference it); nullptr at the end or once aborted.
    AVFrame *pop();
    // Consumer: wants no more frames; queued ones are dropped and later pushes refused.
    void refuse();

    // Either side: ends both sides for good (an error somewhere).
    void abort();
    bool aborted();

private:
    Result pushFrame(AVFrame *frame, bool wait);
    void releaseDone(); // with the lock held: gives the consumed shells back
    void takeQueued();  // with the lock held: moves queued frames to the consumer's side

    const size_t m_capacity;
    const size_t m_block;

    std::mutex m_mutex;
    std::condition_variable m_consumerWakes;
    std::condition_variable m_producerWakes;
    std::vector<AVFrame *> m_queued; // pushed, not yet taken by the consumer
    std::vector<AVFrame *> m_pool;   // blank shells to reuse
    size_t m_inFlight = 0;           // queued + on the consumer's side
    bool m_consumerWaiting = false;
    bool m_producerWaiting = false;
    bool m_published = false;
    bool m_closed = false;
    bool m_refused = false;
    bool m_aborted = false;

    // The consumer's side, touched by the consumer thread only (no lock).
    std::vector<AVFrame *> m_ready; // taken from the queue, not yet popped (from m_readyAt)
    size_t m_readyAt = 0;
    std::vector<AVFrame *> m_done; // popped and finished, to be given back
    AVFrame *m_current = nullptr;  // the frame the last pop returned
};

} // namespace encoder
