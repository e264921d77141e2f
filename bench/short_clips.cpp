// Short-clip batch benchmark: a batch of many short clips through the window's batch driver
// (ConvertAll with the progress dialog, offscreen) and the real tcore, with the program's
// own pauses, against the same clips converted by tcore alone one after another. The
// difference is what the batch adds per clip.
//
//   short_clips <work folder> <program folder> <clips> [pause before, pause after (ms)]
//
// The clips are made into <work folder>/clips once (2 s, 176x144 MPEG-4 with AAC), and
// converted to 3GP at Normal quality.
#include "BatchBench.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <work folder> <program folder> <clips> [pauses ms]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString work = QString::fromLocal8Bit(argv[1]);
    const QString built = QString::fromLocal8Bit(argv[2]) + "/";
    const int clips = std::atoi(argv[3]);
    QDir().mkpath(work + "/app/Config");
    QDir().mkpath(work + "/clips");
    for (const char *encoder : {"tcore", "mcore"}) {
        QFile::remove(work + "/app/" + encoder);
        QFile::copy(built + encoder, work + "/app/" + encoder);
    }
    const QString base = work + "/clips/base.mp4";
    if (!QFile::exists(base) &&
        QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                     "testsrc=size=176x144:rate=15", "-f", "lavfi", "-i",
                                     "sine=frequency=440:sample_rate=22050", "-t", "2", "-c:v",
                                     "mpeg4", "-c:a", "aac", "-shortest", base}) != 0)
        return 1;
    QStringList sources;
    for (int i = 0; i < clips; ++i) {
        const QString clip = work + QStringLiteral("/clips/clip%1.mp4").arg(i, 3, 10, QLatin1Char('0'));
        if (!QFile::exists(clip))
            QFile::copy(base, clip);
        sources << clip;
    }

    ProgramParts proc;
    ProgressDialog dialog;
    bench::SetUpBatch(proc, dialog, work);
    if (argc >= 6) {
        proc.batch.Environment.Timings.showPauseMs = std::atoi(argv[4]);
        proc.batch.Environment.Timings.startPauseMs = std::atoi(argv[5]);
    }
    const BatchTimings &t = proc.batch.Environment.Timings;

    // The encoder alone, with the command lines the batch builds.
    QStringList lines;
    for (const QString &source : sources) {
        proc.sources.clear();
        proc.sources.appendRow(SourceRow::ForNewSource(source, "10 KB", "00:00:02"));
        lines << proc.jobs.Build(source, 0);
        proc.jobs.ClaimedOutput.Release();
    }
    QElapsedTimer clock;
    clock.start();
    for (const QString &line : lines) {
        QStringList args = QProcess::splitCommand(line);
        const QString program = args.takeFirst();
        QProcess::execute(program, args);
    }
    const double alone = clock.nsecsElapsed() / 1e9;
    QDir(work + "/out").removeRecursively();

    proc.sources.clear();
    for (const QString &source : sources) {
        SourceRow row = SourceRow::ForNewSource(source, "10 KB", "00:00:02");
        row.setChecked(true);
        proc.sources.appendRow(row);
    }
    clock.restart();
    proc.batch.Run();
    const double batch = clock.nsecsElapsed() / 1e9;
    const int written = int(QDir(work + "/out").entryList(QDir::Files).size());
    QDir(work + "/out").removeRecursively();

    std::printf("%d clips of 2 s, pauses %d + %d ms: batch %.2f s (%.3f s per clip), tcore "
                "alone %.2f s (%.3f s per clip), the batch adds %.3f s per clip; %d outputs\n",
                clips, t.showPauseMs, t.startPauseMs, batch, batch / clips, alone, alone / clips,
                (batch - alone) / clips, written);
    return written == clips ? 0 : 1;
}
