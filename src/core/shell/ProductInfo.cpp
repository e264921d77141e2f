#include "shell/ProductInfo.h"

#include "platform/BuildInfo.h"
#include "platform/ResourceModule.h"

#include <QCoreApplication>
#include <QFileInfo>

void LoadProductInfo(ProductInfo &info, const QString &modulePath)
{
    ResourceModule module;
    module.Load(modulePath);
    // A module that did not load gives empty texts; the presence check has already told
    // the user.
    info.ProductName = module.String(ResourceModule::kProductName);
    info.HomePage = module.String(ResourceModule::kHomePage);
    info.SupportMail = module.String(ResourceModule::kSupportMail);
    info.CodecAddress = module.String(ResourceModule::kCodecDownload);
    info.Version = GetVersionText(QCoreApplication::applicationFilePath());
    module.Unload();
}

QString ShortVersion(const QString &fileVersion)
{
    if (fileVersion.isEmpty())
        return {};
    const QStringList pieces = fileVersion.split(QLatin1Char('.'));
    return pieces.value(0) + QLatin1Char('.') + pieces.value(1);
}

QString GetVersionText(const QString &path)
{
    // Linux executables carry no version resource; the one version this program knows is
    // its own, stamped by the build.
    const QFileInfo file(path);
    const QFileInfo self(QCoreApplication::applicationFilePath());
    if (path.isEmpty() || !file.exists() || file.canonicalFilePath() != self.canonicalFilePath())
        return {};
    return ShortVersion(platform::BuildVersion());
}
