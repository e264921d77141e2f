// Progress benchmark. Runs real batches through ConvertAll with the program's own pauses and
// a stand-in encoder (this program, copied as tcore) and measures:
//   - latency: from the encoder writing a progress report to the current-file bar showing
//     the report's time (budget: one delivery period, 500 ms);
//   - overhead: the batch's own time per job beyond the fixed pauses (2000 ms before the
//     encoder starts, 3000 ms after) and the encoder's run time (target under 50 ms).
//
//   progress_latency <work folder>
//
// As the encoder (argument "-y" first, as the program starts it) it reads the job length
// from "-t", writes one report per period given in CLIPWRIGHT_BENCH_PERIOD_MS for that many
// periods and appends "<seconds> <monotonic ns>" to the file in CLIPWRIGHT_BENCH_STAMPS.
#include "BatchBench.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

int runAsEncoder(int argc, char **argv)
{
    int reports = 0;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-t") == 0)
            reports = std::atoi(argv[i + 1]);
    const char *periodText = std::getenv("CLIPWRIGHT_BENCH_PERIOD_MS");
    const int period = periodText ? std::atoi(periodText) : 0;
    const char *stampsPath = std::getenv("CLIPWRIGHT_BENCH_STAMPS");
    if (period <= 0)
        return 0; // an encoder that ends at once
    FILE *stamps = stampsPath ? std::fopen(stampsPath, "a") : nullptr;
    for (int second = 1; second <= reports; ++second) {
        std::this_thread::sleep_for(std::chrono::milliseconds(period));
        char line[160];
        const int n = std::snprintf(line, sizeof line,
                                    "frame=%5d q=3.0 size=%8dkB time=%d.00 bitrate= 279.4kbits/s\r",
                                    second * 25, second * 10, second);
        const long long stamp = monotonicNs();
        if (::write(2, line, static_cast<size_t>(n)) < 0)
            return 1;
        if (stamps) {
            std::fprintf(stamps, "%d %lld\n", second, stamp);
            std::fflush(stamps);
        }
    }
    if (stamps)
        std::fclose(stamps);
    return 0;
}

struct Batch
{
    ProgramParts proc;
    ProgressDialog dialog;
    QString work;

    explicit Batch(const QString &workDir) : work(workDir) { bench::SetUpBatch(proc, dialog, work); }

    // Runs jobs of the given length in seconds; returns the batch's wall time in ms.
    double run(int jobs, int seconds)
    {
        proc.sources.clear();
        for (int i = 0; i < jobs; ++i) {
            SourceRow row = SourceRow::ForNewSource(work + QStringLiteral("/source%1.avi").arg(i),
                                                    "1 MB", "00:01:00");
            row.setCell(SourceRow::kEndColumn,
                        QStringLiteral("00:00:%1").arg(seconds, 2, 10, QLatin1Char('0')));
            proc.sources.appendRow(row);
        }
        QElapsedTimer clock;
        clock.start();
        proc.batch.Run();
        return clock.nsecsElapsed() / 1e6;
    }
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "-y") == 0)
        return runAsEncoder(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <work folder>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString work = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(work + "/app/Config");
    QFile::remove(work + "/app/tcore");
    if (!QFile::copy(QCoreApplication::applicationFilePath(), work + "/app/tcore"))
        return 1;
    QFile::setPermissions(work + "/app/tcore", QFile::ReadOwner | QFile::ExeOwner);
    const QString stampsPath = work + "/stamps.txt";
    qputenv("CLIPWRIGHT_BENCH_STAMPS", QFile::encodeName(stampsPath));

    Batch batch(work);
    const BatchTimings &t = batch.proc.batch.Environment.Timings;
    const double pauses = t.showPauseMs + t.startPauseMs;

    // Latency: reports every 500 ms (the real encoder's period) and every 170 ms (faster
    // than deliveries), one job of 12 reports each.
    std::map<int, long long> shownAt;
    QObject::connect(batch.dialog.ProgressBar1, &QProgressBar::valueChanged,
                     [&shownAt](int value) {
                         if (value > 0)
                             shownAt.emplace(value, monotonicNs());
                     });
    for (int period : {500, 170}) {
        shownAt.clear();
        QFile::remove(stampsPath);
        qputenv("CLIPWRIGHT_BENCH_PERIOD_MS", QByteArray::number(period));
        batch.run(1, 12);
        std::vector<double> latencies;
        QFile stamps(stampsPath);
        if (stamps.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : stamps.readAll().split('\n')) {
                const QList<QByteArray> f = line.split(' ');
                if (f.size() != 2)
                    continue;
                const auto shown = shownAt.find(f[0].toInt());
                if (shown != shownAt.end())
                    latencies.push_back((shown->second - f[1].toLongLong()) / 1e6);
            }
        }
        std::printf("latency, reports every %d ms: %zu reports shown, median %.1f ms, "
                    "worst %.1f ms (budget 500 ms)\n",
                    period, latencies.size(), percentile(latencies, 0.5),
                    percentile(latencies, 1.0));
    }

    // Overhead: encoders that end at once, and ones that outlast the 3000 ms pause.
    qputenv("CLIPWRIGHT_BENCH_PERIOD_MS", "0");
    const int jobs = 4;
    const double instant = batch.run(jobs, 1);
    std::printf("overhead, encoder ends at once: %.1f ms per job beyond the %g ms of pauses "
                "(target 50 ms)\n",
                (instant - jobs * pauses) / jobs, pauses);
    qputenv("CLIPWRIGHT_BENCH_PERIOD_MS", "500");
    const double longer = batch.run(2, 8); // 8 reports of 500 ms: 4000 ms of encoding
    std::printf("overhead, encoder runs 4000 ms: %.1f ms per job beyond the 2000 ms pause and "
                "the encoder's run (target 50 ms)\n",
                (longer - 2 * (t.showPauseMs + 4000)) / 2);
    return 0;
}
