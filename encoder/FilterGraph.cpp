#include "FilterGraph.h"

#include "EncoderError.h"

#include <cstdio>
#include <cstring>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace encoder {
namespace {

std::string seconds(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

std::string rational(AVRational q)
{
    return std::to_string(q.num) + "/" + std::to_string(q.den);
}

// The cut, in source seconds from the input's start: trim to [start, start + length), then
// make the output begin at zero.
std::string cutFilters(const char *trim, const char *setpts, std::optional<double> start,
                       std::optional<double> length)
{
    std::string chain;
    double from = start.value_or(0.0);
    if (from > 0 || length) {
        chain += std::string(trim) + "=start=" + seconds(from);
        if (length)
            chain += ":end=" + seconds(from + *length);
        chain += ",";
    }
    if (from > 0)
        chain += std::string(setpts) + "=PTS-" + seconds(from) + "/TB,";
    return chain;
}

} // namespace

std::string videoFilterChain(const EncoderOptions &options, std::optional<double> deliveredFps,
                             const VideoPlan &plan)
{
    std::string chain;
    if (deliveredFps)
        chain += "fps=fps=" + rational(deliveredRate(*deliveredFps)) + ",";
    chain += cutFilters("trim", "setpts", options.startSeconds, options.durationSeconds);
    // Frames are dropped or repeated before scaling, so only kept frames are scaled.
    chain += "fps=fps=" + rational(plan.frameRate) + ":start_time=0,";
    chain += plan.fit.filters() + ",";
    chain += "setsar=sar=" + rational(plan.fit.sampleAspect) + ",format=pix_fmts=yuv420p";
    return chain;
}

std::string audioFilterChain(const EncoderOptions &options, const AudioPlan &plan,
                             AVSampleFormat encoderFormat)
{
    const char *outLayout = plan.channels == 1 ? "mono" : "stereo";
    std::string chain =
        cutFilters("atrim", "asetpts", options.startSeconds, options.durationSeconds);
    const bool louder = options.volumePercent > 100;
    if (options.volumePercent < 100)
        chain += "volume=volume=" + seconds(options.volumePercent / 100.0) + ":precision=float,";
    // Timestamps drive the resampler, so a late or gappy sound track is padded with silence
    // and stays in step with the pictures.
    chain += "aresample=osr=" + std::to_string(plan.sampleRate) + ":ochl=" + outLayout +
             ":osf=" + (louder ? "dbl" : av_get_sample_fmt_name(encoderFormat)) +
             ":async=1:first_pts=0,";
    // A gain above 1 goes through a look-ahead peak limiter at half a decibel below full
    // scale, so loud passages are held there instead of clipping; its delay is taken back.
    if (louder)
        chain += "volume=volume=" + seconds(options.volumePercent / 100.0) +
                 ":precision=double,alimiter=limit=0.944:level=false:latency=true,";
    chain += std::string("aformat=sample_fmts=") + av_get_sample_fmt_name(encoderFormat) +
             ":sample_rates=" + std::to_string(plan.sampleRate) + ":channel_layouts=" + outLayout;
    return chain;
}

FilterGraph::~FilterGraph()
{
    av_channel_layout_uninit(&m_layout);
}

void FilterGraph::build(const char *sourceName, const std::string &sourceArgs,
                        const std::string &chain)
{
    m_graph.reset(avfilter_graph_alloc());
    AVFilterGraph *graph = m_graph.get();
    if (!graph)
        throw EncoderError("out of memory");
    graph->nb_threads = m_threads;
    const bool isVideo = std::strcmp(sourceName, "buffer") == 0;
    checkAv(avfilter_graph_create_filter(&m_source, avfilter_get_by_name(sourceName), "in",
                                         sourceArgs.c_str(), nullptr, graph),
            "filter input");
    checkAv(avfilter_graph_create_filter(
                &m_sink, avfilter_get_by_name(isVideo ? "buffersink" : "abuffersink"), "out",
                nullptr, nullptr, graph),
            "filter output");

    AVFilterInOut *outputs = avfilter_inout_alloc();
    AVFilterInOut *inputs = avfilter_inout_alloc();
    if (!outputs || !inputs) {
        avfilter_inout_free(&outputs);
        avfilter_inout_free(&inputs);
        throw EncoderError("out of memory");
    }
    outputs->name = av_strdup("in");
    outputs->filter_ctx = m_source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = m_sink;
    int ret = avfilter_graph_parse_ptr(graph, chain.c_str(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&outputs);
    avfilter_inout_free(&inputs);
    checkAv(ret, "filter graph \"" + chain + "\"");
    checkAv(avfilter_graph_config(graph, nullptr), "filter graph \"" + chain + "\"");
    m_configured = true;
}

void FilterGraph::configureVideo(const AVFrame *first, AVRational timeBase,
                                 const std::string &chain)
{
    AVRational sar =
        first->sample_aspect_ratio.num > 0 ? first->sample_aspect_ratio : AVRational{1, 1};
    std::string args = "video_size=" + std::to_string(first->width) + "x" +
                       std::to_string(first->height) + ":pix_fmt=" + std::to_string(first->format) +
                       ":time_base=" + rational(timeBase) + ":pixel_aspect=" + rational(sar);
    build("buffer", args, chain);
    m_width = first->width;
    m_height = first->height;
    m_format = first->format;
}

void FilterGraph::configureAudio(const AVFrame *first, AVRational timeBase,
                                 const std::string &chain, int frameSize)
{
    av_channel_layout_uninit(&m_layout);
    if (first->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&m_layout, first->ch_layout.nb_channels);
    else
        checkAv(av_channel_layout_copy(&m_layout, &first->ch_layout), "channel layout");
    char layout[128] = {0};
    av_channel_layout_describe(&m_layout, layout, sizeof layout);
    std::string args =
        "time_base=" + rational(timeBase) + ":sample_rate=" + std::to_string(first->sample_rate) +
        ":sample_fmt=" + av_get_sample_fmt_name(static_cast<AVSampleFormat>(first->format)) +
        ":channel_layout=" + layout;
    build("abuffer", args, chain);
    av_buffersink_set_frame_size(m_sink, static_cast<unsigned>(frameSize));
    m_rate = first->sample_rate;
    m_channels = first->ch_layout.nb_channels;
    m_format = first->format;
}

bool FilterGraph::accepts(AVFrame *frame, bool isVideo)
{
    if (isVideo)
        return frame->width == m_width && frame->height == m_height && frame->format == m_format;
    if (frame->sample_rate != m_rate || frame->ch_layout.nb_channels != m_channels ||
        frame->format != m_format)
        return false;
    if (av_channel_layout_compare(&frame->ch_layout, &m_layout) != 0) {
        av_channel_layout_uninit(&frame->ch_layout);
        checkAv(av_channel_layout_copy(&frame->ch_layout, &m_layout), "channel layout");
    }
    return true;
}

int FilterGraph::add(AVFrame *frame)
{
    return av_buffersrc_add_frame_flags(m_source, frame, 0);
}

int FilterGraph::get(AVFrame *filtered)
{
    return av_buffersink_get_frame(m_sink, filtered);
}

int FilterGraph::close(int64_t pts)
{
    return av_buffersrc_close(m_source, pts, 0);
}

} // namespace encoder
