// Sources an encoder meets on real machines that no output type can take as they are: sound
// without pictures for a video type, odd and huge frame sizes, frame rates of 1000 or 0 in
// the container. Each either converts into a sound output or ends with one error line that
// names the file and says why, with nothing left in the output folder; nothing crashes.

#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "EncoderTestSupport.h"

using namespace enctest;

namespace {

// The video types as the program writes them, without a frame size where the source's own
// size is kept (a command line of tcore's own, not of the program).
const char kH264[] = "-vcodec h264 -acodec aac -movflags faststart -b 600 -s 640x360 -fpsmax 30 "
                     "-vprofile high -level 3.0 -maxrate 900 -bufsize 1200 -ab 64 -ac 2 -ar 44100";
const char kH264SourceSize[] = "-vcodec h264 -acodec aac -movflags faststart -b 600 -fpsmax 30 "
                               "-vprofile high -maxrate 900 -bufsize 1200 -ab 64 -ac 2 -ar 44100";
const char kH265SourceSize[] = "-vcodec hevc -vtag hvc1 -acodec aac -movflags faststart -b 400 "
                               "-fpsmax 30 -vprofile main -maxrate 600 -bufsize 800 -ab 64 -ac 2 "
                               "-ar 44100";
const char kMp4[] = "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 "
                    "-vol 200 -ac 2 -ar 44100";
const char k3gp[] = "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 "
                    "-vol 200 -ac 2 -ar 44100 -f 3gp";

// Byte surgery on a fixture: the 32-bit field `offset` bytes after the first `tag`.
void patch(const std::string &from, const std::string &to, const char *tag, size_t offset,
           uint32_t value, bool bigEndian)
{
    std::string bytes = readFile(from);
    const size_t at = bytes.find(tag);
    ASSERT_NE(at, std::string::npos) << tag << " in " << from;
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 24 - 8 * i : 8 * i;
        bytes[at + offset + i] = static_cast<char>((value >> shift) & 0xff);
    }
    writeFile(to, bytes);
}

class BadInput : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        auto make = [](std::vector<std::string> args, const std::string &name) {
            args.push_back(s_dir->file(name));
            ffmpeg(args);
        };
        make({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-c:a", "libmp3lame"},
             "sound.mp3");
        make({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-c:a", "aac"}, "sound.m4a");
        // Music with its album's cover: a picture stream that is no video.
        make({"-f",
              "lavfi",
              "-i",
              "sine=frequency=440:duration=1",
              "-f",
              "lavfi",
              "-i",
              "color=c=red:size=64x64:duration=1",
              "-map",
              "0",
              "-map",
              "1",
              "-frames:v",
              "1",
              "-c:a",
              "libmp3lame",
              "-c:v",
              "mjpeg",
              "-disposition:v:0",
              "attached_pic"},
             "cover.mp3");
        make({"-f", "lavfi", "-i", "testsrc=size=321x241:rate=25:duration=1", "-f", "lavfi", "-i",
              "sine=duration=1", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv444p",
              "-c:a", "aac"},
             "odd.mp4");
        make({"-f", "lavfi", "-i", "color=c=gray:size=8000x8000:rate=2:duration=1", "-c:v",
              "libx264", "-preset", "ultrafast"},
             "huge.mp4");
        // A truly fast camera: 300 frames in 0.3 s.
        make({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=1000:duration=0.3", "-c:v", "libx264",
              "-preset", "ultrafast"},
             "fast.mp4");
        make({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2", "-c:v", "libx264",
              "-preset", "ultrafast"},
             "plain.mp4");
        make({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2", "-f", "lavfi", "-i",
              "sine=duration=2", "-c:v", "mpeg4", "-c:a", "libmp3lame"},
             "plain.avi");
        make({"-f", "lavfi", "-i", "color=size=16x16:duration=1", "-frames:v", "1"}, "small.png");

        // The AVI stream header's scale and rate: 1/1000 s a frame, and a rate of 0.
        patch(s_dir->file("plain.avi"), s_dir->file("rate1000.avi"), "strh", 8 + 20, 1, false);
        patch(s_dir->file("rate1000.avi"), s_dir->file("rate1000.avi"), "strh", 8 + 24, 1000,
              false);
        patch(s_dir->file("plain.avi"), s_dir->file("rate0.avi"), "strh", 8 + 24, 0, false);
        // The MP4 track's clock of 0 ticks a second (read as 1: a frame every 512 s), and
        // samples that all last 0 ticks.
        patch(s_dir->file("plain.mp4"), s_dir->file("clock0.mp4"), "mdhd", 4 + 4 + 8, 0, true);
        std::string stts = readFile(s_dir->file("plain.mp4"));
        const size_t at = stts.find("stts");
        ASSERT_NE(at, std::string::npos);
        const uint32_t entries = (uint32_t(uint8_t(stts[at + 8])) << 24) |
                                 (uint32_t(uint8_t(stts[at + 9])) << 16) |
                                 (uint32_t(uint8_t(stts[at + 10])) << 8) | uint8_t(stts[at + 11]);
        for (uint32_t e = 0; e < entries; ++e)
            std::memset(&stts[at + 12 + 8 * e + 4], 0, 4);
        writeFile(s_dir->file("durations0.mp4"), stts);
        // A picture whose header claims 30000x30000: more than the decoder takes.
        patch(s_dir->file("small.png"), s_dir->file("giant.png"), "IHDR", 4, 30000, true);
        patch(s_dir->file("giant.png"), s_dir->file("giant.png"), "IHDR", 8, 30000, true);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static TempDir *s_dir;
};

TempDir *BadInput::s_dir = nullptr;

TEST_F(BadInput, RefusedWithTheFileAndTheReasonLeavingNothing)
{
    const struct
    {
        const char *source;
        const char *options;
        const char *output;
        const char *reason;
    } cases[] = {
        // Sound alone is no H.264 or H.265 video (the older types hold the sound alone).
        {"sound.mp3", kH264, "clip.mp4", "has no pictures for this video output type"},
        {"sound.m4a", kH265SourceSize, "clip.mp4", "has no pictures for this video output type"},
        {"cover.mp3", kH264, "clip.mp4", "has no pictures for this video output type"},
        {"giant.png", kH264, "clip.mp4", "cannot be decoded"},
        // Kept at its own size, a frame beyond what the codec's highest level holds.
        {"huge.mp4", kH264SourceSize, "clip.mp4", "are 8000x8000, larger than H.264 can hold"},
        {"huge.mp4", kH265SourceSize, "clip.mp4", "are 8000x8000, larger than H.265 can hold"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.source) + " " + c.options);
        TempDir out;
        const std::string source = s_dir->file(c.source);
        RunResult r = convert(source, c.options, out.file(c.output));
        EXPECT_EQ(r.exitCode, 1) << r.output;
        EXPECT_FALSE(sanitizerReported(r.output)) << r.output;
        const std::vector<std::string> errors = errorLines(r.output);
        ASSERT_EQ(errors.size(), 1u) << r.output;
        EXPECT_NE(errors[0].find("\"" + source + "\""), std::string::npos) << errors[0];
        EXPECT_NE(errors[0].find(c.reason), std::string::npos) << errors[0];
        EXPECT_TRUE(out.entries().empty()) << out.entries().front();
    }
    // The sound of such a source goes into a sound type as ever.
    TempDir out;
    RunResult r = convert(s_dir->file("cover.mp3"), "-acodec aac -vn -movflags faststart -ab 64",
                          out.file("clip.m4a"));
    EXPECT_EQ(r.exitCode, 0) << r.output;
}

// Odd and huge frames turned into a frame the codec takes, and frame rates that no display
// shows read as what they are: a fast source is shown at the cap, a rate of 0 or a clock
// that does not tick leaves the cap's or the usual 25 frames a second.
TEST_F(BadInput, ConvertedIntoAFrameAndARateThePhoneTakes)
{
    const struct
    {
        const char *source;
        const char *options;
        const char *size;
        const char *rate;
        long long frames; // -1: not counted
    } cases[] = {
        {"odd.mp4", kH264SourceSize, "322x242", "25/1", 25},
        {"odd.mp4", kH265SourceSize, "322x242", "25/1", 25},
        {"odd.mp4", kH264, "640x360", "25/1", 25},
        {"huge.mp4", kH264, "640x360", "2/1", 2},
        {"fast.mp4", kH264SourceSize, "160x120", "30/1", 9},
        {"fast.mp4", kMp4, "160x120", "15/1", 5},
        {"clock0.mp4", kH264SourceSize, "160x120", "25/1", 50},
        {"durations0.mp4", kH264SourceSize, "160x120", "25/1", 50},
        // The AVI header's word wins over the pictures' own (25): its times are followed.
        {"rate1000.avi", kH264SourceSize, "160x120", "25/1", -1},
        {"rate0.avi", kH264SourceSize, "160x120", "25/1", 50},
        {"rate0.avi", k3gp, "160x120", "15/1", 30},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.source) + " " + c.options);
        TempDir out;
        const std::string output = out.file("clip.mp4");
        RunResult r = convert(s_dir->file(c.source), c.options, output);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        EXPECT_FALSE(sanitizerReported(r.output)) << r.output;
        auto v = probe(output, "v:0");
        EXPECT_EQ(v["width"] + "x" + v["height"], c.size);
        EXPECT_EQ(v["r_frame_rate"], c.rate);
        const long long frames = decodedFrames(output);
        if (c.frames >= 0)
            EXPECT_NEAR(double(frames), double(c.frames), 1.0);
        else
            EXPECT_GE(frames, 1);
    }
}

} // namespace
