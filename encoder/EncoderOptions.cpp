#include "EncoderOptions.h"

#include "EncoderError.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>

extern "C" {
#include <libavutil/parseutils.h>
}

namespace encoder {
namespace {

const std::array<const char *, 9> kContainers = {"3gp", "3g2", "mp4", "mov", "ipod",
                                                 "avi", "amr", "adts", "mp3"};

[[noreturn]] void badValue(const std::string &option, const std::string &value)
{
    throw EncoderError("invalid value \"" + value + "\" for option " + option);
}

// A whole or decimal number, optionally followed by "k", read as kbit/s.
int parseKbits(const std::string &option, const std::string &value, int maxK)
{
    std::string digits = value;
    if (!digits.empty() && (digits.back() == 'k' || digits.back() == 'K'))
        digits.pop_back();
    if (digits.empty() || digits.find_first_not_of("0123456789.") != std::string::npos)
        badValue(option, value);
    errno = 0;
    char *end = nullptr;
    double kbits = std::strtod(digits.c_str(), &end);
    if (errno != 0 || *end != '\0' || !(kbits >= 1.0) || kbits > maxK)
        badValue(option, value);
    return static_cast<int>(std::lround(kbits));
}

int parseInt(const std::string &option, const std::string &value, int minValue, int maxValue)
{
    if (value.empty() || value.size() > 9 || value.find_first_not_of("0123456789") != std::string::npos)
        badValue(option, value);
    int number = std::atoi(value.c_str());
    if (number < minValue || number > maxValue)
        badValue(option, value);
    return number;
}

double parseTime(const std::string &option, const std::string &value)
{
    int64_t micros = 0;
    if (value.empty() || av_parse_time(&micros, value.c_str(), 1) < 0)
        badValue(option, value);
    return static_cast<double>(micros) / 1e6;
}

std::string lowerExtension(const std::string &path)
{
    size_t slash = path.find_last_of('/');
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

} // namespace

EncoderOptions parseEncoderOptions(const std::vector<std::string> &args)
{
    EncoderOptions o;
    bool haveInput = false;
    bool haveOutput = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg.empty())
            continue; // an empty fragment, such as the volume with no selection
        if (arg.size() < 2 || arg[0] != '-') {
            if (haveOutput)
                throw EncoderError("more than one output file: \"" + o.output + "\" and \"" +
                                   arg + "\"");
            o.output = arg;
            haveOutput = true;
            continue;
        }
        if (arg == "-y") {
            o.overwrite = true;
            continue;
        }
        if (arg == "-vn") {
            o.noVideo = true;
            continue;
        }
        static const std::array<const char *, 24> kValued = {
            "-i",     "-vcodec",  "-acodec",  "-b",    "-ab",       "-s",      "-r",
            "-aspect", "-vol",    "-ac",      "-ar",   "-f",        "-ss",     "-t",
            "-b:v",   "-vprofile", "-level",  "-maxrate", "-bufsize", "-vtag", "-movflags",
            "-fpsmax", "-pass",   "-passlogfile"};
        if (std::find_if(kValued.begin(), kValued.end(),
                         [&](const char *name) { return arg == name; }) == kValued.end())
            throw EncoderError("unknown option " + arg);
        if (i + 1 >= args.size())
            throw EncoderError("option " + arg + " needs a value");
        const std::string &value = args[++i];

        if (arg == "-i") {
            if (haveInput)
                throw EncoderError("more than one input file");
            if (value.empty())
                throw EncoderError("the input file name is empty");
            o.input = value;
            haveInput = true;
        } else if (arg == "-vcodec") {
            if (value == "mpeg4" || value == "h263")
                o.videoCodec = value;
            else if (value == "h264" || value == "libx264")
                o.videoCodec = "h264";
            else if (value == "hevc" || value == "h265" || value == "libx265")
                o.videoCodec = "hevc";
            else if (value == "xvid" || value == "libxvid")
                o.videoCodec = "xvid";
            else
                throw EncoderError("unknown video codec \"" + value + "\"");
        } else if (arg == "-acodec") {
            if (value == "aac" || value == "mp3" || value == "amr_nb")
                o.audioCodec = value;
            else if (value == "libmp3lame")
                o.audioCodec = "mp3";
            else if (value == "libopencore_amrnb")
                o.audioCodec = "amr_nb";
            else
                throw EncoderError("unknown audio codec \"" + value + "\"");
        } else if (arg == "-b" || arg == "-b:v") {
            o.videoBitrateK = parseKbits(arg, value, 100000);
        } else if (arg == "-ab") {
            o.audioBitrateK = parseKbits(arg, value, 1000);
        } else if (arg == "-s") {
            int w = 0, h = 0;
            if (av_parse_video_size(&w, &h, value.c_str()) < 0 || w < 16 || h < 16 ||
                w > 4096 || h > 4096 || w % 2 || h % 2)
                badValue(arg, value);
            o.width = w;
            o.height = h;
        } else if (arg == "-r") {
            AVRational rate{0, 1};
            if (value.empty() || av_parse_video_rate(&rate, value.c_str()) < 0 || rate.num <= 0 ||
                rate.den <= 0 || av_q2d(rate) < 1.0 || av_q2d(rate) > 120.0)
                badValue(arg, value);
            o.frameRateNum = rate.num;
            o.frameRateDen = rate.den;
        } else if (arg == "-fpsmax") {
            o.maxFrameRate = parseInt(arg, value, 1, 120);
        } else if (arg == "-vprofile") {
            if (value != "baseline" && value != "main" && value != "high")
                badValue(arg, value);
            o.videoProfile = value;
        } else if (arg == "-level") {
            // "3", "3.1" or "31"
            const bool dotted = value.size() == 3 && value[1] == '.';
            if (value.empty() || value.size() > 3 ||
                value.find_first_not_of(dotted ? "0123456789." : "0123456789") !=
                    std::string::npos ||
                (dotted && (value[0] == '.' || value[2] == '.')))
                badValue(arg, value);
            o.level = value;
        } else if (arg == "-maxrate") {
            o.maxRateK = parseKbits(arg, value, 100000);
        } else if (arg == "-bufsize") {
            o.bufSizeK = parseKbits(arg, value, 200000);
        } else if (arg == "-vtag") {
            if (value.size() != 4)
                badValue(arg, value);
            o.videoTag = value;
        } else if (arg == "-movflags") {
            if (value != "faststart" && value != "+faststart")
                badValue(arg, value);
            o.frontIndex = true;
        } else if (arg == "-pass") {
            o.twoPass = parseInt(arg, value, 1, 2) == 2;
        } else if (arg == "-passlogfile") {
            if (value.empty())
                badValue(arg, value);
            o.passLogFile = value;
        } else if (arg == "-aspect") {
            AVRational dar{0, 1};
            if (value.empty() ||
                av_parse_ratio(&dar, value.c_str(), 10000, 0, nullptr) < 0 || dar.num <= 0 ||
                dar.den <= 0 || av_q2d(dar) < 0.1 || av_q2d(dar) > 10.0)
                badValue(arg, value);
            o.aspectNum = dar.num;
            o.aspectDen = dar.den;
        } else if (arg == "-vol") {
            o.volumePercent = parseInt(arg, value, 0, 1000);
        } else if (arg == "-ac") {
            o.channels = parseInt(arg, value, 1, 2);
        } else if (arg == "-ar") {
            static const std::array<int, 9> kRates = {8000,  11025, 12000, 16000, 22050,
                                                      24000, 32000, 44100, 48000};
            int rate = parseInt(arg, value, 1, 48000);
            if (std::find(kRates.begin(), kRates.end(), rate) == kRates.end())
                badValue(arg, value);
            o.sampleRate = rate;
        } else if (arg == "-f") {
            if (std::find_if(kContainers.begin(), kContainers.end(),
                             [&](const char *name) { return value == name; }) == kContainers.end())
                throw EncoderError("unknown output format \"" + value + "\"");
            o.format = value;
        } else if (arg == "-ss") {
            double start = parseTime(arg, value);
            if (start < 0)
                badValue(arg, value);
            o.startSeconds = start;
        } else if (arg == "-t") {
            double length = parseTime(arg, value);
            if (length <= 0)
                throw EncoderError("nothing to convert: the length -t " + value +
                                   " is not above zero");
            o.durationSeconds = length;
        }
    }
    if (!haveInput)
        throw EncoderError("no input file (-i) given");
    if (!haveOutput)
        throw EncoderError("no output file given");
    const bool h26x = o.videoCodec == "h264" || o.videoCodec == "hevc";
    if (!h26x && (!o.videoProfile.empty() || !o.level.empty()))
        throw EncoderError("-vprofile and -level apply to the h264 and hevc video codecs only");
    if (o.videoCodec == "hevc" && !o.videoProfile.empty() && o.videoProfile != "main")
        throw EncoderError("the hevc video codec has no profile \"" + o.videoProfile + "\"");
    if (o.twoPass && !h26x)
        throw EncoderError("two passes (-pass 2) apply to the h264 and hevc video codecs only");
    if (o.bufSizeK && !o.maxRateK)
        throw EncoderError("-bufsize needs -maxrate");
    return o;
}

std::string containerFor(const EncoderOptions &options)
{
    if (!options.format.empty())
        return options.format;
    std::string ext = lowerExtension(options.output);
    if (ext == "aac")
        return "adts";
    if (ext == "m4a")
        return "ipod"; // MP4 branded as an audio file, as phones keep music and voice notes
    if (ext == "m4v")
        return "mp4";
    if (std::find_if(kContainers.begin(), kContainers.end(),
                     [&](const char *name) { return ext == name; }) != kContainers.end() &&
        ext != "adts" && ext != "ipod")
        return ext;
    throw EncoderError("cannot tell the output format from the file name \"" + options.output +
                       "\"");
}

bool isMp4Family(const std::string &container)
{
    return container == "3gp" || container == "3g2" || container == "mp4" ||
           container == "mov" || container == "ipod";
}

bool containerHoldsVideo(const std::string &container)
{
    return container == "3gp" || container == "3g2" || container == "mp4" ||
           container == "mov" || container == "avi";
}

} // namespace encoder
