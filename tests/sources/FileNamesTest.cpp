// File names and the first free output name.
#include "sources/FileNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FileNames, TextAfterLastAndBaseName)
{
    EXPECT_EQ(FileNames::TextAfterLast("x.y.z", '.'), "z");
    EXPECT_EQ(FileNames::TextAfterLast("xyz", '.'), "xyz");
    EXPECT_EQ(FileNames::TextAfterLast("xyz.", '.'), "");

    const struct
    {
        QString path, base;
    } cases[] = {
        {"/v/clip", ""},
        {"/v/a.b.avi", "a.b"},
        {"/Video/my.clip.avi", "my.clip"},
        {"/v.d/clip", ""},
        {"clip.avi", "clip"},
        {"/v/.hidden", ""},
        {"/v/name.", "name"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileNames::BaseNameOf(c.path), c.base) << c.path.toStdString();
}

// An output folder with the given entries in it.
class UniqueNameTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.path() + '/'; }

    void touch(const QStringList &names)
    {
        for (const QString &name : names) {
            QFile file(folder() + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    QTemporaryDir m_dir;
};

TEST_F(UniqueNameTest, TakesTheFirstBaseNameNoEntryHas)
{
    const struct
    {
        QStringList entries;
        QString wanted, result;
    } cases[] = {
        {{}, "clip.3gp", "clip.3gp"},
        {{"clip.avi"}, "clip.3gp", "clip_1.3gp"},
        {{"clip.avi", "clip_1.mp4"}, "clip.3gp", "clip_2.3gp"},
        {{"Clip.3gp"}, "clip.3gp", "clip.3gp"},
        {{"my_clip.3gp"}, "my_clip.3gp", "my_clip_1.3gp"},
        {{"my_clip.3gp", "my_clip_1.3gp"}, "my_clip.3gp", "my_clip_2.3gp"},
        {{"a.3gp", "a_1.3gp", "a_2.3gp", "a_3.txt", "a_5.3gp"}, "a.3gp", "a_4.3gp"},
        {{"clip_1.3gp"}, "clip.3gp", "clip.3gp"},
    };
    for (const auto &c : cases) {
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
        touch(c.entries);
        EXPECT_EQ(FileNames::UniqueFileName(folder() + c.wanted), folder() + c.result)
            << c.entries.join(',').toStdString();
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files).size(), c.entries.size());
    }
}

TEST_F(UniqueNameTest, ASubfolderTakesNoNameButAFolderThatCannotBeListedCountsAsEmpty)
{
    QDir(folder()).mkdir("clip");
    EXPECT_EQ(FileNames::UniqueFileName(folder() + "clip.3gp"), folder() + "clip.3gp");
    const QString missing = folder() + "missing/clip.3gp";
    EXPECT_EQ(FileNames::UniqueFileName(missing), missing);
}

TEST_F(UniqueNameTest, ListsEntriesWithAnExactExtensionFilter)
{
    touch({"b.3gp", "a.3GP", "c.mp4", ".hidden.3gp", "noext"});
    QDir(folder()).mkdir("sub.3gp");
    EXPECT_EQ(FileNames::ListFolderEntries(folder(), ".3gp"),
              QStringList({folder() + ".hidden.3gp", folder() + "b.3gp"}));
    EXPECT_EQ(FileNames::ListFolderEntries(folder(), QString()).size(), 5);
    EXPECT_TRUE(FileNames::ListFolderEntries(folder() + "missing/", QString()).isEmpty());
}

} // namespace
