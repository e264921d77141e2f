// The custom profiles of TCustomProc, kept in Config/UserProfileInfo.ini (one section per
// profile) with the Add counter in Config/UserProfileCount.ini. They work on the Options
// dialog's lists: the name comes from cbbCustomProfile, the values go to and come from
// the six profile lists.
#include <limits>

#include "platform/IUserDialogs.h"
#include "settings/IniFile.h"
#include "shell/AppErrors.h"
#include "shell/Func.h"
#include "shell/Globals.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"

namespace {

const QString kProfileFile = QStringLiteral("UserProfileInfo.ini");
const QString kCountFile = QStringLiteral("UserProfileCount.ini");
const QString kCount = QStringLiteral("count");

} // namespace

QString TCustomProc::ReadCustomProfile()
{
    const QString name = m_optionBoxes.cbbCustomProfile().selectedText();
    return IniFile(configFile(kProfileFile)).ReadString(name, name, QString());
}

void TCustomProc::ApplyCustomProfile()
{
    const QString value = ReadCustomProfile();
    if (value.isEmpty())
        return;
    const QStringList pieces = TCommonLib::SplitByChar(value, QLatin1Char('|'));
    if (pieces.size() != 6)
        return;
    const auto lists = m_optionBoxes.profileLists();
    for (int i = 0; i < 6; ++i) {
        const QString &piece = pieces.at(i);
        if (piece.isEmpty())
            continue;
        qint32 index = 0;
        if (!IniFile::TryStrToInt(piece.trimmed(), index))
            throw EConvertError::InvalidInteger(piece);
        lists[i]->setSelectedIndex(index);
    }
}

void TCustomProc::AddCustomProfile()
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
    if (!Globals::userDialogs ||
        !Globals::userDialogs->InputBox(AppTitle(), QStringLiteral("Plese input a name"), name))
        return;
    IniFile(configFile(kProfileFile)).WriteString(name, name, m_optionBoxes.currentSelections());
}

void TCustomProc::SaveCustomProfile()
{
    const QString name = m_optionBoxes.cbbCustomProfile().text();
    if (name.isEmpty())
        return;
    IniFile(configFile(kProfileFile)).WriteString(name, name, m_optionBoxes.currentSelections());
}

void TCustomProc::DeleteCustomProfile()
{
    OptionListModel &list = m_optionBoxes.cbbCustomProfile();
    if (list.count() == 0)
        return;
    IniFile(configFile(kProfileFile)).EraseSection(list.text());
}
