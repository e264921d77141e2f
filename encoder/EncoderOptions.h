#pragma once

#include <optional>
#include <string>
#include <vector>

namespace encoder {

// One conversion as the command line asks for it, in the old FFmpeg option dialect that the
// program writes: bitrates in kbit/s, volume in percent, -ss/-t among the output options.
struct EncoderOptions
{
    bool overwrite = false;
    std::string input;
    std::string output;

    std::string videoCodec; // "mpeg4", "xvid", "h263", "h264", "hevc"; empty: by the frame size
    std::string audioCodec; // "aac", "amr_nb", "mp3"; empty: the container's usual one
    bool noVideo = false;
    std::optional<int> videoBitrateK;
    int width = 0; // 0: the source's size
    int height = 0;
    int frameRateNum = 0; // 0: the source's rate
    int frameRateDen = 1;
    int maxFrameRate = 0; // -fpsmax: the source's rate (without -r) at most this; 0: no cap
    int aspectNum = 0; // 0: the source's display aspect
    int aspectDen = 1;
    std::optional<int> audioBitrateK;
    int volumePercent = 100;
    int channels = 0;   // 0: the source's, at most 2
    int sampleRate = 0; // 0: the source's
    std::string format; // container name; empty: chosen by the output's extension

    // H.264 and H.265 only: the profile and level written into the stream, and the rate
    // control's cap (VBV) in kbit/s and kbit.
    std::string videoProfile; // "baseline", "main", "high"; empty: the encoder's choice
    std::string level;        // "3.1" and the like; empty: the encoder's choice
    std::optional<int> maxRateK;
    std::optional<int> bufSizeK;
    std::string videoTag;    // -vtag: the four-character code of the video stream
    bool frontIndex = false; // -movflags faststart: the MP4 index before the media data
    // -pass 2: two passes in one run, the first only analysing the pictures (H.264 and
    // H.265), so the second spends the bitrate where it is needed and ends on the asked size.
    bool twoPass = false;
    std::string passLogFile; // -passlogfile: the prefix of the first pass's log files
    int passStage = 0;       // set by the encoder itself: 0 one pass, 1 analysis, 2 final

    std::optional<double> startSeconds;
    std::optional<double> durationSeconds;
};

// Reads the arguments after the program name. Throws EncoderError for an option or value it
// does not know, a missing input or output, or a length of zero or less.
EncoderOptions parseEncoderOptions(const std::vector<std::string> &args);

// The container to write: -f when given, else the one the output's extension names.
// Throws EncoderError when neither names a container this encoder writes.
std::string containerFor(const EncoderOptions &options);

// Whether that container is one of the MP4 family (an index that can stand in front).
bool isMp4Family(const std::string &container);

// Whether that container holds video at all.
bool containerHoldsVideo(const std::string &container);

} // namespace encoder
