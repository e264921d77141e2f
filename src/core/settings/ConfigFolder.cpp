#include "settings/ConfigFolder.h"

#include "platform/AppPaths.h"
#include "settings/IniFile.h"

namespace ConfigFolder {

QStringList Sections(const QString &fileName)
{
    QStringList sections;
    IniFile(AppPaths::Current().ConfigDir() + fileName).ReadSections(&sections);
    return sections;
}

QString Value(const QString &fileName, const QString &name)
{
    return IniFile(AppPaths::Current().ConfigDir() + fileName).ReadString(name, name, QString());
}

} // namespace ConfigFolder
