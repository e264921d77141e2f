#include "Decoding.h"

#include <algorithm>
#include <thread>

namespace encoder {

CodecContextPtr openDecoder(AVStream *stream)
{
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return nullptr;
    CodecContextPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx || avcodec_parameters_to_context(ctx.get(), stream->codecpar) < 0)
        return nullptr;
    ctx->pkt_timebase = stream->time_base;
    // One thread per core; libavcodec's own choice adds one more, and with it one more large
    // picture in flight, for little speed when the streams' threads share the cores anyway.
    ctx->thread_count = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    ctx->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0)
        return nullptr;
    return ctx;
}

void decodePacket(AVCodecContext *decoder, const AVPacket *packet, AVFrame *frame,
                  const std::function<bool(AVFrame *)> &deliver)
{
    int ret = avcodec_send_packet(decoder, packet);
    if (ret < 0 && ret != AVERROR(EAGAIN) && ret != AVERROR_EOF)
        return; // a damaged packet: skip it as a player would
    for (bool more = true; more;) {
        ret = avcodec_receive_frame(decoder, frame);
        if (ret < 0)
            return;
        more = deliver(frame);
        av_frame_unref(frame);
    }
}

} // namespace encoder
