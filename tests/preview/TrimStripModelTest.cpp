// The trim strip's procedures on a real source list: loading rows, handle moves, clicks,
// drags and typed times, with the preview player on a recording graph.

#include "preview/PreviewPlayer.h"
#include "preview/TrimStripModel.h"
#include "sources/SourceListModel.h"

#include "FakePreviewGraph.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class TrimStrip : public ::testing::Test
{
protected:
    TrimStrip()
    {
        player.SetGraph(&graph);
        player.SetMarks(&strip.Marks);
    }

    int addRow(const QString &path, const QString &duration)
    {
        list.appendRow(SourceRow::ForNewSource(path, QStringLiteral("1 MB"), duration));
        return list.count() - 1;
    }
    void select(std::initializer_list<int> rows)
    {
        list.clearSelection();
        for (int r : rows)
            list.setSelected(r, true);
    }
    QString cell(int row, int column) const { return list.cell(row, column); }

    SourceListModel list;
    FakePreviewGraph graph;
    PreviewPlayer player;
    TrimStripModel strip{list, player};
};

constexpr int kStart = SourceRow::kStartColumn;
constexpr int kEnd = SourceRow::kEndColumn;
constexpr int kCut = SourceRow::kCutColumn;

TEST_F(TrimStrip, NewRowLoadsWithBothHandlesAtTheEnds)
{
    select({addRow("/m/a.mp4", "00:03:20")});
    strip.LoadSelectedRow();
    EXPECT_EQ(strip.Left(), 1);
    EXPECT_EQ(strip.Right(), 1);
    EXPECT_EQ(strip.Middle(), 220);
    EXPECT_EQ(strip.Marks.DurationSeconds, 200);
    EXPECT_TRUE(strip.Marks.TimelineLoaded);

    // After a reset the new places are within the tolerance: the handles stay at 2.
    strip.ResetTrimStrip();
    select({addRow("/m/b.mp4", "00:00:10")});
    strip.LoadSelectedRow();
    EXPECT_EQ(strip.Left(), 2);
    EXPECT_EQ(strip.Right(), 2);
}

TEST_F(TrimStrip, LoadingUsesTheToleranceAndTheLastSelectedRow)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    const int b = addRow("/m/b.mp4", "00:01:40");
    list.setCell(b, kStart, "00:00:50");
    list.setCell(b, kEnd, "00:01:15");
    select({a, b});
    strip.LoadSelectedRow();
    EXPECT_EQ(strip.Marks.DurationSeconds, 100);
    EXPECT_EQ(strip.Left(), 111);   // rnd(0.5 * 220) + 1
    EXPECT_EQ(strip.Right(), 56);   // 221 - rnd(0.75 * 220)

    // One pixel off on the left and two on the right do not move the handles.
    strip.SetLeft(112);
    strip.SetRight(58);
    select({b});
    strip.LoadSelectedRow();
    EXPECT_EQ(strip.Left(), 112);
    EXPECT_EQ(strip.Right(), 58);
    strip.SetRight(59);
    strip.LoadSelectedRow();
    EXPECT_EQ(strip.Right(), 56);
}

TEST_F(TrimStrip, SelectingThePlayingRowNeitherStopsNorMoves)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    select({a});
    player.OpenAndPlay("/m/a.mp4");
    ASSERT_EQ(player.LoadedFile, "/m/a.mp4");
    strip.SetLeft(50);
    strip.LoadSelectedRow();
    EXPECT_EQ(strip.Left(), 50);
    EXPECT_EQ(player.LoadedFile, "/m/a.mp4");

    // Another row stops the preview.
    const int b = addRow("/m/b.mp4", "00:00:10");
    select({b});
    strip.LoadSelectedRow();
    EXPECT_TRUE(player.LoadedFile.isEmpty());
    EXPECT_FALSE(graph.isActive());
    EXPECT_EQ(strip.Left(), 1);
}

TEST_F(TrimStrip, StartHandleSetsStartAndCutOfEverySelectedRowAndSeeks)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    const int b = addRow("/m/b.mp4", "00:01:40");
    select({a});
    strip.LoadSelectedRow();
    player.OpenAndPlay("/m/a.mp4");
    graph.seeks.clear();
    select({a, b});
    strip.LoadSelectedRow(); // a is in the preview and skipped; b stops it and loads
    EXPECT_EQ(strip.Marks.DurationSeconds, 100);

    strip.SetLeft(110);
    strip.SetStartTimeAndPlay();
    // Both rows get the start from the duration loaded last: 49 % of 100 s.
    EXPECT_EQ(strip.Marks.StartSeconds, 49);
    EXPECT_EQ(cell(a, kStart), "00:00:49");
    EXPECT_EQ(cell(b, kStart), "00:00:49");
    EXPECT_EQ(cell(a, kCut), "00:02:31");
    EXPECT_EQ(cell(b, kCut), "00:00:51");
    EXPECT_TRUE(graph.seeks.isEmpty()); // the preview was stopped by the load

    // With a file playing and a loaded strip, the start handle moves the preview.
    player.OpenAndPlay("/m/b.mp4");
    graph.seeks.clear();
    strip.SetLeft(1);
    strip.SetStartTimeAndPlay();
    EXPECT_EQ(cell(b, kStart), "00:00:00");
    ASSERT_EQ(graph.seeks.size(), 2); // once for each selected row
    EXPECT_EQ(graph.seeks.last(), 0);
}

TEST_F(TrimStrip, EndHandleAtTheFarRightGivesOneHundredAndOnePercent)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    select({a});
    strip.LoadSelectedRow();
    player.OpenAndPlay("/m/a.mp4");
    graph.seeks.clear();
    strip.EndEndHandleDrag(); // a click on the handle without moving it
    EXPECT_EQ(cell(a, kEnd), "00:03:22");
    EXPECT_EQ(strip.Marks.EndTimeText, "00:03:22");
    EXPECT_EQ(cell(a, kCut), "00:03:22");
    EXPECT_TRUE(graph.seeks.isEmpty()); // the end handle never seeks
}

TEST_F(TrimStrip, TouchingHandlesGiveWay)
{
    select({addRow("/m/a.mp4", "00:03:20")});
    strip.LoadSelectedRow();
    strip.SetLeft(120);
    strip.SetRight(103); // x2 - x1 = 18
    strip.SetStartTimeAndPlay();
    EXPECT_EQ(strip.Left(), 119);
    strip.endHandleMoved();
    EXPECT_EQ(strip.Right(), 102);
}

TEST_F(TrimStrip, DraggingStaysWithinLimitsAndRunsTheProcedure)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    select({a});
    strip.LoadSelectedRow();
    strip.DragStartHandle(500);
    EXPECT_EQ(strip.Left(), 220);
    EXPECT_EQ(cell(a, kStart), "00:03:20");
    strip.DragStartHandle(-5);
    EXPECT_EQ(strip.Left(), 1);
    EXPECT_EQ(cell(a, kStart), "00:00:00");
    strip.DragEndHandle(110);
    EXPECT_EQ(strip.Right(), 110);
    EXPECT_EQ(cell(a, kEnd), "00:01:40"); // (219 - 110) * 121 / 260 = 50 %
}

TEST_F(TrimStrip, ClickSteppingWithModifiers)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    select({a});
    strip.LoadSelectedRow();
    strip.SetRight(30);
    strip.rightPartPressed(Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(strip.Right(), 20);
    strip.rightPartPressed(Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(strip.Right(), 19);
    strip.rightPartPressed(Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(strip.Right(), 14);
    strip.rightPartPressed(Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(strip.Right(), 14);
    EXPECT_EQ(cell(a, kEnd), "00:03:10"); // (219 - 14) * 121 / 260 = 95 %

    strip.SetRight(1);
    strip.rightPartPressed(Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(strip.Right(), 1);

    strip.SetLeft(30);
    strip.leftPartPressed(Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(strip.Left(), 25);
    EXPECT_EQ(cell(a, kStart), "00:00:20"); // (25 - 3) * 121 / 260 = 10 %

    // A middle image narrower than 7 px stops clicks on both sides.
    strip.SetLeft(150);
    strip.SetRight(70);
    strip.leftPartPressed(Qt::LeftButton, Qt::NoModifier);
    strip.rightPartPressed(Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(strip.Left(), 150);
    EXPECT_EQ(strip.Right(), 70);
}

TEST_F(TrimStrip, TypedTimesAreCheckedForEverySelectedRow)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    const int b = addRow("/m/b.mp4", "00:03:20");
    select({a, b});
    list.setCell(a, kStart, "00:05:00");
    list.setCell(b, kEnd, "00:04:00");
    list.setCell(b, kStart, "00:00:10");
    EXPECT_TRUE(strip.CheckEditedTimes().isEmpty());
    EXPECT_EQ(cell(a, kStart), "00:03:20");
    EXPECT_EQ(cell(a, kEnd), "00:03:20");
    EXPECT_EQ(cell(a, kCut), "00:00:00");
    EXPECT_EQ(cell(b, kEnd), "00:03:20");
    EXPECT_EQ(cell(b, kCut), "00:03:10");
}

TEST_F(TrimStrip, NotANumberStopsTheCheckAtThatRow)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    const int b = addRow("/m/b.mp4", "00:03:20");
    select({a, b});
    list.setCell(a, kStart, "0x:00:00");
    list.setCell(a, kEnd, "");
    list.setCell(b, kStart, "00:05:00");
    EXPECT_EQ(strip.CheckEditedTimes(), "'0x' is not a valid integer value");
    EXPECT_EQ(cell(a, kEnd), "00:03:20"); // filled before the failure
    EXPECT_EQ(cell(b, kStart), "00:05:00"); // not reached
}

TEST_F(TrimStrip, TypedStartMovesAPlayingPreviewOnlyWhenLoaded)
{
    const int a = addRow("/m/a.mp4", "00:03:20");
    select({a});
    player.OpenAndPlay("/m/a.mp4");
    list.setCell(a, kStart, "00:01:00");
    strip.CheckEditedTimes();
    EXPECT_TRUE(graph.seeks.isEmpty()); // nothing loaded into the strip yet

    player.StopPreview();
    strip.LoadSelectedRow();
    player.OpenAndPlay("/m/a.mp4");
    graph.seeks.clear();
    list.setCell(a, kStart, "00:02:00");
    strip.CheckEditedTimes();
    ASSERT_EQ(graph.seeks.size(), 1);
    EXPECT_EQ(graph.seeks.last(), 1200000000);
}

TEST_F(TrimStrip, CutSecondsOfTheLastRowWithThatPathIgnoringCase)
{
    const int a = addRow("/m/A.mp4", "00:03:20");
    const int b = addRow("/m/a.mp4", "00:01:00");
    list.setCell(a, kEnd, "00:01:00");
    list.setCell(b, kStart, "00:00:20");
    EXPECT_EQ(strip.GetRowCutSeconds("/M/A.MP4"), 40);
    EXPECT_EQ(strip.GetRowCutSeconds("/m/none.mp4"), 0);
    list.setCell(b, kEnd, "00:00:05");
    EXPECT_EQ(strip.GetRowCutSeconds("/m/a.mp4"), -15);
}

TEST_F(TrimStrip, SeekGraphWorksInHundredNanosecondUnits)
{
    PreviewPlayer::SeekGraph(&graph, 1500); // an inactive graph is left alone
    EXPECT_TRUE(graph.seeks.isEmpty());
    graph.makeActive();
    PreviewPlayer::SeekGraph(&graph, 1500);
    ASSERT_EQ(graph.seeks.size(), 1);
    EXPECT_EQ(graph.seeks.last(), 15000000);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
