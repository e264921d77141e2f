#pragma once

#include <QString>

// The trim state the trim strip keeps and the preview player reads: the start and end marks
// set by the handles, and the row last loaded into the strip.
struct TrimMarks
{
    // Duration in whole seconds of the row last loaded into the strip.
    int DurationSeconds = 0;
    // The start mark in whole seconds; only the start handle sets it.
    int StartSeconds = 0;
    // The end mark as hh:mm:ss; only the end handle sets it.
    QString EndTimeText;
    // A row's range is loaded into the strip (false while a row is being loaded).
    bool TimelineLoaded = false;
};
