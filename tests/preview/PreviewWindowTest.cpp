// The preview in a real window under Xvfb: a generated clip plays in the video window, and a
// screenshot of the screen shows its frame letter-boxed on black; stopping brings the logo
// back; a paused preview whose player was let go keeps its picture and plays on. Also runs
// offscreen, where the window is grabbed instead of the screen.

#include "platform/MpvPreviewGraph.h"
#include "platform/VideoWindow.h"
#include "preview/PreviewPlayer.h"
#include "preview/TrimStrip.h"
#include "preview/TrimStripModel.h"
#include "sources/SourceListModel.h"

#include "PreviewFixtures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

using previewtest::waitFor;

bool isBlack(QRgb c)
{
    return qRed(c) < 16 && qGreen(c) < 16 && qBlue(c) < 16;
}

// The screen where the display has one, else the window itself.
QImage shot(QWidget *window)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    return window->grab().toImage();
}

TEST(PreviewWindow, PlaysAClipLetterBoxedAndShowsTheLogoWhenStopped)
{
    previewtest::Clips clips;
    // 4:3 into the 253 x 152 window: black bars left and right.
    const QString clip = clips.video(3, QStringLiteral("320x240"));

    QWidget window;
    window.setFixedSize(310, 280);
    window.setStyleSheet(QStringLiteral("background: #1e3355;"));
    auto *video = new VideoWindow(&window);
    video->setGeometry(26, 76, 253, 152);
    SourceListModel list;
    PreviewPlayer player;
    TrimStripModel model(list, player);
    auto *strip = new TrimStrip(model, &window);
    strip->move(22, 234);

    MpvPreviewGraph::Outputs outputs;
    outputs.nullAudio = true;
    MpvPreviewGraph graph(outputs);
    graph.setReleaseIdleMs(300);
    graph.setVideoSink(video, video);
    player.SetGraph(&graph);
    player.SetMarks(&model.Marks);
    player.SetLog([](const QString &) {});
    QObject::connect(&player, &PreviewPlayer::logoVisibleChanged, video,
                     &VideoWindow::setLogoVisible);

    window.move(0, 0);
    window.show();
    ASSERT_TRUE(waitFor([&] { return window.isVisible() && video->isVisible(); }, 3000));
    EXPECT_TRUE(video->logoVisible());

    player.OpenAndPlay(clip);
    ASSERT_EQ(player.LoadedFile, clip);
    EXPECT_FALSE(video->logoVisible());
    ASSERT_TRUE(waitFor([&] { return video->framesDrawn() >= 10; }, 5000))
        << "frames drawn: " << video->framesDrawn();
    QCoreApplication::processEvents();
    QThread::msleep(50);
    QCoreApplication::processEvents();

    const QImage screen = shot(&window);
    const QString file = QCoreApplication::applicationDirPath() + "/preview_window_screenshot.png";
    screen.save(file);
    const QPoint origin = QGuiApplication::platformName() == QLatin1String("xcb")
                              ? video->mapToGlobal(QPoint(0, 0))
                              : video->mapTo(&window, QPoint(0, 0));
    const QImage view = screen.copy(QRect(origin, video->size()));
    // The frame's aspect ratio is kept: 152 * 4 / 3 = 203 px wide, 25 px of black each side.
    EXPECT_TRUE(isBlack(view.pixel(5, 76)));
    EXPECT_TRUE(isBlack(view.pixel(247, 76)));
    // The test picture is colourful inside.
    QSet<QRgb> colours;
    for (int x = 40; x < 213; x += 4)
        colours.insert(view.pixel(x, 40) & 0xf0f0f0);
    EXPECT_GE(colours.size(), 5) << "screenshot: " << qPrintable(file);

    // Paused long enough, the player is let go; the picture and the position stay, and
    // Play goes on from there.
    player.onPauseRequested();
    QCoreApplication::processEvents();
    const qint64 rested = graph.currentPosition();
    ASSERT_TRUE(waitFor([&] { return !graph.holdsPlayer(); }, 10000));
    EXPECT_TRUE(graph.isActive());
    EXPECT_FALSE(video->logoVisible());
    EXPECT_EQ(graph.currentPosition(), rested);
    const QImage held = shot(&window).copy(QRect(origin, video->size()));
    EXPECT_TRUE(isBlack(held.pixel(5, 76)));
    QSet<QRgb> heldColours;
    for (int x = 40; x < 213; x += 4)
        heldColours.insert(held.pixel(x, 40) & 0xf0f0f0);
    EXPECT_GE(heldColours.size(), 5);
    const quint64 framesBefore = video->framesDrawn();
    player.onPlayRequested(list);
    EXPECT_TRUE(player.IsPlaying);
    EXPECT_TRUE(graph.holdsPlayer());
    EXPECT_TRUE(waitFor([&] { return video->framesDrawn() > framesBefore; }, 5000));
    EXPECT_GE(graph.currentPosition(), rested);

    player.onStopRequested();
    EXPECT_TRUE(video->logoVisible());
    EXPECT_FALSE(graph.isActive());
    QCoreApplication::processEvents();
    const QImage logo = shot(&window).copy(QRect(origin, video->size()));
    EXPECT_FALSE(isBlack(logo.pixel(5, 76))); // the logo covers the whole window
}

// A phone's clip stores its pictures turned and says in its display matrix how to show them.
// Each rotation plays upright: the quadrants of the picture (red, green / blue, white) are
// where they belong, whatever the stored turn.
TEST(PreviewWindow, PlaysEveryRotationUpright)
{
    previewtest::Clips clips;
    const QString dir = QFileInfo(clips.video(1)).absolutePath();
    const QString quadrants = QStringLiteral(
        "nullsrc=s=160x120:d=2:r=25,format=rgb24,"
        "geq=r='255*lt(X\\,W/2)*lt(Y\\,H/2)+255*gte(X\\,W/2)*gte(Y\\,H/2)'"
        ":g='255*gte(X\\,W/2)*lt(Y\\,H/2)+255*gte(X\\,W/2)*gte(Y\\,H/2)'"
        ":b='255*lt(X\\,W/2)*gte(Y\\,H/2)+255*gte(X\\,W/2)*gte(Y\\,H/2)'");
    // The rotate tag, and the turn that stores the upright picture for it (the ffmpeg tool
    // and the encoder turn such a clip back upright).
    const std::pair<const char *, const char *> turns[] = {
        {"0", nullptr}, {"90", "transpose=clock"}, {"180", "hflip,vflip"}, {"270", "transpose=cclock"}};

    QWidget window;
    window.setFixedSize(310, 280);
    auto *video = new VideoWindow(&window);
    video->setGeometry(26, 76, 253, 152);
    MpvPreviewGraph::Outputs outputs;
    outputs.nullAudio = true;
    MpvPreviewGraph graph(outputs);
    graph.setVideoSink(video, video);
    window.move(0, 0);
    window.show();
    ASSERT_TRUE(waitFor([&] { return video->isVisible(); }, 3000));
    video->setLogoVisible(false);

    for (const auto &[rotate, stored] : turns) {
        SCOPED_TRACE(rotate);
        const QString plain = dir + QStringLiteral("/turn%1.plain.mp4").arg(rotate);
        const QString clip = dir + QStringLiteral("/turn%1.mp4").arg(rotate);
        ASSERT_TRUE(previewtest::ffmpeg({"-f", "lavfi", "-i",
                                         stored ? quadrants + "," + stored : quadrants,
                                         "-c:v", "mpeg4", "-q:v", "2", plain}));
        ASSERT_TRUE(previewtest::ffmpeg(
            {"-i", plain, "-c", "copy", "-metadata:s:v:0", QStringLiteral("rotate=%1").arg(rotate), clip}));

        graph.makeActive();
        ASSERT_EQ(graph.renderFile(clip), IPreviewGraph::RenderResult::Full);
        const quint64 before = video->framesDrawn();
        ASSERT_TRUE(graph.run());
        ASSERT_TRUE(waitFor([&] { return video->framesDrawn() >= before + 5; }, 5000));
        QCoreApplication::processEvents();
        const QPoint origin = QGuiApplication::platformName() == QLatin1String("xcb")
                                  ? video->mapToGlobal(QPoint(0, 0))
                                  : video->mapTo(&window, QPoint(0, 0));
        const QImage view = shot(&window).copy(QRect(origin, video->size()));
        const QPoint centre(view.width() / 2, view.height() / 2);
        auto near = [&](int dx, int dy, QRgb want) {
            const QRgb c = view.pixel(centre + QPoint(dx, dy));
            return qAbs(qRed(c) - qRed(want)) < 80 && qAbs(qGreen(c) - qGreen(want)) < 80 &&
                   qAbs(qBlue(c) - qBlue(want)) < 80;
        };
        EXPECT_TRUE(near(-45, -35, qRgb(255, 0, 0))) << "top left is red";
        EXPECT_TRUE(near(45, -35, qRgb(0, 255, 0))) << "top right is green";
        EXPECT_TRUE(near(-45, 35, qRgb(0, 0, 255))) << "bottom left is blue";
        EXPECT_TRUE(near(45, 35, qRgb(255, 255, 255))) << "bottom right is white";
        graph.makeInactive();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
