#include "Transcoder.h"

#include "AmrNbEncoder.h"
#include "EncoderError.h"
#include "FrameQueue.h"
#include "Metadata.h"
#include "SourceReader.h"
#include "VideoFit.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>
#include <pthread.h>
#include <sys/stat.h>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

namespace encoder {
namespace {

constexpr int kFallbackFrameRate = 25;
// Decoded frames on their way to a stream's thread. Pictures wait up to this many bytes (a
// few small ones, a single large one: memory stays below a player's); sound frames are small
// and come in runs from the source. A consumer is woken for half its queue at once.
constexpr int64_t kQueuedPictureBytes = 4 << 20;
constexpr size_t kMostQueuedPictures = 8;
constexpr size_t kQueuedSounds = 48;
// AMR-NB frames are short (20 ms); the filters deliver a second of them at once.
constexpr int kAmrFramesPerBlock = 50;

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

// libmp3lame takes only the bitrates its MPEG version defines; use the nearest one.
int mp3Bitrate(int sampleRate, int askedK)
{
    static const std::array<int, 14> kMpeg1 = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const std::array<int, 14> kMpeg2 = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const std::array<int, 8> kMpeg25 = {8, 16, 24, 32, 40, 48, 56, 64};
    auto nearest = [askedK](const auto &table) {
        int best = table[0];
        for (int k : table) {
            if (std::abs(k - askedK) < std::abs(best - askedK))
                best = k;
        }
        return best;
    };
    if (sampleRate >= 32000)
        return nearest(kMpeg1);
    if (sampleRate >= 16000)
        return nearest(kMpeg2);
    return nearest(kMpeg25);
}

// The script's rate as a fraction; its 29.97... is the NTSC rate 30000/1001.
AVRational deliveredRate(double fps)
{
    if (std::fabs(fps - 30000.0 / 1001.0) < 0.001)
        return AVRational{30000, 1001};
    return av_d2q(fps, 65535);
}

bool isH263Size(int width, int height)
{
    return (width == 128 && height == 96) || (width == 176 && height == 144) ||
           (width == 352 && height == 288) || (width == 704 && height == 576) ||
           (width == 1408 && height == 1152);
}

// The decoded stream and everything behind it up to the muxer, for one kind of media.
struct StreamPath
{
    int inIndex = -1;
    AVStream *inStream = nullptr;
    CodecContextPtr decoder;
    FilterGraphPtr graph;
    AVFilterContext *source = nullptr;
    AVFilterContext *sink = nullptr;
    CodecContextPtr encoder; // empty for AMR-NB, which opencore encodes
    std::unique_ptr<AmrNbEncoder> amr;
    AVStream *outStream = nullptr;
    AVRational encoderTimeBase{1, 1};
    AVRational guessedRate{0, 1}; // the source's frame rate, read before the threads start
    int64_t startOffset = 0;  // the input's start time in the stream's time base
    int64_t shift = 0;        // mends jumps of damaged timestamps
    int64_t nextPts = AV_NOPTS_VALUE; // where the next frame should start, from the input's start
    std::atomic<int64_t> produced{0}; // frames (video) or samples (audio) sent to the encoder
    int64_t limit = INT64_MAX; // the most frames or samples the cut allows
    bool configured = false;
    bool done = false;        // the filter has ended or the cut is reached (stream's thread)
    bool readDone = false;    // the stream takes no more frames (reading thread)
    // The stream's own thread runs its filters and encoder on the frames the queue brings.
    std::unique_ptr<FrameQueue> queue;
    std::thread thread;
    FramePtr filtered;
    PacketPtr encoded;
    // What the filter graph was configured for; frames that differ are dropped.
    int cfgWidth = 0, cfgHeight = 0, cfgFormat = -1, cfgRate = 0, cfgChannels = 0;
    AVChannelLayout cfgLayout{};

    bool active() const { return inIndex >= 0; }
};

} // namespace

struct Transcoder::Impl
{
    EncoderOptions options;
    SourceSpec source;
    std::string container;
    InputContextPtr input;
    OutputContextPtr output;
    StreamPath video;
    StreamPath audio;
    bool outputHoldsVideo = false;
    AVRational frameRate{kFallbackFrameRate, 1};
    int width = 0, height = 0;
    AVRational sampleAspect{1, 1};
    VideoFit fit;
    int sampleRate = 0;
    int channels = 0;
    FramePtr frame{av_frame_alloc()};
    PacketPtr packet{av_packet_alloc()};

    // What the threads share: the muxer (one writer at a time; it interleaves by itself),
    // the first failure, and the figures of the progress report.
    std::mutex muxMutex;
    std::mutex failMutex;
    std::exception_ptr firstError;
    std::atomic<int64_t> bytesWritten{0};
    std::atomic<double> lastQuality{0.0};

    ~Impl()
    {
        stopStreams();
        av_channel_layout_uninit(&video.cfgLayout);
        av_channel_layout_uninit(&audio.cfgLayout);
    }

    double startSeconds() const { return options.startSeconds.value_or(0.0); }

    void openInput();
    void pickStreams();
    CodecContextPtr openDecoder(AVStream *stream);
    void planVideo();
    void planAudio();
    void openOutput(const std::string &writePath);
    void openVideoEncoder();
    void openAudioEncoder();
    bool seekToStart();
    void reopenInput();
    void configureVideoGraph(const AVFrame *first);
    void configureAudioGraph(const AVFrame *first);
    void decode(StreamPath &path, const AVPacket *pkt);
    void handOver(StreamPath &path, AVFrame *decoded);
    void startStreams();
    void streamLoop(StreamPath &path);
    void fail(std::exception_ptr error);
    void endStreams();
    void stopStreams();
    void pushFrame(StreamPath &path, AVFrame *decoded);
    void pull(StreamPath &path);
    void queueVideo(AVFrame *picture);
    void queueAudio(AVFrame *sound);
    void encode(StreamPath &path, AVFrame *toEncode);
    void encodeAmr(const AVFrame *sound);
    void drainEncoder(StreamPath &path, const AVFrame *toSend);
    void writePacket(StreamPath &path, AVPacket *pkt);
    void finishPath(StreamPath &path);
    ProgressReporter::Status status() const;
    bool allRead() const
    {
        return (!video.active() || video.readDone) && (!audio.active() || audio.readDone);
    }
};

void Transcoder::Impl::openInput()
{
    struct stat info{};
    if (::stat(source.path.c_str(), &info) != 0)
        throw EncoderError("the input file \"" + source.path + "\" does not exist");
    if (S_ISDIR(info.st_mode))
        throw EncoderError("the input \"" + source.path + "\" is a folder");
    if (S_ISREG(info.st_mode) && info.st_size == 0)
        throw EncoderError("the input file \"" + source.path + "\" is empty");

    input = openSourceFile(source.path);
}

CodecContextPtr Transcoder::Impl::openDecoder(AVStream *stream)
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

void Transcoder::Impl::pickStreams()
{
    container = containerFor(options);
    outputHoldsVideo = containerHoldsVideo(container) && !options.noVideo;

    AVFormatContext *ic = input.get();
    auto pick = [&](AVMediaType type, StreamPath &path) {
        // Prefer the stream libavformat ranks best, then any other that decodes.
        std::vector<int> order;
        int best = av_find_best_stream(ic, type, -1, -1, nullptr, 0);
        if (best >= 0)
            order.push_back(best);
        for (unsigned i = 0; i < ic->nb_streams; ++i) {
            if (static_cast<int>(i) != best && ic->streams[i]->codecpar->codec_type == type)
                order.push_back(static_cast<int>(i));
        }
        for (int index : order) {
            AVStream *stream = ic->streams[index];
            AVCodecParameters *par = stream->codecpar;
            if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
                continue;
            if (type == AVMEDIA_TYPE_VIDEO && (par->width <= 0 || par->height <= 0))
                continue;
            if (type == AVMEDIA_TYPE_AUDIO &&
                (par->sample_rate <= 0 || par->ch_layout.nb_channels <= 0))
                continue;
            CodecContextPtr decoder = openDecoder(stream);
            if (!decoder)
                continue;
            path.inIndex = index;
            path.inStream = stream;
            path.decoder = std::move(decoder);
            int64_t start = ic->start_time == AV_NOPTS_VALUE ? 0 : ic->start_time;
            path.startOffset = av_rescale_q(start, AV_TIME_BASE_Q, stream->time_base);
            return;
        }
    };
    if (outputHoldsVideo)
        pick(AVMEDIA_TYPE_VIDEO, video);
    // The analysis pass looks at the pictures only.
    if (options.passStage != 1)
        pick(AVMEDIA_TYPE_AUDIO, audio);
    if (!video.active() && !audio.active() && options.passStage != 1)
        throw EncoderError("the input \"" + source.path +
                           "\" has no audio or video stream that this output can hold");
    for (unsigned i = 0; i < ic->nb_streams; ++i) {
        if (static_cast<int>(i) != video.inIndex && static_cast<int>(i) != audio.inIndex)
            ic->streams[i]->discard = AVDISCARD_ALL;
    }
}

void Transcoder::Impl::planVideo()
{
    if (!video.active())
        return;
    const AVCodecParameters *par = video.inStream->codecpar;
    if (options.frameRateNum) {
        frameRate = AVRational{options.frameRateNum, options.frameRateDen};
    } else {
        AVRational guessed = av_guess_frame_rate(input.get(), video.inStream, nullptr);
        if (source.deliveredFps)
            guessed = deliveredRate(*source.deliveredFps);
        if (guessed.num > 0 && guessed.den > 0 && av_q2d(guessed) <= 120.0)
            frameRate = guessed;
        if (options.maxFrameRate && av_q2d(frameRate) > options.maxFrameRate)
            frameRate = AVRational{options.maxFrameRate, 1};
    }
    // MPEG-4 Part 2 and H.263 keep the time base in 16 bits.
    av_reduce(&frameRate.num, &frameRate.den, frameRate.num, frameRate.den, 65535);

    // A frame size without an aspect is shown as it is stored, with square pixels, as
    // devices show it. H.263 cannot say otherwise: its pixels are always 12:11.
    AVRational shown{options.aspectNum, options.aspectDen};
    if (options.width && !shown.num)
        shown = AVRational{options.width, options.height};
    const bool h263 = options.videoCodec == "h263" ||
                      (options.videoCodec.empty() && options.audioCodec == "amr_nb" &&
                       isH263Size(options.width, options.height));
    if (h263 && options.width)
        shown = AVRational{options.width * 12, options.height * 11};
    fit = planVideoFit(par->width, par->height,
                       av_guess_sample_aspect_ratio(input.get(), video.inStream, nullptr),
                       orientationOf(video.inStream), options.width, options.height, shown);
    width = fit.width;
    height = fit.height;
    sampleAspect = fit.sampleAspect;
    if (options.durationSeconds)
        video.limit = std::max<int64_t>(
            1, std::llround(*options.durationSeconds * av_q2d(frameRate)));
}

void Transcoder::Impl::planAudio()
{
    if (!audio.active())
        return;
    const AVCodecParameters *par = audio.inStream->codecpar;
    std::string codec = options.audioCodec;
    if (codec == "amr_nb") {
        sampleRate = AmrNbEncoder::kSampleRate;
        channels = 1;
    } else {
        sampleRate = options.sampleRate ? options.sampleRate : par->sample_rate;
        channels = options.channels ? options.channels : std::min(par->ch_layout.nb_channels, 2);
    }
    if (options.durationSeconds)
        audio.limit = std::llround(*options.durationSeconds * sampleRate);
}

namespace {

// The libx264 or libx265 encoder with the profile, level and rate control cap asked for.
// Their own messages stay off the console, which carries only the progress reports.
void setUpH26x(const EncoderOptions &options, AVCodecContext *ctx, AVDictionary **opts)
{
    const bool hevc = options.videoCodec == "hevc";
    if (options.maxRateK) {
        ctx->rc_max_rate = int64_t{*options.maxRateK} * 1000;
        ctx->rc_buffer_size = static_cast<int>(
            std::min<int64_t>(INT32_MAX, int64_t{options.bufSizeK.value_or(*options.maxRateK * 2)} * 1000));
    }
    if (!options.videoProfile.empty())
        av_dict_set(opts, "profile", options.videoProfile.c_str(), 0);
    if (hevc) {
        std::string params = "log-level=error";
        if (!options.level.empty())
            params += ":level-idc=" + options.level;
        if (options.passStage)
            params += ":pass=" + std::to_string(options.passStage) + ":stats=" + options.passLogFile;
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

void Transcoder::Impl::openVideoEncoder()
{
    std::string name = options.videoCodec;
    if (name.empty())
        name = (options.audioCodec == "amr_nb" && isH263Size(width, height)) ? "h263" : "mpeg4";
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
    ctx->sample_aspect_ratio = sampleAspect;
    ctx->bit_rate = static_cast<int64_t>(options.videoBitrateK.value_or(512)) * 1000;
    if (!h26x)
        ctx->gop_size = 12;
    ctx->thread_count = 0;
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int ret = avcodec_open2(ctx.get(), codec, &opts);
    av_dict_free(&opts);
    if (ret < 0)
        throw EncoderError("cannot start the " + name + " encoder at " + std::to_string(width) +
                           "x" + std::to_string(height) + ": " + avErrorText(ret));

    AVStream *stream = avformat_new_stream(output.get(), nullptr);
    if (!stream)
        throw EncoderError("out of memory");
    checkAv(avcodec_parameters_from_context(stream->codecpar, ctx.get()), "video stream");
    stream->time_base = ctx->time_base;
    stream->avg_frame_rate = frameRate;
    stream->sample_aspect_ratio = sampleAspect;
    if (xvidTag && container == "avi")
        stream->codecpar->codec_tag = MKTAG('X', 'V', 'I', 'D');
    if (!options.videoTag.empty()) {
        const std::string &tag = options.videoTag;
        stream->codecpar->codec_tag = MKTAG(tag[0], tag[1], tag[2], tag[3]);
    }
    video.encoderTimeBase = ctx->time_base;
    video.outStream = stream;
    video.encoder = std::move(ctx);
}

void Transcoder::Impl::openAudioEncoder()
{
    std::string name = options.audioCodec;
    if (name.empty())
        name = container == "amr" ? "amr_nb" : (container == "mp3" || container == "avi") ? "mp3" : "aac";
    if (container == "amr" && name != "amr_nb")
        throw EncoderError("an .amr file holds only AMR-NB audio");
    if (container == "mp3" && name != "mp3")
        throw EncoderError("an .mp3 file holds only MP3 audio");
    if (container == "adts" && name != "aac")
        throw EncoderError("an .aac file holds only AAC audio");

    AVStream *stream = avformat_new_stream(output.get(), nullptr);
    if (!stream)
        throw EncoderError("out of memory");
    audio.encoderTimeBase = AVRational{1, sampleRate};
    int askedBps = options.audioBitrateK.value_or(64) * 1000;

    if (name == "amr_nb") {
        audio.amr = std::make_unique<AmrNbEncoder>(askedBps);
        AVCodecParameters *par = stream->codecpar;
        par->codec_type = AVMEDIA_TYPE_AUDIO;
        par->codec_id = AV_CODEC_ID_AMR_NB;
        par->sample_rate = AmrNbEncoder::kSampleRate;
        av_channel_layout_default(&par->ch_layout, 1);
        par->frame_size = AmrNbEncoder::kFrameSamples;
        par->bit_rate = audio.amr->bitrate();
        stream->time_base = audio.encoderTimeBase;
        audio.outStream = stream;
        return;
    }

    const AVCodec *codec = name == "mp3" ? avcodec_find_encoder_by_name("libmp3lame")
                                         : avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!codec)
        throw EncoderError("no encoder for the audio codec " + name);
    CodecContextPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx)
        throw EncoderError("out of memory");
    ctx->sample_rate = sampleRate;
    av_channel_layout_default(&ctx->ch_layout, channels);
    ctx->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    for (const AVSampleFormat *f = codec->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == AV_SAMPLE_FMT_FLTP)
            ctx->sample_fmt = *f;
    }
    int kbits = options.audioBitrateK.value_or(64);
    if (name == "mp3")
        kbits = mp3Bitrate(sampleRate, kbits);
    ctx->bit_rate = static_cast<int64_t>(kbits) * 1000;
    ctx->time_base = audio.encoderTimeBase;
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int ret = avcodec_open2(ctx.get(), codec, nullptr);
    if (ret < 0)
        throw EncoderError("cannot start the " + name + " encoder at " +
                           std::to_string(sampleRate) + " Hz, " + std::to_string(kbits) +
                           " kbit/s: " + avErrorText(ret));
    checkAv(avcodec_parameters_from_context(stream->codecpar, ctx.get()), "audio stream");
    stream->time_base = ctx->time_base;
    audio.outStream = stream;
    audio.encoder = std::move(ctx);
}

void Transcoder::Impl::openOutput(const std::string &writePath)
{
    if (options.frontIndex && !isMp4Family(container))
        throw EncoderError("-movflags faststart needs an MP4, 3GP, 3G2 or M4A output");
    const bool analysis = options.passStage == 1;
    AVFormatContext *oc = nullptr;
    // The name lets the muxer read the file back to move its index to the front. The
    // analysis pass writes nothing.
    int ret = avformat_alloc_output_context2(&oc, nullptr, analysis ? "null" : container.c_str(),
                                             analysis ? nullptr : writePath.c_str());
    if (ret < 0 || !oc)
        throw EncoderError("cannot write the " + container + " format: " + avErrorText(ret));
    output.reset(oc);
    if (video.active())
        openVideoEncoder();
    if (audio.active())
        openAudioEncoder();

    std::vector<StreamPair> kept;
    for (const StreamPath *path : {&video, &audio}) {
        if (path->active())
            kept.emplace_back(path->inStream, path->outStream);
    }
    copyTags(input.get(), kept, oc);

    ret = analysis ? 0 : avio_open(&oc->pb, writePath.c_str(), AVIO_FLAG_WRITE);
    if (ret < 0)
        throw EncoderError("cannot create the output \"" + options.output + "\": " +
                           avErrorText(ret));
    AVDictionary *muxerOptions = nullptr;
    if (options.frontIndex && !analysis)
        av_dict_set(&muxerOptions, "movflags", "+faststart", 0);
    ret = avformat_write_header(oc, &muxerOptions);
    av_dict_free(&muxerOptions);
    if (ret < 0)
        throw EncoderError("cannot write the output \"" + options.output + "\": " +
                           avErrorText(ret));
}

bool Transcoder::Impl::seekToStart()
{
    if (startSeconds() <= 0)
        return false;
    AVFormatContext *ic = input.get();
    int64_t target = static_cast<int64_t>(startSeconds() * AV_TIME_BASE);
    if (ic->start_time != AV_NOPTS_VALUE)
        target += ic->start_time;
    // A seek lands on a key frame at or before the target; the filters cut exactly. A
    // format that cannot seek may have read on while trying, so it is opened again and
    // decoded from its beginning.
    if (avformat_seek_file(ic, -1, INT64_MIN, target, target, 0) < 0) {
        reopenInput();
        return false;
    }
    return true;
}

// Some formats claim a seek they cannot do and then read nothing; such a source is read
// again from its beginning, which the filters cut all the same.
void Transcoder::Impl::reopenInput()
{
    std::vector<AVDiscard> discards;
    for (unsigned i = 0; i < input->nb_streams; ++i)
        discards.push_back(input->streams[i]->discard);
    input.reset();
    openInput();
    if (input->nb_streams != discards.size())
        throw EncoderError("the input \"" + source.path + "\" changed while it was read");
    for (unsigned i = 0; i < input->nb_streams; ++i)
        input->streams[i]->discard = discards[i];
    for (StreamPath *path : {&video, &audio}) {
        if (path->active())
            path->inStream = input->streams[path->inIndex];
    }
}

namespace {

void buildGraph(StreamPath &path, const char *sourceName, const std::string &sourceArgs,
                const std::string &chain)
{
    path.graph.reset(avfilter_graph_alloc());
    AVFilterGraph *graph = path.graph.get();
    if (!graph)
        throw EncoderError("out of memory");
    graph->nb_threads = 0;
    const bool isVideo = std::strcmp(sourceName, "buffer") == 0;
    checkAv(avfilter_graph_create_filter(&path.source, avfilter_get_by_name(sourceName), "in",
                                         sourceArgs.c_str(), nullptr, graph),
            "filter input");
    checkAv(avfilter_graph_create_filter(&path.sink,
                                         avfilter_get_by_name(isVideo ? "buffersink" : "abuffersink"),
                                         "out", nullptr, nullptr, graph),
            "filter output");

    AVFilterInOut *outputs = avfilter_inout_alloc();
    AVFilterInOut *inputs = avfilter_inout_alloc();
    if (!outputs || !inputs) {
        avfilter_inout_free(&outputs);
        avfilter_inout_free(&inputs);
        throw EncoderError("out of memory");
    }
    outputs->name = av_strdup("in");
    outputs->filter_ctx = path.source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = path.sink;
    int ret = avfilter_graph_parse_ptr(graph, chain.c_str(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&outputs);
    avfilter_inout_free(&inputs);
    checkAv(ret, "filter graph \"" + chain + "\"");
    checkAv(avfilter_graph_config(graph, nullptr), "filter graph \"" + chain + "\"");
    path.configured = true;
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

void Transcoder::Impl::configureVideoGraph(const AVFrame *first)
{
    AVRational tb = video.inStream->time_base;
    AVRational sar = first->sample_aspect_ratio.num > 0 ? first->sample_aspect_ratio
                                                        : AVRational{1, 1};
    std::string args = "video_size=" + std::to_string(first->width) + "x" +
                       std::to_string(first->height) + ":pix_fmt=" +
                       std::to_string(first->format) + ":time_base=" + rational(tb) +
                       ":pixel_aspect=" + rational(sar);
    std::string chain;
    if (source.deliveredFps)
        chain += "fps=fps=" + rational(deliveredRate(*source.deliveredFps)) + ",";
    chain += cutFilters("trim", "setpts", options.startSeconds, options.durationSeconds);
    // Frames are dropped or repeated before scaling, so only kept frames are scaled.
    chain += "fps=fps=" + rational(frameRate) + ":start_time=0,";
    chain += fit.filters() + ",";
    chain += "setsar=sar=" + rational(sampleAspect) + ",format=pix_fmts=yuv420p";
    buildGraph(video, "buffer", args, chain);
    video.cfgWidth = first->width;
    video.cfgHeight = first->height;
    video.cfgFormat = first->format;
}

void Transcoder::Impl::configureAudioGraph(const AVFrame *first)
{
    av_channel_layout_uninit(&audio.cfgLayout);
    if (first->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&audio.cfgLayout, first->ch_layout.nb_channels);
    else
        checkAv(av_channel_layout_copy(&audio.cfgLayout, &first->ch_layout), "channel layout");
    char layout[128] = {0};
    av_channel_layout_describe(&audio.cfgLayout, layout, sizeof layout);
    std::string args = "time_base=" + rational(audio.inStream->time_base) + ":sample_rate=" + std::to_string(first->sample_rate) + ":sample_fmt=" +
                       av_get_sample_fmt_name(static_cast<AVSampleFormat>(first->format)) +
                       ":channel_layout=" + layout;
    AVSampleFormat outFormat = audio.encoder ? audio.encoder->sample_fmt : AV_SAMPLE_FMT_S16;
    const char *outLayout = channels == 1 ? "mono" : "stereo";
    std::string chain = cutFilters("atrim", "asetpts", options.startSeconds, options.durationSeconds);
    const bool louder = options.volumePercent > 100;
    if (options.volumePercent < 100)
        chain += "volume=volume=" + seconds(options.volumePercent / 100.0) + ":precision=float,";
    // Timestamps drive the resampler, so a late or gappy sound track is padded with silence
    // and stays in step with the pictures.
    chain += "aresample=osr=" + std::to_string(sampleRate) + ":ochl=" + outLayout +
             ":osf=" + (louder ? "dbl" : av_get_sample_fmt_name(outFormat)) +
             ":async=1:first_pts=0,";
    // A gain above 1 goes through a look-ahead peak limiter at half a decibel below full
    // scale, so loud passages are held there instead of clipping; its delay is taken back.
    if (louder)
        chain += "volume=volume=" + seconds(options.volumePercent / 100.0) +
                 ":precision=double,alimiter=limit=0.944:level=false:latency=true,";
    chain += std::string("aformat=sample_fmts=") + av_get_sample_fmt_name(outFormat) +
             ":sample_rates=" + std::to_string(sampleRate) + ":channel_layouts=" + outLayout;
    buildGraph(audio, "abuffer", args, chain);
    int frameSize = audio.amr ? AmrNbEncoder::kFrameSamples * kAmrFramesPerBlock
                              : (audio.encoder->frame_size > 0 ? audio.encoder->frame_size : 1024);
    av_buffersink_set_frame_size(audio.sink, static_cast<unsigned>(frameSize));
    audio.cfgRate = first->sample_rate;
    audio.cfgChannels = first->ch_layout.nb_channels;
    audio.cfgFormat = first->format;
}

void Transcoder::Impl::decode(StreamPath &path, const AVPacket *pkt)
{
    int ret = avcodec_send_packet(path.decoder.get(), pkt);
    if (ret < 0 && ret != AVERROR(EAGAIN) && ret != AVERROR_EOF)
        return; // a damaged packet: skip it as a player would
    while (!path.readDone) {
        ret = avcodec_receive_frame(path.decoder.get(), frame.get());
        if (ret < 0)
            return;
        handOver(path, frame.get());
        av_frame_unref(frame.get());
    }
}

// Queues a decoded frame for the stream's thread. A stream that wants no more (its cut is
// complete, or a failure ended the conversion) is read no further.
void Transcoder::Impl::handOver(StreamPath &path, AVFrame *decoded)
{
    FrameQueue::Result result = path.queue->tryPush(decoded);
    if (result == FrameQueue::Result::Full) {
        // While the reader waits for this stream, the other one works on what it was given.
        for (StreamPath *other : {&video, &audio}) {
            if (other != &path && other->queue)
                other->queue->publish();
        }
        result = path.queue->push(decoded);
    }
    if (result == FrameQueue::Result::Refused)
        path.readDone = true;
}

// One thread per output stream: its filters, its encoder, and its share of the muxing.
void Transcoder::Impl::startStreams()
{
    for (StreamPath *path : {&video, &audio}) {
        if (!path->active())
            continue;
        const bool isVideo = path == &video;
        path->guessedRate = isVideo ? av_guess_frame_rate(input.get(), path->inStream, nullptr)
                                    : AVRational{0, 1};
        path->filtered.reset(av_frame_alloc());
        path->encoded.reset(av_packet_alloc());
        if (!path->filtered || !path->encoded)
            throw EncoderError("out of memory");
        size_t capacity = kQueuedSounds;
        if (isVideo) {
            const AVCodecParameters *par = path->inStream->codecpar;
            int64_t pictureBytes = std::max<int64_t>(1, int64_t{par->width} * par->height * 3 / 2);
            capacity = static_cast<size_t>(
                std::clamp<int64_t>(kQueuedPictureBytes / pictureBytes, 1, kMostQueuedPictures));
        }
        path->queue = std::make_unique<FrameQueue>(capacity, (capacity + 1) / 2);
    }
    for (StreamPath *path : {&video, &audio}) {
        if (path->active())
            path->thread = std::thread([this, path] { streamLoop(*path); });
    }
}

void Transcoder::Impl::streamLoop(StreamPath &path)
{
    // Named for whoever looks at the threads (top -H, perf).
    pthread_setname_np(pthread_self(), &path == &video ? "video" : "audio");
    try {
        while (AVFrame *decoded = path.queue->pop()) {
            pushFrame(path, decoded);
            if (path.done) {
                path.queue->refuse(); // the reader stops reading this stream
                break;
            }
        }
        if (!path.queue->aborted())
            finishPath(path);
    } catch (...) {
        fail(std::current_exception());
    }
    path.queue->refuse();
}

// Keeps the first failure of any thread and ends the others' work.
void Transcoder::Impl::fail(std::exception_ptr error)
{
    {
        std::lock_guard<std::mutex> lock(failMutex);
        if (!firstError)
            firstError = error;
    }
    for (StreamPath *path : {&video, &audio}) {
        if (path->queue)
            path->queue->abort();
    }
}

// The source is read to its end: each stream gets what its decoder still holds, then the
// end; waits for the streams' threads to finish.
void Transcoder::Impl::endStreams()
{
    for (StreamPath *path : {&video, &audio}) {
        if (!path->active() || !path->queue)
            continue;
        if (!path->readDone)
            decode(*path, nullptr);
        path->queue->close();
    }
    for (StreamPath *path : {&video, &audio}) {
        if (path->thread.joinable())
            path->thread.join();
    }
}

// Ends the streams' threads at once (after a failure).
void Transcoder::Impl::stopStreams()
{
    for (StreamPath *path : {&video, &audio}) {
        if (path->queue)
            path->queue->abort();
    }
    for (StreamPath *path : {&video, &audio}) {
        if (path->thread.joinable())
            path->thread.join();
    }
}

void Transcoder::Impl::pushFrame(StreamPath &path, AVFrame *decoded)
{
    const bool isVideo = &path == &video;
    if (!path.configured) {
        if (isVideo)
            configureVideoGraph(decoded);
        else
            configureAudioGraph(decoded);
    }
    if (isVideo) {
        if (decoded->width != path.cfgWidth || decoded->height != path.cfgHeight ||
            decoded->format != path.cfgFormat)
            return;
    } else {
        if (decoded->sample_rate != path.cfgRate ||
            decoded->ch_layout.nb_channels != path.cfgChannels || decoded->format != path.cfgFormat)
            return;
        if (av_channel_layout_compare(&decoded->ch_layout, &path.cfgLayout) != 0) {
            av_channel_layout_uninit(&decoded->ch_layout);
            checkAv(av_channel_layout_copy(&decoded->ch_layout, &path.cfgLayout), "channel layout");
        }
    }

    // Timestamps count from the input's start. One that jumps more than half a minute away
    // from where the stream stands is damage: the stream goes on where it stood instead of
    // being padded (or cut) by that much.
    AVRational tb = path.inStream->time_base;
    const int64_t maxJump = av_rescale_q(30, AVRational{1, 1}, tb);
    int64_t pts = decoded->best_effort_timestamp;
    if (pts != AV_NOPTS_VALUE && (pts > INT64_MAX / 4 || pts < INT64_MIN / 4))
        pts = AV_NOPTS_VALUE; // beyond any real time, and would overflow below
    int64_t expected = path.nextPts != AV_NOPTS_VALUE
                           ? path.nextPts
                           : av_rescale_q(std::llround(startSeconds() * 1000), AVRational{1, 1000}, tb);
    pts = pts == AV_NOPTS_VALUE ? expected : pts - path.startOffset + path.shift;
    if (pts - expected > maxJump || (path.nextPts != AV_NOPTS_VALUE && expected - pts > maxJump)) {
        path.shift += expected - pts;
        pts = expected;
    }
    int64_t step;
    if (isVideo) {
        AVRational rate = path.guessedRate;
        if (rate.num <= 0 || rate.den <= 0)
            rate = frameRate;
        step = decoded->pkt_duration > 0 ? decoded->pkt_duration : av_rescale_q(1, av_inv_q(rate), tb);
    } else {
        step = av_rescale_q(decoded->nb_samples, AVRational{1, decoded->sample_rate}, tb);
    }
    path.nextPts = pts + std::max<int64_t>(step, 1);
    decoded->pts = pts;
    decoded->pict_type = AV_PICTURE_TYPE_NONE;
    int ret = av_buffersrc_add_frame_flags(path.source, decoded, 0);
    if (ret < 0)
        return; // a frame the filters refuse is skipped, like a damaged packet
    pull(path);
}

void Transcoder::Impl::pull(StreamPath &path)
{
    AVFrame *filtered = path.filtered.get();
    while (!path.done) {
        int ret = av_buffersink_get_frame(path.sink, filtered);
        if (ret == AVERROR(EAGAIN))
            return;
        if (ret < 0) {
            path.done = true;
            return;
        }
        if (&path == &video)
            queueVideo(filtered);
        else
            queueAudio(filtered);
        av_frame_unref(filtered);
    }
}

// The stream's thread numbers the frames and applies the cut's length, then encodes them.
void Transcoder::Impl::queueVideo(AVFrame *picture)
{
    if (video.produced >= video.limit) {
        video.done = true;
        return;
    }
    picture->pts = video.produced++;
    picture->pict_type = AV_PICTURE_TYPE_NONE;
    encode(video, picture);
    if (video.produced >= video.limit)
        video.done = true;
}

void Transcoder::Impl::queueAudio(AVFrame *sound)
{
    int64_t room = audio.limit - audio.produced;
    if (room <= 0) {
        audio.done = true;
        return;
    }
    if (sound->nb_samples > room)
        sound->nb_samples = static_cast<int>(room);
    sound->pts = audio.produced;
    audio.produced += sound->nb_samples;
    encode(audio, sound);
    if (audio.produced >= audio.limit)
        audio.done = true;
}

void Transcoder::Impl::encode(StreamPath &path, AVFrame *toEncode)
{
    if (path.amr) {
        if (toEncode)
            encodeAmr(toEncode);
    } else {
        drainEncoder(path, toEncode);
    }
}

void Transcoder::Impl::encodeAmr(const AVFrame *sound)
{
    auto *samples = reinterpret_cast<const int16_t *>(sound->data[0]);
    for (int at = 0; at < sound->nb_samples; at += AmrNbEncoder::kFrameSamples) {
        std::vector<uint8_t> bytes = audio.amr->encode(
            samples + at, std::min(AmrNbEncoder::kFrameSamples, sound->nb_samples - at));
        AVPacket *encoded = audio.encoded.get();
        av_packet_unref(encoded);
        checkAv(av_new_packet(encoded, static_cast<int>(bytes.size())), "AMR-NB packet");
        std::memcpy(encoded->data, bytes.data(), bytes.size());
        encoded->pts = encoded->dts = sound->pts + at;
        encoded->duration = AmrNbEncoder::kFrameSamples;
        writePacket(audio, encoded);
    }
}

void Transcoder::Impl::drainEncoder(StreamPath &path, const AVFrame *toSend)
{
    checkAv(avcodec_send_frame(path.encoder.get(), toSend), "encoding");
    AVPacket *encoded = path.encoded.get();
    for (;;) {
        int ret = avcodec_receive_packet(path.encoder.get(), encoded);
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return;
        checkAv(ret, "encoding");
        if (&path == &video) {
            size_t size = 0;
            const uint8_t *stats =
                av_packet_get_side_data(encoded, AV_PKT_DATA_QUALITY_STATS, &size);
            if (stats && size >= 4) {
                int32_t quality = 0;
                std::memcpy(&quality, stats, 4);
                lastQuality.store(quality / static_cast<double>(FF_QP2LAMBDA));
            }
        }
        writePacket(path, encoded);
    }
}

void Transcoder::Impl::writePacket(StreamPath &path, AVPacket *pkt)
{
    av_packet_rescale_ts(pkt, path.encoderTimeBase, path.outStream->time_base);
    pkt->stream_index = path.outStream->index;
    if (!output->pb) {
        av_packet_unref(pkt); // the analysis pass keeps only the encoder's log
        return;
    }
    std::lock_guard<std::mutex> lock(muxMutex);
    int ret = av_interleaved_write_frame(output.get(), pkt);
    if (ret < 0)
        throw EncoderError("cannot write the output \"" + options.output + "\": " +
                           avErrorText(ret));
    bytesWritten.store(avio_tell(output->pb));
}

// On the stream's thread, after its last frame: empties the filters and the encoder.
void Transcoder::Impl::finishPath(StreamPath &path)
{
    if (!path.done && path.configured) {
        // The stream ends where its last frame ends, so the last picture keeps its full time.
        if (av_buffersrc_close(path.source, path.nextPts, 0) >= 0)
            pull(path);
    }
    path.done = true;
    if (path.encoder && path.produced > 0)
        drainEncoder(path, nullptr); // the encoder's flush
}

ProgressReporter::Status Transcoder::Impl::status() const
{
    ProgressReporter::Status s;
    s.frames = video.produced;
    s.quality = lastQuality.load();
    s.bytes = std::max<int64_t>(0, bytesWritten.load());
    double videoSeconds = video.active() ? video.produced / av_q2d(frameRate) : 0.0;
    double audioSeconds = audio.active() && sampleRate ? static_cast<double>(audio.produced) / sampleRate : 0.0;
    s.seconds = std::max(videoSeconds, audioSeconds);
    return s;
}

Transcoder::Transcoder(EncoderOptions options, SourceSpec source) : m_impl(std::make_unique<Impl>())
{
    m_impl->options = std::move(options);
    m_impl->source = std::move(source);
    if (!m_impl->frame || !m_impl->packet)
        throw EncoderError("out of memory");
}

Transcoder::~Transcoder() = default;

void Transcoder::open()
{
    m_impl->openInput();
    m_impl->pickStreams();
    m_impl->planVideo();
    m_impl->planAudio();
}

bool Transcoder::reportsVideo() const
{
    return m_impl->outputHoldsVideo;
}

bool Transcoder::convertsVideo() const
{
    return m_impl->video.active();
}

double Transcoder::run(const std::string &writePath, ProgressReporter &progress)
{
    Impl &d = *m_impl;
    d.openOutput(writePath);
    bool seeked = d.seekToStart();

    // This thread reads and decodes; each output stream filters and encodes on its own.
    try {
        d.startStreams();
        AVPacket *pkt = d.packet.get();
        int64_t packetsRead = 0;
        while (!d.allRead()) {
            int ret = av_read_frame(d.input.get(), pkt);
            if (ret < 0 && packetsRead == 0 && seeked) {
                seeked = false;
                d.reopenInput();
                continue;
            }
            if (ret < 0) {
                checkSourceRead(d.input.get(), d.source.path);
                break; // the end, or damage past which nothing can be read
            }
            ++packetsRead;
            StreamPath *path = pkt->stream_index == d.video.inIndex   ? &d.video
                               : pkt->stream_index == d.audio.inIndex ? &d.audio
                                                                      : nullptr;
            if (path && !path->readDone)
                d.decode(*path, pkt);
            av_packet_unref(pkt);
            progress.update(d.status());
        }
        d.endStreams();
    } catch (...) {
        d.fail(std::current_exception());
    }
    d.stopStreams();
    if (d.firstError)
        std::rethrow_exception(d.firstError);

    if (d.video.produced == 0 && d.audio.produced == 0) {
        int64_t duration = d.input->duration;
        if (d.startSeconds() > 0 && duration > 0 &&
            d.startSeconds() * AV_TIME_BASE >= static_cast<double>(duration))
            throw EncoderError("nothing to convert: the start time lies past the end of \"" +
                               d.source.path + "\"");
        throw EncoderError("nothing to convert: no picture or sound could be decoded from \"" +
                           d.source.path + "\"" +
                           (d.startSeconds() > 0 ? " from the start time on" : ""));
    }
    int ret = av_write_trailer(d.output.get());
    if (!d.output->pb) { // the analysis pass: its log is complete
        checkAv(ret, "analysis pass");
        progress.finish(d.status());
        return d.status().seconds;
    }
    if (ret < 0 || d.output->pb->error < 0)
        throw EncoderError("cannot write the output \"" + d.options.output + "\": " +
                           avErrorText(ret < 0 ? ret : d.output->pb->error));
    // Moving the index to the front leaves the position where the moved data ended.
    const int64_t size = avio_size(d.output->pb);
    d.bytesWritten.store(size > 0 ? size : avio_tell(d.output->pb));
    ProgressReporter::Status last = d.status();
    ret = avio_closep(&d.output->pb);
    if (ret < 0)
        throw EncoderError("cannot write the output \"" + d.options.output + "\": " +
                           avErrorText(ret));
    progress.finish(last);
    return last.seconds;
}

} // namespace encoder
