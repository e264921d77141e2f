// Preview CPU benchmark driver: plays a clip in the preview window (video window, trim strip
// and source list as on the main window) and reports the process's CPU use while idle,
// with the file loaded and paused, and while playing, the frames drawn, and how late the
// 10 ms handle timer (repaintTimer) and a posted event ran meanwhile.
//
//   preview_cpu <clip> [seconds]

#include "BenchSupport.h"

#include "platform/MpvPreviewGraph.h"
#include "platform/VideoWindow.h"
#include "preview/PreviewPlayer.h"
#include "preview/TrimStrip.h"
#include "preview/TrimStripModel.h"
#include "sources/SourceListModel.h"
#include "sources/SourceListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

using bench::cpuSeconds;
using bench::runFor;

namespace {

struct Probe
{
    std::vector<double> tickGaps;   // ms between repaintTimer ticks
    std::vector<double> postDelays; // ms from posting an event to running it
    QElapsedTimer clock;
    double lastTick = -1;

    void reset()
    {
        tickGaps.clear();
        postDelays.clear();
        lastTick = -1;
    }
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

void report(const char *phase, double cpu, double wall, const Probe &probe)
{
    std::printf("%s: CPU %.1f %% of one core over %.1f s; repaintTimer gap mean %.1f ms, "
                "p99 %.1f ms, max %.1f ms; posted event delay p99 %.1f ms, max %.1f ms\n",
                phase, 100.0 * cpu / wall, wall,
                probe.tickGaps.empty() ? 0.0
                                       : std::accumulate(probe.tickGaps.begin(), probe.tickGaps.end(), 0.0)
                                             / double(probe.tickGaps.size()),
                percentile(probe.tickGaps, 0.99), percentile(probe.tickGaps, 1.0),
                percentile(probe.postDelays, 0.99), percentile(probe.postDelays, 1.0));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: preview_cpu <clip> [seconds]\n");
        return 2;
    }
    const QString clip = QString::fromLocal8Bit(argv[1]);
    const int seconds = argc > 2 ? std::max(2, atoi(argv[2])) : 10;

    QWidget window;
    window.setFixedSize(692, 456);
    auto *video = new VideoWindow(&window);
    video->setGeometry(26, 76, 253, 152);
    SourceListModel list;
    for (int i = 0; i < 50; ++i)
        list.appendRow(SourceRow::ForNewSource(QStringLiteral("/clips/%1.mp4").arg(i), "1 MB", "00:00:20"));
    list.appendRow(SourceRow::ForNewSource(clip, "1 MB", "00:00:20"));
    list.setSelected(list.count() - 1, true);
    auto *view = new SourceListView(&window);
    view->setSourceModel(&list);
    view->setGeometry(22, 289, 525, 140);
    PreviewPlayer player;
    TrimStripModel model(list, player);
    auto *strip = new TrimStrip(model, &window);
    strip->move(22, 234);
    MpvPreviewGraph graph;
    graph.setVideoSink(video, video);
    player.SetGraph(&graph);
    player.SetMarks(&model.Marks);
    player.SetLog([](const QString &line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
    QObject::connect(&player, &PreviewPlayer::logoVisibleChanged, video, &VideoWindow::setLogoVisible);
    window.show();

    Probe probe;
    probe.clock.start();
    QObject::connect(&strip->repaintTimer(), &QTimer::timeout, [&] {
        const double now = double(probe.clock.nsecsElapsed()) / 1e6;
        if (probe.lastTick >= 0)
            probe.tickGaps.push_back(now - probe.lastTick);
        probe.lastTick = now;
    });
    // The list's responsiveness: an event posted every 50 ms, and how long it waits.
    QTimer poster;
    QObject::connect(&poster, &QTimer::timeout, [&] {
        const double posted = double(probe.clock.nsecsElapsed()) / 1e6;
        // Only the wait is measured: a repaint here would be the benchmark's own load.
        QMetaObject::invokeMethod(view, [&probe, posted] {
            probe.postDelays.push_back(double(probe.clock.nsecsElapsed()) / 1e6 - posted);
        }, Qt::QueuedConnection);
    });
    poster.start(50);

    runFor(1000);
    probe.reset();
    double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 500);
    report("idle (no file)", cpuSeconds() - cpu0, wall.elapsed() / 1000.0, probe);

    player.OpenAndPlay(clip);
    if (player.LoadedFile.isEmpty()) {
        std::fprintf(stderr, "the clip did not play\n");
        return 1;
    }
    // The file loaded and paused, as after a press of Pause.
    runFor(500);
    player.PausePreview();
    runFor(500);
    probe.reset();
    cpu0 = cpuSeconds();
    wall.restart();
    runFor(seconds * 500);
    report("paused (file loaded)", cpuSeconds() - cpu0, wall.elapsed() / 1000.0, probe);

    player.PlayPreview();
    runFor(500);
    probe.reset();
    const quint64 frames0 = video->framesDrawn();
    cpu0 = cpuSeconds();
    wall.restart();
    runFor(seconds * 1000);
    const double playWall = wall.elapsed() / 1000.0;
    report("playing", cpuSeconds() - cpu0, playWall, probe);
    std::printf("frames drawn while playing: %.1f per second\n",
                double(video->framesDrawn() - frames0) / playWall);
    player.StopPreview();
    return 0;
}
