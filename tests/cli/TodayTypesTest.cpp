// Today's output types (H.264 and H.265 MP4, M4A) at every quality level, chosen by their
// short names through clipwright-cli as a script does: the program's own command lines, the
// real encoder, and ffprobe on what it writes.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

struct LevelCase
{
    const char *type;
    const char *level;
    const char *videoCodec; // nullptr: no video stream
    const char *profile;
    int levelIdc; // as ffprobe gives it: H.264 ten times, H.265 thirty times the level
    int width, height;
    const char *frameRate;
    const char *aspect;
    int sampleRate;
    int channels;
};

// The source runs at 60 frames per second: "Same as source" caps it at 30, Low takes 15.
// 854x480 keeps square pixels, which is 16:9 within a pixel (427:240).
const LevelCase kCases[] = {
    {"h264", "low", "h264", "Constrained Baseline", 13, 320, 240, "15/1", "4:3", 44100, 1},
    {"h264", "acceptable", "h264", "Constrained Baseline", 30, 640, 360, "30/1", "16:9", 44100, 2},
    {"h264", "normal", "h264", "High", 31, 854, 480, "30/1", "427:240", 44100, 2},
    {"h264", "excellent", "h264", "High", 31, 1280, 720, "30/1", "16:9", 48000, 2},
    {"h264", "superb", "h264", "High", 40, 1920, 1080, "30/1", "16:9", 48000, 2},
    {"h265", "low", "hevc", "Main", 60, 320, 240, "15/1", "4:3", 44100, 1},
    {"h265", "acceptable", "hevc", "Main", 63, 640, 360, "30/1", "16:9", 44100, 2},
    {"h265", "normal", "hevc", "Main", 90, 854, 480, "30/1", "427:240", 44100, 2},
    {"h265", "excellent", "hevc", "Main", 93, 1280, 720, "30/1", "16:9", 48000, 2},
    {"h265", "superb", "hevc", "Main", 120, 1920, 1080, "30/1", "16:9", 48000, 2},
    {"m4a", "low", nullptr, nullptr, 0, 0, 0, nullptr, nullptr, 44100, 1},
    {"m4a", "acceptable", nullptr, nullptr, 0, 0, 0, nullptr, nullptr, 44100, 2},
    {"m4a", "normal", nullptr, nullptr, 0, 0, 0, nullptr, nullptr, 44100, 2},
    {"m4a", "excellent", nullptr, nullptr, 0, 0, 0, nullptr, nullptr, 48000, 2},
    {"m4a", "superb", nullptr, nullptr, 0, 0, 0, nullptr, nullptr, 48000, 2},
};

void PrintTo(const LevelCase &c, std::ostream *os)
{
    *os << c.type << " " << c.level;
}

QString runTool(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(300000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// ffprobe's key=value entries of one stream ("v:0", "a:0") or of the format ("format").
QMap<QString, QString> probe(const QString &file, const QString &what)
{
    const QStringList args =
        what == "format"
            ? QStringList{"-v", "error", "-show_format", "-of", "default=noprint_wrappers=1", file}
            : QStringList{"-v", "error", "-select_streams", what, "-show_streams", "-of",
                          "default=noprint_wrappers=1", file};
    QMap<QString, QString> entries;
    for (const QString &line : runTool("ffprobe", args).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            entries.insert(line.left(equals), line.mid(equals + 1).trimmed());
    }
    return entries;
}

// The names of the file's top-level MP4 boxes, in order.
QStringList topLevelBoxes(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    QStringList names;
    qint64 at = 0;
    while (at + 8 <= bytes.size()) {
        auto u32 = [&](qint64 i) {
            return (quint64(quint8(bytes[i])) << 24) | (quint64(quint8(bytes[i + 1])) << 16) |
                   (quint64(quint8(bytes[i + 2])) << 8) | quint64(quint8(bytes[i + 3]));
        };
        quint64 size = u32(at);
        names << QString::fromLatin1(bytes.mid(at + 4, 4));
        if (size == 1 && at + 16 <= bytes.size())
            size = (u32(at + 8) << 32) | u32(at + 12);
        if (size < 8)
            break;
        at += qint64(size);
    }
    return names;
}

class TodayTypes : public ::testing::TestWithParam<LevelCase>
{
protected:
    static inline QTemporaryDir *s_dir = nullptr;

    static QString appDir() { return s_dir->path() + "/Program/"; }
    static QString source() { return s_dir->path() + "/clips/phone clip.mp4"; }

    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/";
        ASSERT_TRUE(QDir().mkpath(appDir() + "Config"));
        ASSERT_TRUE(QDir().mkpath(s_dir->path() + "/clips"));
        for (const char *name : {"clipwright-cli", "tcore", "mcore"})
            ASSERT_TRUE(QFile::copy(built + name, appDir() + name)) << name;
        // 3 s of 640x360 at 60 frames per second with stereo sound at 48000 Hz and a title,
        // as a phone records it (smaller).
        int exitCode = -1;
        const QString output = runTool(
            "ffmpeg",
            {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=640x360:rate=60:duration=3",
             "-f", "lavfi", "-i", "sine=frequency=440:duration=3:sample_rate=48000", "-ac", "2",
             "-metadata", "title=Beach day", "-c:v", "libx264", "-preset", "ultrafast", "-c:a",
             "aac", "-shortest", source()},
            &exitCode);
        ASSERT_EQ(exitCode, 0) << output.toStdString();
    }

    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
};

TEST_P(TodayTypes, LevelWritesWhatPhonesPlay)
{
    const LevelCase &c = GetParam();
    const QString outDir = s_dir->path() + "/out/" + c.type + "-" + c.level;
    int exitCode = -1;
    const QString said = runTool(appDir() + "clipwright-cli",
                                 {"-t", c.type, "-q", c.level, "-o", outDir, "--end", "2", source()},
                                 &exitCode);
    ASSERT_EQ(exitCode, 0) << said.toStdString();
    const QString output = outDir + "/phone clip" + (c.videoCodec ? ".mp4" : ".m4a");
    ASSERT_TRUE(QFile::exists(output)) << said.toStdString();

    // The index stands in front of the media, so players start before the whole file is in.
    const QStringList boxes = topLevelBoxes(output);
    ASSERT_TRUE(boxes.contains("moov") && boxes.contains("mdat")) << boxes.join(' ').toStdString();
    EXPECT_LT(boxes.indexOf("moov"), boxes.indexOf("mdat")) << boxes.join(' ').toStdString();

    const QMap<QString, QString> format = probe(output, "format");
    EXPECT_EQ(format.value("TAG:title"), "Beach day");
    EXPECT_NEAR(format.value("duration").toDouble(), 2.0, 0.1);
    if (c.videoCodec) {
        const QMap<QString, QString> v = probe(output, "v:0");
        EXPECT_EQ(v.value("codec_name"), c.videoCodec);
        EXPECT_EQ(v.value("profile"), c.profile);
        EXPECT_EQ(v.value("level").toInt(), c.levelIdc);
        EXPECT_EQ(v.value("width").toInt(), c.width);
        EXPECT_EQ(v.value("height").toInt(), c.height);
        EXPECT_EQ(v.value("pix_fmt"), "yuv420p");
        EXPECT_EQ(v.value("r_frame_rate"), c.frameRate);
        EXPECT_EQ(v.value("display_aspect_ratio"), c.aspect);
        EXPECT_EQ(v.value("codec_tag_string"), c.videoCodec == QString("hevc") ? "hvc1" : "avc1");
    } else {
        EXPECT_EQ(format.value("TAG:major_brand"), "M4A");
        EXPECT_EQ(format.value("nb_streams").toInt(), 1);
    }
    const QMap<QString, QString> a = probe(output, "a:0");
    EXPECT_EQ(a.value("codec_name"), "aac");
    EXPECT_EQ(a.value("profile"), "LC");
    EXPECT_EQ(a.value("sample_rate").toInt(), c.sampleRate);
    EXPECT_EQ(a.value("channels").toInt(), c.channels);

    // Decodes from end to end without a complaint.
    const QString decoded = runTool("ffmpeg", {"-v", "error", "-i", output, "-f", "null", "-"},
                                    &exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(decoded.trimmed().isEmpty()) << decoded.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, TodayTypes, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LevelCase> &info) {
                             return std::string(info.param.type) + "_" + info.param.level;
                         });

} // namespace
