// The "Output Size" column and the status line's total: how they follow the output type,
// the profile, the cut and the ticks, and how close the estimate comes to what the encoder
// really writes (clipwright-cli and tcore on a generated clip).
#include "conversion/OutputSizeEstimate.h"
#include "profiles/ConfigInfo.h"
#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"
#include "sources/OutputSizeColumn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class OutputSizeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        QDir(m_dir.path()).mkdir("Config");
        m_proc.jobs.ProgramDir = m_dir.path() + '/';
        AppPaths::SetCurrent(AppPaths::Portable(m_proc.jobs.ProgramDir));
        m_proc.outputOptions.FillAll();
        m_proc.settings.Load();
        m_proc.outputOptions.ApplyProfile();
    }

    void choose(int type, int quality)
    {
        OptionLists &boxes = m_proc.optionLists;
        boxes.outputType().setSelectedIndex(type);
        boxes.profile().setSelectedIndex(quality);
        m_proc.outputOptions.ApplyProfile();
    }

    SourceListModel &rows() { return m_proc.sources; }

    void addRow(const QString &path, const QString &cut)
    {
        rows().appendRow(SourceRow::ForNewSource(path, "1 MB", cut));
    }

    QTemporaryDir m_dir;
    ProgramParts m_proc;
};

} // namespace

TEST_F(OutputSizeTest, ColumnAndTotalFollowTypeProfileCutAndTicks)
{
    addRow("/v/a.avi", "00:01:00");
    OutputSizeColumn column(rows(), m_proc.optionLists);
    QSignalSpy totals(&column, &OutputSizeColumn::totalTextChanged);
    addRow("/v/b.avi", "00:02:00");

    // MP3 Superb: 224 kbit/s, 28000 bytes a second and a little for the tags.
    choose(7, 4);
    EXPECT_EQ(rows().cell(0, SourceRow::kOutputSizeColumn), "1.6 MB");
    EXPECT_EQ(rows().cell(1, SourceRow::kOutputSizeColumn), "3.2 MB");
    EXPECT_EQ(column.totalText(), "2 files, about 5 MB");

    // H.264 Superb: 6000 kbit/s of pictures and 192 of sound.
    choose(ConfigInfo::kH264OutputType, 4);
    EXPECT_EQ(rows().cell(0, SourceRow::kOutputSizeColumn), "44.32 MB");
    EXPECT_EQ(column.totalText(), "2 files, about 133 MB");

    // A shorter cut, an unticked row, an empty cut.
    rows().setCell(0, SourceRow::kCutColumn, "00:00:30");
    EXPECT_EQ(rows().cell(0, SourceRow::kOutputSizeColumn), "22.16 MB");
    rows().setCell(1, SourceRow::kTickColumn, "False");
    EXPECT_EQ(column.totalText(), "1 file, about 22 MB");
    rows().setCell(0, SourceRow::kCutColumn, "00:00:00");
    EXPECT_EQ(rows().cell(0, SourceRow::kOutputSizeColumn), "");
    EXPECT_EQ(column.totalText(), "1 file, about 0 KB");
    rows().clear();
    EXPECT_EQ(column.totalText(), "");
    EXPECT_GE(totals.count(), 5);
}

TEST_F(OutputSizeTest, TheSizeLimitCapsTheEstimate)
{
    addRow("/v/a.avi", "00:10:00");
    addRow("/v/b.avi", "00:00:10");
    OutputSizeColumn column(rows(), m_proc.optionLists);
    choose(ConfigInfo::kH264OutputType, 4);
    column.setSizeLimitMB(25);
    EXPECT_EQ(rows().cell(0, SourceRow::kOutputSizeColumn), "25 MB");
    EXPECT_EQ(rows().cell(1, SourceRow::kOutputSizeColumn), "7.38 MB"); // below the limit
    column.setSizeLimitMB(0);
    EXPECT_EQ(rows().cell(0, SourceRow::kOutputSizeColumn), "443.21 MB");
}

// The sound types write a constant bitrate, so the estimate must come within 10% of the real
// size at every level; measured on 20 s of a 30 s clip.
TEST_F(OutputSizeTest, EstimateMeetsTheRealSizeOfTheSoundTypes)
{
    const QString clip = m_dir.path() + "/clip.mp4";
    ASSERT_EQ(QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                           "testsrc=size=320x240:rate=25:duration=30", "-f",
                                           "lavfi", "-i", "anoisesrc=d=30:c=pink:r=48000:a=0.3",
                                           "-ac", "2", "-c:v", "mpeg4", "-c:a", "aac", clip}),
              0);
    const QString cli = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/clipwright-cli";
    const QStringList levels = {"low", "acceptable", "normal", "excellent", "superb"};
    const struct
    {
        const char *name;
        int type;
    } types[] = {{"amr", 5}, {"aac", 6}, {"mp3", 7}, {"m4a", ConfigInfo::kM4aOutputType}};
    for (const auto &t : types) {
        for (int q = 0; q < levels.size(); q += 2) {
            SCOPED_TRACE(std::string(t.name) + " " + levels[q].toStdString());
            const QString out = m_dir.path() + "/out/" + t.name + levels[q];
            QProcess run;
            run.start(cli, {"-t", t.name, "-q", levels[q], "-o", out, "--end", "20", clip});
            ASSERT_TRUE(run.waitForFinished(120000));
            ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
            const QFileInfoList files = QDir(out).entryInfoList(QDir::Files);
            ASSERT_EQ(files.size(), 1);

            choose(t.type, q);
            const double estimate = double(OutputSizeEstimate::Bytes(m_proc.optionLists, t.type, 20));
            EXPECT_NEAR(double(files.first().size()), estimate, estimate * 0.10);
        }
    }
}
