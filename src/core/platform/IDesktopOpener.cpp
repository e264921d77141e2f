#include "platform/IDesktopOpener.h"

namespace {

class SilentOpener final : public IDesktopOpener
{
public:
    bool OpenAddress(const QString &) override { return false; }
    bool OpenPath(const QString &) override { return false; }
};

SilentOpener g_silent;
IDesktopOpener *g_opener = nullptr;

} // namespace

namespace platform {

IDesktopOpener &desktopOpener()
{
    return g_opener ? *g_opener : g_silent;
}

void setDesktopOpener(IDesktopOpener *opener)
{
    g_opener = opener;
}

} // namespace platform
