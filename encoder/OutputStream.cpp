#include "OutputStream.h"

#include "EncoderError.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <pthread.h>

namespace encoder {

OutputStream::OutputStream(Setup setup, std::unique_ptr<StreamEncoder> encoder,
                           std::function<void(std::exception_ptr)> onFailure)
    : m_setup(std::move(setup)), m_encoder(std::move(encoder)), m_onFailure(std::move(onFailure)),
      m_queue(m_setup.queueCapacity, (m_setup.queueCapacity + 1) / 2),
      m_filters(m_setup.filterThreads), m_filtered(av_frame_alloc())
{
    if (!m_filtered)
        throw EncoderError("out of memory");
}

OutputStream::~OutputStream()
{
    abort();
    join();
}

void OutputStream::start(const char *threadName)
{
    m_thread = std::thread([this, threadName] {
        pthread_setname_np(pthread_self(), threadName);
        run();
    });
}

void OutputStream::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void OutputStream::handOver(AVFrame *decoded, OutputStream *other)
{
    FrameQueue::Result result = m_queue.tryPush(decoded);
    if (result == FrameQueue::Result::Full) {
        // While the reader waits for this stream, the other one works on what it was given.
        if (other)
            other->publish();
        result = m_queue.push(decoded);
    }
    if (result == FrameQueue::Result::Refused)
        m_readDone = true;
}

void OutputStream::run()
{
    try {
        while (AVFrame *decoded = m_queue.pop()) {
            filter(decoded);
            if (m_done) {
                m_queue.refuse(); // the reader stops reading this stream
                break;
            }
        }
        if (!m_queue.aborted())
            finish();
    } catch (...) {
        m_onFailure(std::current_exception());
    }
    m_queue.refuse();
}

void OutputStream::filter(AVFrame *decoded)
{
    const bool isVideo = m_setup.isVideo;
    if (!m_filters.configured()) {
        if (isVideo)
            m_filters.configureVideo(decoded, m_setup.timeBase, m_setup.filterChain);
        else
            m_filters.configureAudio(decoded, m_setup.timeBase, m_setup.filterChain,
                                     m_setup.filterFrameSize);
    }
    if (!m_filters.accepts(decoded, isVideo))
        return;

    // Timestamps count from the input's start. One that jumps more than half a minute away
    // from where the stream stands is damage: the stream goes on where it stood instead of
    // being padded (or cut) by that much.
    AVRational tb = m_setup.timeBase;
    const int64_t maxJump = av_rescale_q(30, AVRational{1, 1}, tb);
    int64_t pts = decoded->best_effort_timestamp;
    if (pts != AV_NOPTS_VALUE && (pts > INT64_MAX / 4 || pts < INT64_MIN / 4))
        pts = AV_NOPTS_VALUE; // beyond any real time, and would overflow below
    int64_t expected =
        m_nextPts != AV_NOPTS_VALUE
            ? m_nextPts
            : av_rescale_q(std::llround(m_setup.startSeconds * 1000), AVRational{1, 1000}, tb);
    pts = pts == AV_NOPTS_VALUE ? expected : pts - m_setup.startOffset + m_shift;
    if (pts - expected > maxJump || (m_nextPts != AV_NOPTS_VALUE && expected - pts > maxJump)) {
        m_shift += expected - pts;
        pts = expected;
    }
    int64_t step;
    if (isVideo) {
        AVRational rate = m_setup.sourceRate;
        if (rate.num <= 0 || rate.den <= 0)
            rate = m_setup.frameRate;
        step =
            decoded->pkt_duration > 0 ? decoded->pkt_duration : av_rescale_q(1, av_inv_q(rate), tb);
    } else {
        step = av_rescale_q(decoded->nb_samples, AVRational{1, decoded->sample_rate}, tb);
    }
    m_nextPts = pts + std::max<int64_t>(step, 1);
    decoded->pts = pts;
    decoded->pict_type = AV_PICTURE_TYPE_NONE;
    if (m_filters.add(decoded) < 0)
        return; // a frame the filters refuse is skipped, like a damaged packet
    pull();
}

void OutputStream::pull()
{
    AVFrame *filtered = m_filtered.get();
    while (!m_done) {
        int ret = m_filters.get(filtered);
        if (ret == AVERROR(EAGAIN))
            return;
        if (ret < 0) {
            m_done = true;
            return;
        }
        if (m_setup.isVideo)
            encodePicture(filtered);
        else
            encodeSound(filtered);
        av_frame_unref(filtered);
    }
}

// The frames are numbered from zero and the cut's length applied, then they are encoded.
void OutputStream::encodePicture(AVFrame *picture)
{
    if (m_produced >= m_setup.limit) {
        m_done = true;
        return;
    }
    picture->pts = m_produced++;
    picture->pict_type = AV_PICTURE_TYPE_NONE;
    m_encoder->encode(picture);
    if (m_produced >= m_setup.limit)
        m_done = true;
}

void OutputStream::encodeSound(AVFrame *sound)
{
    int64_t room = m_setup.limit - m_produced;
    if (room <= 0) {
        m_done = true;
        return;
    }
    if (sound->nb_samples > room)
        sound->nb_samples = static_cast<int>(room);
    sound->pts = m_produced;
    m_produced += sound->nb_samples;
    m_encoder->encode(sound);
    if (m_produced >= m_setup.limit)
        m_done = true;
}

// After the last frame: empties the filters and the encoder.
void OutputStream::finish()
{
    if (!m_done && m_filters.configured()) {
        // The stream ends where its last frame ends, so the last picture keeps its full time.
        if (m_filters.close(m_nextPts) >= 0)
            pull();
    }
    m_done = true;
    if (m_produced > 0)
        m_encoder->flush(); // the encoder's flush
}

} // namespace encoder
