#pragma once

// Waits that keep the windows alive: the GUI thread's events (clicks, timers, repaints and
// the progress deliveries) run while the caller waits.
namespace EventPump {

// Runs the events that are pending now.
void ProcessPending();
// Waits ms milliseconds while running events as they come; never a blocking sleep.
void WaitFor(int ms);

} // namespace EventPump
