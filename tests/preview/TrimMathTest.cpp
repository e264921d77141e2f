// The trim strip's arithmetic as tables: handle positions to percent to time, loading the
// handles from times, drag and click limits, and the checks of typed times.

#include "preview/TrimMath.h"

#include <gtest/gtest.h>

using namespace TrimMath;

TEST(TrimMath, HandlePositionToPercent)
{
    struct Case { int width; int start; int end; };
    // width is L for the start handle, R for the end handle.
    const Case cases[] = {
        {1, 0, 101}, {2, 0, 100}, {5, 0, 99}, {6, 1, 99}, {110, 49, 50},
        {220, 100, 0}, {221, 101, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(StartPercent(c.width), c.start) << "L=" << c.width;
        EXPECT_EQ(EndPercent(c.width), c.end) << "R=" << c.width;
    }
}

TEST(TrimMath, PercentToSeconds)
{
    EXPECT_EQ(SecondsAtPercent(StartPercent(110), 200), 98);  // 00:01:38
    EXPECT_EQ(SecondsAtPercent(EndPercent(1), 200), 202);     // 101 % of 00:03:20
    EXPECT_EQ(SecondsAtPercent(EndPercent(2), 200), 200);
    EXPECT_EQ(SecondsAtPercent(StartPercent(1), 200), 0);
    EXPECT_EQ(SecondsAtPercent(49, 7), 3);                    // truncated
    EXPECT_EQ(SecondsAtPercent(100, 400000), 400000);         // 111 hours fit
}

TEST(TrimMath, LoadingPlacesHandles)
{
    struct Case { qint64 s, e, d; int left, right; };
    const Case cases[] = {
        {0, 200, 200, 1, 1},       // a new row covers the whole file
        {100, 100, 200, 111, 111},
        // halves go to the even neighbour: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 219.5 -> 220
        {1, 439, 440, 1, 1},
        {3, 437, 440, 3, 3},
        {5, 435, 440, 3, 3},
        {200, 0, 200, 221, 221},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LeftForStart(c.s, c.d), c.left) << c.s << "/" << c.d;
        EXPECT_EQ(RightForEnd(c.e, c.d), c.right) << c.e << "/" << c.d;
    }
}

TEST(TrimMath, ToleranceOnLoading)
{
    EXPECT_FALSE(LeftMoves(2, 1));
    EXPECT_FALSE(LeftMoves(1, 2));
    EXPECT_TRUE(LeftMoves(3, 1));
    EXPECT_FALSE(RightMoves(3, 1));
    EXPECT_TRUE(RightMoves(4, 1));
    EXPECT_TRUE(RightMoves(1, 4));
}

TEST(TrimMath, DragLimitsKeepEveryPartOnePixelWide)
{
    EXPECT_EQ(DragLeft(-20, 1), 1);
    EXPECT_EQ(DragLeft(300, 1), 220);
    EXPECT_EQ(DragLeft(300, 100), 121);
    EXPECT_EQ(DragRight(0, 1), 1);
    EXPECT_EQ(DragRight(500, 50), 171);
    EXPECT_TRUE(HandlesTouch(120, 102));  // x2 - x1 = 19
    EXPECT_FALSE(HandlesTouch(120, 101)); // x2 - x1 = 20
}

TEST(TrimMath, ClickStepsAndTheirLimits)
{
    EXPECT_EQ(ClickStep(Qt::NoModifier), 5);
    EXPECT_EQ(ClickStep(Qt::ControlModifier), 1);
    EXPECT_EQ(ClickStep(Qt::ShiftModifier), 10);
    EXPECT_EQ(ClickStep(Qt::ControlModifier | Qt::ShiftModifier), 5);
    EXPECT_EQ(ClickStep(Qt::ControlModifier | Qt::AltModifier), 5);
    EXPECT_EQ(ClickStep(Qt::AltModifier), 5);

    EXPECT_TRUE(CanStep(11, 1, 11, 10));   // Shift with R = 11
    EXPECT_FALSE(CanStep(10, 1, 10, 10));  // not wider than the step
    EXPECT_FALSE(CanStep(1, 1, 1, 1));     // Ctrl with R = 1
    EXPECT_TRUE(CanStep(100, 100, 115, 5));  // L + R + 45 = 260
    EXPECT_FALSE(CanStep(100, 100, 116, 5)); // 261 > 260
}

TEST(TrimMath, FormatAndReadTimes)
{
    EXPECT_EQ(FormatDuration(0), "00:00:00");
    EXPECT_EQ(FormatDuration(3599), "00:59:59");
    EXPECT_EQ(FormatDuration(360000), "100:00:00");
    EXPECT_EQ(FormatDuration(-1), "00:00:00");

    EXPECT_EQ(CellSeconds("00:03:20"), 200);
    EXPECT_EQ(CellSeconds("100:00:01"), 360001);
    EXPECT_EQ(CellSeconds("1:2:3:4"), 3723); // more than three pieces: the first three
    EXPECT_EQ(CellSeconds("00:20"), 0);
    EXPECT_EQ(CellSeconds(""), 0);

    EXPECT_EQ(CutCellSeconds("00:01:00"), 60);
    EXPECT_EQ(CutCellSeconds("1:2:3:4"), 0); // exactly three pieces only
    EXPECT_EQ(CutCellSeconds("aa:00:00"), 0);
}

TEST(TrimMath, TypedTimesTable)
{
    struct Case {
        const char *d, *s, *e;
        const char *start, *end, *cut;
        qint64 seekMs;
    };
    const Case cases[] = {
        // typed Start past the Duration, End at the Duration
        {"00:03:20", "00:05:00", "00:03:20", "00:03:20", "00:03:20", "00:00:00", 200000},
        // typed End past the Duration
        {"00:03:20", "00:00:10", "00:04:00", "00:00:10", "00:03:20", "00:03:10", 10000},
        // typed Start past the Duration with an earlier End: End takes the typed Start
        {"00:03:20", "00:05:00", "00:01:00", "00:03:20", "00:05:00", "00:00:00", 200000},
        // typed Start equal to the End
        {"00:03:20", "00:01:00", "00:01:00", "00:01:00", "00:01:00", "00:00:00", 60000},
        // an emptied Start and an emptied End
        {"00:03:20", "", "00:02:00", "00:00:00", "00:02:00", "00:02:00", 0},
        {"00:03:20", "00:00:30", "", "00:00:30", "00:03:20", "00:02:50", 30000},
        // ordinary times stay
        {"00:03:20", "00:00:30", "00:01:30", "00:00:30", "00:01:30", "00:01:00", 30000},
        // 100 hours and more: the hours are wider than two characters
        {"100:00:00", "99:00:00", "100:00:00", "99:00:00", "100:00:00", "01:00:00", 356400000},
        {"100:00:00", "101:00:00", "100:00:00", "100:00:00", "100:00:00", "00:00:00", 360000000},
    };
    for (const Case &c : cases) {
        const TypedTimes t = CheckTypedTimes(c.d, c.s, c.e, "xx");
        SCOPED_TRACE(std::string(c.d) + " " + c.s + " " + c.e);
        EXPECT_TRUE(t.error.isEmpty()) << qPrintable(t.error);
        EXPECT_EQ(t.start, c.start);
        EXPECT_EQ(t.end, c.end);
        EXPECT_EQ(t.cut, c.cut);
        EXPECT_EQ(t.seekMs, c.seekMs);
    }
}

TEST(TrimMath, TypedTimeThatIsNotANumber)
{
    struct Case { const char *s, *e, *message, *start, *end; };
    const Case cases[] = {
        {"0a:00:00", "00:01:00", "'0a' is not a valid integer value", "0a:00:00", "00:01:00"},
        {"00:00:10", "00:x1:00", "'x1' is not a valid integer value", "00:00:10", "00:x1:00"},
        {"00:00:1x", "00:01:00", "'1x' is not a valid integer value", "00:00:1x", "00:01:00"},
        // the emptied End was filled before the Start failed
        {"::", "", "'::' is not a valid integer value", "::", "00:03:20"},
    };
    for (const Case &c : cases) {
        const TypedTimes t = CheckTypedTimes("00:03:20", c.s, c.e, "00:03:20");
        EXPECT_EQ(t.error, c.message);
        EXPECT_EQ(t.start, c.start);
        EXPECT_EQ(t.end, c.end);
        EXPECT_EQ(t.cut, "00:03:20"); // not reached
        EXPECT_EQ(t.seekMs, -1);
    }
}
