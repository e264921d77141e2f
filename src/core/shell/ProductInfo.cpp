#include "shell/ProductInfo.h"

#include "platform/BuildInfo.h"
#include "platform/ResourceModule.h"

#include <QCoreApplication>
#include <QFileInfo>

ProductInfo RecSoftInfo;

void LoadProductInfo(const QString &modulePath)
{
    ResourceModule module;
    module.Load(modulePath);
    // A module that did not load gives empty texts; the presence check has already told
    // the user.
    RecSoftInfo.ProductName = module.String(ResourceModule::kProductName);
    RecSoftInfo.HomePage = module.String(ResourceModule::kHomePage);
    RecSoftInfo.SupportMail = module.String(ResourceModule::kSupportMail);
    RecSoftInfo.CodecAddress = module.String(ResourceModule::kCodecDownload);
    RecSoftInfo.Version = GetVersionText(QCoreApplication::applicationFilePath());
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
