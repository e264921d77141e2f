#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ChildRun.h"
#include "settings/IniFile.h"
#include "report/AppErrors.h"

namespace {

// One INI file in a temporary Config folder, written and read as bytes.
class IniFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.path() + "/UserSettings.ini";
    }

    void write(const QByteArray &bytes)
    {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QByteArray read() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QStringList sections() const
    {
        QStringList list{"stale"};
        IniFile(m_path).ReadSections(&list);
        return list;
    }

    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(IniFileTest, TheWorkedExampleFromAMissingFile)
{
    IniFile(m_path).WriteString("USRInfo", "InitDir", "/home/user/Video/");
    EXPECT_EQ(read(), "\r\n[USRInfo]\r\nInitDir=/home/user/Video/\r\n");
    IniFile(m_path).WriteString("USRInfo", "SHWDDir", "1");
    EXPECT_EQ(read(), "\r\n[USRInfo]\r\nInitDir=/home/user/Video/\r\nSHWDDir=1\r\n");

    const IniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("usrinfo", "InitDir", "/"), "/home/user/Video/");
    EXPECT_EQ(ini.ReadString("USRInfo", "initdir", "/"), "/");
}

TEST_F(IniFileTest, ReadsByTheMatchingRules)
{
    write("[ USRInfo ]\r\nA=blank header\r\n"
          " [Other]\r\nA=indented header\r\n"
          "[usrinfo]\r\n"
          "initdir=small\r\n"
          "  Key  =  spaced value  \r\n"
          "Empty=\r\n"
          "k=v=w\r\n"
          ";c=comment key\r\n"
          "\"q\"=\"quoted\"\r\n"
          "Dup=first\r\nDup=second\r\n"
          "Gone==\r\n"
          "[USRINFO]\r\nLater=never seen\r\n"
          "[Next]\r\nKey=next\r\n");
    const IniFile ini(m_path);
    const struct
    {
        const char *section, *key, *value;
    } cases[] = {
        {"USRInfo", "initdir", "small"},
        {"USRInfo", "InitDir", "def"},
        {"USRInfo", "Key", "spaced value"},
        {"USRInfo", "Empty", "def"},
        {"USRInfo", "k", "v=w"},
        {"USRInfo", ";c", "comment key"},
        {"USRInfo", "\"q\"", "\"quoted\""},
        {"USRInfo", "Dup", "first"},
        {"USRInfo", "Gone", "="},
        {"USRInfo", "Later", "def"},
        {"USRInfo", "A", "def"},
        {"Other", "A", "def"},
        {"Next", "Key", "next"},
        {"Missing", "Key", "def"},
        {"USRInfo ", "Key", "def"},
        {"", "Key", "def"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "def"), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(sections(), QStringList({"USRInfo", "Other", "usrinfo", "USRINFO", "Next"}));
}

TEST_F(IniFileTest, ReadsIntegers)
{
    write("[s]\r\nhex=0x1A\r\nHEX=0X1a\r\ndollar=$1A\r\ndec=12\r\nneg=-12\r\nplus=+7\r\n"
          "junk=12abc\r\nempty=\r\nbig=2147483648\r\nmax=2147483647\r\nmin=-2147483648\r\n"
          "allf=$FFFFFFFF\r\nnine=$100000000\r\nzero=0x\r\nsign=-\r\nspace=1 2\r\n");
    const IniFile ini(m_path);
    const struct
    {
        const char *key;
        qint32 value;
    } cases[] = {
        {"hex", 26},
        {"HEX", 26},
        {"dollar", 26},
        {"dec", 12},
        {"neg", -12},
        {"plus", 7},
        {"junk", -99},
        {"empty", -99},
        {"big", -99},
        {"max", 2147483647},
        {"min", -2147483647 - 1},
        {"allf", -1},
        {"nine", -99},
        {"zero", -99},
        {"sign", -99},
        {"space", -99},
        {"missing", -99},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ini.ReadInteger("s", c.key, -99), c.value) << c.key;
}

TEST_F(IniFileTest, WritesByTheMatchingRules)
{
    const struct
    {
        const char *before;
        const char *section, *key, *value;
        const char *after;
    } cases[] = {
        // A header with blanks is not found: a new section goes to the end.
        {"[ USRInfo ]\r\nA=1\r\n", "USRInfo", "A", "2",
         "[ USRInfo ]\r\nA=1\r\n\r\n[USRInfo]\r\nA=2\r\n"},
        // A small-letter header is found; a small-letter key is not.
        {"[usrinfo]\r\ninitdir=/a/\r\n", "USRInfo", "InitDir", "/b/",
         "[usrinfo]\r\ninitdir=/a/\r\nInitDir=/b/\r\n"},
        // A found key line is rewritten without its spacing.
        {"[s]\r\n  k  =  old \r\n", "s", "k", "new", "[s]\r\nk=new\r\n"},
        // A new key goes after the empty line that closes the section, before the next one.
        {"[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "z", "3",
         "[a]\r\nx=1\r\n\r\nz=3\r\n[b]\r\ny=2\r\n"},
        // Lines of blanks, comments and junk stay as they are.
        {"[s]\r\n   \r\n; note\r\njunk\r\n", "s", "k", "v",
         "[s]\r\n   \r\n; note\r\njunk\r\nk=v\r\n"},
        // An empty key writes no key line, but the file is saved (and a section added).
        {"[s]\nk=v", "s", "", "v", "[s]\r\nk=v\r\n"},
        {"", "t", "", "v", "\r\n[t]\r\n"},
        // Only the first of two equal headers is used.
        {"[s]\r\n[S]\r\nk=1\r\n", "s", "k", "2", "[s]\r\nk=2\r\n[S]\r\nk=1\r\n"},
    };
    for (const auto &c : cases) {
        write(c.before);
        IniFile(m_path).WriteString(c.section, c.key, c.value);
        EXPECT_EQ(read(), c.after) << c.before;
    }
}

TEST_F(IniFileTest, WritesIntegersInDecimal)
{
    IniFile ini(m_path);
    ini.WriteInteger("count", "count", -42);
    ini.WriteInteger("count", "other", 7);
    EXPECT_EQ(read(), "\r\n[count]\r\ncount=-42\r\nother=7\r\n");
}

TEST_F(IniFileTest, ErasesSections)
{
    const struct
    {
        const char *before, *section, *after;
    } cases[] = {
        {"[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "[b]\r\ny=2\r\n"},
        {"\r\n[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "A", "\r\n\r\n[b]\r\ny=2\r\n"},
        {"[a]\r\nx=1\r\n[b]\r\n; c\r\n\r\ny=2\r\n[c]\r\n", "b", "[a]\r\nx=1\r\n\r\n[c]\r\n"},
        {"[a]\r\n[b]\r\n", "b", "[a]\r\n\r\n"},
    };
    for (const auto &c : cases) {
        write(c.before);
        IniFile(m_path).EraseSection(c.section);
        EXPECT_EQ(read(), c.after) << c.before;
    }
}

TEST_F(IniFileTest, ErasingAMissingSectionLeavesTheFileUntouched)
{
    write("[a]\nx=1"); // would be rewritten with CR LF if saved
    const QDateTime before = QFileInfo(m_path).lastModified();
    IniFile(m_path).EraseSection("b");
    EXPECT_EQ(read(), "[a]\nx=1");
    EXPECT_EQ(QFileInfo(m_path).lastModified(), before);
}

TEST_F(IniFileTest, SplitsLinesAtCrLfAndCrLf)
{
    write("[s]\ra=1\nb=2\r\nc=3\n\rd=4\r\r\ne=5");
    const IniFile ini(m_path);
    EXPECT_EQ(ini.Lines(), QList<QByteArray>({"[s]", "a=1", "b=2", "c=3", "", "d=4", "", "e=5"}));
    for (const char *key : {"a", "b", "c", "d", "e"})
        EXPECT_FALSE(ini.ReadString("s", key, "").isEmpty()) << key;
    EXPECT_TRUE(IniFile(m_path + ".missing").Lines().isEmpty());
    write("");
    EXPECT_TRUE(IniFile(m_path).Lines().isEmpty());
    write("\r\n");
    EXPECT_EQ(IniFile(m_path).Lines(), QList<QByteArray>({""}));
}

TEST_F(IniFileTest, JunkNulBytesAndLongLinesAreKeptAndIgnored)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 37 + 11) % 256);
    junk.replace('\r', 'x').replace('\n', 'y').replace('=', 'z').replace('[', '(');
    const QByteArray longLine = "Long=" + QByteArray(3 * 1024 * 1024, 'v');
    const QByteArray nul("k\0ey=va\0lue", 11);
    write("[s]\r\n" + junk + "\r\n" + nul + "\r\n" + longLine + "\r\n\xff\xfe=\x80\r\n[s]\r\n");
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("s", "Long", "").size(), 3 * 1024 * 1024);
    EXPECT_EQ(ini.ReadString("s", QString::fromUtf8(QByteArray("k\0ey", 4)), "def"),
              QString::fromUtf8(QByteArray("va\0lue", 6)));

    ini.WriteString("s", "New", "1");
    // The junk, the NUL bytes and the long line come back byte for byte.
    EXPECT_EQ(read(), "[s]\r\n" + junk + "\r\n" + nul + "\r\n" + longLine +
                          "\r\n\xff\xfe=\x80\r\nNew=1\r\n[s]\r\n");

    // A byte-order mark makes the first line no header.
    write("\xef\xbb\xbf[b]\r\nk=1\r\n");
    EXPECT_EQ(IniFile(m_path).ReadString("b", "k", "def"), "def");
}

TEST_F(IniFileTest, ReadSectionsNeedsAList)
{
    try {
        IniFile(m_path).ReadSections(nullptr);
        FAIL() << "no error";
    } catch (const std::invalid_argument &error) {
        EXPECT_STREQ(error.what(), "Param Strings must be assigned");
    }
    EXPECT_EQ(sections(), QStringList());
}

TEST_F(IniFileTest, AFileThatCannotBeReadOrWrittenRaisesThePlatformError)
{
    // A folder where the file should be: cannot be opened, for root too.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Folder.ini"));
    const QString folder = m_dir.path() + "/Folder.ini";
    try {
        IniFile ini(folder);
        FAIL() << "no error";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(
            QString::fromUtf8(error.what()).startsWith("Cannot open file \"" + folder + "\". "))
            << error.what();
    }

    // A pipe or a device in its place is refused at once instead of blocking or reading
    // without end.
    const QString fifo = m_dir.path() + "/Pipe.ini";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {fifo, QString("/dev/zero")})
        EXPECT_THROW(IniFile ini(path), EInOutError) << path.toStdString();

    // A missing Config folder: the write fails, the change stays in memory.
    const QString missing = m_dir.path() + "/Config/UserSettings.ini";
    IniFile ini(missing);
    try {
        ini.WriteString("USRInfo", "OutDir", "/out");
        FAIL() << "no error";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(
            QString::fromUtf8(error.what()).startsWith("Cannot create file \"" + missing + "\". "))
            << error.what();
    }
    EXPECT_EQ(ini.ReadString("USRInfo", "OutDir", ""), "/out");
    EXPECT_FALSE(QFileInfo::exists(m_dir.path() + "/Config"));
}

TEST_F(IniFileTest, AReadOnlyFileIsNotReplaced)
{
    write("[s]\r\nk=1\r\n");
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_THROW(IniFile(m_path).WriteString("s", "k", "2"), EInOutError);
    EXPECT_EQ(read(), "[s]\r\nk=1\r\n");
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(IniFileTest, AFailedSaveLeavesThePreviousFileIntact)
{
    const QByteArray before = "\r\n[s]\r\nk=" + QByteArray(100, 'o') + "\r\n";
    write(before);
    IniFile ini(m_path);

    // A file size limit stands in for a full disk: the new content cannot be written.
    const sighandler_t oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        ini.WriteString("s", "k", QString(64 * 1024, 'n'));
    } catch (const EInOutError &error) {
        failed = QString::fromUtf8(error.what()).startsWith("Cannot create file");
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(failed);
    EXPECT_EQ(read(), before);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList({"UserSettings.ini"}));
}

// The settings file as the program leaves it at exit: 112 bytes.
const QByteArray kSettings =
    "\r\n[USRInfo]\r\nInitDir=/home/user/Video/\r\nSHWDDir=1\r\nSHUTDOWN=0\r\n"
    "OutDir=/home/user/Clipwright/Converted/MyPhones\r\n";

// In the child: a save that must fail with the file-creation error of path.
std::string expectCreateError(const QString &path, const std::function<void()> &save)
{
    try {
        save();
    } catch (const EInOutError &error) {
        if (QString::fromUtf8(error.what()).startsWith("Cannot create file \"" + path + "\". "))
            return {};
        return std::string("other error: ") + error.what();
    }
    return "no error raised";
}

// A small file is written in one piece when it is committed, not when it is handed over;
// a failure then (a full disk, a size limit) must keep the old file all the same.
TEST_F(IniFileTest, ASmallSaveThatFailsAtCommitKeepsTheOldFile)
{
    ASSERT_EQ(kSettings.size(), 112);
    write(kSettings);
    const auto outcome = childrun::Run([&] {
        if (!childrun::LimitFileSize(64))
            return std::string("cannot limit the file size");
        return expectCreateError(m_path, [&] {
            IniFile(m_path).WriteString("USRInfo", "InitDir", "/home/user/Videos/");
        });
    });
    EXPECT_TRUE(outcome.passed) << outcome.message;
    EXPECT_EQ(read(), kSettings);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"UserSettings.ini"}));
}

TEST_F(IniFileTest, ASaveOnAFullDiskKeepsTheOldFile)
{
    const QString disk = m_dir.path() + "/disk";
    ASSERT_TRUE(QDir().mkpath(disk));
    const QString path = disk + "/UserSettings.ini";
    // The small file system lives in the child's own mount namespace, so the child checks.
    const auto outcome = childrun::Run([&]() -> std::string {
        const std::string mounted = childrun::MountSmallTmpfs(disk.toStdString(), 16);
        if (!mounted.empty())
            return childrun::kSkipPrefix + mounted;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(kSettings) != kSettings.size())
            return "cannot write the settings file";
        file.close();
        if (!childrun::FillFileSystem(disk.toStdString()))
            return "cannot fill the file system";
        const std::string error = expectCreateError(path, [&] {
            IniFile(path).WriteString("USRInfo", "InitDir", "/home/user/Videos/");
        });
        if (!error.empty())
            return error;
        QFile after(path);
        if (!after.open(QIODevice::ReadOnly) || after.readAll() != kSettings)
            return "the settings file changed";
        const QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
        if (left != QStringList({"filler", "UserSettings.ini"}))
            return "left behind: " + left.join(' ').toStdString();
        return {};
    });
    if (outcome.skipped)
        GTEST_SKIP() << outcome.message;
    EXPECT_TRUE(outcome.passed) << outcome.message;
}

} // namespace
