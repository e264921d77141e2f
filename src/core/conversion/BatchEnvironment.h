#pragma once

#include "conversion/EncoderProcess.h"

#include <functional>

class IDesktopNotifier;
class RunningJob;
class ISleepInhibitor;

// The pauses of a batch. Tests shorten them; the program uses the defaults.
struct BatchTimings
{
    // The dialog is shown and painted (pending events handled) before the encoder starts,
    // and the driver waits for the runner's end, not for a clock: by default nothing more.
    // A pause here adds a wait of that many milliseconds at each of those two points.
    int showPauseMs = 0;  // after the dialog is shown, before the encoder starts
    int startPauseMs = 0; // after the encoder starts, before looking for its end
    int pollMs = 100;        // between two looks for a running encoder
    int stopRetryMs = 500;   // between two attempts to stop the encoders
    EncoderTimings runner;
};

// The progress dialog as the batch driver sees it.
class IProgressView
{
public:
    virtual ~IProgressView() = default;
    // Shows the dialog (non-modal; showing it again changes nothing).
    virtual void ShowView() = 0;
    virtual void HideView() = 0;
    // Puts the current-file bar back to 0.
    virtual void ResetCurrentBar() = 0;
    // The callback a job's runner hands its output to (called on the runner's thread).
    virtual EncoderOutputCallback OutputCallback() = 0;
    // Runs the deliveries of the job that just ended that still wait for the GUI thread.
    virtual void FlushOutput() = 0;

    // Several jobs at once. The batch shows `slots` job lines (set before its first job;
    // 1 shows the one-job layout), then tells each job as it starts in its slot and as it
    // ends; a slot's runner hands its output to that slot's callback.
    virtual void ShowJobSlots(int slots) { (void)slots; }
    virtual void SlotJobStarted(const RunningJob &job) { (void)job; }
    virtual void SlotJobEnded(int slot) { (void)slot; }
    virtual EncoderOutputCallback SlotOutputCallback(int slot)
    {
        (void)slot;
        return OutputCallback();
    }
};

// What the batch driver needs of the windows and the program around it. Start-up fills it;
// tests put fakes in.
struct BatchEnvironment
{
    IProgressView *View = nullptr;
    std::function<void(bool)> SetMainWindowEnabled;
    // Ends the program at once, without the main window's closing steps.
    std::function<void()> EndProgram;
    // The session's sleep hold during a batch and the notification at its end; either may
    // stay empty. No notification while IsProgramActive says a window of the program is
    // the active one.
    ISleepInhibitor *SleepInhibitor = nullptr;
    IDesktopNotifier *Notifier = nullptr;
    std::function<bool()> IsProgramActive;
    // A batch starts, and a job of it ended: the row, and whether its output was written.
    // The session's list keeps which rows an unfinished batch converted.
    std::function<void()> BatchStarting;
    std::function<void(int row, bool converted)> JobEnded;
    BatchTimings Timings;
};
