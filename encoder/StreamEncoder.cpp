#include "StreamEncoder.h"

#include "EncoderError.h"
#include "Mp3Bitrate.h"
#include "Muxer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace encoder {
namespace {

// The libx264 or libx265 encoder with the profile, level and rate control cap asked for.
// Their own messages stay off the console, which carries only the progress reports.
void setUpH26x(const EncoderOptions &options, AVCodecContext *ctx, AVDictionary **opts)
{
    const bool hevc = options.videoCodec == "hevc";
    if (options.maxRateK) {
        ctx->rc_max_rate = int64_t{*options.maxRateK} * 1000;
        ctx->rc_buffer_size = static_cast<int>(std::min<int64_t>(
            INT32_MAX, int64_t{options.bufSizeK.value_or(*options.maxRateK * 2)} * 1000));
    }
    if (!options.videoProfile.empty())
        av_dict_set(opts, "profile", options.videoProfile.c_str(), 0);
    if (hevc) {
        std::string params = "log-level=error";
        // Below four cores x265 encodes one frame at a time, spread over the picture's rows
        // of 64 pixels; a phone-sized picture has too few rows to keep a second core busy.
        // Two frames at once do.
        const unsigned cores = std::thread::hardware_concurrency();
        if (cores >= 2 && cores < 4)
            params += ":frame-threads=2";
        if (!options.level.empty())
            params += ":level-idc=" + options.level;
        if (options.passStage)
            params +=
                ":pass=" + std::to_string(options.passStage) + ":stats=" + options.passLogFile;
        av_dict_set(opts, "x265-params", params.c_str(), 0);
    } else {
        if (!options.level.empty())
            av_dict_set(opts, "level", options.level.c_str(), 0);
        if (options.passStage) {
            ctx->flags |= options.passStage == 1 ? AV_CODEC_FLAG_PASS1 : AV_CODEC_FLAG_PASS2;
            av_dict_set(opts, "stats", options.passLogFile.c_str(), 0);
        }
    }
}

} // namespace

StreamEncoder::StreamEncoder(Muxer &muxer, AVStream *stream)
    : m_muxer(muxer), m_stream(stream), m_packet(av_packet_alloc())
{
    if (!m_packet)
        throw EncoderError("out of memory");
}

std::unique_ptr<StreamEncoder> StreamEncoder::openVideo(const EncoderOptions &options,
                                                        const std::string &container,
                                                        const VideoPlan &plan, Muxer &muxer)
{
    const int width = plan.fit.width;
    const int height = plan.fit.height;
    const AVRational frameRate = plan.frameRate;
    const std::string name = videoCodecFor(options, width, height);
    if (name == "h263" && !isH263Size(width, height))
        throw EncoderError("H.263 cannot hold the frame size " + std::to_string(width) + "x" +
                           std::to_string(height));
    const AVCodec *codec = nullptr;
    bool xvidTag = false;
    const bool h26x = name == "h264" || name == "hevc";
    if (h26x && container == "avi")
        throw EncoderError("an .avi file cannot hold " + name + " video here; write .mp4");
    CodecContextPtr ctx;
    AVDictionary *opts = nullptr;
    if (h26x) {
        // Allocated for the codec first, so that its own defaults (the key frame interval,
        // B-frames) stand unless the options say otherwise.
        codec = avcodec_find_encoder_by_name(name == "hevc" ? "libx265" : "libx264");
        if (!codec)
            throw EncoderError("no encoder for the video codec " + name);
        ctx.reset(avcodec_alloc_context3(codec));
        if (!ctx)
            throw EncoderError("out of memory");
        setUpH26x(options, ctx.get(), &opts);
    } else if (name == "xvid") {
        codec = avcodec_find_encoder_by_name("libxvid");
        if (!codec) {
            codec = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
            xvidTag = true;
        }
    } else {
        codec = avcodec_find_encoder(name == "h263" ? AV_CODEC_ID_H263 : AV_CODEC_ID_MPEG4);
    }
    if (!codec)
        throw EncoderError("no encoder for the video codec " + name);

    if (!ctx)
        ctx.reset(avcodec_alloc_context3(codec));
    if (!ctx)
        throw EncoderError("out of memory");
    ctx->width = width;
    ctx->height = height;
    ctx->pix_fmt = AV_PIX_FMT_YUV420P;
    ctx->time_base = av_inv_q(frameRate);
    ctx->framerate = frameRate;
    ctx->sample_aspect_ratio = plan.fit.sampleAspect;
    ctx->bit_rate = static_cast<int64_t>(options.videoBitrateK.value_or(512)) * 1000;
    if (!h26x)
        ctx->gop_size = 12;
    ctx->thread_count = 0;
    if (muxer.wantsGlobalHeader())
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int ret = avcodec_open2(ctx.get(), codec, &opts);
    av_dict_free(&opts);
    if (ret < 0)
        throw EncoderError("cannot start the " + name + " encoder at " + std::to_string(width) +
                           "x" + std::to_string(height) + ": " + avErrorText(ret));

    AVStream *stream = muxer.addStream();
    checkAv(avcodec_parameters_from_context(stream->codecpar, ctx.get()), "video stream");
    stream->time_base = ctx->time_base;
    stream->avg_frame_rate = frameRate;
    stream->sample_aspect_ratio = plan.fit.sampleAspect;
    if (xvidTag && container == "avi")
        stream->codecpar->codec_tag = MKTAG('X', 'V', 'I', 'D');
    if (!options.videoTag.empty()) {
        const std::string &tag = options.videoTag;
        stream->codecpar->codec_tag = MKTAG(tag[0], tag[1], tag[2], tag[3]);
    }
    std::unique_ptr<StreamEncoder> encoder(new StreamEncoder(muxer, stream));
    encoder->m_timeBase = ctx->time_base;
    encoder->m_codec = std::move(ctx);
    encoder->m_isVideo = true;
    return encoder;
}

std::unique_ptr<StreamEncoder> StreamEncoder::openAudio(const EncoderOptions &options,
                                                        const std::string &container,
                                                        const AudioPlan &plan, Muxer &muxer)
{
    const int sampleRate = plan.sampleRate;
    std::string name = options.audioCodec;
    if (name.empty())
        name = container == "amr"                           ? "amr_nb"
               : (container == "mp3" || container == "avi") ? "mp3"
                                                            : "aac";
    if (container == "amr" && name != "amr_nb")
        throw EncoderError("an .amr file holds only AMR-NB audio");
    if (container == "mp3" && name != "mp3")
        throw EncoderError("an .mp3 file holds only MP3 audio");
    if (container == "adts" && name != "aac")
        throw EncoderError("an .aac file holds only AAC audio");

    AVStream *stream = muxer.addStream();
    std::unique_ptr<StreamEncoder> encoder(new StreamEncoder(muxer, stream));
    encoder->m_timeBase = AVRational{1, sampleRate};
    int askedBps = options.audioBitrateK.value_or(64) * 1000;

    if (name == "amr_nb") {
        encoder->m_amr = std::make_unique<AmrNbEncoder>(askedBps);
        AVCodecParameters *par = stream->codecpar;
        par->codec_type = AVMEDIA_TYPE_AUDIO;
        par->codec_id = AV_CODEC_ID_AMR_NB;
        par->sample_rate = AmrNbEncoder::kSampleRate;
        av_channel_layout_default(&par->ch_layout, 1);
        par->frame_size = AmrNbEncoder::kFrameSamples;
        par->bit_rate = encoder->m_amr->bitrate();
        stream->time_base = encoder->m_timeBase;
        return encoder;
    }

    const AVCodec *codec = name == "mp3" ? avcodec_find_encoder_by_name("libmp3lame")
                                         : avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!codec)
        throw EncoderError("no encoder for the audio codec " + name);
    CodecContextPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx)
        throw EncoderError("out of memory");
    ctx->sample_rate = sampleRate;
    av_channel_layout_default(&ctx->ch_layout, plan.channels);
    ctx->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    for (const AVSampleFormat *f = codec->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == AV_SAMPLE_FMT_FLTP)
            ctx->sample_fmt = *f;
    }
    int kbits = options.audioBitrateK.value_or(64);
    if (name == "mp3")
        kbits = NearestMp3Bitrate(sampleRate, kbits);
    ctx->bit_rate = static_cast<int64_t>(kbits) * 1000;
    ctx->time_base = encoder->m_timeBase;
    if (muxer.wantsGlobalHeader())
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int ret = avcodec_open2(ctx.get(), codec, nullptr);
    if (ret < 0)
        throw EncoderError("cannot start the " + name + " encoder at " +
                           std::to_string(sampleRate) + " Hz, " + std::to_string(kbits) +
                           " kbit/s: " + avErrorText(ret));
    checkAv(avcodec_parameters_from_context(stream->codecpar, ctx.get()), "audio stream");
    stream->time_base = ctx->time_base;
    encoder->m_codec = std::move(ctx);
    return encoder;
}

AVSampleFormat StreamEncoder::sampleFormat() const
{
    return m_codec ? m_codec->sample_fmt : AV_SAMPLE_FMT_S16;
}

int StreamEncoder::frameSize() const
{
    return m_codec ? m_codec->frame_size : AmrNbEncoder::kFrameSamples;
}

void StreamEncoder::encode(AVFrame *frame)
{
    if (m_amr)
        encodeAmr(frame);
    else
        drain(frame);
}

void StreamEncoder::flush()
{
    if (m_codec)
        drain(nullptr);
}

void StreamEncoder::encodeAmr(const AVFrame *sound)
{
    auto *samples = reinterpret_cast<const int16_t *>(sound->data[0]);
    for (int at = 0; at < sound->nb_samples; at += AmrNbEncoder::kFrameSamples) {
        std::vector<uint8_t> bytes = m_amr->encode(
            samples + at, std::min(AmrNbEncoder::kFrameSamples, sound->nb_samples - at));
        AVPacket *encoded = m_packet.get();
        av_packet_unref(encoded);
        checkAv(av_new_packet(encoded, static_cast<int>(bytes.size())), "AMR-NB packet");
        std::memcpy(encoded->data, bytes.data(), bytes.size());
        encoded->pts = encoded->dts = sound->pts + at;
        encoded->duration = AmrNbEncoder::kFrameSamples;
        write(encoded);
    }
}

void StreamEncoder::drain(const AVFrame *toSend)
{
    checkAv(avcodec_send_frame(m_codec.get(), toSend), "encoding");
    AVPacket *encoded = m_packet.get();
    for (;;) {
        int ret = avcodec_receive_packet(m_codec.get(), encoded);
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return;
        checkAv(ret, "encoding");
        if (m_isVideo) {
            size_t size = 0;
            const uint8_t *stats =
                av_packet_get_side_data(encoded, AV_PKT_DATA_QUALITY_STATS, &size);
            if (stats && size >= 4) {
                int32_t quality = 0;
                std::memcpy(&quality, stats, 4);
                m_lastQuality.store(quality / static_cast<double>(FF_QP2LAMBDA));
            }
        }
        write(encoded);
    }
}

void StreamEncoder::write(AVPacket *packet)
{
    av_packet_rescale_ts(packet, m_timeBase, m_stream->time_base);
    packet->stream_index = m_stream->index;
    m_muxer.write(packet);
}

} // namespace encoder
