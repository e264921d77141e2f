// The encoder runner against a stand-in encoder: what reaches the callback, when, and
// what the run reports.
#include "conversion/EncoderProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QString kFake = QStringLiteral(FAKE_ENCODER_PATH);

// Short pauses keep the tests quick; the rules they check do not depend on the length.
const EncoderTimings kFast{100, 50};

struct Delivery
{
    QString chunk;
    Clock::time_point at;
};

// Collects deliveries from the runner's thread.
class Recorder
{
public:
    EncoderOutputCallback callback()
    {
        return [this](const QString &chunk) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_deliveries.push_back({chunk, Clock::now()});
        };
    }
    std::vector<Delivery> deliveries() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_deliveries;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Delivery> m_deliveries;
};

QString letters(int from, int count)
{
    QString s;
    for (int i = from; i < from + count; ++i)
        s += QChar('A' + i % 26);
    return s;
}

TEST(RunAndCapture, DeliversShortOutputOnceAndReportsTheExit)
{
    Recorder rec;
    EncoderResult result;
    EXPECT_TRUE(RunAndCapture(kFake, kFake + " write 100", rec.callback(), &result, {}, kFast));
    const auto d = rec.deliveries();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].chunk, QString(100, 'a'));
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.ended);
    EXPECT_EQ(result.exitCode, 0);
}

// A backlog is drained in 1023-byte blocks and only the last block is delivered, with no
// byte left over from the longer block before it.
TEST(RunAndCapture, DeliversOnlyTheLastBlockOfABacklog)
{
    struct Case
    {
        int written;
        int delivered;
    };
    for (const Case c : {Case{3000, 954}, Case{1123, 100}, Case{1023, 1023}}) {
        SCOPED_TRACE(c.written);
        Recorder rec;
        EXPECT_TRUE(RunAndCapture(kFake, kFake + " flood " + QString::number(c.written),
                                  rec.callback(), nullptr, {}, kFast));
        const auto d = rec.deliveries();
        ASSERT_EQ(d.size(), 1u);
        EXPECT_EQ(d[0].chunk, letters(c.written - c.delivered, c.delivered));
    }
}

TEST(RunAndCapture, CutsAChunkAtAZeroByte)
{
    Recorder rec;
    EXPECT_TRUE(RunAndCapture(kFake, kFake + " nul", rec.callback(), nullptr, {}, kFast));
    const auto d = rec.deliveries();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].chunk, QStringLiteral("abc"));
}

TEST(RunAndCapture, KeepsTheExitCodeOfAnEncoderThatWritesNothing)
{
    for (const auto &[mode, code] :
         {std::pair{" exit 3", 3}, std::pair{" silent 300", 0}, std::pair{" bogus", 2}}) {
        SCOPED_TRACE(mode);
        Recorder rec;
        EncoderResult result;
        EXPECT_TRUE(RunAndCapture(kFake, kFake + mode, rec.callback(), &result, {}, kFast));
        EXPECT_TRUE(result.started);
        EXPECT_EQ(result.exitCode, code);
        if (code == 2) {
            // What it said is kept even though it came in the pass that saw the end.
            EXPECT_TRUE(result.lastOutput.contains(QStringLiteral("Error: unknown mode")));
        } else {
            EXPECT_TRUE(rec.deliveries().empty());
        }
    }
}

TEST(RunAndCapture, AMissingProgramIsNotStarted)
{
    Recorder rec;
    EncoderResult result;
    QTemporaryDir dir;
    const QString missing = dir.path() + "/tcore";
    EXPECT_FALSE(RunAndCapture(missing, missing + " -y -i \"a.avi\" \"b.3gp\"", rec.callback(),
                               &result, {}, kFast));
    EXPECT_TRUE(rec.deliveries().empty());
    EXPECT_FALSE(result.started);
    EXPECT_FALSE(result.errorText.isEmpty());
    // No descriptor was left open by the failed start.
    const auto openFds = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    const auto before = openFds();
    RunAndCapture(missing, missing, {}, nullptr, {}, kFast);
    EXPECT_EQ(openFds(), before);
}

// The program path may hold blanks and stands unquoted at the front; the runner takes the
// program it is given and never one that a blank in its path happens to name. The program
// folder is the encoder's current directory.
TEST(RunAndCapture, RunsTheGivenProgramWhosePathHasBlanks)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/my app";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString tcore = folder + "/tcore";
    for (const QString &path : {tcore, dir.path() + "/my"}) {
        ASSERT_TRUE(QFile::copy(kFake, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    Recorder rec;
    EXPECT_TRUE(RunAndCapture(tcore, tcore + " pwd", rec.callback(), nullptr, folder + "/", kFast));
    const auto d = rec.deliveries();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].chunk, QDir(folder).canonicalPath());

    // A command line that does not begin with the program given starts nothing.
    EncoderResult result;
    EXPECT_FALSE(RunAndCapture(tcore, dir.path() + "/my pwd", rec.callback(), &result, {}, kFast));
    EXPECT_FALSE(result.started);
    EXPECT_TRUE(result.errorText.contains(tcore));
    EXPECT_EQ(rec.deliveries().size(), 1u);
}

// However fast the encoder writes, deliveries keep the pause between them, and the last
// report written before the end still arrives.
TEST(RunAndCapture, SpacesDeliveriesByThePauseAndDeliversTheLastReport)
{
    Recorder rec;
    EXPECT_TRUE(RunAndCapture(kFake, kFake + " reports 12 40", rec.callback(), nullptr, {}, kFast));
    const auto d = rec.deliveries();
    ASSERT_GE(d.size(), 2u);
    EXPECT_LT(d.size(), 12u); // reports that pile up are delivered together
    for (size_t i = 1; i < d.size(); ++i)
        EXPECT_GE(d[i].at - d[i - 1].at, std::chrono::milliseconds(kFast.deliveryPauseMs));
    EXPECT_TRUE(d.back().chunk.contains(QStringLiteral("time=12.00")));
}

TEST(EncoderProcess, RunsOnlyWhenResumedAndOutlivesTerminate)
{
    Recorder rec;
    EncoderResult result;
    {
        EncoderProcess runner(kFake, kFake + " reports 6 60", rec.callback());
        runner.SetTimings(kFast);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        EXPECT_TRUE(rec.deliveries().empty()); // created suspended
        runner.Resume();
        while (rec.deliveries().empty())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        runner.Terminate(); // only a flag: the encoder goes on and so do the deliveries
        EXPECT_TRUE(runner.Terminated());
    } // destruction waits for the thread
    const auto d = rec.deliveries();
    EXPECT_GE(d.size(), 2u);
    EXPECT_TRUE(d.back().chunk.contains(QStringLiteral("time=6.00")));
}

TEST(EncoderProcess, KeepsWhetherItStartedAndTheExitCode)
{
    EncoderProcess ok(kFake, kFake + " exit 5", {});
    ok.SetTimings(kFast);
    ok.Resume();
    EncoderProcess missing("/nonexistent/tcore", "/nonexistent/tcore -y", {});
    missing.Resume();
    while (!ok.Finished() || !missing.Finished())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(ok.Result().started);
    EXPECT_EQ(ok.Result().exitCode, 5);
    EXPECT_FALSE(missing.Result().started);
}

} // namespace
