#include "profiles/OutputOptions.h"

#include "profiles/ConfigInfo.h"
#include "profiles/OptionLists.h"
#include "report/AppErrors.h"
#include "settings/CustomProfiles.h"
#include "settings/IniFile.h"
#include "text/TextSplit.h"

namespace {

void fillFromTable(OptionListModel &list, const QStringList &table)
{
    if (table.isEmpty())
        return;
    list.addItems(table.mid(0, table.size() - 1));
    list.setSelectedIndex(table.last().toInt());
}

} // namespace

void OutputOptions::FillOutputTypes(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::OutputTypes());
}

void OutputOptions::FillVideoSizes(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::VideoSizes());
}

void OutputOptions::FillVideoBitrates(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::VideoBitrates());
}

void OutputOptions::FillFrameRates(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::FrameRates());
}

void OutputOptions::FillAspectRatios(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::AspectRatios());
}

void OutputOptions::FillAudioBitrates(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::AudioBitrates());
}

void OutputOptions::FillSampleRates(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::SampleRates());
}

void OutputOptions::FillAudioChannels(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::AudioChannels());
}

void OutputOptions::FillVolumeGains(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::VolumeSteps());
}

void OutputOptions::FillProfiles(OptionListModel &list)
{
    QStringList names = ConfigInfo::QualityNames();
    names.removeLast();
    list.addItems(names);
    list.addItems(m_profiles.Names());
    list.setSelectedIndex(2);
}

void OutputOptions::FillAll()
{
    OptionLists &lists = m_lists;
    FillOutputTypes(lists.outputType());
    FillProfiles(lists.profile());
    FillAspectRatios(lists.aspectRatio());
    FillVideoBitrates(lists.videoBitrate());
    FillAudioBitrates(lists.audioBitrate());
    FillAudioChannels(lists.audioChannels());
    FillFrameRates(lists.frameRate());
    FillSampleRates(lists.sampleRate());
    FillVolumeGains(lists.volumeGain());
    FillVideoSizes(lists.videoSize());
}

void OutputOptions::ApplyProfile()
{
    OptionLists &lists = m_lists;
    const int p = lists.profile().selectedIndex();
    if (p >= ConfigInfo::kQualityCount) {
        // A custom profile: its own list decides, and no enabled state changes.
        lists.customProfile().setSelectedIndex(p - ConfigInfo::kQualityCount);
        ApplyCustomProfile();
        return;
    }

    const int t = lists.outputType().selectedIndex();
    if (t >= 0 && t < ConfigInfo::kOutputTypeCount) {
        const bool audioOnly = !ConfigInfo::HoldsVideo(t);
        const bool amr = t == ConfigInfo::kAmrOutputType;
        lists.profile().setEnabled(!amr);
        lists.setOptionsEnabled(!amr);
        for (OptionListModel *video : {&lists.aspectRatio(), &lists.frameRate(),
                                       &lists.videoBitrate(), &lists.videoSize()})
            video->setEnabled(!audioOnly);
    }

    // Without an output type or a quality level nothing is selected.
    const QString profile =
        ConfigInfo::ProfileSetOf(t).value(p, QString::fromLatin1(ConfigInfo::kNoProfile));
    const QStringList fields = TextSplit::ByChar(profile, '|');
    const auto profileLists = lists.profileLists();
    for (int i = 0; i < fields.size() && i < int(profileLists.size()); ++i) {
        if (fields.at(i) != QLatin1String("none"))
            profileLists[i]->setSelectedIndex(fields.at(i).toInt());
    }
}

QString OutputOptions::ReadCustomProfile()
{
    return m_profiles.Read(m_lists.customProfile().selectedText());
}

void OutputOptions::ApplyCustomProfile()
{
    const QString value = ReadCustomProfile();
    if (value.isEmpty())
        return;
    const QStringList pieces = TextSplit::ByChar(value, QLatin1Char('|'));
    if (pieces.size() != 6)
        return;
    const auto lists = m_lists.profileLists();
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

void OutputOptions::AddCustomProfile()
{
    m_profiles.Add(m_lists.currentSelections());
}

void OutputOptions::SaveCustomProfile()
{
    m_profiles.Save(m_lists.customProfile().text(), m_lists.currentSelections());
}

void OutputOptions::DeleteCustomProfile()
{
    OptionListModel &list = m_lists.customProfile();
    if (list.count() == 0)
        return;
    m_profiles.Delete(list.text());
}
