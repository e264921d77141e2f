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

// A portrait phone clip plays upright, a preview left at rest until its player is released
// takes another file, and without libmpv the preview says why under the logo while the
// program goes on: preview_survives.sh runs the three in the real window.
TEST(PreviewMainWindow, SurvivesPortraitClipsARestAndAMissingPlayer)
{
    const QString appDir = qEnvironmentVariable("CLIPWRIGHT_APP_DIR");
    if (appDir.isEmpty() || !QFile::exists(appDir + "/clipwright"))
        GTEST_SKIP() << "needs the built program";
    previewtest::Clips clips;
    const QString other = clips.video(2, "320x240");
    // Red, green / blue, white quadrants, stored with a quarter turn clockwise as a phone held
    // upright stores them, and the display matrix that turns them back.
    const QString stored = clips.path("portrait.stored.mp4");
    const QString portrait = clips.path("portrait.mp4");
    ASSERT_TRUE(previewtest::ffmpeg(
        {"-f", "lavfi", "-i",
         "nullsrc=s=120x160:d=6:r=25,format=rgb24,"
         "geq=r='255*lt(X\\,W/2)*lt(Y\\,H/2)+255*gte(X\\,W/2)*gte(Y\\,H/2)'"
         ":g='255*gte(X\\,W/2)*lt(Y\\,H/2)+255*gte(X\\,W/2)*gte(Y\\,H/2)'"
         ":b='255*lt(X\\,W/2)*gte(Y\\,H/2)+255*gte(X\\,W/2)*gte(Y\\,H/2)',"
         "transpose=clock",
         "-c:v", "mpeg4", "-q:v", "2", stored}));
    ASSERT_TRUE(previewtest::ffmpeg({"-i", stored, "-c", "copy", "-metadata:s:v:0", "rotate=90", portrait}));
    QTemporaryDir work;
    ASSERT_TRUE(copyFolder(appDir, work.filePath("app")));

    QProcess driver;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("HOME", work.path());
    driver.setProcessEnvironment(env);
    driver.setProcessChannelMode(QProcess::MergedChannels);
    driver.start("bash", {QStringLiteral(CLIPWRIGHT_SURVIVE_SCRIPT), work.filePath("app"),
                          QStringLiteral(CLIPWRIGHT_DRAG_SOURCE), portrait, other, work.path()});
    if (!driver.waitForFinished(200000)) {
        driver.kill();
        driver.waitForFinished(5000);
        FAIL() << "the run did not finish: " << driver.readAll().constData();
    }
    const QByteArray said = driver.readAll();
    ASSERT_EQ(driver.exitCode(), 0) << said.constData();

    // The main window's video window sits at 26, 76 and is 253 x 152.
    const QRect video(26, 76, 253, 152);
    const QImage shot(work.filePath("portrait.png"));
    ASSERT_FALSE(shot.isNull());
    auto near = [](const QImage &img, QPoint at, QRgb want) {
        const QRgb c = img.pixel(at);
        return qAbs(qRed(c) - qRed(want)) < 80 && qAbs(qGreen(c) - qGreen(want)) < 80 &&
               qAbs(qBlue(c) - qBlue(want)) < 80;
    };
    const QPoint centre = video.center();
    EXPECT_TRUE(near(shot, centre + QPoint(-25, -35), qRgb(255, 0, 0))) << "top left is red";
    EXPECT_TRUE(near(shot, centre + QPoint(25, -35), qRgb(0, 255, 0))) << "top right is green";
    EXPECT_TRUE(near(shot, centre + QPoint(-25, 35), qRgb(0, 0, 255))) << "bottom left is blue";
    EXPECT_TRUE(near(shot, centre + QPoint(25, 35), qRgb(255, 255, 255))) << "bottom right is white";
    // Upright and pillar-boxed: black at both sides.
    EXPECT_EQ(shot.pixel(video.left() + 10, centre.y()) & 0xf0f0f0, 0u);

    if (said.contains("no mount namespace here"))
        return;
    const QImage missing(work.filePath("nompv.png"));
    ASSERT_FALSE(missing.isNull());
    // The logo with a dark line at its foot that holds light text: the reason.
    int dark = 0, light = 0;
    for (int y = video.bottom() - 14; y <= video.bottom() - 2; ++y)
        for (int x = video.left() + 20; x <= video.right() - 20; ++x) {
            const int grey = qGray(missing.pixel(x, y));
            dark += grey < 70;
            light += grey > 190;
        }
    EXPECT_GT(dark, 800);
    EXPECT_GT(light, 40);
    // Above it, the logo.
    EXPECT_NE(missing.pixel(video.left() + 4, centre.y()) & 0xf0f0f0, 0u);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
