#pragma once

#include "platform/IMpvVideoSink.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

class QLabel;
class ScreenSaverInhibitor;
struct mpv_render_context;

// The preview's video window (videoWindow): draws the video of the preview graph with
// libmpv's software renderer, letter-boxed on black, and holds the logo panel (panLogo with
// imgLOGO) that covers it whenever nothing plays. The mouse cursor hides after 3 s without
// movement over the video, and the screen saver stays away while video is shown.
class VideoWindow : public QWidget, public IMpvVideoSink
{
    Q_OBJECT

public:
    explicit VideoWindow(QWidget *parent = nullptr);
    ~VideoWindow() override;

    bool attachMpv(mpv_handle *mpv) override;
    void detachMpv() override;
    void releaseMpv() override;

    // Shows or hides the logo panel over the video.
    void setLogoVisible(bool visible);
    bool logoVisible() const;
    // One line over the foot of the logo that says why nothing is previewed; empty hides it.
    void setNotice(const QString &text);
    QString notice() const;
    QWidget *panLogo() const { return m_panLogo; }

    // The last frame drawn, letter-boxed to the window's size (null when none).
    QImage currentFrame() const { return m_frame; }
    // Frames drawn since the window was made.
    quint64 framesDrawn() const { return m_framesDrawn; }

    // The logo picture, drawn for size.
    static QImage LogoPicture(const QSize &size);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void renderFrame(bool force);
    void placeNotice();

    mpv_render_context *m_ctx = nullptr;
    std::unique_ptr<uchar, void (*)(void *)> m_buffer{nullptr, nullptr};
    QImage m_frame;
    QWidget *m_panLogo = nullptr;
    QLabel *m_notice = nullptr;
    QTimer m_cursorTimer;
    quint64 m_framesDrawn = 0;
    ScreenSaverInhibitor *m_screenSaver = nullptr;
};
