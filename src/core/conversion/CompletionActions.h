#pragma once

#include <QString>

class IDesktopOpener;
class IPowerOff;

// What may happen when a batch is over: the output folder opens in the file manager, the
// computer is switched off. Without an opener or a power-off service (tests, the command
// line) that part does nothing.
class CompletionActions
{
public:
    explicit CompletionActions(IDesktopOpener *opener) : m_opener(opener) {}

    // The power-off service; start-up installs the real one.
    void SetPowerOff(IPowerOff *powerOff) { m_powerOff = powerOff; }

    // The path goes to the file manager as it is; what it does with it is not looked at.
    // Without a folder (no job built yet) the file manager opens on its usual start, the
    // home folder.
    void OpenFolder(const QString &folder);
    // True when the system accepted the request.
    bool PowerOff();

private:
    IDesktopOpener *m_opener;
    IPowerOff *m_powerOff = nullptr;
};
