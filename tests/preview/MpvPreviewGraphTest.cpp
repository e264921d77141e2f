// The preview graph on libmpv with null outputs: what rendering a file gives, and that
// running, pausing, seeking and the end of the file behave as the player needs.

#include "platform/MpvPreviewGraph.h"
#include "platform/MediaProbe.h"
#include "platform/MpvLibrary.h"
#include "platform/VideoOrientation.h"

#include "PreviewFixtures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using Result = IPreviewGraph::RenderResult;

previewtest::Clips &clips()
{
    static previewtest::Clips c;
    return c;
}

MpvPreviewGraph::Outputs nullOutputs()
{
    MpvPreviewGraph::Outputs o;
    o.nullAudio = true;
    o.nullVideo = true;
    return o;
}

// Lets the GUI thread run for ms milliseconds.
void spin(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

const char *name(Result r)
{
    switch (r) {
    case Result::Full: return "Full";
    case Result::Partial: return "Partial";
    case Result::Failed: return "Failed";
    }
    return "?";
}

TEST(MpvPreviewGraph, RenderTellsFullPartialAndFailed)
{
    struct Case { QString path; Result expected; };
    const Case cases[] = {
        {clips().video(2), Result::Full},
        {clips().audioOnly(2), Result::Full},
        {clips().undecodableAudio(), Result::Partial},
        {clips().damaged(), Result::Failed},
        {clips().path(QStringLiteral("missing.mp4")), Result::Failed},
    };
    for (const Case &c : cases) {
        MpvPreviewGraph graph(nullOutputs());
        graph.makeActive();
        ASSERT_TRUE(graph.isActive());
        EXPECT_STREQ(name(graph.renderFile(c.path)), name(c.expected)) << qPrintable(c.path);
    }
}

TEST(MpvPreviewGraph, InactiveGraphRefusesEverything)
{
    MpvPreviewGraph graph(nullOutputs());
    EXPECT_FALSE(graph.isActive());
    EXPECT_EQ(graph.renderFile(clips().video(2)), Result::Failed);
    EXPECT_FALSE(graph.run());
    EXPECT_FALSE(graph.pause());
    EXPECT_FALSE(graph.stop());
    EXPECT_EQ(graph.currentPosition(), 0);
    graph.setCurrentPosition(10000000); // no graph: nothing happens
}

TEST(MpvPreviewGraph, RunsPausesSeeksAndReachesTheEnd)
{
    MpvPreviewGraph graph(nullOutputs());
    graph.makeActive();
    ASSERT_EQ(graph.renderFile(clips().video(2)), Result::Full);
    EXPECT_NEAR(graph.duration(), 20000000, 500000);
    EXPECT_EQ(graph.currentPosition(), 0);

    ASSERT_TRUE(graph.run());
    EXPECT_TRUE(graph.isRunning());
    spin(600);
    const qint64 playing = graph.currentPosition();
    EXPECT_GT(playing, 2000000);

    ASSERT_TRUE(graph.pause());
    EXPECT_FALSE(graph.isRunning());
    spin(100);
    const qint64 paused = graph.currentPosition();
    spin(400);
    EXPECT_EQ(graph.currentPosition(), paused);

    graph.setCurrentPosition(0);
    spin(200);
    EXPECT_LT(graph.currentPosition(), 500000);

    // At the end the position equals the duration, so the position tick can see it.
    ASSERT_TRUE(graph.run());
    spin(2600);
    EXPECT_EQ(graph.currentPosition(), graph.duration());

    graph.clear();
    EXPECT_TRUE(graph.isActive());
    EXPECT_FALSE(graph.isRunning());
    graph.makeInactive();
    EXPECT_FALSE(graph.isActive());
}

TEST(MpvPreviewGraph, ReleasesARestingPlayerAndGoesOnWhereItRested)
{
    using previewtest::waitFor;
    MpvPreviewGraph graph(nullOutputs());
    graph.setReleaseIdleMs(200);
    graph.makeActive();
    ASSERT_EQ(graph.renderFile(clips().video(4)), Result::Full);
    ASSERT_TRUE(graph.run());
    spin(500);
    EXPECT_TRUE(graph.holdsPlayer()); // a running player is kept

    ASSERT_TRUE(graph.pause());
    spin(100);
    const qint64 rested = graph.currentPosition();
    const qint64 duration = graph.duration();
    ASSERT_GT(rested, 0);
    ASSERT_TRUE(waitFor([&] { return !graph.holdsPlayer(); }, 10000));
    EXPECT_TRUE(graph.isActive());
    EXPECT_FALSE(graph.isRunning());
    EXPECT_EQ(graph.currentPosition(), rested);
    EXPECT_EQ(graph.duration(), duration);
    EXPECT_TRUE(graph.pause());
    EXPECT_TRUE(graph.stop());

    // A seek while released is where it goes on.
    graph.setCurrentPosition(25000000);
    EXPECT_EQ(graph.currentPosition(), 25000000);
    ASSERT_TRUE(graph.run());
    EXPECT_TRUE(graph.holdsPlayer());
    EXPECT_TRUE(graph.isRunning());
    EXPECT_NEAR(graph.currentPosition(), 25000000, 5000000);
    spin(600);
    EXPECT_GT(graph.currentPosition(), 25000000);

    // Cleared while released, the graph is active and empty and takes the next file.
    ASSERT_TRUE(graph.pause());
    ASSERT_TRUE(waitFor([&] { return !graph.holdsPlayer(); }, 10000));
    graph.clear();
    EXPECT_TRUE(graph.isActive());
    EXPECT_EQ(graph.currentPosition(), 0);
    EXPECT_FALSE(graph.run());
    EXPECT_EQ(graph.renderFile(clips().video(2)), Result::Full);

    // A file that went away meanwhile cannot go on; the graph is still stopped cleanly.
    const QString gone = clips().copyOf(clips().video(2), QStringLiteral("gone.mp4"));
    ASSERT_EQ(graph.renderFile(gone), Result::Full);
    ASSERT_TRUE(waitFor([&] { return !graph.holdsPlayer(); }, 10000));
    ASSERT_TRUE(QFile::remove(gone));
    EXPECT_FALSE(graph.run());
    EXPECT_TRUE(graph.isActive());
    graph.makeInactive();
    EXPECT_FALSE(graph.isActive());
    EXPECT_EQ(graph.currentPosition(), 0);
}

// Display matrices of each turn and mirroring, in libavutil's 16.16 layout, and the filter
// that shows the picture upright (played for real in PreviewWindow.PlaysEveryRotationUpright).
TEST(VideoOrientation, FilterForEachMatrix)
{
    constexpr qint32 one = 1 << 16;
    struct Case
    {
        qint32 a, b, c, d;
        const char *filter;
    };
    const Case cases[] = {
        {one, 0, 0, one, ""},                         // upright
        {-one, 0, 0, one, "hflip"},                   // mirrored
        {one, 0, 0, -one, "vflip"},                   // mirrored top to bottom
        {-one, 0, 0, -one, "hflip,vflip"},            // half a turn
        {0, one, -one, 0, "transpose=clock"},         // a quarter turn
        {0, -one, one, 0, "transpose=cclock"},        // the other quarter turn
        {0, one, one, 0, "transpose=cclock_flip"},    // a quarter turn, mirrored
        {0, -one, -one, 0, "transpose=clock_flip"},   // the other, mirrored
    };
    for (const Case &c : cases) {
        const qint32 matrix[9] = {c.a, c.b, 0, c.c, c.d, 0, 0, 0, 1 << 30};
        EXPECT_EQ(VideoOrientation::FilterForMatrix(matrix), QByteArray(c.filter)) << c.filter;
    }
    EXPECT_TRUE(VideoOrientation::FilterForMatrix(nullptr).isEmpty());
}

// Play, stop, let the preview rest until its player is released, then add a file: libmpv
// stays loaded, so the probe's libavformat never reaches into an unloaded libavdevice.
TEST(MpvPreviewGraph, ProbingAfterARestingPreviewIsSafe)
{
    using previewtest::waitFor;
    MpvPreviewGraph graph(nullOutputs());
    graph.setReleaseIdleMs(200);
    graph.makeActive();
    ASSERT_EQ(graph.renderFile(clips().video(2)), Result::Full);
    ASSERT_TRUE(graph.run());
    spin(300);
    graph.stop();
    ASSERT_TRUE(waitFor([&] { return !graph.holdsPlayer(); }, 10000));
    graph.makeInactive();
    spin(600);
    EXPECT_TRUE(MpvLibrary::IsLoaded());

    MediaProbe probe;
    EXPECT_TRUE(probe.RenderDuration(clips().video(2)).has_value());
    // A name without a known extension makes libavformat try every demuxer it has.
    const QString unnamed = clips().copyOf(clips().video(2), QStringLiteral("clip-without-extension"));
    EXPECT_TRUE(probe.RenderDuration(unnamed).has_value());

    // The graph plays again after all this.
    graph.makeActive();
    ASSERT_EQ(graph.renderFile(clips().video(2)), Result::Full);
    ASSERT_TRUE(graph.run());
    spin(500);
    EXPECT_GT(graph.currentPosition(), 0);
    graph.makeInactive();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
