#pragma once

#include "EncoderOptions.h"
#include "LibavPtr.h"
#include "OutputPlan.h"

#include <optional>
#include <string>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace encoder {

// The filters of the picture stream: the script's delivered rate, the cut, the output's
// frame rate, the fit into the output frame, its pixel aspect and pixel format.
std::string videoFilterChain(const EncoderOptions &options, std::optional<double> deliveredFps,
                             const VideoPlan &plan);

// The filters of the sound stream: the cut, the volume (through a peak limiter above 100%),
// resampling to the output's rate and channels in step with the timestamps, and the
// encoder's sample format.
std::string audioFilterChain(const EncoderOptions &options, const AudioPlan &plan,
                             AVSampleFormat encoderFormat);

// One stream's filter graph. It is built for the first decoded frame, whose size, pixel or
// sample format, rate and channels it is set up for; later frames that differ are not
// accepted (a source that changes midway goes on with what it began with).
class FilterGraph
{
public:
    // threads: how many threads the filters that work in slices use (0: one per core).
    explicit FilterGraph(int threads = 0) : m_threads(threads) {}
    ~FilterGraph();
    FilterGraph(const FilterGraph &) = delete;
    FilterGraph &operator=(const FilterGraph &) = delete;

    // Builds the graph "chain" for pictures like first, with timestamps in timeBase.
    // Throws EncoderError.
    void configureVideo(const AVFrame *first, AVRational timeBase, const std::string &chain);
    // Builds the graph "chain" for sound like first; it delivers frameSize samples a frame.
    // Throws EncoderError.
    void configureAudio(const AVFrame *first, AVRational timeBase, const std::string &chain,
                        int frameSize);
    bool configured() const { return m_configured; }

    // Whether the graph takes this frame; a sound frame whose channel layout says the same
    // channels in other words gets the graph's layout.
    bool accepts(AVFrame *frame, bool isVideo);
    // Feeds a frame (taking its content); negative when the filters refuse it.
    int add(AVFrame *frame);
    // The next filtered frame: 0, AVERROR(EAGAIN) when the filters need more, or the end.
    int get(AVFrame *filtered);
    // Ends the input at pts (in the input's time base), so the last frame keeps its time.
    int close(int64_t pts);

private:
    void build(const char *sourceName, const std::string &sourceArgs, const std::string &chain);

    int m_threads;
    FilterGraphPtr m_graph;
    AVFilterContext *m_source = nullptr;
    AVFilterContext *m_sink = nullptr;
    bool m_configured = false;
    // What the graph was built for.
    int m_width = 0, m_height = 0, m_format = -1, m_rate = 0, m_channels = 0;
    AVChannelLayout m_layout{};
};

} // namespace encoder
