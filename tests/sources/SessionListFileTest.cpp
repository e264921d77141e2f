// The session's source list file: a round trip of awkward names, and damaged, foreign and
// newer files that must never crash or hang the start.
#include "sources/SessionListFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace SessionListFile;

namespace {

Session sample()
{
    Session s;
    s.selected = 2;
    s.rows = {{"/home/u/Videos/holiday clip.mp4", true, true, "00:00:00", "00:01:30"},
              {"/home/u/two\nlines 100% é.avi", false, false, "00:00:05", "00:00:09"},
              {"/media/x/a b/c\td.mkv", true, false, "01:02:03", "01:10:00"}};
    return s;
}

TEST(SessionListFile, RoundTripsAwkwardNamesTicksTrimsAndTheSelection)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("SourceList.txt");
    ASSERT_TRUE(Write(path, sample()));
    const ReadResult read = Read(path);
    ASSERT_EQ(read.status, Status::Ok);
    EXPECT_EQ(read.session, sample());
    // Every row is one line, whatever its name holds.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('\n'), 2 + 3 + 1);
    EXPECT_EQ(Read(dir.filePath("none.txt")).status, Status::Missing);
}

TEST(SessionListFile, DamagedForeignAndNewerFilesAreToldApart)
{
    const QByteArray good = Encode(sample());
    const struct
    {
        const char *what;
        QByteArray bytes;
        Status status;
    } cases[] = {
        {"empty", "", Status::Foreign},
        {"another program's", "[USRInfo]\nOutDir=/x\n", Status::Foreign},
        {"binary", QByteArray("\0\1\2\xff", 4), Status::Foreign},
        {"newer", "Clipwright source list 2\nwhatever comes\n", Status::Newer},
        {"cut short", good.left(good.size() / 2), Status::Damaged},
        {"without its end", good.left(good.lastIndexOf("end")), Status::Damaged},
        {"a wrong count", QByteArray(good).replace("end 3", "end 4"), Status::Damaged},
        {"a bad time", QByteArray(good).replace("00:01:30", "00:1:30"), Status::Damaged},
        {"a bad tick", QByteArray(good).replace("row 1 1", "row 2 1"), Status::Damaged},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const ReadResult read = Decode(c.bytes);
        EXPECT_EQ(read.status, c.status);
        EXPECT_TRUE(read.session.rows.isEmpty());
    }
    // A selection beyond the rows is dropped, not trusted.
    const ReadResult odd = Decode(QByteArray(good).replace("selected 2", "selected 9"));
    ASSERT_EQ(odd.status, Status::Ok);
    EXPECT_EQ(odd.session.selected, -1);
}

TEST(SessionListFile, ThousandsOfRowsAndAFileSetAside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("SourceList.txt");
    Session big;
    for (int i = 0; i < 20000; ++i)
        big.rows << Entry{QStringLiteral("/v/clip %1.mp4").arg(i), i % 2 == 0, false, "00:00:00", "00:00:10"};
    ASSERT_TRUE(Write(path, big));
    EXPECT_EQ(Read(path).session.rows.size(), 20000);

    SetAside(path);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QFile::exists(path + ".bad"));
}

} // namespace
