// clipwright-cli --size-limit on clips of 10 s, 60 s and 5 min: each output ends at or below
// the limit, and at 85% of it or more when the profile's own bitrates would have gone over; a clip that cannot fit fails
// before converting, naming the file, and the others go on; a limit that is no size is a
// usage error.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

class SizeLimitTest : public ::testing::Test
{
protected:
    static inline QTemporaryDir *s_dir = nullptr;

    static QString appDir() { return s_dir->path() + "/Program/"; }
    static QString clip(int seconds) { return s_dir->path() + QString("/clips/noisy%1.mp4").arg(seconds); }

    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/";
        ASSERT_TRUE(QDir().mkpath(appDir() + "Config"));
        ASSERT_TRUE(QDir().mkpath(s_dir->path() + "/clips"));
        for (const char *name : {"clipwright-cli", "tcore", "mcore"})
            ASSERT_TRUE(QFile::copy(built + name, appDir() + name)) << name;
        // A phone-sized H.264 profile of the user's (160x120, 15 fps, 512 + 64 kbit/s), so that
        // two passes over five minutes stay quick.
        QFile profiles(appDir() + "Config/UserProfileInfo.ini");
        ASSERT_TRUE(profiles.open(QIODevice::WriteOnly));
        profiles.write("[Small Phone]\r\nSmall Phone=1|1|4|3|0|2\r\n");
        profiles.close();
        // Moving, noisy pictures and noise for sound: the bitrate decides the size. The long
        // clip is small and mono: the outputs of its cases are no larger.
        for (int seconds : {10, 60, 300}) {
            const QString d = QString::number(seconds);
            const bool small = seconds == 300;
            ASSERT_EQ(QProcess::execute(
                          "ffmpeg",
                          {"-v", "error", "-y", "-f", "lavfi", "-i",
                           QString("testsrc2=size=%1:rate=%2:duration=")
                                   .arg(small ? "160x120" : "320x240")
                                   .arg(small ? 15 : 25) +
                               d,
                           "-f", "lavfi", "-i", "anoisesrc=c=pink:r=48000:a=0.2:d=" + d, "-vf",
                           "noise=alls=30:allf=t", "-c:v", "libx264", "-preset", "ultrafast",
                           "-crf", small ? "30" : "20", "-c:a", "aac", "-ac", small ? "1" : "2",
                           "-shortest", clip(seconds)}),
                      0);
        }
    }

    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    static CliRun cli(const QStringList &args)
    {
        QProcess process;
        process.start(appDir() + "clipwright-cli", args);
        process.waitForFinished(300000);
        CliRun run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
};

TEST_F(SizeLimitTest, OutputsEndAtOrBelowTheLimit)
{
    const struct
    {
        const char *type;
        const char *level;
        int seconds;
        const char *limitMB;
    } cases[] = {
        {"h264", "acceptable", 10, "0.5"}, // 1104 kbit/s would make 1.3 MB; two passes
        {"h265", "low", 60, "1.5"},        // 320 kbit/s would make 2.3 MB; two passes
        {"m4a", "superb", 60, "1"},        // 192 kbit/s would make 1.4 MB: the sound gives way
        {"h264", "Small Phone", 300, "8"}, // 576 kbit/s would make 20.6 MB; two passes
        {"mp4", "superb", 300, "25"},      // 736 kbit/s would make 26.3 MB: the sound gives way
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.level + " " + c.limitMB);
        const QString out = s_dir->path() + "/out/" + c.type + c.level + c.limitMB;
        const CliRun run = cli({"-t", c.type, "-q", c.level, "--size-limit", c.limitMB, "-o", out,
                             clip(c.seconds)});
        ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
        const QFileInfoList files = QDir(out).entryInfoList(QDir::Files);
        ASSERT_EQ(files.size(), 1);
        const double limit = QString(c.limitMB).toDouble() * 1048576;
        EXPECT_LE(double(files.first().size()), limit);
        EXPECT_GE(double(files.first().size()), 0.85 * limit);
    }
}

TEST_F(SizeLimitTest, AClipThatCannotFitFailsBeforeConvertingAndTheRestGoOn)
{
    const QString out = s_dir->path() + "/too long";
    const CliRun run = cli({"-t", "h264", "--size-limit", "0.3", "-o", out, clip(60), clip(10)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("failed  " + clip(60) + ": \"" + clip(60) +
                                 "\" is not converted: 60 s cannot fit into 0.3 MB"))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("ok  " + clip(10))) << run.out.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{"noisy10.mp4"});

    for (const char *bad : {"0", "-3", "lots", ""}) {
        SCOPED_TRACE(bad);
        const CliRun usage = cli({"--size-limit", bad, clip(10)});
        EXPECT_EQ(usage.exitCode, 2);
        EXPECT_TRUE(usage.err.contains("--size-limit: \"" + QString(bad) + "\" is no size in MB"))
            << usage.err.toStdString();
    }
}

} // namespace
