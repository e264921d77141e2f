#include "platform/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopOpener::OpenAddress(const QString &address)
{
    const QUrl url(address, QUrl::TolerantMode);
    if (address.isEmpty() || !url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool DesktopOpener::OpenPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
