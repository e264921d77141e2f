#pragma once

#include "preview/TrimMarks.h"

#include <QObject>
#include <QString>

class PreviewPlayer;
class SourceListModel;

// The trim strip (trimStripWidget) without a widget: the widths of its outer images, the trim marks,
// and the procedures that turn handle moves, clicks and typed times into the Start Time,
// End Time and Cut Time cells of the selected rows. The strip widget lays its five parts
// out from Left() and Right() and calls the procedures on mouse events.
class TrimStripModel : public QObject
{
    Q_OBJECT

public:
    TrimStripModel(SourceListModel &list, PreviewPlayer &player, QObject *parent = nullptr);

    // Width of the left image (leftPart), which places the start handle.
    int Left() const { return m_left; }
    // Width of the right image (rightPart), which places the end handle.
    int Right() const { return m_right; }
    // Width of the middle image (middlePart); 0 or less when the handles overlap.
    int Middle() const;
    // Sets the widths directly, without the drag limits and without running a procedure.
    void SetLeft(int left);
    void SetRight(int right);

    // The marks the preview player reads.
    TrimMarks Marks;

    // Places the handles for the selected rows (the last selected row decides); a row whose
    // file is in the preview is skipped, any other row stops the preview first.
    void LoadSelectedRow();
    // Puts both handles near the ends: L := 2, R := 2.
    void ResetTrimStrip();

    // The start handle was moved: new Start Time for the selected rows, and the preview
    // moves to it.
    void SetStartTimeAndPlay();
    // The end handle was moved: new End Time and end mark for the selected rows.
    void endHandleMoved();

    // Dragging: the outer image follows the mouse within the limits, and the handle's
    // procedure runs whenever the width changed; ending the drag (release or Esc) runs it
    // once more.
    void DragStartHandle(int wantedLeft);
    void DragEndHandle(int wantedRight);
    void EndStartHandleDrag();
    void EndEndHandleDrag();

    // The keyboard on a handle: moves it by that many seconds of the file (at least one
    // step of the strip, so that it always moves), or to its far end with kToEnd or
    // -kToEnd, then ends the move as a drag does. Nothing happens without a loaded row.
    static constexpr int kToEnd = 1 << 30;
    void StepStartHandle(int seconds);
    void StepEndHandle(int seconds);

    // Clicks on the outer images step the handle toward the click; only the left button
    // acts. The middle image ignores clicks.
    void leftPartPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void rightPartPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void middlePartPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    // Checks and corrects the typed times of every selected row after an edit. Returns the
    // error message when a time field is not a number (that row's check and the rest stop
    // there), else empty text.
    QString CheckEditedTimes();

    // End minus start, in seconds, of the last row with that file path (letter case
    // ignored); 0 when there is none.
    int GetRowCutSeconds(const QString &path) const;

Q_SIGNALS:
    // Left() or Right() changed.
    void geometryChanged();
    // The end handle's face is to be drawn now.
    void endFaceDrawRequested();

private:
    // Lets paints and timers run before the positions are read; input waits.
    void processPending();

    SourceListModel &m_list;
    PreviewPlayer &m_player;
    int m_left = 1;
    int m_right = 1;
};
