#include "profiles/OptionLists.h"

OptionLists::OptionLists(QObject *parent) : QObject(parent) {}

std::array<OptionListModel *, 6> OptionLists::profileLists()
{
    return {&m_videoSize,    &m_framerate,     &m_videoBitrate,
            &m_audioBitrate, &m_audioChannels, &m_audioSample};
}

QString OptionLists::currentSelections()
{
    QStringList fields;
    for (OptionListModel *list : profileLists())
        fields << QString::number(list->selectedIndex());
    return fields.join('|');
}

void OptionLists::setOptionsEnabled(bool enabled)
{
    if (enabled == m_optionsEnabled)
        return;
    m_optionsEnabled = enabled;
    Q_EMIT optionsEnabledChanged(m_optionsEnabled);
}
