// The progress refresh and the busy indicator, fed with report chunks in the encoder's own
// layout.
#include "conversion/ProgressRefresh.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kVideoCodec = QStringLiteral(" -vcodec mpeg4 -acodec aac");
const QString kMp3Codec = QStringLiteral(" -acodec mp3 -vn");
const QString kAmrCodec = QStringLiteral(" -acodec amr_nb");

const QString kVideoReport =
    QStringLiteral("frame= 1500 q=3.0 size=    2048kB time=60.04 bitrate= 279.4kbits/s\r");
const QString kAudioReport = QStringLiteral("size=     512kB time=32.70 bitrate= 128.3kbits/s\r");

// A job as the dialog holds it after opening, between its first and second delivery.
ProgressState job(int converted, int checked, const QString &cutSeconds, const QString &codec,
                   const QString &ext)
{
    ProgressState s;
    s.ConvertedCount = converted;
    s.CheckedCount = checked;
    s.CutSeconds = cutSeconds;
    s.CodecArg = codec;
    s.OutputExt = ext;
    s.CounterText = InitialCounterText(checked);
    return s;
}

TEST(RefreshProgress, FirstDeliveryOfAJobIsNotEvaluated)
{
    ProgressState s = job(0, 3, "120", kVideoCodec, ".3gp");
    s.StatusText = kVideoReport;
    const ProgressState before = s;
    RefreshProgress(s);
    ProgressState expected = before;
    expected.RefreshCount = 1;
    EXPECT_EQ(s, expected);
}

TEST(RefreshProgress, WorkedExample)
{
    ProgressState s = job(1, 3, "120", kVideoCodec, ".3gp");
    s.StatusText = kVideoReport;
    RefreshProgress(s); // first delivery: skipped
    RefreshProgress(s);
    EXPECT_EQ(s.CurrentMax, 120);
    EXPECT_EQ(s.CurrentPos, 60);
    // The batch bar lags one delivery behind: it moves at the next one.
    EXPECT_EQ(s.TotalPos, 100);
    RefreshProgress(s);
    EXPECT_EQ(s.TotalMax, 300);
    EXPECT_EQ(s.TotalPos, 149); // 60 * 100 div 121 + 100
    EXPECT_EQ(s.CounterText, QStringLiteral("Current: 2 , Total: 3."));
}

TEST(RefreshProgress, FullCurrentBarAddsNinetyNine)
{
    ProgressState s = job(0, 1, "120", kVideoCodec, ".mp4");
    s.RefreshCount = 1;
    s.CurrentMax = 120;
    s.CurrentPos = 120;
    RefreshProgress(s);
    EXPECT_EQ(s.TotalPos, 99);
}

// Where the time comes from for each layout, and what leaves the bar alone.
TEST(RefreshProgress, ReadsTheTimeByFieldPosition)
{
    struct Case
    {
        const char *name;
        QString codec;
        QString ext;
        QString cut;
        QString chunk;
        int start;
        int expected;
    };
    const Case cases[] = {
        {"mp3 audio layout", kMp3Codec, ".mp3", "120", kAudioReport, 0, 32},
        {"aac audio layout", " -acodec aac", ".aac", "120", kAudioReport, 0, 32},
        {"amr file audio layout", kAmrCodec, ".amr", "120", kAudioReport, 0, 32},
        {"3gp amr_nb uses video layout", kAmrCodec, ".3gp", "120", kVideoReport, 0, 60},
        {"3g2 amr_nb uses video layout", kAmrCodec, ".3g2", "120", kVideoReport, 0, 60},
        {"above the range shows full", kVideoCodec, ".3gp", "30", kVideoReport, 0, 30},
        {"unknown time is ignored", kVideoCodec, ".3gp", "120",
         "frame=   10 q=3.0 size=  1kB time=10000000000.00 bitrate=   0.0kbits/s\r", 7, 7},
        {"too few pieces", kVideoCodec, ".3gp", "120", "size= 1kB time=5.00 bitrate=1\r", 7, 7},
        {"header without report", kVideoCodec, ".3gp", "120", "Input #0, avi, from 'a.avi':\n",
         7, 7},
        {"empty chunk", kVideoCodec, ".3gp", "120", "", 7, 7},
        // A chunk that starts inside a report shifts the pieces: the bar shows whatever
        // number the shifted piece holds, within its range.
        {"shifted pieces", kVideoCodec, ".3gp", "120",
         "3.0 size=  2048kB time=60.04 bitrate= 279.4kbits/s\rframe= 1510 q=3.0 size=  2050kB",
         7, 120},
        {"shifted piece without digits", kVideoCodec, ".3gp", "120",
         "size=  2048kB time=60.04 bitrate= 279.4kbits/s\rframe=  q=", 7, 0},
        // Two reports in one chunk: the first one's time is read.
        {"two reports", kVideoCodec, ".3gp", "120", kVideoReport + kVideoReport, 0, 60},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProgressState s = job(0, 2, c.cut, c.codec, c.ext);
        s.RefreshCount = 1;
        s.CurrentMax = c.cut.toInt();
        s.CurrentPos = c.start;
        s.StatusText = c.chunk;
        RefreshProgress(s);
        EXPECT_EQ(s.CurrentPos, c.expected);
    }
}

// The real encoder's stderr, read as the dialog reads it: every report is one delivery after
// the job's first. A 3-second job of each layout ends with the current bar full.
TEST(RefreshProgress, FollowsTheRealEncodersReports)
{
    const QString tcore = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + QStringLiteral("/tcore");
    if (!QFile::exists(tcore))
        GTEST_SKIP() << "needs the built encoder";
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.mp4"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=176x144:rate=15", "-f",
                  "lavfi", "-i", "sine=frequency=440:sample_rate=44100", "-t", "5", "-c:v",
                  "mpeg4", "-c:a", "aac", source});
    ASSERT_TRUE(ffmpeg.waitForFinished(60000));
    ASSERT_EQ(ffmpeg.exitCode(), 0) << ffmpeg.readAllStandardError().constData();

    struct Case
    {
        QString codec;
        QString ext;
        QStringList arguments;
    };
    const Case cases[] = {
        {kVideoCodec, ".3gp",
         {"-vcodec", "mpeg4", "-acodec", "aac", "-b", "128", "-s", "176x144", "-r", "15", "-ab",
          "48", "-ac", "2", "-ar", "44100", "-f", "3gp"}},
        {kMp3Codec, ".mp3", {"-acodec", "mp3", "-vn", "-ab", "64", "-ac", "2", "-ar", "44100"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.ext.toStdString());
        QProcess encoder;
        encoder.setProcessChannelMode(QProcess::MergedChannels);
        encoder.start(tcore, QStringList{"-y", "-i", source} + c.arguments +
                                 QStringList{"-ss", "00:00:01", "-t", "3",
                                             dir.filePath("out" + c.ext)});
        ASSERT_TRUE(encoder.waitForFinished(60000));
        const QString output = QString::fromUtf8(encoder.readAll());
        ASSERT_EQ(encoder.exitCode(), 0) << output.toStdString();

        QStringList chunks = output.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
        for (QString &chunk : chunks)
            chunk += QLatin1Char('\r');
        ASSERT_GE(chunks.size(), 1) << output.toStdString();

        ProgressState s = job(0, 1, "3", c.codec, c.ext);
        s.RefreshCount = 1;
        int last = 0;
        for (const QString &chunk : chunks) {
            s.StatusText = chunk;
            RefreshProgress(s);
            EXPECT_GE(s.CurrentPos, last) << chunk.toStdString();
            last = s.CurrentPos;
        }
        EXPECT_EQ(s.CurrentMax, 3);
        EXPECT_EQ(s.CurrentPos, 3) << output.toStdString();
    }
}

TEST(RefreshProgress, AJobLengthThatIsNoNumberGivesAnEmptyRange)
{
    for (const char *cut : {"", "abc", "-5", "0"}) {
        SCOPED_TRACE(cut);
        ProgressState s = job(0, 1, cut, kVideoCodec, ".3gp");
        s.RefreshCount = 1;
        s.StatusText = kVideoReport;
        RefreshProgress(s);
        EXPECT_EQ(s.CurrentMax, 0);
        EXPECT_EQ(s.CurrentPos, 0);
    }
}

TEST(BusyIndicator, CyclesThroughFiveStepsAndSwitchesTextAtThreeSeconds)
{
    int step = 0;
    QStringList below, from3;
    for (int i = 0; i < 6; ++i) {
        step = NextSpinnerStep(step);
        below << BusyIndicatorText(step, 2);
        from3 << BusyIndicatorText(step, 3);
    }
    EXPECT_EQ(step, 1);
    EXPECT_EQ(below, QStringList({"Installing convert information  |",
                                  "Installing convert information  /",
                                  "Installing convert information  -",
                                  "Installing convert information  \\",
                                  "Installing convert information  |",
                                  "Installing convert information  |"}));
    EXPECT_EQ(from3, QStringList({"Converting  |", "Converting  /", "Converting  -",
                                  "Converting  \\", "Converting  |", "Converting  |"}));
    EXPECT_EQ(InitialCounterText(3), QStringLiteral("Current: 1, Total: 3"));
}

} // namespace
