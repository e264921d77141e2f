#pragma once

#include <QString>
#include <QtGlobal>

// The arithmetic of the trim strip, without any widget: where the handles stand for a time
// range, which time a handle position means, how far a click steps a handle, and how typed
// Start and End times are checked and corrected.
//
// The strip is kStripWidth px wide. From the left: the left image (L px), the start handle,
// the middle image, the end handle and the right image (R px); the handles are
// kHandleWidth px wide each.
namespace TrimMath {

constexpr int kStripWidth = 260;
constexpr int kHandleWidth = 19;
// The outer images' width when the strip is reset.
constexpr int kResetWidth = 2;

// Percent of the duration the start handle stands for: (L - 3) * 121 / 260, truncated;
// 0 for L up to 5, 100 for L = 220.
int StartPercent(int left);
// Percent of the duration the end handle stands for: (219 - R) * 121 / 260, truncated;
// 101 for R = 1 (the far right), 100 for R = 2, 0 for R = 220.
int EndPercent(int right);
// Whole seconds at percent of durationSeconds, truncated.
int SecondsAtPercent(int percent, int durationSeconds);

// The left image's width for a start of s seconds of a d-second file: rnd(s / d * 220) + 1,
// halves rounded to even.
int LeftForStart(qint64 s, qint64 d);
// The right image's width for an end of e seconds: 221 - rnd(e / d * 220).
int RightForEnd(qint64 e, qint64 d);
// Loading a row moves a handle only when its new place is more than 1 px (left) or 2 px
// (right) away from where it stands.
bool LeftMoves(int newLeft, int left);
bool RightMoves(int newRight, int right);

// The left and right image widths a drag may reach: every part keeps at least 1 px.
int DragLeft(int wanted, int right);
int DragRight(int wanted, int left);
// The handles touch or overlap (the end handle's left edge is less than 20 px right of the
// start handle's).
bool HandlesTouch(int left, int right);

// How far a click on an outer image steps a handle: 1 px with Ctrl alone, 10 px with Shift
// alone, 5 px otherwise.
int ClickStep(Qt::KeyboardModifiers modifiers);
// Whether a click may step an outer image of width outer: it must stay wider than the step
// and the middle image must be at least 7 px wide.
bool CanStep(int outer, int left, int right, int step);

// hh:mm:ss of whole seconds; more hour digits from 100 hours on; negative gives 00:00:00.
QString FormatDuration(qint64 seconds);
// A time cell as whole seconds, read leniently field by field: the cell split at ":" must
// give three or more pieces, else 0.
qint64 CellSeconds(const QString &cell);
// A time cell as whole seconds for the cut length: exactly three integer fields, else 0.
qint64 CutCellSeconds(const QString &cell);

// The outcome of checking a row's typed Start and End times.
struct TypedTimes
{
    QString start;      // the Start Time cell afterwards
    QString end;        // the End Time cell afterwards
    QString cut;        // the Cut Time cell afterwards (unchanged when error is set)
    qint64 seekMs = -1; // where the preview goes when it plays this row; -1 after an error
    QString error;      // "'xy' is not a valid integer value" when a field is not a number
};

// Checks and corrects the typed times of a row with duration, start and end texts. On an
// error the changes made before it (empty cells filled) are kept in start and end.
TypedTimes CheckTypedTimes(const QString &duration, const QString &start, const QString &end,
                           const QString &cut);

} // namespace TrimMath
