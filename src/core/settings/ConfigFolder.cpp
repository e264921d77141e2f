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

} // namespace ConfigFolder
