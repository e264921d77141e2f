#include "OutputPlan.h"

#include "AmrNbEncoder.h"
#include "EncoderError.h"

#include <algorithm>
#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
}

namespace encoder {
namespace {

// The rates a display shows: a stated rate outside them comes from a container's clock, not
// from its pictures.
constexpr double kLowestRate = 1.0;
constexpr double kHighestRate = 120.0;

// The largest frame each codec's highest level or its headers allow: pixels in all and on
// the longer side. H.264 level 6.2: 139264 macroblocks, sqrt(8 x 139264) = 1055 on a side;
// H.265 level 6.2: 35651584 luma samples, sqrt(8 x 35651584) on a side; MPEG-4 Part 2 keeps
// each side in 13 bits.
struct FrameLimit
{
    const char *codec;
    const char *name;
    int64_t pixels;
    int side;
};
constexpr FrameLimit kFrameLimits[] = {
    {"h264", "H.264", int64_t{139264} * 256, 16880},
    {"hevc", "H.265", 35651584, 16888},
    {"mpeg4", "MPEG-4", int64_t{8191} * 8191, 8191},
    {"xvid", "MPEG-4", int64_t{8191} * 8191, 8191},
};

void checkFrameLimit(const std::string &codec, int width, int height, const std::string &sourcePath)
{
    for (const FrameLimit &limit : kFrameLimits) {
        if (codec != limit.codec)
            continue;
        if (int64_t{width} * height > limit.pixels || width > limit.side || height > limit.side)
            throw EncoderError("the pictures of \"" + sourcePath + "\" are " +
                               std::to_string(width) + "x" + std::to_string(height) +
                               ", larger than " + limit.name + " can hold (" +
                               std::to_string(limit.pixels) + " pixels and " +
                               std::to_string(limit.side) + " on a side at most); give a " +
                               "smaller frame size with -s");
    }
}

} // namespace

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

std::string videoCodecFor(const EncoderOptions &options, int width, int height)
{
    if (!options.videoCodec.empty())
        return options.videoCodec;
    return options.audioCodec == "amr_nb" && isH263Size(width, height) ? "h263" : "mpeg4";
}

VideoPlan planVideo(const EncoderOptions &options, std::optional<double> deliveredFps,
                    AVFormatContext *input, AVStream *stream, const std::string &sourcePath)
{
    VideoPlan plan;
    AVRational &frameRate = plan.frameRate;
    const AVCodecParameters *par = stream->codecpar;
    if (options.frameRateNum) {
        frameRate = AVRational{options.frameRateNum, options.frameRateDen};
    } else {
        AVRational guessed = av_guess_frame_rate(input, stream, nullptr);
        if (deliveredFps)
            guessed = deliveredRate(*deliveredFps);
        const double stated = guessed.num > 0 && guessed.den > 0 ? av_q2d(guessed) : 0.0;
        if (stated >= kLowestRate && stated <= kHighestRate)
            frameRate = guessed;
        // A source faster than any display (a slow-motion clip, or a container that counts
        // in milliseconds) is shown at the cap when there is one.
        if (options.maxFrameRate &&
            (av_q2d(frameRate) > options.maxFrameRate || stated > kHighestRate))
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
    plan.fit =
        planVideoFit(par->width, par->height, av_guess_sample_aspect_ratio(input, stream, nullptr),
                     orientationOf(stream), options.width, options.height, shown);
    checkFrameLimit(videoCodecFor(options, plan.fit.width, plan.fit.height), plan.fit.width,
                    plan.fit.height, sourcePath);
    if (options.durationSeconds)
        plan.frameLimit =
            std::max<int64_t>(1, std::llround(*options.durationSeconds * av_q2d(frameRate)));
    return plan;
}

AudioPlan planAudio(const EncoderOptions &options, const AVCodecParameters *source)
{
    AudioPlan plan;
    if (options.audioCodec == "amr_nb") {
        plan.sampleRate = AmrNbEncoder::kSampleRate;
        plan.channels = 1;
    } else {
        plan.sampleRate = options.sampleRate ? options.sampleRate : source->sample_rate;
        plan.channels =
            options.channels ? options.channels : std::min(source->ch_layout.nb_channels, 2);
    }
    if (options.durationSeconds)
        plan.sampleLimit = std::llround(*options.durationSeconds * plan.sampleRate);
    return plan;
}

} // namespace encoder
