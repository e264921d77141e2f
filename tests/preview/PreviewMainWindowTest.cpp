// The preview on the real main window, end to end under Xvfb: the program (a copy of the
// built program folder) gets a generated clip dragged onto it from another program, Play
// is clicked, and a screenshot of the window shows the clip's frame in the video window;
// after Stop the logo is back. play_in_main_window.sh gives the real input.

#include "PreviewFixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &fi : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + fi.fileName();
        if (fi.isDir() ? !copyFolder(fi.filePath(), target)
                       : !QFile::copy(fi.filePath(), target))
            return false;
        QFile::setPermissions(target, fi.permissions());
    }
    return true;
}

int distinctColours(const QImage &img, const QRect &area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 6)
        for (int x = area.left(); x <= area.right(); x += 6)
            colours.insert(img.pixel(x, y) & 0xe0e0e0);
    return colours.size();
}

TEST(PreviewMainWindow, PlaysTheDroppedClip)
{
    const QString appDir = qEnvironmentVariable("CLIPWRIGHT_APP_DIR");
    if (appDir.isEmpty() || !QFile::exists(appDir + "/clipwright"))
        GTEST_SKIP() << "needs the built program";
    previewtest::Clips clips;
    const QString clip = clips.video(6, "320x240");
    QTemporaryDir work;
    ASSERT_TRUE(copyFolder(appDir, work.filePath("app")));
    const QString playing = work.filePath("playing.png");
    const QString stopped = work.filePath("stopped.png");

    QProcess driver;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("HOME", work.path());
    driver.setProcessEnvironment(env);
    driver.setProcessChannelMode(QProcess::MergedChannels);
    driver.start("bash", {QStringLiteral(CLIPWRIGHT_PLAY_SCRIPT), work.filePath("app"),
                          QStringLiteral(CLIPWRIGHT_DRAG_SOURCE), clip, playing, stopped});
    if (!driver.waitForFinished(100000)) {
        driver.kill();
        driver.waitForFinished(5000);
        FAIL() << "the run did not finish: " << driver.readAll().constData();
    }
    ASSERT_EQ(driver.exitCode(), 0) << driver.readAll().constData();

    const QImage shot(playing);
    ASSERT_FALSE(shot.isNull());
    // The main window's video window sits at 26, 76 and is 253 x 152.
    const QRect video(26, 76, 253, 152);
    // 4:3 letter-boxed: black bars at both sides, the colour bars of the clip inside.
    EXPECT_EQ(shot.pixel(video.left() + 4, video.center().y()) & 0xf0f0f0, 0u);
    EXPECT_EQ(shot.pixel(video.right() - 4, video.center().y()) & 0xf0f0f0, 0u);
    EXPECT_GE(distinctColours(shot, video.adjusted(40, 10, -40, -10)), 6);

    const QImage logo(stopped);
    ASSERT_FALSE(logo.isNull());
    EXPECT_NE(logo.pixel(video.left() + 4, video.center().y()) & 0xf0f0f0, 0u); // logo, not bars
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
