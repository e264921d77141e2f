// The progress dialog's job lines: with several jobs at once, a line per job (file name and
// bar) under the batch bar, in a window stretched to hold them.
#include "conversion/ProgressDialog.h"

#include "conversion/ProgressDialogLook.h"
#include "conversion/RunningJob.h"
#include "platform/WindowOutline.h"
#include "shell/ProgramParts.h"
#include "shell/PictureButton.h"
#include "shell/SkinPicture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QStatusBar>

using namespace ProgressDialogLook;

namespace {

// The background's height at 100% and where its picture is stretched for job lines: a row
// inside the lower well, below its rounded corners.
constexpr int kPictureHeight = 205;
constexpr int kStretchRow = 100;
// A job line: the file name above its bar.
constexpr int kLineHeight = 30;
constexpr int kFirstLineTop = 72;

// The extra height that `slots` job lines need beyond the one-job layout, whose lower well
// has room for 42 pixels of lines.
int extraHeight(int slots)
{
    return slots <= 1 ? 0 : std::max(0, slots * kLineHeight - 42);
}

// The picture with its row at `row` (in 100% pixels) repeated for `extra` more pixels, so
// that the well it crosses grows and the rounded corners stay as drawn.
QImage stretched(QImage picture, int row, int extra)
{
    if (extra <= 0 || picture.isNull())
        return picture;
    const qreal ratio = picture.devicePixelRatio();
    picture.setDevicePixelRatio(1);
    const int at = qRound(row * ratio);
    const int add = qRound(extra * ratio);
    QImage out(picture.width(), picture.height() + add, picture.format());
    QPainter p(&out);
    // Copied as they are, the key colour and any transparency included.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), picture, QRect(0, 0, picture.width(), at));
    const QImage band = picture.copy(0, at, picture.width(), 1);
    for (int y = 0; y < add; ++y)
        p.drawImage(QPoint(0, at + y), band);
    p.drawImage(QPoint(0, at + add), picture,
                QRect(0, at, picture.width(), picture.height() - at));
    p.end();
    out.setDevicePixelRatio(ratio);
    return out;
}

} // namespace

void ProgressDialog::ShowJobSlots(int slots)
{
    slots = std::max(1, slots);
    if (slots != m_slots)
        layOut(slots);
}

void ProgressDialog::layOut(int slots)
{
    m_slots = slots;
    const bool several = slots > 1;
    const int extra = extraHeight(slots);
    setFixedSize(435, 222 + extra);

    const QString path = QStringLiteral(":/skin/converting/background.png");
    const QImage background = stretched(QImage(path), kStretchRow, extra);
    const QImage picture = stretched(SkinPixmap(path).toImage(), kStretchRow, extra);
    imgBackground->setPixmap(QPixmap::fromImage(picture));
    imgBackground->setGeometry(0, 0, background.width(), background.height());
    WindowOutline::Keep(this, picture);

    // One job: the file above the two bars. Several: the batch bar in the upper well, a
    // line per job in the lower one.
    for (QWidget *single : {static_cast<QWidget *>(lblCurConvertFileL),
                            static_cast<QWidget *>(lblCurFileName),
                            static_cast<QWidget *>(lblCurprog),
                            static_cast<QWidget *>(ProgressBar1)})
        single->setVisible(!several);
    lblTotalFilr->move(16, several ? 44 : 72);
    pbTotal->move(80, several ? 43 : 71);
    lblPersent->move(16, 129 + extra);
    btnStop->move(294, 126 + extra);
    lblFilePace->move(16, 160 + extra);
    lblBatchPace->move(16, 177 + extra);
    statState->move(0, kPictureHeight + extra);

    for (JobLine &line : m_lines) {
        delete line.fileName;
        delete line.bar;
    }
    m_lines.clear();
    if (!several)
        return;
    const QColor white(Qt::white);
    for (int slot = 0; slot < slots; ++slot) {
        JobLine line;
        const int top = kFirstLineTop + slot * kLineHeight;
        line.fileName = makeLabel(this, QString(), 16, top, white);
        line.fileName->setFixedSize(385, 13);
        line.fileName->setAccessibleDescription(tr("Conversion %1 file").arg(slot + 1));
        line.bar = new QProgressBar(this);
        line.bar->setGeometry(16, top + 15, 385, 11);
        line.bar->setTextVisible(false);
        line.bar->setStyleSheet(kBarStyle);
        line.bar->setAccessibleName(tr("Conversion %1").arg(slot + 1));
        showBar(line.bar, 0, 1, 0);
        line.fileName->show();
        line.bar->show();
        m_lines.push_back(line);
    }
    // The Stop button stays in front of the stretched picture.
    btnStop->raise();
}

void ProgressDialog::SlotJobStarted(const RunningJob &job)
{
    if (job.Slot < 0 || job.Slot >= int(m_lines.size()))
        return;
    if (!m_batchShown) {
        m_pace.StartBatch(nowMs());
        m_batchShown = true;
        if (m_mainWindow)
            m_mainTitle = m_mainWindow->windowTitle();
    }
    JobLine &line = m_lines[size_t(job.Slot)];
    line.active = true;
    line.state = ProgressState();
    line.state.CutSeconds = job.CutSeconds;
    line.state.CodecArg = job.Job.CodecArg;
    line.state.OutputExt = job.Job.OutputExt;
    line.state.CurrentMax = std::max(1, job.CutSeconds.toInt());
    const QString file = job.Job.InputFile;
    line.fileName->setText(line.fileName->fontMetrics().elidedText(
        QFileInfo(job.Source).fileName(), Qt::ElideMiddle, line.fileName->width()));
    line.fileName->setToolTip(file);
    showSlots();
}

void ProgressDialog::SlotJobEnded(int slot)
{
    if (slot < 0 || slot >= int(m_lines.size()))
        return;
    JobLine &line = m_lines[size_t(slot)];
    line.active = false;
    line.state = ProgressState();
    line.fileName->clear();
    line.fileName->setToolTip(QString());
    showSlots();
}

EncoderOutputCallback ProgressDialog::SlotOutputCallback(int slot)
{
    if (m_slots <= 1)
        return OutputCallback();
    return [this, slot](const QString &chunk) { Q_EMIT slotOutputDelivered(slot, chunk); };
}

void ProgressDialog::handleSlotOutput(int slot, const QString &chunk)
{
    if (slot < 0 || slot >= int(m_lines.size()) || !m_lines[size_t(slot)].active)
        return;
    ProgressState &state = m_lines[size_t(slot)].state;
    state.StatusText = chunk;
    statStatePanel->setText(chunk);
    RefreshProgress(state);
    showSlots();
}

void ProgressDialog::showSlots()
{
    const int converted = m_parts ? m_parts->batch.ConvertedCount : 0;
    const int checked = m_parts ? m_parts->batch.CheckedCount : 0;
    // Each running job adds its share as the one-job refresh does: at most 99 of its 100.
    int share = 0;
    int running = 0;
    int furthest = 0;
    for (const JobLine &line : m_lines) {
        showBar(line.bar, 0, line.state.CurrentMax, line.active ? line.state.CurrentPos : 0);
        if (!line.active)
            continue;
        share += std::clamp(line.state.CurrentPos, 0, line.state.CurrentMax) * 100 /
                 (line.state.CurrentMax + 1);
        ++running;
        furthest = std::max(furthest, line.state.CurrentPos);
    }
    m_state.TotalMax = checked * 100;
    m_state.TotalPos = std::min(m_state.TotalMax, converted * 100 + share);
    m_state.CurrentPos = furthest;
    // The counter names the last job begun: with two of three running, "Current: 2".
    if (checked > 0)
        m_state.CounterText = QCoreApplication::translate("ProgressRefresh", "Current: %1 , Total: %2.")
                                  .arg(std::clamp(converted + running, 1, checked))
                                  .arg(checked);
    showBar(pbTotal, 0, m_state.TotalMax, m_state.TotalPos);
    lblPersent->setText(m_state.CounterText);
}

