#pragma once

// Conversion job and command-line fragments
#include "conversion/TConvertParameterStruct.h"

#include <QString>

class OptionListModel;
class IPowerOff;
class IFolderOpener;

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

    // ---- Output folder, process control and completion actions (group: conversion engine) ----

    // Lets the user choose the output folder; a chosen folder must take a probe folder
    // "test". Returns the accepted folder, or current when the choice was cancelled or
    // rejected; the folder returned is created if it is missing.
    QString SelectOutputFolder(const QString &current);

    // Ends every encoder this program started whose file name is that of path, then every
    // "tcore", retrying while one is left; keeps the windows responsive meanwhile.
    void StopEncoder(const QString &path);
    // Id of a running process with that executable name that this program started, 0 (and
    // the log line "Get Process id error.") when there is none.
    qint64 GetProcessIdByName(const QString &name);
    // Ends the processes with that executable name that this program started (with what
    // they started in turn); false and the log line "Terminate process error." when the
    // last attempt failed or nothing matched.
    bool TerminateProcessByName(const QString &name);
    // Id of a running process with that name that this program started, or 0; silent.
    static qint64 FindEncoderProcess(const QString &name);
    // Privileges are not needed on this platform: these succeed and change nothing.
    bool EnableDebugPrivilege();
    bool EnableShutdownPrivilege();
    // The pause between two attempts of StopEncoder.
    int StopRetryMs = 500;

    // Completion actions. The services are installed at start-up (tests install fakes);
    // without one the action does nothing.
    void SetCompletionServices(IPowerOff *powerOff, IFolderOpener *folderOpener);
    void OpenFolderInExplorer(const QString &folder);
    void ShutdownComputer();
    bool PowerOff();
    void TrimWorkingSet();

private:
    // ---- Output folder, process control and completion actions (group: conversion engine) ----
    IPowerOff *m_powerOff = nullptr;
    IFolderOpener *m_folderOpener = nullptr;
};
