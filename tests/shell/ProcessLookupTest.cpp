#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/ProcessTable.h"

namespace {

// Copies of sleep under encoder names, started by the test either as its own child or
// under another parent (started through a child that exits at once). Every process the
// test starts it also ends.
class ProcessLookupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char *name : {"tcore", "mcore"}) {
            const QString copy = m_dir.path() + '/' + name;
            ASSERT_TRUE(QFile::copy("/bin/sleep", copy));
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::ExeOwner);
        }
    }

    void TearDown() override
    {
        for (pid_t pid : m_children) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        for (pid_t pid : m_strangers)
            ::kill(pid, SIGKILL);
    }

    // Starts name as a child of this process.
    pid_t startChild(const char *name)
    {
        const QByteArray path = QFile::encodeName(m_dir.path() + '/' + name);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execl(path.constData(), name, "30", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        m_children << pid;
        waitUntilExecuted(pid, name);
        return pid;
    }

    // Starts name under another parent: a child starts it and exits, so it is not ours.
    pid_t startStranger(const char *name)
    {
        const QByteArray path = QFile::encodeName(m_dir.path() + '/' + name);
        int fds[2];
        EXPECT_EQ(::pipe(fds), 0);
        const pid_t middle = ::fork();
        if (middle == 0) {
            const pid_t grandchild = ::fork();
            if (grandchild == 0) {
                ::close(fds[0]);
                ::close(fds[1]);
                ::setsid();
                ::execl(path.constData(), name, "30", static_cast<char *>(nullptr));
                ::_exit(127);
            }
            ::write(fds[1], &grandchild, sizeof grandchild);
            ::_exit(0);
        }
        ::close(fds[1]);
        pid_t pid = 0;
        EXPECT_EQ(::read(fds[0], &pid, sizeof pid), ssize_t(sizeof pid));
        ::close(fds[0]);
        ::waitpid(middle, nullptr, 0);
        m_strangers << pid;
        waitUntilExecuted(pid, name);
        return pid;
    }

    // Waits until pid runs the program name (fork and exec take a moment).
    static void waitUntilExecuted(pid_t pid, const char *name)
    {
        const QString link = QStringLiteral("/proc/%1/exe").arg(pid);
        for (int i = 0; i < 500; ++i) {
            if (QFile::symLinkTarget(link).endsWith('/' + QString::fromLatin1(name)))
                return;
            ::usleep(10000);
        }
        FAIL() << "process " << pid << " did not start " << name;
    }

    QTemporaryDir m_dir;
    QList<pid_t> m_children;
    QList<pid_t> m_strangers;
};

TEST_F(ProcessLookupTest, FindsOnlyProcessesThisProgramStarted)
{
    EXPECT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), "tcore"), 0);
    const pid_t stranger = startStranger("tcore");
    ASSERT_GT(stranger, 0);
    EXPECT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), "tcore"), 0);

    const pid_t own = startChild("tcore");
    EXPECT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), "tcore"), own);
    EXPECT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), "TCORE"), own); // letter case ignored
    EXPECT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), "mcore"), 0);
    EXPECT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), ""), 0);
}

TEST_F(ProcessLookupTest, WithTwoMatchesTheLaterInTheSnapshotWins)
{
    const pid_t first = startChild("tcore");
    const pid_t second = startChild("tcore");
    const QList<ProcessEntry> table = ProcessTable::Descendants();
    const QList<ProcessEntry> found = ProcessTable::WithName(table, "tcore");
    ASSERT_EQ(found.size(), 2);
    EXPECT_LT(found[0].pid, found[1].pid); // snapshot order: ascending ids
    EXPECT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), "tcore"), found[1].pid);
    EXPECT_TRUE(QList<qint64>({first, second}).contains(found[1].pid));
    for (const ProcessEntry &entry : found)
        EXPECT_EQ(entry.parentPid, ProcessTable::CurrentProcessId());
}

TEST_F(ProcessLookupTest, AFinishedChildIsNoLongerFound)
{
    const pid_t own = startChild("tcore");
    ASSERT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), "tcore"), own);
    ::kill(own, SIGKILL);
    // Not yet reaped: a zombie, which counts as ended.
    for (int i = 0; i < 500 && ProcessTable::FindLastByName(ProcessTable::Descendants(), "tcore") != 0; ++i)
        ::usleep(10000);
    EXPECT_EQ(ProcessTable::FindLastByName(ProcessTable::Descendants(), "tcore"), 0);
}

TEST_F(ProcessLookupTest, GrandchildrenCountAsOurs)
{
    // A shell of ours that starts mcore: mcore's parent is the shell, not this program.
    const QByteArray script = QFile::encodeName(m_dir.path() + "/mcore") + " 30 & wait";
    const pid_t shell = ::fork();
    if (shell == 0) {
        ::execl("/bin/sh", "sh", "-c", script.constData(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    m_children << shell;
    qint64 found = 0;
    for (int i = 0; i < 500 && found == 0; ++i) {
        found = ProcessTable::FindLastByName(ProcessTable::Descendants(), "mcore");
        if (found == 0)
            ::usleep(10000);
    }
    ASSERT_NE(found, 0);
    const QList<ProcessEntry> entries =
        ProcessTable::WithName(ProcessTable::Descendants(), "mcore");
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].parentPid, shell);
    ::kill(pid_t(found), SIGKILL);
}

} // namespace
