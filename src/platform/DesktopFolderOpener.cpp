#include "platform/DesktopFolderOpener.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopFolderOpener::OpenFolder(const QString &folder)
{
    // The path goes over as it is, blanks included; the launch result is not looked at.
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
