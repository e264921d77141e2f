// The preview graph on libmpv with null outputs: what rendering a file gives, and that
// running, pausing, seeking and the end of the file behave as the player needs.

#include "platform/MpvPreviewGraph.h"

#include "PreviewFixtures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
