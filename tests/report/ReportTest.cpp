// The log and the message boxes.
#include "ChildRun.h"
#include "FakeUserDialogs.h"
#include "platform/AppPaths.h"
#include "report/AppErrors.h"
#include "report/Log.h"
#include "report/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A program folder whose log the test reads.
class LogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        AppPaths::SetCurrent(AppPaths::Portable(m_dir.path()));
    }
    void TearDown() override { AppPaths::SetCurrent(AppPaths::Portable(AppPaths::ExecutableDir())); }

    QStringList logLines() const
    {
        QFile file(m_dir.path() + "/log.txt");
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split("\r\n");
    }

    QTemporaryDir m_dir;
    Log m_log;
};

TEST_F(LogTest, TheFirstLineCreatesTheLogAndLaterLinesAppend)
{
    m_log.Write("Get Process id error.");
    const QStringList first = logLines();
    ASSERT_EQ(first.size(), 2); // one line, ended by CR LF
    EXPECT_EQ(first.last(), "");
    const QRegularExpression format(
        R"(^Quillon \d{4}-\d\d-\d\d \d\d:\d\d:\d\d\|Get Process id error\.$)");
    EXPECT_TRUE(format.match(first.first()).hasMatch()) << first.first().toStdString();

    m_log.Write("parameter: tcore -y -i \"a|b.avi\" ünïcode");
    const QStringList both = logLines();
    ASSERT_EQ(both.size(), 3);
    EXPECT_EQ(both.first(), first.first());
    EXPECT_TRUE(both.at(1).endsWith("|parameter: tcore -y -i \"a|b.avi\" ünïcode"));
}

TEST_F(LogTest, ALogThatCannotBeWrittenRaisesAnInputOutputError)
{
    // A folder that does not exist, and a log.txt that is a folder: both fail for root too.
    AppPaths::SetCurrent(AppPaths::Portable(m_dir.path() + "/missing"));
    try {
        Log::WriteIn(AppPaths::Current().PreparedLogDir(), "x");
        FAIL() << "no error";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.code(), ENOENT);
        EXPECT_TRUE(QString::fromUtf8(error.what()).startsWith("I/O error 2."));
    }
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("log.txt"));
    AppPaths::SetCurrent(AppPaths::Portable(m_dir.path()));
    EXPECT_THROW(Log::WriteIn(AppPaths::Current().PreparedLogDir(), "x"), EInOutError);
}

// A disk that fills up in the middle of a line: the log keeps only whole lines, and the
// error names it.
TEST_F(LogTest, ALineThatDoesNotFitLeavesNoPieceBehind)
{
    m_log.Write("parameter: first");
    QFile file(m_dir.path() + "/log.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const auto outcome = childrun::Run([&]() -> std::string {
        if (!childrun::LimitFileSize(rlim_t(before.size() + 20)))
            return "cannot limit the file size";
        try {
            Log::WriteIn(AppPaths::Current().PreparedLogDir(), "parameter: " + QString(200, 'x'));
        } catch (const EInOutError &error) {
            return error.code() == EFBIG ? std::string()
                                         : std::string("other error: ") + error.what();
        }
        return "no error raised";
    });
    EXPECT_TRUE(outcome.passed) << outcome.message;
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    m_log.Write("parameter: next");
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.at(1).endsWith("|parameter: next"));
}

TEST_F(LogTest, AnInstalledProgramShowsAnUnwritableLogOnceAndGoesOn)
{
    // The state folder would be below a file: it cannot be made, for root too.
    QFile blocker(m_dir.path() + "/state");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcessEnvironment env;
    env.insert("HOME", m_dir.path());
    env.insert("XDG_STATE_HOME", blocker.fileName());
    AppPaths::SetCurrent(AppPaths::Decide(m_dir.path() + "/lib/clipwright", env));
    FakeUserDialogs dialogs;
    MessageBoxes boxes(&dialogs);
    Log log(&boxes);
    EXPECT_NO_THROW(log.Write("parameter: one"));
    EXPECT_NO_THROW(log.Write("parameter: two"));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown.first().icon, IUserDialogs::Icon::Error);
    EXPECT_TRUE(dialogs.shown.first().text.startsWith("I/O error 20. Cannot write the log \"" +
                                                       blocker.fileName() + "/Clipwright/log.txt\""))
        << dialogs.shown.first().text.toStdString();

    // Once the folder can be made, the log is written there.
    ASSERT_TRUE(blocker.remove());
    log.Write("parameter: three");
    QFile logFile(blocker.fileName() + "/Clipwright/log.txt");
    ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(logFile.readAll().contains("|parameter: three\r\n"));
}

TEST(AppFolder, IsTheFolderOfTheRunningExecutable)
{
    // The build puts the test programs into this folder (its links resolved, as the
    // program folder's are).
    EXPECT_EQ(AppPaths::Current().ProgramDir(),
              QFileInfo(QStringLiteral(CLIPWRIGHT_TEST_PROGRAM_DIR)).canonicalFilePath() + '/');
}

// The message boxes, answered by a fake.
class MessageBoxTest : public ::testing::Test
{
protected:
    FakeUserDialogs m_dialogs;
    MessageBoxes m_boxes{&m_dialogs};
};

TEST_F(MessageBoxTest, ShowPicksTheIconByType)
{
    const IUserDialogs::Icon icons[] = {IUserDialogs::Icon::Error, IUserDialogs::Icon::Warning,
                                        IUserDialogs::Icon::Question,
                                        IUserDialogs::Icon::Information};
    for (int type = 0; type < 4; ++type) {
        EXPECT_TRUE(m_boxes.Show("text", type));
        ASSERT_EQ(m_dialogs.shown.size(), type + 1);
        EXPECT_EQ(m_dialogs.shown.last().icon, icons[type]);
        EXPECT_EQ(m_dialogs.shown.last().buttons, IUserDialogs::Buttons::Ok);
        EXPECT_EQ(m_dialogs.shown.last().caption, MessageBoxes::Title());
    }
    EXPECT_FALSE(m_boxes.Show("text", 4));
    EXPECT_FALSE(m_boxes.Show("text", -1));
    EXPECT_EQ(m_dialogs.shown.size(), 4);
    EXPECT_FALSE(MessageBoxes().Show("text", 1));
}

TEST_F(MessageBoxTest, AskGivesTheButtonPressed)
{
    m_dialogs.messageAnswers = {IUserDialogs::Ok, IUserDialogs::No, IUserDialogs::Cancel};
    EXPECT_EQ(m_boxes.Ask("a", 1), IUserDialogs::Ok);
    EXPECT_EQ(m_boxes.Ask("b", 2), IUserDialogs::No);
    EXPECT_EQ(m_boxes.Ask("c", 3), IUserDialogs::Cancel);
    EXPECT_EQ(m_boxes.Ask("d", 0), 0);
    EXPECT_EQ(m_boxes.Ask("e", 4), 0);
    ASSERT_EQ(m_dialogs.shown.size(), 3);
    EXPECT_EQ(m_dialogs.shown[1].buttons, IUserDialogs::Buttons::YesNo);
    EXPECT_EQ(m_dialogs.shown[2].buttons, IUserDialogs::Buttons::YesNoCancel);
    for (const auto &box : m_dialogs.shown)
        EXPECT_EQ(box.icon, IUserDialogs::Icon::Information);
}

} // namespace
