// The main window's preview: the video window, the trim strip and the player buttons.
#include "shell/MainWindow.h"

#include "platform/MpvPreviewGraph.h"
#include "platform/VideoWindow.h"
#include "preview/PreviewPlayer.h"
#include "preview/TrimStrip.h"
#include "shell/ProgramParts.h"
#include "sources/SourceCommands.h"
#include "sources/SourceListView.h"

#include <QLabel>

namespace {

// The preview graph lives as a child of the main window under this name.
const char kFilterGraph[] = "FilterGraph";

} // namespace

QWidget *MainWindow::CreateVideoWindow()
{
    return new VideoWindow;
}

QWidget *MainWindow::CreateTrimStrip()
{
    return new TrimStrip;
}

void MainWindow::BindPreview()
{
    ProgramParts *parts = &m_parts;
    auto *video = qobject_cast<VideoWindow *>(videoWindow);
    if (!video || findChild<MpvPreviewGraph *>(QLatin1String(kFilterGraph)))
        return;
    auto *graph = new MpvPreviewGraph(this);
    graph->setObjectName(QLatin1String(kFilterGraph));
    graph->setVideoSink(video, video);

    PreviewPlayer &player = parts->preview;
    player.SetGraph(graph);
    player.SetMarks(&parts->trimStrip.Marks);
    video->setLogoVisible(player.LogoVisible());
    pnlCurTime->setText(player.PositionText());
    connect(&player, &PreviewPlayer::logoVisibleChanged, video, &VideoWindow::setLogoVisible);
    video->setNotice(player.Notice());
    connect(&player, &PreviewPlayer::noticeChanged, video, &VideoWindow::setNotice);
    connect(&player, &PreviewPlayer::positionTextChanged, pnlCurTime, &QLabel::setText);

    if (auto *strip = qobject_cast<TrimStrip *>(trimStripWidget))
        strip->bind(parts->trimStrip);

    // The list's commands bring the strip in line with what is left in the list, and every
    // committed time edit is checked.
    if (SourceCommander) {
        SourceCommands::Hooks &hooks = SourceCommander->hooks();
        hooks.LoadSelectedRow = [parts] { parts->trimStrip.LoadSelectedRow(); };
        hooks.ResetTrimStrip = [parts] { parts->trimStrip.ResetTrimStrip(); };
    }
    if (auto *view = qobject_cast<SourceListView *>(sourceList)) {
        connect(view, &SourceListView::timesEdited, this, [this, parts] {
            const QString error = parts->trimStrip.CheckEditedTimes();
            if (error.isEmpty())
                return;
            if (SourceCommander && SourceCommander->hooks().ShowError)
                SourceCommander->hooks().ShowError(error);
        });
    }
}

void MainWindow::StopPreview()
{
    // Closing stops the preview, then makes the graph inactive and clears it.
    m_parts.preview.StopPreview();
    if (auto *graph = findChild<MpvPreviewGraph *>(QLatin1String(kFilterGraph)))
        graph->makeInactive();
}

void MainWindow::onPlayRequested()
{
    m_parts.preview.onPlayRequested(m_parts.sources);
}

void MainWindow::onPauseRequested()
{
    m_parts.preview.onPauseRequested();
}

void MainWindow::onStopRequested()
{
    m_parts.preview.onStopRequested();
}
