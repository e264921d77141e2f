// The preview player's failure handling on a graph that can be made to fail, and its log
// line in the program's log file.

#include "shell/ProgramParts.h"
#include "preview/PreviewPlayer.h"
#include "platform/AppPaths.h"

#include "FakePreviewGraph.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(PlayerFailures, RunOrPauseFailingShowsTheLogoAndKeepsTheState)
{
    FakePreviewGraph graph;
    PreviewPlayer player;
    player.SetGraph(&graph);
    player.SetLog({});
    player.OpenAndPlay("/m/a.mp4");
    ASSERT_TRUE(player.IsPlaying);
    ASSERT_FALSE(player.LogoVisible());

    graph.failPause = true;
    player.PausePreview();
    EXPECT_TRUE(player.LogoVisible());
    EXPECT_TRUE(player.IsPlaying); // the failed step changes no state

    graph.failPause = false;
    player.PausePreview();
    EXPECT_FALSE(player.IsPlaying);
    graph.failRun = true;
    player.PlayPreview();
    EXPECT_TRUE(player.LogoVisible());
    EXPECT_FALSE(player.IsPlaying);
    EXPECT_FALSE(player.PositionSource().isActive());
}

TEST(PlayerFailures, AStopWhileOpeningIsNotUndone)
{
    FakePreviewGraph graph;
    PreviewPlayer player;
    player.SetGraph(&graph);
    // Runs while OpenAndPlay lets pending messages through, as a Stop click would.
    QMetaObject::invokeMethod(&player, [&] { player.onStopRequested(); }, Qt::QueuedConnection);
    player.OpenAndPlay("/m/a.mp4");
    EXPECT_TRUE(player.LoadedFile.isEmpty());
    EXPECT_FALSE(player.IsPlaying);
    EXPECT_TRUE(player.LogoVisible());
    EXPECT_FALSE(graph.isActive());
}

TEST(PlayerFailures, InactiveGraphIgnoresPlayPauseAndStop)
{
    FakePreviewGraph graph;
    PreviewPlayer player;
    player.SetGraph(&graph);
    player.PlayPreview();
    player.PausePreview();
    player.StopPreview();
    EXPECT_TRUE(graph.calls.isEmpty());
    EXPECT_TRUE(player.LogoVisible());
}

TEST(PlayerFailures, PositionTickAtTheEndAndWithoutADuration)
{
    FakePreviewGraph graph;
    PreviewPlayer player;
    player.SetGraph(&graph);
    player.OpenAndPlay("/m/a.mp4");
    graph.position = 35000000; // 3.5 s
    // A graph that does not know the duration yet has not reached the end.
    player.dstrckbrMainformTimer(3500, 0);
    EXPECT_EQ(player.PositionText(), "00:00:03");
    EXPECT_EQ(player.LoadedFile, "/m/a.mp4");
    // current >= duration: back to 0 and stopped.
    graph.position = 100000000;
    player.dstrckbrMainformTimer(10000, 10000);
    EXPECT_EQ(graph.seeks.last(), 0);
    EXPECT_TRUE(player.LoadedFile.isEmpty());
    EXPECT_EQ(player.PositionText(), "00:00:00");
    EXPECT_TRUE(player.LogoVisible());
}

TEST(PlayerFailures, PlayingVideoErrorGoesToTheProgramLog)
{
    QTemporaryDir dir;
    AppPaths::SetCurrent(AppPaths::Portable(dir.path() + "/"));
    ProgramParts parts;
    FakePreviewGraph graph;
    graph.nextRender = IPreviewGraph::RenderResult::Partial;
    PreviewPlayer &player = parts.preview;
    player.SetGraph(&graph);
    player.OpenAndPlay("/m/a.mp4");

    EXPECT_TRUE(player.LoadedFile.isEmpty());
    EXPECT_TRUE(graph.calls.contains("clear"));
    QFile log(dir.filePath("log.txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().trimmed().endsWith("|Playing Video error."));
}

} // namespace
