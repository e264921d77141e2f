#include "settings/UserSettings.h"

#include <QDir>

#include "conversion/ParallelJobs.h"
#include "conversion/SizeLimit.h"
#include "platform/AppPaths.h"
#include "settings/IniFile.h"

namespace {

const QString kSettingsFile = QStringLiteral("UserSettings.ini");
const QString kSection = QStringLiteral("USRInfo");
const QString kInitDir = QStringLiteral("InitDir");
const QString kShowDir = QStringLiteral("SHWDDir");
const QString kShutdown = QStringLiteral("SHUTDOWN");
const QString kOutDir = QStringLiteral("OutDir");
// The size limit in MB, "0" for none; written once a limit was set.
const QString kSizeLimit = QStringLiteral("SizeLimit");
// The conversions at the same time, "0" for Automatic; written once one was chosen.
const QString kConversionsAtOnce = QStringLiteral("ConversionsAtOnce");

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
    // A limit that is not one (edited by hand) counts as none.
    double mb = 0;
    if (!SizeLimit::Parse(ini.ReadString(kSection, kSizeLimit, QString()), &mb))
        mb = 0;
    m_sizeLimit.setText(SizeLimit::Text(mb));
    // A number the Options dialog cannot show (edited by hand, or from a machine with more
    // cores) is Automatic.
    bool number = false;
    const int jobs = ini.ReadString(kSection, kConversionsAtOnce, QString()).trimmed().toInt(&number);
    m_conversionsAtOnce =
        number && jobs >= 1 && jobs <= ParallelJobs::Cores() ? jobs : ParallelJobs::kAutomatic;
}

double UserSettings::SizeLimitMB() const
{
    double mb = 0;
    return SizeLimit::Parse(m_sizeLimit.text(), &mb) ? mb : 0;
}

void UserSettings::Save()
{
    IniFile ini(settingsFile());
    ini.WriteString(kSection, kShowDir, yesNo(m_showOutputFolder.isChecked()));
    ini.WriteString(kSection, kShutdown, yesNo(m_powerOffWhenDone.isChecked()));
    ini.WriteString(kSection, kOutDir, m_outputFolder.text());
    // A file that never had a limit stays as it was.
    const double mb = SizeLimitMB();
    if (mb > 0 || !ini.ReadString(kSection, kSizeLimit, QString()).isEmpty())
        ini.WriteString(kSection, kSizeLimit, QString::number(mb, 'g', 6));
    if (m_conversionsAtOnce != ParallelJobs::kAutomatic ||
        !ini.ReadString(kSection, kConversionsAtOnce, QString()).isEmpty())
        ini.WriteString(kSection, kConversionsAtOnce, QString::number(m_conversionsAtOnce));
}

QString UserSettings::DefaultOutputFolder()
{
    return QDir::homePath() + QStringLiteral("/Clipwright");
}
