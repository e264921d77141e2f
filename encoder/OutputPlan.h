#pragma once

#include "EncoderOptions.h"
#include "VideoFit.h"

#include <cstdint>
#include <optional>
#include <string>

extern "C" {
#include <libavutil/rational.h>
}

struct AVCodecParameters;
struct AVFormatContext;
struct AVStream;

namespace encoder {

// The output's picture stream: its constant frame rate, its frame and the picture inside
// it, and how many frames the cut's length allows.
struct VideoPlan
{
    AVRational frameRate{25, 1}; // the rate when neither the options nor the source say one
    VideoFit fit;
    int64_t frameLimit = INT64_MAX;
};

// Plans the picture stream from the options and the source stream; deliveredFps is the
// rate a script source delivers its frames at. A frame rate the source states that is no
// display rate (below 1 or above 120 frames per second, 0 or 1000 in some containers) is
// not taken: the output then runs at its cap, else at 25. Throws EncoderError when the
// output frame is larger than the video codec can hold (the source's size kept, without -s).
VideoPlan planVideo(const EncoderOptions &options, std::optional<double> deliveredFps,
                    AVFormatContext *input, AVStream *stream, const std::string &sourcePath);

// The output's sound stream: its rate, channels, and how many samples the cut allows.
struct AudioPlan
{
    int sampleRate = 0;
    int channels = 0;
    int64_t sampleLimit = INT64_MAX;
};

// Plans the sound stream from the options and the source stream's parameters.
AudioPlan planAudio(const EncoderOptions &options, const AVCodecParameters *source);

// A script's frame rate as a fraction; its 29.97... is the NTSC rate 30000/1001.
AVRational deliveredRate(double fps);

// Whether H.263 can hold a frame of that size.
bool isH263Size(int width, int height);

// The video codec the options ask for at that frame size: "mpeg4", "xvid", "h263", "h264"
// or "hevc". Without -vcodec: H.263 for an AMR-NB output at a size H.263 allows, else MPEG-4.
std::string videoCodecFor(const EncoderOptions &options, int width, int height);

} // namespace encoder
