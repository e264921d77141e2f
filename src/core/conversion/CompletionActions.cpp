#include "conversion/CompletionActions.h"

#include "platform/IDesktopOpener.h"
#include "platform/IPowerOff.h"

#include <QDir>

void CompletionActions::OpenFolder(const QString &folder)
{
    if (m_opener)
        m_opener->OpenPath(folder.isEmpty() ? QDir::homePath() : folder);
}

bool CompletionActions::PowerOff()
{
    return m_powerOff && m_powerOff->PowerOff();
}
