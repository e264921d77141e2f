#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

struct AVFrame;

namespace encoder {

// The hand-over from the decoding side (demux, decode, filter) to the encoding side (encode,
// mux), which run on two threads so that both keep a core busy. Bounded, so the decoding side
// waits instead of piling up frames.
class FrameQueue
{
public:
    struct Item
    {
        int stream = 0;           // which output stream the frame is for
        AVFrame *frame = nullptr; // owned by the queue while queued; nullptr asks for a flush
        bool stop = false;        // no more items
    };

    explicit FrameQueue(size_t capacity);
    ~FrameQueue(); // frees the frames still queued
    FrameQueue(const FrameQueue &) = delete;
    FrameQueue &operator=(const FrameQueue &) = delete;

    // Waits while the queue is full. Returns false (and frees the frame) once aborted.
    bool push(Item item);
    // Waits while the queue is empty. Returns false once aborted.
    bool pop(Item &item);
    // Wakes both sides for good: pushes and pops fail from now on.
    void abort();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Item> m_items;
    size_t m_capacity;
    bool m_aborted = false;
};

} // namespace encoder
