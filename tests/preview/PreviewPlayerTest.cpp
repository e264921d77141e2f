// The preview player's states on libmpv with null outputs, on generated clips: play, pause,
// resume, stop, the end mark, the end of the file, files that cannot be fully played.

#include "platform/MpvPreviewGraph.h"
#include "preview/PreviewPlayer.h"
#include "sources/SourceListModel.h"

#include "PreviewFixtures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

previewtest::Clips &clips()
{
    static previewtest::Clips c;
    return c;
}

using previewtest::waitFor;

void spin(int ms)
{
    waitFor([] { return false; }, ms);
}

class Player : public ::testing::Test
{
protected:
    Player()
        : graph(nullOutputs())
    {
        player.SetGraph(&graph);
        player.SetMarks(&marks);
        player.SetLog([this](const QString &line) { log << line; });
    }

    static MpvPreviewGraph::Outputs nullOutputs()
    {
        MpvPreviewGraph::Outputs o;
        o.nullAudio = true;
        o.nullVideo = true;
        return o;
    }

    void selectFile(const QString &path)
    {
        list.clearSelection();
        list.appendRow(SourceRow::ForNewSource(path, "1 MB", "00:00:02"));
        list.setSelected(list.count() - 1, true);
    }

    double seconds() const { return graph.currentPosition() / 1e7; }

    void expectStopped()
    {
        EXPECT_TRUE(player.LoadedFile.isEmpty());
        EXPECT_FALSE(player.IsPlaying);
        EXPECT_TRUE(player.LogoVisible());
        EXPECT_FALSE(graph.isRunning());
        EXPECT_FALSE(player.PositionSource().isActive());
    }
    void expectPlaying(const QString &file)
    {
        EXPECT_EQ(player.LoadedFile, file);
        EXPECT_TRUE(player.IsPlaying);
        EXPECT_FALSE(player.LogoVisible());
        EXPECT_TRUE(graph.isRunning());
        EXPECT_TRUE(player.PositionSource().isActive());
    }

    MpvPreviewGraph graph;
    TrimMarks marks;
    PreviewPlayer player;
    SourceListModel list;
    QStringList log;
};

TEST_F(Player, PlayWithoutFileOrSelectionDoesNothing)
{
    player.onPlayRequested(list);
    player.onPauseRequested();
    expectStopped();
    EXPECT_FALSE(graph.isActive());
    EXPECT_EQ(player.PositionText(), "00:00:00");
}

TEST_F(Player, PlayPauseResumeStop)
{
    const QString clip = clips().video(3);
    selectFile(clip);
    player.onPlayRequested(list);
    expectPlaying(clip);

    spin(700);
    player.onPlayRequested(list); // already playing: nothing happens
    expectPlaying(clip);

    player.onPauseRequested();
    EXPECT_EQ(player.LoadedFile, clip);
    EXPECT_FALSE(player.IsPlaying);
    EXPECT_FALSE(player.LogoVisible());
    EXPECT_FALSE(player.PositionSource().isActive());
    spin(100);
    const double paused = seconds();
    EXPECT_GT(paused, 0.3);
    spin(400);
    EXPECT_DOUBLE_EQ(seconds(), paused);
    player.onPauseRequested(); // paused already: nothing happens
    EXPECT_FALSE(player.IsPlaying);

    player.onPlayRequested(list); // resumes where it paused
    expectPlaying(clip);
    spin(300);
    EXPECT_GT(seconds(), paused);

    player.onStopRequested();
    expectStopped();
    EXPECT_EQ(player.PositionText(), "00:00:00");
    EXPECT_FALSE(graph.isActive());
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(Player, StartsAtTheStartMarkWhenTheStripIsLoaded)
{
    marks.TimelineLoaded = true;
    marks.StartSeconds = 2;
    player.OpenAndPlay(clips().video(3));
    ASSERT_TRUE(waitFor([&] { return seconds() >= 2.0; }, 2000));
    EXPECT_TRUE(player.IsPlaying);
}

TEST_F(Player, PausesAtZeroWhenATickShowsTheEndMark)
{
    marks.EndTimeText = "00:00:05";
    const QString clip = clips().video(7, "64x48");
    player.OpenAndPlay(clip);
    ASSERT_EQ(player.LoadedFile, clip);
    PreviewPlayer::SeekGraph(&graph, 4300);
    ASSERT_TRUE(waitFor([&] { return !player.IsPlaying; }, 4000));
    EXPECT_EQ(player.PositionText(), "00:00:05");
    EXPECT_EQ(player.LoadedFile, clip);
    EXPECT_FALSE(player.LogoVisible());
    spin(200);
    EXPECT_LT(seconds(), 0.2);

    // Play goes on from the beginning, not from the start mark.
    selectFile(clip);
    player.onPlayRequested(list);
    EXPECT_TRUE(player.IsPlaying);
    spin(500);
    EXPECT_LT(seconds(), 2.0);
}

TEST_F(Player, TheEndOfTheFileStops)
{
    player.OpenAndPlay(clips().video(2));
    ASSERT_TRUE(player.IsPlaying);
    ASSERT_TRUE(waitFor([&] { return player.LoadedFile.isEmpty(); }, 6000));
    expectStopped();
    EXPECT_FALSE(graph.isActive());
    EXPECT_EQ(player.PositionText(), "00:00:00");
}

TEST_F(Player, FilesThatDoNotFullyPlayWriteTheLogAndSayWhyUnderTheLogo)
{
    const QString deleted = clips().copyOf(clips().video(2), "deleted.mp4");
    selectFile(deleted);
    QFile::remove(deleted);
    const struct
    {
        QString file;
        QString notice;
    } cases[] = {
        {clips().undecodableAudio(), "Part of this file cannot be decoded, so it is not previewed."},
        {clips().damaged(), "This file cannot be previewed (unrecognized file format)."},
        {deleted, "This file cannot be previewed (loading failed)."},
        {clips().path("never-there.mp4"), "This file cannot be previewed (loading failed)."},
    };
    for (const auto &c : cases) {
        log.clear();
        player.OpenAndPlay(c.file);
        SCOPED_TRACE(qPrintable(c.file));
        expectStopped();
        EXPECT_EQ(log, QStringList{"Playing Video error."});
        EXPECT_EQ(player.Notice(), c.notice);
    }
    // A file that plays takes the notice away.
    player.OpenAndPlay(clips().video(2));
    EXPECT_EQ(player.Notice(), QString());
    player.onStopRequested();
    // The deleted file's row stays playable-looking; Play only logs again.
    log.clear();
    player.onPlayRequested(list);
    EXPECT_EQ(log, QStringList{"Playing Video error."});
    expectStopped();
}

TEST_F(Player, AudioOnlyPlaysWithTheLogoHidden)
{
    const QString clip = clips().audioOnly(2);
    player.OpenAndPlay(clip);
    expectPlaying(clip);
    spin(300);
    EXPECT_GT(seconds(), 0.1);
}

TEST_F(Player, FileNamesWithQuotesBlanksAndColonsPlay)
{
    const QString odd = clips().copyOf(clips().video(1), "it's a \"clip\": ü -x.mp4");
    player.OpenAndPlay(odd);
    expectPlaying(odd);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(Player, OddFrameSizeAndVeryLongFilePlay)
{
    const QString odd = clips().video(1, "161x121");
    player.OpenAndPlay(odd);
    expectPlaying(odd);

    // Ten hours: the start mark nine hours in, shown by the position tick.
    marks.TimelineLoaded = true;
    marks.StartSeconds = 9 * 3600;
    const QString longFile = clips().veryLong();
    player.OpenAndPlay(longFile);
    expectPlaying(longFile);
    EXPECT_GT(graph.duration(), qint64(9.9 * 3600 * 1e7));
    ASSERT_TRUE(waitFor([&] { return player.PositionText().startsWith("09:00:0"); }, 3000))
        << qPrintable(player.PositionText());
    player.onStopRequested();
    expectStopped();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
