#include "shell/ProductLinks.h"

#include "platform/IDesktopOpener.h"

void ProductLinks::OpenHomePage()
{
    platform::desktopOpener().OpenAddress(m_info.HomePage);
}

void ProductLinks::SendSupportMail()
{
    platform::desktopOpener().OpenAddress(QStringLiteral("mailto:") + m_info.SupportMail);
}

void ProductLinks::OpenHelp()
{
    platform::desktopOpener().OpenPath(m_info.ExeDir + QStringLiteral("Help.html"));
}

void ProductLinks::OpenCodecDownload()
{
    platform::desktopOpener().OpenAddress(m_info.CodecAddress);
}
