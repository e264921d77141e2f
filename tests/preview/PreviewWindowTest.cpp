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
    player.btnPauseClick();
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
    player.btnPlayClick(list);
    EXPECT_TRUE(player.IsPlaying);
    EXPECT_TRUE(graph.holdsPlayer());
    EXPECT_TRUE(waitFor([&] { return video->framesDrawn() > framesBefore; }, 5000));
    EXPECT_GE(graph.currentPosition(), rested);

    player.btnStopClick();
    EXPECT_TRUE(video->logoVisible());
    EXPECT_FALSE(graph.isActive());
    QCoreApplication::processEvents();
    const QImage logo = shot(&window).copy(QRect(origin, video->size()));
    EXPECT_FALSE(isBlack(logo.pixel(5, 76))); // the logo covers the whole window
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
