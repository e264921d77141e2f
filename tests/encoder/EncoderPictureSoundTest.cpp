// Pictures of real-world shape and sound of real-world loudness: sources with a rotation in
// their display matrix come out upright (as ffmpeg shows them), pictures keep their shape
// inside the output's display aspect with black bars, and a raised volume is held under full
// scale by the peak limiter instead of clipping.

#include "EncoderTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

using namespace enctest;

namespace {

class EncoderPictureSound : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_dir = new TempDir; }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static TempDir *s_dir;

    // 1 s of 320x180 black pictures whose top left quarter is white, H.264 in MP4.
    static std::string quarterSource()
    {
        std::string path = s_dir->file("quarter.mp4");
        if (readFile(path).empty())
            ffmpeg({"-f", "lavfi", "-i",
                    "color=c=black:size=320x180:rate=25:duration=1,"
                    "drawbox=x=0:y=0:w=160:h=90:color=white:t=fill",
                    "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", path});
        return path;
    }

    // The quarter source with its display matrix set to a b / c d (whole numbers).
    static std::string withMatrix(const std::string &name, int a, int b, int c, int d)
    {
        std::string bytes = readFile(quarterSource());
        size_t at = bytes.find("tkhd");
        if (at == std::string::npos)
            return {};
        size_t matrix = at + (bytes[at + 4] == 1 ? 56 : 44);
        const int32_t values[9] = {a * 65536, b * 65536, 0, c * 65536, d * 65536, 0,
                                   (a + c < 0 ? 320 : 0) * 65536, (b + d < 0 ? 180 : 0) * 65536,
                                   1 << 30};
        for (int i = 0; i < 9; ++i) {
            uint32_t v = static_cast<uint32_t>(values[i]);
            for (int k = 0; k < 4; ++k)
                bytes[matrix + 4 * i + k] = static_cast<char>((v >> (24 - 8 * k)) & 0xff);
        }
        std::string path = s_dir->file(name);
        writeFile(path, bytes);
        return path;
    }
};

TempDir *EncoderPictureSound::s_dir = nullptr;

// Which quarter of the frame is the bright one: 0 top left, 1 top right, 2 bottom left,
// 3 bottom right; -1 when none stands out.
int brightQuarter(const GrayFrame &f)
{
    const double means[4] = {f.mean(0, 0, 0.5, 0.5), f.mean(0.5, 0, 1, 0.5), f.mean(0, 0.5, 0.5, 1),
                             f.mean(0.5, 0.5, 1, 1)};
    int best = -1;
    for (int i = 0; i < 4; ++i) {
        if (means[i] > 150 && (best < 0 || means[i] > means[best]))
            best = i;
    }
    for (int i = 0; i < 4; ++i) {
        if (i != best && means[i] > 60)
            return -1;
    }
    return best;
}

TEST_F(EncoderPictureSound, QuarterTurnsMatchWhatFfmpegShows)
{
    std::string plain = quarterSource();
    ASSERT_FALSE(HasFatalFailure());
    for (const char *turn : {"0", "90", "180", "270"}) {
        SCOPED_TRACE(turn);
        std::string source = s_dir->file(std::string("turn") + turn + ".mp4");
        ffmpeg({"-i", plain, "-c", "copy", "-metadata:s:v:0", std::string("rotate=") + turn, source});
        ASSERT_FALSE(HasFatalFailure());
        GrayFrame shown = firstFrameGray(source);
        std::string output = s_dir->file(std::string("turn") + turn + "-out.mp4");
        RunResult r = convert(source, "-vcodec mpeg4 -acodec aac -b 512", output);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        GrayFrame ours = firstFrameGray(output);
        EXPECT_EQ(ours.width, shown.width);
        EXPECT_EQ(ours.height, shown.height);
        EXPECT_NE(brightQuarter(shown), -1);
        EXPECT_EQ(brightQuarter(ours), brightQuarter(shown));
    }
}

TEST_F(EncoderPictureSound, MirroredMatricesAreFollowed)
{
    struct Case
    {
        const char *name;
        int a, b, c, d;
        int width, height, quarter;
    } cases[] = {
        {"hflip.mp4", -1, 0, 0, 1, 320, 180, 1},
        {"vflip.mp4", 1, 0, 0, -1, 320, 180, 2},
        {"transposed.mp4", 0, 1, 1, 0, 180, 320, 0},
        {"antitransposed.mp4", 0, -1, -1, 0, 180, 320, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string source = withMatrix(c.name, c.a, c.b, c.c, c.d);
        ASSERT_FALSE(source.empty());
        std::string output = source + "-out.mp4";
        RunResult r = convert(source, "-vcodec mpeg4 -acodec aac -b 512", output);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        GrayFrame ours = firstFrameGray(output);
        EXPECT_EQ(ours.width, c.width);
        EXPECT_EQ(ours.height, c.height);
        EXPECT_EQ(brightQuarter(ours), c.quarter);
    }
}

// Pixels across the middle of the first frame that belong to the (white) picture, not to
// the bars: along the middle row and down the middle column.
void pictureExtent(const GrayFrame &f, int &columns, int &rows)
{
    auto at = [&f](int x, int y) { return static_cast<int>(f.pixels[static_cast<size_t>(y) * f.width + x]); };
    columns = rows = 0;
    for (int x = 0; x < f.width; ++x)
        columns += at(x, f.height / 2) > 125;
    for (int y = 0; y < f.height; ++y)
        rows += at(f.width / 2, y) > 125;
}

TEST_F(EncoderPictureSound, PicturesKeepTheirShapeBetweenBlackBars)
{
    struct Case
    {
        const char *name;
        std::vector<std::string> make; // ffmpeg arguments before the file
        const char *rotate;            // set afterwards, as a phone's file says it
        const char *options;
        int width, height;     // the output frame
        int columns, rows;     // the picture inside it
    } cases[] = {
        {"wide.mp4",
         {"-f", "lavfi", "-i", "color=c=white:size=320x180:rate=25:duration=1", "-c:v", "mpeg4"},
         nullptr, "-vcodec mpeg4 -acodec aac -b 512 -r 15 -s 160x120 -aspect 4:3", 160, 120, 160, 90},
        // A PAL DVD picture stored 720x576 and shown 16:9.
        {"anamorphic.vob",
         {"-f", "lavfi", "-i", "color=c=white:size=720x576:rate=25:duration=1", "-c:v",
          "mpeg2video", "-aspect", "16:9", "-f", "vob"},
         nullptr, "-vcodec mpeg4 -acodec aac -b 512 -r 15 -s 160x120 -aspect 4:3", 160, 120, 160, 90},
        // Stored 320x180, shown turned a quarter: a 9:16 picture.
        {"portrait.mp4",
         {"-f", "lavfi", "-i", "color=c=white:size=320x180:rate=25:duration=1", "-c:v", "mpeg4"},
         "90", "-vcodec mpeg4 -acodec aac -b 512 -r 15 -s 160x120 -aspect 4:3", 160, 120, 68, 120},
        {"fourthree.mp4",
         {"-f", "lavfi", "-i", "color=c=white:size=320x240:rate=25:duration=1", "-c:v", "mpeg4"},
         nullptr, "-vcodec mpeg4 -acodec aac -b 512 -r 15 -s 320x240 -aspect 16:9", 320, 240, 240, 240},
        // The AMR-NB types ask no aspect: their frames show as stored, H.263 with 12:11 pixels.
        {"wide-amr.mp4",
         {"-f", "lavfi", "-i", "color=c=white:size=320x180:rate=25:duration=1", "-c:v", "mpeg4"},
         nullptr, "-acodec amr_nb -s 160x120 -b 128 -ab 12 -ac 1 -ar 8000 -f 3gp", 160, 120, 160, 90},
        {"wide-h263.mp4",
         {"-f", "lavfi", "-i", "color=c=white:size=320x180:rate=25:duration=1", "-c:v", "mpeg4"},
         nullptr, "-acodec amr_nb -s 176x144 -b 128 -ab 12 -ac 1 -ar 8000 -f 3gp", 176, 144, 176, 108},
        // Shapes that match get no bars.
        {"same.mp4",
         {"-f", "lavfi", "-i", "color=c=white:size=320x240:rate=25:duration=1", "-c:v", "mpeg4"},
         nullptr, "-vcodec mpeg4 -acodec aac -b 512 -r 15 -s 160x120 -aspect 4:3", 160, 120, 160, 120},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string source = s_dir->file(c.name);
        std::vector<std::string> args = c.make;
        args.push_back(c.rotate ? source + ".plain.mp4" : source);
        ffmpeg(args);
        if (c.rotate)
            ffmpeg({"-i", source + ".plain.mp4", "-c", "copy", "-metadata:s:v:0",
                    std::string("rotate=") + c.rotate, source});
        ASSERT_FALSE(HasFatalFailure());
        std::string output = source + "-out.mp4";
        RunResult r = convert(source, c.options, output);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        GrayFrame f = firstFrameGray(output);
        ASSERT_EQ(f.width, c.width);
        ASSERT_EQ(f.height, c.height);
        int columns = 0, rows = 0;
        pictureExtent(f, columns, rows);
        EXPECT_NEAR(columns, c.columns, 3);
        EXPECT_NEAR(rows, c.rows, 3);
        // The bars are black: the frame's corners when bars are there.
        if (c.columns < c.width || c.rows < c.height)
            EXPECT_LT(f.mean(0, 0, 0.05, 0.05), 24.0);
    }
}

// A tone at 20 % of full scale for a second, then at 90 %.
std::string quietThenLoud(const TempDir &dir)
{
    std::string path = dir.file("loud.wav");
    ffmpeg({"-f", "lavfi", "-i",
            "aevalsrc=if(lt(t\\,1)\\,0.2\\,0.9)*sin(2*PI*440*t)|if(lt(t\\,1)\\,0.2\\,0.9)*"
            "sin(2*PI*440*t):s=44100:d=2",
            "-c:a", "pcm_s16le", path});
    return path;
}

TEST_F(EncoderPictureSound, RaisedVolumeIsLimitedNotClipped)
{
    std::string source = quietThenLoud(*s_dir);
    ASSERT_FALSE(HasFatalFailure());
    struct Case
    {
        const char *file;
        const char *options;
        double gain;
    } cases[] = {
        {"vol200.mp3", "-acodec mp3 -vn -ab 192 -ac 2 -ar 44100 -vol 200", 2.0},
        {"vol200.mp4", "-vcodec mpeg4 -acodec aac -ab 128 -ac 2 -ar 44100 -vol 200", 2.0},
        {"vol200.aac", "-acodec aac -vn -ab 128 -ac 2 -ar 44100 -vol 200", 2.0},
        {"vol100.mp3", "-acodec mp3 -vn -ab 192 -ac 2 -ar 44100 -vol 100", 1.0},
        {"vol50.mp3", "-acodec mp3 -vn -ab 192 -ac 2 -ar 44100 -vol 50", 0.5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        std::string output = s_dir->file(c.file);
        RunResult r = convert(source, c.options, output);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        // The quiet part gets the whole gain.
        EXPECT_NEAR(soundPeak(output, 0.3, 0.8), 0.2 * c.gain, 0.2 * c.gain * 0.15);
        double loud = soundPeak(output, 1.2, 1.9);
        if (c.gain > 1) {
            // The loud part gets louder only up to just under full scale.
            EXPECT_GT(loud, 0.9);
            EXPECT_LT(loud, 1.0);
            std::vector<short> samples = soundSamples(output);
            ASSERT_GT(samples.size(), 100000u);
            size_t clipped = 0;
            for (short s : samples)
                clipped += s >= 32767 || s <= -32767;
            EXPECT_LT(clipped, samples.size() / 1000) << "samples stuck at full scale";
        } else {
            EXPECT_NEAR(loud, 0.9 * c.gain, 0.9 * c.gain * 0.1);
        }
    }
}

} // namespace
