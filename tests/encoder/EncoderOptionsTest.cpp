// The encoder's reading of the program's command lines and scripts, its AMR-NB mode choice
// and the progress report as the progress dialog splits it.

#include "AmrNbEncoder.h"
#include "AvsScript.h"
#include "EncoderError.h"
#include "EncoderOptions.h"
#include "ProgressReporter.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace encoder;

namespace {

std::vector<std::string> split(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    std::string w;
    while (in >> w)
        out.push_back(w);
    return out;
}

// The dialog's reading: split at "=", take a fixed piece, the digits before its first ".".
std::string pieceAt(const std::string &report, size_t index)
{
    std::vector<std::string> pieces;
    size_t begin = 0;
    for (size_t at; (at = report.find('=', begin)) != std::string::npos; begin = at + 1)
        pieces.push_back(report.substr(begin, at - begin));
    pieces.push_back(report.substr(begin));
    if (index >= pieces.size())
        return {};
    return pieces[index].substr(0, pieces[index].find('.'));
}

TEST(EncoderOptions, ReadsTheProgramsCommandLines)
{
    EncoderOptions o = parseEncoderOptions(split(
        "-y -i /v/holiday.avi -vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 "
        "-ab 128 -vol 200 -ac 2 -ar 44100 -f 3gp -ss 00:01:00 -t 90 /out/holiday.3gp"));
    EXPECT_TRUE(o.overwrite);
    EXPECT_EQ(o.input, "/v/holiday.avi");
    EXPECT_EQ(o.output, "/out/holiday.3gp");
    EXPECT_EQ(o.videoCodec, "mpeg4");
    EXPECT_EQ(o.audioCodec, "aac");
    EXPECT_EQ(o.videoBitrateK, 128);
    EXPECT_EQ(o.width, 160);
    EXPECT_EQ(o.height, 120);
    EXPECT_EQ(o.frameRateNum, 15);
    EXPECT_EQ(o.aspectNum * 3, o.aspectDen * 4);
    EXPECT_EQ(o.audioBitrateK, 128);
    EXPECT_EQ(o.volumePercent, 200);
    EXPECT_EQ(o.channels, 2);
    EXPECT_EQ(o.sampleRate, 44100);
    EXPECT_EQ(containerFor(o), "3gp");
    EXPECT_DOUBLE_EQ(*o.startSeconds, 60.0);
    EXPECT_DOUBLE_EQ(*o.durationSeconds, 90.0);

    // The AMR type carries video options it cannot use; an empty fragment is no argument.
    o = parseEncoderOptions({"-y", "-i", "/p/VideoFile.avs", "-acodec", "amr_nb", "-s", "160x120",
                             "-b", "128", "-ab", "128", "", "-ac", "1", "-ar", "8000", "-ss",
                             "00:00:00", "-t", "754", "/out/clip.amr"});
    EXPECT_EQ(containerFor(o), "amr");
    EXPECT_FALSE(containerHoldsVideo(containerFor(o)));
    EXPECT_EQ(o.volumePercent, 100);
    EXPECT_DOUBLE_EQ(*o.durationSeconds, 754.0);

    o = parseEncoderOptions(split("-i a.wmv -acodec aac -vn -ab 48 -ac 1 -ar 22050 /o/a.aac"));
    EXPECT_TRUE(o.noVideo);
    EXPECT_EQ(containerFor(o), "adts");
    o = parseEncoderOptions(split("-i a.wmv -vcodec xvid -acodec mp3 /o/a.avi"));
    EXPECT_EQ(o.videoCodec, "xvid");
    EXPECT_EQ(containerFor(o), "avi");
    EXPECT_FALSE(o.startSeconds.has_value());

    o = parseEncoderOptions(split(
        "-i a.mov -vcodec hevc -vtag hvc1 -acodec aac -movflags faststart -b 4000 -s 1920x1080 "
        "-fpsmax 30 -aspect 16:9 -vprofile main -level 4.0 -maxrate 6000 -bufsize 8000 /o/a.mp4"));
    EXPECT_EQ(o.videoCodec, "hevc");
    EXPECT_EQ(o.videoTag, "hvc1");
    EXPECT_TRUE(o.frontIndex);
    EXPECT_EQ(o.frameRateNum, 0);
    EXPECT_EQ(o.maxFrameRate, 30);
    EXPECT_EQ(o.videoProfile, "main");
    EXPECT_EQ(o.level, "4.0");
    EXPECT_EQ(o.maxRateK, 6000);
    EXPECT_EQ(o.bufSizeK, 8000);
    EXPECT_EQ(containerFor(o), "mp4");
    o = parseEncoderOptions(split("-i a.wav -acodec aac -vn -movflags faststart /o/a.M4A"));
    EXPECT_EQ(containerFor(o), "ipod");
}

TEST(EncoderOptions, RefusesWhatItDoesNotKnow)
{
    for (const char *line : {
             "-i a.avi -vcodec mpeg4 -acodec aac -q 3 o.mp4",
             "-i a.avi -vcodec vp9 o.mp4",
             "-i a.avi -vcodec mpeg4 -vprofile high o.mp4",
             "-i a.avi -vcodec hevc -vprofile high o.mp4",
             "-i a.avi -vcodec h264 -vprofile extended o.mp4",
             "-i a.avi -vcodec h264 -level 3.x o.mp4",
             "-i a.avi -vcodec h264 -bufsize 900 o.mp4",
             "-i a.avi -vcodec hevc -vtag hvc o.mp4",
             "-i a.avi -movflags frag_keyframe o.mp4",
             "-i a.avi -fpsmax 0 o.mp4",
             "-i a.avi -vcodec mpeg4 -pass 2 o.mp4",
             "-i a.avi -vcodec h264 -pass 3 o.mp4",
             "-i a.avi -acodec vorbis o.mp4",
             "-i a.avi -s 161x121 o.mp4",
             "-i a.avi -s big o.mp4",
             "-i a.avi -b 0 o.mp4",
             "-i a.avi -ab -5 o.mp4",
             "-i a.avi -vol 2000 o.mp4",
             "-i a.avi -ac 3 o.mp4",
             "-i a.avi -ar 44000 o.mp4",
             "-i a.avi -aspect 4: o.mp4",
             "-i a.avi -t 0 o.mp4",
             "-i a.avi -t -3 o.mp4",
             "-i a.avi -ss 1:xx o.mp4",
             "-i a.avi o.mp4 p.mp4",
             "-i a.avi",
             "-y o.mp4",
             "-i a.avi -r",
         }) {
        SCOPED_TRACE(line);
        EXPECT_THROW(parseEncoderOptions(split(line)), EncoderError);
    }
    EXPECT_THROW(containerFor(parseEncoderOptions(split("-i a.avi o.mkv"))), EncoderError);
}

TEST(AvsScript, ReadsTheLineTheProgramWrites)
{
    AvsScript s = parseAvsScript(
        "DirectShowSource(\"/home/u/My \"best\" clip.rmvb\", fps=29.9700898503294, "
        "convertfps=true)\r\n");
    EXPECT_EQ(s.sourcePath, "/home/u/My \"best\" clip.rmvb");
    EXPECT_DOUBLE_EQ(s.fps, 29.9700898503294);
    for (const char *bad : {"", "BlankClip()\r\n", "DirectShowSource(\"/a.rm\")\r\n",
                            "DirectShowSource(\"\", fps=29.97, convertfps=true)",
                            "DirectShowSource(\"/a.rm\", fps=abc, convertfps=true)",
                            "DirectShowSource(\"/a.rm\", fps=29.97, convertfps=true)\r\nTrim(0,9)\r\n",
                            "DirectShowSource(\"/a.rm\", fps=29.97, convertfps=true) junk"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(parseAvsScript(bad), EncoderError);
    }
}

TEST(AmrNbEncoder, PicksTheModeNearestBelowTheBitrate)
{
    EXPECT_EQ(AmrNbEncoder::modeForBitrate(48000), 7); // 12.2 kbit/s at most
    EXPECT_EQ(AmrNbEncoder::modeForBitrate(12200), 7);
    EXPECT_EQ(AmrNbEncoder::modeForBitrate(10199), 5);
    EXPECT_EQ(AmrNbEncoder::modeForBitrate(1000), 0);
    AmrNbEncoder amr(16000);
    std::vector<int16_t> silence(AmrNbEncoder::kFrameSamples, 0);
    std::vector<uint8_t> frame = amr.encode(silence.data(), 100);
    ASSERT_EQ(frame.size(), 32u); // table of contents byte and 244 bits of speech
    EXPECT_EQ((frame[0] >> 3) & 0x0f, 7);
}

TEST(ProgressReporter, ReportsSplitAsTheProgressDialogReadsThem)
{
    char text[256];
    ProgressReporter::Status s{1500, 3.0, 2048 * 1024, 60.04};
    ProgressReporter::format(text, sizeof text, true, s);
    EXPECT_STREQ(text, "frame= 1500 q=3.0 size=    2048kB time=60.04 bitrate= 279.4kbits/s\r");
    EXPECT_EQ(pieceAt(text, 4), "60");

    ProgressReporter::Status a{0, 0.0, 512 * 1024, 32.70};
    ProgressReporter::format(text, sizeof text, false, a);
    EXPECT_STREQ(text, "size=     512kB time=32.70 bitrate= 128.3kbits/s\r");
    EXPECT_EQ(pieceAt(text, 2), "32");

    ProgressReporter::Status start{};
    ProgressReporter::format(text, sizeof text, false, start);
    EXPECT_STREQ(text, "size=       0kB time=0.00 bitrate=   0.0kbits/s\r");
}

} // namespace
