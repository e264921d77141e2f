// Measuring many sources at once: the rows keep the order given, the files are measured side
// by side, and a file that never answers holds up neither the others nor the adding.
#include "SourceFixtures.h"
#include "platform/MediaProbe.h"
#include "sources/SourceAdder.h"
#include "sources/SourceListModel.h"
#include "sources/SourceMeasuring.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Answers from a table after a pause of its own per file, counting how many files are
// measured at the same moment.
class PausingProbe : public IMediaProbe
{
public:
    QHash<QString, int> pauseMs;
    std::atomic<int> now{0};
    std::atomic<int> most{0};

    std::optional<qint64> RenderDuration(const QString &path) override
    {
        const int running = ++now;
        for (int seen = most; running > seen && !most.compare_exchange_weak(seen, running);) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs.value(path)));
        --now;
        return qint64(pauseMs.value(path) + 1) * 10000000; // seconds in 100-ns units
    }
    std::optional<qint64> FileSize(const QString &, QString *) override { return 1024; }
};

TEST(SourceMeasuring, RowsKeepTheOrderGivenWhileFilesAreMeasuredSideBySide)
{
    PausingProbe probe;
    QStringList paths;
    // The first files take longest, so the later ones are done first.
    for (int i = 0; i < 6; ++i) {
        paths << QStringLiteral("/v/clip%1.mp4").arg(i);
        probe.pauseMs.insert(paths.last(), 120 - 20 * i);
    }
    SourceMeasuring measuring(probe, paths, 3, 10000);
    for (int i = 0; i < paths.size(); ++i)
        EXPECT_EQ(measuring.Take(i).duration, qint64(121 - 20 * i) * 10000000) << i;
    EXPECT_EQ(probe.most.load(), 3);

    // Through the adding: the rows come in the order given, each once.
    SourceListModel list;
    SourceAdding::Services services;
    services.probe = &probe;
    EXPECT_EQ(SourceAdding::AddSourceFiles(list, paths + QStringList{paths[2]}, services), 6);
    ASSERT_EQ(list.count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list.row(i).fileName(), paths[i]);
    EXPECT_EQ(list.row(5).cell(SourceRow::kDurationColumn), "00:00:21");
}

// A pipe named like a video opens for reading only when somebody writes into it: its probe
// waits without end. It counts as a file that cannot be read, the file after it is added.
TEST(SourceMeasuring, AFileThatNeverAnswersHoldsUpNothing)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QTemporaryDir dir;
    const QString pipe = dir.filePath("waits.mp4");
    const QString clip = dir.filePath("clip.mp4");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(SourceFixtures::MakeClip(clip, 2));

    MediaProbe probe;
    {
        // The limit leaves a loaded machine time to measure the clip; the pipe never answers.
        SourceMeasuring measuring(probe, {pipe, clip}, 1, 3000);
        EXPECT_FALSE(measuring.Take(0).duration.has_value());
        EXPECT_TRUE(measuring.Take(1).duration.has_value()); // on a thread of its own
    }

    SourceListModel list;
    QStringList codecErrors;
    SourceAdding::Services services;
    services.probe = &probe;
    services.showCodecErrorDialog = [&](const QString &path) { codecErrors << path; };
    EXPECT_EQ(SourceAdding::AddSourceFiles(list, {pipe, clip}, services), 1);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.row(0).fileName(), clip);
    EXPECT_EQ(codecErrors, QStringList{pipe});

    // A writer lets the waiting probes go: they read the end of the pipe and finish.
    for (int i = 0; i < 2; ++i) {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
}

} // namespace
