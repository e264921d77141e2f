// Output types, option lists and profile application of TCustomProc.
#include "profiles/ConfigInfo.h"
#include "shell/Globals.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"

void TCustomProc::fillFromTable(OptionListModel &list, const QStringList &table)
{
    if (table.isEmpty())
        return;
    list.addItems(table.mid(0, table.size() - 1));
    list.setSelectedIndex(table.last().toInt());
}

void TCustomProc::FillOutputFiletype(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::OutputTypes());
}

void TCustomProc::FillVideoSize(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::VideoSizes());
}

void TCustomProc::FillVideoBitrate(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::VideoBitrates());
}

void TCustomProc::FillFramerate(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::FrameRates());
}

void TCustomProc::FillAspectratio(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::AspectRatios());
}

void TCustomProc::FillAudioBitrate(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::AudioBitrates());
}

void TCustomProc::FillAudioSample(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::SampleRates());
}

void TCustomProc::FillAudioChannels(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::AudioChannels());
}

void TCustomProc::FillAudioVolumeGain(OptionListModel &list)
{
    fillFromTable(list, ConfigInfo::VolumeSteps());
}

void TCustomProc::FillProfileBox(OptionListModel &list)
{
    QStringList names = ConfigInfo::QualityNames();
    names.removeLast();
    list.addItems(names);
    TCommonLib *lib = m_commonLib ? m_commonLib : Globals::commonLib;
    if (lib)
        list.addItems(lib->ReadConfigSections(QStringLiteral("UserProfileInfo.ini")));
    list.setSelectedIndex(2);
}

void TCustomProc::FillOptionBoxes()
{
    OptionBoxes &boxes = m_optionBoxes;
    FillOutputFiletype(boxes.cbbOutputFiletype());
    FillProfileBox(boxes.cbbProfile());
    FillAspectratio(boxes.cbbAspectratio());
    FillVideoBitrate(boxes.cbbVideoBitrate());
    FillAudioBitrate(boxes.cbbAudioBitrate());
    FillAudioChannels(boxes.cbbAudioChannels());
    FillFramerate(boxes.cbbFramerate());
    FillAudioSample(boxes.cbbAudioSample());
    FillAudioVolumeGain(boxes.cbbAudioVolumeGain());
    FillVideoSize(boxes.cbbVideoSize());
    LoadUserSettings();
}

void TCustomProc::ApplyProfile()
{
    OptionBoxes &boxes = m_optionBoxes;
    const int p = boxes.cbbProfile().selectedIndex();
    if (p >= ConfigInfo::kQualityCount) {
        // A custom profile: its own list decides, and no enabled state changes.
        boxes.cbbCustomProfile().setSelectedIndex(p - ConfigInfo::kQualityCount);
        ApplyCustomProfile();
        return;
    }

    const int t = boxes.cbbOutputFiletype().selectedIndex();
    if (t >= 0 && t < ConfigInfo::kOutputTypeCount) {
        const bool audioOnly = !ConfigInfo::HoldsVideo(t);
        const bool amr = t == ConfigInfo::kAmrOutputType;
        boxes.cbbProfile().setEnabled(!amr);
        boxes.setBtnOptionsEnabled(!amr);
        for (OptionListModel *video : {&boxes.cbbAspectratio(), &boxes.cbbFramerate(),
                                       &boxes.cbbVideoBitrate(), &boxes.cbbVideoSize()})
            video->setEnabled(!audioOnly);
    }

    // Without an output type or a quality level nothing is selected.
    const QString profile =
        ConfigInfo::ProfileSetOf(t).value(p, QString::fromLatin1(ConfigInfo::kNoProfile));
    const QStringList fields = TCommonLib::SplitByChar(profile, '|');
    const auto lists = boxes.profileLists();
    for (int i = 0; i < fields.size() && i < int(lists.size()); ++i) {
        if (fields.at(i) != QLatin1String("none"))
            lists[i]->setSelectedIndex(fields.at(i).toInt());
    }
}
