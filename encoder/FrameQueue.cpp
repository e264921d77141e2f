#include "FrameQueue.h"

extern "C" {
#include <libavutil/frame.h>
}

namespace encoder {

FrameQueue::FrameQueue(size_t capacity) : m_capacity(capacity) {}

FrameQueue::~FrameQueue()
{
    for (Item &item : m_items)
        av_frame_free(&item.frame);
}

bool FrameQueue::push(Item item)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_aborted || m_items.size() < m_capacity; });
    if (m_aborted) {
        av_frame_free(&item.frame);
        return false;
    }
    m_items.push_back(item);
    m_changed.notify_all();
    return true;
}

bool FrameQueue::pop(Item &item)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_aborted || !m_items.empty(); });
    if (m_aborted)
        return false;
    item = m_items.front();
    m_items.pop_front();
    m_changed.notify_all();
    return true;
}

void FrameQueue::abort()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_aborted = true;
    m_changed.notify_all();
}

} // namespace encoder
