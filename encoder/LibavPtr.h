#pragma once

// Owners for the libav objects of one conversion: each is released by its own free call.

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
}

namespace encoder {

struct InputContextDeleter
{
    void operator()(AVFormatContext *ctx) const
    {
        // A context reading through its own byte reader leaves that reader open.
        AVIOContext *pb = ctx && (ctx->flags & AVFMT_FLAG_CUSTOM_IO) ? ctx->pb : nullptr;
        avformat_close_input(&ctx);
        avio_closep(&pb);
    }
};
struct OutputContextDeleter
{
    void operator()(AVFormatContext *ctx) const
    {
        if (ctx && ctx->pb && !(ctx->oformat->flags & AVFMT_NOFILE))
            avio_closep(&ctx->pb);
        avformat_free_context(ctx);
    }
};
struct CodecContextDeleter
{
    void operator()(AVCodecContext *ctx) const { avcodec_free_context(&ctx); }
};
struct FrameDeleter
{
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketDeleter
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};
struct FilterGraphDeleter
{
    void operator()(AVFilterGraph *graph) const { avfilter_graph_free(&graph); }
};

using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextDeleter>;
using OutputContextPtr = std::unique_ptr<AVFormatContext, OutputContextDeleter>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphDeleter>;

} // namespace encoder
