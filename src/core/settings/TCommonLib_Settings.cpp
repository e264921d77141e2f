// The readers of TCommonLib for any INI file of the Config folder.
#include "settings/IniFile.h"
#include "shell/AppPaths.h"
#include "shell/TCommonLib.h"

QString TCommonLib::ConfigDir() const
{
    return AppPaths::Current().ConfigDir();
}

QStringList TCommonLib::ReadConfigSections(const QString &fileName)
{
    QStringList sections;
    IniFile(ConfigDir() + fileName).ReadSections(&sections);
    return sections;
}

QString TCommonLib::ReadConfigValue(const QString &fileName, const QString &name)
{
    return IniFile(ConfigDir() + fileName).ReadString(name, name, QString());
}
