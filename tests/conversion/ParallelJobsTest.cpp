// How many conversions run at once: Automatic by the cores and the output type, capped so
// the progress dialog's lines fit the screen, and a chosen number taken as it is.
#include "conversion/ParallelJobs.h"
#include "profiles/ConfigInfo.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMp4 = 4; // "MPEG4 Video Files (*.mp4)"
constexpr int kMp3 = 7;

TEST(ParallelJobs, AutomaticFollowsTheCoresAndTheType)
{
    struct Case {
        int cores;
        int type;
        int jobs;
    };
    const Case cases[] = {
        {1, kMp3, 1},  {1, kMp4, 1},  {1, ConfigInfo::kH264OutputType, 1},
        {2, kMp3, 2},  {2, kMp4, 2},  {2, ConfigInfo::kH264OutputType, 1},
        {8, kMp3, 8},  {8, kMp4, 6},  {8, ConfigInfo::kH265OutputType, 2},
        {16, ConfigInfo::kM4aOutputType, 16},
        // More cores than the dialog has lines for: sixteen at most.
        {32, kMp3, 16}, {32, kMp4, 16}, {32, ConfigInfo::kH264OutputType, 8},
        {64, ConfigInfo::kAmrOutputType, 16},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParallelJobs::Automatic(c.cores, c.type), c.jobs)
            << c.cores << " cores, type " << c.type;
}

TEST(ParallelJobs, AChosenNumberIsTakenAsItIs)
{
    EXPECT_EQ(ParallelJobs::For(ParallelJobs::kAutomatic, 32, kMp3), 16);
    EXPECT_EQ(ParallelJobs::For(24, 32, kMp3), 24);
    EXPECT_EQ(ParallelJobs::For(1, 32, kMp3), 1);
    EXPECT_EQ(ParallelJobs::For(-3, 2, kMp3), 1);
}

} // namespace
