#pragma once

// Conversion job and command-line fragments
#include "conversion/TConvertParameterStruct.h"

#include <QString>

class OptionListModel;

// The controller for the job record, command-line fragments, probing, list commands,
// process control, completion actions and utility operations. One instance lives from
// start-up to exit (see Globals.h).
//
// Several subsystems add operations here. Keep each group's definitions in a file of its
// own (TCommonLib_<Topic>.cpp) and add declarations under a comment naming the group.
class TCommonLib
{
public:
    TCommonLib();
    ~TCommonLib();

    // ---- Conversion job and command-line fragments (group: profiles and conversion) ----

    // The program's folder with trailing "/": the encoders, VideoFile.avs and Config/ are
    // found through it. Defaults to the folder of the running executable.
    QString AppDir = DefaultAppDir();
    // The record of the last job built.
    TConvertParameterStruct ConvertParameter;

    // Fragment operations: each reads the entry at index (the list's selected index) and
    // returns its prefix and the entry's text, or its default when the text is empty. The
    // codec, format and extension ones take the output type list and the output type.
    QString GetCodecArg(const OptionListModel &list, int index);
    QString GetVideoBitrateArg(const OptionListModel &list, int index);
    QString GetVideoSizeArg(const OptionListModel &list, int index);
    QString GetFrameRateArg(const OptionListModel &list, int index);
    QString GetAspectArg(const OptionListModel &list, int index);
    QString GetAudioBitrateArg(const OptionListModel &list, int index);
    QString GetVolumeArg(const OptionListModel &list, int index);
    QString GetChannelsArg(const OptionListModel &list, int index);
    QString GetSampleRateArg(const OptionListModel &list, int index);
    QString GetFormatArg(const OptionListModel &list, int index);
    QString GetOutputExt(const OptionListModel &list, int index);

    // The folder of the running executable with trailing "/".
    static QString DefaultAppDir();
};
