#pragma once

struct BatchEnvironment;

// What a batch tells the desktop around it: the session is kept from sleeping from the
// batch's start to its end (however it ends), and a batch that ran to its end while none
// of the program's windows was active is reported in a desktop notification.
class BatchDesktopNotice
{
public:
    // Takes the sleep hold for a batch of files jobs (none for an empty batch).
    BatchDesktopNotice(const BatchEnvironment &env, int files);
    // Gives the hold back if it is still kept (a batch ended by an error).
    ~BatchDesktopNotice();
    BatchDesktopNotice(const BatchDesktopNotice &) = delete;
    BatchDesktopNotice &operator=(const BatchDesktopNotice &) = delete;

    // The jobs are over: gives the hold back, and when notify is set (a batch that ran to
    // its end) tells how many files were converted and how many failed, unless a window
    // of the program is the active one.
    void JobsEnded(bool notify, int converted, int failed);

private:
    void release();

    const BatchEnvironment &m_env;
    bool m_holding = false;
};
