// clipwright-cli from outside, as a script uses it: the real program in a program folder of
// its own, the real encoder on generated clips, ffprobe on what it writes.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <ostream>

// Texts in failure messages as text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

class CliTest : public ::testing::Test
{
protected:
    static inline QTemporaryDir *s_dir = nullptr;

    static QString dir() { return s_dir->path(); }
    static QString appDir() { return dir() + "/Program Folder/"; }
    static QString cli() { return appDir() + "clipwright-cli"; }
    static QString clip() { return dir() + "/clips/Clip one.mp4"; }
    static QString longClip() { return dir() + "/clips/long.mp4"; }

    static bool makeClip(const QString &path, int seconds, const QString &size)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        return QProcess::execute(
                   "ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                              "testsrc=size=" + size + ":rate=25:duration=" +
                                  QString::number(seconds),
                              "-f", "lavfi", "-i",
                              "sine=frequency=440:duration=" + QString::number(seconds),
                              "-c:v", "mpeg4", "-c:a", "aac", "-shortest", path}) == 0;
    }

    static void writeFile(const QString &path, const QByteArray &text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/";
        // A portable program folder: the CLI reads its Config/ and writes its log.txt.
        ASSERT_TRUE(QDir().mkpath(appDir() + "Config"));
        for (const char *name : {"clipwright-cli", "tcore", "mcore"})
            ASSERT_TRUE(QFile::copy(built + name, appDir() + name)) << name;
        writeFile(appDir() + "Config/UserSettings.ini",
                  ("[USRInfo]\nSHWDDir=1\nSHUTDOWN=1\nOutDir=" + dir() +
                   "/saved out\nConversionsAtOnce=1\n")
                      .toUtf8());
        writeFile(appDir() + "Config/UserProfileInfo.ini",
                  "[Tiny Phone]\nTiny Phone=0|0|0|0|0|0\n");
        ASSERT_TRUE(makeClip(clip(), 3, "320x240"));
        ASSERT_TRUE(makeClip(longClip(), 120, "640x480"));
    }

    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    static QProcess *start(const QStringList &args)
    {
        auto *process = new QProcess;
        process->start(cli(), args);
        process->waitForStarted();
        return process;
    }

    static CliRun finish(QProcess *process)
    {
        process->waitForFinished(120000);
        CliRun run;
        run.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
        run.out = QString::fromUtf8(process->readAllStandardOutput());
        run.err = QString::fromUtf8(process->readAllStandardError());
        delete process;
        return run;
    }

    static CliRun cliRun(const QStringList &args) { return finish(start(args)); }

    // The encoder command lines the log got since it held logSize bytes.
    static QStringList commandLinesSince(qint64 logSize)
    {
        QFile log(appDir() + "log.txt");
        if (!log.open(QIODevice::ReadOnly))
            return {};
        log.seek(logSize);
        QStringList lines;
        for (const QString &line : QString::fromUtf8(log.readAll()).split('\n')) {
            const qsizetype at = line.indexOf("|parameter: ");
            if (at >= 0)
                lines << line.mid(at + 12).trimmed();
        }
        return lines;
    }

    static qint64 logSize() { return QFileInfo(appDir() + "log.txt").size(); }

    // "codec_type:codec_name" of each stream and the duration, as ffprobe reads them.
    static QString probe(const QString &path)
    {
        QProcess ffprobe;
        ffprobe.start("ffprobe", {"-v", "error", "-show_entries",
                                  "stream=codec_type,codec_name:format=duration", "-of",
                                  "default=noprint_wrappers=1:nokey=1", path});
        ffprobe.waitForFinished(60000);
        return QString::fromUtf8(ffprobe.readAllStandardOutput()).simplified();
    }

    static double durationOf(const QString &path)
    {
        const QStringList fields = probe(path).split(' ');
        return fields.isEmpty() ? -1 : fields.last().toDouble();
    }
};

// The output named on an "ok" line.
QString outputOf(const QString &out)
{
    const QRegularExpressionMatch match =
        QRegularExpression("^ok  .* -> (.*) \\([^()]*\\)$", QRegularExpression::MultilineOption)
            .match(out);
    return match.hasMatch() ? match.captured(1) : QString();
}

TEST_F(CliTest, EveryTypeByShortNameAndByNumberGivesItsOutput)
{
    struct Case
    {
        const char *name;
        const char *extension;
        const char *streams; // ffprobe's streams, in order
    };
    const Case cases[] = {
        {"3gp", ".3gp", "mpeg4 video aac audio"},     {"3gp-amr", ".3gp", "video amr_nb audio"},
        {"3g2", ".3g2", "mpeg4 video aac audio"},     {"3g2-amr", ".3g2", "video amr_nb audio"},
        {"mp4", ".mp4", "mpeg4 video aac audio"},     {"amr", ".amr", "amr_nb audio"},
        {"aac", ".aac", "aac audio"},                 {"mp3", ".mp3", "mp3 audio"},
    };
    int number = 0;
    for (const Case &c : cases) {
        ++number;
        SCOPED_TRACE(c.name);
        const QString byName = dir() + "/types/" + c.name + "/name/";
        const QString byNumber = dir() + "/types/" + c.name + "/number/";
        const qint64 before = logSize();
        const CliRun named = cliRun({"-t", c.name, "-o", byName, clip()});
        ASSERT_EQ(named.exitCode, 0) << named.err.toStdString();
        const CliRun numbered = cliRun({"--type", QString::number(number), "--output", byNumber, clip()});
        ASSERT_EQ(numbered.exitCode, 0) << numbered.err.toStdString();

        const QString output = outputOf(named.out);
        EXPECT_EQ(output, byName + "Clip one" + c.extension) << named.out.toStdString();
        EXPECT_TRUE(probe(output).contains(c.streams)) << probe(output).toStdString();
        EXPECT_NEAR(durationOf(output), 3.0, 0.3);
        EXPECT_EQ(outputOf(numbered.out), byNumber + "Clip one" + c.extension);

        // The number chooses the same job as the name.
        QStringList lines = commandLinesSince(before);
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0].replace(byName, "OUT/"), lines[1].replace(byNumber, "OUT/"));
    }
}

TEST_F(CliTest, LevelsAndACustomProfileChooseTheJob)
{
    const qint64 before = logSize();
    const QStringList levels = {"low", "acceptable", "normal", "excellent", "superb"};
    for (const QString &level : levels) {
        const CliRun run = cliRun({"-t", "mp4", "-q", level, "-o", dir() + "/levels", clip()});
        ASSERT_EQ(run.exitCode, 0) << level.toStdString() << run.err.toStdString();
    }
    const CliRun custom = cliRun({"-t", "mp4", "-q", "Tiny Phone", "-o", dir() + "/levels", clip()});
    ASSERT_EQ(custom.exitCode, 0) << custom.err.toStdString();
    // Without -q: Normal Quality.
    const CliRun plain = cliRun({"-t", "mp4", "-o", dir() + "/levels", clip()});
    ASSERT_EQ(plain.exitCode, 0);

    QStringList lines = commandLinesSince(before);
    ASSERT_EQ(lines.size(), 7);
    for (QString &line : lines)
        line.remove(QRegularExpression(" \"[^\"]*\"$"));
    EXPECT_EQ(QSet<QString>(lines.begin(), lines.begin() + 5).size(), 5) << "five levels, five jobs";
    EXPECT_EQ(lines[6], lines[2]);
    // The profile's six choices: the first entry of each list.
    EXPECT_TRUE(lines[5].contains("-b 40 -s 128x96 -r 11")) << lines[5].toStdString();
    EXPECT_TRUE(lines[5].contains("-ab 16")) << lines[5].toStdString();
    EXPECT_TRUE(lines[5].contains("-ac 1 -ar 22050")) << lines[5].toStdString();
    EXPECT_TRUE(probe(outputOf(custom.out)).contains("mpeg4 video aac audio"));

    // The listing names the levels and the custom profile.
    const CliRun list = cliRun({"--list-profiles"});
    EXPECT_EQ(list.exitCode, 0);
    for (const QString &name : levels + QStringList{"Tiny Phone"})
        EXPECT_TRUE(list.out.contains(name)) << name.toStdString();
}

TEST_F(CliTest, TrimsCutTheOutput)
{
    struct Case
    {
        QStringList args;
        const char *cut;
        double seconds;
    };
    const Case cases[] = {
        {{"--start", "1", "--end", "00:00:02"}, " -ss 00:00:01 -t 1 ", 1.0},
        {{"--start", "0:01"}, " -ss 00:00:01 -t 2 ", 2.0},
        {{"--end", "2"}, " -ss 00:00:00 -t 2 ", 2.0},
        {{}, " -ss 00:00:00 -t 3 ", 3.0},
        // An end past the file's end is its end, as the window corrects it.
        {{"--end", "1:00"}, " -ss 00:00:00 -t 3 ", 3.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const qint64 before = logSize();
        const CliRun run = cliRun(QStringList{"-t", "aac", "-o", dir() + "/trims"} + c.args +
                               QStringList{clip()});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QStringList lines = commandLinesSince(before);
        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines[0].contains(c.cut)) << lines[0].toStdString();
        EXPECT_NEAR(durationOf(outputOf(run.out)), c.seconds, 0.2);
    }
}

TEST_F(CliTest, UsageErrorsExitTwoAndConvertNothing)
{
    struct Case
    {
        QStringList args;
        const char *message;
    };
    const Case cases[] = {
        {{"-t", "avi", clip()}, "unknown output type \"avi\""},
        {{"-t", "12", clip()}, "unknown output type \"12\""},
        {{"-q", "Nobody's", clip()}, "unknown quality or profile"},
        {{"--start", "1:75", clip()}, "--start: \"1:75\" is no time"},
        {{"--end", "soon", clip()}, "--end: \"soon\" is no time"},
        {{"--start", "5", "--end", "2", clip()}, "--start must come before --end"},
        {{"--frobnicate", clip()}, "unknown option --frobnicate"},
        {{"-t"}, "option -t needs a value"},
        {{"-j", "0", clip()}, "-j: \"0\" is no number of conversions"},
        {{"--jobs=many", clip()}, "--jobs: \"many\" is no number of conversions"},
        {{}, "no file given"},
        {{dir() + "/no such.mp4"}, "no such file"},
        {{appDir() + "Config/UserSettings.ini"}, "not a supported file type"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const qint64 before = logSize();
        const CliRun run = cliRun(QStringList{"-o", dir() + "/usage"} + c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(commandLinesSince(before).isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(dir() + "/usage"));
}

TEST_F(CliTest, AFailedOrRefusedFileIsNamedAndTheExitIsOne)
{
    // A folder is added with its sub-folders; what is refused is named on standard error.
    const QString folder = dir() + "/mixed";
    ASSERT_TRUE(QDir().mkpath(folder + "/deeper"));
    ASSERT_TRUE(QFile::copy(clip(), folder + "/deeper/inner.mp4"));
    writeFile(folder + "/notes.txt", "not media");
    writeFile(folder + "/broken.mp4", "not media either");
    const CliRun run = cliRun({"-t", "mp3", "-o", dir() + "/mixed out", folder, dir() + "/gone.mkv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(dir() + "/gone.mkv: no such file")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(folder + "/broken.mp4: ")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("notes.txt")) << "inside a folder, other files are skipped";
    EXPECT_EQ(outputOf(run.out), dir() + "/mixed out/inner.mp3");

    // An output folder that cannot be made: the encoder cannot write, the file failed.
    writeFile(dir() + "/a file", "x");
    const CliRun blocked = cliRun({"-t", "aac", "-o", dir() + "/a file/out", clip()});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.out.startsWith("failed  " + clip() + ": ")) << blocked.out.toStdString();
}

// What no output can be made of fails with the file and the reason and leaves no file behind.
TEST_F(CliTest, BadInputFailsWithItsReasonAndLeavesNothing)
{
    const QString sound = dir() + "/clips/tone.m4a";
    ASSERT_EQ(QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                           "sine=frequency=440:duration=2", "-c:a", "aac", sound}),
              0);
    const struct
    {
        QStringList args;
        QString file;
        const char *reason;
    } cases[] = {
        {{"-t", "h264", sound}, sound, "has no pictures for this video output type"},
        {{"-t", "h265", sound}, sound, "has no pictures for this video output type"},
        // A start at the clip's end leaves a cut of 0 seconds.
        {{"-t", "h265", "--start", "3", clip()}, clip(), "holds nothing to convert"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QString out = dir() + "/bad input";
        const CliRun run = cliRun(QStringList{"-o", out} + c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.contains(QRegularExpression(
            "^failed  " + QRegularExpression::escape(c.file) + ": .*\"" +
                QRegularExpression::escape(c.file) + "\".*" + c.reason,
            QRegularExpression::MultilineOption)))
            << run.out.toStdString();
        EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

TEST_F(CliTest, JsonLinesTellProgressResultsAndSummary)
{
    const QString out = dir() + "/json";
    const CliRun run = cliRun({"--json", "-t", "3gp", "-q", "low", "-o", out, longClip(),
                            dir() + "/missing.mp4"});
    EXPECT_EQ(run.exitCode, 1);
    QList<QJsonObject> events;
    for (const QString &line : run.out.split('\n', Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        EXPECT_TRUE(line.startsWith("{\"event\":\"")) << line.toStdString();
        events << doc.object();
    }
    ASSERT_GE(events.size(), 3);
    // The refusal first, then the job's progress, its end and the summary.
    EXPECT_EQ(events.first(), (QJsonObject{{"event", "failed"},
                                           {"file", dir() + "/missing.mp4"},
                                           {"reason", "no such file"}}));
    int lastPercent = -1;
    for (qsizetype i = 1; i + 2 < events.size(); ++i) {
        const QJsonObject &e = events[i];
        EXPECT_EQ(e["event"], "progress");
        EXPECT_EQ(e["file"], longClip());
        EXPECT_GE(e["percent"].toInt(), lastPercent);
        EXPECT_LE(e["percent"].toInt(), 100);
        lastPercent = e["percent"].toInt();
        // Speed and time left appear once three seconds of the job are behind: a loaded
        // machine may get there, and then they are figures, never zero or negative.
        EXPECT_TRUE(e["speed"].isNull() || e["speed"].toDouble() > 0) << e["speed"].toDouble();
        EXPECT_TRUE(e["eta_seconds"].isNull() || e["eta_seconds"].toInteger() >= 0);
    }
    const QJsonObject done = events[events.size() - 2];
    EXPECT_EQ(done["event"], "done");
    EXPECT_EQ(done["file"], longClip());
    EXPECT_EQ(done["output"], out + "/long.3gp");
    EXPECT_EQ(done["bytes"].toInteger(), QFileInfo(out + "/long.3gp").size());
    EXPECT_EQ(events.last(),
              (QJsonObject{{"event", "summary"}, {"converted", 1}, {"failed", 1}}));
    EXPECT_NEAR(durationOf(out + "/long.3gp"), 120.0, 0.5);
}

TEST_F(CliTest, AStopSignalEndsTheJobAndLeavesNoPartialOutput)
{
    const std::pair<int, int> cases[] = {{SIGTERM, 143}, {SIGINT, 130}, {SIGHUP, 129}};
    for (const auto &[signal, status] : cases) {
        SCOPED_TRACE(signal);
        const QString out = dir() + "/stopped" + QString::number(signal);
        QProcess *process = start({"--json", "-t", "mp4", "-q", "superb", "-o", out, longClip(),
                                   clip()});
        // Stopped once the encoder reports progress.
        QString seen;
        while (!seen.contains("\"progress\"") && process->state() == QProcess::Running) {
            process->waitForReadyRead(100);
            seen += QString::fromUtf8(process->readAllStandardOutput());
        }
        const qint64 pid = process->processId();
        ASSERT_GT(pid, 0) << "the job ended before the signal";
        ::kill(pid_t(pid), signal);
        const CliRun run = finish(process);
        EXPECT_EQ(run.exitCode, status);
        EXPECT_FALSE((seen + run.out).contains("\"done\"")) << "the second file is not started";
        // Neither the claimed name nor the encoder's partial file is left.
        EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList());
        QProcess pgrep;
        pgrep.start("pgrep", {"-f", appDir() + "tcore"});
        pgrep.waitForFinished();
        EXPECT_EQ(pgrep.readAllStandardOutput(), QByteArray()) << "the encoder is stopped";
    }
}

TEST_F(CliTest, TwoProgramsIntoOneFolderNeverOverwriteEachOther)
{
    const QString out = dir() + "/shared";
    QProcess *first = start({"-t", "aac", "-o", out, clip()});
    QProcess *second = start({"-t", "aac", "-o", out, clip()});
    const CliRun a = finish(first);
    const CliRun b = finish(second);
    ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
    ASSERT_EQ(b.exitCode, 0) << b.err.toStdString();
    const QStringList outputs = {outputOf(a.out), outputOf(b.out)};
    EXPECT_EQ(QSet<QString>(outputs.begin(), outputs.end()),
              (QSet<QString>{out + "/Clip one.aac", out + "/Clip one_1.aac"}));
    for (const QString &output : outputs)
        EXPECT_NEAR(durationOf(output), 3.0, 0.3) << output.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// -j 2 runs two encoders at once over the window's setting of one: the same source twice
// gets two outputs, and a broken file among them is named while the others finish.
TEST_F(CliTest, JobsRunSideBySideAndNeverShareAnOutput)
{
    const QString out = dir() + "/side by side";
    const QString broken = dir() + "/clips/broken.mp4";
    writeFile(broken, "not media");
    const QString copy = dir() + "/clips/again/long.mp4";
    QDir().mkpath(QFileInfo(copy).path());
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(longClip(), copy));
    QProcess *process = start({"--json", "-j", "2", "-t", "m4a", "-o", out, longClip(), copy,
                               broken, clip()});
    int most = 0;
    while (!process->waitForFinished(50)) {
        QProcess pgrep;
        pgrep.start("pgrep", {"-f", appDir() + "tcore"});
        pgrep.waitForFinished();
        most = std::max(most, int(pgrep.readAllStandardOutput().count('\n')));
    }
    const CliRun run = finish(process);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(most, 2);
    EXPECT_TRUE(run.out.contains(R"("event":"failed","file":")" + broken)) << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith(R"({"event":"summary","converted":3,"failed":1})" "\n"))
        << run.out.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"Clip one.m4a", "long.m4a", "long_1.m4a"}));
    for (const char *name : {"long.m4a", "long_1.m4a"})
        EXPECT_NEAR(durationOf(out + "/" + name), 120.0, 0.5) << name;
}

TEST_F(CliTest, NeedsNoDisplayAndNoWindowLibraries)
{
    QProcess ldd;
    ldd.start("ldd", {cli()});
    ldd.waitForFinished();
    const QString libraries = QString::fromUtf8(ldd.readAllStandardOutput());
    EXPECT_TRUE(libraries.contains("libQt6Core")) << libraries.toStdString();
    for (const char *window : {"libQt6Gui", "libQt6Widgets", "libQt6DBus", "libmpv", "libX11"})
        EXPECT_FALSE(libraries.contains(window)) << window;

    // No display of any kind in the environment.
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        env.remove(name);
    process.setProcessEnvironment(env);
    process.start(cli(), {"-t", "3gp-amr", "-o", dir() + "/headless", clip()});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(probe(dir() + "/headless/Clip one.3gp").contains("amr_nb audio"));
}

TEST_F(CliTest, AProgressLineOnATerminalOnly)
{
    if (QStandardPaths::findExecutable("script").isEmpty())
        GTEST_SKIP() << "script is missing";
    // On a terminal (script gives it one): the percentage rewritten in place, then the line
    // of the file.
    QProcess terminal;
    terminal.start("script", {"-qec",
                              "'" + cli() + "' -t mp4 -q superb -o '" + dir() + "/tty' '" +
                                  longClip() + "'",
                              "/dev/null"});
    ASSERT_TRUE(terminal.waitForFinished(120000));
    const QString shown = QString::fromUtf8(terminal.readAllStandardOutput());
    EXPECT_TRUE(QRegularExpression("\r\\x1b\\[K +\\d+%  " + QRegularExpression::escape(longClip()))
                    .match(shown)
                    .hasMatch())
        << shown.toStdString();
    EXPECT_TRUE(shown.contains("\r\x1b[Kok  " + longClip() + " -> ")) << shown.toStdString();

    // Into a pipe: the lines of the files only.
    const CliRun piped = cliRun({"-t", "mp4", "-q", "superb", "-o", dir() + "/tty", longClip()});
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_TRUE(piped.out.startsWith("ok  ")) << piped.out.toStdString();
    EXPECT_FALSE(piped.out.contains('\r'));
}

TEST_F(CliTest, SettingsAreReadNeverWritten)
{
    // Without -o, the window's saved output folder; settings that cannot be written do not
    // matter.
    const QString settings = appDir() + "Config/UserSettings.ini";
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const QDateTime modified = QFileInfo(settings).lastModified();
    const CliRun run = cliRun({"-t", "amr", clip()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(outputOf(run.out), dir() + "/saved out/Clip one.amr");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QFileInfo(settings).lastModified(), modified);
    EXPECT_EQ(QDir(appDir() + "Config").entryList(QDir::Files).size(), 2);

    const CliRun version = cliRun({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("clipwright-cli ")) << version.out.toStdString();
    const CliRun types = cliRun({"--list-types"});
    EXPECT_TRUE(types.out.contains(" 6  amr ")) << types.out.toStdString();
}

} // namespace
