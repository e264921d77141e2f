// The user settings of TCustomProc: the open dialog's folder, the two check boxes and the
// output folder of the main window, kept in UserSettings.ini of the settings folder
// (AppPaths: Config/ in the program's folder when portable).
#include <QDir>

#include "settings/IniFile.h"
#include "shell/AppPaths.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"

namespace {

const QString kSettingsFile = QStringLiteral("UserSettings.ini");
const QString kSection = QStringLiteral("USRInfo");
const QString kInitDir = QStringLiteral("InitDir");
const QString kShowDir = QStringLiteral("SHWDDir");
const QString kShutdown = QStringLiteral("SHUTDOWN");
const QString kOutDir = QStringLiteral("OutDir");

QString yesNo(bool yes)
{
    return yes ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString TCustomProc::configFile(const QString &fileName) const
{
    return AppPaths::Current().ConfigFile(fileName);
}

QString TCustomProc::LoadInitDir()
{
    return IniFile(configFile(kSettingsFile))
        .ReadString(kSection, kInitDir, QDir::homePath() + QLatin1Char('/'));
}

void TCustomProc::SaveInitDir(const QString &dialogFileName)
{
    const qsizetype slash = dialogFileName.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return;
    IniFile(configFile(kSettingsFile))
        .WriteString(kSection, kInitDir, dialogFileName.left(slash + 1));
}

void TCustomProc::LoadUserSettings()
{
    const IniFile ini(configFile(kSettingsFile));
    m_showOutputDirectory.setChecked(ini.ReadString(kSection, kShowDir, QStringLiteral("0")) ==
                                     QLatin1String("1"));
    m_shutdown.setChecked(ini.ReadString(kSection, kShutdown, QStringLiteral("0")) ==
                          QLatin1String("1"));
    m_outputFolder.setText(ini.ReadString(kSection, kOutDir, m_outputFolder.text()));
}

void TCustomProc::SaveUserSettings()
{
    IniFile ini(configFile(kSettingsFile));
    ini.WriteString(kSection, kShowDir, yesNo(m_showOutputDirectory.isChecked()));
    ini.WriteString(kSection, kShutdown, yesNo(m_shutdown.isChecked()));
    ini.WriteString(kSection, kOutDir, m_outputFolder.text());
}
