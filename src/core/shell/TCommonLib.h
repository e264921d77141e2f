#pragma once

// Conversion job and command-line fragments
#include "conversion/ConversionJob.h"

#include <QString>
// Utility operations and Config readers
#include <QStringList>

class OptionListModel;
class IPowerOff;
class IPreviewGraph;
// Adding sources and the source list commands
class IMediaProbe;
class ISourceFileDialog;
class SourceListModel;
namespace SourceAdding {
struct Services;
}

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

    // The program's folder with trailing "/": the encoders and VideoFile.avs are found
    // through it. Defaults to AppPaths' program folder (the running executable's).
    QString AppDir = DefaultAppDir();
    // The record of the last job built.
    ConversionJob ConvertParameter;

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

    // AppPaths' program folder with trailing "/".
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

    // Completion actions. The folder opens through the desktop opener (platform); the
    // power-off service is installed at start-up (tests install fakes), and without one
    // nothing is switched off.
    void SetPowerOff(IPowerOff *powerOff) { m_powerOff = powerOff; }
    void OpenFolderInExplorer(const QString &folder);
    void ShutdownComputer();
    bool PowerOff();
    void TrimWorkingSet();

    // ---- Utility operations and Config readers (group: utilities and settings) ----

    // The pieces of text between delimiters, in order: inner and leading empty pieces stay,
    // a trailing empty piece is dropped ("a::b" gives a, "", b; "a:" gives a; "" gives none).
    static QStringList SplitByChar(const QString &text, QChar delimiter);
    // A message box with an OK button and the application's title as caption; type 0 shows
    // the error icon, 1 the warning, 2 the question, 3 the information icon. True when a box
    // was shown; another type, or no dialogs installed, shows nothing and gives false.
    bool ShowMsg(const QString &text, int type);
    // A lenient reading of a number inside text such as an encoder's output field: keeps the
    // digits, the first ".", and a sign only in first place ("12,5" is 125, "5-3" is 53);
    // nothing left is 0. Throws EConvertError when what is kept is no number (a lone ".").
    static double ParseNumber(const QString &text);
    // A byte count as text: truncated to two decimals with " B", " KB", " MB" or " GB"
    // ("1536" gives "1.5 KB"); a negative count is "0 B".
    static QString FormatSize(qint64 count);
    // Whole seconds as hh:mm:ss, hours taking more digits from 100 hours on; negative
    // seconds give "00:00:00".
    static QString FormatDuration(qint64 seconds);
    // value div divisor in decimal, with "0" put in front up to width characters. Throws
    // std::invalid_argument for a zero divisor.
    static QString PadQuotient(qint64 width, qint64 divisor, qint64 value);

    // Appends the line to log.txt in the log's folder (AppPaths; TAppFunc's format). When
    // the log cannot be written (a full disk, a folder that cannot be made), the error is
    // shown once with the error icon and the program goes on: a log must not stop the
    // conversions.
    void WriteLog(const QString &message);
    // The file name helpers of TFileFunc (see TFileFunc.h), through the program's one
    // TFileFunc when it exists.
    QString BaseNameOf(const QString &path);
    QString FolderOf(const QString &path);
    QString MakeUniqueFileName(const QString &path);

    // The folder of the INI files (AppPaths: AppDir + "Config/" when portable).
    QString ConfigDir() const;
    // The section names of a file of the Config folder (name without folder), in file
    // order; empty when the file does not exist. The list is the caller's.
    QStringList ReadConfigSections(const QString &fileName);
    // The value of key name in section name of a file of the Config folder, or empty text.
    QString ReadConfigValue(const QString &fileName, const QString &name);

    // ---- Preview graph (group: preview and trimming) ----

    // Moves the preview graph to ms milliseconds (100-ns units at the graph); the outcome
    // is not examined. The graph must be active.
    void SeekGraph(IPreviewGraph *graph, qint64 ms);

    // ---- Adding sources and the source list commands (group: sources) ----

    // Appends a ticked row for every path that is not in list yet (compared exactly), has
    // an accepted extension and can be measured; a file whose duration is zero gets the
    // codec error dialog. Then selects and loads the first row. Throws SourceFileError
    // when a measured file cannot be opened for its size.
    void AddSourceFiles(SourceListModel &list, const QStringList &paths,
                        const SourceAdding::Services &services);
    // Shows the open dialog in initialDir; the chosen paths (empty when cancelled), each
    // once when removeDuplicates is set. The list is the caller's.
    QStringList SelectSourceFiles(ISourceFileDialog &dialog, bool removeDuplicates,
                                  const QString &initialDir);
    // The paths in the order of their first occurrence, each once (compared exactly).
    static QStringList RemoveDuplicatePaths(const QStringList &paths);
    // The size of path in bytes; throws SourceFileError when it cannot be opened.
    static qint64 GetSourceFileSize(const QString &path, IMediaProbe &probe);
    // The media duration of path in whole seconds, 0 when it cannot be found.
    static int ProbeDuration(const QString &path, IMediaProbe &probe);
    // Deletes the selected rows; the row above the focused one, if it survived, becomes
    // the focused and selected row.
    void RemoveSelectedRows(SourceListModel &list);
    // Deletes every row; false when deleting failed (the failure is swallowed).
    bool ClearSourceList(SourceListModel &list);

private:
    // ---- Output folder, process control and completion actions (group: conversion engine) ----
    IPowerOff *m_powerOff = nullptr;

    // ---- Utility operations (group: shell) ----
    // An installed program's log failure has been shown (once per run).
    bool m_logFailureShown = false;
};
