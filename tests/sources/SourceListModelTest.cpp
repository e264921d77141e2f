#include "SourceFixtures.h"
#include "sources/SourceAdder.h"
#include "sources/SourceListModel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

SourceRow rowFor(const QString &path)
{
    return SourceRow::ForNewSource(path, QStringLiteral("4.76 MB"), QStringLiteral("00:01:35"));
}

// Appends rows R1..Rn.
void fill(SourceListModel &list, int n)
{
    for (int i = 1; i <= n; ++i)
        list.appendRow(rowFor(QStringLiteral("/v/R%1.avi").arg(i)));
}

QStringList names(const SourceListModel &list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.row(i).fileName().mid(3, 2);
    return result;
}

} // namespace

TEST(SourceRowTest, MeasuredSourceReadsAsSizeAndTimeTexts)
{
    // 5000000 bytes and 95.9999999 seconds (in 100-ns units), of which the whole seconds
    // count, measured as adding a file measures it.
    QLocale::setDefault(QLocale::c());
    FakeMediaProbe probe;
    probe.durations.insert("/Video/clip.avi", 959999999);
    probe.sizes.insert("/Video/clip.avi", 5000000);
    SourceListModel list;
    SourceAdding::Services services;
    services.probe = &probe;
    ASSERT_EQ(SourceAdding::AddSourceFiles(list, {"/Video/clip.avi"}, services), 1);
    const SourceRow &row = list.row(0);
    // The output size is filled in by the window's OutputSizeColumn.
    const std::array<QString, 8> expected = {"True",     "/Video/clip.avi", "4.76 MB", "00:01:35",
                                             "00:00:00", "00:01:35",        "00:01:35", ""};
    EXPECT_EQ(row.cells, expected);
    EXPECT_TRUE(row.isChecked());
}

TEST(SourceRowTest, OnlyTheTextTrueTicksTheRow)
{
    SourceRow row = rowFor(QStringLiteral("/v/a.avi"));
    for (const char *text : {"False", "true", "TRUE", "1", ""}) {
        row.setCell(SourceRow::kTickColumn, QString::fromLatin1(text));
        EXPECT_FALSE(row.isChecked()) << text;
    }
    row.setChecked(true);
    EXPECT_EQ(row.cell(SourceRow::kTickColumn), "True");
    row.setChecked(false);
    EXPECT_EQ(row.cell(SourceRow::kTickColumn), "False");
}

// The tick column has no caption on screen; screen readers hear what it and each tick are for.
TEST(SourceListModelTest, TicksHaveNamesForScreenReaders)
{
    SourceListModel list;
    list.appendRow(rowFor(QStringLiteral("/v/Clip.avi")));
    EXPECT_EQ(list.headerData(SourceRow::kTickColumn, Qt::Horizontal, Qt::AccessibleTextRole),
              QStringLiteral("Convert"));
    EXPECT_EQ(list.data(list.index(0, SourceRow::kTickColumn), Qt::AccessibleTextRole),
              QStringLiteral("Convert /v/Clip.avi"));
    EXPECT_TRUE(list.headerData(SourceRow::kTickColumn, Qt::Horizontal).toString().isEmpty());
}

TEST(SourceListModelTest, LookupsByFile)
{
    SourceListModel list;
    list.appendRow(rowFor(QStringLiteral("/v/Clip.avi")));
    list.appendRow(rowFor(QStringLiteral("/v/other.avi")));
    list.appendRow(rowFor(QStringLiteral("/v/clip.AVI")));

    // Adding compares exactly; the job builder ignores case and takes the last match.
    EXPECT_EQ(list.indexOfFile(QStringLiteral("/v/Clip.avi")), 0);
    EXPECT_EQ(list.indexOfFile(QStringLiteral("/v/clip.avi")), -1);
    EXPECT_EQ(list.lastIndexOfFile(QStringLiteral("/v/CLIP.avi")), 2);
    EXPECT_EQ(list.lastIndexOfFile(QStringLiteral("/v/none.avi")), -1);

    list.setCell(1, SourceRow::kTickColumn, QStringLiteral("False"));
    EXPECT_EQ(list.checkedCount(), 2);
}

TEST(SourceListModelTest, FocusFollowsItsRowAndIsLostWithIt)
{
    SourceListModel list;
    fill(list, 4);
    QSignalSpy focus(&list, &SourceListModel::focusChanged);
    QSignalSpy selection(&list, &SourceListModel::selectionChanged);

    list.setFocusedRow(2);
    list.setSelected(1, true);
    list.deleteRow(0); // above the focus: focus moves up with its row
    EXPECT_EQ(list.focusedRow(), 1);
    EXPECT_EQ(list.row(1).fileName(), "/v/R3.avi");
    EXPECT_EQ(list.selectedRows(), QList<int>{0});

    list.deleteRow(2); // below the focus: nothing moves
    EXPECT_EQ(list.focusedRow(), 1);
    list.deleteRow(1); // the focused row itself
    EXPECT_EQ(list.focusedRow(), -1);
    EXPECT_EQ(names(list), QStringList{"R2"});
    EXPECT_EQ(focus.count(), 3);     // set, moved, lost
    EXPECT_EQ(selection.count(), 1); // only the explicit selection
}

TEST(SourceListModelTest, SelectionIsInListOrderAndClearedWithRows)
{
    SourceListModel list;
    fill(list, 4);
    list.setSelected(3, true);
    list.setSelected(1, true);
    list.setFocusedRow(0);
    EXPECT_EQ(list.selectedRows(), (QList<int>{1, 3}));

    list.setFocusedRow(7); // a row the list does not have
    EXPECT_EQ(list.focusedRow(), -1);

    QSignalSpy selection(&list, &SourceListModel::selectionChanged);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(list.selectedRows().isEmpty());
    EXPECT_EQ(selection.count(), 1);
    EXPECT_FALSE(list.isSelected(0));
}

TEST(SourceListModelTest, ViewEditsOnlyTheCheckAndTimeCells)
{
    SourceListModel list;
    fill(list, 1);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);

    EXPECT_EQ(list.data(list.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_TRUE(list.setData(list.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(list.cell(0, SourceRow::kTickColumn), "False");

    EXPECT_TRUE(list.setData(list.index(0, 4), QStringLiteral("00:00:10")));
    EXPECT_TRUE(list.setData(list.index(0, 5), QStringLiteral("00:00:20")));
    EXPECT_FALSE(list.setData(list.index(0, 1), QStringLiteral("/elsewhere")));
    EXPECT_FALSE(list.setData(list.index(0, 6), QStringLiteral("00:00:01")));
    EXPECT_EQ(list.row(0).startTime(), "00:00:10");
    EXPECT_EQ(list.row(0).endTime(), "00:00:20");
    EXPECT_EQ(list.cell(0, SourceRow::kNameColumn), "/v/R1.avi");
    EXPECT_EQ(changed.count(), 3);

    EXPECT_TRUE(list.flags(list.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(list.flags(list.index(0, 6)) & Qt::ItemIsEditable);
    EXPECT_EQ(list.headerData(1, Qt::Horizontal).toString(), "File Name");
    EXPECT_EQ(list.headerData(6, Qt::Horizontal).toString(), "Cut Time");
    EXPECT_EQ(list.headerData(7, Qt::Horizontal).toString(), "Output Size");
}
