#pragma once

#include <QString>

class IPowerOff;

// What may happen when a batch is over: the output folder opens in the file manager (the
// desktop opener), the computer is switched off. Without a power-off service (tests, the
// command line) nothing is switched off.
class CompletionActions
{
public:
    explicit CompletionActions(IPowerOff *powerOff = nullptr) : m_powerOff(powerOff) {}

    // The power-off service; start-up installs the real one.
    void SetPowerOff(IPowerOff *powerOff) { m_powerOff = powerOff; }

    // The path goes to the file manager as it is; what it does with it is not looked at.
    // Without a folder (no job built yet) the file manager opens on its usual start, the
    // home folder.
    void OpenFolder(const QString &folder);
    // True when the system accepted the request.
    bool PowerOff();

private:
    IPowerOff *m_powerOff;
};
