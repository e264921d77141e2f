#pragma once

#include <QString>

// Shows a folder in the desktop's file manager.
class IFolderOpener
{
public:
    virtual ~IFolderOpener() = default;
    // Opens the folder; a folder that does not exist is the file manager's to report.
    virtual void OpenFolder(const QString &folder) = 0;
};
