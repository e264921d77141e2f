#include "OutputPlan.h"

#include "AmrNbEncoder.h"

#include <algorithm>
#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
}

namespace encoder {

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

VideoPlan planVideo(const EncoderOptions &options, std::optional<double> deliveredFps,
                    AVFormatContext *input, AVStream *stream)
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
    plan.fit =
        planVideoFit(par->width, par->height, av_guess_sample_aspect_ratio(input, stream, nullptr),
                     orientationOf(stream), options.width, options.height, shown);
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
