// Memory benchmark driver: the program's main window, set up as the program's entry sets it
// up, used as a user uses it: started, 100 sources dropped on the list, the first one
// previewed, paused for a while, played on, stopped and left alone for a while, then a batch
// of eight of them converted one at a time and four at once. After each step it lets the program
// idle (its working-set trim ticks every second) and prints the process's resident memory,
// its anonymous and file-backed parts, its threads and the CPU it used meanwhile.
//
//   memory_bench <idle seconds> <preview seconds> <source>...
//
// It runs from a copy of the program folder, whose Res.rcc and Config/ it uses as the
// program does. With MEMORY_BENCH_SMAPS naming a folder, it saves /proc/self/smaps there
// after each step, for a closer look at what holds the memory.

#include "BenchSupport.h"
#include "shell/ProgramParts.h"

#include "platform/DesktopOpener.h"
#include "platform/MpvPreviewGraph.h"
#include "platform/QtUserDialogs.h"
#include "preview/PreviewPlayer.h"
#include "shell/ClipwrightApplication.h"
#include "shell/MainWindow.h"
#include "shell/PictureButton.h"
#include "conversion/RunningJob.h"
#include "sources/SourceListModel.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <functional>

using bench::cpuSeconds;
using bench::runFor;

namespace {

// One number of /proc/self/status (memory in kB).
double statusField(const QByteArray &field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

double statusMb(const QByteArray &field)
{
    return statusField(field) / 1024.0;
}

// Runs the event loop until done() holds or timeoutMs have passed.
bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        runFor(50);
    }
    return true;
}

// Lets the program idle for seconds, then prints the resident memory and the CPU used.
void idleAndReport(const char *phase, int seconds)
{
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 1000);
    const double cpu = cpuSeconds() - cpu0;
    std::printf("%-28s RSS %6.1f MB (anonymous %5.1f, files %5.1f), threads %2.0f, CPU %4.1f %%\n",
                phase, statusMb("VmRSS"), statusMb("RssAnon"), statusMb("RssFile"),
                statusField("Threads"),
                100.0 * cpu / (double(wall.elapsed()) / 1000.0));
    std::fflush(stdout);
    // For a closer look: the mappings behind the figures, one file per phase.
    const QString smapsDir = qEnvironmentVariable("MEMORY_BENCH_SMAPS");
    if (!smapsDir.isEmpty()) {
        QFile in(QStringLiteral("/proc/self/smaps"));
        QFile out(smapsDir + QLatin1Char('/') + QString::fromLatin1(phase).replace(QLatin1Char(' '), QLatin1Char('_')).remove(QLatin1Char(',')));
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
            out.write(in.readAll());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: memory_bench <idle seconds> <preview seconds> <source>...\n");
        return 2;
    }
    const int idleSeconds = std::max(2, atoi(argv[1]));
    const int previewSeconds = std::max(1, atoi(argv[2]));

    // As the program's entry sets itself up.
    ClipwrightApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clipwright"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    DesktopOpener opener;
    QtUserDialogs dialogs;

    QList<QUrl> urls;
    for (int i = 3; i < argc; ++i)
        urls << QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i]));

    ProgramParts parts(&dialogs, &opener);
    MainWindow mainForm(parts);
    mainForm.show();
    if (!runUntil([&] { return mainForm.IsReady(); }, 60000)) {
        std::fprintf(stderr, "the main window did not get ready\n");
        return 1;
    }
    idleAndReport("started", idleSeconds);

    // The files, dropped on the source list as from a file manager.
    QMimeData mime;
    mime.setUrls(urls);
    auto *listView = qobject_cast<QAbstractScrollArea *>(mainForm.sourceList);
    QWidget *target = listView ? listView->viewport() : mainForm.sourceList;
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    SourceListModel &list = parts.sources;
    if (!runUntil([&] { return list.count() == urls.size(); }, 120000)) {
        std::fprintf(stderr, "%d of %lld sources were added\n", list.count(),
                     static_cast<long long>(urls.size()));
        return 1;
    }
    idleAndReport("sources added", idleSeconds);

    PreviewPlayer &player = parts.preview;
    mainForm.btnPlay->click();
    if (!runUntil([&] { return player.IsPlaying; }, 30000)) {
        std::fprintf(stderr, "the preview did not start\n");
        return 1;
    }
    idleAndReport("preview playing", previewSeconds);
    mainForm.btnPause->click();
    idleAndReport("preview paused", idleSeconds);
    // Long enough for the paused player to be released.
    runFor(MpvPreviewGraph::kReleaseIdleMs);
    idleAndReport("paused for a while", idleSeconds);
    mainForm.btnPlay->click();
    idleAndReport("preview playing again", previewSeconds);
    mainForm.btnStop->click();
    idleAndReport("preview stopped", idleSeconds);
    // A stopped preview for as long: nothing more is let go, libmpv stays loaded.
    runFor(MpvPreviewGraph::kReleaseIdleMs);
    idleAndReport("stopped for a while", idleSeconds);

    // A batch through the Convert button, one job at a time and then four at once, of the
    // first eight sources (1080p H.264 clips) to the type the window starts with: the
    // program's memory while its jobs run (the highest of samples every 100 ms).
    parts.settings.showOutputFolder().setChecked(false);
    parts.settings.powerOffWhenDone().setChecked(false);
    parts.settings.outputFolder().setText(QCoreApplication::applicationDirPath() +
                                          QStringLiteral("/batch out"));
    for (int jobs : {1, 4}) {
        for (int row = 0; row < list.count(); ++row)
            list.setCell(row, SourceRow::kTickColumn,
                         row < 8 ? QStringLiteral("True") : QStringLiteral("False"));
        parts.settings.SetConversionsAtOnce(jobs);
        double peakRss = 0, peakAnon = 0, threads = 0;
        int most = 0;
        QTimer sampler;
        sampler.setInterval(100);
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            int running = 0;
            for (const auto &job : parts.batch.RunningJobs())
                running += job && job->Started() && !job->Finished();
            if (parts.batch.CurrentRunner)
                running = 1;
            most = std::max(most, running);
            if (running < jobs)
                return;
            peakRss = std::max(peakRss, statusMb("VmRSS"));
            peakAnon = std::max(peakAnon, statusMb("RssAnon"));
            threads = std::max(threads, statusField("Threads"));
        });
        sampler.start();
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        mainForm.btnConvert->click();
        sampler.stop();
        const double cpu = cpuSeconds() - cpu0;
        const QByteArray phase = QByteArray::number(jobs) + " at once, converting";
        std::printf("%-28s RSS %6.1f MB (anonymous %5.1f), threads %2.0f, CPU %4.1f %%, "
                    "%d jobs seen at once, %.1f s\n",
                    phase.constData(), peakRss, peakAnon, threads,
                    100.0 * cpu / (double(wall.elapsed()) / 1000.0), most,
                    double(wall.elapsed()) / 1000.0);
        std::fflush(stdout);
    }

    return 0;
}
