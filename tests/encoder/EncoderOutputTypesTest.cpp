// Every output type at the Low, Normal and Superb quality levels, with the command lines the
// program builds, checked with ffprobe: container, codecs, picture and sound settings, the
// length of the cut, where the cut starts and the last progress report.

#include "EncoderTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

using namespace enctest;

namespace {

struct TypeCase
{
    const char *name;
    const char *args; // the options between the input and the cut, as the program writes them
    const char *ext;
    const char *format; // ffprobe's format_name
    const char *videoCodec; // nullptr: no video stream
    int width, height;
    const char *frameRate;
    const char *aspect;
    const char *audioCodec;
    int sampleRate;
    int channels;
    int audioKbits;
};

// Profile values: MP4 types Low 160x120/11/40/48/mono/22050, Normal 160x120/15/128/128/
// stereo/44100, Superb 160x120/15/512/224/stereo/48000; the amr_nb types take the same
// video and always mono 8000 Hz; AAC and MP3 take the MP4 types' sound settings.
const TypeCase kCases[] = {
    {"Gp3Mp4Low", "-vcodec mpeg4 -acodec aac -b 40 -s 160x120 -r 11 -aspect 4:3 -ab 48 -vol 200 -ac 1 -ar 22050 -f 3gp",
     ".3gp", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "11/1", "4:3", "aac", 22050, 1, 48},
    {"Gp3Mp4Normal", "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 -ar 44100 -f 3gp",
     ".3gp", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "15/1", "4:3", "aac", 44100, 2, 128},
    {"Gp3Mp4Superb", "-vcodec mpeg4 -acodec aac -b 512 -s 160x120 -r 15 -aspect 4:3 -ab 224 -vol 200 -ac 2 -ar 48000 -f 3gp",
     ".3gp", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "15/1", "4:3", "aac", 48000, 2, 224},
    {"Gp3AmrLow", "-acodec amr_nb -s 160x120 -b 40 -ab 48 -vol 200 -ac 1 -ar 8000 -f 3gp",
     ".3gp", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "25/1", "4:3", "amr_nb", 8000, 1, 12},
    {"Gp3AmrNormal", "-acodec amr_nb -s 160x120 -b 128 -ab 128 -vol 200 -ac 1 -ar 8000 -f 3gp",
     ".3gp", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "25/1", "4:3", "amr_nb", 8000, 1, 12},
    {"Gp3AmrSuperb", "-acodec amr_nb -s 160x120 -b 512 -ab 224 -vol 200 -ac 1 -ar 8000 -f 3gp",
     ".3gp", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "25/1", "4:3", "amr_nb", 8000, 1, 12},
    {"G2Mp4Low", "-vcodec mpeg4 -acodec aac -b 40 -s 160x120 -r 11 -aspect 4:3 -ab 48 -vol 200 -ac 1 -ar 22050 -f 3g2",
     ".3g2", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "11/1", "4:3", "aac", 22050, 1, 48},
    {"G2Mp4Normal", "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 -ar 44100 -f 3g2",
     ".3g2", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "15/1", "4:3", "aac", 44100, 2, 128},
    {"G2Mp4Superb", "-vcodec mpeg4 -acodec aac -b 512 -s 160x120 -r 15 -aspect 4:3 -ab 224 -vol 200 -ac 2 -ar 48000 -f 3g2",
     ".3g2", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "15/1", "4:3", "aac", 48000, 2, 224},
    {"G2AmrLow", "-acodec amr_nb -s 160x120 -b 40 -ab 48 -vol 200 -ac 1 -ar 8000 -f 3g2",
     ".3g2", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "25/1", "4:3", "amr_nb", 8000, 1, 12},
    {"G2AmrNormal", "-acodec amr_nb -s 160x120 -b 128 -ab 128 -vol 200 -ac 1 -ar 8000 -f 3g2",
     ".3g2", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "25/1", "4:3", "amr_nb", 8000, 1, 12},
    {"G2AmrSuperb", "-acodec amr_nb -s 160x120 -b 512 -ab 224 -vol 200 -ac 1 -ar 8000 -f 3g2",
     ".3g2", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "25/1", "4:3", "amr_nb", 8000, 1, 12},
    {"Mp4Low", "-vcodec mpeg4 -acodec aac -b 40 -s 160x120 -r 11 -aspect 4:3 -ab 48 -vol 200 -ac 1 -ar 22050",
     ".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "11/1", "4:3", "aac", 22050, 1, 48},
    {"Mp4Normal", "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 -ar 44100",
     ".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "15/1", "4:3", "aac", 44100, 2, 128},
    {"Mp4Superb", "-vcodec mpeg4 -acodec aac -b 512 -s 160x120 -r 15 -aspect 4:3 -ab 224 -vol 200 -ac 2 -ar 48000",
     ".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 160, 120, "15/1", "4:3", "aac", 48000, 2, 224},
    {"AmrLow", "-acodec amr_nb -s 160x120 -b 128 -ab 48 -vol 200 -ac 1 -ar 8000",
     ".amr", "amr", nullptr, 0, 0, nullptr, nullptr, "amr_nb", 8000, 1, 12},
    {"AmrNormal", "-acodec amr_nb -s 160x120 -b 128 -ab 128 -vol 200 -ac 1 -ar 8000",
     ".amr", "amr", nullptr, 0, 0, nullptr, nullptr, "amr_nb", 8000, 1, 12},
    {"AmrSuperb", "-acodec amr_nb -s 160x120 -b 128 -ab 224 -vol 200 -ac 1 -ar 8000",
     ".amr", "amr", nullptr, 0, 0, nullptr, nullptr, "amr_nb", 8000, 1, 12},
    {"AacLow", "-acodec aac -vn -ab 48 -vol 200 -ac 1 -ar 22050",
     ".aac", "aac", nullptr, 0, 0, nullptr, nullptr, "aac", 22050, 1, 48},
    {"AacNormal", "-acodec aac -vn -ab 128 -vol 200 -ac 2 -ar 44100",
     ".aac", "aac", nullptr, 0, 0, nullptr, nullptr, "aac", 44100, 2, 128},
    {"AacSuperb", "-acodec aac -vn -ab 224 -vol 200 -ac 2 -ar 48000",
     ".aac", "aac", nullptr, 0, 0, nullptr, nullptr, "aac", 48000, 2, 224},
    {"Mp3Low", "-acodec mp3 -vn -ab 48 -vol 200 -ac 1 -ar 22050",
     ".mp3", "mp3", nullptr, 0, 0, nullptr, nullptr, "mp3", 22050, 1, 48},
    {"Mp3Normal", "-acodec mp3 -vn -ab 128 -vol 200 -ac 2 -ar 44100",
     ".mp3", "mp3", nullptr, 0, 0, nullptr, nullptr, "mp3", 44100, 2, 128},
    {"Mp3Superb", "-acodec mp3 -vn -ab 224 -vol 200 -ac 2 -ar 48000",
     ".mp3", "mp3", nullptr, 0, 0, nullptr, nullptr, "mp3", 48000, 2, 224},
    // An amr_nb 3GPP job at an H.263 frame size gets H.263 video.
    {"Gp3AmrH263", "-acodec amr_nb -s 176x144 -b 128 -ab 128 -vol 200 -ac 1 -ar 8000 -f 3gp",
     ".3gp", "mov,mp4,m4a,3gp,3g2,mj2", "h263", 176, 144, "25/1", "4:3", "amr_nb", 8000, 1, 12},
    // MP3 at 22050 Hz has no 224 kbit/s; the nearest rate it has, 160, is used.
    {"Mp3RateBeyondSampleRate", "-acodec mp3 -vn -ab 224 -vol 200 -ac 2 -ar 22050",
     ".mp3", "mp3", nullptr, 0, 0, nullptr, nullptr, "mp3", 22050, 2, 160},
    // A wide picture on the MP4 type.
    {"Mp4Wide", "-vcodec mpeg4 -acodec aac -b 256 -s 320x240 -r 15 -aspect 16:9 -ab 128 -vol 200 -ac 2 -ar 44100",
     ".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", 320, 240, "15/1", "16:9", "aac", 44100, 2, 128},
    // Every list without a selection: the fragments' defaults, the volume a lone blank.
    {"AllDefaults", "-vcodec xvid -acodec mp3 -b 512 -s 320x240 -r 25 -aspect 4:3 -ab 64   -ac 2 -ar 44100",
     ".avi", "avi", "mpeg4", 320, 240, "25/1", "4:3", "mp3", 44100, 2, 64},
};

void PrintTo(const TypeCase &c, std::ostream *os)
{
    *os << c.name << ": " << c.args;
}

constexpr double kStart = 1.0;  // -ss 00:00:01
constexpr double kLength = 2.0; // -t 2

class EncoderOutputTypes : public ::testing::TestWithParam<TypeCase>
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        // 4 s of 320x240 MPEG-4 at 25 fps with stereo MP3 at 44100 Hz, brightness 50 per
        // second and a tone rising from silence.
        std::vector<std::string> args = rampInputs("320x240", 25, 4.0, 44100, 2);
        std::vector<std::string> codecs = {"-c:v", "mpeg4", "-q:v", "2", "-c:a", "libmp3lame",
                                           "-b:a", "192k", s_dir->file("source.avi")};
        args.insert(args.end(), codecs.begin(), codecs.end());
        ffmpeg(args);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static TempDir *s_dir;
};

TempDir *EncoderOutputTypes::s_dir = nullptr;

int audioFrameSize(const std::string &codec)
{
    return codec == "amr_nb" ? 160 : codec == "mp3" ? 1152 : 1024;
}

TEST_P(EncoderOutputTypes, WritesWhatTheTypeAndProfileAsk)
{
    const TypeCase &c = GetParam();
    TempDir out;
    std::string output = out.file(std::string("clip") + c.ext);
    std::vector<std::string> argv = {tcorePath(), "-y", "-i", s_dir->file("source.avi")};
    for (const std::string &w : words(c.args))
        argv.push_back(w);
    for (const char *w : {"-ss", "00:00:01", "-t", "2"})
        argv.push_back(w);
    argv.push_back(output);

    RunResult r = run(argv);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(errorLines(r.output).empty()) << r.output;
    EXPECT_FALSE(sanitizerReported(r.output)) << r.output;
    EXPECT_EQ(out.entries(), std::vector<std::string>{std::string("clip") + c.ext});

    EXPECT_EQ(probe(output, "format")["format_name"], c.format);

    if (c.videoCodec) {
        auto v = probe(output, "v:0");
        EXPECT_EQ(v["codec_name"], c.videoCodec);
        EXPECT_EQ(std::stoi(v["width"]), c.width);
        EXPECT_EQ(std::stoi(v["height"]), c.height);
        EXPECT_EQ(v["r_frame_rate"], c.frameRate);
        EXPECT_EQ(v["display_aspect_ratio"], c.aspect);
        double fps = toDouble(c.frameRate);
        EXPECT_NEAR(static_cast<double>(decodedFrames(output)), kLength * fps, 1.0);
        EXPECT_NEAR(firstFrameCentreBrightness(output), 50.0 * kStart, 6.0)
            << "the pictures do not start at -ss";
    } else {
        EXPECT_EQ(streamCount(output, 'v'), 0);
    }

    auto a = probe(output, "a:0");
    EXPECT_EQ(a["codec_name"], c.audioCodec);
    EXPECT_EQ(std::stoi(a["sample_rate"]), c.sampleRate);
    EXPECT_EQ(std::stoi(a["channels"]), c.channels);
    double bitrate = toDouble(a["bit_rate"] == "N/A" || a["bit_rate"].empty()
                                  ? probe(output, "format")["bit_rate"]
                                  : a["bit_rate"]);
    double asked = c.audioCodec == std::string("amr_nb") ? 12200.0 : c.audioKbits * 1000.0;
    EXPECT_NEAR(bitrate, asked, asked * 0.2) << "audio bitrate";

    // Raw AAC and AVI cannot say how many samples the encoder put before the sound (one to
    // two frames); the other containers do, so their sound lasts -t within one frame.
    long long samples = decodedSamples(output);
    long long expected = std::llround(kLength * c.sampleRate);
    int frame = audioFrameSize(c.audioCodec);
    if (c.format == std::string("aac") || c.format == std::string("avi"))
        EXPECT_TRUE(samples >= expected - frame && samples <= expected + 2 * frame) << samples;
    else
        EXPECT_NEAR(static_cast<double>(samples), static_cast<double>(expected), frame)
            << "the sound does not last -t";

    // The tone's loudness tells where the sound starts: 0.45 * t / 4, doubled by -vol 200.
    double peak = firstSoundPeak(output);
    double volume = std::string(c.args).find("-vol 200") != std::string::npos ? 2.0 : 1.0;
    double wanted = volume * 0.45 * (kStart + 0.2) / 4.0;
    EXPECT_NEAR(peak, wanted, wanted * 0.35) << "the sound does not start at -ss";

    std::vector<std::string> reports = progressReports(r.output);
    ASSERT_FALSE(reports.empty()) << r.output;
    std::regex layout(c.videoCodec || c.format == std::string("mov,mp4,m4a,3gp,3g2,mj2")
                          ? R"(frame= *\d+ q=\d+\.\d size= *\d+kB time=(\d+\.\d\d) bitrate= *\d+\.\dkbits/s)"
                          : R"(size= *\d+kB time=(\d+\.\d\d) bitrate= *\d+\.\dkbits/s)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(reports.back(), m, layout)) << reports.back();
    EXPECT_NEAR(toDouble(m[1]), kLength, 0.05);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, EncoderOutputTypes, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
