#pragma once

#include <QEventLoop>
#include <QObject>

// Waits that keep the windows alive: the GUI thread's events (clicks, timers, repaints and
// the progress deliveries) run while the caller waits.
namespace EventPump {

// Runs the events that are pending now.
void ProcessPending();
// Waits ms milliseconds while running events as they come; never a blocking sleep.
void WaitFor(int ms);

// A wait that another thread can end early.
class Waiter : public QObject
{
public:
    // Like WaitFor, but returns as soon as Wake is called (at once if it was called since
    // the last wait).
    void WaitFor(int ms);
    // Ends the current or next wait; may be called from any thread.
    void Wake();

private:
    QEventLoop m_loop;
    bool m_woken = false;
};

} // namespace EventPump
