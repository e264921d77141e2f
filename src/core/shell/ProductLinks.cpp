#include "shell/ProductLinks.h"

#include "platform/IDesktopOpener.h"

void ProductLinks::OpenHomePage()
{
    if (m_opener)
        m_opener->OpenAddress(m_info.HomePage);
}

void ProductLinks::SendSupportMail()
{
    if (m_opener)
        m_opener->OpenAddress(QStringLiteral("mailto:") + m_info.SupportMail);
}

void ProductLinks::OpenHelp()
{
    if (m_opener)
        m_opener->OpenPath(m_info.ExeDir + QStringLiteral("Help.html"));
}

void ProductLinks::OpenCodecDownload()
{
    if (m_opener)
        m_opener->OpenAddress(m_info.CodecAddress);
}
