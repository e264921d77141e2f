#include "settings/UserSettings.h"

#include <QDir>

#include "platform/AppPaths.h"
#include "settings/IniFile.h"

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

QString settingsFile()
{
    return AppPaths::Current().ConfigFile(kSettingsFile);
}

} // namespace

QString UserSettings::LoadInitDir()
{
    return IniFile(settingsFile())
        .ReadString(kSection, kInitDir, QDir::homePath() + QLatin1Char('/'));
}

void UserSettings::SaveInitDir(const QString &dialogFileName)
{
    const qsizetype slash = dialogFileName.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return;
    IniFile(settingsFile())
        .WriteString(kSection, kInitDir, dialogFileName.left(slash + 1));
}

void UserSettings::Load()
{
    const IniFile ini(settingsFile());
    m_showOutputFolder.setChecked(ini.ReadString(kSection, kShowDir, QStringLiteral("0")) ==
                                     QLatin1String("1"));
    m_powerOffWhenDone.setChecked(ini.ReadString(kSection, kShutdown, QStringLiteral("0")) ==
                          QLatin1String("1"));
    m_outputFolder.setText(ini.ReadString(kSection, kOutDir, m_outputFolder.text()));
}

void UserSettings::Save()
{
    IniFile ini(settingsFile());
    ini.WriteString(kSection, kShowDir, yesNo(m_showOutputFolder.isChecked()));
    ini.WriteString(kSection, kShutdown, yesNo(m_powerOffWhenDone.isChecked()));
    ini.WriteString(kSection, kOutDir, m_outputFolder.text());
}

QString UserSettings::DefaultOutputFolder()
{
    return QDir::homePath() + QStringLiteral("/Clipwright");
}
