#pragma once

#include "platform/IPreviewGraph.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

struct mpv_handle;
class IMpvVideoSink;

// The preview graph on libmpv. Every call runs on the GUI thread; libmpv's wakeup callback
// only posts a drain of its event queue to that thread. Commands are sent asynchronously,
// except that renderFile() waits (without user input) until the file is loaded or refused.
//
// A file that stays loaded without running for kReleaseIdleMs (paused, or stopped at the end
// mark) has its libmpv player released, which gives back the memory of its decoders and
// threads. The graph stays active and keeps the file, its position, its duration and the
// picture in the video window; run() loads the file again at that position first. libmpv
// itself stays loaded: other libraries keep pointers into what it registered.
class MpvPreviewGraph : public QObject, public IPreviewGraph
{
    Q_OBJECT

public:
    struct Outputs
    {
        // Audio through the desktop's sound server, silently none without one; tests use
        // the null output.
        bool nullAudio = false;
        // Without a video sink the video is decoded and dropped.
        bool nullVideo = false;
    };

    explicit MpvPreviewGraph(QObject *parent = nullptr);
    MpvPreviewGraph(Outputs outputs, QObject *parent = nullptr);
    ~MpvPreviewGraph() override;

    // The window that draws the video; used by graphs made active afterwards.
    void setVideoSink(IMpvVideoSink *sink, QObject *sinkObject);
    // How long renderFile() waits for a file to load before giving up.
    void setLoadTimeoutMs(int ms) { m_loadTimeoutMs = ms; }

    // How long a loaded file may rest before its player is released.
    static constexpr int kReleaseIdleMs = 30000;
    void setReleaseIdleMs(int ms) { m_releaseTimer.setInterval(ms); }
    // Whether a libmpv player exists now; an active graph may be without one.
    bool holdsPlayer() const { return m_mpv != nullptr; }

    bool isActive() const override { return m_active; }
    void makeActive() override;
    void makeInactive() override;
    void clear() override;
    RenderResult renderFile(const QString &path) override;
    bool run() override;
    bool pause() override;
    bool stop() override;
    bool isRunning() const override { return m_running; }
    void setCurrentPosition(qint64 position) override;
    qint64 currentPosition() const override;
    qint64 duration() const override;
    QString failureReason() const override { return m_failure; }

    // The libmpv audio output list for the desktop: its sound servers first, then ALSA.
    static QByteArray desktopAudioOutputs();

private:
    enum class LoadState { None, Loading, Loaded, Failed };

    bool createPlayer();
    void destroyPlayer(bool keepPicture);
    // Sends loadfile and waits for the outcome with the event loop running.
    LoadState loadAndWait(const QString &path);
    void releasePlayer();
    bool restorePlayer();
    // Runs the release timer while a loaded file rests, stops it otherwise.
    void updateReleaseTimer();
    void drainEvents();
    RenderResult trackOutcome() const;
    bool setPaused(bool paused);
    static QString noPlayerReason();

    Outputs m_outputs;
    mpv_handle *m_mpv = nullptr;
    IMpvVideoSink *m_sink = nullptr;
    QPointer<QObject> m_sinkObject;
    bool m_sinkAttached = false;
    bool m_running = false;
    LoadState m_load = LoadState::None;
    int m_loadTimeoutMs = 20000;
    bool m_active = false;
    // The player was released; m_file rests at m_heldPosition.
    bool m_released = false;
    QString m_file;
    QString m_failure;
    int m_endError = 0; // libmpv's error for a file that failed to load
    qint64 m_heldPosition = 0;
    qint64 m_heldDuration = 0;
    QTimer m_releaseTimer;
};
