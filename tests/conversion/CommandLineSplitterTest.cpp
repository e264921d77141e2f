#include "conversion/CommandLineSplitter.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase
{
    const char *text;
    QStringList expected;
};

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

TEST(CommandLineSplitterTest, TheProgramIsTheOneNamedWhateverItsBlanks)
{
    const QString tcore = "/opt/my app/Clip wright/tcore";
    const QString input = R"(/v/a "b".avi)";
    const auto split = CommandLineSplitter::Split(
        tcore + " -y -i " + CommandLineSplitter::QuoteArgument(input) + " -b 128", tcore);
    EXPECT_TRUE(split.ok);
    EXPECT_EQ(split.program, tcore);
    EXPECT_EQ(split.arguments, (QStringList{"-y", "-i", input, "-b", "128"}));

    const auto bare = CommandLineSplitter::Split(tcore, tcore);
    EXPECT_TRUE(bare.ok);
    EXPECT_TRUE(bare.arguments.isEmpty());

    // A line that does not begin with the program, or only with a longer name, is refused.
    for (const QString &line : {QString("/opt/my -y"), tcore + "2 -y", QString()}) {
        const auto refused = CommandLineSplitter::Split(line, tcore);
        EXPECT_FALSE(refused.ok) << line.toStdString();
        EXPECT_TRUE(refused.arguments.isEmpty());
    }
    EXPECT_FALSE(CommandLineSplitter::Split(" -y", QString()).ok);
}
