// Two running programs on one program folder and one output folder, each a process of its
// own: each converts its own source, and neither overwrites what the other wrote.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "conversion/CommandLineSplitter.h"
#include "conversion/ProgramRunFolder.h"
#include "platform/ProcessTable.h"

namespace {

const QString kDriver = QStringLiteral(BATCH_DRIVER_PATH);

bool makeClip(const QString &colour, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // RealMedia by name, so the job goes through the program's script and mcore.
    return QProcess::execute("ffmpeg", {"-v",
                                        "error",
                                        "-y",
                                        "-f",
                                        "lavfi",
                                        "-i",
                                        "color=c=" + colour + ":size=96x64:rate=10",
                                        "-f",
                                        "lavfi",
                                        "-i",
                                        "sine=frequency=440:sample_rate=22050",
                                        "-t",
                                        "1",
                                        "-c:v",
                                        "mpeg4",
                                        "-c:a",
                                        "aac",
                                        "-shortest",
                                        "-f",
                                        "mp4",
                                        path}) == 0;
}

// The red, green and blue bytes of the picture's middle in the first frame.
QByteArray middlePixel(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "error", "-i", path, "-vf", "crop=2:2:iw/2:ih/2", "-frames:v",
                            "1", "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    ffmpeg.waitForFinished(60000);
    return ffmpeg.readAllStandardOutput().left(3);
}

bool looksLike(const QByteArray &rgb, int channel)
{
    if (rgb.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        const int value = static_cast<unsigned char>(rgb[i]);
        if (i == channel ? value < 180 : value > 80)
            return false;
    }
    return true;
}

} // namespace

TEST(TwoPrograms, EachConvertsItsOwnSourceAndNeitherOverwritesTheOther)
{
    const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/";
    if (!QFile::exists(built + "mcore"))
        GTEST_SKIP() << "the encoders are not built";
    QTemporaryDir dir;
    const QString appDir = dir.path() + "/Program Folder/";
    const QString outDir = dir.path() + "/Out";
    ASSERT_TRUE(QDir().mkpath(appDir + "Config"));
    for (const char *encoder : {"tcore", "mcore"})
        ASSERT_TRUE(QFile::copy(built + encoder, appDir + encoder));
    // Two sources of one name: both programs want the output name A.3gp.
    const QString sources[2] = {dir.path() + "/red/A.rm", dir.path() + "/blue/A.rm"};
    ASSERT_TRUE(makeClip("red", sources[0]));
    ASSERT_TRUE(makeClip("blue", sources[1]));

    // Both build their job before either starts its encoder.
    QProcess programs[2];
    for (int i = 0; i < 2; ++i)
        programs[i].start(kDriver, {appDir, outDir, sources[i], "1500"});
    QString outputs[2];
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(programs[i].waitForFinished(120000));
        const QStringList lines =
            QString::fromUtf8(programs[i].readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(programs[i].exitCode(), 0) << lines.join(' ').toStdString();
        ASSERT_EQ(lines.size(), 2);
        const auto split = CommandLineSplitter::Split(lines[1], lines[0]);
        ASSERT_TRUE(split.ok) << lines[1].toStdString();
        outputs[i] = split.arguments.last();
    }
    EXPECT_NE(outputs[0].toStdString(), outputs[1].toStdString());
    EXPECT_TRUE(looksLike(middlePixel(outputs[0]), 0)) << outputs[0].toStdString();
    EXPECT_TRUE(looksLike(middlePixel(outputs[1]), 2)) << outputs[1].toStdString();
    EXPECT_EQ(QDir(outDir).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// A program killed while its job holds the output name leaves that empty name and its run
// folder; the next start gives both back, so the next batch writes A.3gp and not A_1.3gp.
// A program that still runs keeps its own, and so does one whose id was used again only
// if the process under it is the same.
TEST(TwoPrograms, AKilledProgramsOutputNameAndRunFolderAreGivenBackAtTheNextStart)
{
    const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/";
    if (!QFile::exists(built + "mcore"))
        GTEST_SKIP() << "the encoders are not built";
    QTemporaryDir dir;
    const QString appDir = dir.path() + "/Program Folder/";
    const QString outDir = dir.path() + "/Out";
    const QString runtime = dir.path() + "/runtime";
    ASSERT_TRUE(QDir().mkpath(appDir + "Config"));
    ASSERT_TRUE(QDir().mkpath(runtime));
    ASSERT_TRUE(QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    for (const char *encoder : {"tcore", "mcore"})
        ASSERT_TRUE(QFile::copy(built + encoder, appDir + encoder));
    const QString source = dir.path() + "/red/A.rm";
    ASSERT_TRUE(makeClip("red", source));
    const QString userFolder = runtime + QStringLiteral("/clipwright-%1/").arg(::getuid());
    const auto runFolders = [&] {
        return QDir(userFolder).entryList({"run-*"}, QDir::Dirs);
    };

    // The killed program, and one that is still in its pause before the encoder.
    QProcess killed, running;
    killed.start(kDriver, {appDir, outDir, source, "60000"});
    ASSERT_TRUE(killed.waitForStarted());
    for (int i = 0; i < 200 && !QFile::exists(outDir + "/A.3gp"); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(outDir + "/A.3gp"));
    running.start(kDriver, {appDir, outDir, source, "60000"});
    for (int i = 0; i < 200 && !QFile::exists(outDir + "/A_1.3gp"); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(outDir + "/A_1.3gp"));
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished());
    ASSERT_EQ(runFolders().size(), 2);
    // A folder named for a running process that started at another time: its program is
    // gone and the id was used again.
    ASSERT_EQ(::mkdir(QFile::encodeName(userFolder + QStringLiteral("run-%1-1-abcdef")
                                                          .arg(running.processId()))
                          .constData(),
                      0700),
              0);

    const QStringList removed = ProgramRunFolder::RemoveLeftovers();
    EXPECT_EQ(removed.size(), 2) << removed.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(outDir + "/A.3gp"));
    EXPECT_TRUE(QFile::exists(outDir + "/A_1.3gp"));
    ASSERT_EQ(runFolders().size(), 1);
    EXPECT_TRUE(runFolders().first().startsWith(QStringLiteral("run-%1-").arg(running.processId())));
    running.kill();
    running.waitForFinished();

    // The next batch takes the name back.
    QProcess next;
    next.start(kDriver, {appDir, outDir, source, "0"});
    ASSERT_TRUE(next.waitForFinished(120000));
    EXPECT_EQ(next.exitCode(), 0) << next.readAllStandardError().toStdString();
    EXPECT_TRUE(looksLike(middlePixel(outDir + "/A.3gp"), 0));
}

// An encoder whose program is killed ends with it instead of converting on as an orphan,
// and leaves no partial file.
TEST(TwoPrograms, AKilledProgramsEncoderEndsWithIt)
{
    const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/";
    if (!QFile::exists(built + "tcore"))
        GTEST_SKIP() << "the encoders are not built";
    QTemporaryDir dir;
    const QString appDir = dir.path() + "/Program Folder/";
    const QString outDir = dir.path() + "/Out";
    ASSERT_TRUE(QDir().mkpath(appDir + "Config"));
    ASSERT_TRUE(QDir().mkpath(outDir));
    ASSERT_TRUE(QFile::copy(built + "tcore", appDir + "tcore"));
    // A source that never ends: the encoder waits on it for as long as the test wants.
    const QString source = dir.path() + "/endless.mpg";
    ASSERT_EQ(::mkfifo(QFile::encodeName(source).constData(), 0600), 0);

    QProcess program;
    program.start(kDriver, {appDir, outDir, source, "0"});
    ASSERT_TRUE(program.waitForStarted());
    qint64 encoder = 0;
    for (int i = 0; i < 200 && encoder == 0; ++i) {
        QThread::msleep(50);
        encoder = ProcessTable::FindLastByName(ProcessTable::Descendants(program.processId()), "tcore");
    }
    ASSERT_NE(encoder, 0);
    program.kill();
    ASSERT_TRUE(program.waitForFinished());
    bool ended = false;
    for (int i = 0; i < 200 && !ended; ++i) {
        QThread::msleep(50);
        ended = ProcessTable::StartTime(encoder) == 0;
    }
    if (!ended)
        ::kill(pid_t(encoder), SIGKILL);
    EXPECT_TRUE(ended);
    const QStringList left = QDir(outDir).entryList(QDir::Files | QDir::Hidden);
    EXPECT_TRUE(left.isEmpty() || left == QStringList{"endless.3gp"}) << left.join(' ').toStdString();
}
