#include "preview/PreviewPlayer.h"

#include "platform/IPreviewGraph.h"
#include "sources/SourceListModel.h"

#include <QCoreApplication>
#include <QThread>

namespace {

constexpr qint64 kUnitsPerMs = 10000;      // 100-ns units in a millisecond
constexpr qint64 kUnitsPerSecond = 10000000;
constexpr int kPositionSourceMs = 1000;

} // namespace

PreviewPlayer::PreviewPlayer(QObject *parent)
    : QObject(parent)
{
    m_positionSource.setInterval(kPositionSourceMs);
    connect(&m_positionSource, &QTimer::timeout, this, &PreviewPlayer::positionSourceTick);
}

PreviewPlayer::~PreviewPlayer() = default;

void PreviewPlayer::SetGraph(IPreviewGraph *graph)
{
    m_graph = graph;
    syncPositionSource();
}

void PreviewPlayer::SetMarks(const TrimMarks *marks)
{
    m_marks = marks;
}

bool PreviewPlayer::GraphActive() const
{
    return m_graph && m_graph->isActive();
}

QString PreviewPlayer::PositionDisplayText(qint64 seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds % 3600) / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void PreviewPlayer::SeekGraph(IPreviewGraph *graph, qint64 ms)
{
    if (graph && graph->isActive())
        graph->setCurrentPosition(ms * kUnitsPerMs);
}

void PreviewPlayer::OpenAndPlay(const QString &path)
{
    if (!m_graph)
        return;
    // A new, empty graph for every file.
    m_graph->makeInactive();
    syncPositionSource();
    m_graph->makeActive();

    const IPreviewGraph::RenderResult result =
        m_graph->isActive() ? m_graph->renderFile(path) : IPreviewGraph::RenderResult::Failed;
    LoadedFile = result == IPreviewGraph::RenderResult::Failed ? QString() : path;
    if (result != IPreviewGraph::RenderResult::Full) {
        // A file that plays only in part is not previewed either. The logo stays, with the
        // reason under it; the list and everything else go on as before.
        if (m_log)
            m_log(QStringLiteral("Playing Video error."));
        const QString reason = m_graph->failureReason();
        setNotice(reason.isEmpty() ? QCoreApplication::translate("PreviewPlayer", "This file cannot be previewed.") : reason);
        m_graph->clear();
        LoadedFile.clear();
        setLogoVisible(true);
        return;
    }
    setNotice(QString());

    PausePreview();
    PlayPreview();
    QThread::msleep(10);
    QCoreApplication::processEvents();
    // What ran meanwhile (a Stop click) may have dropped the file; then it stays dropped.
    if (!m_graph->isActive() || LoadedFile != path)
        return;
    const TrimMarks &marks = m_marks ? *m_marks : m_noMarks;
    if (marks.TimelineLoaded)
        SeekGraph(m_graph, qint64(marks.StartSeconds) * 1000);
    IsPlaying = true;
    setLogoVisible(false);
}

void PreviewPlayer::PlayPreview()
{
    if (!GraphActive())
        return;
    if (m_graph->run()) {
        IsPlaying = true;
        setLogoVisible(false);
    } else {
        setLogoVisible(true);
    }
    syncPositionSource();
}

void PreviewPlayer::PausePreview()
{
    if (!GraphActive())
        return;
    if (m_graph->pause()) {
        IsPlaying = false;
        setLogoVisible(false);
    } else {
        setLogoVisible(true);
    }
    syncPositionSource();
}

void PreviewPlayer::StopPreview()
{
    if (!GraphActive())
        return;
    m_graph->stop();
    m_graph->makeInactive();
    syncPositionSource();
    LoadedFile.clear();
    setPositionText(PositionDisplayText(0));
    IsPlaying = false;
    setLogoVisible(true);
}

void PreviewPlayer::onPlayRequested(const SourceListModel &list)
{
    if (!LoadedFile.isEmpty()) {
        if (!IsPlaying)
            PlayPreview();
        return;
    }
    for (int row : list.selectedRows())
        OpenAndPlay(list.row(row).fileName());
}

void PreviewPlayer::onPauseRequested()
{
    if (!LoadedFile.isEmpty() && IsPlaying)
        PausePreview();
}

void PreviewPlayer::onStopRequested()
{
    StopPreview();
}

void PreviewPlayer::dstrckbrMainformTimer(quint32 currentMs, quint32 durationMs)
{
    if (!GraphActive())
        return;
    const qint64 t = m_graph->currentPosition() / kUnitsPerSecond;
    setPositionText(PositionDisplayText(t));
    const TrimMarks &marks = m_marks ? *m_marks : m_noMarks;
    if (m_positionText == marks.EndTimeText) {
        SeekGraph(m_graph, 0);
        PausePreview();
    }
    // A duration of 0 means the graph does not know it yet; that is not the end.
    if (durationMs > 0 && currentMs >= durationMs && GraphActive()) {
        SeekGraph(m_graph, 0);
        StopPreview();
    }
}

void PreviewPlayer::positionSourceTick()
{
    if (!m_graph || !m_graph->isRunning()) {
        m_positionSource.stop();
        return;
    }
    const qint64 duration = m_graph->duration() / kUnitsPerMs;
    const qint64 current = m_graph->currentPosition() / kUnitsPerMs;
    dstrckbrMainformTimer(quint32(qBound<qint64>(0, current, 0xffffffff)),
                          quint32(qBound<qint64>(0, duration, 0xffffffff)));
}

void PreviewPlayer::syncPositionSource()
{
    const bool running = m_graph && m_graph->isActive() && m_graph->isRunning();
    if (running && !m_positionSource.isActive())
        m_positionSource.start();
    else if (!running)
        m_positionSource.stop();
}

void PreviewPlayer::setLogoVisible(bool visible)
{
    if (m_logoVisible == visible)
        return;
    m_logoVisible = visible;
    Q_EMIT logoVisibleChanged(visible);
}

void PreviewPlayer::setNotice(const QString &text)
{
    if (m_notice == text)
        return;
    m_notice = text;
    Q_EMIT noticeChanged(text);
}

void PreviewPlayer::setPositionText(const QString &text)
{
    if (m_positionText == text)
        return;
    m_positionText = text;
    Q_EMIT positionTextChanged(text);
}
