#pragma once

#include "platform/IFolderOpener.h"

// Opens folders with the desktop's default file manager.
class DesktopFolderOpener : public IFolderOpener
{
public:
    void OpenFolder(const QString &folder) override;
};
