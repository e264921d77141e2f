// What happens at the end of a batch, and the working-set trim.
#include "conversion/EventPump.h"
#include "platform/IDesktopOpener.h"
#include "platform/IPowerOff.h"
#include "platform/MallocMemoryTrimmer.h"
#include "shell/TCommonLib.h"

#include <QDir>

void TCommonLib::OpenFolderInExplorer(const QString &folder)
{
    // The path goes to the file manager as it is; what it does with it is not looked at.
    // Without a folder (no job built yet) the file manager opens on its usual start, the
    // home folder.
    platform::desktopOpener().OpenPath(folder.isEmpty() ? QDir::homePath() : folder);
}

void TCommonLib::ShutdownComputer()
{
    EnableShutdownPrivilege();
    PowerOff();
}

bool TCommonLib::PowerOff()
{
    return m_powerOff && m_powerOff->PowerOff();
}

void TCommonLib::TrimWorkingSet()
{
    MallocMemoryTrimmer().Trim();
    EventPump::ProcessPending();
}
