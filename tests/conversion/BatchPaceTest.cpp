// The batch's pace on recorded progress sequences: what the dialog and clipwright-cli show.
#include "conversion/BatchPace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A job's progress as the encoder reported it: (ms after the job started, seconds done).
using Sequence = std::vector<std::pair<qint64, double>>;

// Feeds a job of cut seconds, starting at startMs, with the reports up to and including
// untilMs; returns the figures at untilMs.
BatchPace::Figures play(BatchPace &pace, qint64 startMs, double cut, double later,
                        const Sequence &reports, qint64 untilMs)
{
    pace.StartJob(startMs, cut, later);
    for (const auto &[at, done] : reports) {
        if (at > untilMs)
            break;
        pace.Progress(startMs + at, done);
    }
    return pace.At(startMs + untilMs);
}

// Every half second at the given speed.
Sequence steady(double speed, qint64 lengthMs)
{
    Sequence s;
    for (qint64 at = 500; at <= lengthMs; at += 500)
        s.emplace_back(at, speed * double(at) / 1000.0);
    return s;
}

TEST(BatchPace, ASteadyJobGivesItsSpeedAndTimeLeftOnceSound)
{
    BatchPace pace;
    pace.StartBatch(0);
    const Sequence twice = steady(2.0, 30000);
    // Before 3 s nothing is shown but the elapsed time.
    BatchPace::Figures f = play(pace, 0, 60, 120, twice, 2500);
    EXPECT_FALSE(f.speed);
    EXPECT_FALSE(f.jobLeftMs);
    EXPECT_FALSE(f.batchLeftMs);
    EXPECT_EQ(f.elapsedMs, 2500);
    // At 3 s: 6 of 60 s done at 2x, 27 s left of the job, and 120 s more at 2x after it.
    for (const auto &[at, done] : twice)
        if (at <= 3000)
            pace.Progress(at, done);
    f = pace.At(3000);
    ASSERT_TRUE(f.speed && f.jobLeftMs && f.batchLeftMs);
    EXPECT_DOUBLE_EQ(*f.speed, 2.0);
    EXPECT_EQ(*f.jobLeftMs, 27000);
    EXPECT_EQ(*f.batchLeftMs, 87000);
    EXPECT_EQ(f.batchPercent, 3); // 6 of 180 s
}

TEST(BatchPace, ASlowStartShowsNothingUntilTwoPercentAreDone)
{
    BatchPace pace;
    pace.StartBatch(0);
    // The first 5 s at 0.1x (opening a large file), then 4x.
    Sequence slow;
    for (qint64 at = 500; at <= 5000; at += 500)
        slow.emplace_back(at, 0.1 * double(at) / 1000.0);
    for (qint64 at = 5500; at <= 8000; at += 500)
        slow.emplace_back(at, 0.5 + 4.0 * double(at - 5000) / 1000.0);
    BatchPace::Figures f = play(pace, 0, 100, 0, slow, 5000);
    EXPECT_FALSE(f.speed) << "0.5 s of 100 s is under 2%";
    f = play(pace, 0, 100, 0, slow, 5500);
    ASSERT_TRUE(f.speed);
    EXPECT_NEAR(*f.speed, 2.5 / 5.5, 1e-9);
}

TEST(BatchPace, AStallSlowsTheFiguresDownWithoutBreakingThem)
{
    BatchPace pace;
    pace.StartBatch(0);
    Sequence stalled = steady(1.0, 10000);
    BatchPace::Figures before = play(pace, 0, 60, 0, stalled, 10000);
    // Nothing more arrives for 20 s.
    BatchPace::Figures after = pace.At(30000);
    ASSERT_TRUE(before.speed && after.speed);
    EXPECT_LT(*after.speed, *before.speed);
    EXPECT_GT(*after.jobLeftMs, *before.jobLeftMs);
    EXPECT_EQ(after.elapsedMs, 30000);
}

TEST(BatchPace, LaterJobsUseTheSpeedOfSucceededJobsOnly)
{
    // A job that succeeded at 3x gives the next one a time left from its first moment.
    BatchPace pace;
    pace.StartBatch(0);
    play(pace, 0, 30, 60, steady(3.0, 10000), 10000);
    pace.EndJob(10000, true);
    BatchPace::Figures f = play(pace, 10000, 30, 30, {}, 0);
    EXPECT_FALSE(f.speed);
    ASSERT_TRUE(f.batchLeftMs);
    EXPECT_EQ(*f.batchLeftMs, 20000); // 60 s at 3x

    // One that failed, however fast it seemed, gives nothing to go by.
    BatchPace failing;
    failing.StartBatch(0);
    play(failing, 0, 30, 60, steady(10.0, 3000), 3000);
    failing.EndJob(3000, false);
    f = play(failing, 3000, 30, 30, {}, 0);
    EXPECT_FALSE(f.batchLeftMs);
    EXPECT_EQ(f.elapsedMs, 3000);
}

TEST(BatchPace, Texts)
{
    const std::pair<double, const char *> speeds[] = {{2.44, "2.4x"}, {0.25, "0.3x"}, {12.3, "12x"}};
    for (const auto &[speed, text] : speeds)
        EXPECT_EQ(BatchPace::SpeedText(speed), text);
    const std::pair<qint64, const char *> durations[] = {
        {12000, "12 s"}, {185000, "3:05"}, {3723000, "1:02:03"}};
    for (const auto &[ms, text] : durations)
        EXPECT_EQ(BatchPace::DurationText(ms), text);
    const std::pair<qint64, const char *> left[] = {{2000, "About 5 s left"},
                                                    {38000, "About 40 s left"},
                                                    {185000, "About 3 min left"},
                                                    {3900000, "About 1 h 5 min left"}};
    for (const auto &[ms, text] : left)
        EXPECT_EQ(BatchPace::TimeLeftText(ms), text);
}

} // namespace
