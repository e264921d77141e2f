#include "Transcoder.h"

#include "AmrNbEncoder.h"
#include "Decoding.h"
#include "EncoderError.h"
#include "FilterGraph.h"
#include "Metadata.h"
#include "Muxer.h"
#include "OutputPlan.h"
#include "OutputStream.h"
#include "SourceInput.h"
#include "StreamChoice.h"
#include "StreamEncoder.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <vector>

namespace encoder {
namespace {

// Decoded frames on their way to a stream's thread. Pictures wait up to this many bytes (a
// few small ones, a single large one: memory stays below a player's); sound frames are small
// and come in runs from the source. A consumer is woken for half its queue at once.
constexpr int64_t kQueuedPictureBytes = 4 << 20;
constexpr size_t kMostQueuedPictures = 8;
constexpr size_t kQueuedSounds = 48;
// AMR-NB frames are short (20 ms); the filters deliver a second of them at once.
constexpr int kAmrFramesPerBlock = 50;

} // namespace

struct Transcoder::Impl
{
    EncoderOptions options;
    SourceSpec source;
    std::string container;
    SourceInput input;
    ChosenStream videoIn;
    ChosenStream audioIn;
    bool outputHoldsVideo = false;
    VideoPlan videoPlan;
    AudioPlan audioPlan;
    std::unique_ptr<Muxer> muxer;
    // Opened with the output, then handed to their streams.
    std::unique_ptr<StreamEncoder> videoEncoder;
    std::unique_ptr<StreamEncoder> audioEncoder;
    std::unique_ptr<OutputStream> video;
    std::unique_ptr<OutputStream> audio;
    FramePtr frame{av_frame_alloc()};
    PacketPtr packet{av_packet_alloc()};

    // The first failure of any thread.
    std::mutex failMutex;
    std::exception_ptr firstError;

    Impl(EncoderOptions o, SourceSpec s)
        : options(std::move(o)), source(std::move(s)), input(source.path)
    {
    }
    ~Impl() { stopStreams(); }

    double startSeconds() const { return options.startSeconds.value_or(0.0); }
    // x264 and x265 run threads on every core by themselves.
    bool encoderUsesEveryCore() const
    {
        return options.videoCodec == "h264" || options.videoCodec == "hevc";
    }

    void pickStreams();
    void openOutput(const std::string &writePath);
    bool seekToStart();
    void reopenInput();
    void startStreams();
    void decode(ChosenStream &in, OutputStream &out, const AVPacket *pkt);
    void fail(std::exception_ptr error);
    void endStreams();
    void stopStreams();
    int64_t producedFrames() const { return video ? video->produced() : 0; }
    int64_t producedSamples() const { return audio ? audio->produced() : 0; }
    ProgressReporter::Status status() const;
    bool allRead() const
    {
        return (!video || !video->wantsFrames()) && (!audio || !audio->wantsFrames());
    }
};

void Transcoder::Impl::pickStreams()
{
    container = containerFor(options);
    outputHoldsVideo = containerHoldsVideo(container) && !options.noVideo;

    AVFormatContext *ic = input.context();
    if (outputHoldsVideo)
        videoIn = chooseStream(ic, AVMEDIA_TYPE_VIDEO, encoderUsesEveryCore());
    // The analysis pass looks at the pictures only.
    if (options.passStage != 1)
        audioIn = chooseStream(ic, AVMEDIA_TYPE_AUDIO, false);
    // An H.264 or H.265 type without pictures would be a sound file under a video name, which
    // messengers and phones show as a broken video: it is refused. The older types keep what
    // they always did and hold the sound alone.
    const bool picturesNeeded = options.videoCodec == "h264" || options.videoCodec == "hevc";
    if (outputHoldsVideo && !videoIn.active() && (picturesNeeded || hasPictureStream(ic))) {
        if (hasPictureStream(ic))
            throw EncoderError("the pictures of \"" + source.path +
                               "\" cannot be decoded (a codec or frame size this encoder "
                               "does not read)");
        throw EncoderError("the input \"" + source.path +
                           "\" has no pictures for this video output type; convert it to a "
                           "sound type (AMR, AAC, MP3 or M4A)");
    }
    if (!videoIn.active() && !audioIn.active() && options.passStage != 1)
        throw EncoderError("the input \"" + source.path +
                           "\" has no audio or video stream that this output can hold");
    discardOtherStreams(ic, videoIn.index, audioIn.index);
}

void Transcoder::Impl::openOutput(const std::string &writePath)
{
    muxer = std::make_unique<Muxer>(container, writePath, options.passStage == 1,
                                    options.frontIndex, options.output);
    if (videoIn.active())
        videoEncoder = StreamEncoder::openVideo(options, container, videoPlan, *muxer);
    if (audioIn.active())
        audioEncoder = StreamEncoder::openAudio(options, container, audioPlan, *muxer);

    std::vector<StreamPair> kept;
    if (videoEncoder)
        kept.emplace_back(videoIn.stream, videoEncoder->stream());
    if (audioEncoder)
        kept.emplace_back(audioIn.stream, audioEncoder->stream());
    copyTags(input.context(), kept, muxer->context());
    muxer->start();
}

bool Transcoder::Impl::seekToStart()
{
    if (startSeconds() <= 0)
        return false;
    // A seek lands on a key frame at or before the target; the filters cut exactly. A
    // format that cannot seek may have read on while trying, so it is opened again and
    // decoded from its beginning.
    if (!input.seekTo(startSeconds())) {
        reopenInput();
        return false;
    }
    return true;
}

// Some formats claim a seek they cannot do and then read nothing; such a source is read
// again from its beginning, which the filters cut all the same.
void Transcoder::Impl::reopenInput()
{
    input.reopen();
    for (ChosenStream *in : {&videoIn, &audioIn}) {
        if (in->active())
            in->stream = input.context()->streams[in->index];
    }
}

// One thread per output stream: its filters, its encoder, and its share of the muxing.
void Transcoder::Impl::startStreams()
{
    auto onFailure = [this](std::exception_ptr error) { fail(error); };
    if (videoIn.active()) {
        OutputStream::Setup setup;
        setup.isVideo = true;
        setup.timeBase = videoIn.stream->time_base;
        setup.startOffset = videoIn.startOffset;
        setup.startSeconds = startSeconds();
        setup.sourceRate = av_guess_frame_rate(input.context(), videoIn.stream, nullptr);
        setup.frameRate = videoPlan.frameRate;
        setup.limit = videoPlan.frameLimit;
        setup.filterChain = videoFilterChain(options, source.deliveredFps, videoPlan);
        // Beside x264 and x265, scaling in slices only adds the hand-overs between the
        // slices' threads (4% of the CPU time on a 1080p source).
        if (encoderUsesEveryCore())
            setup.filterThreads = 1;
        const AVCodecParameters *par = videoIn.stream->codecpar;
        int64_t pictureBytes = std::max<int64_t>(1, int64_t{par->width} * par->height * 3 / 2);
        setup.queueCapacity = static_cast<size_t>(
            std::clamp<int64_t>(kQueuedPictureBytes / pictureBytes, 1, kMostQueuedPictures));
        video =
            std::make_unique<OutputStream>(std::move(setup), std::move(videoEncoder), onFailure);
    }
    if (audioIn.active()) {
        OutputStream::Setup setup;
        setup.timeBase = audioIn.stream->time_base;
        setup.startOffset = audioIn.startOffset;
        setup.startSeconds = startSeconds();
        setup.limit = audioPlan.sampleLimit;
        setup.filterChain = audioFilterChain(options, audioPlan, audioEncoder->sampleFormat());
        setup.filterFrameSize =
            audioEncoder->isAmrNb()
                ? AmrNbEncoder::kFrameSamples * kAmrFramesPerBlock
                : (audioEncoder->frameSize() > 0 ? audioEncoder->frameSize() : 1024);
        setup.queueCapacity = kQueuedSounds;
        audio =
            std::make_unique<OutputStream>(std::move(setup), std::move(audioEncoder), onFailure);
    }
    if (video)
        video->start("video");
    if (audio)
        audio->start("audio");
}

void Transcoder::Impl::decode(ChosenStream &in, OutputStream &out, const AVPacket *pkt)
{
    OutputStream *other = &out == video.get() ? audio.get() : video.get();
    decodePacket(in.decoder.get(), pkt, frame.get(), [&](AVFrame *decoded) {
        out.handOver(decoded, other);
        return out.wantsFrames();
    });
}

// Keeps the first failure of any thread and ends the others' work.
void Transcoder::Impl::fail(std::exception_ptr error)
{
    {
        std::lock_guard<std::mutex> lock(failMutex);
        if (!firstError)
            firstError = error;
    }
    for (OutputStream *out : {video.get(), audio.get()}) {
        if (out)
            out->abort();
    }
}

// The source is read to its end: each stream gets what its decoder still holds, then the
// end; waits for the streams' threads to finish.
void Transcoder::Impl::endStreams()
{
    for (auto [in, out] : {std::pair{&videoIn, video.get()}, std::pair{&audioIn, audio.get()}}) {
        if (!out)
            continue;
        if (out->wantsFrames())
            decode(*in, *out, nullptr);
        out->close();
    }
    for (OutputStream *out : {video.get(), audio.get()}) {
        if (out)
            out->join();
    }
}

// Ends the streams' threads at once (after a failure).
void Transcoder::Impl::stopStreams()
{
    for (OutputStream *out : {video.get(), audio.get()}) {
        if (out)
            out->abort();
    }
    for (OutputStream *out : {video.get(), audio.get()}) {
        if (out)
            out->join();
    }
}

ProgressReporter::Status Transcoder::Impl::status() const
{
    ProgressReporter::Status s;
    s.frames = producedFrames();
    s.quality = video ? video->encoder().lastQuality() : 0.0;
    s.bytes = std::max<int64_t>(0, muxer ? muxer->bytesWritten() : 0);
    const int sampleRate = audioPlan.sampleRate;
    double videoSeconds = videoIn.active() ? producedFrames() / av_q2d(videoPlan.frameRate) : 0.0;
    double audioSeconds =
        audioIn.active() && sampleRate ? static_cast<double>(producedSamples()) / sampleRate : 0.0;
    s.seconds = std::max(videoSeconds, audioSeconds);
    return s;
}

Transcoder::Transcoder(EncoderOptions options, SourceSpec source)
    : m_impl(std::make_unique<Impl>(std::move(options), std::move(source)))
{
    if (!m_impl->frame || !m_impl->packet)
        throw EncoderError("out of memory");
}

Transcoder::~Transcoder() = default;

void Transcoder::open()
{
    Impl &d = *m_impl;
    d.input.open();
    d.pickStreams();
    if (d.videoIn.active())
        d.videoPlan = planVideo(d.options, d.source.deliveredFps, d.input.context(),
                                d.videoIn.stream, d.source.path);
    if (d.audioIn.active())
        d.audioPlan = planAudio(d.options, d.audioIn.stream->codecpar);
}

bool Transcoder::reportsVideo() const
{
    return m_impl->outputHoldsVideo;
}

bool Transcoder::convertsVideo() const
{
    return m_impl->videoIn.active();
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
            int ret = d.input.read(pkt);
            if (ret < 0 && packetsRead == 0 && seeked) {
                seeked = false;
                d.reopenInput();
                continue;
            }
            if (ret < 0) {
                d.input.checkRead();
                break; // the end, or damage past which nothing can be read
            }
            ++packetsRead;
            if (pkt->stream_index == d.videoIn.index && d.video && d.video->wantsFrames())
                d.decode(d.videoIn, *d.video, pkt);
            else if (pkt->stream_index == d.audioIn.index && d.audio && d.audio->wantsFrames())
                d.decode(d.audioIn, *d.audio, pkt);
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

    if (d.producedFrames() == 0 && d.producedSamples() == 0) {
        int64_t duration = d.input.context()->duration;
        if (d.startSeconds() > 0 && duration > 0 &&
            d.startSeconds() * AV_TIME_BASE >= static_cast<double>(duration))
            throw EncoderError("nothing to convert: the start time lies past the end of \"" +
                               d.source.path + "\"");
        throw EncoderError("nothing to convert: no picture or sound could be decoded from \"" +
                           d.source.path + "\"" +
                           (d.startSeconds() > 0 ? " from the start time on" : ""));
    }
    d.muxer->finish();
    ProgressReporter::Status last = d.status();
    progress.finish(last);
    return last.seconds;
}

} // namespace encoder
