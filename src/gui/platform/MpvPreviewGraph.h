#pragma once

#include "platform/IPreviewGraph.h"

#include <QObject>
#include <QPointer>

struct mpv_handle;
class IMpvVideoSink;

// The preview graph on libmpv. Every call runs on the GUI thread; libmpv's wakeup callback
// only posts a drain of its event queue to that thread. Commands are sent asynchronously,
// except that renderFile() waits (without user input) until the file is loaded or refused.
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

    bool isActive() const override { return m_mpv != nullptr; }
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

    // The libmpv audio output list for the desktop: its sound servers first, then ALSA.
    static QByteArray desktopAudioOutputs();

private:
    enum class LoadState { None, Loading, Loaded, Failed };

    void drainEvents();
    RenderResult trackOutcome() const;
    bool setPaused(bool paused);

    Outputs m_outputs;
    mpv_handle *m_mpv = nullptr;
    IMpvVideoSink *m_sink = nullptr;
    QPointer<QObject> m_sinkObject;
    bool m_sinkAttached = false;
    bool m_running = false;
    LoadState m_load = LoadState::None;
    int m_loadTimeoutMs = 20000;
};
