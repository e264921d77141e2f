#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/AppPaths.h"

namespace {

// A program folder and a home folder in a temporary folder.
class AppPathsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("lib/clipwright"));
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("home"));
        m_env.insert("HOME", home());
    }

    QString program() const { return m_dir.path() + "/lib/clipwright/"; }
    QString home() const { return m_dir.path() + "/home"; }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
};

TEST_F(AppPathsTest, AProgramFolderWithAWritableConfigFolderIsPortable)
{
    ASSERT_TRUE(QDir(program()).mkdir("Config"));
    m_env.insert("XDG_CONFIG_HOME", home() + "/cfg");
    const AppPaths paths = AppPaths::Decide(m_dir.path() + "/lib/clipwright", m_env);
    EXPECT_TRUE(paths.IsPortable());
    EXPECT_EQ(paths.ProgramDir(), program());
    EXPECT_EQ(paths.ConfigDir(), program() + "Config/");
    EXPECT_EQ(paths.LogDir(), program());
    // The program never makes the Config folder of a portable program folder.
    ASSERT_TRUE(QDir(program()).rmdir("Config"));
    EXPECT_EQ(AppPaths::Portable(program()).ConfigFile("UserSettings.ini"),
              program() + "Config/UserSettings.ini");
    EXPECT_FALSE(QFileInfo::exists(program() + "Config"));
}

TEST_F(AppPathsTest, WithoutAConfigFolderItIsInstalledInTheXdgFolders)
{
    const struct
    {
        const char *configHome; // nullptr: unset
        const char *stateHome;
        QString configDir;
        QString logDir;
    } cases[] = {
        {nullptr, nullptr, "/.config/Clipwright/", "/.local/state/Clipwright/"},
        {"", "", "/.config/Clipwright/", "/.local/state/Clipwright/"},
        // Relative values are not valid base folders and count as unset.
        {"cfg", "st", "/.config/Clipwright/", "/.local/state/Clipwright/"},
        {"@/cfg", "@/st/", "/cfg/Clipwright/", "/st/Clipwright/"},
    };
    for (const auto &c : cases) {
        QProcessEnvironment env = m_env;
        const auto set = [&](const char *name, const char *value) {
            if (value)
                env.insert(name, QString(value).replace("@", home()));
        };
        set("XDG_CONFIG_HOME", c.configHome);
        set("XDG_STATE_HOME", c.stateHome);
        const AppPaths paths = AppPaths::Decide(program(), env);
        SCOPED_TRACE(c.configHome ? c.configHome : "(unset)");
        EXPECT_EQ(paths.GetMode(), AppPaths::Mode::Installed);
        EXPECT_EQ(paths.ProgramDir(), program());
        EXPECT_EQ(paths.ConfigDir(), home() + c.configDir);
        EXPECT_EQ(paths.LogDir(), home() + c.logDir);
    }
}

TEST_F(AppPathsTest, AConfigFolderThisUserCannotWriteMeansInstalled)
{
    ASSERT_TRUE(QDir(program()).mkdir("Config"));
    ASSERT_TRUE(QFile::setPermissions(program() + "Config",
                                      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther));
    if (::geteuid() == 0)
        GTEST_SKIP() << "root can write any folder";
    EXPECT_EQ(AppPaths::Decide(program(), m_env).GetMode(), AppPaths::Mode::Installed);
}

TEST_F(AppPathsTest, InstalledFoldersAreMadeOnFirstUsePrivateToTheUser)
{
    m_env.insert("XDG_STATE_HOME", home() + "/state/deeper");
    const AppPaths paths = AppPaths::Decide(program(), m_env);
    EXPECT_FALSE(QFileInfo::exists(paths.ConfigDir()));
    EXPECT_FALSE(QFileInfo::exists(paths.LogDir()));

    EXPECT_EQ(paths.ConfigFile("UserProfileInfo.ini"), paths.ConfigDir() + "UserProfileInfo.ini");
    EXPECT_TRUE(QFileInfo(paths.ConfigDir()).isDir());
    EXPECT_EQ(paths.PreparedLogDir(), home() + "/state/deeper/Clipwright/");
    EXPECT_TRUE(QFileInfo(paths.LogDir()).isDir());
    for (const QString &folder : {paths.ConfigDir(), paths.LogDir(), home() + "/state"})
        EXPECT_EQ(QFileInfo(folder).permissions() & 0x0077, 0) << folder.toStdString();
}

TEST_F(AppPathsTest, AFolderThatCannotBeMadeIsLeftToTheWriteToReport)
{
    // A file where the XDG folder should be: no folder can be made below it, for root too.
    QFile blocker(home() + "/blocked");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_env.insert("XDG_CONFIG_HOME", blocker.fileName());
    const AppPaths paths = AppPaths::Decide(program(), m_env);
    EXPECT_EQ(paths.ConfigFile("UserSettings.ini"),
              blocker.fileName() + "/Clipwright/UserSettings.ini");
    EXPECT_FALSE(QFileInfo(paths.ConfigDir()).isDir());
}

TEST(AppPathsCurrent, IsPortableInTheExecutablesFolderUntilStartUpDecides)
{
    const QString exeDir = QFileInfo(QFile::symLinkTarget("/proc/self/exe")).absolutePath() + '/';
    EXPECT_EQ(AppPaths::ExecutableDir(), exeDir);
    EXPECT_TRUE(AppPaths::Current().IsPortable());
    EXPECT_EQ(AppPaths::Current().ConfigDir(), exeDir + "Config/");

    QProcessEnvironment env;
    env.insert("HOME", "/home/someone");
    AppPaths::SetCurrent(AppPaths::Decide("/nonexistent/lib/clipwright", env));
    EXPECT_EQ(AppPaths::Current().LogDir(), "/home/someone/.local/state/Clipwright/");
    AppPaths::SetCurrent(AppPaths::Portable(exeDir));
}

} // namespace
