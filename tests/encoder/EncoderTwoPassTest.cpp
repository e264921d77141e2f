// Two passes in one run (-pass 2) for H.264 and H.265: the first only analyses, the second
// lands on the asked bitrate; the progress runs once from start to end over both passes, and
// the pass log is gone afterwards, whether tcore chose its folder or was given a prefix.

#include "EncoderTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

using namespace enctest;

namespace {

struct PassCase
{
    const char *name;
    const char *codecArgs;
    bool namedLog; // -passlogfile given
};

const PassCase kCases[] = {
    {"H264", "-vcodec h264 -vprofile high -level 3.1", false},
    {"H265", "-vcodec hevc -vtag hvc1 -vprofile main -level 3.0", true},
};

class EncoderTwoPass : public ::testing::TestWithParam<PassCase>
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        // 8 s of moving, noisy pictures: hard enough that the bitrate decides the size.
        ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=8", "-f", "lavfi",
                "-i", "anoisesrc=d=8:c=pink:r=48000:a=0.2", "-vf", "noise=alls=40:allf=t",
                "-c:v", "libx264", "-preset", "ultrafast", "-qp", "10", "-c:a", "aac", "-ac", "2",
                "-shortest", s_dir->file("source.mp4")});
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static TempDir *s_dir;
};

TempDir *EncoderTwoPass::s_dir = nullptr;

TEST_P(EncoderTwoPass, LandsOnTheBitrateAndLeavesNoLog)
{
    const PassCase &c = GetParam();
    TempDir out;
    TempDir logs;
    ASSERT_EQ(::setenv("TMPDIR", logs.path().c_str(), 1), 0);
    std::string args = std::string(c.codecArgs) +
                       " -acodec aac -movflags faststart -b 600 -s 640x360 -fpsmax 30 -maxrate "
                       "900 -bufsize 1200 -ab 64 -ac 2 -ar 44100 -pass 2";
    if (c.namedLog)
        args += " -passlogfile " + logs.file("clip");
    RunResult r = convert(s_dir->file("source.mp4"), args, out.file("clip.mp4"));
    ::unsetenv("TMPDIR");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(errorLines(r.output).empty()) << r.output;
    EXPECT_EQ(out.entries(), std::vector<std::string>{"clip.mp4"});
    EXPECT_TRUE(logs.entries().empty()) << logs.entries().front();

    auto v = probe(out.file("clip.mp4"), "v:0");
    EXPECT_NEAR(toDouble(v["bit_rate"]), 600000.0, 60000.0);
    EXPECT_EQ(decodedFrames(out.file("clip.mp4")), 200);

    // One run of times from 0 to 8 s over both passes, never going back.
    double last = -1;
    std::regex time("time=([0-9.]+)");
    for (const std::string &report : progressReports(r.output)) {
        std::smatch m;
        ASSERT_TRUE(std::regex_search(report, m, time)) << report;
        const double t = toDouble(m[1]);
        EXPECT_GE(t, last) << r.output;
        last = t;
    }
    EXPECT_NEAR(last, 8.0, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Codecs, EncoderTwoPass, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PassCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
