// The text helpers: splitting, numbers, sizes and durations.
#include "text/FileSizeText.h"
#include "text/NumberText.h"
#include "text/TextSplit.h"
#include "text/TimeText.h"
#include "report/AppErrors.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <stdexcept>

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

} // namespace
