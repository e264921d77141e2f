#pragma once

#include "preview/TrimMarks.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class IPreviewGraph;
class SourceListModel;

// The preview player: plays the file of the selected source row in the video window, from
// the start mark, pausing at the end mark and stopping at the end of the file. It keeps the
// player's state and drives the preview graph; the window binds the logo and the position
// display to its signals. Everything runs on the GUI thread.
//
// States: Stopped (no file loaded, logo shown), Playing (graph running, logo hidden) and
// Paused (graph paused, logo hidden).
class PreviewPlayer : public QObject
{
    Q_OBJECT

public:
    explicit PreviewPlayer(QObject *parent = nullptr);
    ~PreviewPlayer() override;

    // The preview graph (FilterGraph); installed at start-up, tests hand in their own.
    void SetGraph(IPreviewGraph *graph);
    IPreviewGraph *FilterGraph() const { return m_graph; }
    // The trim strip's marks, read when a file starts and at every position tick.
    void SetMarks(const TrimMarks *marks);
    // Where "Playing Video error." goes; the program's log.
    void SetLog(std::function<void(const QString &)> log) { m_log = std::move(log); }

    // Full path of the file in the preview graph; empty when none.
    QString LoadedFile;
    // The preview graph was last told to run.
    bool IsPlaying = false;

    bool LogoVisible() const { return m_logoVisible; }
    // The position display's text, hh:mm:ss.
    QString PositionText() const { return m_positionText; }
    // Why the last file opened is not previewed, in one line; empty while it is.
    QString Notice() const { return m_notice; }
    // Whether the graph exists (files can be seeked and stopped).
    bool GraphActive() const;
    // The position source: ticks every 1000 ms while the graph runs, never otherwise.
    const QTimer &PositionSource() const { return m_positionSource; }

    // Loads path into a new graph and plays it from the start mark; a file that cannot be
    // fully rendered only writes "Playing Video error." to the log.
    void OpenAndPlay(const QString &path);
    // Runs the graph (resumes from a pause).
    void PlayPreview();
    // Pauses the graph.
    void PausePreview();
    // Drops the file: the graph is made inactive, the display reads 00:00:00, logo shown.
    void StopPreview();
    // Moves graph to ms milliseconds; the outcome is not examined.
    static void SeekGraph(IPreviewGraph *graph, qint64 ms);

    // The three buttons (and Ctrl+P, Ctrl+U, Ctrl+T). Play resumes a paused file, or opens
    // the file of each selected row of list in turn when none is loaded.
    void onPlayRequested(const SourceListModel &list);
    void onPauseRequested();
    void onStopRequested();

    // The position tick, current position and duration in milliseconds: updates the
    // display, pauses at the end mark, stops at the end of the file.
    void dstrckbrMainformTimer(quint32 currentMs, quint32 durationMs);

    // The hh:mm:ss text of the position display for whole seconds.
    static QString PositionDisplayText(qint64 seconds);

Q_SIGNALS:
    void logoVisibleChanged(bool visible);
    void positionTextChanged(const QString &text);
    void noticeChanged(const QString &text);

private:
    void setLogoVisible(bool visible);
    void setPositionText(const QString &text);
    void setNotice(const QString &text);
    // Starts or stops the position source with the graph's running state.
    void syncPositionSource();
    void positionSourceTick();

    IPreviewGraph *m_graph = nullptr;
    const TrimMarks *m_marks = nullptr;
    TrimMarks m_noMarks;
    std::function<void(const QString &)> m_log;
    bool m_logoVisible = true;
    QString m_positionText = QStringLiteral("00:00:00");
    QString m_notice;
    QTimer m_positionSource;
};
