#include "conversion/ProgressDialog.h"

#include "conversion/ProgressDialogLook.h"
#include "platform/IUserDialogs.h"
#include "platform/WindowDrag.h"
#include "platform/WindowFocus.h"
#include "platform/WindowOutline.h"
#include "shell/ProgramParts.h"
#include "shell/SkinPicture.h"
#include "shell/PictureButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

using namespace ProgressDialogLook;

ProgressDialog::ProgressDialog(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("progressDialog"));
    setWindowTitle(tr("Converting"));
    setFixedSize(435, 222);

    // The window's shape: the picture's pixels that are not its key colour, the colour of
    // its bottom-left corner. The status bar below the picture is outside it.
    const QImage background(QStringLiteral(":/skin/converting/background.png"));
    const QPixmap picture = SkinPixmap(QStringLiteral(":/skin/converting/background.png"));
    imgBackground = new QLabel(this);
    imgBackground->setPixmap(picture);
    imgBackground->setGeometry(0, 0, background.width(), background.height());
    WindowOutline::Keep(this, picture.toImage());

    const QColor white(Qt::white);
    const QColor lightGrey(0xc8, 0xd2, 0xe0);
    lblInfo = makeLabel(this, tr("Please wait . . ."), 16, 13, white, true);
    lblInfo->setFixedWidth(300);
    lblCurConvertFileL = makeLabel(this, tr("Current Convert File:"), 16, 44, white);
    lblCurFileName = makeLabel(this, QString(), 120, 44, white);
    lblCurFileName->setFixedSize(281, 13);
    lblTotalFilr = makeLabel(this, tr("Total File:"), 16, 72, lightGrey);
    lblCurprog = makeLabel(this, tr("Current File:"), 16, 97, lightGrey);
    lblPersent = makeLabel(this, tr("Current: 1, Total: ..."), 16, 129,
                           palette().color(QPalette::Window));
    lblPersent->setFixedWidth(260);
    lblFilePace = makeLabel(this, QString(), 16, 160, lightGrey);
    lblFilePace->setFixedWidth(400);
    lblFilePace->setAccessibleDescription(tr("Current file pace"));
    lblBatchPace = makeLabel(this, QString(), 16, 177, lightGrey);
    lblBatchPace->setFixedWidth(400);
    lblBatchPace->setAccessibleDescription(tr("Batch pace"));

    pbTotal = new QProgressBar(this);
    pbTotal->setGeometry(80, 71, 321, 17);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(80, 95, 321, 17);
    for (QProgressBar *bar : {pbTotal, ProgressBar1}) {
        bar->setTextVisible(false);
        bar->setStyleSheet(kBarStyle);
    }

    btnStop = new PictureButton(this);
    btnStop->setObjectName(QStringLiteral("btnStop"));
    btnStop->setSkin(QStringLiteral("converting/btnStop"));
    btnStop->setGeometry(294, 126, 100, btnStop->sizeHint().height());
    btnStop->setCaption(tr("Stop"), QString(QChar(0x25a0)));
    connect(btnStop, &QAbstractButton::clicked, this, &ProgressDialog::onStopRequested);

    pbTotal->setAccessibleName(tr("Total File"));
    ProgressBar1->setAccessibleName(tr("Current File"));
    // The labels are read by the texts they show; what each stands for is its description.
    lblCurFileName->setAccessibleDescription(tr("Current Convert File"));

    // Dragging the picture moves the window; presses on the texts reach it as well.
    (new WindowDrag(this))->AddHandle(this);

    statState = new QStatusBar(this);
    statState->setSizeGripEnabled(false);
    statState->setGeometry(0, 205, 435, 17);
    statStatePanel = new QLabel(statState);
    statState->addWidget(statStatePanel, 1);

    // Deliveries from the runner's thread queue up here and run one at a time, in order.
    connect(this, &ProgressDialog::encoderOutputDelivered, this,
            &ProgressDialog::handleEncoderOutput, Qt::QueuedConnection);
    connect(this, &ProgressDialog::slotOutputDelivered, this, &ProgressDialog::handleSlotOutput,
            Qt::QueuedConnection);

    refreshTimer = new QTimer(this);
    refreshTimer->setInterval(500);
    connect(refreshTimer, &QTimer::timeout, this, &ProgressDialog::refreshProgress);
    refreshTimer->start();

    m_state.CounterText = lblPersent->text();
}

ProgressDialog::~ProgressDialog() = default;

ProgressDialog *ProgressDialog::CreateForMainWindow(QWidget *mainWindow)
{
    auto *dialog = new ProgressDialog(nullptr);
    QObject::connect(mainWindow, &QObject::destroyed, [dialog] { delete dialog; });
    return dialog;
}

void ProgressDialog::Bind(ProgramParts &parts, QWidget *mainWindow)
{
    m_parts = &parts;
    m_mainWindow = mainWindow;
}

bool ProgressDialog::JobRunning() const
{
    return m_parts && m_parts->batch.JobRunning();
}

void ProgressDialog::OnEncoderOutput(const QString &chunk)
{
    Q_EMIT encoderOutputDelivered(chunk);
}

EncoderOutputCallback ProgressDialog::OutputCallback()
{
    return [this](const QString &chunk) { OnEncoderOutput(chunk); };
}

void ProgressDialog::ShowView()
{
    if (!isVisible()) {
        show();
        WindowFocus::TakeWhenShown(this);
    }
    raise();
    showPace();
}

void ProgressDialog::HideView()
{
    const bool wasVisible = isVisible();
    hide();
    if (wasVisible)
        WindowFocus::GiveBack(m_mainWindow);
    if (m_batchShown && m_mainWindow)
        m_mainWindow->setWindowTitle(m_mainTitle);
    m_batchShown = false;
}

qint64 ProgressDialog::nowMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

void ProgressDialog::paceJobStarts()
{
    const qint64 now = nowMs();
    const qsizetype failed = m_parts ? m_parts->batch.FailedSources.size() : 0;
    if (!m_batchShown) {
        m_pace.StartBatch(now);
        m_batchShown = true;
        if (m_mainWindow)
            m_mainTitle = m_mainWindow->windowTitle();
    } else {
        m_pace.EndJob(now, failed == m_failedBefore);
    }
    m_failedBefore = failed;
    if (!m_parts)
        return;
    // The rows still to come after this one, each with its own cut.
    double later = 0;
    const SourceListModel &list = m_parts->sources;
    for (int row = m_parts->batch.CurrentRow() + 1; row < list.count(); ++row) {
        if (list.row(row).isChecked())
            later += m_parts->jobs.CutSecondsOf(list.row(row).fileName(), row).toDouble();
    }
    m_pace.StartJob(now, m_parts->jobs.CutSeconds.toDouble(), later);
}

void ProgressDialog::showPace()
{
    if (!m_batchShown) {
        lblFilePace->clear();
        lblBatchPace->clear();
        return;
    }
    const BatchPace::Figures f = m_pace.At(nowMs());
    if (m_slots > 1) {
        // Jobs side by side have no one current speed: the batch's share done gives its
        // time left once a sound part of it is behind.
        lblFilePace->clear();
        QString batch = tr("Elapsed: %1").arg(BatchPace::DurationText(f.elapsedMs));
        const double done =
            m_state.TotalMax > 0 ? double(m_state.TotalPos) / m_state.TotalMax : 0.0;
        if (BatchPace::Sound(f.elapsedMs, done, 1.0))
            batch += QStringLiteral("    ") +
                     BatchPace::TimeLeftText(qint64(f.elapsedMs * (1.0 - done) / done));
        lblBatchPace->setText(batch);
        if (m_mainWindow)
            m_mainWindow->setWindowTitle(
                QStringLiteral("%1% - Clipwright").arg(int(done * 100.0)));
        return;
    }
    lblFilePace->setText(f.speed ? tr("Speed: %1    This file: %2 left")
                                       .arg(BatchPace::SpeedText(*f.speed),
                                            BatchPace::DurationText(*f.jobLeftMs))
                                 : QString());
    QString batch = tr("Elapsed: %1").arg(BatchPace::DurationText(f.elapsedMs));
    if (f.batchLeftMs)
        batch += QStringLiteral("    ") + BatchPace::TimeLeftText(*f.batchLeftMs);
    lblBatchPace->setText(batch);
    // The task bar shows the batch's share done while the dialog is open.
    if (m_mainWindow && f.batchPercent)
        m_mainWindow->setWindowTitle(QStringLiteral("%1% - Clipwright").arg(*f.batchPercent));
}

void ProgressDialog::FlushOutput()
{
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void ProgressDialog::handleEncoderOutput(const QString &chunk)
{
    m_state.StatusText = chunk;
    statStatePanel->setText(chunk);
    if (m_parts)
        lblCurFileName->setText(m_parts->jobs.Job.InputFile);
    showProgress();
}

void ProgressDialog::showProgress()
{
    if (m_parts) {
        m_state.RefreshCount = m_parts->batch.RefreshCount;
        m_state.ConvertedCount = m_parts->batch.ConvertedCount;
        m_state.CheckedCount = m_parts->batch.CheckedCount;
        m_state.CutSeconds = m_parts->jobs.CutSeconds;
        m_state.CodecArg = m_parts->jobs.Job.CodecArg;
        m_state.OutputExt = m_parts->jobs.Job.OutputExt;
    }
    RefreshProgress(m_state);
    if (m_parts)
        m_parts->batch.RefreshCount = m_state.RefreshCount;
    m_pace.Progress(nowMs(), m_state.CurrentPos);
    showState();
    showPace();
}

void ProgressDialog::ResetCurrentBar()
{
    m_state.CurrentPos = 0;
    paceJobStarts();
    showState();
}

void ProgressDialog::showState()
{
    showBar(ProgressBar1, m_state.CurrentMin, m_state.CurrentMax, m_state.CurrentPos);
    showBar(pbTotal, 0, m_state.TotalMax, m_state.TotalPos);
    lblPersent->setText(m_state.CounterText);
}

void ProgressDialog::refreshProgress()
{
    if (m_slots > 1 && isVisible())
        showSlots();
    m_spinnerStep = NextSpinnerStep(m_spinnerStep);
    lblInfo->setText(BusyIndicatorText(m_spinnerStep, m_state.CurrentPos));
    showPace();
}

void ProgressDialog::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FormShow();
}

void ProgressDialog::FormShow()
{
    m_spinnerStep = 0;
    if (m_parts)
        lblCurFileName->setText(m_parts->jobs.Job.InputFile);
    const int checked = m_parts ? m_parts->batch.CheckedCount : 0;
    m_state.CheckedCount = checked;
    m_state.CounterText = InitialCounterText(checked);
    m_state.CurrentMin = 0;
    m_state.CurrentMax = 1;
    m_state.CurrentPos = 0;
    m_state.TotalMax = 1;
    m_state.TotalPos = 0;
    showState();
    // Opened centred on the main window.
    if (m_mainWindow && m_mainWindow->isVisible())
        move(m_mainWindow->geometry().center() - rect().center());
}

bool ProgressDialog::confirm(const QString &text)
{
    // Without the message boxes installed, a question counts as answered No.
    return m_parts && m_parts->messages.Confirm(text);
}

void ProgressDialog::endBatchFromDialog()
{
    hide();
    // Through the batch's own switch when there is one: the main window disables only its
    // controls during a batch, so that this dialog stays usable.
    if (m_parts && m_parts->batch.Environment.SetMainWindowEnabled)
        m_parts->batch.Environment.SetMainWindowEnabled(true);
    else if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    // The batch ends after the current job.
    if (m_parts)
        m_parts->batch.RequestEnd();
}

void ProgressDialog::onStopRequested()
{
    if (!confirm(tr("Are you sure you want to stop the work ? ")))
        return;
    StopBatch();
}

void ProgressDialog::StopBatch()
{
    endBatchFromDialog();
    if (m_parts) {
        m_parts->batch.RequestStop();
        m_parts->encoderStopper.Stop(m_parts->jobs.Job.EncoderFile);
        stopRunningEncoders();
        m_parts->encoderStopper.Stop(QStringLiteral("tcore"));
        if (m_parts->batch.CurrentRunner)
            m_parts->batch.CurrentRunner->Terminate();
    }
    m_state.CurrentPos = 0;
    m_state.TotalMax = 0;
    m_state.TotalPos = 0;
    m_state.CounterText = tr("Current: 1, Total: ...");
    showState();
}

bool ProgressDialog::confirmClose()
{
    if (!confirm(tr("Are you sure to stop processing ?")))
        return false;
    endBatchFromDialog();
    if (m_parts) {
        m_parts->encoderStopper.Stop(m_parts->jobs.Job.EncoderFile);
        stopRunningEncoders();
    }
    return true;
}

void ProgressDialog::stopRunningEncoders()
{
    // Jobs side by side may run the other encoder than the last job built.
    for (const QString &file : m_parts->batch.RunningEncoderFiles()) {
        if (file != m_parts->jobs.Job.EncoderFile)
            m_parts->encoderStopper.Stop(file);
    }
}

void ProgressDialog::closeEvent(QCloseEvent *event)
{
    // Closing only hides the dialog; it lives until the program ends.
    if (!isVisible() || confirmClose())
        event->accept();
    else
        event->ignore();
}

void ProgressDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape asks what Stop asks.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        onStopRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}
