#include "profiles/OptionBoxes.h"

OptionBoxes::OptionBoxes(QObject *parent) : QObject(parent) {}

std::array<OptionListModel *, 6> OptionBoxes::profileLists()
{
    return {&m_videoSize,    &m_framerate,     &m_videoBitrate,
            &m_audioBitrate, &m_audioChannels, &m_audioSample};
}

QString OptionBoxes::currentSelections()
{
    QStringList fields;
    for (OptionListModel *list : profileLists())
        fields << QString::number(list->selectedIndex());
    return fields.join('|');
}

void OptionBoxes::setBtnOptionsEnabled(bool enabled)
{
    if (enabled == m_optionsEnabled)
        return;
    m_optionsEnabled = enabled;
    Q_EMIT btnOptionsEnabledChanged(m_optionsEnabled);
}
