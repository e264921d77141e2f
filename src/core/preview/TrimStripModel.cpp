#include "preview/TrimStripModel.h"

#include "preview/PreviewPlayer.h"
#include "preview/TrimMath.h"

#include <functional>
#include "sources/SourceListModel.h"

#include <QCoreApplication>

using namespace TrimMath;

TrimStripModel::TrimStripModel(SourceListModel &list, PreviewPlayer &player, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_player(player)
{
}

int TrimStripModel::Middle() const
{
    return kStripWidth - m_left - m_right - 2 * kHandleWidth;
}

void TrimStripModel::SetLeft(int left)
{
    if (m_left == left)
        return;
    m_left = left;
    Q_EMIT geometryChanged();
}

void TrimStripModel::SetRight(int right)
{
    if (m_right == right)
        return;
    m_right = right;
    Q_EMIT geometryChanged();
}

void TrimStripModel::processPending()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TrimStripModel::LoadSelectedRow()
{
    for (int row : m_list.selectedRows()) {
        const SourceRow &r = m_list.row(row);
        // The file in the preview keeps its handles where they are.
        if (r.fileName() == m_player.LoadedFile)
            continue;
        m_player.StopPreview();
        const qint64 d = CellSeconds(r.cell(SourceRow::kDurationColumn));
        const qint64 s = CellSeconds(r.startTime());
        const qint64 e = CellSeconds(r.endTime());
        Marks.DurationSeconds = int(d);
        Marks.TimelineLoaded = false;
        // A row never has a zero duration once added; an odd one leaves the handles alone.
        if (d > 0) {
            const int left = LeftForStart(s, d);
            if (LeftMoves(left, m_left))
                SetLeft(left);
            const int right = RightForEnd(e, d);
            if (RightMoves(right, m_right))
                SetRight(right);
        }
        Marks.TimelineLoaded = true;
    }
}

void TrimStripModel::ResetTrimStrip()
{
    SetLeft(kResetWidth);
    SetRight(kResetWidth);
}

void TrimStripModel::SetStartTimeAndPlay()
{
    processPending();
    if (HandlesTouch(m_left, m_right))
        SetLeft(m_left - 1);
    Marks.StartSeconds = SecondsAtPercent(StartPercent(m_left), Marks.DurationSeconds);
    const QString start = FormatDuration(Marks.StartSeconds);
    for (int row : m_list.selectedRows()) {
        m_list.setCell(row, SourceRow::kStartColumn, start);
        const QString path = m_list.row(row).fileName();
        m_list.setCell(row, SourceRow::kCutColumn,
                       FormatDuration(GetRowCutSeconds(path)));
        if (Marks.TimelineLoaded && m_player.GraphActive())
            PreviewPlayer::SeekGraph(m_player.FilterGraph(), qint64(Marks.StartSeconds) * 1000);
    }
}

void TrimStripModel::endHandleMoved()
{
    processPending();
    if (HandlesTouch(m_left, m_right))
        SetRight(m_right - 1);
    const int endSeconds = SecondsAtPercent(EndPercent(m_right), Marks.DurationSeconds);
    const QString end = FormatDuration(endSeconds);
    for (int row : m_list.selectedRows()) {
        m_list.setCell(row, SourceRow::kEndColumn, end);
        Marks.EndTimeText = end;
        const QString path = m_list.row(row).fileName();
        m_list.setCell(row, SourceRow::kCutColumn,
                       FormatDuration(GetRowCutSeconds(path)));
    }
    Q_EMIT endFaceDrawRequested();
}

void TrimStripModel::DragStartHandle(int wantedLeft)
{
    const int left = DragLeft(wantedLeft, m_right);
    if (left == m_left)
        return;
    SetLeft(left);
    SetStartTimeAndPlay();
}

void TrimStripModel::DragEndHandle(int wantedRight)
{
    const int right = DragRight(wantedRight, m_left);
    if (right == m_right)
        return;
    SetRight(right);
    endHandleMoved();
}

void TrimStripModel::EndStartHandleDrag()
{
    SetStartTimeAndPlay();
}

void TrimStripModel::EndEndHandleDrag()
{
    endHandleMoved();
}

namespace {

// The outer image's width after a move by `seconds`: the nearest width the asked way whose
// time is at least that far from the time shown now, or the end of the strip. Times come in
// whole percents of the file, so a step always changes the time shown, by a second or more.
int SteppedWidth(int width, int seconds, bool growsRight, const std::function<qint64(int)> &timeAt)
{
    const int direction = (seconds > 0) == growsRight ? 1 : -1;
    if (qAbs(seconds) >= TrimStripModel::kToEnd)
        return direction > 0 ? kStripWidth : 1;
    const qint64 target = timeAt(width) + seconds;
    int w = width + direction;
    while (w > 1 && w < kStripWidth &&
           (seconds > 0 ? timeAt(w) < target : timeAt(w) > target))
        w += direction;
    return w;
}

} // namespace

void TrimStripModel::StepStartHandle(int seconds)
{
    const int d = Marks.DurationSeconds;
    if (d <= 0 || seconds == 0)
        return;
    DragStartHandle(SteppedWidth(m_left, seconds, true, [d](int left) {
        return qint64(SecondsAtPercent(StartPercent(left), d));
    }));
    EndStartHandleDrag();
}

void TrimStripModel::StepEndHandle(int seconds)
{
    const int d = Marks.DurationSeconds;
    if (d <= 0 || seconds == 0)
        return;
    DragEndHandle(SteppedWidth(m_right, seconds, false, [d](int right) {
        return qint64(SecondsAtPercent(EndPercent(right), d));
    }));
    EndEndHandleDrag();
}

void TrimStripModel::leftPartPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::LeftButton)
        return;
    const int step = ClickStep(modifiers);
    if (!CanStep(m_left, m_left, m_right, step))
        return;
    SetLeft(m_left - step);
    SetStartTimeAndPlay();
}

void TrimStripModel::rightPartPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::LeftButton)
        return;
    const int step = ClickStep(modifiers);
    if (!CanStep(m_right, m_left, m_right, step))
        return;
    SetRight(m_right - step);
    endHandleMoved();
}

void TrimStripModel::middlePartPressed(Qt::MouseButton, Qt::KeyboardModifiers)
{
}

QString TrimStripModel::CheckEditedTimes()
{
    for (int row : m_list.selectedRows()) {
        const SourceRow &r = m_list.row(row);
        const TypedTimes t = CheckTypedTimes(r.cell(SourceRow::kDurationColumn),
                                             r.startTime(), r.endTime(),
                                             r.cell(SourceRow::kCutColumn));
        m_list.setCell(row, SourceRow::kStartColumn, t.start);
        m_list.setCell(row, SourceRow::kEndColumn, t.end);
        if (!t.error.isEmpty())
            return t.error;
        if (Marks.TimelineLoaded && m_player.GraphActive())
            PreviewPlayer::SeekGraph(m_player.FilterGraph(), t.seekMs);
        m_list.setCell(row, SourceRow::kCutColumn, t.cut);
    }
    return QString();
}

int TrimStripModel::GetRowCutSeconds(const QString &path) const
{
    const int row = m_list.lastIndexOfFile(path, Qt::CaseInsensitive);
    if (row < 0)
        return 0;
    const SourceRow &r = m_list.row(row);
    return int(CutCellSeconds(r.endTime()) - CutCellSeconds(r.startTime()));
}
