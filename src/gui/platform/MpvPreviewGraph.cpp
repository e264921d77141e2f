#include "platform/MpvPreviewGraph.h"

#include "platform/IMpvVideoSink.h"
#include "platform/MpvLibrary.h"
#include "platform/VideoOrientation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QEventLoop>
#include <QTimer>

#include <mpv/client.h>

#include <clocale>
#include <cmath>
#include <QCoreApplication>

namespace {

constexpr double kUnitsPerSecond = 10000000.0; // 100-ns units

void setOption(mpv_handle *mpv, const char *name, const char *value)
{
    // A value this libmpv does not know is not worth failing the preview for.
    mpv_set_option_string(mpv, name, value);
}

// Reads a string-keyed map entry of a node, or nullptr.
const mpv_node *mapEntry(const mpv_node &map, const char *key)
{
    if (map.format != MPV_FORMAT_NODE_MAP)
        return nullptr;
    for (int i = 0; i < map.u.list->num; ++i) {
        if (qstrcmp(map.u.list->keys[i], key) == 0)
            return &map.u.list->values[i];
    }
    return nullptr;
}

bool flagEntry(const mpv_node &map, const char *key)
{
    const mpv_node *n = mapEntry(map, key);
    return n && n->format == MPV_FORMAT_FLAG && n->u.flag;
}

QByteArray stringEntry(const mpv_node &map, const char *key)
{
    const mpv_node *n = mapEntry(map, key);
    return n && n->format == MPV_FORMAT_STRING ? QByteArray(n->u.string) : QByteArray();
}

} // namespace

MpvPreviewGraph::MpvPreviewGraph(QObject *parent)
    : MpvPreviewGraph(Outputs{}, parent)
{
}

MpvPreviewGraph::MpvPreviewGraph(Outputs outputs, QObject *parent)
    : QObject(parent)
    , m_outputs(outputs)
{
    m_releaseTimer.setSingleShot(true);
    m_releaseTimer.setInterval(kReleaseIdleMs);
    connect(&m_releaseTimer, &QTimer::timeout, this, &MpvPreviewGraph::releasePlayer);
}

MpvPreviewGraph::~MpvPreviewGraph()
{
    makeInactive();
}

void MpvPreviewGraph::setVideoSink(IMpvVideoSink *sink, QObject *sinkObject)
{
    m_sink = sink;
    m_sinkObject = sinkObject;
}

QByteArray MpvPreviewGraph::desktopAudioOutputs()
{
    // The sound servers first, then the sound cards. An output whose server or device is
    // not there is left out, so that its client library does not fill the terminal with
    // complaints before the silent fallback.
    QByteArray outputs = "pulse";
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pipewire-0")))
        outputs += ",pipewire";
    if (QDir(QStringLiteral("/dev/snd")).exists())
        outputs += ",alsa";
    return outputs;
}

void MpvPreviewGraph::makeActive()
{
    if (m_active)
        return;
    if (!createPlayer()) {
        m_failure = noPlayerReason();
        return;
    }
    m_failure.clear();
    m_active = true;
}

QString MpvPreviewGraph::noPlayerReason()
{
    return MpvLibrary::IsLoaded()
               ? QCoreApplication::translate("MpvPreviewGraph", "No preview: the player could not be started.")
               : QCoreApplication::translate("MpvPreviewGraph", "No preview: the libmpv library cannot be loaded.");
}

bool MpvPreviewGraph::createPlayer()
{
    // libmpv refuses to start unless numbers are read the C way; Qt set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle *mpv = mpv_create();
    if (!mpv)
        return false;

    const bool withWindow = !m_outputs.nullVideo && m_sink && m_sinkObject;
    setOption(mpv, "config", "no");
    setOption(mpv, "terminal", "no");
    // No scripts: each would run in an interpreter and a thread of its own.
    setOption(mpv, "load-scripts", "no");
    setOption(mpv, "load-stats-overlay", "no");
    setOption(mpv, "load-osd-console", "no");
    setOption(mpv, "load-auto-profiles", "no");
    setOption(mpv, "ytdl", "no");
    setOption(mpv, "osc", "no");
    setOption(mpv, "input-default-bindings", "no");
    setOption(mpv, "input-vo-keyboard", "no");
    setOption(mpv, "osd-level", "0");
    setOption(mpv, "sid", "no");
    setOption(mpv, "audio-display", "no");
    setOption(mpv, "hwdec", "no");
    // libmpv's own rotation fails in its software renderer on quarter turns (an assertion
    // ends the program); loadAndWait() sets a filter that turns the picture instead.
    setOption(mpv, "video-rotate", "no");
    setOption(mpv, "idle", "yes");
    setOption(mpv, "keep-open", "yes");
    setOption(mpv, "pause", "yes");
    setOption(mpv, "volume", "100");
    setOption(mpv, "vo", withWindow ? "libmpv" : "null");
    if (m_outputs.nullAudio) {
        setOption(mpv, "ao", "null");
    } else {
        setOption(mpv, "ao", desktopAudioOutputs().constData());
        setOption(mpv, "audio-fallback-to-null", "yes");
    }
    if (mpv_initialize(mpv) < 0) {
        mpv_terminate_destroy(mpv);
        return false;
    }
    m_mpv = mpv;
    m_load = LoadState::None;
    m_running = false;
    mpv_set_wakeup_callback(
        m_mpv,
        [](void *ctx) {
            // Called on a libmpv thread: only hand the work to the GUI thread.
            QMetaObject::invokeMethod(static_cast<MpvPreviewGraph *>(ctx),
                                      &MpvPreviewGraph::drainEvents, Qt::QueuedConnection);
        },
        this);
    if (withWindow)
        m_sinkAttached = m_sink->attachMpv(m_mpv);
    return true;
}

void MpvPreviewGraph::destroyPlayer(bool keepPicture)
{
    if (!m_mpv)
        return;
    if (m_sinkAttached && m_sinkObject) {
        if (keepPicture)
            m_sink->releaseMpv();
        else
            m_sink->detachMpv();
    }
    m_sinkAttached = false;
    mpv_handle *mpv = m_mpv;
    m_mpv = nullptr;
    m_running = false;
    mpv_set_wakeup_callback(mpv, nullptr, nullptr);
    mpv_terminate_destroy(mpv);
}

void MpvPreviewGraph::makeInactive()
{
    m_releaseTimer.stop();
    if (!m_active)
        return;
    destroyPlayer(false);
    // A released player left its last picture in the window.
    if (m_released && m_sink && m_sinkObject)
        m_sink->detachMpv();
    m_active = false;
    m_released = false;
    m_running = false;
    m_load = LoadState::None;
    m_file.clear();
}

void MpvPreviewGraph::clear()
{
    if (!m_active)
        return;
    m_releaseTimer.stop();
    m_running = false;
    m_load = LoadState::None;
    m_file.clear();
    if (m_released) {
        // Nothing to unload; the next file gets a new player.
        m_released = false;
        if (m_sink && m_sinkObject)
            m_sink->detachMpv();
        return;
    }
    if (!m_mpv)
        return;
    const char *cmd[] = {"stop", nullptr};
    mpv_command_async(m_mpv, 0, cmd);
    setPaused(true);
}

IPreviewGraph::RenderResult MpvPreviewGraph::renderFile(const QString &path)
{
    if (!m_active)
        return RenderResult::Failed;
    m_releaseTimer.stop();
    m_running = false;
    if (m_released) {
        m_released = false;
        if (m_sink && m_sinkObject)
            m_sink->detachMpv();
    }
    m_failure.clear();
    if (!m_mpv && !createPlayer()) {
        m_load = LoadState::Failed;
        m_failure = noPlayerReason();
        return RenderResult::Failed;
    }
    m_endError = 0;
    if (loadAndWait(path) != LoadState::Loaded) {
        if (m_mpv) {
            const char *stopCmd[] = {"stop", nullptr};
            mpv_command_async(m_mpv, 0, stopCmd);
        }
        m_load = LoadState::Failed;
        m_failure = m_endError < 0 ? QCoreApplication::translate("MpvPreviewGraph", "This file cannot be previewed (%1).")
                                         .arg(QString::fromUtf8(mpv_error_string(m_endError)))
                                   : QCoreApplication::translate("MpvPreviewGraph", "This file cannot be previewed.");
        return RenderResult::Failed;
    }
    m_file = path;
    const RenderResult result = trackOutcome();
    if (result == RenderResult::Partial)
        m_failure = QCoreApplication::translate("MpvPreviewGraph", "Part of this file cannot be decoded, so it is not previewed.");
    else if (result == RenderResult::Failed)
        m_failure = QCoreApplication::translate("MpvPreviewGraph", "This file cannot be previewed: none of its tracks decodes.");
    updateReleaseTimer();
    return result;
}

MpvPreviewGraph::LoadState MpvPreviewGraph::loadAndWait(const QString &path)
{
    const QByteArray file = path.toUtf8();
    // "--" style paths: a file name that starts with a dash or looks like a protocol must
    // still be taken as a local file.
    const QByteArray target = path.startsWith(QLatin1Char('/')) ? file : QByteArray("./") + file;
    const char *cmd[] = {"loadfile", target.constData(), "replace", nullptr};
    // The picture is turned upright by a filter of ours, libmpv's own rotation being off.
    const QByteArray upright = VideoOrientation::UprightFilter(path);
    mpv_set_property_string(m_mpv, "vf",
                            upright.isEmpty() ? "" : ("lavfi=[" + upright + "]").constData());
    m_load = LoadState::Loading;
    if (mpv_command_async(m_mpv, 0, cmd) < 0) {
        m_load = LoadState::Failed;
        return m_load;
    }

    // Wait for the outcome with the event loop running, so that paints and timers go on;
    // user input waits until the file is loaded.
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        drainEvents();
        if (m_load != LoadState::Loading || !m_mpv || clock.elapsed() > m_loadTimeoutMs)
            loop.quit();
    });
    poll.start(5);
    drainEvents();
    if (m_load == LoadState::Loading && m_mpv)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!m_mpv)
        m_load = LoadState::Failed;
    else if (m_load == LoadState::Loading)
        m_load = LoadState::Failed; // timed out
    return m_load;
}

void MpvPreviewGraph::releasePlayer()
{
    if (!m_mpv || m_running || m_load != LoadState::Loaded || m_file.isEmpty())
        return;
    m_heldDuration = duration();
    m_heldPosition = currentPosition();
    destroyPlayer(true);
    m_released = true;
}

bool MpvPreviewGraph::restorePlayer()
{
    if (!m_released)
        return m_mpv != nullptr;
    m_released = false;
    if (!createPlayer()) {
        m_load = LoadState::Failed;
        return false;
    }
    // The file opens where it rested, so no other position is ever reported meanwhile.
    const QByteArray start = QByteArray::number(double(m_heldPosition) / kUnitsPerSecond, 'f', 3);
    mpv_set_property_string(m_mpv, "start", start.constData());
    const LoadState state = loadAndWait(m_file);
    if (m_mpv)
        mpv_set_property_string(m_mpv, "start", "none");
    return state == LoadState::Loaded;
}

void MpvPreviewGraph::updateReleaseTimer()
{
    if (m_mpv && !m_running && m_load == LoadState::Loaded)
        m_releaseTimer.start();
    else
        m_releaseTimer.stop();
}

IPreviewGraph::RenderResult MpvPreviewGraph::trackOutcome() const
{
    mpv_node tracks;
    if (mpv_get_property(m_mpv, "track-list", MPV_FORMAT_NODE, &tracks) < 0)
        return RenderResult::Failed;
    // Every kind of stream the file has must have a selected track that decodes; a picture
    // attached to an audio file is not a video stream.
    bool hasVideo = false, hasAudio = false, videoPlays = false, audioPlays = false;
    if (tracks.format == MPV_FORMAT_NODE_ARRAY) {
        for (int i = 0; i < tracks.u.list->num; ++i) {
            const mpv_node &t = tracks.u.list->values[i];
            const QByteArray type = stringEntry(t, "type");
            const bool selected = flagEntry(t, "selected");
            if (type == "video" && !flagEntry(t, "albumart")) {
                hasVideo = true;
                videoPlays = videoPlays || selected;
            } else if (type == "audio") {
                hasAudio = true;
                audioPlays = audioPlays || selected;
            }
        }
    }
    mpv_free_node_contents(&tracks);
    if (!videoPlays && !audioPlays)
        return RenderResult::Failed;
    if ((hasVideo && !videoPlays) || (hasAudio && !audioPlays))
        return RenderResult::Partial;
    return RenderResult::Full;
}

void MpvPreviewGraph::drainEvents()
{
    while (m_mpv) {
        mpv_event *event = mpv_wait_event(m_mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        switch (event->event_id) {
        case MPV_EVENT_FILE_LOADED:
            if (m_load == LoadState::Loading)
                m_load = LoadState::Loaded;
            break;
        case MPV_EVENT_END_FILE: {
            const auto *end = static_cast<mpv_event_end_file *>(event->data);
            if (m_load == LoadState::Loading && end->reason == MPV_END_FILE_REASON_ERROR) {
                m_load = LoadState::Failed;
                m_endError = end->error;
            }
            break;
        }
        case MPV_EVENT_SHUTDOWN:
            m_running = false;
            break;
        default:
            break;
        }
    }
}

bool MpvPreviewGraph::setPaused(bool paused)
{
    if (!m_mpv)
        return false;
    int flag = paused ? 1 : 0;
    return mpv_set_property_async(m_mpv, 0, "pause", MPV_FORMAT_FLAG, &flag) >= 0;
}

bool MpvPreviewGraph::run()
{
    if (!m_active || (m_released && !restorePlayer()))
        return false;
    if (!m_mpv || m_load != LoadState::Loaded)
        return false;
    if (!setPaused(false))
        return false;
    m_running = true;
    updateReleaseTimer();
    return true;
}

bool MpvPreviewGraph::pause()
{
    if (!m_active)
        return false;
    if (m_released) {
        m_running = false;
        return true;
    }
    if (!m_mpv || m_load != LoadState::Loaded)
        return false;
    if (!setPaused(true))
        return false;
    m_running = false;
    updateReleaseTimer();
    return true;
}

bool MpvPreviewGraph::stop()
{
    if (!m_active)
        return false;
    m_running = false;
    if (m_released || !m_mpv)
        return true;
    const bool ok = m_load != LoadState::Loaded || setPaused(true);
    updateReleaseTimer();
    return ok;
}

void MpvPreviewGraph::setCurrentPosition(qint64 position)
{
    if (m_released) {
        m_heldPosition = qBound<qint64>(0, position, m_heldDuration);
        return;
    }
    if (!m_mpv || m_load != LoadState::Loaded)
        return;
    const QByteArray seconds = QByteArray::number(double(position) / kUnitsPerSecond, 'f', 3);
    const char *cmd[] = {"seek", seconds.constData(), "absolute+exact", nullptr};
    mpv_command_async(m_mpv, 0, cmd);
}

qint64 MpvPreviewGraph::currentPosition() const
{
    if (m_released)
        return m_heldPosition;
    if (!m_mpv || m_load != LoadState::Loaded)
        return 0;
    int eof = 0;
    // At the end of the file the player holds the last frame, whose time is a little short
    // of the duration; report the end itself.
    if (mpv_get_property(m_mpv, "eof-reached", MPV_FORMAT_FLAG, &eof) >= 0 && eof)
        return duration();
    double t = 0;
    if (mpv_get_property(m_mpv, "time-pos", MPV_FORMAT_DOUBLE, &t) < 0 || !std::isfinite(t))
        return 0;
    return qint64(std::max(0.0, t) * kUnitsPerSecond);
}

qint64 MpvPreviewGraph::duration() const
{
    if (m_released)
        return m_heldDuration;
    if (!m_mpv || m_load != LoadState::Loaded)
        return 0;
    double d = 0;
    if (mpv_get_property(m_mpv, "duration", MPV_FORMAT_DOUBLE, &d) < 0 || !std::isfinite(d))
        return 0;
    return qint64(std::max(0.0, d) * kUnitsPerSecond);
}
