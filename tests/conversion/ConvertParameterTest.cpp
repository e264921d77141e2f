#include "conversion/CommandLineSplitter.h"
#include "conversion/JobBuilder.h"
#include "conversion/ProgramRunFolder.h"
#include "profiles/ConfigInfo.h"
#include "report/AppErrors.h"
#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "conversion/EncoderArguments.h"

#include <stdexcept>

namespace {

// A program folder with a blank in its path, an output folder that does not exist yet, and
// the controllers with their start-up selections (3GP MP4, Normal Quality).
class ConvertParameterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_appDir = m_dir.path() + "/Program Files/Clipwright/";
        ASSERT_TRUE(QDir().mkpath(m_appDir + "Config"));
        m_outDir = m_dir.path() + "/Out Folder";
        m_proc.jobs.ProgramDir = m_appDir;
        AppPaths::SetCurrent(AppPaths::Portable(m_appDir));
        m_proc.settings.outputFolder().setText(m_outDir);
        m_proc.outputOptions.FillAll();
        m_proc.settings.Load();
        m_proc.outputOptions.ApplyProfile();
    }

    void addRow(const QString &path, const QString &start, const QString &end)
    {
        SourceRow row = SourceRow::ForNewSource(path, "1 MB", end);
        row.setCell(SourceRow::kStartColumn, start);
        row.setCell(SourceRow::kEndColumn, end);
        m_proc.sources.appendRow(row);
    }

    void choose(int outputType, int profile = 2)
    {
        m_proc.optionLists.outputType().setSelectedIndex(outputType);
        m_proc.optionLists.profile().setSelectedIndex(profile);
        m_proc.outputOptions.ApplyProfile();
    }

    // Creates an empty file in the output folder, as a finished job would.
    void touchOutput(const QString &name)
    {
        QDir().mkpath(m_outDir);
        QFile file(m_outDir + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    // The messages of log.txt in the program folder, without their time stamps.
    QStringList logMessages() const
    {
        QFile file(m_appDir + "log.txt");
        QStringList messages;
        if (!file.open(QIODevice::ReadOnly))
            return messages;
        for (const QString &line : QString::fromUtf8(file.readAll()).split("\r\n")) {
            if (!line.isEmpty())
                messages << line.section('|', 1);
        }
        return messages;
    }

    QByteArray script() const
    {
        QFile file(ProgramRunFolder::Path() + "VideoFile.avs");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir m_dir;
    QString m_appDir;
    QString m_outDir;
    ProgramParts m_proc;
};

} // namespace

TEST_F(ConvertParameterTest, FirstWorkedExampleFillsTheJobRecord)
{
    addRow("/Video/holiday.avi", "00:01:00", "00:02:30");
    const QString line = m_proc.jobs.Build("/Video/holiday.avi");

    EXPECT_EQ(line, m_appDir +
                        "tcore -y -i \"/Video/holiday.avi\" -vcodec mpeg4 -acodec aac "
                        "-b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 "
                        "-ar 44100 -f 3gp -ss 00:01:00 -t 90 \"" +
                        m_outDir + "/holiday.3gp\"");
    EXPECT_EQ(m_proc.jobs.CutStart, "00:01:00");
    EXPECT_EQ(m_proc.jobs.CutSeconds, "90");

    ConversionJob expected;
    expected.EncoderFile = m_appDir + "tcore";
    expected.InputFile = "/Video/holiday.avi";
    expected.CodecArg = " -vcodec mpeg4 -acodec aac";
    expected.VideoBitrateArg = " -b 128";
    expected.VideoSizeArg = " -s 160x120";
    expected.FrameRateArg = " -r 15";
    expected.AspectArg = " -aspect 4:3";
    expected.AudioBitrateArg = " -ab 128";
    expected.VolumeArg = " -vol 200";
    expected.ChannelsArg = " -ac 2";
    expected.SampleRateArg = " -ar 44100";
    expected.FormatArg = " -f 3gp";
    expected.CutArg = " -ss 00:01:00 -t 90";
    expected.OutputDir = m_outDir + '/';
    expected.OutputBaseName = "holiday";
    expected.OutputExt = ".3gp";
    EXPECT_EQ(m_proc.jobs.Job, expected);

    // The output folder was created; the script is written only for the jobs that read it.
    EXPECT_TRUE(QFileInfo(m_outDir).isDir());
    EXPECT_EQ(script(), "(missing)");
}

TEST_F(ConvertParameterTest, SecondWorkedExampleGoesThroughTheScript)
{
    choose(5); // AMR Audio Files, Normal Quality: 128 kbps, mono, 22050 Hz
    addRow("/Video/clip.rmvb", "00:00:00", "00:12:34");
    const QString line = m_proc.jobs.Build("/Video/clip.rmvb");

    EXPECT_EQ(line, m_appDir + "mcore -y -i \"" + ProgramRunFolder::Path() +
                        "VideoFile.avs\" -acodec amr_nb -s 160x120 -b 128 -ab 128 -vol 200 "
                        "-ac 1 -ar 8000 -ss 00:00:00 -t 754 \"" +
                        m_outDir + "/clip.amr\"");
    EXPECT_EQ(m_proc.jobs.Job.InputFile, ProgramRunFolder::Path() + "VideoFile.avs");
    // The script is this running program's own, in a folder no other user can enter.
    EXPECT_FALSE(QFile::exists(m_appDir + "VideoFile.avs"));
    EXPECT_FALSE(ProgramRunFolder::Path().startsWith(m_appDir));
    EXPECT_EQ(QFileInfo(ProgramRunFolder::Path()).permissions() & 0x0077, 0);
    EXPECT_EQ(script(), "DirectShowSource(\"/Video/clip.rmvb\", fps=29.9700898503294, "
                        "convertfps=true)\r\n");
}

TEST_F(ConvertParameterTest, RepeatedJobsGetNumberedOutputs)
{
    addRow("/Video/holiday.avi", "00:01:00", "00:02:30");
    const QString first = m_proc.jobs.Build("/Video/holiday.avi");
    EXPECT_TRUE(first.endsWith("/holiday.3gp\""));
    touchOutput("holiday.3gp");
    const QString second = m_proc.jobs.Build("/Video/holiday.avi");
    touchOutput("holiday_1.3gp");
    const QString third = m_proc.jobs.Build("/Video/holiday.avi");

    // Only the output name differs between the three command lines.
    EXPECT_EQ(second, QString(first).replace("/holiday.3gp\"", "/holiday_1.3gp\""));
    EXPECT_EQ(third, QString(first).replace("/holiday.3gp\"", "/holiday_2.3gp\""));
}

TEST_F(ConvertParameterTest, OutputNamesAvoidBaseNamesOfAnyExtension)
{
    struct Case
    {
        const char *source;
        QStringList present; // files already in the output folder
        const char *output;
    };
    const Case cases[] = {
        {"/v/holiday.avi", {"holiday.mpg"}, "holiday_1.3gp"},
        {"/v/holiday.avi", {"Holiday.3gp"}, "holiday.3gp"}, // letter case counts
        {"/v/noext", {}, ".3gp"},
        {"/v/noext", {".3gp"}, "_1.3gp"},
        {"/v/my_clip.avi", {"my_clip.3gp", "my_clip_1.3gp"}, "my_clip_2.3gp"},
        {"/v/a.b.avi", {}, "a.b.3gp"},
    };
    for (const Case &c : cases) {
        QDir(m_outDir).removeRecursively();
        for (const QString &name : c.present)
            touchOutput(name);
        addRow(c.source, "00:00:00", "00:00:10");
        const QString line = m_proc.jobs.Build(c.source);
        EXPECT_TRUE(line.endsWith(" \"" + m_outDir + '/' + c.output + '"'))
            << c.source << " -> " << line.toStdString();
    }
}

TEST_F(ConvertParameterTest, CommandLineShapeFollowsTheOutputType)
{
    struct Case
    {
        int type;
        const char *arguments; // between the input and the output path
        const char *ext;
    };
    const Case cases[] = {
        {1, " -acodec amr_nb -s 160x120 -b 128 -ab 128 -vol 200 -ac 1 -ar 8000 -f 3gp", ".3gp"},
        {3, " -acodec amr_nb -s 160x120 -b 128 -ab 128 -vol 200 -ac 1 -ar 8000 -f 3g2", ".3g2"},
        {2,
         " -vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 "
         "-ar 44100 -f 3g2",
         ".3g2"},
        {4,
         " -vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 "
         "-ar 44100",
         ".mp4"},
        {6, " -acodec aac -vn -ab 128 -vol 200 -ac 2 -ar 44100", ".aac"},
        {7, " -acodec mp3 -vn -ab 128 -vol 200 -ac 2 -ar 44100", ".mp3"},
        // No output type: the fallback codec, no format, the .avi extension.
        {-1,
         " -vcodec xvid -acodec mp3 -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 "
         "-ar 44100",
         ".avi"},
    };
    addRow("/v/clip.avi", "00:00:05", "00:00:15");
    for (const Case &c : cases) {
        choose(c.type);
        const QString line = m_proc.jobs.Build("/v/clip.avi");
        // The job ends without output and gives its name back.
        m_proc.jobs.ClaimedOutput.Release();
        EXPECT_EQ(line, m_appDir + "tcore -y -i \"/v/clip.avi\"" + c.arguments +
                            " -ss 00:00:05 -t 10 \"" + m_outDir + "/clip" + c.ext + '"')
            << "type " << c.type;
    }
}

TEST_F(ConvertParameterTest, CutOptionsComeFromTheLastMatchingRow)
{
    struct Case
    {
        const char *start;
        const char *end;
        const char *cut;
    };
    // A cut of 0 seconds or less is refused before anything is claimed, naming the cut.
    const Case cases[] = {
        {"00:00:00", "00:00:00", " -ss 00:00:00 -t 0"},
        {"00:01:00", "00:00:30", " -ss 00:01:00 -t -30"},
        {"", "00:00:30", ""},                        // no start: no cut options
        {"00:00:10", "1:2", " -ss 00:00:10 -t -10"}, // a time not of three parts counts 0
        {"100:00:00", "100:00:01", " -ss 100:00:00 -t 1"},
    };
    for (const Case &c : cases) {
        m_proc.sources.clear();
        addRow("/v/clip.avi", c.start, c.end);
        const bool empty = QString(c.cut).contains(" -t 0") || QString(c.cut).contains(" -t -");
        try {
            m_proc.jobs.Build("/v/clip.avi");
            EXPECT_FALSE(empty) << c.start << " " << c.end;
        } catch (const JobRefused &refused) {
            EXPECT_TRUE(empty) << c.start << " " << c.end;
            EXPECT_EQ(refused.Reason(), QString("its cut from %1 to %2 holds nothing to convert; "
                                                "set the end after the start")
                                            .arg(c.start, c.end));
            EXPECT_FALSE(m_proc.jobs.ClaimedOutput.IsHeld());
        }
        m_proc.jobs.ClaimedOutput.Release();
        EXPECT_EQ(m_proc.jobs.Job.CutArg, c.cut) << c.start << " " << c.end;
    }
    EXPECT_FALSE(QFileInfo::exists(m_outDir + "/clip.3gp")) << "every job gave its name back";

    // Names that differ by letter case are two files, and the same file added twice keeps
    // two cuts: each job takes the cut of its own row.
    m_proc.sources.clear();
    addRow("/v/Clip.avi", "00:00:00", "00:00:30");
    addRow("/v/clip.avi", "00:00:00", "00:00:02");
    addRow("/v/clip.avi", "00:00:05", "00:00:09");
    const struct
    {
        const char *source;
        int row;
        const char *start, *seconds;
    } own[] = {
        {"/v/Clip.avi", 0, "00:00:00", "30"},
        {"/v/clip.avi", 1, "00:00:00", "2"},
        {"/v/clip.avi", 2, "00:00:05", "4"},
        {"/v/Clip.avi", -1, "00:00:00", "30"}, // no row given: the last of that very name
        {"/v/clip.avi", -1, "00:00:05", "4"},
    };
    for (const auto &c : own) {
        m_proc.jobs.Build(c.source, c.row);
        EXPECT_EQ(m_proc.jobs.CutStart, c.start) << c.source << " row " << c.row;
        EXPECT_EQ(m_proc.jobs.CutSeconds, c.seconds) << c.source << " row " << c.row;
    }

    // No row at all: no cut.
    EXPECT_EQ(m_proc.jobs.CutStartOf("/v/none.avi"), "");
    EXPECT_EQ(m_proc.jobs.CutSecondsOf("/v/none.avi"), "");
}

TEST_F(ConvertParameterTest, NonNumericTimeRaisesAnError)
{
    addRow("/v/clip.avi", "00:aa:00", "00:01:00");
    EXPECT_THROW(m_proc.jobs.Build("/v/clip.avi"), std::exception);
}

TEST_F(ConvertParameterTest, RealMediaIsRecognisedByItsExactExtension)
{
    const struct
    {
        const char *source;
        const char *encoder;
    } cases[] = {
        {"/v/movie.rm", "mcore"},
        {"/v/movie.rmvb", "mcore"},
        {"/v/movie.RM", "tcore"},
        {"/v/movie.rmvb.avi", "tcore"},
    };
    for (const auto &c : cases) {
        addRow(c.source, "00:00:00", "00:00:10");
        m_proc.jobs.Build(c.source);
        EXPECT_EQ(m_proc.jobs.Job.EncoderFile, m_appDir + c.encoder) << c.source;
        // The script names the latest source that reads through it.
        if (QLatin1String(c.encoder) == QLatin1String("mcore"))
            EXPECT_EQ(script(), QString("DirectShowSource(\"%1\", fps=29.9700898503294, "
                                        "convertfps=true)\r\n")
                                    .arg(c.source)
                                    .toUtf8());
        else
            EXPECT_EQ(script(), "DirectShowSource(\"/v/movie.rmvb\", fps=29.9700898503294, "
                                "convertfps=true)\r\n");
    }
}

TEST_F(ConvertParameterTest, FragmentsFallBackToTheirDefaults)
{
    OptionListModel empty;
    OptionListModel blankEntry;
    blankEntry.addItem("");
    for (const OptionListModel *list : {&empty, &blankEntry}) {
        const int index = list == &empty ? -1 : 0;
        EXPECT_EQ(EncoderArguments::VideoBitrate(*list, index), " -b 512");
        EXPECT_EQ(EncoderArguments::VideoSize(*list, index), " -s 320x240");
        EXPECT_EQ(EncoderArguments::FrameRate(*list, index), " -r 25");
        EXPECT_EQ(EncoderArguments::Aspect(*list, index), " -aspect 4:3");
        EXPECT_EQ(EncoderArguments::AudioBitrate(*list, index), " -ab 64");
        EXPECT_EQ(EncoderArguments::Volume(*list, index), " ");
        EXPECT_EQ(EncoderArguments::Channels(*list, index), " -ac 2");
        EXPECT_EQ(EncoderArguments::SampleRate(*list, index), " -ar 44100");
    }
    EXPECT_EQ(EncoderArguments::Codec(ConfigInfo::kOutputTypeCount), " -vcodec xvid -acodec mp3");
    EXPECT_EQ(EncoderArguments::Format(ConfigInfo::kOutputTypeCount), "");
    EXPECT_EQ(EncoderArguments::Format(4), ""); // "none"
    EXPECT_EQ(EncoderArguments::Format(0), " -f 3gp");
    EXPECT_EQ(EncoderArguments::OutputExtension(-1), ".avi");

    // With the volume list showing no selection two blanks stand in the command line.
    m_proc.optionLists.volumeGain().setSelectedIndex(-1);
    addRow("/v/clip.avi", "00:00:00", "00:00:10");
    EXPECT_TRUE(m_proc.jobs.Build("/v/clip.avi").contains(" -ab 128  -ac 2 "));
}

TEST_F(ConvertParameterTest, AnyFileNameReachesTheEncoderUnchanged)
{
    const QString weird[] = {
        R"(/v/say "hi".avi)",         R"(/v/back\slash.avi)",
        R"(/v/end\\"q\".avi)",        QString::fromUtf8("/v/Übergröße  日本語.avi"),
        "/v/two  blanks\tand tab.rm",
    };
    const QString tcore = m_appDir + "tcore";
    const QString mcore = m_appDir + "mcore";
    for (const QString *path : {&tcore, &mcore}) {
        QFile file(*path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (const QString &source : weird) {
        addRow(source, "00:00:00", "00:00:10");
        const QString line = m_proc.jobs.Build(source);
        const ConversionJob &job = m_proc.jobs.Job;
        const auto split = CommandLineSplitter::Split(line, job.EncoderFile);
        EXPECT_TRUE(split.ok);
        EXPECT_EQ(split.program, job.EncoderFile);
        ASSERT_GE(split.arguments.size(), 4) << line.toStdString();
        EXPECT_EQ(split.arguments.at(2), job.InputFile);
        EXPECT_EQ(split.arguments.last(), job.OutputDir + job.OutputBaseName + job.OutputExt);
    }
    // The output name keeps the source's own base name.
    EXPECT_EQ(m_proc.jobs.Job.OutputBaseName, "two  blanks\tand tab");
}

TEST_F(ConvertParameterTest, OutputFolderIsCreatedAndLogged)
{
    addRow("/v/clip.avi", "00:00:00", "00:00:10");
    m_proc.settings.outputFolder().setText(m_outDir + "/deeper/still/");
    m_proc.jobs.Build("/v/clip.avi");
    EXPECT_TRUE(QFileInfo(m_outDir + "/deeper/still").isDir());
    EXPECT_EQ(m_proc.jobs.Job.OutputDir, m_outDir + "/deeper/still/");

    // A file where the folder should be: only logged; the job is built all the same.
    QFile blocker(m_dir.path() + "/blocked");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    m_proc.settings.outputFolder().setText(m_dir.path() + "/blocked");
    const QString line = m_proc.jobs.Build("/v/clip.avi");
    EXPECT_TRUE(line.endsWith(" \"" + m_dir.path() + "/blocked/clip.3gp\""));

    EXPECT_EQ(logMessages(),
              (QStringList{"Output directory " + m_outDir + "/deeper/still/",
                           "Output directory error. ->" + m_dir.path() + "/blocked/"}));
}

TEST_F(ConvertParameterTest, UnwritableScriptEndsTheJobWithAnError)
{
    const QString script = ProgramRunFolder::Path() + "VideoFile.avs";
    QFile::remove(script);
    ASSERT_TRUE(QDir().mkpath(script)); // a folder in the script's place
    addRow("/v/clip.rm", "00:00:00", "00:00:10");
    try {
        m_proc.jobs.Build("/v/clip.rm");
        FAIL() << "no error raised";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(QString::fromUtf8(error.what())
                        .startsWith("Cannot create file \"" + script + "\". "))
            << error.what();
    }
    QDir(script).removeRecursively();
}

TEST_F(ConvertParameterTest, ARunFolderRemovedByACleanerIsMadeAgain)
{
    addRow("/v/clip.rm", "00:00:00", "00:00:10");
    m_proc.jobs.Build("/v/clip.rm");
    m_proc.jobs.ClaimedOutput.Release();
    ASSERT_TRUE(QDir(ProgramRunFolder::Path()).removeRecursively());
    // The next job of the same program writes its script as if nothing had happened.
    const QString line = m_proc.jobs.Build("/v/clip.rm");
    EXPECT_TRUE(line.contains("\"" + ProgramRunFolder::Path() + "VideoFile.avs\"")) << line.toStdString();
    EXPECT_EQ(script(), "DirectShowSource(\"/v/clip.rm\", fps=29.9700898503294, convertfps=true)\r\n");
    EXPECT_EQ(QFileInfo(ProgramRunFolder::Path()).permissions() & 0x0077, 0);
}
