#include "shell/WebCommands.h"

#include "platform/IDesktopOpener.h"
#include "shell/ProductInfo.h"

void OpenHomePage()
{
    platform::desktopOpener().OpenAddress(RecSoftInfo.HomePage);
}

void SendSupportMail()
{
    platform::desktopOpener().OpenAddress(QStringLiteral("mailto:") + RecSoftInfo.SupportMail);
}

void OpenHelp()
{
    platform::desktopOpener().OpenPath(RecSoftInfo.ExeDir + QStringLiteral("Help.html"));
}

void OpenCodecDownload()
{
    platform::desktopOpener().OpenAddress(RecSoftInfo.CodecAddress);
}
