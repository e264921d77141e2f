#pragma once

#include "platform/IDesktopOpener.h"

// The desktop's opener through QDesktopServices (xdg-open or the desktop portal).
class DesktopOpener final : public IDesktopOpener
{
public:
    bool OpenAddress(const QString &address) override;
    bool OpenPath(const QString &path) override;
};
