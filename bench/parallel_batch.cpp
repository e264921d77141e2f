// Batch benchmark of conversions at the same time: 24 clips through the window's batch
// driver (BatchRunner with the progress dialog, offscreen) and the real tcore, with
// "Conversions at the same time" on Automatic and on 1, in one run: 12 clips of 10 s
// 640x480 (MPEG-4 with MP3 in AVI) to MP4 at Superb, then 12 of 60 s of sound (MP3) to
// AAC at Superb. Prints the wall time of each batch and setting, the encoders' CPU time,
// the cores used (CPU / wall) and the ratio Automatic / 1.
//
//   parallel_batch <work folder> <program folder> [runs]
//
// Each run converts with both settings, taking turns which goes first.
#include "BatchBench.h"
#include "BenchSupport.h"
#include "conversion/ParallelJobs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <sys/resource.h>

#include <cstdio>

namespace {

// CPU seconds of the ended child processes (the encoders), user and system.
double childCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

bool make(const QString &path, const QStringList &args)
{
    return QFile::exists(path) ||
           QProcess::execute("ffmpeg", QStringList{"-v", "error", "-y"} + args + QStringList{path}) == 0;
}

struct Batch
{
    const char *name;
    int type;
    QStringList sources;
    QString length;
};

struct Result
{
    double wall = 0;
    double cpu = 0;
    int jobs = 0;
    int written = 0;
};

Result convert(ProgramParts &proc, const QString &work, const Batch &batch, int setting)
{
    // As a user chooses in the window: the type (its Normal Quality applies), then Superb.
    OptionLists &boxes = proc.optionLists;
    boxes.outputType().setSelectedIndex(batch.type);
    proc.outputOptions.ApplyProfile();
    boxes.profile().setSelectedIndex(4);
    proc.outputOptions.ApplyProfile();
    proc.settings.SetConversionsAtOnce(setting);
    proc.sources.clear();
    for (const QString &source : batch.sources) {
        SourceRow row = SourceRow::ForNewSource(source, "1 MB", batch.length);
        row.setCell(SourceRow::kStartColumn, "00:00:00");
        row.setCell(SourceRow::kEndColumn, batch.length);
        row.setChecked(true);
        proc.sources.appendRow(row);
    }
    Result r;
    const double cpu0 = childCpuSeconds() + bench::cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    proc.batch.Run();
    r.wall = double(clock.nsecsElapsed()) / 1e9;
    r.cpu = childCpuSeconds() + bench::cpuSeconds() - cpu0;
    r.jobs = proc.batch.JobsAtOnce();
    r.written = int(QDir(work + "/out").entryList(QDir::Files).size());
    QDir(work + "/out").removeRecursively();
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <work folder> <program folder> [runs]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString work = QString::fromLocal8Bit(argv[1]);
    const QString built = QString::fromLocal8Bit(argv[2]) + "/";
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    QDir().mkpath(work + "/app/Config");
    QDir().mkpath(work + "/clips");
    for (const char *encoder : {"tcore", "mcore"}) {
        QFile::remove(work + "/app/" + encoder);
        QFile::copy(built + encoder, work + "/app/" + encoder);
    }
    const QString video = work + "/clips/video.avi";
    const QString sound = work + "/clips/sound.mp3";
    if (!make(video, {"-f", "lavfi", "-i", "testsrc2=size=640x480:rate=25", "-f", "lavfi", "-i",
                      "sine=frequency=440:sample_rate=44100", "-t", "10", "-c:v", "mpeg4",
                      "-q:v", "4", "-c:a", "libmp3lame", "-shortest"}) ||
        !make(sound, {"-f", "lavfi", "-i", "sine=frequency=330:sample_rate=44100", "-f", "lavfi",
                      "-i", "anoisesrc=color=pink:amplitude=0.2:sample_rate=44100", "-filter_complex",
                      "amix=inputs=2,aformat=channel_layouts=stereo", "-t", "60", "-c:a",
                      "libmp3lame", "-b:a", "192k"}))
        return 1;
    Batch batches[] = {{"12 x 10 s 640x480 to MP4 Superb", 4, {}, "00:00:10"},
                       {"12 x 60 s sound to AAC Superb", 6, {}, "00:01:00"}};
    for (int i = 0; i < 12; ++i) {
        for (Batch &batch : batches) {
            const QString &base = batch.type == 4 ? video : sound;
            const QString copy = work + QStringLiteral("/clips/%1 %2.%3")
                                            .arg(batch.type == 4 ? "video" : "sound")
                                            .arg(i + 1, 2, 10, QLatin1Char('0'))
                                            .arg(QFileInfo(base).suffix());
            if (!QFile::exists(copy))
                QFile::copy(base, copy);
            batch.sources << copy;
        }
    }

    ProgramParts proc;
    ProgressDialog dialog;
    bench::SetUpBatch(proc, dialog, work);
    std::printf("%d cores; Automatic runs %d MP4 and %d AAC jobs at once\n",
                ParallelJobs::Cores(), ParallelJobs::Automatic(ParallelJobs::Cores(), 4),
                ParallelJobs::Automatic(ParallelJobs::Cores(), 6));
    bool complete = true;
    for (int run = 0; run < runs; ++run) {
        double total[2] = {0, 0};
        for (int turn = 0; turn < 2; ++turn) {
            // Odd runs start with one at a time.
            const int setting = (turn + run) % 2 == 0 ? ParallelJobs::kAutomatic : 1;
            for (const Batch &batch : batches) {
                const Result r = convert(proc, work, batch, setting);
                complete = complete && r.written == batch.sources.size();
                total[setting == 1] += r.wall;
                std::printf("run %d  %-34s %-9s %d at once: wall %6.2f s, CPU %6.2f s, cores "
                            "used %.2f, %d outputs\n",
                            run + 1, batch.name, setting == 1 ? "1" : "Automatic", r.jobs, r.wall,
                            r.cpu, r.cpu / r.wall, r.written);
                std::fflush(stdout);
            }
        }
        std::printf("run %d  all 24 clips: Automatic %.2f s, 1 at a time %.2f s, ratio %.2f\n",
                    run + 1, total[0], total[1], total[0] / total[1]);
        std::fflush(stdout);
    }
    return complete ? 0 : 1;
}
