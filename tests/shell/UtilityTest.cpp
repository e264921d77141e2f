#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ChildRun.h"
#include "FakeUserDialogs.h"
#include "report/AppErrors.h"
#include "platform/AppPaths.h"
#include "report/Log.h"
#include "report/MessageBoxes.h"
#include "sources/FileNames.h"
#include "text/FileSizeText.h"
#include "text/NumberText.h"
#include "text/TextSplit.h"
#include "text/TimeText.h"

namespace {

TEST(SplitByChar, KeepsInnerAndLeadingEmptyPiecesButNotATrailingOne)
{
    const struct
    {
        QString text;
        QStringList pieces;
    } cases[] = {
        {"00:01:30", {"00", "01", "30"}},
        {"a::b", {"a", "", "b"}},
        {":a", {"", "a"}},
        {"a:", {"a"}},
        {"", {}},
        {":", {""}},
        {"abc", {"abc"}},
        {"::", {"", ""}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TextSplit::ByChar(c.text, ':'), c.pieces) << c.text.toStdString();
}

TEST(SplitByChar, NonEmptyKeepsOnlyTheNonEmptyPieces)
{
    const struct
    {
        QString text;
        QStringList pieces;
    } cases[] = {{"2.0.0.0", {"2", "0", "0", "0"}}, {"a..b.", {"a", "b"}}, {"", {}}, {".", {}}};
    for (const auto &c : cases) {
        EXPECT_EQ(TextSplit::NonEmpty(c.text, '.'), c.pieces) << c.text.toStdString();
    }
}

TEST(ParseNumber, ReadsNumbersLeniently)
{
    const struct
    {
        QString text;
        double value;
    } cases[] = {
        {" 12.5s", 12.5},   {"1.2.3", 1.23},
        {"5-3", 53},        {"--5", -5},
        {"+7", 7},          {"abc", 0},
        {"12,5", 125},      {"", 0},
        {"-", 0},           {"+", 0},
        {"-5-", -5},        {"+-5", 5},
        {"\t 42 \r\n", 42}, {"time=00.40", 0.4},
        {"-.5", -0.5},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(NumberText::Parse(c.text), c.value) << c.text.toStdString();
}

TEST(ParseNumber, WhatIsKeptMustFormANumber)
{
    for (const QString text : {".", "-.", "x.y", "+."})
        EXPECT_THROW(NumberText::Parse(text), EConvertError) << text.toStdString();
}

TEST(FormatSize, TruncatesToTwoDecimalsWithTheUnit)
{
    const struct
    {
        qint64 count;
        const char *text;
    } cases[] = {
        {0, "0 B"},
        {1023, "1023 B"},
        {1024, "1 KB"},
        {1536, "1.5 KB"},
        {1048575, "1023.99 KB"},
        {1048576, "1 MB"},
        {1073741823, "1023.99 MB"},
        {1073741824, "1 GB"},
        {qint64(5.5 * 1073741824.0), "5.5 GB"},
        {-5, "0 B"},
        {qint64(4096) * 1073741824, "4096 GB"},
    };
    QLocale::setDefault(QLocale::c());
    for (const auto &c : cases)
        EXPECT_EQ(FileSizeText::Of(c.count), c.text) << c.count;
}

TEST(FormatSize, WritesTheUsersDecimalSeparatorWithoutGroups)
{
    const struct
    {
        qint64 count;
        const char *text;
    } cases[] = {
        {1023, "1023 B"},
        {1536, "1,5 KB"},
        {1048575, "1023,99 KB"},
        {5000000, "4,76 MB"},
        {qint64(4096) * 1073741824, "4096 GB"},
    };
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const auto &c : cases)
        EXPECT_EQ(FileSizeText::Of(c.count), c.text) << c.count;
    QLocale::setDefault(QLocale::c());
}

TEST(FormatDuration, WritesHoursMinutesAndSeconds)
{
    const struct
    {
        qint64 seconds;
        const char *text;
    } cases[] = {
        {0, "00:00:00"},       {59, "00:00:59"},
        {60, "00:01:00"},      {3599, "00:59:59"},
        {3600, "01:00:00"},    {3661, "01:01:01"},
        {360000, "100:00:00"}, {-1, "00:00:00"},
        {-7200, "00:00:00"},   {Q_INT64_C(9223372036854775807), "2562047788015215:30:07"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TimeText::FromSeconds(c.seconds), c.text) << c.seconds;
}

TEST(PadQuotient, PadsTheQuotientWithZeros)
{
    EXPECT_EQ(NumberText::PadQuotient(2, 60000, 90000), "01");
    EXPECT_EQ(NumberText::PadQuotient(2, 1, 123), "123");
    EXPECT_EQ(NumberText::PadQuotient(5, 10, 420), "00042");
    EXPECT_EQ(NumberText::PadQuotient(0, 1, 0), "0");
    EXPECT_THROW(NumberText::PadQuotient(2, 0, 5), std::invalid_argument);
}

TEST(FileNames, TextAfterLastBaseNameAndFolder)
{
    EXPECT_EQ(FileNames::TextAfterLast("x.y.z", '.'), "z");
    EXPECT_EQ(FileNames::TextAfterLast("xyz", '.'), "xyz");
    EXPECT_EQ(FileNames::TextAfterLast("xyz.", '.'), "");

    const struct
    {
        QString path, base, folder;
    } cases[] = {
        {"/v/clip", "", "/v/"},
        {"/v/a.b.avi", "a.b", "/v/"},
        {"/Video/my.clip.avi", "my.clip", "/Video/"},
        {"/v.d/clip", "", "/v.d/"},
        {"clip.avi", "clip", ""},
        {"/v/.hidden", "", "/v/"},
        {"/v/name.", "name", "/v/"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FileNames::BaseNameOf(c.path), c.base) << c.path.toStdString();
        EXPECT_EQ(FileNames::FolderOf(c.path), c.folder) << c.path.toStdString();
    }
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
