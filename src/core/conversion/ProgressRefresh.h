#pragma once

#include <QString>

// What the progress refresh reads and moves: the batch counters, the two bars, the job
// counter text and the last chunk of encoder output. The dialog keeps one and draws it.
struct ProgressState
{
    // Batch state.
    int RefreshCount = 0;
    int ConvertedCount = 0;
    int CheckedCount = 0;
    QString CutSeconds;
    // The current job's output type.
    QString CodecArg;
    QString OutputExt;
    // The last chunk of encoder output (the status panel's text).
    QString StatusText;
    // Current-file bar (ProgressBar1) and batch bar (pbTotal).
    int CurrentMin = 0;
    int CurrentMax = 1;
    int CurrentPos = 0;
    int TotalMax = 1;
    int TotalPos = 0;
    // The job counter (lblPersent).
    QString CounterText;

    bool operator==(const ProgressState &other) const = default;
};

// One progress refresh on the chunk in StatusText. The first refresh of a job is skipped;
// later ones first move the batch bar and counter from the current bar as the previous
// refresh left it, then set the current bar to the report's elapsed output time in whole
// seconds (held within its range), read by field position rather than by name.
void RefreshProgress(ProgressState &state);

// True when the output type's report has no video fields (AMR, AAC, MP3).
bool IsAudioOnlyLayout(const QString &codecArg, const QString &outputExt);

// The busy indicator's next step: 1 to 5, wrapping after 5.
int NextSpinnerStep(int step);
// The busy indicator's text for a step while the current bar stands at currentPos.
QString BusyIndicatorText(int step, int currentPos);

// The job counter text that the dialog shows when it opens.
QString InitialCounterText(int checkedCount);
