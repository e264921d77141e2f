// Choosing the output folder: the writability probe, the warnings and what is kept.
#include "FakeUserDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "conversion/OutputFolderChooser.h"
#include "report/MessageBoxes.h"

namespace {

class OutputFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_current = m_dir.path() + "/current folder";
    }

    QString choose(const QString &folder)
    {
        m_dialogs.folderAnswers << FakeUserDialogs::Input{true, folder};
        return m_chooser.Choose(m_current);
    }

    QTemporaryDir m_dir;
    QString m_current;
    FakeUserDialogs m_dialogs;
    MessageBoxes m_boxes{&m_dialogs};
    OutputFolderChooser m_chooser{m_boxes};
};

TEST_F(OutputFolderTest, AcceptsAWritableFolderAndRemovesTheProbe)
{
    const QString chosen = m_dir.path() + "/new place";
    ASSERT_TRUE(QDir().mkpath(chosen));
    EXPECT_EQ(choose(chosen), chosen);
    EXPECT_FALSE(QFileInfo::exists(chosen + "/test"));
    ASSERT_EQ(m_dialogs.shown.size(), 1);
    EXPECT_EQ(m_dialogs.shown[0].kind, "folder");
    EXPECT_EQ(m_dialogs.shown[0].text, "Please select output folder:");
    EXPECT_EQ(m_dialogs.shown[0].initialText, ""); // nothing preselected
}

TEST_F(OutputFolderTest, CancellingKeepsAndCreatesTheCurrentFolder)
{
    EXPECT_EQ(m_chooser.Choose(m_current), m_current);
    EXPECT_TRUE(QFileInfo(m_current).isDir());
    EXPECT_EQ(m_dialogs.texts(), QStringList({"Please select output folder:"}));
}

TEST_F(OutputFolderTest, RejectedChoicesWarnAndKeepTheCurrentFolder)
{
    // /proc takes no folder, not even from root.
    EXPECT_EQ(choose("/proc"), m_current);
    EXPECT_EQ(choose(m_dir.path() + "/no such folder"), m_current);
    EXPECT_EQ(choose(""), m_current);
    const QStringList texts = m_dialogs.texts();
    ASSERT_EQ(texts.size(), 6);
    EXPECT_EQ(texts[1], "This is a read-only path.");
    EXPECT_EQ(texts[3], "The path is invalid.");
    EXPECT_EQ(texts[5], "The path is invalid.");
    EXPECT_EQ(m_dialogs.shown[1].icon, IUserDialogs::Icon::Warning);
    EXPECT_TRUE(QFileInfo(m_current).isDir());
}

// A folder "test" that the user keeps there is neither taken for the probe nor removed.
TEST_F(OutputFolderTest, LeavesTheUsersOwnTestFolderAlone)
{
    const QString chosen = m_dir.path() + "/videos";
    ASSERT_TRUE(QDir().mkpath(chosen + "/test"));
    EXPECT_EQ(choose(chosen), chosen);
    EXPECT_TRUE(QFileInfo(chosen + "/test").isDir());
    EXPECT_EQ(QDir(chosen).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"test"}));
    EXPECT_EQ(m_dialogs.shown.size(), 1);
}

} // namespace
