#include "settings/CustomProfiles.h"

#include "platform/AppPaths.h"
#include "platform/IUserDialogs.h"
#include "report/MessageBoxes.h"
#include "settings/ConfigFolder.h"
#include "settings/IniFile.h"

#include <limits>
#include <QCoreApplication>

namespace {

const QString kProfileFile = QStringLiteral("UserProfileInfo.ini");
const QString kCountFile = QStringLiteral("UserProfileCount.ini");
const QString kCount = QStringLiteral("count");

QString configFile(const QString &fileName)
{
    return AppPaths::Current().ConfigFile(fileName);
}

} // namespace

QStringList CustomProfiles::Names()
{
    return ConfigFolder::Sections(kProfileFile);
}

QString CustomProfiles::Read(const QString &name) const
{
    return IniFile(configFile(kProfileFile)).ReadString(name, name, QString());
}

void CustomProfiles::Add(const QString &selections)
{
    qint64 count = 0;
    {
        IniFile counter(configFile(kCountFile));
        count = qint64(counter.ReadInteger(kCount, kCount, 0)) + 1;
        // A counter at the top of its range starts over rather than turning negative.
        if (count > std::numeric_limits<qint32>::max())
            count = 1;
        counter.WriteInteger(kCount, kCount, qint32(count));
    }
    QString name = QStringLiteral("UserProfileInfo") + QString::number(count);
    IUserDialogs *dialogs = m_boxes.Dialogs();
    if (!dialogs || !dialogs->InputBox(MessageBoxes::Title(), QCoreApplication::translate("CustomProfiles", "Plese input a name"), name))
        return;
    IniFile(configFile(kProfileFile)).WriteString(name, name, selections);
}

void CustomProfiles::Save(const QString &name, const QString &selections)
{
    if (name.isEmpty())
        return;
    IniFile(configFile(kProfileFile)).WriteString(name, name, selections);
}

void CustomProfiles::Delete(const QString &name)
{
    IniFile(configFile(kProfileFile)).EraseSection(name);
}
