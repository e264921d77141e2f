#pragma once

#include "conversion/BatchPace.h"
#include "conversion/ProgressRefresh.h"
#include "conversion/BatchEnvironment.h"

#include <QWidget>

#include <vector>

class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;
class ProgramParts;
class PictureButton;

// The progress dialog of a batch: a borderless window in the shape of its background
// picture that shows the file being converted, a bar for it and one for the batch, the job
// counter and a busy indicator, and offers Stop. With several jobs at once it grows a line
// per job (file name and bar) under the batch bar. Encoder output arrives on the runner's
// thread through OnEncoderOutput and is refreshed here on the GUI thread, one delivery at a
// time and in the order of delivery.
class ProgressDialog : public QWidget, public IProgressView
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);
    ~ProgressDialog() override;

    // The program's dialog: a window of its own that lives as long as mainWindow but is not
    // its child, so it stays usable while a batch has the main window disabled.
    static ProgressDialog *CreateForMainWindow(QWidget *mainWindow);

    // The controllers whose batch state and job record the dialog reads, and the window
    // that a stop enables again. Set once at start-up.
    void Bind(ProgramParts &parts, QWidget *mainWindow);

    // The runner callback: may be called on any thread. Hands the chunk to the GUI thread.
    void OnEncoderOutput(const QString &chunk);

    // The batch driver's view of the dialog.
    void ShowView() override;
    void HideView() override;
    void ResetCurrentBar() override;
    EncoderOutputCallback OutputCallback() override;
    void FlushOutput() override;
    void ShowJobSlots(int slots) override;
    void SlotJobStarted(const RunningJob &job) override;
    void SlotJobEnded(int slot) override;
    EncoderOutputCallback SlotOutputCallback(int slot) override;

    // Whether a job of the bound batch is running now.
    bool JobRunning() const;

    // The state shown: the bars, the counter and the last chunk.
    const ProgressState &State() const { return m_state; }
    int SpinnerStep() const { return m_spinnerStep; }

    // Controls, named as the program's documents name them.
    QLabel *imgBackground = nullptr;
    QLabel *lblInfo = nullptr;
    QLabel *lblCurConvertFileL = nullptr;
    QLabel *lblCurFileName = nullptr;
    QLabel *lblTotalFilr = nullptr;
    QProgressBar *pbTotal = nullptr;
    QLabel *lblCurprog = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *lblPersent = nullptr;
    // The pace: the current file's speed and time left, the batch's elapsed time and time
    // left; empty until the figures are sound.
    QLabel *lblFilePace = nullptr;
    QLabel *lblBatchPace = nullptr;
    PictureButton *btnStop = nullptr;
    QStatusBar *statState = nullptr;
    QLabel *statStatePanel = nullptr;
    QTimer *refreshTimer = nullptr;

    // A running job's line when several run at once.
    struct JobLine
    {
        QLabel *fileName = nullptr;
        QProgressBar *bar = nullptr;
        ProgressState state;
        bool active = false;
    };
    const std::vector<JobLine> &JobLines() const { return m_lines; }

public Q_SLOTS:
    // The busy indicator's tick.
    void refreshProgress();
    // The refresh of the chunk in the status panel.
    void showProgress();
    // Stop button: asks, then stops the batch and skips its completion actions.
    void onStopRequested();
    // Stops the batch as Stop does, without asking: the running encoder is stopped and its
    // partial output removed, and no further job starts.
    void StopBatch();

Q_SIGNALS:
    // Carries a chunk from the runner's thread to the GUI thread (queued, in order).
    void encoderOutputDelivered(const QString &chunk);
    // The same for the job in a slot when several run at once.
    void slotOutputDelivered(int slot, const QString &chunk);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormShow();
    // The closing path: asks, then ends the batch after the current job.
    bool confirmClose();
    void handleEncoderOutput(const QString &chunk);
    void endBatchFromDialog();
    void showState();
    bool confirm(const QString &text);
    // A job of the batch starts: the previous one ended, and the pace learns of the new one.
    void paceJobStarts();
    void showPace();
    // Several jobs at once: places the controls for `slots` job lines (1: the one-job
    // layout) and gives the window the background's shape, stretched to hold them.
    void layOut(int slots);
    void handleSlotOutput(int slot, const QString &chunk);
    // Draws the job lines, and the batch bar and counter from the running jobs' bars.
    void showSlots();
    // Stops the encoders of the running jobs besides the current job's.
    void stopRunningEncoders();
    static qint64 nowMs();

    BatchPace m_pace;
    bool m_batchShown = false;
    qsizetype m_failedBefore = 0;
    QString m_mainTitle;

    ProgramParts *m_parts = nullptr;
    QWidget *m_mainWindow = nullptr;
    ProgressState m_state;
    int m_spinnerStep = 0;
    int m_slots = 1;
    std::vector<JobLine> m_lines;
};
