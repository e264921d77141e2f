// Sources in every format the program accepts, and odd ones (odd frame size, 5.1 sound, sound
// or pictures only, a variable frame rate, sound that starts late), converted to the 3GPP MPEG-4
// type; RealMedia through mcore and the script the program writes.

#include "EncoderTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace enctest;

namespace {

struct SourceCase
{
    const char *name;
    const char *file;
    const char *codecs; // ffmpeg output options after the ramp inputs
    bool video;
    bool audio;
};

// 2.5 s of 176x144 pictures at 25 fps and 44100 Hz mono sound, made in each container.
const SourceCase kSources[] = {
    {"Avi", "s.avi", "-c:v mpeg4 -q:v 2 -c:a libmp3lame", true, true},
    {"Mpg", "s.mpg", "-c:v mpeg1video -q:v 2 -c:a mp2", true, true},
    {"Mp4", "s.mp4", "-c:v libx264 -preset ultrafast -g 50 -pix_fmt yuv420p -c:a aac", true, true},
    {"M4v", "s.m4v", "-map 0:v -c:v mpeg4 -q:v 2 -f m4v", true, false},
    {"Mov", "s.mov", "-c:v mpeg4 -q:v 2 -c:a pcm_s16le", true, true},
    {"Wmv", "s.wmv", "-c:v wmv2 -q:v 2 -c:a wmav2", true, true},
    {"Asf", "s.asf", "-c:v msmpeg4 -q:v 2 -c:a wmav2", true, true},
    {"Flv", "s.flv", "-c:v flv -q:v 2 -c:a libmp3lame", true, true},
    {"Swf", "s.swf", "-c:v flv -q:v 2 -c:a libmp3lame", true, true},
    {"Gp3", "s.3gp", "-c:v h263 -s 176x144 -q:v 2 -c:a aac -ar 22050", true, true},
    {"RmDirect", "s.RM", "-c:v rv20 -q:v 2 -c:a ac3 -f rm", true, true},
    {"OddSize", "odd.avi", "-vf scale=161:121 -c:v mjpeg -pix_fmt yuvj420p -q:v 2 -c:a pcm_s16le", true, true},
    {"Surround", "surround.mp4", "-c:v mpeg4 -q:v 2 -af aformat=channel_layouts=5.1 -c:a aac", true, true},
    {"SoundOnly", "sound.mp3", "-vn -c:a libmp3lame", false, true},
    {"PicturesOnly", "pictures.mp4", "-an -c:v mpeg4 -q:v 2", true, false},
    // Frames at irregular times: a third of them dropped, and a jump of 0.3 s.
    {"VariableRate", "vfr.mkv",
     "-vf select='not(mod(n\\,3))+lt(n\\,12)',setpts='PTS+if(gt(N\\,20)\\,0.3/TB\\,0)' "
     "-c:v mpeg4 -q:v 2 -fps_mode vfr -c:a aac",
     true, true},
};

void PrintTo(const SourceCase &c, std::ostream *os)
{
    *os << c.name;
}

// The 3GPP MPEG-4 type at Normal quality, cut from 1 s for 1 s.
const char kNormal3gp[] =
    "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 "
    "-ar 44100 -f 3gp -ss 00:00:01 -t 1";

class EncoderInputs : public ::testing::TestWithParam<SourceCase>
{
protected:
    static void SetUpTestSuite() { s_dir = new TempDir; }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    static std::string make(const SourceCase &c)
    {
        std::string path = s_dir->file(c.file);
        std::vector<std::string> args = rampInputs("176x144", 25, 2.5, 44100, 1);
        for (const std::string &w : words(c.codecs))
            args.push_back(w);
        args.push_back(path);
        ffmpeg(args);
        return path;
    }

    static RunResult convert(const std::string &encoder, const std::string &input,
                             const std::string &options, const std::string &output)
    {
        std::vector<std::string> argv = {encoder, "-y", "-i", input};
        for (const std::string &w : words(options))
            argv.push_back(w);
        argv.push_back(output);
        return run(argv);
    }

    static TempDir *s_dir;
};

TempDir *EncoderInputs::s_dir = nullptr;

TEST_P(EncoderInputs, ConvertsTheCutWithStreamsInStep)
{
    const SourceCase &c = GetParam();
    std::string source = make(c);
    ASSERT_FALSE(HasFatalFailure());
    TempDir out;
    std::string output = out.file("clip.3gp");
    RunResult r = convert(tcorePath(), source, kNormal3gp, output);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_FALSE(sanitizerReported(r.output)) << r.output;

    ASSERT_EQ(streamCount(output, 'v'), c.video ? 1 : 0);
    ASSERT_EQ(streamCount(output, 'a'), c.audio ? 1 : 0);
    if (c.video) {
        auto v = probe(output, "v:0");
        EXPECT_EQ(v["width"], "160");
        EXPECT_EQ(v["height"], "120");
        EXPECT_EQ(v["r_frame_rate"], "15/1");
        EXPECT_NEAR(toDouble(v["start_time"]), 0.0, 0.001);
        EXPECT_NEAR(static_cast<double>(decodedFrames(output)), 15.0, 1.0);
        if (std::string(c.name) != "VariableRate") {
            EXPECT_NEAR(firstFrameBrightness(output), 50.0, 6.0) << "the cut does not start at 1 s";
        }
    }
    if (c.audio) {
        auto a = probe(output, "a:0");
        EXPECT_EQ(a["sample_rate"], "44100");
        EXPECT_EQ(a["channels"], "2");
        EXPECT_NEAR(toDouble(a["start_time"]), 0.0, 0.001);
        EXPECT_NEAR(static_cast<double>(decodedSamples(output)), 44100.0, 1024.0);
        // 0.45 * t / 2.5, doubled by -vol 200, at t = 1.15 s.
        EXPECT_NEAR(firstSoundPeak(output), 0.414, 0.414 * 0.35) << "the cut does not start at 1 s";
    }
}

INSTANTIATE_TEST_SUITE_P(AllSources, EncoderInputs, ::testing::ValuesIn(kSources),
                         [](const auto &info) { return std::string(info.param.name); });

// mcore reads the one-line script the program writes and delivers NTSC-rate frames; a type
// without -r keeps that rate, and the AMR type works from the same script.
TEST_F(EncoderInputs, ScriptSourceThroughMcore)
{
    for (const char *name : {"real.rm", "real.rmvb"}) {
        SCOPED_TRACE(name);
        std::string source = make({"Real", name, "-c:v rv10 -q:v 2 -c:a ac3 -f rm", true, true});
        ASSERT_FALSE(HasFatalFailure());
        std::string script = s_dir->file("VideoFile.avs");
        {
            std::ofstream avs(script, std::ios::binary);
            avs << "DirectShowSource(\"" << source
                << "\", fps=29.9700898503294, convertfps=true)\r\n";
        }
        TempDir out;
        std::string clip = out.file("clip.3gp");
        RunResult r = convert(mcorePath(), script,
                              "-acodec amr_nb -s 160x120 -b 128 -ab 128 -vol 200 -ac 1 -ar 8000 "
                              "-f 3gp -ss 00:00:01 -t 1",
                              clip);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        auto v = probe(clip, "v:0");
        EXPECT_EQ(v["r_frame_rate"], "30000/1001");
        EXPECT_NEAR(static_cast<double>(decodedFrames(clip)), 29.97, 1.0);
        EXPECT_NEAR(firstFrameBrightness(clip), 50.0, 6.0);
        EXPECT_EQ(probe(clip, "a:0")["codec_name"], "amr_nb");

        std::string amr = out.file("clip.amr");
        r = convert(mcorePath(), script,
                    "-acodec amr_nb -s 160x120 -b 128 -ab 128 -vol 200 -ac 1 -ar 8000 "
                    "-ss 00:00:00 -t 2",
                    amr);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        EXPECT_EQ(probe(amr, "format")["format_name"], "amr");
        EXPECT_NEAR(static_cast<double>(decodedSamples(amr)), 16000.0, 160.0);
    }
}

// The MP4 type at Normal quality with the volume unchanged.
const char kMp4Unchanged[] = "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 "
                             "-ab 128 -vol 100 -ac 2 -ar 44100";

// Sound that starts 0.5 s after the pictures keeps its place: the output's sound track
// begins with silence instead of being pulled forward.
TEST_F(EncoderInputs, LateSoundStaysInStep)
{
    std::string source = s_dir->file("late.mkv");
    ffmpeg({"-f", "lavfi", "-i", "testsrc=size=176x144:rate=25:duration=2", "-itsoffset", "0.5",
            "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=1.5", "-c:v",
            "mpeg4", "-c:a", "aac", source});
    ASSERT_FALSE(HasFatalFailure());
    TempDir out;
    std::string output = out.file("late.mp4");
    RunResult r = convert(tcorePath(), source, kMp4Unchanged, output);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_LT(soundPeak(output, 0.1, 0.4), 0.01) << "the sound was pulled forward";
    EXPECT_GT(soundPeak(output, 0.7, 0.9), 0.05) << "the sound is missing after 0.5 s";
    EXPECT_NEAR(static_cast<double>(decodedSamples(output)), 2.0 * 44100, 2048.0);
}

// Each stream is encoded on its own thread: one that ends long before the other leaves the
// other to finish alone, in full, and the conversion ends.
TEST_F(EncoderInputs, StreamThatEndsEarlyLeavesTheOtherWhole)
{
    struct Lengths
    {
        const char *file;
        double pictures, sound;
    };
    for (Lengths c : {Lengths{"short-sound.mkv", 4.0, 0.4}, Lengths{"short-pictures.mkv", 0.4, 4.0}}) {
        SCOPED_TRACE(c.file);
        std::string source = s_dir->file(c.file);
        ffmpeg({"-f", "lavfi", "-i", "testsrc=size=176x144:rate=25:duration=" + std::to_string(c.pictures),
                "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=" + std::to_string(c.sound),
                "-c:v", "mpeg4", "-c:a", "aac", source});
        ASSERT_FALSE(HasFatalFailure());
        TempDir out;
        std::string output = out.file("out.mp4");
        RunResult r = convert(tcorePath(), source, kMp4Unchanged, output);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        EXPECT_NEAR(static_cast<double>(decodedFrames(output)), c.pictures * 15, 2.0);
        EXPECT_NEAR(static_cast<double>(decodedSamples(output)), c.sound * 44100, 2048.0);
    }
}

} // namespace

namespace {

// A sound track whose timestamps jump an hour ahead (damage) is not padded with an hour of
// silence: the conversion stays as long as the sound.
TEST(EncoderTimestamps, JumpOfAnHourIsMended)
{
    TempDir dir;
    std::string source = dir.file("jump.mkv");
    ffmpeg({"-f", "lavfi", "-i", "sine=duration=2", "-af",
            "asetpts='if(gt(T\\,1)\\,PTS+3600/TB\\,PTS)'", "-c:a", "pcm_s16le", source});
    ASSERT_FALSE(HasFatalFailure());
    std::string output = dir.file("jump.mp3");
    RunResult r = run({tcorePath(), "-y", "-i", source, "-acodec", "mp3", "-vn", "-ab", "128",
                       "-ac", "2", "-ar", "44100", output});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(static_cast<double>(decodedSamples(output)), 2.0 * 44100, 1152.0);
}

} // namespace
