#include "Decoding.h"

#include <algorithm>
#include <cstdint>
#include <thread>

namespace encoder {
namespace {

int decoderThreads(int width, int height, bool besideBusyEncoder)
{
    // One thread per core; libavcodec's own choice adds one more, and with it one more large
    // picture in flight, for little speed when the streams' threads share the cores anyway.
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // x264 and x265 keep every core busy and take most of the work. Beside them a picture up
    // to full HD decodes fast enough on half the threads, and each frame thread saved is a
    // copy of the decoder's state and pictures less to keep and update (on a 1080p source,
    // 5% of the CPU time and 11 MB).
    if (besideBusyEncoder && int64_t{width} * height <= 1920 * 1088)
        return std::max(1, cores / 2);
    return cores;
}

} // namespace

CodecContextPtr openDecoder(AVStream *stream, bool besideBusyEncoder)
{
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return nullptr;
    CodecContextPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx || avcodec_parameters_to_context(ctx.get(), stream->codecpar) < 0)
        return nullptr;
    ctx->pkt_timebase = stream->time_base;
    ctx->thread_count = decoderThreads(stream->codecpar->width, stream->codecpar->height,
                                       besideBusyEncoder);
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
