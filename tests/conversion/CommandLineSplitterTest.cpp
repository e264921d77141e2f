#include "conversion/CommandLineSplitter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SplitCase
{
    const char *text;
    QStringList expected;
};

// Creates an empty file, with any missing folders.
QString touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    return path;
}

} // namespace

TEST(CommandLineSplitterTest, SplitsByWindowsQuotingRules)
{
    const SplitCase cases[] = {
        {R"( -y -i "a b.avi" -s 160x120)", {"-y", "-i", "a b.avi", "-s", "160x120"}},
        {"  a\t b  ", {"a", "b"}},
        {R"(a\\\b)", {R"(a\\\b)"}},               // backslashes without a quote are literal
        {R"("a\\\"b")", {R"(a\"b)"}},             // 2n+1 backslashes: n and a literal quote
        {R"(a\\\\"b c")", {R"(a\\b c)"}},         // 2n backslashes: n, and the quote groups
        {R"("dir\\" next)", {R"(dir\)", "next"}}, // a doubled trailing backslash
        {R"("" x)", {"", "x"}},                   // a quoted empty argument stays
        {R"(ab"c d"ef)", {"abc def"}},            // quotes group inside a word
        {"", {}},
    };
    for (const SplitCase &c : cases) {
        EXPECT_EQ(CommandLineSplitter::SplitArguments(QString::fromUtf8(c.text)), c.expected)
            << c.text;
    }
}

TEST(CommandLineSplitterTest, OrdinaryNamesAreJustEnclosedInQuotes)
{
    EXPECT_EQ(CommandLineSplitter::QuoteArgument("/home/u/Video/holiday.avi"),
              R"("/home/u/Video/holiday.avi")");
    EXPECT_EQ(CommandLineSplitter::QuoteArgument("/home/u/My Videos/a b.avi"),
              R"("/home/u/My Videos/a b.avi")");
    EXPECT_EQ(CommandLineSplitter::QuoteArgument(R"(a\b)"), R"("a\b")");
}

TEST(CommandLineSplitterTest, QuotedNamesRoundTrip)
{
    const QStringList names = {
        R"(/v/say "hi".avi)",
        R"(/v/back\slash.avi)",
        R"(/v/trailing\)",
        R"(/v/trailing\\)",
        R"(/v/\"odd\\"even.avi)",
        R"(/v/"quoted")",
        "/v/  blanks\tand tab  .avi",
        QString::fromUtf8("/v/Übergröße 日本語 ёж.mp4"),
        "/v/line\nbreak.avi",
        "",
    };
    for (const QString &name : names) {
        const QString quoted = CommandLineSplitter::QuoteArgument(name);
        EXPECT_EQ(CommandLineSplitter::SplitArguments(" -i " + quoted + " -y " + quoted),
                  (QStringList{"-i", name, "-y", name}))
            << quoted.toStdString();
    }
}

TEST(CommandLineSplitterTest, ProgramIsTheShortestPrefixNamingAFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString appDir = dir.path() + "/Program Files/Clip wright/";
    const QString tcore = touch(appDir + "tcore");
    QDir().mkpath(dir.path() + "/Program"); // a folder is not a program

    const QString input = R"(/v/a "b".avi)";
    const auto split = CommandLineSplitter::Split(
        tcore + " -y -i " + CommandLineSplitter::QuoteArgument(input) + " -b 128");
    EXPECT_EQ(split.program, tcore);
    EXPECT_EQ(split.arguments, (QStringList{"-y", "-i", input, "-b", "128"}));

    // A shorter prefix that names a file wins.
    const QString shorter = touch(dir.path() + "/Program Files/Clip");
    EXPECT_EQ(CommandLineSplitter::Split(tcore + " -y").program, shorter);
}

TEST(CommandLineSplitterTest, MissingProgramFallsBackToTheFirstWord)
{
    const auto split = CommandLineSplitter::Split("/nowhere/at all/tcore -y",
                                                  [](const QString &) { return false; });
    EXPECT_EQ(split.program, "/nowhere/at");
    EXPECT_EQ(split.arguments, (QStringList{"all/tcore", "-y"}));

    const auto exists = [](const QString &p) { return p == "/opt/x y/tcore"; };
    const auto found = CommandLineSplitter::Split("/opt/x y/tcore", exists);
    EXPECT_EQ(found.program, "/opt/x y/tcore");
    EXPECT_TRUE(found.arguments.isEmpty());
}
