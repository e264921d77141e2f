#include "FrameQueue.h"

#include <algorithm>
#include <new>

extern "C" {
#include <libavutil/frame.h>
}

namespace encoder {

FrameQueue::FrameQueue(size_t capacity, size_t block)
    : m_capacity(std::max<size_t>(capacity, 1)), m_block(std::clamp<size_t>(block, 1, m_capacity))
{
    // Reserved once, so that moving frames between the lists never allocates.
    m_queued.reserve(m_capacity);
    m_pool.reserve(m_capacity);
    m_ready.reserve(m_capacity);
    m_done.reserve(m_capacity);
}

FrameQueue::~FrameQueue()
{
    for (std::vector<AVFrame *> *list : {&m_queued, &m_pool, &m_ready, &m_done}) {
        for (AVFrame *&frame : *list)
            av_frame_free(&frame);
    }
    av_frame_free(&m_current);
}

FrameQueue::Result FrameQueue::push(AVFrame *frame)
{
    return pushFrame(frame, true);
}

FrameQueue::Result FrameQueue::tryPush(AVFrame *frame)
{
    return pushFrame(frame, false);
}

FrameQueue::Result FrameQueue::pushFrame(AVFrame *frame, bool wait)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_aborted && !m_refused && m_inFlight >= m_capacity) {
        if (!wait)
            return Result::Full;
        m_producerWaiting = true;
        m_producerWakes.wait(lock);
        m_producerWaiting = false;
    }
    if (m_aborted || m_refused)
        return Result::Refused;
    AVFrame *shell = nullptr;
    if (!m_pool.empty()) {
        shell = m_pool.back();
        m_pool.pop_back();
    } else {
        shell = av_frame_alloc(); // at most `capacity` times in the queue's life
        if (!shell)
            throw std::bad_alloc();
    }
    av_frame_move_ref(shell, frame);
    m_queued.push_back(shell);
    ++m_inFlight;
    if (m_consumerWaiting && m_queued.size() >= m_block)
        m_consumerWakes.notify_one();
    return Result::Accepted;
}

void FrameQueue::publish()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_consumerWaiting && !m_queued.empty()) {
        m_published = true;
        m_consumerWakes.notify_one();
    }
}

void FrameQueue::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed = true;
    if (m_consumerWaiting)
        m_consumerWakes.notify_one();
}

void FrameQueue::releaseDone()
{
    for (AVFrame *shell : m_done)
        m_pool.push_back(shell);
    m_inFlight -= m_done.size();
    m_done.clear();
    // Wake a waiting producer only once a block fits again, so it hands over a block at a time.
    if (m_producerWaiting && (m_inFlight + m_block <= m_capacity || m_refused))
        m_producerWakes.notify_one();
}

void FrameQueue::takeQueued()
{
    m_ready.erase(m_ready.begin(), m_ready.begin() + static_cast<std::ptrdiff_t>(m_readyAt));
    m_readyAt = 0;
    m_ready.insert(m_ready.end(), m_queued.begin(), m_queued.end());
    m_queued.clear();
}

AVFrame *FrameQueue::pop()
{
    if (m_current) {
        av_frame_unref(m_current);
        m_done.push_back(m_current);
        m_current = nullptr;
    }
    // Between blocks the consumer runs without the lock.
    if (m_readyAt < m_ready.size() && m_done.size() < m_block) {
        m_current = m_ready[m_readyAt++];
        return m_current;
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_aborted)
        return nullptr;
    releaseDone();
    takeQueued();
    while (m_ready.empty()) {
        if (m_aborted || m_closed)
            return nullptr;
        if (m_producerWaiting) // cannot be while nothing is in flight; never leave it waiting
            m_producerWakes.notify_one();
        m_consumerWaiting = true;
        m_consumerWakes.wait(lock, [this] {
            return m_aborted || m_closed || m_published || m_queued.size() >= m_block;
        });
        m_consumerWaiting = false;
        m_published = false;
        if (m_aborted)
            return nullptr;
        takeQueued();
    }
    m_current = m_ready[m_readyAt++];
    return m_current;
}

void FrameQueue::refuse()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_refused = true;
    if (m_current) {
        av_frame_unref(m_current);
        m_done.push_back(m_current);
        m_current = nullptr;
    }
    for (size_t i = m_readyAt; i < m_ready.size(); ++i) {
        av_frame_unref(m_ready[i]);
        m_done.push_back(m_ready[i]);
    }
    m_ready.clear();
    m_readyAt = 0;
    for (AVFrame *shell : m_queued) {
        av_frame_unref(shell);
        m_done.push_back(shell);
    }
    m_queued.clear();
    releaseDone();
    m_producerWakes.notify_one();
}

void FrameQueue::abort()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_aborted = true;
    m_consumerWakes.notify_all();
    m_producerWakes.notify_all();
}

bool FrameQueue::aborted()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_aborted;
}

} // namespace encoder
