#include "sources/SourceMeasuring.h"

#include "conversion/EventPump.h"
#include "platform/IMediaProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

// What the measuring threads and the waiting thread share. A thread stuck on a file (a pipe
// that never delivers) keeps it alive after the measuring object is gone.
struct SourceMeasuring::Shared
{
    enum class Stage { Waiting, Measuring, Done };
    struct Slot
    {
        Stage stage = Stage::Waiting;
        QElapsedTimer started;
        Result result;
    };

    IMediaProbe &probe;
    QStringList paths;
    std::mutex mutex;
    std::vector<Slot> slots;
    int next = 0;
    bool abandoned = false; // nobody waits any more: take no further file

    Shared(IMediaProbe &p, const QStringList &list) : probe(p), paths(list), slots(list.size()) {}

    // Measures files until none is left; returns when there is nothing more to take.
    static void work(const std::shared_ptr<Shared> &self)
    {
        for (;;) {
            int index = 0;
            {
                std::lock_guard<std::mutex> lock(self->mutex);
                if (self->abandoned || self->next >= int(self->slots.size()))
                    return;
                index = self->next++;
                self->slots[index].stage = Stage::Measuring;
                self->slots[index].started.start();
            }
            const QString path = self->paths.at(index);
            Result result;
            result.duration = self->probe.RenderDuration(path);
            result.size = self->probe.FileSize(path, &result.sizeReason);
            std::lock_guard<std::mutex> lock(self->mutex);
            self->slots[index].result = std::move(result);
            self->slots[index].stage = Stage::Done;
        }
    }
};

SourceMeasuring::SourceMeasuring(IMediaProbe &probe, const QStringList &paths, int threads,
                                 int limitMs)
    : m_shared(std::make_shared<Shared>(probe, paths)), m_limitMs(limitMs)
{
    const int count = std::max(1, std::min(threads, int(paths.size())));
    for (int i = 0; i < count; ++i)
        startWorker();
}

SourceMeasuring::~SourceMeasuring()
{
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    m_shared->abandoned = true;
}

void SourceMeasuring::startWorker()
{
    // Detached: a thread stuck in a system call on a file that never answers must not hold
    // up the others, nor the program's end.
    std::thread([shared = m_shared] { Shared::work(shared); }).detach();
}

SourceMeasuring::Result SourceMeasuring::Take(int index)
{
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(m_shared->mutex);
            Shared::Slot &slot = m_shared->slots.at(index);
            if (slot.stage == Shared::Stage::Done)
                return slot.result;
            if (slot.stage == Shared::Stage::Measuring && slot.started.elapsed() > m_limitMs) {
                // Out of time: the file counts as one that cannot be rendered, and a new
                // thread takes the place of the one it holds.
                slot.stage = Shared::Stage::Done;
                slot.result = Result{};
                slot.result.sizeReason = QStringLiteral("the file did not answer in time");
                if (m_shared->next < int(m_shared->slots.size()))
                    std::thread([shared = m_shared] { Shared::work(shared); }).detach();
                return slot.result;
            }
        }
        if (QCoreApplication::instance())
            EventPump::WaitFor(10);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

int SourceMeasuring::DefaultThreads()
{
    return std::max(1, QThread::idealThreadCount());
}
