#pragma once

#include "profiles/OptionListModel.h"

#include <QObject>

#include <array>

// The drop-down lists whose selections are the program's encoding settings, and the other
// controls that profile application touches: the main window's output type and profile
// lists and its Options button, and the Options dialog's eight option lists and its custom
// profile list. The windows bind their widgets to these models; nothing else keeps a copy.
class OptionLists : public QObject
{
    Q_OBJECT

public:
    explicit OptionLists(QObject *parent = nullptr);

    // Main window.
    OptionListModel &outputType() { return m_outputFiletype; }
    OptionListModel &profile() { return m_profile; }

    // Options dialog.
    OptionListModel &videoSize() { return m_videoSize; }
    OptionListModel &videoBitrate() { return m_videoBitrate; }
    OptionListModel &frameRate() { return m_framerate; }
    OptionListModel &aspectRatio() { return m_aspectratio; }
    OptionListModel &audioBitrate() { return m_audioBitrate; }
    OptionListModel &sampleRate() { return m_audioSample; }
    OptionListModel &audioChannels() { return m_audioChannels; }
    OptionListModel &volumeGain() { return m_audioVolumeGain; }
    OptionListModel &customProfile() { return m_customProfile; }

    // The six lists a profile string addresses, in the string's field order: video size,
    // frame rate, video bitrate, audio bitrate, channels, sample rate.
    std::array<OptionListModel *, 6> profileLists();

    // The six selected indexes of profileLists() joined by "|" (-1 for no selection).
    QString currentSelections();

    // Whether the main window's Options button (btnOptions) is enabled.
    bool optionsEnabled() const { return m_optionsEnabled; }
    void setOptionsEnabled(bool enabled);

Q_SIGNALS:
    void optionsEnabledChanged(bool enabled);

private:
    OptionListModel m_outputFiletype;
    OptionListModel m_profile;
    OptionListModel m_videoSize;
    OptionListModel m_videoBitrate;
    OptionListModel m_framerate;
    OptionListModel m_aspectratio;
    OptionListModel m_audioBitrate;
    OptionListModel m_audioSample;
    OptionListModel m_audioChannels;
    OptionListModel m_audioVolumeGain;
    OptionListModel m_customProfile;
    bool m_optionsEnabled = true;
};
