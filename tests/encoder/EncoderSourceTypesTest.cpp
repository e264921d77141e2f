// Sources of the kinds people have today (Matroska and WebM, MPEG-TS and AVCHD, DVD, Ogg, and
// sound-only files) into every output type, and the tags a source carries into every
// container that holds them.

#include "EncoderTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace enctest;

namespace {

struct SourceCase
{
    const char *name;
    const char *file;
    const char *codecs; // ffmpeg output options after the ramp inputs
    bool video;
    std::vector<int> types; // indexes in kTypes: each type gets several kinds of source
};

// 1 s of 176x144 pictures at 25 fps and 44100 Hz stereo sound. Sources with pictures go into
// types with and without pictures; sound-only sources into both kinds too (a picture type
// then holds the sound alone).
const SourceCase kSources[] = {
    {"MkvH264Opus", "h264.mkv", "-c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a libopus", true, {0, 1, 6}},
    {"MkvVp9Opus", "vp9.mkv", "-c:v libvpx-vp9 -deadline realtime -cpu-used 8 -c:a libopus", true, {2, 4}},
    {"WebmVp8Vorbis", "vp8.webm", "-c:v libvpx -deadline realtime -cpu-used 8 -c:a libvorbis", true, {3, 5}},
    {"WebmVp9Opus", "vp9.webm", "-c:v libvpx-vp9 -deadline realtime -cpu-used 8 -c:a libopus", true, {0, 6}},
    {"Ts", "s.ts", "-c:v mpeg2video -c:a mp2", true, {1, 5}},
    {"Mts", "s.mts", "-c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a ac3 -f mpegts", true, {2, 6}},
    {"M2ts", "s.m2ts", "-c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a ac3 -f mpegts -mpegts_m2ts_mode 1", true, {3, 4}},
    {"Vob", "s.vob", "-c:v mpeg2video -c:a ac3 -ar 48000 -f vob", true, {0, 5}},
    {"OgvTheora", "s.ogv", "-c:v libtheora -c:a libvorbis", true, {1, 3}},
    {"Mp3", "a.mp3", "-vn -c:a libmp3lame", false, {3, 4}},
    {"Wav", "a.wav", "-vn -c:a pcm_s16le", false, {0, 5}},
    {"OggVorbis", "a.ogg", "-vn -c:a libvorbis", false, {1, 6}},
    {"Opus", "a.opus", "-vn -c:a libopus", false, {2, 4}},
    {"Flac", "a.flac", "-vn -c:a flac", false, {3, 6}},
    {"M4a", "a.m4a", "-vn -c:a aac", false, {0, 5}},
    {"Aac", "a.aac", "-vn -c:a aac -f adts", false, {2, 6}},
    {"Wma", "a.wma", "-vn -c:a wmav2", false, {1, 4}},
    {"Amr", "a.amr", nullptr, false, {3, 5}}, // made by tcore: ffmpeg has no AMR-NB encoder here
};

void PrintTo(const SourceCase &c, std::ostream *os)
{
    *os << c.name;
}

struct OutputType
{
    const char *ext;
    const char *options;
    bool video;
};

const OutputType kTypes[] = {
    {".3gp", "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 -ar 44100 -f 3gp", true},
    {".3gp", "-acodec amr_nb -s 176x144 -b 128 -ab 12 -vol 200 -ac 1 -ar 8000 -f 3gp", true},
    {".3g2", "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 -ar 44100 -f 3g2", true},
    {".mp4", "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 -ar 44100", true},
    {".amr", "-acodec amr_nb -s 160x120 -b 128 -ab 12 -vol 200 -ac 1 -ar 8000", false},
    {".aac", "-acodec aac -vn -ab 128 -vol 200 -ac 2 -ar 44100", false},
    {".mp3", "-acodec mp3 -vn -ab 128 -vol 200 -ac 2 -ar 44100", false},
};

class EncoderSourceTypes : public ::testing::TestWithParam<SourceCase>
{
protected:
    static void SetUpTestSuite() { s_dir = new TempDir; }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static TempDir *s_dir;
};

TempDir *EncoderSourceTypes::s_dir = nullptr;

TEST_P(EncoderSourceTypes, ConvertsIntoEveryOutputType)
{
    const SourceCase &c = GetParam();
    std::string source = s_dir->file(c.file);
    if (c.codecs) {
        std::vector<std::string> args = rampInputs("176x144", 25, 1.0, 44100, 2);
        for (const std::string &w : words(c.codecs))
            args.push_back(w);
        args.push_back(source);
        ffmpeg(args);
    } else {
        std::string wav = s_dir->file("for-amr.wav");
        ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=1", wav});
        ASSERT_EQ(convert(wav, "-acodec amr_nb -ab 12 -ac 1 -ar 8000", source).exitCode, 0);
    }
    ASSERT_FALSE(HasFatalFailure());

    for (int index : c.types) {
        const OutputType &type = kTypes[index];
        SCOPED_TRACE(type.options);
        TempDir out;
        std::string output = out.file(std::string("clip") + type.ext);
        RunResult r = convert(source, type.options, output);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        EXPECT_FALSE(sanitizerReported(r.output)) << r.output;
        // Stream kinds in order, then the length, from one look at the output.
        std::string kinds;
        double seconds = 0;
        std::istringstream lines(run({"/usr/bin/ffprobe", "-v", "error", "-show_entries",
                                      "stream=codec_type:format=duration", "-of", "csv=p=0",
                                      output}).output);
        for (std::string line; std::getline(lines, line);) {
            if (line == "video" || line == "audio")
                kinds += line[0];
            else if (!line.empty())
                seconds = toDouble(line);
        }
        EXPECT_EQ(kinds, c.video && type.video ? "va" : "a");
        // Raw AAC only estimates its length; codecs with long frames pad the end.
        EXPECT_NEAR(seconds, 1.0, std::string(type.ext) == ".aac" ? 0.3 : 0.15);
    }
}

INSTANTIATE_TEST_SUITE_P(TodaysSources, EncoderSourceTypes, ::testing::ValuesIn(kSources),
                         [](const auto &info) { return std::string(info.param.name); });

// The text of a 3GPP asset box (title "titl", performer "perf", album "albm", description
// "dscp"): after its header, flags and language code.
std::string assetText(const std::string &bytes, const char *box)
{
    size_t at = bytes.find(box);
    if (at == std::string::npos || at + 10 > bytes.size())
        return {};
    size_t end = bytes.find('\0', at + 10);
    return bytes.substr(at + 10, end == std::string::npos ? std::string::npos : end - at - 10);
}

TEST(EncoderTags, SurviveInEveryContainerThatHoldsThem)
{
    TempDir dir;
    std::string source = dir.file("tagged.mkv");
    std::vector<std::string> args = rampInputs("176x144", 25, 1.0, 44100, 2);
    for (const char *w : {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a",
                          "aac", "-metadata", "title=Harbour at Dawn", "-metadata",
                          "artist=Ada Example", "-metadata", "album=Coastlines", "-metadata",
                          "comment=Filmed from the pier", "-metadata", "date=2021", "-metadata",
                          "creation_time=2021-05-06T07:08:09Z", "-metadata:s:v:0", "language=deu",
                          "-metadata:s:a:0", "language=fra"})
        args.push_back(w);
    args.push_back(source);
    ffmpeg(args);
    ASSERT_FALSE(HasFatalFailure());

    std::string mp4 = dir.file("tagged.mp4");
    ASSERT_EQ(convert(source, kTypes[3].options, mp4).exitCode, 0);
    auto format = probe(mp4, "format");
    EXPECT_EQ(format["TAG:title"], "Harbour at Dawn");
    EXPECT_EQ(format["TAG:artist"], "Ada Example");
    EXPECT_EQ(format["TAG:album"], "Coastlines");
    EXPECT_EQ(format["TAG:comment"], "Filmed from the pier");
    EXPECT_EQ(format["TAG:date"], "2021");
    EXPECT_EQ(format["TAG:creation_time"].substr(0, 19), "2021-05-06T07:08:09");
    EXPECT_EQ(probe(mp4, "v:0")["TAG:language"], "deu");
    EXPECT_EQ(probe(mp4, "a:0")["TAG:language"], "fra");

    // 3GPP keeps the tags in its own boxes, which ffprobe does not show.
    for (const OutputType &type : {kTypes[0], kTypes[1], kTypes[2]}) {
        SCOPED_TRACE(type.options);
        std::string output = dir.file(std::string("tagged") + type.ext);
        ASSERT_EQ(convert(source, type.options, output).exitCode, 0);
        std::string bytes = readFile(output);
        EXPECT_EQ(assetText(bytes, "titl"), "Harbour at Dawn");
        EXPECT_EQ(assetText(bytes, "perf"), "Ada Example");
        EXPECT_EQ(assetText(bytes, "albm"), "Coastlines");
        EXPECT_EQ(assetText(bytes, "dscp"), "Filmed from the pier");
        EXPECT_NE(bytes.find(std::string("yrrc\0\0\0\0\x07\xe5", 10)), std::string::npos);
        EXPECT_EQ(probe(output, "format")["TAG:creation_time"].substr(0, 19), "2021-05-06T07:08:09");
        EXPECT_EQ(probe(output, "a:0")["TAG:language"], "fra");
    }

    std::string mp3 = dir.file("tagged.mp3");
    ASSERT_EQ(convert(source, kTypes[6].options, mp3).exitCode, 0);
    format = probe(mp3, "format");
    EXPECT_EQ(format["TAG:title"], "Harbour at Dawn");
    EXPECT_EQ(format["TAG:artist"], "Ada Example");
    EXPECT_EQ(format["TAG:album"], "Coastlines");
    EXPECT_EQ(format["TAG:comment"], "Filmed from the pier");
    EXPECT_EQ(format["TAG:date"], "2021");
    EXPECT_EQ(format["TAG:language"], "fra");

    // Ogg keeps its tags on the stream, under names of its own.
    std::string ogg = dir.file("tagged.ogg");
    ffmpeg({"-f", "lavfi", "-i", "sine=duration=1", "-c:a", "libvorbis", "-metadata:s:a:0",
            "TITLE=Night Song", "-metadata:s:a:0", "ARTIST=Ben Example", "-metadata:s:a:0",
            "DESCRIPTION=Recorded live", ogg});
    ASSERT_FALSE(HasFatalFailure());
    std::string fromOgg = dir.file("from-ogg.mp3");
    ASSERT_EQ(convert(ogg, kTypes[6].options, fromOgg).exitCode, 0);
    format = probe(fromOgg, "format");
    EXPECT_EQ(format["TAG:title"], "Night Song");
    EXPECT_EQ(format["TAG:artist"], "Ben Example");
    EXPECT_EQ(format["TAG:comment"], "Recorded live");
}

} // namespace
